// Labels and links: decorated labels in every style, hyperlinks, and the
// colour combo box driving the colour of a label.
#include "GalleryPage.h"
#include <algorithm>

namespace {
const UINT IDC_FIRST_LABEL = 400;
const UINT IDC_DETAILS_LINK = 430;
const UINT IDC_UPDATES_LINK = 431;
const UINT IDC_COLOR_COMBO = 440;

// A photograph stand-in: a sunrise over hills, painted by hand. It does not
// clip its children, so transparent labels on it show the picture through.
class CPicturePanel : public CWnd
{
public:
    BOOL CreatePanel(const CRect& rect, CWnd* pParent, UINT nID)
    {
        return Create(nullptr, "", WS_CHILD | WS_VISIBLE, rect, pParent, nID);
    }

protected:
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnPaint()
    {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        // Sky: dawn orange fading up into blue, one row band at a time.
        const int nBands = 32;
        for (int i = 0; i < nBands; ++i) {
            const int r = 40 + (255 - 40) * i / nBands;
            const int g = 70 + (160 - 70) * i / nBands;
            const int b = 150 - (150 - 90) * i / nBands;
            CRect band(rc.left, rc.top + rc.Height() * i / nBands, rc.right, rc.top + rc.Height() * (i + 1) / nBands);
            dc.FillSolidRect(&band, RGB(r, g, b));
        }
        // The sun.
        CBrush sun(RGB(255, 220, 120));
        CPen noPen(PS_NULL, 0, RGB(0, 0, 0));
        CBrush* pOldBrush = dc.SelectObject(&sun);
        CPen* pOldPen = dc.SelectObject(&noPen);
        const int cx = rc.Width() * 2 / 3, cy = rc.Height() * 2 / 3;
        const int nSun = GalleryPx(28);
        dc.Ellipse(cx - nSun, cy - nSun, cx + nSun, cy + nSun);
        // Two ranges of hills in front of it.
        CBrush farHills(RGB(70, 90, 110));
        dc.SelectObject(&farHills);
        POINT farRidge[] = { { rc.left, rc.bottom },
                             { rc.left, rc.bottom - GalleryPx(50) },
                             { rc.Width() / 4, rc.bottom - GalleryPx(85) },
                             { rc.Width() / 2, rc.bottom - GalleryPx(55) },
                             { rc.Width() * 3 / 4, rc.bottom - GalleryPx(75) },
                             { rc.right, rc.bottom - GalleryPx(45) },
                             { rc.right, rc.bottom } };
        dc.Polygon(farRidge, 7);
        CBrush nearHills(RGB(40, 70, 50));
        dc.SelectObject(&nearHills);
        POINT nearRidge[] = { { rc.left, rc.bottom },
                              { rc.left, rc.bottom - GalleryPx(25) },
                              { rc.Width() / 3, rc.bottom - GalleryPx(40) },
                              { rc.Width() * 2 / 3, rc.bottom - GalleryPx(20) },
                              { rc.right, rc.bottom - GalleryPx(35) },
                              { rc.right, rc.bottom } };
        dc.Polygon(nearRidge, 6);
        dc.SelectObject(pOldBrush);
        dc.SelectObject(pOldPen);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPicturePanel, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
END_MESSAGE_MAP()
}

class CLabelsPage : public CGalleryPage
{
public:
    BOOL OnCreatePage() override
    {
        // Like a dialog, the page paints under its children: hyperlinks draw
        // only their text, over whatever the parent painted there.
        ModifyStyle(WS_CLIPCHILDREN, 0);
        AddLabel(m_title, "Labels, links and the colour picker", Row(28), TRUE);
        NextRow(4);
        AddLabel(m_intro,
                 "Labels that paint themselves: gradient and solid backgrounds, raised and sunken 3D text, "
                 "rotated and flashing text, transparent captions over a picture, and links that open a "
                 "document, start a mail or tell the application. Below them, hyperlinks with hover and "
                 "visited colours, and a colour picker that colours a label.",
                 Row(34));
        NextRow(10);

        // Left column: a banner, 3D headings and flashing labels. Right of
        // them, a rotated label and a picture with transparent captions.
        const int nTop = m_nRowTop;
        // An en dash where the ANSI code page has one (96 in 1252; not in Shift-JIS, where 96 is a lead byte).
        Attach(m_banner,
               GalleryAnsi(L"  Quarterly sales review \u2013 third quarter 2024",
                           L"  Quarterly sales review - third quarter 2024"),
               SS_LEFT | SS_CENTERIMAGE, Row(34, 430));
        LOGFONT lf = FontOf(PageFont());
        lf.lfHeight = lf.lfHeight * 3 / 2;
        lf.lfWeight = FW_BOLD;
        m_banner.SetFont(lf).SetTextColor(RGB(255, 255, 255));
        m_banner.SetBkColor(RGB(16, 40, 110), RGB(120, 180, 240), QELStatic::GradientFill);
        NextRow(6);

        Attach(m_embossed, "Embossed heading", SS_CENTER | SS_CENTERIMAGE, Row(32, 212));
        m_embossed.SetFontName("Tahoma").SetFontSize(12).SetFontBold(TRUE);
        m_embossed.SetTextColor(RGB(110, 110, 110)).SetBkColor(RGB(200, 200, 200));
        m_embossed.SetText3DHiliteColor(RGB(255, 255, 255)).SetFont3D(TRUE, QELStatic::Embossed);
        Attach(m_engraved, "Engraved heading", SS_CENTER | SS_CENTERIMAGE, RowAt(230, 32, 212));
        m_engraved.SetFontName("Tahoma").SetFontSize(12).SetFontBold(TRUE);
        m_engraved.SetTextColor(RGB(70, 70, 70)).SetBkColor(RGB(200, 200, 200));
        m_engraved.SetText3DHiliteColor(RGB(250, 250, 250)).SetFont3D(TRUE, QELStatic::Engraved);
        NextRow(6);

        // Flashing: the text, and the background.
        Attach(m_alarm, "Backup server: OFFLINE", SS_CENTER | SS_CENTERIMAGE, Row(26, 212));
        m_alarm.SetFontBold(TRUE).SetTextColor(RGB(190, 0, 0)).SetBkColor(RGB(255, 245, 200)).SetSunken(TRUE);
        m_alarm.FlashText(TRUE);
        Attach(m_messages, "3 new messages", SS_CENTER | SS_CENTERIMAGE, RowAt(230, 26, 212));
        m_messages.SetFontBold(TRUE).SetTextColor(RGB(0, 60, 0)).SetBkColor(RGB(170, 230, 170)).SetSunken(TRUE);
        m_messages.FlashBackground(TRUE);

        Attach(m_rotated, "DRAFT", SS_CENTER, Px(CRect(460, nTop, 580, nTop + 118)));
        m_rotated.SetFontName("Tahoma").SetFontSize(14).SetFontBold(TRUE);
        m_rotated.SetTextColor(RGB(160, 30, 30)).SetBkColor(RGB(255, 250, 235)).SetBorder(TRUE);
        m_rotated.SetRotationAngle(35, TRUE);

        m_picture.CreatePanel(Px(CRect(596, nTop, 836, nTop + 118)), this, IDC_FIRST_LABEL + 20);
        AttachTo(m_pictureCaption, &m_picture, "Lake Tahoe at sunrise", SS_LEFTNOWORDWRAP, Px(CRect(8, 6, 232, 26)));
        m_pictureCaption.SetFontBold(TRUE).SetFontSize(10).SetTextColor(RGB(255, 255, 255)).SetTransparent(TRUE);
        AttachTo(m_pictureCredit, &m_picture, "Photo: M. Keller, 2023", SS_RIGHT, Px(CRect(8, 96, 232, 114)));
        m_pictureCredit.SetTextColor(RGB(230, 235, 240)).SetTransparent(TRUE);
        // The next row starts below whichever column ends lower.
        m_nRowHeight = std::max(m_nRowHeight, nTop + 118 - m_nRowTop);
        NextRow(14);

        // Links made of labels.
        AddLabel(m_linksHeading, "Links", Row(18), TRUE);
        NextRow(2);
        HCURSOR hHand = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));  // IDC_HAND
        Attach(m_docLink, "Release notes (opens in the browser)", SS_LEFT | WS_TABSTOP, Row(18, 260));
        m_docLink.SetFontUnderline(TRUE).SetTextColor(RGB(0, 0, 200));
        m_docLink.SetHyperLink("https://www.example.com/zuzivu70/release-notes.html");
        m_docLink.SetLink(TRUE).SetLinkCursor(hHand);
        Attach(m_mailLink, "support@example.com", SS_LEFT | WS_TABSTOP, RowAt(290, 18, 170));
        m_mailLink.SetFontUnderline(TRUE).SetTextColor(RGB(0, 0, 200));
        m_mailLink.SetMailLink(TRUE).SetLinkCursor(hHand);
        Attach(m_detailsLink, "Show the order details", SS_LEFT | WS_TABSTOP, RowAt(480, 18, 160), IDC_DETAILS_LINK);
        m_detailsLink.SetFontUnderline(TRUE).SetTextColor(RGB(120, 0, 120));
        m_detailsLink.SetLink(TRUE, TRUE).SetLinkCursor(hHand);
        NextRow(6);

        // Hyperlinks.
        AttachLink(m_homeLink, "www.example.com", Row(18, 150), IDC_FIRST_LABEL + 30);
        m_homeLink.SetLinkUrl("https://www.example.com/");
        m_homeLink.ActiveToolTip(1);
        m_homeLink.SetTootTipText("Opens the product home page");
        AttachLink(m_feedbackLink, "feedback@example.com", RowAt(180, 18, 170), IDC_FIRST_LABEL + 31);
        m_feedbackLink.SetHoverColor(RGB(200, 100, 0));
        AttachLink(m_updatesLink, "Check for updates", RowAt(380, 18, 130), IDC_UPDATES_LINK);
        m_updatesLink.SetFireChild(1);
        AddLabel(m_status, "Links that tell the application report here.", RowAt(530, 18, 330));
        NextRow(12);

        // The colour picker drives a sample label.
        AddLabel(m_pickerHeading, "Colour picker", Row(18), TRUE);
        NextRow(2);
        HWND hCombo = ::CreateWindowExA(0, "COMBOBOX", "",
                                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST |
                                            CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                                        Px(12), Px(m_nRowTop), Px(180), Px(300), m_hWnd,
                                        (HMENU)(UINT_PTR)IDC_COLOR_COMBO, AfxGetInstanceHandle(), nullptr);
        ::SendMessageA(hCombo, WM_SETFONT, (WPARAM)PageFont()->GetSafeHandle(), FALSE);
        m_colors.SubclassWindow(hCombo);
        m_nRowHeight = 24;
        Attach(m_sample, "The quick brown fox jumps over the lazy dog", SS_LEFT | SS_CENTERIMAGE, RowAt(206, 24, 400));
        m_sample.SetFontSize(12).SetFontItalic(TRUE).SetBkColor(RGB(255, 255, 255)).SetBorder(TRUE);
        m_colors.SetColor(RGB(0, 127, 0));
        OnColorChange();
        NextRow();
        return TRUE;
    }

    // Tab and Shift+Tab move among the page's links and the colour picker
    // as in a dialog; Enter and Space reach the focused link as they are.
    // Only Tab goes to the dialog manager: it would take every other key
    // past the frame's accelerators (Ctrl+Tab turns the page).
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB && ::GetKeyState(VK_CONTROL) >= 0 &&
            ::GetKeyState(VK_MENU) >= 0 && ::IsChild(m_hWnd, pMsg->hwnd) && ::IsDialogMessageA(m_hWnd, pMsg))
            return TRUE;
        return CGalleryPage::PreTranslateMessage(pMsg);
    }

    void PrepareScreenshot() override
    {
        // Show the link under the mouse, so the hover colour is in the picture.
        m_feedbackLink.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    }

protected:
    void OnColorChange() { m_sample.SetTextColor(m_colors.GetColor()); }

    void OnDetails(NMHDR*, LRESULT* pResult)
    {
        m_status.SetWindowText("Order 2024-0815: 3 items, shipped on 12 September.");
        *pResult = 0;
    }

    LRESULT OnHyperlinkClicked(WPARAM wParam, LPARAM)
    {
        if (wParam == IDC_UPDATES_LINK)
            m_status.SetWindowText("Version 7.0.3 is the latest: no updates available.");
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    static LOGFONT FontOf(CFont* pFont)
    {
        LOGFONT lf = {};
        pFont->GetLogFont(&lf);
        return lf;
    }

    // A static control as a dialog would have it (with the page's font),
    // then attached to its label object.
    HWND MakeStatic(CWnd* pParent, LPCSTR lpszText, DWORD dwStyle, const CRect& rc, UINT nID)
    {
        HWND hWnd =
            ::CreateWindowExA(0, "STATIC", lpszText, WS_CHILD | WS_VISIBLE | dwStyle, rc.left, rc.top, rc.Width(),
                              rc.Height(), pParent->m_hWnd, (HMENU)(UINT_PTR)nID, AfxGetInstanceHandle(), nullptr);
        ::SendMessageA(hWnd, WM_SETFONT, (WPARAM)PageFont()->GetSafeHandle(), FALSE);
        return hWnd;
    }
    void Attach(QELStatic& label, LPCSTR lpszText, DWORD dwStyle, const CRect& rc, UINT nID = 0)
    {
        AttachTo(label, this, lpszText, dwStyle, rc, nID);
    }
    void AttachTo(QELStatic& label, CWnd* pParent, LPCSTR lpszText, DWORD dwStyle, const CRect& rc, UINT nID = 0)
    {
        label.SubclassWindow(MakeStatic(pParent, lpszText, dwStyle, rc, nID != 0 ? nID : m_nNextId++));
    }
    void AttachLink(QELHyperlink& link, LPCSTR lpszText, const CRect& rc, UINT nID)
    {
        // Tab stops: Tab reaches the links, Enter or Space opens them.
        link.SubclassWindow(MakeStatic(this, lpszText, SS_LEFT | WS_TABSTOP, rc, nID));
    }

    UINT m_nNextId = IDC_FIRST_LABEL;
    CStatic m_title, m_intro, m_linksHeading, m_pickerHeading, m_status;
    QELStatic m_banner, m_rotated, m_embossed, m_engraved, m_alarm, m_messages;
    CPicturePanel m_picture;
    QELStatic m_pictureCaption, m_pictureCredit;
    QELStatic m_docLink, m_mailLink, m_detailsLink;
    QELHyperlink m_homeLink, m_feedbackLink, m_updatesLink;
    QELColorComboBox m_colors;
    QELStatic m_sample;
};

BEGIN_MESSAGE_MAP(CLabelsPage, CGalleryPage)
    ON_CBN_SELCHANGE(IDC_COLOR_COMBO, OnColorChange)
    ON_NOTIFY(QELN_LINKCLICKED, IDC_DETAILS_LINK, OnDetails)
    ON_MESSAGE(QELM_HYPERLINKCLICKED, OnHyperlinkClicked)
END_MESSAGE_MAP()

GALLERY_PAGE(CLabelsPage, "Labels and links", 40)
