// Docking: the dock bars along a frame's sides, the small frames that floating
// bars live in, and the drag that moves a bar between them.
#pragma once
#include "AfxControlBar.h"
#include "AfxFrameWnd.h"
#include "AfxCollections.h"

// A bar along one side of a frame that holds other bars in rows. m_arrBars
// holds, in order, the docked bars, placeholders (the id of a bar that left,
// so that it can come back to its place) and nulls, each null ending a row;
// entry 0 is always null.
class AFX_API CDockBar : public CControlBar
{
    DECLARE_DYNAMIC(CDockBar)
public:
    explicit CDockBar(BOOL bFloating = FALSE);
    ~CDockBar() override;

    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

    // ----- attributes ----------------------------------------------------------
    BOOL IsDockBar() const override { return TRUE; }
    int GetDockedCount() const;
    int GetDockedVisibleCount() const;
    // The bar at nPos, null for a row end or a placeholder.
    CControlBar* GetDockedControlBar(int nPos) const;
    // The position of pBar (or of the placeholder with pBar's id when
    // bPlaceholder), -1 when absent.
    int FindBar(CControlBar* pBar, int nPosExclude = -1) const;
    int FindPlaceholder(UINT nID) const;
    static BOOL IsPlaceholder(void* pEntry);

    // ----- operations -----------------------------------------------------------
    // Docks pBar at lpRect (screen coordinates; the row and place under its
    // middle) or on a new row at the end.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Docks pBar at the place of its placeholder when there is one.
    void ReDockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Takes pBar out of the rows; with bAddPlaceHolder its id stays in its place.
    BOOL RemoveControlBar(CControlBar* pBar, int nPosExclude = -1, BOOL bAddPlaceHolder = FALSE);
    void RemovePlaceHolder(CControlBar* pBar);
    void ShowAll(BOOL bShow);

    // ----- layout -------------------------------------------------------------
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void DoPaint(CDC* pDC) override;

    CPtrArray m_arrBars;
    BOOL m_bFloating;
    BOOL m_bLayoutQuery = FALSE;
    CRect m_rectLayout;

protected:
    // How far the docked pBar overlaps its neighbours along its row and the
    // next row across: the two pixels of the bars' borders.
    virtual int GetBarOverlap(CControlBar* pBar) const;
    // The position for a bar dropped with its middle at ptMid (client coordinates).
    int Insert(CControlBar* pBar, CRect rect, CPoint ptMid);
    // Takes the entry at nPos out, and the row end after it when that leaves
    // an empty row.
    void RemoveEntry(int nPos);
    // Docks pBar at lpRect or on a new row; with bRedock, in the place of
    // its placeholder when there is one.
    void DockAt(CControlBar* pBar, LPCRECT lpRect, BOOL bRedock);
    // Takes pBar out of the rows without touching the frames (the bar is
    // being destroyed).
    void ForgetBar(CControlBar* pBar);

    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    friend class CDockContext;
    friend class CFrameWnd;
    friend class CControlBar;
};

// A frame with a small caption, for tool windows.
class AFX_API CMiniFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    CMiniFrameWnd();
    virtual BOOL CreateEx(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                          CWnd* pParentWnd = nullptr, UINT nID = 0);
    using CWnd::CreateEx;
    void PostNcDestroy() override;
};

// The small frame a floating bar lives in: one floating dock bar, sized to
// the bar, dragged by its caption, resized along the bar's rows when the bar
// is dynamic.
class AFX_API CMiniDockFrameWnd : public CMiniFrameWnd
{
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
public:
    CMiniDockFrameWnd();
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
    void RecalcLayout(BOOL bNotify = TRUE) override;
    // Commands of the floating bar go to the frame it came from.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    CDockBar m_wndDockBar;

protected:
    CControlBar* GetFloatingBar() const;
    void OnClose();
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    void OnSizing(UINT fwSide, LPRECT pRect);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    DECLARE_MESSAGE_MAP()
};

// Moves a bar with the mouse: dragged by its gripper it shows the outline it
// would take, docks where the outline touches a dock bar that accepts it (not
// while Ctrl is down) and floats elsewhere; a double-click toggles between its
// last docked and last floating places.
class AFX_API CDockContext
{
public:
    explicit CDockContext(CControlBar* pBar);
    virtual ~CDockContext();

    // Starts a drag at pt (screen coordinates); returns when the button is up.
    virtual void StartDrag(CPoint pt);
    virtual void ToggleDocking();
    void EndDrag();
    void CancelLoop();

    CControlBar* m_pBar;
    CFrameWnd* m_pDockSite;
    DWORD m_dwDockStyle = 0;
    DWORD m_dwOverDockStyle = 0;
    DWORD m_dwStyle = 0;  // the bar's style while dragging

    // Where the bar was last docked and last floated.
    UINT m_uMRUDockID = 0;
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle = 0;
    CPoint m_ptMRUFloatPos;

    // Drag state.
    CPoint m_ptLast;
    CRect m_rectLast;
    CSize m_sizeLast;
    BOOL m_bDitherLast = FALSE;
    CRect m_rectDragHorz;
    CRect m_rectDragVert;
    CRect m_rectFrameDragHorz;
    CRect m_rectFrameDragVert;
    BOOL m_bFlip = FALSE;
    BOOL m_bForceFrame = FALSE;
    BOOL m_bDragging = FALSE;
    HDC m_hDCDraw = nullptr;

protected:
    // Follows the mouse until the button goes up (TRUE) or Escape (FALSE).
    BOOL Track();
    void Move(CPoint pt);
    void OnKey(int nChar, BOOL bDown);
    void UpdateState(BOOL* pFlag, BOOL bNewValue);
    DWORD CanDock();
    CDockBar* GetDockBar(DWORD dwOverDockStyle);
    void DrawFocusRect(BOOL bRemoveRect = FALSE);
    void InitLoop();
};
