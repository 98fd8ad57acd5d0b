// QELListCtrl: item data (kept in the item memory, never in the item parameter)
// and cell images.
#include "QELListCtrl.h"
#include "ListCtrlParts.h"
#include "ListItemRecord.h"

DWORD_PTR QELListCtrl::GetItemData(int nItem) const { return _ItemDataOf(_GetItemParam(nItem)); }

BOOL QELListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    QELListItemMemory* pMemory = _GetItemMemory(nItem);
    if (pMemory == nullptr)
        return FALSE;
    pMemory->dwData = dwData;
    return m_pParts->rows.SetParam(nItem, reinterpret_cast<LPARAM>(pMemory));
}

BOOL QELListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage, UINT nState,
                          UINT nStateMask, LPARAM lParam)
{
    LVITEMA item = MakeListItem(nMask, nItem, nSubItem, lpszItem, nImage, nState, nStateMask, lParam);
    return SetItem(&item);
}

BOOL QELListCtrl::SetItem(const LVITEMA* pItem)
{
    if (pItem == nullptr || !::IsWindow(m_hWnd))
        return FALSE;
    LVITEMA item = *pItem;
    BOOL bDataLost = FALSE;
    if (item.mask & LVIF_PARAM) {
        QELListItemMemory* pMemory = _GetItemMemory(item.iItem);
        if (pMemory != nullptr) {
            pMemory->dwData = static_cast<DWORD_PTR>(item.lParam);
            item.lParam = reinterpret_cast<LPARAM>(pMemory);
        } else {
            // An item without memory cannot keep data, which is reported as failure.
            item.mask &= ~static_cast<UINT>(LVIF_PARAM);
            bDataLost = TRUE;
            if (item.mask == 0)
                return FALSE;
        }
    }
    BOOL bResult = static_cast<BOOL>(::SendMessageA(m_hWnd, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    return bResult && !bDataLost;
}

BOOL QELListCtrl::GetItem(LVITEMA* pItem) const
{
    if (pItem == nullptr || !::IsWindow(m_hWnd))
        return FALSE;
    if (!::SendMessageA(m_hWnd, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(pItem)))
        return FALSE;
    if ((pItem->mask & LVIF_PARAM) && pItem->lParam != 0) {
        // Read by index: the list view leaves the field as it was for a sub-item,
        // so the returned value is not the item's parameter.
        pItem->lParam = static_cast<LPARAM>(GetItemData(pItem->iItem));
    }
    return TRUE;
}

BOOL QELListCtrl::SetItemImage(int nItem, int nColumn, int nImage)
{
    return CListCtrl::SetItem(nItem, nColumn, LVIF_IMAGE, nullptr, nImage, 0, 0, 0);
}

int QELListCtrl::GetItemImage(int nItem, int nColumn) const
{
    LVITEMA item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = nItem;
    item.iSubItem = nColumn;
    if (!CListCtrl::GetItem(&item))
        return -1;
    return item.iImage;
}
