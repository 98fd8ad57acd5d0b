// CDockBar layout: the rows of docked bars placed one after the other, each
// bar overlapping its neighbours by their two-pixel borders, wrapped to a new
// row when a bar would start past the dock bar's end.
#include "AfxDockBar.h"
#include "afxext.h"

namespace {
// Docked bars overlap their neighbours by their two-pixel borders, both ways.
const int OVERLAP = 2;

int Max(int a, int b) { return a > b ? a : b; }

// A row of a horizontal dock bar runs along x, of a vertical one along y: the
// one placement works on both through these.
struct RowAxis
{
    bool bHorz;
    LONG& Along(CPoint& pt) const { return bHorz ? pt.x : pt.y; }
    LONG& Across(CPoint& pt) const { return bHorz ? pt.y : pt.x; }
    int Start(const CRect& rc) const { return bHorz ? rc.left : rc.top; }
    int End(const CRect& rc) const { return bHorz ? rc.right : rc.bottom; }
    int Length(const CSize& sz) const { return bHorz ? sz.cx : sz.cy; }
    int Thickness(const CSize& sz) const { return bHorz ? sz.cy : sz.cx; }
    void Shift(CRect& rc, int n) const { bHorz ? rc.OffsetRect(n, 0) : rc.OffsetRect(0, n); }
};
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
    const RowAxis axis{ bHorz != FALSE };
    CPoint pt(-OVERLAP, -OVERLAP);
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

                // A bar the user moved along the row stays there ...
                if (axis.Start(rectBar) > axis.Start(rect) && !m_bFloating)
                    axis.Shift(rect, axis.Start(rectBar) - axis.Start(rect));
                // ... unless it would stick out past the end.
                if (axis.End(rect) > axis.Length(sizeMax) && !m_bFloating) {
                    int nAlong = Max(axis.Length(sizeMax) - (axis.Length(rect.Size()) - OVERLAP), axis.Along(pt));
                    axis.Shift(rect, nAlong - axis.Start(rect));
                }
                if (bWrapped) {
                    bWrapped = FALSE;
                    axis.Shift(rect, -(axis.Start(rect) + OVERLAP));
                } else if (axis.Start(rect) >= axis.Length(sizeMax) - OVERLAP && nPos > 0 &&
                           m_arrBars[nPos - 1] != nullptr) {
                    // Nothing of it would show: it starts the next row.
                    m_arrBars.InsertAt(nPos, (void*)nullptr);
                    pBar = nullptr;
                    pEntry = nullptr;
                    bWrapped = TRUE;
                }
                if (!bWrapped) {
                    if (rect != rectBar) {
                        if (!m_bLayoutQuery && !(pBar->m_dwStyle & CBRS_FLOATING) && pBar->m_pDockContext != nullptr)
                            pBar->m_pDockContext->m_rectMRUDockPos = rect;
                        AfxRepositionWindow(&layout, pBar->m_hWnd, &rect);
                    }
                    axis.Along(pt) = axis.Start(rect) + axis.Length(sizeBar) - OVERLAP;
                    nWidth = Max(nWidth, axis.Thickness(sizeBar));
                }
            }
            // A pending show or hide happens with everything else.
            if (!bWrapped && pBar != nullptr)
                pBar->RecalcDelayShow(&layout);
        }
        if (pBar == nullptr && pEntry == nullptr && nWidth != 0) {
            // A row ends: the next one starts below (or beside) it.
            axis.Across(pt) += nWidth - OVERLAP;
            sizeFixed.cx = Max(sizeFixed.cx, pt.x);
            sizeFixed.cy = Max(sizeFixed.cy, pt.y);
            axis.Along(pt) = -OVERLAP;
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
    // Borders and gripper live outside the control's own area.
    CalcNonClientInside(lpncsp);
}

void CDockBar::OnNcPaint() { EraseNonClient(); }

// The borders are non-client; the client area is the background behind the
// bars, which WM_ERASEBKGND has painted.
void CDockBar::DoPaint(CDC*) {}
