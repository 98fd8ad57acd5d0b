// CScrollBar: the scroll bar control as a framework window.
//
// Each operation checks that the window exists and sends it one message; on a
// missing window it answers the control's own failure value (CB_ERR, LB_ERR,
// 0 or FALSE). Text getters size their buffer to the text, never cutting it.
// Owner-drawn controls receive their WM_DRAWITEM, WM_MEASUREITEM,
// WM_COMPAREITEM and WM_DELETEITEM back from the parent through OnChildNotify
// and hand them to the virtual DrawItem, MeasureItem, CompareItem, DeleteItem.
#pragma once
#include "AfxWnd.h"

class AFX_API CScrollBar : public CWnd
{
    DECLARE_DYNAMIC(CScrollBar)
public:
    CScrollBar() = default;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetScrollPos() const;
    int SetScrollPos(int nPos, BOOL bRedraw = TRUE);
    void GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const;
    void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    void ShowScrollBar(BOOL bShow = TRUE);
    BOOL EnableScrollBar(UINT nArrowFlags = ESB_ENABLE_BOTH);
    BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    // The highest position the thumb can take: the range maximum less the page size.
    int GetScrollLimit();
};
