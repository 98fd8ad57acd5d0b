// What the bad-input tables share: each class's operations are run from a
// table, in each state of its window (never created, live, destroyed), with
// the inputs a careless or hostile caller gives (-1 and out-of-range indices,
// null pointers, empty, 1 MB and double-byte texts). Every case states the
// answer the operation documents; the tables count the cases they run.
#pragma once
#include "RecordingParent.h"
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

// The states a control's window can be in while the caller uses the object.
enum class WindowState { NeverCreated, Live, Destroyed };
const char* NameOf(WindowState state);
const WindowState kAllStates[] = { WindowState::NeverCreated, WindowState::Live, WindowState::Destroyed };

// Texts a caller should never send, but may.
struct OddTexts
{
    static const std::string& Megabyte();  // 1 MB of letters and digits
    static const char* DoubleByte();       // Shift-JIS and GBK pairs, a lead byte at its end
    static const char* Controls();         // tabs, returns, bell, byte 0xFF
};

// One case of a table: what is done, and what must hold after it.
struct BadInput
{
    std::string name;
    std::function<void()> run;
};

// Runs every case, tagging failures with the class, the state and the case;
// adds the number run to the class's tally, printed when the program ends.
void RunTable(const char* cls, WindowState state, const std::vector<BadInput>& table);
int TalliedCases(const char* cls);

// Handles what is queued, so a destroyed window's last messages and any timer
// of a live one get their chance to misbehave.
void Settle(DWORD nMs = 30);
