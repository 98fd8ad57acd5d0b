// Splitting a file path into drive, folder, name and extension, on the text
// alone: nothing is looked up in the file system.
#pragma once
#include "MbcsChars.h"
#include <cstddef>
#include <string>

namespace path_split {

// Longest folder, name or extension kept; longer parts are cut at this length.
const std::size_t kMaxPart = 255;

struct PathParts
{
    std::string drive;      // "C:" or empty
    std::string folder;     // up to and including the last '\' or '/'
    std::string name;       // the file name without its extension
    std::string extension;  // after the last '.' of the file name, never starting with '.'
};

// Both '\' and '/' separate folders. The text may hold any bytes, NUL included; chars says
// how its code page forms characters.
PathParts SplitPath(const char* pszPath, std::size_t nLength, const mbcs_chars::Encoding& chars);

}  // namespace path_split
