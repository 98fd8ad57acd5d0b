// Bar state through the profile functions: a second frame made later gets the
// first one's sides, rows, hidden bars and floating places back.
#include "BarsTestFrame.h"
#include <gtest/gtest.h>
#include <vector>

namespace {
const char* const kRegistryKey = "ZUZIVU70 Bars Tests";
const UINT IDA = AFX_IDW_TOOLBAR;
const UINT IDB = AFX_IDW_CONTROLBAR_FIRST + 0x21;
const UINT IDC = AFX_IDW_CONTROLBAR_FIRST + 0x22;
const UINT IDD = AFX_IDW_CONTROLBAR_FIRST + 0x23;

std::vector<UINT> Rows(CFrameWnd& frame, UINT nDockBar)
{
    std::vector<UINT> v;
    auto* pDockBar = static_cast<CDockBar*>(frame.GetControlBar(nDockBar));
    for (INT_PTR i = 0; i < pDockBar->m_arrBars.GetSize(); i++) {
        void* p = pDockBar->m_arrBars[i];
        v.push_back(p == nullptr                 ? 0
                    : CDockBar::IsPlaceholder(p) ? (UINT)(UINT_PTR)p + 0x10000
                                                 : (UINT) static_cast<CControlBar*>(p)->GetDlgCtrlID());
    }
    return v;
}

struct CStateFixture : ::testing::Test
{
    void SetUp() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, CString("Software\\") + kRegistryKey);
        AfxGetApp()->SetRegistryKey(kRegistryKey);
    }
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, CString("Software\\") + kRegistryKey); }

    // Four dockable bars, each on a row of its own at the top.
    static void MakeBars(CBarsFrame& frame, CToolBar (&bars)[4])
    {
        const UINT ids[4] = { IDA, IDB, IDC, IDD };
        frame.EnableDocking(CBRS_ALIGN_ANY);
        for (int i = 0; i < 4; i++) {
            ASSERT_TRUE(MakeTestToolBar(bars[i], &frame, ids[i]));
            bars[i].EnableDocking(CBRS_ALIGN_ANY);
            frame.DockControlBar(&bars[i], AFX_IDW_DOCKBAR_TOP);
        }
        frame.RecalcLayout();
    }
};
}

TEST_F(CStateFixture, ASecondFrameGetsTheSavedSidesRowsVisibilityAndFloatingPlaces)
{
    CRect rectA, rectB, rectC, rectFloat;
    {
        CBarsFrame frame;
        ASSERT_TRUE(frame.Make());
        CToolBar bars[4];
        MakeBars(frame, bars);
        // B beside A, C on the left, D floating, B hidden.
        CRect rectDrop;
        bars[0].GetWindowRect(&rectDrop);
        rectDrop.OffsetRect(rectDrop.Width() + 10, 0);
        frame.DockControlBar(&bars[1], AFX_IDW_DOCKBAR_TOP, &rectDrop);
        frame.DockControlBar(&bars[2], AFX_IDW_DOCKBAR_LEFT);
        frame.FloatControlBar(&bars[3], CPoint(420, 300));
        frame.RecalcLayout();
        frame.ShowControlBar(&bars[1], FALSE, FALSE);
        ASSERT_EQ(Rows(frame, AFX_IDW_DOCKBAR_TOP), (std::vector<UINT>{ 0, IDA, IDB, 0, IDD + 0x10000, 0 }));
        rectA = frame.RectInFrame(&bars[0]);
        rectB = frame.RectInFrame(&bars[1]);
        rectC = frame.RectInFrame(&bars[2]);
        bars[3].GetParentFrame()->GetWindowRect(&rectFloat);
        frame.SaveBarState("Layout");
    }

    CBarsFrame frame;
    ASSERT_TRUE(frame.Make());
    CToolBar bars[4];
    MakeBars(frame, bars);
    ASSERT_EQ(Rows(frame, AFX_IDW_DOCKBAR_TOP), (std::vector<UINT>{ 0, IDA, 0, IDB, 0, IDC, 0, IDD, 0 }));
    frame.LoadBarState("Layout");

    EXPECT_EQ(Rows(frame, AFX_IDW_DOCKBAR_TOP), (std::vector<UINT>{ 0, IDA, IDB, 0, IDD + 0x10000, 0 }));
    EXPECT_EQ(Rows(frame, AFX_IDW_DOCKBAR_LEFT), (std::vector<UINT>{ 0, IDC, 0 }));
    EXPECT_EQ(frame.RectInFrame(&bars[0]), rectA);
    EXPECT_EQ(frame.RectInFrame(&bars[1]), rectB);
    EXPECT_EQ(frame.RectInFrame(&bars[2]), rectC);
    EXPECT_TRUE(bars[0].IsWindowVisible());
    EXPECT_FALSE(bars[1].IsWindowVisible());
    EXPECT_EQ(bars[2].GetBarStyle() & CBRS_ALIGN_ANY, (DWORD)CBRS_ALIGN_LEFT);
    ASSERT_TRUE(bars[3].IsFloating());
    CRect rect;
    bars[3].GetParentFrame()->GetWindowRect(&rect);
    EXPECT_EQ(rect.TopLeft(), rectFloat.TopLeft());
    EXPECT_TRUE(bars[3].GetParentFrame()->IsWindowVisible());

    // Where D goes back when toggled: its place on the top side.
    bars[3].m_pDockContext->ToggleDocking();
    EXPECT_EQ(Rows(frame, AFX_IDW_DOCKBAR_TOP), (std::vector<UINT>{ 0, IDA, IDB, 0, IDD, 0 }));
}

TEST_F(CStateFixture, MissingOrDamagedStateChangesNothing)
{
    CBarsFrame frame;
    ASSERT_TRUE(frame.Make());
    CToolBar bars[4];
    MakeBars(frame, bars);
    std::vector<UINT> before = Rows(frame, AFX_IDW_DOCKBAR_TOP);
    frame.LoadBarState("Nothing saved");
    EXPECT_EQ(Rows(frame, AFX_IDW_DOCKBAR_TOP), before);

    // A count far too large, and records of bars that do not exist.
    CWinApp* pApp = AfxGetApp();
    pApp->WriteProfileInt("Damaged-Summary", "Bars", 100000);
    frame.LoadBarState("Damaged");
    EXPECT_EQ(Rows(frame, AFX_IDW_DOCKBAR_TOP), before);
    pApp->WriteProfileInt("Ghost-Summary", "Bars", 2);
    pApp->WriteProfileInt("Ghost-Bar0", "BarID", AFX_IDW_CONTROLBAR_FIRST + 0x70);
    pApp->WriteProfileInt("Ghost-Bar0", "Floating", 1);
    pApp->WriteProfileInt("Ghost-Bar1", "BarID", AFX_IDW_DOCKBAR_TOP);
    pApp->WriteProfileInt("Ghost-Bar1", "Bars", 3);
    pApp->WriteProfileInt("Ghost-Bar1", "Bar#0", AFX_IDW_CONTROLBAR_FIRST + 0x70);
    pApp->WriteProfileInt("Ghost-Bar1", "Bar#1", 0);
    pApp->WriteProfileInt("Ghost-Bar1", "Bar#2", (int)IDA);
    frame.LoadBarState("Ghost");
    // The unknown bar keeps a placeholder; the bars the state does not name
    // keep rows of their own after it.
    std::vector<UINT> rows = Rows(frame, AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(rows,
              (std::vector<UINT>{ 0, AFX_IDW_CONTROLBAR_FIRST + 0x70 + 0x10000, 0, IDA, 0, IDB, 0, IDC, 0, IDD, 0 }));
    for (CToolBar& bar : bars)
        EXPECT_TRUE(bar.IsWindowVisible());
}
