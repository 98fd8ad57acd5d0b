// A parent that inserts and deletes columns from every notification it hears
// while rows are swapped, moved and sorted: every item keeps its data and its
// colours, and no block is lost or made twice.
#include "ListTestSupport.h"

namespace {
// The colours a row is given: its own in every column.
COLORREF RowText(int nOrigin, int nColumn) { return RGB(10 + nOrigin, nColumn, 1); }
COLORREF RowBk(int nOrigin, int nColumn) { return RGB(200, 100 + nOrigin, nColumn); }
}

class ListColumnChurnTest : public ListTest
{
protected:
    int nChurns = 0;
    bool bChurning = false;

    void SetUp() override
    {
        ListTest::SetUp();
        Fill(6);
        for (int i = 0; i < 6; ++i)
            for (int c = 0; c < 4; ++c) {
                list.SetItemTextColor(i, c, RowText(i, c), FALSE);
                list.SetItemBkColor(i, c, RowBk(i, c), FALSE);
            }
        // Every item notification: a column in front, and away again.
        frame.log.onMessage = [this](UINT message, WPARAM, LPARAM lParam, LRESULT&) {
            const NMHDR* pHeader = (const NMHDR*)lParam;
            if (message != WM_NOTIFY || !bChurning || pHeader->hwndFrom != list.m_hWnd)
                return false;
            const UINT code = pHeader->code;
            if (code != LVN_ITEMCHANGING && code != LVN_ITEMCHANGED && code != LVN_DELETEITEM && code != LVN_INSERTITEM)
                return false;
            bChurning = false;  // the column changes themselves are not churned again
            list.InsertColumn(0, "Churn", LVCFMT_LEFT, 30);
            list.DeleteColumn(0);
            bChurning = true;
            ++nChurns;
            return false;
        };
    }
    void TearDown() override { frame.log.onMessage = nullptr; }

    // The row that now holds the item first filled at nOrigin has all of its data and colours.
    void ExpectRow(int nRow, int nOrigin)
    {
        EXPECT_EQ(list.GetItemData(nRow), (DWORD)(1000 + nOrigin)) << "row " << nRow;
        EXPECT_EQ(Text(nRow), "Customer " + std::to_string(nOrigin));
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(list.GetItemTextColor(nRow, c), RowText(nOrigin, c)) << "row " << nRow << ", column " << c;
            EXPECT_EQ(list.GetItemBkColor(nRow, c), RowBk(nOrigin, c)) << "row " << nRow << ", column " << c;
        }
    }
};

TEST_F(ListColumnChurnTest, SwapMoveAndSortKeepEveryItemWhole)
{
    const LONG nBlocks = QELListCtrl::GetItemMemoryBlockCount();
    bChurning = true;

    EXPECT_TRUE(list.SwapItems(1, 4));
    EXPECT_GT(nChurns, 0) << "the parent heard of the swap";
    ExpectRow(1, 4);
    ExpectRow(4, 1);

    nChurns = 0;
    EXPECT_EQ(list.MoveTo(0, 3), 3);
    EXPECT_GT(nChurns, 0);
    // 0 1 2 3 4 5 after the swap held 0 4 2 3 1 5; the move takes the first to row 3.
    const int afterMove[] = { 4, 2, 3, 0, 1, 5 };
    for (int r = 0; r < 6; ++r)
        ExpectRow(r, afterMove[r]);

    // Descending by the customer's name, with the rows rewritten one by one.
    nChurns = 0;
    list.bIgnorePlatformSort = true;
    list.SetSortable(TRUE);
    list.SortItems(0, FALSE);
    EXPECT_GT(nChurns, 0);
    for (int r = 0; r < 6; ++r)
        ExpectRow(r, 5 - r);
    bChurning = false;

    EXPECT_EQ(list.GetColumnCount(), 4);
    EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nBlocks);
    EXPECT_EQ(list.DeleteAllItems(), 6);
    EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nBlocks - 6);
}
