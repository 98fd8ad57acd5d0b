// Maps from Win32 handles to framework objects, kept per thread.
// Permanent entries belong to objects the program made (an attached CWnd);
// temporary entries are wrappers made on demand by FromHandle and deleted when
// the thread goes idle, so a caller must not keep a temporary pointer.
//
// Entries are keyed by afx_handle::MapKey: a window, menu, DC or GDI object
// is found whether its handle comes sign- or zero-extended (see AfxHandle.h).
#pragma once
#include "AfxHandle.h"
#include <unordered_map>

template <class H, class T>
class CHandleMap
{
public:
    T* LookupPermanent(H h) const
    {
        auto it = m_permanent.find(afx_handle::MapKey(h));
        return it == m_permanent.end() ? nullptr : it->second;
    }

    T* LookupTemporary(H h) const
    {
        auto it = m_temporary.find(afx_handle::MapKey(h));
        return it == m_temporary.end() ? nullptr : it->second;
    }

    // Returns the permanent object, or a temporary wrapper made by makeTemp(h).
    template <class MakeTemp>
    T* FromHandle(H h, MakeTemp makeTemp)
    {
        if (h == nullptr)
            return nullptr;
        if (T* p = LookupPermanent(h))
            return p;
        if (T* p = LookupTemporary(h))
            return p;
        T* p = makeTemp(h);
        m_temporary[afx_handle::MapKey(h)] = p;
        return p;
    }

    void SetPermanent(H h, T* p) { m_permanent[afx_handle::MapKey(h)] = p; }
    // Forgets h only where it maps to p, so a temporary wrapper being released
    // never drops the permanent object of the same handle, nor the reverse.
    void RemoveHandle(H h, T* p)
    {
        auto perm = m_permanent.find(afx_handle::MapKey(h));
        if (perm != m_permanent.end() && perm->second == p)
            m_permanent.erase(perm);
        auto temp = m_temporary.find(afx_handle::MapKey(h));
        if (temp != m_temporary.end() && temp->second == p)
            m_temporary.erase(temp);
    }

    // Deletes the temporary wrappers. Each gives its handle back first, so the
    // window, DC, GDI object, menu or image list itself is left alone.
    void DeleteTemp()
    {
        auto temps = std::move(m_temporary);
        m_temporary.clear();
        for (auto& entry : temps) {
            entry.second->Detach();
            delete entry.second;
        }
    }

    bool IsEmpty() const { return m_permanent.empty() && m_temporary.empty(); }

private:
    std::unordered_map<ULONG_PTR, T*> m_permanent;
    std::unordered_map<ULONG_PTR, T*> m_temporary;
};
