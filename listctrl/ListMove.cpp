// QELListCtrl: swapping and moving items with everything that belongs to them:
// texts and images of every column, the item memory (data and colours), and the
// selected, checked and focused states.
#include "QELListCtrl.h"
#include "logic/ListStateFlags.h"
#include <algorithm>
#include <climits>
#include <vector>

namespace {
// What a row shows in every column.
struct RowCells
{
    std::vector<CString> texts;
    std::vector<int> images;
};

int CellImage(const CListCtrl& list, int nItem, int nColumn)
{
    LVITEMA item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = nItem;
    item.iSubItem = nColumn;
    return list.CListCtrl::GetItem(&item) ? item.iImage : 0;
}

RowCells ReadRow(const CListCtrl& list, int nItem, int nColumns)
{
    RowCells row;
    row.texts.reserve(static_cast<size_t>(nColumns));
    row.images.reserve(static_cast<size_t>(nColumns));
    for (int c = 0; c < nColumns; ++c) {
        row.texts.push_back(list.CListCtrl::GetItemText(nItem, c));
        row.images.push_back(CellImage(list, nItem, c));
    }
    return row;
}

void WriteRow(CListCtrl& list, int nItem, const RowCells& row)
{
    for (size_t c = 0; c < row.texts.size(); ++c) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = nItem;
        item.iSubItem = static_cast<int>(c);
        item.pszText = const_cast<LPSTR>(static_cast<LPCSTR>(row.texts[c]));
        item.iImage = row.images[c];
        list.CListCtrl::SetItem(&item);
    }
}

BOOL SetParam(CListCtrl& list, int nItem, QELListItemMemory* pMemory)
{
    return list.CListCtrl::SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, reinterpret_cast<LPARAM>(pMemory));
}
}

BOOL QELListCtrl::SwapItems(int nItem1, int nItem2)
{
    EndEdit(TRUE);
    if (!_IsValidIndex(nItem1) || !_IsValidIndex(nItem2))
        return FALSE;
    if (nItem1 == nItem2)
        return TRUE;
    _UnsetSortedColumn();
    const DWORD dwStates1 = GetItemStates(nItem1);
    const DWORD dwStates2 = GetItemStates(nItem2);
    QELListItemMemory* pMemory1 = _GetItemMemory(nItem1);
    QELListItemMemory* pMemory2 = _GetItemMemory(nItem2);
    const int nColumns = (std::max)(GetColumnCount(), 1);
    RowCells row1 = ReadRow(*this, nItem1, nColumns);
    RowCells row2 = ReadRow(*this, nItem2, nColumns);
    WriteRow(*this, nItem1, row2);
    WriteRow(*this, nItem2, row1);
    SetParam(*this, nItem1, pMemory2);
    SetParam(*this, nItem2, pMemory1);
    SetItemStates(nItem1, dwStates2);
    SetItemStates(nItem2, dwStates1);
    return TRUE;
}

int QELListCtrl::MoveTo(int nItem, int nNewPosition)
{
    if (!_IsValidIndex(nItem))
        return -1;
    EndEdit(TRUE);
    // The committed edit may have changed nothing about the count, but the
    // parent's handler of the edit message may have.
    if (!_IsValidIndex(nItem))
        return -1;
    const int nPosition = liststate::ClampPosition(nNewPosition, CListCtrl::GetItemCount());
    if (nPosition == nItem)
        return nPosition;
    _UnsetSortedColumn();
    const DWORD dwStates = GetItemStates(nItem);
    QELListItemMemory* pMemory = _GetItemMemory(nItem);
    const int nColumns = (std::max)(GetColumnCount(), 1);
    RowCells row = ReadRow(*this, nItem, nColumns);

    // The item goes without its memory being released: we hold the block.
    if (!CListCtrl::DeleteItem(nItem))
        return -1;
    // The new item gets the memory in its insertion.
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = nPosition;
    item.pszText = const_cast<LPSTR>("");
    item.lParam = reinterpret_cast<LPARAM>(pMemory);
    const BOOL bOuter = m_bOwnInsert;
    m_bOwnInsert = TRUE;
    int nIndex = static_cast<int>(::SendMessageA(m_hWnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    const BOOL bMoved = nIndex >= 0;
    if (!bMoved) {
        // Refused: the item goes back where it was, whole, rather than its
        // memory being lost with no item to own it.
        item.iItem = nItem;
        nIndex = static_cast<int>(::SendMessageA(m_hWnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    }
    m_bOwnInsert = bOuter;
    if (nIndex < 0) {
        // Not even the old place could be had back: the memory has no item left.
        _DestroyItemMemory(pMemory);
        return -1;
    }
    WriteRow(*this, nIndex, row);
    SetItemStates(nIndex, dwStates);
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
