// Text copied into a caller's buffer by the framework's buffer forms
// (GetWindowText, GetItemText, GetLine ...), internal to ZUZIFrame.dll.
//
// The platform's answers differ: some controls report the whole text's length
// for a buffer too small to hold it, some leave the buffer unterminated, and a
// cut may fall inside a double-byte character. Every buffer form answers the
// same way instead: the buffer always terminated within its size, and the
// length of what it holds.
#pragma once
#include "AfxCore.h"

namespace afx_detail {

// True when the caller's buffer can take at least its terminator.
inline bool HasTextRoom(LPCSTR lpszBuffer, int nSize) { return lpszBuffer != nullptr && nSize > 0; }

// After a copy of nReported characters (as the platform reported them) into
// lpszBuffer of nSize bytes: terminates the buffer after what it really holds,
// at most nSize - 1 bytes, never after half a double-byte character, and
// returns that length. The buffer must have room (HasTextRoom).
int TerminateCopiedText(LPSTR lpszBuffer, int nSize, int nReported);

// An empty text in a buffer with room, for a copy that could not be made; 0.
// A null buffer or a size of 0 is not written.
int EmptyTextBuffer(LPSTR lpszBuffer, int nSize);

}  // namespace afx_detail
