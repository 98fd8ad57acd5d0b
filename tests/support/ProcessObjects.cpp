#include "ProcessObjects.h"

namespace {

struct WindowCount
{
    DWORD dwProcessId;
    long n;
};

BOOL CALLBACK CountWindow(HWND hWnd, LPARAM lParam)
{
    auto* pCount = reinterpret_cast<WindowCount*>(lParam);
    DWORD dwProcess = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcess);
    if (dwProcess == pCount->dwProcessId)
        ++pCount->n;
    return TRUE;
}

BOOL CALLBACK CountTree(HWND hWnd, LPARAM lParam)
{
    auto* pCount = reinterpret_cast<WindowCount*>(lParam);
    DWORD dwProcess = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcess);
    if (dwProcess == pCount->dwProcessId) {
        ++pCount->n;
        ::EnumChildWindows(hWnd, CountWindow, lParam);
    }
    return TRUE;
}

}  // namespace

// Enumerated, not probed slot by slot: IsWindow on an empty slot costs Wine a
// server request, over a second for the 32,768 slots.
long CountWindowsOf(DWORD dwProcessId)
{
    WindowCount count = { dwProcessId, 0 };
    ::EnumWindows(CountTree, reinterpret_cast<LPARAM>(&count));
    for (HWND hWnd = nullptr; (hWnd = ::FindWindowExA(HWND_MESSAGE, hWnd, nullptr, nullptr)) != nullptr;)
        CountTree(hWnd, reinterpret_cast<LPARAM>(&count));
    return count.n;
}

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
