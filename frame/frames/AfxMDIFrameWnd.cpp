// CMDIFrameWnd: the platform's MDI client as the frame's pane.
#include "AfxMDIFrameWnd.h"
#include "afxext.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_COMMAND_EX(ID_WINDOW_ARRANGE, OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_CASCADE, OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_TILE_HORZ, OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_TILE_VERT, OnMDIWindowCmd)
END_MESSAGE_MAP()

CMDIFrameWnd::CMDIFrameWnd() = default;

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    // By custom the Window menu is the last popup but one (Help comes last),
    // or the last one when there is no Help menu.
    if (hMenuBar == nullptr)
        return nullptr;
    int nCount = ::GetMenuItemCount(hMenuBar);
    HMENU hPopup = nCount >= 2 ? ::GetSubMenu(hMenuBar, nCount - 2) : nullptr;
    if (hPopup == nullptr && nCount >= 1)
        hPopup = ::GetSubMenu(hMenuBar, nCount - 1);
    return hPopup;
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu)
{
    if (m_hWndMDIClient != nullptr)
        return FALSE;
    CLIENTCREATESTRUCT ccs = {};
    ccs.hWindowMenu = pWindowMenu != nullptr ? pWindowMenu->GetSafeHmenu() : GetWindowMenuPopup(::GetMenu(m_hWnd));
    ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL;
    HINSTANCE hInst = lpCreateStruct != nullptr ? lpCreateStruct->hInstance : AfxGetInstanceHandle();
    m_hWndMDIClient = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr, dwStyle, 0, 0, 0, 0, m_hWnd,
                                        reinterpret_cast<HMENU>((UINT_PTR)AFX_IDW_PANE_FIRST), hInst, &ccs);
    if (m_hWndMDIClient == nullptr)
        return FALSE;
    return TRUE;
}

int CMDIFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    return CreateClient(lpCreateStruct, nullptr) ? 0 : -1;
}

void CMDIFrameWnd::OnSize(UINT nType, int, int)
{
    // Not the MDI default, which would give the client the whole frame:
    // the control bars take their part first.
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CMDIFrameWnd::OnDestroy()
{
    CFrameWnd::OnDestroy();
    m_hWndMDIClient = nullptr;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    // Ctrl+F6 and Ctrl+F4 of the active child come first.
    if (m_hWndMDIClient != nullptr && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
        ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
        return TRUE;
    return CFrameWnd::PreTranslateMessage(pMsg);
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active child sees commands before the frame.
    CWnd* pActive = MDIGetActive();
    if (pActive != nullptr && CWnd::FromHandlePermanent(pActive->m_hWnd) != nullptr &&
        pActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID)
{
    if (m_hWndMDIClient == nullptr)
        return FALSE;
    switch (nID) {
    case ID_WINDOW_ARRANGE:
        MDIIconArrange();
        return TRUE;
    case ID_WINDOW_CASCADE:
        MDICascade();
        return TRUE;
    case ID_WINDOW_TILE_HORZ:
        MDITile(MDITILE_HORIZONTAL);
        return TRUE;
    case ID_WINDOW_TILE_VERT:
        MDITile(MDITILE_VERTICAL);
        return TRUE;
    default:
        return FALSE;
    }
}

// ----- MDI children ---------------------------------------------------------------------------

CWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    BOOL bMaximized = FALSE;
    HWND hActive =
        m_hWndMDIClient != nullptr
            ? reinterpret_cast<HWND>(::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, (LPARAM)&bMaximized))
            : nullptr;
    if (pbMaximized != nullptr)
        *pbMaximized = hActive != nullptr && bMaximized;
    return hActive != nullptr ? CWnd::FromHandle(hActive) : nullptr;
}

namespace {
void SendToClient(HWND hClient, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    if (hClient != nullptr)
        ::SendMessageA(hClient, message, wParam, lParam);
}
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    SendToClient(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)pWndActivate->GetSafeHwnd());
}
void CMDIFrameWnd::MDICascade() { SendToClient(m_hWndMDIClient, WM_MDICASCADE); }
void CMDIFrameWnd::MDICascade(int nType) { SendToClient(m_hWndMDIClient, WM_MDICASCADE, (WPARAM)nType); }
void CMDIFrameWnd::MDITile() { SendToClient(m_hWndMDIClient, WM_MDITILE); }
void CMDIFrameWnd::MDITile(int nType) { SendToClient(m_hWndMDIClient, WM_MDITILE, (WPARAM)nType); }
void CMDIFrameWnd::MDIIconArrange() { SendToClient(m_hWndMDIClient, WM_MDIICONARRANGE); }
void CMDIFrameWnd::MDINext() { SendToClient(m_hWndMDIClient, WM_MDINEXT, 0, 0); }
void CMDIFrameWnd::MDIPrev() { SendToClient(m_hWndMDIClient, WM_MDINEXT, 0, 1); }
void CMDIFrameWnd::MDIMaximize(CWnd* pWnd)
{
    SendToClient(m_hWndMDIClient, WM_MDIMAXIMIZE, (WPARAM)pWnd->GetSafeHwnd());
}
void CMDIFrameWnd::MDIRestore(CWnd* pWnd) { SendToClient(m_hWndMDIClient, WM_MDIRESTORE, (WPARAM)pWnd->GetSafeHwnd()); }
