// Every dialog of the library opened, answered and closed many times over,
// the progress window shown and ended, the check message box asked: GDI, USER
// and library block counts the same at the end. Each modal dialog is answered
// as soon as it is shown (posted commands), so a thousand cycles stay short.
#include "ObjectCounts.h"
#include "ImmediateAnswer.h"
#include "RecordingParent.h"
#include <gtest/gtest.h>

namespace {

class DialogCycles : public testing::Test
{
protected:
    CRecordingFrame frame;  // the owner some of the cycles give their dialogs
};

TEST_F(DialogCycles, RealPrompt)
{
    int nCycle = 0;
    ImmediateAnswer answer([&](HWND) { return nCycle % 3 == 2 ? IDCANCEL : IDOK; });
    HWND hOwner = frame.GetSafeHwnd();
    ExpectNothingLeftAfterCycles("real prompt", [&](int i) {
        nCycle = i;
        const int nAnswered = answer.Answered();
        double dValue = 1.5 + i;
        QELGUIUtils::Real(dValue, "Real", "Value", 0.0, 1e9, TRUE, FALSE, i % 2 ? &hOwner : nullptr);
        ASSERT_EQ(answer.Answered(), nAnswered + 1) << "the prompt was not shown";
    });
}

TEST_F(DialogCycles, CoordinatesPrompt)
{
    int nCycle = 0;
    ImmediateAnswer answer([&](HWND) { return nCycle % 3 == 2 ? IDCANCEL : IDOK; });
    HWND hOwner = frame.GetSafeHwnd();
    ExpectNothingLeftAfterCycles("coordinates prompt", [&](int i) {
        nCycle = i;
        const int nAnswered = answer.Answered();
        double dX = i, dY = -i, dZ = 0.25;
        QELGUIUtils::Coordinates(dX, dY, dZ, "Point", i % 2 ? nullptr : &hOwner);
        ASSERT_EQ(answer.Answered(), nAnswered + 1) << "the prompt was not shown";
    });
}

TEST_F(DialogCycles, AboutBox)
{
    ImmediateAnswer answer([](HWND) { return IDOK; });
    HWND hOwner = frame.GetSafeHwnd();
    ExpectNothingLeftAfterCycles("about box", [&](int i) {
        const int nAnswered = answer.Answered();
        QELGUIUtils::About("Product", "Name", "Company", i % 2 ? &hOwner : nullptr);
        ASSERT_EQ(answer.Answered(), nAnswered + 1) << "the box was not shown";
    });
}

TEST_F(DialogCycles, Message)
{
    ImmediateAnswer answer([](HWND) { return IDOK; });
    ExpectNothingLeftAfterCycles("message", [&](int i) {
        const int nAnswered = answer.Answered();
        QELGUIUtils::Message("cycle %d of %s", i, "the messages");
        ASSERT_EQ(answer.Answered(), nAnswered + 1) << "the message was not shown";
    });
}

TEST_F(DialogCycles, UnitConverter)
{
    int nCycle = 0;
    ImmediateAnswer answer([&](HWND) { return nCycle % 2 ? IDOK : IDCANCEL; });
    HWND hOwner = frame.GetSafeHwnd();
    // A converter takes about 0.16 s under Wine: 250 cycles keep the test within
    // the watchdog's minute (a block or object left per cycle still shows as
    // 250); scripts/cycles runs it 10,000 times like every other class.
    ExpectNothingLeftAfterCycles(
        "unit converter",
        [&](int i) {
            nCycle = i;
            const int nAnswered = answer.Answered();
            QELGUIUtils::UnitConverter(i % 10, (i * 7) % 10, i % 3 ? &hOwner : nullptr);
            ASSERT_EQ(answer.Answered(), nAnswered + 1);
        },
        250);
}

TEST_F(DialogCycles, CheckMessageBox)
{
    ImmediateAnswer answer([](HWND) { return IDOK; });
    ExpectNothingLeftAfterCycles("check message box", [&](int i) {
        int nCheck = i % 2;
        const int nAnswered = answer.Answered();
        EXPECT_EQ(QELGUIUtils::CheckMessageBox(i % 3 ? &frame : nullptr, "Continue?", nCheck, MB_OK, 0,
                                               i % 4 ? "Do not show again" : "Skip"),
                  IDOK);
        ASSERT_EQ(answer.Answered(), nAnswered + 1);
    });
}

TEST_F(DialogCycles, ProgressWindow)
{
    ExpectNothingLeftAfterCycles("progress", [&](int i) {
        QELProgress progress("Copying", "file", 0, 100, i % 2 ? &frame : nullptr);
        progress.StartProgress();
        for (int k = 0; k <= 100; k += 25)
            progress.SetCurrent(k);
        progress.SetStatus("almost");
        progress.StepIt(10);
        if (i % 3)
            progress.EndProgress();  // else the object's end takes its window
    });
}

}  // namespace
