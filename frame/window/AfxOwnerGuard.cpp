#include "AfxOwnerGuard.h"

CAfxOwnerGuard::CAfxOwnerGuard(HWND hOwner)
{
    if (hOwner != nullptr && ::IsWindow(hOwner) && !::IsWindowEnabled(hOwner))
        m_hOwner = hOwner;
}

CAfxOwnerGuard::~CAfxOwnerGuard()
{
    if (m_hOwner == nullptr || !::IsWindow(m_hOwner) || !::IsWindowEnabled(m_hOwner))
        return;
    ::EnableWindow(m_hOwner, FALSE);
    if (::GetActiveWindow() != m_hOwner)
        return;
    // Activation went to the owner as the ended window hid: it belongs to the
    // modal window still open over the owner, the topmost one it owns.
    for (HWND h = ::GetTopWindow(nullptr); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (::GetWindow(h, GW_OWNER) == m_hOwner && ::IsWindowVisible(h) && ::IsWindowEnabled(h)) {
            ::SetActiveWindow(h);
            break;
        }
    }
}

HWND CAfxOwnerGuard::OwnerOf(HWND hDlg)
{
    if (hDlg == nullptr)
        return nullptr;
    return (::GetWindowLongA(hDlg, GWL_STYLE) & WS_CHILD) ? ::GetParent(hDlg) : ::GetWindow(hDlg, GW_OWNER);
}

HWND CAfxOwnerGuard::BoxOwnerOf(HWND hWnd)
{
    // A message box is owned by the top-level window of the one it is given.
    return hWnd != nullptr ? ::GetAncestor(hWnd, GA_ROOT) : nullptr;
}
