// Parents that call back into the list while it tells them of a committed edit
// or a clicked check box: deleting the row, sorting, setting the text again,
// starting another edit. The list must stay whole and consistent.
#include "ListTestSupport.h"
#include <set>

class ListEditReentryTest : public ListEditTest
{
protected:
    void SetUp() override
    {
        ListEditTest::SetUp();
        list.SetEditable(TRUE);
        list.SetSortable(TRUE);
    }
    // Runs the action when the parent gets the message (once, unless told otherwise).
    void OnParent(UINT message, std::function<void(int, int)> action, bool bOnce = true)
    {
        frame.log.onMessage = [=, fired = false](UINT m, WPARAM w, LPARAM l, LRESULT&) mutable {
            if (m == message && !(bOnce && fired)) {
                fired = true;
                action((int)w, (int)l);
            }
            return false;
        };
    }
    BOOL Key(UINT vk)
    {
        MSG msg = { list.Editor(), WM_KEYDOWN, vk, 0 };
        return list.PreTranslateMessage(&msg);
    }
    // Every item has exactly one memory block of its own, with colours for every column.
    void ExpectWhole()
    {
        const int n = list.CListCtrl::GetItemCount();
        EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), n);
        std::set<LPARAM> blocks;
        for (int i = 0; i < n; ++i) {
            EXPECT_TRUE(blocks.insert(ListRawParam(list, i)).second) << i;
            EXPECT_NE(list.GetItemBkColor(i, list.GetColumnCount() - 1), 0xFFFFFFFFu) << i;
        }
    }
};

TEST_F(ListEditReentryTest, DeletingTheEditedRowWhileHearingOfTheCommit)
{
    OnParent(LISTMSG_CELLEDITED, [&](int nItem, int) { list.DeleteItem(nItem); });
    ASSERT_TRUE(list.StartEdit(1, 3));
    Type("Discontinued");
    EXPECT_TRUE(Key(VK_RETURN));
    EXPECT_EQ(list.CListCtrl::GetItemCount(), kStockRows - 1);
    EXPECT_EQ(Text(1, 0), "Paper cups 250ml");
    EXPECT_EQ(Text(1, 3), "Recyclable") << "the next row is not touched";
    EXPECT_FALSE(list.IsEditing());
    EXPECT_FALSE(list.EditorVisible());
    ExpectWhole();

    // The same on Tab: the next edit opens on what is now that row, if anything.
    OnParent(LISTMSG_CELLEDITED, [&](int nItem, int) { list.DeleteItem(nItem); });
    ASSERT_TRUE(list.StartEdit(3, 2));
    Type("Gone");
    EXPECT_TRUE(Key(VK_TAB));
    EXPECT_EQ(list.CListCtrl::GetItemCount(), kStockRows - 2);
    EXPECT_FALSE(list.IsEditing()) << "row 3 no longer exists";
    ExpectWhole();
}

TEST_F(ListEditReentryTest, SortingWhileHearingOfTheCommit)
{
    OnParent(LISTMSG_CELLEDITED, [&](int, int nColumn) { list.SortItems(nColumn, TRUE); });
    ASSERT_TRUE(list.StartEdit(4, 1));
    Type("1");
    EXPECT_TRUE(Key(VK_UP));
    // Sorted by quantity: 0, 1, 3, 12, 500; the edit then moved up from row 4.
    EXPECT_EQ(Text(0, 1), "0");
    EXPECT_EQ(Text(1, 0), "Oat milk 1l");
    EXPECT_EQ(Text(4, 1), "500");
    EXPECT_EQ(list.GetSortedColumn(), 1);
    EXPECT_EQ(std::make_pair(list.EditRow(), list.EditColumn()), std::make_pair(3, 1));
    EXPECT_EQ(list.EditorText(), "12");
    EXPECT_EQ(frame.log.Count(LISTMSG_CELLEDITED), 1);
    ExpectWhole();
}

TEST_F(ListEditReentryTest, SettingTheTextAgainIsNotCommittedTwice)
{
    // A parent that normalises what was typed, through the list's own text change
    // (which ends the edit that is being reported).
    OnParent(
        LISTMSG_CELLEDITED,
        [&](int nItem, int nColumn) {
            CString text = list.CListCtrl::GetItemText(nItem, nColumn);
            text.MakeUpper();
            list.SetItemText(nItem, nColumn, text);
            list.SortItems(0, TRUE);
        },
        false);
    ASSERT_TRUE(list.StartEdit(2, 2));
    Type("back order");
    EXPECT_TRUE(Key(VK_RETURN));
    // Sorted by product afterwards, the paper cups are last.
    EXPECT_EQ(Text(4, 0), "Paper cups 250ml");
    EXPECT_EQ(Text(4, 2), "BACK ORDER");
    EXPECT_EQ(frame.log.Count(LISTMSG_CELLEDITED), 1);
    EXPECT_FALSE(list.IsEditing());
    EXPECT_FALSE(list.EditorVisible());
}

TEST_F(ListEditReentryTest, StartingAnotherEditWhileHearingOfTheCommit)
{
    // After a quantity the parent leads on to the row's notes.
    OnParent(LISTMSG_CELLEDITED, [&](int nItem, int) { EXPECT_TRUE(list.StartEdit(nItem, 3)); });
    ASSERT_TRUE(list.StartEdit(3, 1));
    Type("40");
    EXPECT_TRUE(Key(VK_RETURN));
    EXPECT_EQ(Text(3, 1), "40");
    EXPECT_EQ(std::make_pair(list.EditRow(), list.EditColumn()), std::make_pair(3, 3))
        << "the parent's edit stays open";
    EXPECT_TRUE(list.EditorVisible());
    EXPECT_EQ(list.EditorText(), "Arrives Friday");
    Type("Arrived");
    EXPECT_TRUE(Key(VK_RETURN));
    EXPECT_EQ(Text(3, 3), "Arrived");
    EXPECT_FALSE(list.IsEditing());

    // With Tab, the list's own move wins over the parent's.
    OnParent(LISTMSG_CELLEDITED, [&](int, int) { list.StartEdit(0, 0); });
    ASSERT_TRUE(list.StartEdit(1, 1));
    Type("2");
    EXPECT_TRUE(Key(VK_TAB));
    EXPECT_EQ(std::make_pair(list.EditRow(), list.EditColumn()), std::make_pair(1, 2));
    EXPECT_EQ(list.EditorText(), "Low");
    EXPECT_EQ(Text(0, 0), "Espresso beans 1kg");
    EXPECT_EQ(Selected(), std::vector<int>{ 1 });
}

TEST_F(ListEditReentryTest, AClickThatCommitsAnEditTheParentAnswersByDeletingRows)
{
    OnParent(LISTMSG_CELLEDITED, [&](int, int) { list.DeleteItem(0); });
    ASSERT_TRUE(list.StartEdit(0, 3));
    Type("Decaf");
    CPoint pt = CellPoint(list, 2, 1);
    input::Click(list.m_hWnd, pt.x, pt.y);
    // The click lands on what is under the pointer once the parent is done.
    EXPECT_EQ(list.CListCtrl::GetItemCount(), kStockRows - 1);
    EXPECT_EQ(std::make_pair(list.EditRow(), list.EditColumn()), std::make_pair(2, 1));
    EXPECT_EQ(list.EditorText(), "0") << "the descaler's quantity";
    ExpectWhole();
}

TEST_F(ListEditReentryTest, DeletingOrSortingWhileHearingOfACheckClick)
{
    list.SetEditable(FALSE);
    list.SetCheckboxeStyle(CHECKSTYLE_SINGLE);
    OnParent(LISTMSG_CHECKCLICKED, [&](int nItem, int) { list.DeleteItem(nItem); });
    CPoint pt = CheckBoxPoint(list, 1);
    input::Click(list.m_hWnd, pt.x, pt.y);
    EXPECT_EQ(list.CListCtrl::GetItemCount(), kStockRows - 1);
    EXPECT_EQ(Text(1, 0), "Paper cups 250ml");
    EXPECT_TRUE(Checked().empty());
    ExpectWhole();

    OnParent(LISTMSG_CHECKCLICKED, [&](int, int) { list.SortItems(0, FALSE); });
    pt = CheckBoxPoint(list, 0);
    input::Click(list.m_hWnd, pt.x, pt.y);
    EXPECT_EQ(Text(0, 0), "Paper cups 250ml");
    EXPECT_EQ(Checked().size(), 1u);
    EXPECT_EQ(Text(Checked()[0], 0), "Espresso beans 1kg") << "the mark went with its item";
    ExpectWhole();
}

TEST_F(ListEditReentryTest, ItemsTheParentMovesDuringTheClickAreFollowed)
{
    // The list view tells the parent of the selection a click makes; a parent that
    // moves the clicked row to the top then still sees the right row reported.
    list.SetEditable(FALSE);
    list.SetCheckboxeStyle(CHECKSTYLE_MULTIPLE);
    list.beforeDefault = [&](UINT message) {
        if (message == WM_LBUTTONDOWN) {
            list.CListCtrl::SetCheck(3, TRUE);
            list.MoveToTop(3);
        }
    };
    CPoint pt = CellPoint(list, 3, 2);
    input::Click(list.m_hWnd, pt.x, pt.y);
    EXPECT_EQ(Sent(LISTMSG_CHECKCLICKED), (Pairs{ { 0, WM_LBUTTONDOWN } }));
    EXPECT_EQ(Text(0, 0), "Descaler");
    // A row deleted during the click is simply no longer watched.
    list.beforeDefault = [&](UINT message) {
        if (message == WM_LBUTTONDOWN)
            list.DeleteItem(2);
    };
    pt = CellPoint(list, 2, 2);
    input::Click(list.m_hWnd, pt.x, pt.y);
    EXPECT_EQ(frame.log.Count(LISTMSG_CHECKCLICKED), 1);
    ExpectWhole();
}
