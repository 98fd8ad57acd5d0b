// CListCtrl: the list view control as a framework window.
//
// As with the standard controls, each operation checks that the window exists
// and sends it one message, answering the control's failure value when it
// does not; text getters size their buffer to the text.
#pragma once
#include "AfxWnd.h"
#include "AfxImageList.h"
#include "AfxHeaderCtrl.h"
#include "AfxEdit.h"
#include "AfxCollections.h"

class AFX_API CListCtrl : public CWnd
{
    DECLARE_DYNAMIC(CListCtrl)
public:
    CListCtrl() = default;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ----- colours, images and styles ----------------------------------------------
    COLORREF GetBkColor() const;
    BOOL SetBkColor(COLORREF cr);
    COLORREF GetTextColor() const;
    BOOL SetTextColor(COLORREF cr);
    COLORREF GetTextBkColor() const;
    BOOL SetTextBkColor(COLORREF cr);
    // nImageList: LVSIL_NORMAL, LVSIL_SMALL or LVSIL_STATE.
    CImageList* GetImageList(int nImageList) const;
    // Returns the list used before.
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    DWORD GetExtendedStyle() const;
    // Returns the extended style before.
    DWORD SetExtendedStyle(DWORD dwNewStyle);
    UINT GetCallbackMask() const;
    BOOL SetCallbackMask(UINT nMask);

    // ----- items ---------------------------------------------------------------------
    int GetItemCount() const;
    void SetItemCount(int nItems);
    BOOL SetItemCountEx(int iCount, DWORD dwFlags = LVSICF_NOINVALIDATEALL);
    BOOL GetItem(LVITEMA* pItem) const;
    BOOL SetItem(const LVITEMA* pItem);
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage, UINT nState, UINT nStateMask,
                 LPARAM lParam);
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage, UINT nState, UINT nStateMask,
                 LPARAM lParam, int nIndent);
    // The whole text, however long; empty for a bad item or sub-item.
    CString GetItemText(int nItem, int nSubItem) const;
    // Copies at most nLen - 1 characters and a zero; returns the length copied.
    int GetItemText(int nItem, int nSubItem, LPSTR lpszText, int nLen) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCSTR lpszText);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    UINT GetItemState(int nItem, UINT nMask) const;
    // Item -1 changes every item.
    BOOL SetItemState(int nItem, LVITEMA* pItem);
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    // With LVS_EX_CHECKBOXES: 1 checked, 0 unchecked, -1 for an item without a check box.
    BOOL GetCheck(int nItem) const;
    BOOL SetCheck(int nItem, BOOL fCheck = TRUE);
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const;
    BOOL GetItemPosition(int nItem, LPPOINT lpPoint) const;
    BOOL SetItemPosition(int nItem, POINT pt);
    int GetStringWidth(LPCSTR lpsz) const;

    // ----- selection and navigation ----------------------------------------------------
    int GetNextItem(int nItem, int nFlags) const;
    // Walks the selected items: pos is null once the last one was returned.
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& pos) const;
    UINT GetSelectedCount() const;
    int GetSelectionMark() const;
    int SetSelectionMark(int iIndex);
    int GetHotItem() const;
    int SetHotItem(int iIndex);
    int GetTopIndex() const;
    int GetCountPerPage() const;
    BOOL GetViewRect(LPRECT lpRect) const;
    BOOL GetOrigin(LPPOINT lpPoint) const;

    // ----- columns ---------------------------------------------------------------------
    BOOL GetColumn(int nCol, LVCOLUMNA* pColumn) const;
    BOOL SetColumn(int nCol, const LVCOLUMNA* pColumn);
    int InsertColumn(int nCol, const LVCOLUMNA* pColumn);
    // nWidth -1 leaves the width to the control; nSubItem -1 leaves the sub-item unset.
    int InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1, int nSubItem = -1);
    BOOL DeleteColumn(int nCol);
    int GetColumnWidth(int nCol) const;
    BOOL SetColumnWidth(int nCol, int cx);
    BOOL GetColumnOrderArray(LPINT piArray, int iCount = -1) const;
    BOOL SetColumnOrderArray(int iCount, LPINT piArray);
    // The header of a report view, as a temporary object.
    CHeaderCtrl* GetHeaderCtrl() const;

    // ----- operations ----------------------------------------------------------------------
    int InsertItem(const LVITEMA* pItem);
    int InsertItem(int nItem, LPCSTR lpszItem);
    int InsertItem(int nItem, LPCSTR lpszItem, int nImage);
    int InsertItem(UINT nMask, int nItem, LPCSTR lpszItem, UINT nState, UINT nStateMask, int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    int FindItem(LVFINDINFOA* pFindInfo, int nStart = -1) const;
    int HitTest(LVHITTESTINFO* pHitTestInfo) const;
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    int SubItemHitTest(LPLVHITTESTINFO pInfo);
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);
    BOOL Scroll(CSize size);
    BOOL RedrawItems(int nFirst, int nLast);
    BOOL Update(int nItem);
    BOOL Arrange(UINT nCode);
    // The label editor, as a temporary object; null when no label is being edited.
    CEdit* EditLabel(int nItem);
    CEdit* GetEditControl() const;
    // Calls pfnCompare with the items' parameters.
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData);
    // A new image list the caller deletes, or null.
    CImageList* CreateDragImage(int nItem, LPPOINT lpPoint);

    // ----- owner draw (LVS_OWNERDRAWFIXED) -------------------------------------------------
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // Takes back an image list that belongs to a CImageList object before the
    // control, which destroys the lists it holds, goes away.
    void RemoveImageList(int nImageList);
    void OnNcDestroy();
    DECLARE_MESSAGE_MAP()
};
