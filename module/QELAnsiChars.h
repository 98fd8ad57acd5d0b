// How the system's ANSI code page forms characters from bytes, for the library's code that
// looks into 8-bit text: a double-byte character's trail byte may be '\' or a letter.
#pragma once
#include "MbcsChars.h"

namespace qel_ansi {

// The ANSI code page's characters: UTF-8 rules under 65001, the lead bytes GetCPInfo reports
// under a double-byte code page, one byte each otherwise. Read once: a process keeps its code page.
const mbcs_chars::Encoding& Chars();

}
