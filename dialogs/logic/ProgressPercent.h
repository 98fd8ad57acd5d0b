// The percentage a progress window shows for a position in a real-valued range.
#pragma once

namespace progress_percent {

// (current - minimum) / (maximum - minimum) x 100, truncated towards zero: a
// position beyond the maximum gives more than 100, one below the minimum a
// negative percentage. A range without width gives 0 below its bound and 100
// at or above it; a position or bound that is not a number, or infinite bounds
// that leave no fraction, give 0; a percentage beyond what an int holds (an
// infinite position among them) stops at INT_MIN or INT_MAX. A reversed range
// (maximum below minimum) counts from the minimum down to the maximum.
int Percent(double dCurrent, double dMinimum, double dMaximum);

}  // namespace progress_percent
