// CComboBox: the combo box.
#include "AfxComboBox.h"
#include "AfxControlSend.h"
#include "AfxItemText.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

// ----- CComboBox ------------------------------------------------------------------

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::GetCount() const { return SendIfLive<int>(m_hWnd, CB_ERR, CB_GETCOUNT, 0, 0); }

int CComboBox::GetCurSel() const { return SendIfLive<int>(m_hWnd, CB_ERR, CB_GETCURSEL, 0, 0); }

int CComboBox::SetCurSel(int nSelect)
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_SETCURSEL, static_cast<WPARAM>(nSelect), 0);
}

LCID CComboBox::GetLocale() const { return SendIfLive<LCID>(m_hWnd, 0, CB_GETLOCALE, 0, 0); }

LCID CComboBox::SetLocale(LCID nNewLocale)
{
    return SendIfLive<LCID>(m_hWnd, 0, CB_SETLOCALE, static_cast<WPARAM>(nNewLocale), 0);
}

int CComboBox::GetTopIndex() const { return SendIfLive<int>(m_hWnd, CB_ERR, CB_GETTOPINDEX, 0, 0); }

int CComboBox::SetTopIndex(int nIndex)
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_SETTOPINDEX, static_cast<WPARAM>(nIndex), 0);
}

int CComboBox::InitStorage(int nItems, UINT nBytes)
{
    return SendIfLive<int>(m_hWnd, CB_ERRSPACE, CB_INITSTORAGE, static_cast<WPARAM>(nItems),
                           static_cast<LPARAM>(nBytes));
}

void CComboBox::SetHorizontalExtent(UINT nExtent)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, CB_SETHORIZONTALEXTENT, static_cast<WPARAM>(nExtent), 0);
}

UINT CComboBox::GetHorizontalExtent() const { return SendIfLive<UINT>(m_hWnd, 0, CB_GETHORIZONTALEXTENT, 0, 0); }

int CComboBox::SetDroppedWidth(UINT nWidth)
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(nWidth), 0);
}

int CComboBox::GetDroppedWidth() const { return SendIfLive<int>(m_hWnd, CB_ERR, CB_GETDROPPEDWIDTH, 0, 0); }

DWORD CComboBox::GetEditSel() const
{
    return SendIfLive<DWORD>(m_hWnd, static_cast<DWORD>(CB_ERR), CB_GETEDITSEL, 0, 0);
}

BOOL CComboBox::LimitText(int nMaxChars)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, CB_LIMITTEXT, static_cast<WPARAM>(nMaxChars), 0);
}

BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, CB_SETEDITSEL, 0, MAKELPARAM(nStartChar, nEndChar));
}

DWORD_PTR CComboBox::GetItemData(int nIndex) const
{
    return SendIfLive<DWORD_PTR>(m_hWnd, static_cast<DWORD_PTR>(CB_ERR), CB_GETITEMDATA, static_cast<WPARAM>(nIndex),
                                 0);
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_SETITEMDATA, static_cast<WPARAM>(nIndex),
                           static_cast<LPARAM>(dwItemData));
}

void* CComboBox::GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(GetItemData(nIndex)); }

int CComboBox::SetItemDataPtr(int nIndex, void* pData)
{
    return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData));
}

int CComboBox::GetLBText(int nIndex, LPSTR lpszText) const
{
    if (!IsLive(m_hWnd) || lpszText == nullptr)
        return CB_ERR;
    return static_cast<int>(
        ::SendMessageA(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszText)));
}

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    rString = ReadItemText(GetLBTextLen(nIndex), [&](LPSTR pBuffer) { return GetLBText(nIndex, pBuffer); });
}

int CComboBox::GetLBTextLen(int nIndex) const
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex), 0);
}

int CComboBox::SetItemHeight(int nIndex, UINT cyItemHeight)
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_SETITEMHEIGHT, static_cast<WPARAM>(nIndex),
                           static_cast<LPARAM>(cyItemHeight));
}

int CComboBox::GetItemHeight(int nIndex) const
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_GETITEMHEIGHT, static_cast<WPARAM>(nIndex), 0);
}

int CComboBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart),
                           reinterpret_cast<LPARAM>(lpszFind));
}

int CComboBox::SetExtendedUI(BOOL bExtended)
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_SETEXTENDEDUI, static_cast<WPARAM>(bExtended), 0);
}

BOOL CComboBox::GetExtendedUI() const { return SendIfLive<BOOL>(m_hWnd, FALSE, CB_GETEXTENDEDUI, 0, 0); }

void CComboBox::GetDroppedControlRect(LPRECT lprect) const
{
    if (IsLive(m_hWnd) && lprect != nullptr)
        ::SendMessageA(m_hWnd, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(lprect));
}

BOOL CComboBox::GetDroppedState() const { return SendIfLive<BOOL>(m_hWnd, FALSE, CB_GETDROPPEDSTATE, 0, 0); }

void CComboBox::ShowDropDown(BOOL bShowIt)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, CB_SHOWDROPDOWN, static_cast<WPARAM>(bShowIt), 0);
}

int CComboBox::AddString(LPCSTR lpszString)
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString));
}

int CComboBox::DeleteString(UINT nIndex)
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_DELETESTRING, static_cast<WPARAM>(nIndex), 0);
}

int CComboBox::InsertString(int nIndex, LPCSTR lpszString)
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_INSERTSTRING, static_cast<WPARAM>(nIndex),
                           reinterpret_cast<LPARAM>(lpszString));
}

void CComboBox::ResetContent()
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, CB_RESETCONTENT, 0, 0);
}

int CComboBox::FindString(int nStartAfter, LPCSTR lpszString) const
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_FINDSTRING, static_cast<WPARAM>(nStartAfter),
                           reinterpret_cast<LPARAM>(lpszString));
}

int CComboBox::SelectString(int nStartAfter, LPCSTR lpszString)
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_SELECTSTRING, static_cast<WPARAM>(nStartAfter),
                           reinterpret_cast<LPARAM>(lpszString));
}

void CComboBox::Clear()
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, WM_CLEAR, 0, 0);
}

void CComboBox::Copy()
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, WM_COPY, 0, 0);
}

void CComboBox::Cut()
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, WM_CUT, 0, 0);
}

void CComboBox::Paste()
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, WM_PASTE, 0, 0);
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT)
{
    // Owner-drawn combo boxes override this; the base draws nothing.
}

void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT)
{
    // Leaving the structure alone keeps the height the control proposed.
}

int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }

void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = TRUE;
    switch (message) {
    case WM_DRAWITEM:
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        break;
    case WM_MEASUREITEM:
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        break;
    case WM_COMPAREITEM:
        lResult = CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        break;
    case WM_DELETEITEM:
        DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        break;
    default:
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    if (pResult != nullptr)
        *pResult = lResult;
    return TRUE;
}
