// COleDateTime and COleDateTimeSpan: formatting and parsing, invalid and null
// dates, parts, dates before 1900, system and file times.
#include "afxdisp.h"
#include <gtest/gtest.h>
#include <cmath>
#include <ctime>
#include <limits>

namespace {

const LCID kEnglishUS = 0x0409;

TEST(COleDateTimeTest, FormatAndParseRoundTrip)
{
    COleDateTime date(2020, 12, 25, 22, 30, 0);
    ASSERT_EQ(COleDateTime::valid, date.GetStatus());
    EXPECT_STREQ("12/25/2020 10:30:00 PM", date.Format(0, kEnglishUS));
    EXPECT_STREQ("12/25/2020", date.Format(VAR_DATEVALUEONLY, kEnglishUS));
    EXPECT_STREQ("10:30:00 PM", date.Format(VAR_TIMEVALUEONLY, kEnglishUS));
    // The tests run in the en-US user locale.
    EXPECT_STREQ("12/25/2020 10:30:00 PM", date.Format());

    COleDateTime parsed;
    ASSERT_TRUE(parsed.ParseDateTime("12/25/2020 10:30:00 PM", 0, kEnglishUS));
    EXPECT_EQ(COleDateTime::valid, parsed.GetStatus());
    EXPECT_TRUE(parsed == date);
    EXPECT_EQ(22, parsed.GetHour());

    ASSERT_TRUE(parsed.ParseDateTime(date.Format()));
    EXPECT_TRUE(parsed == date);

    EXPECT_STREQ("2020-12-25 22:30:00 Friday", date.Format("%Y-%m-%d %H:%M:%S %A"));
    EXPECT_STREQ("2020-12-25", date.Format(40106u));
}

TEST(COleDateTimeTest, ParseFailuresGiveInvalid)
{
    COleDateTime date(2001, 2, 3, 4, 5, 6);
    EXPECT_FALSE(date.ParseDateTime("not a date"));
    EXPECT_EQ(COleDateTime::invalid, date.GetStatus());
    EXPECT_EQ(0.0, date.m_dt);
    EXPECT_EQ(-1, date.GetYear());

    date = COleDateTime(2001, 2, 3, 4, 5, 6);
    EXPECT_FALSE(date.ParseDateTime(nullptr));
    EXPECT_EQ(COleDateTime::invalid, date.GetStatus());
    EXPECT_FALSE(date.ParseDateTime(""));
}

TEST(COleDateTimeTest, StatusOfInvalidAndNullDates)
{
    COleDateTime invalidDate(2019, 2, 29, 0, 0, 0);
    EXPECT_EQ(COleDateTime::invalid, invalidDate.GetStatus());
    EXPECT_STREQ("Invalid DateTime", invalidDate.Format());
    EXPECT_STREQ("Invalid DateTime", invalidDate.Format("%Y"));
    EXPECT_EQ(-1, invalidDate.GetYear());
    EXPECT_EQ(-1, invalidDate.GetDayOfWeek());
    SYSTEMTIME st;
    EXPECT_FALSE(invalidDate.GetAsSystemTime(st));

    COleDateTime nullDate;
    nullDate.SetStatus(COleDateTime::null);
    EXPECT_STREQ("", nullDate.Format());
    EXPECT_STREQ("", nullDate.Format("%Y"));
    EXPECT_EQ(-1, nullDate.GetMonth());

    // A null operand wins over an invalid one; both spread through arithmetic.
    COleDateTimeSpan day(1.0);
    EXPECT_EQ(COleDateTime::null, (nullDate + day).GetStatus());
    EXPECT_EQ(COleDateTime::invalid, (invalidDate + day).GetStatus());
    EXPECT_EQ(COleDateTimeSpan::null, (nullDate - invalidDate).GetStatus());
    EXPECT_EQ(COleDateTimeSpan::invalid, (COleDateTime() - invalidDate).GetStatus());
    EXPECT_TRUE(nullDate == nullDate);
    EXPECT_FALSE(nullDate == COleDateTime());
    EXPECT_FALSE(invalidDate < COleDateTime());
    EXPECT_FALSE(COleDateTime() < invalidDate);

    EXPECT_EQ(COleDateTime::invalid, COleDateTime(3.0e6).GetStatus());
    EXPECT_EQ(COleDateTime::invalid, COleDateTime(-657435.0).GetStatus());
    EXPECT_EQ(COleDateTime::valid, COleDateTime(-657434.5).GetStatus());
    EXPECT_EQ(100, COleDateTime(-657434.0).GetYear());
    EXPECT_EQ(9999, COleDateTime(2958465.5).GetYear());
}

TEST(COleDateTimeTest, ValidatesParts)
{
    struct Case
    {
        int y, mo, d, h, mi, s;
        bool ok;
    } cases[] = {
        { 2020, 2, 29, 0, 0, 0, true },     { 2019, 2, 29, 0, 0, 0, false }, { 1900, 2, 29, 0, 0, 0, false },
        { 2000, 2, 29, 0, 0, 0, true },     { 2021, 4, 31, 0, 0, 0, false }, { 2021, 12, 31, 23, 59, 59, true },
        { 2021, 13, 1, 0, 0, 0, false },    { 2021, 0, 1, 0, 0, 0, false },  { 2021, 1, 0, 0, 0, 0, false },
        { 2021, 1, 1, 24, 0, 0, false },    { 2021, 1, 1, 0, 60, 0, false }, { 2021, 1, 1, 0, 0, 60, false },
        { 2021, 1, 1, -1, 0, 0, false },    { 99, 12, 31, 0, 0, 0, false },  { 100, 1, 1, 0, 0, 0, true },
        { 9999, 12, 31, 23, 59, 59, true }, { 10000, 1, 1, 0, 0, 0, false },
    };
    for (const Case& c : cases) {
        COleDateTime date;
        EXPECT_EQ(c.ok ? 0 : 1, date.SetDateTime(c.y, c.mo, c.d, c.h, c.mi, c.s))
            << c.y << "-" << c.mo << "-" << c.d << " " << c.h << ":" << c.mi << ":" << c.s;
        EXPECT_EQ(c.ok ? COleDateTime::valid : COleDateTime::invalid, date.GetStatus());
        if (c.ok) {
            EXPECT_EQ(c.y, date.GetYear());
            EXPECT_EQ(c.d, date.GetDay());
            EXPECT_EQ(c.s, date.GetSecond());
        }
    }
}

TEST(COleDateTimeTest, KnownValuesAndParts)
{
    EXPECT_EQ(0.0, COleDateTime(1899, 12, 30, 0, 0, 0).m_dt);
    EXPECT_EQ(2.0, COleDateTime(1900, 1, 1, 0, 0, 0).m_dt);
    EXPECT_EQ(44190.9375, COleDateTime(2020, 12, 25, 22, 30, 0).m_dt);
    EXPECT_EQ(0.75, COleDateTime(1899, 12, 30, 18, 0, 0).m_dt);
    EXPECT_EQ(0.5, [] {
        COleDateTime t;
        t.SetTime(12, 0, 0);
        return t.m_dt;
    }());

    COleDateTime christmas(2020, 12, 25, 22, 30, 0);
    EXPECT_EQ(6, christmas.GetDayOfWeek());  // Friday
    EXPECT_EQ(360, christmas.GetDayOfYear());
    EXPECT_EQ(366, COleDateTime(2020, 12, 31, 0, 0, 0).GetDayOfYear());
    EXPECT_EQ(7, COleDateTime(0.0).GetDayOfWeek());  // the base date was a Saturday
    EXPECT_EQ(1, COleDateTime(1.0).GetDayOfWeek());

    SYSTEMTIME st = {};
    ASSERT_TRUE(christmas.GetAsSystemTime(st));
    EXPECT_EQ(5, st.wDayOfWeek);
    EXPECT_EQ(30, st.wMinute);
    EXPECT_TRUE(COleDateTime(st) == christmas);

    // Parts are rounded to the nearest second, carrying into the next day.
    COleDateTime almostMidnight(44190.0 + 86399.6 / 86400.0);
    EXPECT_EQ(26, almostMidnight.GetDay());
    EXPECT_EQ(0, almostMidnight.GetHour());
    EXPECT_EQ(0, almostMidnight.GetSecond());
}

TEST(COleDateTimeTest, NegativeDates)
{
    COleDateTime noon(1899, 12, 29, 12, 0, 0);
    EXPECT_EQ(-1.5, noon.m_dt);
    EXPECT_EQ(-1.25, COleDateTime(1899, 12, 29, 6, 0, 0).m_dt);
    EXPECT_EQ(-2.75, COleDateTime(1899, 12, 28, 18, 0, 0).m_dt);

    COleDateTime evening(-1.75);
    EXPECT_EQ(1899, evening.GetYear());
    EXPECT_EQ(29, evening.GetDay());
    EXPECT_EQ(18, evening.GetHour());
    EXPECT_EQ(6, evening.GetDayOfWeek());  // Friday

    // Time order, not the order of the encoded numbers.
    COleDateTime morning(-1.25);
    EXPECT_TRUE(morning < evening);
    EXPECT_TRUE(evening > morning);
    EXPECT_DOUBLE_EQ(0.5, (evening - morning).m_span);
    EXPECT_DOUBLE_EQ(0.5, (COleDateTime(0.25) - evening).m_span);
    EXPECT_TRUE(COleDateTime(-0.25) == COleDateTime(0.25));  // both are the base day 06:00

    EXPECT_EQ(0.25, (evening + COleDateTimeSpan(0, 12, 0, 0)).m_dt);
    EXPECT_EQ(-1.25, (COleDateTime(0.25) - COleDateTimeSpan(1.0)).m_dt);
    EXPECT_EQ(-2.5, (COleDateTime(0.5) - COleDateTimeSpan(2.0)).m_dt);
    COleDateTime walk(1.5);
    walk -= COleDateTimeSpan(3.0);  // 1.5 days before the base: 28 December at noon
    EXPECT_EQ(-2.5, walk.m_dt);
    walk += COleDateTimeSpan(0, 6, 0, 0);
    EXPECT_EQ(-2.75, walk.m_dt);

    EXPECT_STREQ("12/29/1899 12:00:00 PM", noon.Format(0, kEnglishUS));
    COleDateTime parsed;
    ASSERT_TRUE(parsed.ParseDateTime("12/29/1899 6:00:00 AM", 0, kEnglishUS));
    EXPECT_EQ(-1.25, parsed.m_dt);
    EXPECT_STREQ("1850-07-04 09:15:00", COleDateTime(1850, 7, 4, 9, 15, 0).Format("%Y-%m-%d %H:%M:%S"));
}

TEST(COleDateTimeTest, SystemAndFileTimes)
{
    // time_t and FILETIME are UTC instants shown as local time; both must agree with the
    // local clock.
    COleDateTime now = COleDateTime::GetCurrentTime();
    COleDateTime fromTimeT(time(nullptr));
    ASSERT_EQ(COleDateTime::valid, fromTimeT.GetStatus());
    EXPECT_LT(fabs((fromTimeT - now).GetTotalSeconds()), 5.0);

    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    COleDateTime fromFileTime(ft);
    EXPECT_LT(fabs((fromFileTime - now).GetTotalSeconds()), 5.0);

    SYSTEMTIME st = { 2024, 2, 0, 29, 13, 14, 15, 999 };
    COleDateTime fromSystemTime(st);
    EXPECT_EQ(29, fromSystemTime.GetDay());
    EXPECT_EQ(15, fromSystemTime.GetSecond());
    st.wDay = 30;
    EXPECT_EQ(COleDateTime::invalid, COleDateTime(st).GetStatus());
}

TEST(COleDateTimeSpanTest, Parts)
{
    COleDateTimeSpan span(1, 2, 3, 4);
    EXPECT_EQ(1, span.GetDays());
    EXPECT_EQ(2, span.GetHours());
    EXPECT_EQ(3, span.GetMinutes());
    EXPECT_EQ(4, span.GetSeconds());
    EXPECT_EQ(26.0, span.GetTotalHours());
    EXPECT_EQ(93784.0, span.GetTotalSeconds());

    COleDateTimeSpan negative = -span;
    EXPECT_EQ(-1, negative.GetDays());
    EXPECT_EQ(-2, negative.GetHours());
    EXPECT_EQ(-4, negative.GetSeconds());
    EXPECT_EQ(-1563.0, negative.GetTotalMinutes());

    // Parts do not suffer from the binary fraction: 0.1 days is exactly 2:24:00.
    COleDateTimeSpan tenth(0.1);
    EXPECT_EQ(2, tenth.GetHours());
    EXPECT_EQ(24, tenth.GetMinutes());
    EXPECT_EQ(0, tenth.GetSeconds());

    EXPECT_TRUE(span - span == COleDateTimeSpan());
    EXPECT_TRUE(negative < span);
    COleDateTimeSpan sum = span;
    sum += COleDateTimeSpan(0, 23, 0, 0);
    EXPECT_EQ(2, sum.GetDays());
    EXPECT_EQ(COleDateTimeSpan::invalid, COleDateTimeSpan(std::numeric_limits<double>::quiet_NaN()).GetStatus());
}

}  // namespace
