// QELListCtrl: the in-place cell editor, and the keyboard filter that moves it
// along the row and between rows.
#include "QELListCtrl.h"

namespace {
// The editor: a bordered single-line edit that keeps its selection shown; the
// column's alignment (ES_LEFT 0, ES_CENTER 1, ES_RIGHT 2) is added.
const DWORD kEditorStyle = WS_CHILD | WS_BORDER | ES_AUTOHSCROLL | ES_NOHIDESEL;  // 0x40800180
// A cell image in a column other than 0 sits inside the label rectangle.
const int kCellImageWidth = 16;
}

void QELListCtrl::SetEditable(BOOL bEditable)
{
    if (!bEditable)
        EndEdit(TRUE);
    m_bEditable = bEditable;
}

BOOL QELListCtrl::IsEditable() const { return m_bEditable; }

void QELListCtrl::SetFirstColumnEditable(BOOL bEditable)
{
    if (!bEditable)
        EndEdit(TRUE);
    m_bFirstColumnEditable = bEditable;
}

CEdit* QELListCtrl::GetEditControl() const { return m_pEdit; }

DWORD QELListCtrl::_GetHeaderTextFormat(int nColumn) const
{
    if (!::IsWindow(m_hWnd) || !HasColumnHeader())
        return 0;
    HWND hHeader = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, LVM_GETHEADER, 0, 0));
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

BOOL QELListCtrl::_CreateEditor(DWORD dwAlign)
{
    if (m_pEdit == nullptr || !::IsWindow(m_hWnd))
        return FALSE;
    if (m_pEdit->GetSafeHwnd() != nullptr)
        m_pEdit->DestroyWindow();
    return m_pEdit->Create(kEditorStyle | dwAlign, CRect(0, 0, 1, 1), this, 0);
}

void QELListCtrl::_PlaceEditor()
{
    if (m_pEdit == nullptr || m_pEdit->GetSafeHwnd() == nullptr)
        return;
    CRect rect;
    if (!CListCtrl::GetSubItemRect(m_nEditRow, m_nEditColumn, LVIR_LABEL, rect))
        return;
    // Beyond column 0 the label rectangle covers the cell's image as well.
    if (m_nEditColumn > 0 && ::SendMessageA(m_hWnd, LVM_GETIMAGELIST, LVSIL_SMALL, 0) != 0 &&
        GetItemImage(m_nEditRow, m_nEditColumn) >= 0)
        rect.left += kCellImageWidth;
    m_pEdit->MoveWindow(&rect, TRUE);
}

BOOL QELListCtrl::StartEdit(int nItem, int nColumn)
{
    auto mayEdit = [this](int nRow, int nCol) {
        if (!m_bFirstColumnEditable && nCol == 0)
            return false;
        return m_bEditable && _IsValidIndex(nRow) && nCol >= 0 && nCol < GetColumnCount();
    };
    if (!mayEdit(nItem, nColumn))
        return FALSE;
    if (nItem == m_nEditRow && nColumn == m_nEditColumn && m_pEdit != nullptr && m_pEdit->GetSafeHwnd() != nullptr)
        return TRUE;
    EndEdit(TRUE);
    // The parent, told of the commit, may have changed the list: the cell is
    // judged again.
    if (!mayEdit(nItem, nColumn))
        return FALSE;

    m_nEditRow = nItem;
    m_nEditColumn = nColumn;
    const UINT nSerial = ++m_nEditSerial;
    SetAllItemStates(ITEMSTATE_SELECTED, ITEMSTATE_UNSELECTED);
    SetItemStates(nItem, ITEMSTATE_SELECTED | ITEMSTATE_FOCUSED);
    // The parent hears of those state changes too and may have ended the edit.
    if (m_nEditSerial != nSerial || !_IsEditVisible())
        return FALSE;

    const DWORD dwAlign = _GetHeaderTextFormat(nColumn);
    BOOL bReady = m_pEdit != nullptr && m_pEdit->GetSafeHwnd() != nullptr;
    if (dwAlign != m_dwEditAlign || !bReady) {
        m_dwEditAlign = dwAlign;
        bReady = _CreateEditor(dwAlign);
    }
    if (!bReady) {
        // No editor, so no edit: the fields name no cell, and nothing later
        // looks for a window that does not exist.
        m_nEditRow = -1;
        m_nEditColumn = -1;
        ++m_nEditSerial;
        return FALSE;
    }

    m_pEdit->SendMessage(WM_SETFONT, static_cast<WPARAM>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)), TRUE);
    _PlaceEditor();
    m_pEdit->SetWindowText(CListCtrl::GetItemText(nItem, nColumn));
    m_pEdit->ShowWindow(SW_SHOW);
    m_pEdit->SetSel(0, -1);
    m_pEdit->SendMessage(EM_SCROLLCARET, 0, 0);
    m_pEdit->SetFocus();
    return TRUE;
}

BOOL QELListCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg == nullptr || pMsg->message != WM_KEYDOWN)
        return CListCtrl::PreTranslateMessage(pMsg);
    const BOOL bEditing = _IsEditVisible();
    const int nRow = m_nEditRow;
    const int nColumn = m_nEditColumn;
    switch (pMsg->wParam) {
    case VK_TAB:
        if (bEditing) {
            // Shift does not turn the direction: Tab always walks right and wraps.
            const int nNext = nColumn + 1 < GetColumnCount() ? nColumn + 1 : 0;
            EndEdit(TRUE);
            StartEdit(nRow, nNext);
            return TRUE;
        }
        break;
    case VK_RETURN:
        if (bEditing) {
            EndEdit(TRUE);
            return TRUE;
        }
        break;
    case VK_ESCAPE:
        if (bEditing) {
            EndEdit(FALSE);
            return TRUE;
        }
        break;
    case VK_UP:
    case VK_DOWN: {
        const int nTarget = pMsg->wParam == VK_UP ? nRow - 1 : nRow + 1;
        if (bEditing && nTarget >= 0 && nTarget < CListCtrl::GetItemCount()) {
            EndEdit(TRUE);
            StartEdit(nTarget, nColumn);
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
