// Unit converter factors against a reference that goes through metres with
// the defined lengths of the imperial units.
#include "UnitFactors.h"
#include <gtest/gtest.h>
#include <cmath>

using unit_factors::ConversionFactor;

namespace {
// Metres in one of each unit, in list order.
const double kMetres[10] = {
    1e-6,      1e-3,      1e-2,   1.0,    1e3,       // microns ... kilometres
    0.0254e-6, 0.0254e-3, 0.0254, 0.3048, 1609.344,  // microinches ... miles
};

double ReferenceFactor(int from, int to) { return kMetres[from] / kMetres[to]; }
}

TEST(UnitFactors, EveryPairAgreesWithTheDefinedLengths)
{
    for (int from = 0; from < 10; ++from) {
        for (int to = 0; to < 10; ++to) {
            double expected = ReferenceFactor(from, to);
            double got = ConversionFactor(from, to);
            // The tables hold their constants to 16 or 17 digits.
            EXPECT_NEAR(got / expected, 1.0, 1e-14) << from << " -> " << to;
            // Converting there and back returns the amount.
            EXPECT_NEAR(got * ConversionFactor(to, from), 1.0, 1e-14) << from << " <-> " << to;
        }
    }
}

TEST(UnitFactors, TableAndCrossConstantsAsWritten)
{
    // Metres to feet through inches: 0.08333333333333333 x 39.370078740157474.
    EXPECT_EQ(ConversionFactor(3, 8), 0.08333333333333333 * 39.370078740157474);
    EXPECT_NEAR(ConversionFactor(3, 8), 3.2808398950131226, 1e-15);
    // Miles to kilometres through centimetres: 1e-5 x 160934.4.
    EXPECT_EQ(ConversionFactor(9, 4), 1e-5 * 160934.4);
    EXPECT_DOUBLE_EQ(ConversionFactor(9, 4), 1.609344);
    // Straight from a table.
    EXPECT_EQ(ConversionFactor(9, 8), 5280.0);
    EXPECT_EQ(ConversionFactor(5, 9), 1.5782828282828283e-11);
    EXPECT_EQ(ConversionFactor(0, 4), 1e-9);
    EXPECT_EQ(ConversionFactor(4, 1), 1e6);
    // A cross conversion to the unit the constants go through is the constant itself.
    EXPECT_EQ(ConversionFactor(3, 7), 39.370078740157474);
    EXPECT_EQ(ConversionFactor(8, 2), 30.48);
}

TEST(UnitFactors, SameOrUnknownUnitsLeaveTheAmount)
{
    for (int u = 0; u < 10; ++u)
        EXPECT_EQ(ConversionFactor(u, u), 1.0);
    const int bad[] = { -1, 10, 11, -2147483647 - 1, 2147483647 };
    for (int b : bad) {
        EXPECT_EQ(ConversionFactor(b, 3), 1.0) << b;
        EXPECT_EQ(ConversionFactor(3, b), 1.0) << b;
        EXPECT_EQ(ConversionFactor(b, b), 1.0) << b;
    }
}
