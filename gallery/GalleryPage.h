// A page of the gallery: a child window that shows one family of controls.
// Pages register themselves, so adding a page is adding one source file.
#pragma once
#include "ZUZIVU70.h"
#include <functional>
#include <vector>

// The screen's DPI: the gallery declares itself DPI aware and lays itself
// out for the DPI it starts at.
int GalleryDpi();
// A length in layout units (pixels at 96 DPI) in pixels at the gallery's DPI.
int GalleryPx(int nUnits);

// A text written in Unicode, in the ANSI code page the gallery runs in; when the code page
// lacks one of its characters and a fallback is given, the fallback instead ('?' stands for
// what is still missing).
CString GalleryAnsi(const wchar_t* text, const wchar_t* fallback = nullptr);

class CGalleryPage : public CWnd
{
public:
    // Creates the page's window and its controls inside rect of pParent.
    BOOL CreatePage(CWnd* pParent, const CRect& rect, UINT nID);
    // Builds the controls; called once the page window exists.
    virtual BOOL OnCreatePage() = 0;
    // Brings the page into a state worth a screenshot (open a drop-down, start an edit ...).
    virtual void PrepareScreenshot() {}
    // Saves pictures of what the page opens (dialogs, windows) as
    // "<prefix>-<what>.png", before the page's own picture; returns the number saved.
    virtual int SaveExtraScreenshots(LPCSTR lpszPathPrefix) { return 0; }

protected:
    // Child controls are placed on a grid of rows: these hand out positions
    // in pixels. Every length a page gives (heights, widths, x, gaps and
    // m_nRowTop) is in layout units, pixels at 96 DPI, so a page keeps its
    // shape at any DPI as its text grows.
    CRect Row(int nHeight, int nWidth = -1);
    CRect RowAt(int x, int nHeight, int nWidth);
    void NextRow(int nGap = 8);
    CFont* PageFont();
    CFont* TitleFont();
    // A caption line in the page font.
    void AddLabel(CStatic& label, LPCSTR lpszText, const CRect& rect, BOOL bTitle = FALSE);
    // A one-line label at x on the current row, level with the text of the
    // edit or button beside it.
    CRect Beside(int x, int nWidth, int nHeight = 22);
    // A push button at x on the current row; x moves past it.
    void AddButton(CButton& button, LPCSTR lpszText, UINT nID, int& x, int nWidth);
    // Layout units to pixels at the gallery's DPI.
    static int Px(int nUnits) { return GalleryPx(nUnits); }
    static CRect Px(const CRect& rcUnits);

    int m_nRowTop = 12;
    int m_nRowHeight = 0;
    BOOL OnEraseBkgnd(CDC* pDC);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

private:
    // A face for the ANSI code page's characters, where the default one may lack them.
    static void UseFaceOfAnsiCodePage(LOGFONTA& lf);
    CFont m_font;
    CFont m_titleFont;
};

struct GalleryPageInfo
{
    const char* name;
    int order;
    std::function<CGalleryPage*()> create;
};

// Every registered page, in display order.
std::vector<GalleryPageInfo>& GalleryPages();

struct GalleryPageRegistration
{
    GalleryPageRegistration(const char* name, int order, std::function<CGalleryPage*()> create);
};

#define GALLERY_PAGE(cls, name, order) \
    static GalleryPageRegistration s_register_##cls(name, order, [] { return static_cast<CGalleryPage*>(new cls); });
