// Feeds arbitrary numbers and precisions to the list's real-number texts. The
// text is never longer than the number needs, has exactly the decimals asked
// for (or no trailing zero when trimmed), and reads back as the number to the
// precision written.
#include "FuzzInput.h"
#include "CellTextFormat.h"
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const double dValue = in.Take<double>();
    // Precisions near the cap, negative ones and small ones alike.
    const int nPrecision = static_cast<int>(in.Take<int16_t>());
    const std::string text = list_sort::FormatCellReal(dValue, nPrecision);
    if (text.size() > 1 + 309 + 1 + static_cast<size_t>(list_sort::kMaxRealDecimals))
        std::abort();
    if (!std::isfinite(dValue))
        return 0;
    const size_t nPoint = text.find('.');
    if (nPrecision > 0) {
        const size_t nDecimals = nPoint == std::string::npos ? 0 : text.size() - nPoint - 1;
        const int nWanted = nPrecision > list_sort::kMaxRealDecimals ? list_sort::kMaxRealDecimals : nPrecision;
        if (nDecimals != static_cast<size_t>(nWanted))
            std::abort();
    } else if (nPrecision < 0 && nPoint != std::string::npos && (text.back() == '0' || text.back() == '.')) {
        std::abort();
    }
    const int nShown = nPrecision < 0 ? 6 : (nPrecision > 20 ? 20 : nPrecision);
    const double dRead = std::strtod(text.c_str(), nullptr);
    if (std::fabs(dRead - dValue) > 0.5000001 * std::pow(10.0, -nShown) + 1e-15 * std::fabs(dValue))
        std::abort();
    return 0;
}
