// Arbitrary bytes as key paths and value names: the check never reads past
// the text, and what it lets through is what the platform reads the same way
// on Windows and under Wine (names of 1 to 255 characters between single
// backslashes, 32,767 characters in all).
#include "RegistryNames.h"
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace registry_names;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    text = text.c_str();
    const mbcs_chars::Encoding singleByte = mbcs_chars::Encoding::SingleByte();
    // Other code pages read the same bytes as other characters: never past the text.
    for (unsigned codePage : { 932u, 65001u }) {
        KeyPathIsUsable(text.c_str(), mbcs_chars::ForCodePage(codePage));
        ValueNameIsUsable(text.c_str(), mbcs_chars::ForCodePage(codePage));
    }
    if (KeyPathIsUsable(text.c_str(), singleByte)) {
        if (text.size() > kMaxPathLength || (!text.empty() && text[0] == '\\') ||
            text.find("\\\\") != std::string::npos)
            std::abort();
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find('\\', start);
            size_t n = (end == std::string::npos ? text.size() : end) - start;
            if (n == 0 || n > kMaxKeyNameLength)
                std::abort();
            if (end == std::string::npos)
                break;
            start = end + 1;
        }
    }
    if (ValueNameIsUsable(text.c_str(), singleByte) != (text.size() <= kMaxValueNameLength))
        std::abort();
    return 0;
}
