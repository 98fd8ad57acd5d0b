// QELToolbar in a frame set up by FrameEnableDocking: CDockBarEx on every
// side, flat toolbars edge to edge, other bars overlapping by two pixels.
#include "ToolbarTestSupport.h"
#include "PixelReader.h"
#include <gtest/gtest.h>

namespace {
struct CDockExFixture : ::testing::Test
{
    CToolbarFrame frame;
    TestableToolbar flat1, flat2;
    CToolBar plain;

    void SetUp() override
    {
        ASSERT_TRUE(frame.Make());
        ASSERT_TRUE(MakeToolbar(flat1, &frame, AFX_IDW_TOOLBAR));
        ASSERT_TRUE(MakeToolbar(flat2, &frame, AFX_IDW_TOOLBAR + 0x10));
        ASSERT_TRUE(plain.Create(&frame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER, AFX_IDW_TOOLBAR + 0x11));
        ASSERT_TRUE(plain.LoadToolBar(IDR_TESTBAR));
        for (CToolBar* pBar : { (CToolBar*)&flat1, (CToolBar*)&flat2, &plain })
            pBar->EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(QELToolbar::FrameEnableDocking(&frame, CBRS_ALIGN_ANY));
    }
    // Docks pBar in the top row right after pAfter.
    void DockBeside(CControlBar* pBar, CControlBar* pAfter)
    {
        CRect rect;
        pAfter->GetWindowRect(&rect);
        rect.OffsetRect(rect.Width() - 4, 0);
        frame.DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP, &rect);
        frame.RecalcLayout();
    }
};
}

TEST_F(CDockExFixture, EverySideGetsACDockBarExOnceAndBarsDockOnEach)
{
    CControlBar* pDockBars[4];
    const UINT ids[4] = { AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT };
    for (int i = 0; i < 4; i++) {
        pDockBars[i] = frame.GetControlBar(ids[i]);
        ASSERT_NE(pDockBars[i], nullptr);
        EXPECT_TRUE(pDockBars[i]->IsKindOf(RUNTIME_CLASS(CDockBarEx)));
    }
    EXPECT_EQ(pDockBars[2]->GetBarStyle() & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY), (DWORD)0x1400);
    EXPECT_EQ(pDockBars[2]->GetStyle() & 0x56000000, 0x56000000u);
    // A second call keeps the dock bars of the first.
    EXPECT_TRUE(QELToolbar::FrameEnableDocking(&frame, CBRS_ALIGN_ANY));
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(frame.GetControlBar(ids[i]), pDockBars[i]);
    // Only the sides asked for; a null frame is refused.
    CToolbarFrame topOnly;
    ASSERT_TRUE(topOnly.Make());
    EXPECT_TRUE(QELToolbar::FrameEnableDocking(&topOnly, CBRS_ALIGN_TOP));
    EXPECT_NE(topOnly.GetControlBar(AFX_IDW_DOCKBAR_TOP), nullptr);
    EXPECT_EQ(topOnly.GetControlBar(AFX_IDW_DOCKBAR_LEFT), nullptr);
    EXPECT_FALSE(QELToolbar::FrameEnableDocking(nullptr, CBRS_ALIGN_ANY));

    for (int i = 0; i < 4; i++) {
        frame.DockControlBar(&flat1, ids[i]);
        frame.RecalcLayout();
        EXPECT_EQ(flat1.m_pDockBar, pDockBars[i]);
        EXPECT_EQ(flat1.IsVertDocked(), i >= 2);
        CRect rect = frame.RectInFrame(&flat1);
        if (i >= 2)
            EXPECT_GT(rect.Height(), rect.Width());
        else
            EXPECT_GT(rect.Width(), rect.Height());
    }
    frame.FloatControlBar(&flat1, CPoint(200, 200));
    EXPECT_TRUE(flat1.IsFloating());
    flat1.m_pDockContext->ToggleDocking();
    EXPECT_EQ(flat1.m_pDockBar, pDockBars[3]);
}

namespace {
// While it lives, the creation of every child window with this id is refused.
class RefuseChildWindows
{
public:
    explicit RefuseChildWindows(UINT nID)
    {
        s_nID = nID;
        s_nRefused = 0;
        m_hHook = ::SetWindowsHookExA(WH_CBT, Refuse, nullptr, ::GetCurrentThreadId());
    }
    ~RefuseChildWindows() { ::UnhookWindowsHookEx(m_hHook); }
    RefuseChildWindows(const RefuseChildWindows&) = delete;
    RefuseChildWindows& operator=(const RefuseChildWindows&) = delete;
    int Refused() const { return s_nRefused; }

private:
    static LRESULT CALLBACK Refuse(int nCode, WPARAM wParam, LPARAM lParam)
    {
        if (nCode == HCBT_CREATEWND) {
            const CREATESTRUCTA* pcs = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
            if ((pcs->style & WS_CHILD) && (UINT)(UINT_PTR)pcs->hMenu == s_nID) {
                ++s_nRefused;
                return 1;
            }
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    static UINT s_nID;
    static int s_nRefused;
    HHOOK m_hHook;
};
UINT RefuseChildWindows::s_nID = 0;
int RefuseChildWindows::s_nRefused = 0;
}

TEST(ToolbarDocking, ASideWhoseDockBarCannotBeMadeKeepsTheFrameworksAndSaysSo)
{
    CToolbarFrame frame;
    ASSERT_TRUE(frame.Make());
    frame.EnableDocking(CBRS_ALIGN_ANY);
    CControlBar* pFrameworks = frame.GetControlBar(AFX_IDW_DOCKBAR_LEFT);
    ASSERT_NE(pFrameworks, nullptr);
    {
        RefuseChildWindows refuse(AFX_IDW_DOCKBAR_LEFT);
        EXPECT_FALSE(QELToolbar::FrameEnableDocking(&frame, CBRS_ALIGN_ANY));
        EXPECT_EQ(refuse.Refused(), 1);
    }
    EXPECT_EQ(frame.GetControlBar(AFX_IDW_DOCKBAR_LEFT), pFrameworks);
    EXPECT_FALSE(pFrameworks->IsKindOf(RUNTIME_CLASS(CDockBarEx)));
    EXPECT_TRUE(frame.GetControlBar(AFX_IDW_DOCKBAR_RIGHT)->IsKindOf(RUNTIME_CLASS(CDockBarEx)));
    // Bars still dock on that side.
    TestableToolbar bar;
    ASSERT_TRUE(MakeToolbar(bar, &frame));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    frame.DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    frame.RecalcLayout();
    EXPECT_EQ(bar.m_pDockBar, pFrameworks);
    EXPECT_TRUE(bar.IsVertDocked());
}

TEST_F(CDockExFixture, FlatToolbarsTouchWhileOtherBarsOverlapByTwoPixels)
{
    // One row: plain, flat1, flat2.
    frame.DockControlBar(&plain, AFX_IDW_DOCKBAR_TOP);
    frame.RecalcLayout();
    DockBeside(&flat1, &plain);
    DockBeside(&flat2, &flat1);
    CRect r0 = frame.RectInFrame(&plain), r1 = frame.RectInFrame(&flat1), r2 = frame.RectInFrame(&flat2);
    EXPECT_EQ(r0.left, -2);
    EXPECT_EQ(r1.top, r0.top);
    EXPECT_EQ(r2.top, r0.top);
    EXPECT_EQ(r1.left, r0.right - 2);  // after a plain bar: two pixels over it
    EXPECT_EQ(r2.left, r1.right);      // after a flat one: edge to edge

    // Rows: the row ended by a flat bar (flat1) is not overlapped: the next
    // row starts right under it, at the left edge.
    CRect rectBelow;
    plain.GetWindowRect(&rectBelow);
    rectBelow.OffsetRect(0, rectBelow.Height() + 4);
    frame.DockControlBar(&flat2, AFX_IDW_DOCKBAR_TOP, &rectBelow);
    frame.RecalcLayout();
    r0 = frame.RectInFrame(&plain);
    r2 = frame.RectInFrame(&flat2);
    EXPECT_EQ(r2.left, 0);
    EXPECT_EQ(r2.top, r0.bottom);

    // The last row is flat: the dock bar ends with it, plus its own border line.
    CRect rectDock = frame.RectInFrame(flat2.m_pDockBar);
    EXPECT_EQ(rectDock.bottom, r2.bottom + 2);
}

namespace {
// A flat toolbar directly in the frame with the framework's default border
// widths, so that its top rows belong to the non-client area.
BOOL MakeFrameToolbar(TestableToolbar& bar, CFrameWnd* pFrame, DWORD dwBarStyle)
{
    return bar.CreateEx(pFrame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | dwBarStyle, CRect(4, 2, 4, 2)) &&
           bar.LoadToolBar(IDR_TESTBAR);
}
}

TEST(ToolbarPaint, FlatBordersArePaintedOnePixelWide)
{
    CToolbarFrame frame;
    ASSERT_TRUE(frame.Make());
    // Bottom border only, dockable: a shadow line at the bottom, no top lines.
    TestableToolbar bar;
    ASSERT_TRUE(MakeFrameToolbar(bar, &frame, CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    frame.RecalcLayout();
    CRect rect;
    bar.GetWindowRect(&rect);
    int w = rect.Width(), h = rect.Height();
    COLORREF shadow = bar.m_clrBtnShadow, hilite = bar.m_clrBtnHilight;
    ASSERT_NE(shadow, hilite);
    for (int x : { 0, 5, w / 2, w - 2 })
        EXPECT_EQ(WindowPixel(bar.m_hWnd, x, h - 1), shadow) << x;
    EXPECT_NE(WindowPixel(bar.m_hWnd, w - 1, h - 1), shadow);  // the last column is not part of it
    EXPECT_NE(WindowPixel(bar.m_hWnd, w / 2, h - 2), shadow);
    for (int y : { 0, 1 }) {
        EXPECT_NE(WindowPixel(bar.m_hWnd, w / 2, y), shadow) << y;
        EXPECT_NE(WindowPixel(bar.m_hWnd, w / 2, y), hilite) << y;
    }

    // All four, 3D: highlight left and top, shadow right and bottom, one pixel each.
    bar.SetBarStyle(bar.GetBarStyle() | CBRS_BORDER_ANY | CBRS_BORDER_3D);
    frame.RecalcLayout();
    bar.GetWindowRect(&rect);
    w = rect.Width();
    h = rect.Height();
    EXPECT_EQ(WindowPixel(bar.m_hWnd, 0, h / 2), hilite);
    EXPECT_EQ(WindowPixel(bar.m_hWnd, w / 2, 0), hilite);
    EXPECT_EQ(WindowPixel(bar.m_hWnd, w - 1, h / 2), shadow);
    EXPECT_EQ(WindowPixel(bar.m_hWnd, w / 2, h - 1), shadow);
    EXPECT_NE(WindowPixel(bar.m_hWnd, 1, h / 2), hilite);
    EXPECT_NE(WindowPixel(bar.m_hWnd, w / 2, 1), hilite);
    EXPECT_NE(WindowPixel(bar.m_hWnd, w - 2, h / 2), shadow);

    // Narrowing: one pixel per flagged side, nothing otherwise.
    CWindowDC dc(&bar);
    CRect r(0, 0, 50, 30);
    bar.Draw3DBorders(&dc, r);
    EXPECT_EQ(r, CRect(1, 1, 49, 29));
    bar.SetBarStyle(bar.GetBarStyle() & ~CBRS_BORDER_ANY);
    r = CRect(0, 0, 50, 30);
    bar.Draw3DBorders(&dc, r);
    EXPECT_EQ(r, CRect(0, 0, 50, 30));
}

TEST(ToolbarPaint, ABarNeverMadeDockableShowsAnEtchedTopLine)
{
    CToolbarFrame frame;
    ASSERT_TRUE(frame.Make());
    TestableToolbar bar;
    ASSERT_TRUE(MakeFrameToolbar(bar, &frame, CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM));
    frame.RecalcLayout();
    CRect rect;
    bar.GetWindowRect(&rect);
    int w = rect.Width(), h = rect.Height();
    for (int x : { 0, w / 2, w - 1 }) {
        EXPECT_EQ(WindowPixel(bar.m_hWnd, x, 0), bar.m_clrBtnShadow) << x;
        EXPECT_EQ(WindowPixel(bar.m_hWnd, x, 1), bar.m_clrBtnHilight) << x;
    }
    EXPECT_EQ(WindowPixel(bar.m_hWnd, w / 2, h - 1), bar.m_clrBtnShadow);

    // A non-flat toolbar draws its borders as the framework's bars do: two
    // pixels per side.
    TestableToolbar raised;
    ASSERT_TRUE(MakeToolbar(raised, &frame, AFX_IDW_TOOLBAR + 1, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0));
    CWindowDC dc(&raised);
    CRect r(0, 0, 50, 30);
    raised.SetBarStyle(raised.GetBarStyle() | CBRS_BORDER_ANY);
    raised.Draw3DBorders(&dc, r);
    EXPECT_EQ(r, CRect(2, 2, 48, 28));
}

TEST(ToolbarPaint, HotButtonsBecomeAShadowSilhouetteOnADarkerFace)
{
    CToolbarFrame frame;
    ASSERT_TRUE(frame.Make());
    TestableToolbar bar;
    ASSERT_TRUE(MakeToolbar(bar, &frame));
    // An image well with a face of 0x00C0C0C0 and one dark square per image.
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hbm = ::CreateCompatibleBitmap(hScreen, 48, 15);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hMem, hbm);
    CDC* pMem = CDC::FromHandle(hMem);
    pMem->FillSolidRect(0, 0, 48, 15, RGB(192, 192, 192));
    pMem->FillSolidRect(4, 3, 8, 8, RGB(255, 0, 0));  // image 0
    ::SelectObject(hMem, hOld);
    ASSERT_TRUE(bar.SetBitmap(hbm));
    bar.m_clrBtnFace = RGB(192, 192, 192);
    bar.m_clrBtnShadow = RGB(128, 128, 128);

    // The button is drawn into a face-coloured 30x28 surface.
    HBITMAP hTarget = ::CreateCompatibleBitmap(hScreen, 40, 40);
    hOld = ::SelectObject(hMem, hTarget);
    pMem->FillSolidRect(0, 0, 40, 40, RGB(192, 192, 192));
    NMTBCUSTOMDRAW cd = {};
    cd.nmcd.hdr.hwndFrom = bar.m_hWnd;
    cd.nmcd.hdr.code = NM_CUSTOMDRAW;
    cd.nmcd.hdc = hMem;
    cd.nmcd.rc = { 0, 0, 30, 28 };
    cd.nmcd.dwItemSpec = ID_CMD_ONE;
    LRESULT lResult = -1;
    cd.nmcd.dwDrawStage = CDDS_PREPAINT;
    bar.OnCustomDraw(&cd.nmcd.hdr, &lResult);
    EXPECT_EQ(lResult, CDRF_NOTIFYITEMDRAW);
    cd.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
    bar.OnCustomDraw(&cd.nmcd.hdr, &lResult);
    EXPECT_EQ(lResult, CDRF_DODEFAULT);  // not hot: the control draws it
    EXPECT_EQ(::GetPixel(hMem, 5, 5), RGB(192, 192, 192));
    cd.nmcd.uItemState = CDIS_HOT;
    bar.OnCustomDraw(&cd.nmcd.hdr, &lResult);
    EXPECT_EQ(lResult, CDRF_SKIPDEFAULT);

    // Face pixels 7 % darker: 192 - 13 = 179 per channel.
    EXPECT_EQ(::GetPixel(hMem, 2, 2), (COLORREF)0x00B3B3B3);
    EXPECT_EQ(::GetPixel(hMem, 28, 26), (COLORREF)0x00B3B3B3);
    // The image's square, moved by (6, 4), in the shadow colour.
    for (int x = 6 + 4; x < 6 + 12; x++)
        for (int y = 4 + 3; y < 4 + 11; y++)
            ASSERT_EQ(::GetPixel(hMem, x, y), RGB(128, 128, 128)) << x << "," << y;
    EXPECT_EQ(::GetPixel(hMem, 6 + 2, 4 + 2), (COLORREF)0x00B3B3B3);
    // A shadow outline; outside the button nothing changed.
    for (int x : { 0, 15, 29 }) {
        EXPECT_EQ(::GetPixel(hMem, x, 0), RGB(128, 128, 128));
        EXPECT_EQ(::GetPixel(hMem, x, 27), RGB(128, 128, 128));
    }
    EXPECT_EQ(::GetPixel(hMem, 0, 14), RGB(128, 128, 128));
    EXPECT_EQ(::GetPixel(hMem, 29, 14), RGB(128, 128, 128));
    EXPECT_EQ(::GetPixel(hMem, 31, 10), RGB(192, 192, 192));
    EXPECT_EQ(::GetPixel(hMem, 10, 29), RGB(192, 192, 192));
    bar.OnCustomDraw(nullptr, &lResult);
    EXPECT_EQ(lResult, CDRF_DODEFAULT);
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hTarget);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
}

TEST(ToolbarPaint, PlaceholdersArePaintedInTheFaceColour)
{
    CToolbarFrame frame;
    ASSERT_TRUE(frame.Make());
    TestableToolbar bar;
    ASSERT_TRUE(MakeToolbar(bar, &frame));
    bar.SetButtonInfo(2, ID_CMD_FOUR, TBBS_SEPARATOR, 40);
    frame.RecalcLayout();
    bar.m_clrBtnFace = RGB(10, 200, 30);
    bar.Invalidate();
    bar.UpdateWindow();
    CRect rect;
    bar.GetToolBarCtrl().GetItemRect(2, &rect);
    EXPECT_EQ(CountPixels(bar.m_hWnd, rect, RGB(10, 200, 30)), rect.Width() * rect.Height());
    CRect rectButton;
    bar.GetToolBarCtrl().GetItemRect(0, &rectButton);
    EXPECT_EQ(CountPixels(bar.m_hWnd, rectButton, RGB(10, 200, 30)), 0);
}
