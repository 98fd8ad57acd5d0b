// Texts of typed list cells.
#include "CellTextFormat.h"

#include <cstdio>

namespace list_sort {

std::string FormatCellReal(double value, int precision)
{
    const bool bTrim = precision < 0;
    const int nDecimals = bTrim ? 6 : (precision > kMaxRealDecimals ? kMaxRealDecimals : precision);

    // The largest doubles have 309 digits before the point: measure first.
    int nLength = std::snprintf(nullptr, 0, "%.*f", nDecimals, value);
    if (nLength <= 0)
        return std::string();
    std::string text(static_cast<size_t>(nLength) + 1, '\0');
    std::snprintf(&text[0], text.size(), "%.*f", nDecimals, value);
    text.resize(static_cast<size_t>(nLength));

    if (bTrim) {
        // Zeros go only after the point: "%f" always writes one for a finite value,
        // and "inf" or "nan" end in no zero.
        size_t nEnd = text.find_last_not_of('0');
        text.resize(nEnd == std::string::npos ? 0 : nEnd + 1);
        if (!text.empty() && text.back() == '.')
            text.pop_back();
    }
    return text;
}

}  // namespace list_sort
