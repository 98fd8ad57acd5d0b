// Feeds arbitrary registry data to every decoder of the typed values: none may
// read past the data, and what they accept must survive a round trip.
#include "RegistryEncoding.h"
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace registry_encoding;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An exact-size copy, so reading one byte too far is caught.
    std::vector<uint8_t> copy(data, data + size);
    const uint8_t* p = copy.data();

    int32_t i32 = 0;
    if (DecodeInt32(p, size, &i32)) {
        uint8_t out[kInt32Size];
        EncodeInt32(i32, out);
        if (std::memcmp(out, p, kInt32Size) != 0)
            std::abort();
    }
    double real = 0;
    if (DecodeReal(p, size, &real)) {
        uint8_t out[kRealSize];
        EncodeReal(real, out);
        if (std::memcmp(out, p, kRealSize) != 0)
            std::abort();
    }
    DateRecord date = {};
    if (DecodeDate(p, size, &date)) {
        if (date.status != kDateValid && date.status != kDateInvalid && date.status != kDateNull)
            std::abort();
        if (!DateDayInRange(date.date))
            std::abort();
        uint8_t out[kDateSize];
        EncodeDate(date, out);
        // An empty value has no bytes to compare (and no buffer at all); a null
        // date may have had its meaningless day replaced by 0.
        bool bDayReplaced = date.status == kDateNull && date.date == 0.0;
        if (size > 0 && !bDayReplaced && std::memcmp(out, p, size < kRealSize ? size : kRealSize) != 0)
            std::abort();
    }
    int32_t rect[4] = { 1, 2, 3, 4 };
    if (OverlayInt32s(p, size, rect, 4)) {
        uint8_t out[kRectSize];
        EncodeInt32s(rect, 4, out);
        if (size > 0 && std::memcmp(out, p, size) != 0)
            std::abort();
    }
    FontRecord font;
    // Shift-JIS, whose lead bytes a stored name may end in.
    if (DecodeFont(p, size, &font, mbcs_chars::ForCodePage(932))) {
        if (std::memchr(font.faceName, '\0', kFaceNameSize) == nullptr)
            std::abort();
        uint8_t out[kFontSize];
        EncodeFont(font, out);
        if (std::memcmp(out, p, kFontSize - kFaceNameSize) != 0)
            std::abort();
    }
    if (TextLength(reinterpret_cast<const char*>(p), size) > size)
        std::abort();
    return 0;
}
