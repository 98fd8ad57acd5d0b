// CHeaderCtrl: the header control as a framework window.
//
// As with the standard controls, each operation checks that the window exists
// and sends it one message, answering the control's failure value when it
// does not; text getters size their buffer to the text.
#pragma once
#include "AfxWnd.h"
#include "AfxImageList.h"

class AFX_API CHeaderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    CHeaderCtrl() = default;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ----- attributes ------------------------------------------------------------
    int GetItemCount() const;
    BOOL GetItem(int nPos, HDITEMA* pHeaderItem) const;
    BOOL SetItem(int nPos, HDITEMA* pHeaderItem);
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const;
    CImageList* GetImageList() const;
    // Returns the list used before.
    CImageList* SetImageList(CImageList* pImageList);
    BOOL GetOrderArray(LPINT piArray, int iCount = -1);
    BOOL SetOrderArray(int iCount, LPINT piArray);
    int OrderToIndex(int nOrder) const;

    // ----- operations --------------------------------------------------------------
    int InsertItem(int nPos, HDITEMA* phdi);
    BOOL DeleteItem(int nPos);
    BOOL Layout(HDLAYOUT* pHeaderLayout);
    int SetHotDivider(CPoint pt);
    int SetHotDivider(int nIndex);

    // ----- owner draw (HDF_OWNERDRAW items) ----------------------------------------------
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
