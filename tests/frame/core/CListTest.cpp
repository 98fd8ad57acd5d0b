// CPtrList and CObList: walking, insertion and removal, stale and foreign
// positions, finding and indexing.
#include "afxtempl.h"
#include <gtest/gtest.h>
#include <string>

namespace {

std::string Walk(const CPtrList& list, bool bForward = true)
{
    std::string text;
    POSITION pos = bForward ? list.GetHeadPosition() : list.GetTailPosition();
    while (pos != nullptr)
        text += *static_cast<const char*>(bForward ? list.GetNext(pos) : list.GetPrev(pos));
    return text;
}

TEST(CPtrListTest, WalkInsertAndRemove)
{
    static char letters[] = "abcdefgh";
    CPtrList list(3);  // small blocks: several of them in use
    list.AddTail(&letters[2]);
    list.AddHead(&letters[1]);
    list.AddHead(&letters[0]);
    POSITION d = list.AddTail(&letters[3]);
    EXPECT_EQ("abcd", Walk(list));
    EXPECT_EQ("dcba", Walk(list, false));

    list.InsertBefore(d, &letters[4]);
    list.InsertAfter(d, &letters[5]);
    list.InsertBefore(nullptr, &letters[6]);  // NULL: at the head
    list.InsertAfter(nullptr, &letters[7]);   // NULL: at the tail
    EXPECT_EQ("gabcedfh", Walk(list));
    EXPECT_EQ(8, list.GetCount());

    // Removing while walking, the usual way.
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        POSITION current = pos;
        char c = *static_cast<char*>(list.GetNext(pos));
        if (c == 'a' || c == 'e' || c == 'h')
            list.RemoveAt(current);
    }
    EXPECT_EQ("gbcdf", Walk(list));
    EXPECT_EQ(&letters[6], list.RemoveHead());
    EXPECT_EQ(&letters[5], list.RemoveTail());
    EXPECT_EQ("bcd", Walk(list));
    EXPECT_EQ(&letters[1], list.GetHead());
    EXPECT_EQ(&letters[3], list.GetTail());
}

TEST(CPtrListTest, StaleAndForeignPositionsAreIgnored)
{
    int values[4] = {};
    CPtrList list, other;
    POSITION first = list.AddTail(&values[0]);
    list.AddTail(&values[1]);
    POSITION foreign = other.AddTail(&values[2]);

    list.RemoveAt(first);
    EXPECT_EQ(1, list.GetCount());
    list.RemoveAt(first);  // removed already
    list.RemoveAt(foreign);
    list.SetAt(foreign, &values[3]);
    EXPECT_EQ(1, list.GetCount());
    EXPECT_EQ(1, other.GetCount());
    EXPECT_EQ(&values[2], other.GetHead());
    EXPECT_EQ(nullptr, list.GetAt(first));
    EXPECT_EQ(nullptr, list.InsertAfter(foreign, &values[3]));

    POSITION pos = foreign;
    EXPECT_EQ(nullptr, list.GetNext(pos));
    EXPECT_EQ(nullptr, pos);

    CPtrList empty;
    EXPECT_EQ(nullptr, empty.RemoveHead());
    EXPECT_EQ(nullptr, empty.RemoveTail());
    EXPECT_EQ(nullptr, empty.GetHead());
    EXPECT_EQ(nullptr, empty.GetHeadPosition());
}

TEST(CPtrListTest, FindAndIndex)
{
    static char text[] = "abab";
    CPtrList list;
    for (int i = 0; i < 4; ++i)
        list.AddTail(&text[i % 2]);
    POSITION firstB = list.Find(&text[1]);
    EXPECT_EQ(list.FindIndex(1), firstB);
    EXPECT_EQ(list.FindIndex(3), list.Find(&text[1], firstB));
    EXPECT_EQ(nullptr, list.Find(&text[1], list.FindIndex(3)));
    EXPECT_EQ(nullptr, list.Find(&text[2]));
    EXPECT_EQ(nullptr, list.FindIndex(4));
    EXPECT_EQ(nullptr, list.FindIndex(-1));

    list.AddTail(&list);  // the list appends a copy of itself
    EXPECT_EQ("abababab", Walk(list));
    list.AddHead(&list);
    EXPECT_EQ(16, list.GetCount());
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    list.AddTail(&text[0]);
    EXPECT_EQ("a", Walk(list));
}

TEST(CObListTest, HoldsObjects)
{
    CStringArray a, b;
    CObList list;
    list.AddTail(&a);
    list.AddTail(&b);
    POSITION pos = list.GetHeadPosition();
    EXPECT_EQ(&a, list.GetNext(pos));
    EXPECT_EQ(&b, list.GetNext(pos));
    EXPECT_EQ(nullptr, pos);
    EXPECT_TRUE(list.GetHead()->IsKindOf(RUNTIME_CLASS(CStringArray)));
    EXPECT_TRUE(list.IsKindOf(RUNTIME_CLASS(CObList)));
}

}  // namespace
