// QELCustomizeDialog: the toolbar control's own customize dialog, caught as it
// is created and subclassed, with an options panel for the text and icon
// options added below its controls.
//
// It wraps a window the control makes and owns; the object lives only for one
// customization (QELToolbar::OnCustomize makes and deletes it).
#pragma once
#include "QELToolbar.h"

class QELCustomizeDialog : public CWnd
{
    DECLARE_DYNAMIC(QELCustomizeDialog)
public:
    QELCustomizeDialog(QELToolbar* pToolbar, int eTextOptions, int eIconOptions);
    ~QELCustomizeDialog() override;

    // Records the option and shows it in its box when the box exists.
    void SelectTextOptions(int n);
    void SelectIconOptions(int n);

    QELToolbar* m_pToolbar;
    CComboBox m_wndIconOptions;  // id 1001
    CComboBox m_wndTextOptions;  // id 1000
    CStatic m_wndIconLabel;
    CStatic m_wndTextLabel;
    int m_eTextOptions;
    int m_eIconOptions;

    // Control ids of the panel.
    enum { IDC_TEXTOPTIONS = 1000, IDC_ICONOPTIONS = 1001 };

protected:
    // Help for the dialog's own controls comes from the control's dialog
    // procedure; help for the two boxes takes the usual route.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam);
    void OnTextOptionsSelEndOk();
    void OnIconOptionsSelEndOk();
    DECLARE_MESSAGE_MAP()

private:
    // One panel control: created, given the dialog's font, then placed at
    // (x, y, cx, cy) dialog units below the client area.
    BOOL PlaceControl(CWnd& wnd, const CRect& rcClient, HFONT hFont, int x, int y, int cx, int cy);
};
