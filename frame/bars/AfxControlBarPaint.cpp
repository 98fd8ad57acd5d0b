// CControlBar painting: border lines, the gripper, and the non-client area
// that holds them.
#include "AfxControlBar.h"
#include "afxext.h"

namespace {
const int CX_GRIPPER = 3;
const int CY_GRIPPER = 3;
const int CX_BORDER_GRIPPER = 2;
const int CY_BORDER_GRIPPER = 2;
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    DWORD dwStyle = m_dwStyle;
    if (!(dwStyle & CBRS_BORDER_ANY) || pDC == nullptr)
        return;

    // Outer line: highlight on the lit sides of a 3D bar, shadow otherwise;
    // the right and bottom sides are always in shadow.
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    COLORREF clrLit = (dwStyle & CBRS_BORDER_3D) ? clrHilite : clrShadow;
    int w = rect.Width();
    int h = rect.Height();
    if (dwStyle & CBRS_BORDER_LEFT)
        pDC->FillSolidRect(rect.left, rect.top, 1, h - 1, clrLit);
    if (dwStyle & CBRS_BORDER_TOP)
        pDC->FillSolidRect(rect.left, rect.top, w - 1, 1, clrLit);
    if (dwStyle & CBRS_BORDER_RIGHT)
        pDC->FillSolidRect(rect.right - 1, rect.top + 1, 1, h - 1, clrShadow);
    if (dwStyle & CBRS_BORDER_BOTTOM)
        pDC->FillSolidRect(rect.left, rect.bottom - 1, w - 1, 1, clrShadow);

    // Inner line: a 3D bar is raised (highlight inside the shadow sides, shadow
    // inside the lit ones); a flat bar repeats the face.
    COLORREF clrInnerLit = (dwStyle & CBRS_BORDER_3D) ? clrShadow : ::GetSysColor(COLOR_BTNFACE);
    COLORREF clrInnerShadow = (dwStyle & CBRS_BORDER_3D) ? clrHilite : ::GetSysColor(COLOR_BTNFACE);
    if (dwStyle & CBRS_BORDER_LEFT)
        pDC->FillSolidRect(rect.left + 1, rect.top + 1, 1, h - 2, clrInnerLit);
    if (dwStyle & CBRS_BORDER_TOP)
        pDC->FillSolidRect(rect.left + 1, rect.top + 1, w - 2, 1, clrInnerLit);
    if (dwStyle & CBRS_BORDER_RIGHT)
        pDC->FillSolidRect(rect.right - 2, rect.top + 1, 1, h - 2, clrInnerShadow);
    if (dwStyle & CBRS_BORDER_BOTTOM)
        pDC->FillSolidRect(rect.left + 1, rect.bottom - 2, w - 2, 1, clrInnerShadow);

    DeflateByBorders(rect, 2);
}

void CControlBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    // Floating bars are moved by their frame's caption: no gripper then.
    if ((m_dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) != CBRS_GRIPPER || pDC == nullptr)
        return;
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (m_dwStyle & CBRS_ORIENT_HORZ) {
        pDC->Draw3dRect(rect.left + CX_BORDER_GRIPPER, rect.top + m_cyTopBorder, CX_GRIPPER,
                        rect.Height() - m_cyTopBorder - m_cyBottomBorder, clrHilite, clrShadow);
    } else {
        pDC->Draw3dRect(rect.left + m_cyTopBorder, rect.top + CY_BORDER_GRIPPER,
                        rect.Width() - m_cyTopBorder - m_cyBottomBorder, CY_GRIPPER, clrHilite, clrShadow);
    }
}

void CControlBar::EraseNonClient()
{
    CWindowDC dc(this);
    CRect rectClient;
    GetClientRect(&rectClient);
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    ScreenToClient(&rectWindow);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(&rectClient);

    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    DrawNonClientBorders(&dc, rectWindow);

    // The strip between the borders and the client area gets the background.
    dc.IntersectClipRect(&rectWindow);
    SendMessage(WM_ERASEBKGND, (WPARAM)dc.m_hDC);
    DrawGripper(&dc, rectWindow);
}

void CControlBar::DrawNonClientBorders(CDC* pDC, CRect& rect) { DrawBorders(pDC, rect); }
