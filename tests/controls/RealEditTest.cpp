// QELRealEdit driven as a user drives it.
#include "EditTestSupport.h"
#include <cfloat>
#include <cmath>

using RealEditTest = EditOfTypeTest<QELRealEdit>;

TEST_F(RealEditTest, DefaultsAndSetters)
{
    double dMin = 0;
    double dMax = 0;
    edit.GetRange(dMin, dMax);
    EXPECT_EQ(dMin, -DBL_MAX);
    EXPECT_EQ(dMax, DBL_MAX);
    EXPECT_EQ(edit.GetPrecision(), 6);
    EXPECT_EQ(edit.GetRemoveTrailingZeros(), 1);
    EXPECT_EQ(edit.GetVerbose(), 0);
    edit.SetPrecision(-3);
    EXPECT_EQ(edit.GetPrecision(), -3);
    edit.SetRemoveTrailingZeros(7);
    EXPECT_EQ(edit.GetRemoveTrailingZeros(), 7);
    edit.SetRange(5.5, -1.25, FALSE, FALSE);
    edit.GetRange(dMin, dMax);
    EXPECT_EQ(dMin, 5.5);
    EXPECT_EQ(dMax, -1.25);
}

TEST_F(RealEditTest, SignsPointsAndExponentsWhileTyping)
{
    Type(edit, "-1.2.3");
    EXPECT_EQ(WindowText(edit.m_hWnd), "-1.2");  // the second point refused, the '3' after it discarded
    edit.SetWindowText("");
    Type(edit, "1e5");
    EXPECT_EQ(WindowText(edit.m_hWnd), "1");
    edit.SetWindowText("");
    Type(edit, "+.5");
    EXPECT_EQ(WindowText(edit.m_hWnd), "+.5");
    edit.SetRange(0.0, 100.0);
    edit.SetWindowText("");
    Type(edit, "-1");
    EXPECT_EQ(WindowText(edit.m_hWnd), "");
}

TEST_F(RealEditTest, PrecisionLimitsTheDecimalsTyped)
{
    edit.SetPrecision(2);
    Type(edit, "3.14");
    EXPECT_EQ(WindowText(edit.m_hWnd), "3.14");
    Type(edit, "1");
    EXPECT_EQ(WindowText(edit.m_hWnd), "3.14");
    // A point that would leave too many digits after it is refused as well.
    edit.SetWindowText("12345");
    edit.SetSel(1, 1);
    Type(edit, ".");
    EXPECT_EQ(WindowText(edit.m_hWnd), "12345");
    EXPECT_EQ(SelectionOf(edit), Sel(1, 1));
    edit.SetSel(3, 3);
    Type(edit, ".");
    EXPECT_EQ(WindowText(edit.m_hWnd), "123.45");

    edit.SetPrecision(0);
    edit.SetWindowText("");
    Type(edit, "5.1");
    EXPECT_EQ(WindowText(edit.m_hWnd), "5.");

    // Below zero: whole numbers only, the point itself is refused.
    edit.SetPrecision(-1);
    edit.SetWindowText("");
    Type(edit, "42.5");
    EXPECT_EQ(WindowText(edit.m_hWnd), "42");
    Type(edit, ".");
    EXPECT_EQ(WindowText(edit.m_hWnd), "42");
}

TEST_F(RealEditTest, ExclusiveMinimumRefusesZeroButNotAFractionTypedFromThePoint)
{
    edit.SetRange(0.0, 10.0, FALSE, TRUE);
    Type(edit, "0");
    EXPECT_EQ(WindowText(edit.m_hWnd), "");
    Type(edit, ".5");
    EXPECT_EQ(WindowText(edit.m_hWnd), ".5");
    struct Case
    {
        const char* text;
        int code;
    } cases[] = {
        { "0", 1 }, { "0.0001", 0 }, { "10", 0 },  { "10.000001", 1 }, { "", 0 },
        { ".", 0 }, { "1.2.3", 2 },  { "1e5", 2 }, { "-1", 2 },
    };
    for (const Case& c : cases) {
        edit.SetWindowText(c.text);
        EXPECT_EQ(edit.IsValid(), c.code) << c.text;
    }
    edit.SetMaxValue(10.0, FALSE);
    edit.SetWindowText("10");
    EXPECT_EQ(edit.IsValid(), 1);
}

TEST_F(RealEditTest, FocusLossRewritesTheText)
{
    struct Case
    {
        const char* text;
        int remove;
        const char* after;
    } cases[] = {
        { "1.50", 1, "1.5" },
        { "7.", 1, "7" },
        { "", 1, "0" },
        { "", 0, "0.000000" },
        { "-0", 1, "0" },
        { "-.", 1, "0" },
        { "+2.25", 0, "2.250000" },
        // Texts the application put there: read as far as they go.
        { "12.5kg", 1, "12.5" },
        { "1e3", 1, "1000" },
        { "abc", 1, "0" },
    };
    for (const Case& c : cases) {
        edit.SetRemoveTrailingZeros(c.remove);
        edit.SetWindowText(c.text);
        LeaveEdit(edit);
        EXPECT_EQ(WindowText(edit.m_hWnd), c.after) << "from '" << c.text << "'";
        edit.SetFocus();
    }
}

TEST_F(RealEditTest, FocusLossLeavesANumberTheFieldAccepts)
{
    edit.SetRange(0.0, 10.0, FALSE, TRUE);
    edit.SetPrecision(2);
    struct Case
    {
        const char* text;
        const char* after;
        double value;
    } cases[] = {
        { "", "0.01", 0.01 }, { "-3", "0.01", 0.01 },         { "0", "0.01", 0.01 },
        { "25", "10", 10.0 }, { "3.14159", "3.14", 3.14159 },
    };
    for (const Case& c : cases) {
        edit.SetWindowText(c.text);
        EXPECT_EQ(edit.GetValue(), c.value) << c.text;
        LeaveEdit(edit);
        EXPECT_EQ(WindowText(edit.m_hWnd), c.after) << "from '" << c.text << "'";
        EXPECT_EQ(edit.IsValid(), 0) << c.after;
        edit.SetFocus();
    }
}

TEST_F(RealEditTest, SetAppliesTheBoundsOnlyWhenAsked)
{
    edit.SetRange(-1.0, 1.0);
    edit.SetPrecision(3);
    edit.Set(0.12345, FALSE, FALSE, 5.0, 6.0, FALSE, FALSE);
    EXPECT_EQ(WindowText(edit.m_hWnd), "0.123");
    double dMin = 0;
    double dMax = 0;
    edit.GetRange(dMin, dMax);
    EXPECT_EQ(dMin, -1.0);
    EXPECT_EQ(dMax, 1.0);
    edit.Set(7.0, TRUE, FALSE, 5.0, 6.0, FALSE, FALSE);
    edit.GetRange(dMin, dMax);
    EXPECT_EQ(dMin, 5.0);
    EXPECT_EQ(dMax, 1.0);
    edit.Set(7.0, FALSE, TRUE, 0.0, 8.0, TRUE, FALSE);
    edit.GetRange(dMin, dMax);
    EXPECT_EQ(dMin, 5.0);
    EXPECT_EQ(dMax, 8.0);
    // The minimum stayed exclusive, the maximum became exclusive.
    edit.SetWindowText("5");
    EXPECT_EQ(edit.IsValid(), 1);
    edit.SetWindowText("8");
    EXPECT_EQ(edit.IsValid(), 1);
    edit.SetWindowText("7.5");
    EXPECT_EQ(edit.IsValid(), 0);
}

TEST_F(RealEditTest, BoundsThatAreInfiniteOrNotANumberAreRefused)
{
    // Taken, an infinite range would bring a typed 7 back as the largest double.
    Type(edit, "7");
    edit.SetRange(INFINITY, INFINITY);
    LeaveEdit(edit);
    EXPECT_EQ(WindowText(edit.m_hWnd), "7");

    edit.SetRange(-5.0, 5.0, TRUE, FALSE);
    edit.SetRange(-INFINITY, 3.0, FALSE, TRUE);
    edit.SetRange(0.0, NAN);
    edit.SetMinValue(NAN, FALSE);
    edit.SetMaxValue(-INFINITY, TRUE);
    edit.Set(2.0, TRUE, TRUE, -INFINITY, INFINITY, FALSE, TRUE);
    double dMin = 0;
    double dMax = 0;
    edit.GetRange(dMin, dMax);
    EXPECT_EQ(dMin, -5.0);
    EXPECT_EQ(dMax, 5.0);
    // The flags of the refused bounds were not taken either.
    edit.SetWindowText("-5");
    EXPECT_EQ(edit.IsValid(), 0);
    edit.SetWindowText("5");
    EXPECT_EQ(edit.IsValid(), 1);
}

TEST_F(RealEditTest, PastesAreTestedLikeTyping)
{
    edit.SetPrecision(2);
    ASSERT_TRUE(SetClipboardText("2.5"));
    Type(edit, "\x16");
    EXPECT_EQ(WindowText(edit.m_hWnd), "2.5");
    ASSERT_TRUE(SetClipboardText("1e3"));
    edit.SetSel(0, 1);
    Type(edit, "\x16");
    EXPECT_EQ(WindowText(edit.m_hWnd), "2.5");
    EXPECT_EQ(SelectionOf(edit), Sel(0, 1));
    ASSERT_TRUE(SetClipboardText("0.125"));  // one decimal too many
    edit.SetSel(0, 3);
    edit.SendMessage(WM_PASTE);
    EXPECT_EQ(WindowText(edit.m_hWnd), "2.5");
}

TEST_F(RealEditTest, VerboseShowsTheBoundsWithSixDecimals)
{
    edit.SetVerbose(TRUE);
    edit.SetRange(0.0, 10.0);
    edit.SetPrecision(2);
    Type(edit, "9");
    EXPECT_EQ(MessageBoxesDuring([&] { Type(edit, "9"); }), Texts{ "Value must lie between 0.000000 and 10.000000." });
    EXPECT_EQ(WindowText(edit.m_hWnd), "9");
    edit.SetFocus();
    edit.SetSel(1, 1);
    EXPECT_EQ(MessageBoxesDuring([&] { Type(edit, ".123"); }), Texts{ "Invalid key pressed." });
    EXPECT_EQ(WindowText(edit.m_hWnd), "9.12");
}

TEST_F(RealEditTest, NoMessageBoxWithVerboseOff)
{
    edit.SetRange(0.0, 1.0, FALSE, FALSE);
    Texts boxes = MessageBoxesDuring([&] {
        Type(edit, "0x-2");
        edit.SetWindowText("abc");
        EXPECT_EQ(edit.IsValid(), 2);
        LeaveEdit(edit);
    });
    EXPECT_EQ(boxes, Texts{});
    EXPECT_EQ(WindowText(edit.m_hWnd), "0.000001");
}
