// QELListCtrl: item states read and changed through one flag word, filters over
// them, and the check boxes with their four styles.
#include "QELListCtrl.h"
#include "ListCtrlParts.h"
#include "ListRowSnapshot.h"
#include "logic/ListStateFlags.h"

static_assert(ITEMSTATE_ANY == list_state::kAny && ITEMSTATE_SELECTED == list_state::kSelected &&
                  ITEMSTATE_UNSELECTED == list_state::kUnselected && ITEMSTATE_CHECKED == list_state::kChecked &&
                  ITEMSTATE_UNCHECKED == list_state::kUnchecked && ITEMSTATE_FOCUSED == list_state::kFocused &&
                  ITEMSTATE_UNFOCUSED == list_state::kUnfocused,
              "the public state flags and the state logic agree");

namespace {
// State image indexes of the check box.
const UINT kUnchecked = INDEXTOSTATEIMAGEMASK(1);
const UINT kChecked = INDEXTOSTATEIMAGEMASK(2);
}

DWORD QELListCtrl::GetItemStates(int nItem) const
{
    UINT nState = 0;
    if (nItem >= 0 && ::IsWindow(m_hWnd))
        nState = static_cast<UINT>(::SendMessageA(m_hWnd, LVM_GETITEMSTATE, static_cast<WPARAM>(nItem),
                                                  LVIS_SELECTED | LVIS_FOCUSED | LVIS_STATEIMAGEMASK));
    return ListRowSnapshot::StateWordOf(nState);
}

BOOL QELListCtrl::_SetItemStatesNoVerify(int nItem, DWORD dwStates)
{
    if (dwStates == 0)
        return FALSE;
    // Each change is one call, in this order, so the second flag of a pair wins.
    struct Change
    {
        DWORD dwFlag;
        UINT nState;
        UINT nMask;
    };
    static const Change kChanges[] = {
        { ITEMSTATE_SELECTED, LVIS_SELECTED, LVIS_SELECTED }, { ITEMSTATE_UNSELECTED, 0, LVIS_SELECTED },
        { ITEMSTATE_CHECKED, kChecked, LVIS_STATEIMAGEMASK }, { ITEMSTATE_UNCHECKED, kUnchecked, LVIS_STATEIMAGEMASK },
        { ITEMSTATE_FOCUSED, LVIS_FOCUSED, LVIS_FOCUSED },    { ITEMSTATE_UNFOCUSED, 0, LVIS_FOCUSED },
    };
    BOOL bResult = TRUE;
    for (const Change& change : kChanges) {
        if (dwStates & change.dwFlag) {
            if (!CListCtrl::SetItemState(nItem, change.nState, change.nMask))
                bResult = FALSE;
        }
    }
    return bResult;
}

BOOL QELListCtrl::SetItemStates(int nItem, DWORD dwStates)
{
    BOOL bResult = _SetItemStatesNoVerify(nItem, dwStates);
    if (dwStates & ITEMSTATE_CHECKED)
        _EnsureSingleCheck(nItem);
    return bResult;
}

int QELListCtrl::SetAllItemStates(DWORD dwFilter, DWORD dwStates)
{
    if (dwFilter == 0 || dwStates == 0)
        return 0;
    int nChanged = 0;
    const int nCount = CListCtrl::GetItemCount();
    for (int i = 0; i < nCount; ++i) {
        // Judged at the moment the item is reached: earlier changes may have moved it in or out.
        if (dwFilter == ITEMSTATE_ANY || ExamItemStates(i, dwFilter)) {
            SetItemStates(i, dwStates);
            ++nChanged;
        }
    }
    if (dwStates & ITEMSTATE_CHECKED)
        _EnsureSingleCheck(-1);
    return nChanged;
}

BOOL QELListCtrl::ExamItemStates(int nItem, DWORD dwFilter) const
{
    // Filter 0 and ITEMSTATE_ANY are answered without asking the list view.
    if (dwFilter == 0 || (dwFilter & ITEMSTATE_ANY))
        return list_state::Matches(0, dwFilter);
    return list_state::Matches(GetItemStates(nItem), dwFilter);
}

int QELListCtrl::GetItemCount(DWORD dwFilter) const
{
    const int nCount = CListCtrl::GetItemCount();
    if (dwFilter == ITEMSTATE_ANY)
        return nCount;
    int nMatching = 0;
    for (int i = 0; i < nCount; ++i) {
        if (ExamItemStates(i, dwFilter))
            ++nMatching;
    }
    return nMatching;
}

int QELListCtrl::GetFirstItem(DWORD dwFilter, int nAfter) const
{
    const int nCount = CListCtrl::GetItemCount();
    for (int i = list_state::FirstSearchStart(nAfter); i < nCount; ++i) {
        if (ExamItemStates(i, dwFilter))
            return i;
    }
    return -1;
}

int QELListCtrl::GetLastItem(DWORD dwFilter, int nBefore) const
{
    for (int i = list_state::LastSearchStart(nBefore, CListCtrl::GetItemCount()); i >= 0; --i) {
        if (ExamItemStates(i, dwFilter))
            return i;
    }
    return -1;
}

void QELListCtrl::InvertItems(int nType)
{
    DWORD dwOn, dwOff;
    if (nType == INVERT_SELECTION) {
        dwOn = ITEMSTATE_SELECTED;
        dwOff = ITEMSTATE_UNSELECTED;
    } else if (nType == INVERT_CHECK) {
        dwOn = ITEMSTATE_CHECKED;
        dwOff = ITEMSTATE_UNCHECKED;
    } else {
        return;
    }
    const int nCount = CListCtrl::GetItemCount();
    for (int i = 0; i < nCount; ++i)
        SetItemStates(i, ExamItemStates(i, dwOn) ? dwOff : dwOn);
}

void QELListCtrl::SetCheckboxeStyle(int nStyle)
{
    m_pParts->nCheckboxStyle = nStyle;
    _BeginChange(TRUE, FALSE);
    if (!::IsWindow(m_hWnd))
        return;
    DWORD dwExStyle = CListCtrl::GetExtendedStyle();
    if (nStyle != CHECKSTYLE_NONE) {
        _EnsureSingleCheck(-1);
        SetExtendedStyle(dwExStyle | LVS_EX_CHECKBOXES);
    } else {
        SetExtendedStyle(dwExStyle & ~static_cast<DWORD>(LVS_EX_CHECKBOXES));
    }
}

int QELListCtrl::GetCheckboxStyle() const { return m_pParts->nCheckboxStyle; }

BOOL QELListCtrl::SetCheck(int nItem, BOOL bCheck)
{
    BOOL bResult = CListCtrl::SetItemState(nItem, bCheck ? kChecked : kUnchecked, LVIS_STATEIMAGEMASK);
    if (bResult && bCheck)
        _EnsureSingleCheck(nItem);
    return bResult;
}

void QELListCtrl::_EnsureSingleCheck(int nItem)
{
    if (m_pParts->nCheckboxStyle != CHECKSTYLE_SINGLE)
        return;
    if (nItem < 0) {
        nItem = GetFirstItem(ITEMSTATE_CHECKED, -1);
        if (nItem < 0)
            return;
    }
    // Items up to nItem keep their marks; every later one loses its mark (an
    // item showing no box gets an unchecked one).
    const int nCount = CListCtrl::GetItemCount();
    for (int i = nItem + 1; i < nCount; ++i) {
        if (CListCtrl::GetCheck(i) != 0)
            CListCtrl::SetItemState(i, kUnchecked, LVIS_STATEIMAGEMASK);
    }
}
