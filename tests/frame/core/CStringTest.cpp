// The framework's value classes: strings, arrays, lists, maps, geometry and dates.
#include "afxtempl.h"
#include "afxdisp.h"
#include "frame/core/logic/MbcsChars.h"
#include "CodePagePrefix.h"
#include <gtest/gtest.h>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <limits>
#include <string>

namespace {

// ---------------------------------------------------------------------------------------------
// CString

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

// ---------------------------------------------------------------------------------------------
// CArray

// Counts live instances so that every construction is matched by one destruction.
struct Tracked
{
    static int s_live;
    int value;
    Tracked(int v = 0) : value(v) { ++s_live; }
    Tracked(const Tracked& other) : value(other.value) { ++s_live; }
    Tracked& operator=(const Tracked&) = default;
    ~Tracked() { --s_live; }
};
int Tracked::s_live = 0;

std::string Values(const CArray<Tracked>& a)
{
    std::string text;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        text += (i ? "," : "") + std::to_string(a[i].value);
    return text;
}

TEST(CArrayTest, ElementLifetimeMatchesSize)
{
    int before = Tracked::s_live;
    {
        CArray<Tracked> a;
        for (int i = 0; i < 100; ++i)
            EXPECT_EQ(i, a.Add(Tracked(i)));
        EXPECT_EQ(before + 100, Tracked::s_live);
        a.InsertAt(50, Tracked(-1), 10);
        a.RemoveAt(0, 5);
        a.SetSize(200);
        EXPECT_EQ(before + 200, Tracked::s_live);
        a.SetSize(20);
        a.FreeExtra();
        EXPECT_EQ(before + 20, Tracked::s_live);

        CArray<Tracked> b;
        b.Copy(a);
        b.Append(a);
        b.InsertAt(3, &a);
        EXPECT_EQ(60, b.GetSize());
        EXPECT_EQ(before + 80, Tracked::s_live);
        b.RemoveAll();
        EXPECT_EQ(before + 20, Tracked::s_live);
    }
    EXPECT_EQ(before, Tracked::s_live);
}

TEST(CArrayTest, InsertAndRemoveBoundaries)
{
    CArray<Tracked> a;
    a.InsertAt(3, Tracked(7));  // past the end: grows to reach it
    EXPECT_EQ("0,0,0,7", Values(a));
    a.InsertAt(0, Tracked(1), 2);
    EXPECT_EQ("1,1,0,0,0,7", Values(a));
    a.InsertAt(-1, Tracked(9));
    a.InsertAt(2, Tracked(9), 0);
    EXPECT_EQ(6, a.GetSize());

    a.RemoveAt(4, 100);  // clipped to the end
    EXPECT_EQ("1,1,0,0", Values(a));
    a.RemoveAt(-1);
    a.RemoveAt(4);
    a.RemoveAt(0, 0);
    EXPECT_EQ("1,1,0,0", Values(a));
    a.RemoveAt(1, 2);
    EXPECT_EQ("1,0", Values(a));
    EXPECT_EQ(1, a.GetUpperBound());
}

TEST(CArrayTest, OwnElementsAsArgumentsSurviveReallocation)
{
    CArray<Tracked> a;
    a.Add(Tracked(5));
    for (int i = 0; i < 200; ++i)
        a.Add(a[0]);
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        ASSERT_EQ(5, a[i].value) << i;

    CArray<Tracked> b;
    b.Add(Tracked(1));
    b.Add(Tracked(2));
    b.FreeExtra();
    b.InsertAt(0, b[1], 3);
    EXPECT_EQ("2,2,2,1,2", Values(b));
    b.SetAtGrow(9, b[3]);
    EXPECT_EQ("2,2,2,1,2,0,0,0,0,1", Values(b));
    b.InsertAt(1, &b);
    EXPECT_EQ(20, b.GetSize());
    EXPECT_EQ("2,2,2,2,1,2,0,0,0,0,1,2,2,1,2,0,0,0,0,1", Values(b));
    b.Append(b);
    EXPECT_EQ(40, b.GetSize());
    EXPECT_EQ(b[19].value, b[39].value);
}

TEST(CArrayTest, OutOfRangeAccessTouchesNothing)
{
    CArray<int, int> a;
    a.SetSize(3);
    a[0] = 1;
    EXPECT_EQ(0, a.GetAt(5));
    EXPECT_EQ(0, a[-1]);
    a.ElementAt(7) = 99;  // lands in scratch space
    EXPECT_EQ(0, a.GetAt(7));
    a.SetAt(3, 5);
    a.SetAtGrow(-1, 5);
    a.SetSize(-4);
    EXPECT_EQ(3, a.GetSize());
    EXPECT_EQ(1, a[0]);
    EXPECT_EQ(0, a[2]);  // grown elements are value-initialised

    a.SetAtGrow(5, 6);
    EXPECT_EQ(6, a.GetSize());
    EXPECT_EQ(6, a.GetData()[5]);

    const CArray<int, int>& constant = a;
    EXPECT_EQ(0, constant[100]);
}

TEST(CollectionArraysTest, TypedArrays)
{
    CStringArray strings;
    strings.Add("one");
    strings.Add(CString("two"));
    strings.InsertAt(0, "zero");
    strings.SetAtGrow(4, "four");
    ASSERT_EQ(5, strings.GetSize());
    EXPECT_STREQ("zero", strings[0]);
    EXPECT_STREQ("", strings[3]);
    EXPECT_STREQ("four", strings.GetAt(4));
    EXPECT_TRUE(strings.IsKindOf(RUNTIME_CLASS(CStringArray)));
    EXPECT_TRUE(strings.IsKindOf(RUNTIME_CLASS(CObject)));

    CDWordArray dwords;
    dwords.Add(0xFFFFFFFFu);
    EXPECT_EQ(0xFFFFFFFFu, dwords[0]);
    CUIntArray uints;
    uints.SetSize(2);
    EXPECT_EQ(0u, uints[1]);
    CPtrArray ptrs;
    ptrs.Add(&dwords);
    EXPECT_EQ(&dwords, ptrs[0]);
    EXPECT_FALSE(ptrs.IsKindOf(RUNTIME_CLASS(CStringArray)));
}

// ---------------------------------------------------------------------------------------------
// Lists and the string map

std::string Walk(const CPtrList& list, bool bForward = true)
{
    std::string text;
    POSITION pos = bForward ? list.GetHeadPosition() : list.GetTailPosition();
    while (pos != nullptr)
        text += *static_cast<const char*>(bForward ? list.GetNext(pos) : list.GetPrev(pos));
    return text;
}

TEST(CPtrListTest, WalkInsertAndRemove)
{
    static char letters[] = "abcdefgh";
    CPtrList list(3);  // small blocks: several of them in use
    list.AddTail(&letters[2]);
    list.AddHead(&letters[1]);
    list.AddHead(&letters[0]);
    POSITION d = list.AddTail(&letters[3]);
    EXPECT_EQ("abcd", Walk(list));
    EXPECT_EQ("dcba", Walk(list, false));

    list.InsertBefore(d, &letters[4]);
    list.InsertAfter(d, &letters[5]);
    list.InsertBefore(nullptr, &letters[6]);  // NULL: at the head
    list.InsertAfter(nullptr, &letters[7]);   // NULL: at the tail
    EXPECT_EQ("gabcedfh", Walk(list));
    EXPECT_EQ(8, list.GetCount());

    // Removing while walking, the usual way.
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        POSITION current = pos;
        char c = *static_cast<char*>(list.GetNext(pos));
        if (c == 'a' || c == 'e' || c == 'h')
            list.RemoveAt(current);
    }
    EXPECT_EQ("gbcdf", Walk(list));
    EXPECT_EQ(&letters[6], list.RemoveHead());
    EXPECT_EQ(&letters[5], list.RemoveTail());
    EXPECT_EQ("bcd", Walk(list));
    EXPECT_EQ(&letters[1], list.GetHead());
    EXPECT_EQ(&letters[3], list.GetTail());
}

TEST(CPtrListTest, StaleAndForeignPositionsAreIgnored)
{
    int values[4] = {};
    CPtrList list, other;
    POSITION first = list.AddTail(&values[0]);
    list.AddTail(&values[1]);
    POSITION foreign = other.AddTail(&values[2]);

    list.RemoveAt(first);
    EXPECT_EQ(1, list.GetCount());
    list.RemoveAt(first);  // removed already
    list.RemoveAt(foreign);
    list.SetAt(foreign, &values[3]);
    EXPECT_EQ(1, list.GetCount());
    EXPECT_EQ(1, other.GetCount());
    EXPECT_EQ(&values[2], other.GetHead());
    EXPECT_EQ(nullptr, list.GetAt(first));
    EXPECT_EQ(nullptr, list.InsertAfter(foreign, &values[3]));

    POSITION pos = foreign;
    EXPECT_EQ(nullptr, list.GetNext(pos));
    EXPECT_EQ(nullptr, pos);

    CPtrList empty;
    EXPECT_EQ(nullptr, empty.RemoveHead());
    EXPECT_EQ(nullptr, empty.RemoveTail());
    EXPECT_EQ(nullptr, empty.GetHead());
    EXPECT_EQ(nullptr, empty.GetHeadPosition());
}

TEST(CPtrListTest, FindAndIndex)
{
    static char text[] = "abab";
    CPtrList list;
    for (int i = 0; i < 4; ++i)
        list.AddTail(&text[i % 2]);
    POSITION firstB = list.Find(&text[1]);
    EXPECT_EQ(list.FindIndex(1), firstB);
    EXPECT_EQ(list.FindIndex(3), list.Find(&text[1], firstB));
    EXPECT_EQ(nullptr, list.Find(&text[1], list.FindIndex(3)));
    EXPECT_EQ(nullptr, list.Find(&text[2]));
    EXPECT_EQ(nullptr, list.FindIndex(4));
    EXPECT_EQ(nullptr, list.FindIndex(-1));

    list.AddTail(&list);  // the list appends a copy of itself
    EXPECT_EQ("abababab", Walk(list));
    list.AddHead(&list);
    EXPECT_EQ(16, list.GetCount());
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    list.AddTail(&text[0]);
    EXPECT_EQ("a", Walk(list));
}

TEST(CObListTest, HoldsObjects)
{
    CStringArray a, b;
    CObList list;
    list.AddTail(&a);
    list.AddTail(&b);
    POSITION pos = list.GetHeadPosition();
    EXPECT_EQ(&a, list.GetNext(pos));
    EXPECT_EQ(&b, list.GetNext(pos));
    EXPECT_EQ(nullptr, pos);
    EXPECT_TRUE(list.GetHead()->IsKindOf(RUNTIME_CLASS(CStringArray)));
    EXPECT_TRUE(list.IsKindOf(RUNTIME_CLASS(CObList)));
}

TEST(CMapStringToPtrTest, ManyKeys)
{
    const int kKeys = 20000;
    CMapStringToPtr map;
    CString key;
    for (int i = 0; i < kKeys; ++i) {
        key.Format("key%d", i);
        map.SetAt(key, reinterpret_cast<void*>(static_cast<INT_PTR>(i + 1)));
    }
    EXPECT_EQ(kKeys, map.GetCount());
    map.SetAt("key7", reinterpret_cast<void*>(7000));  // replaces
    EXPECT_EQ(kKeys, map.GetCount());

    void* value = nullptr;
    for (int i = 0; i < kKeys; i += 97) {
        key.Format("key%d", i);
        ASSERT_TRUE(map.Lookup(key, value)) << i;
        EXPECT_EQ(i == 7 ? 7000 : i + 1, static_cast<int>(reinterpret_cast<INT_PTR>(value)));
    }
    EXPECT_FALSE(map.Lookup("KEY1", value));  // keys are case-sensitive
    EXPECT_FALSE(map.Lookup("missing", value));

    // Iteration visits each key once.
    std::string seen(kKeys, '-');
    int visits = 0;
    POSITION pos = map.GetStartPosition();
    while (pos != nullptr) {
        map.GetNextAssoc(pos, key, value);
        int i = std::atoi(key.GetString() + 3);
        ASSERT_TRUE(i >= 0 && i < kKeys);
        EXPECT_EQ('-', seen[i]);
        seen[i] = '+';
        ++visits;
    }
    EXPECT_EQ(kKeys, visits);

    for (int i = 0; i < kKeys; i += 2) {
        key.Format("key%d", i);
        ASSERT_TRUE(map.RemoveKey(key));
    }
    EXPECT_FALSE(map.RemoveKey("key0"));
    EXPECT_EQ(kKeys / 2, map.GetCount());
    EXPECT_FALSE(map.Lookup("key2", value));
    EXPECT_TRUE(map.Lookup("key3", value));

    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(nullptr, map.GetStartPosition());
}

TEST(CMapStringToPtrTest, IndexingAndNullKeys)
{
    CMapStringToPtr map;
    void*& slot = map["new"];
    EXPECT_EQ(nullptr, slot);
    EXPECT_EQ(1, map.GetCount());
    slot = &map;
    void* value = nullptr;
    EXPECT_TRUE(map.Lookup("new", value));
    EXPECT_EQ(&map, value);

    map.SetAt(nullptr, &value);
    EXPECT_TRUE(map.Lookup("", value));
    LPCSTR storedKey = nullptr;
    EXPECT_TRUE(map.LookupKey("new", storedKey));
    EXPECT_STREQ("new", storedKey);
    EXPECT_TRUE(map.RemoveKey(nullptr));
    EXPECT_EQ(1, map.GetCount());
}

// ---------------------------------------------------------------------------------------------
// Geometry

void ExpectRect(const RECT& r, int l, int t, int rt, int b)
{
    EXPECT_EQ(l, r.left);
    EXPECT_EQ(t, r.top);
    EXPECT_EQ(rt, r.right);
    EXPECT_EQ(b, r.bottom);
}

TEST(CRectTest, NormaliseAndMeasure)
{
    CRect r(10, 20, 0, 5);
    EXPECT_EQ(-10, r.Width());
    EXPECT_TRUE(r.IsRectEmpty());
    r.NormalizeRect();
    ExpectRect(r, 0, 5, 10, 20);
    EXPECT_EQ(CSize(10, 15), r.Size());
    EXPECT_EQ(CPoint(5, 12), r.CenterPoint());
    EXPECT_TRUE(r.PtInRect(CPoint(0, 5)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 5)));  // right and bottom edges are outside
    EXPECT_FALSE(r.PtInRect(CPoint(5, 20)));

    r.TopLeft() = CPoint(-1, -2);
    r.BottomRight().x = 4;
    ExpectRect(r, -1, -2, 4, 20);
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_FALSE(CRect(0, 0, 0, 1).IsRectNull());
    EXPECT_TRUE(CRect(0, 0, 0, 1).IsRectEmpty());
}

TEST(CRectTest, SetOperations)
{
    CRect a(0, 0, 10, 10), b(5, 5, 20, 20), distant(30, 30, 40, 40);
    CRect r;
    EXPECT_TRUE(r.IntersectRect(a, b));
    ExpectRect(r, 5, 5, 10, 10);
    EXPECT_FALSE(r.IntersectRect(a, distant));
    ExpectRect(r, 0, 0, 0, 0);
    EXPECT_FALSE(r.IntersectRect(a, CRect(10, 0, 20, 10)));  // touching edges do not overlap

    EXPECT_TRUE(r.UnionRect(a, distant));
    ExpectRect(r, 0, 0, 40, 40);
    EXPECT_TRUE(r.UnionRect(a, CRect(50, 50, 50, 60)));  // the empty one is ignored
    ExpectRect(r, 0, 0, 10, 10);

    ExpectRect(a & b, 5, 5, 10, 10);
    ExpectRect(a | b, 0, 0, 20, 20);
    CRect c = a;
    c &= distant;
    EXPECT_TRUE(c.IsRectNull());
    c = a;
    c |= b;
    ExpectRect(c, 0, 0, 20, 20);

    EXPECT_TRUE(r.SubtractRect(a, CRect(0, 0, 10, 4)));  // covers the whole top
    ExpectRect(r, 0, 4, 10, 10);
    r.SubtractRect(a, CRect(2, 2, 4, 4));  // a hole: nothing removed
    ExpectRect(r, 0, 0, 10, 10);
    EXPECT_TRUE(a == CRect(0, 0, 10, 10));
    EXPECT_TRUE(a != b);
}

TEST(CRectTest, MoveAndResize)
{
    CRect r(10, 10, 20, 20);
    r.InflateRect(1, 2);
    ExpectRect(r, 9, 8, 21, 22);
    r.DeflateRect(CSize(1, 2));
    r.InflateRect(1, 2, 3, 4);
    ExpectRect(r, 9, 8, 23, 24);
    r.DeflateRect(CRect(1, 2, 3, 4));
    ExpectRect(r, 10, 10, 20, 20);
    r.OffsetRect(CPoint(-10, 5));
    r.OffsetRect(CSize(0, -5));
    ExpectRect(r, 0, 10, 10, 20);
    r.MoveToXY(100, 200);
    ExpectRect(r, 100, 200, 110, 210);

    ExpectRect(r + CPoint(1, 1), 101, 201, 111, 211);
    ExpectRect(r - CSize(100, 200), 0, 0, 10, 10);
    ExpectRect(r + CRect(1, 1, 1, 1), 99, 199, 111, 211);  // + a rectangle inflates
    ExpectRect(r - CRect(1, 1, 1, 1), 101, 201, 109, 209);
    r += CSize(1, 0);
    r -= CPoint(1, 0);
    ExpectRect(r, 100, 200, 110, 210);
    ExpectRect(r.MulDiv(1, 10), 10, 20, 11, 21);

    LPCRECT raw = r;
    EXPECT_EQ(100, raw->left);
}

TEST(CPointSizeTest, Arithmetic)
{
    CPoint p(3, 4);
    p.Offset(1, 1);
    p += CSize(1, 1);
    p -= CPoint(2, 2);
    EXPECT_EQ(CPoint(3, 4), p);
    EXPECT_EQ(CSize(2, 3), CPoint(5, 7) - CPoint(3, 4));
    EXPECT_EQ(CPoint(5, 7), p + CPoint(2, 3));
    EXPECT_EQ(CPoint(-3, -4), -p);
    EXPECT_EQ(CPoint(1, 1), p - CSize(2, 3));
    EXPECT_EQ(CSize(5, 5), CSize(2, 3) + CSize(3, 2));
    EXPECT_EQ(CPoint(12, 13), CSize(2, 3) + CPoint(10, 10));
    ExpectRect(CPoint(1, 2) + CRect(0, 0, 5, 5), 1, 2, 6, 7);

    // Mouse-message coordinates are signed 16-bit halves.
    CPoint mouse(static_cast<LPARAM>(MAKELPARAM(-5, -7)));
    EXPECT_EQ(CPoint(-5, -7), mouse);
    EXPECT_EQ(CSize(-1, 2), CSize(static_cast<DWORD>(MAKELONG(-1, 2))));
}

// ---------------------------------------------------------------------------------------------
// COleDateTime

const LCID kEnglishUS = 0x0409;

TEST(COleDateTimeTest, FormatAndParseRoundTrip)
{
    COleDateTime date(2020, 12, 25, 22, 30, 0);
    ASSERT_EQ(COleDateTime::valid, date.GetStatus());
    EXPECT_STREQ("12/25/2020 10:30:00 PM", date.Format(0, kEnglishUS));
    EXPECT_STREQ("12/25/2020", date.Format(VAR_DATEVALUEONLY, kEnglishUS));
    EXPECT_STREQ("10:30:00 PM", date.Format(VAR_TIMEVALUEONLY, kEnglishUS));
    // The tests run in the en-US user locale.
    EXPECT_STREQ("12/25/2020 10:30:00 PM", date.Format());

    COleDateTime parsed;
    ASSERT_TRUE(parsed.ParseDateTime("12/25/2020 10:30:00 PM", 0, kEnglishUS));
    EXPECT_EQ(COleDateTime::valid, parsed.GetStatus());
    EXPECT_TRUE(parsed == date);
    EXPECT_EQ(22, parsed.GetHour());

    ASSERT_TRUE(parsed.ParseDateTime(date.Format()));
    EXPECT_TRUE(parsed == date);

    EXPECT_STREQ("2020-12-25 22:30:00 Friday", date.Format("%Y-%m-%d %H:%M:%S %A"));
    EXPECT_STREQ("2020-12-25", date.Format(40106u));
}

TEST(COleDateTimeTest, ParseFailuresGiveInvalid)
{
    COleDateTime date(2001, 2, 3, 4, 5, 6);
    EXPECT_FALSE(date.ParseDateTime("not a date"));
    EXPECT_EQ(COleDateTime::invalid, date.GetStatus());
    EXPECT_EQ(0.0, date.m_dt);
    EXPECT_EQ(-1, date.GetYear());

    date = COleDateTime(2001, 2, 3, 4, 5, 6);
    EXPECT_FALSE(date.ParseDateTime(nullptr));
    EXPECT_EQ(COleDateTime::invalid, date.GetStatus());
    EXPECT_FALSE(date.ParseDateTime(""));
}

TEST(COleDateTimeTest, StatusOfInvalidAndNullDates)
{
    COleDateTime invalidDate(2019, 2, 29, 0, 0, 0);
    EXPECT_EQ(COleDateTime::invalid, invalidDate.GetStatus());
    EXPECT_STREQ("Invalid DateTime", invalidDate.Format());
    EXPECT_STREQ("Invalid DateTime", invalidDate.Format("%Y"));
    EXPECT_EQ(-1, invalidDate.GetYear());
    EXPECT_EQ(-1, invalidDate.GetDayOfWeek());
    SYSTEMTIME st;
    EXPECT_FALSE(invalidDate.GetAsSystemTime(st));

    COleDateTime nullDate;
    nullDate.SetStatus(COleDateTime::null);
    EXPECT_STREQ("", nullDate.Format());
    EXPECT_STREQ("", nullDate.Format("%Y"));
    EXPECT_EQ(-1, nullDate.GetMonth());

    // A null operand wins over an invalid one; both spread through arithmetic.
    COleDateTimeSpan day(1.0);
    EXPECT_EQ(COleDateTime::null, (nullDate + day).GetStatus());
    EXPECT_EQ(COleDateTime::invalid, (invalidDate + day).GetStatus());
    EXPECT_EQ(COleDateTimeSpan::null, (nullDate - invalidDate).GetStatus());
    EXPECT_EQ(COleDateTimeSpan::invalid, (COleDateTime() - invalidDate).GetStatus());
    EXPECT_TRUE(nullDate == nullDate);
    EXPECT_FALSE(nullDate == COleDateTime());
    EXPECT_FALSE(invalidDate < COleDateTime());
    EXPECT_FALSE(COleDateTime() < invalidDate);

    EXPECT_EQ(COleDateTime::invalid, COleDateTime(3.0e6).GetStatus());
    EXPECT_EQ(COleDateTime::invalid, COleDateTime(-657435.0).GetStatus());
    EXPECT_EQ(COleDateTime::valid, COleDateTime(-657434.5).GetStatus());
    EXPECT_EQ(100, COleDateTime(-657434.0).GetYear());
    EXPECT_EQ(9999, COleDateTime(2958465.5).GetYear());
}

TEST(COleDateTimeTest, ValidatesParts)
{
    struct Case
    {
        int y, mo, d, h, mi, s;
        bool ok;
    } cases[] = {
        { 2020, 2, 29, 0, 0, 0, true },     { 2019, 2, 29, 0, 0, 0, false }, { 1900, 2, 29, 0, 0, 0, false },
        { 2000, 2, 29, 0, 0, 0, true },     { 2021, 4, 31, 0, 0, 0, false }, { 2021, 12, 31, 23, 59, 59, true },
        { 2021, 13, 1, 0, 0, 0, false },    { 2021, 0, 1, 0, 0, 0, false },  { 2021, 1, 0, 0, 0, 0, false },
        { 2021, 1, 1, 24, 0, 0, false },    { 2021, 1, 1, 0, 60, 0, false }, { 2021, 1, 1, 0, 0, 60, false },
        { 2021, 1, 1, -1, 0, 0, false },    { 99, 12, 31, 0, 0, 0, false },  { 100, 1, 1, 0, 0, 0, true },
        { 9999, 12, 31, 23, 59, 59, true }, { 10000, 1, 1, 0, 0, 0, false },
    };
    for (const Case& c : cases) {
        COleDateTime date;
        EXPECT_EQ(c.ok ? 0 : 1, date.SetDateTime(c.y, c.mo, c.d, c.h, c.mi, c.s))
            << c.y << "-" << c.mo << "-" << c.d << " " << c.h << ":" << c.mi << ":" << c.s;
        EXPECT_EQ(c.ok ? COleDateTime::valid : COleDateTime::invalid, date.GetStatus());
        if (c.ok) {
            EXPECT_EQ(c.y, date.GetYear());
            EXPECT_EQ(c.d, date.GetDay());
            EXPECT_EQ(c.s, date.GetSecond());
        }
    }
}

TEST(COleDateTimeTest, KnownValuesAndParts)
{
    EXPECT_EQ(0.0, COleDateTime(1899, 12, 30, 0, 0, 0).m_dt);
    EXPECT_EQ(2.0, COleDateTime(1900, 1, 1, 0, 0, 0).m_dt);
    EXPECT_EQ(44190.9375, COleDateTime(2020, 12, 25, 22, 30, 0).m_dt);
    EXPECT_EQ(0.75, COleDateTime(1899, 12, 30, 18, 0, 0).m_dt);
    EXPECT_EQ(0.5, [] {
        COleDateTime t;
        t.SetTime(12, 0, 0);
        return t.m_dt;
    }());

    COleDateTime christmas(2020, 12, 25, 22, 30, 0);
    EXPECT_EQ(6, christmas.GetDayOfWeek());  // Friday
    EXPECT_EQ(360, christmas.GetDayOfYear());
    EXPECT_EQ(366, COleDateTime(2020, 12, 31, 0, 0, 0).GetDayOfYear());
    EXPECT_EQ(7, COleDateTime(0.0).GetDayOfWeek());  // the base date was a Saturday
    EXPECT_EQ(1, COleDateTime(1.0).GetDayOfWeek());

    SYSTEMTIME st = {};
    ASSERT_TRUE(christmas.GetAsSystemTime(st));
    EXPECT_EQ(5, st.wDayOfWeek);
    EXPECT_EQ(30, st.wMinute);
    EXPECT_TRUE(COleDateTime(st) == christmas);

    // Parts are rounded to the nearest second, carrying into the next day.
    COleDateTime almostMidnight(44190.0 + 86399.6 / 86400.0);
    EXPECT_EQ(26, almostMidnight.GetDay());
    EXPECT_EQ(0, almostMidnight.GetHour());
    EXPECT_EQ(0, almostMidnight.GetSecond());
}

TEST(COleDateTimeTest, NegativeDates)
{
    COleDateTime noon(1899, 12, 29, 12, 0, 0);
    EXPECT_EQ(-1.5, noon.m_dt);
    EXPECT_EQ(-1.25, COleDateTime(1899, 12, 29, 6, 0, 0).m_dt);
    EXPECT_EQ(-2.75, COleDateTime(1899, 12, 28, 18, 0, 0).m_dt);

    COleDateTime evening(-1.75);
    EXPECT_EQ(1899, evening.GetYear());
    EXPECT_EQ(29, evening.GetDay());
    EXPECT_EQ(18, evening.GetHour());
    EXPECT_EQ(6, evening.GetDayOfWeek());  // Friday

    // Time order, not the order of the encoded numbers.
    COleDateTime morning(-1.25);
    EXPECT_TRUE(morning < evening);
    EXPECT_TRUE(evening > morning);
    EXPECT_DOUBLE_EQ(0.5, (evening - morning).m_span);
    EXPECT_DOUBLE_EQ(0.5, (COleDateTime(0.25) - evening).m_span);
    EXPECT_TRUE(COleDateTime(-0.25) == COleDateTime(0.25));  // both are the base day 06:00

    EXPECT_EQ(0.25, (evening + COleDateTimeSpan(0, 12, 0, 0)).m_dt);
    EXPECT_EQ(-1.25, (COleDateTime(0.25) - COleDateTimeSpan(1.0)).m_dt);
    EXPECT_EQ(-2.5, (COleDateTime(0.5) - COleDateTimeSpan(2.0)).m_dt);
    COleDateTime walk(1.5);
    walk -= COleDateTimeSpan(3.0);  // 1.5 days before the base: 28 December at noon
    EXPECT_EQ(-2.5, walk.m_dt);
    walk += COleDateTimeSpan(0, 6, 0, 0);
    EXPECT_EQ(-2.75, walk.m_dt);

    EXPECT_STREQ("12/29/1899 12:00:00 PM", noon.Format(0, kEnglishUS));
    COleDateTime parsed;
    ASSERT_TRUE(parsed.ParseDateTime("12/29/1899 6:00:00 AM", 0, kEnglishUS));
    EXPECT_EQ(-1.25, parsed.m_dt);
    EXPECT_STREQ("1850-07-04 09:15:00", COleDateTime(1850, 7, 4, 9, 15, 0).Format("%Y-%m-%d %H:%M:%S"));
}

TEST(COleDateTimeTest, SystemAndFileTimes)
{
    // time_t and FILETIME are UTC instants shown as local time; both must agree with the
    // local clock.
    COleDateTime now = COleDateTime::GetCurrentTime();
    COleDateTime fromTimeT(time(nullptr));
    ASSERT_EQ(COleDateTime::valid, fromTimeT.GetStatus());
    EXPECT_LT(fabs((fromTimeT - now).GetTotalSeconds()), 5.0);

    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    COleDateTime fromFileTime(ft);
    EXPECT_LT(fabs((fromFileTime - now).GetTotalSeconds()), 5.0);

    SYSTEMTIME st = { 2024, 2, 0, 29, 13, 14, 15, 999 };
    COleDateTime fromSystemTime(st);
    EXPECT_EQ(29, fromSystemTime.GetDay());
    EXPECT_EQ(15, fromSystemTime.GetSecond());
    st.wDay = 30;
    EXPECT_EQ(COleDateTime::invalid, COleDateTime(st).GetStatus());
}

TEST(COleDateTimeSpanTest, Parts)
{
    COleDateTimeSpan span(1, 2, 3, 4);
    EXPECT_EQ(1, span.GetDays());
    EXPECT_EQ(2, span.GetHours());
    EXPECT_EQ(3, span.GetMinutes());
    EXPECT_EQ(4, span.GetSeconds());
    EXPECT_EQ(26.0, span.GetTotalHours());
    EXPECT_EQ(93784.0, span.GetTotalSeconds());

    COleDateTimeSpan negative = -span;
    EXPECT_EQ(-1, negative.GetDays());
    EXPECT_EQ(-2, negative.GetHours());
    EXPECT_EQ(-4, negative.GetSeconds());
    EXPECT_EQ(-1563.0, negative.GetTotalMinutes());

    // Parts do not suffer from the binary fraction: 0.1 days is exactly 2:24:00.
    COleDateTimeSpan tenth(0.1);
    EXPECT_EQ(2, tenth.GetHours());
    EXPECT_EQ(24, tenth.GetMinutes());
    EXPECT_EQ(0, tenth.GetSeconds());

    EXPECT_TRUE(span - span == COleDateTimeSpan());
    EXPECT_TRUE(negative < span);
    COleDateTimeSpan sum = span;
    sum += COleDateTimeSpan(0, 23, 0, 0);
    EXPECT_EQ(2, sum.GetDays());
    EXPECT_EQ(COleDateTimeSpan::invalid, COleDateTimeSpan(std::numeric_limits<double>::quiet_NaN()).GetStatus());
}

}  // namespace
