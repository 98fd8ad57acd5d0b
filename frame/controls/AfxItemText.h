// Reading the text of a combo box or list box item (internal to ZUZIFrame.dll).
#pragma once
#include "AfxString.h"
#include <vector>

// Reads an item text of nLength characters (as the control reported it) with
// one message; empty when the length or the read fails.
template <class Read>
inline CString ReadItemText(int nLength, Read read)
{
    if (nLength <= 0)
        return CString();
    std::vector<char> buffer(static_cast<size_t>(nLength) + 1, '\0');
    int nCopied = read(buffer.data());
    if (nCopied <= 0)
        return CString();
    // A multibyte text may come back shorter than its reported length.
    return CString(buffer.data(), nCopied < nLength ? nCopied : nLength);
}
