// COleDateTime: the date line, parts, comparison and arithmetic.
#include "AfxOleDateTime.h"
#include "AfxOleDateTimeData.h"
#include <climits>
#include <cmath>
#include <cstring>

using namespace afx_date;

namespace {

constexpr long long kMinDay = -657434;  // 1 January 100
constexpr long long kMaxDay = 2958465;  // 31 December 9999

// Days since 1 January 1970 of a date in the proleptic Gregorian calendar, which automation
// dates use throughout their range.
long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    long long era = (y >= 0 ? y : y - 399) / 400;
    unsigned yoe = static_cast<unsigned>(y - era * 400);
    unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& y, unsigned& m, unsigned& d)
{
    z += 719468;
    long long era = (z >= 0 ? z : z - 146096) / 146097;
    unsigned doe = static_cast<unsigned>(z - era * 146097);
    unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

const long long kBaseDay = DaysFromCivil(1899, 12, 30);

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m)
{
    static const int days[12] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return m == 2 && IsLeapYear(y) ? 29 : days[m - 1];
}

// Between the encoding and the continuous time line: a negative date d is the day ceil(d)
// plus the time of day ceil(d) - d.
double DoubleFromDate(DATE dt)
{
    if (dt >= 0)
        return dt;
    double day = std::ceil(dt);
    return day + (day - dt);
}

DATE DateFromDouble(double value)
{
    if (value >= 0)
        return value;
    double day = std::floor(value);
    return day - (value - day);
}

bool IsInRange(DATE dt)
{
    // The calendar day is the value cut towards zero, so the bounds are open by a whole day.
    return !std::isnan(dt) && dt > static_cast<double>(kMinDay - 1) && dt < static_cast<double>(kMaxDay + 1);
}

bool DateFromParts(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, DATE& dt)
{
    if (nYear < 100 || nYear > 9999 || nMonth < 1 || nMonth > 12 || nDay < 1 || nDay > DaysInMonth(nYear, nMonth) ||
        nHour < 0 || nHour > 23 || nMin < 0 || nMin > 59 || nSec < 0 || nSec > 59)
        return false;
    double day = static_cast<double>(DaysFromCivil(nYear, nMonth, nDay) - kBaseDay);
    double time = (nHour * 3600 + nMin * 60 + nSec) / kSecondsPerDay;
    dt = day >= 0 ? day + time : day - time;
    return true;
}

bool PartsFromDate(DATE dt, SYSTEMTIME& st)
{
    if (!IsInRange(dt))
        return false;
    double whole = std::trunc(dt);
    long long day = static_cast<long long>(whole);
    long long seconds = std::llround(std::fabs(dt - whole) * kSecondsPerDay);
    if (seconds >= 86400) {
        // Rounded up to midnight: the next calendar day, whichever side of the base it is on.
        seconds -= 86400;
        ++day;
    }
    if (day > kMaxDay)
        return false;
    int y;
    unsigned m, d;
    CivilFromDays(day + kBaseDay, y, m, d);
    st.wYear = static_cast<WORD>(y);
    st.wMonth = static_cast<WORD>(m);
    st.wDay = static_cast<WORD>(d);
    st.wHour = static_cast<WORD>(seconds / 3600);
    st.wMinute = static_cast<WORD>(seconds / 60 % 60);
    st.wSecond = static_cast<WORD>(seconds % 60);
    st.wMilliseconds = 0;
    // The base date was a Saturday; wDayOfWeek counts from Sunday = 0.
    st.wDayOfWeek = static_cast<WORD>(((day % 7) + 7 + 6) % 7);
    return true;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// COleDateTime: construction

COleDateTime PASCAL COleDateTime::GetCurrentTime()
{
    SYSTEMTIME st;
    GetLocalTime(&st);
    return COleDateTime(st);
}

COleDateTime::COleDateTime() : m_dt(0), m_status(valid) {}

COleDateTime::COleDateTime(DATE dtSrc) : m_dt(0), m_status(valid) { *this = dtSrc; }

COleDateTime::COleDateTime(time_t timeSrc) : m_dt(0), m_status(valid) { *this = timeSrc; }

COleDateTime::COleDateTime(const SYSTEMTIME& systimeSrc) : m_dt(0), m_status(valid) { *this = systimeSrc; }

COleDateTime::COleDateTime(const FILETIME& filetimeSrc) : m_dt(0), m_status(valid) { *this = filetimeSrc; }

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) : m_dt(0), m_status(valid)
{
    SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

COleDateTime& COleDateTime::operator=(DATE dtSrc)
{
    m_dt = dtSrc;
    m_status = IsInRange(dtSrc) ? valid : invalid;
    return *this;
}

COleDateTime& COleDateTime::operator=(const time_t& timeSrc)
{
    // FILETIME counts 100 ns steps from 1601; time_t seconds from 1970.
    constexpr long long kFileTimeAt1970 = 116444736000000000LL;
    constexpr long long kTicksPerSecond = 10000000LL;
    long long seconds = static_cast<long long>(timeSrc);
    if (seconds < -kFileTimeAt1970 / kTicksPerSecond || seconds > (LLONG_MAX - kFileTimeAt1970) / kTicksPerSecond) {
        m_status = invalid;
        return *this;
    }
    ULONGLONG ticks = static_cast<ULONGLONG>(seconds * kTicksPerSecond + kFileTimeAt1970);
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(ticks);
    ft.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return *this = ft;
}

COleDateTime& COleDateTime::operator=(const SYSTEMTIME& systimeSrc)
{
    SetDateTime(systimeSrc.wYear, systimeSrc.wMonth, systimeSrc.wDay, systimeSrc.wHour, systimeSrc.wMinute,
                systimeSrc.wSecond);
    return *this;
}

COleDateTime& COleDateTime::operator=(const FILETIME& filetimeSrc)
{
    FILETIME local;
    SYSTEMTIME st;
    if (FileTimeToLocalFileTime(&filetimeSrc, &local) && FileTimeToSystemTime(&local, &st))
        *this = st;
    else
        m_status = invalid;
    return *this;
}

// ---------------------------------------------------------------------------------------------
// COleDateTime: parts

BOOL COleDateTime::GetAsSystemTime(SYSTEMTIME& sysTime) const
{
    return m_status == valid && PartsFromDate(m_dt, sysTime);
}

int COleDateTime::GetYear() const
{
    SYSTEMTIME st;
    return GetAsSystemTime(st) ? st.wYear : -1;
}

int COleDateTime::GetMonth() const
{
    SYSTEMTIME st;
    return GetAsSystemTime(st) ? st.wMonth : -1;
}

int COleDateTime::GetDay() const
{
    SYSTEMTIME st;
    return GetAsSystemTime(st) ? st.wDay : -1;
}

int COleDateTime::GetHour() const
{
    SYSTEMTIME st;
    return GetAsSystemTime(st) ? st.wHour : -1;
}

int COleDateTime::GetMinute() const
{
    SYSTEMTIME st;
    return GetAsSystemTime(st) ? st.wMinute : -1;
}

int COleDateTime::GetSecond() const
{
    SYSTEMTIME st;
    return GetAsSystemTime(st) ? st.wSecond : -1;
}

int COleDateTime::GetDayOfWeek() const
{
    SYSTEMTIME st;
    return GetAsSystemTime(st) ? st.wDayOfWeek + 1 : -1;
}

int COleDateTime::GetDayOfYear() const
{
    SYSTEMTIME st;
    if (!GetAsSystemTime(st))
        return -1;
    return static_cast<int>(DaysFromCivil(st.wYear, st.wMonth, st.wDay) - DaysFromCivil(st.wYear, 1, 1)) + 1;
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    DATE dt;
    if (!DateFromParts(nYear, nMonth, nDay, nHour, nMin, nSec, dt)) {
        m_status = invalid;
        return 1;
    }
    m_dt = dt;
    m_status = valid;
    return 0;
}

int COleDateTime::SetDate(int nYear, int nMonth, int nDay) { return SetDateTime(nYear, nMonth, nDay, 0, 0, 0); }

int COleDateTime::SetTime(int nHour, int nMin, int nSec) { return SetDateTime(1899, 12, 30, nHour, nMin, nSec); }

// ---------------------------------------------------------------------------------------------
// COleDateTime: comparison and arithmetic

bool COleDateTime::operator==(const COleDateTime& date) const
{
    if (m_status == valid && date.m_status == valid)
        return DoubleFromDate(m_dt) == DoubleFromDate(date.m_dt);
    return m_status == date.m_status;
}

bool COleDateTime::operator<(const COleDateTime& date) const
{
    return m_status == valid && date.m_status == valid && DoubleFromDate(m_dt) < DoubleFromDate(date.m_dt);
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& dateSpan) const
{
    COleDateTime result;
    if (m_status == null || dateSpan.m_status == COleDateTimeSpan::null)
        result.m_status = null;
    else if (m_status == invalid || dateSpan.m_status == COleDateTimeSpan::invalid)
        result.m_status = invalid;
    else
        result = DateFromDouble(DoubleFromDate(m_dt) + dateSpan.m_span);
    return result;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& dateSpan) const { return *this + -dateSpan; }

COleDateTime& COleDateTime::operator+=(const COleDateTimeSpan& dateSpan) { return *this = *this + dateSpan; }

COleDateTime& COleDateTime::operator-=(const COleDateTimeSpan& dateSpan) { return *this = *this - dateSpan; }

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& date) const
{
    COleDateTimeSpan span;
    if (m_status == null || date.m_status == null)
        span.m_status = COleDateTimeSpan::null;
    else if (m_status == invalid || date.m_status == invalid)
        span.m_status = COleDateTimeSpan::invalid;
    else
        span.m_span = DoubleFromDate(m_dt) - DoubleFromDate(date.m_dt);
    return span;
}
