// Insertion in every form and deletion one by one or by a state filter: every
// item carries its memory from insertion to deletion.
#include "ListTestSupport.h"

TEST_F(ListTest, InsertingAtTheTopLeavesTheOthersTheirMemory)
{
    Fill(3);
    list.SetItemBkColor(1, 2, RGB(1, 2, 3), FALSE);
    const LPARAM block = list.RawParam(1);
    ASSERT_EQ(list.InsertItem(0, "Newcomer"), 0);
    EXPECT_EQ(Rows(), "Newcomer|Customer 0|Customer 1|Customer 2");
    EXPECT_EQ(list.RawParam(2), block);
    EXPECT_EQ(list.GetItemBkColor(2, 2), RGB(1, 2, 3));
    EXPECT_EQ(list.GetItemData(2), 1001u);
    EXPECT_EQ(list.GetItemData(0), 0u);
    EXPECT_EQ(list.InsertItem(99, "Appended"), 4) << "beyond the end appends";
}

TEST_F(ListTest, EveryInsertionEndsTheEditAndTheSortOrder)
{
    Fill(2);
    LVITEMA rec = {};
    rec.mask = LVIF_TEXT;
    rec.pszText = const_cast<char*>("R");
    std::vector<std::function<int()>> inserts = {
        [&] { return list.InsertItem(0, "A"); },
        [&] { return list.InsertItem(0, "B", 2); },
        [&] { return list.InsertItem(LVIF_TEXT, 0, "C", 0, 0, 0, 0); },
        [&] { return list.InsertItem(&rec); },
        [&] { return list.InsertItemEx(0, "D", nullptr); },
    };
    for (auto& insert : inserts) {
        list.SetSortOrder(3, FALSE);
        list.FakeEdit(1, 1, "Edited");
        EXPECT_EQ(insert(), 0);
        EXPECT_EQ(list.GetSortedColumn(), -1);
        EXPECT_TRUE(list.IsSortAscending());
        EXPECT_EQ(list.EditRow(), -1);
    }
    // Each insertion committed the edit (of whatever row 1 was by then).
    EXPECT_EQ(frame.log.Count(LISTMSG_CELLEDITED), 5);
}

TEST_F(ListTest, InsertItemExReadsNoArgumentBeyondTheColumns)
{
    // Two columns: the third text is never read.
    list.CListCtrl::DeleteColumn(3);
    list.CListCtrl::DeleteColumn(2);
    ASSERT_EQ(list.InsertItemEx(0, "a", "b", "c", nullptr), 0);
    EXPECT_EQ(Text(0, 0), "a");
    EXPECT_EQ(Text(0, 1), "b");
    // Four columns, ended early: the last column stays empty.
    list.InsertColumn(2, "Orders", LVCFMT_LEFT, 80);
    list.InsertColumn(3, "Balance", LVCFMT_LEFT, 80);
    ASSERT_EQ(list.InsertItemEx(1, "a", "b", "c", nullptr), 1);
    EXPECT_EQ(Text(1, 2), "c");
    EXPECT_EQ(Text(1, 3), "");
    // CString texts as they are, and a list without a null pointer: it ends by itself.
    const CString strB = "b2", strD = "d2";
    ASSERT_EQ(list.InsertItemEx(2, CString("a2"), strB, "c2"), 2);
    EXPECT_EQ(Text(2, 0) + Text(2, 1) + Text(2, 2) + "|" + Text(2, 3), "a2b2c2|");
    ASSERT_EQ(list.InsertItemEx(3, "a3", strB, "c3", strD, "e3", NULL), 3);
    EXPECT_EQ(Text(3, 0) + Text(3, 1) + Text(3, 2) + Text(3, 3), "a3b2c3d2");
    // A refused insertion allocates nothing.
    LONG nBlocks = QELListCtrl::GetItemMemoryBlockCount();
    list.nRefuseInserts = 1;
    EXPECT_EQ(list.InsertItemEx(0, "x", nullptr), -1);
    list.nRefuseInserts = 1;
    EXPECT_EQ(list.InsertItem(0, "y"), -1);
    EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nBlocks);
}

TEST_F(ListTest, DeleteItemSelectsTheNextAndLeavesTheSortOrder)
{
    Fill(5);
    list.SetSortOrder(0, FALSE);
    EXPECT_TRUE(list.DeleteItem(2, TRUE));
    EXPECT_EQ(Rows(), "Customer 0|Customer 1|Customer 3|Customer 4");
    EXPECT_EQ(Matching(ITEMSTATE_SELECTED), std::vector<int>{ 2 });
    EXPECT_EQ(list.GetSortedColumn(), 0);
    EXPECT_FALSE(list.IsSortAscending());

    list.SetAllItemStates(ITEMSTATE_ANY, ITEMSTATE_UNSELECTED);
    EXPECT_TRUE(list.DeleteItem(3, TRUE));
    EXPECT_EQ(list.GetItemCount(ITEMSTATE_SELECTED), 0) << "no item follows the last";

    // A bad index deletes nothing and selects nothing (-2 would reach the list
    // view as -1, every item).
    LONG nBlocks = QELListCtrl::GetItemMemoryBlockCount();
    EXPECT_FALSE(list.DeleteItem(-2, TRUE));
    EXPECT_FALSE(list.DeleteItem(3, TRUE));
    EXPECT_EQ(list.GetItemCount(ITEMSTATE_SELECTED), 0);
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nBlocks);
}

TEST_F(ListTest, DeletingTheRowUnderEditDiscardsTheEditOtherRowsCommitIt)
{
    Fill(4);
    list.FakeEdit(2, 1, "Changed");
    EXPECT_TRUE(list.DeleteItem(2));
    EXPECT_EQ(frame.log.Count(LISTMSG_CELLEDITED), 0);
    EXPECT_EQ(list.EditRow(), -1);

    list.FakeEdit(2, 1, "Changed");  // now "Customer 3"'s row
    EXPECT_TRUE(list.DeleteItem(0));
    ASSERT_EQ(frame.log.Count(LISTMSG_CELLEDITED), 1);
    EXPECT_EQ(frame.log.Of(LISTMSG_CELLEDITED)[0].wParam, 2u);
    EXPECT_EQ(Text(1, 1), "Changed") << "committed before the rows moved up";
}

TEST_F(ListTest, DeleteAllItemsByFilter)
{
    Fill(7);
    list.SetSortOrder(2, TRUE);
    ASSERT_TRUE(list.FakeEdit(0, 0, "Discarded"));
    list.SetItemStates(0, ITEMSTATE_UNSELECTED);  // the edit selected its row
    // Adjacent selected items must not hide one another.
    for (int i : { 1, 2, 3, 5 })
        list.SetItemStates(i, ITEMSTATE_SELECTED);
    EXPECT_EQ(list.DeleteAllItems(ITEMSTATE_SELECTED), 4);
    EXPECT_EQ(Rows(), "Customer 0|Customer 4|Customer 6");
    EXPECT_EQ(frame.log.Count(LISTMSG_CELLEDITED), 0) << "the edit was discarded";
    EXPECT_EQ(Text(0), "Customer 0");
    EXPECT_EQ(list.GetItemData(1), 1004u);
    EXPECT_EQ(list.GetSortedColumn(), 2);

    EXPECT_EQ(list.DeleteAllItems(0), 0);
    EXPECT_EQ(list.DeleteAllItems(ITEMSTATE_SELECTED | ITEMSTATE_UNSELECTED), 0);
    EXPECT_EQ(list.GetItemCount(), 3);
    LONG nBlocks = QELListCtrl::GetItemMemoryBlockCount();
    EXPECT_EQ(list.DeleteAllItems(ITEMSTATE_ANY | ITEMSTATE_CHECKED), 3);
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nBlocks - 3);
    EXPECT_EQ(list.DeleteAllItems(), 0);
}
