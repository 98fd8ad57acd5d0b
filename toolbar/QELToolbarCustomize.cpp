// QELToolbar: the customization table, the customize dialog with its options
// panel, and the control's customization notifications.
#include "QELAnsiChars.h"
#include "QELToolbar.h"
#include "QELToolbarParts.h"
#include "QELCustomizeDialog.h"
#include "QELMemory.h"
#include <cstring>

namespace {
// A command's label: its string resource's text after the last newline (the
// tooltip of "status prompt\ntooltip"), or all of it without a newline.
CString CommandLabel(int nID)
{
    CString strText;
    if (nID <= 0 || nID > 0xFFFF || !strText.LoadString((UINT)nID))
        return CString();
    int nNewline = strText.ReverseFind('\n');
    return nNewline < 0 ? strText : strText.Mid(nNewline + 1);
}
}  // namespace

void QELToolbar::SetToolBarInfoForCustomization(const CArray<CToolBarButtonInfo, CToolBarButtonInfo&>* pAdditional)
{
    const bool bBuilt = qel_memory::NoThrowDone([&] {
        // The application may hand in our own table.
        CArray<CToolBarButtonInfo, CToolBarButtonInfo&> additional;
        if (pAdditional != nullptr)
            additional.Copy(*pAdditional);

        m_arrButtonInfo.RemoveAll();
        const int nCount = m_pParts->ButtonCount();
        m_arrButtonInfo.SetSize(nCount);
        for (int i = 0; i < nCount; i++) {
            CToolBarButtonInfo& info = m_arrButtonInfo[i];
            memset(&info.tbButton, 0, sizeof(info.tbButton));
            if (!DefWindowProc(TB_GETBUTTON, (WPARAM)i, (LPARAM)&info.tbButton))
                info.tbButton.iString = -1;
            info.strText = CommandLabel(info.tbButton.idCommand);
            info.bDefault = TRUE;
        }
        m_nButtons = nCount;
        m_arrButtonInfo.Append(additional);
        m_arrButtonInfo.FreeExtra();
    });
    if (!bBuilt) {
        // Half a table would offer the user buttons the image well does not hold.
        m_arrButtonInfo.RemoveAll();
        m_nButtons = 0;
    }
    if (m_hWnd == nullptr)
        return;
    ModifyStyle(0, CCS_ADJUSTABLE);
    SetTextOptions(m_eInitialTextOptions, TRUE);
    SetIconOptions(m_eInitialIconOptions, TRUE);
}

BOOL QELToolbar::MarkDefaultState()
{
    for (INT_PTR i = 0; i < m_arrButtonInfo.GetSize(); i++) {
        CToolBarButtonInfo& info = m_arrButtonInfo[i];
        if ((info.tbButton.fsStyle & TBSTYLE_SEP) && info.tbButton.idCommand <= 0)
            info.bDefault = TRUE;
        else
            info.bDefault = CommandToIndex((UINT)info.tbButton.idCommand) != -1;
    }
    return TRUE;
}

void QELToolbar::Customize()
{
    if (m_hWnd != nullptr)
        SendMessage(TB_CUSTOMIZE, 0, 0);
}

LRESULT QELToolbar::OnCustomize(WPARAM wParam, LPARAM lParam)
{
    // The dialog and its hook are one per process: a customization asked for
    // while one runs (from a notification of it) is refused.
    if (m_pCustomizeDlg != nullptr || m_hCBTHook != nullptr)
        return 0;
    m_pCustomizeDlg = qel_memory::NoThrow<QELCustomizeDialog*>(
        nullptr, [&] { return new QELCustomizeDialog(this, m_eTextOptions, m_eIconOptions); });
    m_hCBTHook = ::SetWindowsHookExA(WH_CBT, CBTProc, nullptr, ::GetCurrentThreadId());

    LRESULT lResult = DefWindowProc(TB_CUSTOMIZE, wParam, lParam);

    if (m_hCBTHook != nullptr)
        ::UnhookWindowsHookEx(m_hCBTHook);
    m_hCBTHook = nullptr;
    QELCustomizeDialog* pDlg = m_pCustomizeDlg;
    m_pCustomizeDlg = nullptr;
    if (pDlg != nullptr && pDlg->m_eIconOptions != (int)m_eIconOptions)
        SetIconOptions((IconOptions)pDlg->m_eIconOptions, TRUE);
    delete pDlg;
    SaveState();
    return lResult;
}

LRESULT CALLBACK QELToolbar::CBTProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND && m_pCustomizeDlg != nullptr && m_pCustomizeDlg->m_hWnd == nullptr) {
        // The control's dialog is the first dialog made while the hook is in.
        char szClass[16] = "";
        ::GetClassNameA((HWND)wParam, szClass, sizeof(szClass));
        if (lstrcmpA(szClass, "#32770") == 0 && !m_pCustomizeDlg->SubclassWindow((HWND)wParam)) {
            HHOOK hHook = m_hCBTHook;
            LRESULT lResult = ::CallNextHookEx(hHook, HCBT_CREATEWND, wParam, lParam);
            ::UnhookWindowsHookEx(hHook);
            m_hCBTHook = nullptr;
            delete m_pCustomizeDlg;
            m_pCustomizeDlg = nullptr;
            return lResult;
        }
    }
    return ::CallNextHookEx(m_hCBTHook, nCode, wParam, lParam);
}

// ----- the control's customization notifications ---------------------------------------

void QELToolbar::OnInitCustomize(NMHDR*, LRESULT* pResult) { *pResult = TBNRF_HIDEHELP; }

void QELToolbar::OnToolBarBeginAdjust(NMHDR*, LRESULT* pResult) { *pResult = 0; }

void QELToolbar::OnToolBarCustomHelp(NMHDR*, LRESULT* pResult) { *pResult = 0; }

void QELToolbar::OnToolBarEndAdjust(NMHDR*, LRESULT* pResult) { *pResult = 0; }

void QELToolbar::OnToolBarQueryInsert(NMHDR*, LRESULT* pResult) { *pResult = TRUE; }

void QELToolbar::OnToolBarQueryDelete(NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* pNMTB = reinterpret_cast<NMTOOLBARA*>(pNMHDR);
    const int nID = pNMTB->tbButton.idCommand;
    // A button the user cannot see (a control's place while docked
    // vertically) cannot be taken off by the user either.
    *pResult = !(nID != 0 && DefWindowProc(TB_ISBUTTONHIDDEN, (WPARAM)nID, 0) != 0);
}

void QELToolbar::OnToolBarGetButtonInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* pNMTB = reinterpret_cast<NMTOOLBARA*>(pNMHDR);
    const int nItem = pNMTB->iItem;
    if (nItem < 0 || nItem >= (int)m_arrButtonInfo.GetSize()) {
        *pResult = FALSE;
        return;
    }
    const CToolBarButtonInfo& info = m_arrButtonInfo[nItem];
    pNMTB->tbButton = info.tbButton;
    if (pNMTB->pszText != nullptr && pNMTB->cchText > 0) {
        // A label longer than the buffer is cut before a character, never between its bytes.
        const int nLength = info.strText.GetLength();
        const int nCopy = static_cast<int>(
            mbcs_chars::CutLength(qel_ansi::Chars(), info.strText, (size_t)nLength, (size_t)(pNMTB->cchText - 1)));
        memcpy(pNMTB->pszText, (LPCSTR)info.strText, (size_t)nCopy);
        pNMTB->pszText[nCopy] = '\0';
    }
    *pResult = TRUE;
}

void QELToolbar::OnToolBarReset(NMHDR*, LRESULT* pResult)
{
    // The parent hears of each deletion and may call us: counts are asked
    // again and entries copied as we go.
    for (int n = m_pParts->ButtonCount(); n > 0; n = m_pParts->ButtonCount()) {
        if (!DefWindowProc(TB_DELETEBUTTON, (WPARAM)(n - 1), 0))
            break;
    }
    for (INT_PTR i = 0; i < m_arrButtonInfo.GetSize(); i++) {
        if (!m_arrButtonInfo[i].bDefault)
            continue;
        TBBUTTON button = m_arrButtonInfo[i].tbButton;
        DefWindowProc(TB_ADDBUTTONSA, 1, (LPARAM)&button);
    }
    if (m_pCustomizeDlg != nullptr) {
        m_pCustomizeDlg->SelectTextOptions(NoTextLabels);
        m_pCustomizeDlg->SelectIconOptions(SmallIcons);
    }
    SetTextOptions(NoTextLabels, TRUE);
    m_pParts->UpdateLayoutAndCommands();
    *pResult = TRUE;
}

void QELToolbar::OnToolBarChange(NMHDR*, LRESULT* pResult)
{
    SetTextOptions(m_eTextOptions, FALSE);
    m_pParts->UpdateLayoutAndCommands();
    *pResult = 0;
}

// ----- the context menu ---------------------------------------------------------------

void QELToolbar::OnContextMenu(CWnd*, CPoint point)
{
    // Embedded controls have menus of their own.
    if (!AfxIsSameHandle(::WindowFromPoint(point), m_hWnd))
        return;
    CPoint ptClient = point;
    ScreenToClient(&ptClient);
    if (!ShowContextMenu(ptClient))
        Default();
}

BOOL QELToolbar::ShowContextMenu(CPoint point)
{
    if (m_pParts->ButtonCount() == 0 || m_arrButtonInfo.GetSize() == 0)
        return FALSE;
    ClientToScreen(&point);
    HMENU hMenu = ::CreatePopupMenu();
    if (hMenu == nullptr)
        return FALSE;
    CWnd* pMain = AfxGetMainWnd();
    CFrameWnd* pFrame =
        pMain != nullptr && pMain->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? static_cast<CFrameWnd*>(pMain) : nullptr;
    if (pFrame != nullptr) {
        POSITION pos = pFrame->m_listControlBars.GetHeadPosition();
        while (pos != nullptr) {
            auto* pBar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
            if (pBar == nullptr || pBar->m_hWnd == nullptr || !pBar->IsKindOf(RUNTIME_CLASS(CToolBar)))
                continue;
            CString strName;
            pBar->GetWindowText(strName);
            UINT nFlags = MF_STRING | ((pBar->GetStyle() & WS_VISIBLE) ? MF_CHECKED : MF_UNCHECKED);
            ::AppendMenuA(hMenu, nFlags, (UINT_PTR)pBar->GetDlgCtrlID(), strName);
        }
        ::AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    }
    ::AppendMenuA(hMenu, MF_STRING, 255, "&Customize...");
    UINT nCmd = (UINT)::TrackPopupMenu(hMenu, TPM_RETURNCMD | TPM_VERTICAL, point.x, point.y, 0, m_hWnd, nullptr);
    ::DestroyMenu(hMenu);

    if (nCmd == 255) {
        Customize();
    } else if (nCmd != 0 && pFrame != nullptr && ::IsWindow(pFrame->m_hWnd)) {
        // As the frame's own View menu does it.
        if (CControlBar* pBar = pFrame->GetControlBar(nCmd))
            pFrame->ShowControlBar(pBar, (pBar->GetStyle() & WS_VISIBLE) == 0, FALSE);
    }
    return TRUE;
}
