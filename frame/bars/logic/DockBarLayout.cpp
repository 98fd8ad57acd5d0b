#include "DockBarLayout.h"
#include <algorithm>
#include <climits>

namespace bar_layout {

namespace {
// Positions run in 64 bits so that a pile of huge bars cannot overflow; the
// rectangles handed out are clamped back into int.
struct Span
{
    long long pos;  // left (or top) of the bar along the row
    long long len;  // its extent along the row
    long long End() const { return pos + len; }
};

LayoutRect ToRect(bool bHorz, const Span& along, long long across, const LayoutSize& s)
{
    if (bHorz)
        return { ClampToInt(along.pos), ClampToInt(across), ClampToInt(along.End()), ClampToInt(across + s.cy) };
    return { ClampToInt(across), ClampToInt(along.pos), ClampToInt(across + s.cx), ClampToInt(along.End()) };
}
}

uint32_t DockedBarMode(uint32_t dwStyle)
{
    if ((dwStyle & kBarSizeDynamic) && (dwStyle & kBarFloating))
        return kModeHorz | kModeMRUWidth;
    if (dwStyle & (kBarAlignTop | kBarAlignBottom))
        return kModeHorz | kModeHorzDock;
    return kModeVertDock;
}

DockLayoutResult CalcDockBarLayout(std::vector<DockEntry>& entries, const DockLayoutInput& input)
{
    DockLayoutResult result;
    const bool bHorz = input.bHorz;
    long long cx = input.szBase.cx;
    long long cy = input.szBase.cy;

    // One code path for both orientations: "along" is the axis bars line up
    // on (x for a horizontal dock bar), "across" the axis rows stack on.
    const long long maxAlong = bHorz ? input.szMax.cx : input.szMax.cy;
    long long ptAlong = -2;
    long long ptAcross = -2;
    long long t = 0;  // thickness of the current row
    bool bWrapped = false;
    // How far bars overlap along the row and across rows: the last bar's
    // overlap holds until the next bar.
    long long overlap = 2;

    for (size_t p = 0; p < entries.size(); ++p) {
        bool bHasBar = entries[p].kind == DockEntryKind::Bar;
        bool bEmpty = entries[p].kind == DockEntryKind::Empty;
        if (bHasBar)
            overlap = entries[p].nOverlap;

        if (bHasBar && entries[p].bVisible) {
            const DockEntry bar = entries[p];  // a copy: an insertion below moves the vector
            const long long sAlong = bHorz ? bar.size.cx : bar.size.cy;
            const long long sAcross = bHorz ? bar.size.cy : bar.size.cx;
            const long long curAlong = bHorz ? bar.rcCurrent.left : bar.rcCurrent.top;
            Span r = { ptAlong, sAlong };

            // Keep a bar the user dragged further along where it is.
            if (curAlong > r.pos && !input.bFloating)
                r.pos = curAlong;
            // Pull a bar sticking out of the end back in, but not over the previous one.
            if (r.End() > maxAlong && !input.bFloating)
                r.pos = std::max(maxAlong - (r.len - overlap), ptAlong);

            if (bWrapped) {
                bWrapped = false;
                r.pos = -overlap;
            } else if (r.pos >= maxAlong - overlap && p > 0 && entries[p - 1].kind != DockEntryKind::Empty) {
                // No room left on this row: end it before the bar.
                DockEntry rowEnd;
                entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(p), rowEnd);
                result.insertions.push_back(ClampToInt(static_cast<long long>(p)));
                bHasBar = false;
                bEmpty = true;
                bWrapped = true;
            }

            if (!bWrapped) {
                const LayoutRect rc = ToRect(bHorz, r, ptAcross, bar.size);
                if (rc != bar.rcCurrent && !input.bLayoutQuery) {
                    if ((bar.dwStyle & kBarFloating) == 0)
                        result.actions.push_back({ DockActionKind::RecordPosition, bar.nBar, rc });
                    result.actions.push_back({ DockActionKind::Move, bar.nBar, rc });
                }
                ptAlong = r.pos + sAlong - overlap;
                t = std::max(t, sAcross);
            }
        }

        if (bHasBar && !bWrapped)
            result.actions.push_back({ DockActionKind::DelayShow, entries[p].nBar, { 0, 0, 0, 0 } });

        if (!bHasBar && bEmpty && t != 0) {
            ptAcross += t - overlap;
            const long long rowAlong = ptAlong;
            if (bHorz) {
                cx = std::max(cx, rowAlong);
                cy = std::max(cy, ptAcross);
            } else {
                cx = std::max(cx, ptAcross);
                cy = std::max(cy, rowAlong);
            }
            ptAlong = -overlap;
            t = 0;
        }
    }

    const LayoutRect& in = input.rcInside;
    if ((!input.bStretch || !bHorz) && cx != 0)
        cx += static_cast<long long>(in.left) - in.right;
    if ((!input.bStretch || bHorz) && cy != 0)
        cy += static_cast<long long>(in.top) - in.bottom;
    result.size = { ClampToInt(cx), ClampToInt(cy) };
    return result;
}
}
