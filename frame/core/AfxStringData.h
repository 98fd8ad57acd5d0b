// Buffer bookkeeping shared by CString's source files (internal to ZUZIFrame.dll).
#pragma once
#include "AfxString.h"
#include "AfxAnsiChars.h"
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

// Strings step through their text by the characters of the ANSI code page.
using afx_ansi::CharLength;
inline const mbcs_chars::Encoding& AnsiChars() { return afx_ansi::Chars(); }

}  // namespace afx_string_buffer
