#include "ToolbarImageWell.h"
#include <climits>

namespace toolbar_image_well {

namespace {
struct Row
{
    uint32_t clrFrom;
    int nSysColor;
};
const Row kMap[] = {
    { 0x00000000u, kColorBtnText },
    { 0x00808080u, kColorBtnShadow },
    { 0x00C0C0C0u, kColorBtnFace },
    { 0x00FFFFFFu, kColorBtnHighlight },
};
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
}  // namespace

int SysColorIndexFor(uint32_t clr)
{
    for (const Row& row : kMap) {
        if (row.clrFrom == clr)
            return row.nSysColor;
    }
    return -1;
}

uint32_t SysColors::For(int nIndex) const
{
    switch (nIndex) {
    case kColorBtnText:
        return clrBtnText;
    case kColorBtnShadow:
        return clrBtnShadow;
    case kColorBtnFace:
        return clrBtnFace;
    case kColorBtnHighlight:
        return clrBtnHighlight;
    default:
        return 0;
    }
}

uint32_t MapPixel(uint32_t clr, const SysColors& colors)
{
    const int nIndex = SysColorIndexFor(clr);
    return nIndex < 0 ? clr : colors.For(nIndex);
}

void MapTableEntry(uint8_t* pEntry, const SysColors& colors)
{
    if (pEntry == nullptr)
        return;
    // As a 0x00BBGGRR value, with the reserved byte on top: an entry whose
    // reserved byte is set matches nothing.
    const uint32_t clr = static_cast<uint32_t>(pEntry[2]) | (static_cast<uint32_t>(pEntry[1]) << 8) |
                         (static_cast<uint32_t>(pEntry[0]) << 16) | (static_cast<uint32_t>(pEntry[3]) << 24);
    const int nIndex = SysColorIndexFor(clr);
    if (nIndex < 0)
        return;
    const uint32_t to = colors.For(nIndex);
    pEntry[0] = static_cast<uint8_t>(to >> 16);  // blue
    pEntry[1] = static_cast<uint8_t>(to >> 8);   // green
    pEntry[2] = static_cast<uint8_t>(to);        // red
    pEntry[3] = static_cast<uint8_t>(to >> 24);
}

int ImageCount(const int32_t* pIDs, size_t nEntries, int nButtons)
{
    if (pIDs == nullptr || nButtons <= 0)
        return 0;
    const size_t n = static_cast<size_t>(nButtons) < nEntries ? static_cast<size_t>(nButtons) : nEntries;
    int nCount = 0;
    for (size_t i = 0; i < n; ++i)
        nCount += pIDs[i] != 0 ? 1 : 0;
    return nCount;
}

WellSize ImageWellSize(int nImages, int cx, int cy)
{
    WellSize size;
    if (nImages <= 0 || cx <= 0 || cy <= 0)
        return size;
    const long long nWidth = static_cast<long long>(nImages) * cx;
    if (nWidth > INT_MAX)
        return size;
    size.cx = static_cast<int>(nWidth);
    size.cy = cy;
    return size;
}

DibLayout ReadDibLayout(uint32_t biSize, int32_t biWidth, int32_t biHeight, uint16_t biBitCount, uint32_t biCompression,
                        uint32_t biClrUsed, size_t cbResource)
{
    DibLayout layout;
    if (biSize < 40 || biSize > cbResource || biWidth <= 0 || biHeight == 0 || biHeight == INT32_MIN)
        return layout;
    const bool bTable = biBitCount == 1 || biBitCount == 4 || biBitCount == 8;
    const bool bTrue = biBitCount == 16 || biBitCount == 24 || biBitCount == 32;
    if (!bTable && !bTrue)
        return layout;
    if (biCompression != kBiRgb && !(biCompression == kBiBitfields && (biBitCount == 16 || biBitCount == 32)))
        return layout;
    uint64_t nEntries = 0;
    if (bTable) {
        const uint32_t nFull = 1u << biBitCount;
        nEntries = biClrUsed != 0 && biClrUsed < nFull ? biClrUsed : nFull;
    } else if (biCompression == kBiBitfields && biSize == 40) {
        nEntries = 3;  // the three masks follow the header
    }
    const uint64_t nHeight =
        biHeight < 0 ? static_cast<uint64_t>(-static_cast<int64_t>(biHeight)) : static_cast<uint64_t>(biHeight);
    const uint64_t cbStride = (static_cast<uint64_t>(biWidth) * biBitCount + 31) / 32 * 4;
    const uint64_t nOffset = static_cast<uint64_t>(biSize) + 4 * nEntries;
    if (nOffset + cbStride * nHeight > cbResource || nHeight > INT32_MAX)
        return layout;
    layout.bValid = true;
    layout.cbHeader = biSize;
    layout.nTableEntries = bTable ? static_cast<uint32_t>(nEntries) : 0;
    layout.nPixelOffset = static_cast<uint32_t>(nOffset);
    layout.nWidth = biWidth;
    layout.nHeight = static_cast<int32_t>(nHeight);
    return layout;
}

}  // namespace toolbar_image_well
