// CListBox: the list box as a framework window.
//
// Each operation checks that the window exists and sends it one message; on a
// missing window it answers the control's own failure value (CB_ERR, LB_ERR,
// 0 or FALSE). Text getters size their buffer to the text, never cutting it.
// Owner-drawn controls receive their WM_DRAWITEM, WM_MEASUREITEM,
// WM_COMPAREITEM and WM_DELETEITEM back from the parent through OnChildNotify
// and hand them to the virtual DrawItem, MeasureItem, CompareItem, DeleteItem.
#pragma once
#include "AfxWnd.h"

class AFX_API CListBox : public CWnd
{
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox() = default;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ----- attributes ------------------------------------------------------------
    int GetCount() const;
    int GetHorizontalExtent() const;
    void SetHorizontalExtent(int cxExtent);
    int GetTopIndex() const;
    int SetTopIndex(int nIndex);
    LCID GetLocale() const;
    LCID SetLocale(LCID nNewLocale);
    int InitStorage(int nItems, UINT nBytes);
    UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    void* GetItemDataPtr(int nIndex) const;
    int SetItemDataPtr(int nIndex, void* pData);
    int GetItemRect(int nIndex, LPRECT lpRect) const;
    int GetSel(int nIndex) const;
    // The buffer must hold GetTextLen + 1 characters.
    int GetText(int nIndex, LPSTR lpszBuffer) const;
    // The whole text, however long; empty for a bad index.
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const;
    void SetColumnWidth(int cxWidth);
    BOOL SetTabStops(int nTabStops, LPINT rgTabStops);
    void SetTabStops();
    BOOL SetTabStops(const int& cxEachStop);
    int SetItemHeight(int nIndex, UINT cyItemHeight);
    int GetItemHeight(int nIndex) const;
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const;
    int GetCaretIndex() const;
    int SetCaretIndex(int nIndex, BOOL bScroll = TRUE);

    // Single-selection lists.
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    // Multiple-selection lists.
    int SetSel(int nIndex, BOOL bSelect = TRUE);
    int GetSelCount() const;
    int GetSelItems(int nMaxItems, LPINT rgIndex) const;
    void SetAnchorIndex(int nIndex);
    int GetAnchorIndex() const;

    // ----- operations --------------------------------------------------------------
    int AddString(LPCSTR lpszItem);
    int DeleteString(UINT nIndex);
    int InsertString(int nIndex, LPCSTR lpszItem);
    void ResetContent();
    int FindString(int nStartAfter, LPCSTR lpszItem) const;
    int SelectString(int nStartAfter, LPCSTR lpszItem);
    int SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem);

    // ----- owner draw --------------------------------------------------------------
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);
    // LBS_WANTKEYBOARDINPUT: the item to go to, -1 for the default action, -2 when handled.
    virtual int VKeyToItem(UINT nKey, UINT nIndex);
    virtual int CharToItem(UINT nKey, UINT nIndex);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
