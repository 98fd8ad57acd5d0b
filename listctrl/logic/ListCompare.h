// Typed comparison of list cell texts, as the list control sorts them.
//
// Two texts are compared by the first of four readings that both of them pass:
// an unsigned 32-bit hexadecimal number, a real number with an optional
// trailing percent sign, a date and time, and finally the bytes of the text.
// The date reading is the platform's (its parser knows the user's locale), so
// it is handed in as a function; everything else here is plain C++.
//
// The readings are made once per text (a SortKey) so that a sort compares
// pre-read values instead of parsing both texts in every comparison; the order
// is the same as comparing the texts afresh each time, because a key depends
// on its text alone.
#pragma once
#include <cstddef>
#include <cstdint>

namespace list_sort {

// strtoul(text, &end, 16) on a 32-bit unsigned long: leading white space, an
// optional sign, an optional 0x prefix, hexadecimal digits. TRUE when the text
// is not empty and the conversion ends exactly at its end. A value beyond 32
// bits reads 0xFFFFFFFF; a minus sign gives the two's complement.
bool ParseHexText(const char* text, uint32_t& value);

// A decimal real number (what strtod reads in the "C" locale: white space,
// sign, digits with an optional point, optional exponent) that ends at the end
// of the text or at a percent sign that is its last character. A text that is
// only "%" reads as 0. Hexadecimal floats, "inf" and "nan" are no decimal
// numbers and do not pass.
bool ParseRealText(const char* text, double& value);

// An automation date (days since 30 December 1899, the fraction counting the
// time of day forward even before the base date) as a point on one continuous
// time line, so dates on both sides of the base compare by plain <.
double DateOnTimeLine(double date);

// The platform's date parser: TRUE and the automation date when text is a date.
typedef bool (*DateParser)(const char* text, double& date);
// The plain-text comparison: negative, zero or positive.
typedef int (*TextComparer)(const char* text1, const char* text2);

// Byte-wise comparison of unsigned bytes: case counts, no collation, the empty
// text first. It is what the multibyte comparison gives for single-byte code pages.
int CompareBytes(const char* text1, const char* text2);

// One text, read once.
struct SortKey
{
    enum : uint8_t {
        kHex = 0x1,       // hex holds the hexadecimal reading
        kReal = 0x2,      // real holds the real-number reading
        kDateRead = 0x4,  // the date reading was made (it is made only when needed)
        kDate = 0x8       // ... and passed: date holds it on the time line
    };

    const char* text = "";
    uint32_t hex = 0;
    uint8_t flags = 0;
    double real = 0;
    double date = 0;
    // The first key of its sort with the same text, whose date reading this key
    // shares (the platform's date parser is by far the dearest reading); null
    // when it reads its own. Set by ShareEqualTexts.
    SortKey* pSameText = nullptr;

    // Reads the hexadecimal and real-number forms; the date is read on first need.
    void Assign(const char* pszText);
};

// Points every key whose text equals that of an earlier key at the earliest
// such key, so that equal texts are read as dates once. May throw
// std::bad_alloc (the keys are then as they were).
void ShareEqualTexts(SortKey* keys, size_t nCount);

// Compares keys as the list control's item comparison does (negative, 0 or
// positive). The date reading of a key is made, and kept, when a comparison
// first needs it, so keys are not const.
class KeyComparer
{
public:
    KeyComparer(DateParser parseDate, TextComparer compareText)
        : m_parseDate(parseDate), m_compareText(compareText ? compareText : CompareBytes)
    {}

    int operator()(SortKey& key1, SortKey& key2) const;

private:
    bool HasDate(SortKey& key) const;
    static void TakeSharedDate(SortKey& key);

    DateParser m_parseDate;  // null: no text is a date
    TextComparer m_compareText;
};

// Two texts compared afresh (both read, then compared as keys).
int CompareCellTexts(const char* text1, const char* text2, DateParser parseDate, TextComparer compareText);

}  // namespace list_sort
