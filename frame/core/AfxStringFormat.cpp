// CString: formatting, string resources and automation strings.
#include "AfxString.h"
#include "AfxModule.h"
#include <cstdio>
#include <cstring>

// ---------------------------------------------------------------------------------------------
// Formatting

namespace {
// Measures first, so texts of any length come out whole. The arguments may point into the
// string being formatted, so the result is built in a separate string.
CString FormatToString(LPCSTR lpszFormat, va_list argList)
{
    CString result;
    if (lpszFormat == nullptr)
        return result;
    va_list measure;
    va_copy(measure, argList);
    int n = __mingw_vsnprintf(nullptr, 0, lpszFormat, measure);
    va_end(measure);
    if (n <= 0)
        return result;
    if (char* p = result.GetBufferSetLength(n)) {
        __mingw_vsnprintf(p, static_cast<size_t>(n) + 1, lpszFormat, argList);
        result.ReleaseBuffer(n);
    }
    return result;
}
}  // namespace

void CString::FormatV(LPCSTR lpszFormat, va_list argList) { *this = FormatToString(lpszFormat, argList); }

void AFX_CDECL CString::Format(LPCSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    FormatV(lpszFormat, args);
    va_end(args);
}

void AFX_CDECL CString::Format(UINT nFormatID, ...)
{
    CString format;
    format.LoadString(nFormatID);
    va_list args;
    va_start(args, nFormatID);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormatV(LPCSTR lpszFormat, va_list argList) { Append(FormatToString(lpszFormat, argList)); }

void AFX_CDECL CString::AppendFormat(LPCSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    AppendFormatV(lpszFormat, args);
    va_end(args);
}

// ---------------------------------------------------------------------------------------------
// Resources

BOOL CString::LoadString(UINT nID)
{
    HINSTANCE hInstance = AfxFindStringResourceHandle(nID);
    return hInstance != nullptr && LoadString(hInstance, nID);
}

BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
    // String tables hold sixteen counted UTF-16 strings per block; reading the block directly
    // takes texts of any length, where LoadStringA would need a guessed buffer size.
    if (hInstance == nullptr)
        return FALSE;
    HRSRC hResource = FindResourceA(hInstance, MAKEINTRESOURCEA((nID >> 4) + 1), MAKEINTRESOURCEA(6));
    if (hResource == nullptr)
        return FALSE;
    HGLOBAL hGlobal = LoadResource(hInstance, hResource);
    auto* p = static_cast<const WCHAR*>(hGlobal != nullptr ? LockResource(hGlobal) : nullptr);
    if (p == nullptr)
        return FALSE;
    const WCHAR* end = p + SizeofResource(hInstance, hResource) / sizeof(WCHAR);
    for (UINT i = 0; i < (nID & 15); ++i) {
        if (p >= end)
            return FALSE;
        p += 1 + *p;
    }
    if (p >= end || *p == 0 || p + 1 + *p > end)
        return FALSE;
    AssignWide(p + 1, *p);
    return TRUE;
}

// ---------------------------------------------------------------------------------------------
// Automation strings

BSTR CString::AllocSysString() const
{
    int nLength = GetLength();
    int n = nLength > 0 ? MultiByteToWideChar(CP_ACP, 0, m_pszData, nLength, nullptr, 0) : 0;
    BSTR bstr = SysAllocStringLen(nullptr, n);
    if (bstr != nullptr && n > 0)
        MultiByteToWideChar(CP_ACP, 0, m_pszData, nLength, bstr, n);
    return bstr;
}

BSTR CString::SetSysString(BSTR* pbstr) const
{
    if (pbstr == nullptr)
        return nullptr;
    int nLength = GetLength();
    int n = nLength > 0 ? MultiByteToWideChar(CP_ACP, 0, m_pszData, nLength, nullptr, 0) : 0;
    if (!SysReAllocStringLen(pbstr, nullptr, n))
        return nullptr;
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, m_pszData, nLength, *pbstr, n);
    return *pbstr;
}
