// The colour combo box from the keyboard: "Custom..." reached with the arrow
// keys in the closed box, or in the list opened with F4, opens the colour
// dialog as a mouse choice does; Escape returns.
#include "LabelTestSupport.h"
#include "ModalAnswerer.h"
#include "UserInput.h"
#include <gtest/gtest.h>

namespace {
const UINT kComboId = 301;
const int kPink = 23;
const int kCustom = 24;
const COLORREF kPinkColour = RGB(255, 191, 191);

// A parent with its own handler for the combo box's CBN_SELCHANGE, as an
// application has: it runs after the control has had its say (reflection).
class ColourParent : public CRecordingDialog
{
public:
    using CRecordingDialog::CRecordingDialog;
    std::function<void()> onSelChange;

protected:
    void OnSelChange()
    {
        if (onSelChange)
            onSelChange();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ColourParent, CRecordingDialog)
    ON_CBN_SELCHANGE(kComboId, OnSelChange)
END_MESSAGE_MAP()

struct KeyboardCombo
{
    DialogTemplate tmpl;
    ColourParent dlg;
    QELColorComboBox combo;
    // The colour the parent's handler read at each CBN_SELCHANGE.
    std::vector<COLORREF> heard;

    KeyboardCombo() : tmpl(ColourComboTemplate(kComboId)), dlg(tmpl)
    {
        dlg.CreateModeless();
        combo.SubclassDlgItem(kComboId, &dlg);
        dlg.onSelChange = [this] { heard.push_back(combo.GetColor()); };
        combo.SetFocus();
    }
    // Through the application's loop and the dialog manager, as typed.
    void Press(UINT vk) { input::PressKey(combo.m_hWnd, vk); }
    void Start(int nSel)
    {
        combo.SetCurSel(nSel);
        heard.clear();
    }
};
}

TEST(ColorComboKeyboard, ArrowOntoCustomInTheClosedBoxOpensTheDialog)
{
    KeyboardCombo t;
    t.Start(kPink);
    const COLORREF chosen = RGB(0x30, 0x60, 0x90);
    {
        ModalAnswerer answer(ChooseInDialog(chosen));
        t.Press(VK_DOWN);
        EXPECT_TRUE(answer.Answered());
        EXPECT_EQ(answer.DialogsSeen(), 1);
    }
    EXPECT_EQ(t.combo.GetCurSel(), kCustom);
    EXPECT_EQ(t.combo.GetColor(), chosen);
    // The parent hears of it once, with the chosen colour.
    EXPECT_EQ(t.heard, std::vector<COLORREF>{ chosen });

    // Up again: Pink, no dialog.
    ModalAnswerer none(ModalAnswerer::PressButton(IDCANCEL), 400);
    t.Press(VK_UP);
    PumpUntil([&] { return none.TimedOut(); }, 1000);
    EXPECT_EQ(none.DialogsSeen(), 0);
    EXPECT_EQ(t.combo.GetColor(), kPinkColour);
}

TEST(ColorComboKeyboard, InTheOpenListTheChoiceWaitsForEnter)
{
    KeyboardCombo t;
    t.Start(kPink);
    const COLORREF chosen = RGB(0x11, 0xA0, 0x22);
    ModalAnswerer answer(ChooseInDialog(chosen));
    t.Press(VK_F4);
    ASSERT_TRUE(PumpUntil([&] { return t.combo.GetDroppedState() != FALSE; }, 1000));
    t.Press(VK_DOWN);
    // Passing over "Custom..." in the open list opens nothing yet.
    EXPECT_EQ(answer.DialogsSeen(), 0);
    EXPECT_TRUE(t.heard.empty());
    t.Press(VK_RETURN);
    PumpUntil([&] { return answer.Answered(); }, 3000);
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(answer.DialogsSeen(), 1);
    EXPECT_FALSE(t.combo.GetDroppedState());
    EXPECT_EQ(t.combo.GetCurSel(), kCustom);
    EXPECT_EQ(t.combo.GetColor(), chosen);
    EXPECT_EQ(t.heard, std::vector<COLORREF>{ chosen });
}

TEST(ColorComboKeyboard, EscapeFromTheOpenListReturnsToThePreviousEntry)
{
    KeyboardCombo t;
    t.Start(kPink);
    ModalAnswerer answer(ModalAnswerer::PressButton(IDCANCEL), 600);
    t.Press(VK_F4);
    t.Press(VK_DOWN);
    t.Press(VK_ESCAPE);
    PumpUntil([&] { return answer.TimedOut(); }, 1500);
    EXPECT_EQ(answer.DialogsSeen(), 0);
    EXPECT_FALSE(t.combo.GetDroppedState());
    EXPECT_EQ(t.combo.GetCurSel(), kPink);
    EXPECT_EQ(t.combo.GetColor(), kPinkColour);
    EXPECT_TRUE(t.heard.empty());
}

TEST(ColorComboKeyboard, CancelInTheDialogKeepsTheCustomColour)
{
    KeyboardCombo t;
    t.combo.SetColor(RGB(0x12, 0x34, 0x56));
    t.Start(kPink);
    {
        ModalAnswerer answer(ModalAnswerer::PressButton(IDCANCEL));
        t.Press(VK_F4);
        t.Press(VK_DOWN);
        t.Press(VK_RETURN);
        PumpUntil([&] { return answer.Answered(); }, 3000);
        EXPECT_EQ(answer.DialogsSeen(), 1);
        // The dialog starts from the custom entry's colour.
        EXPECT_EQ(answer.controlText[706], "18");
        EXPECT_EQ(answer.controlText[707], "52");
        EXPECT_EQ(answer.controlText[708], "86");
    }
    // As after a mouse choice: the custom entry, with the colour it had.
    EXPECT_EQ(t.combo.GetCurSel(), kCustom);
    EXPECT_EQ(t.combo.GetColor(), RGB(0x12, 0x34, 0x56));
    {
        ModalAnswerer answer(ModalAnswerer::PressButton(IDCANCEL));
        t.Start(kPink);
        t.Press(VK_DOWN);
        EXPECT_EQ(answer.DialogsSeen(), 1);
    }
    EXPECT_EQ(t.combo.GetColor(), RGB(0x12, 0x34, 0x56));
}

TEST(ColorComboKeyboard, MouseClickInTheListOpensTheDialogOnce)
{
    KeyboardCombo t;
    t.Start(kPink);
    const COLORREF chosen = RGB(0x70, 0x10, 0x50);
    ModalAnswerer answer(ChooseInDialog(chosen));
    t.combo.ShowDropDown(TRUE);
    COMBOBOXINFO info = { sizeof(info) };
    ASSERT_TRUE(::GetComboBoxInfo(t.combo.m_hWnd, &info));
    RECT rc = {};
    ::SendMessageA(info.hwndList, LB_SETTOPINDEX, kCustom, 0);
    ASSERT_NE(::SendMessageA(info.hwndList, LB_GETITEMRECT, kCustom, (LPARAM)&rc), LB_ERR);
    input::Click(info.hwndList, rc.left + 5, rc.top + 2);
    PumpUntil([&] { return answer.Answered(); }, 3000);
    EXPECT_EQ(answer.DialogsSeen(), 1);
    EXPECT_EQ(t.combo.GetCurSel(), kCustom);
    EXPECT_EQ(t.combo.GetColor(), chosen);
    EXPECT_EQ(t.heard, std::vector<COLORREF>{ chosen });
}

TEST(ColorComboKeyboard, ColourSetFromOutsideStaysReachable)
{
    // An application colour that is in no entry shows as the custom one; the
    // user may leave it and come back to it from the keyboard.
    KeyboardCombo t;
    t.combo.AddColor("Salmon", RGB(250, 128, 114));
    t.combo.SetColor(RGB(0x44, 0x55, 0x66));
    ASSERT_EQ(t.combo.GetCurSel(), 25);
    t.heard.clear();
    t.Press(VK_UP);
    EXPECT_EQ(t.combo.GetColor(), RGB(250, 128, 114));
    {
        ModalAnswerer answer(ModalAnswerer::PressButton(IDOK));
        t.Press(VK_DOWN);
        EXPECT_EQ(answer.DialogsSeen(), 1);
    }
    EXPECT_EQ(t.combo.GetCurSel(), 25);
    EXPECT_EQ(t.combo.GetColor(), RGB(0x44, 0x55, 0x66));
    EXPECT_EQ(t.heard, (std::vector<COLORREF>{ RGB(250, 128, 114), RGB(0x44, 0x55, 0x66) }));
}
