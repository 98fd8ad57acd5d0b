// QELListCtrl: insertion (every new item gets its memory) and deletion (every
// deleted item gives it back), one by one or by a state filter.
#include "QELListCtrl.h"
#include "ListCtrlParts.h"
#include "ListItemRecord.h"
#include <cstdarg>

namespace {
// Some row's item parameter is param.
bool AnyRowHolds(HWND hList, LPARAM param)
{
    const int nCount = static_cast<int>(::SendMessageA(hList, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i) {
        LVITEMA item = {};
        item.mask = LVIF_PARAM;
        item.iItem = i;
        if (::SendMessageA(hList, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) && item.lParam == param)
            return true;
    }
    return false;
}

// Suspends painting for a bulk change; only a lock we took is released, so a
// lock held elsewhere is never broken.
class CUpdateLock
{
public:
    explicit CUpdateLock(CWnd* pWnd) : m_bLocked(pWnd->LockWindowUpdate() != FALSE), m_pWnd(pWnd) {}
    ~CUpdateLock()
    {
        if (m_bLocked)
            m_pWnd->UnlockWindowUpdate();
    }
    CUpdateLock(const CUpdateLock&) = delete;
    CUpdateLock& operator=(const CUpdateLock&) = delete;

private:
    bool m_bLocked;
    CWnd* m_pWnd;
};

}

int QELListCtrl::_InsertItem(const LVITEMA& item)
{
    _BeginChange(TRUE, TRUE);
    return _InsertWithMemory(item);
}

int QELListCtrl::_InsertWithMemory(const LVITEMA& item)
{
    // The block travels in the insertion itself: its param becomes the item data,
    // and the list view is asked once instead of insert, read back and set again
    // (which would also tell the parent of a changed item on every insertion).
    LVITEMA copy = item;
    QELListItemMemory* pMemory = _CreateItemMemory((item.mask & LVIF_PARAM) ? static_cast<DWORD_PTR>(item.lParam) : 0);
    // An item without its block could keep neither its data nor its colours:
    // without memory nothing is inserted.
    if (pMemory == nullptr)
        return -1;
    copy.mask |= LVIF_PARAM;
    copy.lParam = reinterpret_cast<LPARAM>(pMemory);
    const int nIndex = m_pParts->rows.Insert(copy);
    if (nIndex < 0) {
        m_pParts->store.Release(pMemory);
        return -1;
    }
    return nIndex;
}

int QELListCtrl::InsertItem(int nItem, LPCSTR lpszItem) { return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0); }

int QELListCtrl::InsertItem(int nItem, LPCSTR lpszItem, int nImage)
{
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}

int QELListCtrl::InsertItem(UINT nMask, int nItem, LPCSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                            LPARAM lParam)
{
    return _InsertItem(MakeListItem(nMask, nItem, 0, lpszItem, nImage, nState, nStateMask, lParam));
}

int QELListCtrl::InsertItem(const LVITEMA* pItem)
{
    if (pItem == nullptr) {
        _BeginChange(TRUE, FALSE);
        return -1;
    }
    return _InsertItem(*pItem);
}

int QELListCtrl::InsertItemEx(int nItem, LPCSTR lpszText, ...)
{
    _BeginChange(TRUE, TRUE);
    const int nIndex = _InsertWithMemory(MakeListItem(LVIF_TEXT, nItem, 0, lpszText, 0, 0, 0, 0));
    if (nIndex < 0)
        return -1;
    // No argument is read beyond the last column or after a null text.
    va_list args;
    va_start(args, lpszText);
    const int nColumns = GetColumnCount();
    for (int nColumn = 1; nColumn < nColumns; ++nColumn) {
        LPCSTR lpszNext = va_arg(args, LPCSTR);
        if (lpszNext == nullptr)
            break;
        m_pParts->rows.SetText(nIndex, nColumn, lpszNext);
    }
    va_end(args);
    return nIndex;
}

BOOL QELListCtrl::DeleteItem(int nItem, BOOL bSelectNext)
{
    // An edit of this very row is discarded; an edit elsewhere is kept by committing it.
    _BeginChange(nItem != m_pParts->editor.Row(), FALSE);
    // Checked first: a failed deletion must not select anything (item -2 would
    // otherwise select every item through index -1).
    if (!_IsValidIndex(nItem))
        return FALSE;
    if (bSelectNext)
        SetItemStates(nItem + 1, ITEMSTATE_SELECTED);
    // The parent heard of that selection and may have changed the list.
    if (!_IsValidIndex(nItem))
        return FALSE;
    // The item's memory goes as the list view deletes the row (OnDeleteItemNotify),
    // not before: the list view tells the parent of the selection and focus it
    // takes off the row first, and a parent that moves rows then would leave the
    // released block's row alive and delete another one with its block.
    QELListItemMemory* pMemory = _GetItemMemory(nItem);
    const BOOL bDeleted = CListCtrl::DeleteItem(nItem);
    // A parent outside the framework reflects no notification back to us: a
    // block still alive that no row holds is released here.
    if (bDeleted && pMemory != nullptr && m_pParts->store.Find((LPARAM)pMemory) != nullptr &&
        !m_pParts->store.IsPinned(pMemory) && !AnyRowHolds(m_hWnd, (LPARAM)pMemory))
        m_pParts->store.Release(pMemory);
    return bDeleted;
}

int QELListCtrl::DeleteAllItems(DWORD dwFilter)
{
    _BeginChange(FALSE, FALSE);
    if (!::IsWindow(m_hWnd))
        return 0;
    const int nCount = CListCtrl::GetItemCount();
    CUpdateLock lock(this);
    if (dwFilter & ITEMSTATE_ANY) {
        _FreeAllItemMemory();
        CListCtrl::DeleteAllItems();
        return nCount;
    }
    int nDeleted = 0;
    for (int i = 0; i < CListCtrl::GetItemCount();) {
        // The items after a deleted one move up: the same index is tested again.
        if (ExamItemStates(i, dwFilter) && DeleteItem(i, FALSE))
            ++nDeleted;
        else
            ++i;
    }
    return nDeleted;
}
