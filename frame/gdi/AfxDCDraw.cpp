// CDC: lines, shapes, rectangles, regions, bitmaps, pixels, icons and state drawing.
#include "AfxDC.h"
#include "AfxDCAttrib.h"

using namespace afx_dc;

// ----- lines and shapes -------------------------------------------------------------------

CPoint CDC::GetCurrentPosition() const
{
    POINT pt{};
    if (m_hAttribDC != nullptr)
        ::GetCurrentPositionEx(m_hAttribDC, &pt);
    return CPoint(pt.x, pt.y);
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT pt{};
    SetOnBoth(m_hDC, m_hAttribDC, FALSE, [&](HDC h) { return ::MoveToEx(h, x, y, &pt); });
    return CPoint(pt.x, pt.y);
}

CPoint CDC::MoveTo(POINT point) { return MoveTo(point.x, point.y); }

BOOL CDC::LineTo(int x, int y)
{
    // The attribute DC follows the pen so that GetCurrentPosition stays true.
    if (m_hAttribDC != nullptr && !AfxIsSameHandle(m_hAttribDC, m_hDC))
        ::MoveToEx(m_hAttribDC, x, y, nullptr);
    return m_hDC != nullptr && ::LineTo(m_hDC, x, y);
}

BOOL CDC::LineTo(POINT point) { return LineTo(point.x, point.y); }

BOOL CDC::Polyline(const POINT* lpPoints, int nCount)
{
    return m_hDC != nullptr && lpPoints != nullptr && nCount > 0 && ::Polyline(m_hDC, lpPoints, nCount);
}

BOOL CDC::Polygon(const POINT* lpPoints, int nCount)
{
    return m_hDC != nullptr && lpPoints != nullptr && nCount > 0 && ::Polygon(m_hDC, lpPoints, nCount);
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) { return m_hDC != nullptr && ::Rectangle(m_hDC, x1, y1, x2, y2); }

BOOL CDC::Rectangle(LPCRECT lpRect)
{
    return lpRect != nullptr && Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2) { return m_hDC != nullptr && ::Ellipse(m_hDC, x1, y1, x2, y2); }

BOOL CDC::Ellipse(LPCRECT lpRect)
{
    return lpRect != nullptr && Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return m_hDC != nullptr && ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
}

BOOL CDC::RoundRect(LPCRECT lpRect, POINT point)
{
    return lpRect != nullptr && RoundRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, point.x, point.y);
}

BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return m_hDC != nullptr && ::Arc(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return m_hDC != nullptr && ::Pie(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

// ----- rectangles and regions ----------------------------------------------------------------

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    HGDIOBJ hBrush = pBrush->GetSafeHandle();
    if (m_hDC != nullptr && lpRect != nullptr && hBrush != nullptr)
        ::FillRect(m_hDC, lpRect, static_cast<HBRUSH>(hBrush));
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    HGDIOBJ hBrush = pBrush->GetSafeHandle();
    if (m_hDC != nullptr && lpRect != nullptr && hBrush != nullptr)
        ::FrameRect(m_hDC, lpRect, static_cast<HBRUSH>(hBrush));
}

void CDC::InvertRect(LPCRECT lpRect)
{
    if (m_hDC != nullptr && lpRect != nullptr)
        ::InvertRect(m_hDC, lpRect);
}

void CDC::DrawFocusRect(LPCRECT lpRect)
{
    if (m_hDC != nullptr && lpRect != nullptr)
        ::DrawFocusRect(m_hDC, lpRect);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    if (m_hDC == nullptr || lpRect == nullptr)
        return;
    // An opaque empty text is the cheapest solid fill GDI has: no brush to make.
    RECT rc = Normalized(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rc = { x, y, x + cx, y + cy };
    FillSolidRect(&rc, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    if (lpRect != nullptr)
        Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, clrTopLeft,
                   clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    // Top and left stop one pixel short; right and bottom are drawn last and
    // own the two corners where the colours meet.
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
{
    return m_hDC != nullptr && lpRect != nullptr && ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
}

BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState)
{
    return m_hDC != nullptr && lpRect != nullptr && ::DrawFrameControl(m_hDC, lpRect, nType, nState);
}

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush)
{
    HGDIOBJ hRgn = pRgn->GetSafeHandle();
    HGDIOBJ hBrush = pBrush->GetSafeHandle();
    return m_hDC != nullptr && hRgn != nullptr && hBrush != nullptr &&
           ::FillRgn(m_hDC, static_cast<HRGN>(hRgn), static_cast<HBRUSH>(hBrush));
}

BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
{
    HGDIOBJ hRgn = pRgn->GetSafeHandle();
    HGDIOBJ hBrush = pBrush->GetSafeHandle();
    return m_hDC != nullptr && hRgn != nullptr && hBrush != nullptr &&
           ::FrameRgn(m_hDC, static_cast<HRGN>(hRgn), static_cast<HBRUSH>(hBrush), nWidth, nHeight);
}

BOOL CDC::InvertRgn(CRgn* pRgn)
{
    HGDIOBJ hRgn = pRgn->GetSafeHandle();
    return m_hDC != nullptr && hRgn != nullptr && ::InvertRgn(m_hDC, static_cast<HRGN>(hRgn));
}

BOOL CDC::PaintRgn(CRgn* pRgn)
{
    HGDIOBJ hRgn = pRgn->GetSafeHandle();
    return m_hDC != nullptr && hRgn != nullptr && ::PaintRgn(m_hDC, static_cast<HRGN>(hRgn));
}

// ----- bitmaps and pixels ------------------------------------------------------------------

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    return m_hDC != nullptr && ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    // Raster operations that ignore the source accept a null source DC.
    HDC hSrc = pSrcDC->GetSafeHdc();
    return m_hDC != nullptr && ::BitBlt(m_hDC, x, y, nWidth, nHeight, hSrc, xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    HDC hSrc = pSrcDC->GetSafeHdc();
    return m_hDC != nullptr &&
           ::StretchBlt(m_hDC, x, y, nWidth, nHeight, hSrc, xSrc, ySrc, nSrcWidth, nSrcHeight, dwRop);
}

COLORREF CDC::GetPixel(int x, int y) const { return m_hDC != nullptr ? ::GetPixel(m_hDC, x, y) : CLR_INVALID; }

COLORREF CDC::GetPixel(POINT point) const { return GetPixel(point.x, point.y); }

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
    return m_hDC != nullptr ? ::SetPixel(m_hDC, x, y, crColor) : static_cast<COLORREF>(-1);
}

COLORREF CDC::SetPixel(POINT point, COLORREF crColor) { return SetPixel(point.x, point.y, crColor); }

BOOL CDC::SetPixelV(int x, int y, COLORREF crColor) { return m_hDC != nullptr && ::SetPixelV(m_hDC, x, y, crColor); }

BOOL CDC::SetPixelV(POINT point, COLORREF crColor) { return SetPixelV(point.x, point.y, crColor); }

// ----- icons and state drawing -------------------------------------------------------------

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    return m_hDC != nullptr && hIcon != nullptr && ::DrawIcon(m_hDC, x, y, hIcon);
}

BOOL CDC::DrawIcon(POINT point, HICON hIcon) { return DrawIcon(point.x, point.y, hIcon); }

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush)
{
    return m_hDC != nullptr && hBitmap != nullptr &&
           ::DrawStateA(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hBitmap), 0, pt.x, pt.y, size.cx, size.cy,
                        nFlags | DST_BITMAP);
}

BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, static_cast<HBITMAP>(pBitmap->GetSafeHandle()), nFlags,
                     static_cast<HBRUSH>(pBrush->GetSafeHandle()));
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush)
{
    return m_hDC != nullptr && hIcon != nullptr &&
           ::DrawStateA(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hIcon), 0, pt.x, pt.y, size.cx, size.cy,
                        nFlags | DST_ICON);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, hIcon, nFlags, static_cast<HBRUSH>(pBrush->GetSafeHandle()));
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen, HBRUSH hBrush)
{
    return m_hDC != nullptr && lpszText != nullptr &&
           ::DrawStateA(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(lpszText), static_cast<WPARAM>(nTextLen), pt.x,
                        pt.y, size.cx, size.cy, nFlags | (bPrefixText ? DST_PREFIXTEXT : DST_TEXT));
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen, CBrush* pBrush)
{
    return DrawState(pt, size, lpszText, nFlags, bPrefixText, nTextLen, static_cast<HBRUSH>(pBrush->GetSafeHandle()));
}
