// The hyperlink control: attachment, colours by state, capture, clicks, tooltip.
#include "LabelTestSupport.h"
#include "ShellRecorder.h"
#include "CodePagePrefix.h"
#include "UserInput.h"
#include <gtest/gtest.h>
#include <string>

namespace {
const UINT kLinkId = 201;
const UINT kOtherId = 202;
const COLORREF kLink = RGB(0, 0, 255);
const COLORREF kHover = RGB(255, 0, 0);
const COLORREF kVisited = RGB(5, 34, 143);

struct LinkDialog
{
    DialogTemplate tmpl;
    CRecordingDialog dlg;
    TestableHyperlink link;

    explicit LinkDialog(LPCSTR text = "www.example.com") : tmpl(MakeTemplate(text)), dlg(tmpl)
    {
        dlg.CreateModeless();
        link.SubclassDlgItem(kLinkId, &dlg);
        link.RedrawWindow();
        dlg.log.Clear();
    }
    static DialogTemplate MakeTemplate(LPCSTR text)
    {
        DialogTemplate t("Hyperlinks", 300, 80);
        t.Add("STATIC", text, kLinkId, WS_VISIBLE | SS_LEFT, 5, 5, 250, 14)
            .Add("STATIC", "other", kOtherId, WS_VISIBLE | SS_LEFT, 5, 40, 100, 14);
        return t;
    }
    int Ink(COLORREF color) { return FindColor(link.m_hWnd, ClientRect(link.m_hWnd), color).count; }
    void MoveInside() { input::MouseMove(link.m_hWnd, 3, 3); }
    void MoveOutside() { input::MouseMove(link.m_hWnd, -20, 200); }
};

std::string TipText(TestableHyperlink& link)
{
    CString text;
    link.m_ToolTip.GetText(text, &link, 1001);
    return std::string(text);
}
}

TEST(Hyperlink, AttachUnderlinesAddsNotifyHandAndTooltip)
{
    LinkDialog t;
    EXPECT_TRUE(t.link.GetStyle() & SS_NOTIFY);
    LOGFONT lf = {};
    HFONT hFont = reinterpret_cast<HFONT>(t.link.SendMessage(WM_GETFONT));
    ASSERT_EQ(hFont, static_cast<HFONT>(t.link.m_LinkFont));
    ::GetObjectA(hFont, sizeof(lf), &lf);
    EXPECT_EQ(lf.lfUnderline, 1);
    LOGFONT dialogFont = {};
    ::GetObjectA(reinterpret_cast<HFONT>(t.dlg.SendMessage(WM_GETFONT)), sizeof(dialogFont), &dialogFont);
    EXPECT_STREQ(lf.lfFaceName, dialogFont.lfFaceName);
    EXPECT_EQ(lf.lfHeight, dialogFont.lfHeight);

    // No hand in the help program here: the system's own.
    EXPECT_NE(t.link.m_hLinkCursor, nullptr);
    ::SetCursor(nullptr);
    EXPECT_EQ(t.link.SendMessage(WM_SETCURSOR, (WPARAM)t.link.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), TRUE);
    EXPECT_EQ(::GetCursor(), t.link.m_hLinkCursor);

    ASSERT_NE(t.link.m_ToolTip.m_hWnd, nullptr);
    EXPECT_EQ(t.link.m_ToolTip.GetToolCount(), 1);
    CToolInfo info;
    ASSERT_TRUE(t.link.m_ToolTip.GetToolInfo(info, &t.link, 1001));
    CRect rc;
    t.link.GetClientRect(rc);
    EXPECT_EQ(CRect(info.rect), rc);
    EXPECT_FALSE(t.link.m_ToolTip.IsWindowVisible());
    EXPECT_EQ(TipText(t.link), "");
}

TEST(Hyperlink, ColoursFollowIdleHoverAndVisited)
{
    ShellRecorder shell;
    ASSERT_TRUE(shell.Ready());
    LinkDialog t;
    EXPECT_GT(t.Ink(kLink), 0);
    EXPECT_EQ(t.Ink(kHover), 0);

    // The first move over the link lights it and takes the capture.
    t.MoveInside();
    EXPECT_TRUE(t.link.m_bHover);
    EXPECT_EQ(::GetCapture(), t.link.m_hWnd);
    EXPECT_GT(t.Ink(kHover), 0);
    // Moves inside change nothing.
    t.MoveInside();
    EXPECT_EQ(::GetCapture(), t.link.m_hWnd);

    // Leaving releases the capture and the idle colour returns.
    t.MoveOutside();
    EXPECT_FALSE(t.link.m_bHover);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_GT(t.Ink(kLink), 0);
    EXPECT_EQ(t.Ink(kHover), 0);

    // Clicked (fire child, so nothing opens): visited, also under the mouse.
    t.link.SetFireChild(1);
    input::Click(t.link.m_hWnd, 3, 3);
    EXPECT_TRUE(t.link.m_bVisited);
    t.link.RedrawWindow();
    EXPECT_GT(t.Ink(kVisited), 0);
    t.MoveInside();
    EXPECT_GT(t.Ink(kVisited), 0);
    EXPECT_EQ(t.Ink(kHover), 0);
    t.MoveOutside();
    EXPECT_TRUE(shell.NothingLaunched(300));
}

TEST(Hyperlink, ColoursCanBeChanged)
{
    LinkDialog t;
    t.link.SetLinkColor(RGB(0, 128, 0));
    t.link.SetHoverColor(RGB(128, 0, 128));
    t.link.SetVisitedColor(RGB(0, 128, 128));
    // Shown at the next repaint, not before.
    EXPECT_GT(t.Ink(kLink), 0);
    t.link.RedrawWindow();
    EXPECT_GT(t.Ink(RGB(0, 128, 0)), 0);
    t.MoveInside();
    EXPECT_GT(t.Ink(RGB(128, 0, 128)), 0);
    t.MoveOutside();
}

TEST(Hyperlink, CaptureTakenAwayEndsTheHover)
{
    LinkDialog t;
    t.MoveInside();
    ASSERT_EQ(::GetCapture(), t.link.m_hWnd);
    CWnd* pOther = t.dlg.GetDlgItem(kOtherId);
    ::SetCapture(pOther->m_hWnd);
    EXPECT_FALSE(t.link.m_bHover);
    EXPECT_GT(t.Ink(kLink), 0);
    EXPECT_EQ(t.Ink(kHover), 0);
    ::ReleaseCapture();
    // The next move over it lights it again.
    t.MoveInside();
    EXPECT_TRUE(t.link.m_bHover);
    t.MoveOutside();
}

TEST(Hyperlink, FireChildTellsTheParentInstead)
{
    ShellRecorder shell;
    ASSERT_TRUE(shell.Ready());
    LinkDialog t;
    t.link.SetLinkUrl(shell.DocumentPath().c_str());
    t.link.SetFireChild(7);
    input::Click(t.link.m_hWnd, 3, 3);
    std::vector<RecordedMessage> sent = t.dlg.log.Of(QELM_HYPERLINKCLICKED);
    ASSERT_EQ(sent.size(), 1u) << t.dlg.log.Describe(QELM_HYPERLINKCLICKED);
    EXPECT_EQ(sent[0].message, 0x465u);
    EXPECT_EQ(sent[0].wParam, (WPARAM)kLinkId);
    EXPECT_EQ(sent[0].lParam, 0);
    EXPECT_TRUE(t.link.m_bVisited);
    EXPECT_TRUE(shell.NothingLaunched());
}

TEST(Hyperlink, ClickOpensTheUrlMinimized)
{
    ShellRecorder shell;
    ASSERT_TRUE(shell.Ready());
    LinkDialog t("The annual report");
    t.link.SetLinkUrl(shell.DocumentPath().c_str());
    input::Click(t.link.m_hWnd, 3, 3);
    ShellRecorder::Launch launch;
    ASSERT_TRUE(shell.WaitForLaunch(launch));
    EXPECT_STRCASEEQ(launch.target.c_str(), shell.DocumentPath().c_str());
    EXPECT_EQ(launch.nShow, SW_SHOWMINIMIZED);
    EXPECT_TRUE(t.link.m_bVisited);
    EXPECT_EQ(t.dlg.log.Count(QELM_HYPERLINKCLICKED), 0);
}

TEST(Hyperlink, WithoutUrlTheWindowTextOpens)
{
    ShellRecorder shell;
    ASSERT_TRUE(shell.Ready());
    {
        // An at sign makes the text a mail address.
        LinkDialog t("sales@example.com");
        EXPECT_TRUE(t.link.GoToLinkUrl(""));
        ShellRecorder::Launch launch;
        ASSERT_TRUE(shell.WaitForLaunch(launch));
        EXPECT_EQ(launch.target, "mailto:sales@example.com");
    }
    {
        LinkDialog t(shell.DocumentPath().c_str());
        input::Click(t.link.m_hWnd, 3, 3);
        ShellRecorder::Launch launch;
        ASSERT_TRUE(shell.WaitForLaunch(launch));
        EXPECT_STRCASEEQ(launch.target.c_str(), shell.DocumentPath().c_str());
    }
    {
        // Nothing to open: the shell's failure is reported, the link is visited all the same.
        LinkDialog t("");
        EXPECT_FALSE(t.link.GoToLinkUrl(""));
        EXPECT_FALSE(t.link.GoToLinkUrl("C:\\no such folder\\no such file.zuzlabeltest"));
        input::Click(t.link.m_hWnd, 1, 1);
        EXPECT_TRUE(t.link.m_bVisited);
    }
    EXPECT_TRUE(shell.NothingLaunched(300));
}

TEST(Hyperlink, LinkTextAndUrlAreKeptApart)
{
    LinkDialog t;
    t.link.SetLinkUrl("http://www.example.com/");
    EXPECT_EQ(std::string(t.link.GetLinkText()), "");
    EXPECT_EQ(std::string(t.link.GetLinkUrl()), "http://www.example.com/");
    t.link.SetLinkText("Example home page");
    EXPECT_EQ(std::string(t.link.GetLinkText()), "Example home page");
    CString text;
    t.link.GetWindowText(text);
    EXPECT_EQ(std::string(text), "Example home page");
    // The window text changed behind its back does not count.
    t.link.SetWindowText("other");
    EXPECT_EQ(std::string(t.link.GetLinkText()), "Example home page");

    // Before attachment only the fields change.
    QELHyperlink loose;
    loose.SetLinkText("text");
    EXPECT_EQ(std::string(loose.GetLinkText()), "text");
    loose.SetTootTipText("tip");
    loose.SetToolTipTextColor(RGB(1, 1, 1));
}

TEST(Hyperlink, TooltipTextOnlyWhileActive)
{
    LinkDialog t;
    t.link.SetTootTipText("Opens the example site");
    EXPECT_EQ(TipText(t.link), "");
    t.link.ActiveToolTip(1);
    t.link.SetTootTipText("Opens the example site");
    EXPECT_EQ(TipText(t.link), "Opens the example site");
    t.link.SetTootTipText(nullptr);
    EXPECT_EQ(TipText(t.link), "");
    t.link.ActiveToolTip(0);
    t.link.SetTootTipText("ignored");
    EXPECT_EQ(TipText(t.link), "");

    t.link.SetToolTipTextColor(RGB(10, 20, 30));
    t.link.SetToolTipBgColor(RGB(250, 240, 200));
    EXPECT_EQ(t.link.m_ToolTip.GetTipTextColor(), RGB(10, 20, 30));
    EXPECT_EQ(t.link.m_ToolTip.GetTipBkColor(), RGB(250, 240, 200));
}

TEST(Hyperlink, RelayedMouseMoveShowsTheTip)
{
    LinkDialog t;
    t.link.ActiveToolTip(1);
    t.link.SetTootTipText("Opens the example site");
    CPoint pt(4, 4);
    t.link.ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
    // Through the application's loop, so PreTranslateMessage relays it.
    ::PostMessageA(t.link.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    EXPECT_TRUE(PumpUntil([&] { return t.link.m_ToolTip.IsWindowVisible() != FALSE; }, 3000));
    ::ReleaseCapture();
}

TEST(Hyperlink, ToolFollowsTheControlSize)
{
    LinkDialog t;
    t.link.SetWindowPos(nullptr, 0, 0, 90, 30, SWP_NOMOVE | SWP_NOZORDER);
    CToolInfo info;
    ASSERT_TRUE(t.link.m_ToolTip.GetToolInfo(info, &t.link, 1001));
    EXPECT_EQ(CRect(info.rect), CRect(0, 0, 90, 30));
}

TEST(Hyperlink, DestroyedObjectTakesItsWindowAndTipWithIt)
{
    DialogTemplate tmpl = LinkDialog::MakeTemplate("link");
    CRecordingDialog dlg(tmpl);
    ASSERT_TRUE(dlg.CreateModeless());
    HWND hLink = ::GetDlgItem(dlg.m_hWnd, kLinkId);
    HWND hTip = nullptr;
    {
        TestableHyperlink link;
        ASSERT_TRUE(link.SubclassDlgItem(kLinkId, &dlg));
        hTip = link.m_ToolTip.m_hWnd;
        ASSERT_TRUE(::IsWindow(hTip));
    }
    // As the framework's window objects do: no window is left behind to call
    // into the freed object, nor a tip floating free of it.
    EXPECT_FALSE(::IsWindow(hTip));
    EXPECT_FALSE(::IsWindow(hLink));
    EXPECT_EQ(CWnd::FromHandlePermanent(hLink), nullptr);
    ::RedrawWindow(dlg.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);

    // The dialog's other static is attached as a new link, all set up afresh.
    TestableHyperlink again;
    ASSERT_TRUE(again.SubclassDlgItem(kOtherId, &dlg));
    EXPECT_EQ(again.m_ToolTip.GetToolCount(), 1);
}

TEST(Hyperlink, CreatedLinkIsSetUpToo)
{
    CRecordingFrame frame;
    TestableHyperlink link;
    ASSERT_TRUE(link.Create("www.example.com", WS_CHILD | WS_VISIBLE, CRect(10, 10, 160, 30), &frame, kLinkId));
    EXPECT_TRUE(link.GetStyle() & SS_NOTIFY);
    LOGFONT lf = {};
    ::GetObjectA(reinterpret_cast<HFONT>(link.SendMessage(WM_GETFONT)), sizeof(lf), &lf);
    EXPECT_EQ(lf.lfUnderline, 1);
    CToolInfo info;
    ASSERT_TRUE(link.m_ToolTip.GetToolInfo(info, &link, 1001));
    EXPECT_EQ(CRect(info.rect), CRect(0, 0, 150, 20));
}

// Shift-JIS (ControlsTestsJapanese): ァ is 83 40, its trail byte the at sign. A document whose name
// holds it is opened as itself, not as a mail address.
TEST(Hyperlink, AnAtSignAsATrailByteMakesNoMailAddress)
{
    SKIP_UNLESS_IN_CODE_PAGE(932u);
    ShellRecorder shell;
    ASSERT_TRUE(shell.Ready());
    std::string document = shell.DocumentPath();
    document.insert(document.find_last_of('\\') + 1, "\x83\x40");
    ASSERT_TRUE(::CopyFileA(shell.DocumentPath().c_str(), document.c_str(), FALSE));
    {
        LinkDialog t(document.c_str());
        EXPECT_TRUE(t.link.GoToLinkUrl(""));
        ShellRecorder::Launch launch;
        ASSERT_TRUE(shell.WaitForLaunch(launch));
        EXPECT_STRCASEEQ(launch.target.c_str(), document.c_str());
    }
    ::DeleteFileA(document.c_str());
}
