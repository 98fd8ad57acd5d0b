#include "LinkKeyboard.h"
#include <algorithm>

namespace link_keyboard {

LRESULT DialogCode(HWND hWnd, LRESULT lDefault, const MSG* pMsg)
{
    if ((::GetWindowLongA(hWnd, GWL_STYLE) & WS_TABSTOP) == 0)
        return lDefault;
    LRESULT lCode = lDefault;
    if (pMsg != nullptr && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
        lCode |= DLGC_WANTMESSAGE;
    return lCode;
}

bool IsActivation(UINT nChar, UINT nFlags)
{
    return (nChar == VK_RETURN || nChar == VK_SPACE) && (nFlags & KF_REPEAT) == 0;
}

void NotifyClicked(HWND hWnd)
{
    if ((::GetWindowLongA(hWnd, GWL_STYLE) & SS_NOTIFY) == 0)
        return;
    HWND hParent = ::GetParent(hWnd);
    if (hParent == nullptr)
        return;
    const int nID = ::GetDlgCtrlID(hWnd);
    ::SendMessageA(hParent, WM_COMMAND, MAKEWPARAM(nID, STN_CLICKED), reinterpret_cast<LPARAM>(hWnd));
}

bool ShowsFocus(HWND hWnd)
{
    if (!AfxIsSameHandle(::GetFocus(), hWnd))
        return false;
    return (::SendMessageA(hWnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

CRect FocusRect(HWND hWnd, HDC hDC, const CString& strText, UINT nFormat)
{
    CRect rcClient;
    ::GetClientRect(hWnd, &rcClient);
    if (strText.IsEmpty())
        return rcClient;
    // Measured as it is laid out: wrapped at the client width.
    CRect rcText(0, 0, rcClient.Width(), rcClient.Height());
    ::DrawTextA(hDC, strText, strText.GetLength(), &rcText, (nFormat & ~DT_VCENTER) | DT_CALCRECT);
    const int cx = std::min<int>(rcText.Width(), rcClient.Width());
    const int cy = std::min<int>(rcText.Height(), rcClient.Height());
    int x = rcClient.left;
    if (nFormat & DT_CENTER)
        x += (rcClient.Width() - cx) / 2;
    else if (nFormat & DT_RIGHT)
        x += rcClient.Width() - cx;
    int y = rcClient.top;
    if ((nFormat & DT_VCENTER) && (nFormat & DT_SINGLELINE))
        y += (rcClient.Height() - cy) / 2;
    CRect rc(x, y, x + cx, y + cy);
    rc.InflateRect(1, 1);
    rc.IntersectRect(rc, rcClient);
    return rc;
}

void RedrawBehind(HWND hWnd)
{
    HWND hParent = ::GetParent(hWnd);
    if (hParent == nullptr) {
        ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return;
    }
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&rc), 2);
    ::RedrawWindow(hParent, &rc, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}
}
