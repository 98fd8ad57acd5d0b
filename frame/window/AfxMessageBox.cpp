// Message boxes of the application: CWinApp::DoMessageBox and AfxMessageBox.
#include "AfxWinApp.h"
#include "AfxModalOwner.h"

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

int AFXAPI AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return AfxRunMessageBox(CWnd::GetSafeOwner(nullptr)->GetSafeHwnd(), lpszText, "", nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strPrompt;
    strPrompt.LoadString(nIDPrompt);
    return AfxMessageBox(strPrompt, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}
