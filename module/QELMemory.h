// The library's own memory. Every block the library allocates for itself (its
// operator new, and through it every standard container and string of the
// library and its logic/) comes from qel_memory::Allocate, so the blocks can
// be counted and any single allocation can be made to fail on purpose.
//
// An allocation that fails inside a standard container throws std::bad_alloc;
// every exported operation that may reach one runs its work through
// qel_memory::NoThrow, which turns any exception into the operation's
// documented failure value, so nothing thrown ever leaves the module.
#pragma once
#include "ZUZIVU70Defs.h"
#include <cstddef>
#include <utility>

namespace qel_memory {

// A block of nBytes (at least one), or nullptr when there is no memory or an
// injected failure is due.
void* Allocate(std::size_t nBytes) noexcept;
// Gives back a block from Allocate; nullptr is ignored.
void Release(void* p) noexcept;

// fn(), or failure when fn throws (an allocation that failed, a length the
// containers refuse). Nothing thrown inside gets out.
template <class R, class Fn>
R NoThrow(R failure, Fn&& fn) noexcept
{
    try {
        return std::forward<Fn>(fn)();
    } catch (...) {
        return failure;
    }
}

// The same for work without a result: true when it ran to its end.
template <class Fn>
bool NoThrowDone(Fn&& fn) noexcept
{
    try {
        std::forward<Fn>(fn)();
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace qel_memory

// ----- for tests only: exported, but declared in no public header ----------------------
extern "C" {
// The nNth allocation of the library from now on fails (once); 0 or less disarms.
QEL_API void QELFailAllocation(long nNth);
// Allocations still to go before the armed failure; 0 once it happened (or when none is armed).
QEL_API long QELAllocationsBeforeFailure();
// Blocks the library holds now.
QEL_API long QELLiveAllocationCount();
}
