// Per-thread state of the framework layer (internal to ZUZIFrame.dll).
#pragma once
#include "AfxCore.h"
#include "AfxHandleMap.h"

class CWnd;
class CDC;
class CGdiObject;
class CMenu;
class CImageList;
struct AFX_MODULE_STATE;

struct AFX_THREAD_STATE
{
    // The module whose resources and application object are current; null means
    // the application's own.
    AFX_MODULE_STATE* m_pModuleState = nullptr;

    // Creation hook: the object that the next window created on this thread attaches to.
    CWnd* m_pWndInit = nullptr;
    HHOOK m_hHookOldCbtFilter = nullptr;

    MSG m_msgCur{};       // the message the message loop is handling
    MSG m_lastSentMsg{};  // the message the window procedure is handling (Default uses it)

    CHandleMap<HWND, CWnd> m_wndMap;
    CHandleMap<HDC, CDC> m_dcMap;
    CHandleMap<HGDIOBJ, CGdiObject> m_gdiMap;
    CHandleMap<HMENU, CMenu> m_menuMap;
    CHandleMap<HIMAGELIST, CImageList> m_imageListMap;
};

// Created on first use; released by AfxTermThread when the thread leaves.
AFX_THREAD_STATE* AfxGetThreadState();
// The calling thread's state, or null when it has none yet (nothing is made).
AFX_THREAD_STATE* AfxFindThreadState();
// Deletes the calling thread's state; the next AfxGetThreadState makes a new one.
void AfxFreeThreadState();
