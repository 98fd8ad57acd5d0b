// CRect, CPoint and CSize: normalising, measuring, set operations, moving and
// resizing, arithmetic.
#include "afxwin.h"
#include <gtest/gtest.h>

namespace {

void ExpectRect(const RECT& r, int l, int t, int rt, int b)
{
    EXPECT_EQ(l, r.left);
    EXPECT_EQ(t, r.top);
    EXPECT_EQ(rt, r.right);
    EXPECT_EQ(b, r.bottom);
}

TEST(CRectTest, NormaliseAndMeasure)
{
    CRect r(10, 20, 0, 5);
    EXPECT_EQ(-10, r.Width());
    EXPECT_TRUE(r.IsRectEmpty());
    r.NormalizeRect();
    ExpectRect(r, 0, 5, 10, 20);
    EXPECT_EQ(CSize(10, 15), r.Size());
    EXPECT_EQ(CPoint(5, 12), r.CenterPoint());
    EXPECT_TRUE(r.PtInRect(CPoint(0, 5)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 5)));  // right and bottom edges are outside
    EXPECT_FALSE(r.PtInRect(CPoint(5, 20)));

    r.TopLeft() = CPoint(-1, -2);
    r.BottomRight().x = 4;
    ExpectRect(r, -1, -2, 4, 20);
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_FALSE(CRect(0, 0, 0, 1).IsRectNull());
    EXPECT_TRUE(CRect(0, 0, 0, 1).IsRectEmpty());
}

TEST(CRectTest, SetOperations)
{
    CRect a(0, 0, 10, 10), b(5, 5, 20, 20), distant(30, 30, 40, 40);
    CRect r;
    EXPECT_TRUE(r.IntersectRect(a, b));
    ExpectRect(r, 5, 5, 10, 10);
    EXPECT_FALSE(r.IntersectRect(a, distant));
    ExpectRect(r, 0, 0, 0, 0);
    EXPECT_FALSE(r.IntersectRect(a, CRect(10, 0, 20, 10)));  // touching edges do not overlap

    EXPECT_TRUE(r.UnionRect(a, distant));
    ExpectRect(r, 0, 0, 40, 40);
    EXPECT_TRUE(r.UnionRect(a, CRect(50, 50, 50, 60)));  // the empty one is ignored
    ExpectRect(r, 0, 0, 10, 10);

    ExpectRect(a & b, 5, 5, 10, 10);
    ExpectRect(a | b, 0, 0, 20, 20);
    CRect c = a;
    c &= distant;
    EXPECT_TRUE(c.IsRectNull());
    c = a;
    c |= b;
    ExpectRect(c, 0, 0, 20, 20);

    EXPECT_TRUE(r.SubtractRect(a, CRect(0, 0, 10, 4)));  // covers the whole top
    ExpectRect(r, 0, 4, 10, 10);
    r.SubtractRect(a, CRect(2, 2, 4, 4));  // a hole: nothing removed
    ExpectRect(r, 0, 0, 10, 10);
    EXPECT_TRUE(a == CRect(0, 0, 10, 10));
    EXPECT_TRUE(a != b);
}

TEST(CRectTest, MoveAndResize)
{
    CRect r(10, 10, 20, 20);
    r.InflateRect(1, 2);
    ExpectRect(r, 9, 8, 21, 22);
    r.DeflateRect(CSize(1, 2));
    r.InflateRect(1, 2, 3, 4);
    ExpectRect(r, 9, 8, 23, 24);
    r.DeflateRect(CRect(1, 2, 3, 4));
    ExpectRect(r, 10, 10, 20, 20);
    r.OffsetRect(CPoint(-10, 5));
    r.OffsetRect(CSize(0, -5));
    ExpectRect(r, 0, 10, 10, 20);
    r.MoveToXY(100, 200);
    ExpectRect(r, 100, 200, 110, 210);

    ExpectRect(r + CPoint(1, 1), 101, 201, 111, 211);
    ExpectRect(r - CSize(100, 200), 0, 0, 10, 10);
    ExpectRect(r + CRect(1, 1, 1, 1), 99, 199, 111, 211);  // + a rectangle inflates
    ExpectRect(r - CRect(1, 1, 1, 1), 101, 201, 109, 209);
    r += CSize(1, 0);
    r -= CPoint(1, 0);
    ExpectRect(r, 100, 200, 110, 210);
    ExpectRect(r.MulDiv(1, 10), 10, 20, 11, 21);

    LPCRECT raw = r;
    EXPECT_EQ(100, raw->left);
}

TEST(CPointSizeTest, Arithmetic)
{
    CPoint p(3, 4);
    p.Offset(1, 1);
    p += CSize(1, 1);
    p -= CPoint(2, 2);
    EXPECT_EQ(CPoint(3, 4), p);
    EXPECT_EQ(CSize(2, 3), CPoint(5, 7) - CPoint(3, 4));
    EXPECT_EQ(CPoint(5, 7), p + CPoint(2, 3));
    EXPECT_EQ(CPoint(-3, -4), -p);
    EXPECT_EQ(CPoint(1, 1), p - CSize(2, 3));
    EXPECT_EQ(CSize(5, 5), CSize(2, 3) + CSize(3, 2));
    EXPECT_EQ(CPoint(12, 13), CSize(2, 3) + CPoint(10, 10));
    ExpectRect(CPoint(1, 2) + CRect(0, 0, 5, 5), 1, 2, 6, 7);

    // Mouse-message coordinates are signed 16-bit halves.
    CPoint mouse(static_cast<LPARAM>(MAKELPARAM(-5, -7)));
    EXPECT_EQ(CPoint(-5, -7), mouse);
    EXPECT_EQ(CSize(-1, 2), CSize(static_cast<DWORD>(MAKELONG(-1, 2))));
}

}  // namespace
