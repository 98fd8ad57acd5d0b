#include "GradientBands.h"

namespace {
int Component(uint32_t color, int shift) { return static_cast<int>((color >> shift) & 0xFF); }
}

std::vector<GradientBand> ComputeGradientBands(int left, int right, uint32_t crFrom, uint32_t crTo, int nSegments)
{
    std::vector<GradientBand> bands;
    // 64 bits: a rectangle spanning the whole int range must not overflow.
    const long long width = static_cast<long long>(right) - left;
    // Reversed by more than the int range, the width would turn positive in an int.
    if (width <= 0)
        return bands;
    if (nSegments > width)
        nSegments = static_cast<int>(width);
    if (nSegments <= 0)
        return bands;
    const int divisor = nSegments > 1 ? nSegments : 1;

    // Red, green and blue in 8.8 fixed point: value and step per band.
    const int shifts[3] = { 0, 8, 16 };
    int value[3];
    int step[3];
    for (int c = 0; c < 3; ++c) {
        value[c] = Component(crFrom, shifts[c]) * 256;
        step[c] = (Component(crTo, shifts[c]) - Component(crFrom, shifts[c])) * 256 / divisor;
    }

    const long long bandWidth = width / divisor;
    bands.reserve(static_cast<size_t>(nSegments));
    long long x = left;
    for (int i = 0; i < nSegments; ++i) {
        const long long x2 = i == nSegments - 1 ? right : x + bandWidth;
        uint32_t color = 0;
        for (int c = 0; c < 3; ++c) {
            color |= static_cast<uint32_t>((value[c] / 256) & 0xFF) << shifts[c];
            value[c] += step[c];
        }
        bands.push_back({ static_cast<int>(x), static_cast<int>(x2), color });
        x = x2;
    }
    return bands;
}
