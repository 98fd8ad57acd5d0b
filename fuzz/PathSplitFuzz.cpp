// Feeds arbitrary bytes to the path splitting. Nothing may read past the
// text, and the parts must always put the path back together when none was
// cut: drive, folder, name, a dot when the file part had one, extension.
#include "PathSplit.h"
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
bool IsSeparator(char ch) { return ch == '\\' || ch == '/'; }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* psz = reinterpret_cast<const char*>(data);
    path_split::PathParts p = path_split::SplitPath(psz, size, mbcs_chars::Encoding::SingleByte());
    std::string path(psz, size);

    if (!(p.drive.empty() || (p.drive.size() == 2 && p.drive[1] == ':')))
        std::abort();
    if (p.folder.size() > path_split::kMaxPart || p.name.size() > path_split::kMaxPart ||
        p.extension.size() > path_split::kMaxPart)
        std::abort();
    if (!p.folder.empty() && !IsSeparator(p.folder.back()) && p.folder.size() < path_split::kMaxPart)
        std::abort();
    for (char ch : p.name + p.extension) {
        if (IsSeparator(ch))
            std::abort();
    }
    if (p.extension.find('.') != std::string::npos)
        std::abort();

    if (size < path_split::kMaxPart) {
        std::string file = path.substr(p.drive.size() + p.folder.size());
        bool bDot = file.find('.') != std::string::npos;
        std::string rebuilt = p.drive + p.folder + p.name + (bDot ? "." : "") + p.extension;
        if (rebuilt != path)
            std::abort();
    }
    return 0;
}
