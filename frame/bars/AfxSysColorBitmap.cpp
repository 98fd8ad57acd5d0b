// Toolbar bitmaps are drawn in the standard greys; they are shown in the
// user's system colours instead.
#include "AfxControlBar.h"
#include <cstring>

namespace {
struct ColorMap
{
    COLORREF rgbFrom;  // as stored in a DIB colour table: 0x00RRGGBB
    int nSysColor;
};
const ColorMap kSysColorMap[] = {
    { 0x000000, COLOR_BTNTEXT },       // black
    { 0x808080, COLOR_BTNSHADOW },     // dark grey
    { 0xC0C0C0, COLOR_BTNFACE },       // light grey
    { 0xFFFFFF, COLOR_BTNHIGHLIGHT },  // white
};

// A DIB colour entry (blue, green, red) for a COLORREF (red, green, blue).
DWORD DibColor(COLORREF clr) { return (DWORD)((GetRValue(clr) << 16) | (GetGValue(clr) << 8) | GetBValue(clr)); }
}

HBITMAP AFXAPI AfxLoadSysColorBitmap(HINSTANCE hInst, HRSRC hRsrc, BOOL bMono)
{
    if (hRsrc == nullptr)
        return nullptr;
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    auto* pSource = hGlobal != nullptr ? static_cast<const BITMAPINFOHEADER*>(::LockResource(hGlobal)) : nullptr;
    DWORD cbResource = ::SizeofResource(hInst, hRsrc);
    if (pSource == nullptr || cbResource < sizeof(BITMAPINFOHEADER) || pSource->biSize < sizeof(BITMAPINFOHEADER) ||
        pSource->biSize > cbResource)
        return nullptr;

    int nColorTableSize = 0;
    if (pSource->biBitCount <= 8)
        nColorTableSize = pSource->biClrUsed != 0 ? (int)pSource->biClrUsed : 1 << pSource->biBitCount;
    else if (pSource->biCompression == BI_BITFIELDS)
        nColorTableSize = 3;
    DWORD cbHeader = pSource->biSize + (DWORD)nColorTableSize * sizeof(RGBQUAD);
    if (nColorTableSize > 256 || cbHeader > cbResource)
        return nullptr;

    // The header and colour table are copied so the resource stays untouched.
    auto* pHeader = reinterpret_cast<BITMAPINFOHEADER*>(new BYTE[cbHeader]);
    memcpy(pHeader, pSource, cbHeader);
    if (pSource->biBitCount <= 8) {
        auto* pColors = reinterpret_cast<DWORD*>(reinterpret_cast<BYTE*>(pHeader) + pHeader->biSize);
        for (int i = 0; i < nColorTableSize; i++) {
            for (const ColorMap& map : kSysColorMap) {
                if ((pColors[i] & 0x00FFFFFF) == map.rgbFrom) {
                    COLORREF clr = ::GetSysColor(map.nSysColor);
                    if (bMono)
                        clr = map.nSysColor == COLOR_BTNTEXT || map.nSysColor == COLOR_BTNSHADOW ? RGB(0, 0, 0)
                                                                                                 : RGB(255, 255, 255);
                    pColors[i] = DibColor(clr);
                    break;
                }
            }
        }
    }

    const BYTE* pBits = reinterpret_cast<const BYTE*>(pSource) + cbHeader;
    int nWidth = pHeader->biWidth;
    int nHeight = pHeader->biHeight < 0 ? -pHeader->biHeight : pHeader->biHeight;
    DWORD cbStride = ((DWORD)nWidth * pHeader->biBitCount + 31) / 32 * 4;
    HBITMAP hbm = nullptr;
    if (nWidth > 0 && nHeight > 0 &&
        (pHeader->biCompression != BI_RGB || cbHeader + cbStride * nHeight <= cbResource)) {
        HDC hDCScreen = ::GetDC(nullptr);
        hbm = ::CreateCompatibleBitmap(hDCScreen, nWidth, nHeight);
        if (hbm != nullptr) {
            HDC hDC = ::CreateCompatibleDC(hDCScreen);
            HGDIOBJ hOld = ::SelectObject(hDC, hbm);
            ::StretchDIBits(hDC, 0, 0, nWidth, nHeight, 0, 0, nWidth, nHeight, pBits,
                            reinterpret_cast<BITMAPINFO*>(pHeader), DIB_RGB_COLORS, SRCCOPY);
            ::SelectObject(hDC, hOld);
            ::DeleteDC(hDC);
        }
        ::ReleaseDC(nullptr, hDCScreen);
    }
    delete[] reinterpret_cast<BYTE*>(pHeader);
    return hbm;
}
