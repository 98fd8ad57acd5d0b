// Entry of every test executable: the application object, the framework's
// start-up, and a watchdog so a test that hangs fails instead of blocking CI.
#include "TestApp.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>

namespace {
CTestApp theApp;

// Longest a single test may run: 60 s, or ZUZ_TEST_TIME_LIMIT seconds (the long
// runs of scripts/cycles need more).
DWORD TestTimeLimitMs()
{
    char value[16] = "";
    DWORD n = ::GetEnvironmentVariableA("ZUZ_TEST_TIME_LIMIT", value, sizeof(value));
    long seconds = n > 0 && n < sizeof(value) ? std::atol(value) : 0;
    return seconds > 0 ? (DWORD)seconds * 1000 : 60000;
}
const DWORD kTestTimeLimitMs = TestTimeLimitMs();

volatile LONG g_testSerial = 0;
char g_testName[256] = "";

class WatchdogListener : public testing::EmptyTestEventListener
{
    void OnTestStart(const testing::TestInfo& info) override
    {
        _snprintf(g_testName, sizeof(g_testName) - 1, "%s.%s", info.test_suite_name(), info.name());
        InterlockedIncrement(&g_testSerial);
    }
};

DWORD WINAPI WatchdogThread(LPVOID)
{
    LONG lastSerial = -1;
    DWORD since = ::GetTickCount();
    for (;;) {
        ::Sleep(500);
        LONG serial = g_testSerial;
        if (serial != lastSerial) {
            lastSerial = serial;
            since = ::GetTickCount();
        } else if (::GetTickCount() - since > kTestTimeLimitMs) {
            std::fprintf(stderr, "\nWATCHDOG: %s ran longer than %lu ms; stopping the test program.\n", g_testName,
                         (unsigned long)kTestTimeLimitMs);
            std::fflush(stderr);
            ::TerminateProcess(::GetCurrentProcess(), 3);
        }
    }
}

// A crash ends the program at once with the test's name, rather than starting
// Wine's debugger, which would wait for input until the time limit.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* info)
{
    // Module and offset, so the address can be looked up with addr2line.
    char module[MAX_PATH] = "?";
    HMODULE hModule = nullptr;
    void* address = info->ExceptionRecord->ExceptionAddress;
    if (::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                             (LPCSTR)address, &hModule))
        ::GetModuleFileNameA(hModule, module, MAX_PATH);
    std::fprintf(stderr, "\nCRASH: %s: exception 0x%08lx at %s+0x%lx\n", g_testName,
                 (unsigned long)info->ExceptionRecord->ExceptionCode, module,
                 (unsigned long)((char*)address - (char*)hModule));
    std::fflush(stderr);
    ::TerminateProcess(::GetCurrentProcess(), 4);
    return EXCEPTION_EXECUTE_HANDLER;
}
}

int PumpMessages(DWORD nMaxMs)
{
    int n = 0;
    DWORD start = ::GetTickCount();
    MSG msg;
    while (::GetTickCount() - start <= nMaxMs && ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (!AfxPumpMessage())
            break;
        ++n;
    }
    return n;
}

int main(int argc, char** argv)
{
    static char szEmpty[] = "";
    ::SetUnhandledExceptionFilter(ReportCrash);
    AfxWinInit(::GetModuleHandleA(nullptr), nullptr, szEmpty, SW_SHOW);
    theApp.InitApplication();
    theApp.InitInstance();

    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new WatchdogListener);
    ::CreateThread(nullptr, 0, WatchdogThread, nullptr, 0, nullptr);
    int result = RUN_ALL_TESTS();
    AfxWinTerm();
    return result;
}
