// The one message of a control wrapper: sent only to a window that exists,
// otherwise the wrapper answers the caller's failure value.
#pragma once
#include "AfxCore.h"

inline bool IsLive(HWND hWnd) { return hWnd != nullptr && ::IsWindow(hWnd); }

template <class T>
T SendIfLive(HWND hWnd, T failure, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsLive(hWnd))
        return failure;
    return static_cast<T>(::SendMessageA(hWnd, message, wParam, lParam));
}

// An owner-drawn control paints itself: a WM_DRAWITEM reflected back to it
// goes to its DrawItem and counts as handled. FALSE for any other message.
template <class Control>
BOOL AfxDrawItemReflected(Control* pControl, UINT message, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return FALSE;
    pControl->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult != nullptr)
        *pResult = TRUE;
    return TRUE;
}
