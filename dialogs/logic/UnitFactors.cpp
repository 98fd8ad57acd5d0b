#include "UnitFactors.h"

namespace unit_factors {

namespace {
// Row: from, column: to; the constants are written out as the converter has
// always used them, so its results do not drift in the last digits.
const double kMetric[5][5] = {
    { 1, 0.001, 0.0001, 1e-6, 1e-9 }, { 1000, 1, 0.1, 0.001, 1e-6 }, { 10000, 10, 1, 0.01, 1e-5 },
    { 1e6, 1000, 100, 1, 0.001 },     { 1e9, 1e6, 1e5, 1000, 1 },
};

const double kImperial[5][5] = {
    { 1, 0.001, 1e-6, 8.333333333333333e-8, 1.5782828282828283e-11 },
    { 1000, 1, 0.001, 8.333333333333333e-5, 1.5782828282828283e-8 },
    { 1e6, 1000, 1, 0.08333333333333333, 1.5782828282828283e-5 },
    { 1.2e7, 12000, 12, 1, 0.0001893939393939394 },
    { 6.336e10, 6.336e7, 63360, 5280, 1 },
};

// Inches in one of each metric unit, and centimetres in one of each imperial unit.
const double kInchesPerMetric[5] = { 3.937007874015748e-5, 0.03937007874015748, 0.39370078740157477, 39.370078740157474,
                                     39370.07874015748 };
const double kCentimetersPerImperial[5] = { 2.54e-6, 0.00254, 2.54, 30.48, 160934.4 };

bool IsImperial(int nUnit) { return nUnit >= kFirstImperial; }
}

double ConversionFactor(int nFrom, int nTo)
{
    if (nFrom < 0 || nFrom >= kUnitCount || nTo < 0 || nTo >= kUnitCount || nFrom == nTo)
        return 1.0;
    if (!IsImperial(nFrom) && !IsImperial(nTo))
        return kMetric[nFrom][nTo];
    if (IsImperial(nFrom) && IsImperial(nTo))
        return kImperial[nFrom - kFirstImperial][nTo - kFirstImperial];
    // Across the systems through one unit of the other side.
    if (!IsImperial(nFrom))
        return ConversionFactor(kInches, nTo) * kInchesPerMetric[nFrom];
    return ConversionFactor(kCentimeters, nTo) * kCentimetersPerImperial[nFrom - kFirstImperial];
}

}  // namespace unit_factors
