#include "WindowPlace.h"

namespace {
const int kBaseDpi = 96;

// v × num / den, rounded halves away from zero, in 64 bits.
long MulDivRound(long v, int num, int den)
{
    long long p = static_cast<long long>(v) * num;
    long long half = den / 2;
    return static_cast<long>(p >= 0 ? (p + half) / den : -((-p + half) / den));
}

// Places [lo, hi) within [minV, maxV): shorter when it is longer than the
// room, moved in when it sticks out.
void FitSpan(long& lo, long& hi, long minV, long maxV)
{
    if (hi - lo > maxV - minV) {
        lo = minV;
        hi = maxV;
        return;
    }
    if (lo < minV) {
        hi += minV - lo;
        lo = minV;
    }
    if (hi > maxV) {
        lo -= hi - maxV;
        hi = maxV;
    }
}
}

namespace window_place {

Rect Rescale(const Rect& rcSaved, int nSavedDpi, int nDpi)
{
    if (nSavedDpi <= 0)
        nSavedDpi = kBaseDpi;
    if (nDpi <= 0 || nDpi == nSavedDpi)
        return rcSaved;
    return { MulDivRound(rcSaved.left, nDpi, nSavedDpi), MulDivRound(rcSaved.top, nDpi, nSavedDpi),
             MulDivRound(rcSaved.right, nDpi, nSavedDpi), MulDivRound(rcSaved.bottom, nDpi, nSavedDpi) };
}

Rect Restore(const Rect& rcSaved, int nSavedDpi, int nDpi, const Rect& rcWork)
{
    Rect rc = Rescale(rcSaved, nSavedDpi, nDpi);
    if (rc.right <= rc.left || rc.bottom <= rc.top || rcWork.right <= rcWork.left || rcWork.bottom <= rcWork.top)
        return rc;
    FitSpan(rc.left, rc.right, rcWork.left, rcWork.right);
    FitSpan(rc.top, rc.bottom, rcWork.top, rcWork.bottom);
    return rc;
}

}
