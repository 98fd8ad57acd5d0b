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
