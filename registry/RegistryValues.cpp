// QELRegistry: queries and maintenance of the current key's values.
#include "QELRegistry.h"
#include "RegistryKeyHandle.h"
#include "QELMemory.h"
#include <vector>

// Every value operation first refuses a name the platform could misread (see
// RegistryNames.h), with its failure value.
using registry_names::ValueNameIsUsable;

int QELRegistry::ValueExists(const CString& strName) const
{
    if (!ValueNameIsUsable(strName))
        return 0;
    RegistryKeyHandle key;
    if (key.Open(m_hRootKey, m_strCurrentPath, KEY_ALL_ACCESS) != ERROR_SUCCESS)
        return 0;
    return ::RegQueryValueExA(key, strName, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS ? 1 : 0;
}

DWORD QELRegistry::GetDataType(const CString& strName) const
{
    if (!ValueNameIsUsable(strName)) {
        m_nLastStatus = ERROR_INVALID_PARAMETER;
        return REG_NONE;
    }
    RegistryKeyHandle key;
    m_nLastStatus = key.Open(m_hRootKey, m_strCurrentPath, KEY_QUERY_VALUE);
    if (m_nLastStatus != ERROR_SUCCESS)
        return REG_NONE;
    DWORD dwType = REG_NONE;
    m_nLastStatus = ::RegQueryValueExA(key, strName, nullptr, &dwType, nullptr, nullptr);
    return m_nLastStatus == ERROR_SUCCESS ? dwType : REG_NONE;
}

int QELRegistry::GetDataSize(const CString& strName) const
{
    if (!ValueNameIsUsable(strName))
        return -1;
    RegistryKeyHandle key;
    if (key.Open(m_hRootKey, m_strCurrentPath, KEY_QUERY_VALUE) != ERROR_SUCCESS)
        return -1;
    DWORD nSize = 0;
    if (::RegQueryValueExA(key, strName, nullptr, nullptr, nullptr, &nSize) != ERROR_SUCCESS)
        return -1;
    return (int)nSize;
}

int QELRegistry::DeleteValue(const CString& strName)
{
    if (!ValueNameIsUsable(strName))
        return 0;
    RegistryKeyHandle key;
    if (key.Open(m_hRootKey, m_strCurrentPath, KEY_SET_VALUE) != ERROR_SUCCESS)
        return 0;
    if (::RegDeleteValueA(key, strName) != ERROR_SUCCESS)
        return 0;
    FlushIfEager(key);
    return 1;
}

void QELRegistry::RenameValue(const CString& strOldName, const CString& strNewName)
{
    // Without memory for the copy nothing moves: the value stays under its old name.
    qel_memory::NoThrowDone([&] { MoveValue(strOldName, strNewName); });
}

void QELRegistry::MoveValue(const CString& strOldName, const CString& strNewName)
{
    if (!ValueNameIsUsable(strOldName) || !ValueNameIsUsable(strNewName))
        return;
    RegistryKeyHandle key;
    if (key.Open(m_hRootKey, m_strCurrentPath, KEY_QUERY_VALUE | KEY_SET_VALUE) != ERROR_SUCCESS)
        return;
    // The new name must be free; value names compare without case, so this also
    // keeps a value from being "renamed" onto itself and then deleted.
    if (::RegQueryValueExA(key, strNewName, nullptr, nullptr, nullptr, nullptr) != ERROR_FILE_NOT_FOUND)
        return;
    DWORD dwType = REG_NONE;
    DWORD nSize = 0;
    if (::RegQueryValueExA(key, strOldName, nullptr, &dwType, nullptr, &nSize) != ERROR_SUCCESS)
        return;
    // A value that grew meanwhile fails the read instead of being cut: the copy is
    // the whole value or nothing. The spare byte takes the NUL that the ANSI
    // conversion may add to a text stored without one.
    std::vector<BYTE> data(static_cast<size_t>(nSize) + 1, 0);
    DWORD nRead = (DWORD)data.size();
    if (::RegQueryValueExA(key, strOldName, nullptr, &dwType, data.data(), &nRead) != ERROR_SUCCESS)
        return;
    if (::RegSetValueExA(key, strNewName, 0, dwType, data.data(), nRead) != ERROR_SUCCESS)
        return;
    if (::RegDeleteValueA(key, strOldName) != ERROR_SUCCESS) {
        // Undo the copy rather than leave the value under two names.
        ::RegDeleteValueA(key, strNewName);
        return;
    }
    FlushIfEager(key);
}
