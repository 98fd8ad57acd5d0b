// What the layouts of toolbars and dock bars share: sizes and rectangles over
// plain ints, the layout mode and bar style bits they read, and the clamp that
// brings 64-bit sums back into an int.
#pragma once
#include <climits>
#include <cstdint>

namespace bar_layout {

// Layout mode bits, as the frame passes them to CalcDynamicLayout.
constexpr uint32_t kModeStretch = 0x01;
constexpr uint32_t kModeHorz = 0x02;
constexpr uint32_t kModeMRUWidth = 0x04;
constexpr uint32_t kModeHorzDock = 0x08;
constexpr uint32_t kModeVertDock = 0x10;
constexpr uint32_t kModeLengthY = 0x20;
constexpr uint32_t kModeCommit = 0x40;

// Control bar style bits the layouts read.
constexpr uint32_t kBarFloating = 0x0001;
constexpr uint32_t kBarSizeFixed = 0x0002;
constexpr uint32_t kBarSizeDynamic = 0x0004;
constexpr uint32_t kBarAlignLeft = 0x1000;
constexpr uint32_t kBarAlignTop = 0x2000;
constexpr uint32_t kBarAlignRight = 0x4000;
constexpr uint32_t kBarAlignBottom = 0x8000;

// The width that means "as wide as it takes".
constexpr int kUnlimitedWidth = 32767;

struct LayoutSize
{
    int cx;
    int cy;
    bool operator==(const LayoutSize& o) const { return cx == o.cx && cy == o.cy; }
    bool operator!=(const LayoutSize& o) const { return !(*this == o); }
};

struct LayoutRect
{
    int left;
    int top;
    int right;
    int bottom;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const LayoutRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const LayoutRect& o) const { return !(*this == o); }
};

// Sums of sizes and positions run in 64 bits, so that a bar of many huge items
// cannot overflow; what comes out is clamped back into an int.
inline int ClampToInt(long long v)
{
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return static_cast<int>(v);
}
}
