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
    // framework's.
    static void FrameEnableDocking(CFrameWnd* pFrame, DWORD dwDockStyle);

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
    // Hot buttons as a shadow silhouette on a darker face; route NM_CUSTOMDRAW here.
    void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();
    void OnSysColorChange();
    void OnNcPaint();
    DECLARE_MESSAGE_MAP()

    static int m_nComCtlVersion;  // -1 until read
};

// The dock bar of FrameEnableDocking: flat QELToolbar bars touch edge to edge;
// every other bar overlaps its neighbours by two pixels as in CDockBar.
class QEL_API CDockBarEx : public CDockBar
{
    DECLARE_DYNAMIC(CDockBarEx)
public:
    CDockBarEx();
    ~CDockBarEx() override;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    DECLARE_MESSAGE_MAP()
};
