// The library's allocation function, the failure switch of the tests, and the
// library's operator new and delete, which route every block through them.
#include "QELMemory.h"
#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> g_nLiveBlocks{ 0 };
// Allocations to go before the injected failure; 0 when none is armed.
std::atomic<long> g_nFailCountdown{ 0 };

// True when this allocation is the one the test asked to fail.
bool FailureDue()
{
    long n = g_nFailCountdown.load(std::memory_order_relaxed);
    while (n > 0) {
        if (g_nFailCountdown.compare_exchange_weak(n, n - 1, std::memory_order_relaxed))
            return n == 1;
    }
    return false;
}
}

namespace qel_memory {

void* Allocate(std::size_t nBytes) noexcept
{
    if (FailureDue())
        return nullptr;
    void* p = std::malloc(nBytes != 0 ? nBytes : 1);
    if (p != nullptr)
        g_nLiveBlocks.fetch_add(1, std::memory_order_relaxed);
    return p;
}

void Release(void* p) noexcept
{
    if (p == nullptr)
        return;
    g_nLiveBlocks.fetch_sub(1, std::memory_order_relaxed);
    std::free(p);
}

}  // namespace qel_memory

extern "C" {
void QELFailAllocation(long nNth) { g_nFailCountdown.store(nNth > 0 ? nNth : 0); }
long QELAllocationsBeforeFailure() { return g_nFailCountdown.load(); }
long QELLiveAllocationCount() { return g_nLiveBlocks.load(); }
}

// ----- the library's operator new and delete ---------------------------------------------
// Defined in this module, they replace the runtime's for every allocation the
// library's own code makes (the runtime is linked into each module on its own).
// The aligned forms are left to the runtime: they keep their own pairs.

void* operator new(std::size_t nBytes)
{
    void* p = qel_memory::Allocate(nBytes);
    if (p == nullptr)
        throw std::bad_alloc();
    return p;
}

void* operator new[](std::size_t nBytes) { return operator new(nBytes); }

void* operator new(std::size_t nBytes, const std::nothrow_t&) noexcept { return qel_memory::Allocate(nBytes); }

void* operator new[](std::size_t nBytes, const std::nothrow_t&) noexcept { return qel_memory::Allocate(nBytes); }

void operator delete(void* p) noexcept { qel_memory::Release(p); }
void operator delete[](void* p) noexcept { qel_memory::Release(p); }
void operator delete(void* p, std::size_t) noexcept { qel_memory::Release(p); }
void operator delete[](void* p, std::size_t) noexcept { qel_memory::Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { qel_memory::Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { qel_memory::Release(p); }
