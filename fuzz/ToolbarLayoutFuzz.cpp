// Feeds arbitrary bars to the toolbar layout, under the framework's row rule
// and ours, and arbitrary docked bars to the dock bar placement. Beyond running clean under the sanitizers, what the
// toolbar class relies on must hold: the row count matches the wrap flags,
// breaks only fall where they may, old flags never leak into a new wrap, the
// width search stops on a row-count boundary with the bar wrapped there, and
// a vertical dock bar is the horizontal one transposed.
#include "DockBarLayout.h"
#include "FuzzInput.h"
#include "ToolbarLayout.h"
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace bar_layout;

namespace {
// Wild values span the whole int range; tame ones are sizes a control gives.
struct Reader : FuzzInput
{
    using FuzzInput::FuzzInput;
    int Size(bool bWild) { return bWild ? Take<int32_t>() : Take<uint8_t>(); }
};

void Check(bool bOk)
{
    if (!bOk)
        std::abort();
}

int CountWraps(const std::vector<ToolbarItem>& items)
{
    int n = 0;
    for (const ToolbarItem& item : items)
        n += item.bWrap ? 1 : 0;
    return n;
}

bool SameWraps(const std::vector<ToolbarItem>& a, const std::vector<ToolbarItem>& b)
{
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].bWrap != b[i].bWrap)
            return false;
    }
    return true;
}

void CheckWrap(std::vector<ToolbarItem>& items, int nWidth, const ToolbarMetrics& m, uint32_t dwMode)
{
    std::vector<ToolbarItem> flipped = items;
    for (ToolbarItem& item : flipped)
        item.bWrap = !item.bWrap;
    const int nRows = WrapToolBar(items, nWidth, m, dwMode);
    // A wrapping last item counts an empty row after it, hence up to n + 1.
    Check(nRows >= 1 && nRows <= static_cast<int>(items.size()) + 1);
    if (!items.empty())
        Check(nRows == CountWraps(items) + 1);
    for (const ToolbarItem& item : items)
        Check(!item.bWrap || (!item.bHidden && !item.IsPlaceholder()));
    if (!items.empty()) {
        Check(WrapToolBar(flipped, nWidth, m, dwMode) == nRows);
        Check(SameWraps(items, flipped));
    }
}

void FuzzToolbar(Reader& in)
{
    const uint8_t flags = in.Take<uint8_t>();
    const bool bWild = (flags & 0x80) != 0;
    static const int32_t versions[4] = { 0x00040000, kComCtl470, kComCtl471, 0x00060000 };
    ToolbarMetrics m;
    m.nComCtlVersion = versions[flags & 3];
    m.bHideControlsWhenVertical = (flags & 4) != 0;
    m.cyButton = bWild ? in.Take<int32_t>() : in.Take<uint8_t>();
    const uint8_t mode = in.Take<uint8_t>();
    const uint32_t dwMode = mode & 0x7F;
    m.rows = (mode & 0x80) ? RowRule::OneButtonHigh : RowRule::TallestItem;
    const int nWidth = bWild ? in.Take<int32_t>() : in.Take<int16_t>();
    const int nLength = bWild ? in.Take<int32_t>() : in.Take<int16_t>();

    std::vector<ToolbarItem> items;
    while (in.RestSize() > 0 && items.size() < 64) {
        const uint8_t kind = in.Take<uint8_t>();
        ToolbarItem item;
        item.bSeparator = (kind & 1) != 0;
        item.idCommand = (kind & 2) ? 300 + static_cast<int>(items.size()) : 0;
        item.bHidden = (kind & 4) != 0;
        item.bWrap = (kind & 8) != 0;
        item.bReportedHidden = (kind & 0x10) != 0;
        item.bHasControl = (kind & 0x20) != 0;
        item.cx = in.Size(bWild);
        item.cy = in.Size(bWild);
        item.cxControl = in.Size(bWild);
        item.cyControl = in.Size(bWild);
        items.push_back(item);
    }

    const LayoutSize before = CalcSize(items, m, dwMode);
    if (!bWild && m.cyButton >= 0)
        Check(before.cx >= 0 && before.cy >= 0);

    CheckWrap(items, nWidth, m, dwMode);
    CheckWrap(items, 0, m, dwMode);
    CheckWrap(items, kUnlimitedWidth, m, dwMode);
    if (!bWild) {
        // Wide enough for everything side by side: one row.
        std::vector<ToolbarItem> flat = items;
        for (ToolbarItem& item : flat)
            item.bWrap = false;
        long long total = 0;
        for (size_t i = 0; i < flat.size(); ++i) {
            if (!IsSkipped(flat[i], m))
                total += GetButtonSize(flat, static_cast<int>(i), m, dwMode).cx;
        }
        if (total <= kUnlimitedWidth)
            Check(WrapToolBar(items, kUnlimitedWidth, m, dwMode) == 1);
    }

    // The search ends on a boundary of the row count, with the bar wrapped there.
    const int nTarget = WrapToolBar(items, nLength, m, dwMode);
    const int nFound = SearchWrapWidth(items, nLength, m, dwMode);
    std::vector<ToolbarItem> probe = items;
    Check(nFound >= 0 && nFound <= (nLength > 0 ? nLength : 0));
    Check(WrapToolBar(probe, nFound, m, dwMode) == nTarget || nFound == 0);
    Check(SameWraps(items, probe));
    if (nFound > 0)
        Check(WrapToolBar(probe, nFound - 1, m, dwMode) != nTarget);

    // Both directions of SizeToolBar leave the bar wrapped at the width they report.
    for (int bVert = 0; bVert < 2; ++bVert) {
        const int nSized = SizeToolBar(items, nLength, bVert != 0, m, dwMode);
        probe = items;
        WrapToolBar(probe, nSized, m, dwMode);
        Check(SameWraps(items, probe));
    }

    BarLayoutInput layout;
    layout.dwMode = dwMode;
    layout.nLength = nLength;
    layout.dwBarStyle = static_cast<uint32_t>(flags & 7) | (static_cast<uint32_t>(flags & 0x78) << 9);
    layout.nMRUWidth = nWidth;
    layout.rcInside = { 7, 2, -2, -2 };
    layout.szBaseFixed = { nWidth, 4 };
    const BarLayoutResult r = CalcLayout(items, layout, m);
    Check(r.size.cx >= layout.szBaseFixed.cx && r.size.cy >= layout.szBaseFixed.cy);
}

LayoutSize Transposed(const LayoutSize& s) { return { s.cy, s.cx }; }
LayoutRect Transposed(const LayoutRect& r) { return { r.top, r.left, r.bottom, r.right }; }

void FuzzDockBar(Reader& in)
{
    const uint8_t flags = in.Take<uint8_t>();
    const bool bWild = (flags & 0x80) != 0;
    DockLayoutInput horz;
    horz.bStretch = (flags & 1) != 0;
    horz.bFloating = (flags & 2) != 0;
    horz.bLayoutQuery = (flags & 4) != 0;
    horz.szMax = { in.Size(bWild), in.Size(bWild) };
    horz.szBase = { in.Size(bWild), in.Size(bWild) };
    horz.rcInside = { in.Take<int8_t>(), in.Take<int8_t>(), in.Take<int8_t>(), in.Take<int8_t>() };

    std::vector<DockEntry> entries;
    int nBars = 0;
    while (in.RestSize() > 0 && entries.size() < 32) {
        const uint8_t kind = in.Take<uint8_t>();
        DockEntry e;
        e.kind = (kind & 3) == 0   ? DockEntryKind::Empty
                 : (kind & 3) == 1 ? DockEntryKind::Placeholder
                                   : DockEntryKind::Bar;
        e.nBar = static_cast<int>(entries.size());
        e.bVisible = (kind & 4) != 0;
        e.nOverlap = (kind & 8) ? 0 : 2;
        e.dwStyle = (kind & 0x10) ? kBarFloating : 0;
        e.size = { in.Size(bWild), in.Size(bWild) };
        const int x = bWild ? in.Take<int32_t>() : in.Take<int16_t>();
        const int y = bWild ? in.Take<int32_t>() : in.Take<int16_t>();
        e.rcCurrent = { x, y, in.Size(bWild), in.Size(bWild) };
        nBars += e.kind == DockEntryKind::Bar ? 1 : 0;
        entries.push_back(e);
    }
    std::vector<DockEntry> vert = entries;
    for (DockEntry& e : vert) {
        e.size = Transposed(e.size);
        e.rcCurrent = Transposed(e.rcCurrent);
    }
    const size_t nEntries = entries.size();
    DockLayoutInput vin = horz;
    vin.bHorz = false;
    vin.szMax = Transposed(horz.szMax);
    vin.szBase = Transposed(horz.szBase);
    vin.rcInside = Transposed(horz.rcInside);

    const DockLayoutResult h = CalcDockBarLayout(entries, horz);
    const DockLayoutResult v = CalcDockBarLayout(vert, vin);
    // A bar goes to a new row at most once, and the caller can mirror every insertion.
    Check(static_cast<int>(h.insertions.size()) <= nBars);
    Check(entries.size() == nEntries + h.insertions.size());
    for (size_t i = 0; i < h.insertions.size(); ++i)
        Check(h.insertions[i] >= 0 && static_cast<size_t>(h.insertions[i]) < nEntries + i);
    for (const DockAction& a : h.actions) {
        Check(a.nBar >= 0 && static_cast<size_t>(a.nBar) < nEntries);
        if (horz.bLayoutQuery)
            Check(a.kind == DockActionKind::DelayShow);
    }
    Check(v.size == Transposed(h.size));
    Check(v.insertions == h.insertions);
    Check(v.actions.size() == h.actions.size());
    for (size_t i = 0; i < h.actions.size(); ++i) {
        Check(v.actions[i].kind == h.actions[i].kind && v.actions[i].nBar == h.actions[i].nBar);
        if (h.actions[i].kind != DockActionKind::DelayShow)
            Check(v.actions[i].rect == Transposed(h.actions[i].rect));
    }
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    Reader in(data + 1, size - 1);
    if (data[0] & 1)
        FuzzDockBar(in);
    else
        FuzzToolbar(in);
    return 0;
}
