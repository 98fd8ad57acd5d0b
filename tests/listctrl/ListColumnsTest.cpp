// Columns one by one and from a definition string, with the cell colours kept
// in step; header texts and header images.
#include "ListTestSupport.h"
#include "ListEditResources.h"
#include "PixelReader.h"
#include "CodePagePrefix.h"

namespace {
const COLORREF kBlue = RGB(0, 0, 200);
const COLORREF kGreen = RGB(0, 160, 0);

struct ColumnInfo
{
    std::string heading;
    int width;
    int format;
};

ColumnInfo Column(QELListCtrl& list, int nColumn)
{
    char text[64] = "";
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = text;
    column.cchTextMax = sizeof(text);
    list.CListCtrl::GetColumn(nColumn, &column);
    return { text, column.cx, column.fmt & LVCFMT_JUSTIFYMASK };
}

std::string Describe(QELListCtrl& list)
{
    std::string s;
    for (int c = 0; c < list.GetColumnCount(); ++c) {
        ColumnInfo info = Column(list, c);
        s += "[" + info.heading + " " + std::to_string(info.width) + " " + std::to_string(info.format) + "]";
    }
    return s;
}
}

TEST_F(ListEditTest, AColumnDefinitionReplacesEveryItemAndColumn)
{
    EXPECT_TRUE(list.SetColumnHeader("A;B,50;C,60,1;D,70,2"));
    // 1 is centred (LVCFMT_CENTER 2), 2 right-aligned (LVCFMT_RIGHT 1).
    EXPECT_EQ(Describe(list), "[A 100 0][B 50 0][C 60 2][D 70 1]");
    EXPECT_EQ(list.CListCtrl::GetItemCount(), 0);
    EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), 0) << "the items went with their memory";

    EXPECT_TRUE(list.SetColumnHeader("Name,150;Size,80,2;Type"));
    EXPECT_EQ(Describe(list), "[Name 150 0][Size 80 1][Type 100 0]");
    EXPECT_TRUE(list.SetColumnHeader(",50;;W,abc;X,90,x;"));
    EXPECT_EQ(Describe(list), "[50 100 0][W 0 0][X 90 0]");
    // The editor takes the definition's alignment.
    list.InsertItemEx(0, "readme", "x", "y");
    EXPECT_TRUE(list.SetColumnHeader("Item;Qty,60,2;Pack,40,1"));
    list.InsertItemEx(0, "Beans", "2", "1kg");
    list.SetEditable(TRUE);
    ASSERT_TRUE(list.StartEdit(0, 1));
    EXPECT_EQ(list.GetEditControl()->GetStyle() & 3u, (DWORD)ES_RIGHT);
    ASSERT_TRUE(list.StartEdit(0, 2));
    EXPECT_EQ(list.GetEditControl()->GetStyle() & 3u, (DWORD)ES_CENTER);
    list.SetEditable(FALSE);

    list.InsertItem(0, "left over");
    EXPECT_FALSE(list.SetColumnHeader(""));
    EXPECT_EQ(list.GetColumnCount(), 0);
    EXPECT_EQ(list.CListCtrl::GetItemCount(), 0);
    EXPECT_FALSE(list.SetColumnHeader(";,;"));
}

TEST_F(ListEditTest, ADefinitionDropsAnEditInProgressWithTheItems)
{
    list.SetEditable(TRUE);
    ASSERT_TRUE(list.StartEdit(1, 1));
    Type("7");
    list.SetColumnHeader("Code;Description");
    // The items were deleted first, so the edit was dropped with them.
    EXPECT_TRUE(frame.log.Of(LISTMSG_CELLEDITED).empty());
    EXPECT_FALSE(list.IsEditing());
    EXPECT_FALSE(list.EditorVisible());
}

TEST_F(ListEditTest, SplittingDropsEmptyPieces)
{
    EXPECT_TRUE(list.SetColumnHeader(";Name,150;;Size;"));
    EXPECT_EQ(Describe(list), "[Name 150 0][Size 100 0]");
    EXPECT_FALSE(list.SetColumnHeader(";;"));
    EXPECT_EQ(list.GetColumnCount(), 0);
}

TEST_F(ListEditTest, CellColoursFollowInsertedAndDeletedColumns)
{
    const COLORREF crText = ::GetSysColor(COLOR_WINDOWTEXT), crBk = ::GetSysColor(COLOR_WINDOW);
    for (int c = 0; c < 4; ++c)
        list.SetItemTextColor(-1, c, RGB(10 * c, 0, 0), FALSE);
    list.SetItemBkColor(2, 1, kGreen, FALSE);

    EXPECT_EQ(list.InsertColumn(0, "Code", LVCFMT_LEFT, 60), 0);
    for (int i = 0; i < kStockRows; ++i) {
        EXPECT_EQ(list.GetItemTextColor(i, 0), crText) << i;
        EXPECT_EQ(list.GetItemBkColor(i, 0), crBk) << i;
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(list.GetItemTextColor(i, c + 1), RGB(10 * c, 0, 0)) << i << "," << c;
    }
    EXPECT_EQ(list.GetItemBkColor(2, 2), kGreen);

    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<LPSTR>("Supplier");
    column.cx = 90;
    EXPECT_EQ(list.InsertColumn(3, &column), 3);
    list.SetItemTextColor(1, 3, kBlue, FALSE);
    EXPECT_EQ(list.GetItemTextColor(1, 4), RGB(20, 0, 0)) << "the old column 2 (Status) moved to 4";

    EXPECT_TRUE(list.DeleteColumn(0));
    EXPECT_EQ(list.GetItemTextColor(1, 2), kBlue);
    EXPECT_EQ(list.GetItemBkColor(2, 1), kGreen);
    EXPECT_EQ(list.GetItemTextColor(0, 0), RGB(0, 0, 0));

    // Refused insertions and deletions leave the colours alone.
    EXPECT_EQ(list.InsertColumn(1, (const LVCOLUMNA*)nullptr), -1);
    EXPECT_FALSE(list.DeleteColumn(9));
    EXPECT_FALSE(list.DeleteColumn(-1));
    EXPECT_EQ(list.GetColumnCount(), 5);
    EXPECT_NE(list.GetItemTextColor(0, 4), 0xFFFFFFFFu) << "every column still has its colours";
    EXPECT_EQ(list.GetItemTextColor(1, 2), kBlue);

    EXPECT_TRUE(list.DeleteAllColumns());
    EXPECT_EQ(list.GetColumnCount(), 0);
    for (int i = 0; i < kStockRows; ++i) {
        EXPECT_EQ(list.GetItemTextColor(i, 0), 0xFFFFFFFFu);
    }
    EXPECT_TRUE(list.DeleteAllColumns()) << "nothing left to delete is no failure";
}

TEST_F(ListEditTest, ColumnChangesCommitAnEditInProgress)
{
    list.SetEditable(TRUE);
    ASSERT_TRUE(list.StartEdit(0, 2));
    Type("Low");
    list.InsertColumn(4, "Shelf");
    EXPECT_EQ(Text(0, 2), "Low");
    ASSERT_TRUE(list.StartEdit(1, 2));
    Type("Ordered");
    list.DeleteColumn(4);
    EXPECT_EQ(Text(1, 2), "Ordered");
    EXPECT_EQ(Sent(LISTMSG_CELLEDITED), (Pairs{ { 0, 2 }, { 1, 2 } }));
}

TEST_F(ListEditTest, HeaderTexts)
{
    EXPECT_EQ(std::string(list.GetHeaderText(1)), "Qty");
    EXPECT_TRUE(list.SetHeaderText(1, "Quantity"));
    EXPECT_EQ(std::string(list.GetHeaderText(1)), "Quantity");
    EXPECT_TRUE(list.SetHeaderText(2, nullptr));
    EXPECT_EQ(std::string(list.GetHeaderText(2)), "");
    // A long text comes back whole.
    std::string longText(300, 'x');
    longText += "end";
    EXPECT_TRUE(list.SetHeaderText(3, longText.c_str()));
    EXPECT_EQ(std::string(list.GetHeaderText(3)), longText);
    std::string exact(255, 'y');
    EXPECT_TRUE(list.SetHeaderText(3, exact.c_str()));
    EXPECT_EQ(std::string(list.GetHeaderText(3)), exact);

    EXPECT_FALSE(list.SetHeaderText(4, "none"));
    EXPECT_FALSE(list.SetHeaderText(-1, "none"));
    EXPECT_EQ(std::string(list.GetHeaderText(4)), "");
    // A list without column header has no texts to give or take.
    list.ModifyStyle(0, LVS_NOCOLUMNHEADER);
    EXPECT_FALSE(list.SetHeaderText(0, "Item"));
    EXPECT_EQ(std::string(list.GetHeaderText(0)), "");
    list.ModifyStyle(LVS_NOCOLUMNHEADER, 0);
    EXPECT_EQ(std::string(list.GetHeaderText(0)), "Product");
}

TEST_F(ListEditTest, HeaderImagesOnEitherSideNeverLoseTheRightSide)
{
    auto format = [&](int nColumn) {
        HDITEMA item = {};
        item.mask = HDI_FORMAT;
        ::SendMessageA(list.Header(), HDM_GETITEMA, nColumn, (LPARAM)&item);
        return item.fmt;
    };
    EXPECT_TRUE(list.SetHeaderImage(1, 3, TRUE));
    EXPECT_EQ(list.GetHeaderImage(1), 3);
    EXPECT_TRUE(format(1) & HDF_IMAGE);
    EXPECT_FALSE(format(1) & HDF_BITMAP_ON_RIGHT);
    EXPECT_EQ(format(1) & HDF_JUSTIFYMASK, HDF_RIGHT) << "the alignment stays";

    EXPECT_TRUE(list.SetHeaderImage(2, 1, FALSE));
    EXPECT_TRUE(format(2) & HDF_BITMAP_ON_RIGHT);
    EXPECT_TRUE(list.SetHeaderImage(2, 2, TRUE));
    EXPECT_EQ(list.GetHeaderImage(2), 2);
    EXPECT_TRUE(format(2) & HDF_BITMAP_ON_RIGHT) << "no flag is ever taken away";

    EXPECT_EQ(list.GetHeaderImage(4), -1);
    EXPECT_EQ(list.GetHeaderImage(-1), -1);
    EXPECT_FALSE(list.SetHeaderImage(4, 0, TRUE));
}

TEST_F(ListEditTest, TheHeaderShowsItsImagesOnTheSideAsked)
{
    // Image 1 of the strip is a green square on the mask colour.
    list.SetImageList(IDB_LISTEDIT_FOUR, RGB(255, 0, 255));
    HWND hHeader = list.Header();
    CRect rc;
    ::SendMessageA(hHeader, HDM_GETITEMRECT, 3, (LPARAM)&rc);
    // The leftmost pixel of the image. A list loaded from a bitmap may hold fewer
    // colours than the bitmap: green is any colour green dominates.
    auto imageLeft = [&] {
        ::RedrawWindow(hHeader, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
        for (int x = rc.left; x < rc.right; ++x)
            for (int y = rc.top; y < rc.bottom; ++y) {
                COLORREF c = PixelAt(hHeader, x, y);
                if (GetGValue(c) >= 100 && GetRValue(c) < 80 && GetBValue(c) < 80)
                    return x;
            }
        return -1;
    };
    ASSERT_EQ(imageLeft(), -1);
    ASSERT_TRUE(list.SetHeaderImage(3, 1, TRUE));
    ASSERT_EQ((HIMAGELIST)::SendMessageA(hHeader, HDM_GETIMAGELIST, 0, 0), list.GetImageList()->GetSafeHandle())
        << "the header took the small image list";
    const int xLeftSide = imageLeft();
    ASSERT_GE(xLeftSide, rc.left);
    EXPECT_EQ(CountPixels(hHeader, rc, RGB(255, 0, 255)), 0) << "the mask colour is transparent";
    ASSERT_TRUE(list.SetHeaderImage(3, 1, FALSE));
    const int xRightSide = imageLeft();
    // Right of the text "Notes", which is wider than this.
    EXPECT_GT(xRightSide, xLeftSide + 20);
    ASSERT_TRUE(list.SetHeaderImage(3, 1, TRUE));
    EXPECT_EQ(imageLeft(), xRightSide) << "once on the right, always on the right";
}

// Shift-JIS (ListctrlTestsJapanese): texts whose trail bytes are '\' and letters (表 95 5C, ソ 83 5C,
// 能 94 5C, ア 83 41, ャ 83 61, デ 83 66) and a one-byte half-width katakana (ｱ B1) go through the
// column definition, the header, a sort around a separator row and an edit in place whole.
TEST_F(ListEditTest, ShiftJisTextsSplitSortAndEditByWholeCharacters)
{
    SKIP_UNLESS_IN_CODE_PAGE(932u);
    ASSERT_TRUE(list.SetColumnHeader("\x95\x5C,60;\x83\x5C\x83\x41,80,2;\x83\x66"));
    EXPECT_EQ(Describe(list), "[\x95\x5C 60 0][\x83\x5C\x83\x41 80 1][\x83\x66 100 0]");
    EXPECT_EQ(std::string(list.GetHeaderText(1)), "\x83\x5C\x83\x41");

    const char* rows[] = { "\x95\x5C", "\xB1", "\x83\x41", "\x94\x5C\x94\x5C", "\x83\x5C\x5C", "\x83\x5C" };
    for (int i = 0; i < 6; ++i)
        ASSERT_EQ(list.InsertItemEx(i, rows[i], "x"), i);
    list.SetSortSeparator("\x94\x5C\x94\x5C");
    list.SortItems(0, TRUE);
    // By characters of the code page: a one-byte character before every two-byte one (byte by
    // byte ｱ would come last), and the separator row stays.
    EXPECT_EQ(ListRows(list), "\xB1|\x83\x41|\x95\x5C|\x94\x5C\x94\x5C|\x83\x5C|\x83\x5C\x5C");

    // ア and ャ differ only in a trail byte's letter case: that is a change.
    list.SetEditable(TRUE);
    ASSERT_TRUE(list.StartEdit(1, 0));
    EXPECT_EQ(list.EditorText(), "\x83\x41");
    Type("\x83\x61");
    EXPECT_TRUE(list.EndEdit(TRUE));
    EXPECT_EQ(Text(1, 0), "\x83\x61");
    ASSERT_TRUE(list.StartEdit(5, 0));
    EXPECT_FALSE(list.EndEdit(TRUE)) << "the same text is no change";
    EXPECT_EQ(Sent(LISTMSG_CELLEDITED), (Pairs{ { 1, 0 } }));
}

// A text read through a buffer that a character straddles the end of, in any code page whose
// characters take several bytes (表 is 95 5C in Shift-JIS, B1 ED in GBK, E8 A1 A8 in UTF-8): the
// header copies whole characters only and leaves bytes unwritten, which must not pass for the
// end of the text; at the largest buffer the text is cut before the character, never inside it.
TEST_F(ListEditTest, MultiByteTextsReadWholeAtEveryBufferEdge)
{
    SKIP_UNLESS_IN_ANOTHER_CODE_PAGE();
    const std::string ch = AnsiText(L"\u8868");
    ASSERT_GE(ch.size(), 2u);
    for (int n : { 251, 252, 253, 254, 255, 256, 509, 510 }) {
        const std::string text = std::string(static_cast<size_t>(n), 'a') + ch + "z";
        ASSERT_TRUE(list.SetHeaderText(0, text.c_str()));
        EXPECT_EQ(std::string(list.GetHeaderText(0)), text) << n << " bytes before the character";
        ASSERT_TRUE(list.CListCtrl::SetItemText(0, 1, text.c_str()));
        EXPECT_EQ(Text(0, 1), text) << n << " bytes before the character";
    }
    // Past the largest buffers (1 MB for the header, 16 MB for a cell) the character whose
    // first byte fills the last byte goes whole.
    for (size_t nCap : { size_t(1) << 20, size_t(16) << 20 }) {
        const std::string text = std::string(nCap - 2, 'a') + ch + "z";
        const bool bHeader = nCap == (size_t(1) << 20);
        ASSERT_TRUE(bHeader ? list.SetHeaderText(0, text.c_str()) : list.CListCtrl::SetItemText(0, 1, text.c_str()));
        const CString got = bHeader ? list.GetHeaderText(0) : list.CListCtrl::GetItemText(0, 1);
        EXPECT_EQ(static_cast<size_t>(got.GetLength()), nCap - 2) << (bHeader ? "header" : "cell");
    }
}
