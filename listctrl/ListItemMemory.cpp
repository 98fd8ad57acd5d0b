// QELListCtrl: the per-item memory block (item data and cell colours) and its
// life from insertion to deletion, kept in step with the columns.
#include "QELListCtrl.h"
#include <cstdlib>
#include <cstring>
#include <new>

namespace {
// Blocks alive in the module, for leak checks.
volatile LONG g_nLiveBlocks = 0;
}

// ----- QELListItemMemory -------------------------------------------------------------

BOOL QELListItemMemory::Reset(int nCount, COLORREF crText, COLORREF crBk)
{
    if (nCount < 0)
        nCount = 0;
    COLORREF* pNew = nullptr;
    if (nCount > 0) {
        pNew = static_cast<COLORREF*>(std::malloc(sizeof(COLORREF) * 2 * static_cast<size_t>(nCount)));
        if (pNew == nullptr)
            return FALSE;
        for (int i = 0; i < nCount; ++i) {
            pNew[i] = crText;
            pNew[nCount + i] = crBk;
        }
    }
    std::free(pColors);
    pColors = pNew;
    nColumns = nCount;
    return TRUE;
}

BOOL QELListItemMemory::InsertColumn(int nColumn, COLORREF crText, COLORREF crBk)
{
    if (nColumn < 0)
        nColumn = 0;
    if (nColumn > nColumns)
        nColumn = nColumns;
    const int nNew = nColumns + 1;
    COLORREF* pNew = static_cast<COLORREF*>(std::malloc(sizeof(COLORREF) * 2 * static_cast<size_t>(nNew)));
    if (pNew == nullptr)
        return FALSE;
    // Text colours, then background colours, each with the new entry in place.
    for (int nRow = 0; nRow < 2; ++nRow) {
        const COLORREF* pFrom = pColors + nRow * nColumns;
        COLORREF* pTo = pNew + nRow * nNew;
        if (nColumn > 0)
            std::memcpy(pTo, pFrom, sizeof(COLORREF) * static_cast<size_t>(nColumn));
        pTo[nColumn] = nRow == 0 ? crText : crBk;
        if (nColumns > nColumn)
            std::memcpy(pTo + nColumn + 1, pFrom + nColumn, sizeof(COLORREF) * static_cast<size_t>(nColumns - nColumn));
    }
    std::free(pColors);
    pColors = pNew;
    nColumns = nNew;
    return TRUE;
}

void QELListItemMemory::DeleteColumn(int nColumn)
{
    if (nColumn < 0 || nColumn >= nColumns)
        return;
    const int nNew = nColumns - 1;
    // Shrinks in place: text row first (it only moves down), then the background row.
    COLORREF* pText = pColors;
    COLORREF* pBk = pColors + nColumns;
    std::memmove(pText + nColumn, pText + nColumn + 1, sizeof(COLORREF) * static_cast<size_t>(nNew - nColumn));
    std::memmove(pText + nNew, pBk, sizeof(COLORREF) * static_cast<size_t>(nColumn));
    std::memmove(pText + nNew + nColumn, pBk + nColumn + 1, sizeof(COLORREF) * static_cast<size_t>(nNew - nColumn));
    nColumns = nNew;
    if (nNew == 0) {
        std::free(pColors);
        pColors = nullptr;
        return;
    }
    // Giving the spare bytes back may fail; the larger buffer then simply stays.
    void* pSmaller = std::realloc(pColors, sizeof(COLORREF) * 2 * static_cast<size_t>(nNew));
    if (pSmaller != nullptr)
        pColors = static_cast<COLORREF*>(pSmaller);
}

void QELListItemMemory::Release()
{
    std::free(pColors);
    pColors = nullptr;
    nColumns = 0;
}

// ----- blocks of the items -------------------------------------------------------------

LONG PASCAL QELListCtrl::GetItemMemoryBlockCount()
{
    return g_nLiveBlocks;
}

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

void QELListCtrl::_AllocItemMemory(int nItem)
{
    if (!_IsValidIndex(nItem))
        return;
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    if (!::SendMessageA(m_hWnd, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return;
    QELListItemMemory* pMemory = new (std::nothrow) QELListItemMemory;
    if (pMemory == nullptr)
        return;
    // The param given at insertion becomes the item data (32 bits, as the data is a DWORD).
    pMemory->dwData = static_cast<DWORD>(item.lParam);
    if (!pMemory->Reset(GetColumnCount(), ::GetSysColor(COLOR_WINDOWTEXT), ::GetSysColor(COLOR_WINDOW))) {
        delete pMemory;
        item.lParam = 0;
        ::SendMessageA(m_hWnd, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        return;
    }
    item.lParam = reinterpret_cast<LPARAM>(pMemory);
    if (!::SendMessageA(m_hWnd, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item))) {
        pMemory->Release();
        delete pMemory;
        return;
    }
    ::InterlockedIncrement(&g_nLiveBlocks);
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
    pMemory->Release();
    delete pMemory;
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
        if (bInserted)
            pMemory->InsertColumn(nColumn, crText, crBk);
        else
            pMemory->DeleteColumn(nColumn);
    }
}
