// Cost of the list control's item memory: inserting rows through QELListCtrl
// against the same rows sent straight to a plain list view, timed side by side
// in one run, and the heap bytes per row the item memory adds.
#include "BenchSupport.h"
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {
CBenchApp theApp("ZUZIVU70 list benchmark");

const int kColumns = 5;
const RECT kListRect = { 0, 0, 760, 520 };

// Texts of a few hundred distinct rows, reused, so both sides format nothing.
struct RowTexts
{
    std::vector<std::string> cells;
    explicit RowTexts(int nRows)
    {
        const char* cities[] = { "Lisbon", "Oslo", "Turin", "Ghent", "Cork", "Brno", "Lyon", "Graz" };
        char buf[64];
        for (int i = 0; i < nRows; ++i) {
            std::snprintf(buf, sizeof(buf), "Customer %05d", i);
            cells.push_back(buf);
            cells.push_back(cities[i % 8]);
            std::snprintf(buf, sizeof(buf), "%d", (i * 37) % 1000);
            cells.push_back(buf);
            std::snprintf(buf, sizeof(buf), "%d.%02d", (i * 7919) % 100000, i % 100);
            cells.push_back(buf);
            std::snprintf(buf, sizeof(buf), "%02d/%02d/20%02d", 1 + i % 12, 1 + i % 28, i % 30);
            cells.push_back(buf);
        }
    }
    const char* Cell(int nRow, int nColumn) const
    {
        return cells[(size_t)(nRow % (int)(cells.size() / kColumns)) * kColumns + (size_t)nColumn].c_str();
    }
};

// A plain list view with the same styles the class forces.
HWND MakePlainList(CWnd& parent, int nColumns)
{
    HWND hList = MakePlainListView(parent.m_hWnd, kListRect, nColumns, 140);
    return hList;
}

QELListCtrl* MakeQelList(CWnd& parent, int nColumns)
{
    QELListCtrl* pList = new QELListCtrl;
    pList->Create(&parent, 2, &kListRect, WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT);
    AddListColumns(pList->m_hWnd, nColumns, 140);
    return pList;
}

// Painting on: the window repaints every 100 rows, as a list filled while on screen.
const int kPaintEvery = 100;

Span InsertPlain(CWnd& parent, const RowTexts& texts, int nRows, bool bPaint)
{
    HWND hList = MakePlainList(parent, kColumns);
    ::UpdateWindow(hList);
    const Span t0 = Span::Now();
    if (!bPaint)
        ::SendMessageA(hList, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < nRows; ++i) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<char*>(texts.Cell(i, 0));
        int nIndex = (int)::SendMessageA(hList, LVM_INSERTITEMA, 0, (LPARAM)&item);
        for (int c = 1; c < kColumns; ++c) {
            LVITEMA sub = {};
            sub.iSubItem = c;
            sub.pszText = const_cast<char*>(texts.Cell(i, c));
            ::SendMessageA(hList, LVM_SETITEMTEXTA, (WPARAM)nIndex, (LPARAM)&sub);
        }
        if (bPaint && i % kPaintEvery == kPaintEvery - 1)
            ::UpdateWindow(hList);
    }
    if (!bPaint)
        ::SendMessageA(hList, WM_SETREDRAW, TRUE, 0);
    ::UpdateWindow(hList);
    const Span t = Span::Now() - t0;
    ::DestroyWindow(hList);
    return t;
}

Span InsertQel(CWnd& parent, const RowTexts& texts, int nRows, bool bPaint)
{
    QELListCtrl* pList = MakeQelList(parent, kColumns);
    pList->UpdateWindow();
    const Span t0 = Span::Now();
    if (!bPaint)
        pList->SetRedraw(FALSE);
    for (int i = 0; i < nRows; ++i) {
        int nIndex = pList->InsertItem(i, texts.Cell(i, 0));
        for (int c = 1; c < kColumns; ++c)
            pList->SetItemText(nIndex, c, texts.Cell(i, c));
        if (bPaint && i % kPaintEvery == kPaintEvery - 1)
            pList->UpdateWindow();
    }
    if (!bPaint)
        pList->SetRedraw(TRUE);
    pList->UpdateWindow();
    const Span t = Span::Now() - t0;
    pList->DestroyWindow();
    delete pList;
    return t;
}

void TimeInsertion(CWnd& parent, const RowTexts& texts, int nRows, bool bPaint, int nRounds)
{
    // Alternating rounds, each side first in turn, best of each: a busy machine
    // only ever makes a round slower, so the best rounds compare the two. The
    // thread's processor time is the steadier figure on a shared machine.
    Span plain{ 1e30, 1e30 }, qel{ 1e30, 1e30 };
    for (int r = 0; r < nRounds; ++r) {
        if (r % 2 == 0) {
            KeepBest(plain, InsertPlain(parent, texts, nRows, bPaint));
            KeepBest(qel, InsertQel(parent, texts, nRows, bPaint));
        } else {
            KeepBest(qel, InsertQel(parent, texts, nRows, bPaint));
            KeepBest(plain, InsertPlain(parent, texts, nRows, bPaint));
        }
    }
    std::printf("insert %6d rows x %d columns, painting %-9s plain list view %8.1f ms (%6.2f us/row)   "
                "QELListCtrl %8.1f ms (%6.2f us/row)   ratio %.3f, processor time %.3f (goal <= %.1f)\n",
                nRows, kColumns, bPaint ? "on:" : "suspended:", plain.wall * 1e3, plain.wall * 1e6 / nRows,
                qel.wall * 1e3, qel.wall * 1e6 / nRows, qel.wall / plain.wall, qel.cpu / plain.cpu, bPaint ? 1.3 : 1.1);
}

// Rows with one text each: the list view's own storage is the same on both
// sides and cancels out, what stays is the item memory.
void MeasureMemory(CWnd& parent, int nColumns, int nRows)
{
    long long before = HeapBytesInUse();
    HWND hPlain = MakePlainList(parent, nColumns);
    ::SendMessageA(hPlain, WM_SETREDRAW, FALSE, 0);
    InsertPlainRows(hPlain, nRows);
    long long plain = HeapBytesInUse() - before;
    ::DestroyWindow(hPlain);

    before = HeapBytesInUse();
    QELListCtrl* pList = MakeQelList(parent, nColumns);
    pList->SetRedraw(FALSE);
    for (int i = 0; i < nRows; ++i)
        pList->InsertItem(i, "row");
    long long qel = HeapBytesInUse() - before;
    pList->DestroyWindow();
    delete pList;

    double perRow = (double)(qel - plain) / nRows;
    std::printf("item memory at %2d columns: %6.1f bytes per row (goal <= %d = 64 + 8 x %d)\n", nColumns, perRow,
                64 + 8 * nColumns, nColumns);
}
}

int main(int argc, char** argv)
{
    if (!StartBenchmark())
        return 1;
    // "quick" for a short smoke run; "suspended" for the timing with painting
    // suspended and the memory figures only.
    const bool bQuick = argc > 1 && std::string(argv[1]) == "quick";
    const bool bSuspendedOnly = argc > 1 && std::string(argv[1]) == "suspended";

    CFrameWnd frame;
    frame.Create(nullptr, "List benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 800, 600));
    RowTexts texts(500);
    std::printf("%s build\n", sizeof(void*) == 8 ? "x86_64" : "i686");
    TimeInsertion(frame, texts, bQuick ? 5000 : 100000, false, bQuick ? 2 : 5);
    if (!bSuspendedOnly)
        TimeInsertion(frame, texts, bQuick ? 500 : 5000, true, bQuick ? 2 : 4);
    MeasureMemory(frame, 5, bQuick ? 2000 : 20000);
    MeasureMemory(frame, 20, bQuick ? 2000 : 20000);
    frame.DestroyWindow();
    AfxWinTerm();
    return 0;
}
