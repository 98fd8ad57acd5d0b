// What every benchmark program shares: its application object, the
// framework's start-up and a high-resolution clock.
#pragma once
#include "ZUZIVU70.h"

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
