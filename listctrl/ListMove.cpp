// QELListCtrl: swapping and moving items with everything that belongs to them:
// texts and images of every column, the item memory (data and colours), and the
// selected, checked and focused states.
#include "QELListCtrl.h"
#include "ListCtrlParts.h"
#include "ListRowSnapshot.h"
#include "logic/ListStateFlags.h"
#include <algorithm>
#include <climits>

BOOL QELListCtrl::SwapItems(int nItem1, int nItem2)
{
    _BeginChange(TRUE, FALSE);
    if (!_IsValidIndex(nItem1) || !_IsValidIndex(nItem2))
        return FALSE;
    if (nItem1 == nItem2)
        return TRUE;
    _UnsetSortedColumn();
    // Both rows are read before anything is written; the parent hears of every
    // text written, and the blocks in hand keep their addresses whatever it does.
    const int nColumns = (std::max)(GetColumnCount(), 1);
    ListRowSnapshot row1, row2;
    if (!row1.Take(*this, nItem1, nColumns) || !row2.Take(*this, nItem2, nColumns))
        return FALSE;
    ListRowWriter& rows = m_pParts->rows;
    row2.WriteCells(rows, nItem1);
    row1.WriteCells(rows, nItem2);
    rows.SetParam(nItem1, row2.param);
    rows.SetParam(nItem2, row1.param);
    SetItemStates(nItem1, row2.StateWord());
    SetItemStates(nItem2, row1.StateWord());
    return TRUE;
}

int QELListCtrl::MoveTo(int nItem, int nNewPosition)
{
    if (!_IsValidIndex(nItem))
        return -1;
    _BeginChange(TRUE, FALSE);
    // The committed edit may have changed nothing about the count, but the
    // parent's handler of the edit message may have.
    if (!_IsValidIndex(nItem))
        return -1;
    const int nPosition = list_state::ClampPosition(nNewPosition, CListCtrl::GetItemCount());
    if (nPosition == nItem)
        return nPosition;
    _UnsetSortedColumn();
    ListRowSnapshot row;
    if (!row.Take(*this, nItem, (std::max)(GetColumnCount(), 1)))
        return -1;

    // The item goes while its block stays in hand: pinned, the deletion does not
    // release it, and column changes still reach it.
    ListItemStore& store = m_pParts->store;
    QELListItemMemory* pMemory = store.Find(row.param);
    ListItemStore::Pin pin(store, pMemory);
    // Unpinned, the deletion would release the block the new row is to carry.
    if (pMemory != nullptr && !pin.Holds())
        return -1;
    if (!CListCtrl::DeleteItem(nItem))
        return -1;
    // The new item gets the memory in its insertion.
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = nPosition;
    item.pszText = const_cast<LPSTR>("");
    item.lParam = row.param;
    int nIndex = m_pParts->rows.Insert(item);
    const BOOL bMoved = nIndex >= 0;
    if (!bMoved) {
        // Refused: the item goes back where it was, whole, rather than its
        // memory being lost with no item to own it.
        item.iItem = nItem;
        nIndex = m_pParts->rows.Insert(item);
    }
    if (nIndex < 0) {
        // Not even the old place could be had back: the memory has no item left.
        store.Release(pMemory);
        return -1;
    }
    row.WriteCells(m_pParts->rows, nIndex);
    SetItemStates(nIndex, row.StateWord());
    return bMoved ? nIndex : -1;
}

namespace {
// item + offset, held inside the int range (the move clamps it further).
int Offset(int nItem, long long nOffset)
{
    return static_cast<int>(std::clamp<long long>(nItem + nOffset, INT_MIN, INT_MAX));
}
}

int QELListCtrl::MoveUp(int nItem, int nCount) { return MoveTo(nItem, Offset(nItem, -static_cast<long long>(nCount))); }

int QELListCtrl::MoveDown(int nItem, int nCount) { return MoveTo(nItem, Offset(nItem, nCount)); }

int QELListCtrl::MoveToTop(int nItem) { return MoveTo(nItem, -1); }

int QELListCtrl::MoveToBottom(int nItem) { return MoveTo(nItem, 0x7FFFFFFF); }
