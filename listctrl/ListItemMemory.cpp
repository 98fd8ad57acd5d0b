// QELListCtrl: the item memory of every item, made, found and released by the
// item store, and kept in step with the columns.
#include "QELListCtrl.h"
#include "ListCtrlParts.h"

LONG PASCAL QELListCtrl::GetItemMemoryBlockCount() { return ListItemStore::LiveInModule(); }

BOOL QELListCtrl::_IsValidIndex(int nItem) const
{
    if (nItem < 0 || !::IsWindow(m_hWnd))
        return FALSE;
    return nItem < static_cast<int>(::SendMessageA(m_hWnd, LVM_GETITEMCOUNT, 0, 0));
}

LPARAM QELListCtrl::_GetItemParam(int nItem) const
{
    if (nItem < 0 || !::IsWindow(m_hWnd))
        return 0;
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    if (!::SendMessageA(m_hWnd, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return 0;
    return item.lParam;
}

QELListItemMemory* QELListCtrl::_GetItemMemory(int nItem) const
{
    // Only a block the store made is one: any other value is the caller's data.
    return m_pParts->store.Find(_GetItemParam(nItem));
}

DWORD_PTR QELListCtrl::_ItemDataOf(LPARAM param) const
{
    const QELListItemMemory* pMemory = m_pParts->store.Find(param);
    return pMemory != nullptr ? pMemory->dwData : static_cast<DWORD_PTR>(param);
}

QELListItemMemory* QELListCtrl::_CreateItemMemory(DWORD_PTR dwData)
{
    // Every cell starts in the system colours of now; they do not follow later changes.
    return m_pParts->store.Create(dwData, ::GetSysColor(COLOR_WINDOWTEXT), ::GetSysColor(COLOR_WINDOW));
}

void QELListCtrl::_AllocItemMemory(int nItem)
{
    if (nItem < 0 || !::IsWindow(m_hWnd) || _GetItemMemory(nItem) != nullptr)
        return;
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    if (!::SendMessageA(m_hWnd, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return;
    // The param given when the item was inserted becomes the item data, whole.
    QELListItemMemory* pMemory = _CreateItemMemory(static_cast<DWORD_PTR>(item.lParam));
    if (pMemory != nullptr && !m_pParts->rows.SetParam(nItem, reinterpret_cast<LPARAM>(pMemory)))
        m_pParts->store.Release(pMemory);
}

void QELListCtrl::_FreeItemMemory(int nItem)
{
    QELListItemMemory* pMemory = _GetItemMemory(nItem);
    // A block held by a move in progress stays with the move.
    if (pMemory == nullptr || m_pParts->store.IsPinned(pMemory))
        return;
    // The item lets go of the block first, so nothing that hears of the change
    // (or of the deletion that follows) finds a released block in it.
    m_pParts->rows.SetParam(nItem, 0);
    m_pParts->store.Release(pMemory);
}

void QELListCtrl::_UpdateColumn(int nColumn, BOOL bInserted)
{
    // Every block the store holds follows, those of items being moved too.
    if (bInserted)
        m_pParts->store.InsertColumn(nColumn, GetColumnCount() - 1, ::GetSysColor(COLOR_WINDOWTEXT),
                                     ::GetSysColor(COLOR_WINDOW));
    else
        m_pParts->store.DeleteColumn(nColumn);
}

HWND QELListCtrl::_GetHeaderWnd() const
{
    if (!::IsWindow(m_hWnd))
        return nullptr;
    // The header lives as long as its list view: it is asked for once per window.
    if (AfxIsSameHandle(m_pParts->hHeaderOf, m_hWnd) && ::IsWindow(m_pParts->hHeader))
        return m_pParts->hHeader;
    HWND hHeader = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, LVM_GETHEADER, 0, 0));
    m_pParts->hHeaderOf = m_hWnd;
    m_pParts->hHeader = hHeader;
    return hHeader;
}
