#include "GalleryFrame.h"
#include "GalleryResources.h"
#include "Screenshot.h"
#include "WindowPlace.h"
#include <algorithm>

namespace {
// The tab strip is the frame's pane: the frame lays it out beside the toolbars.
const UINT IDC_TABS = AFX_IDW_PANE_FIRST;
const UINT IDC_PAGE = 2;
const char kSettingsKey[] = "Software\\ZUZIVU70\\Gallery";

window_place::Rect PlaceOf(const CRect& rc) { return { rc.left, rc.top, rc.right, rc.bottom }; }
CRect RectOf(const window_place::Rect& rc) { return CRect(rc.left, rc.top, rc.right, rc.bottom); }

// The work area of the monitor nearest to rc, in the coordinates of a
// window's normal placement (the primary work area's top-left is 0, 0).
CRect PlacementWorkArea(const CRect& rc)
{
    MONITORINFO mi = { sizeof(mi) };
    CRect rcWork(0, 0, 0, 0);
    HMONITOR hMonitor = ::MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST);
    if (hMonitor == nullptr || !::GetMonitorInfoA(hMonitor, &mi))
        return rcWork;
    rcWork = mi.rcWork;
    MONITORINFO primary = { sizeof(primary) };
    if (::GetMonitorInfoA(::MonitorFromPoint(CPoint(0, 0), MONITOR_DEFAULTTOPRIMARY), &primary))
        rcWork.OffsetRect(primary.rcMonitor.left - primary.rcWork.left, primary.rcMonitor.top - primary.rcWork.top);
    return rcWork;
}
}

BEGIN_MESSAGE_MAP(CGalleryFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_NOTIFY(TCN_SELCHANGE, IDC_TABS, OnTabChange)
    ON_COMMAND(ID_GALLERY_NEXT_PAGE, OnNextPage)
    ON_COMMAND(ID_GALLERY_PREV_PAGE, OnPrevPage)
    ON_COMMAND(ID_GALLERY_SCREENSHOTS, OnScreenshots)
    ON_COMMAND_RANGE(ID_GALLERY_PAGE_FIRST, ID_GALLERY_PAGE_LAST, OnPageButton)
    ON_UPDATE_COMMAND_UI_RANGE(ID_GALLERY_PAGE_FIRST, ID_GALLERY_PAGE_LAST, OnUpdatePageButton)
    // the find bar
    ON_COMMAND(ID_GALLERY_FIRST_PAGE, OnFirstPage)
    ON_COMMAND(ID_GALLERY_LAST_PAGE, OnLastPage)
    ON_UPDATE_COMMAND_UI_RANGE(ID_GALLERY_GOTO, ID_GALLERY_FIND_PAGE, OnUpdateFindBar)
    ON_CBN_SELCHANGE(ID_GALLERY_PAGE_COMBO, OnPageChosen)
    ON_EN_CHANGE(ID_GALLERY_FIND_PAGE, OnFindPage)
    ON_REGISTERED_MESSAGE(s_nCountGdiObjects, OnCountGdiObjects)
END_MESSAGE_MAP()

const UINT CGalleryFrame::s_nCountGdiObjects = ::RegisterWindowMessageA("ZUZIVU70 gallery GDI objects");

LRESULT CGalleryFrame::OnCountGdiObjects(WPARAM, LPARAM)
{
    const DWORD nObjects = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (nObjects != 0)
        return nObjects;
    // Wine answers 0 (a stub) but takes a handle whose upper word is 0 as
    // naming the slot of its low word: every slot looked up counts them.
    LRESULT nSlots = 0;
    for (ULONG_PTR i = 1; i < 0x10000; ++i)
        nSlots += ::GetObjectType(reinterpret_cast<HGDIOBJ>(i)) != 0;
    return nSlots;
}

CGalleryFrame::CGalleryFrame() = default;
CGalleryFrame::~CGalleryFrame() = default;

int CGalleryFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    LOGFONTA lf = {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    m_font.CreateFontIndirect(&lf);
    if (!m_tabs.Create(WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, CRect(0, 0, 100, 30), this,
                       IDC_TABS))
        return -1;
    m_tabs.SetFont(&m_font);
    const auto& pages = GalleryPages();
    for (size_t i = 0; i < pages.size(); ++i) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<LPSTR>(pages[i].name);
        m_tabs.SendMessage(TCM_INSERTITEMA, i, (LPARAM)&item);
    }
    return CreateToolbars() ? 0 : -1;
}

BOOL CGalleryFrame::CreateToolbars()
{
    const DWORD dwStyle =
        WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
    if (!m_wndNavBar.CreateEx(this, TBSTYLE_FLAT, dwStyle, CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR) ||
        !m_wndNavBar.LoadToolBar(IDR_GALLERY_NAV))
        return FALSE;
    m_wndNavBar.SetWindowText("Navigation");
    // One button per page, up to eight.
    if (!m_wndPagesBar.CreateEx(this, TBSTYLE_FLAT, dwStyle, CRect(0, 0, 0, 0), ID_VIEW_PAGESBAR))
        return FALSE;
    UINT ids[ID_GALLERY_PAGE_LAST - ID_GALLERY_PAGE_FIRST + 1];
    int nButtons = std::min(GetPageCount(), (int)_countof(ids));
    for (int i = 0; i < nButtons; ++i)
        ids[i] = ID_GALLERY_PAGE_FIRST + i;
    if (!m_wndPagesBar.SetButtons(ids, nButtons) || !m_wndPagesBar.LoadBitmap(IDB_GALLERY_PAGES))
        return FALSE;
    m_wndPagesBar.SetWindowText("Pages");
    // Labels from the command strings; the user may customize both bars
    // (right click on either, or double click).
    m_wndNavBar.SetToolBarInfoForCustomization(nullptr);
    m_wndPagesBar.SetToolBarInfoForCustomization(nullptr);

    m_wndNavBar.EnableDocking(CBRS_ALIGN_ANY);
    m_wndPagesBar.EnableDocking(CBRS_ALIGN_ANY);
    QELToolbar::FrameEnableDocking(this, CBRS_ALIGN_ANY);
    DockControlBar(&m_wndNavBar, AFX_IDW_DOCKBAR_TOP);
    // The pages bar in the same row, right of the navigation bar.
    RecalcLayout();
    CRect rect;
    m_wndNavBar.GetWindowRect(&rect);
    rect.OffsetRect(rect.Width(), 0);
    DockControlBar(&m_wndPagesBar, AFX_IDW_DOCKBAR_TOP, &rect);
    RecalcLayout();
    return CreateFindBar();
}

void CGalleryFrame::RecalcLayout(BOOL bNotify)
{
    CFrameWnd::RecalcLayout(bNotify);
    if (m_pPage && m_pPage->m_hWnd != nullptr)
        m_pPage->MoveWindow(PageRect());
}

void CGalleryFrame::OnPageButton(UINT nID) { ShowPage((int)(nID - ID_GALLERY_PAGE_FIRST)); }

void CGalleryFrame::OnUpdatePageButton(CCmdUI* pCmdUI)
{
    // The current page's button is pressed in.
    pCmdUI->SetCheck((int)(pCmdUI->m_nID - ID_GALLERY_PAGE_FIRST) == m_nCurrent);
}

int CGalleryFrame::GetPageCount() const { return (int)GalleryPages().size(); }

CString CGalleryFrame::GetPageName(int nIndex) const
{
    const auto& pages = GalleryPages();
    return nIndex >= 0 && nIndex < (int)pages.size() ? CString(pages[nIndex].name) : CString();
}

CRect CGalleryFrame::PageRect() const
{
    // Below the tab strip's tabs, within what the toolbars leave.
    CRect rc;
    m_tabs.GetWindowRect(&rc);
    ScreenToClient(&rc);
    CRect rcTabs = rc;
    m_tabs.SendMessage(TCM_ADJUSTRECT, FALSE, (LPARAM)&rcTabs);
    rc.top = rcTabs.top;
    return rc;
}

void CGalleryFrame::ShowPage(int nIndex)
{
    const auto& pages = GalleryPages();
    if (nIndex < 0 || nIndex >= (int)pages.size())
        return;
    // ----- reliability: no page goes while its dialog runs -----
    // A dialog a page opened disables the frame while it runs, and the page's
    // handler still waits for it: a page switch then (a command posted to the
    // frame, its accelerators) would return that handler into a page that is
    // gone. The page stays, and so does its tab.
    if (m_pPage && m_pPage->m_hWnd != nullptr && !IsWindowEnabled()) {
        m_tabs.SendMessage(TCM_SETCURSEL, m_nCurrent);
        return;
    }
    // ----- end of reliability block -----
    if (m_pPage) {
        if (m_pPage->m_hWnd != nullptr)
            m_pPage->DestroyWindow();
        // Not deleted here: a handler of the page may be on the stack below
        // this command, and returns into the object.
        m_retiredPages.push_back(std::move(m_pPage));
    }
    m_pPage.reset(pages[nIndex].create());
    m_nCurrent = nIndex;
    m_tabs.SendMessage(TCM_SETCURSEL, nIndex);
    m_pPage->CreatePage(this, PageRect(), IDC_PAGE);
    ShowPageInFindBar();
    if (m_bRemember)
        Settings().WriteInt("Last Page", nIndex);
}

void CGalleryFrame::DeleteRetiredPages() { m_retiredPages.clear(); }

QELRegistry CGalleryFrame::Settings()
{
    QELRegistry reg;
    reg.SetKey(kSettingsKey, TRUE);
    return reg;
}

int CGalleryFrame::RestoreSettings(int nCmdShow)
{
    QELRegistry reg = Settings();
    // The place is kept with the DPI it was saved at; only one big enough to
    // use, and on the screen as it is now: screens and their DPI change
    // between sessions.
    CRect rcSaved;
    const int nSavedDpi = reg.ReadInt("Window DPI", 0);
    const BOOL bSaved = reg.ReadRect("Window", &rcSaved);
    const CRect rcAt96 = RectOf(window_place::Rescale(PlaceOf(rcSaved), nSavedDpi, 96));
    if (bSaved && rcAt96.Width() >= 320 && rcAt96.Height() >= 240) {
        const int nDpi = GalleryDpi();
        CRect rcWindow = RectOf(window_place::Rescale(PlaceOf(rcSaved), nSavedDpi, nDpi));
        rcWindow =
            RectOf(window_place::Restore(PlaceOf(rcSaved), nSavedDpi, nDpi, PlaceOf(PlacementWorkArea(rcWindow))));
        WINDOWPLACEMENT wp = { sizeof(wp) };
        GetWindowPlacement(&wp);
        wp.rcNormalPosition = rcWindow;
        wp.showCmd = SW_HIDE;  // shown by the caller
        SetWindowPlacement(&wp);
    }
    // The toolbars' buttons and options as the user left them.
    m_wndNavBar.RestoreState();
    m_wndPagesBar.RestoreState();
    RecalcLayout();
    int nPage = reg.ReadInt("Last Page", 0);
    ShowPage(nPage >= 0 && nPage < GetPageCount() ? nPage : 0);
    m_bRemember = TRUE;
    BOOL bPlainShow = nCmdShow == SW_SHOWNORMAL || nCmdShow == SW_SHOW || nCmdShow == SW_SHOWDEFAULT;
    return bPlainShow && reg.ReadBool("Maximized", FALSE) ? SW_SHOWMAXIMIZED : nCmdShow;
}

void CGalleryFrame::OnDestroy()
{
    WINDOWPLACEMENT wp = { sizeof(wp) };
    if (m_bRemember && GetWindowPlacement(&wp)) {
        QELRegistry reg = Settings();
        CRect rcWindow(wp.rcNormalPosition);
        reg.WriteRect("Window", &rcWindow);
        reg.WriteInt("Window DPI", GalleryDpi());
        reg.WriteBool("Maximized", wp.showCmd == SW_SHOWMAXIMIZED);
        reg.WriteInt("Last Page", m_nCurrent);
        m_wndNavBar.SaveState();
        m_wndPagesBar.SaveState();
    }
    CFrameWnd::OnDestroy();
}

void CGalleryFrame::OnTabChange(NMHDR*, LRESULT* pResult)
{
    ShowPage((int)m_tabs.SendMessage(TCM_GETCURSEL));
    *pResult = 0;
}

void CGalleryFrame::OnNextPage()
{
    if (GetPageCount() > 0)
        ShowPage((m_nCurrent + 1) % GetPageCount());
}

void CGalleryFrame::OnPrevPage()
{
    if (GetPageCount() > 0)
        ShowPage((m_nCurrent + GetPageCount() - 1) % GetPageCount());
}

void CGalleryFrame::OnScreenshots()
{
    char szDir[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, szDir);
    CString strDir = CString(szDir) + "\\gallery-shots";
    ::CreateDirectoryA(strDir, nullptr);
    int nSaved = SaveAllPages(*this, strDir);
    CString strMsg;
    strMsg.Format("Saved %d screenshots in %s.", nSaved, (LPCSTR)strDir);
    AfxMessageBox(strMsg, MB_ICONINFORMATION);
}
