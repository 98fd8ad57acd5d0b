// CWnd: the handle map, creation and subclassing, and message dispatch.
#include "AfxState.h"
#include "afxwin.h"
#include <set>
#include <string>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::CWnd() = default;

CWnd::CWnd(HWND hWnd) : m_hWnd(hWnd) {}

CWnd::~CWnd()
{
    // A window still alive when its object goes would call into freed memory:
    // give it back its own procedure first.
    if (m_hWnd != nullptr && !m_bTemporary && FromHandlePermanent(m_hWnd) == this) {
        if (m_pfnSuper != nullptr && (WNDPROC)::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == AfxWndProc)
            ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
        Detach();
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
        CWnd* p = new CWnd(h);
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
    m_hWnd = hWndNew;
    m_bTemporary = FALSE;
    AfxGetThreadState()->m_wndMap.SetPermanent(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr)
        AfxGetThreadState()->m_wndMap.RemoveHandle(hWnd, this);
    m_hWnd = nullptr;
    return hWnd;
}

// ----- creation hook ---------------------------------------------------------

LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (code == HCBT_CREATEWND && pState->m_pWndInit != nullptr) {
        CWnd* pWndInit = pState->m_pWndInit;
        pState->m_pWndInit = nullptr;
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        if (pWndInit->Attach(hWnd)) {
            pWndInit->PreSubclassWindow();
            WNDPROC pfnOld = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
            if (pfnOld != AfxWndProc)
                *pWndInit->GetSuperWndProcAddr() = pfnOld;
        }
    }
    return ::CallNextHookEx(pState->m_hHookOldCbtFilter, code, wParam, lParam);
}

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookOldCbtFilter == nullptr)
        pState->m_hHookOldCbtFilter = ::SetWindowsHookExA(WH_CBT, AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
    pState->m_pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookOldCbtFilter != nullptr) {
        ::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
        pState->m_hHookOldCbtFilter = nullptr;
    }
    if (pState->m_pWndInit != nullptr) {
        // No window was created while the hook was set.
        pState->m_pWndInit = nullptr;
        return FALSE;
    }
    return TRUE;
}

LPCSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static std::set<std::string> registered;
    char name[96];
    wsprintfA(name, "Afx:%p:%x:%p:%p:%p", (void*)GetModuleHandleA(nullptr), nClassStyle, (void*)hCursor,
              (void*)hbrBackground, (void*)hIcon);
    auto it = registered.find(name);
    if (it != registered.end())
        return it->c_str();
    WNDCLASSA wc = {};
    wc.style = nClassStyle | CS_GLOBALCLASS;
    // The real procedure is set when the framework attaches the window.
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = name;
    WNDCLASSA existing;
    if (!::GetClassInfoA(wc.hInstance, name, &existing) && !::RegisterClassA(&wc))
        return nullptr;
    return registered.insert(name).first->c_str();
}

namespace {
void RegisterFrameworkClass(LPCSTR lpszName, UINT style, HBRUSH hbr)
{
    WNDCLASSA existing;
    if (::GetClassInfoA(::GetModuleHandleA(nullptr), lpszName, &existing))
        return;
    WNDCLASSA wc = {};
    wc.style = style | CS_GLOBALCLASS;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = hbr;
    wc.lpszClassName = lpszName;
    ::RegisterClassA(&wc);
}
}

// ----- creation and subclassing ----------------------------------------------

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, void*)
{
    // A child window cannot be created without a parent.
    if (pParentWnd == nullptr && (dwStyle & WS_CHILD))
        return FALSE;
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), reinterpret_cast<HMENU>((UINT_PTR)nID), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd != nullptr)
        return FALSE;
    CREATESTRUCTA cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();  // the window never reached us
    // A later hook may refuse the window after ours attached it: no
    // WM_NCDESTROY ever comes for it, so let go of the handle here.
    if (hWnd == nullptr && m_hWnd != nullptr && !::IsWindow(m_hWnd))
        Detach();
    return hWnd != nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr) {
        RegisterFrameworkClass(AFX_WND_CLASS, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
        cs.lpszClass = AFX_WND_CLASS;
    }
    return TRUE;
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

WNDPROC* CWnd::GetSuperWndProcAddr() { return &m_pfnSuper; }

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || !Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC pfnOld = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    if (pfnOld != AfxWndProc)
        *GetSuperWndProcAddr() = pfnOld;
    return TRUE;
}

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
    if (!bPermanent && m_hWnd == hWnd)
        m_hWnd = nullptr;
    return bResult;
}

// ----- dispatch ----------------------------------------------------------------

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    MSG oldMsg = pState->m_lastSentMsg;
    pState->m_lastSentMsg.hwnd = hWnd;
    pState->m_lastSentMsg.message = nMsg;
    pState->m_lastSentMsg.wParam = wParam;
    pState->m_lastSentMsg.lParam = lParam;

    LRESULT lResult = pWnd->WindowProc(nMsg, wParam, lParam);

    if (nMsg == WM_NCDESTROY && pWnd->m_hWnd == hWnd) {
        // The window is gone: give the handle its own procedure back, forget it,
        // and let the object clean up (frames delete themselves here).
        if (pWnd->m_pfnSuper != nullptr && (WNDPROC)::GetWindowLongPtrA(hWnd, GWLP_WNDPROC) == AfxWndProc)
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)pWnd->m_pfnSuper);
        pWnd->m_pfnSuper = nullptr;
        pWnd->Detach();
        pWnd->PostNcDestroy();
    }
    pState->m_lastSentMsg = oldMsg;
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    MSG* pMsg = &AfxGetThreadState()->m_lastSentMsg;
    pMsg->time = (DWORD)::GetMessageTime();
    DWORD pos = (DWORD)::GetMessagePos();
    pMsg->pt.x = (short)LOWORD(pos);
    pMsg->pt.y = (short)HIWORD(pos);
    return pMsg;
}

namespace {
bool IsCtlColorMessage(UINT message) { return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC; }

// The control an owner-draw message is about, or nullptr for menus.
HWND OwnerDrawControl(HWND hWndParent, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DRAWITEM: {
        auto* p = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
        return p != nullptr && p->CtlType != ODT_MENU ? p->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        auto* p = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
        return p != nullptr && p->CtlType != ODT_MENU ? ::GetDlgItem(hWndParent, (int)p->CtlID) : nullptr;
    }
    case WM_COMPAREITEM: {
        auto* p = reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam);
        return p != nullptr ? p->hwndItem : nullptr;
    }
    case WM_DELETEITEM: {
        auto* p = reinterpret_cast<LPDELETEITEMSTRUCT>(lParam);
        return p != nullptr ? p->hwndItem : nullptr;
    }
    default:
        (void)wParam;
        return nullptr;
    }
}

// Calls the first entry for a window message in the maps of pTarget; the entry
// may decline (registered messages, reflected colour requests without a brush).
BOOL DispatchWindowMessage(CCmdTarget* pTarget, const AFX_MSGMAP* pMap, UINT nLookup, UINT message, WPARAM wParam,
                           LPARAM lParam, LRESULT* pResult)
{
    bool bRegistered = message >= 0xC000 && message <= 0xFFFF;
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->pfn != nullptr; ++e) {
            if (e->nCode != 0 || e->nID != 0)
                continue;
            if (e->nMessage != nLookup && !(bRegistered && e->nMessage == 0xC000))
                continue;
            AFX_MSGCALL call = { message, wParam, lParam, 0, nullptr, pResult };
            if (e->pfn(pTarget, call))
                return TRUE;
        }
    }
    return FALSE;
}
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    BOOL bHandled = FALSE;

    if (message == WM_COMMAND) {
        bHandled = OnCommand(wParam, lParam);
        lResult = bHandled ? 1 : 0;
    } else if (message == WM_NOTIFY) {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        bHandled = pNMHDR != nullptr && pNMHDR->hwndFrom != nullptr && OnNotify(wParam, lParam, &lResult);
    } else if (IsCtlColorMessage(message)) {
        // The control paints itself first; the parent's handler is the fallback.
        CWnd* pChild = FromHandlePermanent(reinterpret_cast<HWND>(lParam));
        bHandled = pChild != nullptr && pChild->OnChildNotify(message, wParam, lParam, &lResult);
        if (!bHandled)
            bHandled = DispatchWindowMessage(this, GetMessageMap(), WM_CTLCOLOR_ALL, message, wParam, lParam, &lResult);
    } else {
        HWND hWndChild = nullptr;
        switch (message) {
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_COMPAREITEM:
        case WM_DELETEITEM:
            hWndChild = OwnerDrawControl(m_hWnd, message, wParam, lParam);
            break;
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
            hWndChild = reinterpret_cast<HWND>(lParam);
            break;
        default:
            break;
        }
        if (hWndChild != nullptr && ReflectLastMsg(hWndChild, &lResult))
            bHandled = TRUE;
        else
            bHandled = DispatchWindowMessage(this, GetMessageMap(), message, message, wParam, lParam, &lResult);
    }

    if (bHandled && pResult != nullptr)
        *pResult = lResult;
    return bHandled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (hWndCtrl == nullptr) {
        // Menus send 0 and accelerators 1: both are plain commands.
        nCode = CN_COMMAND;
    } else {
        if (ReflectLastMsg(hWndCtrl))
            return TRUE;  // the control handled its own notification
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (ReflectLastMsg(pNMHDR->hwndFrom, pResult))
        return TRUE;
    AFX_NOTIFY notify = { pResult, pNMHDR };
    return OnCmdMsg((UINT)pNMHDR->idFrom, (int)MAKELONG(pNMHDR->code, WM_NOTIFY), &notify, nullptr);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    return pWnd != nullptr && pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lLocal = 0;
    if (pResult == nullptr)
        pResult = &lLocal;
    switch (message) {
    case WM_COMMAND: {
        int nCode = HIWORD(wParam);
        if (CCmdTarget::OnCmdMsg(0, (int)MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr)) {
            *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY: {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        AFX_NOTIFY notify = { pResult, pNMHDR };
        return CCmdTarget::OnCmdMsg(0, (int)MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, nullptr);
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return DispatchWindowMessage(this, GetMessageMap(), WM_REFLECT_BASE + message, WM_REFLECT_BASE + message,
                                     wParam, lParam, pResult);
    default:
        if (IsCtlColorMessage(message))
            return DispatchWindowMessage(this, GetMessageMap(), WM_REFLECT_BASE + WM_CTLCOLOR_ALL, message, wParam,
                                         lParam, pResult);
        return FALSE;
    }
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        // Stop at the window's top-level window: a modal dialog's keys are its own,
        // not its owner's accelerators.
        if (hWnd == hWndStop || !(::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
            break;
    }
    return FALSE;
}
