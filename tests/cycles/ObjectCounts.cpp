#include "ObjectCounts.h"
#include "module/QELMemory.h"
#include <cstdio>
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

// USER handles are even slots from 0x20 on: windows and menus are counted
// (cursors and icons have no query that leaves no trace).
long CountUserSlots()
{
    long n = 0;
    for (ULONG_PTR i = 0x20; i < 0x10000; i += 2)
        n += ::IsWindow(reinterpret_cast<HWND>(i)) || ::IsMenu(reinterpret_cast<HMENU>(i));
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
    PumpMessages(5);
    AfxDeleteTempMaps();
    ObjectCounts counts;
    counts.nGdi = (long)::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    counts.nUser = (long)::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    if (counts.nGdi == 0 && counts.nUser == 0) {
        counts.nGdi = CountGdiSlots();
        counts.nUser = CountUserSlots();
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
