// Texts of typed list cells: how numbers become the texts the list shows (and
// sorts by).
#pragma once
#include <string>

namespace list_sort {

// The most decimals a real number is written with. A double's exact decimal
// expansion never has more (the smallest one, 2^-1074, has 1074), so a larger
// request could only add zeros: it is capped here instead of building a text
// of any length the caller's number asks for.
const int kMaxRealDecimals = 1074;

// precision >= 0: fixed-point with exactly that many decimals ("%.2f" for 2),
// at most kMaxRealDecimals. precision < 0: fixed-point with six decimals, then
// every trailing '0' and then a trailing '.' removed, so 2.5 gives "2.5", 100.0
// gives "100" and -0.0000001 gives "-0". No digit grouping; the decimal point
// is '.'.
std::string FormatCellReal(double value, int precision);

}  // namespace list_sort
