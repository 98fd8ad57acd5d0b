#include "Screenshot.h"
#include "DialogShot.h"
#include "GalleryFrame.h"

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
        if (QELGUIUtils::SaveWindowPng(frame.m_hWnd, strPath))
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
        return QELGUIUtils::SaveWindowPng(frame.m_hWnd, strPath) ? 1 : 0;
    };
    QELToolbar& nav = frame.GetNavBar();
    QELToolbar& pages = frame.GetPagesBar();
    int nSaved = shoot("toolbars-top");
    // Where the two bars lie in the top row, to put them back there: docked
    // without a place, a bar takes a row of its own, and the find bar, which
    // stays, would be left alone in the first row with a gap where they were.
    CRect rectNavTop, rectPagesTop;
    nav.GetWindowRect(&rectNavTop);
    pages.GetWindowRect(&rectPagesTop);

    // Both on the left side, one under the other.
    frame.DockControlBar(&nav, AFX_IDW_DOCKBAR_LEFT);
    frame.RecalcLayout();
    CRect rect;
    nav.GetWindowRect(&rect);
    rect.OffsetRect(0, rect.Height());
    frame.DockControlBar(&pages, AFX_IDW_DOCKBAR_LEFT, &rect);
    nSaved += shoot("toolbars-left");

    // The navigation bar back at the top, the pages bar floating over the page.
    frame.DockControlBar(&nav, AFX_IDW_DOCKBAR_TOP, &rectNavTop);
    CRect rectFrame;
    frame.GetWindowRect(&rectFrame);
    frame.FloatControlBar(&pages, CPoint(rectFrame.left + rectFrame.Width() / 2, rectFrame.top + 200));
    nSaved += shoot("toolbars-floating");

    // Back where they started.
    frame.DockControlBar(&pages, AFX_IDW_DOCKBAR_TOP, &rectPagesTop);
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
    nSaved += QELGUIUtils::SaveWindowPng(frame.m_hWnd, strPath) ? 1 : 0;

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
