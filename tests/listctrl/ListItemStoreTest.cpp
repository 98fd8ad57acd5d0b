// The item store on its own: blocks that keep their address, a set of live
// blocks that no other value gets into, pins, and colours that follow the
// columns, checked against a plain model of the cells.
#include "listctrl/ListItemStore.h"
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {
const COLORREF kInk = RGB(1, 2, 3), kPaper = RGB(250, 250, 240);

// Every cell of a block as the store answers for columns 0 .. nColumns - 1.
std::vector<std::pair<COLORREF, COLORREF>> Cells(const QELListItemMemory* p, int nColumns)
{
    std::vector<std::pair<COLORREF, COLORREF>> v;
    for (int c = 0; c < nColumns; ++c) {
        COLORREF t = 0xFFFFFFFF, b = 0xFFFFFFFF;
        ListItemStore::GetCellColors(p, c, t, b);
        v.push_back({ t, b });
    }
    return v;
}
}

TEST(ListItemStore, OnlyItsOwnLiveBlocksAreFound)
{
    ListItemStore store;
    const LONG nModule = ListItemStore::LiveInModule();
    std::vector<QELListItemMemory*> blocks;
    for (int i = 0; i < 100; ++i) {
        blocks.push_back(store.Create((DWORD)i, kInk, kPaper));
        ASSERT_NE(blocks.back(), nullptr);
    }
    EXPECT_EQ(store.LiveCount(), 100);
    EXPECT_EQ(ListItemStore::LiveInModule(), nModule + 100);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(store.Find((LPARAM)blocks[(size_t)i]), blocks[(size_t)i]);
        EXPECT_EQ(blocks[(size_t)i]->dwData, (DWORD)i);
    }
    // Values that are no block: null, small numbers, the inside of a block, a
    // block of another store, and memory of the same chunk never handed out.
    ListItemStore other;
    QELListItemMemory* pForeign = other.Create(7, kInk, kPaper);
    EXPECT_EQ(store.Find(0), nullptr);
    EXPECT_EQ(store.Find(1234), nullptr);
    EXPECT_EQ(store.Find((LPARAM)blocks[5] + 4), nullptr);
    EXPECT_EQ(store.Find((LPARAM)pForeign), nullptr);
    EXPECT_EQ(store.Find((LPARAM)(blocks.back() + 1)), nullptr) << "past the last block handed out";
    EXPECT_EQ(store.Find(-1), nullptr);

    // A released block is no block any more, and is released once only.
    EXPECT_TRUE(store.Release(blocks[10]));
    EXPECT_EQ(store.Find((LPARAM)blocks[10]), nullptr);
    EXPECT_FALSE(store.Release(blocks[10]));
    EXPECT_FALSE(store.Release(pForeign)) << "not this store's";
    EXPECT_FALSE(store.Release(nullptr));
    EXPECT_EQ(store.LiveCount(), 99);
    EXPECT_EQ(other.LiveCount(), 1);
    store.ReleaseAll();
    EXPECT_EQ(store.LiveCount(), 0);
    EXPECT_EQ(store.Find((LPARAM)blocks[0]), nullptr);
    EXPECT_EQ(ListItemStore::LiveInModule(), nModule + 1);
}

TEST(ListItemStore, APinnedBlockOutlivesItsReleaseUntilThePinGoes)
{
    ListItemStore store;
    QELListItemMemory* p = store.Create(1, kInk, kPaper);
    QELListItemMemory* q = store.Create(2, kInk, kPaper);
    {
        ListItemStore::Pin pin(store, p);
        EXPECT_TRUE(store.IsPinned(p));
        EXPECT_TRUE(store.Release(p));
        EXPECT_EQ(store.Find((LPARAM)p), p) << "still in the hands of the pin's owner";
        store.ReleaseAll();
        EXPECT_EQ(store.Find((LPARAM)q), nullptr);
        EXPECT_EQ(store.Find((LPARAM)p), p);
        {
            ListItemStore::Pin inner(store, p);
        }
        EXPECT_EQ(store.Find((LPARAM)p), p) << "the outer pin still holds it";
    }
    EXPECT_EQ(store.Find((LPARAM)p), nullptr);
    EXPECT_EQ(store.LiveCount(), 0);
    // A pin whose block was never released leaves it alive.
    QELListItemMemory* r = store.Create(3, kInk, kPaper);
    {
        ListItemStore::Pin pin(store, r);
    }
    EXPECT_EQ(store.Find((LPARAM)r), r);
}

TEST(ListItemStore, ColoursFollowTheColumnsAndBlocksNeverMove)
{
    // Blocks with and without colours of their own, against a model of their cells.
    ListItemStore store;
    const int nRows = 40;
    int nColumns = 3;
    std::vector<QELListItemMemory*> blocks;
    std::vector<std::vector<std::pair<COLORREF, COLORREF>>> model;
    for (int i = 0; i < nRows; ++i) {
        blocks.push_back(store.Create((DWORD)i, kInk, kPaper));
        model.push_back(std::vector<std::pair<COLORREF, COLORREF>>((size_t)nColumns, { kInk, kPaper }));
        if (i % 3 == 0) {
            ASSERT_TRUE(ListItemStore::SetCellColors(blocks.back(), nColumns, 1, 1, RGB(i, 0, 0), TRUE));
            model.back()[1].first = RGB(i, 0, 0);
        }
        if (i % 5 == 0) {
            ASSERT_TRUE(ListItemStore::SetCellColors(blocks.back(), nColumns, 0, 2, RGB(0, i, 0), FALSE));
            for (auto& cell : model.back())
                cell.second = RGB(0, i, 0);
        }
    }
    const std::vector<QELListItemMemory*> addresses = blocks;
    auto check = [&](const char* step) {
        for (int i = 0; i < nRows; ++i) {
            ASSERT_EQ(store.Find((LPARAM)addresses[(size_t)i]), addresses[(size_t)i]) << step;
            EXPECT_EQ(Cells(blocks[(size_t)i], nColumns), model[(size_t)i]) << step << ", row " << i;
            EXPECT_EQ(blocks[(size_t)i]->dwData, (DWORD)i) << step;
        }
    };
    check("made");

    // A column in the colours the rows were made with, in the middle.
    store.InsertColumn(1, nColumns, kInk, kPaper);
    for (auto& row : model)
        row.insert(row.begin() + 1, { kInk, kPaper });
    ++nColumns;
    check("inserted in the same colours");
    // The system colours changed: the new column has the new ones, the others keep theirs.
    const COLORREF kNewInk = RGB(9, 9, 9), kNewPaper = RGB(200, 220, 255);
    store.InsertColumn(0, nColumns, kNewInk, kNewPaper);
    for (auto& row : model)
        row.insert(row.begin(), { kNewInk, kNewPaper });
    ++nColumns;
    check("inserted in new colours");
    store.InsertColumn(99, nColumns, kNewInk, kNewPaper);  // beyond the end appends
    for (auto& row : model)
        row.push_back({ kNewInk, kNewPaper });
    ++nColumns;
    check("appended");
    for (int c : { 2, 0, nColumns - 3 }) {
        store.DeleteColumn(c);
        for (auto& row : model)
            row.erase(row.begin() + c);
        --nColumns;
        check("deleted");
    }
    store.DeleteColumn(-1);
    store.DeleteColumn(nColumns);
    check("nothing deleted");
    while (nColumns > 0) {
        store.DeleteColumn(0);
        for (auto& row : model)
            row.erase(row.begin());
        --nColumns;
    }
    check("no columns");
    store.InsertColumn(0, 0, kNewInk, kNewPaper);
    for (auto& row : model)
        row.push_back({ kNewInk, kNewPaper });
    nColumns = 1;
    check("a first column again");
}
