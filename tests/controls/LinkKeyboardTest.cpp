// Links from the keyboard: Tab through the dialog manager, the focus
// rectangle, and Enter or Space doing exactly what a click does.
#include "LabelTestSupport.h"
#include "ShellRecorder.h"
#include "UserInput.h"
#include <gtest/gtest.h>
#include <string>

namespace {
const UINT kEditId = 100;
const UINT kHyperlinkId = 101;
const UINT kLabelLinkId = 102;
const UINT kNoTabLinkId = 103;
const UINT kLinkColour = RGB(0, 0, 255);

// Wine keeps no focus-cue state (WM_QUERYUISTATE answers 0 whatever the
// window was told): this link answers for the window, as Windows would after
// WM_UPDATEUISTATE.
class CueLink : public TestableHyperlink
{
public:
    bool bHideCues = false;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_QUERYUISTATE)
            return bHideCues ? UISF_HIDEFOCUS : 0;
        return TestableHyperlink::WindowProc(message, wParam, lParam);
    }
};

// An edit, a hyperlink and a label link with tab stops, a link without one,
// and the default button.
struct KeyboardDialog
{
    DialogTemplate tmpl;
    CRecordingDialog dlg;
    CueLink link;
    TestableStatic label;
    TestableHyperlink noTab;

    explicit KeyboardDialog(LPCSTR linkText = "www.example.com", LPCSTR labelText = "Release notes")
        : tmpl(MakeTemplate(linkText, labelText)), dlg(tmpl)
    {
        dlg.CreateModeless();
        link.SubclassDlgItem(kHyperlinkId, &dlg);
        label.SubclassDlgItem(kLabelLinkId, &dlg);
        noTab.SubclassDlgItem(kNoTabLinkId, &dlg);
        dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        dlg.log.Clear();
    }
    static DialogTemplate MakeTemplate(LPCSTR linkText, LPCSTR labelText)
    {
        DialogTemplate t("Keyboard", 240, 110);
        t.Add("EDIT", "", kEditId, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 5, 5, 100, 12)
            .Add("STATIC", linkText, kHyperlinkId, WS_VISIBLE | WS_TABSTOP | SS_LEFT, 5, 25, 150, 14)
            .Add("STATIC", labelText, kLabelLinkId, WS_VISIBLE | WS_TABSTOP | SS_LEFT, 5, 45, 150, 14)
            .Add("STATIC", "no tab stop", kNoTabLinkId, WS_VISIBLE | SS_LEFT, 5, 65, 150, 14)
            .Add("BUTTON", "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 180, 85, 50, 14);
        return t;
    }
    HWND Item(UINT nID) { return ::GetDlgItem(dlg.m_hWnd, nID); }
    // Posted and pumped through the application's loop, so the dialog
    // manager sees it as it sees a real key.
    void Press(UINT vk) { input::PressKey(::GetFocus(), vk); }
    int OkCommands() const
    {
        int n = 0;
        for (const RecordedMessage& m : dlg.log.Of(WM_COMMAND))
            n += LOWORD(m.wParam) == IDOK;
        return n;
    }
};

// The parent's traffic that a link causes: notifications and commands, with
// their parameters (the sender's own handle written as "link").
std::vector<std::string> Traffic(const MessageLog& log, HWND hLink)
{
    std::vector<std::string> lines;
    char line[128];
    for (const RecordedMessage& m : log.All()) {
        if (m.message != WM_COMMAND && m.message != WM_NOTIFY && m.message != QELM_HYPERLINKCLICKED)
            continue;
        const bool bFromLink = m.message == WM_NOTIFY ? m.hwndFrom == hLink : (HWND)m.lParam == hLink;
        std::snprintf(line, sizeof(line), "0x%04x w=%llx l=%s code=%x", m.message, (unsigned long long)m.wParam,
                      bFromLink ? "link" : (m.lParam == 0 ? "0" : "other"), m.code);
        lines.push_back(line);
    }
    return lines;
}

// The pixels that changed between two pictures of the same window.
PixelSpread Changed(HWND hWnd, const std::vector<COLORREF>& before, const std::vector<COLORREF>& after)
{
    RECT rc = ClientRect(hWnd);
    PixelSpread spread;
    for (int y = 0; y < rc.bottom; ++y) {
        for (int x = 0; x < rc.right; ++x) {
            const size_t i = static_cast<size_t>(y) * rc.right + x;
            if (i >= before.size() || i >= after.size() || before[i] == after[i])
                continue;
            spread.Add(x, y);
        }
    }
    return spread;
}

// Changed pixels that lie off the frame of their own bounds: a focus
// rectangle changes its frame only.
int OffFrame(HWND hWnd, const std::vector<COLORREF>& before, const std::vector<COLORREF>& after, const RECT& frame)
{
    RECT rc = ClientRect(hWnd);
    int n = 0;
    for (int y = 0; y < rc.bottom; ++y)
        for (int x = 0; x < rc.right; ++x) {
            const size_t i = static_cast<size_t>(y) * rc.right + x;
            if (before[i] == after[i])
                continue;
            const bool onFrame = x == frame.left || x == frame.right - 1 || y == frame.top || y == frame.bottom - 1;
            n += onFrame ? 0 : 1;
        }
    return n;
}
}

TEST(LinkKeyboard, TabReachesLinksWithATabStopOnly)
{
    KeyboardDialog t;
    ::SetFocus(t.Item(kEditId));
    t.Press(VK_TAB);
    EXPECT_EQ(::GetFocus(), t.link.m_hWnd);
    t.Press(VK_TAB);
    EXPECT_EQ(::GetFocus(), t.label.m_hWnd);
    // The link without a tab stop is passed over.
    t.Press(VK_TAB);
    EXPECT_EQ(::GetFocus(), t.Item(IDOK));

    // A link takes Enter for itself: the default button is not pressed.
    ::SetFocus(t.link.m_hWnd);
    t.link.SetFireChild(1);
    t.dlg.log.Clear();
    t.Press(VK_RETURN);
    EXPECT_EQ(t.OkCommands(), 0);
    EXPECT_EQ(t.dlg.log.Count(QELM_HYPERLINKCLICKED), 1);
    // A label that is no link leaves Enter to the dialog, as a static does.
    t.label.SetLink(FALSE, FALSE);
    ::SetFocus(t.label.m_hWnd);
    t.dlg.log.Clear();
    t.Press(VK_RETURN);
    EXPECT_EQ(t.OkCommands(), 1);
    EXPECT_EQ(t.dlg.log.Count(WM_NOTIFY), 0);
}

TEST(LinkKeyboard, EnterAndSpaceOnAHyperlinkAreAClick)
{
    std::vector<std::string> clicked;
    {
        KeyboardDialog t;
        t.link.SetFireChild(1);
        input::Click(t.link.m_hWnd, 3, 3);
        clicked = Traffic(t.dlg.log, t.link.m_hWnd);
    }
    ASSERT_FALSE(clicked.empty());
    for (UINT vk : { VK_RETURN, VK_SPACE }) {
        KeyboardDialog t;
        t.link.SetFireChild(1);
        ::SetFocus(t.link.m_hWnd);
        t.dlg.log.Clear();
        t.Press(vk);
        std::vector<std::string> keyed = Traffic(t.dlg.log, t.link.m_hWnd);
        ASSERT_EQ(keyed.size(), clicked.size()) << "key " << vk;
        for (size_t i = 0; i < keyed.size(); ++i)
            EXPECT_EQ(keyed[i], clicked[i]) << "key " << vk << ", message " << i;
        EXPECT_TRUE(t.link.m_bVisited);
        t.link.RedrawWindow();
        EXPECT_GT(FindColor(t.link.m_hWnd, ClientRect(t.link.m_hWnd), RGB(5, 34, 143)).count, 0);

        // A key held down opens the link once: its repeats do nothing.
        t.dlg.log.Clear();
        ::PostMessageA(t.link.m_hWnd, WM_KEYDOWN, vk, input::KeyLParam(vk, false) | 0x40000000);
        PumpMessages();
        EXPECT_EQ(t.dlg.log.Count(QELM_HYPERLINKCLICKED), 0);
    }
}

TEST(LinkKeyboard, EnterOpensTheHyperlinkTargetAsAClickDoes)
{
    ShellRecorder shell;
    ASSERT_TRUE(shell.Ready());
    KeyboardDialog t("The annual report");
    t.link.SetLinkUrl(shell.DocumentPath().c_str());
    ::SetFocus(t.link.m_hWnd);
    t.Press(VK_RETURN);
    ShellRecorder::Launch launch;
    ASSERT_TRUE(shell.WaitForLaunch(launch));
    EXPECT_STRCASEEQ(launch.target.c_str(), shell.DocumentPath().c_str());
    EXPECT_EQ(launch.nShow, SW_SHOWMINIMIZED);
    EXPECT_TRUE(t.link.m_bVisited);
    EXPECT_EQ(t.OkCommands(), 0);
}

TEST(LinkKeyboard, EnterAndSpaceOnALabelLinkAreAClick)
{
    std::vector<std::string> clicked;
    {
        KeyboardDialog t;
        t.label.SetLink(TRUE, TRUE);
        input::Click(t.label.m_hWnd, 3, 3);
        clicked = Traffic(t.dlg.log, t.label.m_hWnd);
    }
    // The label's own notification and the static control's click.
    ASSERT_EQ(clicked.size(), 2u);
    for (UINT vk : { VK_RETURN, VK_SPACE }) {
        KeyboardDialog t;
        t.label.SetLink(TRUE, TRUE);
        ::SetFocus(t.label.m_hWnd);
        t.dlg.log.Clear();
        t.Press(vk);
        std::vector<std::string> keyed = Traffic(t.dlg.log, t.label.m_hWnd);
        ASSERT_EQ(keyed.size(), clicked.size()) << "key " << vk;
        for (size_t i = 0; i < keyed.size(); ++i)
            EXPECT_EQ(keyed[i], clicked[i]) << "key " << vk << ", message " << i;
        std::vector<RecordedMessage> notes = t.dlg.log.Notifications(QELN_LINKCLICKED);
        ASSERT_EQ(notes.size(), 1u);
        EXPECT_EQ(notes[0].hwndFrom, t.label.m_hWnd);
        EXPECT_EQ(t.OkCommands(), 0);
    }
}

TEST(LinkKeyboard, LabelLinksOpenTheirTargetOrMailFromTheKeyboard)
{
    ShellRecorder shell;
    ASSERT_TRUE(shell.Ready());
    {
        KeyboardDialog t;
        t.label.SetLink(TRUE, FALSE).SetHyperLink(shell.DocumentPath().c_str());
        ::SetFocus(t.label.m_hWnd);
        t.Press(VK_SPACE);
        ShellRecorder::Launch launch;
        ASSERT_TRUE(shell.WaitForLaunch(launch));
        EXPECT_STRCASEEQ(launch.target.c_str(), shell.DocumentPath().c_str());
        EXPECT_EQ(launch.nShow, SW_SHOWNORMAL);
    }
    {
        KeyboardDialog t("www.example.com", "sales@example.com");
        t.label.SetMailLink(TRUE, FALSE);
        ::SetFocus(t.label.m_hWnd);
        t.Press(VK_RETURN);
        ShellRecorder::Launch launch;
        ASSERT_TRUE(shell.WaitForLaunch(launch));
        EXPECT_EQ(launch.target, "mailto:sales@example.com");
    }
    {
        // A plain label (no link) opens nothing, whatever key it gets.
        KeyboardDialog t;
        t.label.SetHyperLink(shell.DocumentPath().c_str());
        ::SetFocus(t.label.m_hWnd);
        t.Press(VK_SPACE);
        EXPECT_TRUE(shell.NothingLaunched(500));
    }
}

TEST(LinkKeyboard, HyperlinkShowsAFocusRectangleAroundItsText)
{
    KeyboardDialog t;
    HWND h = t.link.m_hWnd;
    const PixelSpread ink = FindColor(h, ClientRect(h), kLinkColour);
    ASSERT_GT(ink.count, 0);
    const std::vector<COLORREF> idle = ClientPixels(h);

    ::SetFocus(h);
    const std::vector<COLORREF> focused = ClientPixels(h);
    const PixelSpread frame = Changed(h, idle, focused);
    // A dotted frame just round the text, and nothing else changed.
    EXPECT_GT(frame.count, 40);
    EXPECT_EQ(OffFrame(h, idle, focused, frame.bounds), 0);
    EXPECT_LE(frame.bounds.left, std::max<LONG>(0, ink.bounds.left - 1));
    EXPECT_GE(frame.bounds.right, ink.bounds.right + 1);
    EXPECT_GE(frame.bounds.bottom, ink.bounds.bottom);
    EXPECT_LT(frame.bounds.right, ClientRect(h).right - 5);

    // Repainted while focused (the mouse over it, a plain repaint): still
    // one frame, not inverted back away.
    t.link.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    input::MouseMove(h, 3, 3);
    input::MouseMove(h, -20, 200);
    EXPECT_EQ(Changed(h, focused, ClientPixels(h)).count, 0);

    // Focus gone: the link looks as it did.
    ::SetFocus(t.Item(kEditId));
    EXPECT_EQ(Changed(h, idle, ClientPixels(h)).count, 0);

    // The window told to hide focus cues draws none.
    t.link.bHideCues = true;
    ::SetFocus(h);
    EXPECT_EQ(Changed(h, idle, ClientPixels(h)).count, 0);
    // Shown again (the keyboard was used): the frame comes back.
    t.link.bHideCues = false;
    t.link.SendMessage(WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    EXPECT_EQ(Changed(h, focused, ClientPixels(h)).count, 0);
    t.link.bHideCues = true;
    t.link.SendMessage(WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
    EXPECT_EQ(Changed(h, idle, ClientPixels(h)).count, 0);
}

TEST(LinkKeyboard, LabelLinkShowsAFocusRectangleAroundItsText)
{
    KeyboardDialog t;
    t.label.SetLink(TRUE, TRUE).SetTextColor(RGB(0, 0, 200));
    HWND h = t.label.m_hWnd;
    const PixelSpread ink = FindColor(h, ClientRect(h), RGB(0, 0, 200));
    ASSERT_GT(ink.count, 0);
    const std::vector<COLORREF> idle = ClientPixels(h);
    ::SetFocus(h);
    const std::vector<COLORREF> focused = ClientPixels(h);
    const PixelSpread frame = Changed(h, idle, focused);
    EXPECT_GT(frame.count, 40);
    EXPECT_EQ(OffFrame(h, idle, focused, frame.bounds), 0);
    EXPECT_LE(frame.bounds.left, std::max<LONG>(0, ink.bounds.left - 1));
    EXPECT_GE(frame.bounds.right, ink.bounds.right + 1);
    // The label repaints itself whole: repeated repaints keep one frame.
    t.label.SetTextColor(RGB(0, 0, 200));
    t.label.SetTextColor(RGB(0, 0, 200));
    EXPECT_EQ(Changed(h, focused, ClientPixels(h)).count, 0);
    ::SetFocus(t.Item(kEditId));
    EXPECT_EQ(Changed(h, idle, ClientPixels(h)).count, 0);

    // A label that is no link shows no focus, even when given it.
    t.label.SetLink(FALSE, FALSE);
    ::SetFocus(h);
    EXPECT_EQ(Changed(h, idle, ClientPixels(h)).count, 0);
}
