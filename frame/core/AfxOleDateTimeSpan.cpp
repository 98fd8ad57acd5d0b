// COleDateTimeSpan: the span between two automation dates.
#include "AfxOleDateTime.h"
#include "AfxOleDateTimeData.h"
#include <cmath>
#include <cstdio>

using namespace afx_date;

// ---------------------------------------------------------------------------------------------
// COleDateTimeSpan

COleDateTimeSpan::COleDateTimeSpan() : m_span(0), m_status(valid) {}

COleDateTimeSpan::COleDateTimeSpan(double dblSpanSrc) : m_span(0), m_status(valid) { *this = dblSpanSrc; }

COleDateTimeSpan::COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) : m_span(0), m_status(valid)
{
    SetDateTimeSpan(lDays, nHours, nMins, nSecs);
}

COleDateTimeSpan& COleDateTimeSpan::operator=(double dblSpanSrc)
{
    m_span = dblSpanSrc;
    m_status = std::isfinite(dblSpanSrc) ? valid : invalid;
    return *this;
}

void COleDateTimeSpan::SetDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
{
    // Parts may be out of their usual range or of mixed sign; they simply add up.
    *this = lDays + (static_cast<double>(nHours) * 3600 + static_cast<double>(nMins) * 60 + nSecs) / kSecondsPerDay;
}

long long COleDateTimeSpan::TotalSeconds() const
{
    if (m_status != valid)
        return 0;
    return std::llround(m_span * kSecondsPerDay);
}

double COleDateTimeSpan::GetTotalDays() const { return static_cast<double>(TotalSeconds() / 86400); }
double COleDateTimeSpan::GetTotalHours() const { return static_cast<double>(TotalSeconds() / 3600); }
double COleDateTimeSpan::GetTotalMinutes() const { return static_cast<double>(TotalSeconds() / 60); }
double COleDateTimeSpan::GetTotalSeconds() const { return static_cast<double>(TotalSeconds()); }
LONG COleDateTimeSpan::GetDays() const { return static_cast<LONG>(TotalSeconds() / 86400); }
LONG COleDateTimeSpan::GetHours() const { return static_cast<LONG>(TotalSeconds() / 3600 % 24); }
LONG COleDateTimeSpan::GetMinutes() const { return static_cast<LONG>(TotalSeconds() / 60 % 60); }
LONG COleDateTimeSpan::GetSeconds() const { return static_cast<LONG>(TotalSeconds() % 60); }

bool COleDateTimeSpan::operator==(const COleDateTimeSpan& dateSpan) const
{
    if (m_status == valid && dateSpan.m_status == valid)
        return m_span == dateSpan.m_span;
    return m_status == dateSpan.m_status;
}

bool COleDateTimeSpan::operator<(const COleDateTimeSpan& dateSpan) const
{
    return m_status == valid && dateSpan.m_status == valid && m_span < dateSpan.m_span;
}

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& dateSpan) const
{
    COleDateTimeSpan result;
    if (m_status == null || dateSpan.m_status == null)
        result.m_status = null;
    else if (m_status == invalid || dateSpan.m_status == invalid)
        result.m_status = invalid;
    else
        result = m_span + dateSpan.m_span;
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& dateSpan) const { return *this + -dateSpan; }

COleDateTimeSpan& COleDateTimeSpan::operator+=(const COleDateTimeSpan& dateSpan) { return *this = *this + dateSpan; }

COleDateTimeSpan& COleDateTimeSpan::operator-=(const COleDateTimeSpan& dateSpan) { return *this = *this - dateSpan; }

COleDateTimeSpan COleDateTimeSpan::operator-() const
{
    COleDateTimeSpan result(*this);
    result.m_span = -m_span;
    return result;
}
