// The about box of QELGUIUtils::About (template 5001): the banner, the product
// line in bold, two links and the name and company lines.
#pragma once
#include "QELHyperlink.h"
#include "QELStatic.h"

class QELAboutDlg : public CDialog
{
public:
    explicit QELAboutDlg(CWnd* pParent = nullptr);

    // ----- record ------------------------------------------------------------------------
    QELHyperlink m_webLink;
    QELStatic m_productLine;
    QELHyperlink m_mailLink;
    CString m_strCompany;
    CString m_strName;
    CString m_strProduct;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // The banner the template's static control loaded goes with the box: the
    // platform's static control does not always release a bitmap it loaded.
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    // The banner at the box's DPI, when it is not 96: the template's bitmap
    // is 270 × 102 pixels, drawn for 96 DPI. Ours; the static gets its own
    // bitmap back before it goes, and ours is deleted.
    void ScaleBanner();
    HWND m_hBanner = nullptr;
    HBITMAP m_hTemplateBanner = nullptr;
    HBITMAP m_hScaledBanner = nullptr;
};
