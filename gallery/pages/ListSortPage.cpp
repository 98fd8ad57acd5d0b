// Sorting the report list: columns of integers, hexadecimal lot codes,
// percents, dates, names and weights, each sorted by what its texts hold, with
// separator rows between the plants that stay where they are.
#include "GalleryPage.h"

namespace {
const UINT IDC_SORTLIST = 500;
const UINT IDC_SORTMARK = 501;
const UINT IDC_SORTABLE = 502;
const UINT IDC_RELOAD = 503;

// The separator row: the same text in every column, so it splits the list
// whichever column is sorted.
// Three em dashes in the ANSI code page (97 each in 1252), or horizontal bars where it has
// no em dash (81 5C each in Shift-JIS).
CString Separator() { return GalleryAnsi(L"\u2014\u2014\u2014", L"\u2015\u2015\u2015"); }

struct Batch
{
    int number;
    const char* lotCode;
    const char* yield;
    int year, month, day;
    const char* product;
    double weight;
};

// Three plants, each a block of its own; a null product is a separator row.
const Batch kBatches[] = {
    { 9, "0x1F4A", "97.5%", 2024, 3, 14, "Ascorbic acid", 12.5 },
    { 100, "0x0BEE", "88%", 2024, 1, 5, "Citric acid", 250.0 },
    { 10, "0xCAFE", "91.25%", 2023, 11, 30, "Sodium benzoate", 4.75 },
    { 2048, "0x00FF", "100%", 2024, 2, 29, "Potassium sorbate", 18.0 },
    { 0, nullptr, nullptr, 0, 0, 0, nullptr, 0 },
    { 512, "0x07D0", "76.5%", 2024, 4, 2, "Xanthan gum", 33.3 },
    { 64, "0xA5A5", "99.9%", 2023, 12, 24, "guar gum", 7.0 },
    { 1000, "0x0010", "50%", 2024, 3, 1, "Pectin", 120.25 },
    { 7, "0xFFFF", "8.5%", 2024, 1, 17, "Agar", 2.5 },
    { 0, nullptr, nullptr, 0, 0, 0, nullptr, 0 },
    { 300, "0x03E8", "92%", 2023, 10, 9, "Lecithin", 45.0 },
    { 25, "0x0019", "7.5%", 2024, 5, 20, "Carrageenan", 600.0 },
    { 4096, "0xBEEF", "64%", 2024, 2, 11, "Maltodextrin", 1500.5 },
    { 33, "0x2A2A", "81%", 2023, 9, 18, "Gellan gum", 0.75 },
};

const char* const kColumnNames[] = { "Batch", "Lot code", "Yield", "Produced", "Product", "Weight (kg)" };
const int kColumnWidths[] = { 60, 80, 70, 100, 150, 90 };
const int kColumns = 6;

const COLORREF kSeparatorBk = RGB(226, 230, 236);
const COLORREF kSeparatorText = RGB(120, 128, 140);
const COLORREF kCodeText = RGB(0, 84, 147);
}

class CListSortPage : public CGalleryPage
{
public:
    BOOL OnCreatePage() override
    {
        AddLabel(m_title, "Sorting", Row(28), TRUE);
        NextRow(4);
        AddLabel(m_intro,
                 "Click any column header to sort by it; click it again to reverse. Each text is read for what it "
                 "holds: batch numbers and hexadecimal lot codes as numbers, yields as percents, dates as dates, "
                 "the rest as text. The shaded separator rows stay put and each plant's rows are sorted apart.",
                 Row(48));
        NextRow(8);

        CRect rcList = Row(262, 580);
        m_list.Create(this, IDC_SORTLIST, &rcList,
                      WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS);
        m_list.SetFont(PageFont());
        for (int c = 0; c < kColumns; ++c)
            m_list.CListCtrl::InsertColumn(c, kColumnNames[c], c == 5 ? LVCFMT_RIGHT : LVCFMT_LEFT,
                                           Px(kColumnWidths[c]));
        m_list.SetGridLines(TRUE);
        m_list.SetSortSeparator(Separator());
        Fill();
        NextRow(8);

        m_mark.Create("Show the sort direction in the header", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                      RowAt(12, 22, 250), this, IDC_SORTMARK);
        m_mark.SetFont(PageFont());
        m_sortable.Create("Headers sort on click", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                          RowAt(272, 22, 160), this, IDC_SORTABLE);
        m_sortable.SetFont(PageFont());
        m_sortable.SetCheck(m_list.IsSortable() ? BST_CHECKED : BST_UNCHECKED);
        m_reload.Create("Reload in arrival order", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                        RowAt(440, 24, 152), this, IDC_RELOAD);
        m_reload.SetFont(PageFont());
        NextRow(8);
        AddLabel(m_status, "", Row(20));
        ShowStatus();
        return TRUE;
    }

    void PrepareScreenshot() override
    {
        m_mark.SetCheck(BST_CHECKED);
        OnSortMark();
        m_list.SortItems(3, FALSE);
        m_list.SetItemStates(6, ITEMSTATE_SELECTED | ITEMSTATE_FOCUSED);
        m_list.SetFocus();
    }

protected:
    void OnSortMark() { m_list.SetSortMark(m_mark.GetCheck() == BST_CHECKED); }

    void OnSortable()
    {
        m_list.SetSortable(m_sortable.GetCheck() == BST_CHECKED);
        ShowStatus();
    }

    void OnReload()
    {
        m_list.DeleteAllItems(ITEMSTATE_ANY);
        Fill();
        ShowStatus();
    }

    // The list tells us after every sort, whether a click or a call made it.
    LRESULT OnSorted(WPARAM, LPARAM)
    {
        ShowStatus();
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    void Fill()
    {
        m_list.SetRedraw(FALSE);
        for (int i = 0; i < (int)(sizeof(kBatches) / sizeof(kBatches[0])); ++i) {
            const Batch& b = kBatches[i];
            int nItem = m_list.InsertItem(i, "");
            if (b.product == nullptr) {
                for (int c = 0; c < kColumns; ++c)
                    m_list.SetItemText(nItem, c, static_cast<LPCSTR>(Separator()));
                m_list.SetItemBkColor(nItem, -1, kSeparatorBk, FALSE);
                m_list.SetItemTextColor(nItem, -1, kSeparatorText, FALSE);
                continue;
            }
            // The typed forms write the texts the sort then reads back.
            m_list.SetItemText(nItem, 0, b.number);
            m_list.SetItemText(nItem, 1, b.lotCode);
            m_list.SetItemText(nItem, 2, b.yield);
            m_list.SetItemText(nItem, 3, COleDateTime(b.year, b.month, b.day, 0, 0, 0), VAR_DATEVALUEONLY);
            m_list.SetItemText(nItem, 4, b.product);
            m_list.SetItemText(nItem, 5, b.weight, -1);
            m_list.SetItemTextColor(nItem, 1, kCodeText, FALSE);
        }
        m_list.SetRedraw(TRUE);
        m_list.RedrawWindow();
    }

    void ShowStatus()
    {
        CString strStatus;
        int nColumn = m_list.GetSortedColumn();
        if (!m_list.IsSortable())
            strStatus = "Sorting by header clicks is off.";
        else if (nColumn < 0)
            strStatus = "In arrival order: click a column header to sort.";
        else
            strStatus.Format("Sorted by %s, %s; the rows between separators are sorted apart.", kColumnNames[nColumn],
                             m_list.IsSortAscending() ? "ascending" : "descending");
        m_status.SetWindowText(strStatus);
    }

    QELListCtrl m_list;
    CStatic m_title, m_intro, m_status;
    CButton m_mark, m_sortable, m_reload;
};

BEGIN_MESSAGE_MAP(CListSortPage, CGalleryPage)
    ON_BN_CLICKED(IDC_SORTMARK, OnSortMark)
    ON_BN_CLICKED(IDC_SORTABLE, OnSortable)
    ON_BN_CLICKED(IDC_RELOAD, OnReload)
    ON_MESSAGE(LISTMSG_SORTED, OnSorted)
END_MESSAGE_MAP()

GALLERY_PAGE(CListSortPage, "Sorting", 20)
