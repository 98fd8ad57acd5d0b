// QELIntegerEdit driven as a user drives it: characters posted through the
// application's loop, pastes through the clipboard, the focus moved away.
#include "EditTestSupport.h"

using IntegerEditTest = EditOfTypeTest<QELIntegerEdit>;

TEST_F(IntegerEditTest, DefaultsAndSetters)
{
    long lMin = 0;
    long lMax = 0;
    edit.GetRange(lMin, lMax);
    EXPECT_EQ(lMin, -2147483647L);
    EXPECT_EQ(lMax, 2147483647L);
    EXPECT_EQ(edit.GetVerbose(), 0);
    edit.SetVerbose(5);
    EXPECT_EQ(edit.GetVerbose(), 5);  // kept as given, not reduced to 1
    edit.SetVerbose(0);
    edit.SetRange(99, 10);  // stored as given
    edit.GetRange(lMin, lMax);
    EXPECT_EQ(lMin, 99L);
    EXPECT_EQ(lMax, 10L);
    edit.SetMinValue(-5);
    edit.SetMaxValue(5);
    edit.GetRange(lMin, lMax);
    EXPECT_EQ(lMin, -5L);
    EXPECT_EQ(lMax, 5L);
    edit.SetValue(-2147483647L - 1);  // unchecked
    EXPECT_EQ(WindowText(edit.m_hWnd), "-2147483648");
}

TEST_F(IntegerEditTest, SignsAndDigitsAreTypedAndEverythingElseIsRefused)
{
    Type(edit, "-5");
    EXPECT_EQ(WindowText(edit.m_hWnd), "-5");
    edit.SetWindowText("");
    Type(edit, "+42");
    EXPECT_EQ(WindowText(edit.m_hWnd), "+42");
    // Refused characters: the text stays, and what was typed after them is discarded.
    Type(edit, "-9");
    EXPECT_EQ(WindowText(edit.m_hWnd), "+42");
    Type(edit, ".5");
    EXPECT_EQ(WindowText(edit.m_hWnd), "+42");
    Type(edit, "e3");
    EXPECT_EQ(WindowText(edit.m_hWnd), "+42");
    Type(edit, " 1");
    EXPECT_EQ(WindowText(edit.m_hWnd), "+42");
    Type(edit, "1a23");
    EXPECT_EQ(WindowText(edit.m_hWnd), "+421");
    // A double-byte character, typed as lead and trail byte or handed over whole by an input
    // method, is refused whole: even a full-width digit (１, 0x82 0x50 in Shift-JIS). Whether the
    // edit inserts an input method's character itself or has it posted back as characters, the
    // text is tested.
    Type(edit, "\x82\x50");
    EXPECT_EQ(WindowText(edit.m_hWnd), "+421");
    for (WPARAM ch : { WPARAM(0x8250), WPARAM('x'), WPARAM('7') }) {
        ::SendMessageA(edit.m_hWnd, WM_IME_CHAR, ch, 1);
        PumpMessages();
    }
    EXPECT_EQ(WindowText(edit.m_hWnd), "+4217");
}

TEST_F(IntegerEditTest, MinusIsRefusedAnywhereWhileTheRangeStartsAtZero)
{
    edit.SetRange(0, 100);
    Type(edit, "-");
    EXPECT_EQ(WindowText(edit.m_hWnd), "");
    edit.SetWindowText("5");
    edit.SetSel(0, 0);
    Type(edit, "-");
    EXPECT_EQ(WindowText(edit.m_hWnd), "5");
    edit.SetSel(1, 1);
    Type(edit, "-");
    EXPECT_EQ(WindowText(edit.m_hWnd), "5");
}

TEST_F(IntegerEditTest, RefusalRestoresTextAndSelectionExactly)
{
    edit.SetWindowText("12345");
    edit.SetSel(1, 3);
    Type(edit, "x");
    EXPECT_EQ(WindowText(edit.m_hWnd), "12345");
    EXPECT_EQ(SelectionOf(edit), Sel(1, 3));
    // Typing over the selection an out-of-range number is refused the same way.
    edit.SetRange(0, 20000);
    edit.SetSel(0, 1);
    Type(edit, "9");  // 92345
    EXPECT_EQ(WindowText(edit.m_hWnd), "12345");
    EXPECT_EQ(SelectionOf(edit), Sel(0, 1));
    Type(edit, "2");  // 22345
    EXPECT_EQ(WindowText(edit.m_hWnd), "12345");
    Type(edit, "0");  // 02345 is fine
    EXPECT_EQ(WindowText(edit.m_hWnd), "02345");
    EXPECT_EQ(SelectionOf(edit), Sel(1, 1));
}

TEST_F(IntegerEditTest, RefusalScrollsTheCaretBackIntoView)
{
    // A field narrower than its text: the caret at the end is scrolled to.
    QELIntegerEdit narrow;
    narrow.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 40, 70, 64), m_pFrame, 102);
    narrow.SetFocus();
    narrow.SetWindowText("1234567890123456789");
    narrow.SetSel(19, 19);
    Type(narrow, "x");
    EXPECT_EQ(SelectionOf(narrow), Sel(19, 19));
    CPoint pt = narrow.PosFromChar(18);
    CRect rc;
    narrow.GetClientRect(&rc);
    EXPECT_TRUE(rc.PtInRect(pt)) << "last digit at " << pt.x << " in a field " << rc.Width() << " wide";
}

TEST_F(IntegerEditTest, EveryIntermediateTextMustBeInRange)
{
    edit.SetRange(10, 99);
    // Every single digit lies below 10.
    Type(edit, "5");
    EXPECT_EQ(WindowText(edit.m_hWnd), "");
    edit.SetValue(15);
    edit.SetSel(2, 2);
    Type(edit, "\b");  // '1' would be below 10
    EXPECT_EQ(WindowText(edit.m_hWnd), "15");
    EXPECT_EQ(SelectionOf(edit), Sel(2, 2));
    edit.SetSel(1, 1);
    Type(edit, "\b");  // '5' as well
    EXPECT_EQ(WindowText(edit.m_hWnd), "15");
    edit.SetSel(1, 2);
    Type(edit, "9");  // '19' is fine
    EXPECT_EQ(WindowText(edit.m_hWnd), "19");
    Type(edit, "9");  // '199' is not
    EXPECT_EQ(WindowText(edit.m_hWnd), "19");
    edit.SetSel(0, 2);
    Type(edit, "\b");  // emptied: an entry just begun
    EXPECT_EQ(WindowText(edit.m_hWnd), "");
}

TEST_F(IntegerEditTest, TheDefaultMinimumStopsShortOfTheMostNegativeValue)
{
    edit.SetWindowText("-214748364");
    edit.SetSel(10, 10);
    Type(edit, "8");
    EXPECT_EQ(WindowText(edit.m_hWnd), "-214748364");
    Type(edit, "7");
    EXPECT_EQ(WindowText(edit.m_hWnd), "-2147483647");
    edit.SetWindowText("214748364");
    edit.SetSel(9, 9);
    Type(edit, "8");
    EXPECT_EQ(WindowText(edit.m_hWnd), "214748364");
    Type(edit, "7");
    EXPECT_EQ(WindowText(edit.m_hWnd), "2147483647");
    Type(edit, "0");  // beyond 32 bits
    EXPECT_EQ(WindowText(edit.m_hWnd), "2147483647");
}

TEST_F(IntegerEditTest, FocusLossRewritesTheTextCanonically)
{
    struct Case
    {
        const char* text;
        const char* after;
    } cases[] = {
        { "+7", "7" },
        { "-0", "0" },
        { "", "0" },
        { "-", "0" },
        { "007", "7" },
        { "-12", "-12" },
        // Texts the application put there: read, saturated, clamped.
        { "abc", "0" },
        { "12abc", "12" },
        { "99999999999", "2147483647" },
        { "-2147483648", "-2147483647" },
    };
    for (const Case& c : cases) {
        edit.SetWindowText(c.text);
        LeaveEdit(edit);
        EXPECT_EQ(WindowText(edit.m_hWnd), c.after) << "from '" << c.text << "'";
        edit.SetFocus();
    }
}

TEST_F(IntegerEditTest, FocusLossLeavesANumberInsideTheRange)
{
    edit.SetRange(10, 99);
    edit.SetWindowText("");
    EXPECT_EQ(edit.GetValue(), 10);
    LeaveEdit(edit);
    EXPECT_EQ(WindowText(edit.m_hWnd), "10");
    edit.SetFocus();
    edit.SetWindowText("150");
    EXPECT_EQ(edit.GetValue(), 99);
    LeaveEdit(edit);
    EXPECT_EQ(WindowText(edit.m_hWnd), "99");
    EXPECT_EQ(edit.IsValid(), 0);
}

TEST_F(IntegerEditTest, PastesAreTestedLikeTyping)
{
    edit.SetRange(-1000, 1000);
    edit.SetWindowText("12");
    edit.SetSel(2, 2);
    ASSERT_TRUE(SetClipboardText("3"));
    Type(edit, "\x16");  // Ctrl+V
    EXPECT_EQ(WindowText(edit.m_hWnd), "123");
    ASSERT_TRUE(SetClipboardText("4"));
    edit.SetSel(1, 1);
    Type(edit, "\x16");  // 1423: out of range
    EXPECT_EQ(WindowText(edit.m_hWnd), "123");
    EXPECT_EQ(SelectionOf(edit), Sel(1, 1));
    ASSERT_TRUE(SetClipboardText("abc"));
    edit.SetSel(0, 3);
    edit.SendMessage(WM_PASTE);  // as the context menu pastes
    EXPECT_EQ(WindowText(edit.m_hWnd), "123");
    EXPECT_EQ(SelectionOf(edit), Sel(0, 3));
    ASSERT_TRUE(SetClipboardText("-7"));
    edit.Paste();
    EXPECT_EQ(WindowText(edit.m_hWnd), "-7");
}

TEST_F(IntegerEditTest, ShiftInsertPastesAreTestedToo)
{
    BYTE keys[256];
    ASSERT_TRUE(::GetKeyboardState(keys));
    BYTE shift = keys[VK_SHIFT];
    keys[VK_SHIFT] = 0x80;
    ::SetKeyboardState(keys);
    edit.SetRange(0, 500);
    ASSERT_TRUE(SetClipboardText("-1"));
    input::PressKey(edit.m_hWnd, VK_INSERT);
    std::string refused = WindowText(edit.m_hWnd);
    ASSERT_TRUE(SetClipboardText("250"));
    input::PressKey(edit.m_hWnd, VK_INSERT);
    std::string accepted = WindowText(edit.m_hWnd);
    keys[VK_SHIFT] = shift;
    ::SetKeyboardState(keys);
    EXPECT_EQ(refused, "");
    EXPECT_EQ(accepted, "250");
}

TEST_F(IntegerEditTest, DeleteCutAndUndoAreTestedToo)
{
    edit.SetRange(10, 99);
    edit.SetValue(15);
    edit.SetSel(1, 1);
    input::PressKey(edit.m_hWnd, VK_DELETE);  // '1'
    EXPECT_EQ(WindowText(edit.m_hWnd), "15");
    EXPECT_EQ(SelectionOf(edit), Sel(1, 1));
    edit.SetSel(0, 1);
    edit.Cut();  // '5'
    EXPECT_EQ(WindowText(edit.m_hWnd), "15");
    edit.Clear();
    EXPECT_EQ(WindowText(edit.m_hWnd), "15");
    edit.SetSel(0, 2);
    edit.Clear();  // emptied is fine
    EXPECT_EQ(WindowText(edit.m_hWnd), "");
    edit.SetSel(0, 0);
    Type(edit, "4");  // refused: 4 < 10
    EXPECT_EQ(WindowText(edit.m_hWnd), "");
    // Alt+Backspace undoes the last change without any undo message: from "50"
    // back to "5" is refused like any other change.
    edit.SetWindowText("5");
    edit.SetSel(1, 1);
    edit.ReplaceSel("0", TRUE);
    ASSERT_EQ(WindowText(edit.m_hWnd), "50");
    // Alt down is bit 29 of the key data; Wine's edit control looks at bit 13 instead.
    ::PostMessageA(edit.m_hWnd, WM_SYSKEYDOWN, VK_BACK, input::KeyLParam(VK_BACK, false) | 0x20002000);
    PumpMessages(50);
    EXPECT_EQ(WindowText(edit.m_hWnd), "50");
    edit.Undo();
    EXPECT_EQ(WindowText(edit.m_hWnd), "50");
}

TEST_F(IntegerEditTest, VerboseExplainsEachRefusalOnceAndKeepsThePreviousText)
{
    edit.SetVerbose(TRUE);
    edit.SetRange(10, 99);
    edit.SetValue(12);
    edit.SetSel(2, 2);
    EXPECT_EQ(MessageBoxesDuring([&] { Type(edit, "a5"); }), Texts{ "Invalid key pressed." });
    // The message box's own focus change rewrote nothing: the text is the one before the key.
    EXPECT_EQ(WindowText(edit.m_hWnd), "12");
    edit.SetFocus();
    edit.SetSel(2, 2);
    EXPECT_EQ(MessageBoxesDuring([&] { Type(edit, "3"); }), Texts{ "Value must lie between 10 and 99." });
    EXPECT_EQ(WindowText(edit.m_hWnd), "12");
    // Leaving with an acceptable text explains nothing.
    edit.SetFocus();
    EXPECT_EQ(MessageBoxesDuring([&] { LeaveEdit(edit); }), Texts{});
    EXPECT_EQ(WindowText(edit.m_hWnd), "12");
}

TEST_F(IntegerEditTest, VerboseFocusLossExplainsATextSetByTheApplication)
{
    edit.SetVerbose(TRUE);
    edit.SetRange(-5, 5);
    edit.SetWindowText("8");
    EXPECT_EQ(MessageBoxesDuring([&] { LeaveEdit(edit); }), Texts{ "Value must lie between -5 and 5." });
    EXPECT_EQ(WindowText(edit.m_hWnd), "5");
}

TEST_F(IntegerEditTest, NoMessageBoxWithVerboseOff)
{
    edit.SetRange(10, 99);
    Texts boxes = MessageBoxesDuring([&] {
        Type(edit, "a5-");
        edit.SetValue(15);
        Type(edit, "\b");
        ASSERT_TRUE(SetClipboardText("x"));
        edit.SendMessage(WM_PASTE);
        edit.SetWindowText("abc");
        EXPECT_EQ(edit.IsValid(), 2);
        LeaveEdit(edit);
    });
    EXPECT_EQ(boxes, Texts{});
    EXPECT_EQ(WindowText(edit.m_hWnd), "10");
}

TEST_F(IntegerEditTest, KeepsTheTooltipOfItsBase)
{
    edit.SetTooltipText("Quantity, 1 to 999");
    CWnd* pTip = nullptr;
    for (CWnd* p = CWnd::FromHandle(::GetWindow(m_pFrame->m_hWnd, GW_HWNDFIRST)); p != nullptr;
         p = p->GetNextWindow()) {
        if (lstrcmpiA(ClassOf(p->m_hWnd).c_str(), TOOLTIPS_CLASSA) == 0 &&
            ::GetWindow(p->m_hWnd, GW_OWNER) == m_pFrame->m_hWnd)
            pTip = p;
    }
    ASSERT_NE(pTip, nullptr);
    EXPECT_EQ(pTip->SendMessage(TTM_GETTOOLCOUNT), 1);
}
