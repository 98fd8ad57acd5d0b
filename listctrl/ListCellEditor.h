// The list control's in-place cell editor: the edit control laid over the
// cell under edit, and everything the control knows about the edit.
//
// Edits are numbered as they open and close, so a caller sees when the parent,
// told of a commit, ended the edit itself (or began another); the commit being
// reported is not made a second time by a nested end of the edit.
#pragma once
#include "afxwin.h"
#include "afxcmn.h"

class ListCellEditor
{
public:
    ListCellEditor();
    ~ListCellEditor();
    ListCellEditor(const ListCellEditor&) = delete;
    ListCellEditor& operator=(const ListCellEditor&) = delete;

    // The edit control object, never null; its window exists from the first edit on.
    CEdit* Control() const { return &m_edit; }
    BOOL HasWindow() const { return m_edit.GetSafeHwnd() != nullptr; }

    // ----- what may be edited
    BOOL m_bEditable = FALSE;            // cells may be edited in place
    BOOL m_bFirstColumnEditable = TRUE;  // column 0 may be edited in place

    // ----- the cell under edit (-1 when none) and the edit's number
    int Row() const { return m_nRow; }
    int Column() const { return m_nColumn; }
    UINT Serial() const { return m_nSerial; }
    // Names the cell under edit; returns the new edit's number.
    UINT Open(int nRow, int nColumn);
    // No cell is under edit any more; the window is hidden.
    void Close();

    // While the commit of the edit in progress is being reported to the parent.
    BOOL IsReportingCommit() const { return m_nCommitSerial == m_nSerial; }
    class CommitReport
    {
    public:
        // pbGone: set when the control (and the editor with it) went while the report ran.
        CommitReport(ListCellEditor& editor, const bool* pbGone)
            : m_editor(editor), m_nOuter(editor.m_nCommitSerial), m_pbGone(pbGone)
        {
            editor.m_nCommitSerial = editor.m_nSerial;
        }
        ~CommitReport()
        {
            if (!*m_pbGone)
                m_editor.m_nCommitSerial = m_nOuter;
        }
        CommitReport(const CommitReport&) = delete;
        CommitReport& operator=(const CommitReport&) = delete;

    private:
        ListCellEditor& m_editor;
        UINT m_nOuter;
        const bool* m_pbGone;
    };

    // ----- the window
    // Makes the window, anew when the alignment (0 left, 1 centre, 2 right) changed.
    BOOL Prepare(CWnd* pList, DWORD dwAlign);
    // Lays the window over the cell under edit.
    void Place(CListCtrl& list) const;
    // Shows the window over the cell with the text selected and the focus.
    void Show(CListCtrl& list, const CString& strText) const;
    CString Text() const;
    void DestroyWindow();

private:
    // Part of the editor, so it exists as long as the list; the object only
    // wraps the window, which the editor's const operations move and show.
    mutable CEdit m_edit;
    int m_nRow = -1;
    int m_nColumn = -1;
    DWORD m_dwAlign = 0;  // alignment the window was last made with
    UINT m_nSerial = 1;
    UINT m_nCommitSerial = 0;  // the edit whose commit is being reported, 0 for none
};
