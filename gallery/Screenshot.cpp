#include "Screenshot.h"
#include "GalleryFrame.h"
#include <gdiplus.h>
#include <string>

namespace {
// Lets painting, timers and deferred layout finish before a picture is taken.
void Settle(DWORD nMs)
{
    DWORD start = ::GetTickCount();
    MSG msg;
    while (::GetTickCount() - start < nMs) {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!AfxPumpMessage())
                return;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

std::wstring Widen(LPCSTR psz)
{
    int n = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, nullptr, 0);
    std::wstring w(n > 0 ? n : 1, L'\0');
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
}

BOOL SaveWindowPng(HWND hWnd, LPCSTR lpszPath)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    int cx = rc.right - rc.left;
    int cy = rc.bottom - rc.top;
    if (cx <= 0 || cy <= 0)
        return FALSE;

    // What the window and its children really painted, frame included.
    HDC hWindowDC = ::GetWindowDC(hWnd);
    HDC hMemDC = ::CreateCompatibleDC(hWindowDC);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hWindowDC, cx, cy);
    HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
    ::BitBlt(hMemDC, 0, 0, cx, cy, hWindowDC, 0, 0, SRCCOPY);
    ::SelectObject(hMemDC, hOld);
    ::DeleteDC(hMemDC);
    ::ReleaseDC(hWnd, hWindowDC);

    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    BOOL bSaved = FALSE;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok) {
        {
            Gdiplus::Bitmap image(hBitmap, nullptr);
            CLSID clsid;
            if (PngEncoder(&clsid))
                bSaved = image.Save(Widen(lpszPath).c_str(), &clsid, nullptr) == Gdiplus::Ok;
        }
        Gdiplus::GdiplusShutdown(token);
    }
    ::DeleteObject(hBitmap);
    return bSaved;
}

int SaveAllPages(CGalleryFrame& frame, LPCSTR lpszDir)
{
    int nSaved = 0;
    int nPrevious = frame.GetCurrentPage();
    for (int i = 0; i < frame.GetPageCount(); ++i) {
        frame.ShowPage(i);
        Settle(300);
        CString strName = frame.GetPageName(i);
        strName.Replace(' ', '-');
        strName.MakeLower();
        CString strPrefix;
        strPrefix.Format("%s\\%02d-%s", lpszDir, i + 1, (LPCSTR)strName);
        if (frame.GetPage() != nullptr) {
            frame.GetPage()->PrepareScreenshot();
            frame.GetPage()->SaveExtraScreenshots(strPrefix);
        }
        frame.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Settle(300);
        CString strPath = strPrefix + ".png";
        if (SaveWindowPng(frame.m_hWnd, strPath))
            ++nSaved;
    }
    if (nPrevious >= 0)
        frame.ShowPage(nPrevious);
    return nSaved;
}
