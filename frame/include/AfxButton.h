// CButton: push buttons, check boxes and radio buttons as a framework window.
//
// Each operation checks that the window exists and sends it one message; on a
// missing window it answers the control's own failure value (CB_ERR, LB_ERR,
// 0 or FALSE). Text getters size their buffer to the text, never cutting it.
// Owner-drawn controls receive their WM_DRAWITEM, WM_MEASUREITEM,
// WM_COMPAREITEM and WM_DELETEITEM back from the parent through OnChildNotify
// and hand them to the virtual DrawItem, MeasureItem, CompareItem, DeleteItem.
#pragma once
#include "AfxWnd.h"

class AFX_API CButton : public CWnd
{
    DECLARE_DYNAMIC(CButton)
public:
    CButton() = default;
    virtual BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ----- attributes ------------------------------------------------------------
    UINT GetState() const;
    void SetState(BOOL bHighlight);
    int GetCheck() const;
    void SetCheck(int nCheck);
    // The BS_ type bits of the window style.
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const;
    HBITMAP SetBitmap(HBITMAP hBitmap);
    HBITMAP GetBitmap() const;
    HCURSOR SetCursor(HCURSOR hCursor);
    HCURSOR GetCursor();

    // ----- owner draw (BS_OWNERDRAW) ---------------------------------------------
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
