// Item states through one flag word: reading, filters, counts and searches,
// changes, inversion, and the check box styles with single-check enforcement.
#include "ListTestSupport.h"

class ListStatesTest : public ListTest
{
protected:
    void SetUp() override
    {
        ListTest::SetUp();
        Fill(6);
    }
    void Check(std::initializer_list<int> items)
    {
        for (int i : items)
            list.CListCtrl::SetCheck(i, TRUE);
    }
    void Select(std::initializer_list<int> items)
    {
        for (int i : items)
            list.CListCtrl::SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
    }
    std::vector<int> Checked() { return Matching(ITEMSTATE_CHECKED); }
    std::vector<int> Selected() { return Matching(ITEMSTATE_SELECTED); }
};

using V = std::vector<int>;

TEST_F(ListStatesTest, TheStateWordHasOneFlagOfEachPair)
{
    EXPECT_EQ(list.GetItemStates(0), (DWORD)(ITEMSTATE_UNSELECTED | ITEMSTATE_UNCHECKED | ITEMSTATE_UNFOCUSED))
        << "no check boxes yet: unchecked";
    list.SetCheckboxeStyle(CHECKSTYLE_MULTIPLE);
    Check({ 2 });
    Select({ 2 });
    EXPECT_EQ(list.GetItemStates(2), 0x4Au);
    list.CListCtrl::SetItemState(3, LVIS_FOCUSED, LVIS_FOCUSED);
    EXPECT_EQ(list.GetItemStates(3), (DWORD)(ITEMSTATE_UNSELECTED | ITEMSTATE_UNCHECKED | ITEMSTATE_FOCUSED));
    EXPECT_EQ(list.GetItemStates(6), 0x54u);
    EXPECT_EQ(list.GetItemStates(-1), 0x54u);
}

TEST_F(ListStatesTest, FiltersCountsAndSearches)
{
    list.SetCheckboxeStyle(CHECKSTYLE_MULTIPLE);
    Select({ 1, 2, 4 });
    Check({ 2, 3, 4 });
    EXPECT_EQ(Matching(ITEMSTATE_SELECTED | ITEMSTATE_CHECKED), (V{ 2, 4 }));
    EXPECT_EQ(Matching(ITEMSTATE_UNSELECTED | ITEMSTATE_CHECKED), (V{ 3 }));
    EXPECT_EQ(Matching(ITEMSTATE_SELECTED | ITEMSTATE_UNSELECTED), V{}) << "both flags of a pair match nothing";
    EXPECT_EQ(Matching(ITEMSTATE_FOCUSED | ITEMSTATE_UNFOCUSED), V{});
    EXPECT_EQ(Matching(0), V{});
    EXPECT_EQ(Matching(ITEMSTATE_ANY | ITEMSTATE_SELECTED).size(), 6u) << "ANY wins";
    EXPECT_TRUE(list.ExamItemStates(99, ITEMSTATE_ANY));

    EXPECT_EQ(list.GetItemCount(), 6);
    EXPECT_EQ(list.GetItemCount(ITEMSTATE_ANY), 6);
    EXPECT_EQ(list.GetItemCount(ITEMSTATE_SELECTED), 3);
    EXPECT_EQ(list.GetItemCount(ITEMSTATE_UNCHECKED), 3);
    EXPECT_EQ(list.GetItemCount(0), 0);
    EXPECT_EQ(list.GetItemCount(ITEMSTATE_CHECKED | ITEMSTATE_UNCHECKED), 0);

    EXPECT_EQ(list.GetFirstItem(ITEMSTATE_SELECTED, -1), 1);
    EXPECT_EQ(list.GetFirstItem(ITEMSTATE_SELECTED, -50), 1);
    EXPECT_EQ(list.GetFirstItem(ITEMSTATE_SELECTED, 1), 2);
    EXPECT_EQ(list.GetFirstItem(ITEMSTATE_SELECTED, 3), 4);
    EXPECT_EQ(list.GetFirstItem(ITEMSTATE_SELECTED, 4), -1);
    EXPECT_EQ(list.GetFirstItem(ITEMSTATE_SELECTED, 0x7FFFFFFF), -1);
    EXPECT_EQ(list.GetFirstItem(0, -1), -1);
    EXPECT_EQ(list.GetLastItem(ITEMSTATE_CHECKED, -1), 4);
    EXPECT_EQ(list.GetLastItem(ITEMSTATE_CHECKED, 99), 4);
    EXPECT_EQ(list.GetLastItem(ITEMSTATE_CHECKED, 4), 3);
    EXPECT_EQ(list.GetLastItem(ITEMSTATE_CHECKED, 3), 2);
    EXPECT_EQ(list.GetLastItem(ITEMSTATE_CHECKED, 2), -1);
    EXPECT_EQ(list.GetLastItem(ITEMSTATE_UNCHECKED, 6), 5);
}

TEST_F(ListStatesTest, ChangesApplyInOrderAndTheSecondOfAPairWins)
{
    list.SetCheckboxeStyle(CHECKSTYLE_MULTIPLE);
    EXPECT_FALSE(list.SetItemStates(1, 0));
    EXPECT_TRUE(list.SetItemStates(1, ITEMSTATE_ANY)) << "nothing to change is no failure";
    EXPECT_TRUE(list.SetItemStates(1, ITEMSTATE_SELECTED | ITEMSTATE_CHECKED | ITEMSTATE_FOCUSED));
    EXPECT_EQ(list.GetItemStates(1), (DWORD)(ITEMSTATE_SELECTED | ITEMSTATE_CHECKED | ITEMSTATE_FOCUSED));
    EXPECT_TRUE(list.SetItemStates(1, ITEMSTATE_SELECTED | ITEMSTATE_UNSELECTED | ITEMSTATE_CHECKED |
                                          ITEMSTATE_UNCHECKED | ITEMSTATE_FOCUSED | ITEMSTATE_UNFOCUSED));
    EXPECT_EQ(list.GetItemStates(1), 0x54u);
    EXPECT_FALSE(list.SetItemStates(17, ITEMSTATE_SELECTED));
    // Item -1 reaches the list view as "every item".
    EXPECT_TRUE(list.SetItemStates(-1, ITEMSTATE_SELECTED));
    EXPECT_EQ(list.GetItemCount(ITEMSTATE_SELECTED), 6);
}

TEST_F(ListStatesTest, SetAllItemStatesAndInvert)
{
    Select({ 0, 2 });
    EXPECT_EQ(list.SetAllItemStates(ITEMSTATE_SELECTED, ITEMSTATE_FOCUSED), 2);
    EXPECT_EQ(Matching(ITEMSTATE_FOCUSED), (V{ 2 })) << "one focus mark: the last one given";
    EXPECT_EQ(list.SetAllItemStates(0, ITEMSTATE_SELECTED), 0);
    EXPECT_EQ(list.SetAllItemStates(ITEMSTATE_ANY, 0), 0);
    EXPECT_EQ(list.SetAllItemStates(ITEMSTATE_UNSELECTED, ITEMSTATE_SELECTED), 4);
    EXPECT_EQ(Selected().size(), 6u);
    EXPECT_EQ(list.SetAllItemStates(ITEMSTATE_ANY, ITEMSTATE_UNSELECTED), 6);

    Select({ 0, 2, 3 });
    list.InvertItems(INVERT_SELECTION);
    EXPECT_EQ(Selected(), (V{ 1, 4, 5 }));
    list.SetCheckboxeStyle(CHECKSTYLE_MULTIPLE);
    Check({ 1 });
    list.InvertItems(INVERT_CHECK);
    EXPECT_EQ(Checked(), (V{ 0, 2, 3, 4, 5 }));
    list.InvertItems(7);
    EXPECT_EQ(Checked(), (V{ 0, 2, 3, 4, 5 }));
}

TEST_F(ListStatesTest, CheckboxStylesShowAndHideTheBoxes)
{
    EXPECT_EQ(list.GetCheckboxStyle(), CHECKSTYLE_MULTIPLE);
    list.SetCheckboxeStyle(CHECKSTYLE_READONLY);
    EXPECT_EQ(list.GetCheckboxStyle(), CHECKSTYLE_READONLY);
    EXPECT_TRUE(list.CListCtrl::GetExtendedStyle() & LVS_EX_CHECKBOXES);
    list.SetCheckboxeStyle(CHECKSTYLE_NONE);
    EXPECT_FALSE(list.CListCtrl::GetExtendedStyle() & LVS_EX_CHECKBOXES);
    EXPECT_EQ(list.CListCtrl::GetExtendedStyle() & 0x22, 0x22u);
    list.SetCheckboxeStyle(42);  // stored as given, behaves as multiple
    EXPECT_EQ(list.GetCheckboxStyle(), 42);
    EXPECT_TRUE(list.CListCtrl::GetExtendedStyle() & LVS_EX_CHECKBOXES);
    EXPECT_TRUE(list.SetCheck(1, TRUE));
    EXPECT_TRUE(list.SetCheck(4));
    EXPECT_EQ(Checked(), (V{ 1, 4 }));
    EXPECT_TRUE(list.SetCheck(4, FALSE));
    EXPECT_EQ(Checked(), (V{ 1 }));
    EXPECT_FALSE(list.SetCheck(40, TRUE));
}

TEST_F(ListStatesTest, SingleStyleKeepsTheEarlierMarksInEveryPath)
{
    list.SetCheckboxeStyle(CHECKSTYLE_MULTIPLE);
    Check({ 1, 5 });
    list.SetCheckboxeStyle(CHECKSTYLE_SINGLE);
    EXPECT_EQ(Checked(), (V{ 1 })) << "switching keeps only the first";

    Check({ 5 });  // behind the class's back
    EXPECT_TRUE(list.SetCheck(3, TRUE));
    EXPECT_EQ(Checked(), (V{ 1, 3 })) << "SetCheck clears the marks after it only";

    EXPECT_TRUE(list.SetItemStates(2, ITEMSTATE_CHECKED));
    EXPECT_EQ(Checked(), (V{ 1, 2 }));

    EXPECT_EQ(list.SetAllItemStates(ITEMSTATE_ANY, ITEMSTATE_CHECKED), 6);
    EXPECT_EQ(Checked(), (V{ 0 }));

    list.SetAllItemStates(ITEMSTATE_ANY, ITEMSTATE_UNCHECKED);
    Check({ 2 });
    // Each item is judged when reached: item 2 lost its mark to item 0 and so counts too.
    EXPECT_EQ(list.SetAllItemStates(ITEMSTATE_UNCHECKED, ITEMSTATE_CHECKED | ITEMSTATE_SELECTED), 6);
    EXPECT_EQ(Checked(), (V{ 0 }));

    // Inversion checks each item it reaches and clears only after it.
    list.SetAllItemStates(ITEMSTATE_ANY, ITEMSTATE_UNCHECKED);
    Check({ 1 });
    list.InvertItems(INVERT_CHECK);
    EXPECT_EQ(Checked(), (V{ 0, 1, 2, 3, 4, 5 }));

    list.SetCheckboxeStyle(CHECKSTYLE_SINGLE);
    EXPECT_EQ(Checked(), (V{ 0 }));
    // The multiple style enforces nothing.
    list.SetCheckboxeStyle(CHECKSTYLE_MULTIPLE);
    list.SetCheck(3, TRUE);
    list.SetItemStates(4, ITEMSTATE_CHECKED);
    EXPECT_EQ(Checked(), (V{ 0, 3, 4 }));
}
