// The mouse: clicks open the editor in an editable list, double-clicks on the
// current row open it too, and every button's click is watched for a changed
// check mark, which each check box style carries through.
#include "ListTestSupport.h"

class ListMouseTest : public ListEditTest
{
protected:
    void Click(int nItem, int nColumn)
    {
        CPoint pt = CellPoint(list, nItem, nColumn);
        input::Click(list.m_hWnd, pt.x, pt.y);
    }
    void ClickBox(int nItem)
    {
        CPoint pt = CheckBoxPoint(list, nItem);
        input::Click(list.m_hWnd, pt.x, pt.y);
    }
    void DoubleClickMessage(int nItem, int nColumn)
    {
        CPoint pt = CellPoint(list, nItem, nColumn);
        list.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    }
    std::pair<int, int> Cell() { return { list.EditRow(), list.EditColumn() }; }
};

TEST_F(ListMouseTest, AClickInAnEditableListOpensTheEditorAtOnce)
{
    list.SetEditable(TRUE);
    Click(2, 3);
    EXPECT_EQ(Cell(), std::make_pair(2, 3));
    EXPECT_TRUE(list.EditorVisible());
    EXPECT_EQ(list.EditorText(), "Recyclable");
    Type("Compostable");
    // The next click commits and moves the editor.
    Click(4, 1);
    EXPECT_EQ(Text(2, 3), "Compostable");
    EXPECT_EQ(Cell(), std::make_pair(4, 1));
    EXPECT_EQ(Selected(), std::vector<int>{ 4 });
    // Column 0 may be closed to editing: the click then only selects.
    list.SetFirstColumnEditable(FALSE);
    Click(1, 0);
    EXPECT_FALSE(list.IsEditing());
    EXPECT_FALSE(list.EditorVisible());
    EXPECT_EQ(Selected(), std::vector<int>{ 1 });
    // Below the last row nothing is hit: the edit is committed, nothing opens.
    Click(1, 2);
    Type("Sold out");
    CRect rc;
    list.CListCtrl::GetItemRect(kStockRows - 1, &rc, LVIR_BOUNDS);
    input::Click(list.m_hWnd, 200, rc.bottom + 30);
    EXPECT_EQ(Text(1, 2), "Sold out");
    EXPECT_FALSE(list.IsEditing());
    EXPECT_EQ(Sent(LISTMSG_CELLEDITED), (Pairs{ { 2, 3 }, { 1, 2 } }));
    EXPECT_TRUE(frame.log.Of(LISTMSG_CHECKCLICKED).empty());
}

TEST_F(ListMouseTest, AClickInAListThatIsNotEditableOpensNothing)
{
    Click(2, 3);
    DoubleClickMessage(2, 3);
    EXPECT_FALSE(list.IsEditing());
    EXPECT_EQ(list.Editor(), nullptr);
    EXPECT_EQ(Selected(), std::vector<int>{ 2 });
}

TEST_F(ListMouseTest, ADoubleClickOpensTheEditorOnlyOnTheCurrentRow)
{
    list.SetEditable(TRUE);
    Click(2, 1);
    MSG esc = { list.Editor(), WM_KEYDOWN, VK_ESCAPE, 0 };
    list.PreTranslateMessage(&esc);
    ASSERT_FALSE(list.IsEditing());
    // Row 2 is selected and focused: a double-click there edits the cell hit.
    DoubleClickMessage(2, 3);
    EXPECT_EQ(Cell(), std::make_pair(2, 3));
    // A double-click while an edit is open only ends it.
    Type("Recycled");
    DoubleClickMessage(2, 1);
    EXPECT_FALSE(list.IsEditing());
    EXPECT_EQ(Text(2, 3), "Recycled");
    // A row that is not the current one does not open on a double-click.
    list.SetItemStates(0, ITEMSTATE_SELECTED | ITEMSTATE_FOCUSED);
    list.SetItemStates(2, ITEMSTATE_UNSELECTED | ITEMSTATE_UNFOCUSED);
    DoubleClickMessage(3, 1);
    EXPECT_FALSE(list.IsEditing());
    // Nor does a selected row without the focus mark.
    list.SetItemStates(1, ITEMSTATE_SELECTED);
    list.SetItemStates(0, ITEMSTATE_FOCUSED);
    DoubleClickMessage(1, 1);
    EXPECT_FALSE(list.IsEditing()) << "the double-click's own processing does not make it current first";
}

TEST_F(ListMouseTest, RightAndMiddleClicksNeverEdit)
{
    list.SetEditable(TRUE);
    Click(1, 3);
    Type("Model MF-300");
    CPoint pt = CellPoint(list, 3, 3);
    input::RightClick(list.m_hWnd, pt.x, pt.y);
    EXPECT_EQ(Text(1, 3), "Model MF-300") << "committed by the click";
    EXPECT_FALSE(list.IsEditing());
    input::MiddleClick(list.m_hWnd, pt.x, pt.y);
    list.SendMessage(WM_RBUTTONDBLCLK, 0, MAKELPARAM(pt.x, pt.y));
    list.SendMessage(WM_MBUTTONDBLCLK, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_FALSE(list.IsEditing());
    EXPECT_TRUE(frame.log.Of(LISTMSG_CHECKCLICKED).empty());
}

TEST_F(ListMouseTest, SingleStyleKeepsTheClickedItemAsTheOnlyCheckedOne)
{
    list.SetCheckboxeStyle(CHECKSTYLE_SINGLE);
    list.SetCheck(0, TRUE);
    list.SetItemStates(4, ITEMSTATE_SELECTED | ITEMSTATE_FOCUSED);
    frame.log.Clear();
    ClickBox(2);
    EXPECT_EQ(Checked(), std::vector<int>{ 2 });
    EXPECT_EQ(Selected(), std::vector<int>{ 2 });
    EXPECT_TRUE(list.ExamItemStates(2, ITEMSTATE_FOCUSED));
    EXPECT_EQ(Sent(LISTMSG_CHECKCLICKED), (Pairs{ { 2, WM_LBUTTONDOWN } }));
    // Clicking it again unchecks it, and that is reported too.
    ClickBox(2);
    EXPECT_TRUE(Checked().empty());
    EXPECT_EQ(Sent(LISTMSG_CHECKCLICKED), (Pairs{ { 2, WM_LBUTTONDOWN }, { 2, WM_LBUTTONDOWN } }));
    // A click beside the box changes no mark and reports nothing.
    Click(3, 2);
    EXPECT_EQ(frame.log.Count(LISTMSG_CHECKCLICKED), 2);
}

TEST_F(ListMouseTest, MultipleStyleReportsEveryChangedMark)
{
    list.SetCheckboxeStyle(CHECKSTYLE_MULTIPLE);
    list.SetCheck(0, TRUE);
    frame.log.Clear();
    ClickBox(3);
    ClickBox(0);
    EXPECT_EQ(Checked(), std::vector<int>{ 3 });
    EXPECT_EQ(Selected(), std::vector<int>{ 0 });
    EXPECT_EQ(Sent(LISTMSG_CHECKCLICKED), (Pairs{ { 3, WM_LBUTTONDOWN }, { 0, WM_LBUTTONDOWN } }));
}

TEST_F(ListMouseTest, ReadOnlyStyleUndoesTheClickSilently)
{
    list.SetCheckboxeStyle(CHECKSTYLE_READONLY);
    list.SetCheck(1, TRUE);
    list.SetItemStates(4, ITEMSTATE_SELECTED | ITEMSTATE_FOCUSED);
    frame.log.Clear();
    ClickBox(1);
    ClickBox(3);
    EXPECT_EQ(Checked(), std::vector<int>{ 1 });
    EXPECT_TRUE(frame.log.Of(LISTMSG_CHECKCLICKED).empty());
    EXPECT_EQ(Selected(), std::vector<int>{ 4 }) << "the selection does not move to the box clicked";
}

TEST_F(ListMouseTest, WithoutCheckBoxesNothingIsWatched)
{
    list.SetCheckboxeStyle(CHECKSTYLE_NONE);
    Click(1, 0);
    EXPECT_TRUE(frame.log.Of(LISTMSG_CHECKCLICKED).empty());
    // Even a mark the list view changes during a click is left alone.
    list.beforeDefault = [&](UINT message) {
        if (message == WM_LBUTTONDOWN)
            list.CListCtrl::SetItemState(1, INDEXTOSTATEIMAGEMASK(2), LVIS_STATEIMAGEMASK);
    };
    Click(1, 1);
    list.beforeDefault = nullptr;
    EXPECT_EQ(list.GetItemStates(1) & ITEMSTATE_CHECKED, (DWORD)ITEMSTATE_CHECKED);
    // Clicks beside every row reach no item.
    list.SetCheckboxeStyle(CHECKSTYLE_MULTIPLE);
    CRect rcLast;
    list.CListCtrl::GetItemRect(kStockRows - 1, &rcLast, LVIR_BOUNDS);
    input::Click(list.m_hWnd, 20, rcLast.bottom + 30);
    EXPECT_TRUE(frame.log.Of(LISTMSG_CHECKCLICKED).empty());
}

TEST_F(ListMouseTest, AnEditableListLeavesCheckBoxClicksToTheListView)
{
    list.SetEditable(TRUE);
    list.SetCheckboxeStyle(CHECKSTYLE_SINGLE);
    list.SetCheck(0, TRUE);
    frame.log.Clear();
    ClickBox(3);
    // Toggled by the list view alone: no single-check rule, no report; the editor opens.
    EXPECT_EQ(Checked(), (std::vector<int>{ 0, 3 }));
    EXPECT_TRUE(frame.log.Of(LISTMSG_CHECKCLICKED).empty());
    EXPECT_EQ(Cell(), std::make_pair(3, 0));
    list.SetCheckboxeStyle(CHECKSTYLE_READONLY);
    ClickBox(1);
    EXPECT_TRUE(list.ExamItemStates(1, ITEMSTATE_CHECKED)) << "no read-only undo either";
    EXPECT_TRUE(frame.log.Of(LISTMSG_CHECKCLICKED).empty());
}

TEST_F(ListMouseTest, RightAndMiddleClicksThatChangeAMarkAreReportedWithTheirMessage)
{
    list.SetCheckboxeStyle(CHECKSTYLE_SINGLE);
    list.SetEditable(TRUE);
    list.SetCheck(4, TRUE);
    // The list view toggles no box on these buttons; a list view (or a parent)
    // that does shows the watching at work.
    list.beforeDefault = [&](UINT message) {
        if (message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK)
            list.CListCtrl::SetCheck(1, !list.CListCtrl::GetCheck(1));
    };
    frame.log.Clear();
    CPoint pt = CellPoint(list, 1, 2);
    input::RightClick(list.m_hWnd, pt.x, pt.y);
    EXPECT_EQ(Checked(), std::vector<int>{ 1 });
    EXPECT_EQ(Selected(), std::vector<int>{ 1 });
    input::MiddleClick(list.m_hWnd, pt.x, pt.y);
    EXPECT_TRUE(Checked().empty());
    list.SendMessage(WM_MBUTTONDBLCLK, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(Sent(LISTMSG_CHECKCLICKED),
              (Pairs{ { 1, WM_RBUTTONDOWN }, { 1, WM_MBUTTONDOWN }, { 1, WM_MBUTTONDBLCLK } }));
    EXPECT_FALSE(list.IsEditing()) << "never the editor for these buttons";
    // A right double-click that changes nothing reports nothing.
    list.beforeDefault = nullptr;
    list.SendMessage(WM_RBUTTONDBLCLK, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(frame.log.Count(LISTMSG_CHECKCLICKED), 3);
}

TEST_F(ListMouseTest, ButtonUpsAndOtherMessagesAreNotProcessed)
{
    list.SetCheckboxeStyle(CHECKSTYLE_MULTIPLE);
    int nDefaults = 0;
    list.beforeDefault = [&](UINT message) {
        if (message == WM_LBUTTONUP || message == WM_MOUSEMOVE)
            ++nDefaults;
    };
    CPoint pt = CheckBoxPoint(list, 2);
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(nDefaults, 2) << "the list view alone handled them";
    EXPECT_TRUE(Checked().empty());
    EXPECT_TRUE(frame.log.Of(LISTMSG_CHECKCLICKED).empty());
}

TEST_F(ListMouseTest, ScrollingCommitsTheEditFirst)
{
    for (int i = kStockRows; i < 40; ++i)
        list.InsertItemEx(i, "Filter papers", "100", "In stock", "Size 4");
    list.SetEditable(TRUE);
    ASSERT_TRUE(list.StartEdit(1, 1));
    Type("6");
    list.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(Text(1, 1), "6");
    EXPECT_FALSE(list.IsEditing());
    EXPECT_FALSE(list.EditorVisible()) << "no editor left over a cell that moved";
    EXPECT_EQ(list.GetTopIndex(), 1) << "and the list still scrolled";
    ASSERT_TRUE(list.StartEdit(2, 3));
    Type("Bleached");
    list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(100, 100));
    EXPECT_EQ(Text(2, 3), "Bleached");
    ASSERT_TRUE(list.StartEdit(3, 3));
    Type("Unbleached");
    list.SendMessage(WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(Text(3, 3), "Unbleached");
    EXPECT_EQ(Sent(LISTMSG_CELLEDITED), (Pairs{ { 1, 1 }, { 2, 3 }, { 3, 3 } }));
}
