// The list view and header controls.
#include "AfxCommonControls.h"
#include "AfxControlSend.h"
#include "AfxControlInit.h"
#include <vector>

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)
IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

BEGIN_MESSAGE_MAP(CListCtrl, CWnd)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

namespace {
// The longest item text GetItemText will grow its buffer for (16 MB); a control
// that keeps filling every buffer is cut there rather than growing without end.
const int kMaxItemText = 16 * 1024 * 1024;
}

// ----- CHeaderCtrl ----------------------------------------------------------------

BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControlClasses(ICC_LISTVIEW_CLASSES);
    return CWnd::Create(WC_HEADERA, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CHeaderCtrl::GetItemCount() const { return SendIfLive<int>(m_hWnd, -1, HDM_GETITEMCOUNT, 0, 0); }

BOOL CHeaderCtrl::GetItem(int nPos, HDITEMA* pHeaderItem) const
{
    if (!IsLive(m_hWnd) || pHeaderItem == nullptr)
        return FALSE;
    return static_cast<BOOL>(
        ::SendMessageA(m_hWnd, HDM_GETITEMA, static_cast<WPARAM>(nPos), reinterpret_cast<LPARAM>(pHeaderItem)));
}

BOOL CHeaderCtrl::SetItem(int nPos, HDITEMA* pHeaderItem)
{
    if (!IsLive(m_hWnd) || pHeaderItem == nullptr)
        return FALSE;
    return static_cast<BOOL>(
        ::SendMessageA(m_hWnd, HDM_SETITEMA, static_cast<WPARAM>(nPos), reinterpret_cast<LPARAM>(pHeaderItem)));
}

BOOL CHeaderCtrl::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!IsLive(m_hWnd) || lpRect == nullptr)
        return FALSE;
    return static_cast<BOOL>(
        ::SendMessageA(m_hWnd, HDM_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect)));
}

CImageList* CHeaderCtrl::GetImageList() const
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(::SendMessageA(m_hWnd, HDM_GETIMAGELIST, 0, 0)));
}

CImageList* CHeaderCtrl::SetImageList(CImageList* pImageList)
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
        ::SendMessageA(m_hWnd, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(pImageList->GetSafeHandle()))));
}

BOOL CHeaderCtrl::GetOrderArray(LPINT piArray, int iCount)
{
    if (!IsLive(m_hWnd) || piArray == nullptr)
        return FALSE;
    // -1 means the caller sized the array for every item.
    if (iCount == -1)
        iCount = GetItemCount();
    if (iCount < 0)
        return FALSE;
    return static_cast<BOOL>(
        ::SendMessageA(m_hWnd, HDM_GETORDERARRAY, static_cast<WPARAM>(iCount), reinterpret_cast<LPARAM>(piArray)));
}

BOOL CHeaderCtrl::SetOrderArray(int iCount, LPINT piArray)
{
    if (!IsLive(m_hWnd) || piArray == nullptr || iCount < 0)
        return FALSE;
    return static_cast<BOOL>(
        ::SendMessageA(m_hWnd, HDM_SETORDERARRAY, static_cast<WPARAM>(iCount), reinterpret_cast<LPARAM>(piArray)));
}

int CHeaderCtrl::OrderToIndex(int nOrder) const
{
    return SendIfLive<int>(m_hWnd, -1, HDM_ORDERTOINDEX, static_cast<WPARAM>(nOrder), 0);
}

int CHeaderCtrl::InsertItem(int nPos, HDITEMA* phdi)
{
    if (!IsLive(m_hWnd) || phdi == nullptr)
        return -1;
    return static_cast<int>(
        ::SendMessageA(m_hWnd, HDM_INSERTITEMA, static_cast<WPARAM>(nPos), reinterpret_cast<LPARAM>(phdi)));
}

BOOL CHeaderCtrl::DeleteItem(int nPos)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, HDM_DELETEITEM, static_cast<WPARAM>(nPos), 0);
}

BOOL CHeaderCtrl::Layout(HDLAYOUT* pHeaderLayout)
{
    if (!IsLive(m_hWnd) || pHeaderLayout == nullptr)
        return FALSE;
    return static_cast<BOOL>(::SendMessageA(m_hWnd, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(pHeaderLayout)));
}

int CHeaderCtrl::SetHotDivider(CPoint pt)
{
    return SendIfLive<int>(m_hWnd, -1, HDM_SETHOTDIVIDER, TRUE, MAKELPARAM(pt.x, pt.y));
}

int CHeaderCtrl::SetHotDivider(int nIndex)
{
    return SendIfLive<int>(m_hWnd, -1, HDM_SETHOTDIVIDER, FALSE, static_cast<LPARAM>(nIndex));
}

void CHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT)
{
    // Headers with owner-drawn items override this; the base draws nothing.
}

BOOL CHeaderCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return AfxDrawItemReflected(this, message, lParam, pResult) ||
           CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// ----- CListCtrl: creation ----------------------------------------------------------

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControlClasses(ICC_LISTVIEW_CLASSES);
    return CWnd::Create(WC_LISTVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CListCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControlClasses(ICC_LISTVIEW_CLASSES);
    return CWnd::CreateEx(dwExStyle, WC_LISTVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}

// ----- CListCtrl: colours, images and styles -------------------------------------------

COLORREF CListCtrl::GetBkColor() const { return SendIfLive<COLORREF>(m_hWnd, CLR_NONE, LVM_GETBKCOLOR, 0, 0); }

BOOL CListCtrl::SetBkColor(COLORREF cr)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(cr));
}

COLORREF CListCtrl::GetTextColor() const { return SendIfLive<COLORREF>(m_hWnd, CLR_NONE, LVM_GETTEXTCOLOR, 0, 0); }

BOOL CListCtrl::SetTextColor(COLORREF cr)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(cr));
}

COLORREF CListCtrl::GetTextBkColor() const { return SendIfLive<COLORREF>(m_hWnd, CLR_NONE, LVM_GETTEXTBKCOLOR, 0, 0); }

BOOL CListCtrl::SetTextBkColor(COLORREF cr)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(cr));
}

CImageList* CListCtrl::GetImageList(int nImageList) const
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return CImageList::FromHandle(
        reinterpret_cast<HIMAGELIST>(::SendMessageA(m_hWnd, LVM_GETIMAGELIST, static_cast<WPARAM>(nImageList), 0)));
}

CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return CImageList::FromHandle(
        reinterpret_cast<HIMAGELIST>(::SendMessageA(m_hWnd, LVM_SETIMAGELIST, static_cast<WPARAM>(nImageListType),
                                                    reinterpret_cast<LPARAM>(pImageList->GetSafeHandle()))));
}

DWORD CListCtrl::GetExtendedStyle() const { return SendIfLive<DWORD>(m_hWnd, 0, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0); }

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle)
{
    return SendIfLive<DWORD>(m_hWnd, 0, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(dwNewStyle));
}

UINT CListCtrl::GetCallbackMask() const { return SendIfLive<UINT>(m_hWnd, 0, LVM_GETCALLBACKMASK, 0, 0); }

BOOL CListCtrl::SetCallbackMask(UINT nMask)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, LVM_SETCALLBACKMASK, static_cast<WPARAM>(nMask), 0);
}

// ----- CListCtrl: items -------------------------------------------------------------------

int CListCtrl::GetItemCount() const { return SendIfLive<int>(m_hWnd, 0, LVM_GETITEMCOUNT, 0, 0); }

void CListCtrl::SetItemCount(int nItems)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, LVM_SETITEMCOUNT, static_cast<WPARAM>(nItems), 0);
}

BOOL CListCtrl::SetItemCountEx(int iCount, DWORD dwFlags)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, LVM_SETITEMCOUNT, static_cast<WPARAM>(iCount), static_cast<LPARAM>(dwFlags));
}

BOOL CListCtrl::GetItem(LVITEMA* pItem) const
{
    if (!IsLive(m_hWnd) || pItem == nullptr)
        return FALSE;
    return static_cast<BOOL>(::SendMessageA(m_hWnd, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(pItem)));
}

BOOL CListCtrl::SetItem(const LVITEMA* pItem)
{
    if (!IsLive(m_hWnd) || pItem == nullptr)
        return FALSE;
    return static_cast<BOOL>(::SendMessageA(m_hWnd, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(pItem)));
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage, UINT nState, UINT nStateMask,
                        LPARAM lParam)
{
    LVITEMA item{};
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.state = nState;
    item.stateMask = nStateMask;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.iImage = nImage;
    item.lParam = lParam;
    return SetItem(&item);
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage, UINT nState, UINT nStateMask,
                        LPARAM lParam, int nIndent)
{
    LVITEMA item{};
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.state = nState;
    item.stateMask = nStateMask;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.iImage = nImage;
    item.lParam = lParam;
    item.iIndent = nIndent;
    return SetItem(&item);
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    if (!IsLive(m_hWnd))
        return CString();
    // The control answers the length it copied and cannot say how long the text
    // is: a buffer it filled may have cut the text, so try again with twice the room.
    std::vector<char> buffer;
    for (int nSize = 256; nSize <= kMaxItemText; nSize *= 2) {
        buffer.assign(static_cast<size_t>(nSize), '\0');
        LVITEMA item{};
        item.iSubItem = nSubItem;
        item.cchTextMax = nSize;
        item.pszText = buffer.data();
        int nLength = static_cast<int>(
            ::SendMessageA(m_hWnd, LVM_GETITEMTEXTA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
        if (nLength < nSize - 1 || nSize == kMaxItemText) {
            // A text given by the parent may be left in the parent's own buffer.
            LPCSTR pszText = item.pszText != nullptr ? item.pszText : buffer.data();
            if (nLength <= 0 || pszText == LPSTR_TEXTCALLBACKA)
                return CString();
            return CString(pszText, nLength < nSize ? nLength : nSize - 1);
        }
    }
    return CString();
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPSTR lpszText, int nLen) const
{
    if (!IsLive(m_hWnd) || lpszText == nullptr || nLen <= 0)
        return 0;
    LVITEMA item{};
    item.iSubItem = nSubItem;
    item.cchTextMax = nLen;
    item.pszText = lpszText;
    int nLength = static_cast<int>(
        ::SendMessageA(m_hWnd, LVM_GETITEMTEXTA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
    // Copy a text the parent left in its own buffer into the caller's.
    if (item.pszText != lpszText && item.pszText != nullptr && item.pszText != LPSTR_TEXTCALLBACKA)
        ::lstrcpynA(lpszText, item.pszText, nLen);
    return nLength;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCSTR lpszText)
{
    if (!IsLive(m_hWnd))
        return FALSE;
    LVITEMA item{};
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPSTR>(lpszText);
    return static_cast<BOOL>(
        ::SendMessageA(m_hWnd, LVM_SETITEMTEXTA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    return GetItem(&item) ? static_cast<DWORD_PTR>(item.lParam) : 0;
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    return SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, static_cast<LPARAM>(dwData));
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const
{
    return SendIfLive<UINT>(m_hWnd, 0, LVM_GETITEMSTATE, static_cast<WPARAM>(nItem), static_cast<LPARAM>(nMask));
}

BOOL CListCtrl::SetItemState(int nItem, LVITEMA* pItem)
{
    if (!IsLive(m_hWnd) || pItem == nullptr)
        return FALSE;
    return static_cast<BOOL>(
        ::SendMessageA(m_hWnd, LVM_SETITEMSTATE, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(pItem)));
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEMA item{};
    item.state = nState;
    item.stateMask = nMask;
    return SetItemState(nItem, &item);
}

BOOL CListCtrl::GetCheck(int nItem) const
{
    // State image 1 is the empty box and 2 the checked one; 0 means no box.
    UINT nState = GetItemState(nItem, LVIS_STATEIMAGEMASK);
    return static_cast<BOOL>(nState >> 12) - 1;
}

BOOL CListCtrl::SetCheck(int nItem, BOOL fCheck)
{
    return SetItemState(nItem, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), LVIS_STATEIMAGEMASK);
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
{
    if (!IsLive(m_hWnd) || lpRect == nullptr)
        return FALSE;
    // The message reads the part to measure from the rectangle's left.
    lpRect->left = static_cast<LONG>(nCode);
    return static_cast<BOOL>(
        ::SendMessageA(m_hWnd, LVM_GETITEMRECT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(lpRect)));
}

BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const
{
    if (!IsLive(m_hWnd))
        return FALSE;
    // The message reads the sub-item from the rectangle's top and the part from its left.
    RECT rect{};
    rect.top = iSubItem;
    rect.left = nArea;
    BOOL bResult = static_cast<BOOL>(
        ::SendMessageA(m_hWnd, LVM_GETSUBITEMRECT, static_cast<WPARAM>(iItem), reinterpret_cast<LPARAM>(&rect)));
    if (bResult)
        ref = rect;
    return bResult;
}

BOOL CListCtrl::GetItemPosition(int nItem, LPPOINT lpPoint) const
{
    if (!IsLive(m_hWnd) || lpPoint == nullptr)
        return FALSE;
    return static_cast<BOOL>(
        ::SendMessageA(m_hWnd, LVM_GETITEMPOSITION, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(lpPoint)));
}

BOOL CListCtrl::SetItemPosition(int nItem, POINT pt)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, LVM_SETITEMPOSITION32, static_cast<WPARAM>(nItem),
                            reinterpret_cast<LPARAM>(&pt));
}

int CListCtrl::GetStringWidth(LPCSTR lpsz) const
{
    if (!IsLive(m_hWnd) || lpsz == nullptr)
        return 0;
    return static_cast<int>(::SendMessageA(m_hWnd, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(lpsz)));
}

// ----- CListCtrl: selection and navigation ---------------------------------------------------

int CListCtrl::GetNextItem(int nItem, int nFlags) const
{
    return SendIfLive<int>(m_hWnd, -1, LVM_GETNEXTITEM, static_cast<WPARAM>(nItem), MAKELPARAM(nFlags, 0));
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const
{
    // A position is the item index plus one, so that no selection gives null.
    return reinterpret_cast<POSITION>(static_cast<INT_PTR>(1 + GetNextItem(-1, LVNI_SELECTED)));
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const
{
    int nItem = static_cast<int>(reinterpret_cast<INT_PTR>(pos)) - 1;
    pos = reinterpret_cast<POSITION>(static_cast<INT_PTR>(1 + GetNextItem(nItem, LVNI_SELECTED)));
    return nItem;
}

UINT CListCtrl::GetSelectedCount() const { return SendIfLive<UINT>(m_hWnd, 0, LVM_GETSELECTEDCOUNT, 0, 0); }

int CListCtrl::GetSelectionMark() const { return SendIfLive<int>(m_hWnd, -1, LVM_GETSELECTIONMARK, 0, 0); }

int CListCtrl::SetSelectionMark(int iIndex)
{
    return SendIfLive<int>(m_hWnd, -1, LVM_SETSELECTIONMARK, 0, static_cast<LPARAM>(iIndex));
}

int CListCtrl::GetHotItem() const { return SendIfLive<int>(m_hWnd, -1, LVM_GETHOTITEM, 0, 0); }

int CListCtrl::SetHotItem(int iIndex)
{
    return SendIfLive<int>(m_hWnd, -1, LVM_SETHOTITEM, static_cast<WPARAM>(iIndex), 0);
}

int CListCtrl::GetTopIndex() const { return SendIfLive<int>(m_hWnd, 0, LVM_GETTOPINDEX, 0, 0); }

int CListCtrl::GetCountPerPage() const { return SendIfLive<int>(m_hWnd, 0, LVM_GETCOUNTPERPAGE, 0, 0); }

BOOL CListCtrl::GetViewRect(LPRECT lpRect) const
{
    if (!IsLive(m_hWnd) || lpRect == nullptr)
        return FALSE;
    return static_cast<BOOL>(::SendMessageA(m_hWnd, LVM_GETVIEWRECT, 0, reinterpret_cast<LPARAM>(lpRect)));
}

BOOL CListCtrl::GetOrigin(LPPOINT lpPoint) const
{
    if (!IsLive(m_hWnd) || lpPoint == nullptr)
        return FALSE;
    return static_cast<BOOL>(::SendMessageA(m_hWnd, LVM_GETORIGIN, 0, reinterpret_cast<LPARAM>(lpPoint)));
}

// ----- CListCtrl: columns ---------------------------------------------------------------------

BOOL CListCtrl::GetColumn(int nCol, LVCOLUMNA* pColumn) const
{
    if (!IsLive(m_hWnd) || pColumn == nullptr)
        return FALSE;
    return static_cast<BOOL>(
        ::SendMessageA(m_hWnd, LVM_GETCOLUMNA, static_cast<WPARAM>(nCol), reinterpret_cast<LPARAM>(pColumn)));
}

BOOL CListCtrl::SetColumn(int nCol, const LVCOLUMNA* pColumn)
{
    if (!IsLive(m_hWnd) || pColumn == nullptr)
        return FALSE;
    return static_cast<BOOL>(
        ::SendMessageA(m_hWnd, LVM_SETCOLUMNA, static_cast<WPARAM>(nCol), reinterpret_cast<LPARAM>(pColumn)));
}

int CListCtrl::InsertColumn(int nCol, const LVCOLUMNA* pColumn)
{
    if (!IsLive(m_hWnd) || pColumn == nullptr)
        return -1;
    return static_cast<int>(
        ::SendMessageA(m_hWnd, LVM_INSERTCOLUMNA, static_cast<WPARAM>(nCol), reinterpret_cast<LPARAM>(pColumn)));
}

int CListCtrl::InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem)
{
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_TEXT;
    column.fmt = nFormat;
    column.pszText = const_cast<LPSTR>(lpszColumnHeading != nullptr ? lpszColumnHeading : "");
    if (nWidth != -1) {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1) {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

BOOL CListCtrl::DeleteColumn(int nCol)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, LVM_DELETECOLUMN, static_cast<WPARAM>(nCol), 0);
}

int CListCtrl::GetColumnWidth(int nCol) const
{
    return SendIfLive<int>(m_hWnd, 0, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(nCol), 0);
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx)
{
    if (!IsLive(m_hWnd))
        return FALSE;
    // LVSCW_AUTOSIZE and LVSCW_AUTOSIZE_USEHEADER are negative: keep them in 16 bits.
    return static_cast<BOOL>(::SendMessageA(m_hWnd, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(nCol), MAKELPARAM(cx, 0)));
}

BOOL CListCtrl::GetColumnOrderArray(LPINT piArray, int iCount) const
{
    if (!IsLive(m_hWnd) || piArray == nullptr)
        return FALSE;
    // -1 means the caller sized the array for every column.
    if (iCount == -1) {
        CHeaderCtrl* pHeader = GetHeaderCtrl();
        iCount = pHeader != nullptr ? pHeader->GetItemCount() : -1;
    }
    if (iCount < 0)
        return FALSE;
    return static_cast<BOOL>(::SendMessageA(m_hWnd, LVM_GETCOLUMNORDERARRAY, static_cast<WPARAM>(iCount),
                                            reinterpret_cast<LPARAM>(piArray)));
}

BOOL CListCtrl::SetColumnOrderArray(int iCount, LPINT piArray)
{
    if (!IsLive(m_hWnd) || piArray == nullptr || iCount < 0)
        return FALSE;
    return static_cast<BOOL>(::SendMessageA(m_hWnd, LVM_SETCOLUMNORDERARRAY, static_cast<WPARAM>(iCount),
                                            reinterpret_cast<LPARAM>(piArray)));
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const
{
    if (!IsLive(m_hWnd))
        return nullptr;
    // Like every control class here, CHeaderCtrl adds nothing to CWnd's data,
    // so a plain temporary CWnd serves as one.
    return static_cast<CHeaderCtrl*>(
        CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessageA(m_hWnd, LVM_GETHEADER, 0, 0))));
}

// ----- CListCtrl: operations ---------------------------------------------------------------------

int CListCtrl::InsertItem(const LVITEMA* pItem)
{
    if (!IsLive(m_hWnd) || pItem == nullptr)
        return -1;
    return static_cast<int>(::SendMessageA(m_hWnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(pItem)));
}

int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem) { return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0); }

int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem, int nImage)
{
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                          LPARAM lParam)
{
    LVITEMA item{};
    item.mask = nMask;
    item.iItem = nItem;
    item.state = nState;
    item.stateMask = nStateMask;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(&item);
}

BOOL CListCtrl::DeleteItem(int nItem)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, LVM_DELETEITEM, static_cast<WPARAM>(nItem), 0);
}

BOOL CListCtrl::DeleteAllItems() { return SendIfLive<BOOL>(m_hWnd, FALSE, LVM_DELETEALLITEMS, 0, 0); }

int CListCtrl::FindItem(LVFINDINFOA* pFindInfo, int nStart) const
{
    if (!IsLive(m_hWnd) || pFindInfo == nullptr)
        return -1;
    return static_cast<int>(
        ::SendMessageA(m_hWnd, LVM_FINDITEMA, static_cast<WPARAM>(nStart), reinterpret_cast<LPARAM>(pFindInfo)));
}

int CListCtrl::HitTest(LVHITTESTINFO* pHitTestInfo) const
{
    if (!IsLive(m_hWnd) || pHitTestInfo == nullptr)
        return -1;
    return static_cast<int>(::SendMessageA(m_hWnd, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo)));
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    LVHITTESTINFO info{};
    info.pt = pt;
    int nItem = HitTest(&info);
    if (pFlags != nullptr)
        *pFlags = info.flags;
    return nItem;
}

int CListCtrl::SubItemHitTest(LPLVHITTESTINFO pInfo)
{
    if (!IsLive(m_hWnd) || pInfo == nullptr)
        return -1;
    return static_cast<int>(::SendMessageA(m_hWnd, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(pInfo)));
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, LVM_ENSUREVISIBLE, static_cast<WPARAM>(nItem), MAKELPARAM(bPartialOK, 0));
}

BOOL CListCtrl::Scroll(CSize size)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, LVM_SCROLL, static_cast<WPARAM>(size.cx), static_cast<LPARAM>(size.cy));
}

BOOL CListCtrl::RedrawItems(int nFirst, int nLast)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, LVM_REDRAWITEMS, static_cast<WPARAM>(nFirst), static_cast<LPARAM>(nLast));
}

BOOL CListCtrl::Update(int nItem) { return SendIfLive<BOOL>(m_hWnd, FALSE, LVM_UPDATE, static_cast<WPARAM>(nItem), 0); }

BOOL CListCtrl::Arrange(UINT nCode)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, LVM_ARRANGE, static_cast<WPARAM>(nCode), 0);
}

CEdit* CListCtrl::EditLabel(int nItem)
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return static_cast<CEdit*>(CWnd::FromHandle(
        reinterpret_cast<HWND>(::SendMessageA(m_hWnd, LVM_EDITLABELA, static_cast<WPARAM>(nItem), 0))));
}

CEdit* CListCtrl::GetEditControl() const
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return static_cast<CEdit*>(
        CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessageA(m_hWnd, LVM_GETEDITCONTROL, 0, 0))));
}

BOOL CListCtrl::SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
{
    if (!IsLive(m_hWnd) || pfnCompare == nullptr)
        return FALSE;
    return static_cast<BOOL>(
        ::SendMessageA(m_hWnd, LVM_SORTITEMS, static_cast<WPARAM>(dwData), reinterpret_cast<LPARAM>(pfnCompare)));
}

CImageList* CListCtrl::CreateDragImage(int nItem, LPPOINT lpPoint)
{
    if (!IsLive(m_hWnd))
        return nullptr;
    POINT ptLocal{};
    HIMAGELIST hImageList =
        reinterpret_cast<HIMAGELIST>(::SendMessageA(m_hWnd, LVM_CREATEDRAGIMAGE, static_cast<WPARAM>(nItem),
                                                    reinterpret_cast<LPARAM>(lpPoint != nullptr ? lpPoint : &ptLocal)));
    if (hImageList == nullptr)
        return nullptr;
    CImageList* pImageList = new CImageList;
    pImageList->Attach(hImageList);
    return pImageList;
}

void CListCtrl::DrawItem(LPDRAWITEMSTRUCT)
{
    // LVS_OWNERDRAWFIXED lists override this; the base draws nothing.
}

BOOL CListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return AfxDrawItemReflected(this, message, lParam, pResult) ||
           CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

void CListCtrl::RemoveImageList(int nImageList)
{
    // Only lists owned by a CImageList are taken back; the control's own (the
    // check-box states, say) stay for it to destroy.
    HIMAGELIST hImageList =
        reinterpret_cast<HIMAGELIST>(::SendMessageA(m_hWnd, LVM_GETIMAGELIST, static_cast<WPARAM>(nImageList), 0));
    if (CImageList::FromHandlePermanent(hImageList) != nullptr)
        ::SendMessageA(m_hWnd, LVM_SETIMAGELIST, static_cast<WPARAM>(nImageList), 0);
}

void CListCtrl::OnNcDestroy()
{
    // A list with LVS_SHAREIMAGELISTS leaves its lists alone anyway.
    if (!(::GetWindowLongA(m_hWnd, GWL_STYLE) & LVS_SHAREIMAGELISTS)) {
        RemoveImageList(LVSIL_NORMAL);
        RemoveImageList(LVSIL_SMALL);
        RemoveImageList(LVSIL_STATE);
    }
    CWnd::OnNcDestroy();
}
