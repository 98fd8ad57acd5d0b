// The real-number and coordinate prompts, the about box and the formatted
// message, each answered through the real modal loop.
#include "DialogsTestSupport.h"
#include "ModalAnswerer.h"
#include "PixelReader.h"
#include "UserInput.h"
#include <gtest/gtest.h>
#include <cfloat>
#include <cmath>
#include <string>
#include <vector>

namespace {
const int IDC_REAL_VALUE = 22000;
const int IDC_REAL_PROMPT = 22001;

QELRealEdit* RealField(HWND hDlg, int nID)
{
    return static_cast<QELRealEdit*>(CWnd::FromHandlePermanent(::GetDlgItem(hDlg, nID)));
}
}

TEST(RealPrompt, DefaultsShowTheTemplateCaptionAndTheValueWithoutTrailingZeros)
{
    double value = 2.5;
    std::string prompt, field, layout;
    ModalAnswerer answer([&](HWND hDlg) {
        prompt = ItemText(hDlg, IDC_REAL_PROMPT);
        field = ItemText(hDlg, IDC_REAL_VALUE);
        for (auto [id, place] : { std::pair<int, DialogUnits>{ IDC_REAL_VALUE, { 100, 7, 50, 12 } },
                                  { IDC_REAL_PROMPT, { 7, 9, 90, 8 } },
                                  { IDOK, { 25, 36, 50, 14 } },
                                  { IDCANCEL, { 83, 36, 50, 14 } } })
            layout += CheckPlacement(hDlg, id, place);
        Retype(::GetDlgItem(hDlg, IDC_REAL_VALUE), "-12.75");
        ModalAnswerer::PressButton(IDOK)(hDlg);
    });
    EXPECT_EQ(QELGUIUtils::Real(value, "", ""), 1);
    ASSERT_TRUE(answer.Answered());
    EXPECT_EQ(answer.caption, "Real Number");
    EXPECT_EQ(prompt, "Real Number");
    EXPECT_EQ(field, "2.5");
    EXPECT_EQ(layout, "");
    EXPECT_EQ(value, -12.75);
}

TEST(RealPrompt, TitlePromptAndBoundsReachTheField)
{
    double value = 5.0;
    double dMin = 0, dMax = 0;
    int nMinusRefused = -1, nZero = -1, nTen = -1, nAboveTen = -1;
    std::string prompt, afterMinus;
    ModalAnswerer answer([&](HWND hDlg) {
        prompt = ItemText(hDlg, IDC_REAL_PROMPT);
        QELRealEdit* pField = RealField(hDlg, IDC_REAL_VALUE);
        pField->GetRange(dMin, dMax);
        // An exclusive minimum of 0 refuses both a sign and 0 itself.
        Retype(pField->m_hWnd, "-");
        afterMinus = WindowText(pField->m_hWnd);
        nMinusRefused = afterMinus.empty();
        pField->SetWindowText("0");
        nZero = pField->IsValid();
        pField->SetWindowText("10");
        nTen = pField->IsValid();
        pField->SetWindowText("10.5");
        nAboveTen = pField->IsValid();
        ModalAnswerer::PressButton(IDCANCEL)(hDlg);
    });
    EXPECT_EQ(QELGUIUtils::Real(value, "Cut length", "Length in m", 0.0, 10.0, FALSE, TRUE), 0);
    EXPECT_EQ(answer.caption, "Cut length");
    EXPECT_EQ(prompt, "Length in m");
    EXPECT_EQ(dMin, 0.0);
    EXPECT_EQ(dMax, 10.0);
    EXPECT_EQ(nMinusRefused, 1) << "text after typing '-': '" << afterMinus << "'";
    EXPECT_EQ(nZero, 1);
    EXPECT_EQ(nTen, 0);
    EXPECT_EQ(nAboveTen, 1);
    // Cancelled: the caller's value as it was.
    EXPECT_EQ(value, 5.0);
}

TEST(RealPrompt, OnlyTheExactSentinelsMeanNoBound)
{
    double value = 1.0;
    double dMin = 0, dMax = 0;
    auto readRange = [&](HWND hDlg) {
        RealField(hDlg, IDC_REAL_VALUE)->GetRange(dMin, dMax);
        Retype(::GetDlgItem(hDlg, IDC_REAL_VALUE), "-3");
        ModalAnswerer::PressButton(IDOK)(hDlg);
    };
    {
        // DBL_MIN and DBL_MAX: the field keeps every double, and a negative number goes through.
        ModalAnswerer answer(readRange);
        EXPECT_EQ(QELGUIUtils::Real(value, "", "", DBL_MIN, DBL_MAX, TRUE, TRUE), 1);
        EXPECT_EQ(dMin, -DBL_MAX);
        EXPECT_EQ(dMax, DBL_MAX);
        EXPECT_EQ(value, -3.0);
    }
    {
        // The neighbours of the sentinels are real bounds.
        value = 1.0;
        double dJustAboveMin = std::nextafter(DBL_MIN, 1.0);
        double dJustBelowMax = std::nextafter(DBL_MAX, 0.0);
        std::string afterMinus = "?";
        ModalAnswerer answer([&](HWND hDlg) {
            RealField(hDlg, IDC_REAL_VALUE)->GetRange(dMin, dMax);
            Retype(::GetDlgItem(hDlg, IDC_REAL_VALUE), "-");
            afterMinus = ItemText(hDlg, IDC_REAL_VALUE);
            ModalAnswerer::PressButton(IDCANCEL)(hDlg);
        });
        EXPECT_EQ(QELGUIUtils::Real(value, "", "", dJustAboveMin, dJustBelowMax, TRUE, TRUE), 0);
        EXPECT_EQ(dMin, dJustAboveMin);
        EXPECT_EQ(dMax, dJustBelowMax);
        EXPECT_EQ(afterMinus, "");
    }
}

TEST(RealPrompt, ADialogThatCannotBeShownIsNoConfirmation)
{
    double value = 7.25;
    double x = 1, y = 2, z = 3;
    RefuseDialogs refuse;
    EXPECT_EQ(QELGUIUtils::Real(value, "", ""), 0);
    EXPECT_EQ(QELGUIUtils::Coordinates(x, y, z), 0);
    EXPECT_GE(refuse.Refused(), 2);
    EXPECT_EQ(value, 7.25);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 2);
    EXPECT_EQ(z, 3);
}

TEST(RealPrompt, TheLibraryTemplateWinsOverTheApplicationsOwn)
{
    // The program's own template 5003 is what a plain look-up finds...
    {
        CDialog own(5003);
        ModalAnswerer answer(ModalAnswerer::PressButton(IDOK));
        EXPECT_EQ(own.DoModal(), IDOK);
        EXPECT_EQ(answer.caption, "Application 5003");
    }
    // ...but the prompt shows the library's.
    double value = 0;
    bool bHasField = false;
    ModalAnswerer answer([&](HWND hDlg) {
        bHasField = ::GetDlgItem(hDlg, IDC_REAL_VALUE) != nullptr;
        ModalAnswerer::PressButton(IDCANCEL)(hDlg);
    });
    QELGUIUtils::Real(value);
    EXPECT_EQ(answer.caption, "Real Number");
    EXPECT_TRUE(bHasField);
}

TEST(CoordinatePrompt, ShowsTheValuesAndReturnsTheTypedOnes)
{
    double x = 1.5, y = -2.0, z = 3.125;
    std::string shown, layout;
    ModalAnswerer answer([&](HWND hDlg) {
        shown = ItemText(hDlg, 1006) + "|" + ItemText(hDlg, 1007) + "|" + ItemText(hDlg, 1008);
        for (auto [id, place] : { std::pair<int, DialogUnits>{ 1006, { 19, 7, 50, 12 } },
                                  { 1007, { 89, 7, 50, 12 } },
                                  { 1008, { 159, 7, 50, 12 } },
                                  { IDOK, { 53, 36, 50, 14 } },
                                  { IDCANCEL, { 111, 36, 50, 14 } } })
            layout += CheckPlacement(hDlg, id, place);
        Retype(::GetDlgItem(hDlg, 1006), "10");
        Retype(::GetDlgItem(hDlg, 1007), "-0.5");
        Retype(::GetDlgItem(hDlg, 1008), "1234.567");
        ModalAnswerer::PressButton(IDOK)(hDlg);
    });
    EXPECT_EQ(QELGUIUtils::Coordinates(x, y, z), 1);
    EXPECT_EQ(answer.caption, "Coordinates");
    EXPECT_EQ(shown, "1.5|-2|3.125");
    EXPECT_EQ(layout, "");
    EXPECT_EQ(x, 10.0);
    EXPECT_EQ(y, -0.5);
    EXPECT_EQ(z, 1234.567);
}

TEST(CoordinatePrompt, CancelLeavesTheValuesExactlyAsPassed)
{
    double x = 0.1, y = -1e-300, z = 123456789.125;
    ModalAnswerer answer([&](HWND hDlg) {
        Retype(::GetDlgItem(hDlg, 1006), "9");
        ModalAnswerer::PressButton(IDCANCEL)(hDlg);
    });
    EXPECT_EQ(QELGUIUtils::Coordinates(x, y, z, "Pick a point"), 0);
    EXPECT_EQ(answer.caption, "Pick a point");
    EXPECT_EQ(x, 0.1);
    EXPECT_EQ(y, -1e-300);
    EXPECT_EQ(z, 123456789.125);
}

TEST(AboutBox, CaptionLinesBoldProductAndTheLibrarysBanner)
{
    CFrameWnd* pOwner = new CFrameWnd;
    ASSERT_TRUE(pOwner->Create(nullptr, "Owner", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)));
    HWND hOwner = pOwner->m_hWnd;
    HWND hOwnerSeen = nullptr;
    int nBoldPixels = 0, nRegularPixels = 0;
    BITMAP banner = {};
    bool bLinks = false;
    std::string layout;
    ModalAnswerer answer([&](HWND hDlg) {
        hOwnerSeen = ::GetWindow(hDlg, GW_OWNER);
        // The product line paints in bold: the same text in the regular
        // weight covers fewer pixels.
        HWND hProduct = ::GetDlgItem(hDlg, 1013);
        RECT rcProduct;
        ::GetClientRect(hProduct, &rcProduct);
        COLORREF crText = ::GetSysColor(COLOR_BTNTEXT);
        nBoldPixels = CountPixels(hProduct, rcProduct, crText);
        static_cast<QELStatic*>(CWnd::FromHandlePermanent(hProduct))->SetFontBold(FALSE);
        nRegularPixels = CountPixels(hProduct, rcProduct, crText);
        // The banner static is the first control of the template.
        HWND hBanner = ::GetWindow(hDlg, GW_CHILD);
        HBITMAP hBitmap = (HBITMAP)::SendMessageA(hBanner, STM_GETIMAGE, IMAGE_BITMAP, 0);
        ::GetObjectA(hBitmap, sizeof(banner), &banner);
        bLinks = dynamic_cast<QELHyperlink*>(CWnd::FromHandlePermanent(::GetDlgItem(hDlg, 1016))) != nullptr &&
                 dynamic_cast<QELHyperlink*>(CWnd::FromHandlePermanent(::GetDlgItem(hDlg, 1017))) != nullptr &&
                 dynamic_cast<QELStatic*>(CWnd::FromHandlePermanent(::GetDlgItem(hDlg, 1013))) != nullptr;
        for (auto [id, place] : { std::pair<int, DialogUnits>{ 1013, { 7, 80, 181, 8 } },
                                  { 1016, { 41, 104, 78, 8 } },
                                  { 1017, { 41, 116, 58, 8 } },
                                  { 1014, { 14, 150, 248, 8 } },
                                  { 1015, { 14, 161, 248, 8 } },
                                  { IDOK, { 116, 239, 50, 14 } } })
            layout += CheckPlacement(hDlg, id, place);
        ModalAnswerer::PressButton(IDOK)(hDlg);
    });
    QELGUIUtils::About("Demo 1.0", "Jane Doe", "Example Ltd", &hOwner);
    EXPECT_EQ(answer.caption, "About Demo 1.0");
    EXPECT_EQ(answer.controlText[1013], "Demo 1.0");
    EXPECT_EQ(answer.controlText[1014], "Jane Doe");
    EXPECT_EQ(answer.controlText[1015], "Example Ltd");
    EXPECT_EQ(hOwnerSeen, hOwner);
    EXPECT_GT(nRegularPixels, 0);
    EXPECT_GT(nBoldPixels, nRegularPixels + nRegularPixels / 5);
    EXPECT_TRUE(bLinks);
    EXPECT_EQ(layout, "");
    // The library's 270 x 102 banner, not the program's own bitmap 5000.
    EXPECT_EQ(banner.bmWidth, 270);
    EXPECT_EQ(banner.bmHeight, 102);
    pOwner->DestroyWindow();
}

TEST(FormattedMessage, FormatsInFullWithAnOkButton)
{
    {
        ModalAnswerer answer(ModalAnswerer::PressButton(IDOK));
        QELGUIUtils::Message("%d files copied to %s (%.1f%%)", 42, "D:\\Backup", 99.5);
        EXPECT_EQ(answer.messageText, "42 files copied to D:\\Backup (99.5%)");
        EXPECT_EQ(answer.buttonTexts.size(), 1u);
    }
    {
        // Far longer than any fixed buffer: nothing is cut.
        std::string longText(20000, 'x');
        longText += "end";
        ModalAnswerer answer(ModalAnswerer::PressButton(IDOK));
        QELGUIUtils::Message("[%s]", longText.c_str());
        EXPECT_EQ(answer.messageText.size(), longText.size() + 2);
        EXPECT_EQ(answer.messageText.substr(answer.messageText.size() - 4), "end]");
    }
}

// From the keyboard the two links are places of their own: Tab goes from OK
// to the web link, the mail link and back to OK.
TEST(AboutBox, TabReachesBothLinks)
{
    std::vector<int> order;
    ModalAnswerer answer([&](HWND hDlg) {
        HWND hCtl = ::GetDlgItem(hDlg, IDOK);
        for (int i = 0; i < 3; ++i) {
            hCtl = ::GetNextDlgTabItem(hDlg, hCtl, FALSE);
            order.push_back(::GetDlgCtrlID(hCtl));
        }
        ModalAnswerer::PressButton(IDOK)(hDlg);
    });
    QELGUIUtils::About("Demo", "", "");
    ASSERT_TRUE(answer.Answered());
    EXPECT_EQ(order, (std::vector<int>{ 1016, 1017, IDOK }));
}
