// CFrameWnd: a top-level window with a menu, a client pane and command routing.
#pragma once
#include "AfxWinApp.h"
#include "AfxCollections.h"
#include "AfxControlBar.h"

class CMenu;
class CMiniDockFrameWnd;

class AFX_API CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;
    BOOL IsFrameWnd() const override;

    static const CRect rectDefault;

    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCSTR lpszMenuName = nullptr,
                        DWORD dwExStyle = 0, void* pContext = nullptr);
    // Creates the frame with the menu (and title string, if any) of resource nIDResource.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW, CWnd* pParentWnd = nullptr,
                           void* pContext = nullptr);

    // The client pane: the child window with id AFX_IDW_PANE_FIRST, sized to
    // what the control bars leave free.
    CWnd* GetClientPane() const;
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Lays out the control bars (children answering WM_SIZEPARENT) inside the
    // client area and sizes the window with id nIDLeftOver to the rest.
    void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag = 0, LPRECT lpRectParam = nullptr,
                        LPCRECT lpRectClient = nullptr, BOOL bStretch = TRUE);
    virtual void ActivateFrame(int nCmdShow = -1);

    // Commands go to the client pane, then the frame, then the application.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override;

    // Items without an update handler or command handler are disabled.
    BOOL m_bAutoMenuEnable = TRUE;
    HMENU m_hMenuDefault = nullptr;
    HACCEL m_hAccelTable = nullptr;

    BOOL m_bInRecalcLayout = FALSE;

    // ----- control bars and docking --------------------------------------------
    // Creates a dock bar for each side in dwDockStyle (CBRS_ALIGN_*), the
    // destinations of DockControlBar and of bars dragged by the user.
    void EnableDocking(DWORD dwDockStyle);
    // Docks pBar in the dock bar nDockBarID (0: the first side the bar allows),
    // at lpRect (screen coordinates) or on a new row of its own.
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
    // Floats pBar in a small frame of its own with its top-left at point (screen).
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    // Docks pBar back where its placeholder was left, or as DockControlBar.
    void ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    CControlBar* GetControlBar(UINT nID);
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    // The side (CBRS_ALIGN_*) whose dock bar rect touches, 0 for none.
    DWORD CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar = nullptr);
    virtual CMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle);
    void DestroyDockBars();
    // Bar positions, visibility and floating places through the profile functions.
    void SaveBarState(LPCSTR lpszProfileName) const;
    void LoadBarState(LPCSTR lpszProfileName);
    // Lays the frame out at the next idle time instead of now.
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    // The status text of a command: its string resource up to the first newline.
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    void SetMessageText(LPCSTR lpszText);
    void SetMessageText(UINT nID);

    CPtrList m_listControlBars;
    CRuntimeClass* m_pFloatingFrameClass = nullptr;
    enum IdleFlags { idleMenu = 1, idleTitle = 2, idleNotify = 4, idleLayout = 8 };
    UINT m_nIdleFlags = 0;
    UINT m_nIDTracking = 0;
    UINT m_nIDLastMessage = 0;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnClose();
    void OnDestroy();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnSetFocus(CWnd* pOldWnd);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    // ID_VIEW_TOOLBAR and friends: show or hide the bar with that id, and check
    // its menu item while it is visible.
    BOOL OnBarCheck(UINT nID);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

// Layout record passed with WM_SIZEPARENT to control bars.
struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;
    RECT rect;
    SIZE sizeTotal;
    BOOL bStretch;
};
