// Clicks on a decorated label: the parent's notification, or the shell.
#include "LabelTestSupport.h"
#include "ShellRecorder.h"
#include "UserInput.h"
#include <gtest/gtest.h>

namespace {
const UINT kLabelId = 101;

struct ClickableLabel
{
    DialogTemplate tmpl;
    CRecordingDialog dlg;
    TestableStatic label;

    explicit ClickableLabel(LPCSTR text) : tmpl(MakeTemplate(text)), dlg(tmpl)
    {
        dlg.CreateModeless();
        label.SubclassDlgItem(kLabelId, &dlg);
        dlg.log.Clear();
    }
    static DialogTemplate MakeTemplate(LPCSTR text)
    {
        DialogTemplate t("Links", 300, 60);
        t.Add("STATIC", text, kLabelId, WS_VISIBLE | SS_LEFT, 5, 5, 280, 14);
        return t;
    }
    void Click() { input::Click(label.m_hWnd, 5, 5); }
};
}

TEST(StaticClick, NotifyParentSendsLinkClickedAndOpensNothing)
{
    ShellRecorder shell;
    ASSERT_TRUE(shell.Ready());
    for (int kind = 0; kind < 3; ++kind) {
        ClickableLabel t(shell.DocumentPath().c_str());
        if (kind == 2)
            t.label.SetMailLink(TRUE, TRUE);
        else
            t.label.SetLink(kind == 1, TRUE);
        t.label.SetHyperLink(shell.DocumentPath().c_str());
        t.Click();
        std::vector<RecordedMessage> notes = t.dlg.log.Notifications(QELN_LINKCLICKED);
        ASSERT_EQ(notes.size(), 1u) << "link kind " << kind << ": " << t.dlg.log.Describe(WM_NOTIFY);
        EXPECT_EQ(notes[0].wParam, (WPARAM)kLabelId);
        EXPECT_EQ(notes[0].idFrom, (UINT_PTR)kLabelId);
        EXPECT_EQ(notes[0].hwndFrom, t.label.m_hWnd);
        EXPECT_EQ(notes[0].code, 0x8200u);
    }
    EXPECT_TRUE(shell.NothingLaunched());
}

TEST(StaticClick, LinkOpensItsTargetOrElseItsText)
{
    ShellRecorder shell;
    ASSERT_TRUE(shell.Ready());
    {
        ClickableLabel t("Open the report");
        t.label.SetLink(TRUE, FALSE).SetHyperLink(shell.DocumentPath().c_str());
        t.Click();
        ShellRecorder::Launch launch;
        ASSERT_TRUE(shell.WaitForLaunch(launch));
        EXPECT_STRCASEEQ(launch.target.c_str(), shell.DocumentPath().c_str());
        EXPECT_EQ(launch.nShow, SW_SHOWNORMAL);
        EXPECT_EQ(t.dlg.log.Notifications(QELN_LINKCLICKED).size(), 0u);
    }
    {
        // No target: the window text is what opens.
        ClickableLabel t(shell.DocumentPath().c_str());
        t.label.SetLink(TRUE);
        t.Click();
        ShellRecorder::Launch launch;
        ASSERT_TRUE(shell.WaitForLaunch(launch));
        EXPECT_STRCASEEQ(launch.target.c_str(), shell.DocumentPath().c_str());
    }
}

TEST(StaticClick, MailLinkWritesToTheWindowText)
{
    ShellRecorder shell;
    ASSERT_TRUE(shell.Ready());
    ClickableLabel t("support@example.com");
    // The link target plays no part in a mail link.
    t.label.SetMailLink(TRUE).SetHyperLink(shell.DocumentPath().c_str());
    t.Click();
    ShellRecorder::Launch launch;
    ASSERT_TRUE(shell.WaitForLaunch(launch));
    EXPECT_EQ(launch.target, "mailto:support@example.com");
    EXPECT_EQ(launch.nShow, SW_SHOWNORMAL);
}

TEST(StaticClick, PlainLabelDoesNothing)
{
    ShellRecorder shell;
    ASSERT_TRUE(shell.Ready());
    ClickableLabel t(shell.DocumentPath().c_str());
    t.label.SetHyperLink(shell.DocumentPath().c_str());
    t.Click();
    // Link switched off again.
    t.label.SetMailLink(TRUE).SetMailLink(FALSE);
    t.Click();
    EXPECT_EQ(t.dlg.log.Notifications(QELN_LINKCLICKED).size(), 0u);
    EXPECT_TRUE(shell.NothingLaunched());
}

TEST(StaticClick, RecorderRegistrationIsUndone)
{
    char szBefore[MAX_PATH] = "";
    LONG cb = sizeof(szBefore);
    ::RegQueryValueA(HKEY_CLASSES_ROOT, "mailto\\shell\\open\\command", szBefore, &cb);
    {
        ShellRecorder shell;
        ASSERT_TRUE(shell.Ready());
        HKEY hKey = nullptr;
        EXPECT_EQ(::RegOpenKeyExA(HKEY_CLASSES_ROOT, ".zuzlabeltest", 0, KEY_READ, &hKey), ERROR_SUCCESS);
        ::RegCloseKey(hKey);
    }
    char szAfter[MAX_PATH] = "";
    cb = sizeof(szAfter);
    ::RegQueryValueA(HKEY_CLASSES_ROOT, "mailto\\shell\\open\\command", szAfter, &cb);
    EXPECT_STREQ(szAfter, szBefore);
    HKEY hKey = nullptr;
    EXPECT_NE(::RegOpenKeyExA(HKEY_CLASSES_ROOT, ".zuzlabeltest", 0, KEY_READ, &hKey), ERROR_SUCCESS);
    EXPECT_NE(::RegOpenKeyExA(HKEY_CLASSES_ROOT, "ZUZIVU70.LabelTestDocument", 0, KEY_READ, &hKey), ERROR_SUCCESS);
}
