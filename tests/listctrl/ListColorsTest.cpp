// Cell colours: the addressing table, the system-colour default, columns coming
// and going, items without memory, and what is really painted.
#include "ListTestSupport.h"
#include "PixelReader.h"

namespace {
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kYellow = RGB(255, 255, 0);
const COLORREF kNavy = RGB(0, 0, 128);
const COLORREF kNone = 0xFFFFFFFF;

COLORREF WindowText() { return ::GetSysColor(COLOR_WINDOWTEXT); }
COLORREF Window() { return ::GetSysColor(COLOR_WINDOW); }
}

TEST_F(ListTest, NewItemsHaveTheSystemColoursAndGettersRejectBadCells)
{
    Fill(3);
    for (int i = 0; i < 3; ++i)
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(list.GetItemTextColor(i, c), WindowText());
            EXPECT_EQ(list.GetItemBkColor(i, c), Window());
        }
    EXPECT_EQ(list.GetItemTextColor(3, 0), kNone);
    EXPECT_EQ(list.GetItemTextColor(-1, 0), kNone);
    EXPECT_EQ(list.GetItemBkColor(0, 4), kNone);
    EXPECT_EQ(list.GetItemBkColor(0, -1), kNone);
}

TEST_F(ListTest, ColourAddressingCoversCellRowColumnAndAll)
{
    Fill(5);
    list.SetItemTextColor(1, 2, kNavy, FALSE);   // one cell
    list.SetItemTextColor(-1, 2, kRed, FALSE);   // column 2 of every item
    list.SetItemBkColor(4, -1, kYellow, FALSE);  // every cell of item 4
    list.SetItemBkColor(7, 9, kNavy, FALSE);     // out of range on both: everything... then item 4 again
    list.SetItemBkColor(4, -1, kYellow, FALSE);
    for (int i = 0; i < 5; ++i)
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(list.GetItemTextColor(i, c), c == 2 ? kRed : WindowText()) << i << "," << c;
            EXPECT_EQ(list.GetItemBkColor(i, c), i == 4 ? kYellow : kNavy) << i << "," << c;
        }
    list.SetItemTextColor(2, 1, kYellow, FALSE);
    EXPECT_EQ(list.GetItemTextColor(2, 1), kYellow);
    EXPECT_EQ(list.GetItemTextColor(2, 0), WindowText());
    EXPECT_EQ(list.GetItemTextColor(3, 1), WindowText());
    // 0xFFFFFFFF stores the system colour of the moment.
    list.SetItemTextColor(-1, -1, kNone, FALSE);
    list.SetItemBkColor(-1, -1, kNone, FALSE);
    EXPECT_EQ(list.GetItemTextColor(0, 2), WindowText());
    EXPECT_EQ(list.GetItemBkColor(4, 3), Window());
}

TEST_F(ListTest, ColoursFollowInsertedAndDeletedColumns)
{
    Fill(3);
    for (int i = 0; i < 3; ++i)
        for (int c = 0; c < 4; ++c)
            list.SetItemTextColor(i, c, RGB(i, c, 1), FALSE);
    list.InsertColumn(1, "Contact", LVCFMT_LEFT, 80);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(list.GetItemTextColor(i, 0), RGB(i, 0, 1));
        EXPECT_EQ(list.GetItemTextColor(i, 1), WindowText());
        EXPECT_EQ(list.GetItemBkColor(i, 1), Window());
        for (int c = 1; c < 4; ++c)
            EXPECT_EQ(list.GetItemTextColor(i, c + 1), RGB(i, c, 1)) << i << "," << c;
    }
    list.DeleteColumn(1);
    for (int i = 0; i < 3; ++i)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(list.GetItemTextColor(i, c), RGB(i, c, 1)) << i << "," << c;
    // At both ends, and down to no column at all.
    list.InsertColumn(4, "Notes", LVCFMT_LEFT, 80);
    EXPECT_EQ(list.GetItemTextColor(2, 3), RGB(2, 3, 1));
    EXPECT_EQ(list.GetItemTextColor(2, 4), WindowText());
    for (int c = 4; c >= 0; --c)
        list.DeleteColumn(c);
    list.InsertColumn(0, "Again", LVCFMT_LEFT, 80);
    EXPECT_EQ(list.GetItemBkColor(1, 0), Window());
    EXPECT_EQ(list.GetItemTextColor(1, 0), WindowText());
}

TEST_F(ListTest, PaintedCellsShowTheirColours)
{
    Fill(3);
    list.SetItemBkColor(1, 2, kYellow, FALSE);
    list.SetItemTextColor(1, 2, kRed, TRUE);
    CRect rc;
    ASSERT_TRUE(list.GetSubItemRect(1, 2, LVIR_BOUNDS, rc));
    rc.DeflateRect(2, 2);
    // Background at the cell's right end, past the short text; the text in red.
    EXPECT_EQ(PixelAt(list, rc.right - 3, rc.CenterPoint().y), kYellow);
    EXPECT_GT(CountPixels(list, rc, kRed), 3);
    // The neighbours keep the system colours.
    CRect rcLeft;
    list.GetSubItemRect(1, 1, LVIR_BOUNDS, rcLeft);
    EXPECT_EQ(PixelAt(list, rcLeft.right - 5, rcLeft.CenterPoint().y), Window());
    EXPECT_EQ(CountPixels(list, rcLeft, kRed), 0);

    // A list view that gives column 0 no stage of its own (Wine's does, not
    // every one must) still draws it in its colours: the item stage has them.
    list.SetItemBkColor(1, 0, kNavy, FALSE);
    list.SetItemTextColor(1, 0, kYellow, FALSE);
    NMLVCUSTOMDRAW draw = {};
    draw.nmcd.hdr = { list.m_hWnd, kListId, (UINT)NM_CUSTOMDRAW };
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
    draw.nmcd.dwItemSpec = 1;
    draw.clrText = draw.clrTextBk = CLR_DEFAULT;
    EXPECT_EQ(frame.SendMessage(WM_NOTIFY, kListId, (LPARAM)&draw), CDRF_NOTIFYSUBITEMDRAW);
    EXPECT_EQ(draw.clrText, kYellow);
    EXPECT_EQ(draw.clrTextBk, kNavy);
}

TEST_F(ListTest, RedrawFalseLeavesThePaintingForLater)
{
    Fill(2);
    CRect rc;
    list.GetSubItemRect(0, 1, LVIR_BOUNDS, rc);
    CPoint pt(rc.right - 4, rc.CenterPoint().y);
    ASSERT_EQ(PixelAt(list, pt.x, pt.y), Window());
    list.SetItemBkColor(0, 1, kNavy, FALSE);
    EXPECT_EQ(PixelAt(list, pt.x, pt.y), Window()) << "nothing was invalidated";
    list.SetItemBkColor(0, 1, kNavy, TRUE);
    EXPECT_EQ(PixelAt(list, pt.x, pt.y), kNavy);
}

TEST_F(ListTest, ItemsInsertedBehindTheClassesBackAreHarmless)
{
    Fill(2);
    // One raw item without a parameter and one with a parameter that is no block.
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = 1;
    item.pszText = const_cast<char*>("raw");
    ASSERT_EQ(list.SendMessage(LVM_INSERTITEMA, 0, (LPARAM)&item), 1);
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = 3;
    item.lParam = 0x1234;
    item.pszText = const_cast<char*>("raw with param");
    ASSERT_EQ(list.SendMessage(LVM_INSERTITEMA, 0, (LPARAM)&item), 3);
    EXPECT_EQ(list.RawParam(3), 0) << "no foreign value is kept where blocks live";

    for (int i : { 1, 3 }) {
        EXPECT_EQ(list.GetItemData(i), 0u);
        EXPECT_FALSE(list.SetItemData(i, 5));
        EXPECT_EQ(list.GetItemTextColor(i, 0), kNone);
        EXPECT_EQ(list.GetItemBkColor(i, 1), kNone);
    }
    list.SetItemBkColor(-1, -1, kYellow, TRUE);  // skips them, paints the rest
    EXPECT_EQ(list.GetItemBkColor(0, 0), kYellow);
    EXPECT_EQ(list.GetItemBkColor(2, 3), kYellow);
    EXPECT_EQ(list.GetItemBkColor(1, 0), kNone);
    CRect rc;
    list.GetSubItemRect(1, 3, LVIR_BOUNDS, rc);
    EXPECT_EQ(PixelAt(list, rc.right - 4, rc.CenterPoint().y), Window());
    list.GetSubItemRect(2, 3, LVIR_BOUNDS, rc);
    EXPECT_EQ(PixelAt(list, rc.right - 4, rc.CenterPoint().y), kYellow);
    // They move and go like any other item.
    EXPECT_EQ(list.MoveToTop(3), 0);
    EXPECT_TRUE(list.SwapItems(0, 2));
    EXPECT_EQ(list.DeleteAllItems(ITEMSTATE_ANY), 4);
}
