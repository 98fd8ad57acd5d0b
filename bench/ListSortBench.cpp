// Sorting a list by one column of mixed typed texts (integers, hexadecimal
// codes, reals, percents, dates, words), timed side by side in one run:
//
//   SortItems   QELListCtrl::SortItems
//   usual       what a developer would write instead: a plain list view whose
//               item parameters point at a shadow copy of the rows' texts, and
//               LVM_SORTITEMS with a comparator doing the typed comparison
//   floor       the least a sort that reorders the list view can cost: every
//               row's text classified once (hexadecimal, real, date, text) and
//               ranked by std::sort, then the list view's own LVM_SORTITEMS
//               reordering the items by rank, the comparator comparing two
//               integers (item parameter = row, rank looked up in an array).
//               LVM_SORTITEMSEX is no use: Wine's leaves a wrong order. Every
//               text is read all three ways, as the typed comparison of a
//               mixed column needs (Wine's date parser costs 10-20 us a text:
//               it dominates every figure here)
//   lean        the floor with the date read only where both number readings
//               fail: cheaper, but it cannot give the typed comparison's order
//   rewrite     the ranks as for the floor, then every cell of the list
//               rewritten once with painting suspended instead of reordered
//   plain       the algorithm read literally: two cell texts read and parsed in
//               every comparison, then every row rewritten (10,000 rows only
//               unless --plain-all: it takes minutes at 100,000)
//
// Each figure is the best of a few runs (the clock and the thread's processor
// time, each its best), the contestants taking turns within every run; every
// run starts from the same shuffled rows. Painting counts: each run ends with
// the list repainted.
//
//   ListSortBench [--plain-all] [ROWS ...]   sizes to measure (10000 100000 by
//                                            default; at 1,000,000 only
//                                            SortItems and the floor run)
#include "BenchSupport.h"
#include <mbstring.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {
CBenchApp theApp("ZUZIVU70 list sort benchmark");

const int kColumns = 4;
const int kSortColumn = 1;
const RECT kListRect = { 0, 0, 760, 520 };

// ---------------------------------------------------------------------------------------------
// The rows: every cell one of six kinds of text, chosen at random

std::vector<std::string> MakeCells(int nRows)
{
    static const char* words[] = { "Lisbon", "Oslo",    "Turin",   "Ghent",    "Cork",    "Brno",
                                   "Lyon",   "Graz",    "Bergen",  "Porto",    "Aarhus",  "Malmo",
                                   "Basel",  "Leuven",  "Tartu",   "Kaunas",   "Split",   "Bilbao",
                                   "Nantes", "Trieste", "Uppsala", "Delft",    "Utrecht", "Galway",
                                   "Krakow", "Plovdiv", "Coimbra", "Freiburg", "Padua",   "Toulouse" };
    std::mt19937 random(12345);
    std::vector<std::string> cells;
    cells.reserve((size_t)nRows * kColumns);
    char buf[64];
    for (int i = 0; i < nRows * kColumns; ++i) {
        switch (random() % 6) {
        case 0:
            std::snprintf(buf, sizeof(buf), "%u", (unsigned)(random() % 1000000));
            break;
        case 1:
            std::snprintf(buf, sizeof(buf), "0x%04X", (unsigned)(random() % 0x10000));
            break;
        case 2:
            std::snprintf(buf, sizeof(buf), "%.2f", (double)(random() % 1000000) / 100.0 - 2000.0);
            break;
        case 3:
            std::snprintf(buf, sizeof(buf), "%.1f%%", (double)(random() % 1000) / 10.0);
            break;
        case 4:
            std::snprintf(buf, sizeof(buf), "%u/%u/%u", 1 + (unsigned)(random() % 12), 1 + (unsigned)(random() % 28),
                          1990 + (unsigned)(random() % 35));
            break;
        default:
            std::snprintf(buf, sizeof(buf), "%s %u", words[random() % 30], (unsigned)(random() % 100));
            break;
        }
        cells.push_back(buf);
    }
    return cells;
}

// Rows go in with painting suspended; the item parameter is whatever params gives.
void FillList(HWND hList, const std::vector<std::string>& cells, int nRows, const std::vector<LPARAM>* params)
{
    ::SendMessageA(hList, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < nRows; ++i) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | (params ? LVIF_PARAM : 0);
        item.iItem = i;
        item.pszText = const_cast<char*>(cells[(size_t)i * kColumns].c_str());
        item.lParam = params ? (*params)[(size_t)i] : 0;
        ::SendMessageA(hList, LVM_INSERTITEMA, 0, (LPARAM)&item);
        for (int c = 1; c < kColumns; ++c) {
            LVITEMA sub = {};
            sub.iSubItem = c;
            sub.pszText = const_cast<char*>(cells[(size_t)i * kColumns + c].c_str());
            ::SendMessageA(hList, LVM_SETITEMTEXTA, (WPARAM)i, (LPARAM)&sub);
        }
    }
    ::SendMessageA(hList, WM_SETREDRAW, TRUE, 0);
    ::UpdateWindow(hList);
}

HWND MakePlainList(CWnd& parent)
{
    HWND hList =
        ::CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_BORDER | LVS_REPORT,
                          kListRect.left, kListRect.top, kListRect.right, kListRect.bottom, parent.m_hWnd, (HMENU)1,
                          ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(hList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_SUBITEMIMAGES);
    AddListColumns(hList, kColumns, 170);
    return hList;
}

// ---------------------------------------------------------------------------------------------
// The typed comparison as an application would write it with the C runtime

bool HexText(const char* s, unsigned long& v)
{
    char* end;
    v = std::strtoul(s, &end, 16);
    return *s && !*end;
}

bool RealText(const char* s, double& v)
{
    char* end;
    v = std::strtod(s, &end);
    return *s && (!*end || (*end == '%' && !end[1]));
}

bool DateText(const char* s, double& v)
{
    WCHAR wide[256];
    DATE d;
    if (!::MultiByteToWideChar(CP_ACP, 0, s, -1, wide, 256) ||
        FAILED(::VarDateFromStr(wide, LOCALE_USER_DEFAULT, 0, &d)))
        return false;
    v = d < 0 ? 2 * std::ceil(d) - d : d;
    return true;
}

int TypedCompare(const char* a, const char* b)
{
    unsigned long h1, h2;
    if (HexText(a, h1) && HexText(b, h2))
        return h1 < h2 ? -1 : h1 > h2;
    double r1, r2;
    if (RealText(a, r1) && RealText(b, r2))
        return r1 < r2 ? -1 : r1 > r2;
    if (DateText(a, r1) && DateText(b, r2))
        return r1 < r2 ? -1 : r1 > r2;
    return _mbscmp((const unsigned char*)a, (const unsigned char*)b);
}

// ---------------------------------------------------------------------------------------------
// The contestants

std::vector<int> Shuffled(int nRows, unsigned seed)
{
    std::vector<int> order((size_t)nRows);
    for (int i = 0; i < nRows; ++i)
        order[(size_t)i] = i;
    std::mt19937 random(seed);
    std::shuffle(order.begin(), order.end(), random);
    return order;
}

// The rows in the order given.
std::vector<std::string> Arrange(const std::vector<std::string>& cells, const std::vector<int>& order)
{
    std::vector<std::string> out;
    out.reserve(cells.size());
    for (int row : order)
        for (int c = 0; c < kColumns; ++c)
            out.push_back(cells[(size_t)row * kColumns + c]);
    return out;
}

// A QELListCtrl with the rows, put in through the class so every item has its memory.
void MakeQelList(QELListCtrl& list, CWnd& parent, const std::vector<std::string>& cells, int nRows)
{
    list.Create(&parent, 2, &kListRect, WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT);
    AddListColumns(list.m_hWnd, kColumns, 170);
    list.SetRedraw(FALSE);
    for (int i = 0; i < nRows; ++i) {
        list.InsertItem(i, cells[(size_t)i * kColumns].c_str());
        for (int c = 1; c < kColumns; ++c)
            list.CListCtrl::SetItemText(i, c, cells[(size_t)i * kColumns + c].c_str());
    }
    list.SetRedraw(TRUE);
    list.UpdateWindow();
}

Span RunSortItems(CWnd& parent, const std::vector<std::string>& cells, int nRows)
{
    QELListCtrl list;
    MakeQelList(list, parent, cells, nRows);
    const Span t0 = Span::Now();
    list.SortItems(kSortColumn, TRUE);
    list.UpdateWindow();
    const Span t = Span::Now() - t0;
    list.DestroyWindow();
    return t;
}

struct ShadowRow
{
    const std::string* texts;
};

int CALLBACK CompareShadowRows(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    const ShadowRow* r1 = (const ShadowRow*)lParam1;
    const ShadowRow* r2 = (const ShadowRow*)lParam2;
    return TypedCompare(r1->texts[kSortColumn].c_str(), r2->texts[kSortColumn].c_str());
}

Span RunUsual(CWnd& parent, const std::vector<std::string>& cells, int nRows)
{
    std::vector<ShadowRow> shadow((size_t)nRows);
    std::vector<LPARAM> params((size_t)nRows);
    for (int i = 0; i < nRows; ++i) {
        shadow[(size_t)i].texts = &cells[(size_t)i * kColumns];
        params[(size_t)i] = (LPARAM)&shadow[(size_t)i];
    }
    HWND hList = MakePlainList(parent);
    FillList(hList, cells, nRows, &params);
    const Span t0 = Span::Now();
    ::SendMessageA(hList, LVM_SORTITEMS, 0, (LPARAM)CompareShadowRows);
    ::UpdateWindow(hList);
    const Span t = Span::Now() - t0;
    ::DestroyWindow(hList);
    return t;
}

// A key classified once: kind (hex, real, date, text) then value, which
// std::sort can use as a strict order.
struct FloorKey
{
    int kind;
    double value;
    const char* text;
    int row;
};

// Rows ranked by their classified keys: rank[row] is where the row goes.
// bAllReadings: every text read all three ways, as the typed comparison needs
// in a mixed column (a hexadecimal text met by a date falls to the date
// reading of both); otherwise the date only where both number readings fail,
// which is cheaper but cannot give the typed comparison's order.
std::vector<int> ClassifiedRanks(const std::vector<std::string>& cells, int nRows, bool bAllReadings)
{
    std::vector<FloorKey> keys((size_t)nRows);
    for (int i = 0; i < nRows; ++i) {
        const char* s = cells[(size_t)i * kColumns + kSortColumn].c_str();
        unsigned long h;
        double v = 0, d = 0;
        const bool bHex = HexText(s, h), bReal = RealText(s, v);
        const bool bDate = (bAllReadings || (!bHex && !bReal)) && DateText(s, d);
        int kind = bHex ? 0 : bReal ? 1 : bDate ? 2 : 3;
        keys[(size_t)i] = FloorKey{ kind, kind == 0 ? (double)h : kind == 1 ? v : d, s, i };
    }
    std::sort(keys.begin(), keys.end(), [](const FloorKey& a, const FloorKey& b) {
        if (a.kind != b.kind)
            return a.kind < b.kind;
        if (a.kind == 3)
            return _mbscmp((const unsigned char*)a.text, (const unsigned char*)b.text) < 0;
        return a.value < b.value;
    });
    std::vector<int> rank((size_t)nRows);
    for (int k = 0; k < nRows; ++k)
        rank[(size_t)keys[(size_t)k].row] = k;
    return rank;
}

int CALLBACK CompareRanks(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    const int* rank = (const int*)lParamSort;
    int r1 = rank[lParam1], r2 = rank[lParam2];
    return r1 < r2 ? -1 : r1 > r2;
}

Span RunFloor(CWnd& parent, const std::vector<std::string>& cells, int nRows, bool bAllReadings)
{
    std::vector<LPARAM> params((size_t)nRows);
    for (int i = 0; i < nRows; ++i)
        params[(size_t)i] = i;
    HWND hList = MakePlainList(parent);
    FillList(hList, cells, nRows, &params);
    const Span t0 = Span::Now();
    std::vector<int> rank = ClassifiedRanks(cells, nRows, bAllReadings);
    ::SendMessageA(hList, LVM_SORTITEMS, (WPARAM)rank.data(), (LPARAM)CompareRanks);
    ::UpdateWindow(hList);
    const Span t = Span::Now() - t0;
    ::DestroyWindow(hList);
    return t;
}

Span RunRewrite(CWnd& parent, const std::vector<std::string>& cells, int nRows)
{
    HWND hList = MakePlainList(parent);
    FillList(hList, cells, nRows, nullptr);
    const Span t0 = Span::Now();
    std::vector<int> rank = ClassifiedRanks(cells, nRows, true);
    std::vector<int> rowAt((size_t)nRows);
    for (int i = 0; i < nRows; ++i)
        rowAt[(size_t)rank[(size_t)i]] = i;
    ::SendMessageA(hList, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < nRows; ++i) {
        for (int c = 0; c < kColumns; ++c) {
            LVITEMA sub = {};
            sub.iSubItem = c;
            sub.pszText = const_cast<char*>(cells[(size_t)rowAt[(size_t)i] * kColumns + c].c_str());
            ::SendMessageA(hList, LVM_SETITEMTEXTA, (WPARAM)i, (LPARAM)&sub);
        }
    }
    ::SendMessageA(hList, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(hList, nullptr, TRUE);
    ::UpdateWindow(hList);
    const Span t = Span::Now() - t0;
    ::DestroyWindow(hList);
    return t;
}

// The literal reading, on the control's own comparison of two items (which reads
// both texts) and a rewrite of every row with its states, memory, images and texts.
class PlainSortList : public QELListCtrl
{
public:
    void PlainSort(int nColumn)
    {
        _SetSortedColumn(nColumn, TRUE);
        const int nRows = CListCtrl::GetItemCount();
        std::vector<int> indices((size_t)nRows);
        for (int i = 0; i < nRows; ++i)
            indices[(size_t)i] = i;
        _QuickSortRecursive(indices.data(), 0, nRows - 1);
        struct Snapshot
        {
            DWORD dwStates;
            LPARAM param;
            int images[kColumns];
            CString texts[kColumns];
        };
        std::vector<Snapshot> snapshots((size_t)nRows);
        for (int k = 0; k < nRows; ++k) {
            Snapshot& s = snapshots[(size_t)k];
            int i = indices[(size_t)k];
            s.dwStates = GetItemStates(i);
            LVITEMA item = {};
            item.mask = LVIF_PARAM;
            item.iItem = i;
            CListCtrl::GetItem(&item);
            s.param = item.lParam;
            for (int c = 0; c < kColumns; ++c) {
                s.images[c] = GetItemImage(i, c);
                s.texts[c] = CListCtrl::GetItemText(i, c);
            }
        }
        for (int k = 0; k < nRows; ++k) {
            const Snapshot& s = snapshots[(size_t)k];
            SetItemStates(k, s.dwStates);
            CListCtrl::SetItem(k, 0, LVIF_PARAM, nullptr, 0, 0, 0, s.param);
            for (int c = 0; c < kColumns; ++c)
                CListCtrl::SetItem(k, c, LVIF_TEXT | LVIF_IMAGE, s.texts[c], s.images[c], 0, 0, 0);
        }
    }
};

Span RunPlain(CWnd& parent, const std::vector<std::string>& cells, int nRows)
{
    PlainSortList list;
    MakeQelList(list, parent, cells, nRows);
    const Span t0 = Span::Now();
    list.SetRedraw(FALSE);
    list.PlainSort(kSortColumn);
    list.SetRedraw(TRUE);
    list.Invalidate();
    list.UpdateWindow();
    const Span t = Span::Now() - t0;
    list.DestroyWindow();
    return t;
}

void Report(const char* name, const Span& s, const Span& sortItems, const char* goal)
{
    std::printf("  %-9s %9.1f ms (processor %9.1f ms)   SortItems / %-7s = %.3f, processor %.3f%s\n", name,
                s.wall * 1e3, s.cpu * 1e3, name, sortItems.wall / s.wall, sortItems.cpu / s.cpu, goal);
}

void Measure(CWnd& parent, int nRows, bool bPlain)
{
    const std::vector<std::string> cells = Arrange(MakeCells(nRows), Shuffled(nRows, 99));
    // At a million rows only the two that matter: each fill takes half a minute.
    const bool bAll = nRows < 1000000;
    const int nRuns = nRows <= 10000 ? 5 : (bAll ? 2 : 1);
    const Span none{ 1e30, 1e30 };
    Span sortItems = none, usual = none, floor = none, lean = none, rewrite = none, plain = none;
    for (int run = 0; run < nRuns; ++run) {
        // Each contestant first in turn: a busy machine only ever slows a run down.
        if (run % 2 == 0) {
            KeepBest(sortItems, RunSortItems(parent, cells, nRows));
            KeepBest(floor, RunFloor(parent, cells, nRows, true));
        } else {
            KeepBest(floor, RunFloor(parent, cells, nRows, true));
            KeepBest(sortItems, RunSortItems(parent, cells, nRows));
        }
        KeepBest(lean, RunFloor(parent, cells, nRows, false));
        if (bAll) {
            KeepBest(usual, RunUsual(parent, cells, nRows));
            KeepBest(rewrite, RunRewrite(parent, cells, nRows));
        }
    }
    if (bPlain)
        plain = RunPlain(parent, cells, nRows);
    std::printf("%7d rows x %d columns, sorting column %d (%s):\n", nRows, kColumns, kSortColumn,
                sizeof(void*) == 8 ? "x86_64" : "i686");
    std::printf("  SortItems %9.1f ms (processor %9.1f ms)\n", sortItems.wall * 1e3, sortItems.cpu * 1e3);
    Report("floor", floor, sortItems, " (goal <= 1.3)");
    Report("lean", lean, sortItems, " (fewer date readings: not the typed order)");
    if (bAll) {
        Report("usual", usual, sortItems, " (goal < 1)");
        Report("rewrite", rewrite, sortItems, "");
    }
    if (bPlain)
        Report("plain", plain, sortItems, "");
    std::fflush(stdout);
}
}  // namespace

int main(int argc, char** argv)
{
    if (!StartBenchmark())
        return 1;
    bool bPlainAll = false;
    std::vector<int> sizes;
    for (int a = 1; a < argc; ++a) {
        if (std::strcmp(argv[a], "--plain-all") == 0)
            bPlainAll = true;
        else if (std::atoi(argv[a]) > 1)
            sizes.push_back(std::atoi(argv[a]));
    }
    if (sizes.empty())
        sizes = { 10000, 100000 };
    CFrameWnd frame;
    frame.Create(nullptr, "List sort benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 800, 600));
    for (int nRows : sizes)
        Measure(frame, nRows, bPlainAll || nRows <= 10000);
    frame.DestroyWindow();
    AfxWinTerm();
    return 0;
}
