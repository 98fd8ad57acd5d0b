// CControlBar: a window docked along an edge of a frame (or floating in a small
// frame of its own) that takes its part of the frame's client area during the
// frame's layout, paints borders and a gripper, and follows the application's
// command states while the application is idle.
#pragma once
#include "AfxWnd.h"
#include "AfxGdi.h"

class CFrameWnd;
class CDockBar;
class CDockContext;
struct AFX_SIZEPARENTPARAMS;

// ----- bar styles (CControlBar::m_dwStyle, not window styles) -------------
#define CBRS_FLOATING      0x0001L
#define CBRS_SIZE_FIXED    0x0002L
#define CBRS_SIZE_DYNAMIC  0x0004L
#define CBRS_HIDE_INPLACE  0x0008L
#define CBRS_TOOLTIPS      0x0010L
#define CBRS_FLYBY         0x0020L
#define CBRS_FLOAT_MULTI   0x0040L
#define CBRS_BORDER_3D     0x0080L
#define CBRS_BORDER_LEFT   0x0100L
#define CBRS_BORDER_TOP    0x0200L
#define CBRS_BORDER_RIGHT  0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY    0x0F00L
#define CBRS_ALIGN_LEFT    0x1000L
#define CBRS_ALIGN_TOP     0x2000L
#define CBRS_ALIGN_RIGHT   0x4000L
#define CBRS_ALIGN_BOTTOM  0x8000L
#define CBRS_ALIGN_ANY     0xF000L
#define CBRS_GRIPPER       0x00400000L
#define CBRS_ALL           0x0040FFFFL

#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY  (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_NOALIGN     0x00000000L
#define CBRS_LEFT        (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP         (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT       (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM      (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// ----- layout modes of CalcDynamicLayout ------------------------------------
#define LM_STRETCH  0x01  // stretch to fill the frame's side
#define LM_HORZ     0x02  // horizontal, otherwise vertical
#define LM_MRUWIDTH 0x04  // the most-recently-used floating width
#define LM_HORZDOCK 0x08  // docked along the top or bottom
#define LM_VERTDOCK 0x10  // docked along the left or right
#define LM_LENGTHY  0x20  // nLength is a height, otherwise a width
#define LM_COMMIT   0x40  // remember the result (the bar shows it now)

// ----- frame-wide ids of the bars and their commands ------------------------
#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST  0xE8FF
#define AFX_IDW_DIALOGBAR        0xE805
#define ID_VIEW_TOOLBAR          0xE800
#define ID_VIEW_STATUS_BAR       0xE801
#define ID_VIEW_REBAR            0xE804
#define ID_SEPARATOR             0

// Asks a frame to show a command's status text (wParam: the command id, or
// AFX_IDS_IDLEMESSAGE for none); its status bar, if any, shows the text.
#define WM_SETMESSAGESTRING     0x0362
#define WM_POPMESSAGESTRING     0x0375
#define AFX_IDS_IDLEMESSAGE     0xE001
#define AFX_IDS_HELPMODEMESSAGE 0xE002

// Placeholders in a dock bar's row array stand for a bar that left the row
// (floating or not yet created): they hold the bar's control id, which is
// always below this value, where a real object's address never is.
#define AFX_DOCKBAR_PLACEHOLDER_LIMIT 0x10000

class AFX_API CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)
public:
    CControlBar();
    ~CControlBar() override;

    // ----- attributes ---------------------------------------------------------
    int GetCount() const { return m_nCount; }
    // Bar styles: the CBRS_* bits. Changing them calls OnBarStyleChange.
    void SetBarStyle(DWORD dwStyle);
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    void SetBorders(LPCRECT lpRect);
    CRect GetBorders() const;
    CFrameWnd* GetDockingFrame() const;
    BOOL IsFloating() const;
    virtual BOOL IsDockBar() const { return FALSE; }
    // Visible, or to be shown at the next layout.
    virtual BOOL IsVisible() const;

    // ----- operations -----------------------------------------------------------
    // Lets the bar be dragged to the frame's sides in dwDockStyle (CBRS_ALIGN_*)
    // or floated (CBRS_FLOAT_MULTI); 0 turns docking off.
    void EnableDocking(DWORD dwDockStyle);
    // Shows or hides the bar at the next layout, so that the frame moves
    // everything at once.
    virtual void DelayShow(BOOL bShow);

    // ----- layout ---------------------------------------------------------------
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    // Shrinks rect by the borders and the gripper (bHorz: a horizontal bar).
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    // WM_NCCALCSIZE of bars with non-client borders: the client area becomes
    // the inside that CalcInsideRect leaves, never less than empty.
    void CalcNonClientInside(NCCALCSIZE_PARAMS* lpncsp) const;

    // ----- painting ---------------------------------------------------------------
    virtual void DoPaint(CDC* pDC);
    // Draws the border lines of m_dwStyle inside rect and narrows rect past them.
    virtual void DrawBorders(CDC* pDC, CRect& rect);
    virtual void DrawGripper(CDC* pDC, const CRect& rect);
    // Paints the non-client area: borders (DrawNonClientBorders), background
    // and gripper.
    void EraseNonClient();

    // ----- overridables --------------------------------------------------------
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);
    // The command id under point, -1 over no command (a drag may start there).
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;
    BOOL DestroyWindow() override;

    // Applies a pending DelayShow inside the frame's layout batch; returns the
    // window style the bar will have.
    DWORD RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);

    // ----- data (public, as the docking classes and derived bars use it) --------
    int m_cxLeftBorder = 6;
    int m_cxRightBorder = 6;
    int m_cyTopBorder = 1;
    int m_cyBottomBorder = 1;
    int m_cxDefaultGap = 2;
    // Width of the bar when it last floated (LM_MRUWIDTH).
    UINT m_nMRUWidth = 32767;
    // The object deletes itself when its window is gone (bars made with new).
    BOOL m_bAutoDelete = FALSE;

    enum StateFlags { delayHide = 1, delayShow = 2, tempHide = 4, statusSet = 8 };
    UINT m_nStateFlags = 0;
    DWORD m_dwStyle = 0;
    DWORD m_dwDockStyle = 0;
    CFrameWnd* m_pDockSite = nullptr;
    CDockBar* m_pDockBar = nullptr;
    CDockContext* m_pDockContext = nullptr;
    int m_nCount = 0;

protected:
    // EraseNonClient's borders: draws them in pDC, a context of the whole
    // window (rect: the window from 0, 0), narrows rect past them and clips
    // out of pDC what of them the background that follows must not cover.
    // DrawBorders by default; a bar with borders of its own overrides it.
    virtual void DrawNonClientBorders(CDC* pDC, CRect& rect);
    // Moves each side of rect that m_dwStyle gives a border (CBRS_BORDER_*)
    // nWidth pixels inwards.
    void DeflateByBorders(CRect& rect, int nWidth) const;
    // Registers the bar with its frame; derived Create functions call it.
    void AttachToDockSite(CWnd* pParentWnd);
    // The frame whose commands the bar shows.
    CFrameWnd* GetCommandTarget() const;
    // The frame that lays the bar out when it shows or hides.
    void DelayRecalcLayoutOfFrame();

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonDown(UINT nFlags, CPoint pt);
    void OnLButtonDblClk(UINT nFlags, CPoint pt);
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT nMsg);
    void OnWindowPosChanging(WINDOWPOS* lpWndPos);
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    friend class CFrameWnd;
    friend class CDockBar;
    friend class CDockContext;
};

// Moves hWnd to rect inside the frame's deferred layout batch (or at once when
// the batch failed); an unchanged rectangle is not queued.
AFX_API void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);
// A bitmap resource with the standard toolbar greys, black and white mapped to
// the current system colours.
AFX_API HBITMAP AFXAPI AfxLoadSysColorBitmap(HINSTANCE hInst, HRSRC hRsrc, BOOL bMono = FALSE);
