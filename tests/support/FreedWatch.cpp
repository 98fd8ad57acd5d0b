#include "FreedWatch.h"
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

namespace {
const unsigned char kPattern = 0xDD;

struct Kept
{
    unsigned char* p;
    std::size_t nBytes;
};
std::vector<Kept>& KeptBlocks()
{
    static std::vector<Kept> blocks;
    return blocks;
}
}

namespace freed_watch {

void* Allocate(std::size_t nBytes)
{
    void* p = std::malloc(nBytes != 0 ? nBytes : 1);
    if (p == nullptr)
        throw std::bad_alloc();
    return p;
}

void Free(void* p, std::size_t nBytes)
{
    if (p == nullptr)
        return;
    std::memset(p, kPattern, nBytes);
    KeptBlocks().push_back({ static_cast<unsigned char*>(p), nBytes });
}

int Deleted() { return static_cast<int>(KeptBlocks().size()); }

bool Untouched()
{
    for (const Kept& k : KeptBlocks())
        for (std::size_t i = 0; i < k.nBytes; ++i)
            if (k.p[i] != kPattern)
                return false;
    return true;
}

void Reset()
{
    for (const Kept& k : KeptBlocks())
        std::free(k.p);
    KeptBlocks().clear();
}

}
