// Thread state, module states, temporary handle maps.
#include "AfxState.h"
#include "afxwin.h"
#include "afxcmn.h"

namespace {
// The application's module state: current whenever no library module made its own current.
AFX_MODULE_STATE g_appModuleState(FALSE);

thread_local AFX_THREAD_STATE* t_threadState = nullptr;
}

AFX_THREAD_STATE* AfxGetThreadState()
{
    if (t_threadState == nullptr)
        t_threadState = new AFX_THREAD_STATE;
    return t_threadState;
}

AFX_MODULE_STATE::AFX_MODULE_STATE(BOOL bDLL) : m_bDLL(bDLL), m_pfnAfxWndProc(AfxWndProc) {}

AFX_MODULE_STATE* AFXAPI AfxGetModuleState()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    return pState->m_pModuleState != nullptr ? pState->m_pModuleState : &g_appModuleState;
}

AFX_MODULE_STATE* AFXAPI AfxGetAppModuleState() { return &g_appModuleState; }

AFX_MODULE_STATE* AFXAPI AfxSetModuleState(AFX_MODULE_STATE* pNewState)
{
    AFX_MODULE_STATE* pPrev = AfxGetModuleState();
    AfxGetThreadState()->m_pModuleState = pNewState;
    return pPrev;
}

AFX_MAINTAIN_STATE2::AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pModuleState)
    : m_pPrevModuleState(AfxSetModuleState(pModuleState))
{}

AFX_MAINTAIN_STATE2::~AFX_MAINTAIN_STATE2() { AfxSetModuleState(m_pPrevModuleState); }

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
