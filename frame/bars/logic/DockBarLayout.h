// The arithmetic of CDockBar::CalcFixedLayout over plain sizes.
//
// Docked bars lie in rows, each overlapping its neighbours by its borders:
// two pixels in the framework's dock bar, none for the flat toolbars of ours
// (CDockBarEx), which draw their own one-pixel borders. This computes where
// each docked bar goes, where rows break and how large the dock bar becomes;
// the dock bar then carries out the actions in one deferred
// window-positioning batch.
//
// How the dock bar feeds it, per entry p of its bar array (m_arrBars):
//   kind         Empty for a null entry (a row end), Placeholder for the id of
//                a hidden bar, Bar for a control bar
//   nBar         the caller's own handle for the bar (its index in the array
//                at the start is handy); not read by the computation
//   bVisible     the bar's IsVisible()
//   nOverlap     how far the bar overlaps its neighbours, along its row and
//                across to the next row (CDockBar::GetBarOverlap)
//   dwStyle      the bar's style (CBRS_...)
//   size         bar->CalcDynamicLayout(-1, DockedBarMode(dwStyle)), for
//                visible bars
//   rcCurrent    the bar's window rectangle in the dock bar's client
//                coordinates
// It mirrors every insertion (DockLayoutResult::insertions, in order) into
// m_arrBars with InsertAt(p, nullptr), and, unless this is a layout query,
// opens a batch for as many windows as the array had entries; it runs the
// actions in order (DelayShow also comes during a query: the bar's
// RecalcDelayShow then gets the layout record without a batch).
#pragma once
#include "BarLayoutTypes.h"
#include <cstdint>
#include <vector>

namespace bar_layout {

enum class DockEntryKind {
    Empty,
    Placeholder,
    Bar,
};

struct DockEntry
{
    DockEntryKind kind = DockEntryKind::Empty;
    int nBar = -1;
    bool bVisible = false;
    int nOverlap = 2;
    uint32_t dwStyle = 0;
    LayoutSize size = { 0, 0 };
    LayoutRect rcCurrent = { 0, 0, 0, 0 };
};

struct DockLayoutInput
{
    bool bStretch = false;
    bool bHorz = true;
    bool bFloating = false;     // the dock bar's own floating flag
    bool bLayoutQuery = false;  // the frame only asks for sizes: nothing moves
    // The dock bar's layout rectangle size when not empty, else the parent
    // frame's client size.
    LayoutSize szMax = { 0, 0 };
    // The base control bar's CalcFixedLayout(bStretch, bHorz).
    LayoutSize szBase = { 0, 0 };
    // An empty rectangle shrunk to the dock bar's inside rectangle for bHorz.
    LayoutRect rcInside = { 0, 0, 0, 0 };
};

enum class DockActionKind {
    RecordPosition,  // remember rect as the bar's last docked position (when it has a docking context)
    Move,            // put the move of the bar to rect into the batch
    DelayShow,       // let the bar apply a pending delayed show or hide (RecalcDelayShow)
};

struct DockAction
{
    DockActionKind kind;
    int nBar;
    LayoutRect rect;
};

struct DockLayoutResult
{
    LayoutSize size;
    std::vector<DockAction> actions;
    std::vector<int> insertions;  // positions where an empty entry went in, in order
};

// The layout mode a docked bar is asked for its size with.
uint32_t DockedBarMode(uint32_t dwStyle);

// Lays out the docked bars; entries gets the inserted row ends.
DockLayoutResult CalcDockBarLayout(std::vector<DockEntry>& entries, const DockLayoutInput& input);
}
