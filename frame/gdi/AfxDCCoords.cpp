// CDC: mapping modes, origins, extents, unit conversion and clipping.
#include "AfxDC.h"
#include "AfxDCAttrib.h"
#include <cstdlib>

using namespace afx_dc;

// ----- coordinates ---------------------------------------------------------------------

int CDC::SetMapMode(int nMapMode)
{
    return SetOnBoth(m_hDC, m_hAttribDC, 0, [nMapMode](HDC h) { return ::SetMapMode(h, nMapMode); });
}

int CDC::GetMapMode() const { return m_hAttribDC != nullptr ? ::GetMapMode(m_hAttribDC) : 0; }

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT pt{};
    SetOnBoth(m_hDC, m_hAttribDC, FALSE, [&](HDC h) { return ::SetViewportOrgEx(h, x, y, &pt); });
    return CPoint(pt.x, pt.y);
}

CPoint CDC::SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    POINT pt{};
    SetOnBoth(m_hDC, m_hAttribDC, FALSE, [&](HDC h) { return ::OffsetViewportOrgEx(h, nWidth, nHeight, &pt); });
    return CPoint(pt.x, pt.y);
}

CPoint CDC::GetViewportOrg() const
{
    POINT pt{};
    if (m_hAttribDC != nullptr)
        ::GetViewportOrgEx(m_hAttribDC, &pt);
    return CPoint(pt.x, pt.y);
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    SIZE size{};
    SetOnBoth(m_hDC, m_hAttribDC, FALSE, [&](HDC h) { return ::SetViewportExtEx(h, cx, cy, &size); });
    return CSize(size.cx, size.cy);
}

CSize CDC::SetViewportExt(SIZE size) { return SetViewportExt(size.cx, size.cy); }

CSize CDC::GetViewportExt() const
{
    SIZE size{};
    if (m_hAttribDC != nullptr)
        ::GetViewportExtEx(m_hAttribDC, &size);
    return CSize(size.cx, size.cy);
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT pt{};
    SetOnBoth(m_hDC, m_hAttribDC, FALSE, [&](HDC h) { return ::SetWindowOrgEx(h, x, y, &pt); });
    return CPoint(pt.x, pt.y);
}

CPoint CDC::SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    POINT pt{};
    SetOnBoth(m_hDC, m_hAttribDC, FALSE, [&](HDC h) { return ::OffsetWindowOrgEx(h, nWidth, nHeight, &pt); });
    return CPoint(pt.x, pt.y);
}

CPoint CDC::GetWindowOrg() const
{
    POINT pt{};
    if (m_hAttribDC != nullptr)
        ::GetWindowOrgEx(m_hAttribDC, &pt);
    return CPoint(pt.x, pt.y);
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    SIZE size{};
    SetOnBoth(m_hDC, m_hAttribDC, FALSE, [&](HDC h) { return ::SetWindowExtEx(h, cx, cy, &size); });
    return CSize(size.cx, size.cy);
}

CSize CDC::SetWindowExt(SIZE size) { return SetWindowExt(size.cx, size.cy); }

CSize CDC::GetWindowExt() const
{
    SIZE size{};
    if (m_hAttribDC != nullptr)
        ::GetWindowExtEx(m_hAttribDC, &size);
    return CSize(size.cx, size.cy);
}

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const
{
    if (m_hAttribDC != nullptr && lpPoints != nullptr && nCount > 0)
        ::DPtoLP(m_hAttribDC, lpPoints, nCount);
}

void CDC::DPtoLP(LPRECT lpRect) const { DPtoLP(reinterpret_cast<LPPOINT>(lpRect), 2); }

void CDC::DPtoLP(LPSIZE lpSize) const
{
    // A size is a magnitude: it scales with the mapping but never flips with an axis.
    if (lpSize == nullptr)
        return;
    CSize winExt = GetWindowExt();
    CSize vpExt = GetViewportExt();
    if (vpExt.cx == 0 || vpExt.cy == 0)
        return;
    lpSize->cx = ::MulDiv(lpSize->cx, std::abs(winExt.cx), std::abs(vpExt.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, std::abs(winExt.cy), std::abs(vpExt.cy));
}

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const
{
    if (m_hAttribDC != nullptr && lpPoints != nullptr && nCount > 0)
        ::LPtoDP(m_hAttribDC, lpPoints, nCount);
}

void CDC::LPtoDP(LPRECT lpRect) const { LPtoDP(reinterpret_cast<LPPOINT>(lpRect), 2); }

void CDC::LPtoDP(LPSIZE lpSize) const
{
    if (lpSize == nullptr)
        return;
    CSize winExt = GetWindowExt();
    CSize vpExt = GetViewportExt();
    if (winExt.cx == 0 || winExt.cy == 0)
        return;
    lpSize->cx = ::MulDiv(lpSize->cx, std::abs(vpExt.cx), std::abs(winExt.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, std::abs(vpExt.cy), std::abs(winExt.cy));
}

// ----- clipping ------------------------------------------------------------------------------

int CDC::GetClipBox(LPRECT lpRect) const
{
    if (m_hDC == nullptr || lpRect == nullptr)
        return ERROR;
    return ::GetClipBox(m_hDC, lpRect);
}

int CDC::SelectClipRgn(CRgn* pRgn)
{
    // A null region removes the clipping.
    HRGN hRgn = static_cast<HRGN>(pRgn->GetSafeHandle());
    return SetOnBoth(m_hDC, m_hAttribDC, (int)ERROR, [hRgn](HDC h) { return ::SelectClipRgn(h, hRgn); });
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    HRGN hRgn = static_cast<HRGN>(pRgn->GetSafeHandle());
    return SetOnBoth(m_hDC, m_hAttribDC, (int)ERROR,
                     [hRgn, nMode](HDC h) { return ::ExtSelectClipRgn(h, hRgn, nMode); });
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    return SetOnBoth(m_hDC, m_hAttribDC, (int)ERROR, [=](HDC h) { return ::ExcludeClipRect(h, x1, y1, x2, y2); });
}

int CDC::ExcludeClipRect(LPCRECT lpRect)
{
    if (lpRect == nullptr)
        return ERROR;
    return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    return SetOnBoth(m_hDC, m_hAttribDC, (int)ERROR, [=](HDC h) { return ::IntersectClipRect(h, x1, y1, x2, y2); });
}

int CDC::IntersectClipRect(LPCRECT lpRect)
{
    if (lpRect == nullptr)
        return ERROR;
    return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::PtVisible(int x, int y) const { return m_hDC != nullptr && ::PtVisible(m_hDC, x, y); }

BOOL CDC::PtVisible(POINT point) const { return PtVisible(point.x, point.y); }

BOOL CDC::RectVisible(LPCRECT lpRect) const
{
    return m_hDC != nullptr && lpRect != nullptr && ::RectVisible(m_hDC, lpRect);
}
