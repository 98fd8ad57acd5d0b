// QELRegistry: the root key, the current path and the operations on keys.
#include "ScratchKey.h"

namespace {

class RegistryKeysTest : public ScratchKeyTest
{};

TEST(RegistryObjectTest, NewObjectsAndTheAcceptedRoots)
{
    TestableRegistry reg;
    EXPECT_EQ(HKEY_CURRENT_USER, reg.GetRootKey());
    EXPECT_STREQ("", reg.GetCurrentPath());
    EXPECT_EQ(0, reg.PathIsValid());
    EXPECT_EQ(1, reg.m_bLazyWrite);
    EXPECT_EQ(0, reg.Status());

    // The constructor takes any handle; SetRootKey only the four top-level keys.
    QELRegistry config(HKEY_CURRENT_CONFIG);
    EXPECT_EQ(HKEY_CURRENT_CONFIG, config.GetRootKey());

    for (HKEY hRoot : { HKEY_CLASSES_ROOT, HKEY_LOCAL_MACHINE, HKEY_USERS, HKEY_CURRENT_USER }) {
        EXPECT_EQ(1, reg.SetRootKey(hRoot));
        EXPECT_EQ(hRoot, reg.GetRootKey());
    }
    reg.SetRootKey(HKEY_USERS);
    for (HKEY hRoot : { HKEY_CURRENT_CONFIG, HKEY_PERFORMANCE_DATA, (HKEY) nullptr, (HKEY)(ULONG_PTR)0x1234 }) {
        EXPECT_EQ(0, reg.SetRootKey(hRoot));
        EXPECT_EQ(HKEY_USERS, reg.GetRootKey());
    }
}

TEST_F(RegistryKeysTest, SetKeyOpensOrCreatesAndKeepsThePathOnFailure)
{
    TestableRegistry reg;
    ASSERT_EQ(1, reg.SetKey(Path()));
    EXPECT_STREQ(Path(), reg.GetCurrentPath());
    EXPECT_EQ(1, reg.PathIsValid());

    // Missing, not created: refused, path kept, the platform's reason kept.
    EXPECT_EQ(0, reg.SetKey(Path("Missing\\Deeper")));
    EXPECT_STREQ(Path(), reg.GetCurrentPath());
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, reg.Status());
    EXPECT_FALSE(RawKeyExists(Path("Missing")));

    // Created: every missing level.
    EXPECT_EQ(1, reg.SetKey(Path("Missing\\Deeper"), TRUE));
    EXPECT_STREQ(Path("Missing\\Deeper"), reg.GetCurrentPath());
    EXPECT_TRUE(RawKeyExists(Path("Missing\\Deeper")));

    // Opening an existing key again sets the status back to success.
    EXPECT_EQ(1, reg.SetKey(Path()));
    EXPECT_EQ(0, reg.Status());

    // An empty path makes the root itself current without opening anything.
    EXPECT_EQ(1, reg.SetKey(""));
    EXPECT_STREQ("", reg.GetCurrentPath());
    EXPECT_EQ(0, reg.PathIsValid());
}

TEST_F(RegistryKeysTest, PathsAreReplacedNeverExtended)
{
    QELRegistry reg;
    ASSERT_EQ(1, reg.SetKey(Path("A\\B"), TRUE));
    ASSERT_EQ(1, reg.CreateKey(Path("C")));
    EXPECT_STREQ(Path("C"), reg.GetCurrentPath());
    EXPECT_TRUE(RawKeyExists(Path("C")));
    EXPECT_FALSE(RawKeyExists(Path("A\\B\\") + Path("C")));

    // Arguments are full paths below the root, whatever is current: a path
    // relative to the current key names another key.
    EXPECT_EQ(0, reg.KeyExists("C"));
    EXPECT_EQ(0, reg.SetKey("B"));
    EXPECT_STREQ(Path("C"), reg.GetCurrentPath());
    EXPECT_EQ(1, reg.KeyExists(Path("A\\B")));
}

TEST_F(RegistryKeysTest, CreateFailuresKeepThePath)
{
    // Below a volatile key the platform creates no lasting key.
    HKEY hVolatile = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, Path("Volatile"), 0, nullptr, REG_OPTION_VOLATILE,
                                               KEY_ALL_ACCESS, nullptr, &hVolatile, nullptr));
    ::RegCloseKey(hVolatile);

    QELRegistry reg;
    ASSERT_EQ(1, reg.CreateKey(Path("Start")));
    EXPECT_EQ(0, reg.CreateKey(Path("Volatile\\Lasting")));
    EXPECT_STREQ(Path("Start"), reg.GetCurrentPath());
    EXPECT_EQ(0, reg.SetKey(Path("Volatile\\Lasting"), TRUE));
    EXPECT_STREQ(Path("Start"), reg.GetCurrentPath());
    EXPECT_FALSE(RawKeyExists(Path("Volatile\\Lasting")));

    // A root handle that names no key at all.
    QELRegistry bad((HKEY)(ULONG_PTR)0x1234);
    EXPECT_EQ(0, bad.CreateKey(Path("X")));
    EXPECT_EQ(0, bad.SetKey(Path("X"), TRUE));
    EXPECT_STREQ("", bad.GetCurrentPath());
}

TEST_F(RegistryKeysTest, CreateKeyWithAnEmptyPathOpensTheRoot)
{
    QELRegistry reg;
    ASSERT_EQ(1, reg.SetKey(Path()));
    EXPECT_EQ(1, reg.CreateKey(""));
    EXPECT_STREQ("", reg.GetCurrentPath());
}

TEST_F(RegistryKeysTest, DeleteKeyRemovesLeavesOnlyAndKeepsThePath)
{
    RawCreateKey(Path("Parent\\Child"));
    QELRegistry reg;
    ASSERT_EQ(1, reg.SetKey(Path("Parent\\Child")));

    // Missing: nothing to do, and that is success.
    EXPECT_EQ(1, reg.DeleteKey(Path("Never\\There")));

    // A key with sub-keys is the platform's to refuse; nothing is deleted.
    EXPECT_EQ(0, reg.DeleteKey(Path("Parent")));
    EXPECT_TRUE(RawKeyExists(Path("Parent\\Child")));

    // The current key itself can go; the path still names it.
    EXPECT_EQ(1, reg.DeleteKey(Path("Parent\\Child")));
    EXPECT_FALSE(RawKeyExists(Path("Parent\\Child")));
    EXPECT_STREQ(Path("Parent\\Child"), reg.GetCurrentPath());
    EXPECT_EQ(1, reg.DeleteKey(Path("Parent")));
    EXPECT_FALSE(RawKeyExists(Path("Parent")));
}

TEST_F(RegistryKeysTest, DeleteKeyWithAnEmptyPathNeverTakesTheRoot)
{
    // An object built on an open key: an empty path would name that key itself.
    RawCreateKey(Path("Base"));
    HKEY hBase = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, Path("Base"), 0, KEY_ALL_ACCESS, &hBase));
    QELRegistry reg(hBase);
    EXPECT_EQ(0, reg.DeleteKey(""));
    EXPECT_TRUE(RawKeyExists(Path("Base")));
    ::RegCloseKey(hBase);

    QELRegistry user;
    EXPECT_EQ(0, user.DeleteKey(""));
    EXPECT_TRUE(RawKeyExists(Path()));
}

TEST_F(RegistryKeysTest, KeyExistsLooksBelowTheGivenRootOrOurs)
{
    QELRegistry reg;
    EXPECT_EQ(1, reg.KeyExists(Path()));
    EXPECT_EQ(1, reg.KeyExists(Path(), HKEY_CURRENT_USER));
    EXPECT_EQ(0, reg.KeyExists(Path(), HKEY_LOCAL_MACHINE));
    EXPECT_EQ(0, reg.KeyExists(Path("Nope")));
    // The root's own key opens with an empty path.
    EXPECT_EQ(1, reg.KeyExists(""));

    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_EQ(0, reg.KeyExists(Path()));
    EXPECT_EQ(1, reg.KeyExists(Path(), HKEY_CURRENT_USER));
}

TEST_F(RegistryKeysTest, CountsOfTheCurrentKey)
{
    QELRegistry reg;
    ASSERT_EQ(1, reg.SetKey(Path()));
    EXPECT_EQ(0, reg.GetSubKeyCount());
    EXPECT_EQ(0, reg.GetValueCount());

    RawCreateKey(Path("One"));
    RawCreateKey(Path("Two\\Grandchild"));
    RawSetInt(Path(), "a", REG_DWORD, 1);
    RawSetInt(Path(), "b", REG_BINARY, 2);
    RawSetInt(Path(), "", REG_DWORD, 3);
    EXPECT_EQ(2, reg.GetSubKeyCount());
    EXPECT_EQ(3, reg.GetValueCount());

    // The current key deleted behind the object's back.
    ASSERT_EQ(1, reg.SetKey(Path("One")));
    ::RegDeleteKeyA(HKEY_CURRENT_USER, Path("One"));
    EXPECT_EQ(-1, reg.GetSubKeyCount());
    EXPECT_EQ(-1, reg.GetValueCount());
}

TEST_F(RegistryKeysTest, ClearKeyResetsThePlaceButNotTheStatus)
{
    TestableRegistry reg;
    ASSERT_EQ(1, reg.SetKey(Path()));
    EXPECT_EQ(0, reg.SetKey(Path("Absent")));
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    reg.m_bLazyWrite = 0;

    EXPECT_EQ(1, reg.ClearKey());
    EXPECT_EQ(HKEY_CURRENT_USER, reg.GetRootKey());
    EXPECT_STREQ("", reg.GetCurrentPath());
    EXPECT_EQ(1, reg.m_bLazyWrite);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, reg.Status());
}

TEST_F(RegistryKeysTest, CopiesTakeEveryFieldAndGoTheirOwnWay)
{
    TestableRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    ASSERT_EQ(1, reg.SetKey(Path()));
    EXPECT_EQ(0, reg.SetKey(Path("Absent")));
    reg.m_bLazyWrite = 0;

    TestableRegistry copy(reg);
    EXPECT_EQ(HKEY_CURRENT_USER, copy.GetRootKey());
    EXPECT_STREQ(Path(), copy.GetCurrentPath());
    EXPECT_EQ(0, copy.m_bLazyWrite);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, copy.Status());

    TestableRegistry assigned;
    QELRegistry& base = assigned;
    EXPECT_EQ(&base, &(base = reg));
    EXPECT_STREQ(Path(), assigned.GetCurrentPath());
    EXPECT_EQ(0, assigned.m_bLazyWrite);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, assigned.Status());

    ASSERT_EQ(1, copy.CreateKey(Path("Elsewhere")));
    EXPECT_STREQ(Path(), reg.GetCurrentPath());
    EXPECT_STREQ(Path(), assigned.GetCurrentPath());
}

TEST_F(RegistryKeysTest, EagerWritesStillSucceed)
{
    // With lazy write off every key and value is flushed before its key closes.
    QELRegistry reg;
    reg.m_bLazyWrite = 0;
    EXPECT_EQ(1, reg.CreateKey(Path("Flushed")));
    EXPECT_EQ(1, reg.SetKey(Path("Flushed\\Deeper"), TRUE));
    EXPECT_EQ(1, reg.WriteInt("Count", 42));
    EXPECT_EQ(42, reg.ReadInt("Count", 0));
    EXPECT_EQ(1, reg.DeleteValue("Count"));
    EXPECT_EQ(0, reg.ValueExists("Count"));
}

}  // namespace
