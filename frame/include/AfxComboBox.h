// CComboBox: the combo box as a framework window.
//
// Each operation checks that the window exists and sends it one message; on a
// missing window it answers the control's own failure value (CB_ERR, LB_ERR,
// 0 or FALSE). Text getters size their buffer to the text, never cutting it.
// Owner-drawn controls receive their WM_DRAWITEM, WM_MEASUREITEM,
// WM_COMPAREITEM and WM_DELETEITEM back from the parent through OnChildNotify
// and hand them to the virtual DrawItem, MeasureItem, CompareItem, DeleteItem.
#pragma once
#include "AfxWnd.h"

class AFX_API CComboBox : public CWnd
{
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox() = default;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ----- attributes ------------------------------------------------------------
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    LCID GetLocale() const;
    LCID SetLocale(LCID nNewLocale);
    int GetTopIndex() const;
    int SetTopIndex(int nIndex);
    int InitStorage(int nItems, UINT nBytes);
    void SetHorizontalExtent(UINT nExtent);
    UINT GetHorizontalExtent() const;
    int SetDroppedWidth(UINT nWidth);
    int GetDroppedWidth() const;
    DWORD GetEditSel() const;
    BOOL LimitText(int nMaxChars);
    BOOL SetEditSel(int nStartChar, int nEndChar);
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    void* GetItemDataPtr(int nIndex) const;
    int SetItemDataPtr(int nIndex, void* pData);
    // The buffer must hold GetLBTextLen + 1 characters.
    int GetLBText(int nIndex, LPSTR lpszText) const;
    // The whole text, however long; empty for a bad index.
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const;
    int SetItemHeight(int nIndex, UINT cyItemHeight);
    int GetItemHeight(int nIndex) const;
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const;
    int SetExtendedUI(BOOL bExtended = TRUE);
    BOOL GetExtendedUI() const;
    void GetDroppedControlRect(LPRECT lprect) const;
    BOOL GetDroppedState() const;

    // ----- operations --------------------------------------------------------------
    void ShowDropDown(BOOL bShowIt = TRUE);
    int AddString(LPCSTR lpszString);
    int DeleteString(UINT nIndex);
    int InsertString(int nIndex, LPCSTR lpszString);
    void ResetContent();
    int FindString(int nStartAfter, LPCSTR lpszString) const;
    int SelectString(int nStartAfter, LPCSTR lpszString);
    void Clear();
    void Copy();
    void Cut();
    void Paste();

    // ----- owner draw --------------------------------------------------------------
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    // Sorted owner-drawn lists: negative, 0 or positive as item 1 sorts before, with or after item 2.
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
