// No item memory outlives its item: deleting items, destroying the window and
// destroying the object all give the blocks back.
#include "ListTestSupport.h"
#include <memory>

TEST(ListMemory, BlocksGoWithTheirItemsTheWindowAndTheObject)
{
    const LONG nStart = QELListCtrl::GetItemMemoryBlockCount();
    CRecordingFrame frame;
    {
        QELListCtrl list;
        ASSERT_TRUE(list.Create(&frame, 1, CRect(0, 0, 300, 200)));
        list.CListCtrl::InsertColumn(0, "Name", LVCFMT_LEFT, 100);
        for (int i = 0; i < 20; ++i)
            list.InsertItem(i, "row");
        EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nStart + 20);
        list.DeleteItem(3);
        list.DeleteItem(0, TRUE);
        list.SetItemStates(4, ITEMSTATE_SELECTED);  // with item 0, selected by the deletion
        EXPECT_EQ(list.DeleteAllItems(ITEMSTATE_SELECTED), 2);
        EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nStart + 16);
        list.MoveTo(2, 9);
        list.SwapItems(0, 15);
        EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nStart + 16);
        list.DestroyWindow();
        EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nStart);
    }
    {
        // The object goes first, and takes its window with it (as the
        // framework's window objects do): nothing is left to point into it.
        auto pList = std::make_unique<QELListCtrl>();
        ASSERT_TRUE(pList->Create(&frame, 2, CRect(0, 0, 300, 200)));
        pList->CListCtrl::InsertColumn(0, "Name", LVCFMT_LEFT, 100);
        for (int i = 0; i < 5; ++i)
            pList->InsertItem(i, "row");
        HWND hWnd = pList->GetSafeHwnd();
        pList.reset();
        EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nStart);
        EXPECT_FALSE(::IsWindow(hWnd));
    }
    {
        // A dialog that goes away with the list in it.
        DialogTemplate tmpl("List", 200, 120);
        tmpl.Add("SysListView32", "", 1001, WS_CHILD | WS_VISIBLE | LVS_REPORT, 5, 5, 150, 80);
        CRecordingDialog dlg(tmpl);
        QELListCtrl list;
        dlg.onInitDialog = [&](CRecordingDialog& d) { list.SubclassDlgItem(1001, &d); };
        ASSERT_TRUE(dlg.CreateModeless());
        list.CListCtrl::InsertColumn(0, "Name", LVCFMT_LEFT, 100);
        list.InsertItemEx(0, "a", nullptr);
        list.InsertItemEx(1, "b", nullptr);
        EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nStart + 2);
        dlg.DestroyWindow();
        EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nStart);
    }
}
