// How the system's ANSI code page forms characters from bytes, for the framework's code that
// looks into or cuts 8-bit text (internal to ZUZIFrame.dll).
#pragma once
#include "MbcsChars.h"
#include "AfxCodePage.h"

namespace afx_ansi {

// The code page's characters (AfxGetAnsiChars, which ZUZIVU70.dll asks as well).
inline const mbcs_chars::Encoding& Chars() { return AfxGetAnsiChars(); }

// Bytes of the character at p, with nLeft bytes left (at least 1).
inline int CharLength(const char* p, int nLeft) { return static_cast<int>(Chars().Length(p, nLeft)); }

// The longest head of text[0, nLength) of at most nMax bytes that does not cut a character.
inline int CutLength(const char* text, int nLength, int nMax)
{
    return nMax <= 0 ? 0 : static_cast<int>(mbcs_chars::CutLength(Chars(), text, nLength, nMax));
}

// The text without a last character that a full buffer cut short.
inline int WholeLength(const char* text, int nLength)
{
    return nLength <= 0 ? 0 : static_cast<int>(mbcs_chars::WholeLength(Chars(), text, nLength));
}

}  // namespace afx_ansi
