// Whether a control survived the parent it just told something.
//
// A parent may do anything from a notification handler: delete the control's
// object, destroy its window, or detach it. Code that goes on after sending
// the parent a message keeps the window handle from before the call and asks
// this before touching the object again: it reads nothing of the object,
// whose memory may already be freed.
#pragma once
#include <afxwin.h>

namespace qel_life {

// True when pWnd still owns the live window hWnd. False when the object was
// deleted (its destructor took the window), the window was destroyed, or the
// object let go of it.
inline bool StillOwns(const CWnd* pWnd, HWND hWnd)
{
    return hWnd != nullptr && ::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == pWnd;
}

}
