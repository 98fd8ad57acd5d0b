// Module states: which module's resources and application object are current.
#include "AfxModuleState.h"
#include "AfxState.h"

namespace {
// The application's module state: current whenever no library module made its own current.
AFX_MODULE_STATE g_appModuleState(FALSE);
}  // namespace

AFX_MODULE_STATE::AFX_MODULE_STATE(BOOL bDLL) : m_bDLL(bDLL) {}

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

CWinApp* AFXAPI AfxGetApp() { return AfxGetModuleState()->m_pCurrentWinApp; }

LPCSTR AFXAPI AfxGetAppName() { return AfxGetModuleState()->m_lpszCurrentAppName; }
