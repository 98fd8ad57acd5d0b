// Pens, brushes and fonts.
#include "AfxGdiObject.h"
#include "AfxDC.h"
#include "AfxModule.h"

IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)

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
