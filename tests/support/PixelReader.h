// Reads what a window really painted.
#pragma once
#include <windows.h>
#include <vector>

// The colour at client point (x, y) after the window has painted everything pending.
COLORREF PixelAt(HWND hWnd, int x, int y);
// How many pixels of the client rectangle rc have exactly this colour.
int CountPixels(HWND hWnd, const RECT& rc, COLORREF color);
// Every pixel of the client area, row by row, after the window has painted.
std::vector<COLORREF> ClientPixels(HWND hWnd);
