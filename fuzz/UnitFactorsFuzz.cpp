// Feeds arbitrary unit numbers to the converter's factors. Every factor is a
// positive finite number; converting there and back gives the amount again,
// and going through a third unit gives what going straight does (to the last
// few digits, as the constants are rounded).
#include "FuzzInput.h"
#include "UnitFactors.h"
#include <cmath>
#include <cstdlib>

namespace {
bool Near(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::fabs(b); }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const int a = in.Take<int>(), b = in.Take<int>(), c = in.Take<int>();
    const double ab = unit_factors::ConversionFactor(a, b);
    if (!(ab > 0.0) || !std::isfinite(ab))
        std::abort();
    const bool bValid = a >= 0 && a < unit_factors::kUnitCount && b >= 0 && b < unit_factors::kUnitCount;
    if ((!bValid || a == b) && ab != 1.0)
        std::abort();
    if (!Near(ab * unit_factors::ConversionFactor(b, a), 1.0))
        std::abort();
    if (bValid && c >= 0 && c < unit_factors::kUnitCount &&
        !Near(unit_factors::ConversionFactor(a, c) * unit_factors::ConversionFactor(c, b), ab))
        std::abort();
    return 0;
}
