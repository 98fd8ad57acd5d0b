// An edit control with its own tooltip: the application gives a text (or a
// string resource) and the tip shows while the mouse rests over the edit.
#pragma once
#include "ZUZIVU70Defs.h"
#include "afxcmn.h"

class QEL_API QELEdit : public CEdit
{
    DECLARE_DYNAMIC(QELEdit)
public:
    QELEdit();
    ~QELEdit() override;

    // ----- tooltip -------------------------------------------------------------
    // Creates the tooltip window (inactive, no tool, tips wrapped at 400 pixels)
    // unless it exists already. Does nothing while the edit has no window.
    void InitToolTip();
    // Gives the edit's tool this text and activates or deactivates the tooltip.
    // A null text changes nothing.
    void SetTooltipText(const char* text, BOOL bActivate = TRUE);
    // The same with string resource nId; a missing or empty string changes nothing.
    void SetTooltipText(int nId, BOOL bActivate = TRUE);
    // Only once a text has been set; before that the tooltip stays inactive.
    void ActivateTooltip(BOOL bActivate = TRUE);

    // Hands every message of the edit to the tooltip, so it sees the mouse.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // The tip goes with the edit's window, not only with this object.
    void PostNcDestroy() override;

    CToolTipCtrl m_ToolTip;
    // Where the tool was last placed; it follows the edit when it is resized.
    CRect m_rectTool;

    DECLARE_MESSAGE_MAP()
};
