// Tests that run only where a program was started in another locale: the CTest entries
// ending in Japanese (and the like) set ZUZ_CODE_PAGE to the ANSI code page their prefix and
// locale give. A test written in one code page's bytes is skipped elsewhere; where the code page is not the one promised
// (a prefix that lost its locale) it fails rather than testing code page 1252 twice.
#pragma once
#include <windows.h>
#include <cstdlib>
#include <string>

// The code page ZUZ_CODE_PAGE promises, 0 when it is not set.
inline UINT PromisedCodePage()
{
    char wanted[16] = {};
    return ::GetEnvironmentVariableA("ZUZ_CODE_PAGE", wanted, sizeof wanted) == 0
               ? 0u
               : static_cast<UINT>(std::atoi(wanted));
}

// Skips the test unless the program runs where the ANSI code page is codePage (its texts are
// written in that code page's bytes).
#define SKIP_UNLESS_IN_CODE_PAGE(codePage)                                            \
    do {                                                                              \
        if (PromisedCodePage() != (codePage))                                         \
            GTEST_SKIP() << "runs where the ANSI code page is " << (codePage);        \
        ASSERT_EQ(PromisedCodePage(), ::GetACP()) << "the program's locale was lost"; \
    } while (false)

// Skips the test unless the program runs where the ANSI code page is another than usual
// (its texts are made for whichever that is, as by AnsiText).
#define SKIP_UNLESS_IN_ANOTHER_CODE_PAGE()                                              \
    do {                                                                                \
        if (PromisedCodePage() == 0)                                                    \
            GTEST_SKIP() << "runs where the ANSI code page is another (ZUZ_CODE_PAGE)"; \
        ASSERT_EQ(PromisedCodePage(), ::GetACP()) << "the program's locale was lost";   \
    } while (false)

// A text in the ANSI code page's bytes.
inline std::string AnsiText(const wchar_t* text)
{
    char bytes[256] = {};
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
    return bytes;
}
