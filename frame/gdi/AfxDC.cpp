// Device contexts: CDC and the window DCs that release themselves.
#include "AfxState.h"
#include "AfxHandleOwner.h"
#include "AfxGdi.h"
#include "AfxWnd.h"
#include <cstdlib>
#include <vector>

IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnonnull-compare"
#pragma GCC diagnostic ignored "-Waddress"
HDC CDC::GetSafeHdc() const { return this == nullptr ? nullptr : m_hDC; }
#pragma GCC diagnostic pop

namespace {
// Applies a setting to the output DC and, when it is another one, to the
// attribute DC; the result is the attribute DC's (the one queries read).
template <class Result, class Fn>
Result SetOnBoth(HDC hDC, HDC hAttribDC, Result failed, Fn fn)
{
    Result result = failed;
    if (hDC != nullptr && hDC != hAttribDC)
        result = fn(hDC);
    if (hAttribDC != nullptr)
        result = fn(hAttribDC);
    return result;
}

RECT Normalized(int x1, int y1, int x2, int y2)
{
    RECT rc;
    rc.left = x1 < x2 ? x1 : x2;
    rc.right = x1 < x2 ? x2 : x1;
    rc.top = y1 < y2 ? y1 : y2;
    rc.bottom = y1 < y2 ? y2 : y1;
    return rc;
}
}

// ----- handle map and life ------------------------------------------------------

CDC::~CDC()
{
    if (m_hDC != nullptr)
        ::DeleteDC(Detach());
}

CWnd* CDC::GetWindow() const { return m_hDC != nullptr ? CWnd::FromHandle(::WindowFromDC(m_hDC)) : nullptr; }

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    if (hDC == nullptr)
        return nullptr;
    CDC* p = AfxGetThreadState()->m_dcMap.FromHandle(hDC, [](HDC h) {
        CDC* pTemp = new CDC;
        pTemp->m_hDC = h;
        pTemp->m_hAttribDC = h;
        return pTemp;
    });
    // A temporary whose DC was deleted through it serves the value again.
    if (p->m_hDC == nullptr) {
        p->m_hDC = hDC;
        p->m_hAttribDC = hDC;
    }
    return p;
}

void PASCAL CDC::DeleteTempMap() { AfxGetThreadState()->m_dcMap.DeleteTemp(); }

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == nullptr || m_hDC != nullptr)
        return FALSE;
    m_hDC = hDC;
    AfxClaimHandle(AfxGetThreadState()->m_dcMap, hDC, this);
    SetAttribDC(m_hDC);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC != nullptr)
        AfxReleaseHandle(AfxGetThreadState()->m_dcMap, hDC, this);
    ReleaseAttribDC();
    ReleaseOutputDC();
    return hDC;
}

void CDC::SetAttribDC(HDC hDC) { m_hAttribDC = hDC; }

void CDC::SetOutputDC(HDC hDC) { m_hDC = hDC; }

void CDC::ReleaseAttribDC() { m_hAttribDC = nullptr; }

void CDC::ReleaseOutputDC() { m_hDC = nullptr; }

BOOL CDC::CreateDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput, const void* lpInitData)
{
    if (m_hDC != nullptr)
        return FALSE;
    HDC hDC = ::CreateDCA(lpszDriverName, lpszDeviceName, lpszOutput, static_cast<const DEVMODEA*>(lpInitData));
    return Attach(hDC);
}

BOOL CDC::CreateIC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput, const void* lpInitData)
{
    if (m_hDC != nullptr)
        return FALSE;
    HDC hDC = ::CreateICA(lpszDriverName, lpszDeviceName, lpszOutput, static_cast<const DEVMODEA*>(lpInitData));
    return Attach(hDC);
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    if (m_hDC != nullptr)
        return FALSE;
    return Attach(::CreateCompatibleDC(pDC->GetSafeHdc()));
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr)
        return FALSE;
    return ::DeleteDC(Detach());
}

int CDC::SaveDC()
{
    int nSaved = 0;
    if (m_hAttribDC != nullptr)
        nSaved = ::SaveDC(m_hAttribDC);
    // Two DCs may be at different depths: -1 (the latest) restores both alike.
    if (m_hDC != nullptr && m_hDC != m_hAttribDC && ::SaveDC(m_hDC) != 0)
        nSaved = -1;
    return nSaved;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    return SetOnBoth(m_hDC, m_hAttribDC, FALSE, [nSavedDC](HDC h) { return ::RestoreDC(h, nSavedDC); });
}

int CDC::GetDeviceCaps(int nIndex) const { return m_hAttribDC != nullptr ? ::GetDeviceCaps(m_hAttribDC, nIndex) : 0; }

// ----- selected objects ------------------------------------------------------------

HGDIOBJ CDC::SelectHandle(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return nullptr;
    return SetOnBoth<HGDIOBJ>(m_hDC, m_hAttribDC, nullptr, [hObject](HDC h) { return ::SelectObject(h, hObject); });
}

CPen* CDC::SelectObject(CPen* pPen) { return CPen::FromHandle(static_cast<HPEN>(SelectHandle(pPen->GetSafeHandle()))); }

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return CBrush::FromHandle(static_cast<HBRUSH>(SelectHandle(pBrush->GetSafeHandle())));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return CFont::FromHandle(static_cast<HFONT>(SelectHandle(pFont->GetSafeHandle())));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    // A bitmap can only be selected into a memory DC, which is always its own attribute DC.
    HGDIOBJ hBitmap = pBitmap->GetSafeHandle();
    if (hBitmap == nullptr || m_hDC == nullptr)
        return nullptr;
    return CBitmap::FromHandle(static_cast<HBITMAP>(::SelectObject(m_hDC, hBitmap)));
}

int CDC::SelectObject(CRgn* pRgn)
{
    // Selecting a region sets the clipping; the answer is the region type.
    HGDIOBJ hRgn = pRgn->GetSafeHandle();
    if (hRgn == nullptr)
        return ERROR;
    return SetOnBoth(m_hDC, m_hAttribDC, (int)ERROR,
                     [hRgn](HDC h) { return static_cast<int>(reinterpret_cast<INT_PTR>(::SelectObject(h, hRgn))); });
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    HGDIOBJ hObject = pObject->GetSafeHandle();
    if (hObject == nullptr)
        return nullptr;
    // A region gives back a type code, not an object there could be a wrapper for.
    if (::GetObjectType(hObject) == OBJ_REGION) {
        SelectObject(static_cast<CRgn*>(pObject));
        return nullptr;
    }
    return CGdiObject::FromHandle(SelectHandle(hObject));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    if (hObject != nullptr && ::GetObjectType(hObject) == OBJ_REGION) {
        return reinterpret_cast<HGDIOBJ>(
            static_cast<INT_PTR>(SetOnBoth(m_hDC, m_hAttribDC, (int)ERROR, [hObject](HDC h) {
                return static_cast<int>(reinterpret_cast<INT_PTR>(::SelectObject(h, hObject)));
            })));
    }
    return SelectHandle(hObject);
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(SelectHandle(::GetStockObject(nIndex)));
}

CPen* CDC::GetCurrentPen() const
{
    return m_hAttribDC != nullptr ? CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hAttribDC, OBJ_PEN)))
                                  : nullptr;
}

CBrush* CDC::GetCurrentBrush() const
{
    return m_hAttribDC != nullptr ? CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hAttribDC, OBJ_BRUSH)))
                                  : nullptr;
}

CFont* CDC::GetCurrentFont() const
{
    return m_hAttribDC != nullptr ? CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hAttribDC, OBJ_FONT)))
                                  : nullptr;
}

CBitmap* CDC::GetCurrentBitmap() const
{
    return m_hAttribDC != nullptr
               ? CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hAttribDC, OBJ_BITMAP)))
               : nullptr;
}

// ----- colours and modes -------------------------------------------------------------

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return SetOnBoth(m_hDC, m_hAttribDC, CLR_INVALID, [crColor](HDC h) { return ::SetBkColor(h, crColor); });
}

COLORREF CDC::GetBkColor() const { return m_hAttribDC != nullptr ? ::GetBkColor(m_hAttribDC) : CLR_INVALID; }

int CDC::SetBkMode(int nBkMode)
{
    return SetOnBoth(m_hDC, m_hAttribDC, 0, [nBkMode](HDC h) { return ::SetBkMode(h, nBkMode); });
}

int CDC::GetBkMode() const { return m_hAttribDC != nullptr ? ::GetBkMode(m_hAttribDC) : 0; }

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return SetOnBoth(m_hDC, m_hAttribDC, CLR_INVALID, [crColor](HDC h) { return ::SetTextColor(h, crColor); });
}

COLORREF CDC::GetTextColor() const { return m_hAttribDC != nullptr ? ::GetTextColor(m_hAttribDC) : CLR_INVALID; }

int CDC::SetROP2(int nDrawMode)
{
    return SetOnBoth(m_hDC, m_hAttribDC, 0, [nDrawMode](HDC h) { return ::SetROP2(h, nDrawMode); });
}

int CDC::GetROP2() const { return m_hAttribDC != nullptr ? ::GetROP2(m_hAttribDC) : 0; }

int CDC::SetPolyFillMode(int nPolyFillMode)
{
    return SetOnBoth(m_hDC, m_hAttribDC, 0, [nPolyFillMode](HDC h) { return ::SetPolyFillMode(h, nPolyFillMode); });
}

int CDC::GetPolyFillMode() const { return m_hAttribDC != nullptr ? ::GetPolyFillMode(m_hAttribDC) : 0; }

int CDC::SetStretchBltMode(int nStretchMode)
{
    return SetOnBoth(m_hDC, m_hAttribDC, 0, [nStretchMode](HDC h) { return ::SetStretchBltMode(h, nStretchMode); });
}

int CDC::GetStretchBltMode() const { return m_hAttribDC != nullptr ? ::GetStretchBltMode(m_hAttribDC) : 0; }

COLORREF CDC::GetNearestColor(COLORREF crColor) const
{
    return m_hAttribDC != nullptr ? ::GetNearestColor(m_hAttribDC, crColor) : CLR_INVALID;
}

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
    if (m_hAttribDC != nullptr && m_hAttribDC != m_hDC)
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

// ----- text --------------------------------------------------------------------------------------

UINT CDC::SetTextAlign(UINT nFlags)
{
    return SetOnBoth(m_hDC, m_hAttribDC, static_cast<UINT>(GDI_ERROR),
                     [nFlags](HDC h) { return ::SetTextAlign(h, nFlags); });
}

UINT CDC::GetTextAlign() const
{
    return m_hAttribDC != nullptr ? ::GetTextAlign(m_hAttribDC) : static_cast<UINT>(GDI_ERROR);
}

int CDC::SetTextCharacterExtra(int nCharExtra)
{
    return SetOnBoth(m_hDC, m_hAttribDC, (int)0x80000000,
                     [nCharExtra](HDC h) { return ::SetTextCharacterExtra(h, nCharExtra); });
}

int CDC::GetTextCharacterExtra() const
{
    return m_hAttribDC != nullptr ? ::GetTextCharacterExtra(m_hAttribDC) : (int)0x80000000;
}

BOOL CDC::TextOut(int x, int y, LPCSTR lpszString, int nCount)
{
    if (m_hDC == nullptr || nCount < 0 || (lpszString == nullptr && nCount > 0))
        return FALSE;
    return ::TextOutA(m_hDC, x, y, lpszString != nullptr ? lpszString : "", nCount);
}

BOOL CDC::TextOut(int x, int y, const CString& str) { return TextOut(x, y, static_cast<LPCSTR>(str), str.GetLength()); }

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount, LPINT lpDxWidths)
{
    if (m_hDC == nullptr)
        return FALSE;
    if (lpszString == nullptr)
        nCount = 0;
    return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths)
{
    return ExtTextOut(x, y, nOptions, lpRect, static_cast<LPCSTR>(str), static_cast<UINT>(str.GetLength()), lpDxWidths);
}

CSize CDC::TabbedTextOut(int x, int y, LPCSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions,
                         int nTabOrigin)
{
    if (m_hDC == nullptr || lpszString == nullptr || nCount < 0)
        return CSize(0, 0);
    LONG extent = ::TabbedTextOutA(m_hDC, x, y, lpszString, nCount, nTabPositions, lpnTabStopPositions, nTabOrigin);
    return CSize(LOWORD(extent), HIWORD(extent));
}

int CDC::DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    if (m_hDC == nullptr || lpszString == nullptr || lpRect == nullptr)
        return 0;
    return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat);
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    // Writing into a shared string's buffer would change every copy of it.
    return DrawText(static_cast<LPCSTR>(str), str.GetLength(), lpRect, nFormat & ~static_cast<UINT>(DT_MODIFYSTRING));
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const
{
    SIZE size{};
    if (m_hAttribDC != nullptr && lpszString != nullptr && nCount >= 0)
        ::GetTextExtentPoint32A(m_hAttribDC, lpszString, nCount, &size);
    return CSize(size.cx, size.cy);
}

CSize CDC::GetTextExtent(const CString& str) const { return GetTextExtent(static_cast<LPCSTR>(str), str.GetLength()); }

CSize CDC::GetOutputTextExtent(LPCSTR lpszString, int nCount) const
{
    SIZE size{};
    if (m_hDC != nullptr && lpszString != nullptr && nCount >= 0)
        ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size);
    return CSize(size.cx, size.cy);
}

CSize CDC::GetOutputTextExtent(const CString& str) const
{
    return GetOutputTextExtent(static_cast<LPCSTR>(str), str.GetLength());
}

CSize CDC::GetTabbedTextExtent(LPCSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions) const
{
    if (m_hAttribDC == nullptr || lpszString == nullptr || nCount < 0)
        return CSize(0, 0);
    DWORD extent = ::GetTabbedTextExtentA(m_hAttribDC, lpszString, nCount, nTabPositions, lpnTabStopPositions);
    return CSize(LOWORD(extent), HIWORD(extent));
}

BOOL CDC::GetTextMetrics(LPTEXTMETRICA lpMetrics) const
{
    return m_hAttribDC != nullptr && lpMetrics != nullptr && ::GetTextMetricsA(m_hAttribDC, lpMetrics);
}

BOOL CDC::GetOutputTextMetrics(LPTEXTMETRICA lpMetrics) const
{
    return m_hDC != nullptr && lpMetrics != nullptr && ::GetTextMetricsA(m_hDC, lpMetrics);
}

int CDC::GetTextFace(int nCount, LPSTR lpszFacename) const
{
    if (m_hAttribDC == nullptr || lpszFacename == nullptr || nCount <= 0)
        return 0;
    return ::GetTextFaceA(m_hAttribDC, nCount, lpszFacename);
}

int CDC::GetTextFace(CString& rString) const
{
    rString.Empty();
    if (m_hAttribDC == nullptr)
        return 0;
    // Asked without a buffer, GDI tells the size the name needs, zero included.
    int nNeeded = ::GetTextFaceA(m_hAttribDC, 0, nullptr);
    if (nNeeded <= 0)
        return 0;
    std::vector<char> buffer(static_cast<size_t>(nNeeded) + 1, '\0');
    int nCopied = ::GetTextFaceA(m_hAttribDC, nNeeded, buffer.data());
    rString = buffer.data();
    return nCopied;
}

// ----- window DCs ----------------------------------------------------------------------------------

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    if (m_hWnd != nullptr)
        Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    // EndPaint only pairs with a BeginPaint that gave a DC.
    if (m_ps.hdc != nullptr)
        ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd()) { Attach(::GetDC(m_hWnd)); }

CClientDC::~CClientDC()
{
    HDC hDC = Detach();
    if (hDC != nullptr)
        ::ReleaseDC(m_hWnd, hDC);
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd()) { Attach(::GetWindowDC(m_hWnd)); }

CWindowDC::~CWindowDC()
{
    HDC hDC = Detach();
    if (hDC != nullptr)
        ::ReleaseDC(m_hWnd, hDC);
}
