// Bitmaps: creating, loading and reading them.
#include "AfxGdiObject.h"
#include "AfxDC.h"
#include "AfxModule.h"
#include <cstdlib>

IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

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
