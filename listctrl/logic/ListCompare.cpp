// Typed comparison of list cell texts.
//
// The two number readings are written out here rather than taken from the C
// runtime: unsigned long is 64 bits wide outside Windows, and strtod accepts
// hexadecimal floats, "inf" and "nan" in some runtimes and not in others, so
// the same text would sort differently from one build to the next.
#include "ListCompare.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

namespace list_sort {

namespace {

// The white space of strtoul and strtod in the "C" locale.
bool IsSpace(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

int HexDigit(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int Sign(double a, double b) { return a < b ? -1 : (a > b ? 1 : 0); }

}  // namespace

bool ParseHexText(const char* text, uint32_t& value)
{
    value = 0;
    if (text == nullptr || *text == '\0')
        return false;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (IsSpace(*p))
        ++p;
    bool bNegative = false;
    if (*p == '+' || *p == '-')
        bNegative = *p++ == '-';
    // "0x" is a prefix only when a digit follows; "0xg" reads as 0 ending at the x.
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && HexDigit(p[2]) >= 0)
        p += 2;
    // No digit at all: nothing converted, the conversion ends at the start of the text.
    if (HexDigit(*p) < 0)
        return false;

    uint64_t magnitude = 0;
    bool bOverflow = false;
    for (int digit; (digit = HexDigit(*p)) >= 0; ++p) {
        if (!bOverflow) {
            magnitude = magnitude * 16 + static_cast<unsigned>(digit);
            bOverflow = magnitude > 0xFFFFFFFFu;
        }
    }
    if (*p != '\0')
        return false;
    if (bOverflow)
        value = 0xFFFFFFFFu;
    else
        value = bNegative ? 0u - static_cast<uint32_t>(magnitude) : static_cast<uint32_t>(magnitude);
    return true;
}

bool ParseRealText(const char* text, double& value)
{
    value = 0;
    if (text == nullptr || *text == '\0')
        return false;
    const char* p = text;
    while (IsSpace(static_cast<unsigned char>(*p)))
        ++p;
    bool bNegative = false;
    if (*p == '+' || *p == '-')
        bNegative = *p++ == '-';
    const char* pNumber = p;

    // Mantissa, and the power of ten of its first significant digit (for telling
    // an overflow from an underflow below).
    long long nLeadPower = 0;
    bool bSignificant = false;
    int nDigits = 0;
    for (; IsDigit(static_cast<unsigned char>(*p)); ++p, ++nDigits) {
        if (bSignificant)
            ++nLeadPower;
        else if (*p != '0')
            bSignificant = true;
    }
    if (*p == '.') {
        ++p;
        for (; IsDigit(static_cast<unsigned char>(*p)); ++p, ++nDigits) {
            if (!bSignificant) {
                --nLeadPower;
                bSignificant = *p != '0';
            }
        }
    }

    const char* pEnd;
    if (nDigits == 0) {
        // Nothing converted: the conversion ends at the very start of the text.
        pEnd = text;
    } else {
        // An exponent counts only with at least one digit; "1e" reads as 1 ending at the e.
        long long nExponent = 0;
        if (*p == 'e' || *p == 'E') {
            const char* q = p + 1;
            bool bNegativeExponent = false;
            if (*q == '+' || *q == '-')
                bNegativeExponent = *q++ == '-';
            if (IsDigit(static_cast<unsigned char>(*q))) {
                for (; IsDigit(static_cast<unsigned char>(*q)); ++q) {
                    if (nExponent < 1000000000)
                        nExponent = nExponent * 10 + (*q - '0');
                }
                if (bNegativeExponent)
                    nExponent = -nExponent;
                p = q;
            }
        }
        pEnd = p;

        double magnitude = 0;
        std::from_chars_result result = std::from_chars(pNumber, pEnd, magnitude, std::chars_format::general);
        if (result.ec == std::errc::result_out_of_range)
            magnitude = nLeadPower + nExponent >= 0 ? HUGE_VAL : 0.0;
        value = bNegative ? -magnitude : magnitude;
    }

    if (*pEnd == '\0')
        return true;
    return *pEnd == '%' && pEnd[1] == '\0';
}

double DateOnTimeLine(double date)
{
    // Before the base date the whole days count backwards but the fraction
    // forwards: -1.25 is one day back, then 6 hours on, that is -0.75.
    return date < 0 ? 2 * std::ceil(date) - date : date;
}

int CompareBytes(const char* text1, const char* text2)
{
    // strcmp compares the bytes as unsigned char.
    return std::strcmp(text1, text2);
}

void SortKey::Assign(const char* pszText)
{
    text = pszText != nullptr ? pszText : "";
    pSameText = nullptr;
    flags = 0;
    hex = 0;
    real = 0;
    date = 0;
    if (ParseHexText(text, hex))
        flags |= kHex;
    if (ParseRealText(text, real))
        flags |= kReal;
}

void ShareEqualTexts(SortKey* keys, size_t nCount)
{
    // Open addressing over the texts' FNV-1a hashes: a slot holds a key's index + 1.
    size_t nSize = 16;
    while (nSize < nCount * 2)
        nSize *= 2;
    std::vector<uint32_t> slots(nSize, 0);
    std::vector<uint32_t> hashes(nCount);
    for (size_t k = 0; k < nCount; ++k) {
        uint32_t h = 2166136261u;
        for (const unsigned char* p = reinterpret_cast<const unsigned char*>(keys[k].text); *p != '\0'; ++p)
            h = (h ^ *p) * 16777619u;
        hashes[k] = h;
        for (size_t s = h & (nSize - 1);; s = (s + 1) & (nSize - 1)) {
            if (slots[s] == 0) {
                slots[s] = static_cast<uint32_t>(k + 1);
                break;
            }
            const size_t first = slots[s] - 1;
            if (hashes[first] == h && std::strcmp(keys[first].text, keys[k].text) == 0) {
                keys[k].pSameText = &keys[first];
                break;
            }
        }
    }
}

void KeyComparer::TakeSharedDate(SortKey& key)
{
    const SortKey* pShared = key.pSameText;
    if (pShared != nullptr && !(key.flags & SortKey::kDateRead) && (pShared->flags & SortKey::kDateRead)) {
        key.flags |= pShared->flags & (SortKey::kDateRead | SortKey::kDate);
        key.date = pShared->date;
    }
}

bool KeyComparer::HasDate(SortKey& key) const
{
    if (!(key.flags & SortKey::kDateRead)) {
        // Read once for every key of the same text, by the first of them.
        SortKey& reading = key.pSameText != nullptr ? *key.pSameText : key;
        if (!(reading.flags & SortKey::kDateRead)) {
            reading.flags |= SortKey::kDateRead;
            double date = 0;
            if (m_parseDate != nullptr && *reading.text != '\0' && m_parseDate(reading.text, date) &&
                !std::isnan(date)) {
                reading.date = DateOnTimeLine(date);
                reading.flags |= SortKey::kDate;
            }
        }
        TakeSharedDate(key);
    }
    return (key.flags & SortKey::kDate) != 0;
}

int KeyComparer::operator()(SortKey& key1, SortKey& key2) const
{
    if ((key1.flags & key2.flags & SortKey::kHex) != 0)
        return key1.hex < key2.hex ? -1 : (key1.hex > key2.hex ? 1 : 0);
    if ((key1.flags & key2.flags & SortKey::kReal) != 0)
        return Sign(key1.real, key2.real);
    // Each date is read only when the other readings failed for both texts, and
    // the second only when the first is a date. A key whose reading is already
    // made goes first: when it is no date, the other key need not be read at
    // all (the answer depends only on whether both are dates, and a key's
    // reading on its text alone).
    TakeSharedDate(key1);
    TakeSharedDate(key2);
    const bool bSecondFirst = (key2.flags & SortKey::kDateRead) && !(key1.flags & SortKey::kDateRead);
    SortKey& first = bSecondFirst ? key2 : key1;
    SortKey& second = bSecondFirst ? key1 : key2;
    if (HasDate(first) && HasDate(second))
        return Sign(key1.date, key2.date);
    return m_compareText(key1.text, key2.text);
}

int CompareCellTexts(const char* text1, const char* text2, DateParser parseDate, TextComparer compareText)
{
    SortKey key1, key2;
    key1.Assign(text1);
    key2.Assign(text2);
    return KeyComparer(parseDate, compareText)(key1, key2);
}

}  // namespace list_sort
