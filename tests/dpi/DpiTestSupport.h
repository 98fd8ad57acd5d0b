// What the DPI tests share: the DPI the run was started for, amounts given at
// 96 DPI scaled to it (the reference the library must agree with), and
// readings of what windows painted.
#pragma once
#include "TestApp.h"
#include "WindowQueries.h"
#include <string>
#include <vector>

// The DPI the prefix was made for (ZUZ_DPI), or the screen's when unset.
int ExpectedDpi();
// The screen's logical pixels per inch, as this process sees them.
int ScreenDpi();
// n pixels at 96 DPI at the screen's DPI, rounded as MulDiv rounds.
int Scaled(int n);

// The extent of a window's text in the window's own font (single line).
SIZE TextExtent(HWND hWnd);

// A window's client area as painted: colours row by row.
class ClientPixels
{
public:
    explicit ClientPixels(HWND hWnd);
    COLORREF At(int x, int y) const;
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    // The smallest rectangle holding every pixel that is not crBackground;
    // empty when there is none.
    RECT BoundsOfAllBut(COLORREF crBackground) const;

private:
    int m_cx = 0, m_cy = 0;
    std::vector<COLORREF> m_pixels;
};
