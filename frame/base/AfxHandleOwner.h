// Bookkeeping shared by the wrappers that own a handle (DC, GDI object, menu,
// image list): claiming a handle in the thread's map and giving it up.
#pragma once
#include "AfxHandleMap.h"

// Records p as the owner of h. The newest owner is the one FromHandle reports;
// an earlier owner that later gives the handle up leaves this entry alone.
template <class H, class T>
void AfxClaimHandle(CHandleMap<H, T>& map, H h, T* p)
{
    map.SetPermanent(h, p);
}

// Forgets that p owns h. A temporary wrapper keeps its entry: it is still
// listed for AfxDeleteTempMaps to delete, and a later FromHandle of the same
// value simply hands it out again.
template <class H, class T>
void AfxReleaseHandle(CHandleMap<H, T>& map, H h, T* p)
{
    if (h != nullptr && map.LookupPermanent(h) == p)
        map.RemoveHandle(h, p);
}

// The three steps every owning wrapper takes the same way; pHandle names the
// wrapper's handle member (m_hObject, m_hMenu, m_hImageList).

// The owner of h, or a temporary wrapper made by makeTemp(h). A temporary
// whose handle was destroyed through it serves the value again.
template <class H, class T, class MakeTemp>
T* AfxWrapperFromHandle(CHandleMap<H, T>& map, H h, H T::*pHandle, MakeTemp makeTemp)
{
    if (h == nullptr)
        return nullptr;
    T* p = map.FromHandle(h, makeTemp);
    if (p->*pHandle == nullptr)
        p->*pHandle = h;
    return p;
}

// Makes p the owner of h; FALSE for no handle or when p already holds one.
template <class H, class T>
BOOL AfxAttachWrapper(CHandleMap<H, T>& map, H h, T* p, H T::*pHandle)
{
    if (h == nullptr || p->*pHandle != nullptr)
        return FALSE;
    p->*pHandle = h;
    AfxClaimHandle(map, h, p);
    return TRUE;
}

// Gives p's handle up, untouched, and returns it.
template <class H, class T>
H AfxDetachWrapper(CHandleMap<H, T>& map, T* p, H T::*pHandle)
{
    H h = p->*pHandle;
    if (h != nullptr)
        AfxReleaseHandle(map, h, p);
    p->*pHandle = nullptr;
    return h;
}
