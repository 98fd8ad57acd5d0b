#include "AfxModalOwner.h"
#include "AfxWnd.h"

namespace {
// The innermost record of the thread; each links to the one before it.
thread_local CAfxModalOwner* t_pInnermost = nullptr;

// Activation went to the owner as the ended window hid: it belongs to the
// modal window still open over the owner, the topmost visible one it owns.
void ActivateHolder(HWND hOwner)
{
    if (!AfxIsSameHandle(::GetActiveWindow(), hOwner))
        return;
    for (HWND h = ::GetTopWindow(nullptr); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (AfxIsSameHandle(::GetWindow(h, GW_OWNER), hOwner) && ::IsWindowVisible(h) && ::IsWindowEnabled(h)) {
            ::SetActiveWindow(h);
            return;
        }
    }
}
}

CAfxModalOwner::CAfxModalOwner(HWND hOwner, CWnd* pDialog)
    : m_hOwner(hOwner), m_pDialog(pDialog), m_pOuter(t_pInnermost)
{
    t_pInnermost = this;
}

CAfxModalOwner::~CAfxModalOwner()
{
    // Records go in the order they came: each lives in a frame of the stack.
    if (t_pInnermost == this)
        t_pInnermost = m_pOuter;
}

bool CAfxModalOwner::Holds() const { return m_pDialog == nullptr || m_pDialog->ContinueModal(); }

bool CAfxModalOwner::IsHeld(HWND hOwner, const CAfxModalOwner* pExcept)
{
    if (hOwner == nullptr)
        return false;
    for (const CAfxModalOwner* p = t_pInnermost; p != nullptr; p = p->m_pOuter) {
        if (p != pExcept && AfxIsSameHandle(p->m_hOwner, hOwner) && p->Holds())
            return true;
    }
    return false;
}

void CAfxModalOwner::KeepHeld(HWND hOwner, const CAfxModalOwner* pExcept)
{
    if (hOwner == nullptr || !::IsWindow(hOwner) || !::IsWindowEnabled(hOwner) || !IsHeld(hOwner, pExcept))
        return;
    ::EnableWindow(hOwner, FALSE);
    ActivateHolder(hOwner);
}

HWND CAfxModalOwner::OwnerOf(HWND hDlg)
{
    if (hDlg == nullptr)
        return nullptr;
    return (::GetWindowLongA(hDlg, GWL_STYLE) & WS_CHILD) ? ::GetParent(hDlg) : ::GetWindow(hDlg, GW_OWNER);
}

HWND CAfxModalOwner::BoxOwnerOf(HWND hWnd) { return hWnd != nullptr ? ::GetAncestor(hWnd, GA_ROOT) : nullptr; }

int AfxRunMessageBox(HWND hWnd, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    HWND hOwner = CAfxModalOwner::BoxOwnerOf(hWnd);
    const bool bWasEnabled = hOwner != nullptr && ::IsWindowEnabled(hOwner);
    CAfxModalOwner record(hOwner, nullptr);
    int nResult = ::MessageBoxA(hWnd, lpszText, lpszCaption, nType);
    if (hOwner != nullptr && ::IsWindow(hOwner)) {
        if (CAfxModalOwner::IsHeld(hOwner, &record))
            CAfxModalOwner::KeepHeld(hOwner, &record);
        else if (bWasEnabled && !::IsWindowEnabled(hOwner))
            // A box nested in this one kept it for us after we had ended.
            ::EnableWindow(hOwner, TRUE);
    }
    return nResult;
}
