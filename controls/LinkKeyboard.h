// What the two kinds of link (QELHyperlink and a QELStatic link label) share
// for the keyboard: the dialog code that gets them Tab focus and the Enter
// key, the keys that open them, the click notification a key must repeat,
// and where and when the focus rectangle is drawn.
#pragma once
#include "afxwin.h"

namespace link_keyboard {

// The answer to WM_GETDLGCODE. A link with WS_TABSTOP asks the dialog manager
// for Enter (otherwise Enter presses the dialog's default button); a link
// without it answers as the static control it is (lDefault).
LRESULT DialogCode(HWND hWnd, LRESULT lDefault, const MSG* pMsg);

// Enter or Space pressed, not an auto-repeat of a key held down: a held key
// opens a link once. nFlags is the high word of the key message's lParam.
bool IsActivation(UINT nChar, UINT nFlags);

// What the static control itself tells its parent after a click
// (STN_CLICKED, when it has SS_NOTIFY), so that a key reaches the parent, and
// anything reflected back from it, exactly as a click does.
void NotifyClicked(HWND hWnd);

// The control has the focus and its window shows focus cues (the keyboard
// was used since the dialog opened, or the system always shows them).
bool ShowsFocus(HWND hWnd);

// The focus rectangle: one pixel around the text as the static control lays
// it out with nFormat (DT_ flags), kept inside the client area; the whole
// client area when there is no text.
CRect FocusRect(HWND hWnd, HDC hDC, const CString& strText, UINT nFormat);

// Repaints the parent behind the control, then the control, at once. A link
// paints only its text, and DrawFocusRect inverts pixels: drawn twice over
// the same background the rectangle would vanish, so whenever a shown focus
// rectangle may change the background has to be painted anew first.
void RedrawBehind(HWND hWnd);
}
