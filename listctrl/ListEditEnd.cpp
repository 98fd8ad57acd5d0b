// QELListCtrl: closing an in-place edit and forgetting the sort order, the two
// pieces of bookkeeping that nearly every operation of the class performs.
#include "QELListCtrl.h"
#include "ListCtrlParts.h"
#include <cstring>

BOOL QELListCtrl::_BeginChange(BOOL bCommit, BOOL bForgetOrder)
{
    // The edit ends first: a committed text may itself forget the order, and
    // the parent hears of the commit before the change is made.
    const BOOL bWritten = EndEdit(bCommit);
    if (bForgetOrder)
        _UnsetSortedColumn();
    return bWritten;
}

BOOL QELListCtrl::_IsEditVisible() const
{
    // Judged from the fields alone: the editor window may not exist yet.
    const ListCellEditor& editor = m_pParts->editor;
    return editor.m_bEditable && _IsValidIndex(editor.Row()) && editor.Column() >= 0 &&
           editor.Column() < GetColumnCount();
}

BOOL QELListCtrl::EndEdit(BOOL bCommit)
{
    if (!_IsEditVisible())
        return FALSE;
    ListCellEditor& editor = m_pParts->editor;
    // Without an editor window there is no text to commit, only fields to reset
    // (committing an empty text would wipe the cell).
    const BOOL bHasEditor = editor.HasWindow();
    const CString strText = editor.Text();
    BOOL bWritten = FALSE;
    // While the parent hears of this edit's commit, ending it again (sorting,
    // setting a text ...) closes it without writing it a second time.
    if (bCommit && bHasEditor && !editor.IsReportingCommit()) {
        const int nRow = editor.Row();
        const int nColumn = editor.Column();
        CString strCell = CListCtrl::GetItemText(nRow, nColumn);
        // Byte-wise: for texts of whole characters equal bytes are what the multibyte
        // comparison (_mbscmp) calls equal in any code page, and a lead byte that ends a text
        // is neither dropped nor read past. A change of letter case is a change, also of a
        // trail byte that looks like a letter.
        if (std::strcmp(strText, strCell) != 0) {
            m_pParts->rows.SetText(nRow, nColumn, strText);
            _UnsetSortedColumn();
            bWritten = TRUE;
            // The parent sees the cell while it is still the one under edit.
            const UINT nSerial = editor.Serial();
            ListLifeGuard guard(m_pParts->pGuards);
            {
                ListCellEditor::CommitReport report(editor, guard.DeletedFlag());
                if (CWnd* pParent = GetParent())
                    pParent->SendMessage(LISTMSG_CELLEDITED, static_cast<WPARAM>(nRow), static_cast<LPARAM>(nColumn));
            }
            // The parent deleted the control: nothing of it is left to close.
            if (guard.Deleted())
                return bWritten;
            // The parent ended the edit itself, and may have begun another that is
            // not ours to close.
            if (editor.Serial() != nSerial)
                return bWritten;
        }
    }
    editor.Close();
    return bWritten;
}

void QELListCtrl::_UnsetSortedColumn()
{
    m_pParts->order.Forget();
    _UpdateSortMark();
}

void QELListCtrl::_SetSortedColumn(int nColumn, BOOL bAscending)
{
    m_pParts->order.Set(nColumn, bAscending);
    _UpdateSortMark();
}

void QELListCtrl::_UpdateSortMark()
{
    if (!m_pParts->order.IsMarkCurrent())
        m_pParts->order.UpdateMark(_GetHeaderWnd());
}

int QELListCtrl::GetSortedColumn() const { return m_pParts->order.Column(); }

BOOL QELListCtrl::IsSortAscending() const { return m_pParts->order.Ascending(); }
