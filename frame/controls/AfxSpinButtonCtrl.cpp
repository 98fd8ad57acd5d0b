// CSpinButtonCtrl: the up-down control.
#include "AfxSpinButtonCtrl.h"
#include "AfxControlSend.h"
#include "AfxControlInit.h"

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

// ----- CSpinButtonCtrl -------------------------------------------------------------------------

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControlClasses(ICC_UPDOWN_CLASS);
    return CWnd::Create(UPDOWN_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CSpinButtonCtrl::SetAccel(int nAccel, UDACCEL* pAccel)
{
    if (!IsLive(m_hWnd) || pAccel == nullptr || nAccel <= 0)
        return FALSE;
    return static_cast<BOOL>(
        ::SendMessageA(m_hWnd, UDM_SETACCEL, static_cast<WPARAM>(nAccel), reinterpret_cast<LPARAM>(pAccel)));
}

UINT CSpinButtonCtrl::GetAccel(int nAccel, UDACCEL* pAccel) const
{
    if (!IsLive(m_hWnd))
        return 0;
    // Asked with no array, the control only counts its steps.
    return static_cast<UINT>(::SendMessageA(m_hWnd, UDM_GETACCEL, static_cast<WPARAM>(pAccel != nullptr ? nAccel : 0),
                                            reinterpret_cast<LPARAM>(pAccel)));
}

int CSpinButtonCtrl::SetBase(int nBase)
{
    return SendIfLive<int>(m_hWnd, 0, UDM_SETBASE, static_cast<WPARAM>(nBase), 0);
}

UINT CSpinButtonCtrl::GetBase() const { return SendIfLive<UINT>(m_hWnd, 0, UDM_GETBASE, 0, 0); }

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy)
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return CWnd::FromHandle(reinterpret_cast<HWND>(
        ::SendMessageA(m_hWnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(pWndBuddy->GetSafeHwnd()), 0)));
}

CWnd* CSpinButtonCtrl::GetBuddy() const
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessageA(m_hWnd, UDM_GETBUDDY, 0, 0)));
}

int CSpinButtonCtrl::GetPos() const { return SendIfLive<int>(m_hWnd, MAKELONG(0, 1), UDM_GETPOS, 0, 0); }

int CSpinButtonCtrl::SetPos(int nPos)
{
    if (!IsLive(m_hWnd))
        return 0;
    return static_cast<int>(static_cast<short>(::SendMessageA(m_hWnd, UDM_SETPOS, 0, MAKELPARAM(nPos, 0))));
}

int CSpinButtonCtrl::GetPos32(LPBOOL lpbError) const
{
    if (!IsLive(m_hWnd)) {
        if (lpbError != nullptr)
            *lpbError = TRUE;
        return 0;
    }
    return static_cast<int>(::SendMessageA(m_hWnd, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(lpbError)));
}

int CSpinButtonCtrl::SetPos32(int nPos)
{
    return SendIfLive<int>(m_hWnd, 0, UDM_SETPOS32, 0, static_cast<LPARAM>(nPos));
}

void CSpinButtonCtrl::SetRange(short nLower, short nUpper)
{
    // The message packs the maximum in the low word.
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower));
}

void CSpinButtonCtrl::SetRange32(int nLower, int nUpper)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, UDM_SETRANGE32, static_cast<WPARAM>(nLower), static_cast<LPARAM>(nUpper));
}

DWORD CSpinButtonCtrl::GetRange() const { return SendIfLive<DWORD>(m_hWnd, 0, UDM_GETRANGE, 0, 0); }

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const
{
    DWORD dwRange = GetRange();
    lower = static_cast<short>(HIWORD(dwRange));
    upper = static_cast<short>(LOWORD(dwRange));
}

void CSpinButtonCtrl::GetRange32(int& lower, int& upper) const
{
    lower = 0;
    upper = 0;
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
}
