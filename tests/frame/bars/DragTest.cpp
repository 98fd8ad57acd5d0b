// Bars moved with the mouse: dragged by the gripper to another side, floated
// with Ctrl held, docked again by their floating frame's caption, and the
// double-click on the gripper.
#include "BarsTestFrame.h"
#include "UserInput.h"
#include <gtest/gtest.h>

namespace {
struct CDragFixture : ::testing::Test
{
    CBarsFrame frame;
    CToolBar bar;

    void SetUp() override
    {
        ASSERT_TRUE(frame.Make(CRect(60, 40, 660, 440)));
        ASSERT_TRUE(MakeTestToolBar(bar, &frame, AFX_IDW_TOOLBAR));
        bar.EnableDocking(CBRS_ALIGN_ANY);
        frame.EnableDocking(CBRS_ALIGN_ANY);
        frame.DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
        frame.RecalcLayout();
    }

    // A point on the gripper, in the bar's client coordinates (the gripper
    // lies left of the client area of a horizontal bar, above it of a vertical one).
    CPoint Gripper()
    {
        CRect rectWindow, rectClient;
        bar.GetWindowRect(&rectWindow);
        bar.ScreenToClient(&rectWindow);
        bar.GetClientRect(&rectClient);
        if (bar.GetBarStyle() & CBRS_ORIENT_HORZ)
            return CPoint(rectWindow.left + 7, rectClient.Height() / 2);
        return CPoint(rectClient.Width() / 2, rectWindow.top + 7);
    }
    // A point of the frame's client area in the bar's client coordinates.
    CPoint FromFrame(int x, int y)
    {
        CPoint pt(x, y);
        frame.ClientToScreen(&pt);
        bar.ScreenToClient(&pt);
        return pt;
    }
    UINT DockedOn() { return bar.m_pDockBar != nullptr ? (UINT)bar.m_pDockBar->GetDlgCtrlID() : 0; }
};
}

TEST_F(CDragFixture, DraggedByTheGripperToTheLeftEdgeItDocksThereVertically)
{
    // A press on a button is the button's, not a drag.
    CRect rectButton;
    bar.GetItemRect(0, &rectButton);
    input::Click(bar.m_hWnd, rectButton.CenterPoint().x, rectButton.CenterPoint().y);
    EXPECT_EQ(DockedOn(), (UINT)AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(::GetCapture(), nullptr);

    input::Drag(bar.m_hWnd, Gripper(), FromFrame(2, 200));
    EXPECT_EQ(DockedOn(), (UINT)AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(bar.GetBarStyle() & CBRS_ALIGN_ANY, (DWORD)CBRS_ALIGN_LEFT);
    CRect rect = frame.RectInFrame(&bar);
    EXPECT_GT(rect.Height(), rect.Width());
    // The mouse is released; the top side is empty now.
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(frame.PaneRect().top, 0);
    EXPECT_GT(frame.PaneRect().left, 0);

    // And to the bottom edge.
    CRect client;
    frame.GetClientRect(&client);
    input::Drag(bar.m_hWnd, Gripper(), FromFrame(200, client.bottom - 1));
    EXPECT_EQ(DockedOn(), (UINT)AFX_IDW_DOCKBAR_BOTTOM);
    EXPECT_EQ(frame.PaneRect().bottom, frame.RectInFrame(bar.m_pDockBar).top);
}

TEST_F(CDragFixture, CtrlKeepsItFromDockingAndTheCaptionDocksItAgain)
{
    // Held Ctrl: it floats even over a side it could dock to.
    input::Drag(bar.m_hWnd, Gripper(), FromFrame(150, 1), MK_CONTROL);
    ASSERT_TRUE(bar.IsFloating());
    CFrameWnd* pMini = bar.GetParentFrame();
    ASSERT_TRUE(pMini->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)));
    EXPECT_EQ(frame.PaneRect().top, 0);

    // Without Ctrl, dropped in the middle of the frame: it floats there.
    CRect rectMini;
    pMini->GetWindowRect(&rectMini);
    CPoint ptCaption(rectMini.left + 10, rectMini.top + ::GetSystemMetrics(SM_CYSMCAPTION) / 2 + 1);
    ASSERT_EQ(pMini->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptCaption.x, ptCaption.y)), HTCAPTION);
    input::DragNonClient(pMini->m_hWnd, HTCAPTION, ptCaption, bar.m_hWnd, FromFrame(300, 200));
    ASSERT_TRUE(bar.IsFloating());
    CRect rectMoved;
    bar.GetParentFrame()->GetWindowRect(&rectMoved);
    CPoint ptTarget(300, 200);
    frame.ClientToScreen(&ptTarget);
    EXPECT_TRUE(rectMoved.PtInRect(ptTarget));
    EXPECT_NE(rectMoved.TopLeft(), rectMini.TopLeft());

    // By the caption onto the top edge: docked again, the small frame gone.
    pMini = bar.GetParentFrame();
    HWND hMini = pMini->m_hWnd;
    pMini->GetWindowRect(&rectMini);
    ptCaption = CPoint(rectMini.left + 10, rectMini.top + ::GetSystemMetrics(SM_CYSMCAPTION) / 2 + 1);
    input::DragNonClient(hMini, HTCAPTION, ptCaption, bar.m_hWnd, FromFrame(200, 0));
    EXPECT_FALSE(bar.IsFloating());
    EXPECT_EQ(DockedOn(), (UINT)AFX_IDW_DOCKBAR_TOP);
    EXPECT_FALSE(::IsWindow(hMini));
    EXPECT_GT(frame.PaneRect().top, 0);
}

TEST_F(CDragFixture, EscapeCancelsAndADoubleClickOnTheGripperToggles)
{
    CRect before = frame.RectInFrame(&bar);
    // Escape while dragging: nothing moves.
    CPoint to = FromFrame(300, 200);
    ::PostMessageA(bar.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    ::PostMessageA(bar.m_hWnd, WM_KEYDOWN, VK_ESCAPE, input::KeyLParam(VK_ESCAPE, false));
    CPoint grip = Gripper();
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(grip.x, grip.y));
    EXPECT_EQ(DockedOn(), (UINT)AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(frame.RectInFrame(&bar), before);
    EXPECT_EQ(::GetCapture(), nullptr);

    // A double-click is a press and release in place, then the double-click.
    input::Drag(bar.m_hWnd, grip, grip);
    EXPECT_EQ(DockedOn(), (UINT)AFX_IDW_DOCKBAR_TOP);
    ::PostMessageA(bar.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(grip.x, grip.y));
    bar.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(grip.x, grip.y));
    PumpMessages();
    ASSERT_TRUE(bar.IsFloating());

    // On the floating frame's caption: back to its place on the top side.
    CFrameWnd* pMini = bar.GetParentFrame();
    CRect rectMini;
    pMini->GetWindowRect(&rectMini);
    pMini->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(rectMini.left + 10, rectMini.top + 5));
    EXPECT_EQ(DockedOn(), (UINT)AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(frame.RectInFrame(&bar), before);
}

TEST(FloatingResize, DraggingAFloatingFramesEdgeRewrapsADynamicBar)
{
    CBarsFrame frame;
    ASSERT_TRUE(frame.Make());
    frame.EnableDocking(CBRS_ALIGN_ANY);
    CToolBar bar;
    ASSERT_TRUE(MakeTestToolBar(bar, &frame, AFX_IDW_TOOLBAR, CBRS_TOP | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    frame.FloatControlBar(&bar, CPoint(200, 200));
    CFrameWnd* pMini = bar.GetParentFrame();
    ASSERT_NE(pMini, nullptr);
    EXPECT_TRUE(pMini->GetStyle() & WS_THICKFRAME);
    CRect before;
    pMini->GetWindowRect(&before);
    // The frame fits its bar, however small the system's resizable windows are.
    CRect client;
    pMini->GetClientRect(&client);
    EXPECT_EQ(client.Width(), bar.CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH).cx - 4);
    CRect r1, r3;
    bar.GetItemRect(0, &r1);
    bar.GetItemRect(3, &r3);
    ASSERT_EQ(r1.top, r3.top);  // one row

    // The right edge dragged in to a third of the width: the bar wraps and
    // the frame snaps to the rows it chose, taller and narrower.
    CRect rect = before;
    rect.right = rect.left + before.Width() / 3;
    pMini->SendMessage(WM_SIZING, WMSZ_RIGHT, (LPARAM)&rect);
    EXPECT_LT(rect.Width(), before.Width());
    EXPECT_GT(rect.Height(), before.Height());
    EXPECT_EQ(rect.TopLeft(), before.TopLeft());
    EXPECT_LT(bar.m_nMRUWidth, (UINT)before.Width());
    pMini->MoveWindow(&rect);
    RunIdle();
    CRect after;
    pMini->GetWindowRect(&after);
    EXPECT_EQ(after, rect);
    bar.GetItemRect(0, &r1);
    bar.GetItemRect(3, &r3);
    EXPECT_GT(r3.top, r1.top);

    // Dragged from the left edge back out: one row again, the right edge stays.
    CRect wide = after;
    wide.left = after.right - before.Width() - 10;
    pMini->SendMessage(WM_SIZING, WMSZ_LEFT, (LPARAM)&wide);
    EXPECT_EQ(wide.right, after.right);
    EXPECT_EQ(wide.Size(), before.Size());
}
