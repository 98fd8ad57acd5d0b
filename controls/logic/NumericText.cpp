#include "NumericText.h"
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace numeric_text {

namespace {

// Every double's exact decimal expansion ends within this many places; more
// decimals would only add zeros (and an absurd precision would ask the C
// library for gigabytes of them).
const int kMaxDecimals = 1074;

// Past any 32-bit number, far from the 64-bit limit: longer digit runs stop growing here.
const int64_t kDigitsCeiling = 1000000000000000000LL;

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// The blanks "%d" and "%lf" skip, in the C locale.
bool IsBlank(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The digits at p as a magnitude, saturated at kDigitsCeiling; p moves past them.
int64_t ReadDigits(const unsigned char*& p)
{
    int64_t n = 0;
    for (; IsDigit(*p); ++p)
        n = n >= kDigitsCeiling / 10 ? kDigitsCeiling : n * 10 + (*p - '0');
    return n;
}

bool IsIncompleteEntry(const char* text, bool bReal)
{
    static const char* const kInteger[] = { "+", "-" };
    static const char* const kReal[] = { "+", "-", "+.", "-.", "." };
    const char* const* begin = bReal ? kReal : kInteger;
    size_t count = bReal ? sizeof(kReal) / sizeof(kReal[0]) : sizeof(kInteger) / sizeof(kInteger[0]);
    for (size_t i = 0; i < count; ++i)
        if (std::strcmp(text, begin[i]) == 0)
            return true;
    return false;
}

// The C library reads and writes numbers with its locale's decimal point (or
// with '.' where it ignores the locale); ours is always '.'. Asking the library
// itself, rather than trusting localeconv, covers both.
std::string WritingPoint()
{
    char buffer[16] = "";
    std::snprintf(buffer, sizeof(buffer), "%.1f", 0.5);
    std::string text = buffer;
    return text.size() >= 3 && text[0] == '0' && text.back() == '5' ? text.substr(1, text.size() - 2) : ".";
}

std::string ReadingPoint()
{
    if (std::strtod("0.5", nullptr) == 0.5)
        return ".";
    const std::lconv* conv = std::localeconv();
    return conv != nullptr && conv->decimal_point != nullptr && conv->decimal_point[0] != '\0' ? conv->decimal_point
                                                                                               : ".";
}

std::string Replace(const std::string& text, const std::string& from, const std::string& to)
{
    if (from == to)
        return text;
    std::string result;
    for (size_t i = 0; i < text.size();) {
        if (text.compare(i, from.size(), from) == 0) {
            result += to;
            i += from.size();
        } else {
            result += text[i++];
        }
    }
    return result;
}

// strtod over the text; false when no number starts it (or it reads as NaN).
bool ReadReal(const char* text, double& dValue)
{
    std::string local = Replace(text, ".", ReadingPoint());
    const char* begin = local.c_str();
    char* end = nullptr;
    dValue = std::strtod(begin, &end);
    return end != begin && !std::isnan(dValue);
}

double ReadRealOrZero(const std::string& text)
{
    double d = 0.0;
    return ReadReal(text.c_str(), d) ? d : 0.0;
}

// Written so that a NaN bound admits no number, and so that no text that reads
// as infinite is ever in range: the field shows finite numbers only, and an
// infinite bound is merely an open end.
bool InRange(double d, const RealRules& r)
{
    if (!std::isfinite(d) || !(d >= r.dMin) || !(d <= r.dMax))
        return false;
    if (d == r.dMin && !r.bMinInclusive)
        return false;
    if (d == r.dMax && !r.bMaxInclusive)
        return false;
    return true;
}

// The next number the precision can tell apart from d, upwards (dDirection > 0)
// or downwards; where the precision is finer than the double, the next double.
double Step(double d, int nPrecision, double dDirection)
{
    int nDecimals = nPrecision < 0 ? 0 : (nPrecision > kMaxDecimals ? kMaxDecimals : nPrecision);
    double dNext = d + dDirection * std::pow(10.0, -nDecimals);
    if (dDirection > 0 ? !(dNext > d) : !(dNext < d))
        dNext = std::nextafter(d, dDirection * HUGE_VAL);
    return dNext;
}

// The number nearest to one bound (the minimum for dDirection > 0, the maximum
// otherwise) that FormatReal writes as an acceptable text, read back from that
// text. False when no such text lies close to that bound (the range is empty,
// too narrow for the precision, or its bound lies where the precision cannot
// reach).
bool NearestShownInside(const RealRules& r, double dDirection, double& dResult)
{
    double dBound = dDirection > 0 ? r.dMin : r.dMax;
    bool bInclusive = dDirection > 0 ? r.bMinInclusive : r.bMaxInclusive;
    // An infinite bound is an open end: the search starts at the finite end of the doubles.
    if (std::isinf(dBound)) {
        dBound = dBound > 0 ? DBL_MAX : -DBL_MAX;
        bInclusive = true;
    }
    if (std::isnan(dBound))
        return false;
    // The bound itself first, even an exclusive one: written with the
    // precision it may round to a number inside (-0.01 shows as "0"), which a
    // first step of a whole unit would jump over.
    double dCandidate = dBound;
    // A step or two settles it: each one lands at least half a step past the bound.
    for (int i = 0; i < 8 && std::isfinite(dCandidate); ++i) {
        std::string shown = FormatReal(dCandidate, r.nPrecision, false);
        double dShown = ReadRealOrZero(shown);
        if (dShown == 0.0) {
            // Not "-0", which a range from zero up would refuse for its sign.
            dShown = 0.0;
            shown = FormatReal(0.0, r.nPrecision, false);
        }
        if (CheckRealText(shown.c_str(), r) == kTextAcceptable) {
            dResult = dShown;
            return true;
        }
        bool bPastBound = dDirection > 0 ? (dShown > dBound || (dShown == dBound && bInclusive))
                                         : (dShown < dBound || (dShown == dBound && bInclusive));
        if (bPastBound)
            return false;  // inside at this bound but outside the other one: nothing fits here
        dCandidate = Step(dCandidate, r.nPrecision, dDirection);
    }
    return false;
}

// What a field whose range holds no number it can show reads as: always the
// same, so that every focus loss writes the same text. The minimum as the
// field can hold it.
double NoNumberFits(const RealRules& r)
{
    if (std::isnan(r.dMin))
        return 0.0;
    if (r.dMin > DBL_MAX)
        return DBL_MAX;
    if (r.dMin < -DBL_MAX)
        return -DBL_MAX;
    return r.dMin == 0.0 ? 0.0 : r.dMin;
}
}

// ----- integers ----------------------------------------------------------------

int CheckIntegerText(const char* text, int32_t nMin, int32_t nMax)
{
    if (text == nullptr || *text == '\0')
        return kTextAcceptable;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    for (size_t i = 0; p[i] != '\0'; ++i) {
        unsigned char c = p[i];
        if (c == '+' || c == '-') {
            if (i != 0 || (c == '-' && nMin >= 0))
                return kTextRefused;
        } else if (!IsDigit(c)) {
            return kTextRefused;
        }
    }
    if (IsIncompleteEntry(text, false))
        return kTextAcceptable;
    bool bNegative = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;
    int64_t n = ReadDigits(p);
    if (bNegative)
        n = -n;
    return n < nMin || n > nMax ? kTextOutOfRange : kTextAcceptable;
}

int32_t IntegerTextValue(const char* text, int32_t nMin, int32_t nMax)
{
    int64_t n = 0;
    if (text != nullptr) {
        const auto* p = reinterpret_cast<const unsigned char*>(text);
        while (IsBlank(*p))
            ++p;
        bool bNegative = *p == '-';
        if (*p == '+' || *p == '-')
            ++p;
        n = ReadDigits(p);
        if (bNegative)
            n = -n;
    }
    if (n > INT32_MAX)
        n = INT32_MAX;
    else if (n < INT32_MIN)
        n = INT32_MIN;
    // No number fits a range whose minimum lies above its maximum: the answer
    // is always the minimum, so every focus loss writes the same text.
    if (n < nMin || nMin > nMax)
        return nMin;
    if (n > nMax)
        return nMax;
    return static_cast<int32_t>(n);
}

// ----- reals -------------------------------------------------------------------

int CheckRealText(const char* text, const RealRules& rules)
{
    if (text == nullptr || *text == '\0')
        return kTextAcceptable;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    size_t nLength = std::strlen(text);
    const char* pPoint = std::strchr(text, '.');
    long long nAfterPoint = pPoint != nullptr ? static_cast<long long>(nLength - 1 - (pPoint - text)) : 0;
    int nPoints = 0;
    for (size_t i = 0; i < nLength; ++i) {
        unsigned char c = p[i];
        if (c == '+' || c == '-') {
            if (i != 0 || (c == '-' && !(rules.dMin < 0.0)))
                return kTextRefused;
        } else if (c == '.') {
            // No decimals at all: a point could only start a fraction that is never allowed.
            if (rules.nPrecision < 0 || ++nPoints == 2)
                return kTextRefused;
        } else if (!IsDigit(c)) {
            return kTextRefused;
        } else if (pPoint != nullptr && nAfterPoint > rules.nPrecision) {
            return kTextRefused;
        }
    }
    if (IsIncompleteEntry(text, true))
        return kTextAcceptable;
    double d = 0.0;
    ReadReal(text, d);
    return InRange(d, rules) ? kTextAcceptable : kTextOutOfRange;
}

std::string FormatReal(double dValue, int nPrecision, bool bRemoveTrailingZeros)
{
    if (std::isnan(dValue))
        return "nan";
    if (std::isinf(dValue))
        return dValue < 0 ? "-inf" : "inf";
    int nDecimals = nPrecision < 0 ? 0 : (nPrecision > kMaxDecimals ? kMaxDecimals : nPrecision);
    int n = std::snprintf(nullptr, 0, "%.*f", nDecimals, dValue);
    if (n <= 0)
        return "0";
    std::vector<char> buffer(static_cast<size_t>(n) + 1);
    std::snprintf(buffer.data(), buffer.size(), "%.*f", nDecimals, dValue);
    std::string text = Replace(buffer.data(), WritingPoint(), ".");
    if (bRemoveTrailingZeros && text.find('.') != std::string::npos) {
        while (!text.empty() && text.back() == '0')
            text.pop_back();
        if (!text.empty() && text.back() == '.')
            text.pop_back();
    }
    return text;
}

double RealTextValue(const char* text, const RealRules& rules)
{
    double d = 0.0;
    if (text == nullptr || !ReadReal(text, d))
        d = 0.0;
    if (d > DBL_MAX)
        d = DBL_MAX;
    else if (d < -DBL_MAX)
        d = -DBL_MAX;
    if (d == 0.0)
        d = 0.0;  // a negative zero would be written "-0"

    bool bBelow;
    if (InRange(d, rules)) {
        std::string shown = FormatReal(d, rules.nPrecision, false);
        if (CheckRealText(shown.c_str(), rules) == kTextAcceptable) {
            // A number that shows as zero ("-0.1" with no decimals shows "-0") is
            // zero: "-0" would become "0" at the next focus loss.
            return ReadRealOrZero(shown) == 0.0 ? 0.0 : d;
        }
        // Rounded to the precision, the number falls out of the range: on which side?
        bBelow = ReadRealOrZero(shown) < d;
    } else {
        bBelow = !(d > rules.dMin) && !(d == rules.dMin && rules.bMinInclusive);
    }
    // The nearest number inside from the side the text lies on; when the
    // precision cannot show one there, the nearest from the other side.
    double dInside = 0.0;
    if (NearestShownInside(rules, bBelow ? 1.0 : -1.0, dInside) ||
        NearestShownInside(rules, bBelow ? -1.0 : 1.0, dInside))
        return dInside;
    return NoNumberFits(rules);
}

}
