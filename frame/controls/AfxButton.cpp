// CButton: push buttons, check boxes and radio buttons.
#include "AfxButton.h"
#include "AfxControlSend.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)

// ----- CButton ------------------------------------------------------------------

BOOL CButton::Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

UINT CButton::GetState() const { return SendIfLive<UINT>(m_hWnd, 0, BM_GETSTATE, 0, 0); }

void CButton::SetState(BOOL bHighlight)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, BM_SETSTATE, static_cast<WPARAM>(bHighlight), 0);
}

int CButton::GetCheck() const { return SendIfLive<int>(m_hWnd, BST_UNCHECKED, BM_GETCHECK, 0, 0); }

void CButton::SetCheck(int nCheck)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(nCheck), 0);
}

UINT CButton::GetButtonStyle() const
{
    if (!IsLive(m_hWnd))
        return 0;
    return static_cast<UINT>(::GetWindowLongA(m_hWnd, GWL_STYLE)) & 0xff;
}

void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, BM_SETSTYLE, static_cast<WPARAM>(nStyle), static_cast<LPARAM>(bRedraw));
}

HICON CButton::SetIcon(HICON hIcon)
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HICON>(::SendMessageA(m_hWnd, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon)));
}

HICON CButton::GetIcon() const
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HICON>(::SendMessageA(m_hWnd, BM_GETIMAGE, IMAGE_ICON, 0));
}

HBITMAP CButton::SetBitmap(HBITMAP hBitmap)
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HBITMAP>(
        ::SendMessageA(m_hWnd, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
}

HBITMAP CButton::GetBitmap() const
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HBITMAP>(::SendMessageA(m_hWnd, BM_GETIMAGE, IMAGE_BITMAP, 0));
}

HCURSOR CButton::SetCursor(HCURSOR hCursor)
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HCURSOR>(
        ::SendMessageA(m_hWnd, BM_SETIMAGE, IMAGE_CURSOR, reinterpret_cast<LPARAM>(hCursor)));
}

HCURSOR CButton::GetCursor()
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HCURSOR>(::SendMessageA(m_hWnd, BM_GETIMAGE, IMAGE_CURSOR, 0));
}

void CButton::DrawItem(LPDRAWITEMSTRUCT)
{
    // A BS_OWNERDRAW button of a class that does not override this stays blank.
}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return AfxDrawItemReflected(this, message, lParam, pResult) ||
           CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
