#include "AfxTextBuffer.h"

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
    // A lead byte whose second half was cut off is not a character.
    for (int i = 0; i < nLength;) {
        if (::IsDBCSLeadByte(static_cast<BYTE>(lpszBuffer[i]))) {
            if (i + 1 >= nLength) {
                nLength = i;
                break;
            }
            i += 2;
        } else {
            ++i;
        }
    }
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
