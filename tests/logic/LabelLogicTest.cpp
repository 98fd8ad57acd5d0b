// Gradient bands and text layout of the decorated label.
#include "GradientBands.h"
#include "StaticTextFormat.h"
#include <gtest/gtest.h>
#include <climits>

namespace {
uint32_t Red(const GradientBand& b) { return b.color & 0xFF; }
}

TEST(GradientBands, NarrowLabelGetsOneBandPerColumn)
{
    std::vector<GradientBand> bands = ComputeGradientBands(0, 40, 0x000000, 0x0000FF, 100);
    ASSERT_EQ(bands.size(), 40u);
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(bands[i].left, i) << "band " << i;
        EXPECT_EQ(bands[i].right, i + 1) << "band " << i;
    }
    // 255 * 256 / 40 = 1632 a band.
    EXPECT_EQ(Red(bands[1]), 6u);
    EXPECT_EQ(Red(bands[39]), (39u * 1632u) / 256u);
}

TEST(GradientBands, WideLabelLastBandTakesTheRemainder)
{
    std::vector<GradientBand> bands = ComputeGradientBands(0, 250, 0, 0xFFFFFF, 100);
    ASSERT_EQ(bands.size(), 100u);
    for (int i = 0; i < 99; ++i) {
        EXPECT_EQ(bands[i].left, 2 * i);
        EXPECT_EQ(bands[i].right, 2 * i + 2);
    }
    EXPECT_EQ(bands[99].left, 198);
    EXPECT_EQ(bands[99].right, 250);
}

TEST(GradientBands, RedStepsInFixedPoint)
{
    std::vector<GradientBand> bands = ComputeGradientBands(10, 310, 0x000000, 0x0000FF, 100);
    ASSERT_EQ(bands.size(), 100u);
    const uint32_t expected[] = { 0, 2, 5, 7, 10, 12, 15 };
    for (size_t i = 0; i < sizeof(expected) / sizeof(expected[0]); ++i)
        EXPECT_EQ(Red(bands[i]), expected[i]) << "band " << i;
    // 99 steps of 652 fall short of the end colour, as the division truncates.
    EXPECT_EQ(Red(bands[99]), 99u * 652u / 256u);
    for (const GradientBand& b : bands)
        EXPECT_EQ(b.color & 0xFFFF00, 0u) << "green and blue stay 0";
    EXPECT_EQ(bands.front().left, 10);
    EXPECT_EQ(bands.back().right, 310);
}

TEST(GradientBands, FallingComponentsTruncateTowardsZero)
{
    // Blue from 255 down to 0, green from 0x80 up to 0x90, red unchanged.
    std::vector<GradientBand> bands = ComputeGradientBands(0, 100, 0xFF8033, 0x009033, 100);
    ASSERT_EQ(bands.size(), 100u);
    // Step of blue: -65280 / 100 = -652 (not -653).
    EXPECT_EQ((bands[1].color >> 16) & 0xFF, (65280u - 652u) / 256u);
    EXPECT_EQ((bands[99].color >> 16) & 0xFF, (65280u - 99u * 652u) / 256u);
    EXPECT_EQ((bands[99].color >> 8) & 0xFF, (0x80u * 256u + 99u * 40u) / 256u);
    for (const GradientBand& b : bands)
        EXPECT_EQ(b.color & 0xFF, 0x33u);
}

TEST(GradientBands, DegenerateRangesAndCounts)
{
    EXPECT_TRUE(ComputeGradientBands(0, 0, 0, 0xFFFFFF, 100).empty());
    EXPECT_TRUE(ComputeGradientBands(50, 10, 0, 0xFFFFFF, 100).empty());
    EXPECT_TRUE(ComputeGradientBands(0, 100, 0, 0xFFFFFF, 0).empty());
    EXPECT_TRUE(ComputeGradientBands(0, 100, 0, 0xFFFFFF, -5).empty());

    std::vector<GradientBand> one = ComputeGradientBands(3, 90, 0x123456, 0xFFFFFF, 1);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].left, 3);
    EXPECT_EQ(one[0].right, 90);
    EXPECT_EQ(one[0].color, 0x123456u);

    // The whole int range: no overflow, bands stay in order and cover it.
    std::vector<GradientBand> huge = ComputeGradientBands(INT_MIN, INT_MAX, 0, 0xFFFFFF, 100);
    ASSERT_EQ(huge.size(), 100u);
    EXPECT_EQ(huge.front().left, INT_MIN);
    EXPECT_EQ(huge.back().right, INT_MAX);
    for (size_t i = 1; i < huge.size(); ++i)
        EXPECT_EQ(huge[i].left, huge[i - 1].right);
}

TEST(StaticTextFormat, StyleTypeChoosesAlignmentAndWrapping)
{
    EXPECT_EQ(StaticTextFormat(0x00 /*SS_LEFT*/, "text"), 0x10u);
    EXPECT_EQ(StaticTextFormat(0x01 /*SS_CENTER*/, "text"), 0x11u);
    EXPECT_EQ(StaticTextFormat(0x02 /*SS_RIGHT*/, "text"), 0x12u);
    EXPECT_EQ(StaticTextFormat(0x0C /*SS_LEFTNOWORDWRAP*/, "text"), 0x00u);
    EXPECT_EQ(StaticTextFormat(0x0B /*SS_SIMPLE*/, "text"), 0x10u);
    // Only the type bits count: other style bits do not disturb it.
    EXPECT_EQ(StaticTextFormat(0x50000000 | 0x100 | 0x02, "text"), 0x12u);
}

TEST(StaticTextFormat, TabsAreExpanded)
{
    EXPECT_EQ(StaticTextFormat(0x00, "a\tb"), 0x50u);
    EXPECT_EQ(StaticTextFormat(0x0C, "\t"), 0x40u);
    EXPECT_EQ(StaticTextFormat(0x00, ""), 0x10u);
    EXPECT_EQ(StaticTextFormat(0x00, nullptr), 0x10u);
}

TEST(StaticTextFormat, CentreImageCentresOneLineBothWays)
{
    EXPECT_EQ(StaticTextFormat(0x201, "one line"), 0x25u);
    EXPECT_EQ(StaticTextFormat(0x201, "two\r\nlines"), 0x01u);
    // The whole format is replaced: tabs are no longer expanded.
    EXPECT_EQ(StaticTextFormat(0x201, "a\tb"), 0x25u);
    EXPECT_EQ(StaticTextFormat(0x201, nullptr), 0x25u);
    // A bare line feed is not a line break of its own.
    EXPECT_EQ(StaticTextFormat(0x201, "a\nb"), 0x25u);
    // Centre-image on other types changes nothing.
    EXPECT_EQ(StaticTextFormat(0x200, "text"), 0x10u);
    EXPECT_EQ(StaticTextFormat(0x202, "text"), 0x12u);
}

// Found by the fuzzer: a rectangle reversed by more than the int range had a
// negative width that turned into a huge band count (687 million bands, 8 GB).
TEST(GradientBands, RangesReversedByMoreThanTheIntRangeGetNoBand)
{
    EXPECT_TRUE(ComputeGradientBands(0x5FFFFFE1, (int)0x89000020, 0, 0xFFFFFF, 0x7FFF).empty());
    EXPECT_TRUE(ComputeGradientBands(INT_MAX, INT_MIN, 0, 0xFFFFFF, INT_MAX).empty());
}
