// Japanese and Chinese texts in the controls: the library's texts are 8-bit, in the system's
// ANSI code page, where a character may take two bytes whose second is '\' or a letter (表 and
// ソ end in 0x5C in Shift-JIS). Every text here is written once as Unicode and handed to the
// controls in the ANSI code page the gallery runs in (scripts/gallery --locale ja_JP for 932,
// zh_CN for 936); a code page without a character shows it as '?'.
#include "GalleryPage.h"

namespace {
const UINT IDC_INTL_LIST = 900;
const UINT IDC_INTL_LINK = 901;
const UINT IDC_INTL_LABEL = 902;

CString Ansi(const wchar_t* text) { return GalleryAnsi(text); }

// Product, quantity, origin, note; a null product is a separator row.
struct StockItem
{
    const wchar_t* product;
    const wchar_t* quantity;
    const wchar_t* origin;
    const wchar_t* note;
};

const StockItem kItems[] = {
    { L"\u8868\u8a08\u7b97\u30bd\u30d5\u30c8", L"12", L"\u6771\u4eac",
      L"\u30bd\u30d5\u30c8\u30a6\u30a7\u30a2\u8868\u793a" },
    { L"\u30a2\u30a4\u30b9\u30af\u30ea\u30fc\u30e0", L"240", L"\u5927\u962a", L"\u51b7\u51cd\u3001\u4e88\u7d04" },
    { L"\u80fd\u9762", L"3", L"\u4eac\u90fd", L"\u4f1d\u7d71\u5de5\u82b8" },
    { L"\u30c7\u30b8\u30bf\u30eb\u30ab\u30e1\u30e9", L"45", L"\u6a2a\u6d5c",
      L"\uff11\uff10\uff10\uff10\u4e07\u753b\u7d20" },
    { nullptr, nullptr, nullptr, nullptr },
    { L"\u4e2d\u56fd\u8336", L"500", L"\u4e0a\u6d77", L"\u8309\u8389\u82b1\u8336" },
    { L"\u7d39\u8208\u9152", L"80", L"\u7d39\u8208", L"\u9ec4\u9152" },
    { L"\u9ebb\u5a46\u8c46\u8150", L"7", L"\u6210\u90fd", L"\u56db\u5ddd" },
    { L"\u9f8d\u4e95\u8336", L"120", L"\u676d\u5dde", L"\u897f\u6e56" },
    { L"\u4e0a\u6d77\u87f9", L"24", L"\u4e0a\u6d77", L"\u5927\u9598\u87f9" },
};
}

class CInternationalPage : public CGalleryPage
{
public:
    BOOL OnCreatePage() override
    {
        AddLabel(m_title, "International text", Row(28), TRUE);
        NextRow(4);
        CString strIntro;
        strIntro.Format("Texts in ANSI code page %u. Japanese rows above the separator, Chinese below (in characters "
                        "both code pages hold); the "
                        "columns come from one definition string, the list sorts by the first column, the "
                        "label and the link below are drawn by the library. Characters the code page lacks "
                        "show as '?': run scripts/gallery --locale ja_JP (932) or zh_CN (936).",
                        ::GetACP());
        AddLabel(m_intro, strIntro, Row(48));
        NextRow(8);

        CRect rcList = Row(210, 620);
        m_list.Create(this, IDC_INTL_LIST, &rcList,
                      WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS);
        m_list.SetFont(PageFont());
        // Product, quantity (right-aligned), origin, note.
        CString strColumns;
        strColumns.Format("%s,%d;%s,%d,2;%s,%d;%s,%d", (LPCSTR)Ansi(L"\u54c1\u540d"), Px(170),
                          (LPCSTR)Ansi(L"\u6570\u91cf"), Px(70), (LPCSTR)Ansi(L"\u7523\u5730"), Px(110),
                          (LPCSTR)Ansi(L"\u5099\u8003"), Px(250));
        m_list.SetColumnHeader(strColumns);
        m_list.SetGridLines(TRUE);
        const CString strSeparator =
            GalleryAnsi(L"\u2014\u2014\u2014", L"\u2015\u2015\u2015");  // 81 5C each in Shift-JIS
        m_list.SetSortSeparator(strSeparator);
        for (int i = 0; i < (int)_countof(kItems); ++i) {
            const StockItem& row = kItems[i];
            if (row.product == nullptr) {
                m_list.InsertItemEx(i, strSeparator, strSeparator, strSeparator, strSeparator);
                m_list.SetItemBkColor(i, -1, RGB(226, 230, 236));
                continue;
            }
            m_list.InsertItemEx(i, Ansi(row.product), Ansi(row.quantity), Ansi(row.origin), Ansi(row.note));
        }
        m_list.SortItems(0, TRUE);
        m_list.SetEditable(TRUE);
        NextRow(10);

        // Static windows of the page font, then taken over by the library's classes.
        m_label.SubclassWindow(MakeStatic(Ansi(L"\u65e5\u672c\u8a9e\u3068\u4e2d\u6587\uff1a\u8868\u793a\u3001"
                                               L"\u80fd\u529b\u3001\u4e0a\u6d77"),
                                          SS_CENTER | SS_CENTERIMAGE, Row(36, 620), IDC_INTL_LABEL));
        LOGFONTA lf = {};
        PageFont()->GetLogFont(&lf);
        lf.lfHeight = lf.lfHeight * 2;
        lf.lfWeight = FW_BOLD;
        m_label.SetFont(lf);
        m_label.SetBkColor(RGB(16, 40, 110), RGB(120, 180, 240), QELStatic::GradientFill);
        m_label.SetTextColor(RGB(255, 255, 255));
        NextRow(10);

        m_link.SubclassWindow(MakeStatic(Ansi(L"\u30bd\u30d5\u30c8\u30a6\u30a7\u30a2\u306e\u8868\u793a\uff08"
                                              L"\u4f8b\uff09"),
                                         SS_LEFT | WS_TABSTOP, Row(20, 300), IDC_INTL_LINK));
        m_link.SetLinkUrl("https://www.example.com/");
        return TRUE;
    }

    // An edit in progress on a Japanese cell, as the user would see it.
    void PrepareScreenshot() override { m_list.StartEdit(1, 3); }

private:
    HWND MakeStatic(LPCSTR lpszText, DWORD dwStyle, const CRect& rc, UINT nID)
    {
        HWND hWnd =
            ::CreateWindowExA(0, "STATIC", lpszText, WS_CHILD | WS_VISIBLE | dwStyle, rc.left, rc.top, rc.Width(),
                              rc.Height(), m_hWnd, (HMENU)(UINT_PTR)nID, AfxGetInstanceHandle(), nullptr);
        ::SendMessageA(hWnd, WM_SETFONT, (WPARAM)PageFont()->GetSafeHandle(), FALSE);
        return hWnd;
    }

    CStatic m_title, m_intro;
    QELListCtrl m_list;
    QELStatic m_label;
    QELHyperlink m_link;
};

GALLERY_PAGE(CInternationalPage, "International", 90)
