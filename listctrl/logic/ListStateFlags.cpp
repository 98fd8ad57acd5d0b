#include "ListStateFlags.h"

namespace list_state {

uint32_t StateWord(bool bSelected, bool bChecked, bool bFocused)
{
    return (bSelected ? kSelected : kUnselected) | (bChecked ? kChecked : kUnchecked) |
           (bFocused ? kFocused : kUnfocused);
}

bool Matches(uint32_t states, uint32_t filter)
{
    if (filter == 0)
        return false;
    if (filter & kAny)
        return true;
    return (states & filter) == filter;
}

int FirstSearchStart(int nAfter)
{
    if (nAfter < -1)
        return 0;
    // Nothing comes after the largest index.
    return nAfter == INT32_MAX ? INT32_MAX : nAfter + 1;
}

int LastSearchStart(int nBefore, int nCount)
{
    if (nBefore < 0 || nBefore > nCount)
        nBefore = nCount;
    return nBefore - 1;
}

int ClampPosition(int nPosition, int nCount)
{
    if (nPosition > nCount - 1)
        nPosition = nCount - 1;
    if (nPosition < 0)
        nPosition = 0;
    return nPosition;
}
}
