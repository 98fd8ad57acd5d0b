// The eight bytes in front of a toolbar's saved buttons: exact bytes, the
// length rule for values of every short length, the record count.
#include "ToolbarState.h"
#include <gtest/gtest.h>
#include <climits>
#include <vector>

using namespace toolbar_state;

TEST(ToolbarStatePrefix, WritesIconThenTextAsLittleEndianWords)
{
    struct Case
    {
        int32_t nIcon, nText;
        uint8_t bytes[8];
    } cases[] = {
        { 1, 0, { 0x01, 0, 0, 0, 0, 0, 0, 0 } },
        { 0, 2, { 0, 0, 0, 0, 0x02, 0, 0, 0 } },
        { -1, -1, { 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF } },
        { 0x01020304, INT32_MIN, { 0x04, 0x03, 0x02, 0x01, 0, 0, 0, 0x80 } },
    };
    for (const Case& c : cases) {
        uint8_t out[10];
        memset(out, 0xAA, sizeof(out));
        SavedOptions options;
        options.nIconOptions = c.nIcon;
        options.nTextOptions = c.nText;
        ASSERT_TRUE(WritePrefix(out, sizeof(out), options));
        EXPECT_EQ(0, memcmp(out, c.bytes, 8)) << c.nIcon << "/" << c.nText;
        EXPECT_EQ(out[8], 0xAA) << "wrote past the prefix";
        SavedOptions back;
        ASSERT_TRUE(ReadPrefix(out, 8, back));
        EXPECT_EQ(back.nIconOptions, c.nIcon);
        EXPECT_EQ(back.nTextOptions, c.nText);
    }
}

TEST(ToolbarStatePrefix, ShortValuesGiveNothingAndAreNotWritten)
{
    // Every length below eight, each on a buffer of exactly that size (the
    // sanitizers catch a read past it).
    for (size_t n = 0; n < kPrefixSize; ++n) {
        std::vector<uint8_t> value(n, 0x01);
        SavedOptions options;
        options.nIconOptions = 7;
        options.nTextOptions = 9;
        EXPECT_FALSE(ReadPrefix(value.data(), n, options)) << n;
        EXPECT_EQ(options.nIconOptions, 7) << n;
        EXPECT_EQ(options.nTextOptions, 9) << n;
        EXPECT_FALSE(WritePrefix(value.data(), n, options)) << n;
        for (uint8_t b : value)
            EXPECT_EQ(b, 0x01) << n;
    }
    SavedOptions options;
    EXPECT_FALSE(ReadPrefix(nullptr, 8, options));
    EXPECT_FALSE(WritePrefix(nullptr, 8, options));
}

TEST(ToolbarStatePrefix, RecordCountAfterThePrefix)
{
    struct Case
    {
        size_t nSize, nPerRecord;
        int nExpected;
    } cases[] = {
        { 0, 4, 0 },
        { 7, 4, 0 },
        { 8, 4, 0 },
        { 11, 4, 0 },
        { 12, 4, 1 },
        { 13, 4, 1 },
        { 48, 4, 10 },
        { 48, 0, 0 },
        { 7, 0, 0 },
        { 28, 20, 1 },
        { SIZE_MAX, 1, INT_MAX },
        { SIZE_MAX, SIZE_MAX, 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(RecordCount(c.nSize, c.nPerRecord), c.nExpected) << c.nSize << " / " << c.nPerRecord;
}

TEST(ToolbarStatePrefix, OnlyTheOptionsTheToolbarShows)
{
    for (int32_t n : { -1, 3, 100, INT32_MIN, INT32_MAX })
        EXPECT_FALSE(IsTextOptions(n)) << n;
    for (int32_t n : { 0, 1, 2 })
        EXPECT_TRUE(IsTextOptions(n)) << n;
    for (int32_t n : { -1, 2, INT32_MIN })
        EXPECT_FALSE(IsIconOptions(n)) << n;
    EXPECT_TRUE(IsIconOptions(0));
    EXPECT_TRUE(IsIconOptions(1));
    // Read back from a value: as saved, "not set" (-1) included; anything else is not set.
    for (int32_t n : { -1, 0, 1, 2 })
        EXPECT_EQ(SavedTextOptions(n), n) << n;
    for (int32_t n : { -1, 0, 1 })
        EXPECT_EQ(SavedIconOptions(n), n) << n;
    for (int32_t n : { -3, 3, INT32_MIN, INT32_MAX })
        EXPECT_EQ(SavedTextOptions(n), -1) << n;
    for (int32_t n : { -2, 2, 7, INT32_MIN })
        EXPECT_EQ(SavedIconOptions(n), -1) << n;
}
