// A small inventory program built on ZUZIVU70, as an application developer
// writes one: a frame with a menu, the stock in a report list that sorts and
// edits in place, a settings dialog with numeric fields, and its state kept in
// the registry.
//
// "--check" runs it once without a user: it starts, shows its window, checks
// that the stock is on screen, closes itself the way a user would and exits
// with 0 when all of that held.
#include "InventoryFrame.h"
#include "InventoryResources.h"
#include <cstdio>

namespace {
const UINT_PTR kCheckTimer = 1;
}

class CInventoryApp : public CWinApp
{
public:
    CInventoryApp() : CWinApp("Inventory") {}

    BOOL InitInstance() override
    {
        auto* pFrame = new CInventoryFrame;
        // A frame deletes itself when its window cannot be made.
        if (!pFrame->LoadFrame(IDR_INVENTORY, WS_OVERLAPPEDWINDOW))
            return FALSE;
        m_pMainWnd = pFrame;
        pFrame->SetWindowPos(nullptr, 0, 0, 720, 420, SWP_NOMOVE | SWP_NOZORDER);
        CString strCmd = m_lpCmdLine != nullptr ? m_lpCmdLine : "";
        m_bCheck = strCmd.Find("--check") >= 0;
        pFrame->ShowWindow(m_bCheck ? SW_SHOWNORMAL : pFrame->RestorePlace(m_nCmdShow));
        pFrame->UpdateWindow();
        if (m_bCheck)
            ::SetTimer(nullptr, kCheckTimer, 200, &CInventoryApp::CheckTimer);
        return TRUE;
    }

    int ExitInstance() override
    {
        int nCode = CWinApp::ExitInstance();
        if (!m_bCheck)
            return nCode;
        std::printf("inventory: %s\n", m_bCheckPassed ? "started, showed its window and closed" : "check failed");
        std::fflush(stdout);
        return m_bCheckPassed ? 0 : 1;
    }

private:
    // Runs once the message loop is going: the window must be up and painted,
    // with the stock in it; then the program is closed as by the user.
    static void CALLBACK CheckTimer(HWND, UINT, UINT_PTR idEvent, DWORD)
    {
        ::KillTimer(nullptr, idEvent);
        auto* pApp = static_cast<CInventoryApp*>(AfxGetApp());
        auto* pFrame = static_cast<CInventoryFrame*>(pApp->m_pMainWnd);
        CRect rcList;
        pFrame->List().GetClientRect(&rcList);
        pApp->m_bCheckPassed = pFrame->IsWindowVisible() && pFrame->List().IsWindowVisible() &&
                               pFrame->List().GetItemCount() > 0 && !rcList.IsRectEmpty() && CheckToolbar(pFrame);
        pFrame->PostMessage(WM_CLOSE);
    }

    // The toolbar is docked at the top with its sort drop-down and its find
    // field, and typing in the field selects the item it names.
    static bool CheckToolbar(CInventoryFrame* pFrame)
    {
        QELToolbar& bar = pFrame->Toolbar();
        CToolBarCtrl& ctrl = bar.GetToolBarCtrl();
        int nSort = bar.CommandToIndex(ID_STOCK_SORT);
        CWnd* pFind = bar.GetDlgItem(ID_STOCK_FIND);
        if (!bar.IsWindowVisible() || bar.IsFloating() || bar.m_pDockBar == nullptr ||
            bar.m_pDockBar->GetDlgCtrlID() != AFX_IDW_DOCKBAR_TOP || nSort < 0 ||
            !(bar.GetButtonStyle(nSort) & TBSTYLE_DROPDOWN) || !(ctrl.GetExtendedStyle() & TBSTYLE_EX_DRAWDDARROWS) ||
            pFind == nullptr || !pFind->IsWindowVisible() || !pFind->IsWindowEnabled())
            return false;
        CStockList& list = pFrame->List();
        int nLast = list.GetItemCount() - 1;
        CString strPrefix = list.GetItemText(nLast, CStockList::ColName).Left(4);
        pFind->SetWindowText(strPrefix);
        int nSelected = list.GetNextItem(-1, LVNI_SELECTED);
        return nSelected >= 0 && list.GetItemText(nSelected, CStockList::ColName).Left(4).CompareNoCase(strPrefix) == 0;
    }

    BOOL m_bCheck = FALSE;
    BOOL m_bCheckPassed = FALSE;
};

CInventoryApp theApp;
