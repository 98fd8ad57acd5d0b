// Which key paths and value names the registry class lets through to the platform.
#include "RegistryNames.h"
#include <gtest/gtest.h>
#include <string>

using namespace registry_names;

TEST(RegistryNames, KeyPaths)
{
    for (const char* good :
         { "", "Software", "Software\\Vendor\\App", "Software\\", "a\\b\\c\\", "\x82\xa0\\\x95\x5c" })
        EXPECT_TRUE(KeyPathIsUsable(good)) << good;
    for (const char* bad : { "\\", "\\Software", "Software\\\\App", "\\\\", "a\\\\" })
        EXPECT_FALSE(KeyPathIsUsable(bad)) << bad;
    EXPECT_FALSE(KeyPathIsUsable(nullptr));
    // Names up to 255 characters; a path up to 32,767 (its 16-bit byte length).
    std::string name(255, 'k');
    EXPECT_TRUE(KeyPathIsUsable(name.c_str()));
    EXPECT_FALSE(KeyPathIsUsable((name + "k").c_str()));
    EXPECT_FALSE(KeyPathIsUsable(("Software\\" + name + "k\\x").c_str()));
    std::string path;
    while (path.size() + 256 <= kMaxPathLength)
        path += name + "\\";
    path.resize(kMaxPathLength, 'k');
    EXPECT_TRUE(KeyPathIsUsable(path.c_str()));
    EXPECT_FALSE(KeyPathIsUsable((path + "k").c_str()));
    // The length that wraps to nothing under Wine, and 1 MB.
    EXPECT_FALSE(KeyPathIsUsable(std::string(32768, 'k').c_str()));
    EXPECT_FALSE(KeyPathIsUsable(std::string(1 << 20, 'k').c_str()));
}

TEST(RegistryNames, ValueNames)
{
    EXPECT_TRUE(ValueNameIsUsable(""));
    EXPECT_TRUE(ValueNameIsUsable("a\\b"));  // a backslash is a character of a value name
    EXPECT_TRUE(ValueNameIsUsable(std::string(16383, 'v').c_str()));
    EXPECT_FALSE(ValueNameIsUsable(std::string(16384, 'v').c_str()));
    EXPECT_FALSE(ValueNameIsUsable(std::string(1 << 20, 'v').c_str()));
    EXPECT_FALSE(ValueNameIsUsable(nullptr));
}
