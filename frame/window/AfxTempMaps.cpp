// The thread's temporary wrappers, released when it goes idle or leaves. They live here,
// above every class a handle map holds, because releasing one calls that class's Detach.
#include "AfxState.h"
#include "AfxModuleState.h"
#include "AfxDC.h"
#include "AfxMenu.h"
#include "AfxImageList.h"
#include "AfxWnd.h"

void AFXAPI AfxDeleteTempMaps()
{
    AFX_THREAD_STATE* pState = AfxFindThreadState();
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
    AFX_THREAD_STATE* pState = AfxFindThreadState();
    if (pState == nullptr)
        return;
    AfxDeleteTempMaps();
    if (pState->m_hHookOldCbtFilter != nullptr)
        ::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
    // Windows still attached on a departing thread were destroyed with it; only
    // the bookkeeping goes.
    AfxFreeThreadState();
}
