// CArray: the framework's growable array template.
//
// Elements are real C++ objects: they are constructed when the array grows, moved (not copied
// byte-wise) when storage is reallocated or elements shift, and destroyed when removed.
// Indexes outside the array never touch memory outside it: setters ignore them and getters
// return a default-constructed scratch element.
#pragma once
#include "AfxObject.h"
#include <algorithm>
#include <limits>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject
{
public:
    CArray() = default;
    ~CArray() override { RemoveAll(); }

    // Attributes
    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }
    // nGrowBy -1 keeps the current growth step; 0 lets the array choose.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);

    // Operations
    void FreeExtra();
    void RemoveAll() { SetSize(0); }

    // Element access
    const TYPE& GetAt(INT_PTR nIndex) const { return IsValidIndex(nIndex) ? m_pData[nIndex] : Scratch(); }
    TYPE& GetAt(INT_PTR nIndex) { return IsValidIndex(nIndex) ? m_pData[nIndex] : Scratch(); }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement)
    {
        if (IsValidIndex(nIndex))
            m_pData[nIndex] = newElement;
    }
    const TYPE& ElementAt(INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& ElementAt(INT_PTR nIndex) { return GetAt(nIndex); }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return GetAt(nIndex); }

    // Growing the array
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
    // The new element's index, or -1 when memory ran out.
    INT_PTR Add(ARG_TYPE newElement);
    // The index of the first appended element.
    INT_PTR Append(const CArray& src);
    void Copy(const CArray& src);

    // Insertion and removal. Inserting past the end grows the array to reach the index;
    // removal is clipped to the elements that exist.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
    void InsertAt(INT_PTR nStartIndex, CArray* pNewArray);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

protected:
    TYPE* m_pData = nullptr;
    INT_PTR m_nSize = 0;
    INT_PTR m_nMaxSize = 0;
    INT_PTR m_nGrowBy = 0;

private:
    static constexpr INT_PTR kMaxElements =
        (std::numeric_limits<INT_PTR>::max)() / static_cast<INT_PTR>(sizeof(TYPE)) / 2;

    bool IsValidIndex(INT_PTR nIndex) const { return nIndex >= 0 && nIndex < m_nSize; }

    // What an out-of-range getter hands back: reset on every use, so a read sees a default
    // element and a write through it lands nowhere that matters.
    static TYPE& Scratch()
    {
        static TYPE s_scratch{};
        s_scratch = TYPE();
        return s_scratch;
    }

    // An argument that is one of our own elements must be copied before the storage moves.
    template <class A>
    bool IsOwnElement(const A& arg) const
    {
        if constexpr (std::is_same_v<std::decay_t<A>, TYPE>) {
            auto p = reinterpret_cast<ULONG_PTR>(std::addressof(arg));
            auto first = reinterpret_cast<ULONG_PTR>(m_pData);
            return m_pData != nullptr && p >= first && p < first + sizeof(TYPE) * static_cast<size_t>(m_nMaxSize);
        } else {
            return false;
        }
    }

    static TYPE* AllocateStorage(INT_PTR nCount)
    {
        return static_cast<TYPE*>(::operator new(sizeof(TYPE) * static_cast<size_t>(nCount), std::nothrow));
    }
    static void FreeStorage(TYPE* p) { ::operator delete(p); }

    bool Reallocate(INT_PTR nNewMax);
};

template <class TYPE, class ARG_TYPE>
bool CArray<TYPE, ARG_TYPE>::Reallocate(INT_PTR nNewMax)
{
    static_assert(alignof(TYPE) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__, "over-aligned element types are not supported");
    if (nNewMax < m_nSize || nNewMax > kMaxElements)
        return false;
    TYPE* pNew = AllocateStorage(nNewMax);
    if (pNew == nullptr)
        return false;
    for (INT_PTR i = 0; i < m_nSize; ++i) {
        ::new (static_cast<void*>(pNew + i)) TYPE(std::move(m_pData[i]));
        m_pData[i].~TYPE();
    }
    FreeStorage(m_pData);
    m_pData = pNew;
    m_nMaxSize = nNewMax;
    return true;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy)
{
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;
    if (nNewSize < 0 || nNewSize > kMaxElements)
        return;

    if (nNewSize == 0) {
        for (INT_PTR i = 0; i < m_nSize; ++i)
            m_pData[i].~TYPE();
        FreeStorage(m_pData);
        m_pData = nullptr;
        m_nSize = m_nMaxSize = 0;
        return;
    }

    if (nNewSize > m_nMaxSize) {
        // Without a caller's step, grow by half the size so that Add in a loop stays linear.
        INT_PTR nGrow = m_nGrowBy > 0 ? m_nGrowBy : (std::max)(INT_PTR(4), m_nSize / 2);
        INT_PTR nNewMax = m_nMaxSize < kMaxElements - nGrow ? m_nMaxSize + nGrow : kMaxElements;
        if (!Reallocate((std::max)(nNewSize, nNewMax)) && !Reallocate(nNewSize))
            return;
    }

    for (INT_PTR i = m_nSize; i < nNewSize; ++i)
        ::new (static_cast<void*>(m_pData + i)) TYPE();
    for (INT_PTR i = nNewSize; i < m_nSize; ++i)
        m_pData[i].~TYPE();
    m_nSize = nNewSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra()
{
    if (m_nSize == m_nMaxSize)
        return;
    if (m_nSize == 0)
        SetSize(0);
    else
        Reallocate(m_nSize);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
{
    if (nIndex < 0 || nIndex >= kMaxElements)
        return;
    if (nIndex >= m_nSize) {
        if (IsOwnElement(newElement)) {
            TYPE copy(newElement);
            SetAtGrow(nIndex, copy);
            return;
        }
        SetSize(nIndex + 1);
        if (nIndex >= m_nSize)
            return;
    }
    m_pData[nIndex] = newElement;
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Add(ARG_TYPE newElement)
{
    INT_PTR nIndex = m_nSize;
    SetAtGrow(nIndex, newElement);
    return m_nSize > nIndex ? nIndex : -1;
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    INT_PTR nOldSize = m_nSize;
    INT_PTR nSrcSize = src.m_nSize;
    if (nSrcSize > kMaxElements - nOldSize)
        return nOldSize;
    SetSize(nOldSize + nSrcSize);
    if (m_nSize != nOldSize + nSrcSize)
        return nOldSize;
    // Appending an array to itself reads only the elements it had before.
    for (INT_PTR i = 0; i < nSrcSize; ++i)
        m_pData[nOldSize + i] = src.m_pData[i];
    return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (&src == this)
        return;
    SetSize(src.m_nSize);
    if (m_nSize != src.m_nSize)
        return;
    for (INT_PTR i = 0; i < m_nSize; ++i)
        m_pData[i] = src.m_pData[i];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount)
{
    if (nIndex < 0 || nCount <= 0)
        return;
    if (IsOwnElement(newElement)) {
        TYPE copy(newElement);
        InsertAt(nIndex, copy, nCount);
        return;
    }
    if (nIndex >= m_nSize) {
        if (nCount > kMaxElements - nIndex)
            return;
        SetSize(nIndex + nCount);
        if (m_nSize != nIndex + nCount)
            return;
    } else {
        INT_PTR nOldSize = m_nSize;
        if (nCount > kMaxElements - nOldSize)
            return;
        SetSize(nOldSize + nCount);
        if (m_nSize != nOldSize + nCount)
            return;
        for (INT_PTR i = nOldSize - 1; i >= nIndex; --i)
            m_pData[i + nCount] = std::move(m_pData[i]);
    }
    for (INT_PTR i = 0; i < nCount; ++i)
        m_pData[nIndex + i] = newElement;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, CArray* pNewArray)
{
    if (pNewArray == nullptr || nStartIndex < 0 || pNewArray->m_nSize == 0)
        return;
    if (pNewArray == this) {
        CArray copy;
        copy.Copy(*this);
        InsertAt(nStartIndex, &copy);
        return;
    }
    INT_PTR nCount = pNewArray->m_nSize;
    INT_PTR nOldSize = m_nSize;
    InsertAt(nStartIndex, pNewArray->m_pData[0], nCount);
    if (m_nSize == nOldSize)
        return;
    for (INT_PTR i = 1; i < nCount; ++i)
        m_pData[nStartIndex + i] = pNewArray->m_pData[i];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    if (!IsValidIndex(nIndex) || nCount <= 0)
        return;
    nCount = (std::min)(nCount, m_nSize - nIndex);
    for (INT_PTR i = nIndex + nCount; i < m_nSize; ++i)
        m_pData[i - nCount] = std::move(m_pData[i]);
    for (INT_PTR i = m_nSize - nCount; i < m_nSize; ++i)
        m_pData[i].~TYPE();
    m_nSize -= nCount;
}
