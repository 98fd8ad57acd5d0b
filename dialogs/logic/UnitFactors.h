// Factors of the unit converter: ten units of length, five metric and five
// imperial, numbered in the order the converter's lists show them.
#pragma once

namespace unit_factors {

const int kUnitCount = 10;
const int kFirstImperial = 5;
// The units the cross constants go through.
const int kCentimeters = 2;
const int kInches = 7;

// The number an amount in unit nFrom is multiplied by to express it in unit
// nTo. 1 when either index is outside 0 to 9 or both are the same.
double ConversionFactor(int nFrom, int nTo);

}  // namespace unit_factors
