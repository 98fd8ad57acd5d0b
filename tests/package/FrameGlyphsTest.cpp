// Window frames draw their caption buttons, and the framework's controls their
// check marks and arrows, with the Marlett symbol font. Windows always has it;
// a Wine prefix has it only when its set-up put it there (scripts/wine-env),
// and without it every caption shows the letters "0 1 r" instead of its buttons.
#include "TestApp.h"
#include <gtest/gtest.h>
#include <cstring>

namespace {

int CALLBACK CountFamily(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    return 1;
}

TEST(FrameGlyphs, TheCaptionSymbolFontIsInstalled)
{
    HDC hDC = ::GetDC(nullptr);
    ASSERT_NE(nullptr, hDC);
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(lf.lfFaceName, "Marlett");
    int nFaces = 0;
    ::EnumFontFamiliesExA(hDC, &lf, CountFamily, reinterpret_cast<LPARAM>(&nFaces), 0);
    EXPECT_GT(nFaces, 0) << "no Marlett font: caption buttons are drawn as letters";

    // Asked for by name, the font is Marlett itself and not a substitute.
    lf.lfCharSet = SYMBOL_CHARSET;
    lf.lfHeight = -13;
    HFONT hFont = ::CreateFontIndirectA(&lf);
    ASSERT_NE(nullptr, hFont);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    char szFace[LF_FACESIZE] = "";
    ::GetTextFaceA(hDC, LF_FACESIZE, szFace);
    EXPECT_STREQ("Marlett", szFace);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hFont);
    ::ReleaseDC(nullptr, hDC);
}

}
