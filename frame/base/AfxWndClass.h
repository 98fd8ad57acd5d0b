// Registration of the framework's window classes (internal to ZUZIFrame.dll).
#pragma once
#include "AfxCore.h"

// The one way the framework registers a window class: a global class of the
// program's module with DefWindowProcA as its procedure (the framework puts
// its own procedure on each window as it attaches it). Registers at most once
// per process; FALSE when the class neither exists nor can be registered.
BOOL AfxRegisterFrameworkClass(LPCSTR lpszClassName, UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                               HICON hIcon);
