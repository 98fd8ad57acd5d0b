// The image well's colour map, its width from the customization table, and
// where the parts of a bitmap resource lie.
#include "ToolbarImageWell.h"
#include <gtest/gtest.h>
#include <climits>
#include <cstring>

using namespace toolbar_image_well;

namespace {
SysColors Distinct()
{
    SysColors colors;
    colors.clrBtnText = 0x00112233;
    colors.clrBtnShadow = 0x00445566;
    colors.clrBtnFace = 0x00778899;
    colors.clrBtnHighlight = 0x00AABBCC;
    return colors;
}
}  // namespace

TEST(ToolbarImageWell, ExactGreysBecomeSystemColoursAndNothingElseDoes)
{
    const SysColors colors = Distinct();
    struct Case
    {
        uint32_t clr, expected;
    } cases[] = {
        { 0x00000000, 0x00112233 },
        { 0x00808080, 0x00445566 },
        { 0x00C0C0C0, 0x00778899 },
        { 0x00FFFFFF, 0x00AABBCC },
        // one bit off in each channel, and a set top byte, stay
        { 0x00C0C0C1, 0x00C0C0C1 },
        { 0x00C0C1C0, 0x00C0C1C0 },
        { 0x00C1C0C0, 0x00C1C0C0 },
        { 0x01C0C0C0, 0x01C0C0C0 },
        { 0x00000001, 0x00000001 },
        { 0x00FEFFFF, 0x00FEFFFF },
        { 0x00123456, 0x00123456 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(MapPixel(c.clr, colors), c.expected) << std::hex << c.clr;
    EXPECT_EQ(SysColorIndexFor(0x00C0C0C0), kColorBtnFace);
    EXPECT_EQ(SysColorIndexFor(0x00C0C0BF), -1);
}

TEST(ToolbarImageWell, TableEntriesAreMappedInBlueGreenRedOrder)
{
    const SysColors colors = Distinct();
    // light grey -> face 0x00778899: blue 0x77, green 0x88, red 0x99
    uint8_t grey[4] = { 0xC0, 0xC0, 0xC0, 0x00 };
    MapTableEntry(grey, colors);
    const uint8_t face[4] = { 0x77, 0x88, 0x99, 0x00 };
    EXPECT_EQ(0, memcmp(grey, face, 4));
    // dark grey -> shadow 0x00445566
    uint8_t dark[4] = { 0x80, 0x80, 0x80, 0x00 };
    MapTableEntry(dark, colors);
    const uint8_t shadow[4] = { 0x44, 0x55, 0x66, 0x00 };
    EXPECT_EQ(0, memcmp(dark, shadow, 4));
    // a set reserved byte or a bit off: untouched
    uint8_t reserved[4] = { 0xC0, 0xC0, 0xC0, 0x01 };
    uint8_t off[4] = { 0xC0, 0xC0, 0xC1, 0x00 };
    const uint8_t reservedBefore[4] = { 0xC0, 0xC0, 0xC0, 0x01 };
    const uint8_t offBefore[4] = { 0xC0, 0xC0, 0xC1, 0x00 };
    MapTableEntry(reserved, colors);
    MapTableEntry(off, colors);
    EXPECT_EQ(0, memcmp(reserved, reservedBefore, 4));
    EXPECT_EQ(0, memcmp(off, offBefore, 4));
    MapTableEntry(nullptr, colors);
}

TEST(ToolbarImageWell, WidthCountsTheBarsOwnButtonsWithCommands)
{
    // 5 buttons and 2 separators, then entries the application added.
    const int32_t ids[] = { 1, 2, 0, 3, 4, 0, 5, 6, 7 };
    EXPECT_EQ(ImageCount(ids, 9, 7), 5);
    EXPECT_EQ(ImageCount(ids, 9, 9), 7);
    EXPECT_EQ(ImageCount(ids, 9, 100), 7);  // clamped to the table
    EXPECT_EQ(ImageCount(ids, 9, 0), 0);
    EXPECT_EQ(ImageCount(ids, 9, -1), 0);
    EXPECT_EQ(ImageCount(nullptr, 9, 7), 0);
    const WellSize small = ImageWellSize(5, 16, 16);
    const WellSize large = ImageWellSize(5, 24, 24);
    EXPECT_EQ(small.cx, 80);
    EXPECT_EQ(small.cy, 16);
    EXPECT_EQ(large.cx, 120);
    EXPECT_EQ(large.cy, 24);
    for (WellSize bad : { ImageWellSize(0, 16, 16), ImageWellSize(-3, 16, 16), ImageWellSize(5, 0, 16),
                          ImageWellSize(5, 16, -1), ImageWellSize(INT_MAX, 24, 24) }) {
        EXPECT_EQ(bad.cx, 0);
        EXPECT_EQ(bad.cy, 0);
    }
}

TEST(ToolbarImageWell, BitmapLayoutStaysInsideTheResource)
{
    // 4 bits, 40 by 8: 16 entries, rows of 20 bytes.
    DibLayout four = ReadDibLayout(40, 40, 8, 4, 0, 0, 40 + 64 + 160);
    ASSERT_TRUE(four.bValid);
    EXPECT_EQ(four.nTableEntries, 16u);
    EXPECT_EQ(four.nPixelOffset, 104u);
    EXPECT_FALSE(ReadDibLayout(40, 40, 8, 4, 0, 0, 40 + 64 + 159).bValid);  // one byte short
    // A short table declared by biClrUsed moves the pixels up.
    DibLayout used = ReadDibLayout(40, 40, 8, 4, 0, 5, 40 + 20 + 160);
    ASSERT_TRUE(used.bValid);
    EXPECT_EQ(used.nTableEntries, 5u);
    EXPECT_EQ(used.nPixelOffset, 60u);
    // 24 bits, top-down, rows padded to 4 bytes.
    DibLayout top = ReadDibLayout(40, 5, -3, 24, 0, 0, 40 + 16 * 3);
    ASSERT_TRUE(top.bValid);
    EXPECT_EQ(top.nTableEntries, 0u);
    EXPECT_EQ(top.nPixelOffset, 40u);
    EXPECT_EQ(top.nHeight, 3);
    // 8 bits: the whole table, not the first sixteen entries.
    DibLayout eight = ReadDibLayout(40, 4, 1, 8, 0, 0, 40 + 1024 + 4);
    ASSERT_TRUE(eight.bValid);
    EXPECT_EQ(eight.nTableEntries, 256u);
    // Bit fields with a 40-byte header: three masks before the pixels.
    EXPECT_EQ(ReadDibLayout(40, 1, 1, 32, 3, 0, 40 + 12 + 4).nPixelOffset, 52u);

    struct Bad
    {
        uint32_t biSize;
        int32_t w, h;
        uint16_t bpp;
        uint32_t compression;
        size_t size;
    } bad[] = {
        { 39, 1, 1, 24, 0, 100 }, { 200, 1, 1, 24, 0, 100 },
        { 40, 0, 1, 24, 0, 100 }, { 40, -1, 1, 24, 0, 100 },
        { 40, 1, 0, 24, 0, 100 }, { 40, 1, INT32_MIN, 24, 0, 100 },
        { 40, 1, 1, 3, 0, 100 },  { 40, 1, 1, 4, 2, 1000 },
        { 40, 1, 1, 24, 3, 100 }, { 40, INT32_MAX, INT32_MAX, 32, 0, SIZE_MAX / 2 },
        { 40, 1, 1, 0, 0, 100 },
    };
    for (const Bad& b : bad)
        EXPECT_FALSE(ReadDibLayout(b.biSize, b.w, b.h, b.bpp, b.compression, 0, b.size).bValid)
            << b.biSize << " " << b.w << "x" << b.h << " " << b.bpp << " " << b.compression;
}
