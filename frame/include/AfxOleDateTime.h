// COleDateTime and COleDateTimeSpan: automation dates and the spans between them.
//
// An automation date counts days from 30 December 1899; the fraction is the time of day. Before
// that base date the value is negative but the time of day still counts forward: -1.25 is
// 29 December 1899 06:00 and -1.75 is the same day at 18:00. Arithmetic and comparison work on
// the continuous time line behind that encoding, so they are right on both sides of the base.
#pragma once
#include "AfxCore.h"
#include "AfxString.h"
#include <oleauto.h>
#include <ctime>

// winbase.h maps this old name to GetTickCount, which would rename COleDateTime's member.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

class COleDateTimeSpan;

class AFX_API COleDateTime
{
public:
    enum DateTimeStatus {
        valid = 0,
        invalid = 1,  // the value is not a date between the years 100 and 9999
        null = 2      // no value
    };

    // The local date and time now.
    static COleDateTime PASCAL GetCurrentTime();

    // Construction. An impossible date or time gives the invalid status.
    COleDateTime();
    COleDateTime(DATE dtSrc);
    COleDateTime(time_t timeSrc);                // UTC seconds since 1970, shown as local time
    COleDateTime(const SYSTEMTIME& systimeSrc);  // milliseconds are dropped
    COleDateTime(const FILETIME& filetimeSrc);   // UTC, shown as local time
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);

    COleDateTime& operator=(DATE dtSrc);
    COleDateTime& operator=(const time_t& timeSrc);
    COleDateTime& operator=(const SYSTEMTIME& systimeSrc);
    COleDateTime& operator=(const FILETIME& filetimeSrc);

    // Attributes
    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }
    operator DATE() const { return m_dt; }

    // Parts of a valid date, rounded to the second; -1 when the date is not valid.
    BOOL GetAsSystemTime(SYSTEMTIME& sysTime) const;
    int GetYear() const;
    int GetMonth() const;      // 1 = January
    int GetDay() const;        // 1 - 31
    int GetHour() const;       // 0 - 23
    int GetMinute() const;     // 0 - 59
    int GetSecond() const;     // 0 - 59
    int GetDayOfWeek() const;  // 1 = Sunday
    int GetDayOfYear() const;  // 1 = 1 January

    // Comparison in time order. Dates that are not both valid are equal when their statuses
    // are, and never less or greater than each other.
    bool operator==(const COleDateTime& date) const;
    bool operator!=(const COleDateTime& date) const { return !(*this == date); }
    bool operator<(const COleDateTime& date) const;
    bool operator>(const COleDateTime& date) const { return date < *this; }
    bool operator<=(const COleDateTime& date) const { return *this < date || *this == date; }
    bool operator>=(const COleDateTime& date) const { return *this > date || *this == date; }

    // Arithmetic. A null operand gives null, otherwise an invalid one gives invalid.
    COleDateTime operator+(const COleDateTimeSpan& dateSpan) const;
    COleDateTime operator-(const COleDateTimeSpan& dateSpan) const;
    COleDateTime& operator+=(const COleDateTimeSpan& dateSpan);
    COleDateTime& operator-=(const COleDateTimeSpan& dateSpan);
    COleDateTimeSpan operator-(const COleDateTime& date) const;

    // Setting the parts: 0 on success, 1 (and the invalid status) for an impossible value.
    // Years run from 100 to 9999. SetTime keeps the base date, as times alone do in automation.
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    int SetDate(int nYear, int nMonth, int nDay);
    int SetTime(int nHour, int nMin, int nSec);

    // Text through the platform's automation conversions (VarDateFromStr, VarBstrFromDate)
    // for the given locale and VAR_* flags.
    BOOL ParseDateTime(LPCSTR lpszDate, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);
    // Empty for a null date, "Invalid DateTime" for an invalid one.
    CString Format(DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) const;
    // strftime codes (%Y-%m-%d %H:%M:%S ...), in the C runtime's locale.
    CString Format(LPCSTR lpszFormat) const;
    CString Format(UINT nFormatID) const;

    DATE m_dt;
    DateTimeStatus m_status;
};

class AFX_API COleDateTimeSpan
{
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTimeSpan();
    COleDateTimeSpan(double dblSpanSrc);
    COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);

    COleDateTimeSpan& operator=(double dblSpanSrc);
    void SetDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);

    DateTimeSpanStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeSpanStatus status) { m_status = status; }
    operator double() const { return m_span; }

    // The span rounded to the second, in whole units; negative spans give negative parts.
    double GetTotalDays() const;
    double GetTotalHours() const;
    double GetTotalMinutes() const;
    double GetTotalSeconds() const;
    LONG GetDays() const;     // whole days
    LONG GetHours() const;    // -23 - 23
    LONG GetMinutes() const;  // -59 - 59
    LONG GetSeconds() const;  // -59 - 59

    bool operator==(const COleDateTimeSpan& dateSpan) const;
    bool operator!=(const COleDateTimeSpan& dateSpan) const { return !(*this == dateSpan); }
    bool operator<(const COleDateTimeSpan& dateSpan) const;
    bool operator>(const COleDateTimeSpan& dateSpan) const { return dateSpan < *this; }
    bool operator<=(const COleDateTimeSpan& dateSpan) const { return *this < dateSpan || *this == dateSpan; }
    bool operator>=(const COleDateTimeSpan& dateSpan) const { return *this > dateSpan || *this == dateSpan; }

    COleDateTimeSpan operator+(const COleDateTimeSpan& dateSpan) const;
    COleDateTimeSpan operator-(const COleDateTimeSpan& dateSpan) const;
    COleDateTimeSpan& operator+=(const COleDateTimeSpan& dateSpan);
    COleDateTimeSpan& operator-=(const COleDateTimeSpan& dateSpan);
    COleDateTimeSpan operator-() const;

    double m_span;  // days
    DateTimeSpanStatus m_status;

private:
    long long TotalSeconds() const;
};
