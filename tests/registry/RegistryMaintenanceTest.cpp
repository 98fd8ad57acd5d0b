// QELRegistry: value queries, deletion and renaming; keys the caller may only
// read; text that changes while it is being read.
#include "ScratchKey.h"
#include <sddl.h>
#include <cstring>

namespace {

class RegistryMaintenanceTest : public CurrentKeyTest
{};

TEST_F(RegistryMaintenanceTest, ValueQueries)
{
    CRect rc(1, 2, 3, 4);
    CFont font;
    font.CreateStockObject(DEFAULT_GUI_FONT);
    ASSERT_EQ(1, m_reg.WriteInt("Int", 1));
    ASSERT_EQ(1, m_reg.WriteFloat("Float", 1));
    ASSERT_EQ(1, m_reg.WriteDateTime("Date", COleDateTime(2.0)));
    ASSERT_EQ(1, m_reg.WriteRect("Rect", &rc));
    ASSERT_EQ(1, m_reg.WriteFont("Font", &font));
    ASSERT_EQ(1, m_reg.WriteString("Text", "four"));
    RawSetInt(Path(), "Native", REG_DWORD, 7);
    RawSet(Path(), "Expand", REG_EXPAND_SZ, "%PATH%", 7);

    const struct
    {
        LPCSTR name;
        DWORD type;
        int size;
    } expected[] = { { "Int", REG_BINARY, 4 },   { "Float", REG_BINARY, 8 },    { "Date", REG_BINARY, 12 },
                     { "Rect", REG_BINARY, 16 }, { "Font", REG_BINARY, 60 },    { "Text", REG_SZ, 5 },
                     { "Native", REG_DWORD, 4 }, { "Expand", REG_EXPAND_SZ, 7 } };
    for (const auto& value : expected) {
        EXPECT_EQ(1, m_reg.ValueExists(value.name)) << value.name;
        EXPECT_EQ(value.type, m_reg.GetDataType(value.name)) << value.name;
        EXPECT_EQ(0, m_reg.Status()) << value.name;
        EXPECT_EQ(value.size, m_reg.GetDataSize(value.name)) << value.name;
    }
    EXPECT_EQ(8, m_reg.GetValueCount());

    EXPECT_EQ(0, m_reg.ValueExists("Missing"));
    EXPECT_EQ((DWORD)REG_NONE, m_reg.GetDataType("Missing"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, m_reg.Status());
    EXPECT_EQ(-1, m_reg.GetDataSize("Missing"));

    // The unnamed default value.
    EXPECT_EQ(0, m_reg.ValueExists(""));
    ASSERT_EQ(1, m_reg.WriteInt("", 3));
    EXPECT_EQ(1, m_reg.ValueExists(""));
    EXPECT_EQ((DWORD)REG_BINARY, m_reg.GetDataType(""));
    EXPECT_EQ(4, m_reg.GetDataSize(""));
}

TEST_F(RegistryMaintenanceTest, QueriesOfAMissingKey)
{
    ASSERT_EQ(1, m_reg.SetKey(Path("Gone"), TRUE));
    ASSERT_EQ(1, m_reg.WriteInt("Int", 1));
    ASSERT_EQ(ERROR_SUCCESS, ::RegDeleteTreeA(HKEY_CURRENT_USER, Path("Gone")));
    ::RegDeleteKeyA(HKEY_CURRENT_USER, Path("Gone"));

    EXPECT_EQ(0, m_reg.ValueExists("Int"));
    EXPECT_EQ((DWORD)REG_NONE, m_reg.GetDataType("Int"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, m_reg.Status());
    EXPECT_EQ(-1, m_reg.GetDataSize("Int"));
    EXPECT_EQ(0, m_reg.DeleteValue("Int"));
    m_reg.RenameValue("Int", "Other");
    EXPECT_FALSE(RawKeyExists(Path("Gone")));
}

TEST_F(RegistryMaintenanceTest, DeleteValue)
{
    ASSERT_EQ(1, m_reg.WriteInt("Volume", 70));
    ASSERT_EQ(1, m_reg.WriteInt("Balance", 0));
    EXPECT_EQ(1, m_reg.DeleteValue("Volume"));
    EXPECT_EQ(0xDEADu, Stored("Volume").first);
    EXPECT_EQ(0, m_reg.ReadInt("Balance", -1));
    EXPECT_EQ(0, m_reg.DeleteValue("Volume"));

    ASSERT_EQ(1, m_reg.WriteString("", "unnamed"));
    EXPECT_EQ(1, m_reg.DeleteValue(""));
    EXPECT_EQ(0, m_reg.ValueExists(""));
}

TEST_F(RegistryMaintenanceTest, RenameMovesDataAndType)
{
    const BYTE raw[] = { 0, 1, 2, 0xFF, 0, 9 };
    RawSet(Path(), "Blob", REG_BINARY, raw, sizeof(raw));
    RawSet(Path(), "List", REG_MULTI_SZ, "one\0two\0", 9);
    RawSetInt(Path(), "Native", REG_DWORD, 0xCAFE);
    ASSERT_EQ(1, m_reg.WriteString("Title", "Quarterly report"));

    for (LPCSTR name : { "Blob", "List", "Native", "Title" }) {
        auto before = Stored(name);
        CString strNew = CString(name) + " (renamed)";
        m_reg.RenameValue(name, strNew);
        EXPECT_EQ(before, Stored(strNew)) << name;
        EXPECT_EQ(0xDEADu, Stored(name).first) << name;
    }
    EXPECT_EQ(4, m_reg.GetValueCount());

    // The unnamed value can be renamed, and a value can become the unnamed one.
    ASSERT_EQ(1, m_reg.WriteInt("", 11));
    m_reg.RenameValue("", "Named");
    EXPECT_EQ(11, m_reg.ReadInt("Named", 0));
    EXPECT_EQ(0, m_reg.ValueExists(""));
    m_reg.RenameValue("Named", "");
    EXPECT_EQ(11, m_reg.ReadInt("", 0));
    EXPECT_EQ(0, m_reg.ValueExists("Named"));
}

TEST_F(RegistryMaintenanceTest, RenameNeverLosesData)
{
    ASSERT_EQ(1, m_reg.WriteInt("Width", 800));
    ASSERT_EQ(1, m_reg.WriteInt("Height", 600));

    // The new name is taken: both stay as they were.
    m_reg.RenameValue("Width", "Height");
    EXPECT_EQ(800, m_reg.ReadInt("Width", 0));
    EXPECT_EQ(600, m_reg.ReadInt("Height", 0));

    // Onto itself, in any case (names compare without case): still there.
    m_reg.RenameValue("Width", "Width");
    m_reg.RenameValue("Width", "WIDTH");
    EXPECT_EQ(800, m_reg.ReadInt("Width", 0));

    // The old value is missing: nothing appears.
    m_reg.RenameValue("Depth", "Length");
    EXPECT_EQ(0, m_reg.ValueExists("Length"));
    EXPECT_EQ(2, m_reg.GetValueCount());
}

// A key under HKEY_LOCAL_MACHINE that everybody may read and nobody may change,
// as an ordinary user sees machine settings. A handle opened before the
// restriction keeps the rights to undo it.
class ReadOnlyMachineKey
{
public:
    ReadOnlyMachineKey()
    {
        m_strPath.Format("Software\\ZUZIVU70 Tests\\ReadOnly-%lu", (unsigned long)::GetCurrentProcessId());
        if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, m_strPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_hKey,
                              nullptr) != ERROR_SUCCESS)
            m_hKey = nullptr;
    }
    ~ReadOnlyMachineKey()
    {
        if (m_hKey == nullptr)
            return;
        SetDacl("D:P(A;;KA;;;WD)");
        ::RegCloseKey(m_hKey);
        ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, m_strPath);
        ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\ZUZIVU70 Tests");
    }
    HKEY Key() const { return m_hKey; }
    LPCSTR Path() const { return m_strPath; }
    bool Restrict() { return SetDacl("D:P(A;;KR;;;WD)"); }

private:
    bool SetDacl(LPCSTR lpszSddl)
    {
        PSECURITY_DESCRIPTOR pSD = nullptr;
        if (!::ConvertStringSecurityDescriptorToSecurityDescriptorA(lpszSddl, SDDL_REVISION_1, &pSD, nullptr))
            return false;
        bool bSet = ::RegSetKeySecurity(m_hKey, DACL_SECURITY_INFORMATION, pSD) == ERROR_SUCCESS;
        ::LocalFree(pSD);
        return bSet;
    }

    CString m_strPath;
    HKEY m_hKey = nullptr;
};

TEST(RegistryReadOnlyTest, KeysTheCallerMayOnlyRead)
{
    ReadOnlyMachineKey key;
    if (key.Key() == nullptr)
        GTEST_SKIP() << "this user may not make keys under HKEY_LOCAL_MACHINE";
    const BYTE answer[] = { 42, 0, 0, 0 };
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetValueExA(key.Key(), "Answer", 0, REG_BINARY, answer, 4));
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetValueExA(key.Key(), "Vendor", 0, REG_SZ, (const BYTE*)"Contoso", 8));

    TestableRegistry reg(HKEY_LOCAL_MACHINE);
    ASSERT_EQ(1, reg.SetKey(key.Path()));
    ASSERT_TRUE(key.Restrict());
    HKEY hProbe = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.Path(), 0, KEY_ALL_ACCESS, &hProbe) == ERROR_SUCCESS) {
        ::RegCloseKey(hProbe);
        GTEST_SKIP() << "the platform does not enforce the key's access list";
    }

    // Everything that asks for full access sees no key.
    EXPECT_EQ(0, reg.KeyExists(key.Path()));
    EXPECT_EQ(-1, reg.GetSubKeyCount());
    EXPECT_EQ(-1, reg.GetValueCount());
    EXPECT_EQ(0, reg.ValueExists("Answer"));
    EXPECT_EQ(1, reg.DeleteKey(key.Path()));  // "missing", so nothing to delete
    EXPECT_EQ(0, reg.SetKey(key.Path()));
    EXPECT_EQ(ERROR_ACCESS_DENIED, reg.Status());
    EXPECT_STREQ(key.Path(), reg.GetCurrentPath());

    // Reading needs only read access.
    EXPECT_EQ(42, reg.ReadInt("Answer", -1));
    EXPECT_EQ(0x2Aul, reg.ReadColor("Answer", 0));
    EXPECT_STREQ("Contoso", reg.ReadString("Vendor", ""));
    EXPECT_EQ((DWORD)REG_BINARY, reg.GetDataType("Answer"));
    EXPECT_EQ(4, reg.GetDataSize("Answer"));

    // Changing does not.
    EXPECT_EQ(0, reg.WriteInt("Answer", 7));
    EXPECT_EQ(0, reg.DeleteValue("Answer"));
    reg.RenameValue("Answer", "Question");
    EXPECT_EQ(42, reg.ReadInt("Answer", -1));
    EXPECT_EQ((DWORD)REG_NONE, reg.GetDataType("Question"));
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.Path(), 0, KEY_READ, &hProbe));
    ::RegCloseKey(hProbe);
}

// Rewrites one value between a short and a long text as fast as it can, until told to stop.
struct TextChanger
{
    CString strPath;
    volatile LONG bStop = 0;
    LONG nWrites = 0;

    static DWORD WINAPI Run(LPVOID pParam)
    {
        auto* self = static_cast<TextChanger*>(pParam);
        HKEY hKey = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, self->strPath, 0, KEY_SET_VALUE, &hKey) != ERROR_SUCCESS)
            return 1;
        CString strLong('L', 300);
        while (!self->bStop) {
            LPCSTR psz = (self->nWrites & 1) ? "short" : strLong.GetString();
            ::RegSetValueExA(hKey, "Changing", 0, REG_SZ, (const BYTE*)psz, (DWORD)std::strlen(psz) + 1);
            ::InterlockedIncrement(&self->nWrites);
        }
        ::RegCloseKey(hKey);
        return 0;
    }
};

TEST_F(RegistryMaintenanceTest, TextChangingWhileReadIsWholeOrTheDefault)
{
    ASSERT_EQ(1, m_reg.WriteString("Changing", "short"));
    TextChanger changer;
    changer.strPath = Path();
    HANDLE hThread = ::CreateThread(nullptr, 0, TextChanger::Run, &changer, 0, nullptr);
    ASSERT_NE(nullptr, hThread);

    const CString strLong('L', 300);
    int nShort = 0, nLong = 0, nDefault = 0, nOther = 0;
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < 1500 && (nShort == 0 || nLong == 0 || nShort + nLong < 400)) {
        CString strRead = m_reg.ReadString("Changing", "default");
        if (strRead == "short")
            ++nShort;
        else if (strRead == strLong)
            ++nLong;
        else if (strRead == "default")
            ++nDefault;
        else
            ++nOther;
    }
    changer.bStop = 1;
    ::WaitForSingleObject(hThread, 5000);
    ::CloseHandle(hThread);

    EXPECT_EQ(0, nOther) << "texts cut short or run on";
    EXPECT_GT(changer.nWrites, 10);
    EXPECT_GT(nShort + nLong, 0);
}

}  // namespace
