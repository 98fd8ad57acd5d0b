// CDockBar: the rows of bars docked along one side of a frame (or in a
// floating frame), with placeholders that keep the place of a bar that left.
#include "AfxDockBar.h"
#include "afxext.h"

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating)
{
    m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0;
    m_arrBars.Add(nullptr);
}

CDockBar::~CDockBar()
{
    // Bars still listed keep no pointer to a dock bar that is gone.
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++) {
        CControlBar* pBar = GetDockedControlBar((int)i);
        if (pBar != nullptr && pBar->m_pDockBar == this)
            pBar->m_pDockBar = nullptr;
    }
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    if (pParentWnd == nullptr || pParentWnd->m_hWnd == nullptr)
        return FALSE;
    m_dwStyle = dwStyle & CBRS_ALL;
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CWnd::Create(lpszClass, nullptr, (dwStyle & ~CBRS_ALL) | WS_CHILD, CRect(0, 0, 0, 0), pParentWnd, nID);
}

// ----- the rows ------------------------------------------------------------------------

BOOL CDockBar::IsPlaceholder(void* pEntry)
{
    return pEntry != nullptr && (UINT_PTR)pEntry < AFX_DOCKBAR_PLACEHOLDER_LIMIT;
}

CControlBar* CDockBar::GetDockedControlBar(int nPos) const
{
    void* pEntry = m_arrBars.GetAt(nPos);
    return pEntry == nullptr || IsPlaceholder(pEntry) ? nullptr : static_cast<CControlBar*>(pEntry);
}

int CDockBar::GetDockedCount() const
{
    int nCount = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
        if (GetDockedControlBar((int)i) != nullptr)
            nCount++;
    return nCount;
}

int CDockBar::GetDockedVisibleCount() const
{
    int nCount = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++) {
        CControlBar* pBar = GetDockedControlBar((int)i);
        if (pBar != nullptr && pBar->IsVisible())
            nCount++;
    }
    return nCount;
}

int CDockBar::FindBar(CControlBar* pBar, int nPosExclude) const
{
    if (pBar == nullptr)
        return -1;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
        if ((int)i != nPosExclude && m_arrBars.GetAt(i) == pBar)
            return (int)i;
    return -1;
}

int CDockBar::FindPlaceholder(UINT nID) const
{
    if (nID == 0 || nID >= AFX_DOCKBAR_PLACEHOLDER_LIMIT)
        return -1;
    return FindBar(reinterpret_cast<CControlBar*>((UINT_PTR)nID));
}

void CDockBar::RemoveEntry(int nPos)
{
    if (nPos <= 0 || nPos >= m_arrBars.GetSize())
        return;
    m_arrBars.RemoveAt(nPos);
    // A row end right after a row end leaves an empty row: drop it.
    if (nPos < m_arrBars.GetSize() && m_arrBars[nPos - 1] == nullptr && m_arrBars[nPos] == nullptr)
        m_arrBars.RemoveAt(nPos);
}

void CDockBar::RemovePlaceHolder(CControlBar* pBar)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr)
        return;
    int nPos = FindPlaceholder((UINT)pBar->GetDlgCtrlID());
    if (nPos > 0)
        RemoveEntry(nPos);
}

void CDockBar::ForgetBar(CControlBar* pBar)
{
    int nPos = FindBar(pBar);
    if (nPos > 0)
        RemoveEntry(nPos);
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar, int nPosExclude, BOOL bAddPlaceHolder)
{
    int nPos = FindBar(pBar, nPosExclude);
    if (nPos <= 0)
        return FALSE;
    UINT nID = pBar->m_hWnd != nullptr ? (UINT)pBar->GetDlgCtrlID() : 0;
    if (bAddPlaceHolder && nID != 0 && nID < AFX_DOCKBAR_PLACEHOLDER_LIMIT) {
        // The bar's place is kept for its return, once.
        m_arrBars[nPos] = reinterpret_cast<void*>((UINT_PTR)nID);
        if (FindPlaceholder(nID) != nPos || FindBar(reinterpret_cast<CControlBar*>((UINT_PTR)nID), nPos) > 0)
            RemoveEntry(nPos);
    } else {
        RemoveEntry(nPos);
    }
    if (pBar->m_pDockBar == this)
        pBar->m_pDockBar = nullptr;

    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame == nullptr)
        return FALSE;
    if (m_bFloating && GetDockedVisibleCount() == 0) {
        // A floating frame with nothing left to show goes away.
        if (GetDockedCount() == 0) {
            pFrame->DestroyWindow();
            return TRUE;
        }
        pFrame->ShowWindow(SW_HIDE);
    } else {
        pFrame->DelayRecalcLayout();
    }
    return FALSE;
}

int CDockBar::Insert(CControlBar* pBarIns, CRect rect, CPoint ptMid)
{
    BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    int nMid = bHorz ? ptMid.y : ptMid.x;
    int nAlong = bHorz ? rect.left : rect.top;

    // Walk the rows; each ends at a null. A row's extent across the dock bar
    // is that of its visible bars; rows overlap by the two-pixel borders.
    int nRowStart = 1;
    int nEdge = 0;
    for (int nPos = 1; nPos < m_arrBars.GetSize(); nPos++) {
        if (m_arrBars[nPos] != nullptr)
            continue;
        int nThick = 0;
        int nInsert = nRowStart;
        for (int i = nRowStart; i < nPos; i++) {
            CControlBar* pBar = GetDockedControlBar(i);
            if (pBar == nullptr || !pBar->IsVisible() || pBar == pBarIns)
                continue;
            CRect rectBar;
            pBar->GetWindowRect(&rectBar);
            ScreenToClient(&rectBar);
            int nSize = bHorz ? rectBar.Height() : rectBar.Width();
            if (nThick < nSize)
                nThick = nSize;
            if (nAlong > (bHorz ? rectBar.left : rectBar.top))
                nInsert = i + 1;
        }
        if (nThick > 0) {
            nEdge += nThick - 2;
            if (nMid < nEdge) {
                m_arrBars.InsertAt(nInsert, pBarIns);
                return nInsert;
            }
        }
        nRowStart = nPos + 1;
    }
    // Past every row: a row of its own at the end.
    m_arrBars.Add(pBarIns);
    m_arrBars.Add(nullptr);
    return (int)m_arrBars.GetSize() - 2;
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect) { DockAt(pBar, lpRect, FALSE); }

void CDockBar::ReDockControlBar(CControlBar* pBar, LPCRECT lpRect) { DockAt(pBar, lpRect, TRUE); }

void CDockBar::DockAt(CControlBar* pBar, LPCRECT lpRect, BOOL bRedock)
{
    if (pBar == nullptr || pBar->m_hWnd == nullptr || pBar == this || m_hWnd == nullptr)
        return;
    CRect rectBar;
    pBar->GetWindowRect(&rectBar);
    if (pBar->m_pDockBar == this && (lpRect == nullptr || rectBar == *lpRect))
        return;

    // A floating frame takes its size rules and title from its bar.
    if (m_bFloating && (pBar->m_dwDockStyle & CBRS_FLOAT_MULTI))
        m_dwStyle |= CBRS_FLOAT_MULTI;
    m_dwStyle &= ~(CBRS_SIZE_FIXED | CBRS_SIZE_DYNAMIC);
    m_dwStyle |= pBar->m_dwStyle & (CBRS_SIZE_FIXED | CBRS_SIZE_DYNAMIC);
    if (m_bFloating && !(m_dwStyle & CBRS_FLOAT_MULTI)) {
        CString strTitle;
        pBar->GetWindowText(strTitle);
        CWnd* pFrame = GetParent();
        if (pFrame != nullptr)
            pFrame->SetWindowText(strTitle);
    }

    // The bar takes this side's alignment, with borders all round.
    DWORD dwStyle = (pBar->GetBarStyle() & ~CBRS_ALIGN_ANY) | (m_dwStyle & CBRS_ALIGN_ANY) | CBRS_BORDER_ANY;
    if (m_bFloating)
        dwStyle |= CBRS_FLOATING;
    else
        dwStyle &= ~CBRS_FLOATING;
    pBar->SetBarStyle(dwStyle);

    // Hidden while it changes parents, so that it does not flash.
    BOOL bShow = FALSE;
    if (pBar->m_pDockBar != this && pBar->IsWindowVisible()) {
        pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
        bShow = TRUE;
    }

    int nPos = -1;
    if (bRedock) {
        nPos = FindPlaceholder((UINT)pBar->GetDlgCtrlID());
        if (nPos > 0)
            m_arrBars[nPos] = pBar;
    }
    if (lpRect != nullptr) {
        CRect rect(lpRect);
        ScreenToClient(&rect);
        if (nPos <= 0) {
            // Taken out of its old place in this dock bar first.
            if (pBar->m_pDockBar == this)
                ForgetBar(pBar);
            nPos = Insert(pBar, rect, rect.CenterPoint());
        }
        pBar->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    } else {
        if (nPos <= 0) {
            if (pBar->m_pDockBar == this)
                ForgetBar(pBar);
            m_arrBars.Add(pBar);
            m_arrBars.Add(nullptr);
            nPos = (int)m_arrBars.GetSize() - 2;
        }
        pBar->SetWindowPos(nullptr, -2, -2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    }

    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    CDockBar* pOldDockBar = pBar->m_pDockBar;
    pBar->m_pDockBar = this;
    if (pOldDockBar != nullptr && pOldDockBar != this) {
        // Leaving a side for a floating frame keeps the place on the side.
        pOldDockBar->RemoveControlBar(pBar, -1, m_bFloating && !pOldDockBar->m_bFloating);
    }
    pBar->m_pDockBar = this;
    // A side (not a floating frame) is where a double-click sends the bar back.
    if (!m_bFloating && pBar->m_pDockContext != nullptr)
        pBar->m_pDockContext->m_uMRUDockID = (UINT)GetDlgCtrlID();
    if (bShow)
        pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    RemovePlaceHolder(pBar);

    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame != nullptr)
        pFrame->DelayRecalcLayout();
}

void CDockBar::ShowAll(BOOL bShow)
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++) {
        CControlBar* pBar = GetDockedControlBar((int)i);
        if (pBar != nullptr)
            pBar->DelayShow(bShow);
    }
    DelayRecalcLayoutOfFrame();
}

// Docked bars get their own idle update as the frame's descendants.
void CDockBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}
