// CFrameWnd and its bars: idle layout, the bar-visibility commands, status
// texts and tooltips from the command strings.
#include "AfxAnsiChars.h"
#include "AfxControlBar.h"
#include "afxext.h"
#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    // Bars shown, hidden or docked since the last layout move now, together.
    if (m_nIdleFlags & idleLayout) {
        RecalcLayout((m_nIdleFlags & idleNotify) != 0);
        UpdateWindow();
    }
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    return 0;
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    CControlBar* pBar = GetControlBar(nID);
    if (pBar == nullptr)
        return FALSE;  // not a bar of ours: someone else may handle the command
    ShowControlBar(pBar, (pBar->GetStyle() & WS_VISIBLE) == 0, FALSE);
    return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (pBar == nullptr) {
        pCmdUI->m_bContinueRouting = TRUE;
        return;
    }
    pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    // A command string is "status text\ntooltip".
    rMessage.Empty();
    CString strFull;
    if (nID == 0 || !strFull.LoadString(nID))
        return;
    int nNewline = strFull.Find('\n');
    rMessage = nNewline >= 0 ? strFull.Left(nNewline) : strFull;
}

void CFrameWnd::SetMessageText(LPCSTR lpszText) { SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM)lpszText); }

void CFrameWnd::SetMessageText(UINT nID) { SendMessage(WM_SETMESSAGESTRING, (WPARAM)nID, 0); }

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    UINT nIDLast = m_nIDLastMessage;
    m_nIDLastMessage = (UINT)wParam;
    m_nIDTracking = (UINT)wParam;

    // The status bar, when the frame has one, shows the text.
    CWnd* pStatusBar = GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE);
    HWND hStatusBar = pStatusBar != nullptr ? pStatusBar->m_hWnd : ::GetDlgItem(m_hWnd, AFX_IDW_STATUS_BAR);
    if (hStatusBar == nullptr)
        return nIDLast;
    CString strMessage;
    LPCSTR lpszText = reinterpret_cast<LPCSTR>(lParam);
    if (lpszText == nullptr && wParam != 0) {
        if (wParam == AFX_IDS_IDLEMESSAGE)
            strMessage.LoadString(AFX_IDS_IDLEMESSAGE);
        else
            GetMessageString((UINT)wParam, strMessage);
        lpszText = strMessage;
    }
    ::SendMessageA(hStatusBar, WM_SETTEXT, 0, (LPARAM)(lpszText != nullptr ? lpszText : ""));
    return nIDLast;
}

BOOL CFrameWnd::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    if (pNMHDR == nullptr || (pNMHDR->code != TTN_GETDISPINFOA && pNMHDR->code != TTN_GETDISPINFOW))
        return FALSE;
    // The tip is the part of the command string after the newline.
    UINT_PTR nID = pNMHDR->idFrom;
    UINT uFlags = pNMHDR->code == TTN_GETDISPINFOA ? reinterpret_cast<NMTTDISPINFOA*>(pNMHDR)->uFlags
                                                   : reinterpret_cast<NMTTDISPINFOW*>(pNMHDR)->uFlags;
    if (uFlags & TTF_IDISHWND)
        nID = (UINT_PTR)::GetDlgCtrlID(reinterpret_cast<HWND>(nID));
    if (nID == 0 || nID > 0xFFFF)
        return FALSE;
    CString strFull;
    if (!strFull.LoadString((UINT)nID))
        return FALSE;
    int nNewline = strFull.Find('\n');
    CString strTip = nNewline >= 0 ? strFull.Mid(nNewline + 1) : CString();
    if (strTip.IsEmpty())
        return FALSE;

    // A tip longer than the notification's buffer is cut before a character, never between the
    // bytes of one (or between the halves of a surrogate pair).
    if (pNMHDR->code == TTN_GETDISPINFOA) {
        auto* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
        int nCopy = afx_ansi::CutLength(strTip, strTip.GetLength(), (int)_countof(pInfo->szText) - 1);
        std::memcpy(pInfo->szText, static_cast<LPCSTR>(strTip), nCopy);
        pInfo->szText[nCopy] = '\0';
        pInfo->lpszText = pInfo->szText;
        pInfo->hinst = nullptr;
    } else {
        auto* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
        // Converted whole first: a conversion into a buffer too small fails.
        int nWide = ::MultiByteToWideChar(CP_ACP, 0, strTip, strTip.GetLength(), nullptr, 0);
        std::unique_ptr<wchar_t[]> wide(new (std::nothrow) wchar_t[nWide > 0 ? nWide : 1]);
        if (wide == nullptr || nWide <= 0)
            return FALSE;
        ::MultiByteToWideChar(CP_ACP, 0, strTip, strTip.GetLength(), wide.get(), nWide);
        int nCopy = std::min(nWide, (int)_countof(pInfo->szText) - 1);
        if (nCopy < nWide && IS_HIGH_SURROGATE(wide[nCopy - 1]))
            --nCopy;
        std::memcpy(pInfo->szText, wide.get(), nCopy * sizeof(wchar_t));
        pInfo->szText[nCopy] = L'\0';
        pInfo->lpszText = pInfo->szText;
        pInfo->hinst = nullptr;
    }
    if (pResult != nullptr)
        *pResult = 0;
    // Above every other window, also above a floating bar's frame.
    ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
    return TRUE;
}
