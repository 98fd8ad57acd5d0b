// Failure injection into the library's own allocations (module/QELMemory.h),
// for the tests of the paths that run out of memory.
#pragma once
#include "module/QELMemory.h"
#include <gtest/gtest.h>

// Runs op once with the library's first allocation from its start failing,
// then with the second, the third ..., until a run makes fewer allocations
// than the one set to fail; after each run check(bFailed) says what the run
// must have left (bFailed: the armed allocation did fail in it). Returns how
// many allocations op makes when nothing fails, so a test can insist that it
// reached any at all.
template <class Op, class Check>
long WithEachAllocationFailing(Op op, Check check, long nLimit = 5000)
{
    for (long n = 1; n <= nLimit; ++n) {
        QELFailAllocation(n);
        op();
        const bool bFailed = QELAllocationsBeforeFailure() == 0;
        QELFailAllocation(0);
        SCOPED_TRACE(testing::Message() << "allocation " << n << " failing");
        check(bFailed);
        if (!bFailed)
            return n - 1;
    }
    ADD_FAILURE() << "more than " << nLimit << " allocations";
    return nLimit;
}
