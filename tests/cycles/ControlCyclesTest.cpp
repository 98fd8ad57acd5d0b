// Create, use and destroy each control many times over: the process's GDI and
// USER objects and the library's own blocks are the same at the end as after
// the first cycles (which load what the platform keeps for the process:
// window classes, the tooltip class, cursors, fonts and glyphs it realised).
// No tolerance: a single object left behind per cycle shows as thousands.
//
// CI runs 1,000 cycles of each class; scripts/cycles runs 10,000
// (ZUZ_CYCLES=10000), which under Wine takes longer than CI should wait.
#include "ObjectCounts.h"
#include "RecordingParent.h"
#include <gtest/gtest.h>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {

class ControlCycles : public testing::Test
{
protected:
    CRecordingFrame frame;
    const CRect rc{ 5, 5, 205, 29 };
};

TEST_F(ControlCycles, Labels)
{
    ExpectNothingLeftAfterCycles("QELStatic", [&](int i) {
        QELStatic label;
        ASSERT_TRUE(label.Create("label", WS_CHILD | WS_VISIBLE, rc, &frame, 100));
        label.SetBkColor(RGB(i & 255, 0, 0), RGB(0, 0, 255), i % 2 ? QELStatic::GradientFill : QELStatic::SolidFill)
            .SetFontBold(i % 2)
            .SetFontSize(8 + i % 5)
            .SetFont3D(i % 3 == 0)
            .SetRotationAngle(i % 360, i % 4 == 0)
            .FlashText(TRUE)
            .SetText("flashing");
        label.SendMessage(WM_TIMER, 1);
        label.UpdateWindow();
        if (i % 2)
            label.DestroyWindow();  // else the object takes its window with it
    });
}

TEST_F(ControlCycles, Links)
{
    ExpectNothingLeftAfterCycles("QELHyperlink", [&](int i) {
        QELHyperlink link;
        ASSERT_TRUE(link.Create("www.example.com", WS_CHILD | WS_VISIBLE, rc, &frame, 101));
        link.ActiveToolTip(1);
        link.SetTootTipText("a tip");
        link.SetToolTipBgColor(RGB(i & 255, 255, 200));
        link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(-50, -50));
        link.UpdateWindow();
        if (i % 2)
            link.DestroyWindow();
    });
}

TEST_F(ControlCycles, ColourCombos)
{
    ExpectNothingLeftAfterCycles("QELColorComboBox", [&](int i) {
        QELColorComboBox combo;
        ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                                 CRect(5, 5, 205, 200), &frame, 102));
        combo.SetColor(RGB(i & 255, 1, 2));
        combo.SetColor(RGB(255, 0, 0));
        combo.UpdateWindow();
        if (i % 2)
            combo.DestroyWindow();
    });
}

TEST_F(ControlCycles, TooltipEdits)
{
    ExpectNothingLeftAfterCycles("QELEdit", [&](int i) {
        QELEdit edit;
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, rc, &frame, 103));
        edit.SetTooltipText("a tip", TRUE);
        edit.SetTooltipText(i % 2 ? "another tip" : "a tip", i % 3 == 0);
        MSG msg = { edit.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3) };
        edit.PreTranslateMessage(&msg);
        if (i % 2)
            edit.DestroyWindow();
    });
}

TEST_F(ControlCycles, NumericEdits)
{
    CEdit other;
    ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE, CRect(5, 60, 205, 84), &frame, 105));
    ExpectNothingLeftAfterCycles("QELIntegerEdit", [&](int i) {
        QELIntegerEdit edit;
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, rc, &frame, 104));
        edit.SetRange(-100, 100);
        edit.SetFocus();
        edit.SendMessage(WM_CHAR, '0' + i % 10, 1);
        edit.SendMessage(WM_CHAR, 'x', 1);  // refused
        other.SetFocus();                   // the focus-loss rewrite
        if (i % 2)
            edit.DestroyWindow();
    });
    ExpectNothingLeftAfterCycles("QELRealEdit", [&](int i) {
        QELRealEdit edit;
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, rc, &frame, 104));
        edit.SetRange(0, 10, FALSE, TRUE);
        edit.SetPrecision(40);  // texts long enough for blocks of their own
        edit.SetFocus();
        edit.SendMessage(WM_CHAR, '.', 1);
        edit.SendMessage(WM_CHAR, '1' + i % 9, 1);
        edit.SendMessage(WM_CHAR, 'e', 1);  // refused
        other.SetFocus();
        if (i % 2)
            edit.DestroyWindow();
    });
}

TEST(RegistryCycles, KeysAndValues)
{
    const CString strPath = "Software\\ZUZIVU70 Tests\\Cycles";
    ExpectNothingLeftAfterCycles("QELRegistry", [&](int i) {
        QELRegistry reg;
        ASSERT_EQ(1, reg.CreateKey(strPath));
        reg.WriteString("Text", "a setting long enough for a block of its own");
        EXPECT_EQ(reg.ReadString("Text", "").GetLength(), 44);
        reg.RenameValue("Text", "Moved");
        CFont font;
        font.CreatePointFont(80 + i % 5, "Arial");
        reg.WriteFont("Font", &font);
        reg.ReadFont("Font", &font);
        reg.WriteDateTime("Date", COleDateTime(2024, 1, 1 + i % 28, 0, 0, 0));
        reg.ReadDateTime("Date", COleDateTime());
        reg.DeleteValue("Moved");
    });
    ::RegDeleteTreeA(HKEY_CURRENT_USER, strPath);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, strPath);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ZUZIVU70 Tests");
}

}  // namespace
