#include "ProgressPercent.h"

namespace progress_percent {

int Percent(double dCurrent, double dMinimum, double dMaximum)
{
    if (dCurrent != dCurrent || dMinimum != dMinimum || dMaximum != dMaximum)
        return 0;
    if (dMaximum == dMinimum)
        return dCurrent < dMinimum ? 0 : 100;
    // Halved first, so that a range as wide as the doubles allow does not overflow.
    double dFraction = (dCurrent * 0.5 - dMinimum * 0.5) / (dMaximum * 0.5 - dMinimum * 0.5);
    double dPercent = dFraction * 100.0;
    if (!(dPercent > 0.0))
        return 0;  // also a fraction that came out as not a number (infinite bounds)
    if (dPercent >= 100.0)
        return 100;
    return (int)dPercent;
}

}  // namespace progress_percent
