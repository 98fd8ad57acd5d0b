// Which operations end an edit in progress and how: changes of the check
// style, swaps and column changes commit it (the parent hears of it once,
// with the text written); the window's end discards it silently; item,
// data, image and colour writes leave it open for the user to finish.
#include "ListTestSupport.h"
#include <functional>

namespace {
struct Operation
{
    const char* name;
    std::function<void(QELListCtrl&)> run;
};
}

class ListEditPathsTest : public ListTest
{
protected:
    void SetUp() override
    {
        ListTest::SetUp();
        Fill(4);
    }
    // Opens an edit of row 1, column 1 with a changed text.
    void OpenEdit()
    {
        frame.log.Clear();
        ASSERT_TRUE(list.FakeEdit(1, 1, "Edited"));
        ASSERT_TRUE(list.IsEditing());
    }
};

TEST_F(ListEditPathsTest, ChangesOfTheListCommitTheEditOnce)
{
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<LPSTR>("Added");
    column.cx = 60;
    const Operation operations[] = {
        { "check style single", [](QELListCtrl& l) { l.SetCheckboxeStyle(CHECKSTYLE_SINGLE); } },
        { "check style none", [](QELListCtrl& l) { l.SetCheckboxeStyle(CHECKSTYLE_NONE); } },
        { "swap", [](QELListCtrl& l) { l.SwapItems(0, 3); } },
        { "swap of the edited row", [](QELListCtrl& l) { l.SwapItems(1, 2); } },
        { "column from a record", [&](QELListCtrl& l) { l.InsertColumn(0, &column); } },
        { "column deleted after", [](QELListCtrl& l) { l.DeleteColumn(3); } },
    };
    for (const Operation& op : operations) {
        SCOPED_TRACE(op.name);
        list.DestroyWindow();  // a fresh list each time
        SetUp();
        OpenEdit();
        std::string strAtMessage;
        frame.log.onMessage = [&](UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
            if (message == LISTMSG_CELLEDITED)
                strAtMessage = Text((int)wParam, (int)lParam);
            return false;
        };
        op.run(list);
        frame.log.onMessage = nullptr;
        EXPECT_FALSE(list.IsEditing());
        auto edited = frame.log.Of(LISTMSG_CELLEDITED);
        ASSERT_EQ(edited.size(), 1u) << frame.log.Describe(LISTMSG_CELLEDITED);
        EXPECT_EQ(edited[0].wParam, 1u);
        EXPECT_EQ(edited[0].lParam, 1);
        EXPECT_EQ(strAtMessage, "Edited") << "written before the parent hears of it";
        // The text went with its row wherever the operation took it.
        std::string rows;
        for (int i = 0; i < list.CListCtrl::GetItemCount(); ++i)
            for (int c = 0; c < list.GetColumnCount(); ++c)
                rows += Text(i, c) + "|";
        EXPECT_NE(rows.find("Edited|"), std::string::npos) << rows;
        // Ending it again has nothing left to commit.
        EXPECT_FALSE(list.EndEdit(TRUE));
        EXPECT_EQ(frame.log.Count(LISTMSG_CELLEDITED), 1);
    }
}

TEST_F(ListEditPathsTest, WritesToItemsLeaveTheEditOpen)
{
    const Operation operations[] = {
        { "item record", [](QELListCtrl& l) { l.SetItem(1, 2, LVIF_TEXT, "7", 0, 0, 0, 0); } },
        { "item record of the edited cell", [](QELListCtrl& l) { l.SetItem(1, 1, LVIF_IMAGE, nullptr, 1, 0, 0, 0); } },
        { "item data", [](QELListCtrl& l) { l.SetItemData(1, 42); } },
        { "cell image", [](QELListCtrl& l) { l.SetItemImage(1, 1, 2); } },
        { "text colour", [](QELListCtrl& l) { l.SetItemTextColor(1, 1, RGB(255, 0, 0)); } },
        { "background colour", [](QELListCtrl& l) { l.SetItemBkColor(-1, -1, RGB(0, 0, 255)); } },
    };
    for (const Operation& op : operations) {
        SCOPED_TRACE(op.name);
        OpenEdit();
        const std::string strBefore = Text(1, 1);
        op.run(list);
        EXPECT_TRUE(list.IsEditing());
        EXPECT_TRUE(list.EditorVisible());
        EXPECT_EQ(frame.log.Count(LISTMSG_CELLEDITED), 0) << frame.log.Describe(LISTMSG_CELLEDITED);
        EXPECT_EQ(Text(1, 1), strBefore) << "nothing committed behind the user's back";
        // The user still finishes the edit as usual.
        EXPECT_TRUE(list.EndEdit(TRUE));
        EXPECT_EQ(Text(1, 1), "Edited");
        EXPECT_EQ(frame.log.Count(LISTMSG_CELLEDITED), 1);
        list.CListCtrl::SetItemText(1, 1, strBefore.c_str());
    }
}

TEST_F(ListEditPathsTest, TheWindowsEndDiscardsTheEdit)
{
    OpenEdit();
    const HWND hEditor = list.Editor();
    list.DestroyWindow();
    EXPECT_EQ(frame.log.Count(LISTMSG_CELLEDITED), 0) << frame.log.Describe(LISTMSG_CELLEDITED);
    EXPECT_FALSE(::IsWindow(hEditor));
    EXPECT_FALSE(list.EndEdit(TRUE));
    EXPECT_EQ(frame.log.Count(LISTMSG_CELLEDITED), 0);

    // The same when the parent goes and takes the list with it.
    CRecordingFrame other;
    TestableListCtrl second;
    ASSERT_TRUE(second.Create(&other, 5, CRect(0, 0, 300, 200)));
    second.CListCtrl::InsertColumn(0, "A", LVCFMT_LEFT, 80);
    second.CListCtrl::InsertColumn(1, "B", LVCFMT_LEFT, 80);
    second.InsertItemEx(0, "a", "b", nullptr);
    ASSERT_TRUE(second.FakeEdit(0, 1, "changed"));
    other.log.Clear();
    other.DestroyWindow();
    EXPECT_EQ(other.log.Count(LISTMSG_CELLEDITED), 0);
    EXPECT_EQ(second.GetSafeHwnd(), nullptr);
}
