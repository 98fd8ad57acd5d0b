// Texts of real-number cells.
#include "CellTextFormat.h"

#include <gtest/gtest.h>
#include <cfloat>
#include <climits>
#include <string>

using namespace list_sort;

TEST(ListSortCellText, AutomaticDecimalsDropTrailingZerosAndPoint)
{
    EXPECT_EQ("2.5", FormatCellReal(2.5, -1));
    EXPECT_EQ("3", FormatCellReal(3.0, -1));
    EXPECT_EQ("100", FormatCellReal(100.0, -1));  // zeros before the point stay
    EXPECT_EQ("0", FormatCellReal(0.0, -1));
    EXPECT_EQ("-0", FormatCellReal(-0.0000001, -1));
    EXPECT_EQ("1234567", FormatCellReal(1234567.0, -1));  // no grouping
    EXPECT_EQ("0.000001", FormatCellReal(0.000001, -7));
    EXPECT_EQ("0.333333", FormatCellReal(1.0 / 3, INT_MIN));
    EXPECT_EQ("-10.01", FormatCellReal(-10.01, -1));
}

TEST(ListSortCellText, FixedDecimals)
{
    EXPECT_EQ("2.500", FormatCellReal(2.5, 3));
    EXPECT_EQ("3", FormatCellReal(2.7, 0));
    EXPECT_EQ("100.00", FormatCellReal(100.0, 2));
    EXPECT_EQ("-0.0", FormatCellReal(-0.01, 1));
    EXPECT_EQ("0.10000000000000000555", FormatCellReal(0.1, 20));  // the double's own digits
}

TEST(ListSortCellText, HugeValuesMakeLongTexts)
{
    std::string text = FormatCellReal(DBL_MAX, -1);
    EXPECT_EQ(309u, text.size());
    EXPECT_EQ("179769313486231570", text.substr(0, 18));
    text = FormatCellReal(-DBL_MAX, 2);
    EXPECT_EQ(313u, text.size());
    EXPECT_EQ(".00", text.substr(310));
    text = FormatCellReal(1e300, 300);
    EXPECT_EQ(301u + 1 + 300, text.size());
}

TEST(ListSortCellText, DecimalsAreCappedWhereADoubleHasNoMoreDigits)
{
    // The smallest double has 1074 decimals, the last one a 5.
    std::string text = FormatCellReal(DBL_TRUE_MIN, kMaxRealDecimals);
    ASSERT_EQ(2u + kMaxRealDecimals, text.size());
    EXPECT_EQ('5', text.back());
    EXPECT_EQ(text, FormatCellReal(DBL_TRUE_MIN, INT_MAX));
    EXPECT_EQ(2u + kMaxRealDecimals, FormatCellReal(1.0, 5000).size() - 0);
}
