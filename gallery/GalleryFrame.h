// The gallery's main window: a tab strip of pages over the page shown.
#pragma once
#include "GalleryPage.h"
#include <memory>

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

protected:
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnSize(UINT nType, int cx, int cy);
    void OnTabChange(NMHDR* pNMHDR, LRESULT* pResult);
    void OnNextPage();
    void OnPrevPage();
    void OnScreenshots();
    DECLARE_MESSAGE_MAP()

private:
    CRect PageRect() const;
    CWnd m_tabs;
    CFont m_font;
    std::unique_ptr<CGalleryPage> m_pPage;
    int m_nCurrent = -1;
};
