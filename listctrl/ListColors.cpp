// QELListCtrl: text and background colour of every cell, and the custom-draw
// step that hands them to the list view while it paints.
#include "QELListCtrl.h"

namespace {
const COLORREF kDefaultColor = 0xFFFFFFFF;

COLORREF CellColor(QELListItemMemory* pMemory, int nColumn, BOOL bText)
{
    if (pMemory == nullptr || nColumn < 0 || nColumn >= pMemory->nColumns)
        return kDefaultColor;
    return bText ? pMemory->TextColor(nColumn) : pMemory->BkColor(nColumn);
}
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
        QELListItemMemory* pMemory = _GetItemMemory(i);
        if (pMemory == nullptr)
            continue;
        for (int c = nFirstColumn; c <= nLastColumn && c < pMemory->nColumns; ++c) {
            if (bText)
                pMemory->TextColor(c) = color;
            else
                pMemory->BkColor(c) = color;
        }
    }
    if (bRedraw)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

COLORREF QELListCtrl::GetItemTextColor(int nItem, int nColumn) const
{
    if (nColumn < 0 || nColumn >= GetColumnCount())
        return kDefaultColor;
    return CellColor(_GetItemMemory(nItem), nColumn, TRUE);
}

COLORREF QELListCtrl::GetItemBkColor(int nItem, int nColumn) const
{
    if (nColumn < 0 || nColumn >= GetColumnCount())
        return kDefaultColor;
    return CellColor(_GetItemMemory(nItem), nColumn, FALSE);
}

void QELListCtrl::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVCUSTOMDRAW* pDraw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
    switch (pDraw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        *pResult = CDRF_NOTIFYITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT:
        *pResult = CDRF_NOTIFYSUBITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        QELListItemMemory* pMemory = _GetItemMemory(static_cast<int>(pDraw->nmcd.dwItemSpec));
        const int nColumn = pDraw->iSubItem;
        // A cell without memory is drawn as the list view proposes.
        if (pMemory != nullptr && nColumn >= 0 && nColumn < pMemory->nColumns) {
            pDraw->clrText = pMemory->TextColor(nColumn);
            pDraw->clrTextBk = pMemory->BkColor(nColumn);
        }
        *pResult = CDRF_DODEFAULT;
        break;
    }
    default:
        break;
    }
}
