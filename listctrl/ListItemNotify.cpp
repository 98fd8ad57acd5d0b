// QELListCtrl: the item store follows what the list view tells of its items,
// so an item's block goes with the item whoever deletes it, and a parameter
// written from outside becomes the item's data instead of being taken for a
// block.
#include "QELListCtrl.h"
#include "ListCtrlParts.h"

namespace {
template <class LVITEMT>
LRESULT InsertWithoutParam(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, bool bOwn)
{
    const LVITEMT* pItem = reinterpret_cast<const LVITEMT*>(lParam);
    if (bOwn || pItem == nullptr || !(pItem->mask & LVIF_PARAM))
        return pWnd->DefWindowProc(message, wParam, lParam);
    LVITEMT item = *pItem;
    item.mask &= ~static_cast<UINT>(LVIF_PARAM);
    item.lParam = 0;
    return pWnd->DefWindowProc(message, wParam, reinterpret_cast<LPARAM>(&item));
}
}

LRESULT QELListCtrl::OnInsertItemA(WPARAM wParam, LPARAM lParam)
{
    return InsertWithoutParam<LVITEMA>(this, LVM_INSERTITEMA, wParam, lParam, m_pParts->rows.IsInserting());
}

LRESULT QELListCtrl::OnInsertItemW(WPARAM wParam, LPARAM lParam)
{
    return InsertWithoutParam<LVITEMW>(this, LVM_INSERTITEMW, wParam, lParam, m_pParts->rows.IsInserting());
}

BOOL QELListCtrl::OnItemChanging(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMLISTVIEW* pListView = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    if (!(pListView->uChanged & LVIF_PARAM))
        return FALSE;
    if (!m_pParts->rows.IsWritingParam()) {
        // A parameter written from outside: the parameter the item has now is
        // what the change will replace. It is read from the item, not from the
        // notification, whose parameter field is promised only where the
        // notification uses it (Wine's carries the old value here).
        m_pParts->nForeignItem = pListView->iItem;
        m_pParts->foreignOld = _GetItemParam(pListView->iItem);
    }
    if (pListView->uChanged != LVIF_PARAM)
        return FALSE;
    *pResult = 0;
    return TRUE;
}

BOOL QELListCtrl::OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMLISTVIEW* pListView = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    if (!(pListView->uChanged & LVIF_PARAM))
        return FALSE;
    if (!m_pParts->rows.IsWritingParam() && m_pParts->nForeignItem == pListView->iItem) {
        const int nItem = m_pParts->nForeignItem;
        QELListItemMemory* pMemory = m_pParts->store.Find(m_pParts->foreignOld);
        m_pParts->nForeignItem = -1;
        m_pParts->foreignOld = 0;
        const LPARAM written = _GetItemParam(nItem);
        if (pMemory != nullptr && written != reinterpret_cast<LPARAM>(pMemory)) {
            // The value written is the caller's data (as a developer calling
            // SetItemData meant), and the item keeps its block.
            pMemory->dwData = static_cast<DWORD_PTR>(written);
            m_pParts->rows.SetParam(nItem, reinterpret_cast<LPARAM>(pMemory));
        }
    }
    if (pListView->uChanged != LVIF_PARAM)
        return FALSE;
    *pResult = 0;
    return TRUE;
}

BOOL QELListCtrl::OnDeleteItemNotify(NMHDR* pNMHDR, LRESULT*)
{
    NMLISTVIEW* pListView = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
    if (m_pParts->store.Find(pListView->lParam) != nullptr) {
        // Every deletion of a row with a block, the class's own too: the block
        // goes now, and the parent, which hears of the deletion next, sees no
        // block in it.
        _FreeItemMemory(pListView->iItem);
        pListView->lParam = 0;
    }
    return FALSE;
}

BOOL QELListCtrl::OnDeleteAllItemsNotify(NMHDR*, LRESULT*)
{
    // The parent may answer that it wants no notification per item: every item's
    // block goes now.
    _FreeAllItemMemory();
    return FALSE;
}

void QELListCtrl::_FreeAllItemMemory()
{
    // Nothing to look for once every block is gone (the class frees them before
    // it deletes all items, and hears of the deletion afterwards).
    if (m_pParts->store.LiveCount() == 0)
        return;
    const int nCount = CListCtrl::GetItemCount();
    for (int i = 0; i < nCount; ++i)
        _FreeItemMemory(i);
}
