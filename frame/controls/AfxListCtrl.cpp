// CListCtrl: creation, colours, images and styles, selection, and whole-list operations.
#include "AfxListCtrl.h"
#include "AfxControlSend.h"
#include "AfxControlInit.h"

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

BEGIN_MESSAGE_MAP(CListCtrl, CWnd)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

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
