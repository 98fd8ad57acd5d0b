// QELHyperlink: a static text control turned into a clickable link.
//
// Underlined text in the link colour, the hover colour while the mouse is
// over it and the visited colour once clicked; a hand cursor; an optional
// tooltip. A click opens the link URL through the shell, or, with fire child
// on, sends QELM_HYPERLINKCLICKED to the parent instead. Subclass a static
// control of a dialog with it: everything is set up when it is attached. The
// colours come through the parent's colour request, so the parent must be a
// framework window (which reflects it back to the control).
//
// Keyboard: with WS_TABSTOP the link takes the focus with Tab in a dialog,
// shows a focus rectangle around its text while the window shows focus cues,
// and Enter or Space opens it exactly as a click does. Accessibility clients
// see a link (role, linked and visited state, "Jump" as the default action). The link paints only
// its text, so its parent must paint what lies behind it (no WS_CLIPCHILDREN,
// as dialogs have it).
#pragma once
#include "ZUZIVU70Defs.h"
#include "afxcmn.h"

// Sent to the parent when a link with fire child on is clicked
// (wParam: the control id; lParam: 0).
#define QELM_HYPERLINKCLICKED (WM_USER + 101)

class QEL_API QELHyperlink : public CStatic
{
    DECLARE_DYNAMIC(QELHyperlink)
public:
    QELHyperlink();
    ~QELHyperlink() override;

    // ----- colours (shown at the next repaint) -------------------------------------
    void SetLinkColor(COLORREF crLink);
    void SetHoverColor(COLORREF crHover);
    void SetVisitedColor(COLORREF crVisited);

    // ----- link ----------------------------------------------------------------------
    // Also becomes the window text.
    void SetLinkText(CString strText);
    // The text given to SetLinkText; the window text plays no part.
    CString GetLinkText();
    void SetLinkUrl(CString strUrl);
    CString GetLinkUrl();
    // Opens url through the shell; an empty url opens the window text, as a
    // mail address ("mailto:") when it holds an at sign. True when the shell
    // reports success.
    bool GoToLinkUrl(CString strUrl);
    // Non-zero: a click tells the parent (QELM_HYPERLINKCLICKED) instead of
    // opening the link.
    void SetFireChild(int nFlag);

    // ----- tooltip -------------------------------------------------------------------
    // ActiveToolTip and SetTootTipText are spelled as applications already call
    // them (compatibility spellings: not ActivateToolTip, not SetToolTipText).
    // Allows SetTootTipText; does not show or hide the tip itself.
    void ActiveToolTip(int nFlag);
    // The tip of the whole control; only while the tooltip is active.
    void SetTootTipText(LPCSTR lpszText);
    void SetToolTipTextColor(COLORREF crText);
    void SetToolTipBgColor(COLORREF crBack);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PreSubclassWindow() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // ----- handlers ------------------------------------------------------------------
    void OnMouseMove(UINT nFlags, CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnClicked();
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    void OnCaptureChanged(CWnd* pWnd);
    void OnSize(UINT nType, int cx, int cy);
    // ----- keyboard --------------------------------------------------------------------
    LRESULT OnGetDlgCodeMessage(WPARAM wParam, LPARAM lParam);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    LRESULT OnUpdateUIState(WPARAM wParam, LPARAM lParam);
    void OnPaint();
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // ----- state ---------------------------------------------------------------------
    bool m_bFireChild = false;
    HCURSOR m_hLinkCursor = nullptr;
    bool m_bToolTip = false;
    bool m_bHover = false;    // the mouse is over the control, which holds the capture
    bool m_bVisited = false;  // set by the first click, never cleared
    CFont m_LinkFont;
    CToolTipCtrl m_ToolTip;
    CString m_strLinkText;
    CString m_strLinkUrl;
    COLORREF m_crHoverColor = RGB(255, 0, 0);
    COLORREF m_crLinkColor = RGB(0, 0, 255);
    COLORREF m_crVisitedColor = RGB(5, 34, 143);

private:
    // The font the window had before it was given the underlined one.
    HFONT m_hOriginalFont = nullptr;

    void LoadHandCursor();
    void ReleaseResources();
    // Repaints after a change of colour: at once (bNow) or at the next paint.
    // With a focus rectangle shown the parent repaints behind the link first.
    void Repaint(bool bNow);
    // For the accessible object, which knows the link by its window only.
    static bool AccessibleActivate(HWND hWnd);
    static bool AccessibleVisited(HWND hWnd);
};
