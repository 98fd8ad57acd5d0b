// The working parts of a QELListCtrl, each with one job: the item store, the
// writer of the list view's own row changes, the cell editor and the sort order,
// and the state the class keeps besides (owned image lists, check box style,
// the header and column count read last). The constructor builds them inside
// the object (QELListCtrl::m_partsSpace): m_pParts is never null.
//
// Notes for everyone who adds to the class
// ----------------------------------------
// Forced styles. The window style always has WS_CHILD | WS_VISIBLE | WS_VSCROLL |
// WS_HSCROLL | LVS_REPORT (0x50300001) and never the other view bit 0x0002,
// LVS_EDITLABELS or LVS_NOSCROLL (0x2202); the list-view extended style always
// has LVS_EX_FULLROWSELECT | LVS_EX_SUBITEMIMAGES (0x22). Go through the
// class's ModifyStyle / SetExtendedStyle, never the base's, so the rule holds.
//
// Item memory. Every item owns one QELListItemMemory block from its insertion
// to its deletion, whoever deletes it (the class, the base class or the
// window's destruction: the item store follows the list view's deletion
// notifications). The list view's item parameter holds the block's address;
// the caller's item data is a DWORD_PTR inside the block. A parameter written
// from outside (CListCtrl::SetItemData, say) becomes the item's data and the
// item keeps its block. Moves, swaps and the sort hand the same block to the
// new row through the row writer; only the item store makes, finds and
// releases blocks, and a block keeps its address for the item's whole life,
// across column changes too.
//
// Contract. Applications derive from the class: its protected _Xxx operations
// are frozen (docs/architecture.md). A new helper, field or piece of state goes
// into these parts, never into the public header.
//
// Bookkeeping. Operations that change items or columns first end the edit in
// progress (commit or discard) and, where the change may break the order,
// forget the sort order: _BeginChange does both in that order. Writes the class
// makes for itself (commits, moves, the sort) go through the row writer, which
// offers only the list view's own text, image, state and parameter writes.
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

    CImageList imgList;    // the item image list made from a bitmap, owned
    CImageList imgHeader;  // the header image list made from a bitmap, owned
    int nCheckboxStyle = CHECKSTYLE_MULTIPLE;

    // Posted to place the editor after a column change.
    static const UINT nPlaceEditorMsg;

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
