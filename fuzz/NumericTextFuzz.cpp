// Feeds arbitrary texts and rules to the numeric edits' text logic. Nothing may
// read past the text, and the promise the edits rely on must hold: whatever the
// text, the value it reads as is written back as a text the field accepts,
// whenever the range holds such a number at all.
#include "FuzzInput.h"
#include "NumericText.h"
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace numeric_text;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    int32_t nMin = in.Take<int32_t>();
    int32_t nMax = in.Take<int32_t>();
    int16_t a = in.Take<int16_t>();
    int16_t b = in.Take<int16_t>();
    uint8_t flags = in.Take<uint8_t>();
    int8_t precision = in.Take<int8_t>();
    // The text: an exact-size, zero-ended copy of the rest.
    std::string text(in.Rest(), in.RestSize());
    text = text.c_str();

    // ----- integers
    int nCheck = CheckIntegerText(text.c_str(), nMin, nMax);
    if (nCheck < 0 || nCheck > 2)
        std::abort();
    int32_t nValue = IntegerTextValue(text.c_str(), nMin, nMax);
    if (nMin <= nMax) {
        if (nValue < nMin || nValue > nMax)
            std::abort();
        std::string written = std::to_string(nValue);
        // "-0" never comes out, so only a minimum of 0 or more can refuse the sign.
        if (CheckIntegerText(written.c_str(), nMin, nMax) != kTextAcceptable)
            std::abort();
    }
    // Every focus loss writes the same text, whatever the range.
    if (IntegerTextValue(std::to_string(nValue).c_str(), nMin, nMax) != nValue)
        std::abort();

    // ----- reals: bounds from small integers scaled, so ranges are often narrow
    RealRules rules{ a / 100.0, b / 100.0, (flags & 1) != 0, (flags & 2) != 0, precision % 8 };
    // Now and then a bound the field cannot show: an infinity or NaN.
    const double kOdd[] = { INFINITY, -INFINITY, NAN, 0.0 };
    if (flags & 0x10)
        rules.dMin = kOdd[(flags >> 5) & 3];
    if (flags & 0x80)
        rules.dMax = kOdd[(flags >> 5) & 3];
    nCheck = CheckRealText(text.c_str(), rules);
    if (nCheck < 0 || nCheck > 2)
        std::abort();
    double dValue = RealTextValue(text.c_str(), rules);
    if (!std::isfinite(dValue) || std::signbit(dValue) != (dValue < 0))
        std::abort();
    // The text written back settles: a second focus loss writes it again.
    {
        std::string once = FormatReal(dValue, rules.nPrecision, (flags & 4) != 0);
        std::string twice = FormatReal(RealTextValue(once.c_str(), rules), rules.nPrecision, (flags & 4) != 0);
        if (once != twice)
            std::abort();
    }
    // A range at least one step of the precision wide always holds a number the field shows.
    int nDecimals = rules.nPrecision < 0 ? 0 : rules.nPrecision;
    double dStep = std::pow(10.0, -nDecimals);
    if (std::isfinite(rules.dMax - rules.dMin) && rules.dMax - rules.dMin > 2 * dStep) {
        std::string written = FormatReal(dValue, rules.nPrecision, (flags & 4) != 0);
        if (CheckRealText(written.c_str(), rules) != kTextAcceptable)
            std::abort();
    }
    // An acceptable number reads back as itself.
    if (CheckRealText(text.c_str(), rules) == kTextAcceptable &&
        text.find_first_of("0123456789") != std::string::npos) {
        double dText = std::strtod(text.c_str(), nullptr);
        if (dText != dValue)
            std::abort();
    }
    return 0;
}
