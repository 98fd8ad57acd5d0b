// QELListCtrl given bad input in every state of its window: -1 and
// out-of-range rows and columns, null pointers, empty, 1 MB and double-byte
// texts. Each operation answers its documented failure value, a live list
// keeps its rows and its item memory, and nothing crashes.
#include "BadInputSupport.h"
#include "ListTestSupport.h"
#include <climits>

namespace {

// A list in the given state inside a frame of its own; live, it has three
// columns and three rows "r0" ... "r2" with data 10, 11, 12.
struct ListInState
{
    CRecordingFrame frame;
    TestableListCtrl list;
    explicit ListInState(WindowState state)
    {
        if (state == WindowState::NeverCreated)
            return;
        EXPECT_TRUE(list.Create(&frame, 100, CRect(0, 0, 400, 300)));
        list.SetColumnHeader("A,80;B,80;C,80");
        for (int i = 0; i < 3; ++i) {
            const std::string text = "r" + std::to_string(i);
            list.InsertItemEx(i, text.c_str(), "b", "c");
            list.SetItemData(i, 10 + i);
        }
        if (state == WindowState::Destroyed)
            list.DestroyWindow();
    }
};

const int kBadRows[] = { -1, -2, 3, 1000, INT_MAX, INT_MIN };
const int kBadColumns[] = { -1, 3, 99, INT_MAX, INT_MIN };

std::vector<BadInput> ListTable(TestableListCtrl& list, CRecordingFrame& frame, WindowState state)
{
    const bool bLive = state == WindowState::Live;
    // The three rows are all there, whole, with their data.
    auto rowsWhole = [&list, bLive] {
        if (!bLive) {
            EXPECT_EQ(list.CListCtrl::GetItemCount(), 0);
            return;
        }
        ASSERT_EQ(list.CListCtrl::GetItemCount(), 3);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(std::string(list.CListCtrl::GetItemText(i, 0)), "r" + std::to_string(i));
            EXPECT_EQ(list.GetItemData(i), (DWORD)(10 + i));
        }
    };
    return {
        { "style rule holds whatever is asked",
          [&list, bLive] {
              EXPECT_EQ(list.ModifyStyle(0xFFFFFFFF, 0xFFFFFFFF), bLive);
              if (bLive) {
                  EXPECT_EQ(list.GetStyle() & 0x50000001, 0x50000001u);  // the scroll bars come and go with the rows
                  EXPECT_EQ(list.GetStyle() & 0x2202, 0u);
              }
              // Back to a list with its column header, for the cases that follow.
              EXPECT_EQ(list.ModifyStyle(0xFFFFFFFF, WS_BORDER | LVS_SHOWSELALWAYS), bLive);
              list.ModifyStyleEx(0xFFFFFFFF, 0);  // FALSE too when nothing changed
              list.SetExtendedStyle(0);
              list.SetGridLines(-1);
              list.ResizeToFitParent();
              if (bLive) {
                  EXPECT_EQ(list.GetStyle() & 0x50000001, 0x50000001u);  // the scroll bars come and go with the rows
                  EXPECT_EQ(list.GetStyle() & 0x2202, 0u);
                  EXPECT_EQ(list.CListCtrl::GetExtendedStyle() & 0x22, 0x22u);
              } else {
                  EXPECT_EQ(list.GetHeaderCtrl(), nullptr);
                  EXPECT_EQ(list.GetColumnCount(), 0);
              }
          } },
        { "rows and columns out of range read as nothing",
          [&list] {
              for (int nRow : kBadRows) {
                  EXPECT_EQ(list.GetItemData(nRow), 0u);
                  EXPECT_EQ(list.GetItemTextColor(nRow, 0), 0xFFFFFFFF);
                  EXPECT_EQ(list.GetItemBkColor(nRow, 0), 0xFFFFFFFF);
                  EXPECT_EQ(list.GetItemImage(nRow, 0), -1);
                  EXPECT_FALSE(list.ExamItemStates(nRow, ITEMSTATE_SELECTED));
                  EXPECT_EQ(list.GetItemStates(nRow), 0x54u);
              }
              for (int nColumn : kBadColumns) {
                  EXPECT_EQ(list.GetItemTextColor(0, nColumn), 0xFFFFFFFF);
                  EXPECT_EQ(list.GetItemBkColor(0, nColumn), 0xFFFFFFFF);
                  EXPECT_EQ(list.GetHeaderImage(nColumn), -1);
                  EXPECT_EQ(list.GetHeaderText(nColumn), CString());
              }
          } },
        { "writes to rows out of range are refused",
          [&list, rowsWhole] {
              for (int nRow : kBadRows) {
                  EXPECT_FALSE(list.SetItemImage(nRow, 0, 1));
                  EXPECT_FALSE(list.SetItemData(nRow, 5));
                  EXPECT_FALSE(list.SetItem(nRow, 0, LVIF_TEXT, "x", 0, 0, 0, 0));
                  EXPECT_FALSE(list.SetItemText(nRow, 0, "x"));
                  EXPECT_FALSE(list.SetItemText(nRow, 0, 2.5));
                  EXPECT_FALSE(list.SetItemText(nRow, 0, COleDateTime(2020, 1, 2, 3, 4, 5)));
                  EXPECT_FALSE(list.DeleteItem(nRow, TRUE));
                  EXPECT_FALSE(list.SwapItems(nRow, 0));
                  EXPECT_FALSE(list.SwapItems(0, nRow));
                  EXPECT_EQ(list.MoveTo(nRow, 0), -1);
                  EXPECT_EQ(list.MoveUp(nRow, INT_MAX), -1);
                  EXPECT_EQ(list.MoveDown(nRow, INT_MIN), -1);
                  EXPECT_EQ(list.MoveToTop(nRow), -1);
                  EXPECT_EQ(list.MoveToBottom(nRow), -1);
                  EXPECT_FALSE(list.StartEdit(nRow, 0));
              }
              for (int nColumn : kBadColumns) {
                  EXPECT_FALSE(list.SetItemText(0, nColumn, "x"));
                  EXPECT_FALSE(list.StartEdit(0, nColumn));
                  EXPECT_FALSE(list.DeleteColumn(nColumn));
              }
              rowsWhole();
          } },
        { "null pointers",
          [&list, rowsWhole] {
              EXPECT_FALSE(list.SetItem(nullptr));
              EXPECT_FALSE(list.GetItem(nullptr));
              EXPECT_EQ(list.InsertItem(nullptr), -1);
              EXPECT_EQ(list.InsertColumn(0, static_cast<const LVCOLUMNA*>(nullptr)), -1);
              list.SetSortSeparator(nullptr);
              EXPECT_EQ(list.GetSortSeparator(), nullptr);
              EXPECT_EQ(list.SetImageList(static_cast<CImageList*>(nullptr)), nullptr);
              EXPECT_EQ(list.SetHeaderImageList(static_cast<CImageList*>(nullptr)), nullptr);
              MSG* pNoMessage = nullptr;
              EXPECT_FALSE(list.PreTranslateMessage(pNoMessage));
              rowsWhole();
          } },
        { "colours and states with -1 widen, out-of-range filters match nothing new",
          [&list, bLive] {
              list.SetItemTextColor(-1, -1, RGB(1, 2, 3));
              list.SetItemBkColor(INT_MAX, INT_MIN, 0xFFFFFFFF, FALSE);
              EXPECT_EQ(list.GetItemTextColor(2, 2), bLive ? RGB(1, 2, 3) : 0xFFFFFFFF);
              EXPECT_EQ(list.GetItemCount(0), 0);
              EXPECT_EQ(list.GetItemCount(ITEMSTATE_ANY | ITEMSTATE_CHECKED), bLive ? 3 : 0);
              EXPECT_EQ(list.GetFirstItem(ITEMSTATE_ANY, INT_MAX), -1);
              // A place before the start counts as the end.
              EXPECT_EQ(list.GetLastItem(ITEMSTATE_ANY, INT_MIN), bLive ? 2 : -1);
              EXPECT_EQ(list.GetFirstItem(ITEMSTATE_SELECTED | ITEMSTATE_UNSELECTED), -1);
              EXPECT_FALSE(list.SetCheck(INT_MAX));
              list.InvertItems(-1);
              list.InvertItems(7);
              list.SetCheckboxeStyle(-5);
              list.SetCheckboxeStyle(CHECKSTYLE_MULTIPLE);
          } },
        { "sorting by columns that do not exist",
          [&list, &frame, rowsWhole] {
              frame.log.Clear();
              list.SetSortable(TRUE);
              for (int nColumn : kBadColumns)
                  list.SortItems(nColumn, -1);
              EXPECT_EQ(frame.log.Count(LISTMSG_SORTED), 0);
              EXPECT_EQ(list.GetSortedColumn(), -1);
              rowsWhole();
          } },
        { "empty, 1 MB and double-byte texts in cells, headers and separators",
          [&list, bLive] {
              for (const char* text : { "", OddTexts::Megabyte().c_str(), OddTexts::DoubleByte() }) {
                  const std::string strText = text;
                  EXPECT_EQ(list.SetItemText(1, 1, text), bLive);
                  if (bLive) {
                      EXPECT_TRUE(std::string(list.CListCtrl::GetItemText(1, 1)) == strText);
                  }
                  EXPECT_EQ(list.SetHeaderText(2, text), bLive);
                  list.SetSortSeparator(text);
                  EXPECT_TRUE(std::string(list.GetSortSeparator()) == strText);
              }
              list.SetSortSeparator(nullptr);
              EXPECT_EQ(list.SetHeaderText(1, nullptr), bLive);
              // A 1 MB text given to an editor opened over a cell, then kept.
              if (bLive) {
                  list.SetEditable(TRUE);
                  ASSERT_TRUE(list.StartEdit(2, 2));
                  list.GetEditControl()->SetLimitText(0);
                  list.GetEditControl()->SetWindowText(OddTexts::Megabyte().c_str());
                  EXPECT_TRUE(list.EndEdit(TRUE));
                  EXPECT_EQ(list.CListCtrl::GetItemText(2, 2).GetLength(), 1 << 20);
                  list.SetEditable(FALSE);
              } else {
                  EXPECT_FALSE(list.EndEdit(TRUE));
              }
          } },
        { "column definitions and splits of odd texts",
          [&list, bLive] {
              CStringArray pieces;
              // 0x82 is a lead byte only in a double-byte code page: there it never splits.
              TestableListCtrl::_StringSplit(OddTexts::DoubleByte(), pieces, '\x82');
              EXPECT_EQ(pieces.GetSize(), ::IsDBCSLeadByte(0x82) ? 1 : 2);
              TestableListCtrl::_StringSplit("", pieces, ';');
              EXPECT_EQ(pieces.GetSize(), 0);
              TestableListCtrl::_StringSplit(";;;", pieces, ';');
              EXPECT_EQ(pieces.GetSize(), 0);
              if (!bLive) {
                  EXPECT_FALSE(list.SetColumnHeader("A;B"));
                  return;
              }
              // These replace the columns and rows: done on a list of its own.
              CRecordingFrame other;
              TestableListCtrl scratch;
              ASSERT_TRUE(scratch.Create(&other, 7, CRect(0, 0, 300, 200)));
              EXPECT_FALSE(scratch.SetColumnHeader(""));
              EXPECT_FALSE(scratch.SetColumnHeader(";;,;"));
              EXPECT_TRUE(scratch.SetColumnHeader(",-5,9;Name,999999999,-1"));
              EXPECT_TRUE(scratch.SetColumnHeader(OddTexts::Megabyte().c_str()));
              EXPECT_EQ(scratch.GetColumnCount(), 1);
              EXPECT_TRUE(scratch.SetColumnHeader(OddTexts::DoubleByte()));
          } },
        { "insertions at odd places",
          [&list, bLive] {
              const int nBefore = list.CListCtrl::GetItemCount();
              const int nAt = list.InsertItem(INT_MAX, "end");
              const int nFirst = list.InsertItemEx(-7, "first", nullptr);
              if (bLive) {
                  // The list view puts a row beyond the end at the end, and refuses a negative place.
                  EXPECT_EQ(nAt, nBefore);
                  EXPECT_EQ(nFirst, -1);
                  EXPECT_TRUE(list.DeleteItem(nAt));
              } else {
                  EXPECT_EQ(nAt, -1);
                  EXPECT_EQ(nFirst, -1);
              }
              EXPECT_EQ(list.CListCtrl::GetItemCount(), nBefore);
          } },
        { "header images and image lists from bitmaps that do not exist",
          [&list, bLive] {
              EXPECT_FALSE(list.SetHeaderImage(-1, 0));
              EXPECT_FALSE(list.SetHeaderImage(99, 0, FALSE));
              EXPECT_EQ(list.SetImageList(0xFFFFu, RGB(255, 0, 255)), nullptr);
              EXPECT_EQ(list.SetHeaderImageList(0u, RGB(255, 0, 255)), nullptr);
              if (!bLive) {
                  EXPECT_EQ(list.GetImageList(), nullptr);
              }
          } },
        { "deletions by filters that match nothing, and the item memory after all that",
          [&list, bLive, rowsWhole] {
              EXPECT_EQ(list.DeleteAllItems(0), 0);
              EXPECT_EQ(list.DeleteAllItems(ITEMSTATE_SELECTED | ITEMSTATE_UNSELECTED), 0);
              rowsWhole();
              EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount() >= (bLive ? 3 : 0), true);
          } },
    };
}

TEST(ListBadInput, EveryOperationInEveryState)
{
    const LONG nBlocks = QELListCtrl::GetItemMemoryBlockCount();
    for (WindowState state : kAllStates) {
        ListInState t(state);
        RunTable("QELListCtrl", state, ListTable(t.list, t.frame, state));
        t.list.DestroyWindow();
        EXPECT_EQ(QELListCtrl::GetItemMemoryBlockCount(), nBlocks) << NameOf(state);
    }
}

}  // namespace
