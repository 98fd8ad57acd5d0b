// QELListCtrl: the per-item memory block (item data and cell colours) and its
// life from insertion to deletion, kept in step with the columns.
#include "QELListCtrl.h"
#include <cstdlib>
#include <cstring>

namespace {
// Blocks alive in the module, for leak checks.
volatile LONG g_nLiveBlocks = 0;
}

// ----- QELListItemMemory -------------------------------------------------------------

namespace {
size_t BlockSize(int nColumns)
{
    return sizeof(QELListItemMemory) + sizeof(COLORREF) * 2 * static_cast<size_t>(nColumns);
}
}

QELListItemMemory* QELListItemMemory::Create(DWORD dwData, int nCount, COLORREF crText, COLORREF crBk)
{
    if (nCount < 0)
        nCount = 0;
    QELListItemMemory* pMemory = static_cast<QELListItemMemory*>(std::malloc(BlockSize(nCount)));
    if (pMemory == nullptr)
        return nullptr;
    pMemory->dwData = dwData;
    pMemory->nColumns = nCount;
    for (int i = 0; i < nCount; ++i) {
        pMemory->TextColor(i) = crText;
        pMemory->BkColor(i) = crBk;
    }
    return pMemory;
}

QELListItemMemory* QELListItemMemory::CopyWithColumn(int nColumn, COLORREF crText, COLORREF crBk) const
{
    const int nOld = nColumns;
    nColumn = nColumn < 0 ? 0 : (nColumn > nOld ? nOld : nColumn);
    QELListItemMemory* pNew = Create(dwData, nOld + 1, crText, crBk);
    if (pNew == nullptr)
        return nullptr;
    // Every old entry to its place; the new column keeps the colours given.
    const COLORREF* pOld = reinterpret_cast<const COLORREF*>(this + 1);
    for (int c = 0; c < nOld; ++c) {
        const int cNew = c < nColumn ? c : c + 1;
        pNew->TextColor(cNew) = pOld[c];
        pNew->BkColor(cNew) = pOld[nOld + c];
    }
    return pNew;
}

void QELListItemMemory::DeleteColumn(int nColumn)
{
    const int nOld = nColumns;
    if (nColumn < 0 || nColumn >= nOld)
        return;
    // Compacted front to back: every entry only moves down. The block keeps its
    // size (and its address, so the item parameter stays right).
    COLORREF* pColors = Colors();
    for (int i = 0, j = 0; i < 2 * nOld; ++i) {
        if (i % nOld != nColumn)
            pColors[j++] = pColors[i];
    }
    nColumns = nOld - 1;
}

void QELListItemMemory::Destroy(QELListItemMemory* pMemory) { std::free(pMemory); }

// ----- blocks of the items -------------------------------------------------------------

LONG PASCAL QELListCtrl::GetItemMemoryBlockCount() { return g_nLiveBlocks; }

BOOL QELListCtrl::_IsValidIndex(int nItem) const
{
    if (nItem < 0 || !::IsWindow(m_hWnd))
        return FALSE;
    return nItem < static_cast<int>(::SendMessageA(m_hWnd, LVM_GETITEMCOUNT, 0, 0));
}

QELListItemMemory* QELListCtrl::_GetItemMemory(int nItem) const
{
    if (nItem < 0 || !::IsWindow(m_hWnd))
        return nullptr;
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    if (!::SendMessageA(m_hWnd, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return nullptr;
    return reinterpret_cast<QELListItemMemory*>(item.lParam);
}

QELListItemMemory* QELListCtrl::_CreateItemMemory(DWORD dwData) const
{
    QELListItemMemory* pMemory = QELListItemMemory::Create(dwData, GetColumnCount(), ::GetSysColor(COLOR_WINDOWTEXT),
                                                           ::GetSysColor(COLOR_WINDOW));
    if (pMemory == nullptr)
        return nullptr;
    ::InterlockedIncrement(&g_nLiveBlocks);
    return pMemory;
}

void QELListCtrl::_AllocItemMemory(int nItem)
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    if (nItem < 0 || !::IsWindow(m_hWnd) || !::SendMessageA(m_hWnd, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return;
    // The param given when the item was inserted becomes the item data (32 bits,
    // as the data is a DWORD).
    QELListItemMemory* pMemory = _CreateItemMemory(static_cast<DWORD>(item.lParam));
    item.lParam = reinterpret_cast<LPARAM>(pMemory);
    if (!::SendMessageA(m_hWnd, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        _DestroyItemMemory(pMemory);
}

void QELListCtrl::_FreeItemMemory(int nItem)
{
    QELListItemMemory* pMemory = _GetItemMemory(nItem);
    if (pMemory == nullptr)
        return;
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    item.lParam = 0;
    ::SendMessageA(m_hWnd, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    _DestroyItemMemory(pMemory);
}

void PASCAL QELListCtrl::_DestroyItemMemory(QELListItemMemory* pMemory)
{
    if (pMemory == nullptr)
        return;
    QELListItemMemory::Destroy(pMemory);
    ::InterlockedDecrement(&g_nLiveBlocks);
}

void QELListCtrl::_UpdateColumn(int nColumn, BOOL bInserted)
{
    const int nCount = CListCtrl::GetItemCount();
    const COLORREF crText = ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF crBk = ::GetSysColor(COLOR_WINDOW);
    for (int i = 0; i < nCount; ++i) {
        QELListItemMemory* pMemory = _GetItemMemory(i);
        if (pMemory == nullptr)
            continue;
        if (!bInserted) {
            pMemory->DeleteColumn(nColumn);
            continue;
        }
        // The old block goes only once the item holds the new one; out of memory
        // (or refused) the item keeps the old one, and readers check its column count.
        QELListItemMemory* pNew = pMemory->CopyWithColumn(nColumn, crText, crBk);
        if (pNew == nullptr)
            continue;
        if (CListCtrl::SetItem(i, 0, LVIF_PARAM, nullptr, 0, 0, 0, reinterpret_cast<LPARAM>(pNew)))
            QELListItemMemory::Destroy(pMemory);
        else
            QELListItemMemory::Destroy(pNew);
    }
}
