// The aged tests run where a long session leaves a wineserver: the handle
// slots their windows take have been reused 32,768 times or more, so every
// window, menu and hook they make has a handle with bit 31 set, which 64-bit
// Windows hands out sign-extended from some calls and zero-extended from others.
#pragma once
#include "TestApp.h"
#include <gtest/gtest.h>

// Whether h has bit 31 set: a handle of an aged slot, in either form.
inline bool IsAgedHandle(const void* h) { return ((DWORD)(ULONG_PTR)h & 0x80000000u) != 0; }

// The two forms of a handle. On i686 both are the handle itself.
template <class H>
H SignExtended(H h)
{
    return (H)(LONG_PTR)(LONG)(DWORD)(ULONG_PTR)h;
}
template <class H>
H ZeroExtended(H h)
{
    return (H)(ULONG_PTR)(DWORD)(ULONG_PTR)h;
}
// Fixture of every aged test: it fails a test in which some window was made
// with a young handle (the aged slots ran out, or another process took them),
// so no test passes without having met aged handles.
class AgedTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // Expects every handle given to have bit 31 set.
    static void ExpectAged(const void* h, const char* what);
};
