// The framework's ready-made collections: typed arrays, pointer lists and the string map.
#pragma once
#include "AfxObject.h"
#include "AfxString.h"
#include "AfxArray.h"

// An opaque place in a list or map, handed out and taken back by the collection.
#ifndef AFX_POSITION_DEFINED
#define AFX_POSITION_DEFINED
struct __POSITION
{};
typedef __POSITION* POSITION;
#endif
#ifndef BEFORE_START_POSITION
#define BEFORE_START_POSITION ((POSITION)-1L)
#endif

// ---------------------------------------------------------------------------------------------
// Arrays

class AFX_API CStringArray : public CArray<CString, const CString&>
{
    DECLARE_DYNAMIC(CStringArray)
public:
    CStringArray();
    ~CStringArray() override;
};

class AFX_API CPtrArray : public CArray<void*, void*>
{
    DECLARE_DYNAMIC(CPtrArray)
public:
    CPtrArray();
    ~CPtrArray() override;
};

class AFX_API CDWordArray : public CArray<DWORD, DWORD>
{
    DECLARE_DYNAMIC(CDWordArray)
public:
    CDWordArray();
    ~CDWordArray() override;
};

class AFX_API CUIntArray : public CArray<UINT, UINT>
{
    DECLARE_DYNAMIC(CUIntArray)
public:
    CUIntArray();
    ~CUIntArray() override;
};

// ---------------------------------------------------------------------------------------------
// Lists

namespace afx_detail {

// Doubly linked list of pointers. Nodes come from blocks the list keeps until RemoveAll, and a
// node remembers which list it belongs to while in use, so a position that was removed or that
// belongs to another list is recognised and ignored instead of corrupting the links.
template <class T>
class CPointerList : public CObject
{
public:
    explicit CPointerList(INT_PTR nBlockSize = 10) : m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10) {}
    ~CPointerList() override { RemoveAll(); }

    // Attributes
    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    // Head and tail; an empty list reads as a null element.
    T& GetHead() { return m_pNodeHead != nullptr ? m_pNodeHead->data : Scratch(); }
    const T& GetHead() const { return m_pNodeHead != nullptr ? m_pNodeHead->data : Scratch(); }
    T& GetTail() { return m_pNodeTail != nullptr ? m_pNodeTail->data : Scratch(); }
    const T& GetTail() const { return m_pNodeTail != nullptr ? m_pNodeTail->data : Scratch(); }

    T RemoveHead()
    {
        if (m_pNodeHead == nullptr)
            return nullptr;
        T value = m_pNodeHead->data;
        RemoveAt(reinterpret_cast<POSITION>(m_pNodeHead));
        return value;
    }
    T RemoveTail()
    {
        if (m_pNodeTail == nullptr)
            return nullptr;
        T value = m_pNodeTail->data;
        RemoveAt(reinterpret_cast<POSITION>(m_pNodeTail));
        return value;
    }

    // Adding. The position of the new element, or NULL when memory ran out.
    POSITION AddHead(T newElement) { return InsertBefore(GetHeadPosition(), newElement); }
    POSITION AddTail(T newElement) { return InsertAfter(GetTailPosition(), newElement); }
    void AddHead(CPointerList* pNewList)
    {
        if (pNewList == nullptr)
            return;
        // Counted, so adding a list to itself copies only what was there.
        POSITION pos = pNewList->GetTailPosition();
        for (INT_PTR n = pNewList->GetCount(); n > 0 && pos != nullptr; --n)
            AddHead(pNewList->GetPrev(pos));
    }
    void AddTail(CPointerList* pNewList)
    {
        if (pNewList == nullptr)
            return;
        POSITION pos = pNewList->GetHeadPosition();
        for (INT_PTR n = pNewList->GetCount(); n > 0 && pos != nullptr; --n)
            AddTail(pNewList->GetNext(pos));
    }
    void RemoveAll()
    {
        while (m_pBlocks != nullptr) {
            CBlock* pNext = m_pBlocks->pNext;
            ::operator delete(m_pBlocks);
            m_pBlocks = pNext;
        }
        m_pNodeHead = m_pNodeTail = m_pNodeFree = nullptr;
        m_nCount = 0;
    }

    // Iteration: GetNext and GetPrev return the element at rPosition and move it on; it
    // becomes NULL past the end or when it was not a position of this list.
    POSITION GetHeadPosition() const { return reinterpret_cast<POSITION>(m_pNodeHead); }
    POSITION GetTailPosition() const { return reinterpret_cast<POSITION>(m_pNodeTail); }
    T& GetNext(POSITION& rPosition) { return Step(rPosition, true); }
    const T& GetNext(POSITION& rPosition) const { return const_cast<CPointerList*>(this)->Step(rPosition, true); }
    T& GetPrev(POSITION& rPosition) { return Step(rPosition, false); }
    const T& GetPrev(POSITION& rPosition) const { return const_cast<CPointerList*>(this)->Step(rPosition, false); }

    // Access by position
    T& GetAt(POSITION position)
    {
        CNode* pNode = NodeAt(position);
        return pNode != nullptr ? pNode->data : Scratch();
    }
    const T& GetAt(POSITION position) const { return const_cast<CPointerList*>(this)->GetAt(position); }
    void SetAt(POSITION pos, T newElement)
    {
        if (CNode* pNode = NodeAt(pos))
            pNode->data = newElement;
    }
    void RemoveAt(POSITION position)
    {
        CNode* pNode = NodeAt(position);
        if (pNode == nullptr)
            return;
        (pNode->pPrev != nullptr ? pNode->pPrev->pNext : m_pNodeHead) = pNode->pNext;
        (pNode->pNext != nullptr ? pNode->pNext->pPrev : m_pNodeTail) = pNode->pPrev;
        FreeNode(pNode);
    }

    // Insertion next to a position; a NULL position inserts at the head (before) or the tail
    // (after). NULL when the position is not one of this list's or memory ran out.
    POSITION InsertBefore(POSITION position, T newElement)
    {
        CNode* pOld = nullptr;
        if (position != nullptr && (pOld = NodeAt(position)) == nullptr)
            return nullptr;
        CNode* pPrev = pOld != nullptr ? pOld->pPrev : nullptr;
        CNode* pNext = pOld != nullptr ? pOld : m_pNodeHead;
        return Link(pPrev, pNext, newElement);
    }
    POSITION InsertAfter(POSITION position, T newElement)
    {
        CNode* pOld = nullptr;
        if (position != nullptr && (pOld = NodeAt(position)) == nullptr)
            return nullptr;
        CNode* pPrev = pOld != nullptr ? pOld : m_pNodeTail;
        CNode* pNext = pOld != nullptr ? pOld->pNext : nullptr;
        return Link(pPrev, pNext, newElement);
    }

    // Searching: the first position holding the value after startAfter (from the head when
    // NULL); the position of the nIndex-th element. NULL when there is none.
    POSITION Find(T searchValue, POSITION startAfter = nullptr) const
    {
        CNode* pNode = m_pNodeHead;
        if (startAfter != nullptr) {
            CNode* pStart = NodeAt(startAfter);
            if (pStart == nullptr)
                return nullptr;
            pNode = pStart->pNext;
        }
        for (; pNode != nullptr; pNode = pNode->pNext)
            if (pNode->data == searchValue)
                return reinterpret_cast<POSITION>(pNode);
        return nullptr;
    }
    POSITION FindIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        CNode* pNode = m_pNodeHead;
        while (nIndex-- > 0)
            pNode = pNode->pNext;
        return reinterpret_cast<POSITION>(pNode);
    }

private:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        T data;
        const void* pOwner;  // the list while the node is in use, null while free
    };
    struct CBlock
    {
        CBlock* pNext;
    };

    CNode* NodeAt(POSITION position) const
    {
        auto* pNode = reinterpret_cast<CNode*>(position);
        return (pNode != nullptr && pNode != reinterpret_cast<CNode*>(BEFORE_START_POSITION) && pNode->pOwner == this)
                   ? pNode
                   : nullptr;
    }

    T& Step(POSITION& rPosition, bool bForward)
    {
        CNode* pNode = NodeAt(rPosition);
        if (pNode == nullptr) {
            rPosition = nullptr;
            return Scratch();
        }
        rPosition = reinterpret_cast<POSITION>(bForward ? pNode->pNext : pNode->pPrev);
        return pNode->data;
    }

    T& Scratch() const
    {
        m_scratch = nullptr;
        return m_scratch;
    }

    POSITION Link(CNode* pPrev, CNode* pNext, T value)
    {
        if (m_pNodeFree == nullptr && !AddBlock())
            return nullptr;
        CNode* pNode = m_pNodeFree;
        m_pNodeFree = pNode->pNext;
        pNode->pOwner = this;
        pNode->data = value;
        pNode->pPrev = pPrev;
        pNode->pNext = pNext;
        (pPrev != nullptr ? pPrev->pNext : m_pNodeHead) = pNode;
        (pNext != nullptr ? pNext->pPrev : m_pNodeTail) = pNode;
        ++m_nCount;
        return reinterpret_cast<POSITION>(pNode);
    }

    void FreeNode(CNode* pNode)
    {
        pNode->pOwner = nullptr;
        pNode->data = nullptr;
        pNode->pPrev = nullptr;
        pNode->pNext = m_pNodeFree;
        m_pNodeFree = pNode;
        --m_nCount;
    }

    bool AddBlock()
    {
        size_t nBytes = sizeof(CNode) * (static_cast<size_t>(m_nBlockSize) + 1);
        auto* pBlock = static_cast<CBlock*>(::operator new(nBytes, std::nothrow));
        if (pBlock == nullptr)
            return false;
        pBlock->pNext = m_pBlocks;
        m_pBlocks = pBlock;
        // The first node-sized slot holds the block link; the rest become free nodes.
        auto* pNodes = reinterpret_cast<CNode*>(pBlock) + 1;
        for (INT_PTR i = m_nBlockSize - 1; i >= 0; --i) {
            pNodes[i].pOwner = nullptr;
            pNodes[i].pNext = m_pNodeFree;
            m_pNodeFree = &pNodes[i];
        }
        return true;
    }

    CNode* m_pNodeHead = nullptr;
    CNode* m_pNodeTail = nullptr;
    CNode* m_pNodeFree = nullptr;
    CBlock* m_pBlocks = nullptr;
    INT_PTR m_nCount = 0;
    INT_PTR m_nBlockSize;
    mutable T m_scratch = nullptr;
};

}  // namespace afx_detail

class AFX_API CObList : public afx_detail::CPointerList<CObject*>
{
    DECLARE_DYNAMIC(CObList)
public:
    explicit CObList(INT_PTR nBlockSize = 10);
    ~CObList() override;
};

class AFX_API CPtrList : public afx_detail::CPointerList<void*>
{
    DECLARE_DYNAMIC(CPtrList)
public:
    explicit CPtrList(INT_PTR nBlockSize = 10);
    ~CPtrList() override;
};

// ---------------------------------------------------------------------------------------------
// Map from strings to pointers

// Keys compare byte-wise and case-sensitively. The hash table grows as the map fills, so the
// order GetNextAssoc visits is unspecified and changes as keys are added.
class AFX_API CMapStringToPtr : public CObject
{
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    explicit CMapStringToPtr(INT_PTR nBlockSize = 10);
    ~CMapStringToPtr() override;

    // Attributes
    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    // Lookup; a null key means the empty text.
    BOOL Lookup(LPCSTR key, void*& rValue) const;
    BOOL LookupKey(LPCSTR key, LPCSTR& rKey) const;

    // Adding and removing. operator[] adds the key with a null value when it is new.
    void*& operator[](LPCSTR key);
    void SetAt(LPCSTR key, void* newValue);
    BOOL RemoveKey(LPCSTR key);
    void RemoveAll();

    // Iteration: the position must come from GetStartPosition or GetNextAssoc of this map, with
    // no key added or removed since. rNextPosition becomes NULL after the last entry.
    POSITION GetStartPosition() const { return m_nCount == 0 ? nullptr : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, CString& rKey, void*& rValue) const;

    // Hash table
    UINT GetHashTableSize() const { return m_nHashTableSize; }
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);
    UINT HashKey(LPCSTR key) const;

protected:
    struct CAssoc
    {
        CAssoc* pNext;
        UINT nHashValue;
        CString key;
        void* value;
    };

    CAssoc* GetAssocAt(LPCSTR key, UINT& nBucket, UINT& nHash) const;
    CAssoc* FirstInBucketsFrom(UINT nBucket) const;
    bool AllocTable(UINT nSize);
    void GrowTable();

    CAssoc** m_pHashTable = nullptr;
    UINT m_nHashTableSize = 17;
    INT_PTR m_nCount = 0;
    INT_PTR m_nBlockSize;
    void* m_pScratch = nullptr;
};
