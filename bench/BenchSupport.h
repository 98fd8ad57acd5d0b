// What every benchmark program shares: its application object, the
// framework's start-up, a high-resolution clock, the process's heap bytes and
// the columns of a benchmark list.
#pragma once
#include "ZUZIVU70.h"
#include <cstdio>

class CBenchApp : public CWinApp
{
public:
    explicit CBenchApp(LPCSTR lpszName) : CWinApp(lpszName) {}
    BOOL InitInstance() override { return TRUE; }
};

// Starts the framework for a console benchmark; FALSE when it could not.
inline BOOL StartBenchmark()
{
    static char szEmpty[] = "";
    AfxWinInit(::GetModuleHandleA(nullptr), nullptr, szEmpty, SW_SHOW);
    return AfxGetApp()->InitApplication() && AfxGetApp()->InitInstance();
}

// Seconds from an arbitrary start, at the performance counter's resolution.
inline double Seconds()
{
    static const LARGE_INTEGER freq = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return (double)t.QuadPart / (double)freq.QuadPart;
}

// Seconds of processor time the calling thread has used: on a machine shared
// with other work this is what a run costs, where the clock also counts the
// time others had the processor.
inline double ThreadSeconds()
{
    FILETIME created, exited, kernel, user;
    if (!::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user))
        return 0;
    auto seconds = [](const FILETIME& t) {
        return (double)(((unsigned long long)t.dwHighDateTime << 32) | t.dwLowDateTime) * 1e-7;
    };
    return seconds(kernel) + seconds(user);
}

// The clock and the thread's processor time of a span.
struct Span
{
    double wall = 0, cpu = 0;
    static Span Now() { return Span{ Seconds(), ThreadSeconds() }; }
    Span operator-(const Span& start) const { return Span{ wall - start.wall, cpu - start.cpu }; }
};

// Keeps the best clock and the best processor time seen: a busy machine only
// ever makes a run slower, so the best runs compare two contestants.
inline void KeepBest(Span& best, const Span& s)
{
    best.wall = best.wall < s.wall ? best.wall : s.wall;
    best.cpu = best.cpu < s.cpu ? best.cpu : s.cpu;
}

// Bytes in use in every heap of the process, with the heaps' own overhead per block.
inline long long HeapBytesInUse()
{
    HANDLE heaps[64];
    DWORD nHeaps = ::GetProcessHeaps(64, heaps);
    long long total = 0;
    for (DWORD h = 0; h < nHeaps && h < 64; ++h) {
        if (!::HeapLock(heaps[h]))
            continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (::HeapWalk(heaps[h], &entry)) {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                total += (long long)entry.cbData + entry.cbOverhead;
        }
        ::HeapUnlock(heaps[h]);
    }
    return total;
}

// Report columns "Column 0", "Column 1" ... of cx pixels each.
inline void AddListColumns(HWND hList, int nColumns, int cx)
{
    for (int c = 0; c < nColumns; ++c) {
        char name[16];
        std::snprintf(name, sizeof(name), "Column %d", c);
        LVCOLUMNA col = {};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        col.pszText = name;
        col.cx = cx;
        col.iSubItem = c;
        ::SendMessageA(hList, LVM_INSERTCOLUMNA, (WPARAM)c, (LPARAM)&col);
    }
}

// A plain list view in rc with the styles QELListCtrl forces, and nColumns
// report columns of cx pixels each: the side every list benchmark compares with.
inline HWND MakePlainListView(HWND hParent, const RECT& rc, int nColumns, int cx)
{
    HWND hList = ::CreateWindowExA(
        0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_BORDER | LVS_REPORT, rc.left, rc.top,
        rc.right, rc.bottom, hParent, (HMENU)1, ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(hList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_SUBITEMIMAGES);
    AddListColumns(hList, nColumns, cx);
    return hList;
}

// nRows rows of the one text "row", as the memory measures insert them.
inline void InsertPlainRows(HWND hList, int nRows)
{
    for (int i = 0; i < nRows; ++i) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<char*>("row");
        ::SendMessageA(hList, LVM_INSERTITEMA, 0, (LPARAM)&item);
    }
}
