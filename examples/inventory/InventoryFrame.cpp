#include "InventoryFrame.h"
#include "InventoryResources.h"
#include "SettingsDialog.h"

BEGIN_MESSAGE_MAP(CInventoryFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_COMMAND(ID_ITEM_ADD, OnItemAdd)
    ON_COMMAND(ID_ITEM_DELETE, OnItemDelete)
    ON_COMMAND(ID_TOOLS_SETTINGS, OnSettings)
    ON_MESSAGE(LISTMSG_CELLEDITED, OnCellEdited)
    ON_COMMAND(ID_STOCK_SORT, OnSortByName)
    ON_COMMAND_RANGE(ID_SORT_NAME, ID_SORT_VALUE, OnSortBy)
    ON_EN_CHANGE(ID_STOCK_FIND, OnFindChange)
    ON_UPDATE_COMMAND_UI(ID_STOCK_FIND, OnUpdateFind)
END_MESSAGE_MAP()

CInventoryFrame::CInventoryFrame() = default;

int CInventoryFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!m_list.CreatePane(this))
        return -1;
    m_settings = m_store.LoadSettings();
    m_list.Fill(m_store.LoadItems(), m_settings);

    int nColumn = -1;
    BOOL bAscending = TRUE;
    m_store.LoadSort(&nColumn, &bAscending);
    if (nColumn >= 0 && nColumn < m_list.GetColumnCount())
        m_list.SortItems(nColumn, bAscending);

    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY |
                                   CBRS_SIZE_DYNAMIC) ||
        !m_wndToolBar.LoadToolBar(IDR_INVENTORY))
        return -1;
    // The sort button sorts by name; its arrow opens the menu of the other columns.
    m_wndToolBar.AddDropDownButton(ID_STOCK_SORT, IDR_SORTMENU, TRUE);
    // The last button's place holds the find field: typing selects the first
    // item whose name starts with the text.
    CRect rectFind(0, 0, 150, 20);
    m_wndToolBar.InsertControl(RUNTIME_CLASS(CEdit), "", rectFind, ID_STOCK_FIND, WS_BORDER | ES_AUTOHSCROLL);
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    QELToolbar::FrameEnableDocking(this, CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    return 0;
}

int CInventoryFrame::RestorePlace(int nCmdShow)
{
    CRect rcPlace;
    BOOL bMaximized = FALSE;
    // Only a place big enough to use and still on a monitor: screens change between runs.
    if (m_store.LoadWindow(&rcPlace, &bMaximized) && rcPlace.Width() >= 320 && rcPlace.Height() >= 200 &&
        ::MonitorFromRect(&rcPlace, MONITOR_DEFAULTTONULL) != nullptr) {
        WINDOWPLACEMENT wp = { sizeof(wp) };
        GetWindowPlacement(&wp);
        wp.rcNormalPosition = rcPlace;
        wp.showCmd = SW_HIDE;  // shown by the caller
        SetWindowPlacement(&wp);
    }
    BOOL bPlainShow = nCmdShow == SW_SHOWNORMAL || nCmdShow == SW_SHOW || nCmdShow == SW_SHOWDEFAULT;
    return bPlainShow && bMaximized ? SW_SHOWMAXIMIZED : nCmdShow;
}

void CInventoryFrame::OnDestroy()
{
    // An edit still open is the user's last change: keep it.
    m_list.EndEdit(TRUE);
    m_store.SaveItems(m_list.Items());
    m_store.SaveSettings(m_settings);
    // The order shown now: an edit of the sorted column has already forgotten it.
    m_store.SaveSort(m_list.GetSortedColumn(), m_list.IsSortAscending());
    WINDOWPLACEMENT wp = { sizeof(wp) };
    if (GetWindowPlacement(&wp))
        m_store.SaveWindow(CRect(wp.rcNormalPosition), wp.showCmd == SW_SHOWMAXIMIZED);
    CFrameWnd::OnDestroy();
}

void CInventoryFrame::OnItemAdd() { m_list.AddItem(); }

void CInventoryFrame::OnItemDelete()
{
    m_list.EndEdit(FALSE);
    m_list.DeleteSelected();
}

void CInventoryFrame::OnSettings()
{
    m_list.EndEdit(TRUE);
    CSettingsDialog dlg(m_settings, this);
    if (dlg.DoModal() != IDOK)
        return;
    m_settings = dlg.GetSettings();
    m_store.SaveSettings(m_settings);
    m_list.ApplySettings(m_settings);
}

LRESULT CInventoryFrame::OnCellEdited(WPARAM wParam, LPARAM)
{
    m_list.TidyRow((int)wParam);
    return 0;
}

void CInventoryFrame::OnSortByName()
{
    // A second press turns the order round.
    BOOL bAscending = m_list.GetSortedColumn() != CStockList::ColName || !m_list.IsSortAscending();
    m_list.EndEdit(TRUE);
    m_list.SortItems(CStockList::ColName, bAscending);
}

void CInventoryFrame::OnSortBy(UINT nID)
{
    static const int kColumns[] = { CStockList::ColName, CStockList::ColQuantity, CStockList::ColPrice,
                                    CStockList::ColValue };
    m_list.EndEdit(TRUE);
    m_list.SortItems(kColumns[nID - ID_SORT_NAME], TRUE);
}

// The find field reports by notifications only: without an update handler
// the framework would show it disabled, as a command nobody handles.
void CInventoryFrame::OnUpdateFind(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }

void CInventoryFrame::OnFindChange()
{
    CWnd* pFind = m_wndToolBar.GetDlgItem(ID_STOCK_FIND);
    if (pFind == nullptr)
        return;
    char text[128] = "";
    ::GetWindowTextA(pFind->m_hWnd, text, sizeof(text));
    int nLength = lstrlenA(text);
    if (nLength == 0)
        return;
    for (int i = 0; i < m_list.GetItemCount(); i++) {
        CString strName = m_list.GetItemText(i, CStockList::ColName);
        if (strName.GetLength() >= nLength && strName.Left(nLength).CompareNoCase(text) == 0) {
            for (int j = 0; j < m_list.GetItemCount(); j++)
                m_list.SetItemState(j, j == i ? LVIS_SELECTED | LVIS_FOCUSED : 0, LVIS_SELECTED | LVIS_FOCUSED);
            m_list.EnsureVisible(i, FALSE);
            return;
        }
    }
}
