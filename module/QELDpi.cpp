#include "QELDpi.h"

namespace {
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

// Looked up once: older systems have no per-window DPI, and the library must
// still load there.
GetDpiForWindowFn GetDpiForWindowEntry()
{
    static const GetDpiForWindowFn pfn = [] {
        HMODULE hUser = ::GetModuleHandleA("user32.dll");
        return hUser != nullptr ? reinterpret_cast<GetDpiForWindowFn>(
                                      reinterpret_cast<void*>(::GetProcAddress(hUser, "GetDpiForWindow")))
                                : nullptr;
    }();
    return pfn;
}
}

namespace qel_dpi {

int ScreenDpi()
{
    int nDpi = 0;
    if (HDC hDC = ::GetDC(nullptr)) {
        nDpi = ::GetDeviceCaps(hDC, LOGPIXELSY);
        ::ReleaseDC(nullptr, hDC);
    }
    return nDpi > 0 ? nDpi : kBaseDpi;
}

int DpiOf(HWND hWnd)
{
    // GetDpiForWindow answers 0 for a handle that is not a window.
    if (hWnd != nullptr) {
        if (GetDpiForWindowFn pfn = GetDpiForWindowEntry()) {
            UINT nDpi = pfn(hWnd);
            if (nDpi > 0 && nDpi <= 0x7FFF)
                return static_cast<int>(nDpi);
        }
    }
    return ScreenDpi();
}

int Scale(int nPixels, int nDpi)
{
    if (nDpi <= 0 || nDpi == kBaseDpi)
        return nPixels;
    return ::MulDiv(nPixels, nDpi, kBaseDpi);
}

}
