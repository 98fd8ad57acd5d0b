// QELListCtrl: closing an in-place edit and forgetting the sort order, the two
// pieces of bookkeeping that nearly every operation of the class performs.
#include "QELListCtrl.h"
#include <cstring>

BOOL QELListCtrl::_IsEditVisible() const
{
    // Judged from the fields alone: the editor window may not exist yet.
    return m_bEditable && _IsValidIndex(m_nEditRow) && m_nEditColumn >= 0 && m_nEditColumn < GetColumnCount();
}

BOOL QELListCtrl::EndEdit(BOOL bCommit)
{
    if (!_IsEditVisible())
        return FALSE;
    // Without an editor window there is no text to commit, only fields to reset
    // (committing an empty text would wipe the cell).
    const BOOL bHasEditor = m_pEdit != nullptr && m_pEdit->GetSafeHwnd() != nullptr;
    CString strText;
    if (bHasEditor)
        m_pEdit->GetWindowText(strText);
    BOOL bWritten = FALSE;
    // While the parent hears of this edit's commit, ending it again (sorting,
    // setting a text ...) closes it without writing it a second time.
    if (bCommit && bHasEditor && m_nCommitSerial != m_nEditSerial) {
        CString strCell = CListCtrl::GetItemText(m_nEditRow, m_nEditColumn);
        // Byte-wise: a change of letter case is a change.
        if (std::strcmp(strText, strCell) != 0) {
            CListCtrl::SetItemText(m_nEditRow, m_nEditColumn, strText);
            _UnsetSortedColumn();
            bWritten = TRUE;
            // The parent sees the cell while it is still the one under edit.
            const UINT nSerial = m_nEditSerial;
            const UINT nOuterCommit = m_nCommitSerial;
            m_nCommitSerial = nSerial;
            if (CWnd* pParent = GetParent())
                pParent->SendMessage(LISTMSG_CELLEDITED, static_cast<WPARAM>(m_nEditRow),
                                     static_cast<LPARAM>(m_nEditColumn));
            m_nCommitSerial = nOuterCommit;
            // The parent ended the edit itself, and may have begun another that is
            // not ours to close.
            if (m_nEditSerial != nSerial)
                return bWritten;
        }
    }
    if (bHasEditor && m_pEdit->GetSafeHwnd() != nullptr)
        m_pEdit->ShowWindow(SW_HIDE);
    m_nEditRow = -1;
    m_nEditColumn = -1;
    ++m_nEditSerial;
    return bWritten;
}

void QELListCtrl::_UnsetSortedColumn()
{
    m_nSortedColumn = -1;
    m_bSortAscending = TRUE;
    _UpdateSortMark();
}

int QELListCtrl::GetSortedColumn() const { return m_nSortedColumn; }

BOOL QELListCtrl::IsSortAscending() const { return m_bSortAscending; }
