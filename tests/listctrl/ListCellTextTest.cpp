// Typed cell texts: the text each form writes, and that every form commits an
// open edit and forgets the sort order.
#include "ListTestSupport.h"
#include <cfloat>
#include <climits>
#include <functional>

namespace {
// An edit open on row 1 with a changed text, and a sort order in force.
void PrepareEditAndOrder(TestableListCtrl& list)
{
    list.SetSortOrder(1, FALSE);
    list.FakeEdit(1, 0, "edited");
}
}

TEST_F(SortTest, EveryFormCommitsTheEditAndForgetsTheOrder)
{
    Load({ "a", "b", "c" });
    COleDateTime date(2020, 12, 25, 22, 30, 0);
    std::vector<std::function<BOOL()>> forms = {
        [&] { return list.SetItemText(0, 1, "text"); }, [&] { return list.SetItemText(0, 1, 'x'); },
        [&] { return list.SetItemText(0, 1, -5L); },    [&] { return list.SetItemText(0, 1, -5); },
        [&] { return list.SetItemText(0, 1, 5UL); },    [&] { return list.SetItemText(0, 1, 5U); },
        [&] { return list.SetItemText(0, 1, 2.5, 1); }, [&] { return list.SetItemText(0, 1, date, 0); },
    };
    for (size_t k = 0; k < forms.size(); ++k) {
        PrepareEditAndOrder(list);
        frame.log.Clear();
        EXPECT_TRUE(forms[k]()) << "form " << k;
        EXPECT_EQ("edited", Text(1)) << "form " << k;
        EXPECT_EQ(1, frame.log.Count(LISTMSG_CELLEDITED)) << "form " << k;
        EXPECT_EQ(-1, list.GetSortedColumn()) << "form " << k;
        EXPECT_TRUE(list.IsSortAscending()) << "form " << k;
        list.CListCtrl::SetItemText(1, 0, "b");
    }
    // A cell that does not exist: FALSE, but the edit and the order are dealt with first.
    PrepareEditAndOrder(list);
    EXPECT_FALSE(list.SetItemText(3, 0, 7));
    EXPECT_FALSE(list.SetItemText(0, 2, "x"));
    EXPECT_EQ("edited", Text(1));
    EXPECT_EQ(-1, list.GetSortedColumn());
}

TEST_F(SortTest, NumbersAndCharacters)
{
    Load({ "row" });
    struct Case
    {
        std::function<BOOL()> set;
        const char* text;
    } cases[] = {
        { [&] { return list.SetItemText(0, 0, 'x'); }, "x" },
        { [&] { return list.SetItemText(0, 0, -5L); }, "-5" },
        { [&] { return list.SetItemText(0, 0, (unsigned long)-5L); }, "4294967291" },
        { [&] { return list.SetItemText(0, 0, INT_MIN); }, "-2147483648" },
        { [&] { return list.SetItemText(0, 0, UINT_MAX); }, "4294967295" },
        { [&] { return list.SetItemText(0, 0, 2.5); }, "2.5" },
        { [&] { return list.SetItemText(0, 0, 3.0, -1); }, "3" },
        { [&] { return list.SetItemText(0, 0, 100.0, -1); }, "100" },
        { [&] { return list.SetItemText(0, 0, 0.0, -1); }, "0" },
        { [&] { return list.SetItemText(0, 0, -0.0000001, -1); }, "-0" },
        { [&] { return list.SetItemText(0, 0, 1234567.0, -1); }, "1234567" },
        { [&] { return list.SetItemText(0, 0, 2.5, 3); }, "2.500" },
        { [&] { return list.SetItemText(0, 0, 2.7, 0); }, "3" },
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(c.set());
        EXPECT_EQ(c.text, Text(0));
    }
    // Huge values make long texts, kept whole.
    ASSERT_TRUE(list.SetItemText(0, 0, -DBL_MAX, -1));
    std::string text = Text(0);
    EXPECT_EQ(310u, text.size());
    EXPECT_EQ("-17976931348623157", text.substr(0, 18));
    ASSERT_TRUE(list.SetItemText(0, 0, 1e300, 40));
    EXPECT_EQ(301u + 41u, Text(0).size());
}

TEST_F(SortTest, DatesInTheUsersLocale)
{
    Load({ "row" });
    COleDateTime date(2020, 12, 25, 22, 30, 0);
    ASSERT_TRUE(list.SetItemText(0, 0, date, 0));
    EXPECT_EQ("12/25/2020 10:30:00 PM", Text(0));
    list.SetItemText(0, 0, date, VAR_DATEVALUEONLY);
    EXPECT_EQ("12/25/2020", Text(0));
    list.SetItemText(0, 0, date, VAR_TIMEVALUEONLY);
    EXPECT_EQ("10:30:00 PM", Text(0));

    COleDateTime invalid = date;
    invalid.SetStatus(COleDateTime::invalid);
    ASSERT_TRUE(list.SetItemText(0, 0, invalid, 0));
    EXPECT_EQ("", Text(0));
    COleDateTime null;
    null.SetStatus(COleDateTime::null);
    list.SetItemText(0, 0, "x");
    ASSERT_TRUE(list.SetItemText(0, 0, null, 0));
    EXPECT_EQ("", Text(0));
    // Valid by its status but beyond what the platform can write out.
    COleDateTime distant = date;
    distant.m_dt = 1e10;
    ASSERT_TRUE(list.SetItemText(0, 0, distant, 0));
    EXPECT_EQ("Invalid DateTime", Text(0));
}
