// Feeds arbitrary saved values to the toolbar's state prefix and arbitrary
// bitmap headers to the image well's layout. Beyond running clean under the
// sanitizers: a value is read only when it holds the whole prefix, what is
// read writes back to the same bytes, the records counted after the prefix
// fit in the value, and a bitmap layout never reaches past its resource.
#include "ToolbarImageWell.h"
#include "ToolbarState.h"
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace toolbar_state;

namespace {
void Check(bool bOk)
{
    if (!bOk)
        std::abort();
}

template <class T>
T Take(const uint8_t*& p, size_t& n)
{
    T value{};
    if (n >= sizeof(T)) {
        std::memcpy(&value, p, sizeof(T));
        p += sizeof(T);
        n -= sizeof(T);
    }
    return value;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The value on a heap block of exactly its size.
    std::vector<uint8_t> value(data, data + size);
    SavedOptions options;
    options.nIconOptions = 12345;
    options.nTextOptions = -6789;
    const bool bRead = ReadPrefix(value.empty() ? nullptr : value.data(), value.size(), options);
    Check(bRead == (size >= kPrefixSize));
    if (bRead) {
        uint8_t back[kPrefixSize];
        Check(WritePrefix(back, sizeof(back), options));
        Check(std::memcmp(back, value.data(), kPrefixSize) == 0);
    } else {
        Check(options.nIconOptions == 12345 && options.nTextOptions == -6789);
    }
    const size_t nPerRecord = size > 0 ? data[0] % 24 : 4;
    const int nRecords = RecordCount(size, nPerRecord);
    Check(nRecords >= 0);
    if (nRecords > 0)
        Check(kPrefixSize + static_cast<size_t>(nRecords) * nPerRecord <= size);

    const uint8_t* p = data;
    size_t n = size;
    const uint32_t biSize = Take<uint32_t>(p, n);
    const int32_t biWidth = Take<int32_t>(p, n);
    const int32_t biHeight = Take<int32_t>(p, n);
    const uint16_t biBitCount = Take<uint16_t>(p, n);
    const uint32_t biCompression = Take<uint8_t>(p, n) & 7;
    const uint32_t biClrUsed = Take<uint32_t>(p, n);
    const size_t cbResource = Take<uint32_t>(p, n);
    const toolbar_image_well::DibLayout layout =
        toolbar_image_well::ReadDibLayout(biSize, biWidth, biHeight, biBitCount, biCompression, biClrUsed, cbResource);
    if (layout.bValid) {
        const uint64_t cbStride = (static_cast<uint64_t>(layout.nWidth) * biBitCount + 31) / 32 * 4;
        Check(layout.nPixelOffset >= layout.cbHeader + 4ull * layout.nTableEntries);
        Check(layout.nPixelOffset + cbStride * static_cast<uint64_t>(layout.nHeight) <= cbResource);
        Check(layout.nTableEntries <= 256);
    }
    return 0;
}
