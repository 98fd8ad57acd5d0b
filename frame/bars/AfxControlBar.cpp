// CControlBar: life, styles, the frame's layout protocol (WM_SIZEPARENT),
// delayed showing and hiding, and command states while idle.
#include "AfxControlBar.h"
#include "afxext.h"

namespace {
// Whether pWnd is a floating frame (CMiniDockFrameWnd or a class made from it). The floating frames
// live in frames/, above the bars, and registered their class when the module started: the bars
// find it by its name in the run-time class list rather than calling into frames/.
bool IsFloatingFrame(const CWnd* pWnd)
{
    static const CRuntimeClass* const pClass = CRuntimeClass::FromName("CMiniDockFrameWnd");
    return pWnd != nullptr && pClass != nullptr && pWnd->IsKindOf(pClass);
}
}  // namespace

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEACTIVATE()
    ON_WM_WINDOWPOSCHANGING()
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CControlBar::CControlBar() = default;

CControlBar::~CControlBar()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) {
        // Nothing may call back into this object once it is gone.
        m_bAutoDelete = FALSE;
        DestroyWindow();
    }
    delete m_pDockContext;
    m_pDockContext = nullptr;
}

// ----- attributes ---------------------------------------------------------------

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    if (m_dwStyle == dwStyle)
        return;
    DWORD dwOldStyle = m_dwStyle;
    m_dwStyle = dwStyle;
    OnBarStyleChange(dwOldStyle, dwStyle);
}

void CControlBar::OnBarStyleChange(DWORD, DWORD) {}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft > 0 ? cxLeft : 0;
    m_cyTopBorder = cyTop > 0 ? cyTop : 0;
    m_cxRightBorder = cxRight > 0 ? cxRight : 0;
    m_cyBottomBorder = cyBottom > 0 ? cyBottom : 0;
}

void CControlBar::SetBorders(LPCRECT lpRect)
{
    if (lpRect != nullptr)
        SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

CRect CControlBar::GetBorders() const
{
    return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    CFrameWnd* pFrame = GetParentFrame();
    return pFrame != nullptr ? pFrame : m_pDockSite;
}

BOOL CControlBar::IsFloating() const
{
    if (IsDockBar())
        return static_cast<const CDockBar*>(this)->m_bFloating;
    return m_pDockBar != nullptr && m_pDockBar->m_bFloating;
}

BOOL CControlBar::IsVisible() const
{
    if (m_nStateFlags & delayHide)
        return FALSE;
    return (m_nStateFlags & delayShow) != 0 || (m_hWnd != nullptr && (GetStyle() & WS_VISIBLE) != 0);
}

void CControlBar::DelayShow(BOOL bShow)
{
    m_nStateFlags &= ~(delayHide | delayShow);
    BOOL bVisible = m_hWnd != nullptr && (GetStyle() & WS_VISIBLE) != 0;
    if (bShow && !bVisible)
        m_nStateFlags |= delayShow;
    else if (!bShow && bVisible)
        m_nStateFlags |= delayHide;
}

DWORD CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout)
{
    DWORD dwStyle = (m_dwStyle & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY)) | (GetStyle() & WS_VISIBLE);
    if (m_nStateFlags & (delayHide | delayShow)) {
        UINT swpFlags = 0;
        if (m_nStateFlags & delayHide) {
            if (dwStyle & WS_VISIBLE)
                swpFlags = SWP_HIDEWINDOW;
        } else if (!(dwStyle & WS_VISIBLE)) {
            swpFlags = SWP_SHOWWINDOW;
        }
        if (swpFlags == 0) {
            m_nStateFlags &= ~(delayShow | delayHide);
        } else {
            // The layout sees the bar as it will be; the change itself goes
            // into the batch only when the layout really moves windows.
            dwStyle ^= WS_VISIBLE;
            if (lpLayout != nullptr && lpLayout->hDWP != nullptr) {
                m_nStateFlags &= ~(delayShow | delayHide);
                lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, m_hWnd, nullptr, 0, 0, 0, 0,
                                                  swpFlags | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
    }
    return dwStyle;
}

// ----- frame and command target ------------------------------------------------

void CControlBar::AttachToDockSite(CWnd* pParentWnd)
{
    CWnd* pWnd = pParentWnd;
    if (pWnd != nullptr && pWnd->IsFrameWnd() && m_pDockSite == nullptr) {
        m_pDockSite = static_cast<CFrameWnd*>(pWnd);
        m_pDockSite->AddControlBar(this);
    }
}

CFrameWnd* CControlBar::GetCommandTarget() const
{
    // A floating bar still shows the commands of the frame it docks to.
    if (m_pDockSite != nullptr && !IsFloatingFrame(m_pDockSite))
        return m_pDockSite;
    CFrameWnd* pFrame = GetParentFrame();
    while (IsFloatingFrame(pFrame)) {
        CWnd* pOwner = CWnd::FromHandlePermanent(::GetWindow(pFrame->m_hWnd, GW_OWNER));
        pFrame = pOwner != nullptr && pOwner->IsFrameWnd() ? static_cast<CFrameWnd*>(pOwner) : nullptr;
    }
    return pFrame;
}

void CControlBar::DelayRecalcLayoutOfFrame()
{
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame != nullptr)
        pFrame->DelayRecalcLayout();
}

// ----- layout --------------------------------------------------------------------

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // A plain bar has no size of its own: stretched, it takes the whole side.
    return CSize(bStretch && bHorz ? 32767 : 0, bStretch && !bHorz ? 32767 : 0);
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode)
{
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

namespace {
const int CX_GRIPPER = 3;
const int CY_GRIPPER = 3;
const int CX_BORDER_GRIPPER = 2;
const int CY_BORDER_GRIPPER = 2;
const int CX_BORDER = 2;  // one border line and its 3D companion
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    DWORD dwStyle = m_dwStyle;
    DeflateByBorders(rect, CX_BORDER);

    BOOL bGripper = (dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) == CBRS_GRIPPER;
    if (bHorz) {
        rect.left += m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
        if (bGripper)
            rect.left += CX_BORDER_GRIPPER + CX_GRIPPER + CX_BORDER_GRIPPER;
    } else {
        // Vertical bars turn the borders round with the bar.
        rect.left += m_cyTopBorder;
        rect.top += m_cxLeftBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
        if (bGripper)
            rect.top += CY_BORDER_GRIPPER + CY_GRIPPER + CY_BORDER_GRIPPER;
    }
}

void CControlBar::DeflateByBorders(CRect& rect, int nWidth) const
{
    if (m_dwStyle & CBRS_BORDER_LEFT)
        rect.left += nWidth;
    if (m_dwStyle & CBRS_BORDER_TOP)
        rect.top += nWidth;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= nWidth;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= nWidth;
}

void CControlBar::CalcNonClientInside(NCCALCSIZE_PARAMS* lpncsp) const
{
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    RECT& rc = lpncsp->rgrc[0];
    rc.left += rect.left;
    rc.top += rect.top;
    rc.right += rect.right;
    rc.bottom += rect.bottom;
    if (rc.right < rc.left)
        rc.right = rc.left;
    if (rc.bottom < rc.top)
        rc.bottom = rc.top;
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    auto* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (lpLayout == nullptr)
        return 0;
    DWORD dwStyle = RecalcDelayShow(lpLayout);
    if (!(dwStyle & WS_VISIBLE) || !(dwStyle & CBRS_ALIGN_ANY))
        return 0;

    CRect rect(lpLayout->rect);
    CSize sizeAvail = rect.Size();
    DWORD dwMode = lpLayout->bStretch ? LM_STRETCH : 0;
    if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && (m_dwStyle & CBRS_FLOATING))
        dwMode |= LM_HORZ | LM_MRUWIDTH;
    else if (dwStyle & CBRS_ORIENT_HORZ)
        dwMode |= LM_HORZ | LM_HORZDOCK;
    else
        dwMode |= LM_VERTDOCK;
    CSize size = CalcDynamicLayout(-1, dwMode);
    size.cx = size.cx < sizeAvail.cx ? size.cx : sizeAvail.cx;
    size.cy = size.cy < sizeAvail.cy ? size.cy : sizeAvail.cy;
    if (size.cx < 0)
        size.cx = 0;
    if (size.cy < 0)
        size.cy = 0;

    if (dwStyle & CBRS_ORIENT_HORZ) {
        lpLayout->sizeTotal.cy += size.cy;
        if (lpLayout->sizeTotal.cx < size.cx)
            lpLayout->sizeTotal.cx = size.cx;
        if (dwStyle & CBRS_ALIGN_TOP) {
            lpLayout->rect.top += size.cy;
        } else if (dwStyle & CBRS_ALIGN_BOTTOM) {
            rect.top = rect.bottom - size.cy;
            lpLayout->rect.bottom -= size.cy;
        }
    } else if (dwStyle & CBRS_ORIENT_VERT) {
        lpLayout->sizeTotal.cx += size.cx;
        if (lpLayout->sizeTotal.cy < size.cy)
            lpLayout->sizeTotal.cy = size.cy;
        if (dwStyle & CBRS_ALIGN_LEFT) {
            lpLayout->rect.left += size.cx;
        } else if (dwStyle & CBRS_ALIGN_RIGHT) {
            rect.left = rect.right - size.cx;
            lpLayout->rect.right -= size.cx;
        }
    }
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    if (lpLayout->hDWP != nullptr)
        AfxRepositionWindow(lpLayout, m_hWnd, &rect);
    return 0;
}

void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect)
{
    if (lpLayout == nullptr || hWnd == nullptr || lpRect == nullptr)
        return;
    HWND hWndParent = ::GetParent(hWnd);
    CRect rectOld;
    ::GetWindowRect(hWnd, &rectOld);
    ::MapWindowPoints(nullptr, hWndParent, reinterpret_cast<POINT*>(&rectOld), 2);
    if (rectOld == CRect(*lpRect))
        return;
    if (lpLayout->hDWP != nullptr) {
        lpLayout->hDWP =
            ::DeferWindowPos(lpLayout->hDWP, hWnd, nullptr, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                             lpRect->bottom - lpRect->top, SWP_NOACTIVATE | SWP_NOZORDER);
    } else {
        ::SetWindowPos(hWnd, nullptr, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                       lpRect->bottom - lpRect->top, SWP_NOACTIVATE | SWP_NOZORDER);
    }
}

// ----- idle command states ---------------------------------------------------------

void CControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    // A bar outside any layout shows or hides here.
    BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    UINT swpFlags = 0;
    if ((m_nStateFlags & delayHide) && bVisible)
        swpFlags = SWP_HIDEWINDOW;
    else if ((m_nStateFlags & delayShow) && !bVisible)
        swpFlags = SWP_SHOWWINDOW;
    m_nStateFlags &= ~(delayShow | delayHide);
    if (swpFlags != 0)
        SetWindowPos(nullptr, 0, 0, 0, 0, swpFlags | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    if (GetStyle() & WS_VISIBLE) {
        CFrameWnd* pTarget = GetCommandTarget();
        if (pTarget != nullptr)
            OnUpdateCmdUI(pTarget, (BOOL)wParam);
    }
    return 0;
}

// ----- life ---------------------------------------------------------------------------

int CControlBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    AttachToDockSite(CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
    return 0;
}

void CControlBar::OnDestroy()
{
    if (m_pDockBar != nullptr) {
        CDockBar* pDockBar = m_pDockBar;
        m_pDockBar = nullptr;
        pDockBar->RemoveControlBar(this);
    }
    if (m_pDockSite != nullptr) {
        m_pDockSite->RemoveControlBar(this);
        m_pDockSite = nullptr;
    }
    CWnd::OnDestroy();
}

BOOL CControlBar::DestroyWindow()
{
    // A floating bar goes with its small frame.
    if (m_hWnd != nullptr && IsFloating() && !IsDockBar()) {
        CFrameWnd* pFrame = GetDockingFrame();
        if (IsFloatingFrame(pFrame))
            return pFrame->DestroyWindow();
    }
    return CWnd::DestroyWindow();
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM: {
        // Controls inside the bar talk to the frame, as if the bar were not there;
        // a control that handles its own notification (reflection) goes first.
        LRESULT lResult = 0;
        if (OnWndMsg(message, wParam, lParam, &lResult))
            return lResult;
        CFrameWnd* pTarget = GetCommandTarget();
        if (pTarget != nullptr && pTarget->m_hWnd != nullptr)
            return pTarget->SendMessage(message, wParam, lParam);
        return DefWindowProc(message, wParam, lParam);
    }
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

// ----- mouse: dragging and status texts -------------------------------------------------

INT_PTR CControlBar::OnToolHitTest(CPoint, TOOLINFOA*) const { return -1; }

void CControlBar::OnLButtonDown(UINT, CPoint pt)
{
    if (m_pDockContext != nullptr && OnToolHitTest(pt, nullptr) == -1) {
        ClientToScreen(&pt);
        m_pDockContext->StartDrag(pt);
        return;
    }
    Default();
}

void CControlBar::OnLButtonDblClk(UINT, CPoint pt)
{
    if (m_pDockContext != nullptr && OnToolHitTest(pt, nullptr) == -1) {
        m_pDockContext->ToggleDocking();
        return;
    }
    Default();
}

int CControlBar::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT nMsg)
{
    // Clicking a floating bar leaves the keyboard with the main frame.
    if (IsFloating())
        return MA_NOACTIVATE;
    return CWnd::OnMouseActivate(pDesktopWnd, nHitTest, nMsg);
}

BOOL CControlBar::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message != WM_MOUSEMOVE && pMsg->message != WM_MOUSELEAVE)
        return FALSE;
    if (!(m_dwStyle & CBRS_FLYBY) || !AfxIsSameHandle(pMsg->hwnd, m_hWnd))
        return FALSE;
    CFrameWnd* pTarget = GetCommandTarget();
    if (pTarget == nullptr)
        return FALSE;
    INT_PTR nHit = -1;
    if (pMsg->message == WM_MOUSEMOVE) {
        nHit = OnToolHitTest(AFX_POINT(pMsg->lParam), nullptr);
        TRACKMOUSEEVENT tme = { sizeof(tme), TME_LEAVE, m_hWnd, 0 };
        ::TrackMouseEvent(&tme);
    }
    // The frame's status line shows the command under the mouse, and its idle
    // text again once the mouse is off every command.
    UINT nID = nHit > 0 ? (UINT)nHit : AFX_IDS_IDLEMESSAGE;
    if (nID != pTarget->m_nIDTracking) {
        pTarget->SendMessage(WM_SETMESSAGESTRING, nID, 0);
        if (nID != AFX_IDS_IDLEMESSAGE)
            m_nStateFlags |= statusSet;
        else
            m_nStateFlags &= ~statusSet;
    }
    return FALSE;
}

// ----- painting ---------------------------------------------------------------------------

void CControlBar::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(&dc);
}

void CControlBar::DoPaint(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    DrawBorders(pDC, rect);
    DrawGripper(pDC, rect);
}

BOOL CControlBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    ::GetClipBox(pDC->GetSafeHdc(), &rect);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CControlBar::OnWindowPosChanging(WINDOWPOS* lpWndPos)
{
    // Borders and gripper sit at the edges: a new size leaves old ones behind.
    CWnd::OnWindowPosChanging(lpWndPos);
    if (!(lpWndPos->flags & SWP_NOSIZE) && (m_dwStyle & (CBRS_BORDER_ANY | CBRS_GRIPPER)))
        lpWndPos->flags |= SWP_FRAMECHANGED;
}
