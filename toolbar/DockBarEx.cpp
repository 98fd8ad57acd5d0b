// CDockBarEx: the dock bar that places flat toolbars edge to edge, and the
// frame set-up that puts one on each side.
#include "QELToolbar.h"
#include <new>

IMPLEMENT_DYNAMIC(CDockBarEx, CDockBar)

BEGIN_MESSAGE_MAP(CDockBarEx, CDockBar)
END_MESSAGE_MAP()

CDockBarEx::CDockBarEx() : CDockBar(FALSE) {}

CDockBarEx::~CDockBarEx() = default;

// Flat toolbars draw their own one-pixel borders and sit edge to edge.
int CDockBarEx::GetBarOverlap(CControlBar* pBar) const
{
    if (pBar->IsKindOf(RUNTIME_CLASS(QELToolbar)) && (pBar->SendMessage(TB_GETSTYLE) & TBSTYLE_FLAT) != 0)
        return 0;
    return CDockBar::GetBarOverlap(pBar);
}

BOOL QELToolbar::FrameEnableDocking(CFrameWnd* pFrame, DWORD dwDockStyle)
{
    if (pFrame == nullptr || pFrame->m_hWnd == nullptr)
        return FALSE;
    static const struct
    {
        UINT nID;
        DWORD dwStyle;
    } kSides[] = {
        { AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM },
        { AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP },
        { AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT },
        { AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT },
    };
    pFrame->EnableDocking(dwDockStyle);
    BOOL bAll = TRUE;
    for (const auto& side : kSides) {
        if (!(dwDockStyle & side.dwStyle & CBRS_ALIGN_ANY))
            continue;
        CControlBar* pOld = pFrame->GetControlBar(side.nID);
        if (pOld != nullptr && pOld->IsKindOf(RUNTIME_CLASS(CDockBarEx)))
            continue;
        // The new bar is made, window and all, before the old one goes: a side
        // whose CDockBarEx cannot be made keeps the framework's dock bar, so
        // bars still dock there. It stays ours to free until its window exists.
        auto* pDockBar = new (std::nothrow) CDockBarEx;
        if (pDockBar == nullptr) {
            bAll = FALSE;
            continue;
        }
        if (!pDockBar->Create(pFrame, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | side.dwStyle,
                              side.nID)) {
            delete pDockBar;
            bAll = FALSE;
            continue;
        }
        pDockBar->m_bAutoDelete = TRUE;
        if (pOld != nullptr) {
            // The framework's dock bar goes: out of the frame's list first, so
            // that its window's end does not look for the frame.
            BOOL bDeleteHere = !pOld->m_bAutoDelete;
            pFrame->RemoveControlBar(pOld);
            pOld->m_pDockSite = nullptr;
            pOld->DestroyWindow();
            if (bDeleteHere)
                delete pOld;
        }
    }
    return bAll;
}
