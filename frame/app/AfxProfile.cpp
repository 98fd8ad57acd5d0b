// CWinApp: profile settings, kept in the registry under the application's key.
#include "AfxWinApp.h"
#include <cstring>

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_pszRegistryKey == nullptr || m_pszProfileName == nullptr)
        return nullptr;
    CString strPath;
    strPath.Format("Software\\%s\\%s", m_pszRegistryKey, m_pszProfileName);
    HKEY hKey = nullptr;
    DWORD dwDisp;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, strPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                          nullptr, &hKey, &dwDisp) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

HKEY CWinApp::GetSectionKey(LPCSTR lpszSection)
{
    if (lpszSection == nullptr)
        return nullptr;
    HKEY hAppKey = GetAppRegistryKey();
    if (hAppKey == nullptr)
        return nullptr;
    HKEY hSectionKey = nullptr;
    DWORD dwDisp;
    ::RegCreateKeyExA(hAppKey, lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                      &hSectionKey, &dwDisp);
    ::RegCloseKey(hAppKey);
    return hSectionKey;
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return (UINT)nDefault;
    DWORD dwValue = 0;
    DWORD dwType = 0;
    DWORD dwCount = sizeof(dwValue);
    LONG lResult = ::RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(&dwValue), &dwCount);
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS && dwType == REG_DWORD ? (UINT)dwValue : (UINT)nDefault;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return FALSE;
    LONG lResult =
        ::RegSetValueExA(hKey, lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&nValue), sizeof(nValue));
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    CString strDefault = lpszDefault != nullptr ? lpszDefault : "";
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return strDefault;
    DWORD dwType = 0;
    DWORD dwCount = 0;
    CString strValue = strDefault;
    if (::RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, nullptr, &dwCount) == ERROR_SUCCESS && dwType == REG_SZ) {
        DWORD dwSize = dwCount;
        LPSTR pBuf = strValue.GetBufferSetLength((int)dwSize + 1);
        if (::RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(pBuf), &dwSize) ==
                ERROR_SUCCESS &&
            dwSize <= dwCount) {
            pBuf[dwSize] = '\0';
            strValue.ReleaseBuffer();
        } else {
            strValue.ReleaseBuffer(0);
            strValue = strDefault;
        }
    }
    ::RegCloseKey(hKey);
    return strValue;
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return FALSE;
    LONG lResult;
    if (lpszEntry == nullptr)
        lResult = ERROR_SUCCESS;  // nothing to write under a section alone
    else if (lpszValue == nullptr)
        lResult = ::RegDeleteValueA(hKey, lpszEntry);
    else
        lResult = ::RegSetValueExA(hKey, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                                   (DWORD)strlen(lpszValue) + 1);
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    if (ppData == nullptr || pBytes == nullptr)
        return FALSE;
    *ppData = nullptr;
    *pBytes = 0;
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return FALSE;
    DWORD dwType = 0;
    DWORD dwCount = 0;
    BOOL bOk = FALSE;
    if (::RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, nullptr, &dwCount) == ERROR_SUCCESS &&
        dwType == REG_BINARY) {
        LPBYTE pData = new BYTE[dwCount > 0 ? dwCount : 1];
        DWORD dwSize = dwCount;
        if (::RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, pData, &dwSize) == ERROR_SUCCESS &&
            dwSize <= dwCount) {
            *ppData = pData;
            *pBytes = dwSize;
            bOk = TRUE;
        } else {
            delete[] pData;
        }
    }
    ::RegCloseKey(hKey);
    return bOk;
}

BOOL CWinApp::WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return FALSE;
    LONG lResult = ::RegSetValueExA(hKey, lpszEntry, 0, REG_BINARY, pData, nBytes);
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}
