#include "DocExamples.h"

// [example]
// A parts list: typed columns, a row in red, sorting by quantity and editing in place.
BOOL ShowParts(QELListCtrl& list, CWnd* pParent, UINT nID)
{
    if (!list.Create(pParent, nID, CRect(0, 0, 420, 160)))
        return FALSE;
    // Heading, width, alignment (2 = right) of each column.
    list.SetColumnHeader("Part,140;Quantity,70,2;Price,70,2;Delivered,100");
    list.InsertItemEx(0, "Hinge 60 mm", "14", "2.45", "2024-03-01", nullptr);
    list.InsertItemEx(1, "Hex bolt M8", "240", "0.18", "2024-02-12", nullptr);
    list.InsertItemEx(2, "Washer M8", "3", "0.04", "2024-03-15", nullptr);
    list.SetItemTextColor(2, -1, RGB(192, 0, 0));  // the whole row: low stock
    list.SetItemData(2, 42);                       // the application's own number
    list.SetSortable(TRUE);                        // header clicks sort
    list.SetSortMark(TRUE);
    list.SetEditable(TRUE);  // a click on a cell edits it
    // Numbers compare as numbers, dates as dates; colours and data move with
    // their rows. The parent gets LISTMSG_SORTED (wParam 1, lParam FALSE).
    list.SortItems(1, FALSE);
    return TRUE;
}
// [end example]
