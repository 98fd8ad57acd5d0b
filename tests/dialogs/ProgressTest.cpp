// The progress window: its template, percentages and status lines, positions
// beyond the range, and the ranges that would divide by zero.
#include "DialogsTestSupport.h"
#include "RecordingParent.h"
#include "module/QELModuleContext.h"
#include <gtest/gtest.h>
#include <cmath>
#include <string>

namespace {
const int IDC_STATUS = 8000;
const int IDC_BAR = 8001;

HWND Window(QELProgress& progress) { return progress.m_dlg.m_hWnd; }
int BarPos(QELProgress& progress) { return (int)::SendDlgItemMessageA(Window(progress), IDC_BAR, PBM_GETPOS, 0, 0); }
std::string Line(QELProgress& progress) { return ItemText(Window(progress), IDC_STATUS); }

// The template as the library carries it (an extended dialog template).
#pragma pack(push, 1)
struct DialogTemplateExHeader
{
    WORD dlgVer, signature;
    DWORD helpID, exStyle, style;
    WORD cDlgItems;
    short x, y, cx, cy;
};
#pragma pack(pop)
}

TEST(ProgressWindow, TemplateLayoutAndStyle)
{
    HINSTANCE hLibrary = QELModuleContext::GetInstanceHandle();
    HRSRC hRes = ::FindResourceA(hLibrary, MAKEINTRESOURCEA(8001), MAKEINTRESOURCEA(5));
    ASSERT_NE(hRes, nullptr);
    auto* pHeader = static_cast<const DialogTemplateExHeader*>(::LockResource(::LoadResource(hLibrary, hRes)));
    EXPECT_EQ(pHeader->signature, 0xFFFF);
    EXPECT_EQ(pHeader->style, 0x90C008C0u);
    EXPECT_EQ(pHeader->cDlgItems, 2);
    EXPECT_EQ(pHeader->cx, 249);
    EXPECT_EQ(pHeader->cy, 42);

    QELProgress progress;
    progress.StartProgress();
    HWND hWnd = Window(progress);
    ASSERT_NE(hWnd, nullptr);
    EXPECT_TRUE(::IsWindowVisible(hWnd));
    EXPECT_EQ(WindowText(hWnd), "Progress");
    EXPECT_EQ(CheckPlacement(hWnd, IDC_STATUS, { 7, 7, 235, 8 }), "");
    EXPECT_EQ(CheckPlacement(hWnd, IDC_BAR, { 7, 21, 235, 14 }), "");
    EXPECT_EQ(::GetWindowLongA(::GetDlgItem(hWnd, IDC_STATUS), GWL_STYLE), 0x50020000);
    EXPECT_EQ(ClassOf(::GetDlgItem(hWnd, IDC_BAR)), "msctls_progress32");
    // No system menu, so no close box.
    EXPECT_EQ(::GetWindowLongA(hWnd, GWL_STYLE) & WS_SYSMENU, 0);
    progress.EndProgress();
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(Window(progress), nullptr);
}

TEST(ProgressWindow, PercentagesAndTheirLine)
{
    QELProgress progress;
    progress.StartProgress();
    EXPECT_EQ(BarPos(progress), 0);
    EXPECT_EQ(Line(progress), "0 % complete");
    progress.SetCurrent(25.5);
    EXPECT_EQ(BarPos(progress), 25);
    EXPECT_EQ(Line(progress), "25 % complete");

    QELProgress ranged("Copying", "", 50, 150);
    ranged.StartProgress();
    EXPECT_EQ(WindowText(Window(ranged)), "Copying");
    EXPECT_EQ(Line(ranged), "0 % complete");
    ranged.SetCurrent(100);
    EXPECT_EQ(Line(ranged), "50 % complete");
    ranged.StepIt(25);
    EXPECT_EQ(BarPos(ranged), 75);
    ranged.StepIt(25);
    EXPECT_EQ(BarPos(ranged), 100);
    EXPECT_EQ(Line(ranged), "100 % complete");
    EXPECT_EQ(ranged.GetCurrent(), 150);
}

TEST(ProgressWindow, PositionsOutsideTheRangeShowTheirRealPercentageOverAFullOrEmptyBar)
{
    QELProgress progress("Work", "", 50, 150);
    progress.StartProgress();
    progress.SetCurrent(170);
    EXPECT_EQ(BarPos(progress), 100);
    EXPECT_EQ(Line(progress), "120 % complete");
    progress.SetCurrent(10);
    EXPECT_EQ(BarPos(progress), 0);
    EXPECT_EQ(Line(progress), "-40 % complete");
    EXPECT_EQ(progress.GetCurrent(), 10);
    // Only what an int cannot hold is held back.
    progress.SetCurrent(1e300);
    EXPECT_EQ(BarPos(progress), 100);
    EXPECT_EQ(Line(progress), "2147483647 % complete");
    progress.SetCurrent(NAN);
    EXPECT_EQ(Line(progress), "0 % complete");
}

TEST(ProgressWindow, AnEmptyRangeNeverDivides)
{
    QELProgress progress("Work", "", 5, 5);
    progress.StartProgress();
    // At the bound from the start.
    EXPECT_EQ(Line(progress), "100 % complete");
    progress.SetCurrent(4.999);
    EXPECT_EQ(BarPos(progress), 0);
    EXPECT_EQ(Line(progress), "0 % complete");
    progress.SetCurrent(5);
    EXPECT_EQ(BarPos(progress), 100);
    progress.SetMin(0);
    progress.SetMax(0);
    progress.SetCurrent(-1);
    EXPECT_EQ(Line(progress), "0 % complete");
}

TEST(ProgressWindow, StatusLinesAndDeferredBounds)
{
    QELProgress progress;
    progress.StartProgress();
    progress.SetStatus("Copying report.txt");
    progress.SetCurrent(40);
    EXPECT_EQ(Line(progress), "Copying report.txt");
    EXPECT_EQ(BarPos(progress), 40);
    // Back to the percentage, from the next change on.
    progress.SetStatus("");
    EXPECT_EQ(Line(progress), "");
    progress.StepIt(2);
    EXPECT_EQ(Line(progress), "42 % complete");
    EXPECT_EQ(progress.GetStatus(), "");

    // A new bound shows only with the next position.
    progress.SetMax(50);
    EXPECT_EQ(BarPos(progress), 42);
    progress.SetCurrent(25);
    EXPECT_EQ(BarPos(progress), 50);

    progress.SetTitle("Almost done");
    EXPECT_EQ(WindowText(Window(progress)), "Almost done");
}

TEST(ProgressWindow, ValuesOutliveTheWindowAndAStartBeginsAtTheMinimum)
{
    QELProgress progress("Pass", "Preparing", 10, 20);
    // Before the window: only the values change, nothing fails.
    progress.SetCurrent(15);
    progress.SetTitle("Pass 1");
    progress.StartProgress();
    EXPECT_EQ(WindowText(Window(progress)), "Pass 1");
    EXPECT_EQ(Line(progress), "Preparing");
    EXPECT_EQ(progress.GetCurrent(), 10);
    progress.SetCurrent(18);
    progress.EndProgress();
    progress.SetCurrent(19);  // no window: nothing to update
    EXPECT_EQ(progress.GetCurrent(), 19);
    progress.StartProgress();
    EXPECT_EQ(BarPos(progress), 0);
    // Starting while shown keeps one window and starts over.
    HWND hFirst = Window(progress);
    progress.SetCurrent(20);
    progress.StartProgress();
    EXPECT_EQ(Window(progress), hFirst);
    EXPECT_EQ(BarPos(progress), 0);
}

TEST(ProgressWindow, OwnerIsTheMainWindowWhenNoneIsGiven)
{
    CFrameWnd* pMain = new CFrameWnd;
    ASSERT_TRUE(pMain->Create(nullptr, "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 400)));
    HWND hMain = pMain->m_hWnd;
    {
        MainWindowScope scope(pMain);
        QELProgress progress;
        EXPECT_EQ(progress.GetParentWnd(), nullptr);
        progress.StartProgress();
        EXPECT_EQ(progress.GetParentWnd(), pMain);
        EXPECT_EQ(::GetWindow(Window(progress), GW_OWNER), hMain);

        // A parent of the caller's own is kept.
        CFrameWnd* pOther = new CFrameWnd;
        ASSERT_TRUE(pOther->Create(nullptr, "Other", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
        QELProgress owned("Owned", "", 0, 1, pOther);
        owned.StartProgress();
        EXPECT_EQ(owned.GetParentWnd(), pOther);
        EXPECT_EQ(::GetWindow(Window(owned), GW_OWNER), pOther->m_hWnd);
        owned.EndProgress();
        pOther->DestroyWindow();
    }
    pMain->DestroyWindow();
}

TEST(ProgressWindow, DestroyingTheObjectTakesTheWindow)
{
    HWND hWnd = nullptr;
    {
        QELProgress progress;
        progress.StartProgress();
        hWnd = Window(progress);
        ASSERT_TRUE(::IsWindow(hWnd));
    }
    EXPECT_FALSE(::IsWindow(hWnd));
}

// The window can go without the object's word: with its owner, or closed by
// the user (Escape ends a modeless dialog by hiding it). The object goes on
// without it, and the next start shows a window again.
TEST(ProgressWindow, AWindowGoneWithItsOwnerOrClosedByTheUser)
{
    CRecordingFrame owner;
    QELProgress progress("Copying", "", 0, 10, &owner);
    progress.StartProgress();
    HWND hFirst = Window(progress);
    ASSERT_TRUE(::IsWindow(hFirst));
    owner.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hFirst));
    EXPECT_EQ(Window(progress), nullptr);
    progress.SetCurrent(5);
    progress.StepIt(1);
    progress.SetStatus("Still copying");
    progress.SetTitle("Copying on");
    progress.EndProgress();
    EXPECT_EQ(progress.GetCurrent(), 6);

    // The owner has no window now: the new one has no owner, and shows.
    progress.StartProgress();
    ASSERT_TRUE(::IsWindow(Window(progress)));
    EXPECT_TRUE(::IsWindowVisible(Window(progress)));
    EXPECT_EQ(::GetWindow(Window(progress), GW_OWNER), nullptr);
    EXPECT_EQ(WindowText(Window(progress)), "Copying on");

    // Escape, as the user presses it.
    ::SendMessageA(Window(progress), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    PumpMessages(20);
    progress.SetCurrent(7);
    progress.StartProgress();
    EXPECT_TRUE(::IsWindowVisible(Window(progress))) << "a start after the user closed the window showed nothing";
    EXPECT_EQ(BarPos(progress), 0);
    progress.EndProgress();
}
