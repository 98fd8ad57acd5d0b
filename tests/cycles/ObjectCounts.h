// What a process holds, counted before and after many create, use and destroy
// cycles: GDI objects, USER objects and the library's own memory blocks.
#pragma once
#include "TestApp.h"
#include <functional>
#include <string>

struct ObjectCounts
{
    long nGdi = 0;
    long nUser = 0;
    long nBlocks = 0;
    std::string Describe() const;
};

// The counts now, after the queue is handled and the framework's temporary
// wrappers are gone. GDI and USER objects come from GetGuiResources; where it
// answers nothing (Wine 8 has it as a stub that answers 0), they are counted by
// looking up every handle slot of the process's tables (see ObjectCounts.cpp).
ObjectCounts CountObjects();

// Cycles each class runs: ZUZ_CYCLES from the environment, else nDefault.
int CycleCount(int nDefault);

// Runs cycle(i) some times to warm up, takes the counts, runs it CycleCount(nCycles)
// times more, prints both counts and expects them equal; from 2,000 cycles on it
// also expects the last thousand to take at most 20 % longer than the first.
void ExpectNothingLeftAfterCycles(const char* name, const std::function<void(int)>& cycle, int nCycles = 1000);
