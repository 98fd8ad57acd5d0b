// The parent window of a library dialog, from the HWND* its caller passes.
#pragma once
#include "ZUZIVU70Defs.h"

// The window the pointer names; for a null pointer (or a null handle) the
// owner the framework would choose for the caller: its main window, or the
// active window when that is hidden. Call it before the library's module
// state is made current: the main window is the application's, not the
// library's.
CWnd* ResolveDialogParent(HWND* pParent);
