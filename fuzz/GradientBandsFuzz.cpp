// Feeds arbitrary rectangles, colours and band counts to the label's gradient.
// The bands cover the columns exactly, left to right without gap or overlap,
// each colour component stays between its two end colours, and the first
// band has the starting colour.
#include "FuzzInput.h"
#include "GradientBands.h"
#include <cstdlib>

namespace {
int Part(uint32_t color, int shift) { return static_cast<int>((color >> shift) & 0xFF); }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const int left = in.Take<int>(), right = in.Take<int>();
    const uint32_t crFrom = in.Take<uint32_t>() & 0xFFFFFF, crTo = in.Take<uint32_t>() & 0xFFFFFF;
    // The label asks for a few hundred bands at most; more only costs the fuzzer memory.
    const int nSegments = static_cast<int>(in.Take<int16_t>());
    const std::vector<GradientBand> bands = ComputeGradientBands(left, right, crFrom, crTo, nSegments);
    const long long width = static_cast<long long>(right) - left;
    const long long nExpected = nSegments <= 0 || width <= 0 ? 0 : (nSegments < width ? nSegments : width);
    if (static_cast<long long>(bands.size()) != nExpected)
        std::abort();
    if (bands.empty())
        return 0;
    if (bands.front().left != left || bands.back().right != right || bands.front().color != crFrom)
        std::abort();
    for (size_t i = 0; i < bands.size(); ++i) {
        if (bands[i].right <= bands[i].left || (i > 0 && bands[i].left != bands[i - 1].right))
            std::abort();
        for (int shift : { 0, 8, 16 }) {
            const int lo = Part(crFrom, shift) < Part(crTo, shift) ? Part(crFrom, shift) : Part(crTo, shift);
            const int hi = Part(crFrom, shift) < Part(crTo, shift) ? Part(crTo, shift) : Part(crFrom, shift);
            if (Part(bands[i].color, shift) < lo || Part(bands[i].color, shift) > hi)
                std::abort();
        }
    }
    return 0;
}
