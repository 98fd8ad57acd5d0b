#include "PixelReader.h"

COLORREF PixelAt(HWND hWnd, int x, int y)
{
    ::UpdateWindow(hWnd);
    HDC hDC = ::GetDC(hWnd);
    COLORREF color = ::GetPixel(hDC, x, y);
    ::ReleaseDC(hWnd, hDC);
    return color;
}

int CountPixels(HWND hWnd, const RECT& rc, COLORREF color)
{
    ::UpdateWindow(hWnd);
    HDC hDC = ::GetDC(hWnd);
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            if (::GetPixel(hDC, x, y) == color)
                ++n;
    ::ReleaseDC(hWnd, hDC);
    return n;
}
