// Choosing the wrap width for a length, and the whole bar layout.
#include "ToolbarLayout.h"
#include "ToolbarItems.h"
#include <gtest/gtest.h>

using namespace bar_layout;
using namespace toolbar_test;

namespace {
const uint32_t kHorz = kModeHorz;

std::vector<ToolbarItem> SixButtons() { return std::vector<ToolbarItem>(6, Button(23, 22)); }

// The narrowest width from 0 to nLength whose wrap gives nRows, by trying them all.
int NarrowestWidthFor(std::vector<ToolbarItem> items, int nRows, int nLength)
{
    for (int w = 0; w <= nLength; ++w) {
        if (WrapToolBar(items, w, Metrics(), kHorz) == nRows)
            return w;
    }
    return -1;
}

// Borders and gripper: 7 + 2 across, 2 + 2 down.
BarLayoutInput Input(uint32_t dwMode, uint32_t dwStyle, int nLength = -1, int nMRUWidth = 0)
{
    BarLayoutInput input;
    input.dwMode = dwMode;
    input.dwBarStyle = dwStyle;
    input.nLength = nLength;
    input.nMRUWidth = nMRUWidth;
    input.rcInside = { 7, 2, -2, -2 };
    return input;
}

LayoutSize Size(int cx, int cy) { return { cx, cy }; }
}

TEST(ToolbarSizeToolBar, HorizontalTakesTheNarrowestWidthWithAsManyRows)
{
    std::vector<ToolbarItem> items = SixButtons();
    // At 100 the rows are 4 + 2; 69 keeps two rows and balances them.
    EXPECT_EQ(SizeToolBar(items, 100, false, Metrics(), kHorz), 69);
    EXPECT_EQ(Wraps(items), "..W...");
    // 32767: one row, only as wide as it needs.
    EXPECT_EQ(SizeToolBar(items, kUnlimitedWidth, false, Metrics(), kHorz), 138);
    EXPECT_EQ(Wraps(items), "......");
    // Width 0 and below: every button on its own row.
    EXPECT_EQ(SizeToolBar(items, 0, false, Metrics(), kHorz), 23);
    EXPECT_EQ(Wraps(items), "WWWWW.");
    EXPECT_EQ(SizeToolBar(items, -40, false, Metrics(), kHorz), 23);
    EXPECT_EQ(Wraps(items), "WWWWW.");
    // A row overflowing the length widens the bar, and the rows are made
    // again at that width: here two rows instead of three.
    items = { Button(6), Button(47), Button(76) };
    EXPECT_EQ(SizeToolBar(items, 44, false, Metrics(), kHorz), 76);
    EXPECT_EQ(Wraps(items), ".W.");
    std::vector<ToolbarItem> none;
    EXPECT_EQ(SizeToolBar(none, 100, false, Metrics(), kHorz), 0);
}

TEST(ToolbarSizeToolBar, BisectionFindsTheNarrowestWidthOfPlainBars)
{
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> length(1, 500);
    for (int round = 0; round < 300; ++round) {
        std::vector<ToolbarItem> items = RandomBar(rng, false);
        const int nLength = length(rng);
        const int nTarget = WrapToolBar(items, nLength, Metrics(), kHorz);
        const int nExpected = NarrowestWidthFor(items, nTarget, nLength);
        ASSERT_EQ(SearchWrapWidth(items, nLength, Metrics(), kHorz), nExpected) << "round " << round;
        // The bar is left wrapped at that width.
        std::vector<ToolbarItem> check = items;
        WrapToolBar(check, nExpected, Metrics(), kHorz);
        ASSERT_EQ(Wraps(items), Wraps(check)) << "round " << round;
        // Wrapping again at what the rows need never adds a row; it may take
        // one away when a row overflowed the length.
        const int nWidth = SizeToolBar(items, nLength, false, Metrics(), kHorz);
        ASSERT_LE(CalcSize(items, Metrics(), kHorz).cx, nWidth) << "round " << round;
        ASSERT_LE(WrapToolBar(items, nWidth, Metrics(), kHorz), nTarget) << "round " << round;
    }
}

TEST(ToolbarSizeToolBar, BisectionStopsOnARowCountBoundaryOfMixedBars)
{
    // With separators preferred as breaks the row count need not fall
    // steadily with the width, so the search promises a boundary, not the
    // narrowest width of all.
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> length(1, 500);
    for (int round = 0; round < 300; ++round) {
        std::vector<ToolbarItem> items = RandomBar(rng, true);
        const int nLength = length(rng);
        const int nTarget = WrapToolBar(items, nLength, Metrics(), kHorz);
        const int nWidth = SearchWrapWidth(items, nLength, Metrics(), kHorz);
        ASSERT_GE(nWidth, 0);
        ASSERT_LE(nWidth, nLength);
        std::vector<ToolbarItem> probe = items;
        if (nWidth > 0) {
            ASSERT_EQ(WrapToolBar(probe, nWidth, Metrics(), kHorz), nTarget) << "round " << round;
            ASSERT_NE(WrapToolBar(probe, nWidth - 1, Metrics(), kHorz), nTarget) << "round " << round;
        } else {
            ASSERT_EQ(WrapToolBar(probe, 0, Metrics(), kHorz), nTarget) << "round " << round;
        }
    }
}

TEST(ToolbarSizeToolBar, VerticalTakesTheWrapWhoseHeightFits)
{
    std::vector<ToolbarItem> items = SixButtons();
    // Exactly two rows tall: found on the first try.
    EXPECT_EQ(SizeToolBar(items, 44, true, Metrics(), kHorz), 80);
    EXPECT_EQ(Wraps(items), "..W...");
    // 70 lies between three rows (66) and six (132): three rows.
    EXPECT_EQ(SizeToolBar(items, 70, true, Metrics(), kHorz), 46);
    EXPECT_EQ(Wraps(items), ".W.W..");
    EXPECT_EQ(CalcSize(items, Metrics(), kHorz), Size(46, 66));
    // Shorter than one row: one row.
    EXPECT_EQ(SizeToolBar(items, 10, true, Metrics(), kHorz), 138);
    EXPECT_EQ(Wraps(items), "......");
    // Taller than all rows together: a column, from the last width tried.
    EXPECT_EQ(SizeToolBar(items, 1000, true, Metrics(), kHorz), 34);
    EXPECT_EQ(Wraps(items), "WWWWW.");
    // Nothing to bisect: the wide wrap stays.
    items = { Button(23) };
    EXPECT_EQ(SizeToolBar(items, 5, true, Metrics(), kHorz), kUnlimitedWidth);
    EXPECT_EQ(Wraps(items), ".");
}

TEST(ToolbarSizeToolBar, VerticalSearchThatGoesRoundInCirclesStops)
{
    // Wrapped at 304 these rows come out 456 wide, at 355 only 354: the wide
    // end of the height search swaps between the two for ever unless the
    // search notices it has been there before.
    ToolbarItem sep = Separator(201, 201);
    ToolbarItem hidden = Hidden(Placeholder(305, 201, 255));
    hidden.bSeparator = true;
    hidden.idCommand = 0;
    hidden.bHidden = false;
    hidden.cx = 255;
    hidden.cy = 201;
    std::vector<ToolbarItem> items = { Button(177, 255), Button(177, 249),      Button(128, 177), sep, sep,
                                       hidden,           Placeholder(306, 0, 0) };
    ToolbarMetrics m = Metrics(kComCtl471);
    m.cyButton = 128;
    const uint32_t dwMode = kModeStretch | kModeVertDock | kModeLengthY;
    EXPECT_EQ(SizeToolBar(items, 2688, true, m, dwMode), 354);
    EXPECT_EQ(CalcSize(items, m, dwMode), Size(354, 688));
}

TEST(ToolbarCalcLayout, NoButtonsGiveTheMarginsOrTheBaseSize)
{
    std::vector<ToolbarItem> items;
    BarLayoutInput input = Input(kHorz | kModeHorzDock | kModeCommit, kBarSizeDynamic | kBarAlignTop);
    BarLayoutResult r = CalcLayout(items, input, Metrics());
    EXPECT_EQ(r.size, Size(9, 4));
    EXPECT_TRUE(items.empty());
    input.szBaseFixed = { 20, 3 };
    EXPECT_EQ(CalcLayout(items, input, Metrics()).size, Size(20, 4));
}

TEST(ToolbarCalcLayout, DockedTopIsOneRowDockedLeftOneColumn)
{
    std::vector<ToolbarItem> items = SixButtons();
    items.insert(items.begin() + 3, Placeholder(300, 100, 18));
    BarLayoutResult r =
        CalcLayout(items, Input(kHorz | kModeHorzDock | kModeCommit, kBarSizeDynamic | kBarAlignTop), Metrics());
    EXPECT_EQ(r.size, Size(138 + 100 + 9, 22 + 4));
    EXPECT_FALSE(r.bVertical);
    EXPECT_FALSE(items[3].bHidden) << "shown again on a horizontal bar";
    EXPECT_EQ(Wraps(items), ".......");

    r = CalcLayout(items, Input(kModeVertDock | kModeCommit, kBarSizeDynamic | kBarAlignLeft), Metrics());
    EXPECT_EQ(r.size, Size(23 + 9, 132 + 4)) << "the control takes no room";
    EXPECT_TRUE(r.bVertical);
    EXPECT_TRUE(r.bHideControls);
    EXPECT_TRUE(items[3].bHidden);
    EXPECT_EQ(Wraps(items), "WWW.WW.") << "the placeholder is no break";

    // Asking without committing leaves the placeholder's mark alone.
    CalcLayout(items, Input(kHorz | kModeHorzDock, kBarSizeDynamic | kBarAlignTop), Metrics());
    EXPECT_TRUE(items[3].bHidden);
    // Controls that stay on vertical bars stay shown.
    r = CalcLayout(items, Input(kModeVertDock | kModeCommit, kBarSizeDynamic | kBarAlignRight),
                   Metrics(0x00050051, false));
    EXPECT_TRUE(r.bVertical);
    EXPECT_FALSE(r.bHideControls);
    EXPECT_FALSE(items[3].bHidden);
}

TEST(ToolbarCalcLayout, FloatingBarsFollowTheirLengthAndRememberTheirWidth)
{
    const uint32_t dwFloating = kBarSizeDynamic | kBarFloating;
    std::vector<ToolbarItem> items = SixButtons();
    BarLayoutResult r = CalcLayout(items, Input(kHorz | kModeMRUWidth, dwFloating, -1, 80), Metrics());
    EXPECT_EQ(r.size, Size(69 + 9, 44 + 4));
    EXPECT_EQ(r.nMRUWidth, 80) << "only a commit changes it";
    r = CalcLayout(items, Input(kHorz | kModeMRUWidth | kModeCommit, dwFloating, -1, 80), Metrics());
    EXPECT_EQ(r.nMRUWidth, 69);

    // A length includes the borders: 78 leaves 69 inside, 77 only 68.
    EXPECT_EQ(CalcLayout(items, Input(kHorz, dwFloating, 78), Metrics()).size, Size(78, 48));
    EXPECT_EQ(CalcLayout(items, Input(kHorz, dwFloating, 77), Metrics()).size, Size(46 + 9, 66 + 4));
    // A height: 70 leaves 66, exactly three rows.
    EXPECT_EQ(CalcLayout(items, Input(kHorz | kModeLengthY, dwFloating, 70), Metrics()).size, Size(55, 70));
    // No length and no mode: the remembered width.
    EXPECT_EQ(CalcLayout(items, Input(kHorz, dwFloating, -1, 1000), Metrics()).size, Size(147, 26));
    // A docked bar keeps its remembered width when committed.
    r = CalcLayout(items, Input(kHorz | kModeHorzDock | kModeCommit, kBarSizeDynamic | kBarAlignTop, -1, 80),
                   Metrics());
    EXPECT_EQ(r.nMRUWidth, 80);
}

TEST(ToolbarCalcLayout, FixedAndPlainBars)
{
    // A fixed-size bar keeps the wraps it has.
    std::vector<ToolbarItem> items = SixButtons();
    items[0].bWrap = true;
    EXPECT_EQ(CalcLayout(items, Input(kHorz, kBarSizeFixed | kBarSizeDynamic), Metrics()).size, Size(115 + 9, 48));
    EXPECT_EQ(Wraps(items), "W.....");
    // A bar that is neither: one row when horizontal, a column otherwise.
    EXPECT_EQ(CalcLayout(items, Input(kHorz, kBarAlignTop), Metrics()).size, Size(147, 26));
    EXPECT_EQ(CalcLayout(items, Input(0, kBarAlignLeft), Metrics()).size, Size(32, 136));
    EXPECT_EQ(CalcLayout(items, Input(kHorz | kModeStretch, kBarAlignTop, 50), Metrics()).size, Size(147, 26))
        << "a length means nothing to a bar that is not dynamic";
}

TEST(ToolbarCalcLayout, ControlsAreCentredInTheirItem)
{
    EXPECT_EQ(ControlTop(10, 22, 18), 12);
    EXPECT_EQ(ControlTop(10, 23, 20), 11) << "halves round down";
    EXPECT_EQ(ControlTop(10, 22, 30), 10) << "a taller control starts at the top";
    EXPECT_EQ(ControlTop(-5, 3, 0), -4);
    EXPECT_EQ(ControlTop(2147483000, 2000, 0), 2147483647) << "saturates";
}
