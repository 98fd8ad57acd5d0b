// Cost of painting coloured cells: a full page of QELListCtrl (as many rows as
// a 1024 x 768 list shows, 5 and 20 columns, every cell with its own text and
// background colour) against the same page of a plain list view without custom
// drawing, timed side by side in one run; then a scroll through 10,000 rows
// page by page on both. The library's allocations are counted over the
// coloured repaints: a painted cell must allocate nothing.
//
// Then the toolbar: a full repaint of a 200-button flat, hot-tracking
// QELToolbar against the framework's CToolBar with the same buttons.
//
//   ListPaintBench [quick]
#include "BenchSupport.h"
#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>
#include <vector>

// The library's test hooks (exported, in no public header): arming a failure
// far away and reading how far it still is counts the library's allocations.
extern "C" {
QEL_API void QELFailAllocation(long nNth);
QEL_API long QELAllocationsBeforeFailure();
}

namespace {
CBenchApp theApp("ZUZIVU70 paint benchmark");

const int kRows = 10000;
const RECT kListRect = { 0, 0, 1024, 768 };

std::string CellText(int nRow, int nColumn)
{
    char buf[32];
    std::snprintf(buf, sizeof(buf), "R%05d C%02d %d", nRow, nColumn, (nRow * 31 + nColumn * 7) % 1000);
    return buf;
}

// Rows go in with painting suspended, through the list view itself.
void Fill(HWND hList, int nColumns)
{
    ::SendMessageA(hList, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < kRows; ++i) {
        std::string text = CellText(i, 0);
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<char*>(text.c_str());
        ::SendMessageA(hList, LVM_INSERTITEMA, 0, (LPARAM)&item);
        for (int c = 1; c < nColumns; ++c) {
            text = CellText(i, c);
            LVITEMA sub = {};
            sub.iSubItem = c;
            sub.pszText = const_cast<char*>(text.c_str());
            ::SendMessageA(hList, LVM_SETITEMTEXTA, (WPARAM)i, (LPARAM)&sub);
        }
    }
    ::SendMessageA(hList, WM_SETREDRAW, TRUE, 0);
}

HWND MakePlainList(CWnd& parent, int nColumns)
{
    HWND hList = MakePlainListView(parent.m_hWnd, kListRect, nColumns, 1000 / nColumns);
    Fill(hList, nColumns);
    return hList;
}

QELListCtrl* MakeColouredList(CWnd& parent, int nColumns)
{
    QELListCtrl* pList = new QELListCtrl;
    pList->Create(&parent, 2, &kListRect, WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT);
    AddListColumns(pList->m_hWnd, nColumns, 1000 / nColumns);
    pList->SetRedraw(FALSE);
    for (int i = 0; i < kRows; ++i) {
        pList->InsertItem(i, CellText(i, 0).c_str());
        for (int c = 1; c < nColumns; ++c)
            pList->CListCtrl::SetItemText(i, c, CellText(i, c).c_str());
        for (int c = 0; c < nColumns; ++c) {
            pList->SetItemTextColor(i, c, RGB((i * 13 + c * 40) % 256, 0, (c * 61) % 256), FALSE);
            pList->SetItemBkColor(i, c, RGB(255, 255 - (i + c) % 64, 224 + c % 32), FALSE);
        }
    }
    pList->SetRedraw(TRUE);
    return pList;
}

// One full repaint of what the list shows now.
Span Repaint(HWND hList)
{
    const Span t0 = Span::Now();
    ::InvalidateRect(hList, nullptr, TRUE);
    ::UpdateWindow(hList);
    return Span::Now() - t0;
}

// From the top to the last page, a page at a time, each page painted; per page.
Span Scroll(HWND hList)
{
    ::SendMessageA(hList, LVM_ENSUREVISIBLE, 0, FALSE);
    ::UpdateWindow(hList);
    const int nPerPage = (int)::SendMessageA(hList, LVM_GETCOUNTPERPAGE, 0, 0);
    const int nPages = nPerPage > 0 ? (kRows + nPerPage - 1) / nPerPage : 1;
    const Span t0 = Span::Now();
    for (int p = 0; p < nPages; ++p) {
        ::SendMessageA(hList, WM_VSCROLL, SB_PAGEDOWN, 0);
        ::UpdateWindow(hList);
    }
    Span t = Span::Now() - t0;
    t.wall /= nPages;
    t.cpu /= nPages;
    return t;
}

void Line(const char* what, const Span& plain, const Span& qel, const char* goal)
{
    std::printf("  %-22s plain %8.3f ms (processor %7.3f)   QELListCtrl %8.3f ms (processor %7.3f)   ratio %.3f, "
                "processor %.3f%s\n",
                what, plain.wall * 1e3, plain.cpu * 1e3, qel.wall * 1e3, qel.cpu * 1e3, qel.wall / plain.wall,
                plain.cpu > 0 ? qel.cpu / plain.cpu : 0.0, goal);
}

void MeasureList(CWnd& parent, int nColumns, int nRounds)
{
    HWND hPlain = MakePlainList(parent, nColumns);
    QELListCtrl* pList = MakeColouredList(parent, nColumns);
    const int nPerPage = (int)::SendMessageA(hPlain, LVM_GETCOUNTPERPAGE, 0, 0);
    // Only the one being painted is visible, so neither paints over the other.
    auto show = [&](bool bQel) {
        ::ShowWindow(bQel ? hPlain : pList->m_hWnd, SW_HIDE);
        ::ShowWindow(bQel ? pList->m_hWnd : hPlain, SW_SHOW);
        ::UpdateWindow(bQel ? pList->m_hWnd : hPlain);
    };
    const Span none{ 1e30, 1e30 };
    Span plainPage = none, qelPage = none, plainScroll = none, qelScroll = none;
    long nAllocations = 0;
    int nColouredPages = 0;
    for (int r = 0; r < nRounds; ++r) {
        // Processor time ticks coarsely: a round is 20 repaints, timed together.
        for (int side = 0; side < 2; ++side) {
            const bool bQel = (side + r) % 2 == 1;
            show(bQel);
            HWND hWnd = bQel ? pList->m_hWnd : hPlain;
            if (bQel)
                QELFailAllocation(LONG_MAX / 2);
            Span sum{ 0, 0 };
            for (int k = 0; k < 20; ++k) {
                const Span s = Repaint(hWnd);
                sum.wall += s.wall;
                sum.cpu += s.cpu;
            }
            if (bQel) {
                nAllocations += LONG_MAX / 2 - QELAllocationsBeforeFailure();
                QELFailAllocation(0);
                nColouredPages += 20;
            }
            KeepBest(bQel ? qelPage : plainPage, Span{ sum.wall / 20, sum.cpu / 20 });
        }
    }
    for (int r = 0; r < (nRounds > 1 ? 2 : 1); ++r) {
        show(false);
        KeepBest(plainScroll, Scroll(hPlain));
        show(true);
        KeepBest(qelScroll, Scroll(pList->m_hWnd));
    }
    std::printf("%2d columns, %d rows a page, every cell coloured (%s):\n", nColumns, nPerPage,
                sizeof(void*) == 8 ? "x86_64" : "i686");
    Line("full page repaint", plainPage, qelPage, " (goal <= 1.3)");
    Line("scroll 10,000, a page", plainScroll, qelScroll, " (goal <= 1.3)");
    std::printf("  library allocations: %ld over %d coloured pages of %d cells (goal 0 a cell)\n", nAllocations,
                nColouredPages, nPerPage * nColumns);
    ::DestroyWindow(hPlain);
    pList->DestroyWindow();
    delete pList;
}

// ----- the toolbar ----------------------------------------------------------------------

HBITMAP ImageWell(int nImages)
{
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hbm = ::CreateCompatibleBitmap(hScreen, 16 * nImages, 15);
    ::ReleaseDC(nullptr, hScreen);
    return hbm;
}

template <class Bar>
void MakeBar(Bar& bar, CFrameWnd& frame, int nButtons)
{
    bar.CreateEx(&frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY);
    std::vector<UINT> ids;
    for (int i = 0; i < nButtons; i++)
        ids.push_back(i % 6 == 5 ? ID_SEPARATOR : 1000 + (UINT)i);
    bar.SetButtons(ids.data(), (int)ids.size());
    bar.SetBitmap(ImageWell(nButtons));
    // Wrapped to the frame's width, so all of it is on screen and painted.
    bar.CalcDynamicLayout(1000, LM_HORZ | LM_COMMIT);
    bar.SetWindowPos(nullptr, 0, 0, 1000, 400, SWP_NOZORDER | SWP_NOACTIVATE);
}

// A full repaint of the bar, frame and face included, with one button hot.
Span RepaintBar(CWnd& bar)
{
    const Span t0 = Span::Now();
    bar.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    return Span::Now() - t0;
}

void MeasureToolbar(CFrameWnd& frame, int nRounds)
{
    const int nButtons = 200;
    QELToolbar qel;
    CToolBar plain;
    MakeBar(qel, frame, nButtons);
    MakeBar(plain, frame, nButtons);
    // Hot tracking: the fifth button is hot on both.
    qel.SendMessage(TB_SETHOTITEM, 4);
    plain.SendMessage(TB_SETHOTITEM, 4);
    const Span none{ 1e30, 1e30 };
    Span tPlain = none, tQel = none;
    long nAllocations = 0;
    for (int r = 0; r < nRounds; ++r) {
        for (int side = 0; side < 2; ++side) {
            const bool bQel = (side + r) % 2 == 1;
            CWnd& bar = bQel ? (CWnd&)qel : (CWnd&)plain;
            qel.ShowWindow(bQel ? SW_SHOW : SW_HIDE);
            plain.ShowWindow(bQel ? SW_HIDE : SW_SHOW);
            if (bQel)
                QELFailAllocation(LONG_MAX / 2);
            Span sum{ 0, 0 };
            for (int k = 0; k < 20; ++k) {
                const Span s = RepaintBar(bar);
                sum.wall += s.wall;
                sum.cpu += s.cpu;
            }
            if (bQel) {
                nAllocations += LONG_MAX / 2 - QELAllocationsBeforeFailure();
                QELFailAllocation(0);
            }
            KeepBest(bQel ? tQel : tPlain, Span{ sum.wall / 20, sum.cpu / 20 });
        }
    }
    std::printf("toolbar, %d buttons, flat, hot tracking (%s):\n", nButtons, sizeof(void*) == 8 ? "x86_64" : "i686");
    std::printf(
        "  full repaint           CToolBar %8.3f ms (processor %7.3f)   QELToolbar %8.3f ms (processor %7.3f)   "
        "ratio %.3f, processor %.3f; library allocations %ld in %d repaints\n",
        tPlain.wall * 1e3, tPlain.cpu * 1e3, tQel.wall * 1e3, tQel.cpu * 1e3, tQel.wall / tPlain.wall,
        tPlain.cpu > 0 ? tQel.cpu / tPlain.cpu : 0.0, nAllocations, nRounds * 20);
    qel.DestroyWindow();
    plain.DestroyWindow();
}
}  // namespace

int main(int argc, char** argv)
{
    if (!StartBenchmark())
        return 1;
    const bool bQuick = argc > 1 && std::string(argv[1]) == "quick";
    CFrameWnd frame;
    frame.Create(nullptr, "Paint benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 1100, 900));
    for (int nColumns : { 5, 20 })
        MeasureList(frame, nColumns, bQuick ? 1 : 5);
    MeasureToolbar(frame, bQuick ? 1 : 5);
    frame.DestroyWindow();
    AfxWinTerm();
    return 0;
}
