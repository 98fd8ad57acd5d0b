// CWnd: the window procedure, message dispatch through the maps, notification
// reflection, and the pre-translation walk.
#include "AfxWnd.h"
#include "AfxState.h"
#include "AfxModuleState.h"
#include "AfxMsgMapWalk.h"

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    // The window runs in the state of the module that made it, whichever module
    // is current when the message arrives (a library's modal dialog, say, while
    // the application's timer fires): its handlers see their own application
    // object, main window and resources. The caller's state comes back on the
    // way out.
    AFX_MAINTAIN_STATE2 moduleState(pWnd->m_pModuleState != nullptr ? pWnd->m_pModuleState : AfxGetModuleState());
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    MSG oldMsg = pState->m_lastSentMsg;
    pState->m_lastSentMsg.hwnd = hWnd;
    pState->m_lastSentMsg.message = nMsg;
    pState->m_lastSentMsg.wParam = wParam;
    pState->m_lastSentMsg.lParam = lParam;

    LRESULT lResult = pWnd->WindowProc(nMsg, wParam, lParam);

    if (nMsg == WM_NCDESTROY && AfxIsSameHandle(pWnd->m_hWnd, hWnd)) {
        // The window is gone: give the handle its own procedure back, forget it,
        // and let the object clean up (frames delete themselves here).
        pWnd->RestoreWndProc(hWnd);
        pWnd->m_pfnSuper = nullptr;
        pWnd->Detach();
        pWnd->PostNcDestroy();
    }
    pState->m_lastSentMsg = oldMsg;
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    MSG* pMsg = &AfxGetThreadState()->m_lastSentMsg;
    pMsg->time = (DWORD)::GetMessageTime();
    DWORD pos = (DWORD)::GetMessagePos();
    pMsg->pt.x = (short)LOWORD(pos);
    pMsg->pt.y = (short)HIWORD(pos);
    return pMsg;
}

namespace {
bool IsCtlColorMessage(UINT message) { return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC; }

// The control an owner-draw message is about, or nullptr for menus.
HWND OwnerDrawControl(HWND hWndParent, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DRAWITEM: {
        auto* p = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
        return p != nullptr && p->CtlType != ODT_MENU ? p->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        auto* p = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
        return p != nullptr && p->CtlType != ODT_MENU ? ::GetDlgItem(hWndParent, (int)p->CtlID) : nullptr;
    }
    case WM_COMPAREITEM: {
        auto* p = reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam);
        return p != nullptr ? p->hwndItem : nullptr;
    }
    case WM_DELETEITEM: {
        auto* p = reinterpret_cast<LPDELETEITEMSTRUCT>(lParam);
        return p != nullptr ? p->hwndItem : nullptr;
    }
    default:
        (void)wParam;
        return nullptr;
    }
}

// Calls the first entry for a window message in the maps of pTarget; the entry
// may decline (registered messages, reflected colour requests without a brush).
bool DispatchWindowMessage(CCmdTarget* pTarget, const AFX_MSGMAP* pMap, UINT nLookup, UINT message, WPARAM wParam,
                           LPARAM lParam, LRESULT* pResult)
{
    bool bRegistered = message >= 0xC000 && message <= 0xFFFF;
    return AfxWalkMessageMap(pMap, [&](const AFX_MSGMAP_ENTRY& e) {
               if (e.nCode != 0 || e.nID != 0)
                   return false;
               if (e.nMessage != nLookup && !(bRegistered && e.nMessage == 0xC000))
                   return false;
               AFX_MSGCALL call = { message, wParam, lParam, 0, nullptr, pResult };
               return e.pfn(pTarget, call) != FALSE;
           }) != nullptr;
}
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    BOOL bHandled = FALSE;

    if (message == WM_COMMAND) {
        bHandled = OnCommand(wParam, lParam);
        lResult = bHandled ? 1 : 0;
    } else if (message == WM_NOTIFY) {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        bHandled = pNMHDR != nullptr && pNMHDR->hwndFrom != nullptr && OnNotify(wParam, lParam, &lResult);
    } else if (IsCtlColorMessage(message)) {
        // The control paints itself first; the parent's handler is the fallback.
        CWnd* pChild = FromHandlePermanent(reinterpret_cast<HWND>(lParam));
        bHandled = pChild != nullptr && pChild->OnChildNotify(message, wParam, lParam, &lResult);
        if (!bHandled)
            bHandled = DispatchWindowMessage(this, GetMessageMap(), WM_CTLCOLOR_ALL, message, wParam, lParam, &lResult);
    } else {
        HWND hWndChild = nullptr;
        switch (message) {
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_COMPAREITEM:
        case WM_DELETEITEM:
            hWndChild = OwnerDrawControl(m_hWnd, message, wParam, lParam);
            break;
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
            hWndChild = reinterpret_cast<HWND>(lParam);
            break;
        default:
            break;
        }
        if (hWndChild != nullptr && ReflectLastMsg(hWndChild, &lResult))
            bHandled = TRUE;
        else
            bHandled = DispatchWindowMessage(this, GetMessageMap(), message, message, wParam, lParam, &lResult);
    }

    if (bHandled && pResult != nullptr)
        *pResult = lResult;
    return bHandled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (hWndCtrl == nullptr) {
        // Menus send 0 and accelerators 1: both are plain commands.
        nCode = CN_COMMAND;
    } else {
        if (ReflectLastMsg(hWndCtrl))
            return TRUE;  // the control handled its own notification
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (ReflectLastMsg(pNMHDR->hwndFrom, pResult))
        return TRUE;
    AFX_NOTIFY notify = { pResult, pNMHDR };
    return OnCmdMsg((UINT)pNMHDR->idFrom, (int)MAKELONG(pNMHDR->code, WM_NOTIFY), &notify, nullptr);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    return pWnd != nullptr && pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lLocal = 0;
    if (pResult == nullptr)
        pResult = &lLocal;
    switch (message) {
    case WM_COMMAND: {
        int nCode = HIWORD(wParam);
        if (CCmdTarget::OnCmdMsg(0, (int)MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr)) {
            *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY: {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        AFX_NOTIFY notify = { pResult, pNMHDR };
        return CCmdTarget::OnCmdMsg(0, (int)MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, nullptr);
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return DispatchWindowMessage(this, GetMessageMap(), WM_REFLECT_BASE + message, WM_REFLECT_BASE + message,
                                     wParam, lParam, pResult);
    default:
        if (IsCtlColorMessage(message))
            return DispatchWindowMessage(this, GetMessageMap(), WM_REFLECT_BASE + WM_CTLCOLOR_ALL, message, wParam,
                                         lParam, pResult);
        return FALSE;
    }
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        // Stop at the window's top-level window: a modal dialog's keys are its own,
        // not its owner's accelerators.
        if (AfxIsSameHandle(hWnd, hWndStop) || !(::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
            break;
    }
    return FALSE;
}