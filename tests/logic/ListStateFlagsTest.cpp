// The list control's state word, filters and search starts as plain values.
#include "ListStateFlags.h"
#include <gtest/gtest.h>
#include <climits>

using namespace list_state;

TEST(ListStateFlags, AWordHoldsOneFlagOfEachPair)
{
    EXPECT_EQ(StateWord(true, true, false), 0x4Au);
    EXPECT_EQ(StateWord(false, false, false), 0x54u);
    EXPECT_EQ(StateWord(true, false, true), (uint32_t)(kSelected | kUnchecked | kFocused));
    for (int bits = 0; bits < 8; ++bits) {
        uint32_t w = StateWord(bits & 1, bits & 2, bits & 4);
        EXPECT_EQ(w & kAny, 0u);
        EXPECT_NE(!!(w & kSelected), !!(w & kUnselected));
        EXPECT_NE(!!(w & kChecked), !!(w & kUnchecked));
        EXPECT_NE(!!(w & kFocused), !!(w & kUnfocused));
    }
}

TEST(ListStateFlags, FiltersNeedEveryFlag)
{
    const uint32_t w = StateWord(true, true, false);
    EXPECT_TRUE(Matches(w, kSelected));
    EXPECT_TRUE(Matches(w, kSelected | kChecked | kUnfocused));
    EXPECT_FALSE(Matches(w, kSelected | kFocused));
    EXPECT_FALSE(Matches(w, kChecked | kUnchecked)) << "a pair matches nothing";
    EXPECT_FALSE(Matches(w, 0));
    EXPECT_TRUE(Matches(0, kAny));
    EXPECT_TRUE(Matches(0, kAny | kSelected | kUnselected));
    EXPECT_FALSE(Matches(w, 0x80)) << "an unknown flag is never in a word";
}

TEST(ListStateFlags, SearchStartsAndClamping)
{
    EXPECT_EQ(FirstSearchStart(-1), 0);
    EXPECT_EQ(FirstSearchStart(INT_MIN), 0);
    EXPECT_EQ(FirstSearchStart(3), 4);
    EXPECT_EQ(FirstSearchStart(INT_MAX), INT_MAX);
    EXPECT_EQ(LastSearchStart(-1, 5), 4);
    EXPECT_EQ(LastSearchStart(INT_MIN, 5), 4);
    EXPECT_EQ(LastSearchStart(6, 5), 4);
    EXPECT_EQ(LastSearchStart(5, 5), 4);
    EXPECT_EQ(LastSearchStart(3, 5), 2);
    EXPECT_EQ(LastSearchStart(0, 5), -1);
    EXPECT_EQ(LastSearchStart(-1, 0), -1);
    EXPECT_EQ(ClampPosition(10, 5), 4);
    EXPECT_EQ(ClampPosition(-1, 5), 0);
    EXPECT_EQ(ClampPosition(INT_MIN, 5), 0);
    EXPECT_EQ(ClampPosition(2, 5), 2);
    EXPECT_EQ(ClampPosition(3, 0), 0);
}
