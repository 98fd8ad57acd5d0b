// The toolbar's size and wrap computation over plain item sizes and flags.
//
// The buttons of our toolbar are not all of one size (text labels, embedded
// controls, wrapping separators with a height of their own), so the toolbar
// measures and wraps them itself. Everything here works on copies of the
// button records and on sizes the toolbar has already asked of the control;
// nothing here talks to a window.
//
// How QELToolbar feeds these functions, per button i of the control:
//   bSeparator   fsStyle & TBSTYLE_SEP
//   idCommand    idCommand (a separator with a non-zero id is the placeholder
//                of an embedded control)
//   bHidden      fsState & TBSTATE_HIDDEN of the working copy
//   bWrap        fsState & TBSTATE_WRAP; written back into the record after
//                WrapToolBar, SizeToolBar or CalcLayout
//   cx, cy       width and height of TB_GETITEMRECT(i); 0, 0 when it fails
//                (the control gives no rectangle for a hidden button)
//   bReportedHidden  TB_ISBUTTONHIDDEN(idCommand) != 0 (read for placeholders)
//   bHasControl  the toolbar has a child window whose control id is idCommand
//                (asked for every separator, plain ones included)
//   cxControl, cyControl  that child window's width and height
// and once per pass, in ToolbarMetrics: the button height (high word of
// TB_GETBUTTONSIZE), the cached common-controls version and
// m_bHideControlsWhenVertical.
#pragma once
#include <cstdint>
#include <vector>

namespace toolbar_layout {

// Layout mode bits, as the frame passes them to CalcDynamicLayout.
constexpr uint32_t kModeStretch = 0x01;
constexpr uint32_t kModeHorz = 0x02;
constexpr uint32_t kModeMRUWidth = 0x04;
constexpr uint32_t kModeHorzDock = 0x08;
constexpr uint32_t kModeVertDock = 0x10;
constexpr uint32_t kModeLengthY = 0x20;
constexpr uint32_t kModeCommit = 0x40;

// Control bar style bits the layout reads.
constexpr uint32_t kBarFloating = 0x0001;
constexpr uint32_t kBarSizeFixed = 0x0002;
constexpr uint32_t kBarSizeDynamic = 0x0004;
constexpr uint32_t kBarAlignLeft = 0x1000;
constexpr uint32_t kBarAlignTop = 0x2000;
constexpr uint32_t kBarAlignRight = 0x4000;
constexpr uint32_t kBarAlignBottom = 0x8000;

// Common-controls versions as major * 65536 + minor.
constexpr int32_t kComCtl470 = 0x00040046;
constexpr int32_t kComCtl471 = 0x00040047;

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

struct ToolbarItem
{
    int cx = 0;
    int cy = 0;
    bool bSeparator = false;
    int idCommand = 0;
    bool bHidden = false;
    bool bWrap = false;
    bool bReportedHidden = false;
    bool bHasControl = false;
    int cxControl = 0;
    int cyControl = 0;

    bool IsPlainSeparator() const { return bSeparator && idCommand == 0; }
    bool IsPlaceholder() const { return bSeparator && idCommand != 0; }
    // Hidden plain buttons and separators take no part in the layout; a
    // hidden placeholder still does.
    bool IsSkipped() const { return bHidden && !IsPlaceholder(); }
};

struct ToolbarMetrics
{
    int cyButton = 0;            // high word of TB_GETBUTTONSIZE
    int32_t nComCtlVersion = 0;  // major * 65536 + minor
    bool bHideControlsWhenVertical = true;
};

// Size of item nIndex in mode dwMode; (0, 0) for an index out of range.
LayoutSize GetButtonSize(const std::vector<ToolbarItem>& items, int nIndex, const ToolbarMetrics& metrics,
                         uint32_t dwMode);

// Width and height of all rows as the items are wrapped now.
LayoutSize CalcSize(const std::vector<ToolbarItem>& items, const ToolbarMetrics& metrics, uint32_t dwMode);

// Decides every wrap flag anew for rows of at most nWidth pixels, preferring
// to break at a plain separator; returns the number of rows (1 without items).
int WrapToolBar(std::vector<ToolbarItem>& items, int nWidth, const ToolbarMetrics& metrics, uint32_t dwMode);

// The bisection of the horizontal case: finds a narrow width that still gives
// as many rows as nLength does and leaves the items wrapped at it. Returns
// the width they are wrapped at afterwards: 0 when wrapping at 0 already
// gives as many rows or nLength is not positive, else the narrowest width
// found, one pixel wider than a width that gives a different count.
int SearchWrapWidth(std::vector<ToolbarItem>& items, int nLength, const ToolbarMetrics& metrics, uint32_t dwMode);

// Chooses the wrap for a length: a width when bVert is false (the narrowest
// wrap with as many rows as nLength gives), a height when it is true (the
// wrap whose height comes closest to nLength; should the height search go
// round in circles it settles on the wider of its two ends). Returns the
// width the items are finally wrapped at.
int SizeToolBar(std::vector<ToolbarItem>& items, int nLength, bool bVert, const ToolbarMetrics& metrics,
                uint32_t dwMode);

// What CalcLayout needs of the bar besides the items.
struct BarLayoutInput
{
    uint32_t dwMode = 0;
    int nLength = -1;
    uint32_t dwBarStyle = 0;
    int nMRUWidth = 0;
    // An empty rectangle shrunk to the bar's inside rectangle for the
    // orientation dwMode & kModeHorz (border and gripper insets): its width
    // and height are negative.
    LayoutRect rcInside = { 0, 0, 0, 0 };
    // The base control bar's own fixed layout for (dwMode & kModeStretch,
    // dwMode & kModeHorz).
    LayoutSize szBaseFixed = { 0, 0 };
};

struct BarLayoutResult
{
    LayoutSize size;     // the bar's size, margins included
    int nMRUWidth;       // the most-recently-used floating width afterwards
    bool bVertical;      // the bar is docked on the left or right
    bool bHideControls;  // committing: embedded controls are to be hidden
};

// The decision part of CalcLayout: wraps the items for the mode and length,
// measures them and adds the margins. With kModeCommit in dwMode it also
// marks every placeholder that has a control hidden or shown (bHidden) and
// updates the most-recently-used width; the toolbar then writes bWrap and
// bHidden back, sets iBitmap of those placeholders to cxControl, and places
// the controls (ControlTop).
BarLayoutResult CalcLayout(std::vector<ToolbarItem>& items, const BarLayoutInput& input, const ToolbarMetrics& metrics);

// Top of an embedded control centred in its placeholder's item rectangle,
// never above the rectangle.
int ControlTop(int nItemTop, int nItemHeight, int nControlHeight);
}
