// Labels, links, the colour combo box and the edits in an aged session, in
// one dialog: what each tells its parent, paints, takes from the keyboard
// and shows in its tip.
#include "AgedHandles.h"
#include "ModalAnswerer.h"
#include "PixelReader.h"
#include "UserInput.h"
#include "ControlTestSupport.h"
#include "DialogTemplate.h"
#include "RecordingParent.h"
#include "WindowQueries.h"
#include <memory>
#include <string>

namespace {

const UINT kLabelId = 101;
const UINT kLinkId = 102;
const UINT kComboId = 103;
const UINT kIntegerId = 104;
const UINT kRealId = 105;
const int kPink = 23;

DWORD LowBits(HWND h) { return (DWORD)(ULONG_PTR)h; }

class AgedControls : public AgedTest
{
protected:
    DialogTemplate tmpl{ "Controls", 260, 140 };
    std::unique_ptr<CRecordingDialog> dlg;
    TestableStatic label;
    TestableHyperlink link;
    QELColorComboBox combo;
    QELIntegerEdit integer;
    TestableRealEdit real;

    void SetUp() override
    {
        AgedTest::SetUp();
        tmpl.Add("STATIC", "Release notes", kLabelId, WS_VISIBLE | WS_TABSTOP | SS_LEFT, 5, 5, 150, 14)
            .Add("STATIC", "www.example.com", kLinkId, WS_VISIBLE | WS_TABSTOP | SS_LEFT, 5, 25, 150, 14)
            .Add("COMBOBOX", "", kComboId,
                 WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 5, 45,
                 120, 120)
            .Add("EDIT", "", kIntegerId, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 5, 65, 100, 12)
            .Add("EDIT", "", kRealId, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 5, 85, 100, 12);
        dlg = std::make_unique<CRecordingDialog>(tmpl);
        ASSERT_TRUE(dlg->CreateModeless());
        ExpectAged(dlg->m_hWnd, "the dialog");
        // Subclassed from handles in the form GetWindow answers (zero-extended under Wine),
        // while the platform's messages come with the other form.
        ASSERT_TRUE(label.SubclassWindow(::GetWindow(dlg->m_hWnd, GW_CHILD)));
        ASSERT_TRUE(link.SubclassDlgItem(kLinkId, dlg.get()));
        ASSERT_TRUE(combo.SubclassWindow(ZeroExtended(::GetDlgItem(dlg->m_hWnd, kComboId))));
        ASSERT_TRUE(integer.SubclassDlgItem(kIntegerId, dlg.get()));
        ASSERT_TRUE(real.SubclassWindow(ZeroExtended(::GetDlgItem(dlg->m_hWnd, kRealId))));
        for (CWnd* pWnd : std::initializer_list<CWnd*>{ &label, &link, &combo, &integer, &real })
            ExpectAged(pWnd->m_hWnd, "a control");
        EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(dlg->m_hWnd, kLabelId)), &label);
        dlg->log.Clear();
    }
    void TearDown() override
    {
        dlg.reset();
        AgedTest::TearDown();
    }
};

TEST_F(AgedControls, LabelAndLinkTellTheirParentFromMouseAndKeyboard)
{
    label.SetLink(TRUE, TRUE);
    input::Click(label.m_hWnd, 5, 5);
    label.SetFocus();
    input::PressKey(::GetFocus(), VK_RETURN);
    const std::vector<RecordedMessage> notes = dlg->log.Notifications(QELN_LINKCLICKED);
    ASSERT_EQ(notes.size(), 2u) << dlg->log.Describe(WM_NOTIFY);
    EXPECT_EQ(LowBits(notes[1].hwndFrom), LowBits(label.m_hWnd));

    // The hover takes the capture and the leaving gives it back.
    input::MouseMove(link.m_hWnd, 3, 3);
    EXPECT_TRUE(link.m_bHover);
    EXPECT_EQ(LowBits(::GetCapture()), LowBits(link.m_hWnd));
    input::MouseMove(link.m_hWnd, -20, 200);
    EXPECT_FALSE(link.m_bHover);
    EXPECT_EQ(::GetCapture(), nullptr);
    link.SetFireChild(1);
    input::Click(link.m_hWnd, 3, 3);
    EXPECT_EQ(dlg->log.Count(QELM_HYPERLINKCLICKED), 1);
    EXPECT_TRUE(link.m_bVisited);
}

TEST_F(AgedControls, ColourComboPaintsAndChangesByKeyboard)
{
    combo.SetCurSel(kPink);
    combo.SetFocus();
    input::PressKey(combo.m_hWnd, VK_UP);
    const COLORREF chosen = combo.GetColor();
    EXPECT_NE(chosen, RGB(255, 191, 191));
    EXPECT_EQ(combo.GetCurSel(), kPink - 1);
    // The closed field shows the colour: the parent's WM_DRAWITEM reached the control.
    // (Wine 8's combo box itself drops CBN_SELCHANGE once its handles have bit 31,
    // so what the parent hears of the key is not the library's to test here.)
    CRect rc;
    combo.GetClientRect(&rc);
    EXPECT_GT(CountPixels(combo.m_hWnd, rc, chosen), 0);
}

TEST_F(AgedControls, NumericEditsFilterKeysAndShowTheirTip)
{
    integer.SetRange(-100, 100);
    integer.SetFocus();
    input::TypeText(integer.m_hWnd, "12");
    input::TypeText(integer.m_hWnd, "x");
    EXPECT_EQ(WindowText(integer.m_hWnd), "12");
    real.SetRange(0, 10, TRUE, TRUE);
    real.SetFocus();  // the integer edit's focus loss rewrites its value
    EXPECT_EQ(integer.GetValue(), 12);
    input::TypeText(real.m_hWnd, "2.5");
    input::TypeText(real.m_hWnd, "e");
    EXPECT_EQ(WindowText(real.m_hWnd), "2.5");

    // Out of range in verbose mode: the box stands over the dialog, and leaves it usable.
    integer.SetVerbose(TRUE);
    integer.SetFocus();
    integer.SetSel(2, 2);
    bool bOverDialog = false;
    ModalAnswerer box([&](HWND hBox) {
        ExpectAged(hBox, "the message box");
        bOverDialog = LowBits(::GetWindow(hBox, GW_OWNER)) == LowBits(dlg->m_hWnd) && !dlg->IsWindowEnabled();
        ModalAnswerer::PressButton(IDOK)(hBox);
    });
    input::TypeText(integer.m_hWnd, "9");
    EXPECT_TRUE(box.Answered());
    EXPECT_TRUE(bOverDialog);
    EXPECT_TRUE(dlg->IsWindowEnabled());

    // The mouse resting over the edit, as the loop delivers it, shows the tip.
    real.SetTooltipText("between 0 and 10", TRUE);
    ExpectAged(real.Tip().m_hWnd, "the tip");
    CPoint pt(3, 3);
    real.ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
    real.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(PumpUntil([&] { return real.Tip().IsWindowVisible() != FALSE; }, 3000)) << "the tip never showed";
    ::SetCursorPos(5, 5);
}

}  // namespace
