#include "PathSplit.h"

namespace path_split {

namespace {
bool IsSeparator(char ch) { return ch == '\\' || ch == '/'; }
}

PathParts SplitPath(const char* pszPath, std::size_t nLength, const mbcs_chars::Encoding& chars)
{
    PathParts parts;
    if (pszPath == nullptr)
        return parts;
    // A part longer than kMaxPart is cut where a character starts, never between its bytes.
    auto cut = [&](std::size_t from, std::size_t n) {
        return std::string(pszPath + from,
                           n < kMaxPart ? n : mbcs_chars::CutLength(chars, pszPath + from, n, kMaxPart));
    };
    std::size_t rest = 0;
    if (nLength >= 2 && pszPath[1] == ':' && chars.Length(pszPath, nLength) == 1) {
        parts.drive.assign(pszPath, 2);
        rest = 2;
    }

    // Only whole one-byte characters separate or start an extension: a double-byte character's
    // trail byte may be '\' (0x95 0x5C in Shift-JIS) and is part of a name. The folder runs to
    // the last separator, so a dot inside it never starts an extension.
    std::size_t file = rest, dot = nLength;
    for (std::size_t i = rest, n; i < nLength; i += n) {
        n = chars.Length(pszPath + i, nLength - i);
        if (n == 1 && IsSeparator(pszPath[i])) {
            file = i + 1;
            dot = nLength;
        } else if (n == 1 && pszPath[i] == '.')
            dot = i;
    }
    parts.folder = cut(rest, file - rest);
    parts.name = cut(file, dot - file);
    std::string extension = cut(dot, nLength - dot);
    std::size_t nDots = extension.find_first_not_of('.');
    parts.extension = nDots == std::string::npos ? std::string() : extension.substr(nDots);
    return parts;
}

}  // namespace path_split
