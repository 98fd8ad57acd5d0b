// CString: shared copies and buffers, construction, comparison, search and edits by
// characters of the ANSI code page, formatting and string resources.
#include "frame/base/logic/MbcsChars.h"
#include "CodePagePrefix.h"
#include <gtest/gtest.h>
#include <climits>
#include <cstring>
#include <string>

namespace {

TEST(CStringTest, CopiesShareUntilOneWrites)
{
    CString original("shared text");
    CString copy = original;
    EXPECT_EQ(original.GetString(), copy.GetString());

    copy.SetAt(0, 'S');
    EXPECT_STREQ("shared text", original);
    EXPECT_STREQ("Shared text", copy);

    CString appended = original;
    appended += "!";
    EXPECT_STREQ("shared text", original);
    EXPECT_STREQ("shared text!", appended);

    CString upper = original;
    upper.MakeUpper();
    upper.Replace('T', 'x');
    EXPECT_STREQ("shared text", original);
    EXPECT_STREQ("SHARED xEXx", upper);

    CString trimmed = original;
    trimmed.Delete(0, 7);
    trimmed.Insert(0, '>');
    EXPECT_STREQ("shared text", original);
    EXPECT_STREQ(">text", trimmed);
}

TEST(CStringTest, GetBufferIsolatesTheBufferUntilReleased)
{
    CString original("abc");
    CString writer = original;
    char* p = writer.GetBuffer(10);
    ASSERT_NE(nullptr, p);
    EXPECT_NE(original.GetString(), p);

    // A copy taken while the buffer is out must not see later writes through it.
    CString snapshot = writer;
    std::strcpy(p, "written");
    writer.ReleaseBuffer();

    EXPECT_STREQ("abc", original);
    EXPECT_STREQ("abc", snapshot);
    EXPECT_STREQ("written", writer);
    EXPECT_EQ(7, writer.GetLength());

    // Released, the buffer may be shared again.
    CString later = writer;
    EXPECT_EQ(writer.GetString(), later.GetString());
}

TEST(CStringTest, ReleaseBufferLengths)
{
    CString s;
    char* p = s.GetBufferSetLength(5);
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(5, s.GetLength());
    std::memcpy(p, "ab\0de", 5);
    s.ReleaseBuffer(5);
    EXPECT_EQ(5, s.GetLength());
    EXPECT_EQ('d', s[3]);

    p = s.GetBuffer(3);
    s.ReleaseBuffer(-1);  // up to the first '\0'
    EXPECT_EQ(2, s.GetLength());

    p = s.GetBuffer(4);
    std::memset(p, 'z', 5);
    s.ReleaseBuffer(100000);  // never past the buffer
    EXPECT_LE(s.GetLength(), s.GetAllocLength());
    EXPECT_EQ('\0', s.GetString()[s.GetLength()]);

    CString notOut("plain"), sharer = notOut;
    notOut.ReleaseBuffer(2);  // without GetBuffer: the sharer must not change
    EXPECT_STREQ("pl", notOut);
    EXPECT_STREQ("plain", sharer);
}

TEST(CStringTest, LockedBufferIsNeverShared)
{
    CString locked("lock");
    char* p = locked.LockBuffer();
    CString copy = locked;
    EXPECT_NE(p, copy.GetString());
    p[0] = 'L';
    EXPECT_STREQ("Lock", locked);
    EXPECT_STREQ("lock", copy);

    locked.Empty();
    EXPECT_EQ(p, locked.GetString());  // the owner may still hold the pointer
    locked = "new";
    EXPECT_EQ(p, locked.GetString());
    locked.UnlockBuffer();
    CString shared = locked;
    EXPECT_EQ(locked.GetString(), shared.GetString());
}

TEST(CStringTest, Construction)
{
    EXPECT_STREQ("", CString(static_cast<LPCSTR>(nullptr)));
    EXPECT_STREQ("xxxx", CString('x', 4));
    EXPECT_TRUE(CString('x', -3).IsEmpty());
    EXPECT_STREQ("abc", CString("abcdef", 3));
    EXPECT_TRUE(CString("abc", -1).IsEmpty());

    CString embedded("a\0b", 3);
    EXPECT_EQ(3, embedded.GetLength());
    EXPECT_EQ('b', embedded[2]);

    EXPECT_STREQ("wide text", CString(L"wide text"));
    EXPECT_STREQ("wi", CString(L"wide", 2));
    EXPECT_STREQ("", CString(static_cast<LPCWSTR>(nullptr)));

    CString moved("moved text");
    CString target(std::move(moved));
    EXPECT_STREQ("moved text", target);
    EXPECT_TRUE(moved.IsEmpty());
}

TEST(CStringTest, AutomationStringRoundTrip)
{
    CString s("caf\xe9 au lait");
    BSTR bstr = s.AllocSysString();
    ASSERT_NE(nullptr, bstr);
    EXPECT_EQ(static_cast<UINT>(s.GetLength()), SysStringLen(bstr));
    EXPECT_STREQ(s, CString(static_cast<LPCWSTR>(bstr)));

    CString("longer replacement text").SetSysString(&bstr);
    EXPECT_STREQ(L"longer replacement text", bstr);
    CString().SetSysString(&bstr);
    EXPECT_EQ(0u, SysStringLen(bstr));
    SysFreeString(bstr);

    BSTR empty = CString().AllocSysString();
    ASSERT_NE(nullptr, empty);
    EXPECT_EQ(0u, SysStringLen(empty));
    SysFreeString(empty);
}

TEST(CStringTest, Concatenation)
{
    CString a("ab"), b("cd");
    EXPECT_STREQ("abcd", a + b);
    EXPECT_STREQ("abx", a + "x");
    EXPECT_STREQ("xab", "x" + a);
    EXPECT_STREQ("ab!", a + '!');
    EXPECT_STREQ("!ab", '!' + a);
    EXPECT_STREQ("ab", a + static_cast<LPCSTR>(nullptr));

    // Appending the string to itself, whole or in part, while it grows.
    CString self("xyz");
    self += self;
    EXPECT_STREQ("xyzxyz", self);
    self.Append(self.GetString() + 4);
    EXPECT_STREQ("xyzxyzyz", self);
    self = self.GetString() + 3;
    EXPECT_STREQ("xyzyz", self);

    CString grown;
    for (int i = 0; i < 10000; ++i)
        grown += static_cast<char>('a' + i % 26);
    EXPECT_EQ(10000, grown.GetLength());
    EXPECT_EQ('a' + 9999 % 26, grown[9999]);
}

TEST(CStringTest, ComparisonIsByteWise)
{
    CString b("b");
    EXPECT_TRUE(CString("a") < b);
    EXPECT_TRUE(CString("B") < CString("a"));  // upper case sorts first
    EXPECT_TRUE(CString("\xe9") > "z");        // bytes compare unsigned
    EXPECT_TRUE(CString("ab") < "abc");
    EXPECT_TRUE("a" < b && b > "a" && b >= "b" && b <= "b" && "c" >= b && "a" <= b);
    EXPECT_TRUE(b == "b" && "b" == b && b != "c" && "c" != b);
    EXPECT_EQ(0, CString().Compare(nullptr));
    EXPECT_GT(b.Compare(nullptr), 0);

    EXPECT_EQ(0, CString("MiXeD").CompareNoCase("mixed"));
    EXPECT_LT(CString("apple").CompareNoCase("BANANA"), 0);
    EXPECT_GT(CString("apple").Compare("BANANA"), 0);  // byte-wise 'a' > 'B'
}

TEST(CStringTest, ExtractionClipsArguments)
{
    CString s("0123456789");
    EXPECT_STREQ("012", s.Mid(-5, 3));
    EXPECT_STREQ("789", s.Mid(7, 100));
    EXPECT_STREQ("", s.Mid(100));
    EXPECT_STREQ("", s.Mid(3, -1));
    EXPECT_STREQ("", s.Mid(INT_MAX, INT_MAX));
    EXPECT_STREQ("3456789", s.Mid(3));
    EXPECT_STREQ("", s.Left(-1));
    EXPECT_STREQ("0123456789", s.Left(100));
    EXPECT_STREQ("89", s.Right(2));
    EXPECT_STREQ("0123456789", s.Right(1000));
    EXPECT_STREQ("", s.Right(-4));

    EXPECT_EQ('\0', s.GetAt(-1));
    EXPECT_EQ('\0', s.GetAt(10));
    EXPECT_EQ('9', s[9u]);
    EXPECT_EQ('\0', s[static_cast<size_t>(10)]);
    s.SetAt(10, 'x');
    s.SetAt(-1, 'x');
    EXPECT_STREQ("0123456789", s);

    EXPECT_STREQ("0123", s.SpanIncluding("3210"));
    EXPECT_STREQ("", s.SpanIncluding(nullptr));
    EXPECT_STREQ("012", s.SpanExcluding("53"));
    EXPECT_STREQ("0123456789", s.SpanExcluding(""));
}

TEST(CStringTest, SearchBounds)
{
    CString s("hello world, hello");
    EXPECT_EQ(4, s.Find('o'));
    EXPECT_EQ(7, s.Find('o', 5));
    EXPECT_EQ(-1, s.Find('o', -1));
    EXPECT_EQ(-1, s.Find('o', s.GetLength()));
    EXPECT_EQ(-1, s.Find('z'));
    EXPECT_EQ(13, s.Find("hello", 1));
    EXPECT_EQ(-1, s.Find("hello", 14));
    EXPECT_EQ(5, s.Find("", 5));
    EXPECT_EQ(-1, s.Find(static_cast<LPCSTR>(nullptr)));
    EXPECT_EQ(-1, s.Find("x", 1000));
    EXPECT_EQ(-1, s.Find("hello world, hello!"));
    EXPECT_EQ(17, s.ReverseFind('o'));
    EXPECT_EQ(-1, s.ReverseFind('z'));
    EXPECT_EQ(5, s.FindOneOf(", "));
    EXPECT_EQ(-1, s.FindOneOf(""));
    EXPECT_EQ(-1, CString().Find('a'));
}

TEST(CStringTest, Tokenize)
{
    CString s(" ,alpha,, beta;gamma ;");
    int pos = 0;
    CString tokens;
    for (CString token = s.Tokenize(" ,;", pos); pos != -1; token = s.Tokenize(" ,;", pos))
        tokens += token + "|";
    EXPECT_STREQ("alpha|beta|gamma|", tokens);

    pos = 0;
    EXPECT_STREQ("", CString(",,,").Tokenize(",", pos));
    EXPECT_EQ(-1, pos);

    pos = 3;
    EXPECT_STREQ("de", CString("abcde").Tokenize("", pos));  // no delimiters: the rest
    EXPECT_STREQ("", CString("abcde").Tokenize("", pos));
    EXPECT_EQ(-1, pos);

    pos = -2;
    EXPECT_STREQ("", s.Tokenize(",", pos));
    EXPECT_EQ(-1, pos);
    pos = 1000;
    EXPECT_STREQ("", s.Tokenize(",", pos));
    EXPECT_EQ(-1, pos);
}

// The framework's own text stepping against the lead bytes the system reports for each
// double-byte code page: the two must agree wherever the library runs.
TEST(CStringTest, LeadBytesAgreeWithTheSystem)
{
    for (UINT codePage : { 932u, 936u, 949u, 950u }) {
        CPINFO info = {};
        ASSERT_TRUE(GetCPInfo(codePage, &info)) << codePage;
        mbcs_chars::Encoding ours = mbcs_chars::ForCodePage(codePage);
        for (int b = 0; b < 256; ++b)
            EXPECT_EQ(IsDBCSLeadByteEx(codePage, static_cast<BYTE>(b)) != FALSE,
                      ours.IsLeadByte(static_cast<unsigned char>(b)))
                << "code page " << codePage << ", byte " << b;
    }
}

// Under Shift-JIS a character's trail byte may be '\' (0x5C in 表, 0x95 0x5C) or a letter (0x61 in
// ツ, 0x83 0x61): searching, trimming, splitting and case changes see whole characters only. Runs
// where the ANSI code page is 932 (FrameTestsJapanese); ZUZ_CODE_PAGE says the prefix was made so.
TEST(CStringTest, SearchesStepByCharactersOfTheAnsiCodePage)
{
    SKIP_UNLESS_IN_CODE_PAGE(932u);

    // Each text holds a '\' or a letter both as a character and as a trail byte.
    const CString path("a\\\x95\x5C\\\x95\x5C");  // a\表\表
    EXPECT_EQ(1, path.Find('\\'));
    EXPECT_EQ(4, path.Find('\\', 2));
    EXPECT_EQ(4, path.Find("\\", 2));
    EXPECT_EQ(4, path.ReverseFind('\\'));
    EXPECT_EQ(1, path.FindOneOf("/\\"));
    EXPECT_EQ(2, CString("ab\x95\x5C").FindOneOf("\x95\x5C"));
    EXPECT_EQ(-1, CString("a\\").FindOneOf("\x95\x5C"));  // the set's trail byte is no member
    EXPECT_EQ(-1, CString("\x95\x5C").Find('\\'));
    EXPECT_EQ(-1, CString("a\x95\x5C").Find("a\x95"));  // a search text ending in a lead byte is half a character
    // Compared by characters, as the runtime's multibyte functions compare: ア and ャ differ only in
    // a trail byte's letter case, and the one-byte ｱ orders before every two-byte character.
    EXPECT_NE(0, CString("\x83\x41").CompareNoCase("\x83\x61"));
    EXPECT_EQ(0, CString("A\x83\x41").CompareNoCase("a\x83\x41"));
    EXPECT_LT(CString("\xB1").Compare("\x95\x5C"), 0);
    EXPECT_NE(0, CString("x\x95").Compare("x")) << "stray bytes after the last whole character still count";
    // Collated as the user's locale orders words: kana before kanji.
    EXPECT_LT(CString("\xB1").Collate("\x95\x5C"), 0);
    EXPECT_EQ(0, CString("A\x83\x41").CollateNoCase("a\x83\x41"));

    struct Edit
    {
        const char* what;
        CString got;
        const char* expected;
    };
    auto edited = [&path](auto edit) {
        CString s(path);
        edit(s);
        return s;
    };
    int pos = 0;
    const CString tokens("\x95\x5C\\x");
    CString first = tokens.Tokenize("\\", pos);
    const Edit edits[] = {
        { "Replace(char)", edited([](CString& s) { s.Replace('\\', '/'); }), "a/\x95\x5C/\x95\x5C" },
        { "Replace(text)", edited([](CString& s) { s.Replace("\\", "//"); }), "a//\x95\x5C//\x95\x5C" },
        { "Replace(half)", edited([](CString& s) { s.Replace("\x95", "?"); }), "a\\\x95\x5C\\\x95\x5C" },
        { "Remove", edited([](CString& s) { s.Remove('\\'); }), "a\x95\x5C\x95\x5C" },
        { "TrimRight(char)", edited([](CString& s) { s.TrimRight('\\'); }), "a\\\x95\x5C\\\x95\x5C" },
        { "TrimRight(set)", edited([](CString& s) { s.TrimRight("\\ "); }), "a\\\x95\x5C\\\x95\x5C" },
        { "TrimLeft(set)",
          CString("\x95\x5C"
                  "a")
              .TrimLeft("\x95\x40"),
          "\x95\x5C"
          "a" },
        { "Trim(set)",
          CString("\x95\x5C\\"
                  "a\x95\x5C")
              .Trim("\x95\x5C"),
          "\\a" },
        { "SpanIncluding", CString("\x95\x5C\x95\x5C\\").SpanIncluding("\x95\x5C"), "\x95\x5C\x95\x5C" },
        { "SpanExcluding", path.Mid(2).SpanExcluding("\\"), "\x95\x5C" },
        { "Tokenize", first + "|" + tokens.Tokenize("\\", pos), "\x95\x5C|x" },
        { "MakeUpper", CString("a\x83\x61").MakeUpper(), "A\x83\x61" },  // aツ
        { "MakeLower", CString("A\x83\x41").MakeLower(), "a\x83\x41" },  // Aア
        { "MakeReverse",
          CString("a\x95\x5C"
                  "b")
              .MakeReverse(),
          "b\x95\x5C"
          "a" },
        { "Left counts bytes", path.Left(3), "a\\\x95" },
    };
    for (const Edit& e : edits)
        EXPECT_EQ(0, std::strcmp(e.got, e.expected)) << e.what << ": got \"" << static_cast<LPCSTR>(e.got) << "\"";
}

// In any code page whose characters take several bytes (the CTest entries ending in Japanese,
// Chinese or Utf8): 表 is 95 5C, B1 ED or E8 A1 A8. Its first byte alone is half a character:
// never found, replaced or counted as a character of a set.
TEST(CStringTest, MultiByteCharactersStayWhole)
{
    SKIP_UNLESS_IN_ANOTHER_CODE_PAGE();
    const CString ch(AnsiText(L"\u8868").c_str());
    ASSERT_GE(ch.GetLength(), 2);
    const CString head = ch.Left(1), text = "a" + ch + "z";
    EXPECT_EQ(1, text.Find(ch));
    EXPECT_EQ(-1, text.Find(head));
    EXPECT_EQ(-1, text.FindOneOf(ch.Mid(1)));
    CString replaced(text);
    EXPECT_EQ(0, replaced.Replace(head, "?"));
    CString reversed(text);
    EXPECT_STREQ("z" + ch + "a", reversed.MakeReverse());
    CString upper(text);
    EXPECT_STREQ("A" + ch + "Z", upper.MakeUpper());
    EXPECT_EQ(0, CString("A" + ch).CompareNoCase("a" + ch));
    EXPECT_LT(CString("z").Compare(ch), 0);
    EXPECT_NE(0, CString(text + head).Compare(text));
}

TEST(CStringTest, ReplaceGrowsAndShrinks)
{
    CString s("a.b.c.d");
    CString before = s;
    EXPECT_EQ(3, s.Replace(".", "<->"));
    EXPECT_STREQ("a<->b<->c<->d", s);
    EXPECT_STREQ("a.b.c.d", before);
    EXPECT_EQ(3, s.Replace("<->", ""));
    EXPECT_STREQ("abcd", s);
    EXPECT_EQ(0, s.Replace("", "x"));
    EXPECT_EQ(0, s.Replace(nullptr, "x"));
    EXPECT_EQ(1, s.Replace("bc", nullptr));
    EXPECT_STREQ("ad", s);

    CString overlapping("aaaaa");
    EXPECT_EQ(2, overlapping.Replace("aa", "b"));
    EXPECT_STREQ("bba", overlapping);

    // Arguments taken from the string itself.
    CString self("abcabc");
    EXPECT_EQ(1, self.Replace(self, self.Mid(3)));
    EXPECT_STREQ("abc", self);
    CString tail("xyzxyz");
    EXPECT_EQ(2, tail.Replace(tail.GetString() + 3, tail.GetString() + 1));
    EXPECT_STREQ("yzxyzyzxyz", tail);

    CString big('x', 5000);
    EXPECT_EQ(5000, big.Replace("x", "xyz"));
    EXPECT_EQ(15000, big.GetLength());
    EXPECT_EQ(0, CString("same").Replace('s', 's'));
    CString head = big.Left(10);
    EXPECT_EQ(4, head.Replace('x', 'X'));
    EXPECT_STREQ("XyzXyzXyzX", head);
    EXPECT_EQ('x', big[0]);
}

TEST(CStringTest, InsertDeleteRemoveTrim)
{
    CString s("0123");
    EXPECT_EQ(5, s.Insert(-10, 'a'));
    EXPECT_EQ(7, s.Insert(100, "yz"));
    EXPECT_EQ(9, s.Insert(3, "--"));
    EXPECT_STREQ("a01--23yz", s);
    EXPECT_EQ(9, s.Insert(2, static_cast<LPCSTR>(nullptr)));
    EXPECT_EQ(12, s.Insert(1, s.GetString() + 6));  // inserting our own tail
    EXPECT_STREQ("a3yz01--23yz", s);

    EXPECT_EQ(12, s.Delete(12, 3));
    EXPECT_EQ(12, s.Delete(0, 0));
    EXPECT_EQ(10, s.Delete(-3, 2));
    EXPECT_EQ(4, s.Delete(4, 1000));
    EXPECT_STREQ("yz01", s);

    CString r("a-b-c-");
    EXPECT_EQ(3, r.Remove('-'));
    EXPECT_STREQ("abc", r);
    EXPECT_EQ(0, r.Remove('-'));

    EXPECT_STREQ("x y", CString(" \t x y\r\n ").Trim());
    EXPECT_STREQ("x  ", CString("  x  ").TrimLeft());
    EXPECT_STREQ("  x", CString("  x  ").TrimRight());
    EXPECT_STREQ("a**b", CString("**a**b**").Trim('*'));
    EXPECT_STREQ("a**b**", CString("**a**b**").TrimLeft('*'));
    EXPECT_STREQ("b", CString("<>b<><").Trim("<>"));
    EXPECT_STREQ("", CString("    ").Trim());
    EXPECT_STREQ("xx", CString("xx").Trim(static_cast<LPCSTR>(nullptr)));

    CString t("abcdef");
    t.Truncate(3);
    t.Truncate(10);
    t.Truncate(-1);
    EXPECT_STREQ("abc", t);
    EXPECT_STREQ("CBA", t.MakeReverse().MakeUpper());
    EXPECT_STREQ("cba", t.MakeLower());
}

TEST(CStringTest, FormatLongAndMixedTexts)
{
    std::string longText(50000, 'q');
    longText[25000] = 'M';
    CString s;
    s.Format("[%s]", longText.c_str());
    ASSERT_EQ(50002, s.GetLength());
    EXPECT_EQ('M', s[25001]);
    EXPECT_EQ(']', s[50001]);

    s.Format("%d|%5.2f|%x|%X|%s|%c|%%|%-4s|%05d", -42, 3.14159, 255, 255, "str", 'z', "ab", 42);
    EXPECT_STREQ("-42| 3.14|ff|FF|str|z|%|ab  |00042", s);

    // The Microsoft spelling works too; the compiler's format check knows only %lld.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat"
    s.Format("%I64d %lld %I64u", -1234567890123LL, 9876543210LL, 18446744073709551615ULL);
#pragma GCC diagnostic pop
    EXPECT_STREQ("-1234567890123 9876543210 18446744073709551615", s);

    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
    s.Format(nullptr);
    EXPECT_TRUE(s.IsEmpty());

    // The string itself as an argument, twice.
    s = "echo";
    s.Format("%s-%s", static_cast<LPCSTR>(s), static_cast<LPCSTR>(s));
    EXPECT_STREQ("echo-echo", s);

    s.AppendFormat(" %d", 7);
    s.AppendFormat("%s", longText.c_str());
    EXPECT_EQ(9 + 2 + 50000, s.GetLength());
    EXPECT_STREQ("echo-echo 7qq", s.Left(13));
}

TEST(CStringTest, LoadsStringResources)
{
    CString s("unchanged");
    EXPECT_FALSE(s.LoadString(40199));
    EXPECT_STREQ("unchanged", s);

    ASSERT_TRUE(s.LoadString(40101));
    EXPECT_STREQ("first string of its block", s);
    EXPECT_STREQ("first string of its block", CString(MAKEINTRESOURCEA(40101)));

    ASSERT_TRUE(s.LoadString(40105));
    EXPECT_GT(s.GetLength(), 300);
    EXPECT_STREQ(" end", s.Right(4));

    s.Format(40102u, "Ann", 30);
    EXPECT_STREQ("Hello, Ann! You are 30.", s);

    EXPECT_FALSE(s.LoadString(nullptr, 40101));
}

}  // namespace
