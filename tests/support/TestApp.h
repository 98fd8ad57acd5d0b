// The application object of every test executable.
#pragma once
#include "ZUZIVU70.h"

class CTestApp : public CWinApp
{
public:
    CTestApp() : CWinApp("ZUZIVU70 Tests") {}
    BOOL InitInstance() override { return TRUE; }
};

// Handles every message already queued (PreTranslateMessage included), for at
// most nMaxMs milliseconds; returns the number handled.
int PumpMessages(DWORD nMaxMs = 500);
// Handles messages until done() holds or nMaxMs pass; returns done().
template <class Pred>
bool PumpUntil(Pred done, DWORD nMaxMs = 2000)
{
    DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > nMaxMs)
            return false;
        MSG msg;
        if (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
            AfxPumpMessage();
        else
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}
