// The partition-exchange sort and the separator blocks, against a literal
// reference of the algorithm.
#include "ListSortAlgorithm.h"
#include "ListSortReference.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace list_sort;

namespace {

std::vector<int> Sorted(std::vector<int> a, bool ascending, const std::function<int(int, int)>& compare)
{
    if (a.size() > 1)
        PartitionExchangeSort(a.data(), 0, (int)a.size() - 1, ascending, compare);
    return a;
}

std::vector<int> ReferenceSorted(std::vector<int> a, bool ascending, const std::function<int(int, int)>& compare)
{
    if (a.size() > 1)
        ReferenceSort(a, 0, (int)a.size() - 1, ascending, compare);
    return a;
}

std::vector<int> Identity(int n)
{
    std::vector<int> a(n);
    for (int i = 0; i < n; ++i)
        a[i] = i;
    return a;
}

}  // namespace

TEST(ListSortAlgorithm, EqualItemsAreNotKeptInOrder)
{
    // Two equal items: both scans stop at once and the pair is swapped.
    auto allEqual = [](int, int) { return 0; };
    EXPECT_EQ((std::vector<int>{ 1, 0 }), Sorted(Identity(2), true, allEqual));
    EXPECT_EQ(ReferenceSorted(Identity(7), true, allEqual), Sorted(Identity(7), true, allEqual));
    EXPECT_NE(Identity(7), Sorted(Identity(7), true, allEqual));
}

TEST(ListSortAlgorithm, SortsByKeyInBothDirections)
{
    std::vector<int> keys = { 5, 3, 9, 1, 3, 7, 0, 5 };
    auto byKey = [&](int x, int y) { return keys[x] - keys[y]; };
    std::vector<int> up = Sorted(Identity(8), true, byKey);
    std::vector<int> down = Sorted(Identity(8), false, byKey);
    for (int k = 1; k < 8; ++k) {
        EXPECT_LE(keys[up[k - 1]], keys[up[k]]);
        EXPECT_GE(keys[down[k - 1]], keys[down[k]]);
    }
}

TEST(ListSortAlgorithm, SameOrderAsTheReferenceOnRandomKeysWithTies)
{
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        int n = 1 + (int)(random() % (round < 2000 ? 20 : 400));
        int nDistinct = 1 + (int)(random() % (n + 1));
        std::vector<int> keys(n);
        for (int& k : keys)
            k = (int)(random() % nDistinct);
        std::vector<int> start = Identity(n);
        std::shuffle(start.begin(), start.end(), random);
        auto byKey = [&](int x, int y) { return keys[x] < keys[y] ? -1 : (keys[x] > keys[y] ? 1 : 0); };
        bool ascending = (random() & 1) != 0;
        ASSERT_EQ(ReferenceSorted(start, ascending, byKey), Sorted(start, ascending, byKey))
            << "round " << round << ", " << n << " items";
    }
}

TEST(ListSortAlgorithm, ArbitraryComparisonsStayInsideTheRange)
{
    // Comparisons that are no order at all (as typed comparisons of mixed texts
    // can be): a fixed random answer per pair. The scans must stay in range (the
    // reference reads through at(), the sanitizers watch the other) and the
    // result must still be the reference's permutation.
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        int n = 2 + (int)(random() % 40);
        std::vector<int> table(n * n);
        for (int& t : table)
            t = (int)(random() % 3) - 1;
        for (int x = 0; x < n; ++x)
            table[x * n + x] = 0;
        auto chaos = [&](int x, int y) { return table[x * n + y]; };
        std::vector<int> start = Identity(n);
        std::shuffle(start.begin(), start.end(), random);
        bool ascending = (random() & 1) != 0;
        std::vector<int> got = Sorted(start, ascending, chaos);
        ASSERT_EQ(ReferenceSorted(start, ascending, chaos), got) << "round " << round;
        std::sort(got.begin(), got.end());
        ASSERT_EQ(Identity(n), got);
    }
}

TEST(ListSortAlgorithm, LargeInputsInAnyShape)
{
    const int n = 200000;
    std::vector<int> keys(n);
    auto byKey = [&](int x, int y) { return keys[x] < keys[y] ? -1 : (keys[x] > keys[y] ? 1 : 0); };
    // Already sorted, reversed, few distinct values, scattered.
    std::vector<std::function<int(int)>> shapes = { [](int i) { return i; }, [](int i) { return n - i; },
                                                    [](int i) { return i % 3; },
                                                    [](int i) { return (int)((i * 2654435761u) % 1000003u); } };
    for (auto& shape : shapes) {
        for (int i = 0; i < n; ++i)
            keys[i] = shape(i);
        std::vector<int> got = Sorted(Identity(n), true, byKey);
        ASSERT_TRUE(std::is_sorted(got.begin(), got.end(), [&](int x, int y) { return keys[x] < keys[y]; }));
    }
}

TEST(ListSortAlgorithm, BlocksBetweenSeparatorRows)
{
    struct Case
    {
        std::vector<std::string> rows;
        std::vector<std::pair<int, int>> blocks;
    } cases[] = {
        { { "pear", "kiwi", "---", "plum", "fig" }, { { 0, 1 }, { 3, 4 } } },
        { { "a", "b", "c" }, { { 0, 2 } } },
        { {}, { { 0, -1 } } },
        { { "---" }, { { 0, -1 }, { 1, 0 } } },
        { { "---", "a", "b" }, { { 0, -1 }, { 1, 2 } } },
        { { "a", "b", "---" }, { { 0, 1 }, { 3, 2 } } },
        { { "a", "---", "---", "b", "c" }, { { 0, 0 }, { 2, 1 }, { 3, 4 } } },
    };
    for (const Case& c : cases) {
        int nFinds = 0;
        auto find = [&](int after) {
            ++nFinds;
            for (int i = after + 1; i < (int)c.rows.size(); ++i)
                if (c.rows[i] == "---")
                    return i;
            return -1;
        };
        std::vector<std::pair<int, int>> blocks;
        auto sortBlock = [&](int first, int last) { blocks.emplace_back(first, last); };
        ForEachSortBlock((int)c.rows.size(), find, sortBlock);
        EXPECT_EQ(c.blocks, blocks) << c.rows.size() << " rows";
        EXPECT_EQ((int)c.blocks.size(), nFinds) << "one search per block";
    }
}
