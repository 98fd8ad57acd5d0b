// The ANSI code page's characters, read once per process by the framework. ZUZIVU70.dll steps
// through 8-bit text with its own copy of the framework's character logic (MbcsChars.h) and takes
// the code page from here rather than reading it a second time.
#pragma once
#include "AfxCore.h"

namespace mbcs_chars {
class Encoding;
}

// UTF-8 rules under 65001, the lead bytes GetCPInfo reports under a double-byte code page, one
// byte each otherwise. A process keeps its code page, so the answer never changes.
AFX_API const mbcs_chars::Encoding& AFXAPI AfxGetAnsiChars();
