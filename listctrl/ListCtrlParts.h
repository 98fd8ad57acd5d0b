// The working parts of a QELListCtrl, each with one job: the item store, the
// writer of the list view's own row changes, the cell editor and the sort order.
#pragma once
#include "QELListCtrl.h"
#include "ListCellEditor.h"
#include "ListItemStore.h"
#include "ListLifeGuard.h"
#include "ListRowWriter.h"
#include "ListSortOrder.h"

struct QELListCtrl::Parts
{
    explicit Parts(QELListCtrl& list) : rows(list) {}

    ListItemStore store;
    ListRowWriter rows;
    ListCellEditor editor;
    ListSortOrder order;

    // A change of an item parameter from outside, seen before it is made: the
    // item and the parameter it had.
    int nForeignItem = -1;
    LPARAM foreignOld = 0;

    // The innermost guard of a call that reaches the parent, or null.
    ListLifeGuard* pGuards = nullptr;

    // The header of the list view window it was read for.
    HWND hHeaderOf = nullptr;
    HWND hHeader = nullptr;
    // The number of columns of the list view window it was counted for; every
    // column inserted or deleted, by whatever path, has it counted anew.
    HWND hColumnsOf = nullptr;
    int nColumns = 0;
};
