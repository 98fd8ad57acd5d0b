#include "ObjectCounts.h"
#include "module/QELMemory.h"
#include "ProcessObjects.h"
#include <cstdio>
#include <chrono>
#include <gtest/gtest.h>
#include <cstdlib>

namespace {
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
        counts.nUser = CountWindowsOf(::GetCurrentProcessId()) + CountMenus();
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

// Whether this process's windows get handles with bit 31 set (a wineserver
// that has run for long, see tests/aged).
static bool InAgedSession()
{
    HWND hWnd = ::CreateWindowExA(0, "Static", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    const bool bAged = ((DWORD)(ULONG_PTR)hWnd & 0x80000000u) != 0;
    ::DestroyWindow(hWnd);
    return bAged;
}

// In an aged session Wine's cache of window DCs keeps an entry for each
// dialog that has gone (it compares the two forms of the dialog's handle when
// it drops them) until the cache is full: 58 GDI objects in a process,
// reached within about 200 dialogs, and flat from there (docs/platform.md).
// There the counts are taken once a block of cycles leaves the GDI count as
// it found it. A real leak never settles: after the last block the counts are
// taken anyway, and the leak shows in the comparison.
static const int kSettleBlocks = 12;

// Runs cycle() kWarmUp times (in an aged session until the platform's caches
// have settled), takes the counts, runs it CycleCount() times more, and
// compares.
void ExpectNothingLeftAfterCycles(const char* name, const std::function<void(int)>& cycle, int nDefaultCycles)
{
    auto warmUp = [&] {
        for (int i = 0; i < kWarmUp; ++i) {
            cycle(i);
            PumpMessages(0);  // painting realises what the platform then keeps
        }
    };
    warmUp();
    ObjectCounts before = CountObjects();
    int nWarmUp = kWarmUp;
    if (InAgedSession()) {
        for (int nBlock = 0; nBlock < kSettleBlocks; ++nBlock) {
            warmUp();
            nWarmUp += kWarmUp;
            const ObjectCounts settled = CountObjects();
            const bool bSettled = settled.nGdi == before.nGdi;
            before = settled;
            if (bSettled)
                break;
        }
    }
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
    std::printf("cycles: %-18s %6d cycles in %6.1f s%s after %d to warm up; before %s; after %s\n", name, nCycles,
                dSeconds, timing, nWarmUp, before.Describe().c_str(), after.Describe().c_str());
    EXPECT_EQ(before.nGdi, after.nGdi) << name;
    EXPECT_EQ(before.nUser, after.nUser) << name;
    EXPECT_EQ(before.nBlocks, after.nBlocks) << name;
    // A cycle that grows slower with the process's age feeds something that
    // grows: compared once there are thousands to compare.
    if (nCycles >= 2 * kThousand) {
        EXPECT_LE(dLastMs, dFirstMs * 1.2) << name << ": the last thousand cycles took over 20 % longer than the first";
    }
}
