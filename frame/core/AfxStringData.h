// Buffer bookkeeping shared by CString's source files (internal to ZUZIFrame.dll).
#pragma once
#include "AfxString.h"
#include "MbcsChars.h"
#include <climits>

namespace afx_string_buffer {

// Buffer states below zero: locked by LockBuffer, or handed out by GetBuffer.
constexpr long kLocked = -1;
constexpr long kBufferOut = -2;

// Leaves room for the header and terminator so sizes never overflow an int.
constexpr int kMaxLength = INT_MAX - 64;

// The shared empty string: every empty CString points at it; it is never written or freed.
CStringData* NilData();
char* NilText();

// Length of a possibly null text, capped at kMaxLength.
int SafeLength(LPCSTR p);
// A fresh buffer with room for nAlloc characters, or nullptr.
CStringData* Allocate(int nAlloc);
// Drops one reference; frees the buffer with the last one (never the shared empty string).
void Release(CStringData* d);

// How the ANSI code page forms characters from bytes. Read once: a process keeps its code page.
const mbcs_chars::Encoding& AnsiChars();
// Bytes of the character at p, with nLeft bytes left (at least 1).
inline int CharLength(LPCSTR p, int nLeft) { return static_cast<int>(AnsiChars().Length(p, nLeft)); }

}  // namespace afx_string_buffer
