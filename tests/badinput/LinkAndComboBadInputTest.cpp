// QELHyperlink and QELColorComboBox given bad input in every state of their
// windows: documented answers, no crash, and a live control still usable.
#include "BadInputSupport.h"
#include "ControlTestSupport.h"
#include <cstring>

namespace {

const int kId = 100;

std::vector<BadInput> LinkTable(TestableHyperlink& link, WindowState state)
{
    const bool bLive = state == WindowState::Live;
    auto tipText = [&link]() -> std::string {
        if (link.m_ToolTip.m_hWnd == nullptr)
            return "<no tip>";
        CString str;
        link.m_ToolTip.GetText(str, &link, 1001);
        return std::string(str);
    };
    return {
        { "empty, 1 MB and double-byte link texts are kept whole",
          [&link, bLive] {
              for (const char* text : { "", OddTexts::Megabyte().c_str(), OddTexts::DoubleByte() }) {
                  link.SetLinkText(text);
                  EXPECT_TRUE(std::string(link.GetLinkText()) == text);
                  if (bLive) {
                      CString strWindow;
                      link.GetWindowText(strWindow);
                      EXPECT_TRUE(std::string(strWindow) == text);
                  }
              }
          } },
        { "1 MB and double-byte URLs are kept whole",
          [&link] {
              link.SetLinkUrl(OddTexts::Megabyte().c_str());
              EXPECT_EQ(link.GetLinkUrl().GetLength(), 1 << 20);
              link.SetLinkUrl(OddTexts::DoubleByte());
              EXPECT_STREQ(link.GetLinkUrl(), OddTexts::DoubleByte());
              link.SetLinkUrl("");
          } },
        { "tooltip text null, before and after activation",
          [&link, tipText, bLive] {
              link.ActiveToolTip(0);
              link.SetTootTipText("ignored while inactive");
              EXPECT_NE(tipText(), "ignored while inactive");
              link.ActiveToolTip(-1);
              link.SetTootTipText(nullptr);
              if (bLive) {
                  EXPECT_EQ(tipText(), "");
              }
              link.SetTootTipText(OddTexts::DoubleByte());
              if (bLive) {
                  EXPECT_EQ(tipText(), OddTexts::DoubleByte());
              }
              link.SetTootTipText(OddTexts::Megabyte().c_str());
              link.ActiveToolTip(0);
          } },
        { "tooltip colours with every bit set",
          [&link] {
              link.SetToolTipTextColor(0xFFFFFFFF);
              link.SetToolTipBgColor(0xFFFFFFFF);
              link.SetLinkColor(0xFFFFFFFF);
              link.SetHoverColor(CLR_INVALID);
              link.SetVisitedColor(CLR_DEFAULT);
          } },
        { "fire-child flag with odd values",
          [&link] {
              link.SetFireChild(-1);
              link.SetFireChild(0x100);
              link.SetFireChild(0);
          } },
        { "mouse messages far outside, then a click that tells the parent",
          [&link, bLive] {
              if (!bLive)
                  return;
              link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
              link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(-32768, 32767));
              EXPECT_NE(::GetCapture(), link.m_hWnd);
              link.SetFireChild(1);
              link.GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(kId, STN_CLICKED), (LPARAM)link.m_hWnd);
              link.SetFireChild(0);
          } },
    };
}

TEST(LinkBadInput, EveryOperationInEveryState)
{
    for (WindowState state : kAllStates) {
        DialogTemplate tmpl("links", 200, 60);
        tmpl.Add("STATIC", "www.example.com", kId, WS_VISIBLE | SS_LEFT, 5, 5, 150, 12);
        CRecordingDialog dlg(tmpl);
        ASSERT_TRUE(dlg.CreateModeless());
        TestableHyperlink link;
        if (state != WindowState::NeverCreated) {
            ASSERT_TRUE(link.SubclassDlgItem(kId, &dlg));
        }
        if (state == WindowState::Destroyed)
            link.DestroyWindow();
        RunTable("QELHyperlink", state, LinkTable(link, state));
        Settle();
    }
}

TEST(LinkBadInput, OpeningNothingWithoutAWindowFails)
{
    // No URL and no window text to fall back on: the shell is asked for
    // nothing and says so.
    QELHyperlink link;
    EXPECT_FALSE(link.GoToLinkUrl(""));
}

std::vector<BadInput> ComboTable(QELColorComboBox& combo, WindowState state)
{
    const bool bLive = state == WindowState::Live;
    return {
        { "colour of no selection is CB_ERR",
          [&combo] {
              combo.SetCurSel(-1);
              EXPECT_EQ(combo.GetColor(), (COLORREF)CB_ERR);
          } },
        { "every bit set, and black",
          [&combo, bLive] {
              combo.SetColor(0xFFFFFFFF);
              EXPECT_EQ(combo.GetColor(), bLive ? 0xFFFFFFFFu : (COLORREF)CB_ERR);
              combo.SetColor(0);
              EXPECT_EQ(combo.GetColor(), bLive ? 0u : (COLORREF)CB_ERR);
          } },
        { "entries with empty, 1 MB and double-byte names",
          [&combo, bLive] {
              int nBefore = combo.GetCount();
              combo.AddColor("", RGB(1, 2, 3));
              combo.AddColor(OddTexts::Megabyte().c_str(), RGB(4, 5, 6));
              combo.AddColor(OddTexts::DoubleByte(), RGB(7, 8, 9));
              if (bLive) {
                  EXPECT_EQ(combo.GetCount(), nBefore + 3);
                  combo.SetColor(RGB(7, 8, 9));
                  CString strName;
                  combo.GetLBText(combo.GetCurSel(), strName);
                  EXPECT_STREQ(strName, OddTexts::DoubleByte());
              } else {
                  EXPECT_EQ(combo.GetCount(), CB_ERR);
              }
          } },
        { "drawing with null, a missing item and no device context",
          [&combo] {
              combo.DrawItem(nullptr);
              DRAWITEMSTRUCT dis = {};
              dis.CtlType = ODT_COMBOBOX;
              dis.itemID = 100000;
              dis.itemState = ODS_SELECTED | ODS_FOCUS | ODS_DISABLED;
              dis.rcItem = { 0, 0, -50, -50 };
              combo.DrawItem(&dis);  // no device context
              CDC dc;
              dc.CreateCompatibleDC(nullptr);
              dis.hDC = dc.GetSafeHdc();
              combo.DrawItem(&dis);
              dis.itemID = (UINT)-1;
              combo.DrawItem(&dis);
          } },
    };
}

TEST(ColorComboBadInput, EveryOperationInEveryState)
{
    for (WindowState state : kAllStates) {
        CRecordingFrame frame;
        QELColorComboBox combo;
        if (state != WindowState::NeverCreated) {
            ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                                     CRect(5, 5, 205, 200), &frame, kId));
        }
        if (state == WindowState::Destroyed)
            combo.DestroyWindow();
        RunTable("QELColorComboBox", state, ComboTable(combo, state));
        Settle();
    }
}

}  // namespace
