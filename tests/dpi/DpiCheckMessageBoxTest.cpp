// The check message box and its etched line at the screen's DPI: the row's
// amounts scale with it, the check box keeps room for its text, and the
// groove's lines are as thick as the DPI makes a pixel. Run at 144 and 192
// DPI (and reduce to the plain layout at 96).
#include "DpiTestSupport.h"
#include "ModalAnswerer.h"
#include <gtest/gtest.h>
#include <algorithm>

namespace {
const int IDC_CHECK = 666;
const int IDC_SEPARATOR = 111;

struct Opened
{
    RECT window = {};
    RECT check = {};
    RECT separator = {};
    SIZE checkText = {};
    int checkHeight = 0;
};

Opened OpenBox(const char* text, UINT nType, const char* checkText)
{
    Opened opened;
    ModalAnswerer answer([&](HWND hBox) {
        ::GetWindowRect(hBox, &opened.window);
        HWND hCheck = ::GetDlgItem(hBox, IDC_CHECK);
        opened.check = ChildRect(hCheck);
        opened.separator = ChildRect(::GetDlgItem(hBox, IDC_SEPARATOR));
        opened.checkText = TextExtent(hCheck);
        ModalAnswerer::PressButton(IDOK)(hBox);
    });
    QELCheckMessageBox box(nullptr, checkText);
    box.Message(text, nType, 0);
    return opened;
}
}

TEST(DpiEnvironment, TheScreenAndWindowsHaveTheDpiOfThePrefix)
{
    // A prefix that lost its setting would run every case below at 96 DPI
    // and prove nothing.
    EXPECT_EQ(ScreenDpi(), ExpectedDpi());
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    auto pfn = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (pfn != nullptr) {
        EXPECT_EQ((int)pfn(wnd.m_hWnd), ExpectedDpi());
    }
    wnd.DestroyWindow();
}

TEST(DpiCheckMessageBox, TheRowScalesAndTheCheckBoxHoldsItsText)
{
    const char* text = "The drawing was changed by another user.\nReload it?";
    RECT plain = PlainBox(text, MB_OKCANCEL | MB_ICONWARNING);
    Opened box = OpenBox(text, MB_OKCANCEL | MB_ICONWARNING, "Do not show again");

    const int cyCaption = ::GetSystemMetrics(SM_CYCAPTION);
    const int cyEdge = ::GetSystemMetrics(SM_CYEDGE);
    const int h = std::min<int>(box.checkText.cy, Scaled(13));
    const int W = plain.right - plain.left;
    const int T = (plain.bottom - plain.top) - Scaled(7) - cyEdge - cyCaption;
    EXPECT_EQ(box.window.right - box.window.left, W);
    EXPECT_EQ(box.window.bottom - box.window.top, (plain.bottom - plain.top) + h + Scaled(6));
    EXPECT_EQ(box.separator.left, -Scaled(1));
    EXPECT_EQ(box.separator.top, T);
    EXPECT_EQ(box.separator.bottom, T + Scaled(3));
    EXPECT_EQ(box.check.left, Scaled(7));
    EXPECT_EQ(box.check.top, T + Scaled(6));
    EXPECT_EQ(box.check.bottom, T + Scaled(6) + h);
    // The message font grows with the DPI: a row that kept 13 pixels would
    // cut the check box's text.
    EXPECT_GE(box.check.bottom - box.check.top, box.checkText.cy);
    if (ScreenDpi() > 96) {
        EXPECT_GT(box.checkText.cy, 13) << "the message font did not follow the DPI";
    }
}

TEST(DpiCheckMessageBox, AWideCheckTextWidensTheBoxByTheScaledMark)
{
    const char* checkText = "Apply this answer to every drawing of the project, now and in later sessions";
    RECT plain = PlainBox("Short.", MB_OK);
    Opened box = OpenBox("Short.", MB_OK, checkText);
    const int nNeeded = box.checkText.cx + 2 * ::GetSystemMetrics(SM_CXEDGE) + Scaled(33);
    ASSERT_GT(nNeeded, plain.right - plain.left);
    EXPECT_EQ(box.window.right - box.window.left, nNeeded);
    EXPECT_EQ(box.check.right, nNeeded);
}

TEST(DpiSeparator, TheGrooveIsAsThickAsTheDpiMakesAPixel)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "Separators", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 300)));
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF crHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const int t = Scaled(1), nInset = Scaled(2);

    QELSeparator horizontal;
    const int nHeight = Scaled(3), nWidth = 200;
    ASSERT_TRUE(
        horizontal.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 10 + nWidth, 10 + nHeight), pFrame, 1));
    ClientPixels row(horizontal.m_hWnd);
    const int y = (nHeight - t) / 2;
    for (int i = 0; i < t; ++i) {
        EXPECT_EQ(row.At(nInset, y + i), crShadow) << "shadow row " << y + i;
        EXPECT_EQ(row.At(nWidth - nInset - 1, y + i), crShadow) << "shadow row " << y + i;
        EXPECT_EQ(row.At(nInset, y + t + i), crHighlight) << "highlight row " << y + t + i;
    }
    EXPECT_NE(row.At(nInset - 1, y), crShadow);
    EXPECT_NE(row.At(nWidth - nInset, y), crShadow);
    if (y > 0) {
        EXPECT_NE(row.At(nInset, y - 1), crShadow);
    }

    QELSeparator vertical;
    const int nColumnWidth = Scaled(6), nColumnHeight = 80;
    ASSERT_TRUE(vertical.Create(nullptr, "", WS_CHILD | WS_VISIBLE,
                                CRect(250, 10, 250 + nColumnWidth, 10 + nColumnHeight), pFrame, 2));
    ClientPixels column(vertical.m_hWnd);
    const int x = (nColumnWidth - t) / 2;
    int nShadow = 0, nHighlight = 0;
    for (int yy = 0; yy < nColumnHeight; ++yy) {
        for (int xx = 0; xx < nColumnWidth; ++xx) {
            nShadow += column.At(xx, yy) == crShadow;
            // The highlight may be the background's colour: counted in its band only.
            nHighlight += column.At(xx, yy) == crHighlight && xx >= x + t && xx < x + 2 * t && yy >= nInset &&
                          yy < nColumnHeight - nInset;
        }
    }
    EXPECT_EQ(nShadow, t * (nColumnHeight - 2 * nInset));
    EXPECT_EQ(nHighlight, t * (nColumnHeight - 2 * nInset));
    EXPECT_EQ(column.At(x, nInset), crShadow);
    EXPECT_EQ(column.At(x + t - 1, nColumnHeight - nInset - 1), crShadow);
    pFrame->DestroyWindow();
}
