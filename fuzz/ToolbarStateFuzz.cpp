// Feeds arbitrary saved values to the toolbar's state prefix and arbitrary
// bitmap headers to the image well's layout. Beyond running clean under the
// sanitizers: a value is read only when it holds the whole prefix, what is
// read writes back to the same bytes, the records counted after the prefix
// fit in the value, and a bitmap layout never reaches past its resource.
#include "FuzzInput.h"
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

    FuzzInput in(data, size);
    const uint32_t biSize = in.Take<uint32_t>();
    const int32_t biWidth = in.Take<int32_t>();
    const int32_t biHeight = in.Take<int32_t>();
    const uint16_t biBitCount = in.Take<uint16_t>();
    const uint32_t biCompression = in.Take<uint8_t>() & 7;
    const uint32_t biClrUsed = in.Take<uint32_t>();
    const size_t cbResource = in.Take<uint32_t>();
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
