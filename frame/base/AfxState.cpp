// The per-thread state of the framework.
#include "AfxState.h"

namespace {
thread_local AFX_THREAD_STATE* t_threadState = nullptr;
}

AFX_THREAD_STATE* AfxGetThreadState()
{
    if (t_threadState == nullptr)
        t_threadState = new AFX_THREAD_STATE;
    return t_threadState;
}

AFX_THREAD_STATE* AfxFindThreadState() { return t_threadState; }

void AfxFreeThreadState()
{
    AFX_THREAD_STATE* pState = t_threadState;
    t_threadState = nullptr;
    delete pState;
}
