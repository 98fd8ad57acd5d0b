// CWinApp: the application object, its names, its resources and its message boxes.
#include "AfxWinApp.h"
#include "AfxModalOwner.h"
#include <cstring>
#include <initializer_list>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

CWinApp::CWinApp(LPCSTR lpszAppName)
{
    m_pszAppName = lpszAppName;
    // The application object belongs to the module that is current while it is
    // constructed: the application's own, or a library's during its start-up.
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    pState->m_pCurrentWinApp = this;
    // A program's object without a name is named after the program at once, so
    // that its message boxes have a caption from the start; a library's module
    // is known only when AfxWinInit runs for it.
    if (m_pszAppName == nullptr && !pState->m_bDLL)
        NameAfterModule(nullptr);
    pState->m_lpszCurrentAppName = m_pszAppName;
    m_nThreadID = ::GetCurrentThreadId();
}

void CWinApp::NameAfterModule(HINSTANCE hModule)
{
    char szPath[MAX_PATH] = "";
    DWORD nLength = ::GetModuleFileNameA(hModule, szPath, MAX_PATH);
    if (nLength == 0 || nLength >= MAX_PATH)
        return;
    // Character by character: in a double-byte code page a trail byte may be a backslash.
    char* pszName = szPath;
    for (char* p = szPath; *p != '\0'; p = ::CharNextA(p))
        if (*p == '\\' || *p == '/')
            pszName = p + 1;
    if (char* pszDot = strrchr(pszName, '.'))
        *pszDot = '\0';
    m_strModuleName = pszName;
    m_pszAppName = m_strModuleName;
    m_pszExeName = m_strModuleName;
}

void CWinApp::SetCurrentHandles()
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    if (m_pszAppName == nullptr)
        m_pszAppName = pState->m_lpszCurrentAppName;
    if (m_pszAppName == nullptr)
        NameAfterModule(m_hInstance);
    pState->m_lpszCurrentAppName = m_pszAppName;
}

CWinApp::~CWinApp()
{
    for (AFX_MODULE_STATE* pState : { AfxGetModuleState(), AfxGetAppModuleState() }) {
        if (pState->m_pCurrentWinApp == this)
            pState->m_pCurrentWinApp = nullptr;
    }
}

BOOL CWinApp::InitApplication()
{
    if (m_pszAppName == nullptr)
        SetCurrentHandles();  // an object of a module AfxWinInit never set up
    if (m_pszProfileName == nullptr)
        m_pszProfileName = m_pszAppName;
    return TRUE;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return CWinThread::ExitInstance(); }

int CWinApp::Run()
{
    if (m_pMainWnd == nullptr)
        AfxPostQuitMessage(0);
    return CWinThread::Run();
}

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey)
{
    m_strRegistryKey = lpszRegistryKey != nullptr ? lpszRegistryKey : "";
    m_pszRegistryKey = m_strRegistryKey;
    m_strProfileName = m_pszAppName != nullptr ? m_pszAppName : "";
    m_pszProfileName = m_strProfileName;
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString strKey;
    strKey.LoadString(nIDRegistryKey);
    SetRegistryKey(strKey);
}

HCURSOR CWinApp::LoadCursor(LPCSTR lpszResourceName) const
{
    return ::LoadCursorA(AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEA(12) /* RT_GROUP_CURSOR */),
                         lpszResourceName);
}
HCURSOR CWinApp::LoadCursor(UINT nIDResource) const { return LoadCursor(MAKEINTRESOURCEA(nIDResource)); }
HCURSOR CWinApp::LoadStandardCursor(LPCSTR lpszCursorName) const { return ::LoadCursorA(nullptr, lpszCursorName); }
HICON CWinApp::LoadIcon(LPCSTR lpszResourceName) const
{
    return ::LoadIconA(AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */),
                       lpszResourceName);
}
HICON CWinApp::LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCEA(nIDResource)); }
HICON CWinApp::LoadStandardIcon(LPCSTR lpszIconName) const { return ::LoadIconA(nullptr, lpszIconName); }

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT)
{
    HWND hWndOwner = CWnd::GetSafeOwner(nullptr)->GetSafeHwnd();
    if ((nType & MB_ICONMASK) == 0) {
        // The framework's custom: a question icon for yes/no questions, else an exclamation.
        UINT nButtons = nType & MB_TYPEMASK;
        nType |= (nButtons == MB_YESNO || nButtons == MB_YESNOCANCEL) ? MB_ICONQUESTION : MB_ICONEXCLAMATION;
    }
    return AfxRunMessageBox(hWndOwner, lpszPrompt, m_pszAppName != nullptr ? m_pszAppName : "", nType);
}
