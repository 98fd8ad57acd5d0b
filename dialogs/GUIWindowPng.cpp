// QELGUIUtils: a picture of a window as a PNG file, for runs without a user
// (pictures for documentation, a check that a window painted at all).
#include "QELGUIUtils.h"
#include "QELMemory.h"
#include <gdiplus.h>
#include <string>

namespace {
struct OwnedWindows
{
    HWND hOwner;
    HDC hMemDC;
    POINT origin;  // the owner's top-left on the screen
};

// Windows the owner owns (floating toolbars, tool windows) lie over it on the
// screen, so the picture shows them where they lie.
BOOL CALLBACK DrawOwnedWindow(HWND hOwned, LPARAM lParam)
{
    auto* p = reinterpret_cast<OwnedWindows*>(lParam);
    if (::GetWindow(hOwned, GW_OWNER) != p->hOwner || !::IsWindowVisible(hOwned))
        return TRUE;
    RECT r;
    ::GetWindowRect(hOwned, &r);
    HDC hDC = ::GetWindowDC(hOwned);
    ::BitBlt(p->hMemDC, r.left - p->origin.x, r.top - p->origin.y, r.right - r.left, r.bottom - r.top, hDC, 0, 0,
             SRCCOPY);
    ::ReleaseDC(hOwned, hDC);
    return TRUE;
}

std::wstring Widen(LPCSTR psz)
{
    int n = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, nullptr, 0);
    if (n <= 0)
        return std::wstring();
    std::wstring w(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, psz, -1, &w[0], n);
    return w;
}

bool PngEncoder(CLSID* pClsid)
{
    UINT nCount = 0, nSize = 0;
    if (Gdiplus::GetImageEncodersSize(&nCount, &nSize) != Gdiplus::Ok || nSize == 0)
        return false;
    std::string buffer(nSize, '\0');
    auto* pCodecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(&buffer[0]);
    if (Gdiplus::GetImageEncoders(nCount, nSize, pCodecs) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < nCount; ++i) {
        if (wcscmp(pCodecs[i].MimeType, L"image/png") == 0) {
            *pClsid = pCodecs[i].Clsid;
            return true;
        }
    }
    return false;
}

// The PNG file of a bitmap, through GDI+ (started for this one picture).
bool SaveBitmapPng(HBITMAP hBitmap, const std::wstring& path)
{
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        return false;
    bool bSaved = false;
    {
        Gdiplus::Bitmap image(hBitmap, nullptr);
        CLSID clsid;
        if (PngEncoder(&clsid))
            bSaved = image.Save(path.c_str(), &clsid, nullptr) == Gdiplus::Ok;
    }
    Gdiplus::GdiplusShutdown(token);
    return bSaved;
}
}

BOOL QELGUIUtils::SaveWindowPng(HWND hWnd, LPCSTR lpszPath)
{
    RECT rc;
    if (lpszPath == nullptr || *lpszPath == '\0' || !::IsWindow(hWnd) || !::GetWindowRect(hWnd, &rc))
        return FALSE;
    const int cx = rc.right - rc.left;
    const int cy = rc.bottom - rc.top;
    if (cx <= 0 || cy <= 0)
        return FALSE;

    // What the window and its children really painted, frame included.
    HDC hWindowDC = ::GetWindowDC(hWnd);
    HDC hMemDC = ::CreateCompatibleDC(hWindowDC);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hWindowDC, cx, cy);
    BOOL bSaved = FALSE;
    if (hMemDC != nullptr && hBitmap != nullptr) {
        HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
        ::BitBlt(hMemDC, 0, 0, cx, cy, hWindowDC, 0, 0, SRCCOPY);
        OwnedWindows owned = { hWnd, hMemDC, { rc.left, rc.top } };
        ::EnumThreadWindows(::GetWindowThreadProcessId(hWnd, nullptr), DrawOwnedWindow,
                            reinterpret_cast<LPARAM>(&owned));
        ::SelectObject(hMemDC, hOld);
        bSaved = qel_memory::NoThrow(false, [&] { return SaveBitmapPng(hBitmap, Widen(lpszPath)); });
    }
    if (hBitmap != nullptr)
        ::DeleteObject(hBitmap);
    if (hMemDC != nullptr)
        ::DeleteDC(hMemDC);
    ::ReleaseDC(hWnd, hWindowDC);
    return bSaved;
}
