// What the inventory remembers between runs, kept in the registry through
// QELRegistry under HKEY_CURRENT_USER\Software\ZUZIVU70 Examples\Inventory:
// the settings, the stock, the sort order and the window's place.
#pragma once
#include "ZUZIVU70.h"
#include <vector>

struct InventorySettings
{
    int nLowStock = 5;       // rows with fewer units are shown in red
    double dVatRate = 20.0;  // percent, added to the stock value
    int nDecimals = 2;       // decimals shown in prices and values
};

struct StockItem
{
    CString strName;
    int nQuantity = 0;
    double dPrice = 0.0;
    COleDateTime dtCounted;
};

class CInventoryStore
{
public:
    explicit CInventoryStore(LPCSTR lpszKey = "Software\\ZUZIVU70 Examples\\Inventory");

    InventorySettings LoadSettings() const;
    void SaveSettings(const InventorySettings& settings);

    // The stored stock; a first run gets a few sample rows.
    std::vector<StockItem> LoadItems() const;
    void SaveItems(const std::vector<StockItem>& items);

    // The sorted column (-1 for none) and its direction.
    void LoadSort(int* pnColumn, BOOL* pbAscending) const;
    void SaveSort(int nColumn, BOOL bAscending);

    // The window's normal rectangle; FALSE when none was stored.
    BOOL LoadWindow(CRect* pRect, BOOL* pbMaximized) const;
    void SaveWindow(const CRect& rect, BOOL bMaximized);

private:
    // The object for a sub-key of ours, made when missing.
    QELRegistry Key(LPCSTR lpszSubKey) const;
    CString m_strKey;
};
