// The gallery's saved window place: saved with its DPI, so a place saved at
// one DPI restores to the same size and place at another (and exactly at the
// same DPI), fitted into the screen's work area as it is now.
#include "gallery/WindowPlace.h"
#include <gtest/gtest.h>

using window_place::Rect;
using window_place::Rescale;
using window_place::Restore;

namespace {
bool Same(const Rect& a, const Rect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
std::string Text(const Rect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}
const Rect kBigWork = { -4000, -4000, 4000, 4000 };
}

TEST(WindowPlace, ASavedPlaceComesBackTheSameSizeAtAnotherDpi)
{
    struct Case
    {
        int savedAt, restoredAt;
        Rect pixels, expected;
    };
    const Case cases[] = {
        // 96 → 144: a 960 × 700 window saved at 96 is 1440 × 1050 at 144.
        { 96, 144, { 100, 80, 1060, 780 }, { 150, 120, 1590, 1170 } },
        // 144 → 96: and back.
        { 144, 96, { 150, 120, 1590, 1170 }, { 100, 80, 1060, 780 } },
        // 120 → 192, through odd pixels: 121 px at 120 DPI are 96.8 units (97),
        // 97 units at 192 DPI are 194 px.
        { 120, 192, { 121, 0, 1321, 901 }, { 194, 0, 2114, 1442 } },
        // The same DPI both times: exactly what was saved.
        { 144, 144, { 151, 121, 1591, 1171 }, { 151, 121, 1591, 1171 } },
        // Negative coordinates (a monitor left of the primary) round away from zero.
        { 144, 96, { -1441, -3, -1, 1049 }, { -961, -2, -1, 699 } },
    };
    for (const Case& c : cases) {
        Rect restored = Restore(c.pixels, c.savedAt, c.restoredAt, kBigWork);
        EXPECT_TRUE(Same(restored, c.expected))
            << c.savedAt << " -> " << c.restoredAt << ": got " << Text(restored) << ", expected " << Text(c.expected);
    }
    // Through a run at another DPI and back: saved again there, it comes back
    // to the pixels it started from.
    Rect at144 = Restore({ 100, 80, 1060, 780 }, 96, 144, kBigWork);
    EXPECT_TRUE(Same(Restore(at144, 144, 96, kBigWork), { 100, 80, 1060, 780 })) << Text(at144);
    // A place saved before the DPI was kept counts as saved at 96.
    EXPECT_TRUE(Same(Rescale({ 100, 80, 1060, 780 }, 0, 144), { 150, 120, 1590, 1170 }));
}

TEST(WindowPlace, ARestoredPlaceIsFittedIntoTheWorkArea)
{
    const Rect work = { 0, 0, 1920, 1040 };
    // Saved at 96 near the bottom right; at 144 it would stick out: moved in, size kept.
    Rect moved = Restore({ 900, 500, 1860, 1000 }, 96, 144, work);
    EXPECT_TRUE(Same(moved, { 1920 - 1440, 1040 - 750, 1920, 1040 })) << Text(moved);
    // Larger than the work area: as large as it.
    Rect shrunk = Restore({ 0, 0, 1600, 900 }, 96, 192, work);
    EXPECT_TRUE(Same(shrunk, work)) << Text(shrunk);
    // Left of and above a work area that does not start at 0, 0 (a taskbar on the left).
    Rect shifted = Restore({ -50, -20, 910, 680 }, 96, 96, { 60, 0, 1920, 1080 });
    EXPECT_TRUE(Same(shifted, { 60, 0, 1020, 700 })) << Text(shifted);
    // Wholly inside: untouched.
    Rect inside = Restore({ 10, 10, 970, 710 }, 96, 96, work);
    EXPECT_TRUE(Same(inside, { 10, 10, 970, 710 })) << Text(inside);
}

TEST(WindowPlace, NonsenseIsScaledButNotFitted)
{
    // An inverted stored rectangle or an empty work area: no fitting that
    // would turn it into something plausible; the caller's size check refuses it.
    Rect inverted = Restore({ 500, 500, 100, 100 }, 96, 144, kBigWork);
    EXPECT_TRUE(Same(inverted, { 750, 750, 150, 150 })) << Text(inverted);
    Rect noWork = Restore({ 5000, 5000, 5960, 5700 }, 96, 96, { 0, 0, 0, 0 });
    EXPECT_TRUE(Same(noWork, { 5000, 5000, 5960, 5700 })) << Text(noWork);
    // No DPI to restore at leaves the numbers as they are.
    EXPECT_TRUE(Same(Rescale({ 1, 2, 300, 400 }, 144, 0), { 1, 2, 300, 400 }));
    EXPECT_TRUE(Same(Restore({ 1, 2, 300, 400 }, 144, -5, kBigWork), { 1, 2, 300, 400 }));
}
