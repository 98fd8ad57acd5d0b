// The item state word of the list control as plain values: how a word is made
// from an item's selected, checked and focused bits, how a filter matches it,
// and where the first/last searches start.
#pragma once
#include <cstdint>

namespace list_state {

enum : uint32_t {
    kAny = 0x01,
    kSelected = 0x02,
    kUnselected = 0x04,
    kChecked = 0x08,
    kUnchecked = 0x10,
    kFocused = 0x20,
    kUnfocused = 0x40,
};

// Exactly one flag of each pair, never kAny.
uint32_t StateWord(bool bSelected, bool bChecked, bool bFocused);

// Filter 0 matches nothing, a filter with kAny everything; otherwise every flag
// of the filter must be in the word (so both flags of a pair match nothing).
bool Matches(uint32_t states, uint32_t filter);

// First index a forward search after nAfter tests (an nAfter below -1 counts as -1).
int FirstSearchStart(int nAfter);

// First index a backward search before nBefore tests, for nCount items (a
// negative nBefore or one beyond nCount counts as nCount); -1 when none.
int LastSearchStart(int nBefore, int nCount);

// The position a move ends at: nPosition clamped to 0 .. nCount - 1.
int ClampPosition(int nPosition, int nCount);
}
