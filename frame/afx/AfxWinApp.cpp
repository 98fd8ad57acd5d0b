// The application object, its message loop and idle processing, profile settings.
#include "AfxState.h"
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

// ----- CWinThread ----------------------------------------------------------

BOOL CWinThread::InitInstance() { return FALSE; }

int CWinThread::ExitInstance() { return (int)AfxGetThreadState()->m_msgCur.wParam; }

CWnd* CWinThread::GetMainWnd() { return m_pActiveWnd != nullptr ? m_pActiveWnd : m_pMainWnd; }

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    // Messages for no window belong to the thread.
    if (pMsg->hwnd == nullptr)
        return FALSE;
    return CWnd::WalkPreTranslateTree(nullptr, pMsg);
}

BOOL CWinThread::PumpMessage()
{
    MSG& msg = AfxGetThreadState()->m_msgCur;
    if (::GetMessageA(&msg, nullptr, 0, 0) <= 0)
        return FALSE;
    if (msg.message != WM_KICKIDLE && !PreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    // Mouse moves and caret blinks happen all the time; they do not restart idle work.
    static POINT ptLast = { -1, -1 };
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        if (pMsg->pt.x == ptLast.x && pMsg->pt.y == ptLast.y)
            return FALSE;
        ptLast = pMsg->pt;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118 /* WM_SYSTIMER */;
}

namespace {
BOOL CALLBACK UpdateOwnedFrame(HWND hWnd, LPARAM lParam)
{
    CWnd* pFrame = CWnd::FromHandlePermanent(hWnd);
    if (pFrame != nullptr && ::GetWindow(hWnd, GW_OWNER) == (HWND)lParam && ::IsWindowVisible(hWnd) &&
        pFrame->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
        AfxCallWndProc(pFrame, hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
        pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    }
    return TRUE;
}
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0) {
        // Command states of toolbars and other control bars follow the application.
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && pMainWnd->IsWindowVisible()) {
            AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
            // Floating bars live in frames the main window owns, not in it.
            ::EnumThreadWindows(::GetCurrentThreadId(), UpdateOwnedFrame, (LPARAM)pMainWnd->m_hWnd);
        }
        return TRUE;
    }
    if (lCount == 1) {
        AfxDeleteTempMaps();
        return FALSE;
    }
    return FALSE;
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    MSG& msgCur = AfxGetThreadState()->m_msgCur;
    for (;;) {
        while (bIdle && !::PeekMessageA(&msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL AFXAPI AfxPumpMessage()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        return pApp->PumpMessage();
    // No application object (a library used from a plain program): the same loop.
    MSG& msg = AfxGetThreadState()->m_msgCur;
    if (::GetMessageA(&msg, nullptr, 0, 0) <= 0)
        return FALSE;
    if (msg.hwnd == nullptr || !CWnd::WalkPreTranslateTree(nullptr, &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

void AFXAPI AfxPostQuitMessage(int nExitCode) { ::PostQuitMessage(nExitCode); }

// ----- CWinApp ---------------------------------------------------------------

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

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_pszRegistryKey == nullptr || m_pszProfileName == nullptr)
        return nullptr;
    CString strPath;
    strPath.Format("Software\\%s\\%s", m_pszRegistryKey, m_pszProfileName);
    HKEY hKey = nullptr;
    DWORD dwDisp;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, strPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                          nullptr, &hKey, &dwDisp) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

HKEY CWinApp::GetSectionKey(LPCSTR lpszSection)
{
    if (lpszSection == nullptr)
        return nullptr;
    HKEY hAppKey = GetAppRegistryKey();
    if (hAppKey == nullptr)
        return nullptr;
    HKEY hSectionKey = nullptr;
    DWORD dwDisp;
    ::RegCreateKeyExA(hAppKey, lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                      &hSectionKey, &dwDisp);
    ::RegCloseKey(hAppKey);
    return hSectionKey;
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return (UINT)nDefault;
    DWORD dwValue = 0;
    DWORD dwType = 0;
    DWORD dwCount = sizeof(dwValue);
    LONG lResult = ::RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(&dwValue), &dwCount);
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS && dwType == REG_DWORD ? (UINT)dwValue : (UINT)nDefault;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return FALSE;
    LONG lResult =
        ::RegSetValueExA(hKey, lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&nValue), sizeof(nValue));
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    CString strDefault = lpszDefault != nullptr ? lpszDefault : "";
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return strDefault;
    DWORD dwType = 0;
    DWORD dwCount = 0;
    CString strValue = strDefault;
    if (::RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, nullptr, &dwCount) == ERROR_SUCCESS && dwType == REG_SZ) {
        DWORD dwSize = dwCount;
        LPSTR pBuf = strValue.GetBufferSetLength((int)dwSize + 1);
        if (::RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(pBuf), &dwSize) ==
                ERROR_SUCCESS &&
            dwSize <= dwCount) {
            pBuf[dwSize] = '\0';
            strValue.ReleaseBuffer();
        } else {
            strValue.ReleaseBuffer(0);
            strValue = strDefault;
        }
    }
    ::RegCloseKey(hKey);
    return strValue;
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return FALSE;
    LONG lResult;
    if (lpszEntry == nullptr)
        lResult = ERROR_SUCCESS;  // nothing to write under a section alone
    else if (lpszValue == nullptr)
        lResult = ::RegDeleteValueA(hKey, lpszEntry);
    else
        lResult = ::RegSetValueExA(hKey, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                                   (DWORD)strlen(lpszValue) + 1);
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    if (ppData == nullptr || pBytes == nullptr)
        return FALSE;
    *ppData = nullptr;
    *pBytes = 0;
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return FALSE;
    DWORD dwType = 0;
    DWORD dwCount = 0;
    BOOL bOk = FALSE;
    if (::RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, nullptr, &dwCount) == ERROR_SUCCESS &&
        dwType == REG_BINARY) {
        LPBYTE pData = new BYTE[dwCount > 0 ? dwCount : 1];
        DWORD dwSize = dwCount;
        if (::RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, pData, &dwSize) == ERROR_SUCCESS &&
            dwSize <= dwCount) {
            *ppData = pData;
            *pBytes = dwSize;
            bOk = TRUE;
        } else {
            delete[] pData;
        }
    }
    ::RegCloseKey(hKey);
    return bOk;
}

BOOL CWinApp::WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return FALSE;
    LONG lResult = ::RegSetValueExA(hKey, lpszEntry, 0, REG_BINARY, pData, nBytes);
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT)
{
    HWND hWndOwner = CWnd::GetSafeOwner(nullptr)->GetSafeHwnd();
    if ((nType & MB_ICONMASK) == 0) {
        // The framework's custom: a question icon for yes/no questions, else an exclamation.
        UINT nButtons = nType & MB_TYPEMASK;
        nType |= (nButtons == MB_YESNO || nButtons == MB_YESNOCANCEL) ? MB_ICONQUESTION : MB_ICONEXCLAMATION;
    }
    return ::MessageBoxA(hWndOwner, lpszPrompt, m_pszAppName != nullptr ? m_pszAppName : "", nType);
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

// ----- message boxes and the application's entry ------------------------------

int AFXAPI AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return ::MessageBoxA(CWnd::GetSafeOwner(nullptr)->GetSafeHwnd(), lpszText, "", nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strPrompt;
    strPrompt.LoadString(nIDPrompt);
    return AfxMessageBox(strPrompt, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || !AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) || !pApp->InitApplication())
        return -1;
    int nReturnCode;
    if (!pApp->InitInstance()) {
        if (pApp->m_pMainWnd != nullptr && pApp->m_pMainWnd->m_hWnd != nullptr)
            pApp->m_pMainWnd->DestroyWindow();
        nReturnCode = pApp->ExitInstance();
    } else {
        nReturnCode = pApp->Run();
    }
    AfxWinTerm();
    return nReturnCode;
}
