// QELStatic given bad input in every state of its window: every setter answers
// the label itself, nothing crashes, and a live label keeps painting.
#include "BadInputSupport.h"
#include "ControlTestSupport.h"
#include <climits>
#include <cstring>

namespace {

// A label in the given state inside a frame of its own.
struct LabelInState
{
    CRecordingFrame frame;
    TestableStatic label;
    explicit LabelInState(WindowState state)
    {
        if (state == WindowState::NeverCreated)
            return;
        EXPECT_TRUE(label.Create("label", WS_CHILD | WS_VISIBLE, CRect(5, 5, 205, 35), &frame, 100));
        if (state == WindowState::Destroyed)
            label.DestroyWindow();
    }
};

std::vector<BadInput> StaticTable(TestableStatic& label, WindowState state)
{
    auto same = [&label](QELStatic& result) { EXPECT_EQ(&result, &label) << "a setter must answer the label"; };
    const bool bLive = state == WindowState::Live;
    auto textIs = [&label, bLive](const std::string& expected) {
        if (!bLive)
            return;
        CString strText;
        label.GetWindowText(strText);
        EXPECT_TRUE(std::string(strText) == expected) << "text of " << strText.GetLength() << " bytes";
    };
    auto faceTerminated = [&label] {
        EXPECT_LT(strnlen(label.m_lf.lfFaceName, LF_FACESIZE), (size_t)LF_FACESIZE) << "face name not terminated";
    };
    return {
        { "empty text",
          [=, &label] {
              same(label.SetText(""));
              textIs("");
          } },
        { "1 MB text",
          [=, &label] {
              same(label.SetText(OddTexts::Megabyte().c_str()));
              textIs(OddTexts::Megabyte());
          } },
        { "double-byte text",
          [=, &label] {
              same(label.SetText(OddTexts::DoubleByte()));
              textIs(OddTexts::DoubleByte());
          } },
        { "control characters",
          [=, &label] {
              same(label.SetText(OddTexts::Controls()));
              textIs(OddTexts::Controls());
          } },
        { "1 MB face name",
          [=, &label] {
              same(label.SetFontName(OddTexts::Megabyte().c_str()));
              faceTerminated();
          } },
        { "double-byte face name",
          [=, &label] {
              same(label.SetFontName(OddTexts::DoubleByte(), SHIFTJIS_CHARSET));
              faceTerminated();
          } },
        { "empty face name",
          [=, &label] {
              same(label.SetFontName("", 255));
              faceTerminated();
          } },
        { "font sizes out of every range",
          [=, &label] {
              for (int n : { INT_MIN, -1, 0, INT_MAX, 100000 })
                  same(label.SetFontSize(n));
              EXPECT_NE(label.m_lf.lfHeight, INT_MIN);
          } },
        { "rotation by UINT_MAX degrees", [=, &label] { same(label.SetRotationAngle(UINT_MAX, TRUE)); } },
        { "rotation back", [=, &label] { same(label.SetRotationAngle(0, FALSE)); } },
        { "fill mode and 3D type out of their enums",
          [=, &label] {
              same(label.SetBkColor(0xFFFFFFFF, 0xFFFFFFFF, (QELStatic::BackFillMode)77));
              same(label.SetFont3D(TRUE, (QELStatic::Type3D)-5));
          } },
        { "a whole LOGFONT of 0xFF bytes",
          [=, &label] {
              LOGFONT lf;
              std::memset(&lf, 0xFF, sizeof(lf));
              same(label.SetFont(lf));
              faceTerminated();
          } },
        { "link cursor null and bogus",
          [=, &label] {
              same(label.SetLinkCursor(nullptr));
              same(label.SetLinkCursor((HICON)(INT_PTR)0x7fff1234));
              if (bLive)
                  label.SendMessage(WM_SETCURSOR, (WPARAM)label.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
              same(label.SetLinkCursor(nullptr));
          } },
        { "flashing switched every way",
          [=, &label] {
              same(label.FlashText(TRUE));
              same(label.FlashBackground(TRUE));
              same(label.FlashBackground(FALSE));
              same(label.FlashText(FALSE));
              same(label.FlashText(-7));
          } },
        { "styles switched with odd BOOLs",
          [=, &label] {
              same(label.SetSunken(-1));
              same(label.SetBorder(0x10000));
              same(label.SetTransparent(-1));
              same(label.SetLink(-1, -1));
              same(label.SetMailLink(2, 0));
              same(label.SetHyperLink(OddTexts::Megabyte().c_str()));
              same(label.SetFontBold(-1).SetFontItalic(0x100).SetFontUnderline(0x1FF));
          } },
        { "gradient with null and empty arguments",
          [=, &label] {
              CDC dc;
              dc.CreateCompatibleDC(nullptr);
              CRect empty(10, 10, 0, 0);
              label.DrawGradientFill(nullptr, nullptr, 0, 0, 100);
              label.DrawGradientFill(&dc, nullptr, 0, 0, 100);
              label.DrawGradientFill(&dc, &empty, 0, 0xFFFFFF, INT_MAX);
              label.DrawGradientFill(&dc, &empty, 0, 0xFFFFFF, INT_MIN);
          } },
        { "painted after all that",
          [=, &label] {
              if (bLive) {
                  label.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
                  Settle();
                  EXPECT_TRUE(::IsWindow(label.m_hWnd));
              } else {
                  EXPECT_EQ(label.m_hWnd, nullptr);
              }
          } },
    };
}

TEST(StaticBadInput, EverySetterInEveryState)
{
    for (WindowState state : kAllStates) {
        LabelInState t(state);
        RunTable("QELStatic", state, StaticTable(t.label, state));
        t.label.FlashText(FALSE);
    }
}

TEST(StaticBadInput, ClicksWithNoParentToTellAndNoLinkToOpen)
{
    // A notifying label without a parent (a top-level window) just goes on.
    TestableStatic label;
    ASSERT_TRUE(label.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 50, 20), nullptr, 0));
    label.SetLink(TRUE, TRUE);
    label.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(2, 2));
    label.SetLink(FALSE, FALSE);
    label.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(2, 2));
    label.SendMessage(WM_TIMER, 12345, 0);  // a timer id it never started
    label.SendMessage(WM_SYSCOLORCHANGE);
    label.DestroyWindow();
}

}  // namespace
