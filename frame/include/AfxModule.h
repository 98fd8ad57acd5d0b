// Library modules: the extension-module record, the resource chain and resource look-up.
//
// Resource look-ups try the current module first, then the application, then
// every library module linked into the resource chain.
#pragma once
#include "AfxModuleState.h"

// Extension-module record of a library module.
struct AFX_API AFX_EXTENSION_MODULE
{
    BOOL bInitialized = FALSE;
    HMODULE hModule = nullptr;
    HMODULE hResource = nullptr;
};

AFX_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
AFX_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// A link of the resource chain: while it exists, the module's resources are
// found by look-ups made on behalf of any module of the process.
class AFX_API CDynLinkLibrary : public CObject
{
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    ~CDynLinkLibrary() override;

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem;
    CDynLinkLibrary* m_pNextDLL = nullptr;
};

// The first link of the chain (newest first).
AFX_API CDynLinkLibrary* AFXAPI AfxGetFirstDynLinkLibrary();

AFX_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
// The module holding a resource: the current module, the application, then the chain.
AFX_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
AFX_API HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID);
