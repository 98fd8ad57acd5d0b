// QELRealEdit out of memory: each allocation its text work makes fails in
// turn. Every operation keeps the field's text as it was (or answers its
// failure value), and no exception leaves the library through a handler.
#include "EditTestSupport.h"
#include "AllocationFailure.h"

using RealEditOutOfMemoryTest = EditOfTypeTest<QELRealEdit>;

TEST_F(RealEditOutOfMemoryTest, SetValueKeepsTheOldTextWhenItCannotWriteTheNewOne)
{
    const long nBlocks = QELLiveAllocationCount();
    // A precision long enough that the text needs a block of its own.
    edit.SetPrecision(40);
    edit.SetRemoveTrailingZeros(FALSE);
    const std::string strNew = "2.5000000000000000000000000000000000000000";
    long n = WithEachAllocationFailing(
        [&] {
            edit.SetWindowText("7");
            edit.SetValue(2.5);
        },
        [&](bool bFailed) { EXPECT_EQ(WindowText(edit.m_hWnd), bFailed ? "7" : strNew); });
    EXPECT_GE(n, 1);
    EXPECT_EQ(QELLiveAllocationCount(), nBlocks);
}

TEST_F(RealEditOutOfMemoryTest, CheckAndValueAnswerTheirFailureValues)
{
    edit.SetPrecision(40);
    const char* text = "12.50000000000000000000000000000000000000";
    edit.SetWindowText(text);
    int nValid = -1;
    long n = WithEachAllocationFailing([&] { nValid = edit.IsValid(); },
                                       [&](bool bFailed) { EXPECT_EQ(nValid, bFailed ? 2 : 0); });
    EXPECT_GE(n, 1);
    // GetValue checks the text first (for its explanation): a failure there
    // still leaves the value to be read; one in the reading gives 0.
    double dValue = -1;
    int nZeros = 0;
    WithEachAllocationFailing([&] { dValue = edit.GetValue(); },
                              [&](bool bFailed) {
                                  nZeros += dValue == 0.0;
                                  EXPECT_TRUE(dValue == 12.5 || (bFailed && dValue == 0.0)) << dValue;
                              });
    EXPECT_GE(nZeros, 1);
    EXPECT_EQ(WindowText(edit.m_hWnd), text);
}

TEST_F(RealEditOutOfMemoryTest, FocusLossAndTypingLeaveTheTextWhenMemoryRunsOut)
{
    edit.SetPrecision(40);
    const std::string strTyped = "+12.50000000000000000000000000000000000";
    // Failing in the check that explains a problem changes nothing; failing
    // in the reading or writing of the value leaves the text as typed.
    int nKept = 0;
    long n = WithEachAllocationFailing(
        [&] {
            edit.SetFocus();
            edit.SetWindowText(strTyped.c_str());
            PumpMessages(10);
            QELFailAllocation(QELAllocationsBeforeFailure());  // counted from the focus loss on
            LeaveEdit(edit);
        },
        [&](bool bFailed) {
            nKept += WindowText(edit.m_hWnd) == strTyped;
            EXPECT_TRUE(WindowText(edit.m_hWnd) == "12.5" || (bFailed && WindowText(edit.m_hWnd) == strTyped))
                << WindowText(edit.m_hWnd);
        });
    EXPECT_GE(n, 1);
    EXPECT_GE(nKept, 1);

    // A keystroke whose text cannot be checked is refused like a bad one.
    int nRefused = 0;
    WithEachAllocationFailing(
        [&] {
            edit.SetFocus();
            edit.SetWindowText(strTyped.c_str());
            edit.SetSel((int)strTyped.size(), (int)strTyped.size());
            PumpMessages(10);
            Type(edit, "1");
        },
        [&](bool bFailed) {
            nRefused += WindowText(edit.m_hWnd) == strTyped;
            EXPECT_TRUE(WindowText(edit.m_hWnd) == strTyped + "1" || (bFailed && WindowText(edit.m_hWnd) == strTyped))
                << WindowText(edit.m_hWnd);
        });
    EXPECT_GE(nRefused, 1);
}
