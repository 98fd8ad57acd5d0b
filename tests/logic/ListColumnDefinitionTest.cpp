// The column definition string: splitting (also across two-byte characters),
// the atoi reading of widths and alignments, and whole definitions.
#include "ColumnDefinition.h"
#include <gtest/gtest.h>
#include <climits>

using namespace list_columns;

namespace {
// Shift-JIS lead bytes: its second bytes include '\\' (0x5C) and '|' (0x7C).
bool ShiftJisLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

std::vector<std::string> Split(const std::string& s, char sep, LeadBytePredicate lead = NoLeadBytes)
{
    return SplitPieces(s.data(), s.size(), sep, lead);
}

std::vector<ColumnSpec> Parse(const std::string& s, LeadBytePredicate lead = NoLeadBytes)
{
    return ParseColumnDefinition(s.data(), s.size(), lead);
}

std::string Describe(const std::vector<ColumnSpec>& columns)
{
    std::string s;
    for (const ColumnSpec& c : columns)
        s += "[" + c.heading + " " + std::to_string(c.width) + " " + std::to_string(c.format) + "]";
    return s;
}
}

TEST(ListColumnDefinition, EmptyPiecesAreDropped)
{
    EXPECT_TRUE(Split("", ';').empty());
    EXPECT_TRUE(Split(";;;", ';').empty());
    EXPECT_EQ(Split("a;;b;", ';'), (std::vector<std::string>{ "a", "b" }));
    EXPECT_EQ(Split(";a", ';'), (std::vector<std::string>{ "a" }));
    EXPECT_EQ(Split(" a ; b", ';'), (std::vector<std::string>{ " a ", " b" })) << "no trimming";
    EXPECT_EQ(Split("abc", ';'), (std::vector<std::string>{ "abc" }));
}

TEST(ListColumnDefinition, ASecondByteIsNeverTheSeparator)
{
    // "表|示" in Shift-JIS: 0x95 0x5C, '|', 0x8E 0xA6. The first character's
    // second byte is a backslash, and 0x83 0x7C ("ポ") holds a '|'.
    const std::string hyou = "\x95\x5C", ji = "\x8E\xA6", po = "\x83\x7C";
    EXPECT_EQ(Split(hyou + "|" + ji, '\\', ShiftJisLead), (std::vector<std::string>{ hyou + "|" + ji }));
    EXPECT_EQ(Split(hyou + "|" + po + ji, '|', ShiftJisLead), (std::vector<std::string>{ hyou, po + ji }));
    // Without the code page's knowledge the same bytes split in the middle of characters.
    EXPECT_EQ(Split(hyou + "|" + ji, '\\', NoLeadBytes).size(), 2u);
    // A lead byte as the last byte stands alone and is not read beyond.
    EXPECT_EQ(Split("ab|\x95", '|', ShiftJisLead), (std::vector<std::string>{ "ab", "\x95" }));
    EXPECT_EQ(FindSeparator("\x95", 1, 0, '|', ShiftJisLead), 1u);
    // A null predicate means a code page of single bytes.
    EXPECT_EQ(FindSeparator("a|b", 3, 0, '|', nullptr), 1u);
}

TEST(ListColumnDefinition, NumbersAreReadLikeAtoi)
{
    EXPECT_EQ(ReadDecimal("150"), 150);
    EXPECT_EQ(ReadDecimal("  \t42px"), 42);
    EXPECT_EQ(ReadDecimal("+7"), 7);
    EXPECT_EQ(ReadDecimal("-12"), -12);
    EXPECT_EQ(ReadDecimal("abc"), 0);
    EXPECT_EQ(ReadDecimal(""), 0);
    EXPECT_EQ(ReadDecimal("- 5"), 0);
    EXPECT_EQ(ReadDecimal("1 2"), 1);
    // Beyond the int range the value is held at the end, never overflowed.
    EXPECT_EQ(ReadDecimal("2147483647"), INT_MAX);
    EXPECT_EQ(ReadDecimal("2147483648"), INT_MAX);
    EXPECT_EQ(ReadDecimal("-2147483648"), INT_MIN);
    EXPECT_EQ(ReadDecimal("-99999999999999999999999"), INT_MIN);
    EXPECT_EQ(ReadDecimal("99999999999999999999999"), INT_MAX);
}

TEST(ListColumnDefinition, AlignmentOneIsCentredTwoIsRight)
{
    EXPECT_EQ(FormatFromField("1"), kFormatCenter);
    EXPECT_EQ(FormatFromField("2"), kFormatRight);
    EXPECT_EQ(FormatFromField("0"), kFormatLeft);
    EXPECT_EQ(FormatFromField("3"), kFormatLeft);
    EXPECT_EQ(FormatFromField("x"), kFormatLeft);
    EXPECT_EQ(FormatFromField(" 2 "), kFormatRight);
    // The list view's own values.
    EXPECT_EQ(kFormatLeft, 0);
    EXPECT_EQ(kFormatRight, 1);
    EXPECT_EQ(kFormatCenter, 2);
}

TEST(ListColumnDefinition, WholeDefinitions)
{
    EXPECT_EQ(Describe(Parse("Name,150;Size,80,2;Type")), "[Name 150 0][Size 80 1][Type 100 0]");
    EXPECT_EQ(Describe(Parse("A;B,50;C,60,1;D,70,2")), "[A 100 0][B 50 0][C 60 2][D 70 1]");
    EXPECT_TRUE(Parse("").empty());
    EXPECT_TRUE(Parse(";;,;,,;").empty()) << "pieces without a field make no column";
    // An empty field shifts the following ones forward.
    EXPECT_EQ(Describe(Parse(",50")), "[50 100 0]");
    EXPECT_EQ(Describe(Parse("Qty,,60,2")), "[Qty 60 1]");
    EXPECT_EQ(Describe(Parse("W,abc;X,90,x;Y,10,2,extra,fields")), "[W 0 0][X 90 0][Y 10 1]");
    EXPECT_EQ(Describe(Parse(" Padded ,  30 ;")), "[ Padded  30 0]");
    // Headings of two-byte characters whose second bytes look like the separators
    // (0x3B and 0x2C are not second bytes of any Asian code page, so the fields
    // still split; a custom separator is what needs the care, see above).
    const std::string name = "\x96\xBC\x91\x4F";  // Shift-JIS "名前"
    EXPECT_EQ(Describe(Parse(name + ",120;" + name, ShiftJisLead)), "[" + name + " 120 0][" + name + " 100 0]");
}
