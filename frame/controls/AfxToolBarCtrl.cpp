// CToolBarCtrl: each operation is one message to the toolbar control, answered
// with the failure value when the control does not exist.
#include "AfxToolBarCtrl.h"
#include "AfxControlSend.h"
#include "afxcmn.h"

IMPLEMENT_DYNAMIC(CToolBarCtrl, CWnd)

BOOL CToolBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateEx(0, dwStyle, rect, pParentWnd, nID);
}

BOOL CToolBarCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!CWnd::CreateEx(dwExStyle, TOOLBARCLASSNAMEA, nullptr, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    SetButtonStructSize(sizeof(TBBUTTON));
    return TRUE;
}

namespace {
template <class T>
T Send(const CWnd* pWnd, T failure, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendIfLive<T>(pWnd->m_hWnd, failure, message, wParam, lParam);
}
// Handles come back as the result's bits.
template <class H>
H SendHandle(const CWnd* pWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return reinterpret_cast<H>(SendIfLive<LRESULT>(pWnd->m_hWnd, 0, message, wParam, lParam));
}
}

BOOL CToolBarCtrl::IsButtonEnabled(int nID) const { return Send<BOOL>(this, FALSE, TB_ISBUTTONENABLED, nID) != 0; }
BOOL CToolBarCtrl::IsButtonChecked(int nID) const { return Send<BOOL>(this, FALSE, TB_ISBUTTONCHECKED, nID) != 0; }
BOOL CToolBarCtrl::IsButtonPressed(int nID) const { return Send<BOOL>(this, FALSE, TB_ISBUTTONPRESSED, nID) != 0; }
// Nonzero when hidden; Wine's control answers the state bit itself (8), not 1.
BOOL CToolBarCtrl::IsButtonHidden(int nID) const { return Send<BOOL>(this, FALSE, TB_ISBUTTONHIDDEN, nID) != 0; }
BOOL CToolBarCtrl::IsButtonIndeterminate(int nID) const
{
    return Send<BOOL>(this, FALSE, TB_ISBUTTONINDETERMINATE, nID) != 0;
}
int CToolBarCtrl::GetState(int nID) const { return Send<int>(this, -1, TB_GETSTATE, nID); }
BOOL CToolBarCtrl::SetState(int nID, UINT nState)
{
    return Send<BOOL>(this, FALSE, TB_SETSTATE, nID, MAKELPARAM(nState, 0));
}
BOOL CToolBarCtrl::GetButton(int nIndex, LPTBBUTTON lpButton) const
{
    if (lpButton == nullptr)
        return FALSE;
    return Send<BOOL>(this, FALSE, TB_GETBUTTON, nIndex, (LPARAM)lpButton);
}
int CToolBarCtrl::GetButtonCount() const { return Send<int>(this, 0, TB_BUTTONCOUNT); }
BOOL CToolBarCtrl::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (lpRect == nullptr)
        return FALSE;
    return Send<BOOL>(this, FALSE, TB_GETITEMRECT, nIndex, (LPARAM)lpRect);
}
BOOL CToolBarCtrl::GetRect(int nID, LPRECT lpRect) const
{
    if (lpRect == nullptr)
        return FALSE;
    return Send<BOOL>(this, FALSE, TB_GETRECT, nID, (LPARAM)lpRect);
}
void CToolBarCtrl::SetButtonStructSize(int nSize) { Send<LRESULT>(this, 0, TB_BUTTONSTRUCTSIZE, nSize); }
CSize CToolBarCtrl::GetButtonSize() const
{
    DWORD dw = GetButtonSizeRaw();
    return CSize(LOWORD(dw), HIWORD(dw));
}
DWORD CToolBarCtrl::GetButtonSizeRaw() const { return Send<DWORD>(this, 0, TB_GETBUTTONSIZE); }
BOOL CToolBarCtrl::SetButtonSize(CSize size)
{
    return Send<BOOL>(this, FALSE, TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy));
}
BOOL CToolBarCtrl::SetBitmapSize(CSize size)
{
    return Send<BOOL>(this, FALSE, TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy));
}
CToolTipCtrl* CToolBarCtrl::GetToolTips() const
{
    HWND hTip = SendHandle<HWND>(this, TB_GETTOOLTIPS);
    return hTip != nullptr ? static_cast<CToolTipCtrl*>(CWnd::FromHandle(hTip)) : nullptr;
}
void CToolBarCtrl::SetToolTips(CToolTipCtrl* pTip)
{
    Send<LRESULT>(this, 0, TB_SETTOOLTIPS, (WPARAM)pTip->GetSafeHwnd());
}
void CToolBarCtrl::SetOwner(CWnd* pWnd) { Send<LRESULT>(this, 0, TB_SETPARENT, (WPARAM)pWnd->GetSafeHwnd()); }
void CToolBarCtrl::SetRows(int nRows, BOOL bLarger, LPRECT lpRect)
{
    Send<LRESULT>(this, 0, TB_SETROWS, MAKEWPARAM(nRows, bLarger), (LPARAM)lpRect);
}
int CToolBarCtrl::GetRows() const { return Send<int>(this, 0, TB_GETROWS); }
BOOL CToolBarCtrl::SetCmdID(int nIndex, UINT nID) { return Send<BOOL>(this, FALSE, TB_SETCMDID, nIndex, nID); }
UINT CToolBarCtrl::GetBitmapFlags() const { return Send<UINT>(this, 0, TB_GETBITMAPFLAGS); }
DWORD CToolBarCtrl::GetStyle() const { return Send<DWORD>(this, 0, TB_GETSTYLE); }
void CToolBarCtrl::SetStyle(DWORD dwStyle) { Send<LRESULT>(this, 0, TB_SETSTYLE, 0, (LPARAM)dwStyle); }
DWORD CToolBarCtrl::GetExtendedStyle() const { return Send<DWORD>(this, 0, TB_GETEXTENDEDSTYLE); }
DWORD CToolBarCtrl::SetExtendedStyle(DWORD dwExStyle)
{
    return Send<DWORD>(this, 0, TB_SETEXTENDEDSTYLE, 0, (LPARAM)dwExStyle);
}
int CToolBarCtrl::GetHotItem() const { return Send<int>(this, -1, TB_GETHOTITEM); }
int CToolBarCtrl::SetHotItem(int nHot) { return Send<int>(this, -1, TB_SETHOTITEM, nHot); }
BOOL CToolBarCtrl::GetButtonInfo(int nID, TBBUTTONINFOA* ptbbi) const
{
    if (ptbbi == nullptr)
        return FALSE;
    return Send<int>(this, -1, TB_GETBUTTONINFOA, nID, (LPARAM)ptbbi) != -1;
}
BOOL CToolBarCtrl::SetButtonInfo(int nID, TBBUTTONINFOA* ptbbi)
{
    if (ptbbi == nullptr)
        return FALSE;
    return Send<BOOL>(this, FALSE, TB_SETBUTTONINFOA, nID, (LPARAM)ptbbi);
}
CImageList* CToolBarCtrl::GetImageList() const
{
    return CImageList::FromHandle(SendHandle<HIMAGELIST>(this, TB_GETIMAGELIST));
}
CImageList* CToolBarCtrl::SetImageList(CImageList* pImageList)
{
    return CImageList::FromHandle(
        SendHandle<HIMAGELIST>(this, TB_SETIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
}
CImageList* CToolBarCtrl::GetDisabledImageList() const
{
    return CImageList::FromHandle(SendHandle<HIMAGELIST>(this, TB_GETDISABLEDIMAGELIST));
}
CImageList* CToolBarCtrl::SetDisabledImageList(CImageList* pImageList)
{
    return CImageList::FromHandle(
        SendHandle<HIMAGELIST>(this, TB_SETDISABLEDIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
}
CImageList* CToolBarCtrl::GetHotImageList() const
{
    return CImageList::FromHandle(SendHandle<HIMAGELIST>(this, TB_GETHOTIMAGELIST));
}
CImageList* CToolBarCtrl::SetHotImageList(CImageList* pImageList)
{
    return CImageList::FromHandle(
        SendHandle<HIMAGELIST>(this, TB_SETHOTIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
}
BOOL CToolBarCtrl::SetIndent(int iIndent) { return Send<BOOL>(this, FALSE, TB_SETINDENT, iIndent); }
BOOL CToolBarCtrl::SetMaxTextRows(int iMaxRows) { return Send<BOOL>(this, FALSE, TB_SETMAXTEXTROWS, iMaxRows); }
int CToolBarCtrl::GetTextRows() const { return Send<int>(this, 0, TB_GETTEXTROWS); }
BOOL CToolBarCtrl::SetButtonWidth(int cxMin, int cxMax)
{
    return Send<BOOL>(this, FALSE, TB_SETBUTTONWIDTH, 0, MAKELPARAM(cxMin, cxMax));
}
int CToolBarCtrl::GetButtonText(UINT nID, LPSTR lpszText) const
{
    return Send<int>(this, -1, TB_GETBUTTONTEXTA, nID, (LPARAM)lpszText);
}
CString CToolBarCtrl::GetButtonText(UINT nID) const
{
    CString strText;
    int nLen = GetButtonText(nID, nullptr);
    if (nLen > 0) {
        GetButtonText(nID, strText.GetBuffer(nLen + 1));
        strText.ReleaseBuffer(nLen);
    }
    return strText;
}

BOOL CToolBarCtrl::EnableButton(int nID, BOOL bEnable)
{
    return Send<BOOL>(this, FALSE, TB_ENABLEBUTTON, nID, MAKELPARAM(bEnable, 0));
}
BOOL CToolBarCtrl::CheckButton(int nID, BOOL bCheck)
{
    return Send<BOOL>(this, FALSE, TB_CHECKBUTTON, nID, MAKELPARAM(bCheck, 0));
}
BOOL CToolBarCtrl::PressButton(int nID, BOOL bPress)
{
    return Send<BOOL>(this, FALSE, TB_PRESSBUTTON, nID, MAKELPARAM(bPress, 0));
}
BOOL CToolBarCtrl::HideButton(int nID, BOOL bHide)
{
    return Send<BOOL>(this, FALSE, TB_HIDEBUTTON, nID, MAKELPARAM(bHide, 0));
}
BOOL CToolBarCtrl::Indeterminate(int nID, BOOL bIndeterminate)
{
    return Send<BOOL>(this, FALSE, TB_INDETERMINATE, nID, MAKELPARAM(bIndeterminate, 0));
}
int CToolBarCtrl::AddBitmap(int nNumButtons, UINT nBitmapID)
{
    TBADDBITMAP tbab = { AfxFindResourceHandle(MAKEINTRESOURCEA(nBitmapID), MAKEINTRESOURCEA(2) /* RT_BITMAP */),
                         nBitmapID };
    return Send<int>(this, -1, TB_ADDBITMAP, nNumButtons, (LPARAM)&tbab);
}
int CToolBarCtrl::AddBitmap(int nNumButtons, CBitmap* pBitmap)
{
    TBADDBITMAP tbab = { nullptr, (UINT_PTR)pBitmap->GetSafeHandle() };
    return Send<int>(this, -1, TB_ADDBITMAP, nNumButtons, (LPARAM)&tbab);
}
BOOL CToolBarCtrl::AddButtons(int nNumButtons, LPTBBUTTON lpButtons)
{
    if (lpButtons == nullptr || nNumButtons < 0)
        return FALSE;
    return Send<BOOL>(this, FALSE, TB_ADDBUTTONSA, nNumButtons, (LPARAM)lpButtons);
}
BOOL CToolBarCtrl::InsertButton(int nIndex, LPTBBUTTON lpButton)
{
    if (lpButton == nullptr)
        return FALSE;
    return Send<BOOL>(this, FALSE, TB_INSERTBUTTONA, nIndex, (LPARAM)lpButton);
}
BOOL CToolBarCtrl::DeleteButton(int nIndex) { return Send<BOOL>(this, FALSE, TB_DELETEBUTTON, nIndex); }
BOOL CToolBarCtrl::MoveButton(UINT nOldPos, UINT nNewPos)
{
    return Send<BOOL>(this, FALSE, TB_MOVEBUTTON, nOldPos, nNewPos);
}
UINT CToolBarCtrl::CommandToIndex(UINT nID) const { return Send<UINT>(this, (UINT)-1, TB_COMMANDTOINDEX, nID); }
int CToolBarCtrl::AddStrings(LPCSTR lpszStrings)
{
    if (lpszStrings == nullptr)
        return -1;
    return Send<int>(this, -1, TB_ADDSTRINGA, 0, (LPARAM)lpszStrings);
}
int CToolBarCtrl::AddString(UINT nStringID)
{
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEA((nStringID >> 4) + 1), MAKEINTRESOURCEA(6));
    return Send<int>(this, -1, TB_ADDSTRINGA, (WPARAM)hInst, nStringID);
}
void CToolBarCtrl::AutoSize() { Send<LRESULT>(this, 0, TB_AUTOSIZE); }
void CToolBarCtrl::Customize() { Send<LRESULT>(this, 0, TB_CUSTOMIZE); }
void CToolBarCtrl::SaveState(HKEY hKeyRoot, LPCSTR lpszSubKey, LPCSTR lpszValueName)
{
    TBSAVEPARAMSA params = { hKeyRoot, lpszSubKey, lpszValueName };
    Send<LRESULT>(this, 0, TB_SAVERESTOREA, TRUE, (LPARAM)&params);
}
void CToolBarCtrl::RestoreState(HKEY hKeyRoot, LPCSTR lpszSubKey, LPCSTR lpszValueName)
{
    TBSAVEPARAMSA params = { hKeyRoot, lpszSubKey, lpszValueName };
    Send<LRESULT>(this, 0, TB_SAVERESTOREA, FALSE, (LPARAM)&params);
}
int CToolBarCtrl::HitTest(LPPOINT ppt) const
{
    if (ppt == nullptr)
        return -1;
    return Send<int>(this, -1, TB_HITTEST, 0, (LPARAM)ppt);
}
BOOL CToolBarCtrl::ReplaceBitmap(LPTBREPLACEBITMAP pReplaceBitmap)
{
    if (pReplaceBitmap == nullptr)
        return FALSE;
    return Send<BOOL>(this, FALSE, TB_REPLACEBITMAP, 0, (LPARAM)pReplaceBitmap);
}
