// Basic definitions shared by every header of the class framework layer.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>
#include <cstddef>
#include "AfxHandle.h"

// windows.h defines these as function-like macros; the framework has members of the same names.
#undef GetNextWindow
#undef GetWindowStyle
#include <cstdarg>

// The framework layer is one shared module; applications and the library import it.
#ifdef ZUZIFRAME_BUILD
#define AFX_API __declspec(dllexport)
#else
#define AFX_API __declspec(dllimport)
#endif

#ifndef PASCAL
#define PASCAL __stdcall
#endif
#define AFXAPI    __stdcall
#define AFX_CDECL __cdecl

// Marks a printf-style function for the compiler's format check (-Wformat, in
// -Wall): nFormat is the position of the format among the parameters (a member
// function's object counts as 1), nFirst that of the first value, 0 for a
// va_list. Values are formatted by the mingw runtime's printf, whose rules GCC
// calls gnu_printf. A CString given for %s is then named as the mistake it is:
// "..." receives the object, not its characters.
#if defined(__clang__)
#define AFX_PRINTF_FORMAT(nFormat, nFirst) __attribute__((format(printf, nFormat, nFirst)))
#elif defined(__GNUC__)
#define AFX_PRINTF_FORMAT(nFormat, nFirst) __attribute__((format(gnu_printf, nFormat, nFirst)))
#else
#define AFX_PRINTF_FORMAT(nFormat, nFirst)
#endif

// Checks are for the library's developers: they never stop a release build.
#ifndef ASSERT
#ifdef _DEBUG
#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailed(__FILE__, __LINE__))
#else
#define ASSERT(f) ((void)0)
#endif
#endif
#define VERIFY(f)       ((void)(f))
#define ASSERT_VALID(p) ((void)0)
#define TRACE(...)      ((void)0)
#define TRACE0(s)       ((void)0)

AFX_API void AFXAPI AfxAssertFailed(const char* file, int line);

// The framework's own window messages.
#define WM_REFLECT_BASE    0xBC00
#define WM_IDLEUPDATECMDUI 0x0363
#define WM_SIZEPARENT      0x0361
#define WM_INITIALUPDATE   0x0364
#define WM_KICKIDLE        0x036A

#ifndef AFX_IDW_PANE_FIRST
#define AFX_IDW_PANE_FIRST 0xE900
#endif
#define AFX_IDW_TOOLBAR        0xE800
#define AFX_IDW_STATUS_BAR     0xE801
#define AFX_IDW_DOCKBAR_TOP    0xE81B
#define AFX_IDW_DOCKBAR_LEFT   0xE81C
#define AFX_IDW_DOCKBAR_RIGHT  0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM 0xE81E
#define AFX_IDW_DOCKBAR_FLOAT  0xE81F

#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)

#ifndef _countof
#define _countof(a) (sizeof(a) / sizeof((a)[0]))
#endif
