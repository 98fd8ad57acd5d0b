// CToolBar over the platform toolbar: buttons from a toolbar resource, button
// records by index with the enabled bit turned round, labels in one string
// pool, and command states, tooltips and status texts from the frame.
#include "BarsTestFrame.h"
#include "PixelReader.h"
#include "UserInput.h"
#include <gtest/gtest.h>
#include <cstring>

namespace {
CPoint Center(CToolBar& bar, int nIndex)
{
    CRect rect;
    bar.GetItemRect(nIndex, &rect);
    return rect.CenterPoint();
}
}

TEST(ToolBar, LoadsButtonsImagesAndSizesFromTheToolbarResource)
{
    CBarsFrame frame;
    ASSERT_TRUE(frame.Make());
    CToolBar bar;
    ASSERT_TRUE(bar.Create(&frame));
    ASSERT_TRUE(bar.LoadToolBar(IDR_TESTBAR));
    frame.RecalcLayout();

    CToolBarCtrl& ctrl = bar.GetToolBarCtrl();
    ASSERT_EQ(ctrl.GetButtonCount(), 4);
    EXPECT_EQ(bar.GetItemID(0), (UINT)ID_CMD_ONE);
    EXPECT_EQ(bar.GetItemID(1), (UINT)ID_CMD_TWO);
    EXPECT_EQ(bar.GetItemID(2), (UINT)ID_SEPARATOR);
    EXPECT_EQ(bar.GetItemID(3), (UINT)ID_CMD_THREE);
    EXPECT_EQ(bar.CommandToIndex(ID_CMD_THREE), 3);
    EXPECT_EQ(bar.CommandToIndex(ID_CMD_FOUR), -1);
    UINT nID, nStyle;
    int iImage;
    bar.GetButtonInfo(3, nID, nStyle, iImage);
    EXPECT_EQ(iImage, 2);  // images are counted over buttons, not separators
    bar.GetButtonInfo(2, nID, nStyle, iImage);
    EXPECT_TRUE(nStyle & TBBS_SEPARATOR);

    // Images of 16x15 in buttons 7 pixels larger; three images in the well.
    EXPECT_EQ(bar.m_sizeImage, CSize(16, 15));
    EXPECT_EQ(ctrl.GetButtonSize(), CSize(23, 22));
    EXPECT_EQ(ImageList_GetImageCount(reinterpret_cast<HIMAGELIST>(ctrl.SendMessage(TB_GETIMAGELIST))), 3);

    // Each button shows its own image: red, green, blue squares.
    CRect r0, r1, r3;
    bar.GetItemRect(0, &r0);
    bar.GetItemRect(1, &r1);
    bar.GetItemRect(3, &r3);
    EXPECT_GT(CountPixels(bar.m_hWnd, r0, RGB(255, 0, 0)), 40);
    EXPECT_EQ(CountPixels(bar.m_hWnd, r0, RGB(0, 0, 255)), 0);
    EXPECT_GT(CountPixels(bar.m_hWnd, r1, RGB(0, 128, 0)), 40);
    EXPECT_GT(CountPixels(bar.m_hWnd, r3, RGB(0, 0, 255)), 40);
}

TEST(ToolBar, ReadsBothToolbarResourceLayoutsAndRefusesDamagedOnes)
{
    CSize size;
    CUIntArray ids;
    // 16-bit fields with a version, as most resource compilers write them.
    const WORD standard[] = { 1, 16, 15, 3, 40001, 0, 40003 };
    ASSERT_TRUE(AfxParseToolBarResource(standard, sizeof(standard), size, ids));
    EXPECT_EQ(size, CSize(16, 15));
    ASSERT_EQ(ids.GetSize(), 3);
    EXPECT_EQ(ids[0], 40001u);
    EXPECT_EQ(ids[1], 0u);
    EXPECT_EQ(ids[2], 40003u);
    // 32-bit fields without a version, as GNU windres writes them.
    const DWORD windres[] = { 24, 22, 2, 7, 0 };
    ASSERT_TRUE(AfxParseToolBarResource(windres, sizeof(windres), size, ids));
    EXPECT_EQ(size, CSize(24, 22));
    ASSERT_EQ(ids.GetSize(), 2);
    EXPECT_EQ(ids[0], 7u);

    // Every shorter prefix of either is refused, and so are wrong counts,
    // zero sizes and ids past 16 bits.
    for (DWORD cb = 0; cb < sizeof(standard); cb++)
        EXPECT_FALSE(AfxParseToolBarResource(standard, cb, size, ids)) << cb;
    for (DWORD cb = 0; cb < sizeof(windres); cb++)
        EXPECT_FALSE(AfxParseToolBarResource(windres, cb, size, ids)) << cb;
    const WORD zeroWidth[] = { 1, 0, 15, 0 };
    EXPECT_FALSE(AfxParseToolBarResource(zeroWidth, sizeof(zeroWidth), size, ids));
    const DWORD tooMany[] = { 16, 15, 3, 1, 2 };
    EXPECT_FALSE(AfxParseToolBarResource(tooMany, sizeof(tooMany), size, ids));
    const DWORD wideId[] = { 16, 15, 1, 0x10001 };
    EXPECT_FALSE(AfxParseToolBarResource(wideId, sizeof(wideId), size, ids));
    EXPECT_FALSE(AfxParseToolBarResource(nullptr, 64, size, ids));
    EXPECT_EQ(ids.GetSize(), 0);

    // A real resource in the standard layout.
    CBarsFrame frame;
    ASSERT_TRUE(frame.Make());
    CToolBar bar;
    ASSERT_TRUE(bar.Create(&frame));
    ASSERT_TRUE(bar.LoadToolBar(IDR_STDBAR));
    ASSERT_EQ(bar.GetToolBarCtrl().GetButtonCount(), 3);
    EXPECT_EQ(bar.GetItemID(0), (UINT)ID_CMD_TWO);
    EXPECT_EQ(bar.GetItemID(2), (UINT)ID_CMD_ONE);
}

TEST(ToolBar, RefusesDamagedOrMissingResourcesAndKeepsItsButtons)
{
    CBarsFrame frame;
    ASSERT_TRUE(frame.Make());
    CToolBar bar;
    EXPECT_FALSE(bar.LoadToolBar(IDR_TESTBAR));  // no window yet
    ASSERT_TRUE(MakeTestToolBar(bar, &frame, AFX_IDW_TOOLBAR));
    EXPECT_FALSE(bar.LoadToolBar(IDR_BADBAR));
    EXPECT_FALSE(bar.LoadToolBar(IDR_SHORTBAR));
    EXPECT_FALSE(bar.LoadToolBar(999));
    EXPECT_FALSE(bar.LoadBitmap(999));
    EXPECT_FALSE(bar.SetBitmap(nullptr));
    EXPECT_EQ(bar.GetToolBarCtrl().GetButtonCount(), 4);

    // Indexes out of range answer the failure values and change nothing.
    EXPECT_EQ(bar.GetItemID(-1), 0u);
    EXPECT_EQ(bar.GetItemID(4), 0u);
    CRect rect(1, 2, 3, 4);
    bar.GetItemRect(17, &rect);
    EXPECT_TRUE(rect.IsRectEmpty());
    bar.SetButtonInfo(9, ID_CMD_FOUR, TBBS_BUTTON, 0);
    bar.SetButtonStyle(-3, TBBS_CHECKBOX);
    EXPECT_FALSE(bar.SetButtonText(4, "x"));
    EXPECT_FALSE(bar.SetButtonText(0, nullptr));
    EXPECT_EQ(bar.GetButtonText(-1), CString());
    EXPECT_EQ(bar.GetToolBarCtrl().GetButtonCount(), 4);
    EXPECT_FALSE(bar.SetButtons(nullptr, -1));
}

TEST(ToolBar, ButtonStylesCarryTheDisabledBitTurnedRound)
{
    CBarsFrame frame;
    ASSERT_TRUE(frame.Make());
    CToolBar bar;
    ASSERT_TRUE(MakeTestToolBar(bar, &frame, AFX_IDW_TOOLBAR));
    CToolBarCtrl& ctrl = bar.GetToolBarCtrl();

    // The control's enabled state shows as the absence of TBBS_DISABLED.
    EXPECT_EQ(bar.GetButtonStyle(0) & TBBS_DISABLED, 0u);
    ctrl.EnableButton(ID_CMD_ONE, FALSE);
    EXPECT_NE(bar.GetButtonStyle(0) & TBBS_DISABLED, 0u);
    bar.SetButtonStyle(0, bar.GetButtonStyle(0) & ~TBBS_DISABLED);
    EXPECT_TRUE(ctrl.IsButtonEnabled(ID_CMD_ONE));
    bar.SetButtonStyle(1, TBBS_CHECKBOX | TBBS_CHECKED);
    EXPECT_TRUE(ctrl.IsButtonChecked(ID_CMD_TWO));
    EXPECT_TRUE(ctrl.IsButtonEnabled(ID_CMD_TWO));

    // A wider separator makes the bar wider by as much.
    CSize before = bar.CalcFixedLayout(FALSE, TRUE);
    bar.SetButtonInfo(2, ID_SEPARATOR, TBBS_SEPARATOR, 30);
    CSize after = bar.CalcFixedLayout(FALSE, TRUE);
    EXPECT_EQ(after.cx - before.cx, 30 - 8);
    EXPECT_EQ(after.cy, before.cy);
}

TEST(ToolBar, LabelsShareTheControlsStringPool)
{
    CBarsFrame frame;
    ASSERT_TRUE(frame.Make());
    CToolBar bar;
    ASSERT_TRUE(MakeTestToolBar(bar, &frame, AFX_IDW_TOOLBAR));
    ASSERT_TRUE(bar.SetButtonText(0, "Open"));
    ASSERT_TRUE(bar.SetButtonText(1, "Save"));
    ASSERT_TRUE(bar.SetButtonText(3, "Open"));
    EXPECT_EQ(bar.GetButtonText(0), CString("Open"));
    EXPECT_EQ(bar.GetButtonText(1), CString("Save"));
    EXPECT_EQ(bar.GetButtonText(3), CString("Open"));
    EXPECT_EQ(bar.GetButtonText(2), CString());

    // The same text is added once: both buttons point at one pool entry.
    TBBUTTON b0, b3;
    bar.GetToolBarCtrl().GetButton(0, &b0);
    bar.GetToolBarCtrl().GetButton(3, &b3);
    EXPECT_EQ(b0.iString, b3.iString);
    EXPECT_EQ(bar.m_pStringMap->GetCount(), 2);
    EXPECT_EQ(bar.GetToolBarCtrl().GetButtonText(ID_CMD_TWO), CString("Save"));
}

TEST(ToolBar, IdleUpdatesEnableAndCheckButtonsThroughTheFramesHandlers)
{
    CBarsFrame frame;
    ASSERT_TRUE(frame.Make());
    CToolBar bar;
    ASSERT_TRUE(MakeTestToolBar(bar, &frame, AFX_IDW_TOOLBAR));
    frame.RecalcLayout();
    CToolBarCtrl& ctrl = bar.GetToolBarCtrl();

    frame.m_bOneEnabled = FALSE;
    frame.m_nTwoCheck = 1;
    RunIdle();
    EXPECT_FALSE(ctrl.IsButtonEnabled(ID_CMD_ONE));
    EXPECT_TRUE(ctrl.IsButtonChecked(ID_CMD_TWO));
    EXPECT_TRUE(ctrl.IsButtonEnabled(ID_CMD_TWO));
    // Neither a command nor an update handler: disabled.
    EXPECT_FALSE(ctrl.IsButtonEnabled(ID_CMD_THREE));

    // A click on a disabled button sends nothing.
    CPoint pt = Center(bar, 0);
    input::Click(bar.m_hWnd, pt.x, pt.y);
    PumpMessages();
    EXPECT_EQ(frame.m_nOneCommands, 0);

    frame.m_bOneEnabled = TRUE;
    frame.m_nTwoCheck = 2;
    RunIdle();
    EXPECT_TRUE(ctrl.IsButtonEnabled(ID_CMD_ONE));
    EXPECT_FALSE(ctrl.IsButtonChecked(ID_CMD_TWO));
    EXPECT_TRUE(ctrl.IsButtonIndeterminate(ID_CMD_TWO));
    input::Click(bar.m_hWnd, pt.x, pt.y);
    PumpMessages();
    EXPECT_EQ(frame.m_nOneCommands, 1);

    // A hidden main window is not updated.
    frame.m_bOneEnabled = FALSE;
    frame.ShowWindow(SW_HIDE);
    RunIdle();
    EXPECT_TRUE(ctrl.IsButtonEnabled(ID_CMD_ONE));
}

TEST(ToolBar, TooltipsAndStatusTextsComeFromTheCommandStrings)
{
    CBarsFrame frame;
    ASSERT_TRUE(frame.Make());
    CWnd status;
    ASSERT_TRUE(
        status.Create("STATIC", "ready", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &frame, AFX_IDW_STATUS_BAR));
    CToolBar bar;
    ASSERT_TRUE(MakeTestToolBar(bar, &frame, AFX_IDW_TOOLBAR, CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY));
    frame.RecalcLayout();

    // The tip is the text after the newline; a string without one has none.
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = bar.m_hWnd;
    info.hdr.idFrom = ID_CMD_ONE;
    info.hdr.code = TTN_GETDISPINFOA;
    frame.SendMessage(WM_NOTIFY, ID_CMD_ONE, (LPARAM)&info);
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_STREQ(info.lpszText, "First");
    NMTTDISPINFOA none = {};
    none.hdr.hwndFrom = bar.m_hWnd;
    none.hdr.idFrom = ID_CMD_THREE;
    none.hdr.code = TTN_GETDISPINFOA;
    frame.SendMessage(WM_NOTIFY, ID_CMD_THREE, (LPARAM)&none);
    EXPECT_EQ(none.lpszText, nullptr);
    // Also the wide form the control's own tooltip may ask with.
    NMTTDISPINFOW wide = {};
    wide.hdr.hwndFrom = bar.m_hWnd;
    wide.hdr.idFrom = ID_CMD_TWO;
    wide.hdr.code = TTN_GETDISPINFOW;
    frame.SendMessage(WM_NOTIFY, ID_CMD_TWO, (LPARAM)&wide);
    ASSERT_NE(wide.lpszText, nullptr);
    EXPECT_EQ(std::wstring(wide.lpszText), L"Second");

    // A tip longer than the notification's buffer is cut before a character: under code page 932
    // (FrameTestsJapanese) after 39 characters 表 of 2 bytes, never after a lead byte alone;
    // elsewhere each 表 is one byte '?' and all 45 fit. The wide form holds all 45 characters.
    const bool bShiftJis = GetACP() == 932;
    NMTTDISPINFOA longTip = {};
    longTip.hdr.hwndFrom = bar.m_hWnd;
    longTip.hdr.idFrom = ID_CMD_LONGTIP;
    longTip.hdr.code = TTN_GETDISPINFOA;
    frame.SendMessage(WM_NOTIFY, ID_CMD_LONGTIP, (LPARAM)&longTip);
    ASSERT_NE(longTip.lpszText, nullptr);
    EXPECT_EQ(std::strlen(longTip.lpszText), bShiftJis ? 78u : 45u);
    EXPECT_EQ((BYTE)longTip.lpszText[0], bShiftJis ? 0x95 : '?');
    NMTTDISPINFOW longWide = {};
    longWide.hdr.hwndFrom = bar.m_hWnd;
    longWide.hdr.idFrom = ID_CMD_LONGTIP;
    longWide.hdr.code = TTN_GETDISPINFOW;
    frame.SendMessage(WM_NOTIFY, ID_CMD_LONGTIP, (LPARAM)&longWide);
    ASSERT_NE(longWide.lpszText, nullptr);
    EXPECT_EQ(std::wstring(longWide.lpszText), std::wstring(45, bShiftJis ? L'\x8868' : L'?'));

    // The mouse over a button puts its status text in the status bar; off
    // every button, the idle text comes back.
    CPoint pt = Center(bar, 1);
    ::PostMessageA(bar.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    PumpMessages();
    CString text;
    status.GetWindowText(text);
    EXPECT_EQ(text, CString("Does the second thing"));
    CRect sep;
    bar.GetItemRect(2, &sep);
    ::PostMessageA(bar.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(sep.CenterPoint().x, sep.CenterPoint().y));
    PumpMessages();
    status.GetWindowText(text);
    EXPECT_EQ(text, CString(""));
    CString message;
    frame.GetMessageString(ID_CMD_ONE, message);
    EXPECT_EQ(message, CString("Does the first thing"));
    frame.GetMessageString(ID_CMD_FOUR, message);
    EXPECT_TRUE(message.IsEmpty());
}
