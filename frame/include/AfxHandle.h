// Comparing and keying handles that 64-bit Windows keeps 32 bits wide.
//
// Window, menu, icon and cursor handles (USER objects) and device-context and
// GDI object handles are 32-bit values on 64-bit Windows too, so that 32- and
// 64-bit programs can pass them to each other: only the low 32 bits name the
// object, and the system accepts the value sign-extended or zero-extended.
// It also hands out both forms. A handle slot reused 32,768 times (a session
// that has run for days) gives handles with bit 31 set; Wine then returns
// ffffffff80000034 from CreateWindowEx, GetFocus, GetDlgItem and the window
// procedure's own argument, but 0000000080000034 from GetParent and GetWindow.
// A raw == between the two misses, so the framework and the library compare
// such handles and key their maps by the low 32 bits, through these helpers
// only.
//
// Image lists, module handles and registry keys are pointers or kernel values
// of full width: the helpers refuse them at compile time.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <type_traits>

namespace afx_handle {

// The handle types whose low 32 bits are the whole handle (HCURSOR is HICON,
// HGDIOBJ the base of the GDI handles).
template <class H>
constexpr bool kShared32 =
    std::is_same_v<H, HWND> || std::is_same_v<H, HMENU> || std::is_same_v<H, HICON> || std::is_same_v<H, HDC> ||
    std::is_same_v<H, HGDIOBJ> || std::is_same_v<H, HPEN> || std::is_same_v<H, HBRUSH> || std::is_same_v<H, HFONT> ||
    std::is_same_v<H, HBITMAP> || std::is_same_v<H, HRGN> || std::is_same_v<H, HPALETTE>;

// The value a handle map keys h by: the low 32 bits of a 32-bit handle, the
// whole value of anything else (an image list is a pointer).
template <class H>
inline ULONG_PTR MapKey(H h)
{
    const ULONG_PTR value = (ULONG_PTR)h;
    return kShared32<H> ? (ULONG_PTR)(DWORD)value : value;
}

// h in the form 64-bit Windows widens a 32-bit handle to: sign-extended. It is
// the form the framework keeps in its wrappers, whichever form it was given,
// because Wine 8 compares the handles it keeps inside with what it is passed:
// given the zero-extended form of an aged window, its UpdateWindow refuses
// the window and IsChild answers FALSE. Windows takes either form.
template <class H>
inline H Widened(H h)
{
    static_assert(kShared32<H>, "only handles that 64-bit Windows keeps 32 bits wide are widened");
    return (H)(LONG_PTR)(LONG)(DWORD)(ULONG_PTR)h;
}

}  // namespace afx_handle

// Whether a and b name the same window, menu, icon, DC or GDI object, whichever
// width each was handed out in.
template <class A, class B>
inline BOOL AfxIsSameHandle(A a, B b)
{
    static_assert(afx_handle::kShared32<A> && afx_handle::kShared32<B>,
                  "only handles that 64-bit Windows keeps 32 bits wide compare by their low 32 bits");
    return (DWORD)(ULONG_PTR)a == (DWORD)(ULONG_PTR)b;
}
