// Toolbar items as the toolbar class would read them from the control, for
// the layout tests.
#pragma once
#include "ToolbarLayout.h"
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace toolbar_test {

using bar_layout::ToolbarItem;
using bar_layout::ToolbarMetrics;

inline ToolbarItem Button(int cx, int cy = 22)
{
    ToolbarItem item;
    item.cx = cx;
    item.cy = cy;
    item.idCommand = 100;
    return item;
}

inline ToolbarItem Separator(int cx = 8, int cy = 22)
{
    ToolbarItem item;
    item.cx = cx;
    item.cy = cy;
    item.bSeparator = true;
    return item;
}

// A control placeholder whose embedded control exists and is cxControl x cyControl.
inline ToolbarItem Placeholder(int id, int cxControl, int cyControl)
{
    ToolbarItem item;
    item.cx = cxControl;
    item.cy = 22;
    item.bSeparator = true;
    item.idCommand = id;
    item.bHasControl = true;
    item.cxControl = cxControl;
    item.cyControl = cyControl;
    return item;
}

inline ToolbarItem Hidden(ToolbarItem item)
{
    item.bHidden = true;
    item.bReportedHidden = true;
    if (!item.bHasControl) {
        item.cx = 0;  // the control gives no rectangle for a hidden item
        item.cy = 0;
    }
    return item;
}

inline ToolbarItem Wrapping(ToolbarItem item)
{
    item.bWrap = true;
    return item;
}

inline ToolbarMetrics Metrics(int32_t nVersion = 0x00050051, bool bHide = true)
{
    ToolbarMetrics m;
    m.cyButton = 22;
    m.nComCtlVersion = nVersion;
    m.bHideControlsWhenVertical = bHide;
    return m;
}

// The framework's toolbar: rows one button high, no embedded controls.
inline ToolbarMetrics FrameMetrics(int cyButton = 22)
{
    ToolbarMetrics m;
    m.rows = bar_layout::RowRule::OneButtonHigh;
    m.cyButton = cyButton;
    return m;
}

// "..W..W." : the positions of the wrap flags, for readable failures.
inline std::string Wraps(const std::vector<ToolbarItem>& items)
{
    std::string s;
    for (const ToolbarItem& item : items)
        s += item.bWrap ? 'W' : '.';
    return s;
}

// A random bar: buttons of a few widths, some separators, hidden buttons and
// placeholders when bMixed, plain buttons only otherwise.
inline std::vector<ToolbarItem> RandomBar(std::mt19937& rng, bool bMixed)
{
    std::uniform_int_distribution<int> count(0, 14);
    std::uniform_int_distribution<int> width(1, 90);
    std::uniform_int_distribution<int> kind(0, 9);
    std::vector<ToolbarItem> items;
    const int n = count(rng);
    for (int i = 0; i < n; ++i) {
        const int k = bMixed ? kind(rng) : 0;
        if (k <= 5)
            items.push_back(Button(width(rng), 22));
        else if (k <= 7)
            items.push_back(Separator(width(rng) % 12 + 1));
        else if (k == 8)
            items.push_back(Hidden(Button(width(rng))));
        else
            items.push_back(Placeholder(200 + i, width(rng), 18));
    }
    return items;
}
}
