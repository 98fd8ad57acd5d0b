// CScrollBar: the scroll bar control.
#include "AfxScrollBar.h"
#include "AfxControlSend.h"

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

// ----- CScrollBar ---------------------------------------------------------------------

BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("SCROLLBAR", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CScrollBar::GetScrollPos() const
{
    if (!IsLive(m_hWnd))
        return 0;
    return ::GetScrollPos(m_hWnd, SB_CTL);
}

int CScrollBar::SetScrollPos(int nPos, BOOL bRedraw)
{
    if (!IsLive(m_hWnd))
        return 0;
    return ::SetScrollPos(m_hWnd, SB_CTL, nPos, bRedraw);
}

void CScrollBar::GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const
{
    int nMin = 0;
    int nMax = 0;
    if (IsLive(m_hWnd))
        ::GetScrollRange(m_hWnd, SB_CTL, &nMin, &nMax);
    if (lpMinPos != nullptr)
        *lpMinPos = nMin;
    if (lpMaxPos != nullptr)
        *lpMaxPos = nMax;
}

void CScrollBar::SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw)
{
    if (IsLive(m_hWnd))
        ::SetScrollRange(m_hWnd, SB_CTL, nMinPos, nMaxPos, bRedraw);
}

void CScrollBar::ShowScrollBar(BOOL bShow)
{
    if (IsLive(m_hWnd))
        ::ShowScrollBar(m_hWnd, SB_CTL, bShow);
}

BOOL CScrollBar::EnableScrollBar(UINT nArrowFlags)
{
    return IsLive(m_hWnd) && ::EnableScrollBar(m_hWnd, SB_CTL, nArrowFlags);
}

BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    if (!IsLive(m_hWnd) || lpScrollInfo == nullptr)
        return FALSE;
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    ::SetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo, bRedraw);
    return TRUE;
}

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    if (!IsLive(m_hWnd) || lpScrollInfo == nullptr)
        return FALSE;
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo);
}

int CScrollBar::GetScrollLimit()
{
    int nMin = 0;
    int nMax = 0;
    GetScrollRange(&nMin, &nMax);
    SCROLLINFO info{};
    if (GetScrollInfo(&info, SIF_PAGE) && info.nPage > 1)
        nMax -= static_cast<int>(info.nPage) - 1;
    return nMax;
}
