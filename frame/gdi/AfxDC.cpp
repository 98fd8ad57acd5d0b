// CDC: the handle map and life of a device context, selected objects, colours and modes.
#include "AfxDC.h"
#include "AfxDCAttrib.h"
#include "AfxState.h"
#include "AfxHandleOwner.h"
#include "AfxWnd.h"

using namespace afx_dc;

IMPLEMENT_DYNCREATE(CDC, CObject)

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnonnull-compare"
#pragma GCC diagnostic ignored "-Waddress"
HDC CDC::GetSafeHdc() const { return this == nullptr ? nullptr : m_hDC; }
#pragma GCC diagnostic pop

// ----- handle map and life ------------------------------------------------------

CDC::~CDC()
{
    if (m_hDC != nullptr)
        ::DeleteDC(Detach());
}

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
    if (m_hDC != nullptr && !AfxIsSameHandle(m_hDC, m_hAttribDC) && ::SaveDC(m_hDC) != 0)
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
