// QELGUIUtils::DockToolbar: one toolbar docked beside another, as if the
// user had dragged it to the right edge of the other one.
#include "QELGUIUtils.h"
#include "afxext.h"

void QELGUIUtils::DockToolbar(CMDIFrameWnd* pFrame, CToolBar* pBar, CToolBar* pReference)
{
    if (pFrame == nullptr || pFrame->m_hWnd == nullptr || pBar == nullptr || pBar->m_hWnd == nullptr ||
        pReference == nullptr || pReference->m_hWnd == nullptr || pBar == pReference)
        return;
    // The docked bars' rectangles must be those of the current layout.
    pFrame->RecalcLayout(TRUE);
    if (pReference->IsFloating() || pReference->m_pDockSite != pFrame || pReference->m_pDockBar == nullptr) {
        pFrame->DockControlBar(pBar);
        return;
    }
    DWORD dwStyle = pReference->GetBarStyle();
    // One pixel past the reference's start along its row, so that the dock
    // bar puts the bar after it: to the right on the top and bottom, down on
    // the left and right (moved right there, it would go above the reference).
    CRect rect;
    pReference->GetWindowRect(&rect);
    if (dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM))
        rect.OffsetRect(1, 0);
    else
        rect.OffsetRect(0, 1);
    UINT nDockBarID = 0;
    if (dwStyle & CBRS_ALIGN_TOP)
        nDockBarID = AFX_IDW_DOCKBAR_TOP;
    else if (dwStyle & CBRS_ALIGN_BOTTOM)
        nDockBarID = AFX_IDW_DOCKBAR_BOTTOM;
    else if (dwStyle & CBRS_ALIGN_LEFT)
        nDockBarID = AFX_IDW_DOCKBAR_LEFT;
    else if (dwStyle & CBRS_ALIGN_RIGHT)
        nDockBarID = AFX_IDW_DOCKBAR_RIGHT;
    pFrame->DockControlBar(pBar, nDockBarID, &rect);
}
