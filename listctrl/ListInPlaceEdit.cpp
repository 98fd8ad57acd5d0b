// QELListCtrl: the in-place cell editor, and the keyboard filter that moves it
// along the row and between rows.
#include "QELListCtrl.h"
#include "ListCtrlParts.h"

void QELListCtrl::SetEditable(BOOL bEditable)
{
    if (!bEditable)
        _BeginChange(TRUE, FALSE);
    m_pParts->editor.m_bEditable = bEditable;
}

BOOL QELListCtrl::IsEditable() const { return m_pParts->editor.m_bEditable; }

void QELListCtrl::SetFirstColumnEditable(BOOL bEditable)
{
    if (!bEditable)
        _BeginChange(TRUE, FALSE);
    m_pParts->editor.m_bFirstColumnEditable = bEditable;
}

CEdit* QELListCtrl::GetEditControl() const { return m_pParts->editor.Control(); }

DWORD QELListCtrl::_GetHeaderTextFormat(int nColumn) const
{
    if (!::IsWindow(m_hWnd) || !HasColumnHeader())
        return 0;
    HWND hHeader = _GetHeaderWnd();
    if (hHeader == nullptr)
        return 0;
    // The header's own format: the list view's column record does not see a
    // format changed on the header item.
    HDITEMA item = {};
    item.mask = HDI_FORMAT;
    if (!::SendMessageA(hHeader, HDM_GETITEMA, static_cast<WPARAM>(nColumn), reinterpret_cast<LPARAM>(&item)))
        return 0;
    if (item.fmt & HDF_CENTER)
        return 1;
    if (item.fmt & HDF_RIGHT)
        return 2;
    return 0;
}

BOOL QELListCtrl::_CreateEditor(DWORD dwAlign) { return m_pParts->editor.Prepare(this, dwAlign); }

void QELListCtrl::_PlaceEditor() { m_pParts->editor.Place(*this); }

BOOL QELListCtrl::StartEdit(int nItem, int nColumn)
{
    ListCellEditor& editor = m_pParts->editor;
    auto mayEdit = [this, &editor](int nRow, int nCol) {
        if (!editor.m_bFirstColumnEditable && nCol == 0)
            return false;
        return editor.m_bEditable && _IsValidIndex(nRow) && nCol >= 0 && nCol < GetColumnCount();
    };
    if (!mayEdit(nItem, nColumn))
        return FALSE;
    if (nItem == editor.Row() && nColumn == editor.Column() && editor.HasWindow())
        return TRUE;
    ListLifeGuard guard(m_pParts->pGuards);
    _BeginChange(TRUE, FALSE);
    if (guard.Deleted())
        return FALSE;
    // The parent, told of the commit, may have changed the list: the cell is
    // judged again.
    if (!mayEdit(nItem, nColumn))
        return FALSE;

    const UINT nSerial = editor.Open(nItem, nColumn);
    SetAllItemStates(ITEMSTATE_SELECTED, ITEMSTATE_UNSELECTED);
    SetItemStates(nItem, ITEMSTATE_SELECTED | ITEMSTATE_FOCUSED);
    // The parent hears of those state changes too and may have ended the edit.
    if (editor.Serial() != nSerial || !_IsEditVisible())
        return FALSE;

    if (!_CreateEditor(_GetHeaderTextFormat(nColumn))) {
        // No editor, so no edit: the fields name no cell, and nothing later
        // looks for a window that does not exist.
        editor.Close();
        return FALSE;
    }
    editor.Show(*this, CListCtrl::GetItemText(nItem, nColumn));
    return TRUE;
}

BOOL QELListCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg == nullptr || pMsg->message != WM_KEYDOWN)
        return CListCtrl::PreTranslateMessage(pMsg);
    const BOOL bEditing = _IsEditVisible();
    // A commit reaches the parent, which may delete us: the key is then spent.
    ListLifeGuard guard(m_pParts->pGuards);
    const int nRow = bEditing ? m_pParts->editor.Row() : -1;
    const int nColumn = bEditing ? m_pParts->editor.Column() : -1;
    switch (pMsg->wParam) {
    case VK_TAB:
        if (bEditing) {
            // Shift does not turn the direction: Tab always walks right and wraps.
            const int nNext = nColumn + 1 < GetColumnCount() ? nColumn + 1 : 0;
            _BeginChange(TRUE, FALSE);
            if (!guard.Deleted())
                StartEdit(nRow, nNext);
            return TRUE;
        }
        break;
    case VK_RETURN:
        if (bEditing) {
            _BeginChange(TRUE, FALSE);
            return TRUE;
        }
        break;
    case VK_ESCAPE:
        if (bEditing) {
            _BeginChange(FALSE, FALSE);
            return TRUE;
        }
        break;
    case VK_UP:
    case VK_DOWN: {
        const int nTarget = pMsg->wParam == VK_UP ? nRow - 1 : nRow + 1;
        if (bEditing && nTarget >= 0 && nTarget < CListCtrl::GetItemCount()) {
            _BeginChange(TRUE, FALSE);
            if (!guard.Deleted())
                StartEdit(nTarget, nColumn);
            if (guard.Deleted())
                return TRUE;
            CListCtrl::EnsureVisible(nTarget, FALSE);
            // Bringing the row into view may have scrolled the list under the editor.
            if (_IsEditVisible())
                _PlaceEditor();
            return TRUE;
        }
        break;
    }
    case VK_SPACE:
        // Outside an edit the list view never sees the space bar, so the keyboard
        // cannot toggle check boxes behind the check box style's back.
        if (!bEditing)
            return TRUE;
        break;
    default:
        break;
    }
    return CListCtrl::PreTranslateMessage(pMsg);
}
