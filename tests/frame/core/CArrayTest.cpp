// CArray and the typed arrays: element lifetimes, insertion and removal at the
// boundaries, arguments that live in the array itself, access out of range.
#include "afxtempl.h"
#include <gtest/gtest.h>
#include <string>

namespace {

// Counts live instances so that every construction is matched by one destruction.
struct Tracked
{
    static int s_live;
    int value;
    Tracked(int v = 0) : value(v) { ++s_live; }
    Tracked(const Tracked& other) : value(other.value) { ++s_live; }
    Tracked& operator=(const Tracked&) = default;
    ~Tracked() { --s_live; }
};
int Tracked::s_live = 0;

std::string Values(const CArray<Tracked>& a)
{
    std::string text;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        text += (i ? "," : "") + std::to_string(a[i].value);
    return text;
}

TEST(CArrayTest, ElementLifetimeMatchesSize)
{
    int before = Tracked::s_live;
    {
        CArray<Tracked> a;
        for (int i = 0; i < 100; ++i)
            EXPECT_EQ(i, a.Add(Tracked(i)));
        EXPECT_EQ(before + 100, Tracked::s_live);
        a.InsertAt(50, Tracked(-1), 10);
        a.RemoveAt(0, 5);
        a.SetSize(200);
        EXPECT_EQ(before + 200, Tracked::s_live);
        a.SetSize(20);
        a.FreeExtra();
        EXPECT_EQ(before + 20, Tracked::s_live);

        CArray<Tracked> b;
        b.Copy(a);
        b.Append(a);
        b.InsertAt(3, &a);
        EXPECT_EQ(60, b.GetSize());
        EXPECT_EQ(before + 80, Tracked::s_live);
        b.RemoveAll();
        EXPECT_EQ(before + 20, Tracked::s_live);
    }
    EXPECT_EQ(before, Tracked::s_live);
}

TEST(CArrayTest, InsertAndRemoveBoundaries)
{
    CArray<Tracked> a;
    a.InsertAt(3, Tracked(7));  // past the end: grows to reach it
    EXPECT_EQ("0,0,0,7", Values(a));
    a.InsertAt(0, Tracked(1), 2);
    EXPECT_EQ("1,1,0,0,0,7", Values(a));
    a.InsertAt(-1, Tracked(9));
    a.InsertAt(2, Tracked(9), 0);
    EXPECT_EQ(6, a.GetSize());

    a.RemoveAt(4, 100);  // clipped to the end
    EXPECT_EQ("1,1,0,0", Values(a));
    a.RemoveAt(-1);
    a.RemoveAt(4);
    a.RemoveAt(0, 0);
    EXPECT_EQ("1,1,0,0", Values(a));
    a.RemoveAt(1, 2);
    EXPECT_EQ("1,0", Values(a));
    EXPECT_EQ(1, a.GetUpperBound());
}

TEST(CArrayTest, OwnElementsAsArgumentsSurviveReallocation)
{
    CArray<Tracked> a;
    a.Add(Tracked(5));
    for (int i = 0; i < 200; ++i)
        a.Add(a[0]);
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        ASSERT_EQ(5, a[i].value) << i;

    CArray<Tracked> b;
    b.Add(Tracked(1));
    b.Add(Tracked(2));
    b.FreeExtra();
    b.InsertAt(0, b[1], 3);
    EXPECT_EQ("2,2,2,1,2", Values(b));
    b.SetAtGrow(9, b[3]);
    EXPECT_EQ("2,2,2,1,2,0,0,0,0,1", Values(b));
    b.InsertAt(1, &b);
    EXPECT_EQ(20, b.GetSize());
    EXPECT_EQ("2,2,2,2,1,2,0,0,0,0,1,2,2,1,2,0,0,0,0,1", Values(b));
    b.Append(b);
    EXPECT_EQ(40, b.GetSize());
    EXPECT_EQ(b[19].value, b[39].value);
}

TEST(CArrayTest, OutOfRangeAccessTouchesNothing)
{
    CArray<int, int> a;
    a.SetSize(3);
    a[0] = 1;
    EXPECT_EQ(0, a.GetAt(5));
    EXPECT_EQ(0, a[-1]);
    a.ElementAt(7) = 99;  // lands in scratch space
    EXPECT_EQ(0, a.GetAt(7));
    a.SetAt(3, 5);
    a.SetAtGrow(-1, 5);
    a.SetSize(-4);
    EXPECT_EQ(3, a.GetSize());
    EXPECT_EQ(1, a[0]);
    EXPECT_EQ(0, a[2]);  // grown elements are value-initialised

    a.SetAtGrow(5, 6);
    EXPECT_EQ(6, a.GetSize());
    EXPECT_EQ(6, a.GetData()[5]);

    const CArray<int, int>& constant = a;
    EXPECT_EQ(0, constant[100]);
}

TEST(CollectionArraysTest, TypedArrays)
{
    CStringArray strings;
    strings.Add("one");
    strings.Add(CString("two"));
    strings.InsertAt(0, "zero");
    strings.SetAtGrow(4, "four");
    ASSERT_EQ(5, strings.GetSize());
    EXPECT_STREQ("zero", strings[0]);
    EXPECT_STREQ("", strings[3]);
    EXPECT_STREQ("four", strings.GetAt(4));
    EXPECT_TRUE(strings.IsKindOf(RUNTIME_CLASS(CStringArray)));
    EXPECT_TRUE(strings.IsKindOf(RUNTIME_CLASS(CObject)));

    CDWordArray dwords;
    dwords.Add(0xFFFFFFFFu);
    EXPECT_EQ(0xFFFFFFFFu, dwords[0]);
    CUIntArray uints;
    uints.SetSize(2);
    EXPECT_EQ(0u, uints[1]);
    CPtrArray ptrs;
    ptrs.Add(&dwords);
    EXPECT_EQ(&dwords, ptrs[0]);
    EXPECT_FALSE(ptrs.IsKindOf(RUNTIME_CLASS(CStringArray)));
}

}  // namespace
