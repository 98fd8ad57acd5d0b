#include "ObjectCounts.h"
#include "module/QELMemory.h"
#include <cstdio>
#include <chrono>
#include <gtest/gtest.h>
#include <cstdlib>

namespace {
// Wine 8 accepts a handle whose upper word is 0 as naming the slot of its low
// word, whatever the slot's generation: probing every slot counts the objects
// alive. Used only where GetGuiResources answers 0, which Windows never does
// for a process with a window.
long CountGdiSlots()
{
    long n = 0;
    for (ULONG_PTR i = 1; i < 0x10000; ++i)
        n += ::GetObjectType(reinterpret_cast<HGDIOBJ>(i)) != 0;
    return n;
}

// This process's windows: every top-level window with its descendants, and
// the message-only windows. Enumerated, not probed slot by slot: IsWindow on an
// empty slot costs Wine a server request, over a second for the 32,768 slots.
BOOL CALLBACK CountOwnWindow(HWND hWnd, LPARAM lParam)
{
    DWORD dwProcess = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcess);
    if (dwProcess == ::GetCurrentProcessId())
        ++*reinterpret_cast<long*>(lParam);
    return TRUE;
}

BOOL CALLBACK CountOwnTree(HWND hWnd, LPARAM lParam)
{
    DWORD dwProcess = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcess);
    if (dwProcess == ::GetCurrentProcessId()) {
        ++*reinterpret_cast<long*>(lParam);
        ::EnumChildWindows(hWnd, CountOwnWindow, lParam);
    }
    return TRUE;
}

long CountWindows()
{
    long n = 0;
    ::EnumWindows(CountOwnTree, reinterpret_cast<LPARAM>(&n));
    for (HWND hWnd = nullptr; (hWnd = ::FindWindowExA(HWND_MESSAGE, hWnd, nullptr, nullptr)) != nullptr;)
        CountOwnTree(hWnd, reinterpret_cast<LPARAM>(&n));
    return n;
}

// Menus have no enumeration: USER handles are even slots from 0x20 on, and
// IsMenu answers an empty or foreign slot without asking the server.
long CountMenus()
{
    long n = 0;
    for (ULONG_PTR i = 0x20; i < 0x10000; i += 2)
        n += ::IsMenu(reinterpret_cast<HMENU>(i)) != 0;
    return n;
}
}

std::string ObjectCounts::Describe() const
{
    char text[96];
    std::snprintf(text, sizeof(text), "%ld GDI, %ld USER objects, %ld library blocks", nGdi, nUser, nBlocks);
    return text;
}

ObjectCounts CountObjects()
{
    // Everything queued is handled before counting, however slow a loaded
    // machine makes it: a window whose destruction is still in the queue
    // (a floating toolbar's frame) is not left over. With a limit of a few
    // milliseconds the counts depended on the machine's load.
    PumpMessages(10000);
    AfxDeleteTempMaps();
    ObjectCounts counts;
    counts.nGdi = (long)::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    counts.nUser = (long)::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    if (counts.nGdi == 0 && counts.nUser == 0) {
        counts.nGdi = CountGdiSlots();
        counts.nUser = CountWindows() + CountMenus();
    }
    counts.nBlocks = QELLiveAllocationCount();
    return counts;
}

int CycleCount(int nDefault)
{
    const char* env = std::getenv("ZUZ_CYCLES");
    int n = env != nullptr ? std::atoi(env) : 0;
    return n > 0 ? n : nDefault;
}

// Enough for every variation a cycle makes (digits 0 to 9 typed, for one): the
// platform keeps what it realises for the first of each (glyphs of a font),
// four GDI objects for the integer edit's digits under Wine.
static const int kWarmUp = 30;
static const int kThousand = 1000;

// Runs cycle() kWarmUp times, takes the counts, runs it CycleCount() times
// more, and compares.
void ExpectNothingLeftAfterCycles(const char* name, const std::function<void(int)>& cycle, int nDefaultCycles)
{
    for (int i = 0; i < kWarmUp; ++i) {
        cycle(i);
        PumpMessages(0);  // painting realises what the platform then keeps
    }
    const ObjectCounts before = CountObjects();
    const int nCycles = CycleCount(nDefaultCycles);
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    // Milliseconds per cycle of the first and of the last thousand.
    double dFirstMs = 0, dLastMs = 0;
    auto thousand = start;
    for (int i = 0; i < nCycles; ++i) {
        cycle(i);
        if (i % 64 == 0)
            PumpMessages(0);
        if ((i + 1) % kThousand == 0) {
            const auto now = Clock::now();
            dLastMs = std::chrono::duration<double, std::milli>(now - thousand).count() / kThousand;
            if (i + 1 == kThousand)
                dFirstMs = dLastMs;
            thousand = now;
        }
    }
    double dSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    const ObjectCounts after = CountObjects();
    char timing[96] = "";
    if (nCycles >= 2 * kThousand)
        std::snprintf(timing, sizeof(timing), " (%.1f ms per cycle in the first thousand, %.1f in the last)", dFirstMs,
                      dLastMs);
    std::printf("cycles: %-18s %6d cycles in %6.1f s%s; before %s; after %s\n", name, nCycles, dSeconds, timing,
                before.Describe().c_str(), after.Describe().c_str());
    EXPECT_EQ(before.nGdi, after.nGdi) << name;
    EXPECT_EQ(before.nUser, after.nUser) << name;
    EXPECT_EQ(before.nBlocks, after.nBlocks) << name;
    // A cycle that grows slower with the process's age feeds something that
    // grows: compared once there are thousands to compare.
    if (nCycles >= 2 * kThousand) {
        EXPECT_LE(dLastMs, dFirstMs * 1.2) << name << ": the last thousand cycles took over 20 % longer than the first";
    }
}
