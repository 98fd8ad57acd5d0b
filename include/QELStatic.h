// QELStatic: a text label that paints itself.
//
// Solid or left-to-right gradient background, a font changed one attribute at
// a time, embossed or engraved text, text rotated about the label's centre,
// flashing, transparent drawing over the parent, and a click that opens a
// link, starts a mail message or notifies the parent. Subclass a static
// control of a dialog with it, or create it as a child window. Every setter
// returns the label itself, so calls chain:
//
//     m_title.SetFontBold(TRUE).SetFontSize(14).SetTextColor(RGB(0, 0, 128));
//
// The font is built from a LOGFONT taken from the window's own font when the
// label is attached. Font setters used before that act on a description of
// the default GUI font; attaching then replaces it with the window's font.
// Colour and flag setters keep their values in any state; SetText, the
// timers and the styles need the window.
//
// A link or mail link with WS_TABSTOP takes the focus with Tab in a dialog,
// shows a focus rectangle around its text while the window shows focus cues,
// and opens with Enter or Space exactly as with a click. Accessibility
// clients see a link label as a link (role, state, "Jump" as the default
// action); any other label as the static text it is.
#pragma once
#include "ZUZIVU70Defs.h"

// Code of the WM_NOTIFY a label with notify-parent on sends its parent when
// clicked (wParam: the control id; lParam: an NMHDR from the label).
#define QELN_LINKCLICKED 0x8200

class QEL_API QELStatic : public CStatic
{
    DECLARE_DYNAMIC(QELStatic)
public:
    enum BackFillMode {
        SolidFill = 0,    // one colour
        GradientFill = 1  // left to right; any non-zero value paints a gradient
    };
    enum Type3D {
        Embossed = 0,  // highlight copy one pixel up and to the left
        Engraved = 1   // highlight copy one pixel down and to the right; any non-zero value
    };

    QELStatic();
    ~QELStatic() override;

    // ----- setters ---------------------------------------------------------------
    // In SolidFill mode the label paints crBackground; a gradient runs from
    // crBackground at the left edge to crGradientEnd at the right.
    virtual QELStatic& SetBkColor(COLORREF crBackground, COLORREF crGradientEnd = 0, BackFillMode mode = SolidFill);
    virtual QELStatic& SetTextColor(COLORREF crText);
    // Needs the window; without one nothing changes.
    virtual QELStatic& SetText(const CString& strText);
    virtual QELStatic& SetFontBold(BOOL bBold);
    // A face name longer than a LOGFONT holds is cut to fit.
    virtual QELStatic& SetFontName(const CString& strFace, BYTE nCharSet = ANSI_CHARSET);
    virtual QELStatic& SetFontUnderline(BOOL bUnderline);
    virtual QELStatic& SetFontItalic(BOOL bItalic);
    // In points, for the screen.
    virtual QELStatic& SetFontSize(int nPoints);
    // WS_EX_STATICEDGE on or off.
    virtual QELStatic& SetSunken(BOOL bSunken);
    // WS_BORDER on or off.
    virtual QELStatic& SetBorder(BOOL bBorder);
    // Draws only the text, straight over what the parent painted.
    virtual QELStatic& SetTransparent(BOOL bTransparent);
    // Flashing ticks every 500 ms (timer 1) and needs the window. The text
    // vanishes into the background colour every other tick; the first change
    // shows with the first tick.
    virtual QELStatic& FlashText(BOOL bFlash);
    // The background turns to the face colour every other tick. Turning it off
    // stops the ticks.
    virtual QELStatic& FlashBackground(BOOL bFlash);
    // A click opens the link target (SetHyperLink), or the window text when
    // there is none; with bNotifyParent the parent gets QELN_LINKCLICKED instead.
    virtual QELStatic& SetLink(BOOL bLink, BOOL bNotifyParent = FALSE);
    // Shown while the mouse is over the label; stays the caller's.
    virtual QELStatic& SetLinkCursor(HICON hCursor);
    virtual QELStatic& SetFont3D(BOOL b3D, Type3D type = Embossed);
    // Degrees counter-clockwise; the text turns about the centre of the label.
    virtual QELStatic& SetRotationAngle(UINT nDegrees, BOOL bRotate);
    virtual QELStatic& SetText3DHiliteColor(COLORREF crHilite);
    // Replaces the whole font description.
    virtual QELStatic& SetFont(LOGFONT lf);
    // A click starts a mail message to the window text ("mailto:" + text).
    virtual QELStatic& SetMailLink(BOOL bMail, BOOL bNotifyParent = FALSE);
    virtual QELStatic& SetHyperLink(const CString& strTarget);

protected:
    // ----- for derived classes -----------------------------------------------------
    // Repaints the label at once, then what lies behind it in the parent.
    void UpdateSurface();
    // Builds the font again from the font description.
    void ReconstructFont();
    // Paints a left-to-right gradient of at most nSegments bands into pRect.
    void DrawGradientFill(CDC* pDC, CRect* pRect, COLORREF crFrom, COLORREF crTo, int nSegments);

    void PreSubclassWindow() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // ----- handlers ------------------------------------------------------------------
    void OnTimer(UINT_PTR nIDEvent);
    void OnLButtonDown(UINT nFlags, CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnSysColorChange();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    // ----- keyboard (links) ------------------------------------------------------------
    LRESULT OnGetDlgCodeMessage(WPARAM wParam, LPARAM lParam);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    LRESULT OnUpdateUIState(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // Kinds of link and of flashing.
    enum { LinkNone = 0, LinkOpen = 1, LinkMail = 2 };
    enum { FlashNone = 0, FlashTextKind = 1, FlashBackgroundKind = 2 };

    // ----- state ---------------------------------------------------------------------
    COLORREF m_crText;
    COLORREF m_cr3DHilite = RGB(255, 255, 255);
    CBrush m_brFace;        // COLOR_BTNFACE: the background without a colour of its own
    CBrush m_brBackground;  // only after SetBkColor in SolidFill mode
    LOGFONT m_lf;
    CFont m_font;
    BOOL m_bFlashPhase = FALSE;  // toggled by every tick
    BOOL m_bTimerStarted = FALSE;
    int m_nLinkKind = LinkNone;
    BOOL m_bTransparent = FALSE;
    BOOL m_b3DText = FALSE;
    BOOL m_bNotifyParent = FALSE;
    BOOL m_bRotated = FALSE;
    int m_nFlashKind = FlashNone;
    HCURSOR m_hLinkCursor = nullptr;
    Type3D m_type3D = Embossed;
    BackFillMode m_fillMode = SolidFill;
    COLORREF m_crGradientEnd = 0;
    COLORREF m_crBackground = 0;
    CString m_strLinkTarget;

private:
    BOOL m_bFlashing = FALSE;  // the flash timer is running now

    // Builds the font from the changed description and repaints.
    QELStatic& FontChanged();
    QELStatic& SetLinkKind(int nKind, BOOL bNotifyParent);
    void StartFlashing(int nKind);
    void StopFlashTimer();
    void PaintBackground(CDC* pDC, const CRect& rc);
    // What a click on the label does: notify the parent, open the link or
    // start the mail.
    void OpenLink();
    // For the accessible object, which knows the label by its window only.
    static bool AccessibleActivate(HWND hWnd);
    static bool AccessibleVisited(HWND hWnd);
    // The focus rectangle of a focused link, on the surface being painted.
    void PaintFocus(CDC* pDC, const CRect& rc, const CString& strText, UINT nFormat);
    COLORREF BackgroundBrushColor() const;
};
