// CListBox: the list box.
#include "AfxListBox.h"
#include "AfxControlSend.h"
#include "AfxItemText.h"
#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CListBox, CWnd)

// ----- CListBox ----------------------------------------------------------------------

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListBox::GetCount() const { return SendIfLive<int>(m_hWnd, LB_ERR, LB_GETCOUNT, 0, 0); }

int CListBox::GetHorizontalExtent() const { return SendIfLive<int>(m_hWnd, 0, LB_GETHORIZONTALEXTENT, 0, 0); }

void CListBox::SetHorizontalExtent(int cxExtent)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(cxExtent), 0);
}

int CListBox::GetTopIndex() const { return SendIfLive<int>(m_hWnd, LB_ERR, LB_GETTOPINDEX, 0, 0); }

int CListBox::SetTopIndex(int nIndex)
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_SETTOPINDEX, static_cast<WPARAM>(nIndex), 0);
}

LCID CListBox::GetLocale() const { return SendIfLive<LCID>(m_hWnd, 0, LB_GETLOCALE, 0, 0); }

LCID CListBox::SetLocale(LCID nNewLocale)
{
    return SendIfLive<LCID>(m_hWnd, 0, LB_SETLOCALE, static_cast<WPARAM>(nNewLocale), 0);
}

int CListBox::InitStorage(int nItems, UINT nBytes)
{
    return SendIfLive<int>(m_hWnd, LB_ERRSPACE, LB_INITSTORAGE, static_cast<WPARAM>(nItems),
                           static_cast<LPARAM>(nBytes));
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const
{
    bOutside = TRUE;
    if (!IsLive(m_hWnd))
        return static_cast<UINT>(LB_ERR);
    DWORD dwResult = static_cast<DWORD>(::SendMessageA(m_hWnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y)));
    bOutside = HIWORD(dwResult) != 0;
    return LOWORD(dwResult);
}

DWORD_PTR CListBox::GetItemData(int nIndex) const
{
    return SendIfLive<DWORD_PTR>(m_hWnd, static_cast<DWORD_PTR>(LB_ERR), LB_GETITEMDATA, static_cast<WPARAM>(nIndex),
                                 0);
}

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_SETITEMDATA, static_cast<WPARAM>(nIndex),
                           static_cast<LPARAM>(dwItemData));
}

void* CListBox::GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(GetItemData(nIndex)); }

int CListBox::SetItemDataPtr(int nIndex, void* pData)
{
    return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData));
}

int CListBox::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!IsLive(m_hWnd) || lpRect == nullptr)
        return LB_ERR;
    return static_cast<int>(
        ::SendMessageA(m_hWnd, LB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect)));
}

int CListBox::GetSel(int nIndex) const
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_GETSEL, static_cast<WPARAM>(nIndex), 0);
}

int CListBox::GetText(int nIndex, LPSTR lpszBuffer) const
{
    if (!IsLive(m_hWnd) || lpszBuffer == nullptr)
        return LB_ERR;
    return static_cast<int>(
        ::SendMessageA(m_hWnd, LB_GETTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszBuffer)));
}

void CListBox::GetText(int nIndex, CString& rString) const
{
    rString = ReadItemText(GetTextLen(nIndex), [&](LPSTR pBuffer) { return GetText(nIndex, pBuffer); });
}

int CListBox::GetTextLen(int nIndex) const
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_GETTEXTLEN, static_cast<WPARAM>(nIndex), 0);
}

void CListBox::SetColumnWidth(int cxWidth)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, LB_SETCOLUMNWIDTH, static_cast<WPARAM>(cxWidth), 0);
}

BOOL CListBox::SetTabStops(int nTabStops, LPINT rgTabStops)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, LB_SETTABSTOPS, static_cast<WPARAM>(nTabStops),
                            reinterpret_cast<LPARAM>(rgTabStops));
}

void CListBox::SetTabStops() { SetTabStops(0, nullptr); }

BOOL CListBox::SetTabStops(const int& cxEachStop) { return SetTabStops(1, const_cast<LPINT>(&cxEachStop)); }

int CListBox::SetItemHeight(int nIndex, UINT cyItemHeight)
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_SETITEMHEIGHT, static_cast<WPARAM>(nIndex), MAKELPARAM(cyItemHeight, 0));
}

int CListBox::GetItemHeight(int nIndex) const
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_GETITEMHEIGHT, static_cast<WPARAM>(nIndex), 0);
}

int CListBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart),
                           reinterpret_cast<LPARAM>(lpszFind));
}

int CListBox::GetCaretIndex() const { return SendIfLive<int>(m_hWnd, LB_ERR, LB_GETCARETINDEX, 0, 0); }

int CListBox::SetCaretIndex(int nIndex, BOOL bScroll)
{
    if (!IsLive(m_hWnd))
        return LB_ERR;
    // The message's flag asks for a partly visible item, the opposite of scrolling it fully into view.
    return static_cast<int>(
        ::SendMessageA(m_hWnd, LB_SETCARETINDEX, static_cast<WPARAM>(nIndex), MAKELPARAM(!bScroll, 0)));
}

int CListBox::GetCurSel() const { return SendIfLive<int>(m_hWnd, LB_ERR, LB_GETCURSEL, 0, 0); }

int CListBox::SetCurSel(int nSelect)
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_SETCURSEL, static_cast<WPARAM>(nSelect), 0);
}

int CListBox::SetSel(int nIndex, BOOL bSelect)
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_SETSEL, static_cast<WPARAM>(bSelect), static_cast<LPARAM>(nIndex));
}

int CListBox::GetSelCount() const { return SendIfLive<int>(m_hWnd, LB_ERR, LB_GETSELCOUNT, 0, 0); }

int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const
{
    if (!IsLive(m_hWnd) || rgIndex == nullptr || nMaxItems < 0)
        return LB_ERR;
    return static_cast<int>(
        ::SendMessageA(m_hWnd, LB_GETSELITEMS, static_cast<WPARAM>(nMaxItems), reinterpret_cast<LPARAM>(rgIndex)));
}

void CListBox::SetAnchorIndex(int nIndex)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, LB_SETANCHORINDEX, static_cast<WPARAM>(nIndex), 0);
}

int CListBox::GetAnchorIndex() const { return SendIfLive<int>(m_hWnd, LB_ERR, LB_GETANCHORINDEX, 0, 0); }

int CListBox::AddString(LPCSTR lpszItem)
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem));
}

int CListBox::DeleteString(UINT nIndex)
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_DELETESTRING, static_cast<WPARAM>(nIndex), 0);
}

int CListBox::InsertString(int nIndex, LPCSTR lpszItem)
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_INSERTSTRING, static_cast<WPARAM>(nIndex),
                           reinterpret_cast<LPARAM>(lpszItem));
}

void CListBox::ResetContent()
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0);
}

int CListBox::FindString(int nStartAfter, LPCSTR lpszItem) const
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_FINDSTRING, static_cast<WPARAM>(nStartAfter),
                           reinterpret_cast<LPARAM>(lpszItem));
}

int CListBox::SelectString(int nStartAfter, LPCSTR lpszItem)
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_SELECTSTRING, static_cast<WPARAM>(nStartAfter),
                           reinterpret_cast<LPARAM>(lpszItem));
}

int CListBox::SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem)
{
    if (!IsLive(m_hWnd))
        return LB_ERR;
    // The message takes the range in one LPARAM of two 16-bit indexes.
    return static_cast<int>(
        ::SendMessageA(m_hWnd, LB_SELITEMRANGE, static_cast<WPARAM>(bSelect), MAKELPARAM(nFirstItem, nLastItem)));
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT)
{
    // Owner-drawn list boxes override this; the base draws nothing.
}

void CListBox::MeasureItem(LPMEASUREITEMSTRUCT)
{
    // Leaving the structure alone keeps the height the control proposed.
}

int CListBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }

void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {}

int CListBox::VKeyToItem(UINT, UINT) { return -1; }

int CListBox::CharToItem(UINT, UINT) { return -1; }

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
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
    case WM_VKEYTOITEM:
        lResult = VKeyToItem(LOWORD(wParam), HIWORD(wParam));
        break;
    case WM_CHARTOITEM:
        lResult = CharToItem(LOWORD(wParam), HIWORD(wParam));
        break;
    default:
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    if (pResult != nullptr)
        *pResult = lResult;
    return TRUE;
}
