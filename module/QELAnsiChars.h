// How the system's ANSI code page forms characters from bytes, for the library's code that
// looks into 8-bit text: a double-byte character's trail byte may be '\' or a letter.
#pragma once
#include "MbcsChars.h"
#include "AfxCodePage.h"

namespace qel_ansi {

// The ANSI code page's characters, as the framework read them once for the process.
inline const mbcs_chars::Encoding& Chars() { return AfxGetAnsiChars(); }

}
