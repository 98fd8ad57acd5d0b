// Real-number texts: typing rules, formatting, and what a text reads as.
#include "NumericText.h"
#include <gtest/gtest.h>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <string>

using namespace numeric_text;

namespace {
RealRules Rules(double dMin = -DBL_MAX, double dMax = DBL_MAX, int nPrecision = 6, bool bMinInclusive = true,
                bool bMaxInclusive = true)
{
    return RealRules{ dMin, dMax, bMinInclusive, bMaxInclusive, nPrecision };
}

int Check(const char* text, const RealRules& rules = Rules()) { return CheckRealText(text, rules); }

// What the field shows after a focus loss: the value written back.
std::string Rewritten(const char* text, const RealRules& rules, bool bRemove = true)
{
    return FormatReal(RealTextValue(text, rules), rules.nPrecision, bRemove);
}
}

TEST(RealText, EntriesJustBegunAreAcceptable)
{
    for (const char* text : { "", "+", "-", "+.", "-.", "." })
        EXPECT_EQ(Check(text), kTextAcceptable) << text;
    // Even with an exclusive minimum of zero, where 0 itself is out.
    EXPECT_EQ(Check(".", Rules(0, 10, 6, false)), kTextAcceptable);
}

TEST(RealText, FormIsSignDigitsAndOnePoint)
{
    EXPECT_EQ(Check("-1.25"), kTextAcceptable);
    EXPECT_EQ(Check("+.5"), kTextAcceptable);
    EXPECT_EQ(Check("7."), kTextAcceptable);
    EXPECT_EQ(Check("1.2.3"), kTextRefused);
    EXPECT_EQ(Check(".."), kTextRefused);
    EXPECT_EQ(Check("1e5"), kTextRefused);
    EXPECT_EQ(Check("1E5"), kTextRefused);
    EXPECT_EQ(Check("5-"), kTextRefused);
    EXPECT_EQ(Check("1,5"), kTextRefused);
    EXPECT_EQ(Check(" 1"), kTextRefused);
    EXPECT_EQ(Check("inf"), kTextRefused);
    EXPECT_EQ(Check("nan"), kTextRefused);
    EXPECT_EQ(Check("0x10"), kTextRefused);
    // The minus sign needs a minimum below zero.
    EXPECT_EQ(Check("-1", Rules(0.0, 10)), kTextRefused);
    EXPECT_EQ(Check("-", Rules(0.0, 10)), kTextRefused);
    EXPECT_EQ(Check("-0.5", Rules(-0.5, 10)), kTextAcceptable);
    EXPECT_EQ(Check("-", Rules(-1e-300, 10)), kTextAcceptable);
}

TEST(RealText, PrecisionLimitsCharactersAfterThePoint)
{
    EXPECT_EQ(Check("3.14", Rules(-DBL_MAX, DBL_MAX, 2)), kTextAcceptable);
    EXPECT_EQ(Check("3.141", Rules(-DBL_MAX, DBL_MAX, 2)), kTextRefused);
    EXPECT_EQ(Check("3.", Rules(-DBL_MAX, DBL_MAX, 0)), kTextAcceptable);
    EXPECT_EQ(Check("3.1", Rules(-DBL_MAX, DBL_MAX, 0)), kTextRefused);
    EXPECT_EQ(Check(".", Rules(-DBL_MAX, DBL_MAX, 0)), kTextAcceptable);
    // A point typed in front of too many digits is refused as well.
    EXPECT_EQ(Check("1.234", Rules(-DBL_MAX, DBL_MAX, 2)), kTextRefused);
}

TEST(RealText, NegativePrecisionRefusesThePointButKeepsWholeNumbers)
{
    RealRules r = Rules(-DBL_MAX, DBL_MAX, -1);
    EXPECT_EQ(Check("42", r), kTextAcceptable);
    EXPECT_EQ(Check("-42", r), kTextAcceptable);
    EXPECT_EQ(Check(".", r), kTextRefused);
    EXPECT_EQ(Check("5.", r), kTextRefused);
    EXPECT_EQ(Check("5.5", r), kTextRefused);
    EXPECT_EQ(FormatReal(2.5, -1, true), FormatReal(2.5, 0, true));
    EXPECT_EQ(FormatReal(2.75, -3, false), "3");
    EXPECT_EQ(Rewritten("12.7", r), "13");
}

TEST(RealText, InclusiveAndExclusiveBounds)
{
    RealRules r = Rules(0.0, 10.0, 6, false, true);
    EXPECT_EQ(Check("0", r), kTextOutOfRange);
    EXPECT_EQ(Check("0.0", r), kTextOutOfRange);
    EXPECT_EQ(Check("0.0001", r), kTextAcceptable);
    EXPECT_EQ(Check("10", r), kTextAcceptable);
    EXPECT_EQ(Check("10.000001", r), kTextOutOfRange);
    r.bMaxInclusive = false;
    EXPECT_EQ(Check("10", r), kTextOutOfRange);
    EXPECT_EQ(Check("9.999999", r), kTextAcceptable);
    // A bound given with a fraction compares with the number read, not with its digits.
    EXPECT_EQ(Check("0.1", Rules(0.1, 1.0)), kTextAcceptable);
    EXPECT_EQ(Check("0.1", Rules(0.1, 1.0, 6, false)), kTextOutOfRange);
    EXPECT_EQ(Check("5", Rules(10, 1)), kTextOutOfRange);
}

TEST(RealText, HugeDigitRunsAreNumbersOutOfRangeNotErrors)
{
    std::string big(400, '9');
    EXPECT_EQ(Check(big.c_str()), kTextOutOfRange);
    EXPECT_EQ(Check(("-" + big).c_str()), kTextOutOfRange);
    // No double holds it, and GetValue could not give it back: out of range even
    // below an infinite maximum.
    EXPECT_EQ(Check(big.c_str(), Rules(-DBL_MAX, INFINITY)), kTextOutOfRange);
    EXPECT_EQ(Check(("-" + big).c_str(), Rules(-INFINITY, INFINITY)), kTextOutOfRange);
}

TEST(RealText, FormattingWithAndWithoutTrailingZeros)
{
    EXPECT_EQ(FormatReal(2.5, 6, true), "2.5");
    EXPECT_EQ(FormatReal(3.0, 6, true), "3");
    EXPECT_EQ(FormatReal(0.0, 6, true), "0");
    EXPECT_EQ(FormatReal(100, 6, true), "100");
    EXPECT_EQ(FormatReal(-0.0000001, 6, true), "-0");
    EXPECT_EQ(FormatReal(2.5, 6, false), "2.500000");
    EXPECT_EQ(FormatReal(0.0, 6, false), "0.000000");
    EXPECT_EQ(FormatReal(1.005, 2, true), "1");      // 1.00499999... rounds down
    EXPECT_EQ(FormatReal(1234.4, 0, true), "1234");  // no point, nothing to strip
    EXPECT_EQ(FormatReal(10, 0, true), "10");        // zeros of the integer part stay
    EXPECT_EQ(FormatReal(-1.5, 3, false), "-1.500");
    EXPECT_EQ(FormatReal(INFINITY, 2, true), "inf");
    EXPECT_EQ(FormatReal(-INFINITY, 2, true), "-inf");
    EXPECT_EQ(FormatReal(NAN, 2, true), "nan");
}

TEST(RealText, AbsurdPrecisionIsWrittenExactlyAndNotAsGigabytes)
{
    std::string text = FormatReal(0.1, 2147483647, false);
    ASSERT_EQ(text.size(), 2u + 1074u);
    EXPECT_EQ(text.compare(0, 22, "0.10000000000000000555"), 0);
    EXPECT_EQ(FormatReal(0.1, 2147483647, true), "0.1000000000000000055511151231257827021181583404541015625");
    EXPECT_EQ(Check(text.c_str(), Rules(-DBL_MAX, DBL_MAX, 2147483647)), kTextAcceptable);
}

TEST(RealText, ValueOfAcceptableTexts)
{
    RealRules r = Rules();
    EXPECT_EQ(RealTextValue("1.50", r), 1.5);
    EXPECT_EQ(RealTextValue("-.25", r), -0.25);
    EXPECT_EQ(RealTextValue("7.", r), 7.0);
    for (const char* text : { "", "+", "-", "+.", "-.", "." })
        EXPECT_EQ(RealTextValue(text, r), 0.0) << text;
    // Never a negative zero, which would be written back as "-0".
    EXPECT_FALSE(std::signbit(RealTextValue("-0", r)));
    EXPECT_FALSE(std::signbit(RealTextValue("-.", r)));
    EXPECT_EQ(RealTextValue("0.1", r), 0.1);  // correctly rounded, so it meets a bound of 0.1 exactly
}

TEST(RealText, FocusLossRewrites)
{
    RealRules r = Rules();
    EXPECT_EQ(Rewritten("1.50", r), "1.5");
    EXPECT_EQ(Rewritten("7.", r), "7");
    EXPECT_EQ(Rewritten("", r), "0");
    EXPECT_EQ(Rewritten("", r, false), "0.000000");
    EXPECT_EQ(Rewritten("-0", r), "0");
    EXPECT_EQ(Rewritten("+.5", r), "0.5");
}

TEST(RealText, OtherTextsAreReadSaturatedAndMovedInside)
{
    RealRules r = Rules(-100, 100, 2);
    EXPECT_EQ(Rewritten("3.14159", r), "3.14");  // too many decimals: rounded to the precision
    EXPECT_EQ(Rewritten("1e5", r), "100");       // read as "%lf" reads, then clamped
    EXPECT_EQ(Rewritten("-1e5", r), "-100");
    EXPECT_EQ(Rewritten("  12.5kg", r), "12.5");
    EXPECT_EQ(Rewritten("kg", r), "0");
    EXPECT_EQ(Rewritten("nan", r), "0");
    EXPECT_EQ(Rewritten("inf", Rules()), FormatReal(DBL_MAX, 6, true));
    EXPECT_EQ(Rewritten("-inf", Rules()), FormatReal(-DBL_MAX, 6, true));
    EXPECT_EQ(RealTextValue("1e400", Rules()), DBL_MAX);
    // An empty field outside the range ends on the nearest bound.
    EXPECT_EQ(Rewritten("", Rules(5, 10)), "5");
    EXPECT_EQ(Rewritten("-", Rules(-10, -5)), "-5");
}

TEST(RealText, ExclusiveBoundsGiveTheNearestNumberThePrecisionShows)
{
    EXPECT_EQ(Rewritten("", Rules(0, 10, 6, false)), "0.000001");
    EXPECT_EQ(Rewritten("-3", Rules(0, 10, 2, false)), "0.01");
    EXPECT_EQ(Rewritten("12", Rules(0, 10, 2, true, false)), "9.99");
    EXPECT_EQ(Rewritten("12", Rules(0, 10, 0, true, false)), "9");
    EXPECT_EQ(RealTextValue("-3", Rules(0, 10, 2, false)), 0.01);
    // Where the precision is finer than the double, the next double.
    double dBig = 1e300;
    EXPECT_EQ(RealTextValue("-1", Rules(dBig, DBL_MAX, 6, false)), std::nextafter(dBig, INFINITY));
    EXPECT_EQ(RealTextValue("1e309", Rules(-DBL_MAX, DBL_MAX, 6, true, false)), std::nextafter(DBL_MAX, 0.0));
}

TEST(RealText, RoundingNeverPushesTheRewriteOutOfRange)
{
    // 0.58 lies inside [0, 0.6], but written with no decimals it would be "1".
    EXPECT_EQ(Rewritten("0.58", Rules(0, 0.6, 0)), "0");
    // 0.4 is inside [0.4, 5] but shows as "0": the first whole number inside is 1.
    EXPECT_EQ(Rewritten("", Rules(0.4, 5, 0)), "1");
    EXPECT_EQ(RealTextValue("", Rules(0.4, 5, 0)), 1.0);
    EXPECT_EQ(Rewritten("0.0000004", Rules(0, 1, 6, false)), "0.000001");
    EXPECT_EQ(Rewritten("-0.0000001", Rules(0, 1)), "0");
}

TEST(RealText, EmptyRangesStillGiveAFiniteAnswer)
{
    // No number fits: the answer is near a bound, and nothing loops or crashes.
    double d = RealTextValue("5", Rules(10, 1));
    EXPECT_TRUE(d >= 1 && d <= 10) << d;
    d = RealTextValue("0.5", Rules(0.1, 0.2, 0));
    EXPECT_TRUE(std::isfinite(d));
    d = RealTextValue("1", Rules(NAN, NAN));
    EXPECT_TRUE(std::isfinite(d));
    d = RealTextValue("1", Rules(INFINITY, INFINITY));
    EXPECT_FALSE(std::isnan(d));
}

TEST(RealText, TextsUseAPointWhateverTheLocale)
{
    // A locale with a decimal comma, if the machine has one.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous != nullptr ? previous : "C";
    const char* names[] = { "de_DE.UTF-8", "de_DE", "German_Germany.1252", "fr_FR.UTF-8" };
    bool bComma = false;
    for (const char* name : names) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr && std::localeconv()->decimal_point[0] == ',') {
            bComma = true;
            break;
        }
    }
    if (bComma) {
        EXPECT_EQ(FormatReal(2.5, 2, false), "2.50");
        EXPECT_EQ(RealTextValue("2.5", Rules()), 2.5);
        EXPECT_EQ(Check("2.5", Rules(0, 3)), kTextAcceptable);
        EXPECT_EQ(Check("3.5", Rules(0, 3)), kTextOutOfRange);
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
    if (!bComma)
        GTEST_SKIP() << "no locale with a decimal comma here";
}

namespace {
// Leaves the field twice: the second rewrite must not change the text, and the
// text must pass the field's own check whenever the range holds any number
// the precision can show.
void ExpectFocusLossSettles(const char* text, const RealRules& r, bool bSomeNumberFits)
{
    std::string once = Rewritten(text, r);
    std::string twice = Rewritten(once.c_str(), r);
    EXPECT_EQ(once, twice) << "from '" << text << "'";
    EXPECT_TRUE(std::isfinite(RealTextValue(text, r))) << text;
    EXPECT_EQ(once.find_first_not_of("+-.0123456789"), std::string::npos) << once;
    if (bSomeNumberFits) {
        EXPECT_EQ(Check(once.c_str(), r), kTextAcceptable) << "'" << once << "' from '" << text << "'";
    }
}
}

TEST(RealText, FocusLossTextSettlesForEveryRange)
{
    const char* texts[] = { "", "5", "-5", "0", "12.5", "99999", "-", "." };
    struct Case
    {
        RealRules rules;
        bool bSomeNumberFits;
    } cases[] = {
        // The minimum above the maximum: used to swing between the bounds.
        { Rules(10, 1), false },
        { Rules(10, 1, 6, false, false), false },
        { Rules(0.5, -0.5, 0), false },
        // Infinite bounds are open ends; a bound at the wrong infinity leaves nothing.
        { Rules(-INFINITY, INFINITY), true },
        { Rules(0, INFINITY, 2, false), true },
        { Rules(-INFINITY, -3), true },
        { Rules(INFINITY, INFINITY), false },
        { Rules(-INFINITY, -INFINITY), false },
        { Rules(INFINITY, -INFINITY), false },
        { Rules(NAN, 5), false },
        { Rules(0, NAN), false },
        // A precision finer than any double, above an exclusive zero.
        { Rules(0, 1, 100000, false), true },
        { Rules(0, 1, 2147483647, false, false), true },
        // Narrower than the precision: nothing to show.
        { Rules(0.001, 0.002, 2), false },
    };
    for (const Case& c : cases)
        for (const char* text : texts)
            ExpectFocusLossSettles(text, c.rules, c.bSomeNumberFits);
}

TEST(RealText, FuzzFindingsSettleOnTheNumberShown)
{
    // "-.1" with no decimals shows as "-0": the value is zero, not -0.1, which
    // the next focus loss would have turned from "-0" to "0".
    EXPECT_EQ(Rewritten("-.1UC", Rules(-50.42, 200.94, 0, false, false)), "0");
    EXPECT_EQ(RealTextValue("-.1UC", Rules(-50.42, 200.94, 0, false, false)), 0.0);
    // Other numbers keep their digits until the field rounds them.
    EXPECT_EQ(RealTextValue("3.14159", Rules(-100, 100, 2)), 3.14159);
    // Zero lies inside (-0.01, 0.44): a first step of a whole unit from either
    // bound jumped over it and nothing was found.
    EXPECT_EQ(Rewritten("8", Rules(-0.01, 0.44, 0, false, false)), "0");
    ExpectFocusLossSettles("8", Rules(-0.01, 0.44, 0, false, false), true);
}

TEST(RealText, NoValueIsEverInfiniteAndNoInfinityIsEverAcceptable)
{
    EXPECT_EQ(RealTextValue("", Rules(INFINITY, INFINITY)), DBL_MAX);
    EXPECT_EQ(RealTextValue("5", Rules(-INFINITY, -INFINITY)), -DBL_MAX);
    EXPECT_EQ(RealTextValue("1", Rules(5, INFINITY)), 5.0);
    EXPECT_EQ(RealTextValue("", Rules(-INFINITY, -3)), -3.0);
    for (const RealRules& r : { Rules(-INFINITY, INFINITY), Rules(0, INFINITY), Rules(INFINITY, INFINITY) })
        for (const char* text : { "inf", "-inf", "nan", "infinity", "1e999" })
            EXPECT_NE(Check(text, r), kTextAcceptable) << text;
    // An empty field above an exclusive zero with an absurd precision: a number
    // the field accepts, never the "0" its own check refuses.
    std::string shown = Rewritten("", Rules(0, 1, 100000, false));
    EXPECT_NE(shown, "0");
    EXPECT_GT(RealTextValue("", Rules(0, 1, 100000, false)), 0.0);
}
