// QELListCtrl: columns one by one or all at once from a definition string, with
// every item's cell colours kept in step.
#include "QELListCtrl.h"
#include "logic/ColumnDefinition.h"
#include "QELMemory.h"
#include "QELAnsiChars.h"
#include <cstring>

namespace {
// The code page of the control's texts is the system's ANSI one.
bool IsAnsiLeadByte(unsigned char byte) { return ::IsDBCSLeadByte(byte) != FALSE; }
}

int QELListCtrl::InsertColumn(int nCol, const LVCOLUMNA* pColumn)
{
    _BeginChange(TRUE, FALSE);
    const int nResult = CListCtrl::InsertColumn(nCol, pColumn);
    if (nResult >= 0)
        _UpdateColumn(nResult, TRUE);
    return nResult;
}

int QELListCtrl::InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem)
{
    _BeginChange(TRUE, FALSE);
    const int nResult = CListCtrl::InsertColumn(nCol, lpszColumnHeading, nFormat, nWidth, nSubItem);
    if (nResult >= 0)
        _UpdateColumn(nResult, TRUE);
    return nResult;
}

BOOL QELListCtrl::DeleteColumn(int nCol)
{
    _BeginChange(TRUE, FALSE);
    if (!CListCtrl::DeleteColumn(nCol))
        return FALSE;
    _UpdateColumn(nCol, FALSE);
    return TRUE;
}

BOOL QELListCtrl::DeleteAllColumns()
{
    while (GetColumnCount() > 0) {
        // A list view that refuses would otherwise keep us here for ever.
        if (!DeleteColumn(0))
            break;
    }
    return TRUE;
}

BOOL QELListCtrl::SetColumnHeader(const CString& strHeadings)
{
    DeleteAllItems(ITEMSTATE_ANY);
    DeleteAllColumns();
    _BeginChange(TRUE, FALSE);
    BOOL bInserted = FALSE;
    std::vector<list_columns::ColumnSpec> columns;
    if (!qel_memory::NoThrowDone([&] {
            columns = list_columns::ParseColumnDefinition(strHeadings, static_cast<size_t>(strHeadings.GetLength()),
                                                          IsAnsiLeadByte);
        }))
        return FALSE;  // no column made
    for (const list_columns::ColumnSpec& column : columns) {
        if (InsertColumn(GetColumnCount(), column.heading.c_str(), column.format, column.width, -1) >= 0)
            bInserted = TRUE;
    }
    return bInserted;
}

void PASCAL QELListCtrl::_StringSplit(const CString& strSource, CStringArray& arrPieces, char chSeparator)
{
    arrPieces.RemoveAll();
    // Out of memory, no pieces rather than some of them.
    std::vector<std::string> pieces;
    if (!qel_memory::NoThrowDone([&] {
            pieces = list_columns::SplitPieces(strSource, static_cast<size_t>(strSource.GetLength()), chSeparator,
                                               IsAnsiLeadByte);
        }))
        return;
    for (const std::string& piece : pieces)
        arrPieces.Add(CString(piece.c_str(), static_cast<int>(piece.size())));
}

// ----- header texts and images -----------------------------------------------------------

BOOL QELListCtrl::SetHeaderText(int nColumn, LPCSTR lpszText)
{
    HWND hHeader = _GetHeaderWnd();
    if (hHeader == nullptr || !HasColumnHeader())
        return FALSE;
    // The header keeps a copy of its own.
    CString strText(lpszText != nullptr ? lpszText : "");
    HDITEMA item = {};
    item.mask = HDI_TEXT;
    item.pszText = const_cast<LPSTR>(static_cast<LPCSTR>(strText));
    item.cchTextMax = strText.GetLength() + 1;
    return static_cast<BOOL>(
        ::SendMessageA(hHeader, HDM_SETITEMA, static_cast<WPARAM>(nColumn), reinterpret_cast<LPARAM>(&item)));
}

CString QELListCtrl::GetHeaderText(int nColumn) const
{
    HWND hHeader = _GetHeaderWnd();
    if (hHeader == nullptr || !HasColumnHeader())
        return CString();
    // The header does not say how long its text is, and copies only whole characters: a
    // text that comes within a character's bytes of the buffer's end may have been cut, so
    // the buffer grows until the text ends short of that. One that still fills the largest
    // buffer is cut there, before a character.
    const mbcs_chars::Encoding& chars = qel_ansi::Chars();
    const int kMaxText = 0x100000;
    for (int nSize = 256; nSize <= kMaxText; nSize *= 2) {
        CString strText;
        HDITEMA item = {};
        item.mask = HDI_TEXT;
        item.pszText = strText.GetBuffer(nSize);
        // Bytes the header leaves unwritten read as the end of the text.
        std::memset(item.pszText, 0, static_cast<size_t>(nSize));
        item.cchTextMax = nSize;
        const BOOL bRead = static_cast<BOOL>(
            ::SendMessageA(hHeader, HDM_GETITEMA, static_cast<WPARAM>(nColumn), reinterpret_cast<LPARAM>(&item)));
        const int nLength = static_cast<int>(strnlen(item.pszText, static_cast<size_t>(nSize - 1)));
        const bool bRoomLeft = nLength < nSize - static_cast<int>(mbcs_chars::kMaxCharBytes);
        const int nTaken =
            bRoomLeft ? nLength : static_cast<int>(mbcs_chars::WholeLength(chars, item.pszText, nLength));
        strText.ReleaseBuffer(nTaken);
        if (!bRead)
            return CString();
        if (bRoomLeft || nSize == kMaxText)
            return strText;
    }
    return CString();
}

BOOL QELListCtrl::SetHeaderImage(int nColumn, int nImage, BOOL bLeftSide)
{
    HWND hHeader = _GetHeaderWnd();
    if (hHeader == nullptr)
        return FALSE;
    if (::SendMessageA(hHeader, HDM_GETIMAGELIST, 0, 0) == 0)
        ::SendMessageA(hHeader, HDM_SETIMAGELIST, 0, ::SendMessageA(m_hWnd, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    HDITEMA item = {};
    item.mask = HDI_FORMAT;
    if (!::SendMessageA(hHeader, HDM_GETITEMA, static_cast<WPARAM>(nColumn), reinterpret_cast<LPARAM>(&item)))
        return FALSE;
    // Flags are only ever added: a side once set to the right stays there.
    item.mask |= HDI_IMAGE;
    item.fmt |= HDF_IMAGE;
    if (!bLeftSide)
        item.fmt |= HDF_BITMAP_ON_RIGHT;
    item.iImage = nImage;
    return static_cast<BOOL>(
        ::SendMessageA(hHeader, HDM_SETITEMA, static_cast<WPARAM>(nColumn), reinterpret_cast<LPARAM>(&item)));
}

int QELListCtrl::GetHeaderImage(int nColumn) const
{
    HWND hHeader = _GetHeaderWnd();
    if (hHeader == nullptr)
        return -1;
    HDITEMA item = {};
    item.mask = HDI_IMAGE;
    if (!::SendMessageA(hHeader, HDM_GETITEMA, static_cast<WPARAM>(nColumn), reinterpret_cast<LPARAM>(&item)))
        return -1;
    return item.iImage;
}
