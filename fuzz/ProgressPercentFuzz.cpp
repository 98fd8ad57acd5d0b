// Feeds arbitrary positions and ranges (infinities and not-a-numbers too) to
// the progress percentage: 0 for a position that is not a number, 0 at the
// start and 100 at the end of a range with width, within 0 to 100 inside it,
// and never falling while the position moves on.
#include "FuzzInput.h"
#include "ProgressPercent.h"
#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const double dCurrent = in.Take<double>(), dMinimum = in.Take<double>(), dMaximum = in.Take<double>();
    const double dLater = in.Take<double>();
    const int n = progress_percent::Percent(dCurrent, dMinimum, dMaximum);
    if (std::isnan(dCurrent) && n != 0)
        std::abort();
    if (std::isfinite(dMinimum) && std::isfinite(dMaximum) && dMinimum != dMaximum) {
        if (progress_percent::Percent(dMinimum, dMinimum, dMaximum) != 0 ||
            progress_percent::Percent(dMaximum, dMinimum, dMaximum) != 100)
            std::abort();
        const double dLow = dMinimum < dMaximum ? dMinimum : dMaximum;
        const double dHigh = dMinimum < dMaximum ? dMaximum : dMinimum;
        if (dCurrent >= dLow && dCurrent <= dHigh && (n < 0 || n > 100))
            std::abort();
        // Moving towards the maximum never lowers the percentage.
        const bool bForward = dMaximum > dMinimum ? dLater >= dCurrent : dLater <= dCurrent;
        if (!std::isnan(dCurrent) && !std::isnan(dLater) && bForward &&
            progress_percent::Percent(dLater, dMinimum, dMaximum) < n)
            std::abort();
    }
    return 0;
}
