// QELListCtrl: text and background colour of every cell, and the custom-draw
// step that hands them to the list view while it paints.
#include "QELListCtrl.h"
#include "ListCtrlParts.h"

namespace {
const COLORREF kDefaultColor = 0xFFFFFFFF;
}

void QELListCtrl::SetItemTextColor(int nItem, int nColumn, COLORREF color, BOOL bRedraw)
{
    _SetItemColor(nItem, nColumn, color, TRUE, bRedraw);
}

void QELListCtrl::SetItemBkColor(int nItem, int nColumn, COLORREF color, BOOL bRedraw)
{
    _SetItemColor(nItem, nColumn, color, FALSE, bRedraw);
}

void QELListCtrl::_SetItemColor(int nItem, int nColumn, COLORREF color, BOOL bText, BOOL bRedraw)
{
    if (!::IsWindow(m_hWnd))
        return;
    if (color == kDefaultColor)
        color = ::GetSysColor(bText ? COLOR_WINDOWTEXT : COLOR_WINDOW);
    // An index out of range widens to every item or every column.
    int nFirstItem = 0, nLastItem = CListCtrl::GetItemCount() - 1;
    if (_IsValidIndex(nItem))
        nFirstItem = nLastItem = nItem;
    const int nColumns = GetColumnCount();
    int nFirstColumn = 0, nLastColumn = nColumns - 1;
    if (nColumn >= 0 && nColumn < nColumns)
        nFirstColumn = nLastColumn = nColumn;
    for (int i = nFirstItem; i <= nLastItem; ++i) {
        // Items without memory (inserted behind our back) keep the default colours.
        if (QELListItemMemory* pMemory = _GetItemMemory(i))
            ListItemStore::SetCellColors(pMemory, nColumns, nFirstColumn, nLastColumn, color, bText);
    }
    if (bRedraw)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

COLORREF QELListCtrl::GetItemTextColor(int nItem, int nColumn) const
{
    COLORREF crText, crBk;
    if (nColumn < 0 || nColumn >= GetColumnCount() ||
        !ListItemStore::GetCellColors(_GetItemMemory(nItem), nColumn, crText, crBk))
        return kDefaultColor;
    return crText;
}

COLORREF QELListCtrl::GetItemBkColor(int nItem, int nColumn) const
{
    COLORREF crText, crBk;
    if (nColumn < 0 || nColumn >= GetColumnCount() ||
        !ListItemStore::GetCellColors(_GetItemMemory(nItem), nColumn, crText, crBk))
        return kDefaultColor;
    return crBk;
}

void QELListCtrl::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVCUSTOMDRAW* pDraw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
    switch (pDraw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        *pResult = CDRF_NOTIFYITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT: {
        // The item stage already carries column 0's colours: a stage of its own
        // for column 0 is not promised by every list view (Wine's sends one),
        // and colours given here hold for the item until a column's stage
        // gives its own.
        COLORREF crText, crBk;
        if (ListItemStore::GetCellColors(_GetItemMemory(static_cast<int>(pDraw->nmcd.dwItemSpec)), 0, crText, crBk)) {
            pDraw->clrText = crText;
            pDraw->clrTextBk = crBk;
        }
        *pResult = CDRF_NOTIFYSUBITEMDRAW;
        break;
    }
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        // A cell without memory is drawn as the list view proposes. The item number
        // in the draw record is the item's index, and its parameter is read afresh: the one in the
        // record is not looked at.
        COLORREF crText, crBk;
        if (ListItemStore::GetCellColors(_GetItemMemory(static_cast<int>(pDraw->nmcd.dwItemSpec)), pDraw->iSubItem,
                                         crText, crBk)) {
            pDraw->clrText = crText;
            pDraw->clrTextBk = crBk;
        }
        *pResult = CDRF_DODEFAULT;
        break;
    }
    default:
        break;
    }
}
