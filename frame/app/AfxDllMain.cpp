// Entry of the framework module itself: per-thread state goes with its thread.
#include "AfxState.h"
#include "AfxModule.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_THREAD_DETACH || dwReason == DLL_PROCESS_DETACH)
        AfxTermThread();
    return TRUE;
}
