// QELToolbar drop-down buttons: the button style, the list of their menus,
// and the menu that opens below a button when its arrow is pressed.
#include "QELToolbar.h"
#include <new>

namespace {
// A button that can carry a drop-down: on the bar, and not a separator (an
// embedded control's placeholder keeps its control's id, but it is no button).
int DropDownButtonIndex(const QELToolbar& bar, UINT nIDButton)
{
    if (bar.m_hWnd == nullptr || nIDButton == 0)
        return -1;
    int nIndex = bar.CommandToIndex(nIDButton);
    if (nIndex < 0 || (LOWORD(bar.GetButtonStyle(nIndex)) & TBSTYLE_SEP) != 0)
        return -1;
    return nIndex;
}
}

BOOL QELToolbar::SetDropDownButton(UINT nIDButton, BOOL bArrow)
{
    int nIndex = DropDownButtonIndex(*this, nIDButton);
    if (nIndex < 0)
        return FALSE;
    // The second call decides: an arrow asked for after a whole-button
    // drop-down gives the button its arrow back.
    UINT nStyle = GetButtonStyle(nIndex) | TBSTYLE_DROPDOWN;
    if (bArrow)
        nStyle &= ~(UINT)BTNS_WHOLEDROPDOWN;
    else
        nStyle |= BTNS_WHOLEDROPDOWN;
    SetButtonStyle(nIndex, nStyle);
    CToolBarCtrl& ctrl = GetToolBarCtrl();
    ctrl.SetExtendedStyle(ctrl.GetExtendedStyle() | TBSTYLE_EX_DRAWDDARROWS);
    return TRUE;
}

BOOL QELToolbar::AddDropDownButton(UINT nIDButton, UINT nIDMenu, BOOL bArrow)
{
    if (DropDownButtonIndex(*this, nIDButton) < 0)
        return FALSE;
    CDropDownButtonInfo* pInfo = FindDropDownButtonInfo(nIDButton);
    if (pInfo == nullptr) {
        pInfo = new (std::nothrow) CDropDownButtonInfo;
        if (pInfo == nullptr)
            return FALSE;
        pInfo->pNext = m_pDropDownButtons;
        m_pDropDownButtons = pInfo;
    }
    pInfo->nIDButton = nIDButton;
    pInfo->nIDMenu = nIDMenu;
    return SetDropDownButton(nIDButton, bArrow);
}

QELToolbar::CDropDownButtonInfo* QELToolbar::FindDropDownButtonInfo(UINT nID)
{
    for (CDropDownButtonInfo* pInfo = m_pDropDownButtons; pInfo != nullptr; pInfo = pInfo->pNext)
        if (pInfo->nIDButton == nID)
            return pInfo;
    return nullptr;
}

BOOL QELToolbar::OnToolBarBtnDropDown(NMHDR* pNMHDR, LRESULT* pResult)
{
    if (pNMHDR == nullptr || m_hWnd == nullptr)
        return FALSE;
    const NMTOOLBAR& nmtb = *reinterpret_cast<const NMTOOLBAR*>(pNMHDR);
    CRect rect(0, 0, 0, 0);
    if (!GetToolBarCtrl().GetRect(nmtb.iItem, &rect))
        return FALSE;
    ClientToScreen(&rect);
    BOOL bHandled = OnDropDownButtonInfo(nmtb, (UINT)nmtb.iItem, rect);
    if (bHandled && pResult != nullptr)
        *pResult = TBDDRET_DEFAULT;
    return bHandled;
}

BOOL QELToolbar::OnDropDownButtonInfo(const NMTOOLBAR& nmtb, UINT nID, CRect rect)
{
    (void)nmtb;
    const CDropDownButtonInfo* pInfo = FindDropDownButtonInfo(nID);
    if (pInfo == nullptr || pInfo->nIDMenu == 0)
        return FALSE;
    // A menu resource that is missing or has no popup to show opens nothing:
    // the parent gets the notification and may show a menu of its own.
    CMenu menu;
    if (!menu.LoadMenu(pInfo->nIDMenu))
        return FALSE;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup == nullptr)
        return FALSE;
    // The command goes where the menu bar's commands go; a toolbar in a
    // program without a main window sends it to its own top-level window.
    CWnd* pOwner = AfxGetMainWnd();
    if (pOwner == nullptr || pOwner->m_hWnd == nullptr)
        pOwner = GetTopLevelParent();
    if (pOwner == nullptr || pOwner->m_hWnd == nullptr)
        return FALSE;
    // Nothing of the toolbar is touched once the menu has run: a command
    // handled during tracking may have changed or destroyed the bar.
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL, rect.left, rect.bottom, pOwner, &rect);
    return TRUE;
}
