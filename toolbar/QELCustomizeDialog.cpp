// QELCustomizeDialog: the options panel added to the toolbar control's
// customize dialog.
#include "QELCustomizeDialog.h"

IMPLEMENT_DYNAMIC(QELCustomizeDialog, CWnd)

BEGIN_MESSAGE_MAP(QELCustomizeDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, OnInitDialog)
    ON_CBN_SELENDOK(IDC_TEXTOPTIONS, OnTextOptionsSelEndOk)
    ON_CBN_SELENDOK(IDC_ICONOPTIONS, OnIconOptionsSelEndOk)
END_MESSAGE_MAP()

namespace {
// The panel's boxes drop down this far (dialog units) and are styled alike.
constexpr DWORD kComboStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE;
// The dialog grows by the panel's height.
constexpr int kPanelHeight = 34;
constexpr int kPanelExtraPixels = 3;
}  // namespace

QELCustomizeDialog::QELCustomizeDialog(QELToolbar* pToolbar, int eTextOptions, int eIconOptions)
    : m_pToolbar(pToolbar), m_eTextOptions(eTextOptions), m_eIconOptions(eIconOptions)
{}

QELCustomizeDialog::~QELCustomizeDialog()
{
    // The dialog window belongs to the toolbar control; if it is still there
    // it lives on without us.
    if (m_hWnd != nullptr)
        UnsubclassWindow();
}

void QELCustomizeDialog::SelectTextOptions(int n)
{
    m_eTextOptions = n;
    if (m_wndTextOptions.m_hWnd != nullptr)
        m_wndTextOptions.SetCurSel(n);
}

void QELCustomizeDialog::SelectIconOptions(int n)
{
    m_eIconOptions = n;
    if (m_wndIconOptions.m_hWnd != nullptr)
        m_wndIconOptions.SetCurSel(n);
}

BOOL QELCustomizeDialog::PlaceControl(CWnd& wnd, const CRect& rcClient, HFONT hFont, int x, int y, int cx, int cy)
{
    if (wnd.m_hWnd == nullptr)
        return FALSE;
    if (hFont != nullptr)
        wnd.SendMessage(WM_SETFONT, (WPARAM)hFont, TRUE);
    // Each value on its own, as the dialog's own controls are placed.
    CRect rcUnits(x, y, cx, cy);
    ::MapDialogRect(m_hWnd, &rcUnits);
    wnd.SetWindowPos(nullptr, rcClient.left + rcUnits.left, rcClient.bottom + rcUnits.top, rcUnits.right,
                     rcUnits.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

LRESULT QELCustomizeDialog::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    CRect rcClient, rcWindow;
    GetClientRect(&rcClient);
    GetWindowRect(&rcWindow);
    HFONT hFont = (HFONT)SendMessage(WM_GETFONT, 0, 0);
    const CRect rcNone(0, 0, 0, 0);

    if (m_wndTextLabel.Create("Te&xt options:", kLabelStyle, rcNone, this, 0xFFFF))
        PlaceControl(m_wndTextLabel, rcClient, hFont, 4, 2, 49, 8);
    if (m_wndTextOptions.Create(kComboStyle, rcNone, this, IDC_TEXTOPTIONS)) {
        // The item index is the option's value.
        m_wndTextOptions.AddString("Show Text Labels");
        m_wndTextOptions.AddString("Selective Text on Right");
        m_wndTextOptions.AddString("No Text Labels");
        SelectTextOptions(m_eTextOptions);
        PlaceControl(m_wndTextOptions, rcClient, hFont, 52, 0, 123, 50);
    }
    if (m_wndIconLabel.Create("Ico&n options:", kLabelStyle, rcNone, this, 0xFFFF))
        PlaceControl(m_wndIconLabel, rcClient, hFont, 4, 20, 49, 8);
    if (m_wndIconOptions.Create(kComboStyle, rcNone, this, IDC_ICONOPTIONS)) {
        m_wndIconOptions.AddString("Small Icons");
        m_wndIconOptions.AddString("Large Icons");
        SelectIconOptions(m_eIconOptions);
        PlaceControl(m_wndIconOptions, rcClient, hFont, 52, 18, 123, 50);
    }

    CRect rcGrow(0, 0, 0, kPanelHeight);
    ::MapDialogRect(m_hWnd, &rcGrow);
    SetWindowPos(nullptr, 0, 0, rcWindow.Width(), rcWindow.Height() + rcGrow.bottom + kPanelExtraPixels,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    if (m_pToolbar != nullptr && m_pToolbar->m_hWnd != nullptr) {
        CString strBar;
        m_pToolbar->GetWindowText(strBar);
        if (!strBar.IsEmpty()) {
            CString strTitle;
            GetWindowText(strTitle);
            SetWindowText(strTitle + " - " + strBar);
        }
    }
    return Default();
}

void QELCustomizeDialog::OnTextOptionsSelEndOk()
{
    m_eTextOptions = m_wndTextOptions.GetCurSel();
    if (m_pToolbar != nullptr)
        m_pToolbar->SetTextOptions((QELToolbar::TextOptions)m_eTextOptions, TRUE);
}

void QELCustomizeDialog::OnIconOptionsSelEndOk() { m_eIconOptions = m_wndIconOptions.GetCurSel(); }

LRESULT QELCustomizeDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HELP && lParam != 0 && m_pfnSuper != nullptr) {
        auto* pInfo = reinterpret_cast<const HELPINFO*>(lParam);
        if (pInfo->iCtrlId != IDC_TEXTOPTIONS && pInfo->iCtrlId != IDC_ICONOPTIONS)
            return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
