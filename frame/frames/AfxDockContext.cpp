// CDockContext: moving a bar with the mouse between the frame's sides and a
// floating frame, and the double-click toggle between its last two places.
#include "AfxDockBar.h"
#include "afxext.h"

namespace {
DWORD HorzSides(DWORD dw) { return dw & CBRS_ORIENT_HORZ; }
DWORD VertSides(DWORD dw) { return dw & CBRS_ORIENT_VERT; }

// Moves rect the least distance that puts pt inside it.
void KeepPointInside(CRect& rect, CPoint pt)
{
    int dx = pt.x < rect.left ? pt.x - rect.left : pt.x > rect.right ? pt.x - rect.right : 0;
    int dy = pt.y < rect.top ? pt.y - rect.top : pt.y > rect.bottom ? pt.y - rect.bottom : 0;
    rect.OffsetRect(dx, dy);
}

// The outline of rect, nWidth pixels thick, inverted on the screen.
void InvertFrame(HDC hDC, const CRect& rect, int nWidth)
{
    if (rect.IsRectEmpty())
        return;
    static const WORD kHalftone[8] = { 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA };
    HBITMAP hbmGrey = ::CreateBitmap(8, 8, 1, 1, kHalftone);
    HBRUSH hBrush = ::CreatePatternBrush(hbmGrey);
    HGDIOBJ hOld = ::SelectObject(hDC, hBrush);
    int w = rect.Width();
    int h = rect.Height();
    ::PatBlt(hDC, rect.left, rect.top, w - nWidth, nWidth, PATINVERT);
    ::PatBlt(hDC, rect.left + nWidth, rect.bottom - nWidth, w - nWidth, nWidth, PATINVERT);
    ::PatBlt(hDC, rect.left, rect.top + nWidth, nWidth, h - nWidth, PATINVERT);
    ::PatBlt(hDC, rect.right - nWidth, rect.top, nWidth, h - nWidth, PATINVERT);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBrush);
    ::DeleteObject(hbmGrey);
}
}

// The bar's side of docking: the context that drags it is made here, with the frames' docking code
// it drives.
void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle;
    if (m_pDockContext == nullptr)
        m_pDockContext = new CDockContext(this);
}

CDockContext::CDockContext(CControlBar* pBar) : m_pBar(pBar), m_pDockSite(pBar->m_pDockSite)
{
    m_dwMRUFloatStyle = CBRS_ALIGN_TOP;
    m_ptMRUFloatPos = CPoint(-1, -1);
    m_rectMRUDockPos.SetRectEmpty();
}

CDockContext::~CDockContext()
{
    if (m_bDragging)
        CancelLoop();
}

// ----- the drag ------------------------------------------------------------------------------

void CDockContext::InitLoop()
{
    m_bFlip = FALSE;
    m_bForceFrame = FALSE;
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
    m_bDitherLast = FALSE;
    m_hDCDraw = ::GetDC(nullptr);
}

void CDockContext::CancelLoop()
{
    DrawFocusRect(TRUE);
    if (AfxIsSameHandle(::GetCapture(), m_pBar->m_hWnd))
        ::ReleaseCapture();
    if (m_hDCDraw != nullptr) {
        ::ReleaseDC(nullptr, m_hDCDraw);
        m_hDCDraw = nullptr;
    }
    m_bDragging = FALSE;
}

void CDockContext::StartDrag(CPoint pt)
{
    if (m_pBar->m_hWnd == nullptr || m_bDragging)
        return;
    if (m_pDockSite == nullptr)
        m_pDockSite = m_pBar->m_pDockSite;
    if (m_pDockSite == nullptr)
        return;
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    m_dwStyle = m_pBar->m_dwStyle;
    m_bDragging = TRUE;
    InitLoop();

    // The outlines the bar would have docked along a side or floating, all
    // starting at the bar's place.
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    m_ptLast = pt;
    CSize sizeHorz, sizeVert, sizeFloat;
    if (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) {
        sizeHorz = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK);
        sizeVert = m_pBar->CalcDynamicLayout(0, LM_VERTDOCK);
        sizeFloat = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    } else {
        sizeHorz = m_pBar->CalcFixedLayout(FALSE, TRUE);
        sizeVert = m_pBar->CalcFixedLayout(FALSE, FALSE);
        sizeFloat = sizeHorz;
    }
    m_rectDragHorz = CRect(rect.TopLeft(), sizeHorz);
    m_rectDragVert = CRect(rect.TopLeft(), sizeVert);
    // A floating frame adds its caption and borders round the bar.
    CRect rectFrame(0, 0, 0, 0);
    ::AdjustWindowRectEx(&rectFrame, WS_POPUP | WS_CAPTION | WS_SYSMENU, FALSE, WS_EX_TOOLWINDOW);
    m_rectFrameDragHorz =
        CRect(rect.TopLeft(), CSize(sizeFloat.cx - 4 + rectFrame.Width(), sizeFloat.cy - 4 + rectFrame.Height()));
    m_rectFrameDragVert =
        CRect(rect.TopLeft(), CSize(sizeVert.cx - 4 + rectFrame.Width(), sizeVert.cy - 4 + rectFrame.Height()));
    KeepPointInside(m_rectDragHorz, pt);
    KeepPointInside(m_rectDragVert, pt);
    KeepPointInside(m_rectFrameDragHorz, pt);
    KeepPointInside(m_rectFrameDragVert, pt);

    m_dwOverDockStyle = CanDock();
    Move(pt);
    Track();
}

BOOL CDockContext::Track()
{
    if (::GetCapture() != nullptr) {
        CancelLoop();
        return FALSE;
    }
    HWND hWndBar = m_pBar->m_hWnd;
    ::SetCapture(hWndBar);
    while (AfxIsSameHandle(::GetCapture(), hWndBar)) {
        MSG msg;
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            AfxPostQuitMessage((int)msg.wParam);
            break;
        }
        switch (msg.message) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP: {
            // Mouse messages under capture come in the capture window's
            // client coordinates.
            CPoint pt = AFX_POINT(msg.lParam);
            ::ClientToScreen(msg.hwnd, &pt);
            UpdateState(&m_bForceFrame, (msg.wParam & MK_CONTROL) != 0);
            UpdateState(&m_bFlip, (msg.wParam & MK_SHIFT) != 0);
            Move(pt);
            if (msg.message == WM_LBUTTONUP) {
                EndDrag();
                return TRUE;
            }
            break;
        }
        case WM_KEYDOWN:
        case WM_KEYUP:
            OnKey((int)msg.wParam, msg.message == WM_KEYDOWN);
            if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
                CancelLoop();
                return FALSE;
            }
            break;
        case WM_RBUTTONDOWN:
            CancelLoop();
            return FALSE;
        default:
            ::DispatchMessageA(&msg);
            break;
        }
    }
    CancelLoop();
    return FALSE;
}

void CDockContext::Move(CPoint pt)
{
    CPoint ptOffset = pt - m_ptLast;
    m_rectDragHorz.OffsetRect(ptOffset);
    m_rectFrameDragHorz.OffsetRect(ptOffset);
    m_rectDragVert.OffsetRect(ptOffset);
    m_rectFrameDragVert.OffsetRect(ptOffset);
    m_ptLast = pt;
    // Ctrl keeps the bar from docking.
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
}

void CDockContext::OnKey(int nChar, BOOL bDown)
{
    if (nChar == VK_CONTROL)
        UpdateState(&m_bForceFrame, bDown);
    if (nChar == VK_SHIFT)
        UpdateState(&m_bFlip, bDown);
}

void CDockContext::UpdateState(BOOL* pFlag, BOOL bNewValue)
{
    if (*pFlag == bNewValue)
        return;
    *pFlag = bNewValue;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
}

DWORD CDockContext::CanDock()
{
    if (m_pDockSite == nullptr)
        return 0;
    // The bar's own orientation first (Shift turns it round), then the other
    // one when the outlines of both orientations touch the same side.
    BOOL bHorz = HorzSides(m_dwStyle) != 0;
    if (m_bFlip)
        bHorz = !bHorz;
    DWORD dwDock = 0;
    if (bHorz && HorzSides(m_dwDockStyle))
        dwDock = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_VERT);
    else if (!bHorz && VertSides(m_dwDockStyle))
        dwDock = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
    if (!m_bFlip) {
        if (dwDock == 0 && HorzSides(m_dwDockStyle)) {
            DWORD dwOther = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_VERT);
            dwDock = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_VERT);
            dwDock = dwDock == dwOther ? dwDock : 0;
        }
        if (dwDock == 0 && VertSides(m_dwDockStyle)) {
            DWORD dwOther = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
            dwDock = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
            dwDock = dwDock == dwOther ? dwDock : 0;
        }
    }
    return dwDock;
}

CDockBar* CDockContext::GetDockBar(DWORD dwOverDockStyle)
{
    CDockBar* pDockBar = nullptr;
    if (HorzSides(dwOverDockStyle))
        m_pDockSite->CanDock(m_rectDragHorz, HorzSides(dwOverDockStyle), &pDockBar);
    if (pDockBar == nullptr && VertSides(dwOverDockStyle))
        m_pDockSite->CanDock(m_rectDragVert, VertSides(dwOverDockStyle), &pDockBar);
    return pDockBar;
}

void CDockContext::DrawFocusRect(BOOL bRemoveRect)
{
    // Thin outline where the bar would dock, thick where it would float.
    CRect rect;
    int nWidth;
    if (m_dwOverDockStyle != 0) {
        rect = HorzSides(m_dwOverDockStyle) ? m_rectDragHorz : m_rectDragVert;
        nWidth = 1;
    } else {
        BOOL bHorz = (m_dwStyle & CBRS_SIZE_DYNAMIC) || (HorzSides(m_dwStyle) != 0) != (m_bFlip != 0);
        rect = bHorz ? m_rectFrameDragHorz : m_rectFrameDragVert;
        nWidth = 3;
    }
    if (bRemoveRect)
        rect.SetRectEmpty();
    if (m_hDCDraw == nullptr)
        return;
    if (rect == m_rectLast && nWidth == m_sizeLast.cx)
        return;
    InvertFrame(m_hDCDraw, m_rectLast, m_sizeLast.cx);
    InvertFrame(m_hDCDraw, rect, nWidth);
    m_rectLast = rect;
    m_sizeLast = CSize(nWidth, nWidth);
}

void CDockContext::EndDrag()
{
    CancelLoop();
    if (m_pDockSite == nullptr || m_pBar->m_hWnd == nullptr)
        return;
    if (m_dwOverDockStyle != 0) {
        CDockBar* pDockBar = GetDockBar(m_dwOverDockStyle);
        if (pDockBar != nullptr) {
            CRect rect = HorzSides(m_dwOverDockStyle) ? m_rectDragHorz : m_rectDragVert;
            m_pDockSite->DockControlBar(m_pBar, pDockBar, &rect);
            m_pDockSite->RecalcLayout();
            return;
        }
    }
    BOOL bHorz = (m_dwStyle & CBRS_SIZE_DYNAMIC) || (HorzSides(m_dwStyle) != 0) != (m_bFlip != 0);
    m_dwMRUFloatStyle = (bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT) | (m_dwDockStyle & CBRS_FLOAT_MULTI);
    m_ptMRUFloatPos = bHorz ? m_rectFrameDragHorz.TopLeft() : m_rectFrameDragVert.TopLeft();
    m_pDockSite->FloatControlBar(m_pBar, m_ptMRUFloatPos, m_dwMRUFloatStyle);
    m_pDockSite->RecalcLayout();
}

// ----- double-click ----------------------------------------------------------------------------

void CDockContext::ToggleDocking()
{
    if (m_pDockSite == nullptr)
        m_pDockSite = m_pBar->m_pDockSite;
    if (m_pDockSite == nullptr || m_pBar->m_hWnd == nullptr)
        return;
    if (m_pBar->IsFloating()) {
        if (!(m_pBar->m_dwDockStyle & CBRS_ALIGN_ANY))
            return;
        // Remember where it floated, then go back to where it was docked.
        CWnd* pFrame = m_pBar->GetDockingFrame();
        if (pFrame != nullptr) {
            CRect rectFrame;
            pFrame->GetWindowRect(&rectFrame);
            m_ptMRUFloatPos = rectFrame.TopLeft();
        }
        CRect rect = m_rectMRUDockPos;
        CDockBar* pDockBar = nullptr;
        if (m_uMRUDockID != 0) {
            CControlBar* pFound = m_pDockSite->GetControlBar(m_uMRUDockID);
            if (pFound != nullptr && pFound->IsDockBar()) {
                pDockBar = static_cast<CDockBar*>(pFound);
                pDockBar->ClientToScreen(&rect);
            }
        }
        m_pDockSite->ReDockControlBar(m_pBar, pDockBar, pDockBar != nullptr && !rect.IsRectEmpty() ? &rect : nullptr);
        m_pDockSite->RecalcLayout();
    } else {
        CPoint ptFloat = m_ptMRUFloatPos;
        if (ptFloat.x < 0 || ptFloat.y < 0) {
            // Never floated yet: it floats where it is.
            CRect rectBar;
            m_pBar->GetWindowRect(&rectBar);
            ptFloat = rectBar.TopLeft();
        }
        m_pDockSite->FloatControlBar(m_pBar, ptFloat, m_dwMRUFloatStyle);
        m_pDockSite->RecalcLayout();
    }
}
