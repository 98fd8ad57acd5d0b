// Parents that act on a label's, a link's or a colour combo box's word while
// the control is still telling it: they delete the control's object, destroy
// its window, or call back into it. The control goes on only when it is still
// there: nothing writes into a deleted object (its memory is kept, filled with
// a pattern, and checked), nothing is reported twice, and the parent lives on.
#include "FreedWatch.h"
#include "LabelTestSupport.h"
#include "ModalAnswerer.h"
#include "UserInput.h"
#include <gtest/gtest.h>

namespace {
const UINT kControlId = 401;

// What a parent does when it hears from its control.
enum class ParentAct { DeleteObject, DestroyWindow, CallBack };
const ParentAct kActs[] = { ParentAct::DeleteObject, ParentAct::DestroyWindow, ParentAct::CallBack };
const char* ActName(ParentAct act)
{
    return act == ParentAct::DeleteObject    ? "deletes the object"
           : act == ParentAct::DestroyWindow ? "destroys the window"
                                             : "calls back";
}

class ReentrancyTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        EXPECT_TRUE(freed_watch::Untouched()) << "a deleted control was written to";
        freed_watch::Reset();
    }

    // Does what the parent chose to the control; the object is gone afterwards
    // when it was deleted.
    template <class T>
    static void Act(ParentAct act, T*& pControl, const std::function<void(T&)>& callBack)
    {
        if (pControl == nullptr)
            return;
        switch (act) {
        case ParentAct::DeleteObject: {
            // Through the base class, as a parent that keeps a CWnd* would.
            CWnd* pWnd = pControl;
            pControl = nullptr;
            delete pWnd;
            break;
        }
        case ParentAct::DestroyWindow:
            pControl->DestroyWindow();
            break;
        case ParentAct::CallBack:
            callBack(*pControl);
            break;
        }
    }
};

}  // namespace

TEST_F(ReentrancyTest, LabelWhoseParentActsOnTheClickNotification)
{
    for (ParentAct act : kActs) {
        SCOPED_TRACE(ActName(act));
        CRecordingFrame frame;
        auto* pLabel = new Watched<TestableStatic>;
        ASSERT_TRUE(pLabel->Create("Notes", WS_CHILD | WS_VISIBLE, CRect(5, 5, 205, 29), &frame, kControlId));
        pLabel->SetLink(TRUE, TRUE);
        const HWND hLabel = pLabel->m_hWnd;
        TestableStatic* pActive = pLabel;
        int nHeard = 0;
        frame.log.onMessage = [&](UINT message, WPARAM, LPARAM lParam, LRESULT&) {
            if (message != WM_NOTIFY || reinterpret_cast<NMHDR*>(lParam)->code != QELN_LINKCLICKED)
                return false;
            ++nHeard;
            Act<TestableStatic>(act, pActive, [](TestableStatic& label) {
                // Everything a parent might change on the spot, including
                // the flag that brought it here.
                label.SetText("Opened").SetLink(FALSE, FALSE);
                label.FlashText(TRUE);
                label.SetTransparent(TRUE);
            });
            return false;
        };
        input::Click(hLabel, 5, 5);
        PumpMessages(20);
        EXPECT_EQ(nHeard, 1);
        frame.log.onMessage = nullptr;
        if (act == ParentAct::CallBack) {
            ASSERT_NE(pActive, nullptr);
            EXPECT_EQ(pActive->m_nLinkKind, 0);
            EXPECT_EQ(pActive->m_nFlashKind, 1);
            // A second click is no link any more: nothing more is heard.
            input::Click(hLabel, 5, 5);
            EXPECT_EQ(nHeard, 1);
        } else {
            EXPECT_EQ(::IsWindow(hLabel), FALSE);
        }
        delete pActive;
        EXPECT_TRUE(::IsWindow(frame.m_hWnd));
    }
}

TEST_F(ReentrancyTest, LinkWhoseParentActsOnTheClickMessage)
{
    for (ParentAct act : kActs) {
        SCOPED_TRACE(ActName(act));
        CRecordingFrame frame;
        auto* pLink = new Watched<TestableHyperlink>;
        ASSERT_TRUE(pLink->Create("www.example.com", WS_CHILD | WS_VISIBLE, CRect(5, 5, 205, 29), &frame, kControlId));
        pLink->SetFireChild(1);
        pLink->ActiveToolTip(1);
        const HWND hLink = pLink->m_hWnd;
        TestableHyperlink* pActive = pLink;
        int nHeard = 0;
        frame.log.onMessage = [&](UINT message, WPARAM, LPARAM, LRESULT&) {
            if (message != QELM_HYPERLINKCLICKED)
                return false;
            ++nHeard;
            Act<TestableHyperlink>(act, pActive, [](TestableHyperlink& link) {
                link.SetLinkText("www.example.org");
                link.SetLinkUrl("www.example.org");
                link.SetTootTipText("elsewhere");
            });
            return true;
        };
        // The mouse, then the keyboard, which takes the same path.
        input::Click(hLink, 5, 5);
        if (::IsWindow(hLink)) {
            ::SetFocus(hLink);
            input::PressKey(hLink, VK_SPACE);
        }
        PumpMessages(20);
        frame.log.onMessage = nullptr;
        if (act == ParentAct::CallBack) {
            EXPECT_EQ(nHeard, 2);
            ASSERT_NE(pActive, nullptr);
            // The click still marks the link visited, after the parent's word.
            EXPECT_TRUE(pActive->m_bVisited);
        } else {
            EXPECT_EQ(nHeard, 1);
            EXPECT_EQ(::IsWindow(hLink), FALSE);
        }
        delete pActive;
        EXPECT_TRUE(::IsWindow(frame.m_hWnd));
    }
}

namespace {
const int kCustom = 24;

struct ComboInDialog
{
    DialogTemplate tmpl;
    CRecordingDialog dlg;
    QELColorComboBox* pCombo;
    HWND hCombo;

    ComboInDialog() : tmpl(ColourComboTemplate(kControlId)), dlg(tmpl), pCombo(new Watched<QELColorComboBox>)
    {
        dlg.CreateModeless();
        pCombo->SubclassDlgItem(kControlId, &dlg);
        hCombo = pCombo->m_hWnd;
        pCombo->SetFocus();
    }
    ~ComboInDialog() { delete pCombo; }
    // The colour dialog's answer: the colour typed into its fields, then OK.
    static void ChooseColour(HWND hDlg, COLORREF color)
    {
        ::SetDlgItemInt(hDlg, 706, GetRValue(color), FALSE);
        ::SetDlgItemInt(hDlg, 707, GetGValue(color), FALSE);
        ::SetDlgItemInt(hDlg, 708, GetBValue(color), FALSE);
        ModalAnswerer::PressButton(IDOK)(hDlg);
    }
};
}

// "Custom..." chosen in the closed box: the colour dialog has no owner, so
// the application runs on while it is open and may act on the box meanwhile.
TEST_F(ReentrancyTest, ColourComboActedOnWhileItsColourDialogIsOpen)
{
    const COLORREF chosen = RGB(0x12, 0x34, 0x56);
    for (ParentAct act : kActs) {
        SCOPED_TRACE(ActName(act));
        ComboInDialog t;
        t.pCombo->SetCurSel(3);
        ModalAnswerer answer([&](HWND hDlg) {
            Act<QELColorComboBox>(act, t.pCombo, [](QELColorComboBox& combo) {
                // The application picks red meanwhile: the dialog's answer
                // is no longer about the selected entry.
                combo.SetColor(RGB(255, 0, 0));
            });
            ComboInDialog::ChooseColour(hDlg, chosen);
        });
        t.pCombo->SetCurSel(kCustom);
        t.dlg.SendMessage(WM_COMMAND, MAKEWPARAM(kControlId, CBN_SELCHANGE), (LPARAM)t.hCombo);
        EXPECT_TRUE(answer.Answered());
        if (act == ParentAct::CallBack) {
            ASSERT_NE(t.pCombo, nullptr);
            EXPECT_EQ(t.pCombo->GetColor(), RGB(255, 0, 0));
            // The custom entry did not take the answer meant for it while red was picked.
            EXPECT_EQ(static_cast<COLORREF>(t.pCombo->GetItemData(kCustom)), RGB(255, 255, 255));
        } else {
            EXPECT_EQ(::IsWindow(t.hCombo), FALSE);
        }
        EXPECT_TRUE(::IsWindow(t.dlg.m_hWnd));
    }
}

// "Custom..." chosen in the open list: after the colour dialog the box tells
// the parent itself, and the parent acts on that word.
TEST_F(ReentrancyTest, ColourComboWhoseParentActsOnTheCustomChoice)
{
    const COLORREF chosen = RGB(0x65, 0x43, 0x21);
    for (ParentAct act : kActs) {
        SCOPED_TRACE(ActName(act));
        ComboInDialog t;
        t.pCombo->SetCurSel(kCustom - 1);
        bool bAnswered = false;
        int nHeard = 0;
        COLORREF heardColour = 0;
        t.dlg.log.onMessage = [&](UINT message, WPARAM wParam, LPARAM, LRESULT&) {
            if (message != WM_COMMAND || HIWORD(wParam) != CBN_SELCHANGE || !bAnswered)
                return false;
            ++nHeard;
            if (t.pCombo != nullptr)
                heardColour = t.pCombo->GetColor();
            Act<QELColorComboBox>(act, t.pCombo, [](QELColorComboBox& combo) { combo.SetColor(RGB(0, 0, 0)); });
            return true;
        };
        ModalAnswerer answer([&](HWND hDlg) {
            bAnswered = true;
            ComboInDialog::ChooseColour(hDlg, chosen);
        });
        input::PressKey(t.hCombo, VK_F4);
        ASSERT_TRUE(PumpUntil([&] { return t.pCombo->GetDroppedState() != FALSE; }, 1000));
        input::PressKey(t.hCombo, VK_DOWN);
        input::PressKey(t.hCombo, VK_RETURN);
        PumpUntil([&] { return answer.Answered(); }, 3000);
        PumpMessages(20);
        t.dlg.log.onMessage = nullptr;
        EXPECT_TRUE(answer.Answered());
        EXPECT_EQ(nHeard, 1);
        EXPECT_EQ(heardColour, chosen);
        if (act == ParentAct::CallBack) {
            ASSERT_NE(t.pCombo, nullptr);
            EXPECT_EQ(t.pCombo->GetColor(), RGB(0, 0, 0));
            // Another custom choice is possible: the box is not left busy.
            ModalAnswerer again([&](HWND hDlg) { ComboInDialog::ChooseColour(hDlg, RGB(1, 2, 3)); });
            t.pCombo->SetCurSel(kCustom);
            t.dlg.SendMessage(WM_COMMAND, MAKEWPARAM(kControlId, CBN_SELCHANGE), (LPARAM)t.hCombo);
            EXPECT_TRUE(again.Answered());
            EXPECT_EQ(t.pCombo->GetColor(), RGB(1, 2, 3));
        } else {
            EXPECT_EQ(::IsWindow(t.hCombo), FALSE);
        }
    }
}
