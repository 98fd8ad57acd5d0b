// COleDateTime: reading and writing dates as text.
#include "AfxOleDateTime.h"
#include "AfxOleDateTimeData.h"
#include <cstring>

using namespace afx_date;

// ---------------------------------------------------------------------------------------------
// COleDateTime: text

BOOL COleDateTime::ParseDateTime(LPCSTR lpszDate, DWORD dwFlags, LCID lcid)
{
    CString text;
    text.SetString(lpszDate);
    BSTR bstr = text.AllocSysString();
    if (bstr == nullptr) {
        m_dt = 0;
        m_status = invalid;
        return FALSE;
    }
    DATE dt = 0;
    HRESULT hr = VarDateFromStr(bstr, lcid, dwFlags, &dt);
    SysFreeString(bstr);
    if (FAILED(hr)) {
        // What the framework has always left behind: -1 for a date out of range, else 0.
        m_dt = hr == DISP_E_OVERFLOW ? -1 : 0;
        m_status = invalid;
        return FALSE;
    }
    *this = dt;
    return m_status == valid;
}

CString COleDateTime::Format(DWORD dwFlags, LCID lcid) const
{
    if (m_status == null)
        return CString();
    if (m_status != valid)
        return CString(kInvalidText);
    BSTR bstr = nullptr;
    if (FAILED(VarBstrFromDate(m_dt, lcid, dwFlags, &bstr)) || bstr == nullptr) {
        SysFreeString(bstr);
        return CString(kInvalidText);
    }
    CString text(static_cast<LPCWSTR>(bstr), static_cast<int>(SysStringLen(bstr)));
    SysFreeString(bstr);
    return text;
}

CString COleDateTime::Format(LPCSTR lpszFormat) const
{
    if (m_status == null)
        return CString();
    SYSTEMTIME st;
    if (!GetAsSystemTime(st))
        return CString(kInvalidText);
    if (lpszFormat == nullptr || *lpszFormat == '\0')
        return CString();

    struct tm when = {};
    when.tm_year = st.wYear - 1900;
    when.tm_mon = st.wMonth - 1;
    when.tm_mday = st.wDay;
    when.tm_hour = st.wHour;
    when.tm_min = st.wMinute;
    when.tm_sec = st.wSecond;
    when.tm_wday = st.wDayOfWeek;
    when.tm_yday = GetDayOfYear() - 1;
    when.tm_isdst = -1;

    // strftime reports a short buffer only by returning 0, which an empty result also does;
    // grow a few times and give up at a size no sane format needs.
    size_t nLimit = std::strlen(lpszFormat) * 256 + 1024;
    CString text;
    for (size_t nSize = 256; nSize <= nLimit; nSize *= 2) {
        char* p = text.GetBuffer(static_cast<int>(nSize));
        if (p == nullptr)
            return CString();
        size_t n = std::strftime(p, nSize, lpszFormat, &when);
        if (n > 0) {
            text.ReleaseBuffer(static_cast<int>(n));
            return text;
        }
        text.ReleaseBuffer(0);
    }
    return CString();
}

CString COleDateTime::Format(UINT nFormatID) const
{
    CString format;
    if (!format.LoadString(nFormatID))
        return CString();
    return Format(static_cast<LPCSTR>(format));
}
