// An open registry key for the span of one operation, closed on every way out.
#pragma once
#include "afxwin.h"
#include "logic/RegistryNames.h"
#include "QELAnsiChars.h"

namespace registry_names {
// The checks in the ANSI code page, the one the platform reads the names in.
inline bool KeyPathIsUsable(const char* path) { return KeyPathIsUsable(path, qel_ansi::Chars()); }
inline bool ValueNameIsUsable(const char* name) { return ValueNameIsUsable(name, qel_ansi::Chars()); }
}

class RegistryKeyHandle
{
public:
    RegistryKeyHandle() = default;
    ~RegistryKeyHandle() { Close(); }
    RegistryKeyHandle(const RegistryKeyHandle&) = delete;
    RegistryKeyHandle& operator=(const RegistryKeyHandle&) = delete;

    // Win32 error codes: ERROR_SUCCESS when the key is open.
    // A path the platform could misread (see RegistryNames.h) is refused
    // before it gets there: ERROR_BAD_PATHNAME.
    LONG Open(HKEY hRoot, LPCSTR lpszPath, REGSAM samDesired)
    {
        Close();
        if (!registry_names::KeyPathIsUsable(lpszPath))
            return ERROR_BAD_PATHNAME;
        HKEY hKey = nullptr;
        LONG lResult = ::RegOpenKeyExA(hRoot, lpszPath, 0, samDesired, &hKey);
        if (lResult == ERROR_SUCCESS)
            m_hKey = hKey;
        return lResult;
    }
    // Opens the key, creating every missing level.
    LONG Create(HKEY hRoot, LPCSTR lpszPath)
    {
        Close();
        if (!registry_names::KeyPathIsUsable(lpszPath))
            return ERROR_BAD_PATHNAME;
        HKEY hKey = nullptr;
        LONG lResult = ::RegCreateKeyExA(hRoot, lpszPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                                         &hKey, nullptr);
        if (lResult == ERROR_SUCCESS)
            m_hKey = hKey;
        return lResult;
    }
    void Close()
    {
        if (m_hKey != nullptr)
            ::RegCloseKey(m_hKey);
        m_hKey = nullptr;
    }
    operator HKEY() const { return m_hKey; }

private:
    HKEY m_hKey = nullptr;
};
