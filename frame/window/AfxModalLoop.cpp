// CWnd: the framework's modal loop, which runs PreTranslateMessage on every message, and the
// one message of the loop: the application's, or the same loop where a program has no application object.
#include "AfxWnd.h"
#include "AfxState.h"
#include "AfxWinApp.h"

BOOL CWnd::ContinueModal() { return (m_nFlags & WF_CONTINUEMODAL) != 0; }

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        // Wake the loop if it is waiting for a message.
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
    }
}

int CWnd::RunModalLoop(DWORD dwFlags)
{
    m_nFlags |= WF_CONTINUEMODAL | WF_MODALLOOP;
    HWND hWndParent = ::GetParent(m_hWnd);
    BOOL bShowIdle = (dwFlags & MLF_NOIDLEMSG) == 0 && hWndParent != nullptr;
    MSG msg;
    while (ContinueModal()) {
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            // Let the owner do its idle work (the framework's WM_ENTERIDLE), then wait.
            if (bShowIdle)
                ::SendMessageA(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, (LPARAM)m_hWnd);
            if (!ContinueModal())
                break;
            ::WaitMessage();
            continue;
        }
        if (!AfxPumpMessage()) {
            // WM_QUIT: leave the modal loop and let the outer loop see it too.
            ::PostQuitMessage((int)AfxGetThreadState()->m_msgCur.wParam);
            break;
        }
        if (!::IsWindow(m_hWnd))
            break;
    }
    m_nFlags &= ~(WF_CONTINUEMODAL | WF_MODALLOOP);
    return m_nModalResult;
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
