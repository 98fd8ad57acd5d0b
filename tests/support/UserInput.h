// Mouse and keyboard input as Windows delivers it: the same messages, with the
// same parameters, sent directly or posted through the framework's loop (so
// PreTranslateMessage sees them, as it does for a real user).
#pragma once
#include <windows.h>

namespace input {

// Sent straight to the window procedure.
void Click(HWND hWnd, int x, int y, UINT extraKeys = 0);
void DoubleClick(HWND hWnd, int x, int y, UINT extraKeys = 0);
// The list view's right button runs a modal loop that ends at a queued
// button-up: the up is posted first, then the down is sent.
void RightClick(HWND hWnd, int x, int y);
void MiddleClick(HWND hWnd, int x, int y);
void MouseMove(HWND hWnd, int x, int y, UINT keys = 0);

// A drag with the left button, as the mouse makes it while a window holds the
// capture: the moves (half way, then at `to`) and the release are queued
// first, in the client coordinates of hWndCapture with `keys` held (MK_CONTROL
// ...); then the press is sent, so a drag loop that the press starts reads
// them. Drag presses in hWnd's client area at `from`; DragNonClient sends
// nHitTest's non-client press at the screen point `from` to hWnd.
void Drag(HWND hWnd, POINT from, POINT to, UINT keys = 0);
void DragNonClient(HWND hWnd, UINT nHitTest, POINT from, HWND hWndCapture, POINT to, UINT keys = 0);

// Posted and pumped through the application's loop.
void PostClick(HWND hWnd, int x, int y);
void PostDoubleClick(HWND hWnd, int x, int y);
// Key down (translated into characters by the loop as usual) and key up.
void PressKey(HWND hWnd, UINT vk);
// Characters as WM_CHAR messages, one per byte.
void TypeText(HWND hWnd, const char* text);
// Posts the messages but does not pump them.
void PostChar(HWND hWnd, char ch);
void PostKeyDown(HWND hWnd, UINT vk);

LPARAM KeyLParam(UINT vk, bool bUp);
}
