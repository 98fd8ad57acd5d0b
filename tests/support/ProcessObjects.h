// Counting what a process holds where GetGuiResources cannot tell (Wine 8 has
// it as a stub that answers 0): its windows, by enumeration, and this
// process's GDI objects, by looking up every slot of its handle table.
#pragma once
#include <windows.h>

// The windows of process dwProcessId: every top-level window with its
// descendants, and the message-only windows.
long CountWindowsOf(DWORD dwProcessId);

// This process's GDI objects, slot by slot (Wine only: see the source).
long CountGdiSlots();
