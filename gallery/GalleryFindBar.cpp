// The gallery's find bar: what QELToolbar adds to plain buttons. A "Go to"
// drop-down button opens a menu of pages below itself, a combo box lists the
// pages and shows the one chosen, and a field shows the first page whose
// name holds the text typed (both are embedded controls the bar owns).
#include "GalleryFrame.h"
#include "GalleryPage.h"
#include "GalleryResources.h"

namespace {
CComboBox* PageCombo(QELToolbar& bar) { return static_cast<CComboBox*>(bar.GetDlgItem(ID_GALLERY_PAGE_COMBO)); }
}

BOOL CGalleryFrame::CreateFindBar()
{
    const DWORD dwStyle =
        WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
    if (!m_wndFindBar.CreateEx(this, TBSTYLE_FLAT, dwStyle, CRect(0, 0, 0, 0), ID_VIEW_FINDBAR) ||
        !m_wndFindBar.LoadToolBar(IDR_GALLERY_FIND))
        return FALSE;
    m_wndFindBar.SetWindowText("Find");
    // The whole button opens the menu.
    m_wndFindBar.AddDropDownButton(ID_GALLERY_GOTO, IDR_GALLERY_GOTO, FALSE);

    // The combo box's rectangle includes its dropped list.
    CRect rect(0, 0, GalleryPx(150), GalleryPx(240));
    auto* pCombo = static_cast<CComboBox*>(m_wndFindBar.InsertControl(
        RUNTIME_CLASS(CComboBox), "", rect, ID_GALLERY_PAGE_COMBO, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP));
    if (pCombo == nullptr)
        return FALSE;
    for (int i = 0; i < GetPageCount(); ++i)
        pCombo->AddString(GetPageName(i));
    // The combo box is as tall as its font makes it, which grows with the
    // DPI; the buttons (16 by 15 images) are made as tall, so that no control
    // is cut off by its row, and the field takes the same height.
    CRect rectCombo;
    pCombo->GetWindowRect(&rectCombo);
    const CSize sizeButton = m_wndFindBar.GetToolBarCtrl().GetButtonSize();
    if (sizeButton.cy < rectCombo.Height() + 2)
        m_wndFindBar.SetSizes(CSize(sizeButton.cx, rectCombo.Height() + 2), CSize(16, 15));
    rect = CRect(0, 0, GalleryPx(120), rectCombo.Height());
    if (m_wndFindBar.InsertControl(RUNTIME_CLASS(CEdit), "", rect, ID_GALLERY_FIND_PAGE,
                                   WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP) == nullptr)
        return FALSE;

    m_wndFindBar.EnableDocking(CBRS_ALIGN_ANY);
    // In the top row, right of the pages bar.
    RecalcLayout();
    m_wndPagesBar.GetWindowRect(&rect);
    rect.OffsetRect(rect.Width(), 0);
    DockControlBar(&m_wndFindBar, AFX_IDW_DOCKBAR_TOP, &rect);
    RecalcLayout();
    ShowPageInFindBar();
    return TRUE;
}

void CGalleryFrame::ShowPageInFindBar()
{
    CComboBox* pCombo = PageCombo(m_wndFindBar);
    if (pCombo != nullptr && pCombo->GetCurSel() != m_nCurrent)
        pCombo->SetCurSel(m_nCurrent);
}

void CGalleryFrame::OnFirstPage() { ShowPage(0); }

void CGalleryFrame::OnLastPage() { ShowPage(GetPageCount() - 1); }

// The "Go to" button gives no command of its own (its menu does), and the
// combo box and the field report by notifications: without an update handler
// the framework would show all three disabled.
void CGalleryFrame::OnUpdateFindBar(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }

void CGalleryFrame::OnPageChosen()
{
    CComboBox* pCombo = PageCombo(m_wndFindBar);
    if (pCombo != nullptr && pCombo->GetCurSel() >= 0 && pCombo->GetCurSel() != m_nCurrent)
        ShowPage(pCombo->GetCurSel());
}

void CGalleryFrame::OnFindPage()
{
    CWnd* pFind = m_wndFindBar.GetDlgItem(ID_GALLERY_FIND_PAGE);
    if (pFind == nullptr)
        return;
    char text[64] = "";
    ::GetWindowTextA(pFind->m_hWnd, text, sizeof(text));
    CString strText(text);
    strText.MakeLower();
    if (strText.IsEmpty())
        return;
    for (int i = 0; i < GetPageCount(); ++i) {
        CString strName = GetPageName(i);
        strName.MakeLower();
        if (strName.Find(strText) >= 0) {
            if (i != m_nCurrent)
                ShowPage(i);
            return;
        }
    }
}
