// CWinApp: the application object, its names and its resources.
#include "AfxWinApp.h"
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
    pState->m_lpszCurrentAppName = lpszAppName;
    m_nThreadID = ::GetCurrentThreadId();
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
    if (m_pszAppName == nullptr) {
        // Without a name of its own, the application is named after its program file.
        char szPath[MAX_PATH];
        ::GetModuleFileNameA(m_hInstance, szPath, MAX_PATH);
        char* pszName = szPath;
        for (char* p = szPath; *p != '\0'; ++p)
            if (*p == '\\' || *p == '/')
                pszName = p + 1;
        if (char* pszDot = strrchr(pszName, '.'))
            *pszDot = '\0';
        m_strProfileName = pszName;
        m_pszAppName = m_strProfileName;
        AfxGetModuleState()->m_lpszCurrentAppName = m_pszAppName;
    }
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
