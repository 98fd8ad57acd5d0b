// QELEdit: its tooltip, made on first need, with one tool over the edit.
#include "EditTestSupport.h"
#include "CodePagePrefix.h"

namespace {
const int IDS_TIP_RESOURCE = 7001;
const int IDS_TIP_EMPTY = 7002;
const int IDS_TIP_MISSING = 7999;

class TooltipEditTest : public EditOfTypeTest<TestableEdit>
{
protected:
    // Rests the mouse over client point (x, y) of the edit, as the loop delivers
    // it; true when the tip shows within the time given.
    bool Hover(int x, int y, DWORD nMs = 1500)
    {
        CPoint pt(x, y);
        edit.ClientToScreen(&pt);
        ::SetCursorPos(pt.x, pt.y);
        edit.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        return PumpUntil([&] { return edit.Tip().IsWindowVisible() != FALSE; }, nMs);
    }
    // Takes the mouse away and lets a shown tip go.
    void Unhover()
    {
        ::SetCursorPos(5, 5);
        if (edit.Tip().GetSafeHwnd() != nullptr)
            edit.Tip().Pop();
        PumpMessages(50);
    }
    CSize TipSize()
    {
        CRect rc;
        edit.Tip().GetWindowRect(&rc);
        return rc.Size();
    }
};
}

TEST_F(TooltipEditTest, MadeOnFirstNeedInactiveWithoutToolsAndWrapping)
{
    EXPECT_EQ(edit.Tip().GetSafeHwnd(), nullptr);
    // The first message through the loop makes it.
    edit.PostMessage(WM_NULL);
    PumpMessages(50);
    ASSERT_NE(edit.Tip().GetSafeHwnd(), nullptr);
    EXPECT_EQ(edit.Tip().GetToolCount(), 0);
    EXPECT_EQ(edit.Tip().GetMaxTipWidth(), 400);
    EXPECT_EQ(::GetWindow(edit.Tip().m_hWnd, GW_OWNER), m_pFrame->m_hWnd);
    HWND hTip = edit.Tip().m_hWnd;
    edit.InitToolTip();  // once only
    EXPECT_EQ(edit.Tip().m_hWnd, hTip);
}

TEST_F(TooltipEditTest, OneToolOverTheEditWhoseTextIsReplaced)
{
    edit.SetTooltipText("First tip");
    ASSERT_EQ(edit.Tip().GetToolCount(), 1);
    EXPECT_EQ(edit.TipText(), "First tip");
    CToolInfo ti;
    ASSERT_TRUE(edit.Tip().GetToolInfo(ti, &edit, 1));
    CRect rcClient;
    edit.GetClientRect(&rcClient);
    EXPECT_TRUE(CRect(ti.rect) == rcClient);
    edit.SetTooltipText("Second tip");
    EXPECT_EQ(edit.Tip().GetToolCount(), 1);
    EXPECT_EQ(edit.TipText(), "Second tip");
    // Nothing, a missing string and an empty string change nothing.
    edit.SetTooltipText(static_cast<const char*>(nullptr));
    edit.SetTooltipText(IDS_TIP_MISSING);
    edit.SetTooltipText(IDS_TIP_EMPTY);
    EXPECT_EQ(edit.TipText(), "Second tip");
    edit.SetTooltipText(IDS_TIP_RESOURCE);
    EXPECT_EQ(edit.TipText(), "Enter the order quantity");
    EXPECT_EQ(edit.Tip().GetToolCount(), 1);
}

TEST_F(TooltipEditTest, ShowsOnHoverOnlyWhileActive)
{
    edit.SetTooltipText("Quantity to order", FALSE);
    EXPECT_FALSE(Hover(20, 10, 1000));
    Unhover();
    edit.ActivateTooltip(TRUE);
    EXPECT_TRUE(Hover(20, 10));
    Unhover();
    edit.ActivateTooltip(FALSE);
    EXPECT_FALSE(Hover(20, 10, 1000));
    Unhover();
    // A null text leaves the activation as it was, too.
    edit.SetTooltipText(static_cast<const char*>(nullptr), TRUE);
    EXPECT_FALSE(Hover(20, 10, 1000));
}

TEST_F(TooltipEditTest, ActivatingBeforeAnyTextDoesNothing)
{
    edit.ActivateTooltip(TRUE);
    edit.PostMessage(WM_NULL);
    PumpMessages(50);
    ASSERT_NE(edit.Tip().GetSafeHwnd(), nullptr);
    EXPECT_EQ(edit.Tip().GetToolCount(), 0);
    // The tooltip is still inactive: a tool added behind the edit's back does not show.
    edit.Tip().AddTool(&edit, "Added directly", CRect(0, 0, 200, 20), 1);
    EXPECT_FALSE(Hover(20, 10, 1000));
}

TEST_F(TooltipEditTest, LongTipsWrapAtFourHundredPixels)
{
    edit.SetTooltipText("Short");
    ASSERT_TRUE(Hover(20, 10));
    CSize szShort = TipSize();
    Unhover();
    edit.SetTooltipText("A much longer explanation of what this field expects, which goes on well past four "
                        "hundred pixels so that the tooltip has to break it onto further lines to show it all");
    ASSERT_TRUE(Hover(20, 10));
    CSize szLong = TipSize();
    EXPECT_LE(szLong.cx, 400 + 20);
    EXPECT_GE(szLong.cy, 2 * szShort.cy - 8) << "short " << szShort.cy << ", long " << szLong.cy;
    Unhover();
}

TEST_F(TooltipEditTest, TheToolFollowsTheEditWhenResized)
{
    edit.SetTooltipText("Resizable");
    edit.MoveWindow(10, 10, 400, 24);
    EXPECT_TRUE(Hover(350, 10));
    Unhover();
}

TEST_F(TooltipEditTest, TheTipGoesWithTheEditsWindow)
{
    edit.SetTooltipText("Going soon");
    HWND hTip = edit.Tip().m_hWnd;
    ASSERT_TRUE(::IsWindow(hTip));
    edit.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hTip));
    // A new window for the same object starts afresh.
    CreateEdit(edit);
    edit.SetTooltipText("Back again");
    EXPECT_EQ(edit.Tip().GetToolCount(), 1);
    EXPECT_EQ(edit.TipText(), "Back again");
}

TEST(TooltipEditNoWindow, NothingHappensBeforeTheEditExists)
{
    TestableEdit edit;
    edit.SetTooltipText("Too early");
    edit.InitToolTip();
    edit.ActivateTooltip(TRUE);
    EXPECT_EQ(edit.Tip().GetSafeHwnd(), nullptr);
    EXPECT_TRUE(edit.IsKindOf(RUNTIME_CLASS(CEdit)));
    EXPECT_STREQ(edit.GetRuntimeClass()->m_lpszClassName, "QELEdit");
    EXPECT_EQ(edit.GetRuntimeClass()->m_pBaseClass, RUNTIME_CLASS(CEdit));
}

TEST(TooltipEditNoWindow, ObjectGoneFirstTakesItsTipAlong)
{
    CRecordingFrame frame;
    HWND hTip = nullptr;
    {
        TestableEdit edit;
        edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 200, 34), &frame, 100);
        edit.SetTooltipText("Short-lived");
        hTip = edit.Tip().m_hWnd;
        ASSERT_TRUE(::IsWindow(hTip));
    }
    EXPECT_FALSE(::IsWindow(hTip));
}

// Shift-JIS (ControlsTestsJapanese): a tip longer than the tooltip's 1024-byte buffer, with 表 (95 5C)
// across the buffer's end, reads back cut before that character, never after its lead byte.
TEST_F(TooltipEditTest, ShiftJisTipsReadBackCutBeforeACharacter)
{
    SKIP_UNLESS_IN_CODE_PAGE(932u);
    for (size_t nBefore : { size_t(1021), size_t(1022) }) {
        const std::string tip = std::string(nBefore, 'a') + "\x95\x5C\x95\x5C" + "z";
        edit.SetTooltipText(tip.c_str());
        const std::string got = edit.TipText();
        ASSERT_LE(got.size(), nBefore + 2) << nBefore;
        EXPECT_EQ(got, tip.substr(0, got.size())) << nBefore;
        EXPECT_EQ(got.size() % 2, nBefore % 2) << "cut inside a character after " << nBefore << " bytes";
    }
}
