// The DPI the library draws at, and pixel amounts scaled to it.
//
// Sizes that the library states as pixels (insets, borders, row heights) are
// what they are at 96 DPI, where one logical inch is 96 pixels; on a screen of
// another DPI each is scaled in proportion, so that a control keeps its shape
// beside text, which grows with the DPI through the fonts. At 96 DPI every
// amount stays exactly what it was.
#pragma once
#include "ZUZIVU70Defs.h"

namespace qel_dpi {

// The DPI at 100 %: amounts given in pixels are meant at this DPI.
const int kBaseDpi = 96;

// The DPI of a window: the window's own where the platform tells it
// (GetDpiForWindow, Windows 10 1607 and later, Wine), otherwise the screen's
// logical pixels per inch. Never less than 1.
int DpiOf(HWND hWnd);
// The DPI of the screen, for work done before a window exists.
int ScreenDpi();

// nPixels at 96 DPI, at nDpi, rounded to the nearest pixel (halves away from
// zero). A non-positive DPI leaves the amount as it is.
int Scale(int nPixels, int nDpi);

}
