#include "AfxCollections.h"
#include <cstring>

IMPLEMENT_DYNAMIC(CStringArray, CObject)
IMPLEMENT_DYNAMIC(CPtrArray, CObject)
IMPLEMENT_DYNAMIC(CDWordArray, CObject)
IMPLEMENT_DYNAMIC(CUIntArray, CObject)
IMPLEMENT_DYNAMIC(CObList, CObject)
IMPLEMENT_DYNAMIC(CPtrList, CObject)
IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)

// Out of line so that the classes' code and tables live in this module only.
CStringArray::CStringArray() = default;
CStringArray::~CStringArray() = default;
CPtrArray::CPtrArray() = default;
CPtrArray::~CPtrArray() = default;
CDWordArray::CDWordArray() = default;
CDWordArray::~CDWordArray() = default;
CUIntArray::CUIntArray() = default;
CUIntArray::~CUIntArray() = default;
CObList::CObList(INT_PTR nBlockSize) : CPointerList(nBlockSize) {}
CObList::~CObList() = default;
CPtrList::CPtrList(INT_PTR nBlockSize) : CPointerList(nBlockSize) {}
CPtrList::~CPtrList() = default;

// ---------------------------------------------------------------------------------------------
// CMapStringToPtr

namespace {
LPCSTR KeyText(LPCSTR key) { return key != nullptr ? key : ""; }
}  // namespace

CMapStringToPtr::CMapStringToPtr(INT_PTR nBlockSize) : m_nBlockSize(nBlockSize) {}

CMapStringToPtr::~CMapStringToPtr() { RemoveAll(); }

UINT CMapStringToPtr::HashKey(LPCSTR key) const
{
    UINT nHash = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(KeyText(key)); *p != 0; ++p)
        nHash = (nHash << 5) + nHash + *p;
    return nHash;
}

bool CMapStringToPtr::AllocTable(UINT nSize)
{
    auto** pTable = new (std::nothrow) CAssoc*[nSize]();
    if (pTable == nullptr)
        return false;
    delete[] m_pHashTable;
    m_pHashTable = pTable;
    m_nHashTableSize = nSize;
    return true;
}

void CMapStringToPtr::InitHashTable(UINT hashSize, BOOL bAllocNow)
{
    // Only an empty map can change its table without rehashing.
    if (m_nCount != 0 || hashSize == 0)
        return;
    if (bAllocNow) {
        AllocTable(hashSize);
    } else {
        delete[] m_pHashTable;
        m_pHashTable = nullptr;
        m_nHashTableSize = hashSize;
    }
}

void CMapStringToPtr::GrowTable()
{
    // Keeps chains short however many keys arrive; a failed allocation just leaves them longer.
    if (m_nHashTableSize > 0x10000000u)
        return;
    UINT nNewSize = m_nHashTableSize * 2 + 1;
    auto** pTable = new (std::nothrow) CAssoc*[nNewSize]();
    if (pTable == nullptr)
        return;
    for (UINT i = 0; i < m_nHashTableSize; ++i) {
        CAssoc* pAssoc = m_pHashTable[i];
        while (pAssoc != nullptr) {
            CAssoc* pNext = pAssoc->pNext;
            UINT nBucket = pAssoc->nHashValue % nNewSize;
            pAssoc->pNext = pTable[nBucket];
            pTable[nBucket] = pAssoc;
            pAssoc = pNext;
        }
    }
    delete[] m_pHashTable;
    m_pHashTable = pTable;
    m_nHashTableSize = nNewSize;
}

CMapStringToPtr::CAssoc* CMapStringToPtr::GetAssocAt(LPCSTR key, UINT& nBucket, UINT& nHash) const
{
    nHash = HashKey(key);
    nBucket = nHash % m_nHashTableSize;
    if (m_pHashTable == nullptr)
        return nullptr;
    LPCSTR text = KeyText(key);
    for (CAssoc* pAssoc = m_pHashTable[nBucket]; pAssoc != nullptr; pAssoc = pAssoc->pNext)
        if (pAssoc->nHashValue == nHash && std::strcmp(pAssoc->key, text) == 0)
            return pAssoc;
    return nullptr;
}

BOOL CMapStringToPtr::Lookup(LPCSTR key, void*& rValue) const
{
    UINT nBucket, nHash;
    CAssoc* pAssoc = GetAssocAt(key, nBucket, nHash);
    if (pAssoc == nullptr)
        return FALSE;
    rValue = pAssoc->value;
    return TRUE;
}

BOOL CMapStringToPtr::LookupKey(LPCSTR key, LPCSTR& rKey) const
{
    UINT nBucket, nHash;
    CAssoc* pAssoc = GetAssocAt(key, nBucket, nHash);
    if (pAssoc == nullptr)
        return FALSE;
    rKey = pAssoc->key;
    return TRUE;
}

void*& CMapStringToPtr::operator[](LPCSTR key)
{
    UINT nBucket, nHash;
    if (CAssoc* pAssoc = GetAssocAt(key, nBucket, nHash))
        return pAssoc->value;

    m_pScratch = nullptr;
    if (m_pHashTable == nullptr && !AllocTable(m_nHashTableSize))
        return m_pScratch;
    if (static_cast<UINT>(m_nCount) >= m_nHashTableSize * 2u) {
        GrowTable();
        nBucket = nHash % m_nHashTableSize;
    }
    auto* pAssoc = new (std::nothrow) CAssoc{ m_pHashTable[nBucket], nHash, CString(KeyText(key)), nullptr };
    if (pAssoc == nullptr)
        return m_pScratch;
    m_pHashTable[nBucket] = pAssoc;
    ++m_nCount;
    return pAssoc->value;
}

void CMapStringToPtr::SetAt(LPCSTR key, void* newValue) { (*this)[key] = newValue; }

BOOL CMapStringToPtr::RemoveKey(LPCSTR key)
{
    if (m_pHashTable == nullptr)
        return FALSE;
    UINT nHash = HashKey(key);
    LPCSTR text = KeyText(key);
    for (CAssoc** ppAssoc = &m_pHashTable[nHash % m_nHashTableSize]; *ppAssoc != nullptr;
         ppAssoc = &(*ppAssoc)->pNext) {
        CAssoc* pAssoc = *ppAssoc;
        if (pAssoc->nHashValue == nHash && std::strcmp(pAssoc->key, text) == 0) {
            *ppAssoc = pAssoc->pNext;
            delete pAssoc;
            --m_nCount;
            return TRUE;
        }
    }
    return FALSE;
}

void CMapStringToPtr::RemoveAll()
{
    if (m_pHashTable != nullptr) {
        for (UINT i = 0; i < m_nHashTableSize; ++i) {
            CAssoc* pAssoc = m_pHashTable[i];
            while (pAssoc != nullptr) {
                CAssoc* pNext = pAssoc->pNext;
                delete pAssoc;
                pAssoc = pNext;
            }
        }
        delete[] m_pHashTable;
        m_pHashTable = nullptr;
    }
    m_nCount = 0;
}

CMapStringToPtr::CAssoc* CMapStringToPtr::FirstInBucketsFrom(UINT nBucket) const
{
    if (m_pHashTable == nullptr)
        return nullptr;
    for (; nBucket < m_nHashTableSize; ++nBucket)
        if (m_pHashTable[nBucket] != nullptr)
            return m_pHashTable[nBucket];
    return nullptr;
}

void CMapStringToPtr::GetNextAssoc(POSITION& rNextPosition, CString& rKey, void*& rValue) const
{
    CAssoc* pAssoc =
        rNextPosition == BEFORE_START_POSITION ? FirstInBucketsFrom(0) : reinterpret_cast<CAssoc*>(rNextPosition);
    if (pAssoc == nullptr) {
        rNextPosition = nullptr;
        return;
    }
    rKey = pAssoc->key;
    rValue = pAssoc->value;
    CAssoc* pNext =
        pAssoc->pNext != nullptr ? pAssoc->pNext : FirstInBucketsFrom(pAssoc->nHashValue % m_nHashTableSize + 1);
    rNextPosition = reinterpret_cast<POSITION>(pNext);
}
