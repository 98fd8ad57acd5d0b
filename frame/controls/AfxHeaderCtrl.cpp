// CHeaderCtrl: the header control.
#include "AfxHeaderCtrl.h"
#include "AfxControlSend.h"
#include "AfxControlInit.h"
#include <vector>

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

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
