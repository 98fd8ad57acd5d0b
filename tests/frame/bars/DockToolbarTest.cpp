// QELGUIUtils::DockToolbar in an MDI frame with two toolbars: the bar joins
// the reference bar's row on every side, right after it, and bad input
// docks nothing or falls back to the frame's own choice.
#include "BarsTestFrame.h"
#include <gtest/gtest.h>

namespace {
struct CDockToolbarFixture : ::testing::Test
{
    CMDIFrameWnd* pFrame = nullptr;
    CToolBar* pBars[3] = {};

    void SetUp() override
    {
        pFrame = new CMDIFrameWnd;
        ASSERT_TRUE(pFrame->Create(nullptr, "MDI", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 720, 520)));
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        for (int i = 0; i < 3; i++) {
            pBars[i] = new CToolBar;
            pBars[i]->m_bAutoDelete = TRUE;
            ASSERT_TRUE(MakeTestToolBar(*pBars[i], pFrame, AFX_IDW_TOOLBAR + i));
            pBars[i]->EnableDocking(CBRS_ALIGN_ANY);
        }
    }
    void TearDown() override
    {
        if (pFrame != nullptr && pFrame->m_hWnd != nullptr)
            pFrame->DestroyWindow();  // frame, bars and dock bars delete themselves
    }
    // Position of pBar in its dock bar's array and the row it is on (rows end at null entries).
    void Place(CControlBar* pBar, int& nPos, int& nRow)
    {
        nPos = nRow = -1;
        CDockBar* pDockBar = pBar->m_pDockBar;
        if (pDockBar == nullptr)
            return;
        int nCurrentRow = 0;
        for (int i = 0; i < (int)pDockBar->m_arrBars.GetSize(); i++) {
            void* p = pDockBar->m_arrBars[i];
            if (p == pBar) {
                nPos = i;
                nRow = nCurrentRow;
            } else if (p == nullptr && i > 0) {
                nCurrentRow++;
            }
        }
    }
};
}

TEST_F(CDockToolbarFixture, TheBarJoinsTheReferenceRowRightAfterItOnEverySide)
{
    const UINT sides[] = { AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT };
    for (UINT nSide : sides) {
        SCOPED_TRACE(nSide);
        // The bar to dock starts on another side, so it has to move over.
        pFrame->DockControlBar(pBars[0], nSide);
        UINT nOther = nSide == AFX_IDW_DOCKBAR_TOP ? AFX_IDW_DOCKBAR_BOTTOM : AFX_IDW_DOCKBAR_TOP;
        pFrame->DockControlBar(pBars[1], nOther);
        pFrame->RecalcLayout();

        QELGUIUtils::DockToolbar(pFrame, pBars[1], pBars[0]);
        pFrame->RecalcLayout();
        ASSERT_EQ(pBars[1]->m_pDockBar, pBars[0]->m_pDockBar);
        EXPECT_EQ(pBars[1]->m_pDockBar, pFrame->GetControlBar(nSide));
        int nPos0, nRow0, nPos1, nRow1;
        Place(pBars[0], nPos0, nRow0);
        Place(pBars[1], nPos1, nRow1);
        EXPECT_EQ(nRow1, nRow0);
        EXPECT_EQ(nPos1, nPos0 + 1);
        CRect r0, r1;
        pBars[0]->GetWindowRect(&r0);
        pBars[1]->GetWindowRect(&r1);
        if (nSide == AFX_IDW_DOCKBAR_TOP || nSide == AFX_IDW_DOCKBAR_BOTTOM) {
            EXPECT_EQ(r1.top, r0.top);
            EXPECT_GE(r1.left, r0.right - 2);  // dock bars overlap neighbours by two pixels
        } else {
            EXPECT_EQ(r1.left, r0.left);
            EXPECT_GE(r1.top, r0.bottom - 2);
        }
    }
}

TEST_F(CDockToolbarFixture, BadInputDocksNothingAndAFloatingReferenceLeavesTheChoiceToTheFrame)
{
    pFrame->DockControlBar(pBars[0], AFX_IDW_DOCKBAR_TOP);
    pFrame->DockControlBar(pBars[1], AFX_IDW_DOCKBAR_LEFT);
    pFrame->RecalcLayout();
    CToolBar unmade;
    struct Case
    {
        const char* name;
        CMDIFrameWnd* pFrame;
        CToolBar* pBar;
        CToolBar* pReference;
    };
    const Case cases[] = {
        { "null frame", nullptr, pBars[1], pBars[0] },
        { "null bar", pFrame, nullptr, pBars[0] },
        { "null reference", pFrame, pBars[1], nullptr },
        { "bar without a window", pFrame, &unmade, pBars[0] },
        { "reference without a window", pFrame, pBars[1], &unmade },
        { "bar is the reference", pFrame, pBars[0], pBars[0] },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QELGUIUtils::DockToolbar(c.pFrame, c.pBar, c.pReference);
        EXPECT_EQ(pBars[0]->m_pDockBar, pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP));
        EXPECT_EQ(pBars[1]->m_pDockBar, pFrame->GetControlBar(AFX_IDW_DOCKBAR_LEFT));
    }

    // A floating reference: the bar goes where the frame docks it by itself
    // (its own side, the left), not to the floating window.
    pFrame->FloatControlBar(pBars[0], CPoint(300, 300));
    ASSERT_TRUE(pBars[0]->IsFloating());
    pFrame->DockControlBar(pBars[1], AFX_IDW_DOCKBAR_LEFT);
    pFrame->FloatControlBar(pBars[2], CPoint(320, 340));
    QELGUIUtils::DockToolbar(pFrame, pBars[2], pBars[0]);
    EXPECT_FALSE(pBars[2]->IsFloating());
    EXPECT_NE(pBars[2]->m_pDockBar, pBars[0]->m_pDockBar);
}
