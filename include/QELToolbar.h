// QELToolbar: a dockable toolbar whose buttons need not all be of one size.
//
// Text labels make buttons wider or taller, an embedded control takes the size
// of the control, and a wrapping separator takes a height of its own, so the
// toolbar measures and wraps its buttons itself, docked on any side, floating,
// or resized by the user. With the flat style (TBSTYLE_FLAT) it paints its own
// one-pixel borders and the background behind embedded controls; a derived
// toolbar may route NM_CUSTOMDRAW to OnCustomDraw to draw hot buttons as a
// shadow silhouette. CDockBarEx, set up by FrameEnableDocking, places flat
// toolbars edge to edge where the framework's dock bar overlaps every bar by
// two pixels.
//
//     m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER |
//                           CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
//     m_wndToolBar.LoadToolBar(IDR_MAINFRAME);
//     m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
//     QELToolbar::FrameEnableDocking(this, CBRS_ALIGN_ANY);
//     DockControlBar(&m_wndToolBar);
#pragma once
#include "ZUZIVU70Defs.h"
#include "afxext.h"
#include <cstddef>

class QELCustomizeDialog;

class QEL_API QELToolbar : public CToolBar
{
    DECLARE_DYNCREATE(QELToolbar)
public:
    // How buttons show their labels; -1 while not set.
    enum TextOptions {
        ShowTextLabels = 0,        // below every button's image
        SelectiveTextOnRight = 1,  // right of the image, on buttons HasButtonText accepts
        NoTextLabels = 2
    };
    // The image size; -1 while not set.
    enum IconOptions {
        SmallIcons = 0,  // m_szImageSmall
        LargeIcons = 1   // m_szImageLarge
    };
    // One entry of the customization table: a button, its label, and whether
    // it belongs to the default set.
    struct CToolBarButtonInfo
    {
        TBBUTTON tbButton;  // with the control's own sense of TBSTATE_ENABLED
        CString strText;
        BOOL bDefault;
    };
    // A drop-down button with a menu; the toolbar keeps one per command id in
    // a list it owns.
    struct CDropDownButtonInfo
    {
        CDropDownButtonInfo* pNext;
        UINT nIDButton;  // command id of the button
        UINT nIDMenu;    // menu resource; 0 for none
    };

    QELToolbar();
    ~QELToolbar() override;

    // ----- layout ------------------------------------------------------------------
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // Sets up a frame's docking for the sides in dwDockStyle (CBRS_ALIGN_*)
    // with a CDockBarEx on each; call it instead of the frame's EnableDocking,
    // before docking toolbars. A side whose dock bar cannot be made keeps the
    // framework's, and the answer is FALSE; TRUE when every side asked for
    // has a CDockBarEx.
    static BOOL FrameEnableDocking(CFrameWnd* pFrame, DWORD dwDockStyle);

    // ----- text and icon options, customization, saved state ---------------------------
    // Labels below every image, right of chosen images, or none; bUpdate lays
    // the frame out again. Labels come from the customization table.
    void SetTextOptions(TextOptions eTextOptions, BOOL bUpdate = TRUE);
    TextOptions GetTextOptions() const { return m_eTextOptions; }
    // 16 or 24 pixel images, stretched from the image well of LoadBitmap.
    void SetIconOptions(IconOptions eIconOptions, BOOL bUpdate = TRUE);
    IconOptions GetIconOptions() const { return m_eIconOptions; }
    // Remembers the image-well bitmap resource; it is loaded, stretched to the
    // icon option's size, at the next SetIconOptions. FALSE when there is no
    // such bitmap (the one remembered before stays).
    BOOL LoadBitmap(LPCSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource);
    // The customization table: the bar's present buttons (all in the default
    // set, labels from their command strings) followed by pAdditional; makes
    // the bar adjustable and applies the initial options.
    void SetToolBarInfoForCustomization(const CArray<CToolBarButtonInfo, CToolBarButtonInfo&>* pAdditional = nullptr);
    // The present arrangement becomes the one a reset restores; always TRUE.
    BOOL MarkDefaultState();
    // Runs the customize dialog with its options panel, then saves the state.
    void Customize();
    // The arrangement and both options in "QELToolBar<n>" under the
    // application's key (HKEY_CURRENT_USER); nothing without a key.
    void SaveState();
    void RestoreState();

    // ----- fields ----------------------------------------------------------------------
    // Embedded controls and their placeholders hide while docked left or right.
    BOOL m_bHideControlsWhenVertical;
    int m_nButtons;              // the bar's own buttons recorded for customization
    TextOptions m_eTextOptions;  // -1: not set
    IconOptions m_eIconOptions;  // -1: not set
    CObList* m_pControls;        // embedded controls the toolbar made and owns
    CDropDownButtonInfo* m_pDropDownButtons;
    CString m_strRegistryKey;  // "Software\<registry key>\<profile>\Settings"
    CString m_strValueName;    // "QELToolBar<n>"
    CArray<CToolBarButtonInfo, CToolBarButtonInfo&> m_arrButtonInfo;
    COLORREF m_clrBtnHilight;
    COLORREF m_clrBtnShadow;
    COLORREF m_clrBtnFace;

    // ----- class-wide values ---------------------------------------------------------
    static int m_nBarNumber;  // toolbars constructed so far in the process
    static QELCustomizeDialog* m_pCustomizeDlg;
    static HHOOK m_hCBTHook;
    static CSize m_szImageSmall;
    static CSize m_szImageLarge;
    static TextOptions m_eInitialTextOptions;
    static IconOptions m_eInitialIconOptions;

    // ===== drop-down buttons and embedded controls ===================================
public:
    // Makes button nIDButton a drop-down that opens the first submenu of menu
    // resource nIDMenu below itself; the chosen command goes to the main
    // window. bArrow TRUE: a separate arrow opens the menu and the rest of the
    // button gives its command; FALSE: the whole button opens it. Once per
    // button: a second call takes the new menu. With nIDMenu 0, or a menu that
    // cannot be loaded, the parent gets TBN_DROPDOWN instead. FALSE, and
    // nothing changed, when nIDButton is 0, not on the bar or a separator.
    BOOL AddDropDownButton(UINT nIDButton, UINT nIDMenu, BOOL bArrow);
    // Gives button nIDButton the drop-down style alone (no menu of ours: the
    // parent handles TBN_DROPDOWN). FALSE, nothing changed, for the cases above.
    BOOL SetDropDownButton(UINT nIDButton, BOOL bArrow);

    // Puts the toolbar's child window pControl in the place of button nID: the
    // button becomes a separator as wide as rect that keeps the id, and the
    // control sits on it, centred vertically, in the toolbar's font, hidden
    // while the bar is docked left or right. rect returns the item's rectangle
    // with its top moved down by the centring offset. The control stays the
    // caller's. When nID is not on the bar the control is hidden and returned
    // as it is. NULL, nothing changed, for a null control or one without a
    // window, a window that is not the toolbar's child, nID 0, a rect of
    // negative width, or a toolbar without a window.
    CWnd* InsertControl(CWnd* pControl, CRect& rect, UINT nID);
    // Creates the control (a CComboBox for the combo box class and classes
    // derived from it, alike a CEdit or a CButton, and a CWnd of window class
    // pClass->m_lpszClassName for other window classes) as the toolbar's child
    // with dwStyle | WS_CHILD | WS_VISIBLE, rect and id nID, and places it as
    // above; the toolbar owns it and destroys it with itself. NULL, with the
    // toolbar unchanged, for a class that is not a window class, a window that
    // cannot be created, or the bad input above.
    CWnd* InsertControl(CRuntimeClass* pClass, LPCTSTR lpszWindowName, CRect& rect, UINT nID, DWORD dwStyle);

protected:
    // The node of button nID, or NULL.
    CDropDownButtonInfo* FindDropDownButtonInfo(UINT nID);
    // Tracks the menu of button nID at the bottom-left corner of rect (screen
    // coordinates); FALSE when the button has no menu of ours.
    BOOL OnDropDownButtonInfo(const NMTOOLBAR& nmtb, UINT nID, CRect rect);
    // Reflected TBN_DROPDOWN; FALSE lets the parent have it too.
    BOOL OnToolBarBtnDropDown(NMHDR* pNMHDR, LRESULT* pResult);
    // ===== end of drop-down buttons and embedded controls ============================

protected:
    // Whether the button with command nID shows its label beside its image
    // under SelectiveTextOnRight; every button does unless a derived
    // toolbar says otherwise.
    virtual BOOL HasButtonText(int nID);

    // ----- the layout over working copies of the button records --------------------
    CSize CalcLayout(DWORD dwMode, int nLength = -1);
    CSize GetButtonSize(TBBUTTON* pData, int nIndex, DWORD dwMode);
    CSize CalcSize(TBBUTTON* pData, int nCount, DWORD dwMode);
    // Sets the wrap flags for rows of nWidth pixels; the number of rows.
    int WrapToolBar(TBBUTTON* pData, int nCount, int nWidth, DWORD dwMode);
    // Wraps for a width (bVert FALSE) or a height (bVert TRUE).
    void SizeToolBar(TBBUTTON* pData, int nCount, int nLength, BOOL bVert, DWORD dwMode);
    // Record i with TBSTATE_ENABLED turned round (set means disabled).
    void _GetButton(int nIndex, TBBUTTON* pButton) const;
    // Writes record i back, turning the bit round again, when it changed.
    void _SetButton(int nIndex, TBBUTTON* pButton);
    // In the frame's left or right dock bar.
    BOOL IsVertDocked();
    // Lets the control size itself and lays the bar out again at the next pass.
    void PositionControls();
    // major * 65536 + minor of the common controls, read once per process.
    static int GetComCtlVersion();

    // ----- painting ------------------------------------------------------------------
    // Draws the flat one-pixel borders and narrows rect to the inside.
    void Draw3DBorders(CDC* pDC, CRect& rect);
    // The non-client borders: the flat ones with the flat style (and the
    // etched top line of a bar that never docks), else the framework's.
    void DrawNonClientBorders(CDC* pDC, CRect& rect) override;
    // Hot buttons as a shadow silhouette on a darker face; route NM_CUSTOMDRAW here.
    void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);

    // ----- text and icon options, customization, saved state ---------------------------
    // Loads the image well at the size of eIconOptions; FALSE without one.
    BOOL SetIconOptionBitmap(IconOptions eIconOptions);
    // The bitmap resource stretched to cx by cy, its standard greys in the
    // system colours; null when it cannot be read or made.
    static HBITMAP LoadScaledImageWell(HRSRC hRsrc, HINSTANCE hInst, int cx, int cy);
    // The popup of the frame's toolbars and "&Customize..." at point (client).
    BOOL ShowContextMenu(CPoint point);
    static LRESULT CALLBACK CBTProc(int nCode, WPARAM wParam, LPARAM lParam);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    LRESULT OnCustomize(WPARAM wParam, LPARAM lParam);
    void OnInitCustomize(NMHDR* pNMHDR, LRESULT* pResult);
    void OnToolBarBeginAdjust(NMHDR* pNMHDR, LRESULT* pResult);
    void OnToolBarCustomHelp(NMHDR* pNMHDR, LRESULT* pResult);
    void OnToolBarEndAdjust(NMHDR* pNMHDR, LRESULT* pResult);
    void OnToolBarGetButtonInfo(NMHDR* pNMHDR, LRESULT* pResult);
    void OnToolBarQueryDelete(NMHDR* pNMHDR, LRESULT* pResult);
    void OnToolBarQueryInsert(NMHDR* pNMHDR, LRESULT* pResult);
    void OnToolBarReset(NMHDR* pNMHDR, LRESULT* pResult);
    void OnToolBarChange(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSave(NMHDR* pNMHDR, LRESULT* pResult);
    void OnRestore(NMHDR* pNMHDR, LRESULT* pResult);

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();
    void OnSysColorChange();
    DECLARE_MESSAGE_MAP()

    static int m_nComCtlVersion;  // -1 until read

private:
    // The working parts (helpers and state nobody outside the class needs),
    // built inside the object by its constructor: never missing.
    struct Parts;
    static constexpr std::size_t kPartsSpace = 4 * sizeof(void*);  // checked where the parts are built
    alignas(8) unsigned char m_partsSpace[kPartsSpace];
    Parts* const m_pParts;
};

// The dock bar of FrameEnableDocking: flat QELToolbar bars touch edge to edge;
// every other bar overlaps its neighbours by two pixels as in CDockBar.
class QEL_API CDockBarEx : public CDockBar
{
    DECLARE_DYNAMIC(CDockBarEx)
public:
    CDockBarEx();
    ~CDockBarEx() override;

protected:
    int GetBarOverlap(CControlBar* pBar) const override;
    DECLARE_MESSAGE_MAP()
};
