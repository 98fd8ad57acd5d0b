// QELToolbar: the image well, remembered by resource and loaded stretched to
// the icon option's size in the system colours.
#include "QELToolbar.h"
#include "QELToolbarParts.h"
#include "logic/ToolbarImageWell.h"
#include "QELMemory.h"
#include <cstring>
#include <vector>

using namespace toolbar_image_well;

namespace {
SysColors CurrentSysColors()
{
    SysColors colors;
    colors.clrBtnText = ::GetSysColor(COLOR_BTNTEXT);
    colors.clrBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    colors.clrBtnFace = ::GetSysColor(COLOR_BTNFACE);
    colors.clrBtnHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    return colors;
}

// The resource's pixels stretched over a new screen-compatible bitmap.
HBITMAP StretchPixels(const BITMAPINFO* pInfo, const void* pBits, int cxSource, int cySource, int cx, int cy)
{
    HDC hDCScreen = ::GetDC(nullptr);
    HBITMAP hbm = ::CreateCompatibleBitmap(hDCScreen, cx, cy);
    if (hbm != nullptr) {
        HDC hDC = ::CreateCompatibleDC(hDCScreen);
        HGDIOBJ hOld = ::SelectObject(hDC, hbm);
        // Whole pixels only: blending would make greys the map does not know.
        ::SetStretchBltMode(hDC, COLORONCOLOR);
        ::StretchDIBits(hDC, 0, 0, cx, cy, 0, 0, cxSource, cySource, pBits, pInfo, DIB_RGB_COLORS, SRCCOPY);
        ::SelectObject(hDC, hOld);
        ::DeleteDC(hDC);
    }
    ::ReleaseDC(nullptr, hDCScreen);
    return hbm;
}

// True-colour pixels carry the greys themselves: each is mapped in place.
void MapPixels(HBITMAP hbm, int cx, int cy)
{
    const SysColors colors = CurrentSysColors();
    HDC hDCScreen = ::GetDC(nullptr);
    HDC hDC = ::CreateCompatibleDC(hDCScreen);
    HGDIOBJ hOld = ::SelectObject(hDC, hbm);
    for (int x = 0; x < cx; x++) {
        for (int y = 0; y < cy; y++) {
            COLORREF clr = ::GetPixel(hDC, x, y);
            COLORREF clrNew = MapPixel(clr, colors);
            if (clrNew != clr)
                ::SetPixel(hDC, x, y, clrNew);
        }
    }
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ::ReleaseDC(nullptr, hDCScreen);
}
}  // namespace

BOOL QELToolbar::LoadBitmap(LPCSTR lpszResourceName)
{
    if (lpszResourceName == nullptr)
        return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    HRSRC hRsrc = ::FindResourceA(hInst, lpszResourceName, MAKEINTRESOURCEA(2));
    if (hRsrc == nullptr)
        return FALSE;
    m_hInstImageWell = hInst;
    m_hRsrcImageWell = hRsrc;
    return TRUE;
}

BOOL QELToolbar::LoadBitmap(UINT nIDResource)
{
    // Only a 16-bit id is a resource id; anything wider would be taken as a name.
    if (nIDResource == 0 || nIDResource > 0xFFFF)
        return FALSE;
    return LoadBitmap(MAKEINTRESOURCEA(nIDResource));
}

BOOL QELToolbar::SetIconOptionBitmap(IconOptions eIconOptions)
{
    if (m_hRsrcImageWell == nullptr)
        return FALSE;
    HINSTANCE hInst = m_hInstImageWell;
    HRSRC hRsrc = m_hRsrcImageWell;

    const INT_PTR nEntries = m_arrButtonInfo.GetSize();
    std::vector<int32_t> ids;
    if (!qel_memory::NoThrowDone([&] { ids.resize((size_t)nEntries); }))
        return TRUE;
    for (INT_PTR i = 0; i < nEntries; i++)
        ids[(size_t)i] = m_arrButtonInfo[i].tbButton.idCommand;
    const int nImages = ImageCount(ids.data(), ids.size(), m_nButtons);
    const CSize sizeImage = m_pParts->ImageSizeFor(eIconOptions);
    const WellSize size = ImageWellSize(nImages, sizeImage.cx, sizeImage.cy);

    if (m_hWnd != nullptr && size.cx > 0) {
        HBITMAP hbm = LoadScaledImageWell(hRsrc, hInst, size.cx, size.cy);
        // The bar takes the bitmap; one it refuses is ours to free.
        if (hbm != nullptr && !SetBitmap(hbm))
            ::DeleteObject(hbm);
    }
    // SetBitmap forgets the resource; every later reload needs it.
    m_hInstImageWell = hInst;
    m_hRsrcImageWell = hRsrc;
    return TRUE;
}

HBITMAP QELToolbar::LoadScaledImageWell(HRSRC hRsrc, HINSTANCE hInst, int cx, int cy)
{
    if (hRsrc == nullptr || cx <= 0 || cy <= 0)
        return nullptr;
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    auto* pResource = hGlobal != nullptr ? static_cast<const BYTE*>(::LockResource(hGlobal)) : nullptr;
    const DWORD cbResource = ::SizeofResource(hInst, hRsrc);
    if (pResource == nullptr || cbResource < sizeof(BITMAPINFOHEADER))
        return nullptr;
    BITMAPINFOHEADER header;
    memcpy(&header, pResource, sizeof(header));
    const DibLayout layout = ReadDibLayout(header.biSize, header.biWidth, header.biHeight, header.biBitCount,
                                           header.biCompression, header.biClrUsed, cbResource);
    if (!layout.bValid)
        return nullptr;

    // The header and its colour table (or masks) are copied: the resource
    // itself is read-only and shared.
    std::vector<BYTE> info;
    if (!qel_memory::NoThrowDone([&] { info.assign(pResource, pResource + layout.nPixelOffset); }))
        return nullptr;
    if (layout.nTableEntries > 0) {
        const SysColors colors = CurrentSysColors();
        for (uint32_t i = 0; i < layout.nTableEntries; i++)
            MapTableEntry(&info[layout.cbHeader + 4 * i], colors);
    }
    HBITMAP hbm = StretchPixels(reinterpret_cast<const BITMAPINFO*>(info.data()), pResource + layout.nPixelOffset,
                                layout.nWidth, layout.nHeight, cx, cy);
    if (hbm != nullptr && layout.nTableEntries == 0)
        MapPixels(hbm, cx, cy);
    return hbm;
}
