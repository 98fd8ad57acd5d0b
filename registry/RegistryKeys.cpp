// QELRegistry: the object, its root and current path, and the operations on keys.
#include "QELRegistry.h"
#include "RegistryKeyHandle.h"

QELRegistry::QELRegistry() : QELRegistry(HKEY_CURRENT_USER) {}

QELRegistry::QELRegistry(HKEY hRootKey) : m_nLastStatus(ERROR_SUCCESS), m_hRootKey(hRootKey), m_bLazyWrite(1) {}

QELRegistry::QELRegistry(const QELRegistry& other) = default;
QELRegistry& QELRegistry::operator=(const QELRegistry& other) = default;
QELRegistry::~QELRegistry() = default;

HKEY QELRegistry::GetRootKey() const { return m_hRootKey; }

int QELRegistry::SetRootKey(HKEY hRootKey)
{
    if (hRootKey != HKEY_CLASSES_ROOT && hRootKey != HKEY_CURRENT_USER && hRootKey != HKEY_LOCAL_MACHINE &&
        hRootKey != HKEY_USERS)
        return 0;
    m_hRootKey = hRootKey;
    return 1;
}

CString QELRegistry::GetCurrentPath() const { return m_strCurrentPath; }

int QELRegistry::PathIsValid() const { return m_strCurrentPath.IsEmpty() ? 0 : 1; }

int QELRegistry::ClearKey()
{
    m_strCurrentPath.Empty();
    m_hRootKey = HKEY_CURRENT_USER;
    m_bLazyWrite = 1;
    return 1;
}

int QELRegistry::SetKey(const CString& strPath, int bCanCreate)
{
    if (strPath.IsEmpty()) {
        m_strCurrentPath.Empty();
        return 1;
    }
    RegistryKeyHandle key;
    if (bCanCreate) {
        if (key.Create(m_hRootKey, strPath) != ERROR_SUCCESS)
            return 0;
    } else {
        m_nLastStatus = key.Open(m_hRootKey, strPath, KEY_ALL_ACCESS);
        if (m_nLastStatus != ERROR_SUCCESS)
            return 0;
    }
    m_strCurrentPath = strPath;
    FlushIfEager(key);
    return 1;
}

int QELRegistry::CreateKey(const CString& strPath)
{
    // An empty path goes to the platform as it is, which opens the root itself.
    RegistryKeyHandle key;
    if (key.Create(m_hRootKey, strPath) != ERROR_SUCCESS)
        return 0;
    m_strCurrentPath = strPath;
    FlushIfEager(key);
    return 1;
}

int QELRegistry::DeleteKey(const CString& strPath)
{
    // The platform reads an empty path as the root key itself: a path left empty
    // by mistake must not take the whole root (or the key an object was built
    // on) with it.
    if (strPath.IsEmpty())
        return 0;
    if (!KeyExists(strPath, nullptr))
        return 1;
    // One call: a key that still has sub-keys stays, as the platform decides.
    return ::RegDeleteKeyA(m_hRootKey, strPath) == ERROR_SUCCESS ? 1 : 0;
}

int QELRegistry::KeyExists(const CString& strPath, HKEY hRootKey) const
{
    RegistryKeyHandle key;
    return key.Open(hRootKey != nullptr ? hRootKey : m_hRootKey, strPath, KEY_ALL_ACCESS) == ERROR_SUCCESS ? 1 : 0;
}

namespace {
// Sub-key and value counts of the key; false when it cannot be opened with full
// access or queried.
bool QueryKeyCounts(HKEY hRoot, LPCSTR lpszPath, DWORD* pnSubKeys, DWORD* pnValues)
{
    RegistryKeyHandle key;
    if (key.Open(hRoot, lpszPath, KEY_ALL_ACCESS) != ERROR_SUCCESS)
        return false;
    char szClass[256] = "";
    DWORD nClass = 255;
    return ::RegQueryInfoKeyA(key, szClass, &nClass, nullptr, pnSubKeys, nullptr, nullptr, pnValues, nullptr, nullptr,
                              nullptr, nullptr) == ERROR_SUCCESS;
}
}

int QELRegistry::GetSubKeyCount() const
{
    DWORD nSubKeys = 0, nValues = 0;
    return QueryKeyCounts(m_hRootKey, m_strCurrentPath, &nSubKeys, &nValues) ? (int)nSubKeys : -1;
}

int QELRegistry::GetValueCount() const
{
    DWORD nSubKeys = 0, nValues = 0;
    return QueryKeyCounts(m_hRootKey, m_strCurrentPath, &nSubKeys, &nValues) ? (int)nValues : -1;
}

void QELRegistry::FlushIfEager(HKEY hKey) const
{
    if (m_bLazyWrite == 0)
        ::RegFlushKey(hKey);
}
