// Stepping by characters in the double-byte code pages and UTF-8, with the code pages' real
// lead-byte ranges. Each text is copied into a buffer of exactly its length, so reading past
// its end fails under AddressSanitizer.
#include "MbcsChars.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using mbcs_chars::Encoding;

namespace {
// The character lengths found stepping through the text from its start.
std::vector<std::size_t> Steps(const Encoding& enc, const std::string& text)
{
    std::unique_ptr<char[]> exact(new char[text.size()]);
    std::copy(text.begin(), text.end(), exact.get());
    std::vector<std::size_t> lengths;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t next = mbcs_chars::Next(enc, exact.get(), text.size(), pos);
        lengths.push_back(next - pos);
        pos = next;
    }
    return lengths;
}

using Lengths = std::vector<std::size_t>;
}  // namespace

// A trail byte may be '\' or a letter; a lead byte at the very end, or before NUL, stands alone.
TEST(MbcsChars, DoubleBytePagesKeepTrailBytesWithTheirLead)
{
    struct Case
    {
        unsigned codePage;
        std::string text;
        Lengths lengths;
    } cases[] = {
        { 932,
          "\x95\x5C"
          "a",
          { 2, 1 } },                                               // 表, then 'a'
        { 932, "\x83\x41\x83\x5C", { 2, 2 } },                      // ア ソ: trails 'A' and '\'
        { 932, "\xB1\x5C", { 1, 1 } },                              // half-width katakana ｱ leads nothing
        { 932, "\xE0\x40\xFC\x40", { 2, 2 } },                      // the second lead range, both ends
        { 932, "\x80\x5C\xA0\x5C\xFD\x5C", { 1, 1, 1, 1, 1, 1 } },  // just outside the ranges
        { 936, "\x81\x5C\xFE\x7E", { 2, 2 } },                      // GBK
        { 949, "\x81\x41\xB0\xA1", { 2, 2 } },                      // Unified Hangul: 갂 가
        { 950, "\xB3\x5C\xA5\x5C", { 2, 2 } },                      // Big5: 許 功
        { 950, "a\xB3", { 1, 1 } },                                 // a lead cut off by the end
        { 932, std::string("\x95\0a", 3), { 1, 1, 1 } },            // a lead before NUL
        { 1252, "\x95\x5C", { 1, 1 } },                             // single-byte pages: one byte each
    };
    for (const Case& c : cases)
        EXPECT_EQ(Steps(mbcs_chars::ForCodePage(c.codePage), c.text), c.lengths) << "code page " << c.codePage;
}

// Well-formed sequences are one character; anything else is taken one byte at a time, and a
// sequence cut by the end of the text is never completed from beyond it.
TEST(MbcsChars, Utf8SequencesAndTheirInvalidForms)
{
    struct Case
    {
        std::string text;
        Lengths lengths;
    } cases[] = {
        { "a\xC3\xA9\xE8\xA1\xA8\xF0\x9F\x98\x80", { 1, 2, 3, 4 } },  // a é 表 😀
        { "\xEF\xBF\xBF\xF4\x8F\xBF\xBF", { 3, 4 } },                 // U+FFFF, U+10FFFF
        { "\x80\xBF", { 1, 1 } },                                     // stray continuations
        { "\xC0\xAF\xC1\xBF", { 1, 1, 1, 1 } },                       // overlong two-byte forms
        { "\xE0\x80\xAF", { 1, 1, 1 } },                              // overlong three-byte form
        { "\xED\xA0\x80", { 1, 1, 1 } },                              // a surrogate
        { "\xF0\x8F\xBF\xBF", { 1, 1, 1, 1 } },                       // overlong four-byte form
        { "\xF4\x90\x80\x80\xF5\x80", { 1, 1, 1, 1, 1, 1 } },         // beyond U+10FFFF
        { "\xE8\xA1"
          "a",
          { 1, 1, 1 } },                  // cut, then ASCII
        { "\xF0\x9F\x98", { 1, 1, 1 } },  // cut by the end
        { "\xC3", { 1 } },
    };
    for (const Case& c : cases)
        EXPECT_EQ(Steps(Encoding::Utf8(), c.text), c.lengths) << "text of " << c.text.size() << " bytes";
}

// Cutting and finding a character's start land on a lead byte, never between lead and trail.
TEST(MbcsChars, CutsAndStartsFallOnCharacterBoundaries)
{
    Encoding sjis = mbcs_chars::ForCodePage(932);
    const std::string text = "a\x95\x5C\x95\x5C"
                             "b";  // a表表b
    EXPECT_EQ(mbcs_chars::CutLength(sjis, text.data(), text.size(), 2), 1u);
    EXPECT_EQ(mbcs_chars::CutLength(sjis, text.data(), text.size(), 4), 3u);
    EXPECT_EQ(mbcs_chars::CutLength(sjis, text.data(), text.size(), 5), 5u);
    EXPECT_EQ(mbcs_chars::CutLength(sjis, text.data(), text.size(), 9), 6u);
    // The 0x95 at offset 3 follows a trail byte 0x5C: it is a lead, not a trail.
    EXPECT_EQ(mbcs_chars::CharStart(sjis, text.data(), text.size(), 4), 3u);
    EXPECT_EQ(mbcs_chars::CharStart(sjis, text.data(), text.size(), 2), 1u);

    // A buffer that filled up loses the character it cut short, and only that.
    struct Whole
    {
        unsigned codePage;
        std::string text;
        std::size_t length;
    } wholes[] = {
        { 932, "a\x95", 1 },           { 932, "a\x95\x5C", 3 },       { 932, "\x95\x5C\x95", 2 },
        { 65001, "a\xE8\xA1", 1 },     { 65001, "a\xF0\x9F\x98", 1 }, { 65001, "a\xE8", 1 },
        { 65001, "a\xE8\xA1\xA8", 4 }, { 65001, "a\xE8\x41", 3 },     { 65001, "a\xED\xA0", 3 },
        { 65001, "a\x80", 2 },         { 1252, "a\x95", 2 },
    };
    for (const Whole& w : wholes)
        EXPECT_EQ(mbcs_chars::WholeLength(mbcs_chars::ForCodePage(w.codePage), w.text.data(), w.text.size()), w.length)
            << "code page " << w.codePage << ", " << w.text.size() << " bytes";

    const std::string utf8 = "\xE8\xA1\xA8"
                             "x";
    EXPECT_EQ(mbcs_chars::CutLength(Encoding::Utf8(), utf8.data(), utf8.size(), 2), 0u);
    EXPECT_EQ(mbcs_chars::CharStart(Encoding::Utf8(), utf8.data(), utf8.size(), 2), 0u);
}

// Ordered as the runtime's multibyte comparison orders: in Shift-JIS the one-byte ｱ (B1) before
// 表 (95 5C), which bytes would put after it; a lead byte that ends a text stands alone and is
// never read past; elsewhere bytes as unsigned values. Folding sees whole characters.
TEST(MbcsChars, ComparesByCharacters)
{
    struct Case
    {
        unsigned codePage;
        std::string text1, text2;
        int expected;
    } cases[] = {
        { 932, "\xB1", "\x95\x5C", -1 },    { 1252, "\xB1", "\x95\x5C", 1 },   { 932, "a\x95", "a\x95", 0 },
        { 932, "a\x95", "a", 1 },           { 932, "a\x95", "a\x95\x41", -1 }, { 932, "\x83\x41", "\x83\x61", -1 },
        { 65001, "z", "\xE8\xA1\xA8", -1 }, { 65001, "\xC3\xA9", "\xE8", -1 }, { 936, "", "", 0 },
        { 936, "\xB1\xED", "\xB1\xED", 0 }, { 949, "ab", "abc", -1 },
    };
    for (const Case& c : cases) {
        // Exactly sized copies: a read past either text fails under AddressSanitizer.
        std::unique_ptr<char[]> t1(new char[c.text1.size() + 1]), t2(new char[c.text2.size() + 1]);
        std::copy(c.text1.begin(), c.text1.end(), t1.get());
        std::copy(c.text2.begin(), c.text2.end(), t2.get());
        const Encoding enc = mbcs_chars::ForCodePage(c.codePage);
        const int got = mbcs_chars::Compare(enc, t1.get(), c.text1.size(), t2.get(), c.text2.size());
        EXPECT_EQ((got > 0) - (got < 0), c.expected) << "code page " << c.codePage << ", " << c.text1;
    }
    // A fold sees ア (83 41) whole: its trail byte is no capital A.
    auto lower = [](unsigned c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    const Encoding sjis = mbcs_chars::ForCodePage(932);
    EXPECT_NE(0, mbcs_chars::Compare(sjis, "\x83\x41", 2, "\x83\x61", 2, lower));
    EXPECT_EQ(0, mbcs_chars::Compare(sjis, "A\x83\x41", 3, "a\x83\x41", 3, lower));
}

// The system hands the lead-byte ranges as pairs ended by zeros, or fills the whole array.
TEST(MbcsChars, LeadRangesAsTheSystemReportsThem)
{
    const unsigned char ranges[12] = { 0x81, 0x9F, 0xE0, 0xFC, 0, 0, 0xA0, 0xA0 };  // after the end: ignored
    Encoding enc = Encoding::ForAnsiCodePage(932, ranges, sizeof ranges);
    EXPECT_TRUE(enc.IsLeadByte(0x81));
    EXPECT_TRUE(enc.IsLeadByte(0xFC));
    EXPECT_FALSE(enc.IsLeadByte(0xA0));
    EXPECT_FALSE(enc.IsLeadByte(0xFD));
    const unsigned char none[12] = {};
    EXPECT_TRUE(Encoding::ForAnsiCodePage(1252, none, sizeof none).IsSingleByte());
    EXPECT_EQ(Encoding::ForAnsiCodePage(65001, none, sizeof none).Length("\xC3\xA9", 2), 2u);
    const unsigned char full[4] = { 0x81, 0x82, 0xE0, 0xE0 };  // no terminating pair
    Encoding filled = Encoding::DoubleByte(full, sizeof full);
    EXPECT_TRUE(filled.IsLeadByte(0xE0));
    EXPECT_FALSE(filled.IsLeadByte(0xE1));
}
