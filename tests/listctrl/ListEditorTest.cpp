// The in-place editor: which cells open, the window it makes (style, alignment,
// font, place over the cell), what a failed editor window leaves behind.
#include "ListTestSupport.h"
#include "ListEditResources.h"

TEST_F(ListEditTest, OnlyEditableCellsOpen)
{
    EXPECT_FALSE(list.IsEditable());
    EXPECT_FALSE(list.StartEdit(1, 1)) << "the list is not editable";
    list.SetEditable(TRUE);
    EXPECT_TRUE(list.IsEditable());
    for (auto cell : Pairs{ { -1, 1 }, { kStockRows, 1 }, { 1, -1 }, { 1, 4 }, { 0x7FFFFFFF, 0 } })
        EXPECT_FALSE(list.StartEdit(cell.first, cell.second)) << cell.first << "," << cell.second;
    EXPECT_EQ(list.Editor(), nullptr) << "no window is made for a refused cell";
    list.SetFirstColumnEditable(FALSE);
    EXPECT_FALSE(list.StartEdit(2, 0));
    EXPECT_TRUE(list.StartEdit(2, 1));
    list.SetFirstColumnEditable(TRUE);
    EXPECT_TRUE(list.StartEdit(2, 0));
    EXPECT_EQ(list.EditRow(), 2);
    EXPECT_EQ(list.EditColumn(), 0);
    EXPECT_EQ(list.GetEditControl()->m_hWnd, list.Editor());
}

TEST_F(ListEditTest, TheEditorLiesOverTheCellWithItsTextSelected)
{
    list.SetEditable(TRUE);
    list.SetItemStates(0, ITEMSTATE_SELECTED);
    list.SetItemStates(4, ITEMSTATE_SELECTED | ITEMSTATE_FOCUSED);
    ASSERT_TRUE(list.StartEdit(3, 3));
    HWND hEditor = list.Editor();
    ASSERT_NE(hEditor, nullptr);
    EXPECT_EQ(::GetParent(hEditor), list.m_hWnd);
    EXPECT_EQ(::GetDlgCtrlID(hEditor), 0);
    // The edit control may take its border over and draw it itself.
    const DWORD dwStyle = (DWORD)::GetWindowLongA(hEditor, GWL_STYLE);
    EXPECT_EQ((dwStyle | WS_BORDER) & ~(DWORD)(WS_VISIBLE | WS_CLIPSIBLINGS), 0x40800180u);
    EXPECT_TRUE(list.EditorVisible());
    EXPECT_EQ(::GetFocus(), hEditor);
    EXPECT_EQ(list.EditorText(), "Arrives Friday");
    DWORD dwStart = 0, dwEnd = 0;
    ::SendMessageA(hEditor, EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
    EXPECT_EQ(dwStart, 0u);
    EXPECT_EQ(dwEnd, 14u);
    // The row under edit is the only selected one and has the focus mark.
    EXPECT_EQ(Selected(), std::vector<int>{ 3 });
    EXPECT_TRUE(list.ExamItemStates(3, ITEMSTATE_FOCUSED));
    CRect rcLabel;
    list.CListCtrl::GetSubItemRect(3, 3, LVIR_LABEL, rcLabel);
    EXPECT_EQ(list.EditorRect(), rcLabel);
    // A column before it resized: the editor keeps to its cell.
    list.CListCtrl::SetColumnWidth(1, list.CListCtrl::GetColumnWidth(1) + 30);
    PumpMessages();
    list.CListCtrl::GetSubItemRect(3, 3, LVIR_LABEL, rcLabel);
    EXPECT_EQ(list.EditorRect(), rcLabel);

    // The same cell again changes nothing, not even what was typed.
    Type("Arrives Monday");
    EXPECT_TRUE(list.StartEdit(3, 3));
    EXPECT_EQ(list.EditorText(), "Arrives Monday");
    EXPECT_TRUE(frame.log.Of(LISTMSG_CELLEDITED).empty());
    // Another cell commits the first.
    EXPECT_TRUE(list.StartEdit(0, 3));
    EXPECT_EQ(Text(3, 3), "Arrives Monday");
    EXPECT_EQ(Sent(LISTMSG_CELLEDITED), (Pairs{ { 3, 3 } }));
    EXPECT_EQ(list.Editor(), hEditor) << "same alignment, same window";
    EXPECT_EQ(list.EditorText(), "Arabica, medium roast");
}

TEST_F(ListEditTest, TheEditorTakesTheAlignmentOfTheColumnHeader)
{
    list.SetEditable(TRUE);
    auto alignment = [&] { return (DWORD)::GetWindowLongA(list.Editor(), GWL_STYLE) & 3u; };
    ASSERT_TRUE(list.StartEdit(1, 1));
    HWND hRight = list.Editor();
    EXPECT_EQ(alignment(), (DWORD)ES_RIGHT);
    ASSERT_TRUE(list.StartEdit(1, 2));
    EXPECT_EQ(alignment(), (DWORD)ES_CENTER);
    EXPECT_FALSE(::IsWindow(hRight)) << "the right-aligned window was replaced";
    ASSERT_TRUE(list.StartEdit(1, 3));
    HWND hLeft = list.Editor();
    EXPECT_EQ(alignment(), (DWORD)ES_LEFT);
    ASSERT_TRUE(list.StartEdit(1, 0));
    EXPECT_EQ(list.Editor(), hLeft) << "two left-aligned columns share the window";
    EXPECT_TRUE(list.EditorVisible());
    EXPECT_EQ(list.EditorText(), "Milk frother");

    // The header's own format counts (the list view's column record does not see it);
    // centre wins over right when both are asked for.
    HDITEMA item = {};
    item.mask = HDI_FORMAT;
    item.fmt = HDF_STRING | HDF_CENTER | HDF_RIGHT;
    ::SendMessageA(list.Header(), HDM_SETITEMA, 3, (LPARAM)&item);
    ASSERT_TRUE(list.StartEdit(1, 3));
    EXPECT_EQ(alignment(), (DWORD)ES_CENTER);
    // A list without column header edits left-aligned.
    list.ModifyStyle(0, LVS_NOCOLUMNHEADER);
    ASSERT_TRUE(list.StartEdit(1, 1));
    EXPECT_EQ(alignment(), (DWORD)ES_LEFT);
}

TEST_F(ListEditTest, TheEditorUsesTheListFont)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "Arial"));
    list.SetFont(&font);
    list.SetEditable(TRUE);
    ASSERT_TRUE(list.StartEdit(0, 0));
    EXPECT_EQ((HFONT)::SendMessageA(list.Editor(), WM_GETFONT, 0, 0), (HFONT)font.GetSafeHandle());
    // Also after the window was made anew for another alignment.
    ASSERT_TRUE(list.StartEdit(0, 1));
    EXPECT_EQ((HFONT)::SendMessageA(list.Editor(), WM_GETFONT, 0, 0), (HFONT)font.GetSafeHandle());
    list.EndEdit(FALSE);
    list.SetFont(nullptr, FALSE);
}

TEST_F(ListEditTest, ACellImageBeyondColumnZeroMovesTheEditorRight)
{
    list.SetEditable(TRUE);
    list.SetItemImage(1, 2, 0);
    list.SetItemImage(1, 0, 1);
    CRect rc;
    // Without a small image list the image index shows nothing and moves nothing.
    ASSERT_TRUE(list.StartEdit(1, 2));
    list.CListCtrl::GetSubItemRect(1, 2, LVIR_LABEL, rc);
    EXPECT_EQ(list.EditorRect(), rc);

    list.SetImageList(IDB_LISTEDIT_FOUR, RGB(255, 0, 255));
    list.EndEdit(FALSE);
    ASSERT_TRUE(list.StartEdit(1, 2));
    list.CListCtrl::GetSubItemRect(1, 2, LVIR_LABEL, rc);
    EXPECT_EQ(list.EditorRect(), CRect(rc.left + 16, rc.top, rc.right, rc.bottom));
    // A cell without image, and column 0, whose label already starts after its image.
    ASSERT_TRUE(list.StartEdit(1, 3));
    list.CListCtrl::GetSubItemRect(1, 3, LVIR_LABEL, rc);
    EXPECT_EQ(list.EditorRect(), rc);
    ASSERT_TRUE(list.StartEdit(1, 0));
    list.CListCtrl::GetSubItemRect(1, 0, LVIR_LABEL, rc);
    EXPECT_EQ(list.EditorRect(), rc);
}

TEST_F(ListEditTest, TurningEditingOffCommitsTheEditInProgress)
{
    list.SetEditable(TRUE);
    ASSERT_TRUE(list.StartEdit(2, 1));
    Type("480");
    list.SetFirstColumnEditable(FALSE);
    EXPECT_EQ(Text(2, 1), "480") << "whichever cell is under edit";
    EXPECT_FALSE(list.IsEditing());
    ASSERT_TRUE(list.StartEdit(2, 3));
    Type("Compostable");
    list.SetEditable(FALSE);
    EXPECT_EQ(Text(2, 3), "Compostable");
    EXPECT_FALSE(list.EditorVisible());
    EXPECT_EQ(Sent(LISTMSG_CELLEDITED), (Pairs{ { 2, 1 }, { 2, 3 } }));
    // Turning them on commits nothing and opens nothing.
    list.SetEditable(TRUE);
    list.SetFirstColumnEditable(TRUE);
    EXPECT_FALSE(list.IsEditing());
}

// ----- an editor window that cannot be made -------------------------------------------

TEST_F(ListEditTest, WithoutAnEditorWindowThereIsNoEdit)
{
    RefuseEditWindows refuse;
    list.SetEditable(TRUE);
    EXPECT_FALSE(list.StartEdit(1, 3));
    EXPECT_EQ(list.EditRow(), -1);
    EXPECT_EQ(list.EditColumn(), -1);
    EXPECT_FALSE(list.IsEditing());
    // Nothing later looks for the missing window or writes an empty text.
    EXPECT_FALSE(list.EndEdit(TRUE));
    EXPECT_FALSE(list.EndEdit(FALSE));
    EXPECT_TRUE(list.SetItemText(1, 2, "Low"));
    EXPECT_EQ(Text(1, 3), "Model MF-200");
    EXPECT_TRUE(frame.log.Of(LISTMSG_CELLEDITED).empty());
    // Keys and clicks find no edit either.
    MSG msg = { list.m_hWnd, WM_KEYDOWN, VK_RETURN, 0 };
    EXPECT_FALSE(list.PreTranslateMessage(&msg));
    CPoint pt = CellPoint(list, 2, 3);
    input::Click(list.m_hWnd, pt.x, pt.y);
    EXPECT_FALSE(list.IsEditing());
    EXPECT_EQ(list.GetItemMemoryBlockCount(), kStockRows);
}

TEST_F(ListEditTest, AnEditorWindowThatCannotBeMadeAgainLeavesTheListConsistent)
{
    list.SetEditable(TRUE);
    ASSERT_TRUE(list.StartEdit(0, 0));
    Type("Espresso beans 500g");
    {
        // A right-aligned column needs a new window, which is refused: the edit in
        // progress was committed first, and no edit is left.
        RefuseEditWindows refuse;
        EXPECT_FALSE(list.StartEdit(0, 1));
    }
    EXPECT_EQ(Text(0, 0), "Espresso beans 500g");
    EXPECT_EQ(list.Editor(), nullptr);
    EXPECT_FALSE(list.IsEditing());
    EXPECT_FALSE(list.EndEdit(TRUE));
    EXPECT_EQ(Sent(LISTMSG_CELLEDITED), (Pairs{ { 0, 0 } }));
    // Once windows can be made again, editing works as before.
    ASSERT_TRUE(list.StartEdit(0, 1));
    EXPECT_EQ((DWORD)::GetWindowLongA(list.Editor(), GWL_STYLE) & 3u, (DWORD)ES_RIGHT);
    Type("10");
    EXPECT_TRUE(list.EndEdit(TRUE));
    EXPECT_EQ(Text(0, 1), "10");
}
