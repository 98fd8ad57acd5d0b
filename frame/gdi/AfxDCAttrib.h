// Helpers of the CDC sources (internal to ZUZIFrame.dll).
#pragma once
#include "AfxCore.h"

namespace afx_dc {
// Applies a setting to the output DC and, when it is another one, to the
// attribute DC; the result is the attribute DC's (the one queries read).
template <class Result, class Fn>
Result SetOnBoth(HDC hDC, HDC hAttribDC, Result failed, Fn fn)
{
    Result result = failed;
    if (hDC != nullptr && !AfxIsSameHandle(hDC, hAttribDC))
        result = fn(hDC);
    if (hAttribDC != nullptr)
        result = fn(hAttribDC);
    return result;
}

// The rectangle between two corners given in any order.
inline RECT Normalized(int x1, int y1, int x2, int y2)
{
    RECT rc;
    rc.left = x1 < x2 ? x1 : x2;
    rc.right = x1 < x2 ? x2 : x1;
    rc.top = y1 < y2 ? y1 : y2;
    rc.bottom = y1 < y2 ? y2 : y1;
    return rc;
}
}  // namespace afx_dc
