// Feeds arbitrary bytes to the path splitting, in a single-byte, a double-byte and the UTF-8 code
// page (the first byte chooses). Nothing may read past the text, and the parts must always put
// the path back together when none was cut: drive, folder, name, a dot when the file part had
// one, extension. Separators and dots count only as characters of their own.
#include "FuzzInput.h"
#include "PathSplit.h"
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
bool IsSeparator(char ch) { return ch == '\\' || ch == '/'; }

// Whether the text holds the one-byte character that the test names.
template <class Test>
bool HasChar(const mbcs_chars::Encoding& enc, const std::string& text, Test test)
{
    for (std::size_t i = 0, n; i < text.size(); i += n) {
        n = enc.Length(text.data() + i, text.size() - i);
        if (n == 1 && test(text[i]))
            return true;
    }
    return false;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const unsigned kPages[] = { 1252, 932, 65001 };
    FuzzInput in(data, size);
    const mbcs_chars::Encoding enc = mbcs_chars::ForCodePage(kPages[in.Take<uint8_t>() % 3]);
    std::string path(in.Rest(), in.RestSize());
    path_split::PathParts p = path_split::SplitPath(in.Rest(), in.RestSize(), enc);
    const std::size_t kMax = path_split::kMaxPart;
    auto isDot = [](char ch) { return ch == '.'; };

    if (!(p.drive.empty() || (p.drive.size() == 2 && p.drive[1] == ':')))
        std::abort();
    if (p.folder.size() > kMax || p.name.size() > kMax || p.extension.size() > kMax)
        std::abort();
    // A folder ends with its separator unless it was cut, by at most one character (4 bytes).
    if (!p.folder.empty() && !IsSeparator(p.folder.back()) && p.folder.size() + 4 <= kMax)
        std::abort();
    if (HasChar(enc, p.name + p.extension, IsSeparator) || HasChar(enc, p.extension, isDot))
        std::abort();

    if (path.size() < kMax) {
        std::string file = path.substr(p.drive.size() + p.folder.size());
        bool bDot = HasChar(enc, file, isDot);
        std::string rebuilt = p.drive + p.folder + p.name + (bDot ? "." : "") + p.extension;
        if (rebuilt != path)
            std::abort();
    }
    return 0;
}
