#include "RegistryNames.h"
#include <cstring>

namespace registry_names {

bool KeyPathIsUsable(const char* path)
{
    if (path == nullptr)
        return false;
    size_t nLength = std::strlen(path);
    if (nLength > kMaxPathLength)
        return false;
    size_t nName = 0;
    for (size_t i = 0; i < nLength; ++i) {
        if (path[i] != '\\') {
            if (++nName > kMaxKeyNameLength)
                return false;
            continue;
        }
        // A separator must follow a name: none at the start, none doubled.
        if (nName == 0)
            return false;
        nName = 0;
    }
    return true;
}

bool ValueNameIsUsable(const char* name) { return name != nullptr && std::strlen(name) <= kMaxValueNameLength; }

}  // namespace registry_names
