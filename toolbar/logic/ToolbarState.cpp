#include "ToolbarState.h"
#include <climits>

namespace toolbar_state {

namespace {
void PutWord(uint8_t* p, int32_t n)
{
    const uint32_t u = static_cast<uint32_t>(n);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(u >> (8 * i));
}

int32_t GetWord(const uint8_t* p)
{
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<uint32_t>(p[i]) << (8 * i);
    return static_cast<int32_t>(u);
}
}  // namespace

bool WritePrefix(uint8_t* pOut, size_t nSize, const SavedOptions& options)
{
    if (pOut == nullptr || nSize < kPrefixSize)
        return false;
    PutWord(pOut, options.nIconOptions);
    PutWord(pOut + 4, options.nTextOptions);
    return true;
}

bool ReadPrefix(const uint8_t* pData, size_t nSize, SavedOptions& options)
{
    if (pData == nullptr || nSize < kPrefixSize)
        return false;
    options.nIconOptions = GetWord(pData);
    options.nTextOptions = GetWord(pData + 4);
    return true;
}

int RecordCount(size_t nDataSize, size_t nBytesPerRecord)
{
    if (nDataSize < kPrefixSize || nBytesPerRecord == 0)
        return 0;
    const size_t n = (nDataSize - kPrefixSize) / nBytesPerRecord;
    return n > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(n);
}

bool IsTextOptions(int32_t n) { return n >= 0 && n <= 2; }
bool IsIconOptions(int32_t n) { return n == 0 || n == 1; }

int32_t SavedTextOptions(int32_t n) { return IsTextOptions(n) ? n : -1; }
int32_t SavedIconOptions(int32_t n) { return IsIconOptions(n) ? n : -1; }

}  // namespace toolbar_state
