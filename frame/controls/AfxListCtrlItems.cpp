// CListCtrl: reading and changing items and their states.
#include "AfxListCtrl.h"
#include "AfxTextBuffer.h"
#include "AfxAnsiChars.h"
#include "AfxControlSend.h"
#include <cstring>
#include <vector>

namespace {
// The longest item text GetItemText will grow its buffer for (16 MB); a control
// that keeps filling every buffer is cut there rather than growing without end.
const int kMaxItemText = 16 * 1024 * 1024;
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
    // The control cannot say how long the text is: a buffer it filled (or, under
    // Wine, overstated) may have cut the text, and so may one it left short by less
    // than a character's bytes; so try again with twice the room.
    std::vector<char> buffer;
    for (int nSize = 256; nSize <= kMaxItemText; nSize *= 2) {
        buffer.assign(static_cast<size_t>(nSize), '\0');
        LVITEMA item{};
        item.iSubItem = nSubItem;
        item.cchTextMax = nSize;
        item.pszText = buffer.data();
        int nLength = static_cast<int>(
            ::SendMessageA(m_hWnd, LVM_GETITEMTEXTA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
        if (nLength < nSize - static_cast<int>(mbcs_chars::kMaxCharBytes) || nSize == kMaxItemText) {
            // A text given by the parent may be left in the parent's own buffer.
            LPCSTR pszText = item.pszText != nullptr ? item.pszText : buffer.data();
            if (nLength <= 0 || pszText == LPSTR_TEXTCALLBACKA)
                return CString();
            // Wine's list view may report more than it copied: what is taken
            // ends at the terminator.
            int nTaken = static_cast<int>(strnlen(pszText, nLength < nSize ? nLength : nSize - 1));
            // A text cut at the cap ends before the character that did not fit whole.
            if (nSize == kMaxItemText)
                nTaken = afx_ansi::WholeLength(pszText, nTaken);
            return CString(pszText, nTaken);
        }
    }
    return CString();
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPSTR lpszText, int nLen) const
{
    if (!afx_detail::HasTextRoom(lpszText, nLen))
        return 0;
    // One byte holds the terminator only; and the list view, asked for the text
    // of a missing column in it, writes a second byte past its end.
    if (!IsLive(m_hWnd) || nLen < 2)
        return afx_detail::EmptyTextBuffer(lpszText, nLen);
    LVITEMA item{};
    item.iSubItem = nSubItem;
    item.cchTextMax = nLen;
    item.pszText = lpszText;
    int nLength = static_cast<int>(
        ::SendMessageA(m_hWnd, LVM_GETITEMTEXTA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
    // Copy a text the parent left in its own buffer into the caller's.
    if (item.pszText != lpszText && item.pszText != nullptr && item.pszText != LPSTR_TEXTCALLBACKA)
        ::lstrcpynA(lpszText, item.pszText, nLen);
    else if (item.pszText != lpszText)
        nLength = 0;  // nothing was copied
    // Windows' list view answers what it copied; Wine's answers more than that
    // for a buffer too small and leaves it unterminated.
    return afx_detail::TerminateCopiedText(lpszText, nLen, nLength);
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
