// CFrameWnd: a top-level window with a menu, a client pane, control bars and
// command routing to the pane, the frame and the application.
#include "AfxFrameWnd.h"
#include "AfxWndClass.h"
#include "afxwin.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_WM_ERASEBKGND()
    ON_WM_INITMENUPOPUP()
    ON_WM_SETFOCUS()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOA, 0, 0xFFFF, OnToolTipText)
    ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOW, 0, 0xFFFF, OnToolTipText)
    // Bar-visibility commands (bars and their code live in frame/bars); both
    // entries let routing go on when the frame has no bar of that id.
    {
        WM_COMMAND, CN_COMMAND, ID_VIEW_TOOLBAR, ID_VIEW_REBAR, AFX_THUNK(return p->OnBarCheck(c.nID);)
    }
    ,
    {
        WM_COMMAND, CN_UPDATE_COMMAND_UI, ID_VIEW_TOOLBAR, ID_VIEW_REBAR,
            AFX_THUNK(auto* pCmdUI = static_cast<CCmdUI*>(c.pExtra); pCmdUI->m_bContinueRouting = FALSE;
                      p->OnUpdateControlBarMenu(pCmdUI); return !pCmdUI->m_bContinueRouting;)
    }
    ,
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd()
{
    if (m_hMenuDefault != nullptr && ::IsMenu(m_hMenuDefault) && !AfxIsSameHandle(::GetMenu(m_hWnd), m_hMenuDefault))
        ::DestroyMenu(m_hMenuDefault);
}

BOOL CFrameWnd::IsFrameWnd() const { return TRUE; }

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr) {
        AfxRegisterFrameworkClass(AFX_FRAME_CLASS, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                                  ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)),
                                  reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
        cs.lpszClass = AFX_FRAME_CLASS;
    }
    return TRUE;
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                       LPCSTR lpszMenuName, DWORD dwExStyle, void*)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr) {
        HINSTANCE hInst = AfxFindResourceHandle(lpszMenuName, MAKEINTRESOURCEA(4) /* RT_MENU */);
        hMenu = ::LoadMenuA(hInst, lpszMenuName);
        if (hMenu == nullptr)
            return FALSE;
    }
    m_hMenuDefault = hMenu;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), hMenu)) {
        if (hMenu != nullptr)
            ::DestroyMenu(hMenu);
        m_hMenuDefault = nullptr;
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, void* pContext)
{
    CString strTitle;
    strTitle.LoadString(nIDResource);
    if (strTitle.IsEmpty() && AfxGetAppName() != nullptr)
        strTitle = AfxGetAppName();
    LPCSTR lpszMenu = ::FindResourceA(AfxFindResourceHandle(MAKEINTRESOURCEA(nIDResource), MAKEINTRESOURCEA(4)),
                                      MAKEINTRESOURCEA(nIDResource), MAKEINTRESOURCEA(4)) != nullptr
                          ? MAKEINTRESOURCEA(nIDResource)
                          : nullptr;
    HINSTANCE hInstAccel =
        AfxFindResourceHandle(MAKEINTRESOURCEA(nIDResource), MAKEINTRESOURCEA(9) /* RT_ACCELERATOR */);
    m_hAccelTable = ::LoadAcceleratorsA(hInstAccel, MAKEINTRESOURCEA(nIDResource));
    return Create(nullptr, strTitle, dwDefaultStyle, rectDefault, pParentWnd, lpszMenu, 0, pContext);
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    return 0;
}

void CFrameWnd::PostNcDestroy()
{
    // Frames live on the heap and go with their window.
    delete this;
}

void CFrameWnd::OnDestroy()
{
    // Keep our menu out of the window's own clean-up; the destructor releases it.
    if (m_hMenuDefault != nullptr && AfxIsSameHandle(::GetMenu(m_hWnd), m_hMenuDefault))
        ::SetMenu(m_hWnd, nullptr);
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this)
        pApp->m_pMainWnd = nullptr;
    CWnd::OnDestroy();
}

void CFrameWnd::OnClose()
{
    CWinApp* pApp = AfxGetApp();
    BOOL bMain = pApp != nullptr && pApp->m_pMainWnd == this;
    DestroyWindow();
    if (bMain)
        AfxPostQuitMessage(0);
}

BOOL CFrameWnd::OnEraseBkgnd(CDC* pDC)
{
    // The pane paints itself; erasing under it only flickers.
    if (GetClientPane() != nullptr)
        return TRUE;
    return CWnd::OnEraseBkgnd(pDC);
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    CWnd* pPane = GetClientPane();
    if (pPane != nullptr)
        pPane->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

CWnd* CFrameWnd::GetClientPane() const
{
    HWND hPane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST);
    return hPane != nullptr ? CWnd::FromHandle(hPane) : nullptr;
}

void CFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout || m_hWnd == nullptr)
        return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT, LPRECT lpRectParam,
                               LPCRECT lpRectClient, BOOL bStretch)
{
    AFX_SIZEPARENTPARAMS layout = {};
    layout.bStretch = bStretch;
    if (lpRectClient != nullptr)
        layout.rect = *lpRectClient;
    else
        ::GetClientRect(m_hWnd, &layout.rect);
    layout.hDWP = ::BeginDeferWindowPos(8);

    // Each bar takes its part from the edges of what is left.
    HWND hLeftOver = nullptr;
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        UINT nID = (UINT)::GetDlgCtrlID(hChild);
        if (nID == nIDLeftOver)
            hLeftOver = hChild;
        else if (nID >= nIDFirst && nID <= nIDLast && CWnd::FromHandlePermanent(hChild) != nullptr)
            ::SendMessageA(hChild, WM_SIZEPARENT, 0, (LPARAM)&layout);
    }
    if (lpRectParam != nullptr)
        *lpRectParam = layout.rect;
    if (hLeftOver != nullptr && layout.hDWP != nullptr) {
        layout.hDWP = ::DeferWindowPos(layout.hDWP, hLeftOver, nullptr, layout.rect.left, layout.rect.top,
                                       layout.rect.right - layout.rect.left, layout.rect.bottom - layout.rect.top,
                                       SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (layout.hDWP != nullptr)
        ::EndDeferWindowPos(layout.hDWP);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
        nCmdShow = IsIconic() ? SW_RESTORE : SW_SHOW;
    ShowWindow(nCmdShow);
    BringWindowToTop();
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CWnd* pPane = CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST));
    if (pPane != nullptr && pPane->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // A menu or accelerator command whose update handler disabled it is ignored.
    if (lParam == 0) {
        struct CTestCmdUI : CCmdUI
        {
            BOOL m_bEnabled = TRUE;
            void Enable(BOOL bOn) override
            {
                m_bEnabled = bOn;
                m_bEnableChanged = TRUE;
            }
            void SetCheck(int) override {}
            void SetText(LPCSTR) override {}
        } test;
        test.m_nID = LOWORD(wParam);
        if (OnCmdMsg(test.m_nID, (int)CN_UPDATE_COMMAND_UI, &test, nullptr) && !test.m_bEnabled)
            return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_hAccelTable != nullptr && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg);
    return FALSE;
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu || pPopupMenu == nullptr)
        return;
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = (UINT)pPopupMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++) {
        state.m_nID = pPopupMenu->GetMenuItemID((int)state.m_nIndex);
        if (state.m_nID == 0 || state.m_nID == (UINT)-1)
            continue;  // separators and sub-menus
        state.m_pSubMenu = nullptr;
        state.DoUpdate(this, m_bAutoMenuEnable);
    }
}
