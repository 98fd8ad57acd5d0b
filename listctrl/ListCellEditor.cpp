// The in-place cell editor's window and the cell it stands on.
#include "ListCellEditor.h"
#include "QELDpi.h"
#include <commctrl.h>

namespace {
// The editor: a bordered single-line edit that keeps its selection shown; the
// column's alignment (ES_LEFT 0, ES_CENTER 1, ES_RIGHT 2) is added.
const DWORD kEditorStyle = WS_CHILD | WS_BORDER | ES_AUTOHSCROLL | ES_NOHIDESEL;  // 0x40800180
// A cell image in a column other than 0 sits inside the label rectangle, as
// wide as the images of the list's image list (16 pixels at 96 DPI when the
// list cannot tell).
const int kCellImageWidth = 16;

int CellImageWidth(HWND hList, HIMAGELIST hImages)
{
    int cx = 0, cy = 0;
    if (::ImageList_GetIconSize(hImages, &cx, &cy) && cx > 0)
        return cx;
    return qel_dpi::Scale(kCellImageWidth, qel_dpi::DpiOf(hList));
}
}

ListCellEditor::ListCellEditor() = default;

ListCellEditor::~ListCellEditor()
{
    // A window still alive here would call back into a dead object.
    DestroyWindow();
}

UINT ListCellEditor::Open(int nRow, int nColumn)
{
    m_nRow = nRow;
    m_nColumn = nColumn;
    return ++m_nSerial;
}

void ListCellEditor::Close()
{
    if (HasWindow())
        m_edit.ShowWindow(SW_HIDE);
    m_nRow = -1;
    m_nColumn = -1;
    ++m_nSerial;
}

BOOL ListCellEditor::Prepare(CWnd* pList, DWORD dwAlign)
{
    if (pList == nullptr || !::IsWindow(pList->GetSafeHwnd()))
        return FALSE;
    if (HasWindow() && dwAlign == m_dwAlign)
        return TRUE;
    m_dwAlign = dwAlign;
    if (HasWindow())
        m_edit.DestroyWindow();
    return m_edit.Create(kEditorStyle | dwAlign, CRect(0, 0, 1, 1), pList, 0);
}

void ListCellEditor::Place(CListCtrl& list) const
{
    if (!HasWindow())
        return;
    CRect rect;
    if (!list.CListCtrl::GetSubItemRect(m_nRow, m_nColumn, LVIR_LABEL, rect))
        return;
    // Beyond column 0 the label rectangle covers the cell's image as well.
    HIMAGELIST hImages =
        m_nColumn > 0 ? (HIMAGELIST)::SendMessageA(list.m_hWnd, LVM_GETIMAGELIST, LVSIL_SMALL, 0) : nullptr;
    if (hImages != nullptr) {
        LVITEMA item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = m_nRow;
        item.iSubItem = m_nColumn;
        if (list.CListCtrl::GetItem(&item) && item.iImage >= 0)
            rect.left += CellImageWidth(list.m_hWnd, hImages);
    }
    m_edit.MoveWindow(&rect, TRUE);
}

void ListCellEditor::Show(CListCtrl& list, const CString& strText) const
{
    if (!HasWindow())
        return;
    m_edit.SendMessage(WM_SETFONT, static_cast<WPARAM>(::SendMessageA(list.m_hWnd, WM_GETFONT, 0, 0)), TRUE);
    Place(list);
    m_edit.SetWindowText(strText);
    m_edit.ShowWindow(SW_SHOW);
    m_edit.SetSel(0, -1);
    m_edit.SendMessage(EM_SCROLLCARET, 0, 0);
    m_edit.SetFocus();
}

CString ListCellEditor::Text() const
{
    CString strText;
    if (HasWindow())
        m_edit.GetWindowText(strText);
    return strText;
}

void ListCellEditor::DestroyWindow()
{
    if (HasWindow())
        m_edit.DestroyWindow();
}
