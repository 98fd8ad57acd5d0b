// The list control out of memory: each allocation an operation makes fails in
// turn. An operation that could not finish leaves the list exactly as it was
// (rows, texts, colours, data, states, sort order), tells the parent nothing
// and answers its failure value; one that got its memory does its whole job.
#include "ListTestSupport.h"
#include "AllocationFailure.h"
#include "ZUZIVU70.h"
#include <cstdio>

namespace {

// Everything a row shows and owns, of every row, as one text.
std::string Everything(QELListCtrl& list)
{
    std::string s;
    const int nColumns = list.GetColumnCount();
    for (int i = 0; i < list.CListCtrl::GetItemCount(); ++i) {
        s += "[" + std::to_string(list.GetItemData(i)) + " " + std::to_string(list.GetItemStates(i)) + "]";
        for (int c = 0; c < nColumns; ++c) {
            char colours[32];
            wsprintfA(colours, "%06lx/%06lx", list.GetItemTextColor(i, c), list.GetItemBkColor(i, c));
            s += " " + ListCellText(list, i, c) + "=" + colours;
        }
        s += "\n";
    }
    return s;
}

// Runs op with the armed failure counted from op on: setUp runs first with no failure armed.
template <class SetUp, class Op>
auto AfterSetUp(SetUp setUp, Op op)
{
    return [=]() mutable {
        const long nArmed = QELAllocationsBeforeFailure();
        QELFailAllocation(0);
        setUp();
        QELFailAllocation(nArmed);
        op();
    };
}

}  // namespace

class ListOutOfMemoryTest : public ListTest
{
protected:
    // Eight rows whose column 2 sorts in reverse, with colours, checks and a selection.
    void Prepare()
    {
        list.DeleteAllItems();
        Fill(8);
        list.SetSortable(TRUE);
        list.SetCheckboxeStyle(CHECKSTYLE_MULTIPLE);
        list.SetItemTextColor(2, 1, RGB(200, 0, 0));
        list.SetItemBkColor(5, -1, RGB(0, 0, 90));
        list.SetItemStates(3, ITEMSTATE_CHECKED | ITEMSTATE_SELECTED);
        list.SetSortOrder(1, TRUE);
        frame.log.Clear();
    }
};

TEST_F(ListOutOfMemoryTest, SortThatRunsOutOfMemoryChangesNothingAndSaysNothing)
{
    for (bool bRewrite : { false, true }) {
        SCOPED_TRACE(bRewrite ? "rows rewritten" : "platform sort");
        list.bIgnorePlatformSort = bRewrite;
        Prepare();
        const std::string strBefore = Everything(list);
        ASSERT_EQ(list.GetSortedColumn(), 1);
        list.SortItems(2, FALSE);
        const std::string strSorted = Everything(list);
        ASSERT_NE(strSorted, strBefore);

        int nFailures = 0;
        long n = WithEachAllocationFailing(AfterSetUp([&] { Prepare(); }, [&] { list.SortItems(2, FALSE); }),
                                           [&](bool bFailed) {
                                               if (bFailed) {
                                                   ++nFailures;
                                                   EXPECT_EQ(Everything(list), strBefore);
                                                   EXPECT_EQ(list.GetSortedColumn(), 1);
                                                   EXPECT_TRUE(list.IsSortAscending());
                                                   EXPECT_EQ(frame.log.Count(LISTMSG_SORTED), 0);
                                               } else {
                                                   EXPECT_EQ(Everything(list), strSorted);
                                                   EXPECT_EQ(list.GetSortedColumn(), 2);
                                                   EXPECT_FALSE(list.IsSortAscending());
                                                   EXPECT_EQ(frame.log.Count(LISTMSG_SORTED), 1);
                                               }
                                           });
        EXPECT_GE(n, 2);
        EXPECT_EQ(nFailures, n);
    }
}

TEST_F(ListOutOfMemoryTest, InsertionWithoutItemMemoryInsertsNothingInEveryForm)
{
    // The first item of an empty list makes the store's first chunk, the
    // allocation that fails here; a list that got it stores data and colours.
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.pszText = const_cast<LPSTR>("lv");
    item.lParam = 77;
    const std::vector<std::pair<const char*, std::function<int()>>> forms = {
        { "text", [&] { return list.InsertItem(0, "a"); } },
        { "text and image", [&] { return list.InsertItem(0, "b", 1); } },
        { "mask", [&] { return list.InsertItem(LVIF_TEXT | LVIF_PARAM, 0, "c", 0, 0, 0, 77); } },
        { "record", [&] { return list.InsertItem(&item); } },
        { "argument list", [&] { return list.InsertItemEx(0, "d", "city", "3", "4.5"); } },
    };
    const LONG nBlocks = QELListCtrl::GetItemMemoryBlockCount();
    for (const auto& form : forms) {
        SCOPED_TRACE(form.first);
        int nResult = -2;
        long n = WithEachAllocationFailing(
            AfterSetUp([&] { list.DeleteAllItems(); }, [&] { nResult = form.second(); }), [&](bool bFailed) {
                EXPECT_EQ(nResult, bFailed ? -1 : 0);
                EXPECT_EQ(list.CListCtrl::GetItemCount(), bFailed ? 0 : 1);
                EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nBlocks + (bFailed ? 0 : 1));
            });
        EXPECT_GE(n, 1);
        // The inserted item is whole: its data and its cells' colours are kept.
        list.SetItemBkColor(0, 0, RGB(1, 2, 3));
        EXPECT_EQ(list.GetItemBkColor(0, 0), RGB(1, 2, 3));
        EXPECT_EQ(list.GetItemData(0),
                  (DWORD)(strcmp(form.first, "mask") == 0 || strcmp(form.first, "record") == 0 ? 77 : 0));
    }
    list.DeleteAllItems();
    EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nBlocks);
}

TEST_F(ListOutOfMemoryTest, MoveSwapAndTypedTextKeepTheRowsWhole)
{
    std::string strBefore;
    auto setUp = [&] {
        Prepare();
        strBefore = Everything(list);
    };
    int nMoved = 0;
    long n = WithEachAllocationFailing(AfterSetUp(setUp, [&] { nMoved = list.MoveTo(1, 6); }), [&](bool bFailed) {
        if (bFailed) {
            EXPECT_EQ(nMoved, -1);
            EXPECT_EQ(Everything(list), strBefore);
        } else {
            EXPECT_EQ(nMoved, 6);
            EXPECT_EQ(list.GetItemData(6), 1001u);
        }
    });
    EXPECT_GE(n, 1);

    BOOL bSwapped = FALSE;
    WithEachAllocationFailing(AfterSetUp(setUp, [&] { bSwapped = list.SwapItems(0, 7); }), [&](bool bFailed) {
        EXPECT_EQ(bSwapped, !bFailed);
        if (bFailed) {
            EXPECT_EQ(Everything(list), strBefore);
        } else {
            EXPECT_EQ(list.GetItemData(0), 1007u);
        }
    });

    // A real number whose text needs a block of its own.
    char szThird[80];
    std::snprintf(szThird, sizeof(szThird), "%.60f", 1.0 / 3.0);
    BOOL bWritten = FALSE;
    n = WithEachAllocationFailing(AfterSetUp(setUp, [&] { bWritten = list.SetItemText(4, 3, 1.0 / 3.0, 60); }),
                                  [&](bool bFailed) {
                                      EXPECT_EQ(bWritten, !bFailed);
                                      EXPECT_EQ(Text(4, 3), bFailed ? "4.50" : szThird);
                                  });
    EXPECT_GE(n, 1);
}

TEST_F(ListOutOfMemoryTest, ColumnDefinitionAndPathsOutOfMemoryAnswerTheirFailureValues)
{
    BOOL bMade = FALSE;
    long n = WithEachAllocationFailing([&] { bMade = list.SetColumnHeader("Name,150;Size,80,2;Type"); },
                                       [&](bool bFailed) {
                                           EXPECT_EQ(bMade, !bFailed);
                                           EXPECT_EQ(list.GetColumnCount(), bFailed ? 0 : 3);
                                       });
    EXPECT_GE(n, 1);

    const CString strPath = "C:\\Projects\\Gallery\\settings.backup.ini";
    CString strDrive = "x", strFolder = "x", strName = "x", strExtension = "x";
    n = WithEachAllocationFailing([&] { QELGUIUtils::SplitPath(strPath, strDrive, strFolder, strName, strExtension); },
                                  [&](bool bFailed) {
                                      const std::string got = std::string(strDrive) + "|" + std::string(strFolder) +
                                                              "|" + std::string(strName) + "|" +
                                                              std::string(strExtension);
                                      EXPECT_EQ(got, bFailed ? "|||" : "C:|\\Projects\\Gallery\\|settings.backup|ini");
                                  });
    EXPECT_GE(n, 1);
}

// The separator given back to the list is the list's own text: it must be
// copied before the old one is let go (it used to come back empty).
TEST_F(ListOutOfMemoryTest, SortSeparatorSetFromItsOwnTextAndOutOfMemory)
{
    for (std::string strSeparator : { std::string("---"), std::string(300, '=') }) {
        list.SetSortSeparator(strSeparator.c_str());
        list.SetSortSeparator(list.GetSortSeparator());
        ASSERT_NE(list.GetSortSeparator(), nullptr);
        EXPECT_EQ(std::string(list.GetSortSeparator()), strSeparator);

        // ... and it still works as a separator: its row stays, the blocks sort apart.
        list.DeleteAllItems();
        for (const char* text : { "3", "1", strSeparator.c_str(), "9", "2" })
            list.InsertItem(list.CListCtrl::GetItemCount(), text);
        list.SetSortable(TRUE);
        list.SortItems(0, TRUE);
        EXPECT_EQ(Rows(), "1|3|" + strSeparator + "|2|9");
    }
    // Out of memory, the separator in force stays.
    list.SetSortSeparator("--");
    WithEachAllocationFailing([&] { list.SetSortSeparator(std::string(100, '#').c_str()); },
                              [&](bool bFailed) {
                                  ASSERT_NE(list.GetSortSeparator(), nullptr);
                                  EXPECT_EQ(std::string(list.GetSortSeparator()),
                                            bFailed ? "--" : std::string(100, '#'));
                                  list.SetSortSeparator("--");
                              });
}

// The list's working parts are built inside the object: making a list asks for
// no memory at all, so no failure of memory can leave a list without them.
TEST_F(ListOutOfMemoryTest, ConstructionAsksForNoMemory)
{
    const long nLive = QELLiveAllocationCount();
    QELFailAllocation(1);
    {
        QELListCtrl other;
        EXPECT_EQ(QELAllocationsBeforeFailure(), 1);
        EXPECT_NE(other.GetEditControl(), nullptr);
        EXPECT_EQ(other.GetSortedColumn(), -1);
        EXPECT_FALSE(other.StartEdit(0, 0));
    }
    QELFailAllocation(0);
    EXPECT_EQ(QELLiveAllocationCount(), nLive);
}
