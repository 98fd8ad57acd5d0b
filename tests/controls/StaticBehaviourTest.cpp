// The decorated label's font description, styles, flashing and cursor.
#include "LabelTestSupport.h"
#include "CodePagePrefix.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {
const UINT kLabelId = 101;

DialogTemplate LabelDialog(DWORD style = SS_LEFT)
{
    DialogTemplate t("Labels", 200, 80);
    t.Add("STATIC", "Dialog label", kLabelId, WS_VISIBLE | style, 10, 10, 150, 20);
    return t;
}

std::string Face(const LOGFONT& lf) { return std::string(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE)); }

LOGFONT FontOf(HFONT hFont)
{
    LOGFONT lf = {};
    ::GetObjectA(hFont, sizeof(lf), &lf);
    return lf;
}
}

TEST(StaticFont, AttachTakesTheWindowFont)
{
    DialogTemplate tmpl = LabelDialog();
    CRecordingDialog dlg(tmpl);
    ASSERT_TRUE(dlg.CreateModeless());
    TestableStatic label;
    ASSERT_TRUE(label.SubclassDlgItem(kLabelId, &dlg));
    const LOGFONT dialogFont = FontOf(reinterpret_cast<HFONT>(label.SendMessage(WM_GETFONT)));
    EXPECT_EQ(Face(label.m_lf), Face(dialogFont));
    EXPECT_EQ(label.m_lf.lfHeight, dialogFont.lfHeight);
    ASSERT_NE(label.m_font.GetSafeHandle(), nullptr);
    EXPECT_EQ(Face(FontOf(label.m_font)), Face(dialogFont));

    // Created without a font: the system font.
    CRecordingFrame frame;
    TestableStatic created;
    ASSERT_TRUE(created.Create("x", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &frame, kLabelId));
    EXPECT_EQ(Face(created.m_lf), Face(FontOf(static_cast<HFONT>(::GetStockObject(SYSTEM_FONT)))));
}

TEST(StaticFont, SettersChangeOneAttributeEach)
{
    DialogTemplate tmpl = LabelDialog();
    CRecordingDialog dlg(tmpl);
    ASSERT_TRUE(dlg.CreateModeless());
    TestableStatic label;
    ASSERT_TRUE(label.SubclassDlgItem(kLabelId, &dlg));
    const LOGFONT before = label.m_lf;

    QELStatic& same = label.SetFontBold(TRUE);
    EXPECT_EQ(&same, &label);
    EXPECT_EQ(label.m_lf.lfWeight, FW_BOLD);
    label.SetFontBold(FALSE);
    EXPECT_EQ(label.m_lf.lfWeight, FW_NORMAL);
    label.SetFontItalic(TRUE).SetFontUnderline(TRUE);
    EXPECT_EQ(label.m_lf.lfItalic, 1);
    EXPECT_EQ(label.m_lf.lfUnderline, 1);
    // The low byte is stored, as a LOGFONT holds it.
    label.SetFontItalic(0x102);
    EXPECT_EQ(label.m_lf.lfItalic, 2);

    label.SetFontName("Courier New", DEFAULT_CHARSET);
    EXPECT_EQ(Face(label.m_lf), "Courier New");
    EXPECT_EQ(label.m_lf.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(label.m_lf.lfHeight, before.lfHeight);
    EXPECT_EQ(Face(FontOf(label.m_font)), "Courier New");

    // Points for the screen, rounded to the nearest pixel.
    HDC hScreen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(nullptr, hScreen);
    for (int points : { 8, 11, 14, 30 }) {
        label.SetFontSize(points);
        EXPECT_EQ(label.m_lf.lfHeight, -::MulDiv(dpi, points * 10, 720)) << points << " points";
        EXPECT_EQ(label.m_lf.lfWidth, 0);
        EXPECT_EQ(Face(label.m_lf), "Courier New");
    }
    // Sizes beyond any font do not overflow.
    label.SetFontSize(INT_MAX);
    label.SetFontSize(INT_MIN);
}

TEST(StaticFont, LongFaceNamesAreCutToFit)
{
    TestableStatic label;
    const std::string longName(40, 'F');
    label.SetFontName(longName.c_str());
    EXPECT_EQ(Face(label.m_lf), std::string(LF_FACESIZE - 1, 'F'));
    EXPECT_EQ(label.m_lf.lfFaceName[LF_FACESIZE - 1], '\0');

    // A LOGFONT whose face fills the whole field without a terminator.
    LOGFONT lf = label.m_lf;
    std::memset(lf.lfFaceName, 'G', LF_FACESIZE);
    lf.lfWeight = 600;
    label.SetFont(lf);
    EXPECT_EQ(Face(label.m_lf), std::string(LF_FACESIZE - 1, 'G'));
    EXPECT_EQ(label.m_lf.lfWeight, 600);

    // Exactly 31 bytes fit as they are.
    const std::string fits(LF_FACESIZE - 1, 'H');
    label.SetFontName(fits.c_str());
    EXPECT_EQ(Face(label.m_lf), fits);
    label.SetFontName("");
    EXPECT_EQ(Face(label.m_lf), "");
}

// In any code page whose characters take several bytes (表 is 95 5C in Shift-JIS, E8 A1 A8 in
// UTF-8): a character across the 31st byte goes whole, never leaving its first bytes behind.
TEST(StaticFont, LongFaceNamesAreCutBeforeACharacter)
{
    SKIP_UNLESS_IN_ANOTHER_CODE_PAGE();
    TestableStatic label;
    const std::string ch = AnsiText(L"\u8868");
    label.SetFontName((std::string(LF_FACESIZE - 2, 'F') + ch).c_str());
    EXPECT_EQ(Face(label.m_lf), std::string(LF_FACESIZE - 2, 'F'));
    LOGFONT lf = label.m_lf;
    std::memset(lf.lfFaceName, 'G', LF_FACESIZE);
    std::memcpy(lf.lfFaceName + LF_FACESIZE - 2, ch.data(), 2);
    label.SetFont(lf);
    EXPECT_EQ(Face(label.m_lf), std::string(LF_FACESIZE - 2, 'G'));
}

TEST(StaticFont, SettersBeforeAttachWorkOnTheDefaultGuiFont)
{
    TestableStatic label;
    const LOGFONT gui = FontOf(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    EXPECT_EQ(Face(label.m_lf), Face(gui));
    label.SetFontBold(TRUE);
    EXPECT_EQ(label.m_lf.lfHeight, gui.lfHeight);
    EXPECT_EQ(label.m_lf.lfCharSet, gui.lfCharSet);
    const LOGFONT built = FontOf(label.m_font);
    EXPECT_EQ(Face(built), Face(gui));
    EXPECT_EQ(built.lfWeight, FW_BOLD);
    // Without a window the other setters store and return the label.
    EXPECT_EQ(&label.SetText("no window"), &label);
    EXPECT_EQ(&label.SetTextColor(RGB(1, 2, 3)).SetBkColor(RGB(4, 5, 6)).SetTransparent(TRUE), &label);
    EXPECT_EQ(&label.SetSunken(TRUE).SetBorder(TRUE).SetLink(TRUE).FlashText(TRUE), &label);
    EXPECT_FALSE(label.m_bTimerStarted);
}

TEST(StaticStyles, SunkenBorderAndLinkStyles)
{
    DialogTemplate tmpl = LabelDialog();
    CRecordingDialog dlg(tmpl);
    ASSERT_TRUE(dlg.CreateModeless());
    TestableStatic label;
    ASSERT_TRUE(label.SubclassDlgItem(kLabelId, &dlg));
    CRect rcPlain;
    label.GetClientRect(rcPlain);

    label.SetSunken(TRUE);
    EXPECT_TRUE(label.GetExStyle() & WS_EX_STATICEDGE);
    CRect rcSunken;
    label.GetClientRect(rcSunken);
    EXPECT_LT(rcSunken.Width(), rcPlain.Width()) << "the frame change takes effect at once";
    label.SetSunken(FALSE);
    EXPECT_FALSE(label.GetExStyle() & WS_EX_STATICEDGE);

    label.SetBorder(TRUE);
    EXPECT_TRUE(label.GetStyle() & WS_BORDER);
    label.SetBorder(FALSE);
    EXPECT_FALSE(label.GetStyle() & WS_BORDER);
    CRect rcAfter;
    label.GetClientRect(rcAfter);
    EXPECT_EQ(rcAfter, rcPlain);

    EXPECT_FALSE(label.GetStyle() & SS_NOTIFY);
    label.SetLink(TRUE, FALSE);
    EXPECT_TRUE(label.GetStyle() & SS_NOTIFY);
    EXPECT_EQ(label.m_nLinkKind, 1);
    label.SetMailLink(TRUE, TRUE);
    EXPECT_EQ(label.m_nLinkKind, 2);
    EXPECT_TRUE(label.m_bNotifyParent);
    label.SetLink(FALSE, FALSE);
    EXPECT_FALSE(label.GetStyle() & SS_NOTIFY);
    EXPECT_EQ(label.m_nLinkKind, 0);
    // The static type is never disturbed.
    EXPECT_EQ(label.GetStyle() & SS_TYPEMASK, (DWORD)SS_LEFT);
}

TEST(StaticStyles, LinkCursorShowsOverTheLabel)
{
    DialogTemplate tmpl = LabelDialog();
    CRecordingDialog dlg(tmpl);
    ASSERT_TRUE(dlg.CreateModeless());
    TestableStatic label;
    ASSERT_TRUE(label.SubclassDlgItem(kLabelId, &dlg));
    HCURSOR hCross = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32515));  // IDC_CROSS
    label.SetLinkCursor(hCross);
    ::SetCursor(nullptr);
    EXPECT_EQ(label.SendMessage(WM_SETCURSOR, (WPARAM)label.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), TRUE);
    EXPECT_EQ(::GetCursor(), hCross);
    // Without one the default processing decides.
    label.SetLinkCursor(nullptr);
    ::SetCursor(nullptr);
    label.SendMessage(WM_SETCURSOR, (WPARAM)label.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(::GetCursor(), hCross);
}

namespace {
struct FlashingLabel
{
    CRecordingFrame frame;
    TestableStatic label;
    FlashingLabel()
    {
        label.Create("Flash", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 40), &frame, kLabelId);
        label.SetTextColor(RGB(0, 0, 200));
    }
    int Ink(COLORREF color) { return FindColor(label.m_hWnd, ClientRect(label.m_hWnd), color).count; }
    void Repaint() { label.RedrawWindow(); }
    // Phase changes seen while messages run for nMs.
    int CountFlips(DWORD nMs)
    {
        int flips = 0;
        BOOL last = label.m_bFlashPhase;
        PumpUntil(
            [&] {
                if (label.m_bFlashPhase != last) {
                    ++flips;
                    last = label.m_bFlashPhase;
                }
                return false;
            },
            nMs);
        return flips;
    }
};
}

TEST(StaticFlash, TextVanishesIntoASolidBackgroundEveryOtherTick)
{
    FlashingLabel t;
    t.label.SetBkColor(RGB(240, 240, 0));
    ASSERT_GT(t.Ink(RGB(0, 0, 200)), 0);

    t.label.FlashText(TRUE);
    EXPECT_EQ(t.label.m_nFlashKind, 1);
    EXPECT_FALSE(t.label.m_bFlashPhase);
    // The setter does not repaint: the text is still there.
    EXPECT_GT(t.Ink(RGB(0, 0, 200)), 0);
    t.Repaint();
    EXPECT_EQ(t.Ink(RGB(0, 0, 200)), 0) << "phase 0 draws the text in the background colour";

    // A tick flips the phase and repaints at once.
    t.label.SendMessage(WM_TIMER, 1);
    EXPECT_TRUE(t.label.m_bFlashPhase);
    EXPECT_GT(t.Ink(RGB(0, 0, 200)), 0);
    t.label.SendMessage(WM_TIMER, 1);
    EXPECT_EQ(t.Ink(RGB(0, 0, 200)), 0);
    t.label.FlashText(FALSE);
}

TEST(StaticFlash, OnTheFaceBackgroundPhaseZeroIsBlack)
{
    FlashingLabel t;
    t.label.FlashText(TRUE);
    t.Repaint();
    EXPECT_EQ(t.Ink(RGB(0, 0, 200)), 0);
    EXPECT_GT(t.Ink(RGB(0, 0, 0)), 0);
    t.label.FlashText(FALSE);
}

TEST(StaticFlash, TimerOneTicksEvery500msUntilStopped)
{
    FlashingLabel t;
    t.label.FlashText(TRUE);
    EXPECT_TRUE(t.label.m_bTimerStarted);
    const int flips = t.CountFlips(1600);
    EXPECT_GE(flips, 2);
    EXPECT_LE(flips, 4);

    // Stopping keeps the last look and the ticks end.
    t.label.FlashText(FALSE);
    EXPECT_EQ(t.label.m_nFlashKind, 0);
    EXPECT_EQ(t.CountFlips(1200), 0);
    EXPECT_TRUE(t.label.m_bTimerStarted) << "never cleared";
    // The text is drawn normally at the next repaint, whatever the phase.
    t.Repaint();
    EXPECT_GT(t.Ink(RGB(0, 0, 200)), 0);
}

TEST(StaticFlash, FlashingTheBackgroundShowsTheFaceEveryOtherTick)
{
    FlashingLabel t;
    const COLORREF back = RGB(0, 160, 80);
    t.label.SetBkColor(back);
    t.label.FlashBackground(TRUE);
    EXPECT_EQ(t.label.m_nFlashKind, 2);
    t.Repaint();
    const RECT rc = ClientRect(t.label.m_hWnd);
    EXPECT_EQ(FindColor(t.label.m_hWnd, rc, back).count, 0);
    EXPECT_GT(FindColor(t.label.m_hWnd, rc, ::GetSysColor(COLOR_BTNFACE)).count, 0);
    // The text stays visible in both phases.
    EXPECT_GT(t.Ink(RGB(0, 0, 200)), 0);
    t.label.SendMessage(WM_TIMER, 1);
    EXPECT_GT(FindColor(t.label.m_hWnd, rc, back).count, 0);
    EXPECT_GE(t.CountFlips(1100), 1);

    // Turning it off stops the ticks but keeps the kind; the background is
    // its own colour again.
    t.label.FlashBackground(FALSE);
    EXPECT_EQ(t.label.m_nFlashKind, 2);
    EXPECT_EQ(t.CountFlips(1100), 0);
    t.Repaint();
    EXPECT_GT(FindColor(t.label.m_hWnd, rc, back).count, 0);
}
