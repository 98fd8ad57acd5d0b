#include "QELAboutDlg.h"
#include "QELDpi.h"
#include "ZUZIVU70Resources.h"

BEGIN_MESSAGE_MAP(QELAboutDlg, CDialog)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

QELAboutDlg::QELAboutDlg(CWnd* pParent) : CDialog(IDD_QEL_ABOUT, pParent) {}

void QELAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    // The links keep the template's texts and open them when clicked.
    DDX_Control(pDX, IDC_QEL_ABOUT_WEB, m_webLink);
    DDX_Control(pDX, IDC_QEL_ABOUT_PRODUCT, m_productLine);
    DDX_Control(pDX, IDC_QEL_ABOUT_MAIL, m_mailLink);
    DDX_Text(pDX, IDC_QEL_ABOUT_PRODUCT, m_strProduct);
    DDX_Text(pDX, IDC_QEL_ABOUT_NAME, m_strName);
    DDX_Text(pDX, IDC_QEL_ABOUT_COMPANY, m_strCompany);
}

BOOL QELAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_productLine.SetFontBold(TRUE);
    SetWindowText("About " + m_strProduct);
    ScaleBanner();
    return TRUE;
}

void QELAboutDlg::ScaleBanner()
{
    const int nDpi = qel_dpi::DpiOf(m_hWnd);
    if (nDpi == qel_dpi::kBaseDpi)
        return;
    // The banner is the template's only bitmap static.
    HWND hBanner = nullptr;
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        char szClass[16] = "";
        ::GetClassNameA(hChild, szClass, sizeof(szClass));
        if (lstrcmpiA(szClass, "Static") == 0 && (::GetWindowLongA(hChild, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) {
            hBanner = hChild;
            break;
        }
    }
    HBITMAP hBitmap = hBanner != nullptr ? (HBITMAP)::SendMessageA(hBanner, STM_GETIMAGE, IMAGE_BITMAP, 0) : nullptr;
    BITMAP bm = {};
    if (hBitmap == nullptr || ::GetObjectA(hBitmap, sizeof(bm), &bm) == 0 || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return;
    const int cx = qel_dpi::Scale(bm.bmWidth, nDpi), cy = qel_dpi::Scale(bm.bmHeight, nDpi);
    // Smoothly stretched: a picture enlarged pixel by pixel would look blocky.
    HDC hScreen = ::GetDC(nullptr);
    HDC hFrom = ::CreateCompatibleDC(hScreen);
    HDC hTo = ::CreateCompatibleDC(hScreen);
    HBITMAP hScaled = ::CreateCompatibleBitmap(hScreen, cx, cy);
    if (hFrom != nullptr && hTo != nullptr && hScaled != nullptr) {
        HGDIOBJ hOldFrom = ::SelectObject(hFrom, hBitmap);
        HGDIOBJ hOldTo = ::SelectObject(hTo, hScaled);
        ::SetStretchBltMode(hTo, HALFTONE);
        ::SetBrushOrgEx(hTo, 0, 0, nullptr);
        ::StretchBlt(hTo, 0, 0, cx, cy, hFrom, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
        ::SelectObject(hFrom, hOldFrom);
        ::SelectObject(hTo, hOldTo);
        // The static's own bitmap is set back when the box closes.
        ::SendMessageA(hBanner, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hScaled);
        m_hBanner = hBanner;
        m_hTemplateBanner = hBitmap;
        m_hScaledBanner = hScaled;
        hScaled = nullptr;
    }
    if (hScaled != nullptr)
        ::DeleteObject(hScaled);
    if (hFrom != nullptr)
        ::DeleteDC(hFrom);
    if (hTo != nullptr)
        ::DeleteDC(hTo);
    ::ReleaseDC(nullptr, hScreen);
}

void QELAboutDlg::OnDestroy()
{
    // The children still exist: the banner gets the bitmap it loaded back,
    // so it ends as it would have, and ours goes.
    if (m_hScaledBanner != nullptr) {
        if (::IsWindow(m_hBanner))
            ::SendMessageA(m_hBanner, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)m_hTemplateBanner);
        ::DeleteObject(m_hScaledBanner);
        m_hScaledBanner = nullptr;
        m_hBanner = nullptr;
    }
    // The platform's static does not always release a bitmap it loaded: it is
    // taken out of the static first, so that no control is left drawing a
    // deleted bitmap and none deletes it a second time.
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        char szClass[16] = {};
        ::GetClassNameA(hChild, szClass, sizeof(szClass));
        if (lstrcmpiA(szClass, "Static") != 0 || (::GetWindowLongA(hChild, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP)
            continue;
        HGDIOBJ hBanner = reinterpret_cast<HGDIOBJ>(::SendMessageA(hChild, STM_SETIMAGE, IMAGE_BITMAP, 0));
        if (hBanner != nullptr)
            ::DeleteObject(hBanner);
    }
    CDialog::OnDestroy();
}
