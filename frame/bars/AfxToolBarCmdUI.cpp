// CToolBar command states: buttons enabled, checked or indeterminate by the
// update handlers of the frame, and embedded controls enabled the same way.
#include "AfxToolBar.h"
#include "afxext.h"

class CToolCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        auto* pToolBar = static_cast<CToolBar*>(m_pOther);
        UINT nNewStyle = pToolBar->GetButtonStyle((int)m_nIndex) & ~TBBS_DISABLED;
        // A pressed button that is disabled would stay pressed after the mouse
        // goes up: it is released as it is disabled.
        if (!bOn)
            nNewStyle = (nNewStyle | TBBS_DISABLED) & ~TBBS_PRESSED;
        pToolBar->SetButtonStyle((int)m_nIndex, nNewStyle);
    }
    void SetCheck(int nCheck) override
    {
        auto* pToolBar = static_cast<CToolBar*>(m_pOther);
        UINT nNewStyle = pToolBar->GetButtonStyle((int)m_nIndex) & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
        if (nCheck == 1)
            nNewStyle |= TBBS_CHECKED;
        else if (nCheck == 2)
            nNewStyle |= TBBS_INDETERMINATE;
        pToolBar->SetButtonStyle((int)m_nIndex, nNewStyle | TBBS_CHECKBOX);
    }
    void SetText(LPCSTR) override {}  // buttons keep their labels
};

namespace {
// Controls inside the bar (edit fields, combo boxes) follow their commands too.
void UpdateEmbeddedControls(CWnd* pBar, CFrameWnd* pTarget, bool bDisableIfNoHndler)
{
    CCmdUI state;
    for (HWND hChild = ::GetTopWindow(pBar->m_hWnd); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        UINT nID = (UINT)::GetDlgCtrlID(hChild);
        if (nID == 0 || nID == 0xFFFF)
            continue;
        // The toolbar's own tooltip window is no command.
        char szClass[32];
        if (::GetClassNameA(hChild, szClass, sizeof(szClass)) && lstrcmpiA(szClass, TOOLTIPS_CLASSA) == 0)
            continue;
        state.m_pOther = CWnd::FromHandle(hChild);
        state.m_nID = nID;
        // Static texts and plain push buttons without a handler stay enabled.
        bool bDisable = bDisableIfNoHndler && (::SendMessageA(hChild, WM_GETDLGCODE, 0, 0) & DLGC_STATIC) == 0;
        state.DoUpdate(pTarget, bDisable);
    }
}
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)DefCtrl(TB_BUTTONCOUNT);
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++) {
        TBBUTTON button;
        _GetButton((int)state.m_nIndex, &button);
        if (button.fsStyle & TBSTYLE_SEP)
            continue;
        state.m_nID = (UINT)button.idCommand;
        // The bar's own update handlers first, then the frame's.
        if (CWnd::OnCmdMsg(state.m_nID, (int)CN_UPDATE_COMMAND_UI, &state, nullptr))
            continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
    UpdateEmbeddedControls(this, pTarget, bDisableIfNoHndler);
}
