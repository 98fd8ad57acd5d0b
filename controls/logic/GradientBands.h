// The bands of a left-to-right colour gradient, computed apart from any
// drawing so the arithmetic can be checked on its own.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct GradientBand
{
    int left;        // first pixel column of the band
    int right;       // one past the band's last column
    uint32_t color;  // 0x00BBGGRR
};

// Splits the columns [left, right) into at most nSegments bands running from
// crFrom to crTo. Colour components step in 8.8 fixed point, so the bands of
// a long gradient stay evenly spaced; every band is width / bands columns
// wide and the last one also takes what that division leaves over. A range
// narrower than nSegments gets one band per column; an empty range or
// nSegments of 0 or less gets no band at all.
std::vector<GradientBand> ComputeGradientBands(int left, int right, uint32_t crFrom, uint32_t crTo, int nSegments);
