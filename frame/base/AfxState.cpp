// The per-thread state of the framework, and its temporary handle maps.
#include "AfxState.h"
#include "AfxModuleState.h"
#include "AfxDC.h"
#include "AfxMenu.h"
#include "AfxImageList.h"
#include "AfxWnd.h"

namespace {
thread_local AFX_THREAD_STATE* t_threadState = nullptr;
}

AFX_THREAD_STATE* AfxGetThreadState()
{
    if (t_threadState == nullptr)
        t_threadState = new AFX_THREAD_STATE;
    return t_threadState;
}

void AFXAPI AfxDeleteTempMaps()
{
    AFX_THREAD_STATE* pState = t_threadState;
    if (pState == nullptr)
        return;
    pState->m_wndMap.DeleteTemp();
    pState->m_dcMap.DeleteTemp();
    pState->m_gdiMap.DeleteTemp();
    pState->m_menuMap.DeleteTemp();
    pState->m_imageListMap.DeleteTemp();
}

void AFXAPI AfxTermThread(HINSTANCE)
{
    AFX_THREAD_STATE* pState = t_threadState;
    if (pState == nullptr)
        return;
    AfxDeleteTempMaps();
    if (pState->m_hHookOldCbtFilter != nullptr)
        ::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
    // Windows still attached on a departing thread were destroyed with it; only
    // the bookkeeping goes.
    t_threadState = nullptr;
    delete pState;
}
