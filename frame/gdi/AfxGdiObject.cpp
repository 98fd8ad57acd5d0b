// GDI object wrappers: pens, brushes, fonts, bitmaps and regions.
#include "AfxState.h"
#include "AfxHandleOwner.h"
#include "AfxGdi.h"
#include "AfxModule.h"
#include <cstdlib>

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnonnull-compare"
#pragma GCC diagnostic ignored "-Waddress"
HGDIOBJ CGdiObject::GetSafeHandle() const { return this == nullptr ? nullptr : m_hObject; }
#pragma GCC diagnostic pop
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

namespace {
// A temporary wrapper of the class matching the object, so that the casts
// in CFont::FromHandle and its siblings name what the object really is.
CGdiObject* NewWrapperFor(HGDIOBJ hObject)
{
    CGdiObject* p;
    switch (::GetObjectType(hObject)) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        p = new CPen;
        break;
    case OBJ_BRUSH:
        p = new CBrush;
        break;
    case OBJ_FONT:
        p = new CFont;
        break;
    case OBJ_BITMAP:
        p = new CBitmap;
        break;
    case OBJ_REGION:
        p = new CRgn;
        break;
    default:
        p = new CGdiObject;
        break;
    }
    p->m_hObject = hObject;
    return p;
}

}

// ----- CGdiObject -------------------------------------------------------------

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return nullptr;
    CGdiObject* p = AfxGetThreadState()->m_gdiMap.FromHandle(hObject, NewWrapperFor);
    // A temporary whose handle was deleted through it serves the value again.
    if (p->m_hObject == nullptr)
        p->m_hObject = hObject;
    return p;
}

void PASCAL CGdiObject::DeleteTempMap() { AfxGetThreadState()->m_gdiMap.DeleteTemp(); }

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == nullptr || m_hObject != nullptr)
        return FALSE;
    m_hObject = hObject;
    AfxClaimHandle(AfxGetThreadState()->m_gdiMap, hObject, this);
    return TRUE;
}

BOOL CGdiObject::AttachCreated(HGDIOBJ hObject)
{
    if (Attach(hObject))
        return TRUE;
    if (hObject != nullptr)
        ::DeleteObject(hObject);
    return FALSE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    if (hObject != nullptr)
        AfxReleaseHandle(AfxGetThreadState()->m_gdiMap, hObject, this);
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    if (m_hObject == nullptr)
        return 0;
    return ::GetObjectA(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const
{
    return m_hObject != nullptr ? static_cast<UINT>(::GetObjectType(m_hObject)) : 0;
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    // Stock objects cannot be deleted, so owning one costs nothing.
    return Attach(::GetStockObject(nIndex));
}

BOOL CGdiObject::UnrealizeObject() { return m_hObject != nullptr && ::UnrealizeObject(m_hObject); }

// ----- CPen ------------------------------------------------------------------

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }

CPen::CPen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount, const DWORD* lpStyle)
{
    CreatePen(nPenStyle, nWidth, pLogBrush, nStyleCount, lpStyle);
}

CPen* PASCAL CPen::FromHandle(HPEN hPen) { return static_cast<CPen*>(CGdiObject::FromHandle(hPen)); }

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    if (m_hObject != nullptr)
        return FALSE;
    return AttachCreated(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount, const DWORD* lpStyle)
{
    if (m_hObject != nullptr || pLogBrush == nullptr)
        return FALSE;
    return AttachCreated(::ExtCreatePen(static_cast<DWORD>(nPenStyle), static_cast<DWORD>(nWidth), pLogBrush,
                                        static_cast<DWORD>(nStyleCount), lpStyle));
}

BOOL CPen::CreatePenIndirect(LPLOGPEN lpLogPen)
{
    if (m_hObject != nullptr || lpLogPen == nullptr)
        return FALSE;
    return AttachCreated(::CreatePenIndirect(lpLogPen));
}

int CPen::GetLogPen(LOGPEN* pLogPen) { return pLogPen != nullptr ? GetObject(sizeof(LOGPEN), pLogPen) : 0; }

int CPen::GetExtLogPen(EXTLOGPEN* pLogPen) { return pLogPen != nullptr ? GetObject(sizeof(EXTLOGPEN), pLogPen) : 0; }

// ----- CBrush ----------------------------------------------------------------

CBrush::CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }

CBrush::CBrush(int nIndex, COLORREF crColor) { CreateHatchBrush(nIndex, crColor); }

CBrush::CBrush(CBitmap* pBitmap) { CreatePatternBrush(pBitmap); }

CBrush* PASCAL CBrush::FromHandle(HBRUSH hBrush) { return static_cast<CBrush*>(CGdiObject::FromHandle(hBrush)); }

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    if (m_hObject != nullptr)
        return FALSE;
    return AttachCreated(::CreateSolidBrush(crColor));
}

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor)
{
    if (m_hObject != nullptr)
        return FALSE;
    return AttachCreated(::CreateHatchBrush(nIndex, crColor));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush)
{
    if (m_hObject != nullptr || lpLogBrush == nullptr)
        return FALSE;
    return AttachCreated(::CreateBrushIndirect(lpLogBrush));
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    HGDIOBJ hBitmap = pBitmap->GetSafeHandle();
    if (m_hObject != nullptr || hBitmap == nullptr)
        return FALSE;
    return AttachCreated(::CreatePatternBrush(static_cast<HBITMAP>(hBitmap)));
}

BOOL CBrush::CreateDIBPatternBrush(HGLOBAL hPackedDIB, UINT nUsage)
{
    if (m_hObject != nullptr || hPackedDIB == nullptr)
        return FALSE;
    const void* lpPackedDIB = ::GlobalLock(hPackedDIB);
    if (lpPackedDIB == nullptr)
        return FALSE;
    HBRUSH hBrush = ::CreateDIBPatternBrushPt(lpPackedDIB, nUsage);
    ::GlobalUnlock(hPackedDIB);
    return AttachCreated(hBrush);
}

BOOL CBrush::CreateDIBPatternBrush(const void* lpPackedDIB, UINT nUsage)
{
    if (m_hObject != nullptr || lpPackedDIB == nullptr)
        return FALSE;
    return AttachCreated(::CreateDIBPatternBrushPt(lpPackedDIB, nUsage));
}

BOOL CBrush::CreateSysColorBrush(int nIndex)
{
    if (m_hObject != nullptr)
        return FALSE;
    return Attach(::GetSysColorBrush(nIndex));
}

int CBrush::GetLogBrush(LOGBRUSH* pLogBrush)
{
    return pLogBrush != nullptr ? GetObject(sizeof(LOGBRUSH), pLogBrush) : 0;
}

// ----- CFont -----------------------------------------------------------------

CFont* PASCAL CFont::FromHandle(HFONT hFont) { return static_cast<CFont*>(CGdiObject::FromHandle(hFont)); }

BOOL CFont::CreateFontIndirect(const LOGFONTA* lpLogFont)
{
    if (m_hObject != nullptr || lpLogFont == nullptr)
        return FALSE;
    return AttachCreated(::CreateFontIndirectA(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, LPCSTR lpszFacename)
{
    if (m_hObject != nullptr)
        return FALSE;
    return AttachCreated(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline,
                                       cStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily,
                                       lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC)
{
    LOGFONTA logFont{};
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = nPointSize;
    if (lpszFaceName != nullptr)
        ::lstrcpynA(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONTA* lpLogFont, CDC* pDC)
{
    if (m_hObject != nullptr || lpLogFont == nullptr)
        return FALSE;
    HDC hDC = pDC != nullptr ? pDC->m_hAttribDC : nullptr;
    const bool bScreen = hDC == nullptr;
    if (bScreen)
        hDC = ::GetDC(nullptr);

    // Tenths of a point to device pixels (72 points an inch), then to the DC's
    // logical units. Measuring against the mapped origin cancels any offset of
    // the mapping, and the negative height asks for the character height.
    LOGFONTA logFont = *lpLogFont;
    // MulDiv rounds to the nearest pixel (11 points at 96 dpi are 15 pixels, not 14).
    POINT pts[2] = { { 0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), logFont.lfHeight, 720) }, { 0, 0 } };
    ::DPtoLP(hDC, pts, 2);
    logFont.lfHeight = -std::abs(pts[0].y - pts[1].y);

    if (bScreen)
        ::ReleaseDC(nullptr, hDC);
    return CreateFontIndirect(&logFont);
}

int CFont::GetLogFont(LOGFONTA* pLogFont) { return pLogFont != nullptr ? GetObject(sizeof(LOGFONTA), pLogFont) : 0; }

// ----- CBitmap ---------------------------------------------------------------

CBitmap* PASCAL CBitmap::FromHandle(HBITMAP hBitmap) { return static_cast<CBitmap*>(CGdiObject::FromHandle(hBitmap)); }

BOOL CBitmap::LoadBitmap(LPCSTR lpszResourceName)
{
    if (m_hObject != nullptr || lpszResourceName == nullptr)
        return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    return AttachCreated(::LoadBitmapA(hInst, lpszResourceName));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCEA(nIDResource)); }

BOOL CBitmap::LoadOEMBitmap(UINT nIDBitmap)
{
    if (m_hObject != nullptr)
        return FALSE;
    return AttachCreated(::LoadBitmapA(nullptr, MAKEINTRESOURCEA(nIDBitmap)));
}

BOOL CBitmap::LoadMappedBitmap(UINT nIDBitmap, UINT nFlags, LPCOLORMAP lpColorMap, int nMapSize)
{
    if (m_hObject != nullptr)
        return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEA(nIDBitmap), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    return AttachCreated(
        ::CreateMappedBitmap(hInst, static_cast<INT_PTR>(nIDBitmap), static_cast<UINT>(nFlags), lpColorMap, nMapSize));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits)
{
    if (m_hObject != nullptr)
        return FALSE;
    return AttachCreated(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

BOOL CBitmap::CreateBitmapIndirect(LPBITMAP lpBitmap)
{
    if (m_hObject != nullptr || lpBitmap == nullptr)
        return FALSE;
    return AttachCreated(::CreateBitmapIndirect(lpBitmap));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    HDC hDC = pDC->GetSafeHdc();
    if (m_hObject != nullptr || hDC == nullptr)
        return FALSE;
    return AttachCreated(::CreateCompatibleBitmap(hDC, nWidth, nHeight));
}

BOOL CBitmap::CreateDiscardableBitmap(CDC* pDC, int nWidth, int nHeight)
{
    HDC hDC = pDC->GetSafeHdc();
    if (m_hObject != nullptr || hDC == nullptr)
        return FALSE;
    return AttachCreated(::CreateDiscardableBitmap(hDC, nWidth, nHeight));
}

int CBitmap::GetBitmap(BITMAP* pBitMap) { return pBitMap != nullptr ? GetObject(sizeof(BITMAP), pBitMap) : 0; }

DWORD CBitmap::SetBitmapBits(DWORD dwCount, const void* lpBits)
{
    if (m_hObject == nullptr || lpBits == nullptr)
        return 0;
    return static_cast<DWORD>(::SetBitmapBits(static_cast<HBITMAP>(m_hObject), dwCount, lpBits));
}

DWORD CBitmap::GetBitmapBits(DWORD dwCount, LPVOID lpBits) const
{
    if (m_hObject == nullptr || lpBits == nullptr)
        return 0;
    return static_cast<DWORD>(::GetBitmapBits(static_cast<HBITMAP>(m_hObject), static_cast<LONG>(dwCount), lpBits));
}

CSize CBitmap::SetBitmapDimension(int nWidth, int nHeight)
{
    SIZE size{};
    if (m_hObject != nullptr)
        ::SetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), nWidth, nHeight, &size);
    return CSize(size.cx, size.cy);
}

CSize CBitmap::GetBitmapDimension() const
{
    SIZE size{};
    if (m_hObject != nullptr)
        ::GetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), &size);
    return CSize(size.cx, size.cy);
}

// ----- CRgn ------------------------------------------------------------------

CRgn* PASCAL CRgn::FromHandle(HRGN hRgn) { return static_cast<CRgn*>(CGdiObject::FromHandle(hRgn)); }

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2)
{
    if (m_hObject != nullptr)
        return FALSE;
    return AttachCreated(::CreateRectRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect)
{
    if (m_hObject != nullptr || lpRect == nullptr)
        return FALSE;
    return AttachCreated(::CreateRectRgnIndirect(lpRect));
}

BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2)
{
    if (m_hObject != nullptr)
        return FALSE;
    return AttachCreated(::CreateEllipticRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateEllipticRgnIndirect(LPCRECT lpRect)
{
    if (m_hObject != nullptr || lpRect == nullptr)
        return FALSE;
    return AttachCreated(::CreateEllipticRgnIndirect(lpRect));
}

BOOL CRgn::CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode)
{
    if (m_hObject != nullptr || lpPoints == nullptr || nCount <= 0)
        return FALSE;
    return AttachCreated(::CreatePolygonRgn(lpPoints, nCount, nMode));
}

BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3)
{
    if (m_hObject != nullptr)
        return FALSE;
    return AttachCreated(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2)
{
    if (m_hObject != nullptr)
        ::SetRectRgn(static_cast<HRGN>(m_hObject), x1, y1, x2, y2);
}

void CRgn::SetRectRgn(LPCRECT lpRect)
{
    if (lpRect != nullptr)
        SetRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode)
{
    HGDIOBJ hRgn1 = pRgn1->GetSafeHandle();
    HGDIOBJ hRgn2 = pRgn2->GetSafeHandle();
    // Only a copy does without the second region.
    if (m_hObject == nullptr || hRgn1 == nullptr || (hRgn2 == nullptr && nCombineMode != RGN_COPY))
        return ERROR;
    return ::CombineRgn(static_cast<HRGN>(m_hObject), static_cast<HRGN>(hRgn1), static_cast<HRGN>(hRgn2), nCombineMode);
}

int CRgn::CopyRgn(const CRgn* pRgnSrc) { return CombineRgn(pRgnSrc, nullptr, RGN_COPY); }

BOOL CRgn::EqualRgn(const CRgn* pRgn) const
{
    HGDIOBJ hOther = pRgn->GetSafeHandle();
    if (m_hObject == nullptr || hOther == nullptr)
        return FALSE;
    return ::EqualRgn(static_cast<HRGN>(m_hObject), static_cast<HRGN>(hOther));
}

int CRgn::OffsetRgn(int x, int y)
{
    return m_hObject != nullptr ? ::OffsetRgn(static_cast<HRGN>(m_hObject), x, y) : ERROR;
}

int CRgn::OffsetRgn(POINT point) { return OffsetRgn(point.x, point.y); }

int CRgn::GetRgnBox(LPRECT lpRect) const
{
    if (m_hObject == nullptr || lpRect == nullptr)
        return ERROR;
    return ::GetRgnBox(static_cast<HRGN>(m_hObject), lpRect);
}

BOOL CRgn::PtInRegion(int x, int y) const
{
    return m_hObject != nullptr && ::PtInRegion(static_cast<HRGN>(m_hObject), x, y);
}

BOOL CRgn::PtInRegion(POINT point) const { return PtInRegion(point.x, point.y); }

BOOL CRgn::RectInRegion(LPCRECT lpRect) const
{
    return m_hObject != nullptr && lpRect != nullptr && ::RectInRegion(static_cast<HRGN>(m_hObject), lpRect);
}
