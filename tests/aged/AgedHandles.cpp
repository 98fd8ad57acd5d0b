// Ages the wineserver before the tests run, and watches that the tests' windows
// really got aged handles.
//
// A USER handle is its slot's index with the slot's generation in the upper
// word; the generation grows by one each time the slot is taken, and freed
// slots are taken again last-freed first. All USER objects (windows, menus,
// hooks, cursors) share the slots, and a hook costs one server request to set
// and one to remove, against about 3 ms for a window: the slots at the head of
// the free list are aged by setting and removing hooks until their handles
// have bit 31, each aged slot then held so that the next one comes up. At the
// end all are freed together and are the first ones the tests' windows take.
//
// This runs before main: the framework's start-up and the test program's
// watchdog (which allows a minute per test) come after it.
#include "AgedHandles.h"
#include <atomic>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

// The most USER objects one test has alive together (the toolbar's customize
// dialog over the frame, its dock bars and tooltips), with room to spare.
const int kSlots = 64;
// Generations from 0x8000 give handles with bit 31. A slot stays short of the
// wrap at 0xFFFF (back to 1), so the tests' own reuse leaves it aged; a slot
// near the wrap (a wineserver kept from earlier runs) is taken round it.
const WORD kAgedFrom = 0x8000;
const WORD kAgedUpTo = 0xF000;
// More reuses than any slot can need: a slot that never ages is a failure,
// not a hang.
const long kMaxReusesPerSlot = 0x10000 + 0x1000;

struct AgingResult
{
    int nSlots = 0;
    long nReuses = 0;
    double dSeconds = 0;
} g_aging;

bool InAgedRange(HHOOK h)
{
    const WORD wGeneration = HIWORD((DWORD)(ULONG_PTR)h);
    return wGeneration >= kAgedFrom && wGeneration < kAgedUpTo;
}

LRESULT CALLBACK PassOn(int nCode, WPARAM wParam, LPARAM lParam)
{
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

HHOOK NewHook() { return ::SetWindowsHookExA(WH_MSGFILTER, PassOn, nullptr, ::GetCurrentThreadId()); }

// The aging is the server's work: each hook costs it two requests. Several
// threads keep it busy while each waits for its answer.
const int kThreads = 4;

struct Aging
{
    std::atomic<int> nHeld{ 0 };
    std::atomic<long> nReuses{ 0 };
    std::atomic<int> nStopped{ 0 };
    HANDLE hRelease = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
};

// Sets and removes a hook on the slot at the head of the free list until the
// slot's handles are aged; that hook stays set, so the next slot comes up.
// Whichever thread takes a slot adds to its generation. The hooks are held
// until every thread is done.
DWORD WINAPI AgeSlots(LPVOID pParam)
{
    Aging& aging = *static_cast<Aging*>(pParam);
    std::vector<HHOOK> held;
    long nReuses = 0;
    while (aging.nHeld < kSlots && nReuses < kMaxReusesPerSlot * kSlots / kThreads) {
        HHOOK hHook = NewHook();
        if (hHook == nullptr)
            break;
        if (InAgedRange(hHook)) {
            held.push_back(hHook);
            ++aging.nHeld;
            continue;
        }
        ::UnhookWindowsHookEx(hHook);
        ++nReuses;
    }
    aging.nReuses += nReuses;
    ++aging.nStopped;
    ::WaitForSingleObject(aging.hRelease, INFINITE);
    for (auto it = held.rbegin(); it != held.rend(); ++it)
        ::UnhookWindowsHookEx(*it);
    return 0;
}

struct AgeBeforeMain
{
    AgeBeforeMain()
    {
        // The desktop window comes first, from a slot of its own, as in a
        // session that has run for days. (Wine 8 finds no window visible once
        // the desktop's own handle has bit 31: it compares the two forms.)
        ::GetDesktopWindow();
        const auto start = std::chrono::steady_clock::now();
        Aging aging;
        HANDLE hThreads[kThreads];
        for (HANDLE& hThread : hThreads)
            hThread = ::CreateThread(nullptr, 0, AgeSlots, &aging, 0, nullptr);
        while (aging.nStopped < kThreads)
            ::Sleep(20);
        ::SetEvent(aging.hRelease);
        ::WaitForMultipleObjects(kThreads, hThreads, TRUE, INFINITE);
        for (HANDLE hThread : hThreads)
            ::CloseHandle(hThread);
        ::CloseHandle(aging.hRelease);
        g_aging.nSlots = aging.nHeld;
        g_aging.nReuses = aging.nReuses;
        g_aging.dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("aged: %d handle slots past bit 31 in %.1f s (%ld reuses, %.0f us each)\n", g_aging.nSlots,
                    g_aging.dSeconds, g_aging.nReuses,
                    g_aging.nReuses > 0 ? g_aging.dSeconds * 1e6 / (double)g_aging.nReuses : 0.0);
        std::fflush(stdout);
    }
} g_ageBeforeMain;

// Windows this thread created during the current test with a handle short of bit 31.
thread_local int t_nYoungWindows = 0;
thread_local char t_firstYoung[64] = "";
thread_local HHOOK t_hWatch = nullptr;

LRESULT CALLBACK WatchCreation(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND && !IsAgedHandle(reinterpret_cast<HWND>(wParam)) && t_nYoungWindows++ == 0) {
        const CBT_CREATEWNDA* pCreate = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
        const LPCSTR pszClass = pCreate->lpcs->lpszClass;
        _snprintf(t_firstYoung, sizeof(t_firstYoung) - 1, "%p of class %s", (void*)wParam,
                  HIWORD((ULONG_PTR)pszClass) != 0 ? pszClass : "(atom)");
    }
    return ::CallNextHookEx(t_hWatch, nCode, wParam, lParam);
}

}  // namespace

void AgedTest::SetUp()
{
    ASSERT_GE(g_aging.nSlots, kSlots) << "the wineserver's handle slots could not be aged";
    ASSERT_FALSE(IsAgedHandle(::GetDesktopWindow())) << "the desktop window took an aged slot";
    t_nYoungWindows = 0;
    t_firstYoung[0] = '\0';
    t_hWatch = ::SetWindowsHookExA(WH_CBT, WatchCreation, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(t_hWatch, nullptr);
}

void AgedTest::TearDown()
{
    ::UnhookWindowsHookEx(t_hWatch);
    t_hWatch = nullptr;
    EXPECT_EQ(t_nYoungWindows, 0) << "windows were made with handles short of bit 31 (the first " << t_firstYoung
                                  << "): more slots must be aged for this test";
}

void AgedTest::ExpectAged(const void* h, const char* what)
{
    EXPECT_TRUE(IsAgedHandle(h)) << what << " has the handle " << h << ", short of bit 31";
}
