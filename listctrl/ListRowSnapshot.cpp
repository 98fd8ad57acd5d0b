// A row taken whole from the list view and written back elsewhere.
#include "ListRowSnapshot.h"
#include "ListRowWriter.h"
#include "logic/ListStateFlags.h"
#include <new>

BOOL ListRowSnapshot::Take(const CListCtrl& list, int nRow, int nColumns)
{
    if (nColumns < 1)
        nColumns = 1;
    nState = list.CListCtrl::GetItemState(nRow, kStateMask);
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nRow;
    param = list.CListCtrl::GetItem(&item) ? item.lParam : 0;
    try {
        texts.resize(static_cast<size_t>(nColumns));
        images.resize(static_cast<size_t>(nColumns));
    } catch (const std::bad_alloc&) {
        texts.clear();
        images.clear();
        return FALSE;
    }
    for (int c = 0; c < nColumns; ++c) {
        texts[static_cast<size_t>(c)] = list.CListCtrl::GetItemText(nRow, c);
        LVITEMA cell = {};
        cell.mask = LVIF_IMAGE;
        cell.iItem = nRow;
        cell.iSubItem = c;
        images[static_cast<size_t>(c)] = list.CListCtrl::GetItem(&cell) ? cell.iImage : 0;
    }
    return TRUE;
}

void ListRowSnapshot::WriteCells(const ListRowWriter& writer, int nRow) const
{
    for (size_t c = 0; c < texts.size(); ++c)
        writer.SetTextAndImage(nRow, static_cast<int>(c), texts[c], images[c]);
}

DWORD ListRowSnapshot::StateWordOf(UINT nListViewState)
{
    const UINT nState = nListViewState;
    // The check value is the state image index minus 1: 1 checked, 0 not, -1 no box.
    const int nCheck = static_cast<int>((nState & LVIS_STATEIMAGEMASK) >> 12) - 1;
    return list_state::StateWord((nState & LVIS_SELECTED) != 0, nCheck > 0, (nState & LVIS_FOCUSED) != 0);
}
