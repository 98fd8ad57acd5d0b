// Which key paths and value names the registry class lets through to the platform.
#include "RegistryNames.h"
#include <gtest/gtest.h>
#include <string>

using namespace registry_names;

namespace {
const mbcs_chars::Encoding kSingleByte = mbcs_chars::Encoding::SingleByte();
bool KeyPathIsUsable(const char* path) { return registry_names::KeyPathIsUsable(path, kSingleByte); }
bool ValueNameIsUsable(const char* name) { return registry_names::ValueNameIsUsable(name, kSingleByte); }
}

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

// The limits count characters as the platform's UTF-16 units, and a trail byte '\\' is part of
// a name: in Shift-JIS ソ\\x (83 5C 5C 78) is ソ, then x; 255 two-byte characters make one name.
TEST(RegistryNames, DoubleByteAndUtf8NamesCountCharacters)
{
    const mbcs_chars::Encoding sjis = mbcs_chars::ForCodePage(932), utf8 = mbcs_chars::ForCodePage(65001);
    EXPECT_TRUE(registry_names::KeyPathIsUsable("\x83\x5C\\x", sjis));
    EXPECT_FALSE(KeyPathIsUsable("\x83\x5C\\x")) << "in 1252 that is a doubled separator";
    EXPECT_FALSE(registry_names::KeyPathIsUsable("\\\x83\x5C", sjis));
    std::string name;
    for (int i = 0; i < 255; ++i)
        name += "\x95\x5C";
    EXPECT_TRUE(registry_names::KeyPathIsUsable(name.c_str(), sjis));
    EXPECT_FALSE(registry_names::KeyPathIsUsable((name + "k").c_str(), sjis));
    std::string value;
    for (int i = 0; i < 16383; ++i)
        value += "\x95\x5C";
    EXPECT_TRUE(registry_names::ValueNameIsUsable(value.c_str(), sjis));
    EXPECT_FALSE(registry_names::ValueNameIsUsable((value + "v").c_str(), sjis));
    // A four-byte UTF-8 character is a surrogate pair: two units.
    std::string emoji;
    for (int i = 0; i < 127; ++i)
        emoji += "\xF0\x9F\x98\x80";
    EXPECT_TRUE(registry_names::KeyPathIsUsable((emoji + "k").c_str(), utf8));
    EXPECT_FALSE(registry_names::KeyPathIsUsable((emoji + "kk").c_str(), utf8));
}
