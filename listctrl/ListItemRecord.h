// An LVITEMA record from the fields of the framework-style item operations.
#pragma once
#include <windows.h>
#include <commctrl.h>

inline LVITEMA MakeListItem(UINT nMask, int nItem, int nSubItem, LPCSTR lpszText, int nImage, UINT nState,
                            UINT nStateMask, LPARAM lParam)
{
    LVITEMA item = {};
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPSTR>(lpszText);
    item.iImage = nImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    return item;
}
