// CString: extraction, modification, trimming and searching.
#include "AfxString.h"
#include "AfxStringData.h"
#include <algorithm>
#include <cctype>
#include <cstring>

using namespace afx_string_buffer;

// Every search below looks only where a character starts: in the double-byte code pages a
// trail byte may be '\' or a letter, and in UTF-8 a character's later bytes are not characters.
namespace {
// Position of sub in text[nStart, nLength), bounded by the length rather than a terminator.
int Search(LPCSTR text, int nLength, LPCSTR sub, int nSub, int nStart)
{
    if (nSub == 0)
        return nStart;
    if (AnsiChars().IsSingleByte()) {
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
    // A match starts and ends where characters of the text do: a search text that ends in a
    // lead byte is not found in the character that byte begins.
    for (int i = nStart; i <= nLength - nSub; i += CharLength(text + i, nLength - i)) {
        if (std::memcmp(text + i, sub, nSub) != 0)
            continue;
        int nEnd = i;
        while (nEnd < i + nSub)
            nEnd += CharLength(text + nEnd, nLength - nEnd);
        if (nEnd == i + nSub)
            return i;
    }
    return -1;
}

// The characters of a character-set argument; the terminator is never a member. A character
// of the text is a member only when the set holds the whole of it.
class CharSet
{
public:
    explicit CharSet(LPCSTR set) : m_set(set), m_nSet(SafeLength(set))
    {
        for (int i = 0; i < m_nSet; i += CharLength(m_set + i, m_nSet - i)) {
            if (CharLength(m_set + i, m_nSet - i) == 1)
                m_single[static_cast<unsigned char>(m_set[i])] = true;
            else
                m_bMultiByte = true;
        }
    }
    // Whether the character of nChar bytes at p is one of the set's.
    bool operator()(LPCSTR p, int nChar) const
    {
        if (nChar == 1)
            return m_single[static_cast<unsigned char>(*p)];
        if (!m_bMultiByte)
            return false;
        for (int i = 0, n; i < m_nSet; i += n) {
            n = CharLength(m_set + i, m_nSet - i);
            if (n == nChar && std::memcmp(m_set + i, p, n) == 0)
                return true;
        }
        return false;
    }

private:
    LPCSTR m_set;
    int m_nSet;
    bool m_single[256] = {};
    bool m_bMultiByte = false;
};

// The single-byte character ch; a byte of a longer character never matches.
struct IsChar
{
    char ch;
    bool operator()(LPCSTR p, int nChar) const { return nChar == 1 && *p == ch; }
};

bool IsSpace(LPCSTR p, int nChar) { return nChar == 1 && std::isspace(static_cast<unsigned char>(*p)) != 0; }

// Length of the head of text[nFrom, nLength) whose characters all satisfy (or, with bWhile
// false, all fail) the test.
template <class Pred>
int Span(LPCSTR text, int nLength, int nFrom, Pred in, bool bWhile)
{
    int i = nFrom;
    while (i < nLength) {
        int n = CharLength(text + i, nLength - i);
        if (in(text + i, n) != bWhile)
            break;
        i += n;
    }
    return i - nFrom;
}

// Rewrites each single-byte character through convert; longer characters, trail bytes
// included, stay exactly as they were.
template <class Convert>
void ConvertSingleBytes(char* p, int nLength, Convert convert)
{
    for (int i = 0, n; i < nLength; i += n) {
        n = CharLength(p + i, nLength - i);
        if (n == 1)
            p[i] = static_cast<char>(convert(static_cast<unsigned char>(p[i])));
    }
}

// Counts the single-byte characters ch, or with bRemove also drops them, in place.
int CountOrRemove(char* p, int nLength, char ch, bool bRemove)
{
    int nCount = 0, nOut = 0;
    for (int i = 0, n; i < nLength; i += n) {
        n = CharLength(p + i, nLength - i);
        if (n == 1 && p[i] == ch) {
            ++nCount;
            continue;
        }
        if (bRemove)
            std::memmove(p + nOut, p + i, n);
        nOut += n;
    }
    return nCount;
}
}  // namespace

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
    return Left(Span(m_pszData, GetLength(), 0, CharSet(lpszCharSet), true));
}

CString CString::SpanExcluding(LPCSTR lpszCharSet) const
{
    return Left(Span(m_pszData, GetLength(), 0, CharSet(lpszCharSet), false));
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
    int nFrom = iStart + Span(m_pszData, nLength, iStart, delimiters, true);
    if (nFrom >= nLength) {
        iStart = -1;
        return CString();
    }
    int nTo = nFrom + Span(m_pszData, nLength, nFrom, delimiters, false);
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
        ConvertSingleBytes(p, nLength, [](unsigned char c) { return std::toupper(c); });
    return *this;
}

CString& CString::MakeLower()
{
    int nLength = GetLength();
    if (nLength == 0)
        return *this;
    if (char* p = PrepareWrite(nLength))
        ConvertSingleBytes(p, nLength, [](unsigned char c) { return std::tolower(c); });
    return *this;
}

CString& CString::MakeReverse()
{
    int nLength = GetLength();
    if (nLength < 2)
        return *this;
    if (AnsiChars().IsSingleByte()) {
        if (char* p = PrepareWrite(nLength))
            std::reverse(p, p + nLength);
        return *this;
    }
    // Characters keep their bytes in order, so they are copied whole, from a copy of the text
    // read from its start.
    CString original(m_pszData, nLength);
    char* p = PrepareWrite(nLength);
    if (p == nullptr || original.GetLength() != nLength)
        return *this;
    for (int i = 0, n; i < nLength; i += n) {
        n = CharLength(original.m_pszData + i, nLength - i);
        std::memcpy(p + nLength - i - n, original.m_pszData + i, n);
    }
    return *this;
}

int CString::Replace(char chOld, char chNew)
{
    if (chOld == chNew)
        return 0;
    int nLength = GetLength();
    if (CountOrRemove(m_pszData, nLength, chOld, false) == 0)
        return 0;
    char* p = PrepareWrite(nLength);
    if (p == nullptr)
        return 0;
    int nCount = 0;
    for (int i = 0, n; i < nLength; i += n) {
        n = CharLength(p + i, nLength - i);
        if (n == 1 && p[i] == chOld) {
            p[i] = chNew;
            ++nCount;
        }
    }
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
    if (CountOrRemove(m_pszData, nLength, chRemove, false) == 0)
        return 0;
    char* p = PrepareWrite(nLength);
    if (p == nullptr)
        return 0;
    int nCount = CountOrRemove(p, nLength, chRemove, true);
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
    nFirst = bLeft ? Span(text, nLength, 0, trim, true) : 0;
    nEnd = nLength;
    if (bRight) {
        // Characters cannot be read backwards: the end is after the last one that stays.
        nEnd = nFirst;
        for (int i = nFirst, n; i < nLength; i += n) {
            n = CharLength(text + i, nLength - i);
            if (!trim(text + i, n))
                nEnd = i + n;
        }
    }
}
}  // namespace

#define ZUZ_TRIM_BODY(pred, left, right)                                 \
    int nFirst, nEnd;                                                    \
    TrimBounds(m_pszData, GetLength(), pred, left, right, nFirst, nEnd); \
    SetSpan(nFirst, nEnd - nFirst);                                      \
    return *this;

// clang-format off
CString& CString::Trim() { ZUZ_TRIM_BODY(IsSpace, true, true) }
CString& CString::TrimLeft() { ZUZ_TRIM_BODY(IsSpace, true, false) }
CString& CString::TrimRight() { ZUZ_TRIM_BODY(IsSpace, false, true) }

CString& CString::Trim(char chTarget) { ZUZ_TRIM_BODY(IsChar{chTarget}, true, true) }
CString& CString::TrimLeft(char chTarget) { ZUZ_TRIM_BODY(IsChar{chTarget}, true, false) }
CString& CString::TrimRight(char chTarget) { ZUZ_TRIM_BODY(IsChar{chTarget}, false, true) }

CString& CString::Trim(LPCSTR lpszTargets) { ZUZ_TRIM_BODY(CharSet(lpszTargets), true, true) }
CString& CString::TrimLeft(LPCSTR lpszTargets) { ZUZ_TRIM_BODY(CharSet(lpszTargets), true, false) }
CString& CString::TrimRight(LPCSTR lpszTargets) { ZUZ_TRIM_BODY(CharSet(lpszTargets), false, true) }
// clang-format on

#undef ZUZ_TRIM_BODY

// ---------------------------------------------------------------------------------------------
// Searching

int CString::Find(char ch, int nStart) const
{
    int nLength = GetLength();
    if (nStart < 0 || nStart >= nLength)
        return -1;
    int n = Span(m_pszData, nLength, nStart, IsChar{ ch }, false);
    return nStart + n < nLength ? nStart + n : -1;
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
    // Read from the start: a trail byte equal to ch is not a match.
    int nLength = GetLength(), nFound = -1;
    for (int i = 0, n; i < nLength; i += n) {
        n = CharLength(m_pszData + i, nLength - i);
        if (n == 1 && m_pszData[i] == ch)
            nFound = i;
    }
    return nFound;
}

int CString::FindOneOf(LPCSTR lpszCharSet) const
{
    int nLength = GetLength();
    int n = Span(m_pszData, nLength, 0, CharSet(lpszCharSet), false);
    return n < nLength ? n : -1;
}
