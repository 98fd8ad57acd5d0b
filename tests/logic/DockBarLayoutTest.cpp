// Placing docked bars in our dock bar: rows, overlaps and moves.
#include "DockBarLayout.h"
#include <gtest/gtest.h>
#include <random>
#include <sstream>

using namespace bar_layout;

namespace {
DockEntry Bar(int nBar, int cx, int cy, bool bFlat, LayoutRect rcCurrent = { -100, -100, -50, -50 })
{
    DockEntry e;
    e.kind = DockEntryKind::Bar;
    e.nBar = nBar;
    e.bVisible = true;
    e.nOverlap = bFlat ? 0 : 2;
    e.dwStyle = kBarAlignTop;
    e.size = { cx, cy };
    e.rcCurrent = rcCurrent;
    return e;
}

DockEntry RowEnd() { return DockEntry(); }

DockLayoutInput Horizontal(int cxMax)
{
    DockLayoutInput in;
    in.bHorz = true;
    in.szMax = { cxMax, 600 };
    return in;
}

// "M0(-2,-2,98,24) S0 ..." : the actions in order, for readable failures.
std::string Actions(const DockLayoutResult& r)
{
    std::ostringstream s;
    for (const DockAction& a : r.actions) {
        if (!s.str().empty())
            s << ' ';
        const char* kind = a.kind == DockActionKind::Move ? "M" : a.kind == DockActionKind::RecordPosition ? "R" : "S";
        s << kind << a.nBar;
        if (a.kind != DockActionKind::DelayShow)
            s << '(' << a.rect.left << ',' << a.rect.top << ',' << a.rect.right << ',' << a.rect.bottom << ')';
    }
    return s.str();
}

LayoutRect Transposed(const LayoutRect& r) { return { r.top, r.left, r.bottom, r.right }; }
LayoutSize Transposed(const LayoutSize& s) { return { s.cy, s.cx }; }
}

TEST(DockBarLayout, FlatToolbarsTouchOthersOverlap)
{
    std::vector<DockEntry> entries = { Bar(0, 100, 26, true), Bar(1, 100, 26, true), RowEnd() };
    DockLayoutResult r = CalcDockBarLayout(entries, Horizontal(1000));
    EXPECT_EQ(Actions(r), "R0(-2,-2,98,24) M0(-2,-2,98,24) S0 R1(98,-2,198,24) M1(98,-2,198,24) S1");
    EXPECT_EQ(r.size, (LayoutSize{ 198, 24 }));
    EXPECT_TRUE(r.insertions.empty());

    entries = { Bar(0, 100, 26, false), Bar(1, 100, 26, false), RowEnd() };
    r = CalcDockBarLayout(entries, Horizontal(1000));
    EXPECT_EQ(Actions(r), "R0(-2,-2,98,24) M0(-2,-2,98,24) S0 R1(96,-2,196,24) M1(96,-2,196,24) S1");
    EXPECT_EQ(r.size, (LayoutSize{ 194, 22 }));
}

TEST(DockBarLayout, ABarWithoutRoomStartsANewRow)
{
    std::vector<DockEntry> entries = { Bar(0, 100, 26, true), Bar(1, 100, 26, true), RowEnd() };
    DockLayoutResult r = CalcDockBarLayout(entries, Horizontal(90));
    EXPECT_EQ(Actions(r), "R0(-2,-2,98,24) M0(-2,-2,98,24) S0 R1(0,24,100,50) M1(0,24,100,50) S1");
    EXPECT_EQ(r.size, (LayoutSize{ 100, 50 }));
    ASSERT_EQ(r.insertions, std::vector<int>{ 1 });
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[1].kind, DockEntryKind::Empty);
    EXPECT_EQ(entries[2].nBar, 1);

    // On its new row a bar starts at the edge, wherever it stood before.
    entries = { Bar(0, 160, 26, true), Bar(1, 50, 26, true, { 40, -2, 90, 24 }), RowEnd() };
    r = CalcDockBarLayout(entries, Horizontal(150));
    EXPECT_EQ(Actions(r), "R0(-2,-2,158,24) M0(-2,-2,158,24) S0 R1(0,24,50,50) M1(0,24,50,50) S1");
    EXPECT_EQ(r.size, (LayoutSize{ 158, 50 }));

    // Laid out again, the row end is there already: nothing more goes in.
    entries = { Bar(0, 100, 26, true), RowEnd(), Bar(1, 100, 26, true), RowEnd() };
    for (DockEntry& e : entries) {
        if (e.nBar == 0)
            e.rcCurrent = { -2, -2, 98, 24 };
        if (e.nBar == 1)
            e.rcCurrent = { 0, 24, 100, 50 };
    }
    r = CalcDockBarLayout(entries, Horizontal(90));
    EXPECT_EQ(Actions(r), "S0 S1") << "nothing moved";
    EXPECT_TRUE(r.insertions.empty());
    EXPECT_EQ(r.size, (LayoutSize{ 100, 50 }));
}

TEST(DockBarLayout, DraggedBarsStayAndOverhangingBarsComeBack)
{
    std::vector<DockEntry> entries = { Bar(0, 100, 26, true, { 300, -2, 400, 24 }), RowEnd() };
    DockLayoutResult r = CalcDockBarLayout(entries, Horizontal(1000));
    EXPECT_EQ(Actions(r), "S0");
    EXPECT_EQ(r.size, (LayoutSize{ 400, 24 }));

    r = CalcDockBarLayout(entries, Horizontal(350));
    EXPECT_EQ(Actions(r), "R0(250,-2,350,24) M0(250,-2,350,24) S0");

    // A floating dock bar lines its bars up from the start.
    DockLayoutInput in = Horizontal(350);
    in.bFloating = true;
    r = CalcDockBarLayout(entries, in);
    EXPECT_EQ(Actions(r), "R0(-2,-2,98,24) M0(-2,-2,98,24) S0");
}

TEST(DockBarLayout, QueriesMoveNothingHiddenBarsTakeNoRoom)
{
    DockEntry hidden = Bar(1, 500, 90, true);
    hidden.bVisible = false;
    DockEntry placeholder;
    placeholder.kind = DockEntryKind::Placeholder;
    std::vector<DockEntry> entries = { Bar(0, 100, 26, true), hidden, placeholder, Bar(2, 50, 30, false), RowEnd() };
    std::vector<DockEntry> copy = entries;
    DockLayoutResult moved = CalcDockBarLayout(entries, Horizontal(1000));
    EXPECT_EQ(Actions(moved), "R0(-2,-2,98,24) M0(-2,-2,98,24) S0 S1 R2(98,-2,148,28) M2(98,-2,148,28) S2");
    EXPECT_EQ(moved.size, (LayoutSize{ 146, 26 }));

    DockLayoutInput query = Horizontal(1000);
    query.bLayoutQuery = true;
    DockLayoutResult asked = CalcDockBarLayout(copy, query);
    EXPECT_EQ(Actions(asked), "S0 S1 S2");
    EXPECT_EQ(asked.size, moved.size);

    // A floating bar's position is not remembered as a docked one.
    entries = { Bar(0, 100, 26, true), RowEnd() };
    entries[0].dwStyle |= kBarFloating;
    EXPECT_EQ(Actions(CalcDockBarLayout(entries, Horizontal(1000))), "M0(-2,-2,98,24) S0");
}

TEST(DockBarLayout, InsideMarginsFollowStretchAndOrientation)
{
    std::vector<DockEntry> entries = { Bar(0, 100, 26, true), RowEnd() };
    DockLayoutInput in = Horizontal(1000);
    in.rcInside = { 1, 2, -3, -4 };
    EXPECT_EQ(CalcDockBarLayout(entries, in).size, (LayoutSize{ 102, 30 }));
    in.bStretch = true;
    EXPECT_EQ(CalcDockBarLayout(entries, in).size, (LayoutSize{ 98, 30 })) << "stretched across: no side margins";
    in.bHorz = false;
    entries = { Bar(0, 26, 100, true), RowEnd() };
    EXPECT_EQ(CalcDockBarLayout(entries, in).size, (LayoutSize{ 28, 98 }));
    // An empty dock bar stays empty, or takes the base size.
    entries = { RowEnd() };
    EXPECT_EQ(CalcDockBarLayout(entries, in).size, (LayoutSize{ 0, 0 }));
    in.szBase = { 5, 7 };
    EXPECT_EQ(CalcDockBarLayout(entries, in).size, (LayoutSize{ 9, 7 }));
}

TEST(DockBarLayout, ModeOfADockedBar)
{
    EXPECT_EQ(DockedBarMode(kBarSizeDynamic | kBarFloating | kBarAlignLeft), kModeHorz | kModeMRUWidth);
    EXPECT_EQ(DockedBarMode(kBarSizeDynamic | kBarAlignTop), kModeHorz | kModeHorzDock);
    EXPECT_EQ(DockedBarMode(kBarAlignBottom), kModeHorz | kModeHorzDock);
    EXPECT_EQ(DockedBarMode(kBarAlignLeft | kBarFloating), kModeVertDock);
    EXPECT_EQ(DockedBarMode(0), kModeVertDock);
}

TEST(DockBarLayout, VerticalIsTheHorizontalLayoutTransposed)
{
    std::mt19937 rng(13);
    std::uniform_int_distribution<int> extent(1, 300);
    std::uniform_int_distribution<int> pos(-50, 400);
    for (int round = 0; round < 500; ++round) {
        std::vector<DockEntry> horz;
        const int n = static_cast<int>(rng() % 8);
        for (int i = 0; i < n; ++i) {
            const unsigned k = rng() % 6;
            if (k == 0) {
                horz.push_back(RowEnd());
            } else if (k == 1) {
                DockEntry p;
                p.kind = DockEntryKind::Placeholder;
                horz.push_back(p);
            } else {
                DockEntry b = Bar(i, extent(rng), extent(rng) % 40 + 1, (rng() & 1) != 0);
                const int x = pos(rng);
                const int y = pos(rng) % 60;
                b.rcCurrent = { x, y, x + b.size.cx, y + b.size.cy };
                b.bVisible = k != 2;
                b.dwStyle |= (rng() % 4 == 0) ? kBarFloating : 0;
                horz.push_back(b);
            }
        }
        horz.push_back(RowEnd());
        std::vector<DockEntry> vert = horz;
        for (DockEntry& e : vert) {
            e.size = Transposed(e.size);
            e.rcCurrent = Transposed(e.rcCurrent);
        }
        DockLayoutInput in = Horizontal(extent(rng) + 50);
        in.bStretch = (rng() & 1) != 0;
        in.bFloating = rng() % 4 == 0;
        in.rcInside = { 2, 1, -3, -4 };
        in.szBase = { static_cast<int>(rng() % 50), static_cast<int>(rng() % 50) };
        DockLayoutInput inVert = in;
        inVert.bHorz = false;
        inVert.szMax = Transposed(in.szMax);
        inVert.szBase = Transposed(in.szBase);
        inVert.rcInside = Transposed(in.rcInside);

        DockLayoutResult h = CalcDockBarLayout(horz, in);
        DockLayoutResult v = CalcDockBarLayout(vert, inVert);
        ASSERT_EQ(Transposed(h.size), v.size) << "round " << round;
        ASSERT_EQ(h.insertions, v.insertions) << "round " << round;
        ASSERT_EQ(h.actions.size(), v.actions.size()) << "round " << round;
        for (size_t i = 0; i < h.actions.size(); ++i) {
            ASSERT_EQ(h.actions[i].kind, v.actions[i].kind) << "round " << round;
            ASSERT_EQ(h.actions[i].nBar, v.actions[i].nBar) << "round " << round;
            if (h.actions[i].kind != DockActionKind::DelayShow) {
                ASSERT_EQ(Transposed(h.actions[i].rect), v.actions[i].rect) << "round " << round;
            }
        }
        ASSERT_EQ(horz.size(), vert.size());
    }
}
