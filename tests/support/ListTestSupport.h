// What the list tests share: the editing fields opened up, and the rows read
// back as plain text.
#pragma once
#include "ZUZIVU70.h"
#include <string>

// A QELListCtrl with the in-place editing fields reachable, so tests of the
// edit-end and sort paths can stand in for the editor.
class EditableTestList : public QELListCtrl
{
public:
    // Leaves the fields as the in-place editor does while a cell is under edit,
    // with text typed into the editor window.
    void FakeEdit(int nRow, int nColumn, LPCSTR lpszText)
    {
        if (m_pEdit->GetSafeHwnd() == nullptr)
            m_pEdit->Create(WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, CRect(0, 0, 80, 20), this, 1);
        m_bEditable = TRUE;
        m_nEditRow = nRow;
        m_nEditColumn = nColumn;
        m_pEdit->SetWindowText(lpszText);
        m_pEdit->ShowWindow(SW_SHOW);
    }
    int EditRow() const { return m_nEditRow; }
    int EditColumn() const { return m_nEditColumn; }
    BOOL EditorVisible() const { return m_pEdit->GetSafeHwnd() != nullptr && m_pEdit->IsWindowVisible(); }
    void SetSortOrder(int nColumn, BOOL bAscending)
    {
        m_nSortedColumn = nColumn;
        m_bSortAscending = bAscending;
    }
};

// The text of one cell, as the list view holds it.
inline std::string ListCellText(CListCtrl& list, int nItem, int nColumn = 0)
{
    return std::string(list.CListCtrl::GetItemText(nItem, nColumn));
}

// Column 0 of every row, joined by '|'.
inline std::string ListRows(CListCtrl& list)
{
    std::string s;
    for (int i = 0; i < list.CListCtrl::GetItemCount(); ++i)
        s += (i ? "|" : "") + ListCellText(list, i);
    return s;
}
