#include "AfxTextBuffer.h"
#include "AfxAnsiChars.h"

namespace afx_detail {

int TerminateCopiedText(LPSTR lpszBuffer, int nSize, int nReported)
{
    int nLength = nReported < 0 ? 0 : (nReported > nSize - 1 ? nSize - 1 : nReported);
    // What the platform really wrote may end before what it reported.
    for (int i = 0; i < nLength; ++i) {
        if (lpszBuffer[i] == '\0') {
            nLength = i;
            break;
        }
    }
    // A character whose last bytes were cut off (a lead byte without its trail, a UTF-8
    // sequence cut short) is not a character.
    nLength = afx_ansi::WholeLength(lpszBuffer, nLength);
    lpszBuffer[nLength] = '\0';
    return nLength;
}

int EmptyTextBuffer(LPSTR lpszBuffer, int nSize)
{
    if (HasTextRoom(lpszBuffer, nSize))
        lpszBuffer[0] = '\0';
    return 0;
}

}  // namespace afx_detail
