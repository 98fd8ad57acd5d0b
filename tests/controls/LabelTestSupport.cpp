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
            spread.Add(x, y);
        }
    }
    ::ReleaseDC(hWnd, hDC);
    return spread;
}

void PixelSpread::Add(int x, int y)
{
    if (count++ == 0) {
        bounds = { x, y, x + 1, y + 1 };
        return;
    }
    bounds.left = std::min<LONG>(bounds.left, x);
    bounds.top = std::min<LONG>(bounds.top, y);
    bounds.right = std::max<LONG>(bounds.right, x + 1);
    bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
}

std::function<void(HWND)> ChooseInDialog(COLORREF color)
{
    return [color](HWND hDlg) {
        ::SetDlgItemInt(hDlg, 706, GetRValue(color), FALSE);
        ::SetDlgItemInt(hDlg, 707, GetGValue(color), FALSE);
        ::SetDlgItemInt(hDlg, 708, GetBValue(color), FALSE);
        ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, IDOK));
    };
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
