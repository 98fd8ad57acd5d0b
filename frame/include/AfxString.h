// CString: the framework's reference-counted 8-bit string.
//
// A CString is one pointer to its characters; a small header in front of them holds the length,
// the capacity and the count of strings sharing the buffer. Copies share the buffer until one of
// them writes, so passing strings around by value costs nothing. A buffer handed out by
// GetBuffer or locked by LockBuffer belongs to its string alone until released.
#pragma once
#include "AfxCore.h"
#include <oleauto.h>
#include <type_traits>

struct CStringData
{
    // >= 1: number of strings sharing the buffer; < 0: the buffer is locked to one string.
    long nRefs;
    int nDataLength;   // characters in use, not counting the terminator
    int nAllocLength;  // characters that fit, not counting the terminator

    char* data() { return reinterpret_cast<char*>(this + 1); }
};

class AFX_API CString
{
public:
    // Construction
    CString();
    CString(const CString& stringSrc);
    CString(CString&& stringSrc) noexcept;
    // A MAKEINTRESOURCE value loads that string resource instead.
    CString(LPCSTR lpsz);
    CString(LPCSTR lpch, int nLength);
    CString(const unsigned char* lpsz);
    CString(char ch, int nRepeat = 1);
    // Wide text is converted with the ANSI code page.
    CString(LPCWSTR lpsz);
    CString(LPCWSTR lpch, int nLength);
    ~CString();

    // Assignment and concatenation
    CString& operator=(const CString& stringSrc);
    CString& operator=(CString&& stringSrc) noexcept;
    CString& operator=(LPCSTR lpsz);
    CString& operator=(LPCWSTR lpsz);
    CString& operator=(const unsigned char* lpsz);
    CString& operator=(char ch);
    CString& operator+=(const CString& string);
    CString& operator+=(LPCSTR lpsz);
    CString& operator+=(char ch);

    void SetString(LPCSTR lpsz);
    void SetString(LPCSTR lpch, int nLength);
    void Append(const CString& string);
    void Append(LPCSTR lpsz);
    void Append(LPCSTR lpch, int nLength);
    void AppendChar(char ch);

    // Attributes
    int GetLength() const { return GetData()->nDataLength; }
    int GetAllocLength() const { return GetData()->nAllocLength; }
    BOOL IsEmpty() const { return GetLength() == 0; }
    void Empty();

    // Out-of-range indexes read as '\0' and are ignored by SetAt.
    char GetAt(int nIndex) const;
    void SetAt(int nIndex, char ch);
    char operator[](int nIndex) const { return GetAt(nIndex); }
    // Any integer index type, so s[i] with an unsigned i is not ambiguous with the built-in
    // subscript through the LPCSTR conversion.
    template <class I, class = std::enable_if_t<std::is_integral_v<I> && !std::is_same_v<I, int>>>
    char operator[](I nIndex) const
    {
        if (nIndex < 0 || static_cast<unsigned long long>(nIndex) >= static_cast<unsigned long long>(GetLength()))
            return '\0';
        return m_pszData[static_cast<int>(nIndex)];
    }

    operator LPCSTR() const { return m_pszData; }
    LPCSTR GetString() const { return m_pszData; }

    // Comparison: Compare and CompareNoCase are byte-wise (strcmp, _stricmp); Collate and
    // CollateNoCase follow the C runtime's locale (strcoll, _stricoll). A null pointer
    // compares as the empty text.
    int Compare(LPCSTR lpsz) const;
    int CompareNoCase(LPCSTR lpsz) const;
    int Collate(LPCSTR lpsz) const;
    int CollateNoCase(LPCSTR lpsz) const;

    // Extraction: arguments outside the string are clipped to it.
    CString Mid(int nFirst, int nCount) const;
    CString Mid(int nFirst) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCSTR lpszCharSet) const;
    CString SpanExcluding(LPCSTR lpszCharSet) const;
    // Next token after iStart; iStart becomes -1 when there is none left.
    CString Tokenize(LPCSTR pszTokens, int& iStart) const;

    // Modification
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    int Replace(char chOld, char chNew);
    int Replace(LPCSTR lpszOld, LPCSTR lpszNew);
    int Remove(char chRemove);
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCSTR pstr);
    int Delete(int nIndex, int nCount = 1);
    void Truncate(int nNewLength);

    CString& Trim();
    CString& Trim(char chTarget);
    CString& Trim(LPCSTR lpszTargets);
    CString& TrimLeft();
    CString& TrimLeft(char chTarget);
    CString& TrimLeft(LPCSTR lpszTargets);
    CString& TrimRight();
    CString& TrimRight(char chTarget);
    CString& TrimRight(LPCSTR lpszTargets);

    // Searching: -1 when not found or when the start lies outside the string.
    int Find(char ch, int nStart = 0) const;
    int Find(LPCSTR lpszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR lpszCharSet) const;

    // Formatting through the printf family of the mingw runtime (%lld and %I64d both work;
    // the compiler's format check knows the standard spellings, %lld and %zu, only).
    // Pass strings as LPCSTR: a CString object given to "..." is not its character pointer,
    // and the compiler's format check says so.
    void AFX_CDECL Format(LPCSTR lpszFormat, ...) AFX_PRINTF_FORMAT(2, 3);
    void AFX_CDECL Format(UINT nFormatID, ...);
    void FormatV(LPCSTR lpszFormat, va_list argList) AFX_PRINTF_FORMAT(2, 0);
    void AFX_CDECL AppendFormat(LPCSTR lpszFormat, ...) AFX_PRINTF_FORMAT(2, 3);
    void AppendFormatV(LPCSTR lpszFormat, va_list argList) AFX_PRINTF_FORMAT(2, 0);

    // String resources: the module is the one the framework's resource chain finds for nID.
    // FALSE, with the string unchanged, when there is no such string.
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);

    // Automation strings
    BSTR AllocSysString() const;
    BSTR SetSysString(BSTR* pbstr) const;

    // Raw buffer access. GetBuffer makes the buffer this string's own and keeps it so until
    // ReleaseBuffer, so copies taken meanwhile do not see later writes. nNewLength -1 means
    // "up to the first '\0'".
    LPSTR GetBuffer(int nMinBufLength);
    LPSTR GetBuffer();
    LPSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);
    void ReleaseBufferSetLength(int nNewLength);
    LPSTR LockBuffer();
    void UnlockBuffer();
    void Preallocate(int nLength);
    void FreeExtra();

private:
    CStringData* GetData() const { return reinterpret_cast<CStringData*>(m_pszData) - 1; }
    char* PrepareWrite(int nLength, bool bGrow = false);
    void SetLength(int nLength);
    bool IsInBuffer(LPCSTR p) const;
    int InsertChars(int nIndex, LPCSTR p, int nCount);
    void AssignWide(LPCWSTR lpch, int nLength);
    void SetSpan(int nFirst, int nCount);

    char* m_pszData;
};

// Concatenation
AFX_API CString AFXAPI operator+(const CString& string1, const CString& string2);
AFX_API CString AFXAPI operator+(const CString& string, LPCSTR lpsz);
AFX_API CString AFXAPI operator+(LPCSTR lpsz, const CString& string);
AFX_API CString AFXAPI operator+(const CString& string, char ch);
AFX_API CString AFXAPI operator+(char ch, const CString& string);

// Comparison, byte-wise as Compare.
inline bool operator==(const CString& s1, const CString& s2) { return s1.Compare(s2) == 0; }
inline bool operator==(const CString& s1, LPCSTR s2) { return s1.Compare(s2) == 0; }
inline bool operator==(LPCSTR s1, const CString& s2) { return s2.Compare(s1) == 0; }
inline bool operator!=(const CString& s1, const CString& s2) { return s1.Compare(s2) != 0; }
inline bool operator!=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) != 0; }
inline bool operator!=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) != 0; }
inline bool operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
inline bool operator<(const CString& s1, LPCSTR s2) { return s1.Compare(s2) < 0; }
inline bool operator<(LPCSTR s1, const CString& s2) { return s2.Compare(s1) > 0; }
inline bool operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }
inline bool operator>(const CString& s1, LPCSTR s2) { return s1.Compare(s2) > 0; }
inline bool operator>(LPCSTR s1, const CString& s2) { return s2.Compare(s1) < 0; }
inline bool operator<=(const CString& s1, const CString& s2) { return s1.Compare(s2) <= 0; }
inline bool operator<=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) <= 0; }
inline bool operator<=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) >= 0; }
inline bool operator>=(const CString& s1, const CString& s2) { return s1.Compare(s2) >= 0; }
inline bool operator>=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) >= 0; }
inline bool operator>=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) <= 0; }
