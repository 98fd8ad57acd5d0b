// QELToolbar layout on a real toolbar control: item sizes, wrapping and the
// width searches, the three common-controls versions, embedded controls while
// docked vertically, and commits that write back only what changed.
#include "ToolbarTestSupport.h"
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {
struct CLayoutFixture : ::testing::Test
{
    CToolbarFrame frame;
    TestableToolbar bar;
    int nSavedVersion = -1;

    void SetUp() override
    {
        ASSERT_TRUE(frame.Make());
        ASSERT_TRUE(MakeToolbar(bar, &frame));
        nSavedVersion = bar.GetComCtlVersion();
    }
    void TearDown() override { TestableToolbar::SetCachedVersion(nSavedVersion); }

    std::vector<bool> Wraps(std::vector<TBBUTTON>& data)
    {
        std::vector<bool> v;
        for (const TBBUTTON& b : data)
            v.push_back((b.fsState & TBSTATE_WRAP) != 0);
        return v;
    }
};
}

TEST(ToolbarClass, RunTimeClassesCountersAndInitialFields)
{
    CRuntimeClass* pClass = RUNTIME_CLASS(QELToolbar);
    EXPECT_STREQ(pClass->m_lpszClassName, "QELToolbar");
    EXPECT_EQ(pClass->m_pBaseClass, RUNTIME_CLASS(CToolBar));
    CObject* pObject = pClass->CreateObject();
    ASSERT_NE(pObject, nullptr);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(QELToolbar)));
    delete pObject;
    EXPECT_STREQ(RUNTIME_CLASS(CDockBarEx)->m_lpszClassName, "CDockBarEx");
    EXPECT_EQ(RUNTIME_CLASS(CDockBarEx)->m_pBaseClass, RUNTIME_CLASS(CDockBar));
    EXPECT_EQ(RUNTIME_CLASS(CDockBarEx)->CreateObject(), nullptr);

    // The toolbar's own message map, in the order the framework searches it.
    // WM_NCPAINT is the framework bar's: the flat borders come through its
    // DrawNonClientBorders.
    const UINT kReflected = WM_REFLECT_BASE + WM_NOTIFY;
    const std::vector<std::pair<UINT, UINT>> expected = {
        { WM_CREATE, 0 },
        { WM_PAINT, 0 },
        { WM_SYSCOLORCHANGE, 0 },
        { WM_CONTEXTMENU, 0 },
        { kReflected, (WORD)TBN_DROPDOWN },
        { kReflected, (WORD)TBN_BEGINADJUST },
        { kReflected, (WORD)TBN_CUSTHELP },
        { kReflected, (WORD)TBN_ENDADJUST },
        { kReflected, (WORD)TBN_GETBUTTONINFOA },
        { kReflected, (WORD)TBN_QUERYDELETE },
        { kReflected, (WORD)TBN_QUERYINSERT },
        { kReflected, (WORD)TBN_RESET },
        { kReflected, (WORD)TBN_TOOLBARCHANGE },
        { TB_CUSTOMIZE, 0 },
        { kReflected, (WORD)TBN_INITCUSTOMIZE },
        { kReflected, (WORD)TBN_SAVE },
        { kReflected, (WORD)TBN_RESTORE },
    };
    std::vector<std::pair<UINT, UINT>> entries;
    for (const AFX_MSGMAP_ENTRY* p = TestableToolbar::GetThisMessageMap()->lpEntries; p->pfn != nullptr; ++p)
        entries.emplace_back(p->nMessage, p->nCode);
    EXPECT_EQ(entries, expected);

    // Each construction counts; the value name carries the count.
    int n = QELToolbar::m_nBarNumber;
    QELToolbar a, b;
    EXPECT_EQ(QELToolbar::m_nBarNumber, n + 2);
    EXPECT_EQ(a.m_strValueName, CString("QELToolBar") + std::to_string(n + 1).c_str());
    EXPECT_EQ(b.m_strValueName, CString("QELToolBar") + std::to_string(n + 2).c_str());
    EXPECT_EQ((int)a.m_eTextOptions, -1);
    EXPECT_EQ((int)a.m_eIconOptions, -1);
    EXPECT_TRUE(a.m_bHideControlsWhenVertical);
    EXPECT_EQ(a.m_clrBtnShadow, ::GetSysColor(COLOR_BTNSHADOW));
    // The key follows the application's registry key and profile name.
    CWinApp* pApp = AfxGetApp();
    CString strExpected;
    if (pApp->m_pszRegistryKey != nullptr)
        strExpected.Format("Software\\%s\\%s\\Settings", pApp->m_pszRegistryKey, pApp->m_pszProfileName);
    EXPECT_EQ(a.m_strRegistryKey, strExpected);
}

TEST_F(CLayoutFixture, TheVersionIsReadOnceFromTheLoadedCommonControls)
{
    // This platform's common controls report 5.81.
    EXPECT_EQ(bar.GetComCtlVersion(), 0x00050051);
    TestableToolbar::SetCachedVersion(0x00040047);
    EXPECT_EQ(bar.GetComCtlVersion(), 0x00040047);  // cached: not read again
    TestableToolbar other;
    ASSERT_TRUE(MakeToolbar(other, &frame, AFX_IDW_TOOLBAR + 1));
    EXPECT_EQ(other.GetComCtlVersion(), 0x00040047);
}

TEST_F(CLayoutFixture, WrappingAtZeroAndAtTheWidestWidth)
{
    std::vector<TBBUTTON> data = bar.Records();
    ASSERT_EQ(data.size(), 4u);
    // Width 0: a row per button as far as wrap points allow; the first button
    // stays on the first row, the separator ends the second.
    EXPECT_EQ(bar.WrapToolBar(data.data(), 4, 0, LM_HORZ), 3);
    EXPECT_EQ(Wraps(data), (std::vector<bool>{ true, false, true, false }));
    // Width 32767: one row; every earlier wrap is cleared.
    data[3].fsState |= TBSTATE_WRAP;
    EXPECT_EQ(bar.WrapToolBar(data.data(), 4, 32767, LM_HORZ), 1);
    EXPECT_EQ(Wraps(data), (std::vector<bool>{ false, false, false, false }));
    // A button wider than the width stays on its row.
    EXPECT_EQ(bar.WrapToolBar(data.data(), 1, 5, LM_HORZ), 1);
    EXPECT_EQ(bar.WrapToolBar(data.data(), 0, 5, LM_HORZ), 1);
    CSize size = bar.CalcSize(data.data(), 4, LM_HORZ);
    EXPECT_EQ(size, CSize(23 + 23 + 8 + 23, 22));
}

TEST_F(CLayoutFixture, HiddenButtonsAddNothingAndAreNeverWrapPoints)
{
    bar.GetToolBarCtrl().HideButton(ID_CMD_TWO);
    std::vector<TBBUTTON> data = bar.Records();
    EXPECT_EQ(bar.CalcSize(data.data(), 4, LM_HORZ).cx, 23 + 8 + 23);
    EXPECT_EQ(bar.GetButtonSize(data.data(), 1, LM_HORZ), CSize(0, 0));
    for (int nWidth : { 0, 10, 30, 40, 60 }) {
        bar.WrapToolBar(data.data(), 4, nWidth, LM_HORZ);
        EXPECT_FALSE(data[1].fsState & TBSTATE_WRAP) << nWidth;
    }
}

TEST_F(CLayoutFixture, WrappingSeparatorHeightsFollowTheVersion)
{
    std::vector<TBBUTTON> data = bar.Records();
    data[2].fsState |= TBSTATE_WRAP;
    CRect rect;
    bar.GetToolBarCtrl().GetItemRect(2, &rect);
    int cy = std::min((int)rect.Height(), 22);
    TestableToolbar::SetCachedVersion(0x00040046);
    EXPECT_EQ(bar.GetButtonSize(data.data(), 2, LM_HORZ), CSize(0, cy - 3));
    TestableToolbar::SetCachedVersion(0x00040047);
    EXPECT_EQ(bar.GetButtonSize(data.data(), 2, LM_HORZ), CSize(0, cy));
    TestableToolbar::SetCachedVersion(0x00050051);
    EXPECT_EQ(bar.GetButtonSize(data.data(), 2, LM_HORZ), CSize(0, rect.Width()));
    // Not wrapping: its own rectangle, no taller than a button.
    data[2].fsState &= ~TBSTATE_WRAP;
    EXPECT_EQ(bar.GetButtonSize(data.data(), 2, LM_HORZ), CSize(rect.Width(), cy));

    // Alone on its row, it gives the row the button height and adds its own below.
    data[0].fsState |= TBSTATE_WRAP;
    data[1].fsState |= TBSTATE_WRAP;
    data[2].fsState |= TBSTATE_WRAP;
    TestableToolbar::SetCachedVersion(0x00040046);
    EXPECT_EQ(bar.CalcSize(data.data(), 4, LM_HORZ).cy, 22 + 22 + (22 + cy - 3) + 22);
}

TEST_F(CLayoutFixture, TheWidthSearchFindsTheNarrowestWidthWithTheSameRows)
{
    // Labels make the buttons of different widths.
    bar.SetButtonText(0, "Open");
    bar.SetButtonText(1, "Save all");
    bar.SetButtonText(3, "X");
    bar.GetToolBarCtrl().SendMessage(TB_SETMAXTEXTROWS, 1);
    std::vector<TBBUTTON> data = bar.Records();
    int nTotal = bar.CalcSize(data.data(), 4, LM_HORZ).cx;
    for (int nLength = 0; nLength <= nTotal + 5; nLength += 3) {
        std::vector<TBBUTTON> probe = data;
        int nRows = bar.WrapToolBar(probe.data(), 4, nLength, LM_HORZ);
        // Reference: the first width from 0 up with as many rows.
        int nNarrowest = 0;
        while (bar.WrapToolBar(probe.data(), 4, nNarrowest, LM_HORZ) != nRows)
            nNarrowest++;
        std::vector<TBBUTTON> wrapped = probe;
        CSize sizeRef = bar.CalcSize(wrapped.data(), 4, LM_HORZ);

        std::vector<TBBUTTON> sized = data;
        bar.SizeToolBar(sized.data(), 4, nLength, FALSE, LM_HORZ);
        EXPECT_EQ(bar.CalcSize(sized.data(), 4, LM_HORZ), sizeRef) << nLength;
        EXPECT_EQ(Wraps(sized), Wraps(wrapped)) << nLength;
    }
}

TEST_F(CLayoutFixture, ABarWithoutButtonsReportsItsInsetsOrTheBaseSize)
{
    TestableToolbar empty;
    ASSERT_TRUE(empty.CreateEx(&frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER));
    CRect inside(0, 0, 0, 0);
    empty.CalcInsideRect(inside, TRUE);
    EXPECT_EQ(empty.CalcLayout(LM_HORZ, -1), CSize(-inside.Width(), -inside.Height()));
    EXPECT_EQ(empty.CalcLayout(LM_HORZ | LM_STRETCH, -1), CSize(32767, -inside.Height()));
    EXPECT_EQ(empty.CalcLayout(LM_HORZ | LM_COMMIT, -1), CSize(-inside.Width(), -inside.Height()));
    EXPECT_EQ(empty.Direct(TB_INSERTBUTTONA), 0);
}

TEST_F(CLayoutFixture, CommitsWriteBackOnlyChangedRecordsAndRepaintNothingElse)
{
    bar.CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
    bar.UpdateWindow();
    bar.direct.clear();
    // Nothing changed: no record is written, nothing is invalidated.
    bar.CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
    EXPECT_EQ(bar.Direct(TB_DELETEBUTTON), 0);
    EXPECT_EQ(bar.Direct(TB_INSERTBUTTONA), 0);
    EXPECT_EQ(bar.Direct(TB_GETBUTTON), 8);  // each record read, and read again by _SetButton
    EXPECT_FALSE(::GetUpdateRect(bar.m_hWnd, nullptr, FALSE));

    // A vertical commit rewrites exactly the records whose wrap changed.
    bar.CalcDynamicLayout(0, LM_VERTDOCK | LM_COMMIT);
    EXPECT_EQ(bar.Direct(TB_DELETEBUTTON), 2);
    EXPECT_EQ(bar.Direct(TB_INSERTBUTTONA), 2);
    std::vector<TBBUTTON> data = bar.Records();
    EXPECT_EQ(Wraps(data), (std::vector<bool>{ true, false, true, false }));

    // _SetButton turns the enabled bit round and keeps the record otherwise.
    TBBUTTON button;
    bar._GetButton(0, &button);
    EXPECT_EQ(button.fsState & TBSTATE_ENABLED, 0);
    button.fsState |= TBSTATE_ENABLED;  // disabled, in the working sense
    bar._SetButton(0, &button);
    EXPECT_FALSE(bar.GetToolBarCtrl().IsButtonEnabled(ID_CMD_ONE));
    EXPECT_EQ(bar.GetItemID(0), (UINT)ID_CMD_ONE);
    bar._SetButton(99, &button);  // no such record: nothing happens
    EXPECT_EQ(bar.GetToolBarCtrl().GetButtonCount(), 4);

    // A new record the control refuses: the button it was to replace comes back.
    TBBUTTON before, after;
    bar._GetButton(1, &before);
    TBBUTTON changed = before;
    changed.iBitmap = 7;
    bar.nRefuseInserts = 1;
    bar._SetButton(1, &changed);
    EXPECT_EQ(bar.nRefuseInserts, 0) << "the new record was offered";
    ASSERT_EQ(bar.GetToolBarCtrl().GetButtonCount(), 4);
    bar._GetButton(1, &after);
    EXPECT_EQ(after.idCommand, before.idCommand);
    EXPECT_EQ(after.iBitmap, before.iBitmap);
    EXPECT_EQ(after.fsStyle, before.fsStyle);
    EXPECT_EQ(after.fsState, before.fsState);
}

TEST_F(CLayoutFixture, VerticalDockingHidesEmbeddedControlsAndHorizontalShowsThem)
{
    // Button 2 becomes the placeholder of an edit control.
    bar.SetButtonInfo(2, ID_CMD_FOUR, TBBS_SEPARATOR, 60);
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 60, 16), &bar, ID_CMD_FOUR));
    CWnd stray;
    ASSERT_TRUE(stray.Create("STATIC", "x", WS_CHILD | WS_VISIBLE, CRect(0, 0, 5, 5), &bar, 12345));
    QELToolbar::FrameEnableDocking(&frame, CBRS_ALIGN_ANY);
    bar.EnableDocking(CBRS_ALIGN_ANY);

    frame.DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    frame.RecalcLayout();
    bar.CalcDynamicLayout(0, LM_VERTDOCK | LM_COMMIT);
    EXPECT_TRUE(bar.IsVertDocked());
    EXPECT_FALSE(edit.IsWindowVisible());
    EXPECT_TRUE(bar.GetToolBarCtrl().IsButtonHidden(ID_CMD_FOUR));
    std::vector<TBBUTTON> data = bar.Records();
    EXPECT_EQ(bar.GetButtonSize(data.data(), 2, LM_VERTDOCK), CSize(0, 0));
    // A child that stands for no button is hidden at every commit.
    EXPECT_FALSE(stray.IsWindowVisible());

    frame.DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    frame.RecalcLayout();
    bar.CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
    EXPECT_FALSE(bar.IsVertDocked());
    EXPECT_TRUE(edit.IsWindowVisible());
    EXPECT_FALSE(bar.GetToolBarCtrl().IsButtonHidden(ID_CMD_FOUR));
    CRect rectItem, rectEdit;
    bar.GetToolBarCtrl().GetItemRect(2, &rectItem);
    edit.GetWindowRect(&rectEdit);
    bar.ScreenToClient(&rectEdit);
    EXPECT_EQ(rectItem.Width(), 60);
    EXPECT_EQ(rectEdit.left, rectItem.left);
    EXPECT_EQ(rectEdit.top, rectItem.top + std::max(0, (int)(rectItem.Height() - 16) / 2));
    EXPECT_FALSE(stray.IsWindowVisible());

    // With the option off, controls stay while vertical.
    bar.m_bHideControlsWhenVertical = FALSE;
    frame.DockControlBar(&bar, AFX_IDW_DOCKBAR_RIGHT);
    frame.RecalcLayout();
    bar.CalcDynamicLayout(0, LM_VERTDOCK | LM_COMMIT);
    EXPECT_TRUE(edit.IsWindowVisible());
    edit.DestroyWindow();
    stray.DestroyWindow();
}
