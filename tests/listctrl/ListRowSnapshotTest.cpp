// The row snapshot and the row writer on a plain list view: a row taken whole
// and written elsewhere, the state word of the list view's state bits, and the
// writer's own writes told apart while the parent hears of them.
#include "ListTestSupport.h"
#include "listctrl/ListRowSnapshot.h"
#include "listctrl/ListRowWriter.h"

TEST(ListRowSnapshot, ARowTakenWholeIsWrittenBackElsewhere)
{
    CRecordingFrame frame;
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 200), &frame, 3));
    list.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_SUBITEMIMAGES);
    for (int c = 0; c < 3; ++c)
        list.InsertColumn(c, "Column", LVCFMT_LEFT, 80);
    for (int i = 0; i < 3; ++i) {
        list.InsertItem(LVIF_TEXT | LVIF_PARAM, i, i == 1 ? "Lisbon" : "row", 0, 0, 0, 500 + i);
        list.SetItemText(i, 2, i == 1 ? "Portugal" : "x");
    }
    list.SetItem(1, 1, LVIF_IMAGE, nullptr, 6, 0, 0, 0);
    list.SetItemState(1, LVIS_SELECTED | INDEXTOSTATEIMAGEMASK(2), LVIS_SELECTED | LVIS_STATEIMAGEMASK);

    ListRowSnapshot row;
    ASSERT_TRUE(row.Take(list, 1, 3));
    EXPECT_EQ(row.param, 501);
    EXPECT_EQ(row.texts, (std::vector<CString>{ "Lisbon", "", "Portugal" }));
    EXPECT_EQ(row.images[1], 6);
    EXPECT_EQ(row.nState & LVIS_SELECTED, (UINT)LVIS_SELECTED);
    EXPECT_EQ(row.StateWord(), (DWORD)(ITEMSTATE_SELECTED | ITEMSTATE_CHECKED | ITEMSTATE_UNFOCUSED));

    ListRowWriter writer(list);
    row.WriteCells(writer, 2);
    EXPECT_EQ(ListCellText(list, 2, 0), "Lisbon");
    EXPECT_EQ(ListCellText(list, 2, 2), "Portugal");
    LVITEMA cell = {};
    cell.mask = LVIF_IMAGE;
    cell.iItem = 2;
    cell.iSubItem = 1;
    ASSERT_TRUE(list.GetItem(&cell));
    EXPECT_EQ(cell.iImage, 6);
    EXPECT_EQ(list.GetItemData(2), 502u) << "cells only: the parameter is the caller's to hand on";
    EXPECT_EQ(list.GetItemState(2, LVIS_SELECTED), 0u);

    // A row of one column is read as one column whatever is asked.
    ListRowSnapshot narrow;
    ASSERT_TRUE(narrow.Take(list, 0, 0));
    EXPECT_EQ(narrow.texts.size(), 1u);

    // State words of the list view's bits: exactly one flag of each pair.
    EXPECT_EQ(ListRowSnapshot::StateWordOf(0),
              (DWORD)(ITEMSTATE_UNSELECTED | ITEMSTATE_UNCHECKED | ITEMSTATE_UNFOCUSED));
    EXPECT_EQ(ListRowSnapshot::StateWordOf(LVIS_FOCUSED | INDEXTOSTATEIMAGEMASK(1)),
              (DWORD)(ITEMSTATE_UNSELECTED | ITEMSTATE_UNCHECKED | ITEMSTATE_FOCUSED));
    EXPECT_EQ(ListRowSnapshot::StateWordOf(INDEXTOSTATEIMAGEMASK(3)),
              (DWORD)(ITEMSTATE_UNSELECTED | ITEMSTATE_CHECKED | ITEMSTATE_UNFOCUSED));
}

TEST(ListRowWriter, ItsParameterWritesAndInsertionsAreMarkedWhileTheParentHears)
{
    CRecordingFrame frame;
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 200), &frame, 4));
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 80);
    ListRowWriter writer(list);
    std::vector<std::pair<UINT, bool>> heard;  // code, marked as the writer's own
    frame.log.onMessage = [&](UINT message, WPARAM, LPARAM lParam, LRESULT&) {
        if (message == WM_NOTIFY) {
            const NMHDR* pHeader = (const NMHDR*)lParam;
            if (pHeader->code == LVN_INSERTITEM)
                heard.push_back({ pHeader->code, writer.IsInserting() != FALSE });
            if ((pHeader->code == LVN_ITEMCHANGING || pHeader->code == LVN_ITEMCHANGED) &&
                (((const NMLISTVIEW*)lParam)->uChanged & LVIF_PARAM))
                heard.push_back({ pHeader->code, writer.IsWritingParam() != FALSE });
        }
        return false;
    };
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.pszText = const_cast<char*>("mine");
    item.lParam = 11;
    ASSERT_EQ(writer.Insert(item), 0);
    EXPECT_TRUE(writer.SetParam(0, 12));
    EXPECT_EQ(list.GetItemData(0), 12u);
    list.SetItemData(0, 13);  // not the writer's
    list.InsertItem(1, "theirs");
    EXPECT_FALSE(writer.IsWritingParam());
    EXPECT_FALSE(writer.IsInserting());
    const std::vector<std::pair<UINT, bool>> expected = {
        { LVN_INSERTITEM, true },    { LVN_ITEMCHANGING, true }, { LVN_ITEMCHANGED, true },
        { LVN_ITEMCHANGING, false }, { LVN_ITEMCHANGED, false }, { LVN_INSERTITEM, false },
    };
    EXPECT_EQ(heard, expected);
    frame.log.onMessage = nullptr;
}
