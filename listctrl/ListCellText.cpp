// QELListCtrl: cell texts from strings and from typed values. Every typed form
// makes its text and then takes the string form's path, so each one commits an
// edit in progress and forgets the sort order.
#include "QELListCtrl.h"
#include "logic/CellTextFormat.h"

BOOL QELListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    _BeginChange(TRUE, TRUE);
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
    return SetItemText(nItem, nSubItem, static_cast<LPCTSTR>(list_sort::FormatCellReal(dValue, nPrecision).c_str()));
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
