// The accessible object of a link (QELHyperlink, or a QELStatic link label).
//
// The system's own object for a static control names it by its window text,
// which a link keeps, but calls it static text (or, where the system has no
// object for statics, a plain client area). A screen reader should announce a
// link, say whether it was visited and be able to follow it. So the link
// answers WM_GETOBJECT for its client area with the system's standard object
// wrapped: everything comes from the standard object except the role (link),
// the state (linked, traversed once visited, focusable when it has a tab stop) and
// the default action ("Jump", which does what a click does).
#pragma once
#include "afxwin.h"

namespace link_accessible {

// What the wrapped object asks of the link, by window handle, so that an
// object kept by a client after the link is gone fails instead of calling a
// destroyed control.
struct Callbacks
{
    // Does what a click does; false when the window is no longer such a link.
    bool (*activate)(HWND hWnd);
    // The link was followed.
    bool (*visited)(HWND hWnd);
};

// The answer to WM_GETOBJECT: for OBJID_CLIENT, the wrapped object (as
// LresultFromObject gives it); 0 for any other object, so that the caller
// takes the system's default, and also when the wrapper cannot be made.
LRESULT Answer(HWND hWnd, WPARAM wParam, LPARAM lParam, const Callbacks& callbacks);
}
