#include "StockList.h"
#include <cstdlib>

namespace {
const COLORREF kLowStock = RGB(192, 0, 0);
}

BOOL CStockList::CreatePane(CWnd* pFrame)
{
    if (!Create(pFrame, AFX_IDW_PANE_FIRST))
        return FALSE;
    SetColumnHeader("Item,200;Quantity,80,2;Unit price,90,2;Stock value,110,2;Last counted,120");
    SetGridLines(TRUE);
    SetSortable(TRUE);
    SetSortMark(TRUE);
    SetEditable(TRUE);
    SetFirstColumnEditable(TRUE);
    return TRUE;
}

void CStockList::Fill(const std::vector<StockItem>& items, const InventorySettings& settings)
{
    m_settings = settings;
    SetRedraw(FALSE);
    DeleteAllItems();
    for (const StockItem& item : items) {
        int nItem = InsertItem(GetItemCount(), item.strName);
        if (nItem >= 0)
            ShowItem(nItem, item);
    }
    SetRedraw(TRUE);
    Invalidate();
}

StockItem CStockList::ItemAt(int nItem) const
{
    StockItem item;
    item.strName = GetItemText(nItem, ColName);
    item.nQuantity = std::atoi(GetItemText(nItem, ColQuantity));
    if (item.nQuantity < 0)
        item.nQuantity = 0;
    item.dPrice = std::atof(GetItemText(nItem, ColPrice));
    if (!(item.dPrice >= 0.0))
        item.dPrice = 0.0;
    COleDateTime dt;
    if (dt.ParseDateTime(GetItemText(nItem, ColCounted), VAR_DATEVALUEONLY))
        item.dtCounted = dt;
    return item;
}

std::vector<StockItem> CStockList::Items() const
{
    std::vector<StockItem> items;
    for (int i = 0; i < GetItemCount(); ++i)
        items.push_back(ItemAt(i));
    return items;
}

void CStockList::SetCell(int nItem, int nColumn, const CString& strText)
{
    // Through the list view itself: a tidy-up after an edit must not end the
    // edit the user may already have moved on to, nor forget the sort order
    // for a text that only changed its form.
    if (CListCtrl::GetItemText(nItem, nColumn) != strText)
        CListCtrl::SetItemText(nItem, nColumn, strText);
}

void CStockList::ShowItem(int nItem, const StockItem& item)
{
    CString strText;
    SetCell(nItem, ColName, item.strName);
    strText.Format("%d", item.nQuantity);
    SetCell(nItem, ColQuantity, strText);
    strText.Format("%.*f", m_settings.nDecimals, item.dPrice);
    SetCell(nItem, ColPrice, strText);
    double dValue = item.nQuantity * item.dPrice * (1.0 + m_settings.dVatRate / 100.0);
    strText.Format("%.*f", m_settings.nDecimals, dValue);
    SetCell(nItem, ColValue, strText);
    bool bDated = item.dtCounted.GetStatus() == COleDateTime::valid;
    SetCell(nItem, ColCounted, bDated ? item.dtCounted.Format(VAR_DATEVALUEONLY) : CString());
    SetItemTextColor(nItem, -1, item.nQuantity < m_settings.nLowStock ? kLowStock : 0xFFFFFFFF, FALSE);
    RedrawItems(nItem, nItem);
}

void CStockList::ApplySettings(const InventorySettings& settings)
{
    m_settings = settings;
    for (int i = 0; i < GetItemCount(); ++i)
        ShowItem(i, ItemAt(i));
}

void CStockList::TidyRow(int nItem)
{
    if (nItem >= 0 && nItem < GetItemCount())
        ShowItem(nItem, ItemAt(nItem));
}

int CStockList::AddItem()
{
    StockItem item;
    item.strName = "New item";
    item.dtCounted = COleDateTime::GetCurrentTime();
    int nItem = InsertItem(GetItemCount(), item.strName);
    if (nItem < 0)
        return -1;
    ShowItem(nItem, item);
    SetItemStates(-1, ITEMSTATE_UNSELECTED);
    SetItemStates(nItem, ITEMSTATE_SELECTED | ITEMSTATE_FOCUSED);
    EnsureVisible(nItem, FALSE);
    StartEdit(nItem, ColName);
    return nItem;
}

int CStockList::DeleteSelected() { return DeleteAllItems(ITEMSTATE_SELECTED); }
