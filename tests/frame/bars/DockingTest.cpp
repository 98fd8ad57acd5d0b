// Docking: bars along each side of the frame, rows in a dock bar, floating
// and back, hidden bars keeping their place, the bar-visibility commands.
#include "BarsTestFrame.h"
#include <gtest/gtest.h>

namespace {
CDockBar* DockBarOf(CFrameWnd& frame, UINT nID)
{
    CControlBar* pBar = frame.GetControlBar(nID);
    return pBar != nullptr && pBar->IsDockBar() ? static_cast<CDockBar*>(pBar) : nullptr;
}

// The dock bar's entries: a bar's id, its id + 0x10000 for a placeholder, 0 for a row end.
std::vector<UINT> Rows(CDockBar* pDockBar)
{
    std::vector<UINT> v;
    for (INT_PTR i = 0; i < pDockBar->m_arrBars.GetSize(); i++) {
        void* p = pDockBar->m_arrBars[i];
        if (p == nullptr)
            v.push_back(0);
        else if (CDockBar::IsPlaceholder(p))
            v.push_back((UINT)(UINT_PTR)p + 0x10000);
        else
            v.push_back((UINT) static_cast<CControlBar*>(p)->GetDlgCtrlID());
    }
    return v;
}

struct CDockFixture : ::testing::Test
{
    CBarsFrame frame;
    CToolBar bar1, bar2;
    CRect client;
    const UINT ID1 = AFX_IDW_TOOLBAR;
    const UINT ID2 = AFX_IDW_CONTROLBAR_FIRST + 0x20;

    void SetUp() override
    {
        ASSERT_TRUE(frame.Make());
        ASSERT_TRUE(MakeTestToolBar(bar1, &frame, ID1));
        ASSERT_TRUE(MakeTestToolBar(bar2, &frame, ID2));
        bar1.EnableDocking(CBRS_ALIGN_ANY);
        bar2.EnableDocking(CBRS_ALIGN_ANY);
        frame.EnableDocking(CBRS_ALIGN_ANY);
        frame.GetClientRect(&client);
    }
};
}

TEST_F(CDockFixture, DocksOnEverySideAndThePaneGetsTheRest)
{
    const struct
    {
        UINT nDockBar;
        DWORD dwAlign;
    } sides[] = { { AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP },
                  { AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT },
                  { AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM },
                  { AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT } };
    bar2.DestroyWindow();  // only bar1 here
    for (const auto& side : sides) {
        SCOPED_TRACE(side.nDockBar);
        frame.DockControlBar(&bar1, side.nDockBar);
        frame.RecalcLayout();
        CDockBar* pDock = DockBarOf(frame, side.nDockBar);
        ASSERT_NE(pDock, nullptr);
        EXPECT_EQ(bar1.GetParent(), pDock);
        EXPECT_EQ(bar1.m_pDockBar, pDock);
        EXPECT_FALSE(bar1.IsFloating());
        EXPECT_EQ(bar1.GetBarStyle() & CBRS_ALIGN_ANY, side.dwAlign);
        EXPECT_EQ(Rows(pDock), (std::vector<UINT>{ 0, ID1, 0 }));

        CRect dock = frame.RectInFrame(pDock);
        CRect pane = frame.PaneRect();
        CRect rectBar;
        bar1.GetWindowRect(&rectBar);
        // The dock bar spans its side; its bars overlap its edges by two
        // pixels and its border line is the other two.
        if (side.dwAlign & CBRS_ORIENT_HORZ) {
            EXPECT_EQ(dock.Width(), client.Width());
            EXPECT_EQ(dock.Height(), rectBar.Height() - 4 + 2);
            // Docked, the bar has borders all round: its fixed size.
            EXPECT_EQ(rectBar.Size(), bar1.CalcFixedLayout(FALSE, TRUE));
            EXPECT_EQ(pane.Height(), client.Height() - dock.Height());
        } else {
            // Vertical: a button per row, the separator a row of its own.
            EXPECT_GT(rectBar.Height(), 3 * 22);
            EXPECT_LT(rectBar.Width(), 2 * 23);
            EXPECT_EQ(dock.Width(), rectBar.Width() - 4 + 2);
            EXPECT_EQ(dock.Height(), client.Height());
            EXPECT_EQ(pane.Width(), client.Width() - dock.Width());
        }
        if (side.dwAlign == CBRS_ALIGN_TOP) {
            EXPECT_EQ(pane.top, dock.bottom);
        } else if (side.dwAlign == CBRS_ALIGN_LEFT) {
            EXPECT_EQ(pane.left, dock.right);
        } else if (side.dwAlign == CBRS_ALIGN_BOTTOM) {
            EXPECT_EQ(pane.bottom, dock.top);
        } else {
            EXPECT_EQ(pane.right, dock.left);
        }
    }
    // It left every side it passed: only the right one holds it.
    EXPECT_EQ(Rows(DockBarOf(frame, AFX_IDW_DOCKBAR_TOP)), (std::vector<UINT>{ 0 }));
    EXPECT_EQ(Rows(DockBarOf(frame, AFX_IDW_DOCKBAR_LEFT)), (std::vector<UINT>{ 0 }));
}

TEST_F(CDockFixture, BarsGoOnRowsOfTheirOwnOrBesideAnotherWhereTheyAreDropped)
{
    frame.DockControlBar(&bar1, AFX_IDW_DOCKBAR_TOP);
    frame.DockControlBar(&bar2, AFX_IDW_DOCKBAR_TOP);
    frame.RecalcLayout();
    CDockBar* pTop = DockBarOf(frame, AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(Rows(pTop), (std::vector<UINT>{ 0, ID1, 0, ID2, 0 }));
    CRect r1 = frame.RectInFrame(&bar1), r2 = frame.RectInFrame(&bar2);
    // Rows overlap by the bars' two-pixel borders.
    EXPECT_EQ(r2.top, r1.bottom - 2);

    // Dropped right of bar1 in its row: beside it, overlapping by two.
    CRect rectDrop;
    bar1.GetWindowRect(&rectDrop);
    rectDrop.OffsetRect(rectDrop.Width() + 20, 0);
    frame.DockControlBar(&bar2, AFX_IDW_DOCKBAR_TOP, &rectDrop);
    frame.RecalcLayout();
    EXPECT_EQ(Rows(pTop), (std::vector<UINT>{ 0, ID1, ID2, 0 }));
    r1 = frame.RectInFrame(&bar1);
    r2 = frame.RectInFrame(&bar2);
    EXPECT_EQ(r2.top, r1.top);
    // A bar dropped with a gap keeps it.
    EXPECT_EQ(r2.left, r1.right + 20);

    // A layout that only asks (no batch) measures the rows and moves no bar:
    // bar2 pushed back over bar1 stays there until a real layout.
    CRect rectOver;
    bar2.GetWindowRect(&rectOver);
    pTop->ScreenToClient(&rectOver);
    rectOver.OffsetRect(-40, 0);
    bar2.MoveWindow(&rectOver);
    const CRect rectMoved = frame.RectInFrame(&bar2);
    AFX_SIZEPARENTPARAMS query = {};
    query.rect = client;
    query.bStretch = TRUE;
    pTop->SendMessage(WM_SIZEPARENT, 0, (LPARAM)&query);
    EXPECT_EQ(query.sizeTotal.cy, frame.RectInFrame(pTop).Height());
    EXPECT_EQ(frame.RectInFrame(&bar2), rectMoved);
    frame.RecalcLayout();
    EXPECT_EQ(frame.RectInFrame(&bar2).left, r1.right - 2);

    // Docking refuses sides the bar does not allow and bars of other frames.
    bar2.EnableDocking(CBRS_ALIGN_TOP);
    frame.DockControlBar(&bar2, AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(bar2.m_pDockBar, pTop);
    CBarsFrame other;
    ASSERT_TRUE(other.Make());
    other.EnableDocking(CBRS_ALIGN_ANY);
    other.DockControlBar(&bar2, AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(bar2.m_pDockBar, pTop);
    frame.DockControlBar(&bar2, AFX_IDW_CONTROLBAR_FIRST + 99);
    EXPECT_EQ(bar2.m_pDockBar, pTop);
}

TEST_F(CDockFixture, AHiddenBarKeepsItsPlaceInItsRow)
{
    frame.DockControlBar(&bar1, AFX_IDW_DOCKBAR_TOP);
    frame.RecalcLayout();
    CRect rectDrop;
    bar1.GetWindowRect(&rectDrop);
    rectDrop.OffsetRect(rectDrop.Width() - 2, 0);
    frame.DockControlBar(&bar2, AFX_IDW_DOCKBAR_TOP, &rectDrop);
    frame.RecalcLayout();
    CDockBar* pTop = DockBarOf(frame, AFX_IDW_DOCKBAR_TOP);
    CRect r1 = frame.RectInFrame(&bar1), r2 = frame.RectInFrame(&bar2);
    ASSERT_EQ(r2.left, r1.right - 2);

    // Hidden: the entry stays, and bar2 keeps where the user put it.
    frame.ShowControlBar(&bar1, FALSE, FALSE);
    EXPECT_EQ(Rows(pTop), (std::vector<UINT>{ 0, ID1, ID2, 0 }));
    EXPECT_EQ(frame.RectInFrame(&bar2), r2);
    EXPECT_EQ(pTop->GetDockedVisibleCount(), 1);
    EXPECT_EQ(pTop->GetDockedCount(), 2);

    // Shown again: first in the row again.
    frame.ShowControlBar(&bar1, TRUE, FALSE);
    EXPECT_EQ(frame.RectInFrame(&bar1), r1);
    EXPECT_EQ(frame.RectInFrame(&bar2), r2);

    // Both hidden: the top side takes no room at all.
    frame.ShowControlBar(&bar1, FALSE, FALSE);
    frame.ShowControlBar(&bar2, FALSE, FALSE);
    EXPECT_EQ(frame.PaneRect().top, 0);
}

TEST_F(CDockFixture, FloatsInAFrameOfItsOwnAndDocksBackToItsPlace)
{
    frame.DockControlBar(&bar1, AFX_IDW_DOCKBAR_TOP);
    frame.RecalcLayout();
    CRect rectDrop;
    bar1.GetWindowRect(&rectDrop);
    rectDrop.OffsetRect(rectDrop.Width() - 2, 0);
    frame.DockControlBar(&bar2, AFX_IDW_DOCKBAR_TOP, &rectDrop);
    frame.RecalcLayout();
    CDockBar* pTop = DockBarOf(frame, AFX_IDW_DOCKBAR_TOP);
    CRect r1 = frame.RectInFrame(&bar1);

    frame.FloatControlBar(&bar1, CPoint(300, 260));
    frame.RecalcLayout();
    EXPECT_TRUE(bar1.IsFloating());
    CFrameWnd* pMini = bar1.GetParentFrame();
    ASSERT_NE(pMini, nullptr);
    EXPECT_TRUE(pMini->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)));
    EXPECT_EQ(::GetWindow(pMini->m_hWnd, GW_OWNER), frame.m_hWnd);
    EXPECT_TRUE(pMini->IsWindowVisible());
    CRect rectMini;
    pMini->GetWindowRect(&rectMini);
    EXPECT_EQ(rectMini.TopLeft(), CPoint(300, 260));
    // The small frame fits the bar: its client area is the bar less the
    // two-pixel edges the floating dock bar overlaps.
    CRect rectClient;
    pMini->GetClientRect(&rectClient);
    CSize sizeBar = bar1.CalcFixedLayout(FALSE, TRUE);
    EXPECT_EQ(rectClient.Size(), CSize(sizeBar.cx - 4, sizeBar.cy - 4));
    // No gripper while floating.
    EXPECT_TRUE(bar1.GetBarStyle() & CBRS_FLOATING);
    // The place on the top side is kept for the bar's return.
    EXPECT_EQ(Rows(pTop), (std::vector<UINT>{ 0, ID1 + 0x10000, ID2, 0 }));

    // Toggled (double-click): back in its place, the small frame gone.
    HWND hMini = pMini->m_hWnd;
    bar1.m_pDockContext->ToggleDocking();
    EXPECT_FALSE(bar1.IsFloating());
    EXPECT_EQ(bar1.m_pDockBar, pTop);
    EXPECT_EQ(Rows(pTop), (std::vector<UINT>{ 0, ID1, ID2, 0 }));
    EXPECT_EQ(frame.RectInFrame(&bar1), r1);
    EXPECT_FALSE(::IsWindow(hMini));

    // Toggled again: floating where it floated last.
    bar1.m_pDockContext->ToggleDocking();
    ASSERT_TRUE(bar1.IsFloating());
    bar1.GetParentFrame()->GetWindowRect(&rectMini);
    EXPECT_EQ(rectMini.TopLeft(), CPoint(300, 260));

    // Floating bars are updated while idle too, through their owner's handlers.
    frame.m_bOneEnabled = FALSE;
    RunIdle();
    EXPECT_FALSE(bar1.GetToolBarCtrl().IsButtonEnabled(ID_CMD_ONE));

    // Destroying a floating bar takes its frame with it.
    hMini = bar1.GetParentFrame()->m_hWnd;
    bar1.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hMini));
    EXPECT_EQ(frame.GetControlBar(ID1), nullptr);
}

TEST_F(CDockFixture, ViewCommandsShowAndHideBarsAndCheckTheirMenuItems)
{
    bar2.DestroyWindow();
    frame.DockControlBar(&bar1, AFX_IDW_DOCKBAR_TOP);
    frame.RecalcLayout();
    ASSERT_EQ(ID1, (UINT)ID_VIEW_TOOLBAR);

    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_VIEW_TOOLBAR, "Toolbar");
    menu.AppendMenu(MF_STRING, ID_VIEW_STATUS_BAR, "Status bar");
    frame.SendMessage(WM_INITMENUPOPUP, (WPARAM)menu.m_hMenu, 0);
    EXPECT_EQ(menu.GetMenuState(ID_VIEW_TOOLBAR, MF_BYCOMMAND) & MF_CHECKED, (UINT)MF_CHECKED);
    // No status bar in this frame: nothing to check.
    EXPECT_EQ(menu.GetMenuState(ID_VIEW_STATUS_BAR, MF_BYCOMMAND) & MF_CHECKED, 0u);

    frame.SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_FALSE(bar1.IsWindowVisible());
    EXPECT_EQ(frame.PaneRect().top, 0);
    frame.SendMessage(WM_INITMENUPOPUP, (WPARAM)menu.m_hMenu, 0);
    EXPECT_EQ(menu.GetMenuState(ID_VIEW_TOOLBAR, MF_BYCOMMAND) & MF_CHECKED, 0u);

    frame.SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_TRUE(bar1.IsWindowVisible());
    EXPECT_GT(frame.PaneRect().top, 0);
}

TEST(MDIFrame, TheMDIClientIsThePaneBesideTheDockedBars)
{
    auto* pFrame = new CMDIFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "MDI", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 520, 420)));
    ASSERT_NE(pFrame->m_hWndMDIClient, nullptr);
    EXPECT_EQ(::GetDlgCtrlID(pFrame->m_hWndMDIClient), AFX_IDW_PANE_FIRST);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    auto* pBar = new CToolBar;
    pBar->m_bAutoDelete = TRUE;
    ASSERT_TRUE(MakeTestToolBar(*pBar, pFrame, AFX_IDW_TOOLBAR));
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_LEFT);
    pFrame->RecalcLayout();

    CRect client, mdi, dock;
    pFrame->GetClientRect(&client);
    ::GetWindowRect(pFrame->m_hWndMDIClient, &mdi);
    pFrame->ScreenToClient(&mdi);
    pFrame->GetControlBar(AFX_IDW_DOCKBAR_LEFT)->GetWindowRect(&dock);
    pFrame->ScreenToClient(&dock);
    EXPECT_GT(dock.Width(), 0);
    EXPECT_EQ(mdi, CRect(dock.right, 0, client.right, client.bottom));

    // Resizing keeps the bars: the MDI default would give the client everything.
    pFrame->SetWindowPos(nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
    pFrame->GetClientRect(&client);
    ::GetWindowRect(pFrame->m_hWndMDIClient, &mdi);
    pFrame->ScreenToClient(&mdi);
    EXPECT_EQ(mdi, CRect(dock.right, 0, client.right, client.bottom));

    // Children of the client are MDI windows the frame knows as active.
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefMDIChildProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.lpszClassName = "BarsTestMDIChild";
    ::RegisterClassA(&wc);
    HWND hChild = ::CreateMDIWindowA("BarsTestMDIChild", "child", WS_VISIBLE, 0, 0, 100, 100, pFrame->m_hWndMDIClient,
                                     AfxGetInstanceHandle(), 0);
    ASSERT_NE(hChild, nullptr);
    ASSERT_NE(pFrame->MDIGetActive(), nullptr);
    EXPECT_EQ(pFrame->MDIGetActive()->m_hWnd, hChild);
    pFrame->DestroyWindow();  // frame, bar and dock bars delete themselves
}
