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
