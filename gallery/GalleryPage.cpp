#include "GalleryPage.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CGalleryPage, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

int GalleryDpi()
{
    static const int nDpi = [] {
        HDC hDC = ::GetDC(nullptr);
        int n = hDC != nullptr ? ::GetDeviceCaps(hDC, LOGPIXELSY) : 0;
        if (hDC != nullptr)
            ::ReleaseDC(nullptr, hDC);
        return n > 0 ? n : 96;
    }();
    return nDpi;
}

int GalleryPx(int nUnits) { return ::MulDiv(nUnits, GalleryDpi(), 96); }

CRect CGalleryPage::Px(const CRect& rcUnits)
{
    return CRect(GalleryPx(rcUnits.left), GalleryPx(rcUnits.top), GalleryPx(rcUnits.right), GalleryPx(rcUnits.bottom));
}

std::vector<GalleryPageInfo>& GalleryPages()
{
    static std::vector<GalleryPageInfo> pages;
    return pages;
}

GalleryPageRegistration::GalleryPageRegistration(const char* name, int order, std::function<CGalleryPage*()> create)
{
    auto& pages = GalleryPages();
    pages.push_back({ name, order, std::move(create) });
    std::stable_sort(pages.begin(), pages.end(), [](const auto& a, const auto& b) { return a.order < b.order; });
}

CString GalleryAnsi(const wchar_t* text, const wchar_t* fallback)
{
    BOOL bLacking = FALSE;
    const int nBytes = ::WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, &bLacking);
    if (bLacking && fallback != nullptr)
        return GalleryAnsi(fallback);
    CString str;
    if (nBytes > 1) {
        ::WideCharToMultiByte(CP_ACP, 0, text, -1, str.GetBuffer(nBytes), nBytes, nullptr, nullptr);
        str.ReleaseBuffer(nBytes - 1);
    }
    return str;
}

namespace {
int CALLBACK TakeFirstFace(const LOGFONTA* pFont, const TEXTMETRICA*, DWORD, LPARAM lParam)
{
    // Faces named with '@' are the vertical forms of East Asian fonts.
    if (pFont->lfFaceName[0] == '@')
        return 1;
    lstrcpynA(reinterpret_cast<LOGFONTA*>(lParam)->lfFaceName, pFont->lfFaceName, LF_FACESIZE);
    return 0;
}
}

void CGalleryPage::UseFaceOfAnsiCodePage(LOGFONTA& lf)
{
    // Where the ANSI code page is a Chinese, Japanese or Korean one, the pages' texts need a
    // face with its characters: the default one may have none (Wine's has none). The first
    // face the system has for the code page's character set, if there is one.
    CHARSETINFO info = {};
    if (!::TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<UINT_PTR>(::GetACP())), &info, TCI_SRCCODEPAGE))
        return;
    const BYTE nCharSet = static_cast<BYTE>(info.ciCharset);
    if (nCharSet != SHIFTJIS_CHARSET && nCharSet != GB2312_CHARSET && nCharSet != HANGUL_CHARSET &&
        nCharSet != CHINESEBIG5_CHARSET)
        return;
    LOGFONTA wanted = {};
    wanted.lfCharSet = nCharSet;
    HDC hDC = ::GetDC(nullptr);
    ::EnumFontFamiliesExA(hDC, &wanted, TakeFirstFace, reinterpret_cast<LPARAM>(&wanted), 0);
    ::ReleaseDC(nullptr, hDC);
    if (wanted.lfFaceName[0] == '\0')
        return;
    lstrcpynA(lf.lfFaceName, wanted.lfFaceName, LF_FACESIZE);
    lf.lfCharSet = nCharSet;
}

BOOL CGalleryPage::CreatePage(CWnd* pParent, const CRect& rect, UINT nID)
{
    LOGFONTA lf = {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    UseFaceOfAnsiCodePage(lf);
    m_font.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    lf.lfHeight = lf.lfHeight * 3 / 2;
    m_titleFont.CreateFontIndirect(&lf);
    if (!Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect, pParent, nID))
        return FALSE;
    // A new child goes to the bottom of its siblings, under the tab strip that
    // covers the whole frame: the strip would then paint its white body over
    // the page whenever it repaints, leaving only the labels' own background
    // (grey boxes on white). On top, the page is clipped out of the strip.
    ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return OnCreatePage();
}

CRect CGalleryPage::Row(int nHeight, int nWidth)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    if (nWidth < 0)
        nWidth = ::MulDiv(rcClient.Width(), 96, GalleryDpi()) - 24;
    m_nRowHeight = std::max(m_nRowHeight, nHeight);
    return Px(CRect(12, m_nRowTop, 12 + nWidth, m_nRowTop + nHeight));
}

CRect CGalleryPage::RowAt(int x, int nHeight, int nWidth)
{
    m_nRowHeight = std::max(m_nRowHeight, nHeight);
    return Px(CRect(x, m_nRowTop, x + nWidth, m_nRowTop + nHeight));
}

CRect CGalleryPage::Beside(int x, int nWidth, int nHeight)
{
    CRect rc = RowAt(x, nHeight, nWidth);
    rc.OffsetRect(0, Px(4));
    return rc;
}

void CGalleryPage::AddButton(CButton& button, LPCSTR lpszText, UINT nID, int& x, int nWidth)
{
    button.Create(lpszText, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, RowAt(x, 24, nWidth), this, nID);
    button.SetFont(PageFont());
    x += nWidth + 6;
}

void CGalleryPage::NextRow(int nGap)
{
    m_nRowTop += m_nRowHeight + nGap;
    m_nRowHeight = 0;
}

CFont* CGalleryPage::PageFont() { return &m_font; }
CFont* CGalleryPage::TitleFont() { return &m_titleFont; }

void CGalleryPage::AddLabel(CStatic& label, LPCSTR lpszText, const CRect& rect, BOOL bTitle)
{
    label.Create(lpszText, WS_CHILD | WS_VISIBLE | SS_LEFT, rect, this);
    label.SetFont(bTitle ? &m_titleFont : &m_font);
}

BOOL CGalleryPage::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

HBRUSH CGalleryPage::OnCtlColor(CDC* pDC, CWnd*, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_STATIC) {
        pDC->SetBkColor(::GetSysColor(COLOR_BTNFACE));
        return ::GetSysColorBrush(COLOR_BTNFACE);
    }
    return (HBRUSH)Default();
}
