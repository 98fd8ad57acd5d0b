// Objects whose memory is kept when they are deleted, filled with a pattern:
// a write into a deleted object shows as a changed byte, and a call through
// its virtual table jumps to the pattern and crashes, where a freed block
// would often pass unseen. For parents that delete a control from a
// notification: Watched<QELHyperlink> is deleted through any base pointer.
#pragma once
#include <cstddef>

namespace freed_watch {
void* Allocate(std::size_t nBytes);
void Free(void* p, std::size_t nBytes);
// Objects deleted since the last Reset.
int Deleted();
// True when every deleted object's memory still holds nothing but the pattern.
bool Untouched();
// Gives the kept memory back.
void Reset();
}

template <class T>
class Watched : public T
{
public:
    using T::T;
    static void* operator new(std::size_t nBytes) { return freed_watch::Allocate(nBytes); }
    static void operator delete(void* p, std::size_t nBytes) { freed_watch::Free(p, nBytes); }
};
