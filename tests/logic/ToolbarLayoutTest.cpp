// Item sizes, row sizes and wrapping of the toolbar layout.
#include "ToolbarLayout.h"
#include "ToolbarItems.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <climits>

using namespace bar_layout;
using namespace toolbar_test;

namespace {
const uint32_t kHorz = kModeHorz;
const uint32_t kVert = kModeVertDock;

LayoutSize Size(int cx, int cy) { return { cx, cy }; }

// Plain first-fit line breaking: a row takes items while they fit, an item
// wider than the row gets one of its own. For bars of plain buttons the
// toolbar's wrap must come out exactly like this.
std::string FirstFitWraps(const std::vector<ToolbarItem>& items, int nWidth)
{
    std::string s(items.size(), '.');
    long long x = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        if (x > 0 && x + items[i].cx > nWidth) {
            s[i - 1] = 'W';
            x = 0;
        }
        x += items[i].cx;
    }
    return s;
}

// The framework's toolbar as it measured and wrapped its rows by itself, over
// the records: the rule OneButtonHigh must come out exactly like this.
LayoutSize FrameCalcSize(const std::vector<ToolbarItem>& items, int cyButton)
{
    LayoutSize size = { 0, 0 };
    int x = 0;
    int y = 0;
    for (const ToolbarItem& b : items) {
        if (b.bHidden)
            continue;
        const int cySeparator = (b.cx > 0 ? b.cx : 8) * 2 / 3;
        if (!b.bSeparator || !b.bWrap)
            size.cx = std::max(size.cx, x + b.cx);
        if (!b.bSeparator)
            size.cy = std::max(size.cy, y + cyButton);
        else if (b.bWrap)
            size.cy = std::max(size.cy, y + cyButton + cySeparator);
        x += b.cx;
        if (b.bWrap) {
            x = 0;
            y += cyButton + (b.bSeparator ? cySeparator : 0);
        }
    }
    return size;
}

int FrameWrap(std::vector<ToolbarItem>& items, int nWidth)
{
    const int n = static_cast<int>(items.size());
    int nWraps = 0;
    int x = 0;
    for (int i = 0; i < n; i++) {
        items[i].bWrap = false;
        if (items[i].bHidden)
            continue;
        if (x + items[i].cx <= nWidth) {
            x += items[i].cx;
            continue;
        }
        int nWrap = -1;
        for (int j = i; j >= 0 && !items[j].bWrap && nWrap < 0; j--)
            if (items[j].IsPlainSeparator() && !items[j].bHidden)
                nWrap = j;
        for (int j = i - 1; j >= 0 && !items[j].bWrap && nWrap < 0; j--)
            if (!items[j].bHidden && !items[j].IsPlaceholder())
                nWrap = j;
        if (nWrap < 0) {
            x += items[i].cx;
            continue;
        }
        items[nWrap].bWrap = true;
        nWraps++;
        i = nWrap;
        x = 0;
    }
    return nWraps + 1;
}
}

TEST(ToolbarButtonSize, WrappingSeparatorHeightFollowsTheControlsVersion)
{
    std::vector<ToolbarItem> items = { Wrapping(Separator(8, 22)) };
    EXPECT_EQ(GetButtonSize(items, 0, Metrics(0x00040000), kHorz), Size(0, 19)) << "4.0";
    EXPECT_EQ(GetButtonSize(items, 0, Metrics(kComCtl470), kHorz), Size(0, 19)) << "4.70";
    EXPECT_EQ(GetButtonSize(items, 0, Metrics(kComCtl471), kHorz), Size(0, 22)) << "4.71";
    EXPECT_EQ(GetButtonSize(items, 0, Metrics(0x00040048), kHorz), Size(0, 8)) << "4.72";
    EXPECT_EQ(GetButtonSize(items, 0, Metrics(0x00060000), kHorz), Size(0, 8)) << "6.0";
    // An unread version (-1) compares as a small signed value, not as a huge one.
    EXPECT_EQ(GetButtonSize(items, 0, Metrics(-1), kHorz), Size(0, 19));
}

TEST(ToolbarButtonSize, SeparatorsAreNoTallerThanAButton)
{
    std::vector<ToolbarItem> items = { Separator(6, 40), Wrapping(Separator(6, 40)), Button(30, 40) };
    EXPECT_EQ(GetButtonSize(items, 0, Metrics(), kHorz), Size(6, 22));
    EXPECT_EQ(GetButtonSize(items, 1, Metrics(kComCtl471), kHorz), Size(0, 22));
    EXPECT_EQ(GetButtonSize(items, 2, Metrics(), kHorz), Size(30, 40)) << "buttons keep their height";
    // A wrapping separator with a child window of its id keeps its rectangle.
    items[1].bHasControl = true;
    EXPECT_EQ(GetButtonSize(items, 1, Metrics(kComCtl470), kHorz), Size(6, 22));
}

TEST(ToolbarButtonSize, ShortWrappingSeparatorUnderOldControlsNeverGoesNegative)
{
    std::vector<ToolbarItem> items = { Wrapping(Separator(8, 2)) };
    EXPECT_EQ(GetButtonSize(items, 0, Metrics(kComCtl470), kHorz), Size(0, 0));
    // Nor does the height of the rows it ends.
    items.push_back(Button(10, 22));
    EXPECT_EQ(CalcSize(items, Metrics(kComCtl470), kHorz), Size(10, 44));
    // A height the control could only report broken is no exception (a fuzzing find).
    items = { Wrapping(Separator(8, INT_MIN)) };
    EXPECT_EQ(GetButtonSize(items, 0, Metrics(kComCtl470), kHorz), Size(0, 0));
}

TEST(ToolbarButtonSize, Placeholders)
{
    std::vector<ToolbarItem> items = { Placeholder(300, 120, 20), Hidden(Placeholder(301, 90, 21)),
                                       Hidden(Placeholder(302, 90, 21)) };
    items[2].bHasControl = false;
    items[2].cx = items[2].cy = 0;

    EXPECT_EQ(GetButtonSize(items, 0, Metrics(), kHorz), Size(120, 22));
    EXPECT_EQ(GetButtonSize(items, 0, Metrics(), kModeStretch), Size(120, 22)) << "stretching counts as horizontal";
    EXPECT_EQ(GetButtonSize(items, 1, Metrics(), kHorz), Size(90, 21)) << "hidden: the control's size";
    EXPECT_EQ(GetButtonSize(items, 2, Metrics(), kHorz), Size(0, 0)) << "hidden, no control";
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(GetButtonSize(items, i, Metrics(), kVert), Size(0, 0)) << "vertical, item " << i;

    // Controls that stay on vertical bars keep their sizes there.
    EXPECT_EQ(GetButtonSize(items, 0, Metrics(0x00050051, false), kVert), Size(120, 22));
    EXPECT_EQ(GetButtonSize(items, 1, Metrics(0x00050051, false), kVert), Size(90, 21));
}

TEST(ToolbarButtonSize, IndexOutOfRangeIsEmpty)
{
    std::vector<ToolbarItem> items = { Button(23) };
    EXPECT_EQ(GetButtonSize(items, -1, Metrics(), kHorz), Size(0, 0));
    EXPECT_EQ(GetButtonSize(items, 1, Metrics(), kHorz), Size(0, 0));
    EXPECT_EQ(GetButtonSize(items, INT_MIN, Metrics(), kHorz), Size(0, 0));
    EXPECT_EQ(GetButtonSize({}, 0, Metrics(), kHorz), Size(0, 0));
}

TEST(ToolbarCalcSize, RowsAddUp)
{
    EXPECT_EQ(CalcSize({}, Metrics(), kHorz), Size(0, 0));
    std::vector<ToolbarItem> items = { Button(23), Wrapping(Button(23)), Button(40, 30) };
    EXPECT_EQ(CalcSize(items, Metrics(), kHorz), Size(46, 52));
    // A separator inside a row: only its own height goes below the row.
    items = { Button(23), Wrapping(Separator(8)), Button(23) };
    EXPECT_EQ(CalcSize(items, Metrics(), kHorz), Size(23, 52));
}

TEST(ToolbarCalcSize, LoneWrappingSeparatorGetsARowOfButtonHeight)
{
    std::vector<ToolbarItem> items = { Wrapping(Button(23)), Wrapping(Separator(8)), Button(23) };
    // The row of the separator is a button tall, its own height follows.
    EXPECT_EQ(CalcSize(items, Metrics(0x00050051), kHorz), Size(23, 22 + 22 + 8 + 22));
    EXPECT_EQ(CalcSize(items, Metrics(kComCtl471), kHorz), Size(23, 22 + 22 + 22 + 22));
    EXPECT_EQ(CalcSize(items, Metrics(kComCtl470), kHorz), Size(23, 22 + 22 + 19 + 22));
    // A hidden button beside the separator does not keep it from being alone.
    items.insert(items.begin() + 1, Hidden(Button(23)));
    EXPECT_EQ(CalcSize(items, Metrics(0x00050051), kHorz), Size(23, 74));
    // Nor does a hidden placeholder, though it takes room on the row.
    items[1] = Hidden(Placeholder(300, 40, 18));
    EXPECT_EQ(CalcSize(items, Metrics(0x00050051), kHorz), Size(40, 74));
}

TEST(ToolbarCalcSize, HiddenButtonsAddNothingHiddenPlaceholdersDo)
{
    std::vector<ToolbarItem> items = { Button(23), Hidden(Button(500, 99)), Button(23) };
    EXPECT_EQ(CalcSize(items, Metrics(), kHorz), Size(46, 22));
    items[1] = Hidden(Placeholder(300, 100, 30));
    EXPECT_EQ(CalcSize(items, Metrics(), kHorz), Size(146, 30));
    EXPECT_EQ(CalcSize(items, Metrics(), kVert), Size(46, 22)) << "vertical: no controls";
    // A hidden wrapping placeholder still ends its row.
    items[1].bWrap = true;
    items[1].bHasControl = false;
    EXPECT_EQ(CalcSize(items, Metrics(), kHorz), Size(23, 44));
}

TEST(ToolbarCalcSize, HugeItemsSaturateInsteadOfOverflowing)
{
    std::vector<ToolbarItem> items = { Button(INT_MAX, INT_MAX), Button(INT_MAX, 5) };
    EXPECT_EQ(CalcSize(items, Metrics(), kHorz), Size(INT_MAX, INT_MAX));
    items[0].bWrap = true;
    EXPECT_EQ(CalcSize(items, Metrics(), kHorz), Size(INT_MAX, INT_MAX));
}

TEST(ToolbarWrap, NoItemsIsOneRow)
{
    std::vector<ToolbarItem> items;
    EXPECT_EQ(WrapToolBar(items, 0, Metrics(), kHorz), 1);
    EXPECT_EQ(WrapToolBar(items, -5, Metrics(), kHorz), 1);
}

TEST(ToolbarWrap, WidthZeroBreaksWhereverItCan)
{
    std::vector<ToolbarItem> items = { Button(23), Button(23), Button(23) };
    EXPECT_EQ(WrapToolBar(items, 0, Metrics(), kHorz), 3);
    EXPECT_EQ(Wraps(items), "WW.");
    // A separator pulls the break to itself, so the button before it stays.
    items = { Button(23), Separator(), Button(23), Button(23) };
    EXPECT_EQ(WrapToolBar(items, 0, Metrics(), kHorz), 3);
    EXPECT_EQ(Wraps(items), ".WW.");
    // A leading separator is a row of its own.
    items = { Separator(), Button(23) };
    EXPECT_EQ(WrapToolBar(items, 0, Metrics(), kHorz), 2);
    EXPECT_EQ(Wraps(items), "W.");
}

TEST(ToolbarWrap, WideWidthIsOneRowAndClearsEarlierWraps)
{
    std::vector<ToolbarItem> items = { Wrapping(Button(23)), Wrapping(Separator()), Wrapping(Button(23)),
                                       Wrapping(Hidden(Button(23))), Wrapping(Placeholder(300, 80, 20)) };
    EXPECT_EQ(WrapToolBar(items, kUnlimitedWidth, Metrics(), kHorz), 1);
    EXPECT_EQ(Wraps(items), ".....");
    // Wider together than 32767: the break comes before the item that does not fit.
    items = { Button(20000), Button(20000) };
    EXPECT_EQ(WrapToolBar(items, kUnlimitedWidth, Metrics(), kHorz), 2);
    EXPECT_EQ(Wraps(items), "W.");
}

TEST(ToolbarWrap, ItemWiderThanTheWidthOverflowsItsRow)
{
    std::vector<ToolbarItem> items = { Button(100) };
    EXPECT_EQ(WrapToolBar(items, 50, Metrics(), kHorz), 1);
    EXPECT_EQ(Wraps(items), ".");
    // Between others it gets a row of its own that is wider than asked.
    items = { Button(30), Button(100), Button(30) };
    EXPECT_EQ(WrapToolBar(items, 50, Metrics(), kHorz), 3);
    EXPECT_EQ(Wraps(items), "WW.");
    EXPECT_EQ(CalcSize(items, Metrics(), kHorz), Size(100, 66));
}

TEST(ToolbarWrap, PrefersTheLastSeparatorOfTheRow)
{
    std::vector<ToolbarItem> items = { Button(30), Button(30), Separator(8), Button(30), Button(30) };
    EXPECT_EQ(WrapToolBar(items, 100, Metrics(), kHorz), 2);
    EXPECT_EQ(Wraps(items), "..W..");
    // The separator's width is not on any row once it wraps.
    EXPECT_EQ(CalcSize(items, Metrics(), kHorz), Size(60, 22 + 8 + 22));
    // Overflowing on the separator itself breaks there too.
    items = { Button(50), Button(45), Separator(8), Button(30) };
    EXPECT_EQ(WrapToolBar(items, 100, Metrics(), kHorz), 2);
    EXPECT_EQ(Wraps(items), "..W.");
}

TEST(ToolbarWrap, HiddenItemsAndPlaceholdersAreNeverBreaks)
{
    std::vector<ToolbarItem> items = { Button(30), Button(30), Hidden(Button(30)), Button(30) };
    EXPECT_EQ(WrapToolBar(items, 70, Metrics(), kHorz), 2);
    EXPECT_EQ(Wraps(items), ".W..");
    items = { Button(30), Hidden(Separator()), Button(30), Button(30) };
    EXPECT_EQ(WrapToolBar(items, 70, Metrics(), kHorz), 2);
    EXPECT_EQ(Wraps(items), "..W.");
    items = { Button(30), Placeholder(300, 40, 20), Button(30) };
    EXPECT_EQ(WrapToolBar(items, 60, Metrics(), kHorz), 2);
    EXPECT_EQ(Wraps(items), "W..");
    // Vertically the placeholder measures nothing and the row fits.
    EXPECT_EQ(WrapToolBar(items, 60, Metrics(), kVert), 1);
    EXPECT_EQ(Wraps(items), "...");
}

TEST(ToolbarWrap, NegativeWidthStillEnds)
{
    std::vector<ToolbarItem> items = { Hidden(Placeholder(300, 0, 0)), Separator(0), Button(0), Button(0) };
    items[0].cxControl = 0;
    EXPECT_EQ(WrapToolBar(items, -1, Metrics(), kHorz), 3);
    EXPECT_EQ(Wraps(items), ".WW.");
}

TEST(ToolbarWrap, MatchesFirstFitForPlainButtons)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> width(0, 400);
    for (int round = 0; round < 400; ++round) {
        std::vector<ToolbarItem> items = RandomBar(rng, false);
        const int nWidth = width(rng);
        const int nRows = WrapToolBar(items, nWidth, Metrics(), kHorz);
        const std::string expected = FirstFitWraps(items, nWidth);
        ASSERT_EQ(Wraps(items), expected) << "round " << round << " width " << nWidth;
        ASSERT_EQ(nRows, 1 + static_cast<int>(std::count(expected.begin(), expected.end(), 'W')));
    }
}

TEST(ToolbarWrap, EarlierFlagsNeverChangeTheResult)
{
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> width(-10, 400);
    for (int round = 0; round < 400; ++round) {
        std::vector<ToolbarItem> clean = RandomBar(rng, true);
        if (clean.empty())
            continue;
        std::vector<ToolbarItem> dirty = clean;
        for (ToolbarItem& item : dirty)
            item.bWrap = (rng() & 1) != 0;
        const int nWidth = width(rng);
        const uint32_t dwMode = (rng() & 1) ? kHorz : kVert;
        const int nClean = WrapToolBar(clean, nWidth, Metrics(), dwMode);
        const int nDirty = WrapToolBar(dirty, nWidth, Metrics(), dwMode);
        ASSERT_EQ(nClean, nDirty) << "round " << round;
        ASSERT_EQ(Wraps(clean), Wraps(dirty)) << "round " << round;
        // Breaks only fall on items that can take one.
        const std::string wraps = Wraps(clean);
        ASSERT_EQ(nClean, 1 + static_cast<int>(std::count(wraps.begin(), wraps.end(), 'W')));
        for (const ToolbarItem& item : clean)
            ASSERT_FALSE(item.bWrap && (item.bHidden || item.IsPlaceholder())) << "round " << round;
    }
}

TEST(ToolbarFrameRule, RowsAndWrapsAreTheFrameworkToolbars)
{
    // Hidden placeholders, wrapping separators and flags left from before
    // are where the two rules part.
    std::mt19937 rng(13);
    std::uniform_int_distribution<int> width(-10, 400);
    for (int round = 0; round < 400; ++round) {
        std::vector<ToolbarItem> items = RandomBar(rng, true);
        for (ToolbarItem& item : items) {
            item.bWrap = (rng() % 3) == 0;
            if (item.IsPlaceholder() && (rng() & 1) != 0)
                item = Hidden(item);
            item.bHasControl = false;  // the framework's toolbar knows no embedded controls
        }
        const int cyButton = 15 + static_cast<int>(rng() % 20);
        ASSERT_EQ(CalcSize(items, FrameMetrics(cyButton), kVert), FrameCalcSize(items, cyButton)) << "round " << round;
        std::vector<ToolbarItem> reference = items;
        const int nWidth = width(rng);
        ASSERT_EQ(WrapToolBar(items, nWidth, FrameMetrics(cyButton), kVert), FrameWrap(reference, nWidth))
            << "round " << round;
        ASSERT_EQ(Wraps(items), Wraps(reference)) << "round " << round;
        ASSERT_EQ(CalcSize(items, FrameMetrics(cyButton), kVert), FrameCalcSize(items, cyButton)) << "round " << round;
    }
}
