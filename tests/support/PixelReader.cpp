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

std::vector<COLORREF> ClientPixels(HWND hWnd)
{
    ::UpdateWindow(hWnd);
    RECT rc = {};
    ::GetClientRect(hWnd, &rc);
    std::vector<COLORREF> pixels;
    pixels.reserve(static_cast<size_t>(rc.right) * static_cast<size_t>(rc.bottom));
    HDC hDC = ::GetDC(hWnd);
    for (int y = 0; y < rc.bottom; ++y)
        for (int x = 0; x < rc.right; ++x)
            pixels.push_back(::GetPixel(hDC, x, y));
    ::ReleaseDC(hWnd, hDC);
    return pixels;
}
