// QELListCtrl: the mouse buttons. Every click commits an edit in progress, is
// processed by the list view, and is watched for a changed check mark, which
// the check box style then carries through; a click in an editable list opens
// the editor.
#include "QELListCtrl.h"
#include "ListCtrlParts.h"

namespace {
// The item's check value: 1 checked, 0 not, -1 no box (or no such item).
int CheckValue(HWND hList, int nItem)
{
    if (nItem < 0)
        return -1;
    const UINT nState =
        static_cast<UINT>(::SendMessageA(hList, LVM_GETITEMSTATE, static_cast<WPARAM>(nItem), LVIS_STATEIMAGEMASK));
    return static_cast<int>((nState & LVIS_STATEIMAGEMASK) >> 12) - 1;
}

LPARAM ItemParam(HWND hList, int nItem)
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    if (nItem < 0 || !::SendMessageA(hList, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return 0;
    return item.lParam;
}

// Where an item is now, known by its memory block: the parent may move or delete
// items while it hears of the click. -1 when it is gone.
int TrackItem(HWND hList, int nItem, LPARAM lParam)
{
    if (nItem < 0 || lParam == 0)
        return nItem;
    if (ItemParam(hList, nItem) == lParam)
        return nItem;
    LVFINDINFOA find = {};
    find.flags = LVFI_PARAM;
    find.lParam = lParam;
    return static_cast<int>(
        ::SendMessageA(hList, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
}
}

void QELListCtrl::OnLButtonDown(UINT nFlags, CPoint point) { _MouseClkMonitor(WM_LBUTTONDOWN, nFlags, point, TRUE); }

void QELListCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    _MouseClkMonitor(WM_LBUTTONDBLCLK, nFlags, point, TRUE);
}

void QELListCtrl::OnRButtonDown(UINT nFlags, CPoint point) { _MouseClkMonitor(WM_RBUTTONDOWN, nFlags, point, FALSE); }

void QELListCtrl::OnRButtonDblClk(UINT nFlags, CPoint point)
{
    _MouseClkMonitor(WM_RBUTTONDBLCLK, nFlags, point, FALSE);
}

void QELListCtrl::OnMButtonDown(UINT nFlags, CPoint point) { _MouseClkMonitor(WM_MBUTTONDOWN, nFlags, point, FALSE); }

void QELListCtrl::OnMButtonDblClk(UINT nFlags, CPoint point)
{
    _MouseClkMonitor(WM_MBUTTONDBLCLK, nFlags, point, FALSE);
}

void QELListCtrl::_MouseClkMonitor(UINT message, UINT nFlags, CPoint point, BOOL bMayStartEdit)
{
    if (!::IsWindow(m_hWnd))
        return;
    LVHITTESTINFO hit = {};
    hit.pt = point;
    ::SendMessageA(m_hWnd, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    int nItem = hit.iItem;
    int nColumn = hit.iSubItem;
    // Read before the list view sees the click.
    BOOL bWasChecked = CheckValue(m_hWnd, nItem) > 0;
    const BOOL bEditWasOn = _IsEditVisible();
    // The parent hears of a commit and of the check box, and may delete us.
    ListLifeGuard guard(m_pParts->pGuards);
    const BOOL bCommitted = _BeginChange(TRUE, FALSE);
    if (guard.Deleted())
        return;
    if (bCommitted) {
        // The parent heard of the commit and may have changed the list: the point
        // is looked at again.
        hit = LVHITTESTINFO();
        hit.pt = point;
        ::SendMessageA(m_hWnd, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        nItem = hit.iItem;
        nColumn = hit.iSubItem;
        bWasChecked = CheckValue(m_hWnd, nItem) > 0;
    }
    const BOOL bWasCurrent = bMayStartEdit ? ExamItemStates(nItem, ITEMSTATE_SELECTED | ITEMSTATE_FOCUSED) : FALSE;
    const LPARAM lItemParam = ItemParam(m_hWnd, nItem);

    const LPARAM lPoint = MAKELPARAM(point.x, point.y);
    switch (message) {
    case WM_LBUTTONDOWN:
        DefWindowProc(message, nFlags, lPoint);
        if (guard.Deleted())
            return;
        if (IsEditable()) {
            // The list view alone handled this click, a check box included.
            nItem = TrackItem(m_hWnd, nItem, lItemParam);
            if (nItem >= 0)
                StartEdit(nItem, nColumn);
            return;
        }
        break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        DefWindowProc(message, nFlags, lPoint);
        if (guard.Deleted())
            return;
        break;
    default:
        // Button-ups and anything else get no processing of their own here.
        break;
    }

    // The list view's processing notifies the parent, which may move or delete
    // items; the click stays with the item it hit, or with none.
    nItem = TrackItem(m_hWnd, nItem, lItemParam);
    if (nItem < 0)
        return;
    const BOOL bChanged = _ItemCheckMonitor(nItem, bWasChecked, CheckValue(m_hWnd, nItem) > 0, message);
    if (guard.Deleted())
        return;
    // A double-click on the row that was already current opens the editor.
    if (bMayStartEdit && IsEditable() && !bChanged && !bEditWasOn && bWasCurrent)
        StartEdit(nItem, nColumn);
}

BOOL QELListCtrl::_ItemCheckMonitor(int nItem, BOOL bWasChecked, BOOL bIsChecked, UINT message)
{
    if (!_IsValidIndex(nItem) || m_pParts->nCheckboxStyle == CHECKSTYLE_NONE)
        return FALSE;
    if (!bWasChecked == !bIsChecked)
        return FALSE;
    if (m_pParts->nCheckboxStyle == CHECKSTYLE_READONLY) {
        // The user's click is undone; nobody is told.
        SetItemStates(nItem, bWasChecked ? ITEMSTATE_CHECKED : ITEMSTATE_UNCHECKED);
        return TRUE;
    }
    if (m_pParts->nCheckboxStyle == CHECKSTYLE_SINGLE && !bWasChecked) {
        SetAllItemStates(ITEMSTATE_CHECKED, ITEMSTATE_UNCHECKED);
        SetItemStates(nItem, ITEMSTATE_CHECKED);
    }
    SetAllItemStates(ITEMSTATE_SELECTED, ITEMSTATE_UNSELECTED);
    SetItemStates(nItem, ITEMSTATE_SELECTED | ITEMSTATE_FOCUSED);
    // Last of all: the parent may change the list from its handler, and nothing
    // here looks at the item afterwards.
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(LISTMSG_CHECKCLICKED, static_cast<WPARAM>(nItem), static_cast<LPARAM>(message));
    return TRUE;
}

// ----- scrolling --------------------------------------------------------------------------

void QELListCtrl::OnVScroll(UINT, UINT, CScrollBar*)
{
    ListLifeGuard guard(m_pParts->pGuards);
    _BeginChange(TRUE, FALSE);
    if (!guard.Deleted())
        Default();
}

void QELListCtrl::OnHScroll(UINT, UINT, CScrollBar*)
{
    ListLifeGuard guard(m_pParts->pGuards);
    _BeginChange(TRUE, FALSE);
    if (!guard.Deleted())
        Default();
}

BOOL QELListCtrl::OnMouseWheel(UINT, short, CPoint)
{
    ListLifeGuard guard(m_pParts->pGuards);
    _BeginChange(TRUE, FALSE);
    return guard.Deleted() ? TRUE : static_cast<BOOL>(Default());
}

// A column resized or moved while a cell is under edit: the editor keeps to
// its cell rather than floating over its neighbour. The list view may update
// its cell rectangles only after the header has told it (SetColumnWidth does),
// so the editor is placed once the current message is done.
const UINT QELListCtrl::Parts::nPlaceEditorMsg = ::RegisterWindowMessageA("QELListCtrl.PlaceEditor");

void QELListCtrl::OnHeaderItemChanged(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = Default();
    if (AfxIsSameHandle(pNMHDR->hwndFrom, GetHeaderCtrl()->GetSafeHwnd()) && _IsEditVisible())
        PostMessage(Parts::nPlaceEditorMsg);
}

LRESULT QELListCtrl::OnPlaceEditor(WPARAM, LPARAM)
{
    if (_IsEditVisible())
        _PlaceEditor();
    return 0;
}
