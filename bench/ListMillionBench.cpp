// A list at scale: insert, sort, select all, delete all and destroy at 10,000,
// 100,000 and 1,000,000 rows x 5 columns, painting suspended, QELListCtrl
// against a plain list view side by side (each operation's time per row and
// the ratio), how each operation grows with each tenfold step of rows (goal:
// at most 12x the time), the library's own bytes per row (goal 64 + 8 per
// column) and the process's peak private bytes.
//
//   ListMillionBench [--sort-up-to N] [--list-first] [ROWS ...]
//       sizes to run (10000 100000 1000000 by default); above N rows the sort
//       is left out (Wine's LVM_SORTITEMS moves items by an insertion merge,
//       quadratic in the rows: at a million rows it runs for tens of minutes,
//       for the plain list view as for QELListCtrl)
//   --list-first
//       QELListCtrl takes the first turn of each round instead of the plain list
//       view. At a million rows there is one round, and the side that goes second
//       allocates from a heap holding the first side's million freed rows: run
//       both orders to see how much of a ratio that is
//
// The sorted column holds whole numbers, so the typed comparison reads them as
// numbers (a column of dates would time the platform's date parser instead);
// the plain list view sorts by the same numbers kept in its item parameters.
#include "BenchSupport.h"
#include <psapi.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
CBenchApp theApp("ZUZIVU70 million-row benchmark");

const int kColumns = 5;
const int kSortColumn = 2;
const RECT kListRect = { 0, 0, 760, 520 };
enum Operation { kInsert, kSort, kSelectAll, kDeleteAll, kDestroy, kOperations };
const char* const kNames[kOperations] = { "insert", "sort", "select all", "delete all", "destroy" };

// Row i's key: a fixed shuffle of the rows, so the sort has real work to do.
int Key(int i, int nRows) { return (int)(((long long)i * 7919 + 13) % nRows); }

void Cell(char* buf, size_t n, int nRow, int nColumn, int nRows)
{
    switch (nColumn) {
    case 0:
        std::snprintf(buf, n, "Customer %07d", nRow);
        break;
    case kSortColumn:
        std::snprintf(buf, n, "%d", Key(nRow, nRows));
        break;
    default:
        std::snprintf(buf, n, "c%d r%d", nColumn, nRow % 997);
        break;
    }
}

int CALLBACK CompareKeys(LPARAM lParam1, LPARAM lParam2, LPARAM) { return lParam1 < lParam2 ? -1 : lParam1 > lParam2; }

// The process's private bytes now; the largest seen is kept (sampled when a list is full).
double g_peakPrivate = 0;
void SamplePrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof(counters);
    if (::GetProcessMemoryInfo(::GetCurrentProcess(), (PROCESS_MEMORY_COUNTERS*)&counters, sizeof(counters)))
        // Wine leaves PrivateUsage 0 and reports the private (anonymous) bytes as PagefileUsage.
        g_peakPrivate = (std::max)(g_peakPrivate, (double)(std::max)(counters.PrivateUsage, counters.PagefileUsage));
}

struct Result
{
    Span t[kOperations];
};

Result RunPlain(CWnd& parent, int nRows, bool bSort)
{
    Result r;
    HWND hList = MakePlainListView(parent.m_hWnd, kListRect, kColumns, 140);
    ::SendMessageA(hList, WM_SETREDRAW, FALSE, 0);
    char buf[64];
    Span t0 = Span::Now();
    for (int i = 0; i < nRows; ++i) {
        Cell(buf, sizeof(buf), i, 0, nRows);
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = i;
        item.pszText = buf;
        item.lParam = Key(i, nRows);
        int nIndex = (int)::SendMessageA(hList, LVM_INSERTITEMA, 0, (LPARAM)&item);
        for (int c = 1; c < kColumns; ++c) {
            Cell(buf, sizeof(buf), i, c, nRows);
            LVITEMA sub = {};
            sub.iSubItem = c;
            sub.pszText = buf;
            ::SendMessageA(hList, LVM_SETITEMTEXTA, (WPARAM)nIndex, (LPARAM)&sub);
        }
    }
    r.t[kInsert] = Span::Now() - t0;
    SamplePrivateBytes();
    t0 = Span::Now();
    if (bSort)
        ::SendMessageA(hList, LVM_SORTITEMS, 0, (LPARAM)CompareKeys);
    r.t[kSort] = Span::Now() - t0;
    t0 = Span::Now();
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    ::SendMessageA(hList, LVM_SETITEMSTATE, (WPARAM)-1, (LPARAM)&state);
    r.t[kSelectAll] = Span::Now() - t0;
    t0 = Span::Now();
    ::SendMessageA(hList, LVM_DELETEALLITEMS, 0, 0);
    r.t[kDeleteAll] = Span::Now() - t0;
    t0 = Span::Now();
    ::DestroyWindow(hList);
    r.t[kDestroy] = Span::Now() - t0;
    return r;
}

Result RunQel(CWnd& parent, int nRows, bool bSort)
{
    Result r;
    QELListCtrl* pList = new QELListCtrl;
    pList->Create(&parent, 2, &kListRect, WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT);
    AddListColumns(pList->m_hWnd, kColumns, 140);
    pList->SetRedraw(FALSE);
    char buf[64];
    Span t0 = Span::Now();
    for (int i = 0; i < nRows; ++i) {
        Cell(buf, sizeof(buf), i, 0, nRows);
        int nIndex = pList->InsertItem(i, buf);
        for (int c = 1; c < kColumns; ++c) {
            Cell(buf, sizeof(buf), i, c, nRows);
            pList->SetItemText(nIndex, c, buf);
        }
    }
    r.t[kInsert] = Span::Now() - t0;
    SamplePrivateBytes();
    t0 = Span::Now();
    if (bSort)
        pList->SortItems(kSortColumn, TRUE);
    r.t[kSort] = Span::Now() - t0;
    t0 = Span::Now();
    pList->SetAllItemStates(ITEMSTATE_ANY, ITEMSTATE_SELECTED);
    r.t[kSelectAll] = Span::Now() - t0;
    t0 = Span::Now();
    pList->DeleteAllItems();
    r.t[kDeleteAll] = Span::Now() - t0;
    t0 = Span::Now();
    pList->DestroyWindow();
    delete pList;
    r.t[kDestroy] = Span::Now() - t0;
    return r;
}

// The library's bytes per row: the same rows (one text each) in a plain list
// view and in QELListCtrl; what the list view keeps is the same on both sides.
double LibraryBytesPerRow(CWnd& parent, int nRows)
{
    long long before = HeapBytesInUse();
    HWND hPlain = ::CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, 0, 0, 100, 100, parent.m_hWnd, (HMENU)1,
                                    ::GetModuleHandleA(nullptr), nullptr);
    AddListColumns(hPlain, kColumns, 140);
    InsertPlainRows(hPlain, nRows);
    long long plain = HeapBytesInUse() - before;
    ::DestroyWindow(hPlain);

    before = HeapBytesInUse();
    QELListCtrl* pList = new QELListCtrl;
    pList->Create(&parent, 2, &kListRect, WS_CHILD | WS_BORDER | LVS_REPORT);
    AddListColumns(pList->m_hWnd, kColumns, 140);
    pList->SetRedraw(FALSE);
    for (int i = 0; i < nRows; ++i)
        pList->InsertItem(i, "row");
    long long qel = HeapBytesInUse() - before;
    pList->DestroyWindow();
    delete pList;
    return (double)(qel - plain) / nRows;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!StartBenchmark())
        return 1;
    std::vector<int> sizes;
    int nSortUpTo = 0x7FFFFFFF;
    int nFirstSide = 0;
    for (int a = 1; a < argc; ++a) {
        if (std::string(argv[a]) == "--sort-up-to" && a + 1 < argc)
            nSortUpTo = std::atoi(argv[++a]);
        else if (std::string(argv[a]) == "--list-first")
            nFirstSide = 1;
        else if (std::atoi(argv[a]) > 0)
            sizes.push_back(std::atoi(argv[a]));
    }
    if (sizes.empty())
        sizes = { 10000, 100000, 1000000 };
    CFrameWnd frame;
    frame.Create(nullptr, "Million-row benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 800, 600));
    const char* arch = sizeof(void*) == 8 ? "x86_64" : "i686";
    Result previous[2];
    int nPrevious = 0;
    for (int nRows : sizes) {
        // Each side first in turn; the best of two rounds below a million, one round at a million.
        Result best[2];
        for (auto& b : best)
            for (auto& t : b.t)
                t = Span{ 1e30, 1e30 };
        const int nRounds = nRows < 1000000 ? 2 : 1;
        for (int round = 0; round < nRounds; ++round) {
            for (int side = 0; side < 2; ++side) {
                const bool bQel = (side + round + nFirstSide) % 2 == 1;
                const bool bSort = nRows <= nSortUpTo;
                Result r = bQel ? RunQel(frame, nRows, bSort) : RunPlain(frame, nRows, bSort);
                for (int o = 0; o < kOperations; ++o)
                    KeepBest(best[bQel].t[o], r.t[o]);
            }
        }
        std::printf("%7d rows x %d columns, painting suspended (%s):\n", nRows, kColumns, arch);
        for (int o = 0; o < kOperations; ++o) {
            if (o == kSort && nRows > nSortUpTo) {
                std::printf("  %-10s left out (--sort-up-to %d)\n", kNames[o], nSortUpTo);
                continue;
            }
            const Span& p = best[0].t[o];
            const Span& q = best[1].t[o];
            std::printf("  %-10s plain %9.1f ms (%7.3f us/row)   QELListCtrl %9.1f ms (%7.3f us/row)   ratio %6.2f",
                        kNames[o], p.wall * 1e3, p.wall * 1e6 / nRows, q.wall * 1e3, q.wall * 1e6 / nRows,
                        p.wall > 0 ? q.wall / p.wall : 0.0);
            if (nPrevious > 0 && nRows == nPrevious * 10)
                std::printf("   x%d rows: plain x%.1f, QELListCtrl x%.1f (goal <= 12)", 10,
                            p.wall / previous[0].t[o].wall, q.wall / previous[1].t[o].wall);
            std::printf("\n");
        }
        std::fflush(stdout);
        previous[0] = best[0];
        previous[1] = best[1];
        nPrevious = nRows;
    }
    const int nMemoryRows = sizes.back() < 100000 ? sizes.back() : 100000;
    std::printf("library bytes per row at %d columns: %.1f (goal <= %d = 64 + 8 x %d), measured over %d rows\n",
                kColumns, LibraryBytesPerRow(frame, nMemoryRows), 64 + 8 * kColumns, kColumns, nMemoryRows);
    std::printf("peak private bytes of the process (with a full list): %.1f MB (%s)\n", g_peakPrivate / 1048576.0,
                arch);
    frame.DestroyWindow();
    AfxWinTerm();
    return 0;
}
