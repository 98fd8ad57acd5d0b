// QELEdit, QELIntegerEdit and QELRealEdit given bad input in every state of
// their windows: documented answers, texts kept whole, and a focus-loss text
// that settles whatever the range.
//
// The platform's single-line edit takes time that grows with the square of
// its text (under Wine 8: 0.8 s for 16 KB, 15 s for 64 KB), so the long texts
// put into an edit window here are 8 KB; the numeric edits' own reading of
// texts is tried with 1 MB in the logic tests.
#include "BadInputSupport.h"
#include "ControlTestSupport.h"
#include <cfloat>
#include <climits>
#include <cmath>

namespace {

// As long as an edit window takes in reasonable time.
const size_t kLong = 8 << 10;

// An edit of type T in the given state, inside a frame with a second edit to
// take the focus.
template <class T>
struct EditInState
{
    CRecordingFrame frame;
    CEdit other;
    T edit;
    WindowState state;
    explicit EditInState(WindowState s) : state(s)
    {
        frame.SetForegroundWindow();
        EXPECT_TRUE(other.Create(WS_CHILD | WS_VISIBLE, CRect(5, 60, 205, 84), &frame, 101));
        if (state == WindowState::NeverCreated)
            return;
        EXPECT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(5, 5, 205, 29), &frame, 100));
        if (state == WindowState::Destroyed)
            edit.DestroyWindow();
    }
    std::string Text() const
    {
        CString str;
        edit.GetWindowText(str);
        return std::string(str);
    }
    // Focus in and out again: the focus-loss rewrite runs (live edits only).
    std::string Leave()
    {
        if (state != WindowState::Live)
            return Text();
        edit.SetFocus();
        other.SetFocus();
        Settle(5);
        return Text();
    }
};

TEST(EditBadInput, TooltipInEveryState)
{
    for (WindowState state : kAllStates) {
        EditInState<TestableEdit> t(state);
        TestableEdit& edit = t.edit;
        const bool bLive = state == WindowState::Live;
        RunTable("QELEdit", state,
                 {
                     { "null text changes nothing",
                       [&] {
                           edit.SetTooltipText(nullptr, TRUE);
                           EXPECT_EQ(edit.m_ToolTip.m_hWnd, nullptr);
                       } },
                     { "string ids that name nothing",
                       [&] {
                           for (int nId : { -1, 0, 65535, INT_MAX, INT_MIN })
                               edit.SetTooltipText(nId, TRUE);
                           EXPECT_EQ(edit.m_ToolTip.m_hWnd, nullptr);
                       } },
                     { "activation before any text",
                       [&] {
                           edit.ActivateTooltip(TRUE);
                           edit.ActivateTooltip(-1);
                       } },
                     { "empty, 1 MB and double-byte tips",
                       [&] {
                           for (const char* text : { "", OddTexts::Megabyte().c_str(), OddTexts::DoubleByte() })
                               edit.SetTooltipText(text, -1);
                           EXPECT_EQ(edit.m_ToolTip.m_hWnd != nullptr, bLive);
                           if (bLive) {
                               EXPECT_EQ(edit.m_ToolTip.GetToolCount(), 1);
                               CString str;
                               edit.m_ToolTip.GetText(str, &edit, 1);
                               EXPECT_STREQ(str, OddTexts::DoubleByte());
                           }
                       } },
                     { "messages relayed, null among them",
                       [&] {
                           edit.PreTranslateMessage(nullptr);
                           MSG msg = { edit.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3) };
                           edit.PreTranslateMessage(&msg);
                       } },
                 });
    }
}

TEST(EditBadInput, IntegerInEveryState)
{
    for (WindowState state : kAllStates) {
        EditInState<QELIntegerEdit> t(state);
        QELIntegerEdit& edit = t.edit;
        const bool bLive = state == WindowState::Live;
        auto text = [&](const std::string& s) { edit.SetWindowText(s.c_str()); };
        RunTable("QELIntegerEdit", state,
                 {
                     { "without a window: no text, value 0, valid",
                       [&] {
                           if (bLive)
                               return;
                           EXPECT_EQ(edit.GetValue(), 0);
                           EXPECT_EQ(edit.IsValid(), 0);
                           edit.SetValue(LONG_MIN);
                           EXPECT_EQ(t.Text(), "");
                       } },
                     { "the most negative 32-bit value",
                       [&] {
                           edit.SetValue(LONG_MIN);
                           if (!bLive)
                               return;
                           EXPECT_EQ(t.Text(), "-2147483648");
                           EXPECT_EQ(edit.IsValid(), 1);
                           EXPECT_EQ(edit.GetValue(), -2147483647);
                       } },
                     { "8 KB of digits, of letters, and double-byte text",
                       [&] {
                           if (!bLive)
                               return;
                           text(std::string(kLong, '9'));
                           EXPECT_EQ(edit.IsValid(), 1);
                           EXPECT_EQ(edit.GetValue(), 2147483647);
                           text(OddTexts::Megabyte().substr(0, kLong));
                           EXPECT_EQ(edit.IsValid(), 2);
                           text(OddTexts::DoubleByte());
                           EXPECT_EQ(edit.IsValid(), 2);
                           EXPECT_EQ(edit.GetValue(), 0);
                       } },
                     { "minimum above maximum: the focus-loss text settles",
                       [&] {
                           edit.SetRange(99, 10);
                           long lMin = 0, lMax = 0;
                           edit.GetRange(lMin, lMax);
                           EXPECT_EQ(lMin, 99);
                           EXPECT_EQ(lMax, 10);
                           for (const char* s : { "50", "5", "150", "" }) {
                               text(s);
                               std::string once = t.Leave();
                               EXPECT_EQ(t.Leave(), once) << "from '" << s << "'";
                           }
                           edit.SetRange(-2147483647L, 2147483647L);
                       } },
                     { "keys and characters that are never digits",
                       [&] {
                           if (!bLive)
                               return;
                           text("12");
                           edit.SetSel(2, 2);
                           for (UINT ch : { 0u, 1u, 0x7Fu, 0xFFu, 0x82u, (UINT)'x', (UINT)' ' })
                               edit.SendMessage(WM_CHAR, ch, 1);
                           EXPECT_EQ(t.Text(), "12");
                       } },
                 });
    }
}

TEST(EditBadInput, RealInEveryState)
{
    for (WindowState state : kAllStates) {
        EditInState<QELRealEdit> t(state);
        QELRealEdit& edit = t.edit;
        const bool bLive = state == WindowState::Live;
        auto text = [&](const std::string& s) { edit.SetWindowText(s.c_str()); };
        auto settles = [&](const char* s, bool bSomeNumberFits) {
            text(s);
            std::string once = t.Leave();
            EXPECT_EQ(t.Leave(), once) << "from '" << s << "'";
            if (bLive && bSomeNumberFits) {
                EXPECT_EQ(edit.IsValid(), 0) << "'" << once << "' from '" << s << "'";
            }
            EXPECT_TRUE(std::isfinite(edit.GetValue()));
        };
        RunTable("QELRealEdit", state,
                 {
                     { "without a window: no text, value 0, valid",
                       [&] {
                           if (bLive)
                               return;
                           EXPECT_EQ(edit.GetValue(), 0.0);
                           EXPECT_EQ(edit.IsValid(), 0);
                           edit.SetValue(NAN);
                           edit.Set(INFINITY, TRUE, TRUE, NAN, -INFINITY, -1, 2);
                           EXPECT_EQ(t.Text(), "");
                           edit.SetRange(-DBL_MAX, DBL_MAX);
                       } },
                     { "infinite and NaN values shown, never taken",
                       [&] {
                           if (!bLive)
                               return;
                           for (double d : { INFINITY, -INFINITY, NAN }) {
                               edit.SetValue(d);
                               EXPECT_NE(edit.IsValid(), 0) << t.Text();
                               EXPECT_TRUE(std::isfinite(edit.GetValue())) << t.Text();
                           }
                       } },
                     { "minimum above maximum",
                       [&] {
                           edit.SetRange(10, 1);
                           for (const char* s : { "5", "", "20" })
                               settles(s, false);
                       } },
                     { "infinite and not-a-number bounds refused, the range before kept",
                       [&] {
                           edit.SetRange(-5, 5);
                           edit.SetRange(-INFINITY, INFINITY);
                           edit.SetRange(0, INFINITY, FALSE, TRUE);
                           edit.SetRange(INFINITY, INFINITY);
                           edit.SetRange(NAN, 5);
                           edit.SetMinValue(-INFINITY);
                           edit.SetMaxValue(NAN);
                           double dMin = 0, dMax = 0;
                           edit.GetRange(dMin, dMax);
                           EXPECT_EQ(dMin, -5.0);
                           EXPECT_EQ(dMax, 5.0);
                           for (const char* s : { "5", "", "-3.5" })
                               settles(s, true);
                       } },
                     { "precision 100000 over (0, 1]",
                       [&] {
                           edit.SetRange(0, 1, FALSE, TRUE);
                           edit.SetPrecision(100000);
                           settles("", true);
                           if (bLive) {
                               EXPECT_NE(t.Text(), "0");
                           }
                       } },
                     { "precisions at the ends of int",
                       [&] {
                           edit.SetRange(-DBL_MAX, DBL_MAX);
                           for (int n : { INT_MIN, -1, INT_MAX }) {
                               edit.SetPrecision(n);
                               settles("1.5", true);
                           }
                           edit.SetPrecision(6);
                       } },
                     { "8 KB of digits, letters and double-byte text",
                       [&] {
                           if (!bLive)
                               return;
                           text(std::string(kLong, '9'));
                           EXPECT_EQ(edit.IsValid(), 1);
                           EXPECT_EQ(edit.GetValue(), DBL_MAX);
                           text(OddTexts::Megabyte().substr(0, kLong));
                           EXPECT_EQ(edit.IsValid(), 2);
                           text(OddTexts::DoubleByte());
                           EXPECT_EQ(edit.IsValid(), 2);
                       } },
                 });
    }
}

}  // namespace
