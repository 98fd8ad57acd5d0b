// QELListCtrl: cell texts from strings and from typed values. Every typed form
// makes its text and then takes the string form's path, so each one commits an
// edit in progress and forgets the sort order.
#include "QELListCtrl.h"
#include "logic/CellTextFormat.h"
#include "QELMemory.h"

BOOL QELListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    _BeginChange(TRUE, TRUE);
    // The list view keeps texts of sub-items that have no column and says it
    // wrote them: a cell that does not exist is refused here instead.
    if (nSubItem < 0 || (nSubItem > 0 && nSubItem >= GetColumnCount()))
        return FALSE;
    return CListCtrl::SetItemText(nItem, nSubItem, lpszText);
}

BOOL QELListCtrl::SetItemText(int nItem, int nSubItem, char ch)
{
    const char szText[2] = { ch, '\0' };
    return SetItemText(nItem, nSubItem, static_cast<LPCTSTR>(szText));
}

BOOL QELListCtrl::SetItemText(int nItem, int nSubItem, long nValue)
{
    char szText[16];
    wsprintfA(szText, "%ld", nValue);
    return SetItemText(nItem, nSubItem, static_cast<LPCTSTR>(szText));
}

BOOL QELListCtrl::SetItemText(int nItem, int nSubItem, int nValue)
{
    return SetItemText(nItem, nSubItem, static_cast<long>(nValue));
}

BOOL QELListCtrl::SetItemText(int nItem, int nSubItem, unsigned long nValue)
{
    char szText[16];
    wsprintfA(szText, "%lu", nValue);
    return SetItemText(nItem, nSubItem, static_cast<LPCTSTR>(szText));
}

BOOL QELListCtrl::SetItemText(int nItem, int nSubItem, unsigned int nValue)
{
    return SetItemText(nItem, nSubItem, static_cast<unsigned long>(nValue));
}

BOOL QELListCtrl::SetItemText(int nItem, int nSubItem, double dValue, int nPrecision)
{
    // Out of memory there is no text to write: the cell keeps its own.
    CString strText;
    if (!qel_memory::NoThrowDone([&] { strText = list_sort::FormatCellReal(dValue, nPrecision).c_str(); }))
        return FALSE;
    return SetItemText(nItem, nSubItem, static_cast<LPCTSTR>(strText));
}

BOOL QELListCtrl::SetItemText(int nItem, int nSubItem, const COleDateTime& date, DWORD dwFlags)
{
    // A date that is not valid shows nothing; a valid one the platform cannot
    // write out shows "Invalid DateTime".
    CString strText;
    if (date.GetStatus() == COleDateTime::valid)
        strText = date.Format(dwFlags, LOCALE_USER_DEFAULT);
    return SetItemText(nItem, nSubItem, static_cast<LPCTSTR>(strText));
}
