// What the list tests share: a list that reaches an edit or a sort order through
// the control's public operations only, and the rows read back as plain text.
#pragma once
#include "ZUZIVU70.h"
#include <string>
#include <vector>

// A QELListCtrl with shortcuts that go through public operations, so tests of
// the edit-end and sort paths survive changes of the control's insides.
class EditableTestList : public QELListCtrl
{
public:
    // Opens the editor over a cell as a user would and types a text into it;
    // FALSE when the cell cannot be edited (it does not exist, say).
    BOOL FakeEdit(int nRow, int nColumn, LPCSTR lpszText)
    {
        SetEditable(TRUE);
        if (!StartEdit(nRow, nColumn))
            return FALSE;
        GetEditControl()->SetWindowText(lpszText);
        return TRUE;
    }
    // Whether an edit is in progress, asked without changing anything: outside an
    // edit the control swallows the space bar, inside one it lets it through.
    BOOL IsEditing()
    {
        MSG msg = { m_hWnd, WM_KEYDOWN, VK_SPACE, 0 };
        return !PreTranslateMessage(&msg);
    }
    HWND Editor() const { return GetEditControl() != nullptr ? GetEditControl()->GetSafeHwnd() : nullptr; }
    BOOL EditorVisible() const { return Editor() != nullptr && ::IsWindowVisible(Editor()); }
    // The cell the shown editor stands on, found as a click on it would be; -1 without an edit.
    int EditRow() const { return EditCell().first; }
    int EditColumn() const { return EditCell().second; }
    std::pair<int, int> EditCell() const
    {
        if (!EditorVisible())
            return { -1, -1 };
        CRect rc;
        ::GetWindowRect(Editor(), &rc);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(&rc), 2);
        LVHITTESTINFO hit = {};
        hit.pt = CPoint(rc.left + 2, rc.CenterPoint().y);
        ::SendMessageA(m_hWnd, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        return { hit.iItem, hit.iSubItem };
    }

    // Puts a sort order in force without moving a row: the column is sorted
    // while its cells hold texts already in that order, and its own texts are
    // then written back through the base class, which leaves the order alone.
    void SetSortOrder(int nColumn, BOOL bAscending)
    {
        SetSortable(TRUE);
        const int nCount = CListCtrl::GetItemCount();
        std::vector<CString> texts;
        for (int i = 0; i < nCount; ++i) {
            texts.push_back(CListCtrl::GetItemText(i, nColumn));
            char rank[16];
            wsprintfA(rank, "%06d", bAscending ? i : nCount - i);
            CListCtrl::SetItemText(i, nColumn, rank);
        }
        SortItems(nColumn, bAscending);
        for (int i = 0; i < nCount; ++i)
            CListCtrl::SetItemText(i, nColumn, texts[(size_t)i]);
    }
};

// The item parameter exactly as the list view holds it (the item's block).
inline LPARAM ListRawParam(CListCtrl& list, int nItem) { return (LPARAM)list.CListCtrl::GetItemData(nItem); }

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
