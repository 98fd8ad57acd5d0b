// QELToolbar painting: flat one-pixel borders in the non-client area, the
// face behind embedded controls, and hot buttons drawn as a silhouette.
#include "QELToolbar.h"
#include "QELToolbarParts.h"
#include "QELDpi.h"

namespace {
bool IsFlat(QELToolbar* pBar) { return (pBar->SendMessage(TB_GETSTYLE) & TBSTYLE_FLAT) != 0; }

// A one-pixel border at 96 DPI, as thick as the bar's DPI makes a pixel.
int BorderWidth(CWnd* pBar) { return qel_dpi::Scale(1, qel_dpi::DpiOf(pBar->GetSafeHwnd())); }

// The rows of each line of the etched top line: a border's width, as far as
// the room above the client area holds both lines.
int EtchedRows(CWnd* pBar)
{
    CRect rectClient;
    pBar->GetClientRect(&rectClient);
    pBar->ClientToScreen(&rectClient);
    CRect rectWindow;
    pBar->GetWindowRect(&rectWindow);
    int nRoom = (rectClient.top - rectWindow.top) / 2;
    int nRows = BorderWidth(pBar);
    return nRows < nRoom ? nRows : (nRoom > 1 ? nRoom : 1);
}

// Every pixel of rect in the face colour becomes 7 % darker, every other one the
// shadow colour. The pixels are worked on in a copy of 32 bits a pixel and
// copied back at once: a read and a write through the device context for each
// pixel were two calls into GDI apiece, the bulk of a whole bar's repaint.
// Outside the context's clipping region nothing is written, as before.
void DrawSilhouette(HDC hDC, const CRect& rect, COLORREF clrFace, COLORREF clrShadow)
{
    const int cx = rect.Width(), cy = rect.Height();
    if (cx <= 0 || cy <= 0)
        return;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HBITMAP hCopy = ::CreateDIBSection(hDC, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HDC hMemDC = hCopy != nullptr ? ::CreateCompatibleDC(hDC) : nullptr;
    if (hMemDC == nullptr) {
        if (hCopy != nullptr)
            ::DeleteObject(hCopy);
        return;
    }
    HGDIOBJ hOld = ::SelectObject(hMemDC, hCopy);
    ::BitBlt(hMemDC, 0, 0, cx, cy, hDC, rect.left, rect.top, SRCCOPY);
    ::GdiFlush();
    // A 32-bit pixel is 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
    auto toPixel = [](COLORREF c) -> DWORD {
        return (DWORD)GetBValue(c) | (DWORD)GetGValue(c) << 8 | (DWORD)GetRValue(c) << 16;
    };
    const float fDarken = 0.07f;
    int r = GetRValue(clrFace), g = GetGValue(clrFace), b = GetBValue(clrFace);
    r -= (int)(r * fDarken);
    g -= (int)(g * fDarken);
    b -= (int)(b * fDarken);
    const DWORD face = toPixel(clrFace), darker = toPixel(RGB(r, g, b)), shadow = toPixel(clrShadow);
    DWORD* pPixel = static_cast<DWORD*>(pBits);
    // A face colour with flags in its high byte is no pixel's colour: then every pixel is shadow.
    const bool bFaceIsColour = (clrFace & 0xFF000000) == 0;
    for (size_t i = 0, n = (size_t)cx * (size_t)cy; i < n; ++i)
        pPixel[i] = bFaceIsColour && (pPixel[i] & 0x00FFFFFF) == face ? darker : shadow;
    ::BitBlt(hDC, rect.left, rect.top, cx, cy, hMemDC, 0, 0, SRCCOPY);
    ::SelectObject(hMemDC, hOld);
    ::DeleteDC(hMemDC);
    ::DeleteObject(hCopy);
}
}

void QELToolbar::OnPaint()
{
    CToolBar::OnPaint();
    // The control leaves the places of embedded controls unpainted: they get
    // the face colour, and the controls repaint over it at once.
    for (int i = 0; i < m_pParts->ButtonCount(); i++) {
        TBBUTTON button;
        if (!DefWindowProc(TB_GETBUTTON, (WPARAM)i, (LPARAM)&button))
            continue;
        if (!(button.fsStyle & TBSTYLE_SEP) || button.idCommand == 0)
            continue;
        CRect rect;
        if (!DefWindowProc(TB_GETITEMRECT, (WPARAM)i, (LPARAM)&rect))
            continue;
        CClientDC dc(this);
        dc.FillSolidRect(&rect, m_clrBtnFace);
        HWND hControl = ::GetDlgItem(m_hWnd, button.idCommand);
        if (hControl != nullptr)
            ::RedrawWindow(hControl, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

void QELToolbar::DrawNonClientBorders(CDC* pDC, CRect& rect)
{
    if (!IsFlat(this)) {
        CToolBar::DrawNonClientBorders(pDC, rect);
        return;
    }
    Draw3DBorders(pDC, rect);
    // A bar that never docks keeps its etched top line (rows 0 and 1) out of
    // the background.
    if (m_pDockContext == nullptr)
        pDC->ExcludeClipRect(0, 0, rect.right, 2 * EtchedRows(this));
}

void QELToolbar::Draw3DBorders(CDC* pDC, CRect& rect)
{
    if (pDC == nullptr)
        return;
    if (!IsFlat(this)) {
        DrawBorders(pDC, rect);
        return;
    }
    DWORD dwStyle = m_dwStyle;
    if (!(dwStyle & CBRS_BORDER_ANY))
        return;

    COLORREF clr = (dwStyle & CBRS_BORDER_3D) ? m_clrBtnHilight : m_clrBtnShadow;
    const int t = BorderWidth(this);
    int h = rect.Height();
    int w = rect.Width();
    if (dwStyle & CBRS_BORDER_LEFT)
        pDC->FillSolidRect(0, 0, t, h - t, clr);
    if (dwStyle & CBRS_BORDER_TOP)
        pDC->FillSolidRect(0, 0, w - t, t, clr);
    // What the last fill left as the background colour (the border colour,
    // or the context's own) goes under everything.
    pDC->FillSolidRect(0, rect.top, rect.right, rect.Height(), ::GetBkColor(pDC->GetSafeHdc()));
    if (dwStyle & CBRS_BORDER_RIGHT)
        pDC->FillSolidRect(rect.right - t, t, t, h - t, m_clrBtnShadow);
    if (dwStyle & CBRS_BORDER_BOTTOM)
        pDC->FillSolidRect(0, rect.bottom - t, w - t, t, m_clrBtnShadow);
    // A bar that never docks sits under the menu: an etched line at its top.
    if (m_pDockContext == nullptr) {
        const int e = EtchedRows(this);
        pDC->FillSolidRect(0, 0, w, e, m_clrBtnShadow);
        pDC->FillSolidRect(0, e, w, e, m_clrBtnHilight);
    }

    DeflateByBorders(rect, t);
}

void QELToolbar::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    if (pResult == nullptr)
        return;
    *pResult = CDRF_DODEFAULT;
    if (pNMHDR == nullptr)
        return;
    auto* pDraw = reinterpret_cast<NMTBCUSTOMDRAW*>(pNMHDR);
    if (pDraw->nmcd.dwDrawStage == CDDS_PREPAINT) {
        *pResult = CDRF_NOTIFYITEMDRAW;
        return;
    }
    if (pDraw->nmcd.dwDrawStage != CDDS_ITEMPREPAINT || !(pDraw->nmcd.uItemState & CDIS_HOT))
        return;

    CDC* pDC = CDC::FromHandle(pDraw->nmcd.hdc);
    CRect rect(pDraw->nmcd.rc);
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof(TBBUTTONINFOA);
    info.dwMask = TBIF_IMAGE;
    DefWindowProc(TB_GETBUTTONINFOA, (WPARAM)pDraw->nmcd.dwItemSpec, (LPARAM)&info);

    // The image, shifted into the button ...
    if (m_hbmImageWell != nullptr && info.iImage >= 0) {
        HDC hMemDC = ::CreateCompatibleDC(pDC->GetSafeHdc());
        HGDIOBJ hOld = ::SelectObject(hMemDC, m_hbmImageWell);
        const int nDpi = qel_dpi::DpiOf(m_hWnd);
        ::BitBlt(pDC->GetSafeHdc(), rect.left + qel_dpi::Scale(6, nDpi), rect.top + qel_dpi::Scale(4, nDpi),
                 m_sizeImage.cx, m_sizeImage.cy, hMemDC, m_sizeImage.cx * info.iImage, 0, SRCCOPY);
        ::SelectObject(hMemDC, hOld);
        ::DeleteDC(hMemDC);
    }
    // ... as a shadow silhouette on a face 7 % darker ...
    DrawSilhouette(pDC->GetSafeHdc(), CRect(rect.left + 1, rect.top + 1, rect.right, rect.bottom), m_clrBtnFace,
                   m_clrBtnShadow);
    // ... in a shadow outline; the control draws nothing else for it.
    pDC->Draw3dRect(&rect, m_clrBtnShadow, m_clrBtnShadow);
    *pResult = CDRF_SKIPDEFAULT;
}
