// The progress window's percentage: truncation, positions outside the range, empty ranges.
#include "ProgressPercent.h"
#include <gtest/gtest.h>
#include <cfloat>
#include <climits>
#include <cmath>

using progress_percent::Percent;

TEST(ProgressPercent, TruncatesTowardsZeroInsideTheRange)
{
    EXPECT_EQ(Percent(25.5, 0, 100), 25);
    EXPECT_EQ(Percent(50, 50, 150), 0);
    EXPECT_EQ(Percent(100, 50, 150), 50);
    EXPECT_EQ(Percent(149.99, 50, 150), 99);
    EXPECT_EQ(Percent(150, 50, 150), 100);
    // 0.29 x 100 is 28.999999999999996 in doubles: truncation, not rounding.
    EXPECT_EQ(Percent(0.29, 0, 1), 28);
    EXPECT_EQ(Percent(-3.5, -10, 0), 65);
}

TEST(ProgressPercent, PositionsOutsideTheRangeGiveTheirRealPercentage)
{
    EXPECT_EQ(Percent(120, 0, 100), 120);
    EXPECT_EQ(Percent(170, 50, 150), 120);
    EXPECT_EQ(Percent(-5, 0, 100), -5);
    EXPECT_EQ(Percent(10, 50, 150), -40);
    EXPECT_EQ(Percent(0, 50, 150), -50);
    EXPECT_EQ(Percent(-25, 100, 0), 125);  // reversed: past its end
    // Just under the minimum truncates to a negative zero and shows 0.
    EXPECT_EQ(Percent(-0.001, 0, 100), 0);
    // What an int cannot hold stops at its ends; the conversion would be undefined.
    EXPECT_EQ(Percent(2147483600, 0, 100), 2147483600);
    EXPECT_EQ(Percent(2147483700, 0, 100), INT_MAX);
    EXPECT_EQ(Percent(-2147483600, 0, 100), -2147483600);
    EXPECT_EQ(Percent(-2147483700, 0, 100), INT_MIN);
    EXPECT_EQ(Percent(1e300, 0, 100), INT_MAX);
    EXPECT_EQ(Percent(-1e300, 0, 100), INT_MIN);
    EXPECT_EQ(Percent(INFINITY, 0, 100), INT_MAX);
    EXPECT_EQ(Percent(-INFINITY, 0, 100), INT_MIN);
}

TEST(ProgressPercent, EmptyRangeNeverDivides)
{
    EXPECT_EQ(Percent(4.9, 5, 5), 0);
    EXPECT_EQ(Percent(5, 5, 5), 100);
    EXPECT_EQ(Percent(6, 5, 5), 100);
    EXPECT_EQ(Percent(0, 0, 0), 100);
    EXPECT_EQ(Percent(-1, 0, 0), 0);
}

TEST(ProgressPercent, ExtremeAndBrokenRanges)
{
    // As wide as the doubles go: the width would overflow without care.
    EXPECT_EQ(Percent(0, -DBL_MAX, DBL_MAX), 50);
    EXPECT_EQ(Percent(DBL_MAX, -DBL_MAX, DBL_MAX), 100);
    // Reversed: counts down from the minimum.
    EXPECT_EQ(Percent(75, 100, 0), 25);
    // Not a number anywhere shows 0.
    EXPECT_EQ(Percent(NAN, 0, 100), 0);
    EXPECT_EQ(Percent(50, NAN, 100), 0);
    EXPECT_EQ(Percent(50, 0, NAN), 0);
    // Infinite bounds give no fraction to show.
    EXPECT_EQ(Percent(50, -INFINITY, INFINITY), 0);
    EXPECT_EQ(Percent(50, 0, INFINITY), 0);
}

// Found by the fuzzer: a range a few denormals wide lost its width when its
// bounds were halved, so its maximum showed 0 % instead of 100 %.
TEST(ProgressPercent, RangesOfDenormalWidthStillEndAtAHundred)
{
    const double dTiny = 4.9406564584124654e-324;  // the smallest denormal
    EXPECT_EQ(Percent(0, dTiny, 0), 100);
    EXPECT_EQ(Percent(dTiny, dTiny, 0), 0);
    EXPECT_EQ(Percent(3 * dTiny, 0, 4 * dTiny), 75);
    EXPECT_EQ(Percent(4 * dTiny, 0, 4 * dTiny), 100);
    // A position whose offset overflows keeps the tiny range's width and its
    // direction: past the end of a reversed range is far above 100, not below 0.
    EXPECT_EQ(Percent(-INFINITY, dTiny, 0), INT_MAX);
}
