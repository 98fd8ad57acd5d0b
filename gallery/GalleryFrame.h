// The gallery's main window: a tab strip of pages over the page shown.
#pragma once
#include "GalleryPage.h"
#include <memory>
#include <vector>

class CGalleryFrame : public CFrameWnd
{
public:
    CGalleryFrame();
    ~CGalleryFrame() override;

    int GetPageCount() const;
    int GetCurrentPage() const { return m_nCurrent; }
    void ShowPage(int nIndex);
    CString GetPageName(int nIndex) const;
    CGalleryPage* GetPage() const { return m_pPage.get(); }
    // Deletes the pages switched away from. Only from the application's idle
    // time, when no handler of theirs can still be running.
    void DeleteRetiredPages();

    // The gallery's own settings, kept through the library's registry class
    // under HKEY_CURRENT_USER\Software\ZUZIVU70\Gallery (made on first use).
    static QELRegistry Settings();
    // Puts the window back where it was last closed and shows the page last
    // seen; returns the show command to use (maximized when it was). From then
    // on the page and the window's place are remembered.
    int RestoreSettings(int nCmdShow);

    // The two toolbars, docked by the library's dock bars (QELToolbar).
    QELToolbar& GetNavBar() { return m_wndNavBar; }
    QELToolbar& GetPagesBar() { return m_wndPagesBar; }
    // The find bar (GalleryFindBar.cpp): a "Go to" drop-down button, a combo
    // box of the pages and a field that finds a page by its name.
    QELToolbar& GetFindBar() { return m_wndFindBar; }
    void RecalcLayout(BOOL bNotify = TRUE) override;

    // Sent by the long monkey run to watch the gallery for growth: the main
    // window answers with the number of GDI objects the process holds.
    static const UINT s_nCountGdiObjects;

protected:
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    void OnTabChange(NMHDR* pNMHDR, LRESULT* pResult);
    void OnNextPage();
    void OnPrevPage();
    void OnScreenshots();
    void OnPageButton(UINT nID);
    void OnUpdatePageButton(CCmdUI* pCmdUI);
    // ----- the find bar (GalleryFindBar.cpp) -----
    void OnFirstPage();
    void OnLastPage();
    void OnUpdateFindBar(CCmdUI* pCmdUI);
    void OnPageChosen();
    void OnFindPage();
    LRESULT OnCountGdiObjects(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    CRect PageRect() const;
    BOOL CreateToolbars();
    BOOL CreateFindBar();
    void ShowPageInFindBar();
    CWnd m_tabs;
    QELToolbar m_wndNavBar;
    QELToolbar m_wndPagesBar;
    QELToolbar m_wndFindBar;
    CFont m_font;
    std::unique_ptr<CGalleryPage> m_pPage;
    // Pages whose windows are gone but whose objects wait for idle time: a
    // page's handler may still be inside a message loop (its progress window,
    // a dialog or menu it opened) when a command switches the page.
    std::vector<std::unique_ptr<CGalleryPage>> m_retiredPages;
    int m_nCurrent = -1;
    BOOL m_bRemember = FALSE;
};
