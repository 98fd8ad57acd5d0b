// CToolTipCtrl: the tooltip control.
#include "AfxToolTipCtrl.h"
#include "AfxControlSend.h"
#include "AfxControlInit.h"
#include "AfxModule.h"
#include "AfxAnsiChars.h"
#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

namespace {
// Version 5 tooltips (Windows without a version 6 manifest) refuse a tool
// description larger than they know, and TTM_GETTEXTA gives no way to ask for
// the length: this is the most any version writes with a buffer that large.
const int kTipTextMax = INFOTIPSIZE;
}

// ----- CToolTipCtrl -------------------------------------------------------------------

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) { return CreateEx(pParentWnd, dwStyle, 0); }

BOOL CToolTipCtrl::CreateEx(CWnd* pParentWnd, DWORD dwStyle, DWORD dwStyleEx)
{
    AfxInitCommonControlClasses(ICC_WIN95_CLASSES);
    // A tip is a pop-up owned by the parent, so it floats above it and goes with it.
    return CWnd::CreateEx(dwStyleEx, TOOLTIPS_CLASSA, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd->GetSafeHwnd(), nullptr);
}

void CToolTipCtrl::FillInToolInfo(TTTOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) const
{
    std::memset(&ti, 0, sizeof(ti));
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    HWND hWnd = pWnd->GetSafeHwnd();
    if (nIDTool == 0) {
        // The window itself is the tool, reported to its parent.
        ti.hwnd = hWnd != nullptr ? ::GetParent(hWnd) : nullptr;
        ti.uFlags = TTF_IDISHWND;
        ti.uId = reinterpret_cast<UINT_PTR>(hWnd);
    } else {
        ti.hwnd = hWnd;
        ti.uFlags = 0;
        ti.uId = nIDTool;
    }
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const
{
    str.Empty();
    if (!IsLive(m_hWnd))
        return;
    // Read in the tooltip's own (wide) form and converted here: in a code page whose characters
    // take several bytes, Wine's 8-bit form gives nothing at all for a tip longer than its
    // buffer, and Windows' may cut inside a character. A long tip is cut to the 8-bit form's
    // length, before a character.
    std::vector<wchar_t> wide(static_cast<size_t>(kTipTextMax) + 1, L'\0');
    TTTOOLINFOA tool;
    FillInToolInfo(tool, pWnd, nIDTool);
    TTTOOLINFOW ti = {};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.hwnd = tool.hwnd;
    ti.uFlags = tool.uFlags;
    ti.uId = tool.uId;
    ti.lpszText = wide.data();
    // Newer versions take the buffer size in wParam; older ones ignore it.
    ::SendMessageW(m_hWnd, TTM_GETTEXTW, static_cast<WPARAM>(kTipTextMax), reinterpret_cast<LPARAM>(&ti));
    const int nWide = static_cast<int>(wcsnlen(wide.data(), static_cast<size_t>(kTipTextMax)));
    const int nBytes = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), nWide, nullptr, 0, nullptr, nullptr);
    if (nBytes <= 0)
        return;
    CString strWhole;
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), nWide, strWhole.GetBuffer(nBytes), nBytes, nullptr, nullptr);
    strWhole.ReleaseBuffer(nBytes);
    str = strWhole.Left(afx_ansi::CutLength(strWhole, nBytes, kTipTextMax - 1));
}

BOOL CToolTipCtrl::GetToolInfo(CToolInfo& ToolInfo, CWnd* pWnd, UINT_PTR nIDTool) const
{
    if (!IsLive(m_hWnd))
        return FALSE;
    FillInToolInfo(ToolInfo, pWnd, nIDTool);
    ToolInfo.szText[0] = '\0';
    ToolInfo.lpszText = ToolInfo.szText;
    return static_cast<BOOL>(::SendMessageA(m_hWnd, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ToolInfo)));
}

void CToolTipCtrl::SetToolInfo(TTTOOLINFOA* lpToolInfo)
{
    if (IsLive(m_hWnd) && lpToolInfo != nullptr)
        ::SendMessageA(m_hWnd, TTM_SETTOOLINFOA, 0, reinterpret_cast<LPARAM>(lpToolInfo));
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect)
{
    if (!IsLive(m_hWnd) || lpRect == nullptr)
        return;
    TTTOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.rect = *lpRect;
    ::SendMessageA(m_hWnd, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&ti));
}

int CToolTipCtrl::GetToolCount() const { return SendIfLive<int>(m_hWnd, 0, TTM_GETTOOLCOUNT, 0, 0); }

int CToolTipCtrl::GetDelayTime(DWORD dwDuration) const
{
    return SendIfLive<int>(m_hWnd, 0, TTM_GETDELAYTIME, static_cast<WPARAM>(dwDuration), 0);
}

void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, TTM_SETDELAYTIME, static_cast<WPARAM>(dwDuration), MAKELPARAM(iTime, 0));
}

void CToolTipCtrl::SetDelayTime(UINT nDelay)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, TTM_SETDELAYTIME, TTDT_AUTOMATIC, MAKELPARAM(nDelay, 0));
}

void CToolTipCtrl::GetMargin(LPRECT lprc) const
{
    if (IsLive(m_hWnd) && lprc != nullptr)
        ::SendMessageA(m_hWnd, TTM_GETMARGIN, 0, reinterpret_cast<LPARAM>(lprc));
}

void CToolTipCtrl::SetMargin(LPRECT lprc)
{
    if (IsLive(m_hWnd) && lprc != nullptr)
        ::SendMessageA(m_hWnd, TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(lprc));
}

int CToolTipCtrl::GetMaxTipWidth() const { return SendIfLive<int>(m_hWnd, -1, TTM_GETMAXTIPWIDTH, 0, 0); }

int CToolTipCtrl::SetMaxTipWidth(int iWidth)
{
    return SendIfLive<int>(m_hWnd, -1, TTM_SETMAXTIPWIDTH, 0, static_cast<LPARAM>(iWidth));
}

COLORREF CToolTipCtrl::GetTipBkColor() const { return SendIfLive<COLORREF>(m_hWnd, CLR_NONE, TTM_GETTIPBKCOLOR, 0, 0); }

void CToolTipCtrl::SetTipBkColor(COLORREF clr)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, TTM_SETTIPBKCOLOR, static_cast<WPARAM>(clr), 0);
}

COLORREF CToolTipCtrl::GetTipTextColor() const
{
    return SendIfLive<COLORREF>(m_hWnd, CLR_NONE, TTM_GETTIPTEXTCOLOR, 0, 0);
}

void CToolTipCtrl::SetTipTextColor(COLORREF clr)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, TTM_SETTIPTEXTCOLOR, static_cast<WPARAM>(clr), 0);
}

void CToolTipCtrl::Activate(BOOL bActivate)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, TTM_ACTIVATE, static_cast<WPARAM>(bActivate), 0);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    if (!IsLive(m_hWnd) || pWnd->GetSafeHwnd() == nullptr || nIDText == 0)
        return FALSE;
    TTTOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool != nullptr)
        ti.rect = *lpRectTool;
    // The control loads the string itself from the module that has it.
    ti.hinst = AfxFindStringResourceHandle(nIDText);
    ti.lpszText = MAKEINTRESOURCEA(nIDText);
    return static_cast<BOOL>(::SendMessageA(m_hWnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    if (!IsLive(m_hWnd) || pWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    TTTOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool != nullptr)
        ti.rect = *lpRectTool;
    ti.lpszText = const_cast<LPSTR>(lpszText != nullptr ? lpszText : "");
    return static_cast<BOOL>(::SendMessageA(m_hWnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    if (!IsLive(m_hWnd))
        return;
    TTTOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ::SendMessageA(m_hWnd, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

BOOL CToolTipCtrl::HitTest(CWnd* pWnd, CPoint pt, TTTOOLINFOA* lpToolInfo) const
{
    if (!IsLive(m_hWnd) || pWnd->GetSafeHwnd() == nullptr || lpToolInfo == nullptr)
        return FALSE;
    TTHITTESTINFOA hti;
    std::memset(&hti, 0, sizeof(hti));
    hti.hwnd = pWnd->m_hWnd;
    hti.pt = pt;
    hti.ti.cbSize = TTTOOLINFOA_V2_SIZE;
    if (!::SendMessageA(m_hWnd, TTM_HITTESTA, 0, reinterpret_cast<LPARAM>(&hti)))
        return FALSE;
    std::memcpy(lpToolInfo, &hti.ti, TTTOOLINFOA_V2_SIZE);
    return TRUE;
}

void CToolTipCtrl::RelayEvent(LPMSG lpMsg)
{
    if (IsLive(m_hWnd) && lpMsg != nullptr)
        ::SendMessageA(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg));
}

void CToolTipCtrl::UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    if (!IsLive(m_hWnd))
        return;
    TTTOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = const_cast<LPSTR>(lpszText != nullptr ? lpszText : "");
    ::SendMessageA(m_hWnd, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool)
{
    CString text;
    if (text.LoadString(nIDText))
        UpdateTipText(static_cast<LPCSTR>(text), pWnd, nIDTool);
}

void CToolTipCtrl::Update()
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, TTM_UPDATE, 0, 0);
}

void CToolTipCtrl::Pop()
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, TTM_POP, 0, 0);
}

BOOL CToolTipCtrl::AdjustRect(LPRECT lprc, BOOL bLarger)
{
    if (!IsLive(m_hWnd) || lprc == nullptr)
        return FALSE;
    return static_cast<BOOL>(
        ::SendMessageA(m_hWnd, TTM_ADJUSTRECT, static_cast<WPARAM>(bLarger), reinterpret_cast<LPARAM>(lprc)));
}

BOOL CToolTipCtrl::SetTitle(UINT uIcon, LPCSTR lpstrTitle)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, TTM_SETTITLEA, static_cast<WPARAM>(uIcon),
                            reinterpret_cast<LPARAM>(lpstrTitle != nullptr ? lpstrTitle : ""));
}
