#include "PathSplit.h"

namespace path_split {

namespace {
bool IsSeparator(char ch) { return ch == '\\' || ch == '/'; }

std::string Cut(const char* p, std::size_t n) { return std::string(p, n < kMaxPart ? n : kMaxPart); }
}

PathParts SplitPath(const char* pszPath, std::size_t nLength)
{
    PathParts parts;
    if (pszPath == nullptr)
        return parts;
    std::size_t rest = 0;
    if (nLength >= 2 && pszPath[1] == ':') {
        parts.drive.assign(pszPath, 2);
        rest = 2;
    }

    // The folder runs to the last separator, so a dot inside it never starts an extension.
    std::size_t file = rest;
    for (std::size_t i = rest; i < nLength; ++i) {
        if (IsSeparator(pszPath[i]))
            file = i + 1;
    }
    parts.folder = Cut(pszPath + rest, file - rest);

    std::size_t dot = nLength;
    for (std::size_t i = file; i < nLength; ++i) {
        if (pszPath[i] == '.')
            dot = i;
    }
    parts.name = Cut(pszPath + file, dot - file);
    std::string extension = Cut(pszPath + dot, nLength - dot);
    std::size_t nDots = extension.find_first_not_of('.');
    parts.extension = nDots == std::string::npos ? std::string() : extension.substr(nDots);
    return parts;
}

}  // namespace path_split
