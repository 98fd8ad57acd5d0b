// CProgressCtrl: the progress bar.
#include "AfxProgressCtrl.h"
#include "AfxControlSend.h"
#include "AfxControlInit.h"

IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)

// ----- CProgressCtrl -----------------------------------------------------------------------

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControlClasses(ICC_PROGRESS_CLASS);
    return CWnd::Create(PROGRESS_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CProgressCtrl::SetRange(short nLower, short nUpper)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper));
}

void CProgressCtrl::SetRange32(int nLower, int nUpper)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, PBM_SETRANGE32, static_cast<WPARAM>(nLower), static_cast<LPARAM>(nUpper));
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const
{
    PBRANGE range{};
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    nLower = range.iLow;
    nUpper = range.iHigh;
}

int CProgressCtrl::GetPos() const { return SendIfLive<int>(m_hWnd, 0, PBM_GETPOS, 0, 0); }

int CProgressCtrl::SetPos(int nPos) { return SendIfLive<int>(m_hWnd, 0, PBM_SETPOS, static_cast<WPARAM>(nPos), 0); }

int CProgressCtrl::OffsetPos(int nPos)
{
    return SendIfLive<int>(m_hWnd, 0, PBM_DELTAPOS, static_cast<WPARAM>(nPos), 0);
}

int CProgressCtrl::SetStep(int nStep) { return SendIfLive<int>(m_hWnd, 0, PBM_SETSTEP, static_cast<WPARAM>(nStep), 0); }

int CProgressCtrl::StepIt() { return SendIfLive<int>(m_hWnd, 0, PBM_STEPIT, 0, 0); }

COLORREF CProgressCtrl::SetBkColor(COLORREF clrNew)
{
    return SendIfLive<COLORREF>(m_hWnd, CLR_DEFAULT, PBM_SETBKCOLOR, 0, static_cast<LPARAM>(clrNew));
}
