// The percentage a progress window shows for a position in a real-valued range.
#pragma once

namespace progress_percent {

// (current - minimum) / (maximum - minimum) x 100, truncated towards zero and
// kept within 0 to 100. A range without width gives 0 below its bound and 100
// at or above it; a position that is not a number gives 0. A reversed range
// (maximum below minimum) counts from the minimum down to the maximum.
int Percent(double dCurrent, double dMinimum, double dMaximum);

}  // namespace progress_percent
