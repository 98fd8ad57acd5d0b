// Links as accessibility clients see them: named by their text, announced as
// links, visited once followed, and followed by the default action exactly as
// by a click.
#include "AccessTestSupport.h"
#include "RecordingParent.h"
#include "UserInput.h"
#include <gtest/gtest.h>

namespace {
const UINT kHyperlinkId = 101;
const UINT kLabelLinkId = 102;
const UINT kLabelId = 103;

struct LinkDialog
{
    DialogTemplate tmpl;
    CRecordingDialog dlg;
    QELHyperlink link;
    QELStatic labelLink;
    QELStatic label;

    LinkDialog() : tmpl(MakeTemplate()), dlg(tmpl)
    {
        dlg.CreateModeless();
        link.SubclassDlgItem(kHyperlinkId, &dlg);
        labelLink.SubclassDlgItem(kLabelLinkId, &dlg);
        label.SubclassDlgItem(kLabelId, &dlg);
        labelLink.SetLink(TRUE, TRUE);
        dlg.log.Clear();
    }
    static DialogTemplate MakeTemplate()
    {
        DialogTemplate t("Links", 240, 90);
        t.Add("STATIC", "www.example.com", kHyperlinkId, WS_VISIBLE | WS_TABSTOP | SS_LEFT, 5, 5, 150, 14)
            .Add("STATIC", "Show the order details", kLabelLinkId, WS_VISIBLE | SS_LEFT, 5, 25, 150, 14)
            .Add("STATIC", "Quarterly sales review", kLabelId, WS_VISIBLE | SS_CENTER, 5, 45, 150, 30);
        return t;
    }
    // The parent's notifications and commands, for comparing two paths.
    std::vector<std::string> Traffic()
    {
        std::vector<std::string> lines;
        for (const RecordedMessage& m : dlg.log.All())
            if (m.message == WM_COMMAND || m.message == WM_NOTIFY || m.message == QELM_HYPERLINKCLICKED)
                lines.push_back(std::to_string(m.message) + " " + std::to_string(m.wParam) + " " +
                                std::to_string(m.code));
        dlg.log.Clear();
        return lines;
    }
};
}

TEST(LinkAccess, HyperlinkIsALinkNamedByItsText)
{
    LinkDialog t;
    AccessibleFacts facts = ReadAccessible(t.link.m_hWnd);
    ASSERT_TRUE(facts.bFound);
    EXPECT_EQ(facts.name, "www.example.com");
    EXPECT_EQ(facts.role, ROLE_SYSTEM_LINK);
    EXPECT_TRUE(facts.state & STATE_SYSTEM_LINKED);
    EXPECT_TRUE(facts.state & STATE_SYSTEM_FOCUSABLE);
    EXPECT_FALSE(facts.state & STATE_SYSTEM_TRAVERSED);
    EXPECT_EQ(facts.action, "Jump");

    // The name follows the link text.
    t.link.SetLinkText("Example home page");
    EXPECT_EQ(ReadAccessible(t.link.m_hWnd).name, "Example home page");
    // A link without a tab stop cannot take the focus from the keyboard.
    t.link.ModifyStyle(WS_TABSTOP, 0);
    EXPECT_FALSE(ReadAccessible(t.link.m_hWnd).state & STATE_SYSTEM_FOCUSABLE);
}

TEST(LinkAccess, DefaultActionIsTheClick)
{
    std::vector<std::string> clicked;
    {
        LinkDialog t;
        t.link.SetFireChild(1);
        input::Click(t.link.m_hWnd, 3, 3);
        input::Click(t.labelLink.m_hWnd, 3, 3);
        clicked = t.Traffic();
    }
    ASSERT_EQ(clicked.size(), 4u);
    LinkDialog t;
    t.link.SetFireChild(1);
    for (HWND h : { t.link.m_hWnd, t.labelLink.m_hWnd }) {
        IAccessible* pAcc = AccessibleOf(h);
        ASSERT_NE(pAcc, nullptr);
        EXPECT_EQ(DoDefaultAction(pAcc), S_OK);
        pAcc->Release();
    }
    EXPECT_EQ(t.Traffic(), clicked);
    // Followed: the hyperlink says so.
    EXPECT_TRUE(ReadAccessible(t.link.m_hWnd).state & STATE_SYSTEM_TRAVERSED);
}

TEST(LinkAccess, LabelsAreLinksOnlyWhenTheyAreLinks)
{
    LinkDialog t;
    AccessibleFacts link = ReadAccessible(t.labelLink.m_hWnd);
    EXPECT_EQ(link.name, "Show the order details");
    EXPECT_EQ(link.role, ROLE_SYSTEM_LINK);
    EXPECT_TRUE(link.state & STATE_SYSTEM_LINKED);
    EXPECT_EQ(link.action, "Jump");

    // A decorated label paints its text itself, in any style: its name is
    // still the text.
    t.label.SetFontBold(TRUE).SetFont3D(TRUE).SetBkColor(RGB(10, 20, 30), RGB(200, 200, 0), QELStatic::GradientFill);
    AccessibleFacts label = ReadAccessible(t.label.m_hWnd);
    EXPECT_EQ(label.name, "Quarterly sales review");
    EXPECT_TRUE(RoleIsOneOf(label.role, { ROLE_SYSTEM_STATICTEXT, ROLE_SYSTEM_CLIENT })) << label.role;
    EXPECT_FALSE(label.state & STATE_SYSTEM_LINKED);
    t.label.SetRotationAngle(90, TRUE).SetText("Draft");
    EXPECT_EQ(ReadAccessible(t.label.m_hWnd).name, "Draft");

    // No longer a link: no longer announced as one.
    t.labelLink.SetLink(FALSE, FALSE);
    EXPECT_NE(ReadAccessible(t.labelLink.m_hWnd).role, ROLE_SYSTEM_LINK);
    EXPECT_EQ(ReadAccessible(t.labelLink.m_hWnd).name, "Show the order details");
}

TEST(LinkAccess, AnObjectKeptAfterTheLinkIsGoneFailsQuietly)
{
    IAccessible* pAcc = nullptr;
    std::vector<std::string> traffic;
    {
        LinkDialog t;
        t.link.SetFireChild(1);
        pAcc = AccessibleOf(t.link.m_hWnd);
        ASSERT_NE(pAcc, nullptr);
        // The window is taken from its object (as when a dialog unsubclasses it).
        t.link.UnsubclassWindow();
        EXPECT_EQ(DoDefaultAction(pAcc), E_FAIL);
        EXPECT_TRUE(t.Traffic().empty());
    }
    // The window itself is gone as well.
    EXPECT_EQ(DoDefaultAction(pAcc), E_FAIL);
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT state;
    ::VariantInit(&state);
    pAcc->get_accState(self, &state);
    ::VariantClear(&state);
    pAcc->Release();
}
