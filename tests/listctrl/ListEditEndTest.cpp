// Ending an in-place edit: commit writes a changed text and tells the parent
// while the cell is still the one under edit; discard and unchanged texts
// write and send nothing.
#include "ListTestSupport.h"

namespace {
struct Edited
{
    WPARAM wParam;
    LPARAM lParam;
    std::string cellText;
    int editRow;
    int sortedColumn;
};
}

class ListEditEndTest : public ListTest
{
protected:
    std::vector<Edited> edited;
    void SetUp() override
    {
        ListTest::SetUp();
        Fill(4);
        list.SetSortOrder(1, FALSE);
        frame.log.onMessage = [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
            if (message == LISTMSG_CELLEDITED)
                edited.push_back(
                    { wParam, lParam, Text((int)wParam, (int)lParam), list.EditRow(), list.GetSortedColumn() });
            return false;
        };
    }
};

TEST_F(ListEditEndTest, WithoutAnEditNothingHappens)
{
    EXPECT_FALSE(list.IsEditing());
    EXPECT_FALSE(list.EndEdit(TRUE));
    EXPECT_FALSE(list.EndEdit(FALSE));
    EXPECT_TRUE(edited.empty());
    EXPECT_EQ(list.GetSortedColumn(), 1);
    // Fields naming a cell that does not exist are no edit either.
    list.FakeEdit(9, 1, "ghost");
    EXPECT_FALSE(list.IsEditing());
    EXPECT_FALSE(list.EndEdit(TRUE));
    list.FakeEdit(1, 4, "ghost");
    EXPECT_FALSE(list.EndEdit(TRUE));
    EXPECT_TRUE(edited.empty());
}

TEST_F(ListEditEndTest, CommitWritesTellsTheParentAndResetsTheSortOrder)
{
    list.FakeEdit(2, 1, "Lyon");
    ASSERT_TRUE(list.IsEditing());
    EXPECT_TRUE(list.EndEdit(TRUE));
    EXPECT_EQ(Text(2, 1), "Lyon");
    ASSERT_EQ(edited.size(), 1u) << frame.log.Describe(LISTMSG_CELLEDITED);
    EXPECT_EQ(edited[0].wParam, 2u);
    EXPECT_EQ(edited[0].lParam, 1);
    EXPECT_EQ(edited[0].cellText, "Lyon") << "written before the parent hears of it";
    EXPECT_EQ(edited[0].editRow, 2) << "the parent still sees the cell under edit";
    EXPECT_EQ(edited[0].sortedColumn, -1);
    EXPECT_EQ(list.GetSortedColumn(), -1);
    EXPECT_TRUE(list.IsSortAscending());
    EXPECT_EQ(list.EditRow(), -1);
    EXPECT_EQ(list.EditColumn(), -1);
    EXPECT_FALSE(list.EditorVisible());
    EXPECT_FALSE(list.EndEdit(TRUE)) << "the edit is over";
}

TEST_F(ListEditEndTest, UnchangedOrDiscardedTextsWriteNothing)
{
    list.FakeEdit(1, 0, "Customer 1");
    EXPECT_FALSE(list.EndEdit(TRUE));
    list.FakeEdit(1, 0, "Someone else");
    EXPECT_FALSE(list.EndEdit(FALSE));
    EXPECT_EQ(Text(1, 0), "Customer 1");
    EXPECT_TRUE(edited.empty());
    EXPECT_EQ(list.GetSortedColumn(), 1);
    EXPECT_FALSE(list.EditorVisible());
    // A change of letter case alone is a change.
    list.FakeEdit(1, 0, "customer 1");
    EXPECT_TRUE(list.EndEdit(TRUE));
    EXPECT_EQ(Text(1, 0), "customer 1");
    EXPECT_EQ(edited.size(), 1u);
}
