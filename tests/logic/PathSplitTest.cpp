// Path splitting: the documented examples and the odd paths a caller meets.
#include "PathSplit.h"
#include <gtest/gtest.h>
#include <string>

using path_split::PathParts;

namespace {
PathParts Split(const std::string& path, unsigned codePage = 1252)
{
    return path_split::SplitPath(path.data(), path.size(), mbcs_chars::ForCodePage(codePage));
}

struct Case
{
    const char* path;
    const char* drive;
    const char* folder;
    const char* name;
    const char* extension;
};

void ExpectSplits(const Case& c)
{
    PathParts p = Split(c.path);
    EXPECT_EQ(p.drive, c.drive) << "path '" << c.path << "'";
    EXPECT_EQ(p.folder, c.folder) << "path '" << c.path << "'";
    EXPECT_EQ(p.name, c.name) << "path '" << c.path << "'";
    EXPECT_EQ(p.extension, c.extension) << "path '" << c.path << "'";
}
}

TEST(PathSplit, ExamplesOfEveryPart)
{
    const Case cases[] = {
        { "C:\\Data\\report.txt", "C:", "\\Data\\", "report", "txt" },
        { "archive.tar.gz", "", "", "archive.tar", "gz" },
        { "C:report", "C:", "", "report", "" },
        { "\\\\server\\share\\file", "", "\\\\server\\share\\", "file", "" },
        { "dir.d/file", "", "dir.d/", "file", "" },
        { ".profile", "", "", "", "profile" },
        { "file.", "", "", "file", "" },
        { "", "", "", "", "" },
    };
    for (const Case& c : cases)
        ExpectSplits(c);
}

TEST(PathSplit, OddPaths)
{
    const Case cases[] = {
        // Trailing separators leave no name.
        { "C:\\Data\\", "C:", "\\Data\\", "", "" },
        { "/", "", "/", "", "" },
        { "C:", "C:", "", "", "" },
        // Mixed separators; the last one of either kind ends the folder.
        { "C:/a\\b/c.d", "C:", "/a\\b/", "c", "d" },
        // Dots in folders, relative folders and hidden files.
        { "..\\x", "", "..\\", "x", "" },
        { "a.b\\c.d\\e", "", "a.b\\c.d\\", "e", "" },
        { "dir/.hidden.txt", "", "dir/", ".hidden", "txt" },
        // Dots ending the name: every leading dot of the extension goes.
        { "name..", "", "", "name.", "" },
        { "..", "", "", ".", "" },
        { "a...b", "", "", "a..", "b" },
        // Only the second character makes a drive; a colon elsewhere is text.
        { "ab:c.txt", "", "", "ab:c", "txt" },
        { "a:b:c", "a:", "", "b:c", "" },
        { ":x", "", "", ":x", "" },
        // Drive-relative and device paths.
        { "D:..\\up.ini", "D:", "..\\", "up", "ini" },
        { "\\\\?\\C:\\x.y", "", "\\\\?\\C:\\", "x", "y" },
        { "x", "", "", "x", "" },
    };
    for (const Case& c : cases)
        ExpectSplits(c);
}

TEST(PathSplit, LongPartsAreCutAt255Characters)
{
    std::string longFolder = "\\" + std::string(300, 'f') + "\\";
    std::string longName(400, 'n');
    std::string longExtension(260, 'e');
    PathParts p = Split("C:" + longFolder + longName + "." + longExtension);
    EXPECT_EQ(p.drive, "C:");
    EXPECT_EQ(p.folder, longFolder.substr(0, 255));
    EXPECT_EQ(p.name, longName.substr(0, 255));
    // The dot counts towards the 255 before it is dropped.
    EXPECT_EQ(p.extension, longExtension.substr(0, 254));

    // Exactly at the limit nothing is lost.
    std::string name255(255, 'k');
    EXPECT_EQ(Split(name255).name, name255);
}

TEST(PathSplit, BytesAfterANulAndHighBytesAreText)
{
    std::string path("a\\b\0c.d", 7);
    PathParts p = Split(path);
    EXPECT_EQ(p.folder, "a\\");
    EXPECT_EQ(p.name, std::string("b\0c", 3));
    EXPECT_EQ(p.extension, "d");
    // Bytes of a multibyte character set are never taken for separators.
    EXPECT_EQ(Split("\xE9t\xE9\\r\xE9sum\xE9.txt").name, "r\xE9sum\xE9");
    EXPECT_EQ(path_split::SplitPath(nullptr, 5, mbcs_chars::Encoding::SingleByte()).name, "");
}

// In the double-byte code pages a trail byte may be '\' (表 is 0x95 0x5C in Shift-JIS, 許 0xB3 0x5C
// in Big5) or a letter: only whole one-byte characters separate, and a long part is cut
// before a character rather than between its bytes.
TEST(PathSplit, DoubleByteCharactersStayWhole)
{
    PathParts p = Split("C:\\\x95\x5C\\\x95\x5C.txt", 932);  // C:\表\表.txt
    EXPECT_EQ(p.folder, "\\\x95\x5C\\");
    EXPECT_EQ(p.name, "\x95\x5C");
    EXPECT_EQ(p.extension, "txt");
    EXPECT_EQ(Split("\xB3\x5C.\xB3\x5C", 950).extension, "\xB3\x5C");
    EXPECT_EQ(Split("\x81:x", 936).drive, "");  // the colon is a trail byte, not a drive's

    std::string name;
    for (int i = 0; i < 130; ++i)
        name += "\x95\x5C";  // 260 bytes: the 255th is a lead byte
    EXPECT_EQ(Split(name, 932).name, name.substr(0, 254));
}
