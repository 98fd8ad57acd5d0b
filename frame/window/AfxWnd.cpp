// CWnd: the object and its handle map, subclassing, and destruction.
#include "AfxWnd.h"
#include "AfxState.h"
#include "AfxModuleState.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::CWnd() = default;

CWnd::CWnd(HWND hWnd) : m_hWnd(hWnd) {}

CWnd::~CWnd()
{
    // A window still alive when its object goes would call into freed memory,
    // and keep whatever it runs (timers, tooltips) running: the object takes
    // its window with it. By now the derived parts are gone, so the window's
    // last messages reach this class's handlers only. A window of another
    // thread cannot be destroyed from here: it gets its own procedure back.
    if (m_hWnd != nullptr && !m_bTemporary && FromHandlePermanent(m_hWnd) == this) {
        HWND hWnd = m_hWnd;
        if (::IsWindow(hWnd))
            CWnd::DestroyWindow();
        if (AfxIsSameHandle(m_hWnd, hWnd)) {
            RestoreWndProc(hWnd);
            Detach();
        }
    }
}

// Callers rely on these answering nullptr for a null object.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnonnull-compare"
#pragma GCC diagnostic ignored "-Waddress"
CWnd::operator HWND() const { return this == nullptr ? nullptr : m_hWnd; }

HWND CWnd::GetSafeHwnd() const { return this == nullptr ? nullptr : m_hWnd; }
#pragma GCC diagnostic pop

// ----- handle map ------------------------------------------------------------

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    return AfxGetThreadState()->m_wndMap.FromHandle(hWnd, [](HWND h) {
        CWnd* p = new CWnd(afx_handle::Widened(h));
        p->m_bTemporary = TRUE;
        return p;
    });
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd == nullptr ? nullptr : AfxGetThreadState()->m_wndMap.LookupPermanent(hWnd);
}

void PASCAL CWnd::DeleteTempMap() { AfxDeleteTempMaps(); }

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == nullptr || m_hWnd != nullptr || FromHandlePermanent(hWndNew) != nullptr)
        return FALSE;
    m_hWnd = afx_handle::Widened(hWndNew);
    m_bTemporary = FALSE;
    AfxGetThreadState()->m_wndMap.SetPermanent(m_hWnd, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr)
        AfxGetThreadState()->m_wndMap.RemoveHandle(hWnd, this);
    m_hWnd = nullptr;
    m_pModuleState = nullptr;
    return hWnd;
}

// ----- subclassing -------------------------------------------------------------

BOOL CWnd::AttachWndProc(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    m_pModuleState = AfxGetModuleState();
    PreSubclassWindow();
    WNDPROC pfnOld = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    if (pfnOld != AfxWndProc)
        *GetSuperWndProcAddr() = pfnOld;
    return TRUE;
}

void CWnd::RestoreWndProc(HWND hWnd)
{
    if (m_pfnSuper != nullptr && (WNDPROC)::GetWindowLongPtrA(hWnd, GWLP_WNDPROC) == AfxWndProc)
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

WNDPROC* CWnd::GetSuperWndProcAddr() { return &m_pfnSuper; }

BOOL CWnd::SubclassWindow(HWND hWnd) { return ::IsWindow(hWnd) && AttachWndProc(hWnd); }

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), (int)nID);
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd == nullptr)
        return nullptr;
    if (m_pfnSuper != nullptr)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = nullptr;
    return Detach();
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    HWND hWnd = m_hWnd;
    BOOL bPermanent = FromHandlePermanent(hWnd) == this;
    BOOL bResult = ::DestroyWindow(hWnd);
    // A wrapper that the window procedure never saw is not detached by WM_NCDESTROY.
    if (!bPermanent && AfxIsSameHandle(m_hWnd, hWnd))
        m_hWnd = nullptr;
    return bResult;
}

// A window exchanges no data of its own; dialogs and views override this (UpdateData calls it).
void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::IsFrameWnd() const { return FALSE; }
