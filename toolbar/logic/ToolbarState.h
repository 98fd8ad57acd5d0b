// The eight bytes the toolbar puts in front of the toolbar control's own saved
// data: the icon option, then the text option, each a signed 32-bit
// little-endian word.
//
// The value comes back from the registry, where anything may have been
// written to it, so reading never goes past the end of what was read, and a
// value too short to hold both words gives nothing.
#pragma once
#include <cstddef>
#include <cstdint>

namespace toolbar_state {

constexpr size_t kPrefixSize = 8;

struct SavedOptions
{
    int32_t nIconOptions = -1;
    int32_t nTextOptions = -1;
};

// Writes the prefix into the first eight bytes of pOut; false (nothing
// written) when pOut is null or nSize is below eight.
bool WritePrefix(uint8_t* pOut, size_t nSize, const SavedOptions& options);

// Reads the prefix; false (options untouched) when pData is null or nSize is
// below eight.
bool ReadPrefix(const uint8_t* pData, size_t nSize, SavedOptions& options);

// How many whole records of nBytesPerRecord follow the prefix in nDataSize
// bytes: 0 for a value without room for one, or for a record size of 0.
int RecordCount(size_t nDataSize, size_t nBytesPerRecord);

// The option values a toolbar can show.
bool IsTextOptions(int32_t n);
bool IsIconOptions(int32_t n);

// An option as read back from a saved value: a known option or -1 (not set)
// as it was saved, anything else as -1.
int32_t SavedTextOptions(int32_t n);
int32_t SavedIconOptions(int32_t n);

}  // namespace toolbar_state
