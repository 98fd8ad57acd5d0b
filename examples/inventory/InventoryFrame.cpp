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
