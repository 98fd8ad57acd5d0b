#include "DpiTestSupport.h"
#include <cstdlib>

int ExpectedDpi()
{
    char value[16] = "";
    DWORD n = ::GetEnvironmentVariableA("ZUZ_DPI", value, sizeof(value));
    int nDpi = n > 0 && n < sizeof(value) ? std::atoi(value) : 0;
    return nDpi > 0 ? nDpi : ScreenDpi();
}

int ScreenDpi()
{
    HDC hDC = ::GetDC(nullptr);
    int nDpi = ::GetDeviceCaps(hDC, LOGPIXELSY);
    ::ReleaseDC(nullptr, hDC);
    return nDpi;
}

int Scaled(int n) { return ::MulDiv(n, ScreenDpi(), 96); }

SIZE TextExtent(HWND hWnd)
{
    // As drawn: a mnemonic's ampersand takes no room ("&&" shows one).
    std::string shown, text = WindowText(hWnd);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    text = shown;
    HDC hDC = ::GetDC(hWnd);
    HGDIOBJ hOld = ::SelectObject(hDC, (HFONT)::SendMessageA(hWnd, WM_GETFONT, 0, 0));
    SIZE size = {};
    ::GetTextExtentPoint32A(hDC, text.c_str(), (int)text.size(), &size);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(hWnd, hDC);
    return size;
}

ClientPixels::ClientPixels(HWND hWnd)
{
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT rc = {};
    ::GetClientRect(hWnd, &rc);
    m_cx = rc.right;
    m_cy = rc.bottom;
    m_pixels.resize((size_t)m_cx * m_cy);
    if (m_cx <= 0 || m_cy <= 0)
        return;
    // One copy into a top-down 32-bit bitmap, rather than a call per pixel.
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = m_cx;
    bmi.bmiHeader.biHeight = -m_cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HDC hDC = ::GetDC(hWnd);
    HBITMAP hBitmap = ::CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HDC hMemDC = ::CreateCompatibleDC(hDC);
    HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
    ::BitBlt(hMemDC, 0, 0, m_cx, m_cy, hDC, 0, 0, SRCCOPY);
    ::GdiFlush();
    const DWORD* pRow = static_cast<const DWORD*>(pBits);
    for (size_t i = 0; pRow != nullptr && i < m_pixels.size(); ++i) {
        DWORD v = pRow[i];  // 0x00RRGGBB
        m_pixels[i] = RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    ::SelectObject(hMemDC, hOld);
    ::DeleteDC(hMemDC);
    ::DeleteObject(hBitmap);
    ::ReleaseDC(hWnd, hDC);
}

COLORREF ClientPixels::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_cx || y >= m_cy)
        return CLR_INVALID;
    return m_pixels[(size_t)y * m_cx + x];
}

RECT ClientPixels::BoundsOfAllBut(COLORREF crBackground) const
{
    RECT rc = { m_cx, m_cy, 0, 0 };
    for (int y = 0; y < m_cy; ++y) {
        for (int x = 0; x < m_cx; ++x) {
            if (At(x, y) == crBackground)
                continue;
            rc.left = x < rc.left ? x : rc.left;
            rc.top = y < rc.top ? y : rc.top;
            rc.right = x + 1 > rc.right ? x + 1 : rc.right;
            rc.bottom = y + 1 > rc.bottom ? y + 1 : rc.bottom;
        }
    }
    if (rc.right <= rc.left)
        rc = RECT{ 0, 0, 0, 0 };
    return rc;
}
