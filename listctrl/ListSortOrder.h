// The list control's sort order: the column and direction of the last sort
// (until something forgets them), the separator text, and the header's sort
// mark that shows them when it is on.
#pragma once
#include <windows.h>
#include <string>

class ListSortOrder
{
public:
    int Column() const { return m_nColumn; }
    BOOL Ascending() const { return m_bAscending; }
    void Set(int nColumn, BOOL bAscending)
    {
        m_nColumn = nColumn;
        m_bAscending = bAscending;
    }
    void Forget() { Set(-1, TRUE); }

    // Null for no separator; the text is copied (the old one kept when out of memory).
    void SetSeparator(const char* lpszSeparator);
    const char* Separator() const { return m_bHasSeparator ? m_strSeparator.c_str() : nullptr; }

    BOOL m_bSortMark = FALSE;  // the sorted column's header shows the direction
    // The header shows what the order says (nothing to update).
    BOOL IsMarkCurrent() const;
    // Shows the mark where the order says, on the list view's header hHeader.
    void UpdateMark(HWND hHeader);

private:
    int m_nColumn = -1;
    BOOL m_bAscending = TRUE;
    std::string m_strSeparator;
    bool m_bHasSeparator = false;
    int m_nMarkedColumn = -1;        // header item showing the sort mark, -1 for none
    BOOL m_bMarkedAscending = TRUE;  // ... and which mark it shows
};
