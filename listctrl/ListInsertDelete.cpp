// QELListCtrl: insertion (every new item gets its memory) and deletion (every
// deleted item gives it back), one by one or by a state filter.
#include "QELListCtrl.h"
#include "ListCtrlParts.h"
#include "ListItemRecord.h"
#include <cstdarg>

namespace {
// Suspends painting for a bulk change; only a lock we took is released, so a
// lock held elsewhere is never broken.
class CUpdateLock
{
public:
    explicit CUpdateLock(CWnd* pWnd) : m_bLocked(pWnd->LockWindowUpdate()), m_pWnd(pWnd) {}
    ~CUpdateLock()
    {
        if (m_bLocked)
            m_pWnd->UnlockWindowUpdate();
    }
    CUpdateLock(const CUpdateLock&) = delete;
    CUpdateLock& operator=(const CUpdateLock&) = delete;

private:
    BOOL m_bLocked;
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
    if (m_pParts == nullptr)
        return -1;
    // The block travels in the insertion itself: its param becomes the item data,
    // and the list view is asked once instead of insert, read back and set again
    // (which would also tell the parent of a changed item on every insertion).
    LVITEMA copy = item;
    QELListItemMemory* pMemory = _CreateItemMemory((item.mask & LVIF_PARAM) ? static_cast<DWORD>(item.lParam) : 0);
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
    _BeginChange(m_pParts == nullptr || nItem != m_pParts->editor.Row(), FALSE);
    // Checked first: a failed deletion must not select anything (item -2 would
    // otherwise select every item through index -1).
    if (!_IsValidIndex(nItem))
        return FALSE;
    if (bSelectNext)
        SetItemStates(nItem + 1, ITEMSTATE_SELECTED);
    _FreeItemMemory(nItem);
    return CListCtrl::DeleteItem(nItem);
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
