// Entry of the framework module itself: per-thread state goes with its thread.
#include "AfxModuleState.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_THREAD_DETACH || dwReason == DLL_PROCESS_DETACH)
        AfxTermThread();
    return TRUE;
}
