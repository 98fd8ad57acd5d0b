// What the registry tests share: a scratch key of their own under
// HKEY_CURRENT_USER, direct access to the registry behind the class's back,
// and the platform's own reg.exe as an independent reader.
#pragma once
#include "RegistryTestSupport.h"
#include "TestApp.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Every test gets HKCU\Software\ZUZIVU70 Tests\<test name>-<process id>,
// created empty before it runs and removed with everything below it after.
class ScratchKeyTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Full path below HKEY_CURRENT_USER of the scratch key or of a key inside it.
    CString Path(LPCSTR lpszSub = nullptr) const;

    // Direct registry access below HKEY_CURRENT_USER.
    static bool RawKeyExists(LPCSTR lpszPath, HKEY hRoot = HKEY_CURRENT_USER);
    static void RawCreateKey(LPCSTR lpszPath);
    static void RawSet(LPCSTR lpszPath, LPCSTR lpszName, DWORD dwType, const void* pData, DWORD nSize);
    static void RawSetInt(LPCSTR lpszPath, LPCSTR lpszName, DWORD dwType, DWORD dwValue)
    {
        RawSet(lpszPath, lpszName, dwType, &dwValue, sizeof(dwValue));
    }
    // False when the value is missing; type and data as RegQueryValueExA gives them.
    static bool RawGet(LPCSTR lpszPath, LPCSTR lpszName, DWORD* pdwType, std::vector<BYTE>* pData);

    CString m_strPath;
};

// The scratch key made the current key of m_reg.
class CurrentKeyTest : public ScratchKeyTest
{
protected:
    void SetUp() override
    {
        ScratchKeyTest::SetUp();
        ASSERT_EQ(1, m_reg.SetKey(Path()));
    }
    // The value as stored in the scratch key: its type and bytes, or type
    // 0xDEAD and no bytes when it is missing.
    std::pair<DWORD, std::vector<BYTE>> Stored(LPCSTR lpszName)
    {
        DWORD dwType = 0xDEAD;
        std::vector<BYTE> data;
        if (!RawGet(Path(), lpszName, &dwType, &data))
            return { 0xDEAD, {} };
        return { dwType, data };
    }

    TestableRegistry m_reg;
};

// The bytes as one list, for readable comparisons.
std::vector<BYTE> BytesOf(const void* pData, size_t nSize);

// Runs "reg.exe query HKCU\<path> /v <name>" and returns what it shows for the
// value: its type and data separated by one space ("REG_BINARY 0102FF00"),
// or the whole output when the value is not in it.
std::string RegExeQuery(LPCSTR lpszPath, LPCSTR lpszName);
