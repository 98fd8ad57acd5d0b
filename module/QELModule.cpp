// Start-up and shutdown of the ZUZIVU70 module.
//
// The module has its own framework state and application object (so its own
// resources are found while it is current), and it links itself into the
// process's resource chain so applications find its resources as well.
#include "QELModuleContext.h"
#include <new>

namespace {
// The module's state must be current while its application object is
// constructed, so that the object registers with this module and not with the
// application (whose own object is built later). Within this file the objects
// below are built in the order they are written.
AFX_MODULE_STATE g_moduleState(TRUE);

struct ModuleStateActivation
{
    AFX_MODULE_STATE* pPrevState = AfxSetModuleState(&g_moduleState);
} g_activation;

class CQELModuleApp : public CWinApp
{
public:
    CQELModuleApp() : CWinApp("ZUZIVU70") {}
    BOOL InitInstance() override
    {
        // Nothing of the module's own beyond the framework's initialisation.
        return CWinApp::InitInstance();
    }
} g_theApp;

struct ModuleStateRestoration
{
    ModuleStateRestoration() { AfxSetModuleState(g_activation.pPrevState); }
} g_restoration;

AFX_EXTENSION_MODULE g_extensionModule;
CDynLinkLibrary* g_pResourceLink = nullptr;

bool AttachProcess(HINSTANCE hInstance)
{
    {
        AFX_MANAGE_STATE(&g_moduleState);
        static char szEmpty[] = "";
        if (!AfxWinInit(hInstance, nullptr, szEmpty, 0))
            return false;
        if (!g_theApp.InitInstance()) {
            g_theApp.ExitInstance();
            AfxWinTerm();
            return false;
        }
    }
    if (!AfxInitExtensionModule(g_extensionModule, hInstance))
        return false;
    g_pResourceLink = new (std::nothrow) CDynLinkLibrary(g_extensionModule);
    return g_pResourceLink != nullptr;
}

void DetachProcess()
{
    {
        AFX_MANAGE_STATE(&g_moduleState);
        g_theApp.ExitInstance();
    }
    AfxDeleteTempMaps();
    // Deletes the resource-chain link made at attach.
    AfxTermExtensionModule(g_extensionModule);
    g_pResourceLink = nullptr;
}
}

AFX_MODULE_STATE* QELModuleContext::GetModuleState() { return &g_moduleState; }

HINSTANCE QELModuleContext::GetInstanceHandle() { return g_moduleState.m_hCurrentInstanceHandle; }

QELModuleContext::QELModuleContext() : m_state(&g_moduleState) {}

QELModuleContext::~QELModuleContext() = default;

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    switch (dwReason) {
    case DLL_PROCESS_ATTACH:
        return AttachProcess(hInstance);
    case DLL_PROCESS_DETACH:
        DetachProcess();
        break;
    case DLL_THREAD_DETACH:
        AfxTermThread(hInstance);
        break;
    default:
        break;
    }
    return TRUE;
}
