// QELToolbar drop-down buttons: the button style, the list of their menus,
// and the menu that opens below a button when its arrow is pressed.
#include "QELToolbar.h"
#include <new>

namespace {
// The index of the item with this command id on the bar, -1 when there is none.
int ItemIndex(const QELToolbar& bar, UINT nIDButton)
{
    return bar.m_hWnd != nullptr ? bar.CommandToIndex(nIDButton) : -1;
}

bool IsSeparator(const QELToolbar& bar, int nIndex) { return (LOWORD(bar.GetButtonStyle(nIndex)) & TBSTYLE_SEP) != 0; }
}

BOOL QELToolbar::SetDropDownButton(UINT nIDButton, BOOL bArrow)
{
    int nIndex = ItemIndex(*this, nIDButton);
    if (nIndex < 0)
        return FALSE;
    // A separator, or an embedded control's placeholder (which keeps its
    // control's id), has no arrow to draw: it is left as it is.
    if (IsSeparator(*this, nIndex))
        return TRUE;
    // The drop-down style joins what the button has: a whole-button drop-down
    // stays one when an arrow is asked for later.
    UINT nStyle = GetButtonStyle(nIndex) | TBSTYLE_DROPDOWN;
    if (!bArrow)
        nStyle |= BTNS_WHOLEDROPDOWN;
    SetButtonStyle(nIndex, nStyle);
    CToolBarCtrl& ctrl = GetToolBarCtrl();
    ctrl.SetExtendedStyle(ctrl.GetExtendedStyle() | TBSTYLE_EX_DRAWDDARROWS);
    return TRUE;
}

BOOL QELToolbar::AddDropDownButton(UINT nIDButton, UINT nIDMenu, BOOL bArrow)
{
    if (ItemIndex(*this, nIDButton) < 0)
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
