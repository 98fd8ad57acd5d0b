// CToolBarCtrl: the platform toolbar control, one message per operation.
#pragma once
#include "AfxWnd.h"
#include "AfxGdi.h"

class CImageList;
class CToolTipCtrl;

class AFX_API CToolBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolBarCtrl)
public:
    CToolBarCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ----- attributes ------------------------------------------------------------
    BOOL IsButtonEnabled(int nID) const;
    BOOL IsButtonChecked(int nID) const;
    BOOL IsButtonPressed(int nID) const;
    BOOL IsButtonHidden(int nID) const;
    BOOL IsButtonIndeterminate(int nID) const;
    int GetState(int nID) const;
    BOOL SetState(int nID, UINT nState);
    BOOL GetButton(int nIndex, LPTBBUTTON lpButton) const;
    int GetButtonCount() const;
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const;
    BOOL GetRect(int nID, LPRECT lpRect) const;
    void SetButtonStructSize(int nSize);
    CSize GetButtonSize() const;
    BOOL SetButtonSize(CSize size);
    BOOL SetBitmapSize(CSize size);
    CToolTipCtrl* GetToolTips() const;
    void SetToolTips(CToolTipCtrl* pTip);
    void SetOwner(CWnd* pWnd);
    void SetRows(int nRows, BOOL bLarger, LPRECT lpRect);
    int GetRows() const;
    BOOL SetCmdID(int nIndex, UINT nID);
    UINT GetBitmapFlags() const;
    DWORD GetStyle() const;
    void SetStyle(DWORD dwStyle);
    DWORD GetExtendedStyle() const;
    DWORD SetExtendedStyle(DWORD dwExStyle);
    int GetHotItem() const;
    int SetHotItem(int nHot);
    BOOL GetButtonInfo(int nID, TBBUTTONINFOA* ptbbi) const;
    BOOL SetButtonInfo(int nID, TBBUTTONINFOA* ptbbi);
    CImageList* GetImageList() const;
    CImageList* SetImageList(CImageList* pImageList);
    CImageList* GetDisabledImageList() const;
    CImageList* SetDisabledImageList(CImageList* pImageList);
    CImageList* GetHotImageList() const;
    CImageList* SetHotImageList(CImageList* pImageList);
    BOOL SetIndent(int iIndent);
    BOOL SetMaxTextRows(int iMaxRows);
    int GetTextRows() const;
    BOOL SetButtonWidth(int cxMin, int cxMax);
    DWORD GetButtonSizeRaw() const;
    // Text of the button with command nID; -1 when it has none.
    int GetButtonText(UINT nID, LPSTR lpszText) const;
    CString GetButtonText(UINT nID) const;

    // ----- operations -----------------------------------------------------------
    BOOL EnableButton(int nID, BOOL bEnable = TRUE);
    BOOL CheckButton(int nID, BOOL bCheck = TRUE);
    BOOL PressButton(int nID, BOOL bPress = TRUE);
    BOOL HideButton(int nID, BOOL bHide = TRUE);
    BOOL Indeterminate(int nID, BOOL bIndeterminate = TRUE);
    // The index of the first image added; -1 on failure.
    int AddBitmap(int nNumButtons, UINT nBitmapID);
    int AddBitmap(int nNumButtons, CBitmap* pBitmap);
    BOOL AddButtons(int nNumButtons, LPTBBUTTON lpButtons);
    BOOL InsertButton(int nIndex, LPTBBUTTON lpButton);
    BOOL DeleteButton(int nIndex);
    BOOL MoveButton(UINT nOldPos, UINT nNewPos);
    UINT CommandToIndex(UINT nID) const;
    // Adds strings from a double-NUL-terminated list; the index of the first.
    int AddStrings(LPCSTR lpszStrings);
    int AddString(UINT nStringID);
    void AutoSize();
    void Customize();
    void SaveState(HKEY hKeyRoot, LPCSTR lpszSubKey, LPCSTR lpszValueName);
    void RestoreState(HKEY hKeyRoot, LPCSTR lpszSubKey, LPCSTR lpszValueName);
    // The index of the button at point (client coordinates); negative for a
    // separator or no button.
    int HitTest(LPPOINT ppt) const;
    BOOL ReplaceBitmap(LPTBREPLACEBITMAP pReplaceBitmap);
};
