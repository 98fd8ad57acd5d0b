// Sorting a list by one column of mixed typed texts (integers, hexadecimal
// codes, reals, percents, dates, words), timed side by side in one run:
//
//   SortItems   QELListCtrl::SortItems
//   usual       what a developer would write instead: a plain list view whose
//               item parameters point at a shadow copy of the rows' texts, and
//               LVM_SORTITEMS with a comparator doing the typed comparison
//   floor       the least any sort that shows its result in the list can cost:
//               std::sort of keys classified beforehand, then every cell of the
//               list rewritten once with painting suspended
//   plain       the algorithm read literally: two cell texts read and parsed in
//               every comparison, then every row rewritten (10,000 rows only
//               unless --plain-all: it takes minutes at 100,000)
//
// Each figure is the best of a few runs; every run starts from the same
// shuffled rows. Painting counts: each run ends with the list repainted.
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

void AddColumns(HWND hList)
{
    for (int c = 0; c < kColumns; ++c) {
        char name[16];
        std::snprintf(name, sizeof(name), "Column %d", c);
        LVCOLUMNA col = {};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        col.pszText = name;
        col.cx = 170;
        col.iSubItem = c;
        ::SendMessageA(hList, LVM_INSERTCOLUMNA, (WPARAM)c, (LPARAM)&col);
    }
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
    AddColumns(hList);
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
    AddColumns(list.m_hWnd);
    list.SetRedraw(FALSE);
    for (int i = 0; i < nRows; ++i) {
        list.InsertItem(i, cells[(size_t)i * kColumns].c_str());
        for (int c = 1; c < kColumns; ++c)
            list.CListCtrl::SetItemText(i, c, cells[(size_t)i * kColumns + c].c_str());
    }
    list.SetRedraw(TRUE);
    list.UpdateWindow();
}

double RunSortItems(CWnd& parent, const std::vector<std::string>& cells, int nRows)
{
    QELListCtrl list;
    MakeQelList(list, parent, cells, nRows);
    double t0 = Seconds();
    list.SortItems(kSortColumn, TRUE);
    list.UpdateWindow();
    double t = Seconds() - t0;
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

double RunUsual(CWnd& parent, const std::vector<std::string>& cells, int nRows)
{
    std::vector<ShadowRow> shadow((size_t)nRows);
    std::vector<LPARAM> params((size_t)nRows);
    for (int i = 0; i < nRows; ++i) {
        shadow[(size_t)i].texts = &cells[(size_t)i * kColumns];
        params[(size_t)i] = (LPARAM)&shadow[(size_t)i];
    }
    HWND hList = MakePlainList(parent);
    FillList(hList, cells, nRows, &params);
    double t0 = Seconds();
    ::SendMessageA(hList, LVM_SORTITEMS, 0, (LPARAM)CompareShadowRows);
    ::UpdateWindow(hList);
    double t = Seconds() - t0;
    ::DestroyWindow(hList);
    return t;
}

// A key classified beforehand: kind (hex, real, date, text) then value, which
// std::sort can use as a strict order.
struct FloorKey
{
    int kind;
    double value;
    const char* text;
    int row;
};

double RunFloor(CWnd& parent, const std::vector<std::string>& cells, int nRows)
{
    HWND hList = MakePlainList(parent);
    FillList(hList, cells, nRows, nullptr);
    std::vector<FloorKey> keys((size_t)nRows);
    for (int i = 0; i < nRows; ++i) {
        const char* s = cells[(size_t)i * kColumns + kSortColumn].c_str();
        unsigned long h;
        double v = 0;
        int kind = HexText(s, h) ? 0 : RealText(s, v) ? 1 : DateText(s, v) ? 2 : 3;
        keys[(size_t)i] = FloorKey{ kind, kind == 0 ? (double)h : v, s, i };
    }
    double t0 = Seconds();
    std::sort(keys.begin(), keys.end(), [](const FloorKey& a, const FloorKey& b) {
        if (a.kind != b.kind)
            return a.kind < b.kind;
        if (a.kind == 3)
            return _mbscmp((const unsigned char*)a.text, (const unsigned char*)b.text) < 0;
        return a.value < b.value;
    });
    ::SendMessageA(hList, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < nRows; ++i) {
        for (int c = 0; c < kColumns; ++c) {
            LVITEMA sub = {};
            sub.iSubItem = c;
            sub.pszText = const_cast<char*>(cells[(size_t)keys[(size_t)i].row * kColumns + c].c_str());
            ::SendMessageA(hList, LVM_SETITEMTEXTA, (WPARAM)i, (LPARAM)&sub);
        }
    }
    ::SendMessageA(hList, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(hList, nullptr, TRUE);
    ::UpdateWindow(hList);
    double t = Seconds() - t0;
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

double RunPlain(CWnd& parent, const std::vector<std::string>& cells, int nRows)
{
    PlainSortList list;
    MakeQelList(list, parent, cells, nRows);
    double t0 = Seconds();
    list.SetRedraw(FALSE);
    list.PlainSort(kSortColumn);
    list.SetRedraw(TRUE);
    list.Invalidate();
    list.UpdateWindow();
    double t = Seconds() - t0;
    list.DestroyWindow();
    return t;
}

void Measure(CWnd& parent, int nRows, bool bPlain)
{
    const std::vector<std::string> cells = Arrange(MakeCells(nRows), Shuffled(nRows, 99));
    const int nRuns = nRows <= 10000 ? 5 : 2;
    double sortItems = 1e9, usual = 1e9, floor = 1e9, plain = 1e9;
    for (int run = 0; run < nRuns; ++run) {
        sortItems = (std::min)(sortItems, RunSortItems(parent, cells, nRows));
        usual = (std::min)(usual, RunUsual(parent, cells, nRows));
        floor = (std::min)(floor, RunFloor(parent, cells, nRows));
    }
    if (bPlain)
        plain = RunPlain(parent, cells, nRows);
    std::printf("%6d rows x %d columns, sorting column %d (%s):\n", nRows, kColumns, kSortColumn,
                sizeof(void*) == 8 ? "x86_64" : "i686");
    std::printf("  SortItems %8.1f ms\n", sortItems * 1e3);
    std::printf("  usual     %8.1f ms   SortItems / usual = %.3f (goal < 1)\n", usual * 1e3, sortItems / usual);
    std::printf("  floor     %8.1f ms   SortItems / floor = %.3f (goal <= 2)\n", floor * 1e3, sortItems / floor);
    if (bPlain)
        std::printf("  plain     %8.1f ms   SortItems / plain = %.4f\n", plain * 1e3, sortItems / plain);
    std::fflush(stdout);
}
}  // namespace

int main(int argc, char** argv)
{
    if (!StartBenchmark())
        return 1;
    const bool bPlainAll = argc > 1 && std::strcmp(argv[1], "--plain-all") == 0;
    CFrameWnd frame;
    frame.Create(nullptr, "List sort benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 800, 600));
    Measure(frame, 10000, true);
    Measure(frame, 100000, bPlainAll);
    frame.DestroyWindow();
    AfxWinTerm();
    return 0;
}
