// The base class's own operations on a QELListCtrl, called through a CListCtrl*
// as any code that knows only the framework's list does: a parameter written
// there becomes the item's data, and items deleted there give their memory back.
#include "ListTestSupport.h"
#include "ListParentFrame.h"
#include "PixelReader.h"
#include <functional>

namespace {
const COLORREF kRed = RGB(220, 0, 0), kYellow = RGB(255, 255, 0);
}

TEST_F(ListTest, AParameterWrittenThroughTheBaseClassBecomesTheItemsData)
{
    Fill(4);
    list.SetItemBkColor(1, 2, kYellow, FALSE);
    list.SetItemTextColor(2, 0, kRed, FALSE);
    const LPARAM block1 = list.RawParam(1), block2 = list.RawParam(2);
    const LONG nBlocks = QELListCtrl::GetItemMemoryBlockCount();
    CListCtrl* pBase = &list;

    EXPECT_TRUE(pBase->SetItemData(1, 42));
    EXPECT_EQ(list.GetItemData(1), 42u);
    EXPECT_EQ(list.RawParam(1), block1) << "the item keeps its block";
    EXPECT_EQ(list.GetItemBkColor(1, 2), kYellow);
    EXPECT_TRUE(pBase->SetItem(2, 0, LVIF_PARAM | LVIF_TEXT, "Renamed", 0, 0, 0, 77));
    EXPECT_EQ(list.GetItemData(2), 77u);
    EXPECT_EQ(Text(2), "Renamed");
    EXPECT_EQ(list.RawParam(2), block2);
    // A value as wide as a pointer is kept whole.
    const DWORD_PTR wide = ((DWORD_PTR)0x5A << (sizeof(LPARAM) * 4)) | 0x1234u;
    EXPECT_TRUE(pBase->SetItemData(0, wide));
    EXPECT_EQ(list.GetItemData(0), wide);
    // Also where the list view's change notification does not carry the old parameter.
    frame.log.onMessage = [](UINT message, WPARAM, LPARAM lParam, LRESULT&) {
        auto* pListView = reinterpret_cast<NMLISTVIEW*>(lParam);
        if (message == WM_NOTIFY && pListView->hdr.code == (UINT)LVN_ITEMCHANGING)
            pListView->lParam = 0;
        return false;
    };
    const LPARAM block3 = list.RawParam(3);
    EXPECT_TRUE(pBase->SetItemData(3, 99));
    frame.log.onMessage = nullptr;
    EXPECT_EQ(list.GetItemData(3), 99u);
    EXPECT_EQ(list.RawParam(3), block3);
    EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nBlocks) << "no block made or lost";

    // Everything of the class goes on working on those items.
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = 1;
    ASSERT_TRUE(list.GetItem(&item));
    EXPECT_EQ(item.lParam, 42);
    EXPECT_TRUE(list.SetItemData(1, 43));
    EXPECT_EQ(list.GetItemData(1), 43u);
    list.SetItemTextColor(1, -1, kRed, FALSE);
    EXPECT_EQ(list.GetItemTextColor(1, 3), kRed);
    EXPECT_EQ(list.GetItemBkColor(1, 2), kYellow);
    EXPECT_EQ(list.InsertColumn(0, "Key", LVCFMT_LEFT, 60), 0);
    EXPECT_EQ(list.GetItemBkColor(1, 3), kYellow);
    EXPECT_EQ(list.GetItemTextColor(2, 1), kRed);
    list.UpdateWindow();
    CRect rc;
    ASSERT_TRUE(list.CListCtrl::GetSubItemRect(1, 3, LVIR_BOUNDS, rc));
    EXPECT_EQ(PixelAt(list, rc.right - 4, rc.CenterPoint().y), kYellow);
    EXPECT_TRUE(list.SwapItems(1, 2));
    EXPECT_EQ(list.GetItemData(2), 43u);
    EXPECT_EQ(list.GetItemData(1), 77u);
    EXPECT_EQ(list.DeleteAllItems(), 4);
    EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nBlocks - 4);
}

TEST_F(ListTest, ItemsDeletedThroughTheBaseClassGiveTheirMemoryBack)
{
    const LONG nStart = QELListCtrl::GetItemMemoryBlockCount();
    Fill(6);
    CListCtrl* pBase = &list;
    // The parent reads the item's data while it hears of the deletion.
    std::vector<DWORD> dataSeen;
    frame.log.onMessage = [&](UINT message, WPARAM, LPARAM lParam, LRESULT&) {
        if (message == WM_NOTIFY && ((NMHDR*)lParam)->code == LVN_DELETEITEM)
            dataSeen.push_back(list.GetItemData(((NMLISTVIEW*)lParam)->iItem));
        return false;
    };
    EXPECT_TRUE(pBase->DeleteItem(1));
    EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nStart + 5);
    EXPECT_EQ(dataSeen, std::vector<DWORD>{ 1001 });
    EXPECT_EQ(list.GetItemData(1), 1002u) << "the others keep theirs";
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nStart + 4) << "freed once, by whoever deletes";
    EXPECT_TRUE(pBase->DeleteAllItems());
    EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nStart);

    frame.log.onMessage = nullptr;

    // Items whose parameter was overwritten and then deleted: still once each.
    Fill(3);
    pBase->SetItemData(0, 5);
    pBase->SetItemData(2, 0);
    EXPECT_TRUE(pBase->DeleteItem(2));
    EXPECT_TRUE(pBase->DeleteItem(0));
    EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nStart + 1);
    // The window's destruction takes the rest.
    list.DestroyWindow();
    EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nStart);
}

TEST(ListBaseClass, AParentThatRefusesPerItemNotificationsLeaksNothing)
{
    const LONG nStart = QELListCtrl::GetItemMemoryBlockCount();
    // A parent that answers LVN_DELETEALLITEMS with TRUE: the list view then
    // sends no LVN_DELETEITEM for the items.
    CListParentFrame frame;
    int nPerItem = 0;
    frame.onDeleteAllItems = [](NMLISTVIEW*, LRESULT* pResult) { *pResult = TRUE; };
    frame.onDeleteItem = [&](NMLISTVIEW*, LRESULT*) { ++nPerItem; };
    QELListCtrl list;
    ASSERT_TRUE(list.Create(&frame, 6, CRect(0, 0, 300, 200)));
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
    for (int i = 0; i < 5; ++i)
        list.InsertItem(i, "row");
    EXPECT_TRUE(static_cast<CListCtrl&>(list).DeleteAllItems());
    EXPECT_EQ(nPerItem, 0) << "the parent's answer was kept";
    EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nStart);
    for (int i = 0; i < 3; ++i)
        list.InsertItem(i, "again");
    list.DestroyWindow();
    EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nStart);
}

// The cells a text may be written to follow the columns, however they were
// added or taken away: through the class, the base class, or a message of
// either character set sent straight to the window. A count kept from before
// a change would refuse a new column's cells or write to a column that is gone.
TEST_F(ListTest, CellsFollowColumnsChangedByEveryPath)
{
    Fill(2);
    CListCtrl* pBase = &list;
    EXPECT_FALSE(list.SetItemText(0, 4, "none yet"));
    struct Step
    {
        const char* name;
        std::function<void()> change;
        int nColumns;
    };
    const Step steps[] = {
        { "base class inserts", [&] { pBase->InsertColumn(4, "Fifth", LVCFMT_LEFT, 60); }, 5 },
        { "wide message inserts",
          [&] {
              LVCOLUMNW column = {};
              column.mask = LVCF_TEXT | LVCF_WIDTH;
              column.pszText = const_cast<LPWSTR>(L"Sixth");
              column.cx = 60;
              ::SendMessageW(list.m_hWnd, LVM_INSERTCOLUMNW, 5, (LPARAM)&column);
          },
          6 },
        { "message deletes", [&] { ::SendMessageA(list.m_hWnd, LVM_DELETECOLUMN, 5, 0); }, 5 },
        { "base class deletes", [&] { pBase->DeleteColumn(4); }, 4 },
        { "class inserts", [&] { list.InsertColumn(4, "Again", LVCFMT_LEFT, 60); }, 5 },
        { "class deletes", [&] { list.DeleteColumn(1); }, 4 },
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        const int nExpected = step.nColumns;
        // Asked before the change, so a count could be kept from then.
        EXPECT_TRUE(list.SetItemText(1, 0, "asked"));
        step.change();
        ASSERT_EQ(list.GetColumnCount(), nExpected);
        EXPECT_TRUE(list.SetItemText(1, nExpected - 1, "last"));
        EXPECT_EQ(Text(1, nExpected - 1), "last");
        EXPECT_FALSE(list.SetItemText(1, nExpected, "beyond"));
    }
    // A column added while no object watched the window, then watched again.
    ASSERT_EQ(list.GetColumnCount(), 4);
    HWND hList = list.UnsubclassWindow();
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH;
    column.cx = 40;
    ::SendMessageA(hList, LVM_INSERTCOLUMNA, 4, (LPARAM)&column);
    ASSERT_TRUE(list.SubclassWindow(hList));
    EXPECT_EQ(list.GetColumnCount(), 5);
    EXPECT_TRUE(list.SetItemText(1, 4, "unwatched"));
}
