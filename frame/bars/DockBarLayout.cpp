// CDockBar layout: the rows of docked bars placed one after the other, each
// bar overlapping its neighbours by their two-pixel borders, wrapped to a new
// row when a bar would start past the dock bar's end.
#include "AfxDockBar.h"
#include "afxext.h"

namespace {
const int CX_OVERLAP = 2;
const int CY_OVERLAP = 2;

int Max(int a, int b) { return a > b ? a : b; }
}

LRESULT CDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    auto* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (lpLayout == nullptr)
        return 0;
    // A layout without a batch only asks for sizes: nothing moves then.
    m_bLayoutQuery = lpLayout->hDWP == nullptr;
    m_rectLayout = lpLayout->rect;
    LRESULT lResult = CControlBar::OnSizeParent(wParam, lParam);
    m_bLayoutQuery = FALSE;
    m_rectLayout.SetRectEmpty();
    return lResult;
}

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize sizeFixed = CControlBar::CalcFixedLayout(bStretch, bHorz);

    CSize sizeMax;
    if (!m_rectLayout.IsRectEmpty()) {
        sizeMax = m_rectLayout.Size();
    } else {
        CRect rectFrame;
        CWnd* pParent = GetParent();
        if (pParent != nullptr)
            pParent->GetClientRect(&rectFrame);
        sizeMax = rectFrame.Size();
    }

    AFX_SIZEPARENTPARAMS layout = {};
    layout.hDWP = m_bLayoutQuery ? nullptr : ::BeginDeferWindowPos((int)m_arrBars.GetSize());
    CPoint pt(-CX_OVERLAP, -CY_OVERLAP);
    int nWidth = 0;
    BOOL bWrapped = FALSE;

    for (int nPos = 0; nPos < m_arrBars.GetSize(); nPos++) {
        CControlBar* pBar = GetDockedControlBar(nPos);
        void* pEntry = m_arrBars[nPos];
        if (pBar != nullptr) {
            if (pBar->IsVisible()) {
                DWORD dwMode = 0;
                if ((pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) && (pBar->m_dwStyle & CBRS_FLOATING))
                    dwMode = LM_HORZ | LM_MRUWIDTH;
                else if (pBar->m_dwStyle & CBRS_ORIENT_HORZ)
                    dwMode = LM_HORZ | LM_HORZDOCK;
                else
                    dwMode = LM_VERTDOCK;
                CSize sizeBar = pBar->CalcDynamicLayout(-1, dwMode);
                CRect rect(pt, sizeBar);
                CRect rectBar;
                pBar->GetWindowRect(&rectBar);
                ScreenToClient(&rectBar);

                if (bHorz) {
                    // A bar the user moved along the row stays there ...
                    if (rectBar.left > rect.left && !m_bFloating)
                        rect.OffsetRect(rectBar.left - rect.left, 0);
                    // ... unless it would stick out past the end.
                    if (rect.right > sizeMax.cx && !m_bFloating) {
                        int x = Max(sizeMax.cx - (rect.Width() - CX_OVERLAP), pt.x);
                        rect.OffsetRect(x - rect.left, 0);
                    }
                    if (bWrapped) {
                        bWrapped = FALSE;
                        rect.OffsetRect(-(rect.left + CX_OVERLAP), 0);
                    } else if (rect.left >= sizeMax.cx - CX_OVERLAP && nPos > 0 && m_arrBars[nPos - 1] != nullptr) {
                        // Nothing of it would show: it starts the next row.
                        m_arrBars.InsertAt(nPos, (void*)nullptr);
                        pBar = nullptr;
                        pEntry = nullptr;
                        bWrapped = TRUE;
                    }
                    if (!bWrapped) {
                        if (rect != rectBar) {
                            if (!m_bLayoutQuery && !(pBar->m_dwStyle & CBRS_FLOATING) &&
                                pBar->m_pDockContext != nullptr)
                                pBar->m_pDockContext->m_rectMRUDockPos = rect;
                            AfxRepositionWindow(&layout, pBar->m_hWnd, &rect);
                        }
                        pt.x = rect.left + sizeBar.cx - CX_OVERLAP;
                        nWidth = Max(nWidth, sizeBar.cy);
                    }
                } else {
                    if (rectBar.top > rect.top && !m_bFloating)
                        rect.OffsetRect(0, rectBar.top - rect.top);
                    if (rect.bottom > sizeMax.cy && !m_bFloating) {
                        int y = Max(sizeMax.cy - (rect.Height() - CY_OVERLAP), pt.y);
                        rect.OffsetRect(0, y - rect.top);
                    }
                    if (bWrapped) {
                        bWrapped = FALSE;
                        rect.OffsetRect(0, -(rect.top + CY_OVERLAP));
                    } else if (rect.top >= sizeMax.cy - CY_OVERLAP && nPos > 0 && m_arrBars[nPos - 1] != nullptr) {
                        m_arrBars.InsertAt(nPos, (void*)nullptr);
                        pBar = nullptr;
                        pEntry = nullptr;
                        bWrapped = TRUE;
                    }
                    if (!bWrapped) {
                        if (rect != rectBar) {
                            if (!m_bLayoutQuery && !(pBar->m_dwStyle & CBRS_FLOATING) &&
                                pBar->m_pDockContext != nullptr)
                                pBar->m_pDockContext->m_rectMRUDockPos = rect;
                            AfxRepositionWindow(&layout, pBar->m_hWnd, &rect);
                        }
                        pt.y = rect.top + sizeBar.cy - CY_OVERLAP;
                        nWidth = Max(nWidth, sizeBar.cx);
                    }
                }
            }
            // A pending show or hide happens with everything else.
            if (!bWrapped && pBar != nullptr)
                pBar->RecalcDelayShow(&layout);
        }
        if (pBar == nullptr && pEntry == nullptr && nWidth != 0) {
            // A row ends: the next one starts below (or beside) it.
            if (bHorz) {
                pt.y += nWidth - CY_OVERLAP;
                sizeFixed.cx = Max(sizeFixed.cx, pt.x);
                sizeFixed.cy = Max(sizeFixed.cy, pt.y);
                pt.x = -CX_OVERLAP;
            } else {
                pt.x += nWidth - CX_OVERLAP;
                sizeFixed.cx = Max(sizeFixed.cx, pt.x);
                sizeFixed.cy = Max(sizeFixed.cy, pt.y);
                pt.y = -CY_OVERLAP;
            }
            nWidth = 0;
        }
    }
    if (!m_bLayoutQuery && layout.hDWP != nullptr)
        ::EndDeferWindowPos(layout.hDWP);

    // The dock bar's own border lines come on top.
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, bHorz);
    if ((!bStretch || !bHorz) && sizeFixed.cx != 0)
        sizeFixed.cx += rect.left - rect.right;
    if ((!bStretch || bHorz) && sizeFixed.cy != 0)
        sizeFixed.cy += rect.top - rect.bottom;
    return sizeFixed;
}

void CDockBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    lpncsp->rgrc[0].left += rect.left;
    lpncsp->rgrc[0].top += rect.top;
    lpncsp->rgrc[0].right += rect.right;
    lpncsp->rgrc[0].bottom += rect.bottom;
    if (lpncsp->rgrc[0].right < lpncsp->rgrc[0].left)
        lpncsp->rgrc[0].right = lpncsp->rgrc[0].left;
    if (lpncsp->rgrc[0].bottom < lpncsp->rgrc[0].top)
        lpncsp->rgrc[0].bottom = lpncsp->rgrc[0].top;
}

void CDockBar::OnNcPaint() { EraseNonClient(); }

// The borders are non-client; the client area is the background behind the
// bars, which WM_ERASEBKGND has painted.
void CDockBar::DoPaint(CDC*) {}
