// QELToolbar's layout and docking given bad input in every state of its
// window: null and short record arrays, negative and huge counts, widths and
// lengths, modes of every bit, frames without windows; and the layout when
// memory runs out. Each answers what it documents and nothing crashes.
#include "BadInputSupport.h"
#include "AllocationFailure.h"
#include "ToolbarTestSupport.h"
#include <climits>

namespace {

class DockFrame : public CFrameWnd
{
protected:
    void PostNcDestroy() override {}
};

const UINT kIds[] = { 40001, 40002, ID_SEPARATOR, 40003, 40004 };

// A toolbar of five records (one a separator) docked at the top of a frame.
struct ToolbarInState
{
    DockFrame frame;
    TestableToolbar bar;
    explicit ToolbarInState(WindowState state)
    {
        frame.Create(nullptr, "Toolbars", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 30, 640, 430));
        QELToolbar::FrameEnableDocking(&frame, CBRS_ALIGN_ANY);
        if (state == WindowState::NeverCreated)
            return;
        EXPECT_TRUE(
            bar.CreateEx(&frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC));
        EXPECT_TRUE(bar.SetButtons(kIds, 5));
        bar.EnableDocking(CBRS_ALIGN_ANY);
        frame.DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
        frame.RecalcLayout();
        if (state == WindowState::Destroyed)
            bar.DestroyWindow();
    }
    ~ToolbarInState()
    {
        if (frame.m_hWnd != nullptr)
            frame.DestroyWindow();
    }
};

std::vector<BadInput> ToolbarTable(TestableToolbar& bar, DockFrame& frame, WindowState state)
{
    const bool bLive = state == WindowState::Live;
    auto records = [&bar] {
        std::vector<TBBUTTON> v(5);
        for (int i = 0; i < 5; ++i)
            bar._GetButton(i, &v[(size_t)i]);
        return v;
    };
    return {
        { "null records and negative indices and counts",
          [&bar] {
              EXPECT_EQ(bar.GetButtonSize(nullptr, 0, LM_HORZ), CSize(0, 0));
              TBBUTTON one = {};
              EXPECT_EQ(bar.GetButtonSize(&one, -1, LM_HORZ), CSize(0, 0));
              EXPECT_EQ(bar.GetButtonSize(&one, INT_MIN, 0xFFFFFFFF), CSize(0, 0));
              EXPECT_EQ(bar.WrapToolBar(nullptr, 5, 100, LM_HORZ), 1);
              EXPECT_EQ(bar.WrapToolBar(&one, -3, 100, LM_HORZ), 1);
              bar.SizeToolBar(nullptr, 5, 100, FALSE, LM_HORZ);
              bar.SizeToolBar(&one, INT_MIN, -1, TRUE, 0xFFFFFFFF);
              bar._GetButton(0, nullptr);
              bar._SetButton(0, nullptr);
              CSize size = bar.CalcSize(nullptr, 5, LM_HORZ);
              EXPECT_GE(size.cx, 0);
              EXPECT_GE(size.cy, 0);
          } },
        { "records of buttons that do not exist read as empty, and are not written",
          [&bar, bLive] {
              for (int nIndex : { -1, 5, 1000, INT_MAX, INT_MIN }) {
                  TBBUTTON button;
                  memset(&button, 0xCD, sizeof(button));
                  bar._GetButton(nIndex, &button);
                  EXPECT_EQ(button.idCommand, 0);
                  EXPECT_EQ(button.fsStyle, 0);
                  bar._SetButton(nIndex, &button);
              }
              if (bLive) {
                  EXPECT_EQ(bar.GetToolBarCtrl().GetButtonCount(), 5);
              }
          } },
        { "widths and lengths negative, zero and huge; modes of every bit",
          [&bar, records, bLive] {
              for (int nLength : { -1, 0, 1, INT_MAX, INT_MIN }) {
                  for (DWORD dwMode : std::initializer_list<DWORD>{ 0u, (DWORD)LM_HORZ, (DWORD)(LM_COMMIT | LM_HORZ),
                                                                    (DWORD)LM_VERTDOCK,
                                                                    (DWORD)(LM_MRUWIDTH | LM_LENGTHY), 0xFFFFFFFFu }) {
                      std::vector<TBBUTTON> v = records();
                      const int nRows = bar.WrapToolBar(v.data(), 5, nLength, dwMode);
                      EXPECT_GE(nRows, 1);
                      EXPECT_LE(nRows, 5);
                      bar.SizeToolBar(v.data(), 5, nLength, dwMode & 1, dwMode);
                      CSize size = bar.CalcDynamicLayout(nLength, dwMode);
                      EXPECT_GE(size.cx, 0);
                      EXPECT_GE(size.cy, 0);
                  }
              }
              CSize fixed = bar.CalcFixedLayout(-1, -1);
              EXPECT_GE(fixed.cx, 0);
              if (bLive) {
                  EXPECT_EQ(bar.GetToolBarCtrl().GetButtonCount(), 5) << "layouts lost a button";
                  EXPECT_FALSE(bar.IsVertDocked());
              }
              bar.PositionControls();
          } },
        { "docking set up for frames without windows, no sides and every bit",
          [&frame] {
              QELToolbar::FrameEnableDocking(nullptr, CBRS_ALIGN_ANY);
              DockFrame noWindow;
              QELToolbar::FrameEnableDocking(&noWindow, CBRS_ALIGN_ANY);
              QELToolbar::FrameEnableDocking(&frame, 0);
              QELToolbar::FrameEnableDocking(&frame, 0xFFFFFFFF);
              QELToolbar::FrameEnableDocking(&frame, CBRS_ALIGN_ANY);  // again: the same dock bars stay
              for (UINT nID :
                   { AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_RIGHT }) {
                  CControlBar* pDockBar = frame.GetControlBar(nID);
                  ASSERT_NE(pDockBar, nullptr);
                  EXPECT_TRUE(pDockBar->IsKindOf(RUNTIME_CLASS(CDockBarEx)));
                  CSize size = pDockBar->CalcFixedLayout(-1, 7);
                  EXPECT_GE(size.cx, 0);
              }
          } },
    };
}

TEST(ToolbarBadInput, LayoutAndDockingInEveryState)
{
    for (WindowState state : kAllStates) {
        ToolbarInState t(state);
        RunTable("QELToolbar", state, ToolbarTable(t.bar, t.frame, state));
    }
}

// Out of memory the layout answers the plain control bar's size (its borders)
// and writes no record; a pass that got its memory lays the bar out as usual.
// No exception leaves.
TEST(ToolbarBadInput, LayoutAndDockBarsOutOfMemory)
{
    ToolbarInState t(WindowState::Live);
    const CSize sizeFull = t.bar.CalcLayout(LM_HORZ | LM_MRUWIDTH, -1);
    ASSERT_GT(sizeFull.cx, 0);
    long n = WithEachAllocationFailing([&] { t.bar.CalcLayout(LM_HORZ | LM_MRUWIDTH | LM_COMMIT, -1); },
                                       [&](bool) { EXPECT_EQ(t.bar.GetToolBarCtrl().GetButtonCount(), 5); });
    EXPECT_GE(n, 1);
    const CSize sizeBorders = t.bar.CControlBar::CalcFixedLayout(FALSE, TRUE);
    ASSERT_LT(sizeBorders.cx, sizeFull.cx);
    CSize size;
    WithEachAllocationFailing([&] { size = t.bar.CalcLayout(LM_HORZ | LM_MRUWIDTH, -1); },
                              [&](bool bFailed) { EXPECT_EQ(size, bFailed ? sizeBorders : sizeFull); });
    int nRows = 0;
    TBBUTTON records[5];
    for (int i = 0; i < 5; ++i)
        t.bar._GetButton(i, &records[i]);
    WithEachAllocationFailing([&] { nRows = t.bar.WrapToolBar(records, 5, 30, LM_HORZ); },
                              [&](bool bFailed) { EXPECT_TRUE(bFailed ? nRows == 1 : nRows > 1) << nRows; });
    CControlBar* pTop = t.frame.GetControlBar(AFX_IDW_DOCKBAR_TOP);
    ASSERT_NE(pTop, nullptr);
    const CSize sizeDock = pTop->CalcFixedLayout(TRUE, TRUE);
    n = WithEachAllocationFailing([&] { size = pTop->CalcFixedLayout(TRUE, TRUE); },
                                  [&](bool bFailed) {
                                      if (!bFailed) {
                                          EXPECT_EQ(size, sizeDock);
                                      }
                                  });
    EXPECT_GE(n, 1);
    // Docking set up when the dock bars cannot be made keeps the framework's.
    DockFrame other;
    ASSERT_TRUE(other.Create(nullptr, "Other", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    QELFailAllocation(1);
    QELToolbar::FrameEnableDocking(&other, CBRS_ALIGN_TOP);
    QELFailAllocation(0);
    EXPECT_NE(other.GetControlBar(AFX_IDW_DOCKBAR_TOP), nullptr) << "the side lost its dock bar";
    other.DestroyWindow();
}

}  // namespace
