// The resource chain and resource look-up across modules.
#include "AfxModule.h"

namespace {
// Library modules whose resources the process can see, newest first.
CDynLinkLibrary* g_firstLibrary = nullptr;

bool ModuleHasResource(HINSTANCE hInst, LPCSTR lpszName, LPCSTR lpszType)
{
    return hInst != nullptr && ::FindResourceA(hInst, lpszName, lpszType) != nullptr;
}
}

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CObject)

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (hModule == nullptr)
        return FALSE;
    if (state.bInitialized)
        return TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    if (!state.bInitialized)
        return;
    // Unlink every chain link made for this module; bAll only mattered to the
    // original framework's per-thread copies, which we do not keep.
    (void)bAll;
    for (CDynLinkLibrary* p = g_firstLibrary; p != nullptr;) {
        CDynLinkLibrary* pNext = p->m_pNextDLL;
        if (p->m_hModule == state.hModule)
            delete p;
        p = pNext;
    }
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem)
{
    m_pNextDLL = g_firstLibrary;
    g_firstLibrary = this;
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    for (CDynLinkLibrary** pp = &g_firstLibrary; *pp != nullptr; pp = &(*pp)->m_pNextDLL) {
        if (*pp == this) {
            *pp = m_pNextDLL;
            break;
        }
    }
}

CDynLinkLibrary* AFXAPI AfxGetFirstDynLinkLibrary() { return g_firstLibrary; }

HINSTANCE AFXAPI AfxGetInstanceHandle() { return AfxGetModuleState()->m_hCurrentInstanceHandle; }

HINSTANCE AFXAPI AfxGetResourceHandle() { return AfxGetModuleState()->m_hCurrentResourceHandle; }

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    // The current module first, so a library showing its own dialog gets its own
    // template even when the application has one with the same id.
    HINSTANCE hCurrent = AfxGetResourceHandle();
    if (ModuleHasResource(hCurrent, lpszName, lpszType))
        return hCurrent;
    HINSTANCE hApp = AfxGetAppModuleState()->m_hCurrentResourceHandle;
    if (hApp != hCurrent && ModuleHasResource(hApp, lpszName, lpszType))
        return hApp;
    for (CDynLinkLibrary* p = g_firstLibrary; p != nullptr; p = p->m_pNextDLL)
        if (ModuleHasResource(p->m_hResource, lpszName, lpszType))
            return p->m_hResource;
    // Not found anywhere: the current module, so the caller's own look-up fails cleanly.
    return hCurrent;
}

HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID)
{
    // Strings are stored in blocks of 16 under the id (nID / 16) + 1.
    return AfxFindResourceHandle(MAKEINTRESOURCEA((nID >> 4) + 1), MAKEINTRESOURCEA(6) /* RT_STRING */);
}
