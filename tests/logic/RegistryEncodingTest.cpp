// The stored byte layouts of the typed registry values and the decoders' checks.
#include "RegistryEncoding.h"
#include <gtest/gtest.h>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

using namespace registry_encoding;

// Code page 1252's characters, one byte each.
const mbcs_chars::Encoding kSingleByte = mbcs_chars::Encoding::SingleByte();

namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> list)
{
    std::vector<uint8_t> bytes;
    for (int b : list)
        bytes.push_back(uint8_t(b));
    return bytes;
}

TEST(RegistryEncodingTest, ScalarsAreLittleEndianAndNeedTheirExactSize)
{
    uint8_t out[8] = {};
    EncodeInt32(-2, out);
    EXPECT_EQ(Bytes({ 0xFE, 0xFF, 0xFF, 0xFF }), std::vector<uint8_t>(out, out + 4));
    EncodeInt32(0x00563412, out);
    EXPECT_EQ(Bytes({ 0x12, 0x34, 0x56, 0x00 }), std::vector<uint8_t>(out, out + 4));

    int32_t value = 7;
    ASSERT_TRUE(DecodeInt32(out, 4, &value));
    EXPECT_EQ(0x00563412, value);
    // Too few bytes would make up the rest; too many are some other type.
    value = 7;
    EXPECT_FALSE(DecodeInt32(out, 3, &value));
    EXPECT_FALSE(DecodeInt32(out, 0, &value));
    EXPECT_FALSE(DecodeInt32(out, 5, &value));
    EXPECT_EQ(7, value);

    EncodeReal(1.5, out);
    EXPECT_EQ(Bytes({ 0, 0, 0, 0, 0, 0, 0xF8, 0x3F }), std::vector<uint8_t>(out, out + 8));
    double real = 0;
    ASSERT_TRUE(DecodeReal(out, 8, &real));
    EXPECT_EQ(1.5, real);
    real = 9;
    EXPECT_FALSE(DecodeReal(out, 4, &real));
    EXPECT_FALSE(DecodeReal(out, 12, &real));
    EXPECT_EQ(9, real);
}

TEST(RegistryEncodingTest, RealsKeepEveryBitPattern)
{
    const double values[] = { -0.0, std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max(),
                              -std::numeric_limits<double>::infinity() };
    for (double v : values) {
        uint8_t out[8];
        EncodeReal(v, out);
        double back = 0;
        ASSERT_TRUE(DecodeReal(out, 8, &back));
        EXPECT_EQ(0, std::memcmp(&v, &back, sizeof(v))) << v;
    }
    uint8_t nan[8] = { 1, 2, 3, 4, 5, 6, 0xF8, 0x7F };
    double back = 0;
    ASSERT_TRUE(DecodeReal(nan, 8, &back));
    uint8_t again[8];
    EncodeReal(back, again);
    EXPECT_EQ(0, std::memcmp(nan, again, 8));
}

TEST(RegistryEncodingTest, DateIsADoubleThenItsStatus)
{
    uint8_t out[kDateSize];
    EncodeDate({ 45000.75, kDateNull }, out);
    uint8_t expected[kDateSize];
    EncodeReal(45000.75, expected);
    EncodeInt32(2, expected + 8);
    EXPECT_EQ(0, std::memcmp(expected, out, kDateSize));

    for (DateStatus status : { kDateValid, kDateInvalid, kDateNull }) {
        EncodeDate({ -1.25, status }, out);
        DateRecord date = { 0, kDateValid };
        ASSERT_TRUE(DecodeDate(out, kDateSize, &date));
        EXPECT_EQ(-1.25, date.date);
        EXPECT_EQ(status, date.status);
    }
}

TEST(RegistryEncodingTest, ShortDatesReadTheMissingBytesAsZero)
{
    // A real written on its own reads as a valid date.
    uint8_t real[8];
    EncodeReal(43831.5, real);
    DateRecord date = { 1, kDateNull };
    ASSERT_TRUE(DecodeDate(real, 8, &date));
    EXPECT_EQ(43831.5, date.date);
    EXPECT_EQ(kDateValid, date.status);

    // Only the low half of the double: the high half is zero.
    ASSERT_TRUE(DecodeDate(real, 4, &date));
    uint8_t check[8];
    EncodeReal(date.date, check);
    EXPECT_EQ(0, std::memcmp(real, check, 4));
    EXPECT_EQ(0, check[4] | check[5] | check[6] | check[7]);

    ASSERT_TRUE(DecodeDate(nullptr, 0, &date));
    EXPECT_EQ(0.0, date.date);
    EXPECT_EQ(kDateValid, date.status);

    uint8_t longer[kDateSize + 1] = {};
    date = { 5, kDateNull };
    EXPECT_FALSE(DecodeDate(longer, sizeof(longer), &date));
    EXPECT_EQ(5, date.date);
    EXPECT_EQ(kDateNull, date.status);
}

TEST(RegistryEncodingTest, DatesWithStatusesNoDateClassKnowsReadAsInvalid)
{
    uint8_t out[kDateSize];
    EncodeDate({ 100.0, kDateValid }, out);
    for (int32_t status : { 3, -1, 0x7FFFFFFF }) {
        EncodeInt32(status, out + 8);
        DateRecord date = {};
        ASSERT_TRUE(DecodeDate(out, kDateSize, &date));
        EXPECT_EQ(kDateInvalid, date.status) << status;
        EXPECT_EQ(100.0, date.date);
    }
}

TEST(RegistryEncodingTest, DaysNoDateCanNameAreNoDate)
{
    // Not a number, infinite, or outside 1 January 100 to 31 December 9999:
    // not a date, whether the status says valid or invalid; they used to come
    // back as dates (valid ones, for 1e300).
    uint8_t out[kDateSize];
    const double kBad[] = { std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity(),
                            1e300,
                            -1e300,
                            2958466.0,
                            -657435.0 };
    for (double bad : kBad) {
        for (DateStatus status : { kDateValid, kDateInvalid }) {
            EncodeDate({ bad, status }, out);
            DateRecord date = { 5, kDateNull };
            EXPECT_FALSE(DecodeDate(out, kDateSize, &date)) << bad << " " << status;
            EXPECT_EQ(5, date.date);
            EXPECT_EQ(kDateNull, date.status);
        }
        // A null date's number means nothing, so it keeps its status, with a plain day.
        EncodeDate({ bad, kDateNull }, out);
        DateRecord date = {};
        ASSERT_TRUE(DecodeDate(out, kDateSize, &date));
        EXPECT_EQ(kDateNull, date.status);
        EXPECT_EQ(0.0, date.date);
    }
    // The first and the last moments that are dates.
    for (double good : { -657434.999, -657434.0, 2958465.0, 2958465.999 }) {
        EncodeDate({ good, kDateValid }, out);
        DateRecord date = {};
        ASSERT_TRUE(DecodeDate(out, kDateSize, &date)) << good;
        EXPECT_EQ(good, date.date);
    }
}

TEST(RegistryEncodingTest, PairsAndRectanglesOverlayOnlyTheStoredBytes)
{
    const int32_t rect[4] = { -10, 20, 0x7FFFFFFF, int32_t(0x80000000) };
    uint8_t out[kRectSize];
    EncodeInt32s(rect, 4, out);
    EXPECT_EQ(Bytes({ 0xF6, 0xFF, 0xFF, 0xFF, 20, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0x80 }),
              std::vector<uint8_t>(out, out + kRectSize));

    int32_t back[4] = {};
    ASSERT_TRUE(OverlayInt32s(out, kRectSize, back, 4));
    EXPECT_EQ(0, std::memcmp(rect, back, sizeof(rect)));

    // Six bytes over a point: x entirely, the low half of y; the high half stays.
    int32_t point[2] = { 0x11111111, 0x22222222 };
    const uint8_t six[] = { 1, 0, 0, 0, 0xAA, 0xBB };
    ASSERT_TRUE(OverlayInt32s(six, sizeof(six), point, 2));
    EXPECT_EQ(1, point[0]);
    EXPECT_EQ(0x2222BBAA, point[1]);

    ASSERT_TRUE(OverlayInt32s(nullptr, 0, point, 2));
    EXPECT_EQ(1, point[0]);

    // More than the structure holds changes nothing.
    EXPECT_FALSE(OverlayInt32s(out, kRectSize, point, 2));
    EXPECT_EQ(1, point[0]);
    EXPECT_EQ(0x2222BBAA, point[1]);
}

FontRecord SampleFont()
{
    FontRecord font = {};
    font.height = -13;
    font.width = 0;
    font.escapement = 900;
    font.orientation = 900;
    font.weight = 700;
    font.italic = 1;
    font.underline = 0;
    font.strikeOut = 1;
    font.charSet = 0xEE;
    font.outPrecision = 3;
    font.clipPrecision = 2;
    font.quality = 5;
    font.pitchAndFamily = 0x31;
    std::strcpy(font.faceName, "Courier New");
    return font;
}

TEST(RegistryEncodingTest, FontRecordLayout)
{
    uint8_t out[kFontSize];
    std::memset(out, 0xCC, sizeof(out));
    EncodeFont(SampleFont(), out);
    EXPECT_EQ(Bytes({ 0xF3, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0x84, 3,    0, 0, 0x84, 3,
                      0,    0,    0xBC, 2,    0, 0, 1, 0, 1,    0xEE, 3, 2, 5,    0x31 }),
              std::vector<uint8_t>(out, out + 28));
    EXPECT_STREQ("Courier New", reinterpret_cast<const char*>(out + 28));
    EXPECT_EQ(0, out[kFontSize - 1]);

    // What follows the name's terminator in memory is not stored.
    FontRecord junk = SampleFont();
    std::memset(junk.faceName + 12, 0xAB, kFaceNameSize - 12);
    uint8_t clean[kFontSize];
    EncodeFont(junk, clean);
    EXPECT_EQ(0, std::memcmp(out, clean, kFontSize));

    FontRecord back = {};
    ASSERT_TRUE(DecodeFont(out, kFontSize, &back, kSingleByte));
    uint8_t again[kFontSize];
    EncodeFont(back, again);
    EXPECT_EQ(0, std::memcmp(out, again, kFontSize));
}

TEST(RegistryEncodingTest, FontsNeedTheWholeRecordAndAlwaysGetATerminatedName)
{
    uint8_t out[kFontSize + 4] = {};
    EncodeFont(SampleFont(), out);
    FontRecord font = SampleFont();
    font.weight = 123;
    EXPECT_FALSE(DecodeFont(out, kFontSize - 1, &font, kSingleByte));
    EXPECT_FALSE(DecodeFont(out, kFontSize + 4, &font, kSingleByte));
    EXPECT_EQ(123, font.weight);

    // A face name filling all 32 bytes is cut, not read on into what follows.
    std::memset(out + 28, 'W', kFaceNameSize);
    ASSERT_TRUE(DecodeFont(out, kFontSize, &font, kSingleByte));
    EXPECT_EQ(std::string(31, 'W'), std::string(font.faceName));
    EXPECT_EQ(700, font.weight);
    // In Shift-JIS, before a character: 30 bytes and 表 (95 5C) lose the whole 表.
    out[28 + 30] = '\x95';
    out[28 + 31] = '\x5C';
    ASSERT_TRUE(DecodeFont(out, kFontSize, &font, mbcs_chars::ForCodePage(932)));
    EXPECT_EQ(std::string(30, 'W'), std::string(font.faceName));
}

TEST(RegistryEncodingTest, TextEndsAtTheFirstNulOrTheData)
{
    EXPECT_EQ(5u, TextLength("hello\0junk", 10));
    EXPECT_EQ(0u, TextLength("\0abc", 4));
    EXPECT_EQ(3u, TextLength("abcdef", 3));
    EXPECT_EQ(0u, TextLength(nullptr, 0));
}

}  // namespace
