// The frame's layout protocol: bars take their parts of the client area in
// creation order through WM_SIZEPARENT, the pane gets the rest, and delayed
// showing and hiding happens inside the same layout.
#include "BarsTestFrame.h"
#include <gtest/gtest.h>

namespace {
struct CLayoutFixture : ::testing::Test
{
    CBarsFrame frame;
    CFixedBar top, bottom, left;
    CRect client;

    void SetUp() override
    {
        ASSERT_TRUE(frame.Make());
        ASSERT_TRUE(top.Make(&frame, CBRS_TOP, AFX_IDW_CONTROLBAR_FIRST + 40, CSize(50, 20)));
        ASSERT_TRUE(bottom.Make(&frame, CBRS_BOTTOM, AFX_IDW_CONTROLBAR_FIRST + 41, CSize(50, 15)));
        ASSERT_TRUE(left.Make(&frame, CBRS_LEFT, AFX_IDW_CONTROLBAR_FIRST + 42, CSize(30, 40)));
        frame.GetClientRect(&client);
    }
};
}

TEST_F(CLayoutFixture, BarsTakeTheirSidesInCreationOrderAndThePaneTheRest)
{
    frame.RecalcLayout();
    EXPECT_EQ(frame.RectInFrame(&top), CRect(0, 0, client.right, 20));
    EXPECT_EQ(frame.RectInFrame(&bottom), CRect(0, client.bottom - 15, client.right, client.bottom));
    // The left bar is stretched between the two that came first.
    EXPECT_EQ(frame.RectInFrame(&left), CRect(0, 20, 30, client.bottom - 15));
    EXPECT_EQ(frame.PaneRect(), CRect(30, 20, client.right, client.bottom - 15));

    // Each bar registered with its frame and is found by its id.
    EXPECT_EQ(frame.GetControlBar(AFX_IDW_CONTROLBAR_FIRST + 41), &bottom);
    EXPECT_EQ(frame.GetControlBar(AFX_IDW_CONTROLBAR_FIRST + 43), nullptr);
    EXPECT_EQ(frame.GetControlBar(0), nullptr);
}

TEST_F(CLayoutFixture, QueryLayoutMeasuresWithoutMovingAnything)
{
    frame.RecalcLayout();
    CRect before = frame.RectInFrame(&top);

    // A layout without a batch (hDWP null) only asks: the rectangle shrinks,
    // the totals grow, the bar stays where it is.
    top.m_size.cy = 33;
    AFX_SIZEPARENTPARAMS layout = {};
    layout.rect = CRect(0, 0, 300, 200);
    layout.bStretch = TRUE;
    top.SendMessage(WM_SIZEPARENT, 0, (LPARAM)&layout);
    EXPECT_EQ(CRect(layout.rect), CRect(0, 33, 300, 200));
    EXPECT_EQ(layout.sizeTotal.cy, 33);
    EXPECT_EQ(layout.sizeTotal.cx, 300);
    EXPECT_EQ(frame.RectInFrame(&top), before);

    // A bar never takes more than what is left.
    AFX_SIZEPARENTPARAMS tight = {};
    tight.rect = CRect(0, 0, 300, 10);
    tight.bStretch = TRUE;
    top.SendMessage(WM_SIZEPARENT, 0, (LPARAM)&tight);
    EXPECT_EQ(CRect(tight.rect), CRect(0, 10, 300, 10));
}

TEST_F(CLayoutFixture, RepositionBarsHonoursAGivenClientRectAndReportsTheRest)
{
    CRect rectLeft;
    frame.RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, 0, &rectLeft, CRect(10, 10, 210, 110));
    EXPECT_EQ(frame.RectInFrame(&top), CRect(10, 10, 210, 30));
    EXPECT_EQ(frame.RectInFrame(&bottom), CRect(10, 95, 210, 110));
    EXPECT_EQ(frame.RectInFrame(&left), CRect(10, 30, 40, 95));
    EXPECT_EQ(rectLeft, CRect(40, 30, 210, 95));
    EXPECT_EQ(frame.PaneRect(), rectLeft);

    // Ids outside the range take no part.
    frame.RepositionBars(AFX_IDW_CONTROLBAR_FIRST + 41, AFX_IDW_CONTROLBAR_FIRST + 41, AFX_IDW_PANE_FIRST, 0, &rectLeft,
                         CRect(0, 0, 200, 100));
    EXPECT_EQ(rectLeft, CRect(0, 0, 200, 85));
}

TEST_F(CLayoutFixture, HiddenBarsTakeNothingAndDelayedShowingWaitsForTheLayout)
{
    frame.RecalcLayout();
    // Delay-hidden: still on screen, no longer counted as visible.
    frame.ShowControlBar(&top, FALSE, TRUE);
    EXPECT_TRUE(top.IsWindowVisible());
    EXPECT_FALSE(top.IsVisible());
    EXPECT_EQ(frame.PaneRect().top, 20);

    // The idle pass lays the frame out: the bar hides inside that layout.
    RunIdle();
    EXPECT_FALSE(top.IsWindowVisible());
    EXPECT_EQ(frame.PaneRect(), CRect(30, 0, client.right, client.bottom - 15));
    EXPECT_EQ(frame.RectInFrame(&left).top, 0);

    // Shown again without delay: at once.
    frame.ShowControlBar(&top, TRUE, FALSE);
    EXPECT_TRUE(top.IsWindowVisible());
    EXPECT_EQ(frame.PaneRect().top, 20);

    // A bar without any alignment floats free of the layout.
    bottom.SetBarStyle(bottom.GetBarStyle() & ~CBRS_ALIGN_ANY);
    frame.RecalcLayout();
    EXPECT_EQ(frame.PaneRect().bottom, client.bottom);
}

TEST_F(CLayoutFixture, DestroyedBarsLeaveTheFrameAndItsLayout)
{
    left.DestroyWindow();
    EXPECT_EQ(frame.GetControlBar(AFX_IDW_CONTROLBAR_FIRST + 42), nullptr);
    frame.RecalcLayout();
    EXPECT_EQ(frame.PaneRect().left, 0);

    // A bar made with new and set to delete itself goes with its window.
    auto* pBar = new CFixedBar;
    pBar->m_bAutoDelete = TRUE;
    ASSERT_TRUE(pBar->Make(&frame, CBRS_RIGHT, AFX_IDW_CONTROLBAR_FIRST + 44, CSize(25, 10)));
    frame.RecalcLayout();
    EXPECT_EQ(frame.PaneRect().right, client.right - 25);
    pBar->DestroyWindow();
    EXPECT_EQ(frame.GetControlBar(AFX_IDW_CONTROLBAR_FIRST + 44), nullptr);
    frame.RecalcLayout();
    EXPECT_EQ(frame.PaneRect().right, client.right);
}
