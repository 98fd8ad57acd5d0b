// The check message box: the enlarged layout against the plain box, the
// etched separator's pixels, the check state with every button, and nothing
// left hooked or attached afterwards.
#include "DialogsTestSupport.h"
#include "ModalAnswerer.h"
#include "PixelReader.h"
#include "UserInput.h"
#include "CodePagePrefix.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>

namespace {
const int IDC_CHECK = 666;
const int IDC_SEPARATOR = 111;

struct BoxLayout
{
    RECT window = {};
    RECT check = {};      // in the box's client coordinates
    RECT separator = {};  // likewise
    LONG checkStyle = 0;
    HFONT checkFont = nullptr;
    HFONT textFont = nullptr;
    int checked = -1;
    std::string checkText;
    SIZE checkTextSize = {};  // in the message font, measured while the box is open
};

SIZE TextSize(HFONT hFont, const char* text);

BoxLayout ReadLayout(HWND hBox)
{
    BoxLayout layout;
    ::GetWindowRect(hBox, &layout.window);
    HWND hCheck = ::GetDlgItem(hBox, IDC_CHECK);
    HWND hSeparator = ::GetDlgItem(hBox, IDC_SEPARATOR);
    if (hCheck != nullptr) {
        layout.check = ChildRect(hCheck);
        layout.checkStyle = ::GetWindowLongA(hCheck, GWL_STYLE);
        layout.checkFont = (HFONT)::SendMessageA(hCheck, WM_GETFONT, 0, 0);
        layout.checked = (int)::SendMessageA(hCheck, BM_GETCHECK, 0, 0);
        layout.checkText = WindowText(hCheck);
    }
    if (hSeparator != nullptr)
        layout.separator = ChildRect(hSeparator);
    layout.textFont = (HFONT)::SendDlgItemMessageA(hBox, 0xFFFF, WM_GETFONT, 0, 0);
    // The box deletes its font when it goes: measure now.
    layout.checkTextSize = TextSize(layout.textFont, layout.checkText.c_str());
    return layout;
}

// The size of a text in the box's message font, as the layout measures it.
SIZE TextSize(HFONT hFont, const char* text)
{
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    SIZE size = {};
    ::GetTextExtentPoint32A(hDC, text, lstrlenA(text), &size);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    return size;
}

int Width(const RECT& rc) { return rc.right - rc.left; }
int Height(const RECT& rc) { return rc.bottom - rc.top; }

// Clicks the check box as the mouse would, in its middle.
void ClickCheck(HWND hBox)
{
    HWND hCheck = ::GetDlgItem(hBox, IDC_CHECK);
    RECT rc;
    ::GetClientRect(hCheck, &rc);
    input::Click(hCheck, 6, rc.bottom / 2);
}
}

TEST(CheckMessageBox, AddsARowBelowThePlainBox)
{
    const char* text = "The report has changed since it was opened.\nSave it before closing?";
    RECT plain = PlainBox(text, MB_YESNOCANCEL | MB_ICONQUESTION);
    BoxLayout layout;
    ModalAnswerer answer([&](HWND hBox) {
        layout = ReadLayout(hBox);
        ModalAnswerer::PressButton(IDNO)(hBox);
    });
    QELCheckMessageBox box;
    EXPECT_EQ(box.Message(text, MB_YESNOCANCEL | MB_ICONQUESTION, 0), IDNO);

    int cyCaption = ::GetSystemMetrics(SM_CYCAPTION);
    int cyEdge = ::GetSystemMetrics(SM_CYEDGE);
    ASSERT_NE(layout.textFont, nullptr);
    int h = std::min<int>(layout.checkTextSize.cy, 13);
    // The narrow check text keeps the width; the height grows by the row less 7.
    EXPECT_EQ(Width(layout.window), Width(plain));
    EXPECT_EQ(Height(layout.window), Height(plain) + h + 6);
    int T = Height(plain) - 7 - cyEdge - cyCaption;
    int W = Width(plain);
    EXPECT_EQ(layout.separator.left, -1);
    EXPECT_EQ(layout.separator.top, T);
    EXPECT_EQ(layout.separator.right, W);
    EXPECT_EQ(layout.separator.bottom, T + 3);
    EXPECT_EQ(layout.check.left, 7);
    EXPECT_EQ(layout.check.top, T + 6);
    EXPECT_EQ(layout.check.right, W);
    EXPECT_EQ(layout.check.bottom, T + 6 + h);
    EXPECT_EQ(layout.checkStyle & ~WS_TABSTOP, 0x50000002);
    EXPECT_EQ(layout.checkFont, layout.textFont);
    EXPECT_EQ(layout.checkText, "Do not show again");
}

TEST(CheckMessageBox, AWideCheckTextWidensTheBoxAndTheBoxIsCentredOnItsParent)
{
    CFrameWnd* pParent = new CFrameWnd;
    ASSERT_TRUE(pParent->Create(nullptr, "Parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 30, 640, 470)));
    std::string checkText = "Remember this answer for every document of this kind from now on, in every folder";
    RECT plain = PlainBox("Short.", MB_OK);
    BoxLayout layout;
    ModalAnswerer answer([&](HWND hBox) {
        layout = ReadLayout(hBox);
        ModalAnswerer::PressButton(IDOK)(hBox);
    });
    QELCheckMessageBox box(pParent, checkText.c_str());
    EXPECT_EQ(box.Message("Short.", MB_OK, 0), IDOK);

    int nNeeded = layout.checkTextSize.cx + 2 * ::GetSystemMetrics(SM_CXEDGE) + 33;
    ASSERT_GT(nNeeded, Width(plain));
    EXPECT_EQ(Width(layout.window), nNeeded);
    EXPECT_EQ(layout.check.right, nNeeded);
    EXPECT_EQ(layout.checkText, checkText);
    CRect rcParent;
    pParent->GetWindowRect(&rcParent);
    EXPECT_NEAR((layout.window.left + layout.window.right) / 2, rcParent.CenterPoint().x, 1);
    EXPECT_NEAR((layout.window.top + layout.window.bottom) / 2, rcParent.CenterPoint().y, 1);
    pParent->DestroyWindow();
}

TEST(CheckMessageBox, TheSeparatorIsAnEtchedLine)
{
    COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    COLORREF crHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    int nShadowRow = -1, nHighlightRow = -1, nWidth = 0;
    COLORREF crBeforeStart = 0, crFirst = 0, crAboveShadow = 0;
    ModalAnswerer answer([&](HWND hBox) {
        HWND hSeparator = ::GetDlgItem(hBox, IDC_SEPARATOR);
        RECT rc;
        ::GetClientRect(hSeparator, &rc);
        nWidth = rc.right;
        // Only the part inside the box's client area shows: the separator
        // starts one pixel left of it and ends past its right edge.
        RECT rowShadow = { 1, 1, rc.right - 8, 2 };
        RECT rowHighlight = { 1, 2, rc.right - 8, 3 };
        nShadowRow = CountPixels(hSeparator, rowShadow, crShadow);
        nHighlightRow = CountPixels(hSeparator, rowHighlight, crHighlight);
        crBeforeStart = PixelAt(hSeparator, 1, 1);
        crFirst = PixelAt(hSeparator, 2, 1);
        crAboveShadow = PixelAt(hSeparator, 2, 0);
        ModalAnswerer::PressButton(IDOK)(hBox);
    });
    QELCheckMessageBox box;
    box.Message("Pixels.", MB_OK, 0);
    ASSERT_GT(nWidth, 20);
    // The shadow starts at x = 2 on row 1, the highlight below it on row 2.
    EXPECT_EQ(nShadowRow, (nWidth - 8 - 1) - 1);
    EXPECT_GE(nHighlightRow, (nWidth - 8 - 1) - 1);
    // Around the groove the dialog's face shows, so the highlight half stands out.
    ASSERT_NE(::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(crBeforeStart, ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(crFirst, crShadow);
    EXPECT_EQ(crAboveShadow, ::GetSysColor(COLOR_BTNFACE));
}

TEST(CheckMessageBox, AVerticalSeparatorEtchesACentredColumn)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "Separators", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200)));
    QELSeparator vertical;
    ASSERT_TRUE(vertical.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 16, 50), pFrame, 1));
    COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    COLORREF crHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    // Width 6: x = (6 - 1) / 2 = 2; rows 2 to 37 of 40.
    RECT colShadow = { 2, 0, 3, 40 };
    RECT colHighlight = { 3, 2, 4, 38 };
    EXPECT_EQ(CountPixels(vertical.m_hWnd, colShadow, crShadow), 36);
    EXPECT_EQ(CountPixels(vertical.m_hWnd, colHighlight, crHighlight), 36);
    EXPECT_EQ(PixelAt(vertical.m_hWnd, 2, 2), crShadow);
    EXPECT_NE(PixelAt(vertical.m_hWnd, 2, 1), crShadow);
    EXPECT_NE(PixelAt(vertical.m_hWnd, 2, 38), crShadow);
    RECT rcAll = { 0, 0, 6, 40 };
    EXPECT_EQ(CountPixels(vertical.m_hWnd, rcAll, crShadow), 36);
    RECT colLeft = { 0, 0, 2, 40 };
    EXPECT_EQ(CountPixels(vertical.m_hWnd, colLeft, ::GetSysColor(COLOR_BTNFACE)), 80) << "the face around the groove";
    pFrame->DestroyWindow();
}

TEST(CheckMessageBox, CheckStateWithEveryButton)
{
    struct Case
    {
        UINT type;
        int button;
        int clicks;
    };
    const Case cases[] = {
        { MB_OK, IDOK, 1 },
        { MB_OKCANCEL, IDCANCEL, 2 },
        { MB_OKCANCEL, IDOK, 0 },
        { MB_YESNO, IDYES, 3 },
        { MB_YESNO, IDNO, 1 },
        { MB_YESNOCANCEL, IDCANCEL, 1 },
        { MB_RETRYCANCEL, IDRETRY, 1 },
        { MB_ABORTRETRYIGNORE, IDABORT, 1 },
        { MB_ABORTRETRYIGNORE, IDIGNORE, 0 },
    };
    for (const Case& c : cases) {
        int nInitial = -1;
        ModalAnswerer answer([&](HWND hBox) {
            nInitial = (int)::SendDlgItemMessageA(hBox, IDC_CHECK, BM_GETCHECK, 0, 0);
            for (int i = 0; i < c.clicks; ++i)
                ClickCheck(hBox);
            ModalAnswerer::PressButton(c.button)(hBox);
        });
        // The incoming state is never read: the box starts clear.
        int nState = 1 - c.clicks % 2;
        int nResult = QELGUIUtils::CheckMessageBox(nullptr, "Proceed?", nState, c.type, 0, "Do not ask again");
        EXPECT_EQ(nResult, c.button) << "type " << c.type;
        EXPECT_EQ(nInitial, 0) << "type " << c.type;
        EXPECT_EQ(nState, c.clicks % 2) << "type " << c.type << ", " << c.clicks << " clicks";
        EXPECT_EQ(answer.controlText[IDC_CHECK], "Do not ask again");
    }
}

TEST(CheckMessageBox, AnInitialMarkShowsAndAClickClearsIt)
{
    int nShown = -1, nAfterClick = -1;
    ModalAnswerer answer([&](HWND hBox) {
        nShown = (int)::SendDlgItemMessageA(hBox, IDC_CHECK, BM_GETCHECK, 0, 0);
        ClickCheck(hBox);
        nAfterClick = (int)::SendDlgItemMessageA(hBox, IDC_CHECK, BM_GETCHECK, 0, 0);
        ModalAnswerer::PressButton(IDOK)(hBox);
    });
    QELCheckMessageBox box;
    box.SetChecked(1);
    EXPECT_EQ(box.Message("Marked?", MB_OK, 0), IDOK);
    EXPECT_EQ(nShown, BST_CHECKED);
    EXPECT_EQ(nAfterClick, BST_UNCHECKED);
    EXPECT_EQ(box.GetChecked(), 0);
}

TEST(CheckMessageBox, NothingStaysHookedOrAttachedAfterwards)
{
    QELCheckMessageBox box;
    {
        ModalAnswerer answer(ModalAnswerer::PressButton(IDOK));
        EXPECT_EQ(box.Message("Done.", MB_OK, 0), IDOK);
    }
    EXPECT_EQ(box.GetSafeHwnd(), nullptr);
    CWnd later;
    ASSERT_TRUE(later.CreateEx(0, "STATIC", "later", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    // The next window of the thread is the creator's, not the box object's.
    EXPECT_EQ(CWnd::FromHandlePermanent(later.m_hWnd), &later);
    later.DestroyWindow();

    // A box refused while it is created: no result, and no registration left
    // to catch the caller's next window.
    QELCheckMessageBox refused;
    {
        RefuseDialogs refuse;
        EXPECT_EQ(refused.Message("Never shown.", MB_OK, 0), 0);
        EXPECT_EQ(refuse.Refused(), 1);
    }
    EXPECT_EQ(refused.GetSafeHwnd(), nullptr);
    HWND hRaw = ::CreateWindowExA(0, "STATIC", "raw", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hRaw, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hRaw), nullptr);
    EXPECT_EQ(refused.GetSafeHwnd(), nullptr);
    ::DestroyWindow(hRaw);
}

// Shift-JIS (DialogsTestsJapanese): texts whose characters end in '\\' or a letter (表 95 5C,
// ソ 83 5C, 能 94 5C) reach the check message box, the about box and a formatted message whole,
// and the check text is measured whole.
TEST(CheckMessageBox, ShiftJisTextsComeThroughWhole)
{
    SKIP_UNLESS_IN_CODE_PAGE(932u);
    const char* text =
        "\x95\x5C\x82\xF0\x95\xDB\x91\xB6\x82\xB5\x82\xDC\x82\xB7\x82\xA9\x81\x48";  // 表を保存しますか？
    // 今後は表示しない, three times over: wider than the box.
    const std::string strCheck = "\x8D\xA1\x8C\xE3\x82\xCD\x95\x5C\x8E\xA6\x82\xB5\x82\xC8\x82\xA2"
                                 "\x8D\xA1\x8C\xE3\x82\xCD\x95\x5C\x8E\xA6\x82\xB5\x82\xC8\x82\xA2"
                                 "\x8D\xA1\x8C\xE3\x82\xCD\x95\x5C\x8E\xA6\x82\xB5\x82\xC8\x82\xA2";
    const char* check = strCheck.c_str();
    BoxLayout layout;
    std::string message;
    ModalAnswerer answer([&](HWND hBox) {
        layout = ReadLayout(hBox);
        message = WindowText(::GetDlgItem(hBox, 0xFFFF));
        ModalAnswerer::PressButton(IDOK)(hBox);
    });
    QELCheckMessageBox box(nullptr, check);
    EXPECT_EQ(box.Message(text, MB_OK, 0), IDOK);
    // Measured whole: the check text, wider than the box, widens it to the text.
    const int nNeeded = layout.checkTextSize.cx + 2 * ::GetSystemMetrics(SM_CXEDGE) + 33;
    ASSERT_GT(nNeeded, Width(PlainBox(text, MB_OK)));
    EXPECT_EQ(Width(layout.window), nNeeded);
    EXPECT_EQ(message, text);
    EXPECT_EQ(layout.checkText, check);

    const char* product = "\x95\x5C\x8C\x76\x8E\x5A\x83\x5C\x83\x74\x83\x67 1.0";  // 表計算ソフト 1.0
    const char* company =
        "\x94\x5C\x97\xA6\x83\x5C\x83\x74\x83\x67\x8A\x94\x8E\xAE\x89\xEF\x8E\xD0";  // 能率ソフト株式会社
    {
        ModalAnswerer about(ModalAnswerer::PressButton(IDOK));
        QELGUIUtils::About(product, "\x8E\x52\x93\x63", company, nullptr);
        EXPECT_EQ(about.caption, std::string("About ") + product);
        EXPECT_EQ(about.controlText[1013], product);
        EXPECT_EQ(about.controlText[1015], company);
    }
    {
        ModalAnswerer formatted(ModalAnswerer::PressButton(IDOK));
        QELGUIUtils::Message("%s: %s", company, product);
        EXPECT_EQ(formatted.messageText, std::string(company) + ": " + product);
    }
}
