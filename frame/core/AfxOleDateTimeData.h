// Constants shared by the automation date sources (internal to ZUZIFrame.dll).
#pragma once

namespace AfxDate {
constexpr double kSecondsPerDay = 86400.0;
// What an invalid date formats as.
constexpr char kInvalidText[] = "Invalid DateTime";
}  // namespace AfxDate
