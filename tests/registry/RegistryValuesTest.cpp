// QELRegistry: typed values, checked byte for byte in the registry itself and
// through the platform's reg.exe.
#include "ScratchKey.h"
#include "CodePagePrefix.h"
#include <cmath>
#include <cstring>

namespace {

class RegistryValuesTest : public CurrentKeyTest
{
protected:
    template <class T>
    static std::pair<DWORD, std::vector<BYTE>> Binary(const T& value)
    {
        return { REG_BINARY, BytesOf(&value, sizeof(value)) };
    }
};

TEST_F(RegistryValuesTest, StoredFormatsByteForByte)
{
    ASSERT_EQ(1, m_reg.WriteInt("Int", -2));
    ASSERT_EQ(1, m_reg.WriteBool("Bool", 5));
    ASSERT_EQ(1, m_reg.WriteColor("Color", RGB(0x12, 0x34, 0x56)));
    ASSERT_EQ(1, m_reg.WriteDword("Dword", 0xFFFFFFF0ul));
    ASSERT_EQ(1, m_reg.WriteFloat("Float", 1.5));
    ASSERT_EQ(1, m_reg.WriteString("String", "C:\\Data\\report.txt"));
    CPoint pt(-3, 70000);
    CSize sz(640, -480);
    CRect rc(1, -2, 300, 400);
    ASSERT_EQ(1, m_reg.WritePoint("Point", &pt));
    ASSERT_EQ(1, m_reg.WriteSize("Size", &sz));
    ASSERT_EQ(1, m_reg.WriteRect("Rect", &rc));

    const BYTE intBytes[] = { 0xFE, 0xFF, 0xFF, 0xFF };
    EXPECT_EQ(Binary(intBytes), Stored("Int"));
    const BYTE boolBytes[] = { 5, 0, 0, 0 };
    EXPECT_EQ(Binary(boolBytes), Stored("Bool"));
    const BYTE colorBytes[] = { 0x12, 0x34, 0x56, 0x00 };
    EXPECT_EQ(Binary(colorBytes), Stored("Color"));
    // Binary data, not REG_DWORD.
    const BYTE dwordBytes[] = { 0xF0, 0xFF, 0xFF, 0xFF };
    EXPECT_EQ(Binary(dwordBytes), Stored("Dword"));
    const BYTE floatBytes[] = { 0, 0, 0, 0, 0, 0, 0xF8, 0x3F };
    EXPECT_EQ(Binary(floatBytes), Stored("Float"));
    const char text[] = "C:\\Data\\report.txt";
    EXPECT_EQ(std::make_pair(DWORD(REG_SZ), BytesOf(text, sizeof(text))), Stored("String"));
    const BYTE pointBytes[] = { 0xFD, 0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00 };
    EXPECT_EQ(Binary(pointBytes), Stored("Point"));
    const BYTE sizeBytes[] = { 0x80, 0x02, 0, 0, 0x20, 0xFE, 0xFF, 0xFF };
    EXPECT_EQ(Binary(sizeBytes), Stored("Size"));
    const BYTE rectBytes[] = { 1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0x2C, 1, 0, 0, 0x90, 1, 0, 0 };
    EXPECT_EQ(Binary(rectBytes), Stored("Rect"));

    EXPECT_EQ(-2, m_reg.ReadInt("Int", 0));
    EXPECT_EQ(5, m_reg.ReadBool("Bool", 0));
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), m_reg.ReadColor("Color", 0));
    EXPECT_EQ(0xFFFFFFF0ul, m_reg.ReadDword("Dword", 0));
    EXPECT_EQ(1.5, m_reg.ReadFloat("Float", 0));
    EXPECT_STREQ("C:\\Data\\report.txt", m_reg.ReadString("String", ""));
    CPoint ptBack;
    CSize szBack;
    CRect rcBack;
    ASSERT_EQ(1, m_reg.ReadPoint("Point", &ptBack));
    ASSERT_EQ(1, m_reg.ReadSize("Size", &szBack));
    ASSERT_EQ(1, m_reg.ReadRect("Rect", &rcBack));
    EXPECT_EQ(pt, ptBack);
    EXPECT_EQ(sz, szBack);
    EXPECT_EQ(rc, rcBack);
}

TEST_F(RegistryValuesTest, RegExeReadsTheSameFormats)
{
    CRect rc(10, 20, 30, 40);
    ASSERT_EQ(1, m_reg.WriteInt("Retries", 258));
    ASSERT_EQ(1, m_reg.WriteFloat("Zoom", 2.0));
    ASSERT_EQ(1, m_reg.WriteString("Owner", "Ada Lovelace"));
    ASSERT_EQ(1, m_reg.WriteRect("Margins", &rc));
    ASSERT_EQ(1, m_reg.WriteDateTime("Stamp", COleDateTime(1.5)));
    ASSERT_EQ(1, m_reg.WriteString("", "default text"));

    EXPECT_EQ("REG_BINARY 02010000", RegExeQuery(Path(), "Retries"));
    EXPECT_EQ("REG_BINARY 0000000000000040", RegExeQuery(Path(), "Zoom"));
    EXPECT_EQ("REG_SZ Ada Lovelace", RegExeQuery(Path(), "Owner"));
    EXPECT_EQ("REG_BINARY 0A000000140000001E00000028000000", RegExeQuery(Path(), "Margins"));
    EXPECT_EQ("REG_BINARY 000000000000F83F00000000", RegExeQuery(Path(), "Stamp"));

    // And the other way: what reg.exe stores, the class reads.
    char szSystem[MAX_PATH] = "";
    ::GetSystemDirectoryA(szSystem, MAX_PATH);
    CString strCommand;
    strCommand.Format("\"%s\\reg.exe\" add \"HKCU\\%s\" /v Added /t REG_BINARY /d 0500000007000000 /f", szSystem,
                      (LPCSTR)Path());
    STARTUPINFOA si = { sizeof(si) };
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(::CreateProcessA(nullptr, strCommand.GetBuffer(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                                 nullptr, &si, &pi));
    strCommand.ReleaseBuffer();
    ::WaitForSingleObject(pi.hProcess, 10000);
    ::CloseHandle(pi.hProcess);
    ::CloseHandle(pi.hThread);
    CPoint pt;
    ASSERT_EQ(1, m_reg.ReadPoint("Added", &pt));
    EXPECT_EQ(CPoint(5, 7), pt);
}

TEST_F(RegistryValuesTest, TypesStoredAlikeReadThroughOneAnother)
{
    ASSERT_EQ(1, m_reg.WriteInt("Shared", -5));
    EXPECT_EQ(0xFFFFFFFBul, m_reg.ReadColor("Shared", 0));
    EXPECT_EQ(0xFFFFFFFBul, m_reg.ReadDword("Shared", 0));
    EXPECT_EQ(-5, m_reg.ReadBool("Shared", 0));

    ASSERT_EQ(1, m_reg.WriteColor("Shared", RGB(255, 128, 0)));
    EXPECT_EQ((int)RGB(255, 128, 0), m_reg.ReadInt("Shared", 0));
    ASSERT_EQ(1, m_reg.WriteDword("Shared", 0xFFFFFFFFul));
    EXPECT_EQ(-1, m_reg.ReadInt("Shared", 0));

    CPoint pt(12, -34);
    ASSERT_EQ(1, m_reg.WritePoint("Pair", &pt));
    CSize sz(1, 1);
    ASSERT_EQ(1, m_reg.ReadSize("Pair", &sz));
    EXPECT_EQ(CSize(12, -34), sz);
    ASSERT_EQ(1, m_reg.WriteSize("Pair", &sz));
    CPoint back;
    ASSERT_EQ(1, m_reg.ReadPoint("Pair", &back));
    EXPECT_EQ(pt, back);

    // The stored type is not examined: a REG_DWORD of four bytes reads as an integer,
    // and so does a four-byte text.
    RawSetInt(Path(), "Native", REG_DWORD, 0x01020304);
    EXPECT_EQ(0x01020304, m_reg.ReadInt("Native", 0));
    RawSet(Path(), "Text4", REG_SZ, "abc", 4);
    EXPECT_EQ(0x00636261, m_reg.ReadInt("Text4", 0));
}

TEST_F(RegistryValuesTest, ScalarReadsGiveTheDefaultForWhatIsNotTheirSize)
{
    RawSet(Path(), "Short", REG_BINARY, "\x01\x02\x03", 3);
    RawSet(Path(), "Long", REG_BINARY, "\x01\x02\x03\x04\x05\x06\x07\x08", 8);
    RawSet(Path(), "Text", REG_SZ, "long text", 10);
    RawSet(Path(), "Empty", REG_BINARY, "", 0);

    for (LPCSTR name : { "Short", "Long", "Text", "Empty", "Missing" }) {
        EXPECT_EQ(77, m_reg.ReadInt(name, 77)) << name;
        EXPECT_EQ(-3, m_reg.ReadBool(name, -3)) << name;
        EXPECT_EQ(0xABCDEFul, m_reg.ReadColor(name, 0xABCDEF)) << name;
        EXPECT_EQ(9ul, m_reg.ReadDword(name, 9)) << name;
    }
    // The eight-byte value is a real; four bytes and text are not.
    double dLong;
    std::memcpy(&dLong, "\x01\x02\x03\x04\x05\x06\x07\x08", 8);
    EXPECT_EQ(dLong, m_reg.ReadFloat("Long", 2.5));
    ASSERT_EQ(1, m_reg.WriteInt("Four", 1));
    for (LPCSTR name : { "Four", "Text", "Empty", "Missing" })
        EXPECT_EQ(2.5, m_reg.ReadFloat(name, 2.5)) << name;
}

TEST_F(RegistryValuesTest, StructureReadsLeaveTheCallersObjectOnFailure)
{
    CRect rc(1, 2, 3, 4);
    EXPECT_EQ(0, m_reg.ReadRect("Missing", &rc));
    EXPECT_EQ(CRect(1, 2, 3, 4), rc);
    EXPECT_EQ(0, m_reg.ReadRect("Missing", nullptr));

    // Larger than the structure: refused, the structure untouched.
    CRect big(5, 6, 7, 8);
    ASSERT_EQ(1, m_reg.WriteRect("Big", &big));
    CPoint pt(9, 9);
    EXPECT_EQ(0, m_reg.ReadPoint("Big", &pt));
    EXPECT_EQ(CPoint(9, 9), pt);
    CSize sz(8, 8);
    EXPECT_EQ(0, m_reg.ReadSize("Big", &sz));
    EXPECT_EQ(CSize(8, 8), sz);

    // Shorter: the stored bytes only; the rest keeps the caller's values.
    RawSet(Path(), "Six", REG_BINARY, "\x10\x00\x00\x00\x20\x00", 6);
    CPoint partial(0x11111111, 0x22222222);
    ASSERT_EQ(1, m_reg.ReadPoint("Six", &partial));
    EXPECT_EQ(0x10, partial.x);
    EXPECT_EQ(0x22220020, partial.y);
    CRect twelve(1, 1, 1, 99);
    RawSet(Path(), "Twelve", REG_BINARY, "\x05\0\0\0\x06\0\0\0\x07\0\0\0", 12);
    ASSERT_EQ(1, m_reg.ReadRect("Twelve", &twelve));
    EXPECT_EQ(CRect(5, 6, 7, 99), twelve);
}

TEST_F(RegistryValuesTest, StringsAndTheirRefusals)
{
    ASSERT_EQ(1, m_reg.WriteString("Empty", ""));
    EXPECT_EQ(std::make_pair(DWORD(REG_SZ), std::vector<BYTE>(1, 0)), Stored("Empty"));
    EXPECT_STREQ("", m_reg.ReadString("Empty", "default"));

    // Expandable text comes back as stored, references and all.
    RawSet(Path(), "Expand", REG_EXPAND_SZ, "%TEMP%\\cache", 13);
    EXPECT_STREQ("%TEMP%\\cache", m_reg.ReadString("Expand", "default"));
    // Text ends at its first NUL.
    RawSet(Path(), "Embedded", REG_SZ, "first\0second", 13);
    EXPECT_STREQ("first", m_reg.ReadString("Embedded", "default"));

    // Everything that is not text gives the default, the default value included.
    ASSERT_EQ(1, m_reg.WriteInt("Binary", 0x41414141));
    RawSet(Path(), "Multi", REG_MULTI_SZ, "one\0two\0", 9);
    RawSetInt(Path(), "Dword", REG_DWORD, 0x41);
    for (LPCSTR name : { "Binary", "Multi", "Dword" }) {
        EXPECT_STREQ("default", m_reg.ReadString(name, "default")) << name;
        EXPECT_EQ(0, m_reg.Status()) << name;
    }

    // Missing: the default, and the reason kept.
    EXPECT_STREQ("default", m_reg.ReadString("Missing", "default"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, m_reg.Status());

    ASSERT_EQ(1, m_reg.WriteString("", "unnamed"));
    EXPECT_STREQ("unnamed", m_reg.ReadString("", "default"));
    EXPECT_EQ(0, m_reg.Status());
}

TEST_F(RegistryValuesTest, DatesKeepTheirStatus)
{
    COleDateTime dtMeeting(2024, 3, 15, 14, 30, 0);
    ASSERT_EQ(1, m_reg.WriteDateTime("Meeting", dtMeeting));
    BYTE expected[12];
    DATE dt = dtMeeting.m_dt;
    std::memcpy(expected, &dt, 8);
    std::memset(expected + 8, 0, 4);
    EXPECT_EQ(Binary(expected), Stored("Meeting"));

    COleDateTime dtFallback(2000, 1, 1, 0, 0, 0);
    COleDateTime dtBack = m_reg.ReadDateTime("Meeting", dtFallback);
    EXPECT_EQ(dtMeeting.m_dt, dtBack.m_dt);
    EXPECT_EQ(COleDateTime::valid, dtBack.GetStatus());
    EXPECT_EQ(15, dtBack.GetDay());

    COleDateTime dtInvalid(123.25);
    dtInvalid.SetStatus(COleDateTime::invalid);
    COleDateTime dtNull;
    dtNull.m_dt = 0;
    dtNull.SetStatus(COleDateTime::null);
    for (const COleDateTime& date : { dtInvalid, dtNull }) {
        ASSERT_EQ(1, m_reg.WriteDateTime("Odd", date));
        std::vector<BYTE> bytes = Stored("Odd").second;
        ASSERT_EQ(12u, bytes.size());
        EXPECT_EQ((BYTE)date.GetStatus(), bytes[8]);
        COleDateTime back = m_reg.ReadDateTime("Odd", dtFallback);
        EXPECT_EQ(date.GetStatus(), back.GetStatus());
        EXPECT_EQ(date.m_dt, back.m_dt);
    }

    // Twelve bytes written by anything else read the same way.
    BYTE foreign[12];
    double day = 45000.5;
    std::memcpy(foreign, &day, 8);
    const LONG nNull = 2;
    std::memcpy(foreign + 8, &nNull, 4);
    RawSet(Path(), "Foreign", REG_BINARY, foreign, 12);
    dtBack = m_reg.ReadDateTime("Foreign", dtFallback);
    EXPECT_EQ(45000.5, dtBack.m_dt);
    EXPECT_EQ(COleDateTime::null, dtBack.GetStatus());

    // A real alone reads as a valid date (the status bytes missing are zero).
    ASSERT_EQ(1, m_reg.WriteFloat("Real", 45000.25));
    dtBack = m_reg.ReadDateTime("Real", dtFallback);
    EXPECT_EQ(45000.25, dtBack.m_dt);
    EXPECT_EQ(COleDateTime::valid, dtBack.GetStatus());

    // A status no date has reads as invalid rather than as an unnamed status.
    const LONG nStrange = 7;
    std::memcpy(foreign + 8, &nStrange, 4);
    RawSet(Path(), "Strange", REG_BINARY, foreign, 12);
    EXPECT_EQ(COleDateTime::invalid, m_reg.ReadDateTime("Strange", dtFallback).GetStatus());

    // Larger than a date, or missing: the default.
    RawSet(Path(), "Long", REG_BINARY, "0123456789abc", 13);
    for (LPCSTR name : { "Long", "Missing" }) {
        dtBack = m_reg.ReadDateTime(name, dtFallback);
        EXPECT_EQ(dtFallback.m_dt, dtBack.m_dt) << name;
        EXPECT_EQ(COleDateTime::valid, dtBack.GetStatus()) << name;
    }
}

LOGFONTA SampleLogFont()
{
    LOGFONTA lf = {};
    lf.lfHeight = -19;
    lf.lfWeight = FW_BOLD;
    lf.lfItalic = TRUE;
    lf.lfUnderline = TRUE;
    lf.lfEscapement = 450;
    lf.lfOrientation = 450;
    lf.lfCharSet = ANSI_CHARSET;
    lf.lfQuality = ANTIALIASED_QUALITY;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    std::strcpy(lf.lfFaceName, "Tahoma");
    return lf;
}

// The record with nothing behind the face name's terminator, as it is stored.
LOGFONTA Normalized(LOGFONTA lf)
{
    size_t nName = strnlen(lf.lfFaceName, LF_FACESIZE);
    std::memset(lf.lfFaceName + nName, 0, LF_FACESIZE - nName);
    return lf;
}

TEST_F(RegistryValuesTest, FontsRoundTripThroughCreateFontIndirect)
{
    LOGFONTA lf = SampleLogFont();
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    ASSERT_EQ(1, m_reg.WriteFont("Editor", &font));

    LOGFONTA lfFont;
    ASSERT_EQ((int)sizeof(lfFont), ::GetObjectA(font, sizeof(lfFont), &lfFont));
    EXPECT_EQ(Binary(Normalized(lfFont)), Stored("Editor"));
    EXPECT_EQ(60u, Stored("Editor").second.size());

    // Reading replaces the font object's font with a new one made from the record.
    CFont target;
    target.CreateStockObject(SYSTEM_FONT);
    ASSERT_EQ(1, m_reg.ReadFont("Editor", &target));
    ASSERT_NE(nullptr, target.GetSafeHandle());
    LOGFONTA lfBack;
    ASSERT_EQ((int)sizeof(lfBack), ::GetObjectA(target, sizeof(lfBack), &lfBack));
    lfFont = Normalized(lfFont);
    lfBack = Normalized(lfBack);
    EXPECT_EQ(BytesOf(&lfFont, sizeof(lfFont)), BytesOf(&lfBack, sizeof(lfBack)));
    EXPECT_STREQ("Tahoma", lfBack.lfFaceName);

    // Into an empty font object as well.
    CFont empty;
    ASSERT_EQ(1, m_reg.ReadFont("Editor", &empty));
    EXPECT_NE(nullptr, empty.GetSafeHandle());
}

TEST_F(RegistryValuesTest, FontReadsAndWritesThatFail)
{
    CFont font;
    LOGFONTA lf = SampleLogFont();
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    HGDIOBJ hBefore = font.GetSafeHandle();

    RawSet(Path(), "Short", REG_BINARY, &lf, sizeof(lf) - 1);
    BYTE longer[sizeof(lf) + 4] = {};
    std::memcpy(longer, &lf, sizeof(lf));
    RawSet(Path(), "Long", REG_BINARY, longer, sizeof(longer));
    for (LPCSTR name : { "Short", "Long", "Missing" }) {
        EXPECT_EQ(0, m_reg.ReadFont(name, &font)) << name;
        EXPECT_EQ(hBefore, font.GetSafeHandle()) << name;
    }
    EXPECT_EQ(0, m_reg.ReadFont("Missing", nullptr));

    // Nothing to store for an empty font object or none at all.
    CFont empty;
    EXPECT_EQ(0, m_reg.WriteFont("Nothing", &empty));
    EXPECT_EQ(0, m_reg.WriteFont("Nothing", nullptr));
    EXPECT_EQ(0, m_reg.ValueExists("Nothing"));
}

TEST_F(RegistryValuesTest, FontFaceNamesWithoutTerminatorStayInsideTheRecord)
{
    LOGFONTA lf = SampleLogFont();
    std::memset(lf.lfFaceName, 'W', sizeof(lf.lfFaceName));
    RawSet(Path(), "Unterminated", REG_BINARY, &lf, sizeof(lf));

    CFont font;
    ASSERT_EQ(1, m_reg.ReadFont("Unterminated", &font));
    LOGFONTA lfBack;
    ASSERT_EQ((int)sizeof(lfBack), ::GetObjectA(font, sizeof(lfBack), &lfBack));
    EXPECT_EQ(std::string(31, 'W'), std::string(lfBack.lfFaceName, strnlen(lfBack.lfFaceName, 32)));
    EXPECT_EQ(FW_BOLD, lfBack.lfWeight);
}

TEST_F(RegistryValuesTest, WritesToAMissingKeyCreateNothing)
{
    ASSERT_EQ(1, m_reg.SetKey(Path("Gone"), TRUE));
    ASSERT_EQ(ERROR_SUCCESS, ::RegDeleteKeyA(HKEY_CURRENT_USER, Path("Gone")));

    CFont font;
    font.CreateStockObject(DEFAULT_GUI_FONT);
    CPoint pt(1, 2);
    CSize sz(3, 4);
    CRect rc(5, 6, 7, 8);
    EXPECT_EQ(0, m_reg.WriteInt("Int", 1));
    EXPECT_EQ(0, m_reg.WriteBool("Bool", 1));
    EXPECT_EQ(0, m_reg.WriteColor("Color", 1));
    EXPECT_EQ(0, m_reg.WriteDword("Dword", 1));
    EXPECT_EQ(0, m_reg.WriteFloat("Float", 1));
    EXPECT_EQ(0, m_reg.WriteString("String", "x"));
    EXPECT_EQ(0, m_reg.WriteDateTime("Date", COleDateTime(1.0)));
    EXPECT_EQ(0, m_reg.WriteFont("Font", &font));
    EXPECT_EQ(0, m_reg.WritePoint("Point", &pt));
    EXPECT_EQ(0, m_reg.WriteSize("Size", &sz));
    EXPECT_EQ(0, m_reg.WriteRect("Rect", &rc));
    EXPECT_FALSE(RawKeyExists(Path("Gone")));

    // Reads there give defaults and leave structures alone.
    EXPECT_EQ(3, m_reg.ReadInt("Int", 3));
    EXPECT_EQ(0.5, m_reg.ReadFloat("Float", 0.5));
    EXPECT_STREQ("d", m_reg.ReadString("String", "d"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, m_reg.Status());
    EXPECT_EQ(0, m_reg.ReadRect("Rect", &rc));
    EXPECT_EQ(CRect(5, 6, 7, 8), rc);
    EXPECT_EQ(0, m_reg.WritePoint("Point", nullptr));
}

}  // namespace

namespace {
TEST_F(RegistryValuesTest, DaysNoDateCanNameReadAsTheDefault)
{
    // 1e300 marked valid used to come back as a "valid" date, and a NaN day
    // marked invalid as a date holding NaN.
    const COleDateTime dtFallback(2001, 2, 3, 4, 5, 6);
    struct Stored
    {
        double day;
        LONG status;
    } cases[] = { { 1e300, 0 },     { std::nan(""), 1 }, { std::nan(""), 0 }, { HUGE_VAL, 0 },
                  { -HUGE_VAL, 1 }, { 2958466.0, 0 },    { -657435.5, 0 },    { -1e300, 1 } };
    for (const Stored& c : cases) {
        BYTE data[12];
        std::memcpy(data, &c.day, 8);
        std::memcpy(data + 8, &c.status, 4);
        RawSet(Path(), "Day", REG_BINARY, data, 12);
        COleDateTime dtBack = m_reg.ReadDateTime("Day", dtFallback);
        EXPECT_EQ(dtFallback.m_dt, dtBack.m_dt) << c.day << " status " << c.status;
        EXPECT_EQ(COleDateTime::valid, dtBack.GetStatus()) << c.day;
        // The stored bytes are not touched by reading them.
        EXPECT_EQ(BytesOf(data, 12), this->Stored("Day").second);
    }
    // The last moment of 9999 and the first day of 100 are still dates.
    for (double day : { 2958465.99, -657434.0 }) {
        ASSERT_EQ(1, m_reg.WriteDateTime("Day", COleDateTime(day)));
        EXPECT_EQ(day, m_reg.ReadDateTime("Day", dtFallback).m_dt);
    }
}
}

// Shift-JIS (RegistryTestsJapanese): key paths, value names and strings whose trail bytes are '\\'
// (表 95 5C, ソ 83 5C) and letters (ア 83 41) go to the registry and come back byte for byte, and
// the limits count characters: a trail byte '\\' is no separator, and a name of 150 two-byte
// characters (300 bytes) is within the platform's 255 characters. (Wine's 8-bit registry calls
// take paths of up to 260 characters in all, so the name is not made longer here.)
TEST_F(RegistryValuesTest, ShiftJisNamesAndTextsRoundTrip)
{
    SKIP_UNLESS_IN_CODE_PAGE(932u);
    const CString strSub = Path("\x83\x5C\\\x95\x5C\x83\x41");  // ソ\表ア
    ASSERT_EQ(1, m_reg.SetKey(strSub, TRUE));
    EXPECT_TRUE(RawKeyExists(Path("\x83\x5C")));
    const char* texts[] = { "\x95\x5C", "C:\\\x95\x5C\\\x83\x5C.txt", "\x83\x41\x83\x5C" };
    for (const char* text : texts) {
        ASSERT_EQ(1, m_reg.WriteString(text, text)) << text;
        EXPECT_STREQ(text, m_reg.ReadString(text, "default")) << text;
    }
    std::string name;
    for (int i = 0; i < 150; ++i)
        name += "\x95\x5C";
    EXPECT_EQ(1, m_reg.SetKey(strSub + "\\" + name.c_str(), TRUE));
    EXPECT_EQ(1, m_reg.WriteString(name.c_str(), name.c_str()));
    EXPECT_STREQ(name.c_str(), m_reg.ReadString(name.c_str(), "default"));
}
