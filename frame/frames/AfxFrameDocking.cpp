// CFrameWnd docking: the dock bars along the frame's sides, docking and
// floating bars, showing and hiding them, finding a bar of the frame.
#include "AfxDockBar.h"
#include "afxext.h"

namespace {
// The sides in the order their dock bars are made: top and bottom span the
// whole width, left and right the height between them.
const struct
{
    UINT nID;
    DWORD dwStyle;
} kDockBars[] = {
    { AFX_IDW_DOCKBAR_TOP, CBRS_TOP },
    { AFX_IDW_DOCKBAR_BOTTOM, CBRS_BOTTOM },
    { AFX_IDW_DOCKBAR_LEFT, CBRS_LEFT },
    { AFX_IDW_DOCKBAR_RIGHT, CBRS_RIGHT },
};
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    if (nID == 0)
        return nullptr;
    POSITION pos = m_listControlBars.GetHeadPosition();
    while (pos != nullptr) {
        auto* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->m_hWnd != nullptr && (UINT)pBar->GetDlgCtrlID() == nID)
            return pBar;
    }
    return nullptr;
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    if (m_pFloatingFrameClass == nullptr)
        m_pFloatingFrameClass = RUNTIME_CLASS(CMiniDockFrameWnd);
    for (const auto& side : kDockBars) {
        if (!(side.dwStyle & dwDockStyle & CBRS_ALIGN_ANY) || GetControlBar(side.nID) != nullptr)
            continue;
        auto* pDock = new CDockBar;
        // Deleting itself only once its window exists: a creation that fails
        // early ends in PostNcDestroy, and the object is ours to free.
        if (!pDock->Create(this, WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CHILD | WS_VISIBLE | side.dwStyle, side.nID))
            delete pDock;
        else
            pDock->m_bAutoDelete = TRUE;
    }
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    CDockBar* pDockBar = nullptr;
    if (nDockBarID != 0) {
        CControlBar* pFound = GetControlBar(nDockBarID);
        if (pFound == nullptr || !pFound->IsDockBar())
            return;
        pDockBar = static_cast<CDockBar*>(pFound);
    }
    DockControlBar(pBar, pDockBar, lpRect);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr || pBar->IsDockBar())
        return;
    // Only a bar of this frame docks here.
    if (pBar->m_pDockSite != this || m_listControlBars.Find(pBar) == nullptr)
        return;
    DWORD dwAllowed = pBar->m_dwDockStyle & CBRS_ALIGN_ANY;
    if (pDockBar == nullptr) {
        // The side the bar is aligned to, else the first side it may go to.
        for (const auto& side : kDockBars) {
            if ((side.dwStyle & CBRS_ALIGN_ANY) == (pBar->m_dwStyle & CBRS_ALIGN_ANY)) {
                CControlBar* pFound = GetControlBar(side.nID);
                pDockBar = pFound != nullptr && pFound->IsDockBar() ? static_cast<CDockBar*>(pFound) : nullptr;
                break;
            }
        }
        for (const auto& side : kDockBars) {
            if (pDockBar != nullptr)
                break;
            if (dwAllowed & side.dwStyle) {
                CControlBar* pFound = GetControlBar(side.nID);
                pDockBar = pFound != nullptr && pFound->IsDockBar() ? static_cast<CDockBar*>(pFound) : nullptr;
            }
        }
    }
    if (pDockBar == nullptr)
        return;
    // A bar made dockable goes only to the sides it allows.
    if (dwAllowed != 0 && !pDockBar->m_bFloating && !(dwAllowed & pDockBar->m_dwStyle & CBRS_ALIGN_ANY))
        return;
    pDockBar->DockControlBar(pBar, lpRect);
}

void CFrameWnd::ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr || pBar->m_pDockSite != this)
        return;
    if (pDockBar == nullptr) {
        // The dock bar that kept the bar's place.
        POSITION pos = m_listControlBars.GetHeadPosition();
        while (pos != nullptr && pDockBar == nullptr) {
            auto* pCandidate = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
            if (pCandidate->IsDockBar() && !static_cast<CDockBar*>(pCandidate)->m_bFloating &&
                static_cast<CDockBar*>(pCandidate)->FindPlaceholder((UINT)pBar->GetDlgCtrlID()) > 0)
                pDockBar = static_cast<CDockBar*>(pCandidate);
        }
    }
    if (pDockBar == nullptr) {
        DockControlBar(pBar, (CDockBar*)nullptr, lpRect);
        return;
    }
    pDockBar->ReDockControlBar(pBar, lpRect);
}

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle)
{
    CRuntimeClass* pClass = m_pFloatingFrameClass != nullptr ? m_pFloatingFrameClass : RUNTIME_CLASS(CMiniDockFrameWnd);
    CObject* pObject = pClass->CreateObject();
    if (pObject == nullptr)
        return nullptr;
    if (!pObject->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd))) {
        delete pObject;
        return nullptr;
    }
    auto* pFrame = static_cast<CMiniDockFrameWnd*>(pObject);
    // A frame whose window failed deletes itself (PostNcDestroy).
    if (!pFrame->Create(this, dwStyle))
        return nullptr;
    return pFrame;
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr || pBar->IsDockBar() || pBar->m_pDockSite != this)
        return;
    if (pBar->IsFloating()) {
        // Already floating: its frame just moves.
        CWnd* pDockFrame = pBar->m_pDockBar->GetParent();
        if (pDockFrame != nullptr && pDockFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd))) {
            pDockFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            static_cast<CFrameWnd*>(pDockFrame)->RecalcLayout(TRUE);
            pDockFrame->UpdateWindow();
        }
        return;
    }
    if (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) {
        // A dynamic bar floats horizontally, with the rows it chose last.
        dwStyle |= CBRS_SIZE_DYNAMIC;
        if (dwStyle & CBRS_ORIENT_VERT)
            dwStyle = (dwStyle & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_TOP;
    }
    CMiniDockFrameWnd* pDockFrame = CreateFloatingFrame(dwStyle);
    if (pDockFrame == nullptr)
        return;
    pDockFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pDockFrame->m_wndDockBar.DockControlBar(pBar);
    pDockFrame->RecalcLayout(TRUE);
    if (pBar->GetStyle() & WS_VISIBLE) {
        pDockFrame->ShowWindow(SW_SHOWNA);
        pDockFrame->UpdateWindow();
    }
    DelayRecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr)
        return;
    CFrameWnd* pParentFrame = pBar->GetDockingFrame();
    if (bDelay) {
        pBar->DelayShow(bShow);
        if (pParentFrame != nullptr)
            pParentFrame->DelayRecalcLayout();
    } else {
        pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE |
                               (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        pBar->m_nStateFlags &= ~(CControlBar::delayHide | CControlBar::delayShow);
        if (pParentFrame != nullptr && (bShow || !pBar->IsFloating()))
            pParentFrame->RecalcLayout(FALSE);
    }

    // A floating frame shows while one of its bars does.
    if (pBar->IsFloating() && pParentFrame != nullptr) {
        int nVisible = pBar->m_pDockBar->GetDockedVisibleCount();
        if (nVisible > 0 && !pParentFrame->IsWindowVisible()) {
            pParentFrame->RecalcLayout(FALSE);
            pParentFrame->ShowWindow(SW_SHOWNA);
        } else if (nVisible == 0) {
            pParentFrame->ShowWindow(SW_HIDE);
        } else if (!bDelay) {
            pParentFrame->RecalcLayout(FALSE);
        }
    }
}

DWORD CFrameWnd::CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar)
{
    dwDockStyle &= CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI;
    if (ppDockBar != nullptr)
        *ppDockBar = nullptr;
    POSITION pos = m_listControlBars.GetHeadPosition();
    while (pos != nullptr) {
        auto* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (!pBar->IsDockBar() || !pBar->IsWindowVisible())
            continue;
        auto* pDockBar = static_cast<CDockBar*>(pBar);
        if (!(pDockBar->m_dwStyle & dwDockStyle & CBRS_ALIGN_ANY))
            continue;
        if (pDockBar->m_bFloating && !(dwDockStyle & pDockBar->m_dwStyle & CBRS_FLOAT_MULTI))
            continue;
        // An empty dock bar is a line along the side: it still catches a drop.
        CRect rectBar;
        pDockBar->GetWindowRect(&rectBar);
        if (rectBar.Width() == 0)
            rectBar.right++;
        if (rectBar.Height() == 0)
            rectBar.bottom++;
        if (rectBar.IntersectRect(rectBar, rect)) {
            if (ppDockBar != nullptr)
                *ppDockBar = pDockBar;
            return pDockBar->m_dwStyle & dwDockStyle;
        }
    }
    return 0;
}

void CFrameWnd::DestroyDockBars()
{
    // The list changes as bars go: collect the dock bars first.
    CPtrList listDockBars;
    POSITION pos = m_listControlBars.GetHeadPosition();
    while (pos != nullptr) {
        auto* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->IsDockBar())
            listDockBars.AddTail(pBar);
    }
    pos = listDockBars.GetHeadPosition();
    while (pos != nullptr) {
        auto* pDockBar = static_cast<CDockBar*>(listDockBars.GetNext(pos));
        if (pDockBar->m_bFloating) {
            CWnd* pFrame = pDockBar->GetParent();
            if (pFrame != nullptr)
                pFrame->DestroyWindow();
        } else {
            pDockBar->DestroyWindow();
        }
    }
}
