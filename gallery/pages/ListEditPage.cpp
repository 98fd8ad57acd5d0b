// In-place editing in the report list: warehouse stock whose cells are edited
// by a click or a double-click, Tab walking along the row, header images, and
// columns redefined from one definition string.
#include "GalleryPage.h"
#include "GalleryResources.h"
#include <cstdlib>

namespace {
const UINT IDC_STOCK = 500;
const UINT IDC_CLICK_EDITS = 501;
const UINT IDC_DOUBLECLICK_EDITS = 502;
const UINT IDC_FIRST_COLUMN = 503;
const UINT IDC_DEFINITION = 504;
const UINT IDC_APPLY = 505;
const UINT IDC_RELOAD = 506;

const COLORREF kMask = RGB(255, 0, 255);
// Images of the strip IDB_LISTEDIT_ICONS.
enum { kImageBox, kImageBarcode, kImageStack, kImagePin, kImageNote, kImageGood, kImageEmpty, kImageLow };

const char kDefaultDefinition[] = "Item,200;SKU,80;On hand,90,2;Location,100,1;Notes,220";

struct StockItem
{
    const char* item;
    const char* sku;
    const char* onHand;
    const char* location;
    const char* notes;
};

const StockItem kStock[] = {
    { "Stainless hinge 40mm", "HG-4010", "128", "A-03", "Pack of 10" },
    { "Cabinet handle, matt black", "CH-2231", "46", "A-07", "" },
    { "Drawer runner 450mm", "DR-4500", "3", "B-12", "Reorder placed 2 March" },
    { "Shelf pin 5mm", "SP-0500", "1200", "B-02", "Bags of 100" },
    { "Wood screw 4x30", "WS-4030", "8", "C-01", "Ask supplier for lead time" },
    { "Soft-close damper", "SD-0110", "19", "B-04", "" },
    { "Corner bracket", "CB-2020", "64", "C-09", "Galvanised" },
    { "Magnetic catch", "MC-0015", "0", "A-11", "Discontinued by maker" },
    { "Edge banding, oak 22mm", "EB-2201", "12", "D-02", "Rolls of 50 m" },
    { "Furniture foot, adjustable", "FF-0300", "27", "D-05", "" },
};

// The image that tells how much of an item is left.
int StockImage(const char* lpszOnHand)
{
    const int nCount = atoi(lpszOnHand);
    if (nCount <= 0)
        return kImageEmpty;
    return nCount < 10 ? kImageLow : kImageGood;
}

// A list whose cells open on a double-click instead of a click, when asked: a
// single click is then answered as in a list that is not editable (it selects,
// and ticks boxes under the check box style), so only the second click of a
// double-click on the current row opens the editor.
class CStockList : public QELListCtrl
{
public:
    BOOL m_bDoubleClickEdits = FALSE;

protected:
    void OnLButtonDown(UINT nFlags, CPoint point)
    {
        if (!m_bDoubleClickEdits || !IsEditable()) {
            QELListCtrl::OnLButtonDown(nFlags, point);
            return;
        }
        SetEditable(FALSE);
        QELListCtrl::OnLButtonDown(nFlags, point);
        SetEditable(TRUE);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CStockList, QELListCtrl)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()
}

class CListEditPage : public CGalleryPage
{
public:
    BOOL OnCreatePage() override
    {
        AddLabel(m_title, "In-place editing", Row(28), TRUE);
        NextRow(4);
        AddLabel(m_intro,
                 "Click a cell (or double-click it, as chosen below) to edit it. Enter keeps the text, Escape "
                 "drops it, Tab moves along the row and the arrow keys to the row above or below. The stock "
                 "images follow the quantities typed. The columns come from the definition below: "
                 "heading, width, alignment (1 centred, 2 right) for each column, separated by semicolons.",
                 Row(48));
        NextRow(8);

        CRect rcList = Row(236);
        m_list.Create(this, IDC_STOCK, &rcList,
                      WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS);
        m_list.SetFont(PageFont());
        m_list.SetGridLines(TRUE);
        m_list.SetCheckboxeStyle(CHECKSTYLE_MULTIPLE);
        m_list.SetImageList(IDB_LISTEDIT_ICONS, kMask);
        m_list.SetHeaderImageList(IDB_LISTEDIT_ICONS, kMask);
        m_list.SetEditable(TRUE);
        NextRow(8);

        // Plain radio buttons checked by their handlers: Wine's automatic ones
        // spin for ever in a long-lived 64-bit session (docs/platform.md).
        m_clickEdits.Create("Click edits", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_RADIOBUTTON,
                            RowAt(12, 20, 100), this, IDC_CLICK_EDITS);
        m_doubleClickEdits.Create("Double-click edits", WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, RowAt(116, 20, 130),
                                  this, IDC_DOUBLECLICK_EDITS);
        m_firstColumn.Create("First column editable", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX,
                             RowAt(260, 20, 150), this, IDC_FIRST_COLUMN);
        for (CButton* pButton : { &m_clickEdits, &m_doubleClickEdits, &m_firstColumn })
            pButton->SetFont(PageFont());
        m_clickEdits.SetCheck(BST_CHECKED);
        m_firstColumn.SetCheck(BST_CHECKED);
        NextRow(8);

        AddLabel(m_definitionLabel, "Columns:", Beside(12, 60));
        m_definition.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, RowAt(76, 22, 400), this,
                            IDC_DEFINITION);
        m_definition.SetFont(PageFont());
        m_definition.SetWindowText(kDefaultDefinition);
        int x = 484;
        AddButton(m_apply, "Apply columns", IDC_APPLY, x, 100);
        AddButton(m_reload, "Reload stock", IDC_RELOAD, x, 100);
        NextRow(8);
        AddLabel(m_status, "", Row(20));
        NextRow();

        ApplyColumns();
        return TRUE;
    }

    void PrepareScreenshot() override
    {
        m_list.SetCheck(2, TRUE);
        m_list.SetCheck(4, TRUE);
        m_list.SetFocus();
        m_list.StartEdit(4, 4);
        m_status.SetWindowText(
            "Editing the notes of \"Wood screw 4x30\": Tab moves on to the item, Enter keeps the text.");
    }

protected:
    void OnClickEdits() { SetDoubleClickEdits(FALSE); }
    void OnDoubleClickEdits() { SetDoubleClickEdits(TRUE); }
    void SetDoubleClickEdits(BOOL bDoubleClick)
    {
        m_list.m_bDoubleClickEdits = bDoubleClick;
        m_clickEdits.SetCheck(bDoubleClick ? BST_UNCHECKED : BST_CHECKED);
        m_doubleClickEdits.SetCheck(bDoubleClick ? BST_CHECKED : BST_UNCHECKED);
    }
    void OnFirstColumn() { m_list.SetFirstColumnEditable(m_firstColumn.GetCheck() == BST_CHECKED); }
    void OnApply() { ApplyColumns(); }

    void OnReload()
    {
        m_list.DeleteAllItems(ITEMSTATE_ANY);
        Fill();
        m_status.SetWindowText("Stock reloaded.");
    }

    // The parent of an editable list may answer a commit by changing the list:
    // here the row's stock image follows the quantity typed.
    LRESULT OnCellEdited(WPARAM wParam, LPARAM lParam)
    {
        const int nItem = static_cast<int>(wParam), nColumn = static_cast<int>(lParam);
        CString strText = m_list.CListCtrl::GetItemText(nItem, nColumn);
        if (nColumn == m_nOnHandColumn)
            m_list.SetItemImage(nItem, nColumn, StockImage(strText));
        CString strStatus;
        strStatus.Format("Row %d, column \"%s\" now reads \"%s\".", nItem + 1,
                         static_cast<LPCSTR>(m_list.GetHeaderText(nColumn)), static_cast<LPCSTR>(strText));
        m_status.SetWindowText(strStatus);
        return 0;
    }

    LRESULT OnCheckClicked(WPARAM wParam, LPARAM)
    {
        const int nItem = static_cast<int>(wParam);
        CString strStatus;
        strStatus.Format("\"%s\" %s for the next order.", static_cast<LPCSTR>(m_list.CListCtrl::GetItemText(nItem, 0)),
                         m_list.ExamItemStates(nItem, ITEMSTATE_CHECKED) ? "marked" : "no longer marked");
        m_status.SetWindowText(strStatus);
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    void ApplyColumns()
    {
        CString strDefinition;
        m_definition.GetWindowText(strDefinition);
        if (!m_list.SetColumnHeader(strDefinition)) {
            m_status.SetWindowText("That definition makes no column: nothing to show.");
            return;
        }
        // The widths are layout units, like every length of the page.
        for (int c = 0; c < m_list.GetColumnCount(); ++c)
            m_list.CListCtrl::SetColumnWidth(c, Px(m_list.CListCtrl::GetColumnWidth(c)));
        // Header images in column order: the right-aligned quantity shows its image on the right.
        m_nOnHandColumn = -1;
        for (int c = 0; c < m_list.GetColumnCount(); ++c) {
            HDITEMA item = {};
            item.mask = HDI_FORMAT;
            m_list.GetHeaderCtrl()->GetItem(c, &item);
            const BOOL bRight = (item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT;
            m_list.SetHeaderImage(c, c % (kImageNote + 1), !bRight);
            if (m_list.GetHeaderText(c) == "On hand")
                m_nOnHandColumn = c;
        }
        Fill();
        CString strStatus;
        strStatus.Format("%d columns from \"%s\".", m_list.GetColumnCount(), static_cast<LPCSTR>(strDefinition));
        m_status.SetWindowText(strStatus);
    }

    void Fill()
    {
        for (int i = 0; i < static_cast<int>(sizeof(kStock) / sizeof(kStock[0])); ++i) {
            const StockItem& s = kStock[i];
            const int nItem = m_list.InsertItemEx(i, s.item, s.sku, s.onHand, s.location, s.notes, nullptr);
            m_list.SetItemImage(nItem, 0, kImageBox);
            if (m_nOnHandColumn > 0)
                m_list.SetItemImage(nItem, m_nOnHandColumn, StockImage(s.onHand));
        }
    }

    CStockList m_list;
    int m_nOnHandColumn = -1;
    CButton m_clickEdits, m_doubleClickEdits, m_firstColumn, m_apply, m_reload;
    CEdit m_definition;
    CStatic m_title, m_intro, m_definitionLabel, m_status;
};

BEGIN_MESSAGE_MAP(CListEditPage, CGalleryPage)
    ON_BN_CLICKED(IDC_CLICK_EDITS, OnClickEdits)
    ON_BN_CLICKED(IDC_DOUBLECLICK_EDITS, OnDoubleClickEdits)
    ON_BN_CLICKED(IDC_FIRST_COLUMN, OnFirstColumn)
    ON_BN_CLICKED(IDC_APPLY, OnApply)
    ON_BN_CLICKED(IDC_RELOAD, OnReload)
    ON_MESSAGE(LISTMSG_CELLEDITED, OnCellEdited)
    ON_MESSAGE(LISTMSG_CHECKCLICKED, OnCheckClicked)
END_MESSAGE_MAP()

GALLERY_PAGE(CListEditPage, "In-place editing", 15)
