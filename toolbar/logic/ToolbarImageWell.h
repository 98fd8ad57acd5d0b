// The toolbar's image well, as plain arithmetic: which system colour stands
// for a colour of the bitmap, how wide the well is for the buttons of the
// customization table, and where the parts of a packed bitmap resource lie.
//
// Bitmaps are drawn in the standard greys; the toolbar shows them in the
// user's colours. Only an exact match is replaced: a grey one bit off is a
// colour the artist chose.
#pragma once
#include <cstddef>
#include <cstdint>

namespace toolbar_image_well {

// System colour indexes (COLOR_BTNFACE ...), kept here without Windows headers.
constexpr int kColorBtnFace = 15;
constexpr int kColorBtnShadow = 16;
constexpr int kColorBtnText = 18;
constexpr int kColorBtnHighlight = 20;

// The system colour index for a colour of the bitmap, compared as the whole
// 32-bit 0x00BBGGRR value: black, dark grey, light grey, white in that order;
// -1 for any other value.
int SysColorIndexFor(uint32_t clr);

// The current values of the four colours, as 0x00BBGGRR.
struct SysColors
{
    uint32_t clrBtnText = 0;
    uint32_t clrBtnShadow = 0;
    uint32_t clrBtnFace = 0;
    uint32_t clrBtnHighlight = 0;
    uint32_t For(int nIndex) const;
};

// A pixel read as 0x00BBGGRR: its replacement, or the pixel itself.
uint32_t MapPixel(uint32_t clr, const SysColors& colors);

// A colour-table entry (bytes blue, green, red, reserved) mapped in place.
void MapTableEntry(uint8_t* pEntry, const SysColors& colors);

// The well holds one image per button with a non-zero command id among the
// first nButtons entries of ids (nButtons is clamped to the table).
int ImageCount(const int32_t* pIDs, size_t nEntries, int nButtons);

struct WellSize
{
    int cx = 0;
    int cy = 0;
};
// nImages images of cx by cy side by side; 0 by 0 for a size that is not
// positive or does not fit an int.
WellSize ImageWellSize(int nImages, int cx, int cy);

// Where the parts of a packed device-independent bitmap lie, from the header
// fields and the resource size; bValid is false when the header, its colour
// table or its pixels would reach past the resource, or the bitmap is not one
// the toolbar can draw (compressed, no pixels, more than 8 bits in a table).
struct DibLayout
{
    bool bValid = false;
    uint32_t cbHeader = 0;       // the header's own size
    uint32_t nTableEntries = 0;  // colour-table entries (0 above 8 bits per pixel)
    uint32_t nPixelOffset = 0;   // from the start of the resource
    int32_t nWidth = 0;
    int32_t nHeight = 0;  // positive, whichever way the rows run
};
DibLayout ReadDibLayout(uint32_t biSize, int32_t biWidth, int32_t biHeight, uint16_t biBitCount, uint32_t biCompression,
                        uint32_t biClrUsed, size_t cbResource);

}  // namespace toolbar_image_well
