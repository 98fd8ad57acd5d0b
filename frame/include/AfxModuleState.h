// Module states and the per-thread state of the framework.
//
// Every module that uses the framework (the application, ZUZIVU70.dll) has a
// module state naming its instance, its resources and its application object.
// One state is current on each thread; AFX_MANAGE_STATE makes another current
// for a scope.
#pragma once
#include "AfxObject.h"

class CWinApp;
class CWnd;

struct AFX_API AFX_MODULE_STATE
{
    explicit AFX_MODULE_STATE(BOOL bDLL);

    CWinApp* m_pCurrentWinApp = nullptr;
    HINSTANCE m_hCurrentInstanceHandle = nullptr;
    HINSTANCE m_hCurrentResourceHandle = nullptr;
    LPCSTR m_lpszCurrentAppName = nullptr;
    BOOL m_bDLL = FALSE;
    BOOL m_bInitialized = FALSE;
};

// The state of the calling thread's current module (the application's by default).
AFX_API AFX_MODULE_STATE* AFXAPI AfxGetModuleState();
// The application's module state: the one current when nothing else was made current.
AFX_API AFX_MODULE_STATE* AFXAPI AfxGetAppModuleState();
// Makes pNewState current on this thread; returns the state that was current.
AFX_API AFX_MODULE_STATE* AFXAPI AfxSetModuleState(AFX_MODULE_STATE* pNewState);

// Makes a module state current for the lifetime of the object and restores the
// previous one on every way out of the scope.
class AFX_API AFX_MAINTAIN_STATE2
{
public:
    explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pModuleState);
    ~AFX_MAINTAIN_STATE2();
    AFX_MAINTAIN_STATE2(const AFX_MAINTAIN_STATE2&) = delete;
    AFX_MAINTAIN_STATE2& operator=(const AFX_MAINTAIN_STATE2&) = delete;

private:
    AFX_MODULE_STATE* m_pPrevModuleState;
};
#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE2 _ctlState(p);

AFX_API CWinApp* AFXAPI AfxGetApp();
AFX_API LPCSTR AFXAPI AfxGetAppName();
AFX_API CWnd* AFXAPI AfxGetMainWnd();

// Releases the temporary wrapper objects made by FromHandle on this thread.
AFX_API void AFXAPI AfxDeleteTempMaps();
// Releases this thread's temporary maps and framework state (thread detach).
AFX_API void AFXAPI AfxTermThread(HINSTANCE hInstTerm = nullptr);
