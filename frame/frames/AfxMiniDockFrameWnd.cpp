// The small frames floating bars live in.
#include "AfxDockBar.h"
#include "afxext.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
    ON_WM_CLOSE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_SIZING()
    ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

// ----- CMiniFrameWnd -----------------------------------------------------------------------

CMiniFrameWnd::CMiniFrameWnd() = default;

BOOL CMiniFrameWnd::CreateEx(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                             CWnd* pParentWnd, UINT nID)
{
    // A tool window: small caption, no task-bar button, owned by pParentWnd.
    return CWnd::CreateEx(dwExStyle | WS_EX_TOOLWINDOW, lpClassName, lpWindowName, dwStyle, rect.left, rect.top,
                          rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                          (dwStyle & WS_CHILD) ? reinterpret_cast<HMENU>((UINT_PTR)nID) : nullptr);
}

void CMiniFrameWnd::PostNcDestroy() { CFrameWnd::PostNcDestroy(); }

// ----- CMiniDockFrameWnd -------------------------------------------------------------------

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE) {}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    if (pParent == nullptr || pParent->m_hWnd == nullptr)
        return FALSE;
    // No layout while the parts are made.
    m_bInRecalcLayout = TRUE;
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (dwBarStyle & CBRS_SIZE_DYNAMIC)
        dwStyle |= WS_THICKFRAME;
    if (!CMiniFrameWnd::CreateEx(0, nullptr, "", dwStyle, CRect(0, 0, 0, 0), pParent)) {
        m_bInRecalcLayout = FALSE;
        return FALSE;
    }
    DWORD dwDockStyle = (dwBarStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) ? CBRS_ALIGN_LEFT : CBRS_ALIGN_TOP;
    dwDockStyle |= dwBarStyle & CBRS_FLOAT_MULTI;

    // The dock bar is made as a child of the docking frame, so that it joins
    // that frame's bars (a floating bar may be dropped on it), and then moves in.
    if (!m_wndDockBar.Create(pParent, WS_CHILD | WS_VISIBLE | dwDockStyle, AFX_IDW_DOCKBAR_FLOAT)) {
        m_bInRecalcLayout = FALSE;
        DestroyWindow();
        return FALSE;
    }
    m_wndDockBar.SetParent(this);
    m_bInRecalcLayout = FALSE;
    return TRUE;
}

CControlBar* CMiniDockFrameWnd::GetFloatingBar() const
{
    for (INT_PTR i = 0; i < m_wndDockBar.m_arrBars.GetSize(); i++) {
        CControlBar* pBar = m_wndDockBar.GetDockedControlBar((int)i);
        if (pBar != nullptr)
            return pBar;
    }
    return nullptr;
}

void CMiniDockFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout || m_hWnd == nullptr || m_wndDockBar.m_hWnd == nullptr)
        return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);

    // The frame fits its bars: the dock bar lays them out and the frame's
    // client area takes the dock bar's size.
    CSize size = m_wndDockBar.CalcFixedLayout(FALSE, (m_wndDockBar.m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    if (size.cx < 0)
        size.cx = 0;
    if (size.cy < 0)
        size.cy = 0;
    m_wndDockBar.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rect(0, 0, size.cx, size.cy);
    ::AdjustWindowRectEx(&rect, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    // The caption is the floating bar's title.
    CControlBar* pBar = GetFloatingBar();
    if (pBar != nullptr && !(m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI)) {
        CString strTitle;
        pBar->GetWindowText(strTitle);
        CString strOld;
        GetWindowText(strOld);
        if (strOld != strTitle)
            SetWindowText(strTitle);
    }
    m_bInRecalcLayout = FALSE;
}

BOOL CMiniDockFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CWnd* pOwner = CWnd::FromHandlePermanent(::GetWindow(m_hWnd, GW_OWNER));
    if (pOwner != nullptr && pOwner->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CMiniFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CMiniDockFrameWnd::OnClose()
{
    // Closing a floating frame hides its bars; they stay where they are.
    if (m_wndDockBar.GetDockedCount() == 0) {
        DestroyWindow();
        return;
    }
    for (INT_PTR i = 0; i < m_wndDockBar.m_arrBars.GetSize(); i++) {
        CControlBar* pBar = m_wndDockBar.GetDockedControlBar((int)i);
        if (pBar != nullptr && pBar->m_pDockSite != nullptr)
            pBar->m_pDockSite->ShowControlBar(pBar, FALSE, FALSE);
    }
    if (IsWindow(m_hWnd))
        ShowWindow(SW_HIDE);
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    CControlBar* pBar = GetFloatingBar();
    if (nHitTest == HTCAPTION && pBar != nullptr && pBar->m_pDockContext != nullptr &&
        !(m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI)) {
        // The caption drags the bar: it may dock again.
        ActivateFrame();
        pBar->m_pDockContext->StartDrag(point);
        return;
    }
    Default();
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint)
{
    CControlBar* pBar = GetFloatingBar();
    if (nHitTest == HTCAPTION && pBar != nullptr && pBar->m_pDockContext != nullptr) {
        pBar->m_pDockContext->ToggleDocking();
        return;
    }
    Default();
}

void CMiniDockFrameWnd::OnSizing(UINT fwSide, LPRECT pRect)
{
    CControlBar* pBar = GetFloatingBar();
    if (pBar == nullptr || pRect == nullptr || !(pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)) {
        Default();
        return;
    }
    // The bar chooses its rows for the length the user drags to; the frame
    // snaps to the size that gives.
    CRect rectBorders(0, 0, 0, 0);
    ::AdjustWindowRectEx(&rectBorders, GetStyle(), FALSE, GetExStyle());
    int cxClient = (pRect->right - pRect->left) - rectBorders.Width();
    int cyClient = (pRect->bottom - pRect->top) - rectBorders.Height();
    BOOL bVertical = fwSide == WMSZ_TOP || fwSide == WMSZ_BOTTOM;
    // The bar's outer two pixels lie outside the floating dock bar.
    DWORD dwMode = LM_HORZ | LM_COMMIT | (bVertical ? LM_LENGTHY : 0);
    CSize size = pBar->CalcDynamicLayout(bVertical ? cyClient + 4 : cxClient + 4, dwMode);
    int cx = size.cx - 4 + rectBorders.Width();
    int cy = size.cy - 4 + rectBorders.Height();
    if (fwSide == WMSZ_LEFT || fwSide == WMSZ_TOPLEFT || fwSide == WMSZ_BOTTOMLEFT)
        pRect->left = pRect->right - cx;
    else
        pRect->right = pRect->left + cx;
    if (fwSide == WMSZ_TOP || fwSide == WMSZ_TOPLEFT || fwSide == WMSZ_TOPRIGHT)
        pRect->top = pRect->bottom - cy;
    else
        pRect->bottom = pRect->top + cy;
    DelayRecalcLayout();
}

void CMiniDockFrameWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    // The system's smallest resizable window is wider than a small bar: the
    // frame may be as small as its bar needs.
    CWnd::OnGetMinMaxInfo(lpMMI);
    CRect rectBorders(0, 0, 0, 0);
    ::AdjustWindowRectEx(&rectBorders, GetStyle(), FALSE, GetExStyle());
    lpMMI->ptMinTrackSize.x = rectBorders.Width() + 1;
    lpMMI->ptMinTrackSize.y = rectBorders.Height() + 1;
}
