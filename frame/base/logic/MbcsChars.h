// Stepping through 8-bit text by characters rather than bytes. In the double-byte code pages
// (932, 936, 949, 950) a character's second byte may be '\' or an ASCII letter, and in UTF-8 a
// character takes up to four bytes, so code that looks for a byte must look only where a
// character starts. Nothing here asks the system: the caller says how the code page forms
// characters.
#pragma once
#include <cstddef>

namespace mbcs_chars {

// How a code page groups bytes into characters.
class Encoding
{
public:
    // One byte, one character (1252 and the other single-byte code pages).
    static Encoding SingleByte();
    // UTF-8 (65001): a well-formed sequence is one character; a byte that does not start one
    // (a stray continuation byte, an overlong form, a surrogate, a cut sequence) stands alone.
    static Encoding Utf8();
    // A double-byte code page given by its lead-byte ranges: pairs of first and last byte, ended
    // by a pair of zeros or after nBytes bytes, as the system reports them. A lead byte takes the
    // byte after it as its trail unless the text ends there or that byte is NUL.
    static Encoding DoubleByte(const unsigned char* ranges, std::size_t nBytes);
    // The encoding of an ANSI code page whose lead-byte ranges the system gave.
    static Encoding ForAnsiCodePage(unsigned codePage, const unsigned char* leadRanges, std::size_t nBytes);

    // Bytes of the character that starts at text[0], with nAvailable bytes left: 1 to
    // nAvailable, and 0 only when nothing is left.
    std::size_t Length(const char* text, std::size_t nAvailable) const;
    // Whether the nAvailable bytes at text are the beginning of a character that needs more: a
    // lead byte alone, or a UTF-8 sequence well formed as far as it goes but short.
    bool IsCutShort(const char* text, std::size_t nAvailable) const;
    bool IsLeadByte(unsigned char byte) const { return m_kind == Kind::Double && m_lead[byte]; }
    bool IsSingleByte() const { return m_kind == Kind::Single; }
    bool IsDoubleByte() const { return m_kind == Kind::Double; }

private:
    enum class Kind { Single, Double, Utf8 };
    Kind m_kind = Kind::Single;
    bool m_lead[256] = {};
};

// The most bytes a character takes in any code page here (a four-byte UTF-8 sequence). A
// platform that copies only whole characters into a buffer may leave up to this many bytes
// minus one unused before the end of a buffer it could not fill: a text that reaches that far
// may have been cut.
constexpr std::size_t kMaxCharBytes = 4;

// The lead-byte ranges of the double-byte code pages, as GetCPInfo reports them.
extern const unsigned char kLead932[6];  // Shift-JIS
extern const unsigned char kLead936[4];  // GBK
extern const unsigned char kLead949[4];  // Unified Hangul
extern const unsigned char kLead950[4];  // Big5

// The encoding of a code page this unit knows (932, 936, 949, 950, 65001); others are single-byte.
Encoding ForCodePage(unsigned codePage);

// Offset of the character after the one at nPos (nLength when it is the last).
std::size_t Next(const Encoding& enc, const char* text, std::size_t nLength, std::size_t nPos);
// Start of the character that holds byte nPos. A trail byte can look like a lead byte, so this
// reads from the start of the text.
std::size_t CharStart(const Encoding& enc, const char* text, std::size_t nLength, std::size_t nPos);
// The text without a last character that was cut short (a buffer that filled up).
std::size_t WholeLength(const Encoding& enc, const char* text, std::size_t nLength);
// The longest head of the text no longer than nMax bytes that does not cut a character.
std::size_t CutLength(const Encoding& enc, const char* text, std::size_t nLength, std::size_t nMax);

// Compares two texts of nLength1 and nLength2 bytes as the runtime's multibyte comparison
// (_mbscmp) does: in a double-byte code page character by character, a two-byte character
// being lead << 8 | trail, so a one-byte character orders before every two-byte one; a lead
// byte that ends a text stands alone. Elsewhere byte by byte, as unsigned values (UTF-8's byte
// order is its characters' order). fold, when given, maps each character's value first (case
// folding). Negative, zero or positive; never reads past either text.
int Compare(const Encoding& enc, const char* text1, std::size_t nLength1, const char* text2, std::size_t nLength2,
            unsigned (*fold)(unsigned) = nullptr);

}  // namespace mbcs_chars
