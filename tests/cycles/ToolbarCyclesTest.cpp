// A toolbar created from a resource, docked on each side, floated, docked
// again and destroyed, many times over: GDI, USER and library block counts
// the same at the end (the floating frames and dock bars it used included).
#include "ObjectCounts.h"
#include <gtest/gtest.h>

namespace {

const UINT IDR_CYCLEBAR = 300;

class CycleFrame : public CFrameWnd
{
protected:
    void PostNcDestroy() override {}
};

TEST(ToolbarCycles, CreateLoadDockFloatDestroy)
{
    CycleFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "Toolbars", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 30, 640, 430)));
    CWnd* pOldMain = AfxGetApp()->m_pMainWnd;
    AfxGetApp()->m_pMainWnd = &frame;
    QELToolbar::FrameEnableDocking(&frame, CBRS_ALIGN_ANY);
    const UINT sides[] = { AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_RIGHT };
    ExpectNothingLeftAfterCycles("QELToolbar", [&](int i) {
        QELToolbar bar;
        ASSERT_TRUE(bar.CreateEx(&frame, TBSTYLE_FLAT,
                                 WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_SIZE_DYNAMIC,
                                 CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR + 1 + i % 8));
        ASSERT_TRUE(bar.LoadToolBar(IDR_CYCLEBAR));
        bar.EnableDocking(CBRS_ALIGN_ANY);
        frame.DockControlBar(&bar, sides[i % 4]);
        frame.RecalcLayout();
        frame.FloatControlBar(&bar, CPoint(100 + i % 50, 100), i % 2 ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT);
        bar.UpdateWindow();
        if (i % 3 == 0)
            frame.DockControlBar(&bar, sides[(i + 1) % 4]);
        frame.RecalcLayout();
        if (i % 2)
            bar.DestroyWindow();  // else the object takes its window with it
    });
    AfxGetApp()->m_pMainWnd = pOldMain;
    frame.DestroyWindow();
}

}  // namespace
