// Framework objects that the toolbar makes and owns (embedded controls, their
// list) are given back to the library's allocator, which made them. A plain
// delete would run the deleting destructor of the framework's module, which
// frees through that module's allocator, so the library's count of its own
// blocks would never come down again.
#pragma once
#include <new>

template <class T>
void DeleteToolbarOwned(T* p)
{
    if (p != nullptr) {
        p->~T();
        ::operator delete(p);
    }
}
