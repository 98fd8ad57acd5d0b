// Typed comparison of cell texts: the four readings and their order.
#include "ListCompare.h"

#include <gtest/gtest.h>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

using namespace list_sort;

namespace {

int Sign(int n) { return n < 0 ? -1 : (n > 0 ? 1 : 0); }

// A stand-in for the platform's date parser: "D<days>" is the automation date
// <days>; it counts its calls so tests can see when dates are read.
int g_nDateCalls = 0;
bool ParseTestDate(const char* text, double& date)
{
    ++g_nDateCalls;
    if (text[0] != 'D' || text[1] == '\0')
        return false;
    char* end = nullptr;
    date = std::strtod(text + 1, &end);
    return *end == '\0';
}

int Compare(const char* a, const char* b) { return Sign(CompareCellTexts(a, b, ParseTestDate, nullptr)); }

}  // namespace

TEST(ListSortCompare, HexReadingIsStrtoulOn32Bits)
{
    struct Case
    {
        const char* text;
        bool ok;
        uint32_t value;
    } cases[] = {
        { "9", true, 9 },
        { "beef", true, 0xBEEF },
        { "Cafe", true, 0xCAFE },
        { " \t\n0x1F", true, 0x1F },
        { "0X1f", true, 0x1F },
        { "+10", true, 0x10 },
        { "-5", true, 0xFFFFFFFBu },
        { "-0", true, 0 },
        { "-FFFFFFFF", true, 1 },
        { "FFFFFFFF", true, 0xFFFFFFFFu },
        { "100000000", true, 0xFFFFFFFFu },   // one digit too many
        { "-100000000", true, 0xFFFFFFFFu },  // overflow wins over the sign
        { "123456789", true, 0xFFFFFFFFu },
        { "0000000000000000000000001", true, 1 },  // leading zeros are no overflow
        { "0x0x1", false, 0 },
        { "0x", false, 0 },  // reads "0" and ends at the x
        { "0xg", false, 0 },
        { "", false, 0 },
        { " ", false, 0 },
        { "+", false, 0 },
        { "-", false, 0 },
        { "ff ", false, 0 },  // trailing space is not the end
        { "12.5", false, 0 },
        { "1e3", true, 0x1E3 },
        { "apple", false, 0 },
        { "\xA0"
          "1",
          false, 0 },  // a non-breaking space is no white space
    };
    for (const Case& c : cases) {
        uint32_t value = 12345;
        EXPECT_EQ(c.ok, ParseHexText(c.text, value)) << "'" << c.text << "'";
        if (c.ok) {
            EXPECT_EQ(c.value, value) << "'" << c.text << "'";
        }
    }
}

TEST(ListSortCompare, RealReadingEndsAtTheEndOrAtAFinalPercent)
{
    struct Case
    {
        const char* text;
        bool ok;
        double value;
    } cases[] = {
        { "2.5", true, 2.5 },      { "7.5%", true, 7.5 },
        { "+2.5%", true, 2.5 },    { " -.5e-3", true, -0.0005 },
        { "5.", true, 5 },         { ".5", true, 0.5 },
        { "1E2", true, 100 },      { "%", true, 0 },  // nothing converted, and that end is the final percent
        { "1e", false, 0 },                           // the exponent needs a digit: ends at the e
        { "1e+", false, 0 },       { "1e+%", false, 0 },
        { "5%%", false, 0 },       { "%5", false, 0 },
        { " %", false, 0 },  // nothing converted ends at the start, not at the percent
        { "-%", false, 0 },        { ".", false, 0 },
        { "2.5 ", false, 0 },      { "", false, 0 },
        { "0x1A", false, 0 },  // no hexadecimal floats
        { "inf", false, 0 },       { "nan", false, 0 },
        { "-infinity", false, 0 }, { "1,5", false, 0 },  // the decimal point is a point
    };
    for (const Case& c : cases) {
        double value = 123;
        EXPECT_EQ(c.ok, ParseRealText(c.text, value)) << "'" << c.text << "'";
        if (c.ok) {
            EXPECT_DOUBLE_EQ(c.value, value) << "'" << c.text << "'";
        }
    }
}

TEST(ListSortCompare, RealReadingOfHugeAndTinyNumbers)
{
    double value = 0;
    ASSERT_TRUE(ParseRealText("1e999", value));
    EXPECT_TRUE(std::isinf(value) && value > 0);
    ASSERT_TRUE(ParseRealText("-123456e99999999999999999999", value));
    EXPECT_TRUE(std::isinf(value) && value < 0);
    ASSERT_TRUE(ParseRealText("0.000001e-999", value));
    EXPECT_EQ(0.0, value);
    ASSERT_TRUE(ParseRealText("1e-320", value));  // a subnormal still reads
    EXPECT_GT(value, 0.0);
    ASSERT_TRUE(ParseRealText("0.1", value));
    EXPECT_EQ(0.1, value);  // correctly rounded
    std::string longNumber(5000, '9');
    ASSERT_TRUE(ParseRealText((longNumber + ".5%").c_str(), value));
    EXPECT_TRUE(std::isinf(value));
}

TEST(ListSortCompare, DecimalIntegersOrderNumericallyUpToEightDigits)
{
    EXPECT_LT(Compare("9", "10"), 0);
    EXPECT_LT(Compare("10", "100"), 0);
    EXPECT_GT(Compare("100", "9"), 0);
    EXPECT_EQ(0, Compare("123456789", "987654321"));  // both read 0xFFFFFFFF
    EXPECT_LT(Compare("99999999", "123456789"), 0);
}

TEST(ListSortCompare, HexadecimalWinsOverEveryOtherReading)
{
    EXPECT_LT(Compare("beef", "Cafe"), 0);   // as text the capital C would come first
    EXPECT_LT(Compare("Apple", "Cafe"), 0);  // Apple is no number: text
    EXPECT_LT(Compare("Cafe", "apple"), 0);
    EXPECT_GT(Compare("-5", "3"), 0);     // two's complement
    EXPECT_LT(Compare("1e3", "200"), 0);  // 0x1E3 < 0x200, not 1000 > 200
}

TEST(ListSortCompare, RealNumbersAndPercents)
{
    EXPECT_LT(Compare("2.5", "10"), 0);
    EXPECT_GT(Compare("50%", "7.5%"), 0);
    EXPECT_LT(Compare("7.5%", "50"), 0);
    EXPECT_EQ(0, Compare("0.5", "0.50"));
    EXPECT_EQ(0, Compare("%", "0.0"));
    EXPECT_GT(Compare("2.5", "-1e999"), 0);
    EXPECT_LT(Compare("2.5", "abc"), 0);  // abc is hexadecimal but 2.5 is not: text
    EXPECT_GT(Compare("abc", "2.5"), 0);
}

TEST(ListSortCompare, EmptyTextComparesAsText)
{
    EXPECT_LT(Compare("", "5"), 0);
    EXPECT_LT(Compare("", "-5"), 0);
    EXPECT_LT(Compare("", " "), 0);
    EXPECT_EQ(0, Compare("", ""));
    EXPECT_GT(Compare("apple", ""), 0);
}

TEST(ListSortCompare, DatesComparedOnTheTimeLineAndOnlyWhenBothAreDates)
{
    EXPECT_LT(Compare("D100.5", "D200"), 0);
    EXPECT_GT(Compare("D100.5", "D100.25"), 0);
    // A date against a word: text ('D' < 'w').
    EXPECT_LT(Compare("D300", "word"), 0);
    EXPECT_LT(Compare("D9", "D10"), 0);
    EXPECT_GT(Compare("D9", "D10x"), 0);  // "D10x" is no date: text
    // Before the base date the fraction counts forward: -1.25 is 29 December 1899
    // 06:00 and -1.75 the same day at 18:00.
    EXPECT_LT(Compare("D-1.25", "D-1.75"), 0);
    EXPECT_LT(Compare("D-2.5", "D-1.75"), 0);
    EXPECT_LT(Compare("D-1.75", "D0.25"), 0);
    EXPECT_EQ(0, Compare("D-0.5", "D0.5"));  // both 30 December 1899 12:00
    EXPECT_DOUBLE_EQ(-0.75, DateOnTimeLine(-1.25));
    EXPECT_DOUBLE_EQ(-1.0, DateOnTimeLine(-1.0));
    EXPECT_DOUBLE_EQ(3.25, DateOnTimeLine(3.25));
}

TEST(ListSortCompare, DatesAreReadOnlyWhenTheNumberReadingsCannotDecide)
{
    SortKey a, b, c;
    a.Assign("12");
    b.Assign("2.5");
    c.Assign("word");
    KeyComparer compare(ParseTestDate, nullptr);
    g_nDateCalls = 0;
    compare(a, a);
    compare(a, b);
    EXPECT_EQ(0, g_nDateCalls);
    compare(c, a);  // c is read, is no date, so a need not be
    EXPECT_EQ(1, g_nDateCalls);
    compare(c, b);
    compare(c, c);
    EXPECT_EQ(1, g_nDateCalls) << "a key keeps its date reading";
}

TEST(ListSortCompare, EqualTextsShareOneDateReadingAndOnlyEqualTextsDo)
{
    // Many texts with many repeats: probes run long, and a key must still find only its own text.
    std::vector<std::string> texts;
    for (int i = 0; i < 6000; ++i)
        texts.push_back((i % 3 ? "D-" : "w") + std::to_string((i * 7919) % 2500) + ".5");
    std::vector<SortKey> keys(texts.size());
    for (size_t k = 0; k < keys.size(); ++k)
        keys[k].Assign(texts[k].c_str());
    ShareEqualTexts(keys.data(), keys.size());
    std::map<std::string, size_t> firstOf;
    std::vector<int> expected;
    for (size_t k = 0; k < keys.size(); ++k) {
        firstOf.emplace(texts[k], k);
        EXPECT_EQ(firstOf[texts[k]] == k ? nullptr : &keys[firstOf[texts[k]]], keys[k].pSameText) << texts[k];
        expected.push_back(Compare(texts[k].c_str(), "D-0.25"));
    }
    SortKey date;
    date.Assign("D-0.25");
    KeyComparer compare(ParseTestDate, nullptr);
    g_nDateCalls = 0;
    for (size_t k = 0; k < keys.size(); ++k)
        EXPECT_EQ(expected[k], Sign(compare(keys[k], date))) << texts[k];
    EXPECT_EQ((int)firstOf.size() + 1, g_nDateCalls) << "one reading per distinct text";
}

TEST(ListSortCompare, TextComparisonIsBytewiseUnsigned)
{
    EXPECT_LT(Compare("Zebra", "apple"), 0);    // case counts, capitals first
    EXPECT_GT(Compare("\xE9t\xE9", "zoo"), 0);  // bytes above 0x7F after ASCII
    EXPECT_LT(Compare("pear", "pears"), 0);
    // The comparer handed in is the one used for text.
    auto reverse = [](const char* a, const char* b) { return std::strcmp(b, a); };
    EXPECT_GT(CompareCellTexts("apple", "pear", nullptr, reverse), 0);
    EXPECT_LT(CompareCellTexts("1", "2", nullptr, reverse), 0);  // numbers are not text
}

TEST(ListSortCompare, ComparisonIsAntisymmetricOverMixedTexts)
{
    std::vector<const char*> texts = { "",    "%",   "9",    "10",  "-5",    "beef", "Cafe",  "Apple",     "1e3", "200",
                                       "2.5", "50%", "7.5%", "D12", "D-1.5", "word", " 0x1F", "123456789", "inf" };
    for (const char* a : texts)
        for (const char* b : texts)
            EXPECT_EQ(Compare(a, b), -Compare(b, a)) << "'" << a << "' against '" << b << "'";
}
