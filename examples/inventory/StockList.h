// The inventory's report list: one row per stock item, sortable by any column,
// edited in place. Rows below the low-stock level are shown in red, and the
// stock value (quantity times price, VAT added) follows every edit.
#pragma once
#include "InventoryStore.h"

class CStockList : public QELListCtrl
{
public:
    enum Column { ColName, ColQuantity, ColPrice, ColValue, ColCounted };

    // The list as the frame's client pane.
    BOOL CreatePane(CWnd* pFrame);
    void Fill(const std::vector<StockItem>& items, const InventorySettings& settings);
    // The rows as items, in the order shown.
    std::vector<StockItem> Items() const;
    // Shows prices and values with the settings' decimals and VAT, and colours low stock.
    void ApplySettings(const InventorySettings& settings);
    // After an edit of a cell of the row: the typed cells are written back in
    // their own form (a quantity is a whole number of at least 0), and the
    // row's value and colour follow.
    void TidyRow(int nItem);
    // A new row at the end, its name being edited; its index.
    int AddItem();
    // Deletes the selected rows; how many.
    int DeleteSelected();

private:
    StockItem ItemAt(int nItem) const;
    void ShowItem(int nItem, const StockItem& item);
    void SetCell(int nItem, int nColumn, const CString& strText);
    InventorySettings m_settings;
};
