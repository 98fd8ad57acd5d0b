#include "Screenshot.h"
#include "DialogShot.h"
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
        // Idle time, as the application's loop gives it: toolbar buttons
        // follow their commands' states.
        AfxGetApp()->OnIdle(0);
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

struct OwnedWindows
{
    HWND hOwner;
    HDC hMemDC;
    POINT origin;  // the owner's top-left on the screen
};

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
    // Windows it owns (floating toolbars) lie over it on the screen.
    OwnedWindows owned = { hWnd, hMemDC, { rc.left, rc.top } };
    ::EnumThreadWindows(::GetCurrentThreadId(), DrawOwnedWindow, (LPARAM)&owned);
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

int SaveToolbarStates(CGalleryFrame& frame, LPCSTR lpszDir)
{
    auto shoot = [&](LPCSTR lpszName) {
        frame.RecalcLayout();
        Settle(300);
        frame.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Settle(200);
        CString strPath;
        strPath.Format("%s\\%s.png", lpszDir, lpszName);
        return SaveWindowPng(frame.m_hWnd, strPath) ? 1 : 0;
    };
    QELToolbar& nav = frame.GetNavBar();
    QELToolbar& pages = frame.GetPagesBar();
    int nSaved = shoot("toolbars-top");

    // Both on the left side, one under the other.
    frame.DockControlBar(&nav, AFX_IDW_DOCKBAR_LEFT);
    frame.RecalcLayout();
    CRect rect;
    nav.GetWindowRect(&rect);
    rect.OffsetRect(0, rect.Height());
    frame.DockControlBar(&pages, AFX_IDW_DOCKBAR_LEFT, &rect);
    nSaved += shoot("toolbars-left");

    // The navigation bar back at the top, the pages bar floating over the page.
    frame.DockControlBar(&nav, AFX_IDW_DOCKBAR_TOP);
    CRect rectFrame;
    frame.GetWindowRect(&rectFrame);
    frame.FloatControlBar(&pages, CPoint(rectFrame.left + rectFrame.Width() / 2, rectFrame.top + 200));
    nSaved += shoot("toolbars-floating");

    // Back where they started.
    frame.DockControlBar(&pages, AFX_IDW_DOCKBAR_TOP);
    frame.RecalcLayout();
    nav.GetWindowRect(&rect);
    rect.OffsetRect(rect.Width(), 0);
    frame.DockControlBar(&pages, AFX_IDW_DOCKBAR_TOP, &rect);
    frame.RecalcLayout();
    return nSaved;
}

int SaveToolbarOptions(CGalleryFrame& frame, LPCSTR lpszDir)
{
    QELToolbar& nav = frame.GetNavBar();
    QELToolbar& pages = frame.GetPagesBar();
    const QELToolbar::TextOptions eNavText = nav.GetTextOptions(), ePagesText = pages.GetTextOptions();
    const QELToolbar::IconOptions eNavIcons = nav.GetIconOptions(), ePagesIcons = pages.GetIconOptions();
    int nSaved = 0;

    nav.SetTextOptions(QELToolbar::ShowTextLabels, TRUE);
    nav.SetIconOptions(QELToolbar::LargeIcons, TRUE);
    pages.SetTextOptions(QELToolbar::SelectiveTextOnRight, TRUE);
    frame.RecalcLayout();
    Settle(300);
    frame.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Settle(200);
    CString strPath;
    strPath.Format("%s\\toolbars-labels.png", lpszDir);
    nSaved += SaveWindowPng(frame.m_hWnd, strPath) ? 1 : 0;

    // The dialog is the platform toolbar's own; ours is the panel below it.
    strPath.Format("%s\\toolbar-customize.png", lpszDir);
    {
        CDialogShot shot(strPath, IDCANCEL);
        nav.Customize();
        nSaved += shot.Saved() ? 1 : 0;
    }

    nav.SetTextOptions(eNavText, TRUE);
    nav.SetIconOptions(eNavIcons, TRUE);
    pages.SetTextOptions(ePagesText, TRUE);
    pages.SetIconOptions(ePagesIcons, TRUE);
    frame.RecalcLayout();
    return nSaved;
}
