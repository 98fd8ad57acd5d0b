#include "ProgressPercent.h"
#include <climits>
#include <cmath>

namespace progress_percent {

int Percent(double dCurrent, double dMinimum, double dMaximum)
{
    if (dCurrent != dCurrent || dMinimum != dMinimum || dMaximum != dMaximum)
        return 0;
    if (dMaximum == dMinimum)
        return dCurrent < dMinimum ? 0 : 100;
    // The plain differences keep a range only a few denormals wide (halving
    // would round it away to nothing). Only a range whose width overflows is
    // halved, position and all, so that a range as wide as the doubles allow
    // still has a width. An offset that overflows over a finite width is an
    // infinite fraction of the right sign as it stands; halving there would
    // round a tiny range to zero and turn the sign of the result around.
    double dOffset = dCurrent - dMinimum;
    double dRange = dMaximum - dMinimum;
    if (!std::isfinite(dRange)) {
        dOffset = dCurrent * 0.5 - dMinimum * 0.5;
        dRange = dMaximum * 0.5 - dMinimum * 0.5;
    }
    double dFraction = dOffset / dRange;
    double dPercent = dFraction * 100.0;
    if (dPercent != dPercent)
        return 0;  // a fraction that came out as not a number (infinite bounds)
    // Converting a double outside the int's range is undefined: it stops at the ends.
    if (dPercent >= 2147483648.0)
        return INT_MAX;
    if (dPercent <= -2147483649.0)
        return INT_MIN;
    return (int)dPercent;
}

}  // namespace progress_percent
