// The sort order's separator and the header's sort mark.
#include "ListSortOrder.h"
#include <commctrl.h>
#include <new>

void ListSortOrder::SetSeparator(const char* lpszSeparator)
{
    if (lpszSeparator == nullptr) {
        m_bHasSeparator = false;
        m_strSeparator.clear();
        return;
    }
    // The text may be our own (what Separator() gave): it is copied whole before
    // the old one is let go. Out of memory, the old separator stays.
    try {
        std::string strNew(lpszSeparator);
        m_strSeparator.swap(strNew);
        m_bHasSeparator = true;
    } catch (const std::bad_alloc&) {
    }
}

BOOL ListSortOrder::IsMarkCurrent() const
{
    const int nColumn = m_bSortMark ? m_nColumn : -1;
    return nColumn == m_nMarkedColumn && (nColumn < 0 || (m_bAscending ? TRUE : FALSE) == m_bMarkedAscending);
}

void ListSortOrder::UpdateMark(HWND hHeader)
{
    // Header items are touched only when the mark to show changes, so a list whose
    // mark was never on keeps whatever formats its application gave the headers.
    if (IsMarkCurrent() || hHeader == nullptr)
        return;
    const int nColumn = m_bSortMark ? m_nColumn : -1;
    const BOOL bAscending = m_bAscending ? TRUE : FALSE;
    // Every header item is looked at: inserted or deleted columns may have moved the old mark.
    const int nItems = static_cast<int>(::SendMessageA(hHeader, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < nItems; ++i) {
        HDITEMA item = {};
        item.mask = HDI_FORMAT;
        if (!::SendMessageA(hHeader, HDM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)))
            continue;
        int nFormat = item.fmt & ~(HDF_SORTUP | HDF_SORTDOWN);
        if (i == nColumn)
            nFormat |= bAscending ? HDF_SORTUP : HDF_SORTDOWN;
        if (nFormat != item.fmt) {
            item.fmt = nFormat;
            ::SendMessageA(hHeader, HDM_SETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        }
    }
    m_nMarkedColumn = nColumn;
    m_bMarkedAscending = bAscending;
}
