// CString: extraction, modification, trimming and searching.
#include "AfxString.h"
#include "AfxStringData.h"
#include <algorithm>
#include <cctype>
#include <cstring>

using namespace afx_string_buffer;

namespace {
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

// clang-format off
CString& CString::Trim() { ZUZ_TRIM_BODY(IsSpace, true, true) }
CString& CString::TrimLeft() { ZUZ_TRIM_BODY(IsSpace, true, false) }
CString& CString::TrimRight() { ZUZ_TRIM_BODY(IsSpace, false, true) }

CString& CString::Trim(char chTarget) { ZUZ_TRIM_BODY([chTarget](char c) { return c == chTarget; }, true, true) }
CString& CString::TrimLeft(char chTarget) { ZUZ_TRIM_BODY([chTarget](char c) { return c == chTarget; }, true, false) }
CString& CString::TrimRight(char chTarget) { ZUZ_TRIM_BODY([chTarget](char c) { return c == chTarget; }, false, true) }

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
