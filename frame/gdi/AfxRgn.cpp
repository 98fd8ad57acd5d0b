// Regions: creating, combining and testing them.
#include "AfxGdiObject.h"

IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

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
    HGDIOBJ hRgn1 = pRgn1 != nullptr ? pRgn1->m_hObject : nullptr;
    HGDIOBJ hRgn2 = pRgn2 != nullptr ? pRgn2->m_hObject : nullptr;
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
