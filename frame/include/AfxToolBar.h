// CToolBar: a control bar that is the platform toolbar control, with buttons
// from a toolbar resource, an image well, labels, tooltips and status texts
// from the command strings, and command states from the frame's handlers.
#pragma once
#include "AfxControlBar.h"
#include "AfxToolBarCtrl.h"
#include "AfxCollections.h"

// Button styles as GetButtonStyle reports them: the control's style in the low
// word and its state in the high word, with the enabled bit turned round.
#define TBBS_BUTTON        MAKELONG(TBSTYLE_BUTTON, 0)
#define TBBS_SEPARATOR     MAKELONG(TBSTYLE_SEP, 0)
#define TBBS_CHECKBOX      MAKELONG(TBSTYLE_CHECK, 0)
#define TBBS_GROUP         MAKELONG(TBSTYLE_GROUP, 0)
#define TBBS_CHECKGROUP    MAKELONG(TBSTYLE_CHECKGROUP, 0)
#define TBBS_DROPDOWN      MAKELONG(TBSTYLE_DROPDOWN, 0)
#define TBBS_AUTOSIZE      MAKELONG(TBSTYLE_AUTOSIZE, 0)
#define TBBS_NOPREFIX      MAKELONG(TBSTYLE_NOPREFIX, 0)
#define TBBS_CHECKED       MAKELONG(0, TBSTATE_CHECKED)
#define TBBS_PRESSED       MAKELONG(0, TBSTATE_PRESSED)
#define TBBS_DISABLED      MAKELONG(0, TBSTATE_ENABLED)
#define TBBS_INDETERMINATE MAKELONG(0, TBSTATE_INDETERMINATE)
#define TBBS_HIDDEN        MAKELONG(0, TBSTATE_HIDDEN)
#define TBBS_WRAPPED       MAKELONG(0, TBSTATE_WRAP)
#define TBBS_ELLIPSES      MAKELONG(0, TBSTATE_ELLIPSES)
#define TBBS_MARKED        MAKELONG(0, TBSTATE_MARKED)

// The resource type of toolbar resources and the layout of one.
#define RT_TOOLBAR MAKEINTRESOURCEA(241)
struct CToolBarData
{
    WORD wVersion;  // 1
    WORD wWidth;    // image width
    WORD wHeight;   // image height
    WORD wItemCount;
    // WORD aItems[wItemCount]: command ids, 0 for a separator
};
// The image size and command ids of a toolbar resource, in the layout above or
// in the one GNU windres writes for its TOOLBAR statement (32-bit width,
// height, count and ids, no version). FALSE for anything else or a short one.
AFX_API BOOL AFXAPI AfxParseToolBarResource(const void* pResource, DWORD cbResource, CSize& sizeImage,
                                            CUIntArray& arrIDs);

class AFX_API CToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    ~CToolBar() override;

    // ----- creation ------------------------------------------------------------
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);
    // dwCtrlStyle: TBSTYLE_* of the control; dwStyle: window and CBRS_* styles;
    // rcBorders: the bar's border widths.
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                          DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
                          UINT nID = AFX_IDW_TOOLBAR);
    // Button and image sizes; the button must be at least the image plus (7, 6).
    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    void SetHeight(int cyHeight);
    // Buttons and image well from toolbar and bitmap resources of one id.
    BOOL LoadToolBar(LPCSTR lpszResourceName);
    BOOL LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCEA(nIDResource)); }
    BOOL LoadBitmap(LPCSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCEA(nIDResource)); }
    // Takes ownership of hbmImageWell.
    BOOL SetBitmap(HBITMAP hbmImageWell);
    // One button per id (ID_SEPARATOR for a separator); a null array makes
    // nIDCount separators to be filled with SetButtonInfo.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);

    // ----- buttons by index -------------------------------------------------------
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    virtual void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
    BOOL SetButtonText(int nIndex, LPCSTR lpszText);
    CString GetButtonText(int nIndex) const;
    void GetButtonText(int nIndex, CString& rString) const;

    CToolBarCtrl& GetToolBarCtrl() const;

    // ----- layout ---------------------------------------------------------------
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;

    // ----- data -------------------------------------------------------------------
    HINSTANCE m_hInstImageWell = nullptr;  // module of the image-well bitmap resource
    HRSRC m_hRsrcImageWell = nullptr;      // the image-well bitmap resource
    HBITMAP m_hbmImageWell = nullptr;      // the image well, owned
    BOOL m_bDelayedButtonLayout = TRUE;    // lay the buttons out again before the next move
    CSize m_sizeImage;
    CSize m_sizeButton;
    CMapStringToPtr* m_pStringMap = nullptr;  // label text to its index in the string pool

protected:
    // The control's record i with TBSTATE_ENABLED turned round (set: disabled).
    void _GetButton(int nIndex, TBBUTTON* pButton) const;
    // Writes record i back (turning the bit round again) when it changed.
    void _SetButton(int nIndex, TBBUTTON* pButton);
    // Lays the buttons out for the bar's current place and commits it.
    void Layout();
    CSize CalcLayout(DWORD dwMode, int nLength = -1);
    // What a layout in dwMode puts round the buttons: shrinks rectInside (an
    // empty rectangle) by the borders and gripper, and answers the base
    // control bar's fixed size, the least the bar takes.
    CSize CalcLayoutMargins(DWORD dwMode, CRect& rectInside);
    CSize CalcSize(TBBUTTON* pData, int nCount);
    int WrapToolBar(TBBUTTON* pData, int nCount, int nWidth);
    void SizeToolBar(TBBUTTON* pData, int nCount, int nLength, BOOL bVert = FALSE);
    // Sends straight to the toolbar control, past this object's handlers.
    LRESULT DefCtrl(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // Adds the bitmap to the control's image list (replacing the old one).
    BOOL AddReplaceBitmap(HBITMAP hbmImageWell);
    // The label map, made on first use; the bar owns it, so a derived bar in
    // another module fills it without ever freeing it across modules.
    CMapStringToPtr* CreateStringMap();

    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    UINT OnNcHitTest(CPoint point);
    void OnWindowPosChanging(WINDOWPOS* lpWndPos);
    void OnSysColorChange();
    void OnPaint();
    LRESULT OnSetButtonSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetBitmapSize(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    friend class CToolCmdUI;
};
