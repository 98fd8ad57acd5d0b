// CWinThread: the message loop and idle processing.
#include "AfxWinThread.h"
#include "AfxState.h"
#include "AfxWinApp.h"
#include "AfxFrameWnd.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

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
    if (pFrame != nullptr && AfxIsSameHandle(::GetWindow(hWnd, GW_OWNER), (HWND)lParam) && ::IsWindowVisible(hWnd) &&
        pFrame->IsFrameWnd()) {
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
