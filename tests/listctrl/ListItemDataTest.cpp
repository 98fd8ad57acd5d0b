// Item data lives in the item memory, as wide as a pointer; the item parameter
// holds the block. Cell images.
#include "ListTestSupport.h"

TEST_F(ListTest, InsertedParamBecomesTheItemData)
{
    ASSERT_EQ(list.InsertItem(LVIF_TEXT | LVIF_PARAM, 0, "Alpha", 0, 0, 0, 1234), 0);
    EXPECT_EQ(list.GetItemData(0), 1234u);
    EXPECT_NE(list.RawParam(0), 1234) << "the parameter holds the block";

    LVITEMA item = {};
    item.mask = LVIF_PARAM | LVIF_TEXT;
    item.iItem = 0;
    char buf[32];
    item.pszText = buf;
    item.cchTextMax = sizeof(buf);
    ASSERT_TRUE(list.GetItem(&item));
    EXPECT_EQ(item.lParam, 1234);
    EXPECT_STREQ(buf, "Alpha");

    LVITEMA rec = {};
    rec.mask = LVIF_TEXT | LVIF_PARAM;
    rec.iItem = 1;
    rec.pszText = const_cast<char*>("Beta");
    rec.lParam = 77;
    ASSERT_EQ(list.InsertItem(&rec), 1);
    EXPECT_EQ(list.GetItemData(1), 77u);
    EXPECT_EQ(list.InsertItem(nullptr), -1);
    // The short forms give data 0.
    ASSERT_EQ(list.InsertItem(2, "Gamma"), 2);
    ASSERT_EQ(list.InsertItem(3, "Delta", 1), 3);
    EXPECT_EQ(list.GetItemData(2), 0u);
    EXPECT_EQ(list.GetItemData(3), 0u);
    EXPECT_EQ(list.GetItemImage(3, 0), 1);
    EXPECT_EQ(list.GetItemData(4), 0u);
    EXPECT_EQ(list.GetItemData(-1), 0u);
}

TEST_F(ListTest, ItemDataIsAsWideAsAPointer)
{
    // Above 4 GiB on x86_64, where heaps and images lie: every path keeps it whole.
    const DWORD_PTR wide = ((DWORD_PTR)0x12345678 << (sizeof(DWORD_PTR) * 4)) | 0x9ABCDEF0u;
    ASSERT_EQ(list.InsertItem(LVIF_TEXT | LVIF_PARAM, 0, "b", 0, 0, 0, (LPARAM)wide), 0);
    EXPECT_EQ(list.GetItemData(0), wide);
    ASSERT_EQ(list.InsertItem(1, "a"), 1);
    EXPECT_TRUE(list.SetItemData(1, wide + 1));
    EXPECT_TRUE(list.SetItem(0, 0, LVIF_PARAM, nullptr, 0, 0, 0, (LPARAM)(wide + 2)));
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    ASSERT_TRUE(list.GetItem(&item));
    EXPECT_EQ((DWORD_PTR)item.lParam, wide + 2);
    // Written from outside through the base class: the item keeps its block.
    const LPARAM block = list.RawParam(1);
    EXPECT_TRUE(list.CListCtrl::SetItemData(1, wide + 3));
    EXPECT_EQ(list.GetItemData(1), wide + 3);
    EXPECT_EQ(list.RawParam(1), block);
    // The sort and the moves take it with the row.
    list.SortItems(0, TRUE);
    ASSERT_EQ(Rows(), "a|b");
    EXPECT_EQ(list.GetItemData(0), wide + 3);
    EXPECT_EQ(list.GetItemData(1), wide + 2);
    EXPECT_EQ(list.MoveToBottom(0), 1);
    EXPECT_EQ(list.GetItemData(1), wide + 3);
    EXPECT_TRUE(list.SwapItems(0, 1));
    EXPECT_EQ(list.GetItemData(0), wide + 3);
}

TEST_F(ListTest, SetItemStoresTheParamInTheMemoryWithoutChangingTheCallersRecord)
{
    Fill(2);
    const LPARAM block = list.RawParam(1);
    EXPECT_TRUE(list.SetItem(1, 0, LVIF_PARAM | LVIF_TEXT, "Renamed", 0, 0, 0, 4242));
    EXPECT_EQ(list.GetItemData(1), 4242u);
    EXPECT_EQ(Text(1), "Renamed");
    EXPECT_EQ(list.RawParam(1), block) << "same block, still attached";

    LVITEMA rec = {};
    rec.mask = LVIF_PARAM;
    rec.iItem = 0;
    rec.lParam = 99;
    EXPECT_TRUE(list.SetItem(&rec));
    EXPECT_EQ(rec.lParam, 99) << "the caller's record is left alone";
    EXPECT_EQ(list.GetItemData(0), 99u);
    EXPECT_FALSE(list.SetItem(nullptr));
    EXPECT_FALSE(list.SetItem(9, 0, LVIF_PARAM, nullptr, 0, 0, 0, 1));

    // None of this touches the sort order.
    list.SetSortOrder(2, FALSE);
    list.SetItem(0, 1, LVIF_TEXT, "Paris", 0, 0, 0, 0);
    list.SetItemData(0, 5);
    list.SetItemImage(0, 2, 3);
    EXPECT_EQ(list.GetSortedColumn(), 2);
    EXPECT_FALSE(list.IsSortAscending());
}

TEST_F(ListTest, CellImages)
{
    Fill(2);
    EXPECT_TRUE(list.SetItemImage(1, 0, 4));
    EXPECT_TRUE(list.SetItemImage(1, 3, 7));
    EXPECT_EQ(list.GetItemImage(1, 0), 4);
    EXPECT_EQ(list.GetItemImage(1, 3), 7);
    EXPECT_EQ(list.GetItemImage(5, 0), -1);
    EXPECT_FALSE(list.SetItemImage(5, 0, 1));
    EXPECT_EQ(Text(1, 3), "1.50") << "only the image changed";
}
