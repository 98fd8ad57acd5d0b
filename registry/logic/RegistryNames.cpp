#include "RegistryNames.h"
#include <cstring>

namespace registry_names {

namespace {
// UTF-16 units of a character of nBytes bytes: only a four-byte UTF-8 sequence takes two.
size_t Units(size_t nBytes) { return nBytes == 4 ? 2 : 1; }
}

bool KeyPathIsUsable(const char* path, const mbcs_chars::Encoding& chars)
{
    if (path == nullptr)
        return false;
    const size_t nLength = std::strlen(path);
    size_t nName = 0, nPath = 0;
    for (size_t i = 0; i < nLength;) {
        const size_t n = chars.Length(path + i, nLength - i);
        nPath += Units(n);
        if (nPath > kMaxPathLength)
            return false;
        if (n == 1 && path[i] == '\\') {
            // A separator must follow a name: none at the start, none doubled.
            if (nName == 0)
                return false;
            nName = 0;
        } else if ((nName += Units(n)) > kMaxKeyNameLength) {
            return false;
        }
        i += n;
    }
    return true;
}

bool ValueNameIsUsable(const char* name, const mbcs_chars::Encoding& chars)
{
    if (name == nullptr)
        return false;
    const size_t nLength = std::strlen(name);
    size_t nUnits = 0;
    for (size_t i = 0; i < nLength; i += chars.Length(name + i, nLength - i)) {
        if ((nUnits += Units(chars.Length(name + i, nLength - i))) > kMaxValueNameLength)
            return false;
    }
    return true;
}

}  // namespace registry_names
