// The texts of the numeric entry edits: which texts they accept while the user
// types, what number a text stands for, and how a number is written back.
//
// Plain functions over plain types, so the rules are tested and fuzzed apart
// from any window. Texts are 8-bit and use '.' as the decimal point whatever
// the C library's locale says.
#pragma once
#include <cstdint>
#include <string>

namespace numeric_text {

// What a check of a whole text found. The values are those the edits' IsValid returns.
enum TextCheck {
    kTextAcceptable = 0,  // a number in range, or an entry just begun ("", "+", "-", ...)
    kTextOutOfRange = 1,  // a well-formed number outside the range
    kTextRefused = 2,     // a character or form that is not allowed
};

// ----- integers ----------------------------------------------------------------

// A signed decimal integer: an optional sign at the start ('-' only while the
// range reaches below zero), then digits. Both bounds are inclusive; a number
// too long for 32 bits lies outside every range.
int CheckIntegerText(const char* text, int32_t nMin, int32_t nMax);

// The number a text stands for, read the way "%d" input reads it (leading
// blanks, a sign, digits; the rest ignored), saturated to 32 bits and then
// clamped into the range. A text with no number reads as 0, clamped too. With
// the minimum above the maximum no number fits; the result is then always the
// minimum, so that writing it back and reading again gives the same text.
int32_t IntegerTextValue(const char* text, int32_t nMin, int32_t nMax);

// ----- reals -------------------------------------------------------------------

struct RealRules
{
    double dMin;
    double dMax;
    bool bMinInclusive;
    bool bMaxInclusive;
    // Most digits allowed after the decimal point while typing, and decimals
    // written by FormatReal. Below zero: no decimal point at all.
    int nPrecision;
};

// A signed decimal number without exponent: an optional sign at the start
// ('-' only while the minimum is below zero), digits and at most one decimal
// point, with at most nPrecision characters after the point.
int CheckRealText(const char* text, const RealRules& rules);

// The value written with nPrecision decimals ("%.*f"; no decimals for a negative
// precision). With bRemoveTrailingZeros, zeros that end the fraction go, and a
// point left at the end goes too. Infinities and NaN are written "inf", "-inf", "nan".
std::string FormatReal(double dValue, int nPrecision, bool bRemoveTrailingZeros);

// The number a text stands for, read the way "%lf" input reads it (leading
// blanks, sign, digits, point, exponent; the rest ignored), with infinities
// saturated to the largest finite doubles and no number (or NaN) read as 0,
// then moved into the range. The result is chosen so that FormatReal writes it
// as an acceptable text whenever such a text exists: a value that the
// precision would round out of the range, or an exclusive bound, gives the
// nearest number inside that the precision can show (from the other end of the
// range when none can be shown near this one). Zero is never negative, and the
// result is always finite: an infinite bound is an open end, and a number that
// reads as infinite is out of every range. When no acceptable text exists at
// all (the minimum above the maximum, a NaN bound, a range too narrow for the
// precision) the result is always the same, the minimum as a finite double,
// so the text written back is the same at every focus loss.
double RealTextValue(const char* text, const RealRules& rules);

}
