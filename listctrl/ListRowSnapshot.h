// Everything a row shows and owns, taken from the list view at once so that
// moves, swaps and the sort can write it back elsewhere: its texts and images
// in every column, its selected, focused and check states, and its item
// parameter (the item memory, handed on, never copied).
#pragma once
#include "afxcmn.h"
#include <vector>

class ListRowWriter;

struct ListRowSnapshot
{
    // The state bits a row carries with it.
    static const UINT kStateMask = LVIS_SELECTED | LVIS_FOCUSED | LVIS_STATEIMAGEMASK;

    UINT nState = 0;
    LPARAM param = 0;
    std::vector<CString> texts;
    std::vector<int> images;

    // Reads row nRow over nColumns columns (at least one); FALSE when out of memory.
    BOOL Take(const CListCtrl& list, int nRow, int nColumns);
    // Writes the texts and images to row nRow.
    void WriteCells(const ListRowWriter& writer, int nRow) const;
    // The states as the control's state word (ITEMSTATE_...).
    DWORD StateWord() const { return StateWordOf(nState); }
    static DWORD StateWordOf(UINT nListViewState);
};
