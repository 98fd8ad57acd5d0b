#include "ScratchKey.h"

namespace {
const char kTestsKey[] = "Software\\ZUZIVU70 Tests";
}

void ScratchKeyTest::SetUp()
{
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    m_strPath.Format("%s\\%s.%s-%lu", kTestsKey, info->test_suite_name(), info->name(),
                     (unsigned long)::GetCurrentProcessId());
    ::RegDeleteTreeA(HKEY_CURRENT_USER, m_strPath);
    RawCreateKey(m_strPath);
}

void ScratchKeyTest::TearDown()
{
    EXPECT_EQ(ERROR_SUCCESS, ::RegDeleteTreeA(HKEY_CURRENT_USER, m_strPath));
    ::RegDeleteKeyA(HKEY_CURRENT_USER, m_strPath);
    // The parent goes when the last test is done with it (it refuses while others remain).
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kTestsKey);
}

CString ScratchKeyTest::Path(LPCSTR lpszSub) const
{
    if (lpszSub == nullptr || *lpszSub == '\0')
        return m_strPath;
    return m_strPath + "\\" + lpszSub;
}

bool ScratchKeyTest::RawKeyExists(LPCSTR lpszPath, HKEY hRoot)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(hRoot, lpszPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(hKey);
    return true;
}

void ScratchKeyTest::RawCreateKey(LPCSTR lpszPath)
{
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegCreateKeyExA(HKEY_CURRENT_USER, lpszPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr));
    ::RegCloseKey(hKey);
}

void ScratchKeyTest::RawSet(LPCSTR lpszPath, LPCSTR lpszName, DWORD dwType, const void* pData, DWORD nSize)
{
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, lpszPath, 0, KEY_SET_VALUE, &hKey));
    EXPECT_EQ(ERROR_SUCCESS, ::RegSetValueExA(hKey, lpszName, 0, dwType, static_cast<const BYTE*>(pData), nSize));
    ::RegCloseKey(hKey);
}

bool ScratchKeyTest::RawGet(LPCSTR lpszPath, LPCSTR lpszName, DWORD* pdwType, std::vector<BYTE>* pData)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, lpszPath, 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS)
        return false;
    DWORD nSize = 0;
    LONG lResult = ::RegQueryValueExA(hKey, lpszName, nullptr, pdwType, nullptr, &nSize);
    if (lResult == ERROR_SUCCESS) {
        pData->assign(nSize, 0);
        lResult = ::RegQueryValueExA(hKey, lpszName, nullptr, pdwType, pData->data(), &nSize);
        pData->resize(nSize);
    }
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

std::vector<BYTE> BytesOf(const void* pData, size_t nSize)
{
    const BYTE* p = static_cast<const BYTE*>(pData);
    return std::vector<BYTE>(p, p + nSize);
}

std::string RegExeQuery(LPCSTR lpszPath, LPCSTR lpszName)
{
    SECURITY_ATTRIBUTES sa = { sizeof(sa), nullptr, TRUE };
    HANDLE hRead = nullptr, hWrite = nullptr;
    if (!::CreatePipe(&hRead, &hWrite, &sa, 0))
        return "(no pipe)";
    ::SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);

    char szSystem[MAX_PATH] = "";
    ::GetSystemDirectoryA(szSystem, MAX_PATH);
    CString strCommand;
    strCommand.Format("\"%s\\reg.exe\" query \"HKCU\\%s\" /v \"%s\"", szSystem, lpszPath, lpszName);
    STARTUPINFOA si = { sizeof(si) };
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = hWrite;
    si.hStdError = hWrite;
    si.hStdInput = nullptr;
    PROCESS_INFORMATION pi = {};
    std::vector<char> command(strCommand.GetString(), strCommand.GetString() + strCommand.GetLength() + 1);
    BOOL bStarted =
        ::CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi);
    ::CloseHandle(hWrite);
    if (!bStarted) {
        ::CloseHandle(hRead);
        return "(reg.exe did not start)";
    }
    std::string output;
    char buffer[512];
    DWORD nRead = 0;
    while (::ReadFile(hRead, buffer, sizeof(buffer), &nRead, nullptr) && nRead > 0)
        output.append(buffer, nRead);
    ::WaitForSingleObject(pi.hProcess, 10000);
    ::CloseHandle(pi.hProcess);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(hRead);

    // "    <name>    <type>    <data>" on a line of its own.
    std::string strPrefix = std::string("    ") + (*lpszName ? lpszName : "(Default)") + "    ";
    size_t nAt = output.find("\n" + strPrefix);
    if (nAt == std::string::npos)
        return output;
    size_t nStart = nAt + 1 + strPrefix.size();
    std::string line = output.substr(nStart, output.find_first_of("\r\n", nStart) - nStart);
    size_t nGap = line.find("    ");
    if (nGap != std::string::npos)
        line.replace(nGap, 4, " ");
    return line;
}
