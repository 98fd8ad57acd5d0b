#include "LabelTestSupport.h"
#include <algorithm>

PixelSpread FindPixels(HWND hWnd, const RECT& rc, const std::function<bool(COLORREF)>& match)
{
    ::UpdateWindow(hWnd);
    PixelSpread spread;
    HDC hDC = ::GetDC(hWnd);
    for (int y = rc.top; y < rc.bottom; ++y) {
        for (int x = rc.left; x < rc.right; ++x) {
            if (!match(::GetPixel(hDC, x, y)))
                continue;
            if (spread.count == 0) {
                spread.bounds = { x, y, x + 1, y + 1 };
            } else {
                spread.bounds.left = std::min<LONG>(spread.bounds.left, x);
                spread.bounds.top = std::min<LONG>(spread.bounds.top, y);
                spread.bounds.right = std::max<LONG>(spread.bounds.right, x + 1);
                spread.bounds.bottom = std::max<LONG>(spread.bounds.bottom, y + 1);
            }
            ++spread.count;
        }
    }
    ::ReleaseDC(hWnd, hDC);
    return spread;
}

PixelSpread FindColor(HWND hWnd, const RECT& rc, COLORREF color)
{
    return FindPixels(hWnd, rc, [color](COLORREF c) { return c == color; });
}

RECT ClientRect(HWND hWnd)
{
    RECT rc = {};
    ::GetClientRect(hWnd, &rc);
    return rc;
}

DialogTemplate ColourComboTemplate(UINT nComboId)
{
    DialogTemplate t("Colours", 200, 140);
    t.Add("COMBOBOX", "", nComboId,
          WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 10, 10, 120,
          120);
    return t;
}
