// QELToolbar embedded controls: where a control sits on its item, the
// rectangle handed back, hiding while docked left or right, the objects made
// for run-time classes, who owns what and in which order it goes, and bad
// input and failed allocations that must leave the toolbar as it was.
#include "ToolbarTestSupport.h"
#include "WindowQueries.h"
#include "AllocationFailure.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>

// Run-time classes live outside the anonymous namespace: nothing here calls
// their GetRuntimeClass directly, the toolbar reads them through the records.
class CDerivedEdit : public CEdit
{
    DECLARE_DYNAMIC(CDerivedEdit)
};
IMPLEMENT_DYNAMIC(CDerivedEdit, CEdit)

// A window class of the test's own, named as its run-time class.
class CToolbarPanel : public CWnd
{
    DECLARE_DYNAMIC(CToolbarPanel)
};
IMPLEMENT_DYNAMIC(CToolbarPanel, CWnd)

namespace {
bool RegisterPanelClass()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.lpszClassName = "CToolbarPanel";
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    return ::RegisterClassA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// Windows in the order they are destroyed (a CBT hook).
std::vector<HWND> g_destroyed;
LRESULT CALLBACK RecordDestroy(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_DESTROYWND)
        g_destroyed.push_back((HWND)wParam);
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

int ChildCount(HWND hWnd)
{
    int n = 0;
    for (HWND h = ::GetWindow(hWnd, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
        n++;
    return n;
}

struct CControlsFixture : ::testing::Test
{
    CToolbarFrame frame;
    TestableToolbar bar;

    void SetUp() override
    {
        ASSERT_TRUE(frame.Make());
        ASSERT_TRUE(MakeToolbar(bar, &frame));
        bar.EnableDocking(CBRS_ALIGN_ANY);
        QELToolbar::FrameEnableDocking(&frame, CBRS_ALIGN_ANY);
        frame.DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
        frame.RecalcLayout();
    }
    CRect ItemRect(UINT nID)
    {
        CRect rect(0, 0, 0, 0);
        bar.GetItemRect(bar.CommandToIndex(nID), &rect);
        return rect;
    }
    CRect RectInBar(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        bar.ScreenToClient(&rect);
        return rect;
    }
    bool PlaceholderHidden(UINT nID) { return (bar.GetToolBarCtrl().GetState((int)nID) & TBSTATE_HIDDEN) != 0; }
    void DockAt(UINT nDockBar)
    {
        frame.DockControlBar(&bar, nDockBar);
        frame.RecalcLayout();
    }
};
}

TEST_F(CControlsFixture, ControlIsCentredOnItsItemAndTheRectangleComesBack)
{
    // Buttons 30 pixels high; a control of 22 goes 4 pixels down, one of 40
    // stays at the item's top.
    bar.SetSizes(CSize(30, 30), CSize(16, 15));
    frame.RecalcLayout();
    CEdit small, tall;
    ASSERT_TRUE(small.Create(WS_CHILD | WS_BORDER, CRect(0, 0, 50, 22), &bar, ID_CMD_TWO));
    ASSERT_TRUE(tall.Create(WS_CHILD | WS_BORDER, CRect(0, 0, 70, 40), &bar, ID_CMD_THREE));

    struct Case
    {
        CEdit* pControl;
        UINT nID;
        int nWidth;
        int nOffset;
    };
    for (const Case& c : { Case{ &small, ID_CMD_TWO, 50, 4 }, Case{ &tall, ID_CMD_THREE, 70, 0 } }) {
        SCOPED_TRACE(c.nID);
        CRect rect(0, 0, c.nWidth, 10);
        ASSERT_EQ(bar.InsertControl(c.pControl, rect, c.nID), c.pControl);
        int nIndex = bar.CommandToIndex(c.nID);
        TBBUTTON button;
        bar._GetButton(nIndex, &button);
        EXPECT_TRUE(button.fsStyle & TBSTYLE_SEP);
        EXPECT_EQ(button.iBitmap, c.nWidth);
        CRect item = ItemRect(c.nID);
        ASSERT_EQ(item.Height(), 30);
        EXPECT_EQ(item.Width(), c.nWidth);
        CRect expected = item;
        expected.top += c.nOffset;
        EXPECT_EQ(rect, expected);
        CRect placed = RectInBar(c.pControl);
        EXPECT_EQ(placed.TopLeft(), expected.TopLeft());
        EXPECT_EQ(placed.Size(), CSize(c.nWidth, c.nWidth == 50 ? 22 : 40));  // never resized
        EXPECT_TRUE(c.pControl->IsWindowVisible());
        EXPECT_EQ(c.pControl->SendMessage(WM_GETFONT), bar.SendMessage(WM_GETFONT));
    }
    EXPECT_NE(bar.GetStyle() & WS_CLIPCHILDREN, 0u);

    // The frame's next layout keeps them there.
    frame.RecalcLayout();
    EXPECT_EQ(RectInBar(&small).top, ItemRect(ID_CMD_TWO).top + 4);
    EXPECT_EQ(RectInBar(&tall).top, ItemRect(ID_CMD_THREE).top);
}

TEST_F(CControlsFixture, ControlsHideWhileDockedLeftOrRightAndComeBackAtTheTop)
{
    for (UINT nSide : { (UINT)AFX_IDW_DOCKBAR_LEFT, (UINT)AFX_IDW_DOCKBAR_RIGHT }) {
        SCOPED_TRACE(nSide);
        DockAt(nSide);
        ASSERT_TRUE(bar.IsVertDocked());
        CRect rect(0, 0, 60, 20);
        UINT nID = nSide == AFX_IDW_DOCKBAR_LEFT ? ID_CMD_TWO : ID_CMD_THREE;
        CWnd* pEdit = bar.InsertControl(RUNTIME_CLASS(CEdit), "", rect, nID, WS_BORDER);
        ASSERT_NE(pEdit, nullptr);
        EXPECT_FALSE(pEdit->IsWindowVisible());
        EXPECT_TRUE(PlaceholderHidden(nID));
        frame.RecalcLayout();
        EXPECT_FALSE(pEdit->IsWindowVisible());
        EXPECT_TRUE(PlaceholderHidden(nID));
    }
    DockAt(AFX_IDW_DOCKBAR_TOP);
    for (UINT nID : { (UINT)ID_CMD_TWO, (UINT)ID_CMD_THREE }) {
        SCOPED_TRACE(nID);
        CWnd* pEdit = bar.GetDlgItem((int)nID);
        ASSERT_NE(pEdit, nullptr);
        EXPECT_TRUE(pEdit->IsWindowVisible());
        EXPECT_FALSE(PlaceholderHidden(nID));
        CRect item = ItemRect(nID);
        EXPECT_EQ(item.Width(), 60);
        EXPECT_EQ(RectInBar(pEdit).left, item.left);
    }
    // Told to keep them, the bar shows them on the side too.
    bar.m_bHideControlsWhenVertical = FALSE;
    DockAt(AFX_IDW_DOCKBAR_LEFT);
    CRect rect(0, 0, 30, 20);
    CWnd* pButton = bar.InsertControl(RUNTIME_CLASS(CButton), "Go", rect, ID_CMD_ONE, BS_PUSHBUTTON);
    ASSERT_NE(pButton, nullptr);
    EXPECT_TRUE(pButton->IsWindowVisible());
    EXPECT_FALSE(PlaceholderHidden(ID_CMD_ONE));
}

TEST_F(CControlsFixture, RunTimeClassesGiveTheFrameworksOwnControls)
{
    ASSERT_TRUE(RegisterPanelClass());
    struct Case
    {
        CRuntimeClass* pClass;
        UINT nID;
        DWORD dwStyle;
        CRuntimeClass* pMade;
        const char* lpszWindowClass;
    };
    const Case cases[] = {
        { RUNTIME_CLASS(CDerivedEdit), ID_CMD_ONE, ES_AUTOHSCROLL | ES_CENTER, RUNTIME_CLASS(CEdit), "Edit" },
        { RUNTIME_CLASS(CComboBox), ID_CMD_TWO, CBS_DROPDOWNLIST, RUNTIME_CLASS(CComboBox), "ComboBox" },
        { RUNTIME_CLASS(CButton), ID_CMD_THREE, BS_PUSHBUTTON, RUNTIME_CLASS(CButton), "Button" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lpszWindowClass);
        CRect rect(0, 0, 60, 100);
        CWnd* pWnd = bar.InsertControl(c.pClass, "Caption", rect, c.nID, c.dwStyle);
        ASSERT_NE(pWnd, nullptr);
        EXPECT_EQ(pWnd->GetRuntimeClass(), c.pMade);
        EXPECT_EQ(ClassOf(pWnd->m_hWnd), c.lpszWindowClass);
        EXPECT_EQ(pWnd->GetStyle() & (c.dwStyle | WS_CHILD | WS_VISIBLE), c.dwStyle | WS_CHILD | WS_VISIBLE);
        EXPECT_EQ(pWnd->GetParent(), &bar);
        EXPECT_EQ(pWnd->GetDlgCtrlID(), (int)c.nID);
    }
    EXPECT_EQ(WindowText(bar.GetDlgItem(ID_CMD_THREE)->GetSafeHwnd()), "Caption");

    // Any other window class: a plain CWnd of the window class its name gives.
    CRect rect(0, 0, 44, 18);
    UINT ids[] = { ID_CMD_ONE, ID_CMD_TWO, ID_CMD_THREE, ID_CMD_FOUR };
    ASSERT_TRUE(bar.SetButtons(ids, 4));
    CWnd* pPanel = bar.InsertControl(RUNTIME_CLASS(CToolbarPanel), "Panel", rect, ID_CMD_FOUR, 0);
    ASSERT_NE(pPanel, nullptr);
    EXPECT_EQ(pPanel->GetRuntimeClass(), RUNTIME_CLASS(CWnd));
    EXPECT_EQ(ClassOf(pPanel->m_hWnd), "CToolbarPanel");
    EXPECT_EQ(WindowText(pPanel->GetSafeHwnd()), "Panel");
    ASSERT_NE(bar.m_pControls, nullptr);
    EXPECT_EQ(bar.m_pControls->GetCount(), 4);
    EXPECT_EQ(bar.m_pControls->GetTail(), pPanel);
}

TEST_F(CControlsFixture, BadInputAndUnknownClassesLeaveTheToolbarUnchanged)
{
    std::vector<TBBUTTON> before = bar.Records();
    int nChildren = ChildCount(bar.m_hWnd);
    CEdit stranger;  // a child of the frame, not of the toolbar
    ASSERT_TRUE(stranger.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 20), &frame, ID_CMD_TWO));
    CEdit unmadeEdit;
    CEdit own;
    ASSERT_TRUE(own.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 20), &bar, 0));
    nChildren++;

    struct ObjectCase
    {
        const char* name;
        CWnd* pControl;
        CRect rect;
        UINT nID;
    };
    const ObjectCase objectCases[] = {
        { "null control", nullptr, CRect(0, 0, 40, 20), ID_CMD_TWO },
        { "control without a window", &unmadeEdit, CRect(0, 0, 40, 20), ID_CMD_TWO },
        { "not the toolbar's child", &stranger, CRect(0, 0, 40, 20), ID_CMD_TWO },
        { "id 0", &own, CRect(0, 0, 40, 20), 0 },
        { "negative width", &own, CRect(40, 0, 0, 20), ID_CMD_TWO },
    };
    for (const ObjectCase& c : objectCases) {
        SCOPED_TRACE(c.name);
        CRect rect = c.rect;
        EXPECT_EQ(bar.InsertControl(c.pControl, rect, c.nID), nullptr);
        EXPECT_EQ(rect, c.rect);
    }
    EXPECT_TRUE(stranger.IsWindowVisible());
    EXPECT_TRUE(own.IsWindowVisible());

    struct ClassCase
    {
        const char* name;
        CRuntimeClass* pClass;
        CRect rect;
        UINT nID;
    };
    const ClassCase classCases[] = {
        { "null class", nullptr, CRect(0, 0, 40, 20), ID_CMD_TWO },
        { "not a window class", RUNTIME_CLASS(CMenu), CRect(0, 0, 40, 20), ID_CMD_TWO },
        { "not a window at all", RUNTIME_CLASS(CObject), CRect(0, 0, 40, 20), ID_CMD_TWO },
        { "no window class of that name", RUNTIME_CLASS(CListCtrl), CRect(0, 0, 40, 20), ID_CMD_TWO },
        { "id 0", RUNTIME_CLASS(CEdit), CRect(0, 0, 40, 20), 0 },
        { "negative width", RUNTIME_CLASS(CEdit), CRect(40, 0, 0, 20), ID_CMD_TWO },
        { "negative height", RUNTIME_CLASS(CEdit), CRect(0, 20, 40, 0), ID_CMD_TWO },
    };
    for (const ClassCase& c : classCases) {
        SCOPED_TRACE(c.name);
        CRect rect = c.rect;
        EXPECT_EQ(bar.InsertControl(c.pClass, "x", rect, c.nID, 0), nullptr);
        EXPECT_EQ(rect, c.rect);
    }
    EXPECT_EQ(ChildCount(bar.m_hWnd), nChildren);
    EXPECT_EQ(bar.m_pControls, nullptr);
    std::vector<TBBUTTON> after = bar.Records();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(memcmp(after.data(), before.data(), after.size() * sizeof(TBBUTTON)), 0);

    // An id not on the bar: the control is hidden and handed back, no placeholder.
    CRect rect(0, 0, 40, 20);
    EXPECT_EQ(bar.InsertControl(&own, rect, ID_CMD_FOUR), &own);
    EXPECT_FALSE(own.IsWindowVisible());
    after = bar.Records();
    EXPECT_EQ(memcmp(after.data(), before.data(), after.size() * sizeof(TBBUTTON)), 0);

    // A toolbar without a window.
    QELToolbar unmade;
    EXPECT_EQ(unmade.InsertControl(&own, rect, ID_CMD_ONE), nullptr);
    EXPECT_EQ(unmade.InsertControl(RUNTIME_CLASS(CEdit), "", rect, ID_CMD_ONE, 0), nullptr);
    EXPECT_EQ(unmade.m_pControls, nullptr);
}

TEST_F(CControlsFixture, OwnedControlsGoBeforeTheToolbarWindowAndTheCallersStay)
{
    long nBlocks = QELLiveAllocationCount();
    auto* pBar = new TestableToolbar;
    ASSERT_TRUE(MakeToolbar(*pBar, &frame, AFX_IDW_TOOLBAR + 1));
    CRect rect(0, 0, 60, 20);
    CWnd* pOwned = pBar->InsertControl(RUNTIME_CLASS(CComboBox), "", rect, ID_CMD_ONE, CBS_DROPDOWN);
    ASSERT_NE(pOwned, nullptr);
    CEdit callers;
    ASSERT_TRUE(callers.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 20), pBar, ID_CMD_TWO));
    rect = CRect(0, 0, 40, 20);
    ASSERT_EQ(pBar->InsertControl(&callers, rect, ID_CMD_TWO), &callers);
    ASSERT_EQ(pBar->m_pControls->GetCount(), 1);

    // The order windows are destroyed in, as the system reports it.
    g_destroyed.clear();
    HHOOK hHook = ::SetWindowsHookExA(WH_CBT, RecordDestroy, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hHook, nullptr);
    HWND hOwned = pOwned->m_hWnd, hBar = pBar->m_hWnd;
    delete pBar;
    ::UnhookWindowsHookEx(hHook);

    EXPECT_FALSE(::IsWindow(hOwned));
    EXPECT_FALSE(::IsWindow(hBar));
    ASSERT_GE(g_destroyed.size(), 2u);
    EXPECT_EQ(g_destroyed[0], hOwned);
    auto itBar = std::find(g_destroyed.begin(), g_destroyed.end(), hBar);
    ASSERT_NE(itBar, g_destroyed.end());
    EXPECT_GT(itBar - g_destroyed.begin(), 0);
    // The caller's control went with the toolbar's window, but its object is the caller's.
    EXPECT_EQ(callers.m_hWnd, nullptr);
    EXPECT_EQ(QELLiveAllocationCount(), nBlocks);
}

TEST_F(CControlsFixture, FailedAllocationsLeaveNoControlBehind)
{
    long nBlocks = QELLiveAllocationCount();
    UINT nBarID = AFX_IDW_TOOLBAR + 2;
    CWnd* pResult = nullptr;
    int nChildren = 0;
    std::vector<TBBUTTON> before, after;
    int nRefused = 0;
    long nMade = WithEachAllocationFailing(
        [&] {
            TestableToolbar fresh;
            if (!MakeToolbar(fresh, &frame, nBarID++))
                return;
            before = fresh.Records();
            CRect rect(0, 0, 60, 20);
            pResult = fresh.InsertControl(RUNTIME_CLASS(CEdit), "", rect, ID_CMD_TWO, WS_BORDER);
            nChildren = ChildCount(fresh.m_hWnd);
            after = fresh.Records();
        },
        [&](bool bFailed) {
            // The control, the list of owned controls and its nodes fail the
            // whole call; a layout pass that runs short afterwards does not.
            if (pResult == nullptr) {
                EXPECT_TRUE(bFailed);
                nRefused++;
                EXPECT_EQ(nChildren, 0);
                ASSERT_EQ(after.size(), before.size());
                EXPECT_EQ(memcmp(after.data(), before.data(), after.size() * sizeof(TBBUTTON)), 0);
            } else {
                EXPECT_EQ(nChildren, 1);
            }
            EXPECT_EQ(QELLiveAllocationCount(), nBlocks);
        });
    EXPECT_EQ(nRefused, 3);
    EXPECT_GE(nMade, 2);  // the control and the list of owned controls
}
