#include "GalleryFrame.h"
#include "GalleryResources.h"
#include "Screenshot.h"

namespace {
const UINT IDC_TABS = 1;
const UINT IDC_PAGE = 2;
const char kSettingsKey[] = "Software\\ZUZIVU70\\Gallery";
}

BEGIN_MESSAGE_MAP(CGalleryFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_NOTIFY(TCN_SELCHANGE, IDC_TABS, OnTabChange)
    ON_COMMAND(ID_GALLERY_NEXT_PAGE, OnNextPage)
    ON_COMMAND(ID_GALLERY_PREV_PAGE, OnPrevPage)
    ON_COMMAND(ID_GALLERY_SCREENSHOTS, OnScreenshots)
END_MESSAGE_MAP()

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
    return 0;
}

int CGalleryFrame::GetPageCount() const { return (int)GalleryPages().size(); }

CString CGalleryFrame::GetPageName(int nIndex) const
{
    const auto& pages = GalleryPages();
    return nIndex >= 0 && nIndex < (int)pages.size() ? CString(pages[nIndex].name) : CString();
}

CRect CGalleryFrame::PageRect() const
{
    CRect rc;
    GetClientRect(&rc);
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
    if (m_pPage && m_pPage->m_hWnd != nullptr)
        m_pPage->DestroyWindow();
    m_pPage.reset(pages[nIndex].create());
    m_nCurrent = nIndex;
    m_tabs.SendMessage(TCM_SETCURSEL, nIndex);
    m_pPage->CreatePage(this, PageRect(), IDC_PAGE);
    if (m_bRemember)
        Settings().WriteInt("Last Page", nIndex);
}

QELRegistry CGalleryFrame::Settings()
{
    QELRegistry reg;
    reg.SetKey(kSettingsKey, TRUE);
    return reg;
}

int CGalleryFrame::RestoreSettings(int nCmdShow)
{
    QELRegistry reg = Settings();
    // Only a place big enough to use and still on a monitor: screens change
    // between sessions.
    CRect rcWindow;
    if (reg.ReadRect("Window", &rcWindow) && rcWindow.Width() >= 320 && rcWindow.Height() >= 240 &&
        ::MonitorFromRect(&rcWindow, MONITOR_DEFAULTTONULL) != nullptr) {
        WINDOWPLACEMENT wp = { sizeof(wp) };
        GetWindowPlacement(&wp);
        wp.rcNormalPosition = rcWindow;
        wp.showCmd = SW_HIDE;  // shown by the caller
        SetWindowPlacement(&wp);
    }
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
        reg.WriteBool("Maximized", wp.showCmd == SW_SHOWMAXIMIZED);
        reg.WriteInt("Last Page", m_nCurrent);
    }
    CFrameWnd::OnDestroy();
}

void CGalleryFrame::OnSize(UINT nType, int cx, int cy)
{
    CFrameWnd::OnSize(nType, cx, cy);
    if (m_tabs.m_hWnd == nullptr)
        return;
    m_tabs.MoveWindow(0, 0, cx, cy);
    if (m_pPage && m_pPage->m_hWnd != nullptr)
        m_pPage->MoveWindow(PageRect());
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
