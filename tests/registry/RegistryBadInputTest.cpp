// QELRegistry given bad input: roots that are not roots, empty, 1 MB and
// double-byte paths and names, null pointers, values of every wrong type and
// size. Each operation answers its documented failure value, and a sentinel
// value and the key's contents are exactly as they were afterwards.
#include "ScratchKey.h"
#include <cmath>
#include <cstring>
#include <functional>
#include <string>

namespace {

class RegistryBadInputTest : public CurrentKeyTest
{
protected:
    void SetUp() override
    {
        CurrentKeyTest::SetUp();
        RawSetInt(Path(), "Sentinel", REG_BINARY, 0x5EA1ED);
    }
    // Everything the key holds, as reg.exe would list it: names, types, bytes.
    std::vector<std::pair<std::string, std::pair<DWORD, std::vector<BYTE>>>> Contents()
    {
        std::vector<std::pair<std::string, std::pair<DWORD, std::vector<BYTE>>>> all;
        HKEY hKey = nullptr;
        EXPECT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, Path(), 0, KEY_READ, &hKey));
        for (DWORD i = 0;; ++i) {
            char szName[16384];
            DWORD nName = sizeof(szName), dwType = 0, nData = 0;
            if (::RegEnumValueA(hKey, i, szName, &nName, nullptr, &dwType, nullptr, &nData) != ERROR_SUCCESS)
                break;
            all.push_back({ szName, Stored(szName) });
        }
        ::RegCloseKey(hKey);
        return all;
    }
    // Runs each case, then checks that the sentinel and the rest of the key are untouched.
    void RunTable(const std::vector<std::pair<const char*, std::function<void()>>>& table)
    {
        for (const auto& c : table) {
            SCOPED_TRACE(c.first);
            auto before = Contents();
            c.second();
            EXPECT_EQ(before, Contents()) << "the key changed";
            EXPECT_EQ(0x5EA1ED, m_reg.ReadInt("Sentinel", 0));
            ++m_nCases;
        }
    }
    int m_nCases = 0;
};

const std::string kMegabyte(1 << 20, 'k');
const char kDoubleByte[] = "\x82\xa0\x82\xa2\\\x95\x5c";  // the second pair ends in a backslash byte

TEST_F(RegistryBadInputTest, RootsAndPaths)
{
    const CString strPath = m_reg.GetCurrentPath();
    RunTable({
        { "roots that are no predefined key",
          [&] {
              for (HKEY h : { (HKEY) nullptr, HKEY_CURRENT_CONFIG, HKEY_PERFORMANCE_DATA, (HKEY)(ULONG_PTR)0x12345678,
                              (HKEY)(LONG_PTR)-1 }) {
                  EXPECT_EQ(0, m_reg.SetRootKey(h));
                  EXPECT_EQ(HKEY_CURRENT_USER, m_reg.GetRootKey());
              }
          } },
        { "a 1 MB path is neither opened nor created",
          [&] {
              EXPECT_EQ(0, m_reg.SetKey(kMegabyte.c_str(), FALSE));
              EXPECT_EQ(0, m_reg.SetKey(kMegabyte.c_str(), TRUE));
              EXPECT_EQ(0, m_reg.CreateKey(kMegabyte.c_str()));
              EXPECT_EQ(0, m_reg.KeyExists(kMegabyte.c_str()));
              EXPECT_EQ(1, m_reg.DeleteKey(kMegabyte.c_str()));  // missing: nothing to delete
              EXPECT_STREQ(strPath, m_reg.GetCurrentPath());
          } },
        { "paths of backslashes only, and one past the scratch key that does not exist",
          [&] {
              for (const char* p : { "\\", "\\\\\\", "Software\\ZUZIVU70 Tests\\no such key\\deeper" }) {
                  EXPECT_EQ(0, m_reg.SetKey(p, FALSE)) << p;
                  EXPECT_STREQ(strPath, m_reg.GetCurrentPath());
              }
          } },
        { "an empty path never deletes the root", [&] { EXPECT_EQ(0, m_reg.DeleteKey("")); } },
        { "counts of a key that is gone are -1",
          [&] {
              QELRegistry other(m_reg);
              EXPECT_EQ(0, other.SetKey(Path("missing"), FALSE));
              other.ClearKey();
              other.SetRootKey(HKEY_CURRENT_USER);
              TestableRegistry gone(HKEY_CURRENT_USER);
              ASSERT_EQ(1, gone.SetKey(Path("gone"), TRUE));
              ASSERT_EQ(ERROR_SUCCESS, ::RegDeleteKeyA(HKEY_CURRENT_USER, Path("gone")));
              EXPECT_EQ(-1, gone.GetSubKeyCount());
              EXPECT_EQ(-1, gone.GetValueCount());
              EXPECT_EQ(0, gone.WriteInt("x", 1));
              EXPECT_EQ(7, gone.ReadInt("x", 7));
              EXPECT_STREQ("d", gone.ReadString("x", "d"));
              EXPECT_NE(0, gone.Status());
          } },
    });
    // Double-byte paths are the platform's to take as bytes; they come back whole.
    EXPECT_EQ(1, m_reg.SetKey(Path(kDoubleByte), TRUE));
    EXPECT_STREQ(Path(kDoubleByte), m_reg.GetCurrentPath());
    EXPECT_EQ(1, m_reg.WriteString("", kDoubleByte));
    EXPECT_STREQ(kDoubleByte, m_reg.ReadString("", ""));
    ::RegDeleteTreeA(HKEY_CURRENT_USER, Path(kDoubleByte));
    std::printf("bad inputs: QELRegistry keys    %d cases\n", m_nCases);
}

TEST_F(RegistryBadInputTest, NamesAndNullPointers)
{
    CPoint pt(11, 12);
    CSize sz(13, 14);
    CRect rc(1, 2, 3, 4);
    CFont* pNoFont = nullptr;
    CFont empty;
    RunTable({
        { "null structures are neither written nor read",
          [&] {
              EXPECT_EQ(0, m_reg.WritePoint("P", nullptr));
              EXPECT_EQ(0, m_reg.WriteSize("S", nullptr));
              EXPECT_EQ(0, m_reg.WriteRect("R", nullptr));
              EXPECT_EQ(0, m_reg.WriteFont("F", pNoFont));
              EXPECT_EQ(0, m_reg.WriteFont("F", &empty));
              EXPECT_EQ(0, m_reg.ReadPoint("Sentinel", nullptr));
              EXPECT_EQ(0, m_reg.ReadSize("Sentinel", nullptr));
              EXPECT_EQ(0, m_reg.ReadRect("Sentinel", nullptr));
              EXPECT_EQ(0, m_reg.ReadFont("Sentinel", nullptr));
          } },
        { "1 MB names: nothing stored, nothing read",
          [&] {
              CString strName(kMegabyte.c_str());
              EXPECT_EQ(0, m_reg.WriteInt(strName, 1));
              EXPECT_EQ(0, m_reg.WriteString(strName, "x"));
              EXPECT_EQ(0, m_reg.WritePoint(strName, &pt));
              EXPECT_EQ(5, m_reg.ReadInt(strName, 5));
              EXPECT_STREQ("d", m_reg.ReadString(strName, "d"));
              EXPECT_EQ(0, m_reg.ValueExists(strName));
              EXPECT_EQ((DWORD)REG_NONE, m_reg.GetDataType(strName));
              EXPECT_EQ(-1, m_reg.GetDataSize(strName));
              EXPECT_EQ(0, m_reg.DeleteValue(strName));
              m_reg.RenameValue(strName, "Other");
              m_reg.RenameValue("Sentinel", strName);
          } },
        { "missing values",
          [&] {
              EXPECT_EQ(0, m_reg.DeleteValue("missing"));
              EXPECT_EQ(-1, m_reg.GetDataSize("missing"));
              EXPECT_EQ((DWORD)REG_NONE, m_reg.GetDataType("missing"));
              EXPECT_NE(0, m_reg.Status());
              m_reg.RenameValue("missing", "other");
              CRect rcKeep = rc;
              EXPECT_EQ(0, m_reg.ReadRect("missing", &rcKeep));
              EXPECT_EQ(rc, rcKeep);
          } },
        { "renames onto itself, onto a name taken, and with case only changed",
          [&] {
              m_reg.RenameValue("Sentinel", "Sentinel");
              m_reg.RenameValue("Sentinel", "SENTINEL");
              RawSetInt(Path(), "Taken", REG_BINARY, 1);
              m_reg.RenameValue("Sentinel", "Taken");
              EXPECT_EQ(1, m_reg.ReadInt("Taken", 0));
              ::RegDeleteKeyValueA(HKEY_CURRENT_USER, Path(), "Taken");
          } },
    });
    // Empty and double-byte names are names like any other.
    for (const char* name : { "", kDoubleByte }) {
        EXPECT_EQ(1, m_reg.WriteRect(name, &rc));
        CRect back;
        EXPECT_EQ(1, m_reg.ReadRect(name, &back));
        EXPECT_EQ(rc, back);
        EXPECT_EQ(1, m_reg.DeleteValue(name));
    }
    std::printf("bad inputs: QELRegistry names   %d cases\n", m_nCases);
}

TEST_F(RegistryBadInputTest, ValuesOfTheWrongTypeAndSize)
{
    // Every size from 0 to 64 bytes, as binary and as a DWORD-typed value:
    // each read takes exactly what fits its format and answers its default otherwise.
    // One byte more than is ever stored: for text types the platform reads the byte after the
    // data (a NUL there counts as a terminator the caller forgot), so it must be ours, not NUL.
    std::vector<BYTE> bytes(65);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = (BYTE)(0xA0 + i);
    int nCases = 0;
    for (DWORD dwType : std::initializer_list<DWORD>{ REG_BINARY, REG_DWORD, REG_MULTI_SZ, REG_NONE, 0x1234u }) {
        for (DWORD n = 0; n <= 64; ++n) {
            SCOPED_TRACE(testing::Message() << "type " << dwType << ", " << n << " bytes");
            RawSet(Path(), "Odd", dwType, bytes.data(), n);
            const auto stored = Stored("Odd");
            int32_t n32 = 0;
            std::memcpy(&n32, bytes.data(), n < 4 ? n : 4);
            EXPECT_EQ(n == 4 ? n32 : -9, m_reg.ReadInt("Odd", -9));
            double d = 0;
            std::memcpy(&d, bytes.data(), 8);
            double dRead = m_reg.ReadFloat("Odd", -9.5);
            if (n == 8) {
                EXPECT_EQ(0, std::memcmp(&d, &dRead, 8));
            } else {
                EXPECT_EQ(-9.5, dRead);
            }
            // These bytes make a tiny day (0xA7A6... is about -1e-117), a date
            // for any size up to 12 (with an unknown status past 8 bytes:
            // invalid); more is no date, and the default.
            COleDateTime dtDefault(2000, 1, 1, 0, 0, 0);
            COleDateTime dtRead = m_reg.ReadDateTime("Odd", dtDefault);
            if (n > 12) {
                EXPECT_EQ(dtDefault.m_dt, dtRead.m_dt);
            } else {
                EXPECT_NE(dtDefault.m_dt, dtRead.m_dt);
                EXPECT_EQ(n > 8 ? COleDateTime::invalid : COleDateTime::valid, dtRead.GetStatus());
            }
            CPoint pt(-1, -2);
            EXPECT_EQ(n <= 8 ? 1 : 0, m_reg.ReadPoint("Odd", &pt));
            CRect rc(-1, -2, -3, -4);
            EXPECT_EQ(n <= 16 ? 1 : 0, m_reg.ReadRect("Odd", &rc));
            if (n > 16) {
                EXPECT_EQ(CRect(-1, -2, -3, -4), rc);
            }
            CFont font;
            font.CreateStockObject(DEFAULT_GUI_FONT);
            HGDIOBJ hBefore = font.GetSafeHandle();
            int nFont = m_reg.ReadFont("Odd", &font);
            EXPECT_EQ(n == 60 ? 1 : 0, nFont);
            if (nFont == 0) {
                EXPECT_EQ(hBefore, font.GetSafeHandle()) << "the caller's font was replaced";
            }
            EXPECT_STREQ("default", m_reg.ReadString("Odd", "default"));
            EXPECT_EQ((int)n, m_reg.GetDataSize("Odd"));
            EXPECT_EQ(stored, Stored("Odd")) << "a read changed the value";
            nCases += 9;
        }
    }
    // Texts: 1 MB, double-byte, one stored without its NUL, an expandable one.
    RawSet(Path(), "Big", REG_SZ, kMegabyte.c_str(), (DWORD)kMegabyte.size() + 1);
    EXPECT_EQ((int)kMegabyte.size(), m_reg.ReadString("Big", "").GetLength());
    EXPECT_EQ(1, m_reg.WriteString("Big", kMegabyte.c_str()));
    EXPECT_EQ((int)kMegabyte.size() + 1, m_reg.GetDataSize("Big"));
    RawSet(Path(), "Bare", REG_SZ, "abc", 3);
    EXPECT_STREQ("abc", m_reg.ReadString("Bare", ""));
    RawSet(Path(), "Expand", REG_EXPAND_SZ, "%PATH%", 7);
    EXPECT_STREQ("%PATH%", m_reg.ReadString("Expand", ""));
    RawSet(Path(), "Inner", REG_SZ, "ab\0cd", 6);
    EXPECT_STREQ("ab", m_reg.ReadString("Inner", ""));
    EXPECT_EQ(0x5EA1ED, m_reg.ReadInt("Sentinel", 0));
    std::printf("bad inputs: QELRegistry values  %d cases\n", nCases + 6);
}

}  // namespace
