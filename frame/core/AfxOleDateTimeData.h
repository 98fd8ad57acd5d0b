// Constants shared by the automation date sources (internal to ZUZIFrame.dll).
#pragma once

namespace afx_date {
constexpr double kSecondsPerDay = 86400.0;
// What an invalid date formats as.
constexpr char kInvalidText[] = "Invalid DateTime";
}  // namespace afx_date
