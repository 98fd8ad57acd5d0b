// What a decorated label paints: backgrounds, gradients, 3D and rotated text,
// text layout, transparency.
#include "LabelTestSupport.h"
#include "AllocationFailure.h"
#include <gtest/gtest.h>

namespace {
const UINT kLabelId = 101;

// A label created as a child of a frame, so its size is exact in pixels.
struct CreatedLabel
{
    CRecordingFrame frame;
    TestableStatic label;

    explicit CreatedLabel(int cx, int cy = 30, LPCSTR text = "", DWORD style = SS_LEFT)
    {
        label.Create(text, WS_CHILD | WS_VISIBLE | style, CRect(10, 10, 10 + cx, 10 + cy), &frame, kLabelId);
        frame.UpdateWindow();
    }
    HWND Wnd() const { return label.m_hWnd; }
    COLORREF At(int x, int y) const { return PixelAt(label.m_hWnd, x, y); }
};

int RedOf(COLORREF c) { return GetRValue(c); }
}

TEST(StaticPaint, SolidBackgroundAndFaceColour)
{
    CreatedLabel t(120);
    ASSERT_NE(t.Wnd(), nullptr);
    // No colour of its own: the button face.
    EXPECT_EQ(t.At(0, 0), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(t.At(119, 29), ::GetSysColor(COLOR_BTNFACE));

    t.label.SetBkColor(RGB(10, 200, 30));
    const RECT rc = ClientRect(t.Wnd());
    EXPECT_EQ(FindColor(t.Wnd(), rc, RGB(10, 200, 30)).count, 120 * 30);

    // Switching to a gradient drops the solid brush.
    t.label.SetBkColor(RGB(0, 0, 0), RGB(255, 0, 0), QELStatic::GradientFill);
    EXPECT_EQ(FindColor(t.Wnd(), rc, RGB(10, 200, 30)).count, 0);
}

TEST(StaticPaint, GradientOverNarrowLabelHasOneBandPerColumn)
{
    CreatedLabel t(40, 20);
    t.label.SetBkColor(RGB(0, 0, 0), RGB(255, 0, 0), QELStatic::GradientFill);
    for (int x = 0; x < 40; ++x) {
        // 65280 / 40 = 1632 a column in 8.8 fixed point.
        const int expected = x * 1632 / 256;
        EXPECT_EQ(RedOf(t.At(x, 0)), expected) << "column " << x;
        EXPECT_EQ(t.At(x, 19), t.At(x, 0)) << "bottom row of column " << x;
    }
}

TEST(StaticPaint, GradientOverWideLabelLastBandTakesTheRest)
{
    CreatedLabel t(250, 24);
    t.label.SetBkColor(RGB(0, 0, 0), RGB(255, 0, 0), QELStatic::GradientFill);
    // Red steps by 652 a band: 0, 2, 5, 7, 10 ...
    const int expected[] = { 0, 2, 5, 7, 10 };
    for (int band = 0; band < 5; ++band) {
        EXPECT_EQ(RedOf(t.At(2 * band, 5)), expected[band]) << "band " << band;
        EXPECT_EQ(RedOf(t.At(2 * band + 1, 5)), expected[band]) << "band " << band << ", second column";
    }
    // Bands 0 to 98 are two pixels wide; the last runs from 198 to the edge.
    const COLORREF last = RGB(99 * 652 / 256, 0, 0);
    EXPECT_EQ(t.At(197, 5), RGB(98 * 652 / 256, 0, 0));
    for (int x : { 198, 220, 249 })
        EXPECT_EQ(t.At(x, 5), last) << "column " << x;
    // Every row, the bottom one included, is painted.
    EXPECT_EQ(t.At(249, 23), last);
    EXPECT_EQ(t.At(0, 23), RGB(0, 0, 0));
    EXPECT_EQ(FindColor(t.Wnd(), ClientRect(t.Wnd()), last).count, 52 * 24);
}

TEST(StaticPaint, GradientFillClipsItsBandCountAndIgnoresNonsense)
{
    // Painted straight into a memory bitmap through the protected helper.
    TestableStatic label;
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = 30;
    bi.bmiHeader.biHeight = -10;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    ASSERT_NE(hBitmap, nullptr);
    HGDIOBJ hOld = ::SelectObject(dc, hBitmap);
    dc.FillSolidRect(0, 0, 30, 10, RGB(1, 2, 3));

    CRect rc(5, 2, 25, 8);
    label.DrawGradientFill(&dc, &rc, RGB(0, 0, 0), RGB(0, 0, 200), 3);
    // Three bands of 20 / 3 = 6 columns, the last one 8 wide; nothing outside.
    EXPECT_EQ(dc.GetPixel(5, 2), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetPixel(11, 7), RGB(0, 0, 66));
    EXPECT_EQ(dc.GetPixel(17, 2), RGB(0, 0, 133));
    EXPECT_EQ(dc.GetPixel(24, 7), RGB(0, 0, 133));
    EXPECT_EQ(dc.GetPixel(4, 5), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetPixel(25, 5), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetPixel(10, 1), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetPixel(10, 8), RGB(1, 2, 3));

    // No bands, an empty rectangle and null arguments paint nothing and do not crash.
    CRect empty(10, 0, 10, 10);
    label.DrawGradientFill(&dc, &empty, 0, 0xFFFFFF, 100);
    label.DrawGradientFill(&dc, &rc, 0xFFFFFF, 0xFFFFFF, 0);
    label.DrawGradientFill(&dc, &rc, 0xFFFFFF, 0xFFFFFF, -3);
    label.DrawGradientFill(nullptr, &rc, 0xFFFFFF, 0xFFFFFF, 10);
    label.DrawGradientFill(&dc, nullptr, 0xFFFFFF, 0xFFFFFF, 10);
    EXPECT_EQ(dc.GetPixel(5, 2), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetPixel(10, 5), RGB(0, 0, 0));

    ::SelectObject(dc, hOld);
    ::DeleteObject(hBitmap);
}

TEST(StaticPaint, TextColourAnd3DHighlightOffsets)
{
    const COLORREF white = RGB(255, 255, 255);
    const COLORREF ink = RGB(0, 0, 128);
    const COLORREF hilite = RGB(255, 0, 0);
    CreatedLabel t(200, 40, "Wx#", SS_LEFT);
    t.label.SetBkColor(white).SetTextColor(ink).SetText3DHiliteColor(hilite);
    const RECT rc = ClientRect(t.Wnd());
    const PixelSpread plain = FindColor(t.Wnd(), rc, ink);
    ASSERT_GT(plain.count, 10);
    EXPECT_EQ(FindColor(t.Wnd(), rc, hilite).count, 0);

    t.label.SetFont3D(TRUE, QELStatic::Embossed);
    const PixelSpread embossed = FindColor(t.Wnd(), rc, hilite);
    ASSERT_EQ(embossed.count, plain.count) << "the whole copy is visible";
    EXPECT_EQ(embossed.bounds.left, plain.bounds.left - 1);
    EXPECT_EQ(embossed.bounds.top, plain.bounds.top - 1);
    EXPECT_EQ(embossed.bounds.right, plain.bounds.right - 1);
    EXPECT_EQ(embossed.bounds.bottom, plain.bounds.bottom - 1);
    // The copy lies on top; some of the text still shows beside it.
    EXPECT_GT(FindColor(t.Wnd(), rc, ink).count, 0);

    t.label.SetFont3D(TRUE, QELStatic::Engraved);
    const PixelSpread engraved = FindColor(t.Wnd(), rc, hilite);
    EXPECT_EQ(engraved.bounds.left, plain.bounds.left + 1);
    EXPECT_EQ(engraved.bounds.top, plain.bounds.top + 1);

    // Any other value acts as engraved.
    t.label.SetFont3D(TRUE, static_cast<QELStatic::Type3D>(7));
    EXPECT_EQ(FindColor(t.Wnd(), rc, hilite).bounds.left, plain.bounds.left + 1);

    t.label.SetFont3D(FALSE);
    EXPECT_EQ(FindColor(t.Wnd(), rc, hilite).count, 0);
}

TEST(StaticPaint, StyleDecidesAlignment)
{
    const COLORREF white = RGB(255, 255, 255);
    const COLORREF ink = RGB(0, 0, 0);
    auto inkSpread = [&](DWORD style, LPCSTR text) {
        CreatedLabel t(240, 60, text, style);
        t.label.SetBkColor(white).SetTextColor(ink);
        return FindColor(t.Wnd(), ClientRect(t.Wnd()), ink);
    };
    const PixelSpread left = inkSpread(SS_LEFT, "Label");
    const PixelSpread right = inkSpread(SS_RIGHT, "Label");
    const PixelSpread centre = inkSpread(SS_CENTER, "Label");
    const PixelSpread middle = inkSpread(SS_CENTER | SS_CENTERIMAGE, "Label");
    ASSERT_GT(left.count, 0);
    const int width = left.bounds.right - left.bounds.left;
    EXPECT_LT(left.bounds.left, 3);
    EXPECT_GT(right.bounds.right, 236);
    EXPECT_NEAR((centre.bounds.left + centre.bounds.right) / 2, 120, 3);
    EXPECT_EQ(centre.bounds.right - centre.bounds.left, width);
    // Top-aligned, except with centre-image, which centres one line vertically too.
    EXPECT_LT(centre.bounds.top, 10);
    EXPECT_NEAR((middle.bounds.top + middle.bounds.bottom) / 2, 30, 4);
    EXPECT_NEAR((middle.bounds.left + middle.bounds.right) / 2, 120, 3);

    // Two lines with centre-image: centred across, from the top, each line on its own.
    const PixelSpread lines = inkSpread(SS_CENTER | SS_CENTERIMAGE, "Label\r\nLabel");
    EXPECT_LT(lines.bounds.top, 10);
    EXPECT_GT(lines.bounds.bottom - lines.bounds.top, (left.bounds.bottom - left.bounds.top) * 3 / 2);
}

TEST(StaticPaint, TabsAreExpandedAndLongTextWraps)
{
    const COLORREF white = RGB(255, 255, 255);
    const COLORREF ink = RGB(0, 0, 0);
    auto inkSpread = [&](int cx, DWORD style, LPCSTR text) {
        CreatedLabel t(cx, 80, text, style);
        t.label.SetBkColor(white).SetTextColor(ink);
        return FindColor(t.Wnd(), ClientRect(t.Wnd()), ink);
    };
    const PixelSpread joined = inkSpread(300, SS_LEFT, "ab");
    const PixelSpread tabbed = inkSpread(300, SS_LEFT, "a\tb");
    // A tab stop lies eight average characters out: far beyond a drawn tab glyph.
    EXPECT_GT(tabbed.bounds.right - joined.bounds.right, 20);

    // Word wrapping on a narrow label, none with SS_LEFTNOWORDWRAP.
    const PixelSpread wrapped = inkSpread(60, SS_LEFT, "alpha beta gamma");
    const PixelSpread single = inkSpread(60, SS_LEFTNOWORDWRAP, "alpha beta gamma");
    EXPECT_GT(wrapped.bounds.bottom - wrapped.bounds.top, 2 * (single.bounds.bottom - single.bounds.top));
}

TEST(StaticPaint, RotatedTextTurnsAboutTheCentreWithoutHighlight)
{
    const COLORREF white = RGB(255, 255, 255);
    CreatedLabel t(120, 120, "Rotated", SS_CENTER);
    // A scalable face: the system font cannot turn.
    t.label.SetFontName("Tahoma").SetFontSize(12);
    t.label.SetBkColor(white).SetTextColor(RGB(0, 0, 0)).SetText3DHiliteColor(RGB(255, 0, 0)).SetFont3D(TRUE);
    t.label.SetRotationAngle(90, TRUE);
    EXPECT_EQ(t.label.m_lf.lfEscapement, 900);
    EXPECT_EQ(t.label.m_lf.lfOrientation, 900);

    const RECT rc = ClientRect(t.Wnd());
    auto notWhite = [&](COLORREF c) { return c != white; };
    const PixelSpread text = FindPixels(t.Wnd(), rc, notWhite);
    ASSERT_GT(text.count, 20);
    // Turned a quarter counter-clockwise: the text runs up from the centre,
    // its baseline at x = 60 and its letters on the left of it.
    EXPECT_LE(text.bounds.bottom, 61);
    EXPECT_LT(text.bounds.top, 40);
    EXPECT_LE(text.bounds.right, 62);
    EXPECT_GT(text.bounds.left, 40);
    EXPECT_GT(text.bounds.bottom - text.bounds.top, 2 * (text.bounds.right - text.bounds.left));
    // No highlight copy when rotated.
    EXPECT_EQ(FindColor(t.Wnd(), rc, RGB(255, 0, 0)).count, 0);

    // The angle is kept, but without the flag the text is laid out as usual.
    t.label.SetRotationAngle(0, FALSE);
    const PixelSpread flat = FindPixels(t.Wnd(), rc, [&](COLORREF c) { return c == RGB(0, 0, 0); });
    EXPECT_GT(flat.bounds.right - flat.bounds.left, flat.bounds.bottom - flat.bounds.top);
    EXPECT_LT(flat.bounds.top, 20);
}

TEST(StaticPaint, TransparentLabelShowsTheParent)
{
    CreatedLabel t(100, 30, "");
    t.label.SetBkColor(RGB(200, 0, 0));
    ASSERT_EQ(t.At(50, 15), RGB(200, 0, 0));
    t.label.SetTransparent(TRUE);
    EXPECT_TRUE(t.label.GetExStyle() & WS_EX_TRANSPARENT);
    // The frame's own background shows through.
    EXPECT_EQ(t.At(50, 15), PixelAt(t.frame.m_hWnd, 5, 5));
    EXPECT_NE(t.At(50, 15), RGB(200, 0, 0));

    // Opaque again; the extended style stays.
    t.label.SetTransparent(FALSE);
    EXPECT_TRUE(t.label.GetExStyle() & WS_EX_TRANSPARENT);
    EXPECT_EQ(t.At(50, 15), RGB(200, 0, 0));
}

TEST(StaticPaint, GradientWithoutMemoryPaintsNothingAndThrowsNothing)
{
    TestableStatic label;
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    CClientDC screen(nullptr);
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 40, 10));
    CBitmap* pOld = dc.SelectObject(&bitmap);
    CRect rc(0, 0, 40, 10);
    long n = WithEachAllocationFailing(
        [&] {
            dc.FillSolidRect(rc, RGB(1, 2, 3));
            label.DrawGradientFill(&dc, &rc, RGB(200, 0, 0), RGB(0, 0, 200), 4);
        },
        [&](bool bFailed) {
            EXPECT_EQ(dc.GetPixel(0, 0), bFailed ? RGB(1, 2, 3) : RGB(200, 0, 0));
            EXPECT_EQ(dc.GetPixel(39, 9), bFailed ? RGB(1, 2, 3) : RGB(50, 0, 150));
        });
    EXPECT_GE(n, 1);
    dc.SelectObject(pOld);
}
