// CMDIFrameWnd: a main frame whose pane is the platform's MDI client window,
// laid out with the frame's control bars like any other pane.
#pragma once
#include "AfxFrameWnd.h"

class AFX_API CMDIFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    CMDIFrameWnd();

    // Creates the MDI client (id AFX_IDW_PANE_FIRST); the Window menu is
    // pWindowMenu, or the menu bar's second-to-last popup when null.
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
    HMENU GetWindowMenuPopup(HMENU hMenuBar);

    // ----- MDI children ---------------------------------------------------------
    CWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIActivate(CWnd* pWndActivate);
    void MDICascade();
    void MDICascade(int nType);
    void MDITile();
    void MDITile(int nType);
    void MDIIconArrange();
    void MDINext();
    void MDIPrev();
    void MDIMaximize(CWnd* pWnd);
    void MDIRestore(CWnd* pWnd);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    HWND m_hWndMDIClient = nullptr;

protected:
    BOOL OnMDIWindowCmd(UINT nID);
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

// Window menu commands the MDI frame handles itself.
#define ID_WINDOW_NEW          0xE130
#define ID_WINDOW_ARRANGE      0xE131
#define ID_WINDOW_CASCADE      0xE132
#define ID_WINDOW_TILE_HORZ    0xE133
#define ID_WINDOW_TILE_VERT    0xE134
#define AFX_IDM_FIRST_MDICHILD 0xFF00
