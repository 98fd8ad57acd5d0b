// The inventory's main window: a menu, a docked toolbar (with a sort button
// whose arrow opens a menu of columns, and a find field), the stock list as
// its client pane, and the settings dialog. Control bars the frame creates in
// OnCreate are laid out around the pane by the framework (RecalcLayout).
#pragma once
#include "InventoryStore.h"
#include "StockList.h"

class CInventoryFrame : public CFrameWnd
{
public:
    CInventoryFrame();
    // Puts the window where it was last closed; returns the show command to use.
    int RestorePlace(int nCmdShow);
    CStockList& List() { return m_list; }
    QELToolbar& Toolbar() { return m_wndToolBar; }

protected:
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    void OnItemAdd();
    void OnItemDelete();
    void OnSettings();
    LRESULT OnCellEdited(WPARAM wParam, LPARAM lParam);
    void OnSortByName();
    void OnSortBy(UINT nID);
    void OnFindChange();
    void OnUpdateFind(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    CInventoryStore m_store;
    InventorySettings m_settings;
    CStockList m_list;
    QELToolbar m_wndToolBar;
};
