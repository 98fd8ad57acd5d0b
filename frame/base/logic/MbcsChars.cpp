#include "MbcsChars.h"

namespace mbcs_chars {

const unsigned char kLead932[6] = { 0x81, 0x9F, 0xE0, 0xFC, 0, 0 };
const unsigned char kLead936[4] = { 0x81, 0xFE, 0, 0 };
const unsigned char kLead949[4] = { 0x81, 0xFE, 0, 0 };
const unsigned char kLead950[4] = { 0x81, 0xFE, 0, 0 };

namespace {
bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Length of a well-formed UTF-8 sequence at text[0], or 1 when it is not one; with bPrefix, the
// length a sequence that is well formed as far as the bytes go would have (0 when it is not one).
std::size_t Utf8Length(const unsigned char* p, std::size_t nAvailable, bool bPrefix = false)
{
    unsigned char b = p[0];
    std::size_t n;
    unsigned char lo = 0x80, hi = 0xBF;  // the range of the second byte
    if (b >= 0xC2 && b <= 0xDF)
        n = 2;
    else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        if (b == 0xE0)
            lo = 0xA0;  // overlong below U+0800
        else if (b == 0xED)
            hi = 0x9F;  // surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        if (b == 0xF0)
            lo = 0x90;  // overlong below U+10000
        else if (b == 0xF4)
            hi = 0x8F;  // beyond U+10FFFF
    } else
        return bPrefix ? 0 : 1;
    std::size_t nHave = nAvailable < n ? nAvailable : n;
    bool bFormed = nHave < 2 || (p[1] >= lo && p[1] <= hi);
    for (std::size_t i = 2; bFormed && i < nHave; ++i)
        bFormed = IsContinuation(p[i]);
    if (bPrefix)
        return bFormed ? n : 0;
    return bFormed && nHave == n ? n : 1;
}
}  // namespace

Encoding Encoding::SingleByte() { return Encoding(); }

Encoding Encoding::Utf8()
{
    Encoding enc;
    enc.m_kind = Kind::Utf8;
    return enc;
}

Encoding Encoding::DoubleByte(const unsigned char* ranges, std::size_t nBytes)
{
    Encoding enc;
    for (std::size_t i = 0; ranges != nullptr && i + 1 < nBytes && (ranges[i] != 0 || ranges[i + 1] != 0); i += 2)
        for (unsigned b = ranges[i]; b <= ranges[i + 1]; ++b)
            enc.m_lead[b] = true;
    enc.m_lead[0] = false;  // the terminator never leads
    for (bool lead : enc.m_lead)
        if (lead)
            enc.m_kind = Kind::Double;
    return enc;
}

Encoding Encoding::ForAnsiCodePage(unsigned codePage, const unsigned char* leadRanges, std::size_t nBytes)
{
    return codePage == 65001 ? Utf8() : DoubleByte(leadRanges, nBytes);
}

std::size_t Encoding::Length(const char* text, std::size_t nAvailable) const
{
    if (nAvailable == 0)
        return 0;
    auto* p = reinterpret_cast<const unsigned char*>(text);
    switch (m_kind) {
    case Kind::Double:
        return m_lead[p[0]] && nAvailable >= 2 && p[1] != 0 ? 2 : 1;
    case Kind::Utf8:
        return Utf8Length(p, nAvailable);
    case Kind::Single:
        break;
    }
    return 1;
}

bool Encoding::IsCutShort(const char* text, std::size_t nAvailable) const
{
    auto* p = reinterpret_cast<const unsigned char*>(text);
    if (nAvailable == 0)
        return false;
    if (m_kind == Kind::Double)
        return nAvailable == 1 && m_lead[p[0]];
    if (m_kind == Kind::Utf8)
        return Utf8Length(p, nAvailable, true) > nAvailable;
    return false;
}

Encoding ForCodePage(unsigned codePage)
{
    switch (codePage) {
    case 932:
        return Encoding::DoubleByte(kLead932, sizeof kLead932);
    case 936:
        return Encoding::DoubleByte(kLead936, sizeof kLead936);
    case 949:
        return Encoding::DoubleByte(kLead949, sizeof kLead949);
    case 950:
        return Encoding::DoubleByte(kLead950, sizeof kLead950);
    case 65001:
        return Encoding::Utf8();
    default:
        return Encoding::SingleByte();
    }
}

std::size_t Next(const Encoding& enc, const char* text, std::size_t nLength, std::size_t nPos)
{
    if (nPos >= nLength)
        return nLength;
    return nPos + enc.Length(text + nPos, nLength - nPos);
}

std::size_t CharStart(const Encoding& enc, const char* text, std::size_t nLength, std::size_t nPos)
{
    if (enc.IsSingleByte() || nPos >= nLength)
        return nPos < nLength ? nPos : nLength;
    std::size_t start = 0;
    for (std::size_t next; (next = Next(enc, text, nLength, start)) <= nPos;)
        start = next;
    return start;
}

std::size_t WholeLength(const Encoding& enc, const char* text, std::size_t nLength)
{
    std::size_t pos = 0;
    while (pos < nLength && !enc.IsCutShort(text + pos, nLength - pos))
        pos = Next(enc, text, nLength, pos);
    return pos;
}

std::size_t CutLength(const Encoding& enc, const char* text, std::size_t nLength, std::size_t nMax)
{
    if (nMax >= nLength)
        return nLength;
    return CharStart(enc, text, nLength, nMax);
}

int Compare(const Encoding& enc, const char* text1, std::size_t nLength1, const char* text2, std::size_t nLength2,
            unsigned (*fold)(unsigned))
{
    auto* p1 = reinterpret_cast<const unsigned char*>(text1);
    auto* p2 = reinterpret_cast<const unsigned char*>(text2);
    // A character's value: one byte, or a lead byte and its trail.
    auto next = [&enc, fold](const unsigned char* p, std::size_t nLeft, std::size_t& nBytes) {
        nBytes = enc.IsDoubleByte() ? enc.Length(reinterpret_cast<const char*>(p), nLeft) : 1;
        unsigned value = nBytes == 2 ? (unsigned(p[0]) << 8 | p[1]) : p[0];
        return fold != nullptr ? fold(value) : value;
    };
    std::size_t i1 = 0, i2 = 0;
    while (i1 < nLength1 && i2 < nLength2) {
        std::size_t n1 = 0, n2 = 0;
        const unsigned c1 = next(p1 + i1, nLength1 - i1, n1), c2 = next(p2 + i2, nLength2 - i2, n2);
        if (c1 != c2)
            return c1 < c2 ? -1 : 1;
        i1 += n1;
        i2 += n2;
    }
    return i1 < nLength1 ? 1 : (i2 < nLength2 ? -1 : 0);
}

}  // namespace mbcs_chars
