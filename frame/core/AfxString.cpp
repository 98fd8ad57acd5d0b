// CString: buffer management, construction, assignment, concatenation and comparison.
#include "AfxString.h"
#include "AfxStringData.h"
#include "AfxModule.h"
#include "AfxAnsiChars.h"
#include <mbstring.h>
#include <cctype>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <cwchar>

using namespace afx_string_buffer;

namespace {
// Every empty string points at this one; it is never written and never freed.
struct NilString
{
    CStringData header;
    char text[4];
};
NilString g_nil = { { 1, 0, 0 }, { 0, 0, 0, 0 } };
static_assert(offsetof(NilString, text) == sizeof(CStringData), "the characters follow the header");
}  // namespace

CStringData* afx_string_buffer::NilData() { return &g_nil.header; }
char* afx_string_buffer::NilText() { return g_nil.text; }

int afx_string_buffer::SafeLength(LPCSTR p)
{
    if (p == nullptr)
        return 0;
    size_t n = std::strlen(p);
    return n > static_cast<size_t>(kMaxLength) ? kMaxLength : static_cast<int>(n);
}

CStringData* afx_string_buffer::Allocate(int nAlloc)
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

void afx_string_buffer::Release(CStringData* d)
{
    if (d == NilData())
        return;
    if (d->nRefs < 0 || InterlockedDecrement(&d->nRefs) == 0)
        std::free(d);
}

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

namespace {
// In a double-byte code page the framework compares as the runtime's multibyte functions do
// (_mbscmp, _mbsicmp): by whole characters, a one-byte character before every two-byte one,
// and without case only where a character has a case (a trail byte that looks like a letter
// is none). Written out (mbcs_chars::Compare) because those functions read the byte after a
// lead byte even when it is the terminator, and Wine's then step past it. Elsewhere (one byte
// a character, or UTF-8, whose byte order is its characters' order) bytes compare as unsigned
// values.
unsigned FoldCase(unsigned c)
{
    return c > 0xFF ? _mbctolower(c) : static_cast<unsigned>(std::tolower(static_cast<int>(c)));
}

int CompareCharacters(LPCSTR lpsz1, LPCSTR lpsz2, bool bNoCase)
{
    return mbcs_chars::Compare(afx_ansi::Chars(), lpsz1, std::strlen(lpsz1), lpsz2, std::strlen(lpsz2),
                               bNoCase ? FoldCase : nullptr);
}

bool ComparesByBytes() { return !afx_ansi::Chars().IsDoubleByte(); }

// Collation in the user's locale, where characters take several bytes: the system converts
// the texts whole, so no character is read in halves.
int CollateCharacters(LPCSTR lpsz1, LPCSTR lpsz2, DWORD dwFlags)
{
    const int nResult = ::CompareStringA(LOCALE_USER_DEFAULT, dwFlags, lpsz1, -1, lpsz2, -1);
    return nResult == 0 ? std::strcmp(lpsz1, lpsz2) : nResult - CSTR_EQUAL;
}
}  // namespace

int CString::Compare(LPCSTR lpsz) const
{
    lpsz = lpsz != nullptr ? lpsz : "";
    return ComparesByBytes() ? std::strcmp(m_pszData, lpsz) : CompareCharacters(m_pszData, lpsz, false);
}

int CString::CompareNoCase(LPCSTR lpsz) const
{
    lpsz = lpsz != nullptr ? lpsz : "";
    return ComparesByBytes() ? _stricmp(m_pszData, lpsz) : CompareCharacters(m_pszData, lpsz, true);
}

int CString::Collate(LPCSTR lpsz) const
{
    lpsz = lpsz != nullptr ? lpsz : "";
    return afx_ansi::Chars().IsSingleByte() ? std::strcoll(m_pszData, lpsz) : CollateCharacters(m_pszData, lpsz, 0);
}

int CString::CollateNoCase(LPCSTR lpsz) const
{
    lpsz = lpsz != nullptr ? lpsz : "";
    return afx_ansi::Chars().IsSingleByte() ? _stricoll(m_pszData, lpsz)
                                            : CollateCharacters(m_pszData, lpsz, NORM_IGNORECASE);
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
