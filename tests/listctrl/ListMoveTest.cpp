// Swapping and moving rows: texts, images, data, colours, selection, check
// marks and focus all travel with the row, and the item memory is handed on.
#include "ListTestSupport.h"

namespace {
// Everything that belongs to one row.
struct RowSnapshot
{
    std::vector<std::string> texts;
    std::vector<int> images;
    DWORD data;
    std::vector<COLORREF> text, bk;
    DWORD states;
    LPARAM memory;  // the block, handed on with the row
    bool operator==(const RowSnapshot& o) const
    {
        return texts == o.texts && images == o.images && data == o.data && text == o.text && bk == o.bk &&
               states == o.states && memory == o.memory;
    }
};

std::ostream& operator<<(std::ostream& os, const RowSnapshot& r)
{
    os << "{";
    for (auto& t : r.texts)
        os << t << ",";
    os << " data " << r.data << " states 0x" << std::hex << r.states << std::dec << "}";
    return os;
}
}

class ListMoveTest : public ListTest
{
protected:
    void SetUp() override
    {
        ListTest::SetUp();
        Fill(5);
        list.SetCheckboxeStyle(CHECKSTYLE_MULTIPLE);
        // Row 1 is distinctive in everything.
        list.SetItemImage(1, 0, 3);
        list.SetItemImage(1, 2, 5);
        list.SetItemTextColor(1, 1, RGB(200, 0, 0), FALSE);
        list.SetItemBkColor(1, 3, RGB(0, 200, 0), FALSE);
        list.SetItemStates(1, ITEMSTATE_SELECTED | ITEMSTATE_CHECKED | ITEMSTATE_FOCUSED);
        list.SetItemBkColor(3, 0, RGB(0, 0, 200), FALSE);
        list.SetItemStates(3, ITEMSTATE_CHECKED);
    }

    RowSnapshot Snap(int i)
    {
        RowSnapshot r;
        for (int c = 0; c < 4; ++c) {
            r.texts.push_back(Text(i, c));
            r.images.push_back(list.GetItemImage(i, c));
            r.text.push_back(list.GetItemTextColor(i, c));
            r.bk.push_back(list.GetItemBkColor(i, c));
        }
        r.data = list.GetItemData(i);
        r.states = list.GetItemStates(i);
        r.memory = list.RawParam(i);
        return r;
    }
    std::vector<RowSnapshot> SnapAll()
    {
        std::vector<RowSnapshot> v;
        for (int i = 0; i < list.CListCtrl::GetItemCount(); ++i)
            v.push_back(Snap(i));
        return v;
    }
};

TEST_F(ListMoveTest, SwapExchangesRowsCompletely)
{
    auto before = SnapAll();
    list.SetSortOrder(0, TRUE);
    EXPECT_TRUE(list.SwapItems(1, 3));
    EXPECT_EQ(Snap(1), before[3]);
    EXPECT_EQ(Snap(3), before[1]);
    EXPECT_EQ(Snap(0), before[0]);
    EXPECT_EQ(Snap(4), before[4]);
    EXPECT_EQ(list.GetSortedColumn(), -1);
    EXPECT_EQ(list.GetItemCount(ITEMSTATE_FOCUSED), 1);

    list.SetSortOrder(0, TRUE);
    EXPECT_TRUE(list.SwapItems(2, 2));
    EXPECT_EQ(list.GetSortedColumn(), 0) << "nothing moved";
    EXPECT_FALSE(list.SwapItems(0, 5));
    EXPECT_FALSE(list.SwapItems(-1, 2));
    EXPECT_EQ(SnapAll()[3], before[1]);
}

TEST_F(ListMoveTest, SwapInTheSingleStyleKeepsTheOneMark)
{
    list.SetItemStates(3, ITEMSTATE_UNCHECKED);
    list.SetCheckboxeStyle(CHECKSTYLE_SINGLE);
    ASSERT_EQ(Matching(ITEMSTATE_CHECKED), std::vector<int>{ 1 });
    EXPECT_TRUE(list.SwapItems(1, 4));
    EXPECT_EQ(Matching(ITEMSTATE_CHECKED), std::vector<int>{ 4 });
    EXPECT_TRUE(list.SwapItems(4, 0));
    EXPECT_EQ(Matching(ITEMSTATE_CHECKED), std::vector<int>{ 0 });
}

TEST_F(ListMoveTest, MoveToClampsAndTakesEverythingAlong)
{
    auto before = SnapAll();
    list.SetSortOrder(1, FALSE);
    EXPECT_EQ(list.MoveTo(1, 10), 4);
    EXPECT_EQ(list.GetSortedColumn(), -1);
    auto after = SnapAll();
    ASSERT_EQ(after.size(), 5u);
    EXPECT_EQ(after[4], before[1]);
    EXPECT_EQ(after[0], before[0]);
    EXPECT_EQ(after[1], before[2]);
    EXPECT_EQ(after[2], before[3]);
    EXPECT_EQ(after[3], before[4]);
    EXPECT_EQ(list.GetItemCount(ITEMSTATE_FOCUSED), 1);

    EXPECT_EQ(list.MoveUp(4, 3), 1);
    EXPECT_EQ(SnapAll(), before);
    EXPECT_EQ(list.MoveToTop(3), 0);
    EXPECT_EQ(Rows(), "Customer 3|Customer 0|Customer 1|Customer 2|Customer 4");
    EXPECT_EQ(list.MoveToBottom(0), 4);
    EXPECT_EQ(list.MoveTo(4, 3), 3);
    EXPECT_EQ(SnapAll(), before);
    EXPECT_EQ(list.MoveDown(1, 2), 3);
    EXPECT_EQ(list.MoveUp(3, 0x7FFFFFFF), 0);
    EXPECT_EQ(list.MoveDown(0, 0x7FFFFFFF), 4);
    EXPECT_EQ(list.MoveUp(4, -0x7FFFFFFF - 1), 4);
    EXPECT_EQ(Rows(), "Customer 0|Customer 2|Customer 3|Customer 4|Customer 1");
    EXPECT_EQ(list.MoveTo(5, 0), -1);
    EXPECT_EQ(list.MoveTo(-1, 0), -1);
}

TEST_F(ListMoveTest, AMoveToTheSamePlaceChangesNothing)
{
    list.SetSortOrder(2, TRUE);
    auto before = SnapAll();
    EXPECT_EQ(list.MoveUp(0, 1), 0);
    EXPECT_EQ(list.MoveToBottom(4), 4);
    EXPECT_EQ(list.MoveTo(2, 2), 2);
    EXPECT_EQ(SnapAll(), before);
    EXPECT_EQ(list.GetSortedColumn(), 2);
    EXPECT_EQ(frame.log.Notifications(LVN_DELETEITEM).size(), 0u);
}

TEST_F(ListMoveTest, AMoveCommitsTheEditFirst)
{
    list.FakeEdit(2, 1, "Marseille");
    EXPECT_EQ(list.MoveToTop(2), 0);
    EXPECT_EQ(Text(0, 1), "Marseille");
    EXPECT_EQ(frame.log.Count(LISTMSG_CELLEDITED), 1);
}

TEST_F(ListMoveTest, ARefusedReinsertionPutsTheItemBackWhole)
{
    auto before = SnapAll();
    LONG nBlocks = QELListCtrl::GetItemMemoryBlockCount();
    list.nRefuseInserts = 1;
    EXPECT_EQ(list.MoveTo(1, 3), -1);
    EXPECT_EQ(SnapAll(), before);
    EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nBlocks);

    // With the old place refused as well, the orphaned memory is released.
    list.nRefuseInserts = 2;
    EXPECT_EQ(list.MoveTo(1, 3), -1);
    EXPECT_EQ(list.CListCtrl::GetItemCount(), 4);
    EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nBlocks - 1);
}
