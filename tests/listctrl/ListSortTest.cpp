// Sorting a QELListCtrl: typed order, separators, header clicks, what travels
// with the items, and the order against the reference on random lists.
#include "ListTestSupport.h"
#include "SortReference.h"
#include <random>

TEST_F(SortTest, TypedOrderOfTheTexts)
{
    EXPECT_EQ("9|10|100", Sorted({ "100", "9", "10" }));
    EXPECT_EQ("100|10|9", Sorted({ "10", "9", "100" }, FALSE));
    EXPECT_EQ("beef|Cafe", Sorted({ "Cafe", "beef" }));    // as hexadecimal
    EXPECT_EQ("Apple|Cafe", Sorted({ "Cafe", "Apple" }));  // as text
    EXPECT_EQ("3|-5", Sorted({ "-5", "3" }));              // two's complement
    EXPECT_EQ("1e3|200", Sorted({ "200", "1e3" }));        // 0x1E3 < 0x200
    EXPECT_EQ("2.5|10", Sorted({ "10", "2.5" }));
    EXPECT_EQ("7.5%|50%", Sorted({ "50%", "7.5%" }));
    EXPECT_EQ("2.5|abc", Sorted({ "abc", "2.5" }));  // text: '2' < 'a'
    EXPECT_EQ("|5", Sorted({ "5", "" }));            // the empty text first, as text
    EXPECT_EQ("3/1/2019|12/25/2020|1/5/2021", Sorted({ "12/25/2020", "1/5/2021", "3/1/2019" }));
    EXPECT_EQ("1/5/2021|apple", Sorted({ "apple", "1/5/2021" }));  // a date against a word: text
    // Before 1900 the time of day still counts forward.
    EXPECT_EQ("3/15/1850 6:00 AM|3/15/1850 6:00 PM", Sorted({ "3/15/1850 6:00 PM", "3/15/1850 6:00 AM" }));
    EXPECT_EQ("3/14/1850 11:00 PM|3/15/1850 6:00 AM", Sorted({ "3/15/1850 6:00 AM", "3/14/1850 11:00 PM" }));
}

TEST_F(SortTest, SeparatorRowsStayAndSplitTheBlocks)
{
    list.SetSortSeparator("---");
    ASSERT_STREQ("---", list.GetSortSeparator());
    EXPECT_EQ("kiwi|pear|---|fig|plum", Sorted({ "pear", "kiwi", "---", "plum", "fig" }));
    EXPECT_EQ("pear|kiwi|---|---|plum|fig", Sorted({ "kiwi", "pear", "---", "---", "fig", "plum" }, FALSE));
    EXPECT_EQ("---|a|b|---", Sorted({ "---", "b", "a", "---" }));
    // Only the sorted column's texts make separator rows.
    list.SetSortSeparator("#1");
    EXPECT_EQ("a|b|c", Sorted({ "b", "c", "a" }));
    list.SetSortSeparator(nullptr);
    EXPECT_EQ(nullptr, list.GetSortSeparator());
    EXPECT_EQ("---|---|a|b", Sorted({ "---", "b", "a", "---" }));
}

TEST_F(SortTest, TextsAreTakenAsFarAsTheListViewCopiedThem)
{
    Load({ "pear", "fig", "kiwi" });
    // Far more than any buffer holds: nothing past what was copied is read.
    list.nOverstatedLength = 64 << 20;
    EXPECT_EQ(list.CListCtrl::GetItemText(1, 0).GetLength(), 3);
    list.SortItems(0, TRUE);
    list.nOverstatedLength = 0;
    EXPECT_EQ("fig|kiwi|pear", Rows());
}

TEST_F(SortTest, HeaderClicksSortAscendingThenReverseAndTellTheParent)
{
    Load({ "20", "3", "100" });
    ClickHeader(0);
    EXPECT_EQ("3|20|100", Rows());
    ClickHeader(0);
    EXPECT_EQ("100|20|3", Rows());
    ClickHeader(0);
    EXPECT_EQ("3|20|100", Rows());
    ClickHeader(1);
    EXPECT_EQ(1, list.GetSortedColumn());
    EXPECT_TRUE(list.IsSortAscending());
    auto sorted = frame.log.Of(LISTMSG_SORTED);
    ASSERT_EQ(4u, sorted.size()) << frame.log.Describe(LISTMSG_SORTED);
    const int expected[4][2] = { { 0, TRUE }, { 0, FALSE }, { 0, TRUE }, { 1, TRUE } };
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ((WPARAM)expected[k][0], sorted[k].wParam) << k;
        EXPECT_EQ((LPARAM)expected[k][1], sorted[k].lParam) << k;
    }

    // A text change forgets the order: the next click on that column sorts ascending.
    ClickHeader(0);
    ClickHeader(0);
    ASSERT_FALSE(list.IsSortAscending());
    list.SetItemText(2, 1, "x");
    EXPECT_EQ(-1, list.GetSortedColumn());
    EXPECT_TRUE(list.IsSortAscending());
    ClickHeader(0);
    EXPECT_EQ("3|20|100", Rows());
}

TEST_F(SortTest, NothingHappensForBadColumnsOrAnUnsortableList)
{
    Load({ "b", "a" });
    list.SortItems(2, TRUE);
    list.SortItems(-1, TRUE);
    EXPECT_EQ("b|a", Rows());
    EXPECT_EQ(-1, list.GetSortedColumn());

    list.SortItems(0, FALSE);
    EXPECT_EQ(0, list.GetSortedColumn());
    ASSERT_TRUE(list.SetSortable(FALSE));
    EXPECT_FALSE(list.IsSortable());
    EXPECT_EQ(-1, list.GetSortedColumn()) << "no longer sortable: no order in force";
    EXPECT_FALSE(::GetWindowLongA(list.GetHeaderCtrl()->GetSafeHwnd(), GWL_STYLE) & HDS_BUTTONS);
    list.SortItems(0, TRUE);
    ClickHeader(0);
    EXPECT_EQ("b|a", Rows());
    EXPECT_EQ(1, frame.log.Count(LISTMSG_SORTED));
    ASSERT_TRUE(list.SetSortable(TRUE));
    EXPECT_TRUE(list.IsSortable());
    ClickHeader(0);
    EXPECT_EQ("a|b", Rows());

    list.ModifyStyle(0, LVS_NOCOLUMNHEADER);
    EXPECT_FALSE(list.SetSortable(TRUE));
    EXPECT_FALSE(list.IsSortable());
}

TEST_F(SortTest, ASortCommitsTheOpenEditFirst)
{
    Load({ "pear", "kiwi", "fig" });
    list.FakeEdit(1, 0, "apple");
    list.SortItems(0, TRUE);
    EXPECT_EQ("apple|fig|pear", Rows()) << "the committed text takes part in the sort";
    std::vector<UINT> told;
    for (const RecordedMessage& m : frame.log.All())
        if (m.message >= LISTMSG_CHECKCLICKED && m.message <= LISTMSG_CELLEDITED)
            told.push_back(m.message);
    EXPECT_EQ((std::vector<UINT>{ LISTMSG_CELLEDITED, LISTMSG_SORTED }), told);
    EXPECT_EQ(0, list.GetSortedColumn());
    // Also when nothing is sorted.
    list.FakeEdit(0, 0, "cherry");
    list.SortItems(5, TRUE);
    EXPECT_EQ("cherry", Text(0));
}

// Both ways of putting rows in order: the list view's own sort, and rewriting the rows
// when an item has no memory or the platform's sort did not give the order.
class SortTravelTest : public SortTest, public testing::WithParamInterface<int>
{};

TEST_P(SortTravelTest, EverythingOfAnItemTravelsWithIt)
{
    const int kMode = GetParam();  // 0 platform sort, 1 no memory on one item, 2 faulty platform sort
    list.SetCheckboxeStyle(CHECKSTYLE_SINGLE);
    list.SetSortSeparator("--");
    Load({ "e", "c", "--", "b", "d", "a", "--", "f" }, { false, false, false, false, kMode == 1, false, false, false });
    list.bIgnorePlatformSort = kMode == 2;
    // Items 1 and 5 checked (SetCheck keeps earlier check marks in the single
    // style), item 7 beyond the blocks checked too, item 3 focused, 0 and 5 selected.
    list.SetCheck(1, TRUE);
    list.SetCheck(5, TRUE);
    list.SetCheck(7, TRUE);
    list.SetItemStates(3, ITEMSTATE_FOCUSED);
    list.SetItemStates(0, ITEMSTATE_SELECTED);
    list.SetItemStates(5, ITEMSTATE_SELECTED);
    for (int i = 0; i < 8; ++i) {
        list.SetItemTextColor(i, 1, RGB(i, 0, 0), FALSE);
        list.SetItemBkColor(i, 0, RGB(0, i, 0), FALSE);
        list.SetItemImage(i, 0, 10 + i);
        list.SetItemImage(i, 1, 20 + i);
    }
    std::vector<DWORD> states(8);
    for (int i = 0; i < 8; ++i)
        states[i] = list.GetItemStates(i);

    list.SortItems(0, TRUE);
    ASSERT_EQ("c|e|--|a|b|d|--|f", Rows());
    const std::vector<int> origins = Origins();
    for (int row = 0; row < 8; ++row) {
        const int i = origins[row];
        EXPECT_EQ(states[i], list.GetItemStates(row)) << "row " << row << " (item " << i << ")";
        EXPECT_EQ(kMode == 1 && i == 4 ? 0u : (DWORD)i, list.GetItemData(row)) << row;
        if (!(kMode == 1 && i == 4)) {
            EXPECT_EQ(RGB(i, 0, 0), list.GetItemTextColor(row, 1)) << row;
            EXPECT_EQ(RGB(0, i, 0), list.GetItemBkColor(row, 0)) << row;
        }
        EXPECT_EQ(10 + i, list.GetItemImage(row, 0)) << row;
        EXPECT_EQ(20 + i, list.GetItemImage(row, 1)) << row;
    }
    EXPECT_EQ(4, list.GetNextItem(-1, LVNI_FOCUSED)) << "focus moved with item 3";
    EXPECT_EQ(1, frame.log.Count(LISTMSG_SORTED));
    EXPECT_EQ(0, frame.log.Count(LISTMSG_CHECKCLICKED));
}

INSTANTIATE_TEST_SUITE_P(Ways, SortTravelTest, testing::Values(0, 1, 2));

TEST_F(SortTest, SortMarkFollowsTheSortOrderOnlyWhenOn)
{
    const int kMarks = HDF_SORTUP | HDF_SORTDOWN;
    Load({ "b", "a", "c" });
    EXPECT_FALSE(list.GetSortMark());
    list.SortItems(0, TRUE);
    EXPECT_EQ(0, HeaderFormat(0) & kMarks) << "no mark by default";

    list.SetSortMark(TRUE);
    EXPECT_EQ(HDF_SORTUP, HeaderFormat(0) & kMarks);
    ClickHeader(0);
    EXPECT_EQ(HDF_SORTDOWN, HeaderFormat(0) & kMarks);
    ClickHeader(1);
    EXPECT_EQ(0, HeaderFormat(0) & kMarks);
    EXPECT_EQ(HDF_SORTUP, HeaderFormat(1) & kMarks);
    list.InsertItem(3, "d");  // any reset of the order takes it away
    EXPECT_EQ(0, HeaderFormat(1) & kMarks);
    list.SortItems(0, FALSE);
    list.SetSortMark(FALSE);
    EXPECT_EQ(0, HeaderFormat(0) & kMarks);

    // While off, formats the application gives the header are its own.
    HDITEMA item = {};
    item.mask = HDI_FORMAT;
    item.fmt = HDF_STRING | HDF_SORTDOWN;
    ::SendMessageA(list.GetHeaderCtrl()->GetSafeHwnd(), HDM_SETITEMA, 1, (LPARAM)&item);
    list.SortItems(0, TRUE);
    list.SetItemText(0, 0, "z");
    EXPECT_EQ(HDF_SORTDOWN, HeaderFormat(1) & kMarks);
}

TEST_F(SortTest, OrderIsTheReferenceOrderOnRandomLists)
{
    const char* vocabulary[] = { "0",
                                 "9",
                                 "10",
                                 "100",
                                 "-5",
                                 "3",
                                 "123456789",
                                 "987654321",
                                 "00000012",
                                 "beef",
                                 "Cafe",
                                 "BEEF",
                                 "0x1F",
                                 "1e3",
                                 "200",
                                 "2.5",
                                 "-0.75",
                                 "10.0",
                                 ".5",
                                 "1.5e2",
                                 "50%",
                                 "7.5%",
                                 "%",
                                 "-3%",
                                 "12/25/2020",
                                 "1/5/2021",
                                 "2020-12-25",
                                 "25 December 2020",
                                 "December 25, 2020",
                                 "12/25/2020 10:30 PM",
                                 "10:30",
                                 "3/15/1850",
                                 "3/15/1850 6:00 PM",
                                 "apple",
                                 "Apple",
                                 "pear",
                                 "kiwi",
                                 "Zebra",
                                 "\xE9"
                                 "clair",
                                 "",
                                 " ",
                                 "--",
                                 "inf",
                                 "0x",
                                 "abc" };
    const int nWords = sizeof(vocabulary) / sizeof(vocabulary[0]);
    std::mt19937 random(4242);
    for (int round = 0; round < 150; ++round) {
        int n = (int)(random() % 40);
        std::vector<std::string> texts(n);
        std::vector<bool> raw(n, false);
        for (int i = 0; i < n; ++i)
            texts[i] = vocabulary[random() % nWords];
        if (round % 3 == 2 && n > 0)
            raw[random() % n] = true;  // the rewriting path
        const bool bSeparator = round % 2 == 0;
        const bool bAscending = (random() & 1) != 0;
        list.CListCtrl::DeleteAllItems();
        list.SetSortSeparator(bSeparator ? "--" : nullptr);
        Load(texts, raw);
        list.SortItems(0, bAscending);
        ASSERT_EQ(ReferenceSortOrder(texts, bSeparator ? "--" : nullptr, bAscending), Origins())
            << "round " << round << ", " << n << " rows";
    }
}

TEST_F(SortTest, EveryPairOfTextsSortsAsTheReferenceComparesThem)
{
    const std::vector<std::string> texts = { "",      "%",         "9",   "-5",         "beef",  "Cafe",
                                             "1e3",   "2.5",       "50%", "12/25/2020", "10:30", "3/15/1850 6:00 PM",
                                             "apple", "\xE9t\xE9", "inf", "0x1F",       " " };
    for (size_t a = 0; a < texts.size(); ++a)
        for (size_t b = 0; b < texts.size(); ++b) {
            if (a == b)
                continue;
            list.CListCtrl::DeleteAllItems();
            Load({ texts[a], texts[b] });
            list.SortItems(0, TRUE);
            // Two rows stay as they are only when the first orders before the second.
            const bool bKept = Origins() == std::vector<int>{ 0, 1 };
            EXPECT_EQ(ReferenceCompare(texts[a], texts[b]) < 0, bKept)
                << "'" << texts[a] << "' against '" << texts[b] << "'";
        }
}
