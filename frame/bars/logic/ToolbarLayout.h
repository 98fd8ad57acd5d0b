// The size and wrap computation of toolbars over plain item sizes and flags,
// for the framework's toolbar (CToolBar) and ours (QELToolbar) alike.
//
// Everything here works on copies of the button records and on sizes the
// toolbar has already asked of the control; nothing here talks to a window.
// The two toolbars differ in how they measure (ToolbarMetrics::rows): the
// framework's makes every row one button high, ours measures every item,
// since its buttons are not all of one size (text labels, embedded controls,
// wrapping separators with a height of their own).
//
// How a toolbar feeds these functions, per button i of the control:
//   bSeparator   fsStyle & TBSTYLE_SEP
//   idCommand    idCommand (a separator with a non-zero id is the placeholder
//                of an embedded control)
//   bHidden      fsState & TBSTATE_HIDDEN of the working copy
//   bWrap        fsState & TBSTATE_WRAP; written back into the record after
//                WrapToolBar, SizeToolBar or CalcLayout
//   cx, cy       width and height of TB_GETITEMRECT(i); 0, 0 when it fails
//                (the control gives no rectangle for a hidden button). The
//                framework's toolbar gives a separator its iBitmap as cx, and
//                a button whose rectangle it cannot read its button width.
// and, ours only (the framework's toolbar knows no embedded controls):
//   bReportedHidden  TB_ISBUTTONHIDDEN(idCommand) != 0 (read for placeholders)
//   bHasControl  the toolbar has a child window whose control id is idCommand
//                (asked for every separator, plain ones included)
//   cxControl, cyControl  that child window's width and height
// and once per pass, in ToolbarMetrics: the rule, the button height (high
// word of TB_GETBUTTONSIZE), and for ours the cached common-controls version
// and m_bHideControlsWhenVertical.
#pragma once
#include "BarLayoutTypes.h"
#include <cstdint>
#include <vector>

namespace bar_layout {

// Common-controls versions as major * 65536 + minor.
constexpr int32_t kComCtl470 = 0x00040046;
constexpr int32_t kComCtl471 = 0x00040047;

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
};

// How a toolbar measures its rows.
enum class RowRule {
    // The framework's toolbar: every row is one button high, a wrapping
    // separator adds a line two thirds of its width high (of 8 pixels when it
    // has none) below its row, and hidden items, placeholders too, take no
    // part.
    OneButtonHigh,
    // Ours: a row is as tall as its tallest item, a wrapping separator adds
    // the line the common controls of nComCtlVersion draw, and a hidden
    // placeholder still takes its control's room.
    TallestItem,
};

struct ToolbarMetrics
{
    RowRule rows = RowRule::TallestItem;
    int cyButton = 0;                       // high word of TB_GETBUTTONSIZE
    int32_t nComCtlVersion = 0;             // major * 65536 + minor (TallestItem)
    bool bHideControlsWhenVertical = true;  // TallestItem
};

// Whether item takes no part in the layout: a hidden plain button or
// separator never does, a hidden placeholder only under OneButtonHigh.
bool IsSkipped(const ToolbarItem& item, const ToolbarMetrics& metrics);

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
