#include "AfxString.h"
#include "AfxModule.h"
#include <algorithm>
#include <climits>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace {

// Every empty string points at this one; it is never written and never freed.
struct NilString
{
    CStringData header;
    char text[4];
};
NilString g_nil = { { 1, 0, 0 }, { 0, 0, 0, 0 } };
static_assert(offsetof(NilString, text) == sizeof(CStringData), "the characters follow the header");

// Buffer states below zero: locked by LockBuffer, or handed out by GetBuffer.
constexpr long kLocked = -1;
constexpr long kBufferOut = -2;

// Leaves room for the header and terminator so sizes never overflow an int.
constexpr int kMaxLength = INT_MAX - 64;

CStringData* NilData() { return &g_nil.header; }
char* NilText() { return g_nil.text; }

int SafeLength(LPCSTR p)
{
    if (p == nullptr)
        return 0;
    size_t n = std::strlen(p);
    return n > static_cast<size_t>(kMaxLength) ? kMaxLength : static_cast<int>(n);
}

CStringData* Allocate(int nAlloc)
{
    if (nAlloc < 0 || nAlloc > kMaxLength)
        return nullptr;
    auto* d = static_cast<CStringData*>(std::malloc(sizeof(CStringData) + nAlloc + 1));
    if (d == nullptr)
        return nullptr;
    d->nRefs = 1;
    d->nDataLength = 0;
    d->nAllocLength = nAlloc;
    d->data()[0] = '\0';
    return d;
}

void Release(CStringData* d)
{
    if (d == NilData())
        return;
    if (d->nRefs < 0 || InterlockedDecrement(&d->nRefs) == 0)
        std::free(d);
}

// Position of sub in text[nStart, nLength), bounded by the length rather than a terminator.
int Search(LPCSTR text, int nLength, LPCSTR sub, int nSub, int nStart)
{
    if (nSub == 0)
        return nStart;
    for (int i = nStart; i <= nLength - nSub; ++i) {
        auto* p = static_cast<const char*>(std::memchr(text + i, sub[0], nLength - nSub - i + 1));
        if (p == nullptr)
            return -1;
        i = static_cast<int>(p - text);
        if (std::memcmp(p, sub, nSub) == 0)
            return i;
    }
    return -1;
}

// Membership table for the character-set arguments; the terminator is never a member.
struct CharSet
{
    bool has[256] = {};
    explicit CharSet(LPCSTR set)
    {
        if (set != nullptr)
            for (; *set != '\0'; ++set)
                has[static_cast<unsigned char>(*set)] = true;
    }
    bool operator()(char c) const { return has[static_cast<unsigned char>(c)]; }
};

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

}  // namespace

// ---------------------------------------------------------------------------------------------
// Buffer management

bool CString::IsInBuffer(LPCSTR p) const
{
    auto addr = reinterpret_cast<ULONG_PTR>(p);
    auto first = reinterpret_cast<ULONG_PTR>(m_pszData);
    return addr >= first && addr <= first + GetData()->nAllocLength;
}

// Makes the buffer this string's own with room for nLength characters, keeping the current
// text (cut to nLength). Returns nullptr, with the string unchanged, when memory runs out.
char* CString::PrepareWrite(int nLength, bool bGrow)
{
    if (nLength < 0 || nLength > kMaxLength)
        return nullptr;
    CStringData* d = GetData();
    bool exclusive = d != NilData() && (d->nRefs < 0 || d->nRefs == 1);
    if (exclusive && nLength <= d->nAllocLength)
        return m_pszData;

    int nAlloc = nLength;
    if (bGrow && nLength > d->nAllocLength) {
        // Appending in a loop should not copy the whole text each time.
        long long grown = static_cast<long long>(d->nAllocLength) * 3 / 2;
        nAlloc = static_cast<int>(std::min<long long>(kMaxLength, std::max<long long>(grown, nLength)));
        nAlloc = std::max(nAlloc, 16);
    }

    if (exclusive) {
        auto* grownData = static_cast<CStringData*>(std::realloc(d, sizeof(CStringData) + nAlloc + 1));
        if (grownData == nullptr)
            return nullptr;
        grownData->nAllocLength = nAlloc;
        m_pszData = grownData->data();
        return m_pszData;
    }

    CStringData* fresh = Allocate(nAlloc);
    if (fresh == nullptr)
        return nullptr;
    int nKeep = std::min(d->nDataLength, nAlloc);
    std::memcpy(fresh->data(), m_pszData, nKeep);
    fresh->nDataLength = nKeep;
    fresh->data()[nKeep] = '\0';
    Release(d);
    m_pszData = fresh->data();
    return m_pszData;
}

// Only called on a buffer PrepareWrite made exclusive.
void CString::SetLength(int nLength)
{
    CStringData* d = GetData();
    if (d == NilData())
        return;
    nLength = std::max(0, std::min(nLength, d->nAllocLength));
    d->nDataLength = nLength;
    m_pszData[nLength] = '\0';
}

// ---------------------------------------------------------------------------------------------
// Construction

CString::CString() : m_pszData(NilText()) {}

CString::CString(const CString& stringSrc) : m_pszData(NilText()) { *this = stringSrc; }

CString::CString(CString&& stringSrc) noexcept : m_pszData(NilText()) { *this = std::move(stringSrc); }

CString::CString(LPCSTR lpsz) : m_pszData(NilText())
{
    if (lpsz != nullptr && IS_INTRESOURCE(lpsz))
        LoadString(LOWORD(reinterpret_cast<ULONG_PTR>(lpsz)));
    else
        SetString(lpsz, SafeLength(lpsz));
}

CString::CString(LPCSTR lpch, int nLength) : m_pszData(NilText()) { SetString(lpch, nLength); }

CString::CString(const unsigned char* lpsz) : CString(reinterpret_cast<LPCSTR>(lpsz)) {}

CString::CString(char ch, int nRepeat) : m_pszData(NilText())
{
    if (nRepeat <= 0)
        return;
    if (char* p = PrepareWrite(nRepeat)) {
        std::memset(p, ch, nRepeat);
        SetLength(nRepeat);
    }
}

CString::CString(LPCWSTR lpsz) : m_pszData(NilText())
{
    if (lpsz != nullptr && IS_INTRESOURCE(lpsz))
        LoadString(LOWORD(reinterpret_cast<ULONG_PTR>(lpsz)));
    else
        AssignWide(lpsz, lpsz != nullptr ? static_cast<int>(std::min<size_t>(wcslen(lpsz), kMaxLength)) : 0);
}

CString::CString(LPCWSTR lpch, int nLength) : m_pszData(NilText()) { AssignWide(lpch, nLength); }

CString::~CString() { Release(GetData()); }

void CString::AssignWide(LPCWSTR lpch, int nLength)
{
    if (lpch == nullptr || nLength <= 0) {
        Empty();
        return;
    }
    int n = WideCharToMultiByte(CP_ACP, 0, lpch, nLength, nullptr, 0, nullptr, nullptr);
    if (n <= 0) {
        Empty();
        return;
    }
    CString converted;
    if (char* p = converted.PrepareWrite(n)) {
        n = WideCharToMultiByte(CP_ACP, 0, lpch, nLength, p, n, nullptr, nullptr);
        converted.SetLength(n);
    }
    *this = converted;
}

// ---------------------------------------------------------------------------------------------
// Assignment

CString& CString::operator=(const CString& stringSrc)
{
    if (stringSrc.m_pszData == m_pszData)
        return *this;
    CStringData* src = stringSrc.GetData();
    CStringData* mine = GetData();
    if (src->nRefs < 0 || mine->nRefs < 0) {
        // A locked buffer is never shared: copy the text instead.
        SetString(stringSrc.m_pszData, src->nDataLength);
        return *this;
    }
    if (src != NilData())
        InterlockedIncrement(&src->nRefs);
    Release(mine);
    m_pszData = stringSrc.m_pszData;
    return *this;
}

CString& CString::operator=(CString&& stringSrc) noexcept
{
    if (&stringSrc == this)
        return *this;
    if (GetData()->nRefs < 0 || stringSrc.GetData()->nRefs < 0)
        return *this = static_cast<const CString&>(stringSrc);
    std::swap(m_pszData, stringSrc.m_pszData);
    stringSrc.Empty();
    return *this;
}

CString& CString::operator=(LPCSTR lpsz)
{
    SetString(lpsz, SafeLength(lpsz));
    return *this;
}

CString& CString::operator=(LPCWSTR lpsz)
{
    AssignWide(lpsz, lpsz != nullptr ? static_cast<int>(std::min<size_t>(wcslen(lpsz), kMaxLength)) : 0);
    return *this;
}

CString& CString::operator=(const unsigned char* lpsz) { return *this = reinterpret_cast<LPCSTR>(lpsz); }

CString& CString::operator=(char ch)
{
    SetString(&ch, 1);
    return *this;
}

void CString::SetString(LPCSTR lpsz) { SetString(lpsz, SafeLength(lpsz)); }

void CString::SetString(LPCSTR lpch, int nLength)
{
    if (lpch != nullptr && IsInBuffer(lpch)) {
        // Part of our own text: never read past its end. The copy below is still safe: an
        // exclusive buffer is big enough already, and a shared one stays alive with its other
        // owners when we move to a fresh one.
        nLength = std::min(nLength, static_cast<int>(m_pszData + GetLength() - lpch));
    }
    if (lpch == nullptr || nLength <= 0) {
        Empty();
        return;
    }
    char* p = PrepareWrite(nLength);
    if (p == nullptr)
        return;
    std::memmove(p, lpch, nLength);
    SetLength(nLength);
}

// ---------------------------------------------------------------------------------------------
// Concatenation

void CString::Append(const CString& string) { Append(string.m_pszData, string.GetLength()); }

void CString::Append(LPCSTR lpsz) { Append(lpsz, SafeLength(lpsz)); }

void CString::Append(LPCSTR lpch, int nLength)
{
    if (lpch == nullptr || nLength <= 0)
        return;
    int nOld = GetLength();
    ptrdiff_t offset = -1;
    if (IsInBuffer(lpch)) {
        offset = lpch - m_pszData;
        nLength = std::min(nLength, static_cast<int>(nOld - offset));
        if (nLength <= 0)
            return;
    }
    if (nLength > kMaxLength - nOld)
        return;
    char* p = PrepareWrite(nOld + nLength, true);
    if (p == nullptr)
        return;
    if (offset >= 0)
        lpch = p + offset;
    std::memcpy(p + nOld, lpch, nLength);
    SetLength(nOld + nLength);
}

void CString::AppendChar(char ch) { Append(&ch, 1); }

CString& CString::operator+=(const CString& string)
{
    Append(string);
    return *this;
}

CString& CString::operator+=(LPCSTR lpsz)
{
    Append(lpsz);
    return *this;
}

CString& CString::operator+=(char ch)
{
    AppendChar(ch);
    return *this;
}

namespace {
CString Concat(LPCSTR p1, int n1, LPCSTR p2, int n2)
{
    CString result;
    if (n1 <= kMaxLength - n2)
        result.Preallocate(n1 + n2);
    result.Append(p1, n1);
    result.Append(p2, n2);
    return result;
}
}  // namespace

CString AFXAPI operator+(const CString& string1, const CString& string2)
{
    return Concat(string1, string1.GetLength(), string2, string2.GetLength());
}

CString AFXAPI operator+(const CString& string, LPCSTR lpsz)
{
    return Concat(string, string.GetLength(), lpsz, SafeLength(lpsz));
}

CString AFXAPI operator+(LPCSTR lpsz, const CString& string)
{
    return Concat(lpsz, SafeLength(lpsz), string, string.GetLength());
}

CString AFXAPI operator+(const CString& string, char ch) { return Concat(string, string.GetLength(), &ch, 1); }

CString AFXAPI operator+(char ch, const CString& string) { return Concat(&ch, 1, string, string.GetLength()); }

// ---------------------------------------------------------------------------------------------
// Attributes

void CString::Empty()
{
    CStringData* d = GetData();
    if (d == NilData())
        return;
    if (d->nRefs < 0) {
        // A locked buffer stays in place: its owner may still hold the pointer.
        SetLength(0);
        return;
    }
    Release(d);
    m_pszData = NilText();
}

char CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetLength())
        return '\0';
    return m_pszData[nIndex];
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex < 0 || nIndex >= GetLength())
        return;
    if (char* p = PrepareWrite(GetLength()))
        p[nIndex] = ch;
}

// ---------------------------------------------------------------------------------------------
// Comparison

int CString::Compare(LPCSTR lpsz) const { return std::strcmp(m_pszData, lpsz != nullptr ? lpsz : ""); }

int CString::CompareNoCase(LPCSTR lpsz) const { return _stricmp(m_pszData, lpsz != nullptr ? lpsz : ""); }

int CString::Collate(LPCSTR lpsz) const { return std::strcoll(m_pszData, lpsz != nullptr ? lpsz : ""); }

int CString::CollateNoCase(LPCSTR lpsz) const { return _stricoll(m_pszData, lpsz != nullptr ? lpsz : ""); }

// ---------------------------------------------------------------------------------------------
// Extraction

CString CString::Mid(int nFirst, int nCount) const
{
    int nLength = GetLength();
    nFirst = std::max(0, std::min(nFirst, nLength));
    nCount = std::max(0, std::min(nCount, nLength - nFirst));
    if (nFirst == 0 && nCount == nLength)
        return *this;
    return CString(m_pszData + nFirst, nCount);
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength() - std::max(0, nFirst)); }

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const
{
    nCount = std::max(0, std::min(nCount, GetLength()));
    return Mid(GetLength() - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR lpszCharSet) const
{
    CharSet set(lpszCharSet);
    int n = 0;
    while (n < GetLength() && set(m_pszData[n]))
        ++n;
    return Left(n);
}

CString CString::SpanExcluding(LPCSTR lpszCharSet) const
{
    CharSet set(lpszCharSet);
    int n = 0;
    while (n < GetLength() && !set(m_pszData[n]))
        ++n;
    return Left(n);
}

CString CString::Tokenize(LPCSTR pszTokens, int& iStart) const
{
    int nLength = GetLength();
    if (iStart < 0 || iStart >= nLength) {
        iStart = -1;
        return CString();
    }
    if (pszTokens == nullptr || *pszTokens == '\0') {
        // No delimiters: the rest is one token. Moving past it ends the caller's loop.
        int nFrom = iStart;
        iStart = nLength;
        return Mid(nFrom);
    }
    CharSet delimiters(pszTokens);
    int nFrom = iStart;
    while (nFrom < nLength && delimiters(m_pszData[nFrom]))
        ++nFrom;
    if (nFrom >= nLength) {
        iStart = -1;
        return CString();
    }
    int nTo = nFrom;
    while (nTo < nLength && !delimiters(m_pszData[nTo]))
        ++nTo;
    iStart = nTo + 1;
    return Mid(nFrom, nTo - nFrom);
}

// ---------------------------------------------------------------------------------------------
// Modification

CString& CString::MakeUpper()
{
    int nLength = GetLength();
    if (nLength == 0)
        return *this;
    if (char* p = PrepareWrite(nLength))
        for (int i = 0; i < nLength; ++i)
            p[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(p[i])));
    return *this;
}

CString& CString::MakeLower()
{
    int nLength = GetLength();
    if (nLength == 0)
        return *this;
    if (char* p = PrepareWrite(nLength))
        for (int i = 0; i < nLength; ++i)
            p[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(p[i])));
    return *this;
}

CString& CString::MakeReverse()
{
    int nLength = GetLength();
    if (nLength < 2)
        return *this;
    if (char* p = PrepareWrite(nLength))
        std::reverse(p, p + nLength);
    return *this;
}

int CString::Replace(char chOld, char chNew)
{
    if (chOld == chNew)
        return 0;
    int nLength = GetLength();
    int nCount = static_cast<int>(std::count(m_pszData, m_pszData + nLength, chOld));
    if (nCount == 0)
        return 0;
    char* p = PrepareWrite(nLength);
    if (p == nullptr)
        return 0;
    std::replace(p, p + nLength, chOld, chNew);
    return nCount;
}

int CString::Replace(LPCSTR lpszOld, LPCSTR lpszNew)
{
    int nOld = SafeLength(lpszOld);
    if (nOld == 0)
        return 0;
    int nNew = SafeLength(lpszNew);
    int nLength = GetLength();

    int nCount = 0;
    for (int pos = Search(m_pszData, nLength, lpszOld, nOld, 0); pos >= 0;
         pos = Search(m_pszData, nLength, lpszOld, nOld, pos + nOld))
        ++nCount;
    if (nCount == 0)
        return 0;

    long long nResult = nLength + static_cast<long long>(nCount) * (nNew - nOld);
    if (nResult > kMaxLength)
        return 0;

    // Built beside the old text, so the arguments may point into it.
    CString result;
    char* dst = result.PrepareWrite(static_cast<int>(nResult));
    if (dst == nullptr)
        return 0;
    int from = 0;
    for (int pos = Search(m_pszData, nLength, lpszOld, nOld, 0); pos >= 0;
         pos = Search(m_pszData, nLength, lpszOld, nOld, pos + nOld)) {
        std::memcpy(dst, m_pszData + from, pos - from);
        dst += pos - from;
        std::memcpy(dst, lpszNew, nNew);
        dst += nNew;
        from = pos + nOld;
    }
    std::memcpy(dst, m_pszData + from, nLength - from);
    result.SetLength(static_cast<int>(nResult));
    *this = result;
    return nCount;
}

int CString::Remove(char chRemove)
{
    int nLength = GetLength();
    int nCount = static_cast<int>(std::count(m_pszData, m_pszData + nLength, chRemove));
    if (nCount == 0)
        return 0;
    char* p = PrepareWrite(nLength);
    if (p == nullptr)
        return 0;
    std::remove(p, p + nLength, chRemove);
    SetLength(nLength - nCount);
    return nCount;
}

int CString::InsertChars(int nIndex, LPCSTR p, int nCount)
{
    int nLength = GetLength();
    nIndex = std::max(0, std::min(nIndex, nLength));
    if (p == nullptr || nCount <= 0 || nCount > kMaxLength - nLength)
        return nLength;
    if (IsInBuffer(p)) {
        CString copy(p, nCount);
        return InsertChars(nIndex, copy, copy.GetLength());
    }
    char* dst = PrepareWrite(nLength + nCount, true);
    if (dst == nullptr)
        return nLength;
    std::memmove(dst + nIndex + nCount, dst + nIndex, nLength - nIndex);
    std::memcpy(dst + nIndex, p, nCount);
    SetLength(nLength + nCount);
    return nLength + nCount;
}

int CString::Insert(int nIndex, char ch) { return InsertChars(nIndex, &ch, 1); }

int CString::Insert(int nIndex, LPCSTR pstr) { return InsertChars(nIndex, pstr, SafeLength(pstr)); }

int CString::Delete(int nIndex, int nCount)
{
    int nLength = GetLength();
    nIndex = std::max(0, nIndex);
    if (nCount <= 0 || nIndex >= nLength)
        return nLength;
    nCount = std::min(nCount, nLength - nIndex);
    char* p = PrepareWrite(nLength);
    if (p == nullptr)
        return nLength;
    std::memmove(p + nIndex, p + nIndex + nCount, nLength - nIndex - nCount);
    SetLength(nLength - nCount);
    return nLength - nCount;
}

void CString::Truncate(int nNewLength)
{
    if (nNewLength < 0 || nNewLength >= GetLength())
        return;
    if (PrepareWrite(GetLength()) != nullptr)
        SetLength(nNewLength);
}

// Keeps characters [nFirst, nFirst + nCount).
void CString::SetSpan(int nFirst, int nCount)
{
    if (nFirst == 0 && nCount == GetLength())
        return;
    if (nCount <= 0)
        Empty();
    else
        SetString(m_pszData + nFirst, nCount);
}

namespace {
template <class Pred>
void TrimBounds(LPCSTR text, int nLength, Pred trim, bool bLeft, bool bRight, int& nFirst, int& nEnd)
{
    nFirst = 0;
    nEnd = nLength;
    if (bLeft)
        while (nFirst < nEnd && trim(text[nFirst]))
            ++nFirst;
    if (bRight)
        while (nEnd > nFirst && trim(text[nEnd - 1]))
            --nEnd;
}
}  // namespace

#define ZUZ_TRIM_BODY(pred, left, right)                                 \
    int nFirst, nEnd;                                                    \
    TrimBounds(m_pszData, GetLength(), pred, left, right, nFirst, nEnd); \
    SetSpan(nFirst, nEnd - nFirst);                                      \
    return *this;

CString& CString::Trim(){ ZUZ_TRIM_BODY(IsSpace, true, true) } CString& CString::TrimLeft(){
    ZUZ_TRIM_BODY(IsSpace, true, false)
} CString& CString::TrimRight(){ ZUZ_TRIM_BODY(IsSpace, false, true) }

CString& CString::Trim(char chTarget){ ZUZ_TRIM_BODY([chTarget](char c) { return c == chTarget; }, true,
                                                     true) } CString& CString::TrimLeft(char chTarget){
    ZUZ_TRIM_BODY([chTarget](char c) { return c == chTarget; }, true, false)
} CString& CString::TrimRight(char chTarget){ ZUZ_TRIM_BODY([chTarget](char c) { return c == chTarget; }, false, true) }

CString& CString::Trim(LPCSTR lpszTargets){ ZUZ_TRIM_BODY(CharSet(lpszTargets), true,
                                                          true) } CString& CString::TrimLeft(LPCSTR lpszTargets){
    ZUZ_TRIM_BODY(CharSet(lpszTargets), true, false)
} CString& CString::TrimRight(LPCSTR lpszTargets)
{
    ZUZ_TRIM_BODY(CharSet(lpszTargets), false, true)
}

#undef ZUZ_TRIM_BODY

// ---------------------------------------------------------------------------------------------
// Searching

int CString::Find(char ch, int nStart) const
{
    int nLength = GetLength();
    if (nStart < 0 || nStart >= nLength)
        return -1;
    auto* p = static_cast<const char*>(std::memchr(m_pszData + nStart, ch, nLength - nStart));
    return p != nullptr ? static_cast<int>(p - m_pszData) : -1;
}

int CString::Find(LPCSTR lpszSub, int nStart) const
{
    int nLength = GetLength();
    if (lpszSub == nullptr || nStart < 0 || nStart > nLength)
        return -1;
    return Search(m_pszData, nLength, lpszSub, SafeLength(lpszSub), nStart);
}

int CString::ReverseFind(char ch) const
{
    for (int i = GetLength() - 1; i >= 0; --i)
        if (m_pszData[i] == ch)
            return i;
    return -1;
}

int CString::FindOneOf(LPCSTR lpszCharSet) const
{
    CharSet set(lpszCharSet);
    for (int i = 0; i < GetLength(); ++i)
        if (set(m_pszData[i]))
            return i;
    return -1;
}

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

// ---------------------------------------------------------------------------------------------
// Raw buffer access

LPSTR CString::GetBuffer(int nMinBufLength)
{
    char* p = PrepareWrite(std::max(nMinBufLength, GetLength()));
    if (p == nullptr)
        return nullptr;
    CStringData* d = GetData();
    if (d->nRefs > 0)
        d->nRefs = kBufferOut;
    return p;
}

LPSTR CString::GetBuffer() { return GetBuffer(0); }

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        return nullptr;
    char* p = GetBuffer(nNewLength);
    if (p != nullptr)
        SetLength(nNewLength);
    return p;
}

void CString::ReleaseBuffer(int nNewLength)
{
    CStringData* d = GetData();
    if (d == NilData())
        return;
    if (d->nRefs > 1) {
        // Released without GetBuffer: the shared text must not change under its other owners.
        if (PrepareWrite(GetLength()) == nullptr)
            return;
        d = GetData();
    }
    if (d->nRefs == kBufferOut)
        d->nRefs = 1;
    if (nNewLength < 0)
        nNewLength = static_cast<int>(strnlen(m_pszData, d->nAllocLength));
    SetLength(nNewLength);
}

void CString::ReleaseBufferSetLength(int nNewLength) { ReleaseBuffer(std::max(0, nNewLength)); }

LPSTR CString::LockBuffer()
{
    char* p = PrepareWrite(GetLength());
    if (p != nullptr)
        GetData()->nRefs = kLocked;
    return p;
}

void CString::UnlockBuffer()
{
    CStringData* d = GetData();
    if (d->nRefs < 0)
        d->nRefs = 1;
}

void CString::Preallocate(int nLength)
{
    if (nLength > GetAllocLength())
        PrepareWrite(nLength);
}

void CString::FreeExtra()
{
    CStringData* d = GetData();
    if (d == NilData() || d->nRefs != 1 || d->nAllocLength == d->nDataLength)
        return;
    if (d->nDataLength == 0) {
        Release(d);
        m_pszData = NilText();
        return;
    }
    if (auto* shrunk = static_cast<CStringData*>(std::realloc(d, sizeof(CStringData) + d->nDataLength + 1))) {
        shrunk->nAllocLength = shrunk->nDataLength;
        m_pszData = shrunk->data();
    }
}
