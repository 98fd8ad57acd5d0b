// The item parameter is the class's own bookkeeping: a parent that vetoes item
// changes cannot stop it, and never hears of it.
#include "ListTestSupport.h"
#include "ListParentFrame.h"

namespace {
// A parent that lets no item change, and counts what it hears of parameters.
struct CVetoFrame : CListParentFrame
{
    int nChanging = 0, nParamChanging = 0, nParamChanged = 0;
    UINT uLastChanged = 0;
    CVetoFrame()
    {
        onItemChanging = [this](NMLISTVIEW* pListView, LRESULT* pResult) {
            ++nChanging;
            uLastChanged = pListView->uChanged;
            if (uLastChanged & LVIF_PARAM)
                ++nParamChanging;
            *pResult = TRUE;  // no item may change
        };
        onItemChanged = [this](NMLISTVIEW* pListView, LRESULT*) {
            if (pListView->uChanged & LVIF_PARAM)
                ++nParamChanged;
        };
    }
};
}

TEST(ListParamNotify, AVetoingParentCannotStopTheBookkeeping)
{
    CVetoFrame frame;
    TestableListCtrl list;
    ASSERT_TRUE(list.Create(&frame, 5, CRect(0, 0, 400, 300)));
    list.CListCtrl::InsertColumn(0, "Name", LVCFMT_LEFT, 100);
    list.CListCtrl::InsertColumn(1, "City", LVCFMT_LEFT, 100);
    for (int i = 0; i < 4; ++i)
        list.InsertItemEx(i, i % 2 ? "Odd" : "Even", "Town", nullptr);
    // The parent's veto works for a real change...
    EXPECT_FALSE(list.SetItemStates(0, ITEMSTATE_SELECTED));
    EXPECT_EQ(frame.nChanging, 1);
    EXPECT_EQ(frame.uLastChanged, (UINT)LVIF_STATE);

    // ...but not for the parameter.
    EXPECT_TRUE(list.SetItemData(1, 55));
    EXPECT_EQ(list.GetItemData(1), 55u);
    list.SetItemTextColor(1, 1, RGB(9, 9, 9), FALSE);
    const LPARAM block = list.RawParam(1);
    list.InsertColumn(0, "First", LVCFMT_LEFT, 60);
    EXPECT_EQ(list.GetItemTextColor(1, 2), RGB(9, 9, 9));
    EXPECT_EQ(list.RawParam(1), block) << "a column keeps the block where it is";
    // Texts and states of a swap or move are real changes the parent may stop;
    // the memory still goes where the row goes.
    EXPECT_TRUE(list.SwapItems(1, 2));
    EXPECT_EQ(list.GetItemData(2), 55u);
    EXPECT_EQ(list.GetItemTextColor(2, 2), RGB(9, 9, 9));
    EXPECT_EQ(list.MoveToTop(2), 0);
    EXPECT_EQ(list.GetItemData(0), 55u);
    EXPECT_EQ(list.GetItemTextColor(0, 2), RGB(9, 9, 9));
    EXPECT_EQ(frame.nParamChanging, 0) << "parameter changes are not the parent's business";
    EXPECT_EQ(frame.nParamChanged, 0);
    EXPECT_EQ(list.DeleteAllItems(), 4);
}
