// CListCtrl: columns, their widths and order.
#include "AfxListCtrl.h"
#include "AfxControlSend.h"
#include <vector>

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
