#include "ToolbarLayout.h"
#include <algorithm>
#include <climits>
#include <utility>

namespace bar_layout {

namespace {

int Count(const std::vector<ToolbarItem>& items)
{
    return items.size() > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(items.size());
}

int CalcWidth(const std::vector<ToolbarItem>& items, const ToolbarMetrics& metrics, uint32_t dwMode)
{
    return CalcSize(items, metrics, dwMode).cx;
}

// The line a wrapping separator of the framework's toolbar adds below its row.
long long FrameSeparatorLine(const ToolbarItem& item) { return (item.cx > 0 ? item.cx : 8LL) * 2 / 3; }
}

bool IsSkipped(const ToolbarItem& item, const ToolbarMetrics& metrics)
{
    return item.bHidden && (metrics.rows == RowRule::OneButtonHigh || !item.IsPlaceholder());
}

LayoutSize GetButtonSize(const std::vector<ToolbarItem>& items, int nIndex, const ToolbarMetrics& metrics,
                         uint32_t dwMode)
{
    if (nIndex < 0 || nIndex >= Count(items))
        return { 0, 0 };
    const ToolbarItem& item = items[static_cast<size_t>(nIndex)];
    if (metrics.rows == RowRule::OneButtonHigh) {
        // Buttons are a button high; separators are only as wide as they are
        // (nothing once they wrap: then they are a line below their row).
        return { item.bSeparator && item.bWrap ? 0 : item.cx, item.bSeparator ? 0 : metrics.cyButton };
    }
    int cx = item.cx;
    int cy = item.cy;
    if (item.bSeparator)
        cy = std::min(cy, metrics.cyButton);

    if (item.IsPlaceholder() && item.bReportedHidden) {
        // The control gives no rectangle for a hidden item: a hidden
        // placeholder measures as its control, or as nothing without one.
        // This holds whether or not controls hide on vertical bars, since
        // the next commit shows the control there again anyway.
        if (item.bHasControl) {
            cx = item.cxControl;
            cy = item.cyControl;
        } else {
            cx = 0;
            cy = 0;
        }
    }
    if (item.IsPlaceholder() && metrics.bHideControlsWhenVertical && (dwMode & (kModeStretch | kModeHorz)) == 0) {
        cx = 0;
        cy = 0;
    }

    if (item.bSeparator && item.bWrap && !item.bHasControl) {
        // A wrapping separator is drawn as a horizontal line below its row;
        // how tall the control makes it depends on its version.
        if (metrics.nComCtlVersion <= kComCtl470)
            cy = cy > 3 ? cy - 3 : 0;  // never negative (which would pull the next row up), never overflowing
        else if (metrics.nComCtlVersion > kComCtl471)
            cy = cx;
        cx = 0;
    }
    return { cx, cy };
}

LayoutSize CalcSize(const std::vector<ToolbarItem>& items, const ToolbarMetrics& metrics, uint32_t dwMode)
{
    long long x = 0;  // width of the current row so far
    long long y = 0;  // top of the current row
    long long h = 0;  // tallest item of the row
    int k = 0;        // visible items in the row
    long long w = 0;
    long long ht = 0;
    const bool bButtonHigh = metrics.rows == RowRule::OneButtonHigh;
    const int n = Count(items);
    for (int i = 0; i < n; ++i) {
        const ToolbarItem& item = items[static_cast<size_t>(i)];
        if (IsSkipped(item, metrics))
            continue;
        const LayoutSize sz = GetButtonSize(items, i, metrics, dwMode);
        h = std::max(h, static_cast<long long>(sz.cy));
        w = std::max(w, x + sz.cx);
        ht = std::max(ht, y + sz.cy);
        x += sz.cx;
        if (!item.bHidden)
            ++k;
        if (item.bWrap) {
            // A separator alone on its row still gets a row of button height.
            if (bButtonHigh || (k == 1 && item.bSeparator))
                h = metrics.cyButton;
            y += h;
            if (item.bSeparator)
                y += bButtonHigh ? FrameSeparatorLine(item) : sz.cy;
            // The framework's toolbar counts a separator's line even below its last row.
            if (bButtonHigh)
                ht = std::max(ht, y);
            x = 0;
            h = 0;
            k = 0;
        }
    }
    return { ClampToInt(w), ClampToInt(ht) };
}

int WrapToolBar(std::vector<ToolbarItem>& items, int nWidth, const ToolbarMetrics& metrics, uint32_t dwMode)
{
    const int n = Count(items);
    if (n < 1)
        return 1;
    int nWraps = 0;
    long long x = 0;
    for (int i = 0; i < n; ++i) {
        ToolbarItem& item = items[static_cast<size_t>(i)];
        item.bWrap = false;
        if (IsSkipped(item, metrics))
            continue;
        x += GetButtonSize(items, i, metrics, dwMode).cx;
        if (x <= nWidth)
            continue;

        // Look back for a break: a visible plain separator of this row first,
        // else the last real button before this item. Both stop at the
        // previous row's break, which is what makes the wrap points strictly
        // increase and the pass end.
        int j = -1;
        for (int k = i; k >= 0; --k) {
            const ToolbarItem& c = items[static_cast<size_t>(k)];
            if (c.bWrap)
                break;
            if (c.IsPlainSeparator() && !c.bHidden) {
                j = k;
                break;
            }
        }
        if (j < 0) {
            for (int k = i - 1; k >= 0; --k) {
                const ToolbarItem& c = items[static_cast<size_t>(k)];
                if (c.bWrap)
                    break;
                if (c.bHidden || c.IsPlaceholder())
                    continue;
                j = k;
                break;
            }
        }
        if (j < 0)
            continue;  // nowhere to break: the row overflows
        items[static_cast<size_t>(j)].bWrap = true;
        ++nWraps;
        x = 0;
        i = j;  // the loop's increment measures the items after j again
    }
    return nWraps + 1;
}

int SearchWrapWidth(std::vector<ToolbarItem>& items, int nLength, const ToolbarMetrics& metrics, uint32_t dwMode)
{
    const int nTarget = WrapToolBar(items, nLength, metrics, dwMode);
    if (WrapToolBar(items, 0, metrics, dwMode) == nTarget || nLength <= 0)
        return 0;
    int lo = 0;
    int hi = nLength;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;  // lo >= 0, so this is (lo + hi) / 2 without overflow
        if (WrapToolBar(items, mid, metrics, dwMode) == nTarget) {
            hi = mid;
        } else if (lo == mid) {
            WrapToolBar(items, hi, metrics, dwMode);
            return hi;
        } else {
            lo = mid;
        }
    }
    // Only reached when the width giving nTarget is the last one tried.
    return hi;
}

int SizeToolBar(std::vector<ToolbarItem>& items, int nLength, bool bVert, const ToolbarMetrics& metrics,
                uint32_t dwMode)
{
    if (!bVert) {
        SearchWrapWidth(items, nLength, metrics, dwMode);
        // The rows may well be narrower than the width searched for: wrap at
        // what they need, which gives the same rows.
        const int nWidth = CalcWidth(items, metrics, dwMode);
        WrapToolBar(items, nWidth, metrics, dwMode);
        return nWidth;
    }

    // nLength is a height: bisect between the narrowest and the widest wrap
    // on the width the rows come out at.
    WrapToolBar(items, 0, metrics, dwMode);
    LayoutSize small = CalcSize(items, metrics, dwMode);
    WrapToolBar(items, kUnlimitedWidth, metrics, dwMode);
    LayoutSize large = CalcSize(items, metrics, dwMode);
    int nLast = kUnlimitedWidth;
    // The width a wrap comes out at need not grow with the width asked for
    // (an item wider than the row overflows it), so the narrow and wide ends
    // can swap back and forth for ever. Once a pair of ends comes round again
    // the search stops on the wider end, the lower of the two.
    std::vector<std::pair<LayoutSize, LayoutSize>> seen;
    while (small.cx < large.cx) {
        for (const std::pair<LayoutSize, LayoutSize>& ends : seen) {
            if (ends.first == small && ends.second == large) {
                WrapToolBar(items, large.cx, metrics, dwMode);
                return large.cx;
            }
        }
        seen.emplace_back(small, large);
        nLast = ClampToInt((static_cast<long long>(small.cx) + large.cx) / 2);
        WrapToolBar(items, nLast, metrics, dwMode);
        const LayoutSize mid = CalcSize(items, metrics, dwMode);
        if (nLength < mid.cy) {
            if (mid == small) {
                WrapToolBar(items, large.cx, metrics, dwMode);
                return large.cx;
            }
            small = mid;
        } else if (nLength > mid.cy) {
            if (mid == large) {
                WrapToolBar(items, small.cx, metrics, dwMode);
                return small.cx;
            }
            large = mid;
        } else {
            break;
        }
    }
    return nLast;
}

BarLayoutResult CalcLayout(std::vector<ToolbarItem>& items, const BarLayoutInput& input, const ToolbarMetrics& metrics)
{
    const uint32_t dwMode = input.dwMode;
    const uint32_t dwStyle = input.dwBarStyle;
    BarLayoutResult result = { { 0, 0 }, input.nMRUWidth, (dwStyle & (kBarAlignLeft | kBarAlignRight)) != 0, false };
    result.bHideControls = result.bVertical && metrics.bHideControlsWhenVertical;
    const bool bHaveItems = !items.empty();

    if (bHaveItems && (dwStyle & kBarSizeFixed) == 0) {
        const bool bDynamic = (dwStyle & kBarSizeDynamic) != 0;
        int nSize;
        bool bVert = false;
        if (bDynamic && (dwMode & kModeMRUWidth)) {
            nSize = input.nMRUWidth;
        } else if (bDynamic && (dwMode & kModeHorzDock)) {
            nSize = kUnlimitedWidth;
        } else if (bDynamic && (dwMode & kModeVertDock)) {
            nSize = 0;
        } else if (bDynamic && input.nLength != -1) {
            // The length the frame gives includes the borders and gripper;
            // the inside rectangle's negative extent takes them off.
            bVert = (dwMode & kModeLengthY) != 0;
            const long long inset = bVert ? static_cast<long long>(input.rcInside.bottom) - input.rcInside.top
                                          : static_cast<long long>(input.rcInside.right) - input.rcInside.left;
            nSize = ClampToInt(input.nLength + inset);
        } else if (bDynamic && (dwStyle & kBarFloating)) {
            nSize = input.nMRUWidth;
        } else {
            nSize = (dwMode & kModeHorz) ? kUnlimitedWidth : 0;
        }
        SizeToolBar(items, nSize, bVert, metrics, dwMode);
    }

    long long cx = 0;
    long long cy = 0;
    if (bHaveItems) {
        const LayoutSize size = CalcSize(items, metrics, dwMode);
        cx = size.cx;
        cy = size.cy;
        if (dwMode & kModeCommit) {
            for (ToolbarItem& item : items) {
                if (item.IsPlaceholder() && item.bHasControl)
                    item.bHidden = result.bHideControls;
            }
            if ((dwStyle & kBarFloating) && (dwStyle & kBarSizeDynamic))
                result.nMRUWidth = size.cx;
        }
    }

    cx += static_cast<long long>(input.rcInside.left) - input.rcInside.right;
    cy += static_cast<long long>(input.rcInside.top) - input.rcInside.bottom;
    result.size.cx = std::max(ClampToInt(cx), input.szBaseFixed.cx);
    result.size.cy = std::max(ClampToInt(cy), input.szBaseFixed.cy);
    return result;
}

int ControlTop(int nItemTop, int nItemHeight, int nControlHeight)
{
    const long long d = (static_cast<long long>(nItemHeight) - nControlHeight) / 2;
    return ClampToInt(nItemTop + (d > 0 ? d : 0));
}
}
