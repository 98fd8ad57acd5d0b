// The report list: rows of orders with cell colours, check boxes in four
// styles, and the item movements, swap, deletion and inversion.
#include "GalleryPage.h"
#include <cstdlib>
#include <cstring>

namespace {
const UINT IDC_LIST = 400;
const UINT IDC_CHECKSTYLE = 401;
const UINT IDC_UP = 402;
const UINT IDC_DOWN = 403;
const UINT IDC_TOP = 404;
const UINT IDC_BOTTOM = 405;
const UINT IDC_SWAP = 406;
const UINT IDC_DELETE = 407;
const UINT IDC_INVERT_SELECTION = 408;
const UINT IDC_INVERT_CHECKS = 409;
const UINT IDC_RESET = 410;

struct Order
{
    const char* number;
    const char* customer;
    const char* city;
    const char* amount;
    const char* status;
    double value;
};

const Order kOrders[] = {
    { "SO-10412", "Brightwater Foods", "Rotterdam", "4,180.00", "Paid", 4180.00 },
    { "SO-10413", "Keller & Sohn", "Stuttgart", "12,950.50", "Open", 12950.50 },
    { "SO-10414", "Atlantic Marine Supply", "Porto", "780.25", "Overdue", 780.25 },
    { "SO-10415", "Nordhavn Textiles", "Aarhus", "2,315.00", "Paid", 2315.00 },
    { "SO-10416", "Casa Verde Imports", "Valencia", "9,402.10", "Open", 9402.10 },
    { "SO-10417", "Lindqvist Hardware", "Uppsala", "156.90", "Overdue", 156.90 },
    { "SO-10418", "Morrison Electrical", "Leeds", "6,720.00", "Paid", 6720.00 },
    { "SO-10419", "Fontaine Papeterie", "Lyon", "1,048.75", "Open", 1048.75 },
    { "SO-10420", "Dvorak Instruments", "Brno", "22,310.00", "Open", 22310.00 },
    { "SO-10421", "Oakridge Pharmacy", "Galway", "389.60", "Overdue", 389.60 },
    { "SO-10422", "Van Dijk Bloemen", "Haarlem", "3,005.40", "Paid", 3005.40 },
    { "SO-10423", "Rossi Ceramiche", "Faenza", "5,612.00", "Open", 5612.00 },
};

const COLORREF kOverdueText = RGB(176, 0, 0);
const COLORREF kPaidBk = RGB(222, 244, 222);
const COLORREF kLargeBk = RGB(255, 246, 204);
const COLORREF kNumberText = RGB(96, 96, 96);
}

class CListPage : public CGalleryPage
{
public:
    BOOL OnCreatePage() override
    {
        AddLabel(m_title, "Report list", Row(28), TRUE);
        NextRow(4);
        AddLabel(m_intro,
                 "Each cell has its own text and background colour: overdue orders in red, paid ones on green, "
                 "large amounts on yellow. Select rows and move them; their texts, colours, data, check marks "
                 "and selection travel with them. The check box style decides how many rows may be checked.",
                 Row(34));
        NextRow(8);

        CRect rcList = Row(250);
        m_list.Create(this, IDC_LIST, &rcList,
                      WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS);
        m_list.SetFont(PageFont());
        // The columns come before any row, so no row has colours to shift yet.
        const char* names[] = { "Order", "Customer", "City", "Amount (EUR)", "Status" };
        const int widths[] = { 90, 200, 110, 110, 90 };
        for (int c = 0; c < 5; ++c)
            m_list.CListCtrl::InsertColumn(c, names[c], c == 3 ? LVCFMT_RIGHT : LVCFMT_LEFT, Px(widths[c]));
        m_list.SetGridLines(TRUE);
        m_list.SetCheckboxeStyle(CHECKSTYLE_MULTIPLE);
        Fill();
        NextRow(8);

        AddLabel(m_styleLabel, "Check boxes:", Beside(12, 80));
        // The drop-down list hangs below the row; the row itself is one line high.
        CRect rcCombo = RowAt(96, 24, 130);
        rcCombo.bottom += 100;
        m_checkStyle.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, rcCombo, this, IDC_CHECKSTYLE);
        m_checkStyle.SetFont(PageFont());
        for (const char* style : { "None", "Multiple", "Single", "Read-only" })
            m_checkStyle.AddString(style);
        m_checkStyle.SetCurSel(CHECKSTYLE_MULTIPLE);
        AddLabel(m_status, "", Beside(240, 420));
        NextRow(6);

        int x = 12;
        AddButton(m_up, "Move up", IDC_UP, x, 80);
        AddButton(m_down, "Move down", IDC_DOWN, x, 84);
        AddButton(m_top, "To top", IDC_TOP, x, 70);
        AddButton(m_bottom, "To bottom", IDC_BOTTOM, x, 80);
        AddButton(m_swap, "Swap", IDC_SWAP, x, 60);
        NextRow(6);
        x = 12;
        AddButton(m_delete, "Delete selected", IDC_DELETE, x, 110);
        AddButton(m_invertSelection, "Invert selection", IDC_INVERT_SELECTION, x, 110);
        AddButton(m_invertChecks, "Invert checks", IDC_INVERT_CHECKS, x, 100);
        AddButton(m_reset, "Reload orders", IDC_RESET, x, 100);
        NextRow();
        ShowStatus();
        return TRUE;
    }

    void PrepareScreenshot() override
    {
        m_list.SetItemStates(2, ITEMSTATE_CHECKED);
        m_list.SetItemStates(5, ITEMSTATE_CHECKED);
        m_list.SetItemStates(4, ITEMSTATE_SELECTED | ITEMSTATE_FOCUSED);
        m_list.SetFocus();
        ShowStatus();
    }

protected:
    // The row the movement buttons act on: the first selected one.
    int Current() const { return m_list.GetFirstItem(ITEMSTATE_SELECTED, -1); }

    void OnUp()
    {
        m_list.MoveUp(Current(), 1);
        AfterChange();
    }
    void OnDown()
    {
        m_list.MoveDown(Current(), 1);
        AfterChange();
    }
    void OnTop()
    {
        m_list.MoveToTop(Current());
        AfterChange();
    }
    void OnBottom()
    {
        m_list.MoveToBottom(Current());
        AfterChange();
    }

    // The first two selected rows change places; a single selected row swaps with the one below.
    void OnSwap()
    {
        int nFirst = Current();
        if (nFirst < 0)
            return;
        int nSecond = m_list.GetFirstItem(ITEMSTATE_SELECTED, nFirst);
        m_list.SwapItems(nFirst, nSecond >= 0 ? nSecond : nFirst + 1);
        AfterChange();
    }

    void OnDelete()
    {
        m_list.DeleteAllItems(ITEMSTATE_SELECTED);
        AfterChange();
    }
    void OnInvertSelection()
    {
        m_list.InvertItems(INVERT_SELECTION);
        AfterChange();
    }
    void OnInvertChecks()
    {
        m_list.InvertItems(INVERT_CHECK);
        AfterChange();
    }

    void OnReset()
    {
        m_list.DeleteAllItems(ITEMSTATE_ANY);
        Fill();
        AfterChange();
    }

    void OnCheckStyle()
    {
        int nStyle = m_checkStyle.GetCurSel();
        if (nStyle >= 0)
            m_list.SetCheckboxeStyle(nStyle);
        ShowStatus();
    }

    void OnItemChanged(NMHDR*, LRESULT* pResult)
    {
        ShowStatus();
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    void Fill()
    {
        for (int i = 0; i < (int)(sizeof(kOrders) / sizeof(kOrders[0])); ++i) {
            const Order& o = kOrders[i];
            int nItem = m_list.InsertItemEx(i, o.number, o.customer, o.city, o.amount, o.status);
            // The order number without its prefix is the item's data.
            m_list.SetItemData(nItem, (DWORD)atoi(o.number + 3));
            m_list.SetItemTextColor(nItem, 0, kNumberText, FALSE);
            if (strcmp(o.status, "Overdue") == 0)
                m_list.SetItemTextColor(nItem, -1, kOverdueText, FALSE);
            if (strcmp(o.status, "Paid") == 0)
                m_list.SetItemBkColor(nItem, 4, kPaidBk, FALSE);
            if (o.value >= 5000.0)
                m_list.SetItemBkColor(nItem, 3, kLargeBk, FALSE);
        }
        m_list.RedrawWindow();
    }

    void AfterChange()
    {
        m_list.SetFocus();
        ShowStatus();
    }

    void ShowStatus()
    {
        CString strStatus;
        strStatus.Format("%d orders, %d selected, %d checked", m_list.GetItemCount(ITEMSTATE_ANY),
                         m_list.GetItemCount(ITEMSTATE_SELECTED), m_list.GetItemCount(ITEMSTATE_CHECKED));
        int nCurrent = Current();
        if (nCurrent >= 0) {
            CString strData;
            strData.Format("; first selected holds item data %lu", (unsigned long)m_list.GetItemData(nCurrent));
            strStatus += strData;
        }
        m_status.SetWindowText(strStatus);
    }

    QELListCtrl m_list;
    CComboBox m_checkStyle;
    CStatic m_title, m_intro, m_styleLabel, m_status;
    CButton m_up, m_down, m_top, m_bottom, m_swap, m_delete, m_invertSelection, m_invertChecks, m_reset;
};

BEGIN_MESSAGE_MAP(CListPage, CGalleryPage)
    ON_BN_CLICKED(IDC_UP, OnUp)
    ON_BN_CLICKED(IDC_DOWN, OnDown)
    ON_BN_CLICKED(IDC_TOP, OnTop)
    ON_BN_CLICKED(IDC_BOTTOM, OnBottom)
    ON_BN_CLICKED(IDC_SWAP, OnSwap)
    ON_BN_CLICKED(IDC_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_INVERT_SELECTION, OnInvertSelection)
    ON_BN_CLICKED(IDC_INVERT_CHECKS, OnInvertChecks)
    ON_BN_CLICKED(IDC_RESET, OnReset)
    ON_CBN_SELCHANGE(IDC_CHECKSTYLE, OnCheckStyle)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_LIST, OnItemChanged)
END_MESSAGE_MAP()

GALLERY_PAGE(CListPage, "Report list", 10)
