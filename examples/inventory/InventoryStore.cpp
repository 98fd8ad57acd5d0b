#include "InventoryStore.h"

namespace {
CString Indexed(LPCSTR lpszName, int nIndex)
{
    CString str;
    str.Format("%s %d", lpszName, nIndex);
    return str;
}

std::vector<StockItem> SampleItems()
{
    struct
    {
        const char* name;
        int quantity;
        double price;
    } samples[] = { { "Hex bolt M8 x 40", 240, 0.18 },  { "Washer M8", 3, 0.04 },
                    { "Cable tie 200 mm", 1200, 0.02 }, { "Wall plug 6 mm", 85, 0.05 },
                    { "Wood screw 4 x 30", 2, 0.03 },   { "Hinge 60 mm", 14, 2.45 },
                    { "Drawer slide 450 mm", 6, 11.90 } };
    std::vector<StockItem> items;
    COleDateTime dtCounted(2024, 3, 1, 0, 0, 0);
    for (const auto& s : samples) {
        StockItem item;
        item.strName = s.name;
        item.nQuantity = s.quantity;
        item.dPrice = s.price;
        item.dtCounted = dtCounted;
        items.push_back(item);
    }
    return items;
}
}

CInventoryStore::CInventoryStore(LPCSTR lpszKey) : m_strKey(lpszKey) {}

QELRegistry CInventoryStore::Key(LPCSTR lpszSubKey) const
{
    QELRegistry reg;
    reg.SetKey(m_strKey + "\\" + lpszSubKey, TRUE);
    return reg;
}

InventorySettings CInventoryStore::LoadSettings() const
{
    InventorySettings defaults;
    InventorySettings settings;
    QELRegistry reg = Key("Settings");
    settings.nLowStock = reg.ReadInt("Low stock", defaults.nLowStock);
    settings.dVatRate = reg.ReadFloat("VAT rate", defaults.dVatRate);
    settings.nDecimals = reg.ReadInt("Decimals", defaults.nDecimals);
    // Another program may have written anything there.
    if (settings.nDecimals < 0 || settings.nDecimals > 4)
        settings.nDecimals = defaults.nDecimals;
    if (!(settings.dVatRate >= 0.0 && settings.dVatRate <= 100.0))
        settings.dVatRate = defaults.dVatRate;
    return settings;
}

void CInventoryStore::SaveSettings(const InventorySettings& settings)
{
    QELRegistry reg = Key("Settings");
    reg.WriteInt("Low stock", settings.nLowStock);
    reg.WriteFloat("VAT rate", settings.dVatRate);
    reg.WriteInt("Decimals", settings.nDecimals);
}

std::vector<StockItem> CInventoryStore::LoadItems() const
{
    QELRegistry reg = Key("Stock");
    int nCount = reg.ReadInt("Count", -1);
    if (nCount < 0)
        return SampleItems();
    std::vector<StockItem> items;
    for (int i = 0; i < nCount; ++i) {
        StockItem item;
        item.strName = reg.ReadString(Indexed("Item", i), "");
        item.nQuantity = reg.ReadInt(Indexed("Quantity", i), 0);
        item.dPrice = reg.ReadFloat(Indexed("Price", i), 0.0);
        item.dtCounted = reg.ReadDateTime(Indexed("Counted", i), COleDateTime());
        items.push_back(item);
    }
    return items;
}

void CInventoryStore::SaveItems(const std::vector<StockItem>& items)
{
    QELRegistry reg = Key("Stock");
    int nOld = reg.ReadInt("Count", 0);
    int nCount = (int)items.size();
    for (int i = 0; i < nCount; ++i) {
        reg.WriteString(Indexed("Item", i), items[i].strName);
        reg.WriteInt(Indexed("Quantity", i), items[i].nQuantity);
        reg.WriteFloat(Indexed("Price", i), items[i].dPrice);
        reg.WriteDateTime(Indexed("Counted", i), items[i].dtCounted);
    }
    // Rows deleted since the last save leave no values behind.
    for (int i = nCount; i < nOld; ++i) {
        for (LPCSTR lpszName : { "Item", "Quantity", "Price", "Counted" })
            reg.DeleteValue(Indexed(lpszName, i));
    }
    reg.WriteInt("Count", nCount);
}

void CInventoryStore::LoadSort(int* pnColumn, BOOL* pbAscending) const
{
    QELRegistry reg = Key("Window");
    *pnColumn = reg.ReadInt("Sort column", -1);
    *pbAscending = reg.ReadBool("Sort ascending", TRUE);
}

void CInventoryStore::SaveSort(int nColumn, BOOL bAscending)
{
    QELRegistry reg = Key("Window");
    reg.WriteInt("Sort column", nColumn);
    reg.WriteBool("Sort ascending", bAscending);
}

BOOL CInventoryStore::LoadWindow(CRect* pRect, BOOL* pbMaximized) const
{
    QELRegistry reg = Key("Window");
    *pbMaximized = reg.ReadBool("Maximized", FALSE);
    return reg.ReadRect("Place", pRect);
}

void CInventoryStore::SaveWindow(const CRect& rect, BOOL bMaximized)
{
    QELRegistry reg = Key("Window");
    reg.WriteRect("Place", &rect);
    reg.WriteBool("Maximized", bMaximized);
}
