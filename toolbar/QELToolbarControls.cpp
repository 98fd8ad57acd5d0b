// QELToolbar embedded controls: a child window shown in the place of a
// button, on a separator of its width that keeps the button's id.
#include "QELToolbar.h"
#include "ToolbarOwnedObjects.h"
#include "ToolbarLayout.h"
#include <new>

namespace {
// The window object InsertControl makes for a run-time class: always of the
// framework's own class, whatever pClass derives it to; none for a class
// that is not a window.
CWnd* CreateControlObject(CRuntimeClass* pClass, LPCTSTR lpszWindowName, const CRect& rect, CWnd* pParent, UINT nID,
                          DWORD dwStyle)
{
    CWnd* pWnd = nullptr;
    bool bCreated = false;
    if (pClass->IsDerivedFrom(RUNTIME_CLASS(CComboBox))) {
        auto* pCombo = new (std::nothrow) CComboBox;
        if (pCombo != nullptr)
            bCreated = pCombo->Create(dwStyle, rect, pParent, nID) != FALSE;
        pWnd = pCombo;
    } else if (pClass->IsDerivedFrom(RUNTIME_CLASS(CEdit))) {
        auto* pEdit = new (std::nothrow) CEdit;
        if (pEdit != nullptr)
            bCreated = pEdit->Create(dwStyle, rect, pParent, nID) != FALSE;
        pWnd = pEdit;
    } else if (pClass->IsDerivedFrom(RUNTIME_CLASS(CButton))) {
        auto* pButton = new (std::nothrow) CButton;
        if (pButton != nullptr)
            bCreated = pButton->Create(lpszWindowName, dwStyle, rect, pParent, nID) != FALSE;
        pWnd = pButton;
    } else if (pClass->IsDerivedFrom(RUNTIME_CLASS(CWnd))) {
        // Any other window: the class name names a registered window class.
        pWnd = new (std::nothrow) CWnd;
        if (pWnd != nullptr)
            bCreated = pWnd->Create(pClass->m_lpszClassName, lpszWindowName, dwStyle, rect, pParent, nID) != FALSE;
    }
    if (pWnd != nullptr && !bCreated) {
        if (pWnd->m_hWnd != nullptr)
            pWnd->DestroyWindow();
        DeleteToolbarOwned(pWnd);
        pWnd = nullptr;
    }
    return pWnd;
}
}

CWnd* QELToolbar::InsertControl(CWnd* pControl, CRect& rect, UINT nID)
{
    // The layout finds a control by its id among the toolbar's children; an
    // id of 0 would make a plain separator of the placeholder.
    if (m_hWnd == nullptr || pControl == nullptr || pControl->m_hWnd == nullptr || nID == 0 || rect.Width() < 0 ||
        !AfxIsSameHandle(::GetParent(pControl->m_hWnd), m_hWnd))
        return nullptr;

    int nIndex = CommandToIndex(nID);
    if (nIndex < 0) {
        pControl->ShowWindow(SW_HIDE);
        ModifyStyle(0, WS_CLIPCHILDREN);
        return pControl;
    }

    SetButtonInfo(nIndex, nID, TBBS_SEPARATOR, rect.Width());
    GetItemRect(nIndex, &rect);
    CRect rectControl;
    pControl->GetWindowRect(&rectControl);
    rect.top = bar_layout::ControlTop(rect.top, rect.Height(), rectControl.Height());
    pControl->SetWindowPos(nullptr, rect.left, rect.top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    pControl->SendMessage(WM_SETFONT, (WPARAM)SendMessage(WM_GETFONT), TRUE);

    CToolBarCtrl& ctrl = GetToolBarCtrl();
    int nState = ctrl.GetState((int)nID);
    if (IsVertDocked() && m_bHideControlsWhenVertical) {
        if (nState != -1)
            ctrl.SetState((int)nID, (UINT)nState | TBSTATE_HIDDEN);
        pControl->ShowWindow(SW_HIDE);
    } else {
        if (nState != -1)
            ctrl.SetState((int)nID, (UINT)nState & ~(UINT)TBSTATE_HIDDEN);
        pControl->ShowWindow(SW_SHOW);
    }
    ModifyStyle(0, WS_CLIPCHILDREN);
    return pControl;
}

CWnd* QELToolbar::InsertControl(CRuntimeClass* pClass, LPCTSTR lpszWindowName, CRect& rect, UINT nID, DWORD dwStyle)
{
    if (m_hWnd == nullptr || pClass == nullptr || nID == 0 || rect.Width() < 0 || rect.Height() < 0)
        return nullptr;
    CWnd* pWnd = CreateControlObject(pClass, lpszWindowName, rect, this, nID, dwStyle | WS_CHILD | WS_VISIBLE);
    if (pWnd == nullptr)
        return nullptr;
    if (m_pControls == nullptr)
        m_pControls = new (std::nothrow) CObList(10);
    if (m_pControls == nullptr || m_pControls->AddTail(pWnd) == nullptr) {
        pWnd->DestroyWindow();
        DeleteToolbarOwned(pWnd);
        return nullptr;
    }
    return InsertControl(pWnd, rect, nID);
}
