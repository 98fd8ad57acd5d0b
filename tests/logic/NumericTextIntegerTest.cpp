// Integer texts: what is accepted while typing, and what a text reads as.
#include "NumericText.h"
#include <gtest/gtest.h>
#include <string>
#include <cstdint>

using namespace numeric_text;

namespace {
const int32_t kDefaultMin = -2147483647;
const int32_t kDefaultMax = 2147483647;

int Check(const char* text, int32_t nMin = kDefaultMin, int32_t nMax = kDefaultMax)
{
    return CheckIntegerText(text, nMin, nMax);
}
}

TEST(IntegerText, EntriesJustBegunAreAcceptable)
{
    EXPECT_EQ(Check(""), kTextAcceptable);
    EXPECT_EQ(Check(nullptr), kTextAcceptable);
    EXPECT_EQ(Check("+"), kTextAcceptable);
    EXPECT_EQ(Check("-"), kTextAcceptable);
    // Even where 0 itself lies outside the range: the user has only begun.
    EXPECT_EQ(Check("", 10, 99), kTextAcceptable);
    EXPECT_EQ(Check("+", 10, 99), kTextAcceptable);
}

TEST(IntegerText, SignsOnlyAtTheStartAndMinusOnlyBelowZero)
{
    EXPECT_EQ(Check("-5"), kTextAcceptable);
    EXPECT_EQ(Check("+5"), kTextAcceptable);
    EXPECT_EQ(Check("5-"), kTextRefused);
    EXPECT_EQ(Check("1+2"), kTextRefused);
    EXPECT_EQ(Check("--5"), kTextRefused);
    EXPECT_EQ(Check("+-5"), kTextRefused);
    // A range starting at zero has no room for a minus sign, wherever it stands.
    EXPECT_EQ(Check("-", 0, 100), kTextRefused);
    EXPECT_EQ(Check("-5", 0, 100), kTextRefused);
    EXPECT_EQ(Check("-0", 0, 100), kTextRefused);
    EXPECT_EQ(Check("+5", 0, 100), kTextAcceptable);
    EXPECT_EQ(Check("-", -1, 100), kTextAcceptable);
}

TEST(IntegerText, AnythingButDigitsIsRefusedBeforeTheRangeIsLookedAt)
{
    for (const char* text : { " 5", "5 ", "5.0", "1e3", "0x1F", "abc", "12a", "\t7", "5\x01" })
        EXPECT_EQ(Check(text, 0, 0), kTextRefused) << text;
    EXPECT_EQ(Check("\xB9"), kTextRefused);  // a byte above 127 (superscript one in code page 1252)
}

TEST(IntegerText, BoundsAreInclusive)
{
    EXPECT_EQ(Check("10", 10, 99), kTextAcceptable);
    EXPECT_EQ(Check("99", 10, 99), kTextAcceptable);
    EXPECT_EQ(Check("9", 10, 99), kTextOutOfRange);
    EXPECT_EQ(Check("100", 10, 99), kTextOutOfRange);
    EXPECT_EQ(Check("-11", -10, 10), kTextOutOfRange);
    EXPECT_EQ(Check("-10", -10, 10), kTextAcceptable);
    EXPECT_EQ(Check("0010", 10, 99), kTextAcceptable);
}

TEST(IntegerText, NumbersBeyondThirtyTwoBitsAreOutOfEveryRange)
{
    EXPECT_EQ(Check("2147483647"), kTextAcceptable);
    EXPECT_EQ(Check("-2147483647"), kTextAcceptable);
    // The default minimum stops one short of the most negative 32-bit value.
    EXPECT_EQ(Check("-2147483648"), kTextOutOfRange);
    EXPECT_EQ(Check("-2147483648", INT32_MIN, 0), kTextAcceptable);
    EXPECT_EQ(Check("2147483648"), kTextOutOfRange);
    // Longer digit runs must not wrap round into the range.
    EXPECT_EQ(Check("4294967296"), kTextOutOfRange);
    EXPECT_EQ(Check("4294967301", 0, 10), kTextOutOfRange);
    EXPECT_EQ(Check("18446744073709551621", 0, 10), kTextOutOfRange);
    EXPECT_EQ(Check("-99999999999999999999999999", kDefaultMin, kDefaultMax), kTextOutOfRange);
}

TEST(IntegerText, MinimumAboveMaximumLeavesNoNumberInRange)
{
    EXPECT_EQ(Check("50", 99, 10), kTextOutOfRange);
    EXPECT_EQ(Check("5", 99, 10), kTextOutOfRange);
    EXPECT_EQ(Check("", 99, 10), kTextAcceptable);
}

TEST(IntegerText, ValueOfAcceptableTexts)
{
    EXPECT_EQ(IntegerTextValue("42", kDefaultMin, kDefaultMax), 42);
    EXPECT_EQ(IntegerTextValue("+7", kDefaultMin, kDefaultMax), 7);
    EXPECT_EQ(IntegerTextValue("-0", kDefaultMin, kDefaultMax), 0);
    EXPECT_EQ(IntegerTextValue("-2147483647", kDefaultMin, kDefaultMax), -2147483647);
    EXPECT_EQ(IntegerTextValue("", kDefaultMin, kDefaultMax), 0);
    EXPECT_EQ(IntegerTextValue("-", kDefaultMin, kDefaultMax), 0);
}

TEST(IntegerText, ValueOfOtherTextsIsReadSaturatedAndClamped)
{
    // Read as "%d" reads: blanks skipped, the number that starts the text.
    EXPECT_EQ(IntegerTextValue("  12abc", kDefaultMin, kDefaultMax), 12);
    EXPECT_EQ(IntegerTextValue("1e3", kDefaultMin, kDefaultMax), 1);
    EXPECT_EQ(IntegerTextValue("-5.9", kDefaultMin, kDefaultMax), -5);
    EXPECT_EQ(IntegerTextValue("abc", kDefaultMin, kDefaultMax), 0);
    EXPECT_EQ(IntegerTextValue("- 5", kDefaultMin, kDefaultMax), 0);
    // Saturated to 32 bits, then clamped into the range.
    EXPECT_EQ(IntegerTextValue("99999999999", kDefaultMin, kDefaultMax), 2147483647);
    EXPECT_EQ(IntegerTextValue("-99999999999999999999", kDefaultMin, kDefaultMax), kDefaultMin);
    EXPECT_EQ(IntegerTextValue("-2147483648", kDefaultMin, kDefaultMax), kDefaultMin);
    EXPECT_EQ(IntegerTextValue("-2147483648", INT32_MIN, 0), INT32_MIN);
    EXPECT_EQ(IntegerTextValue("5", 10, 99), 10);
    EXPECT_EQ(IntegerTextValue("150", 10, 99), 99);
    EXPECT_EQ(IntegerTextValue("-3", 0, 99), 0);
    // No number at all is 0, clamped as well, so an emptied field ends in range.
    EXPECT_EQ(IntegerTextValue("", 10, 99), 10);
    EXPECT_EQ(IntegerTextValue("+", -99, -10), -10);
    EXPECT_EQ(IntegerTextValue(nullptr, 10, 99), 10);
}

TEST(IntegerText, ValueWithMinimumAboveMaximumIsAlwaysTheMinimum)
{
    // It used to be the bound nearer the number, so every focus loss swung the
    // text between the two bounds.
    for (const char* text : { "50", "5", "150", "", "-", "99", "10", "-7" }) {
        int32_t n = IntegerTextValue(text, 99, 10);
        EXPECT_EQ(n, 99) << text;
        EXPECT_EQ(IntegerTextValue(std::to_string(n).c_str(), 99, 10), n) << text;
    }
    EXPECT_EQ(IntegerTextValue("0", 1, -1), 1);
    EXPECT_EQ(IntegerTextValue("0", INT32_MAX, INT32_MIN), INT32_MAX);
}
