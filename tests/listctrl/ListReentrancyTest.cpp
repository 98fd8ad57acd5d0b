// Parents that call back into the list from every notification it sends while
// it moves, swaps, sorts and changes columns, and parents that delete the
// list object from a notification. The list stays whole (one block per item,
// colours for every column), nothing is reported twice, and nothing of a
// deleted list is touched after its parent let go of it.
#include "ListTestSupport.h"
#include "UserInput.h"
#include <random>
#include <set>

namespace {

// Every item has exactly one block of its own, with colours for every column.
void ExpectWhole(QELListCtrl& list, LONG nBlocksBefore)
{
    const int n = list.CListCtrl::GetItemCount();
    EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount() - nBlocksBefore, n);
    std::set<LPARAM> blocks;
    for (int i = 0; i < n; ++i) {
        EXPECT_TRUE(blocks.insert(ListRawParam(list, i)).second) << i;
        EXPECT_NE(list.GetItemBkColor(i, list.GetColumnCount() - 1), 0xFFFFFFFFu) << i;
    }
}

}  // namespace

class ListReentrancyTest : public ListEditTest
{
protected:
    std::mt19937 rng{ 20261207 };
    int Pick(int n) { return n > 0 ? (int)(rng() % (unsigned)n) : 0; }

    // One operation that changes the list, chosen at random.
    void RandomChange(const char*& name)
    {
        const int nRows = list.CListCtrl::GetItemCount();
        const int nColumns = list.GetColumnCount();
        switch (Pick(11)) {
        case 0:
            name = "sort";
            list.SortItems(Pick(nColumns), Pick(2));
            break;
        case 1:
            name = "move";
            list.MoveTo(Pick(nRows), Pick(nRows + 2) - 1);
            break;
        case 2:
            name = "swap";
            list.SwapItems(Pick(nRows), Pick(nRows));
            break;
        case 3:
            name = "insert column";
            if (nColumns < 8)
                list.InsertColumn(Pick(nColumns + 1), "Extra", LVCFMT_LEFT, 50);
            break;
        case 4:
            name = "delete column";
            if (nColumns > 2)
                list.DeleteColumn(1 + Pick(nColumns - 1));
            break;
        case 5:
            name = "insert row";
            if (nRows < 40)
                list.InsertItemEx(Pick(nRows + 1), "new", "row", nullptr);
            break;
        case 6:
            name = "delete row";
            if (nRows > 2)
                list.DeleteItem(Pick(nRows), Pick(2));
            break;
        case 7:
            name = "states";
            list.SetItemStates(Pick(nRows), ITEMSTATE_CHECKED | ITEMSTATE_SELECTED);
            break;
        case 8:
            name = "colour";
            list.SetItemBkColor(Pick(nRows), Pick(nColumns), RGB(Pick(255), 0, 0));
            break;
        case 9: {
            // An edit left open: the next change commits it and the parent hears of it.
            name = "edit";
            char text[16];
            wsprintfA(text, "edited %d", Pick(1000));
            list.FakeEdit(Pick(nRows), Pick(nColumns), text);
            break;
        }
        default: {
            name = "check click";
            if (nRows > 0) {
                const int nRow = Pick(nRows);
                list.CListCtrl::EnsureVisible(nRow, FALSE);
                CPoint pt = CheckBoxPoint(list, nRow);
                input::Click(list.m_hWnd, pt.x, pt.y);
            }
            break;
        }
        }
    }
};

TEST_F(ListReentrancyTest, ParentsChangingTheListFromEveryNotification)
{
    const LONG nBlocks = QELListCtrl::GetItemMemoryBlockCount() - list.CListCtrl::GetItemCount();
    list.SetSortable(TRUE);
    list.SetCheckboxeStyle(CHECKSTYLE_SINGLE);
    int nDepth = 0, nReentered = 0;
    std::string reentered;  // what the parent did during the step
    // Every message of the list's own gets an answer that changes the list
    // again, one level deep: a parent that answered its own answers would
    // never end. (The list view's notifications are the platform's, sent from
    // the middle of its own work: changing the list there is the platform's
    // matter.)
    frame.log.onMessage = [&](UINT message, WPARAM, LPARAM, LRESULT&) {
        const bool bFromList =
            message == LISTMSG_SORTED || message == LISTMSG_CHECKCLICKED || message == LISTMSG_CELLEDITED;
        if (bFromList && nDepth == 0 && Pick(2) == 0) {
            ++nDepth;
            ++nReentered;
            const char* name = "";
            RandomChange(name);
            reentered += std::string(" +") + name;
            --nDepth;
        }
        return false;
    };
    const unsigned nSeed = 20261207;
    rng.seed(nSeed);
    for (int step = 0; step < 400; ++step) {
        const char* name = "";
        const int nSortedBefore = frame.log.Count(LISTMSG_SORTED);
        reentered.clear();
        RandomChange(name);
        SCOPED_TRACE(testing::Message() << "seed " << nSeed << ", step " << step << ": " << name << reentered);
        ExpectWhole(list, nBlocks);
        // A sort is reported once, however the parent answered it.
        if (std::string(name) == "sort") {
            EXPECT_LE(frame.log.Count(LISTMSG_SORTED) - nSortedBefore, 2) << "one for ours, one for the parent's";
        }
        if (HasFatalFailure() || HasFailure())
            break;
    }
    EXPECT_GE(nReentered, 25) << "the parent was asked too seldom to mean anything";
    frame.log.onMessage = nullptr;
}

// The parent deletes the list object while the list tells it of a sort, a
// check click or a committed edit: nothing of the list is used afterwards
// (a use would read freed memory and, under the heap's checks, crash).
TEST(ListDeletedByItsParent, FromEachOfItsMessages)
{
    struct Way
    {
        const char* name;
        UINT message;
        std::function<void(TestableListCtrl&)> provoke;
    };
    const Way ways[] = {
        { "header click sorts", LISTMSG_SORTED,
          [](TestableListCtrl& l) {
              l.SetSortable(TRUE);
              CRect rc;
              l.GetHeaderCtrl()->GetItemRect(1, &rc);
              input::Click(l.GetHeaderCtrl()->GetSafeHwnd(), rc.CenterPoint().x, rc.CenterPoint().y);
          } },
        { "check box click", LISTMSG_CHECKCLICKED,
          [](TestableListCtrl& l) {
              l.SetCheckboxeStyle(CHECKSTYLE_MULTIPLE);
              CPoint pt = CheckBoxPoint(l, 1);
              input::Click(l.m_hWnd, pt.x, pt.y);
          } },
        { "check box double click", LISTMSG_CHECKCLICKED,
          [](TestableListCtrl& l) {
              l.SetCheckboxeStyle(CHECKSTYLE_SINGLE);
              CPoint pt = CheckBoxPoint(l, 2);
              input::DoubleClick(l.m_hWnd, pt.x, pt.y);
          } },
        { "edit committed by Enter", LISTMSG_CELLEDITED,
          [](TestableListCtrl& l) {
              l.FakeEdit(1, 1, "changed");
              MSG msg = { l.Editor(), WM_KEYDOWN, VK_RETURN, 0 };
              l.PreTranslateMessage(&msg);
          } },
        { "edit committed by a click elsewhere", LISTMSG_CELLEDITED,
          [](TestableListCtrl& l) {
              l.FakeEdit(1, 1, "changed");
              CPoint pt = CellPoint(l, 3, 2);
              input::Click(l.m_hWnd, pt.x, pt.y);
          } },
        { "edit committed by Tab", LISTMSG_CELLEDITED,
          [](TestableListCtrl& l) {
              l.FakeEdit(1, 1, "changed");
              MSG msg = { l.Editor(), WM_KEYDOWN, VK_TAB, 0 };
              l.PreTranslateMessage(&msg);
          } },
    };
    const LONG nBlocks = QELListCtrl::GetItemMemoryBlockCount();
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        CRecordingFrame frame;
        auto* pList = new TestableListCtrl;
        ASSERT_TRUE(pList->Create(&frame, 100, CRect(0, 0, 600, 300)));
        FillStock(*pList);
        HWND hList = pList->m_hWnd;
        TestableListCtrl* pAlive = pList;
        frame.log.onMessage = [&](UINT message, WPARAM, LPARAM, LRESULT&) {
            if (message == way.message && pAlive != nullptr) {
                TestableListCtrl* pGone = pAlive;
                pAlive = nullptr;
                delete pGone;
            }
            return false;
        };
        way.provoke(*pList);
        PumpMessages(20);
        EXPECT_EQ(pAlive, nullptr) << "the message never came";
        if (pAlive != nullptr)
            delete pAlive;
        EXPECT_FALSE(::IsWindow(hList));
        frame.log.onMessage = nullptr;
        EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nBlocks);
    }
}
