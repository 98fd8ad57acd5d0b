// Menus: building, loading, querying and tracking.
#include "AfxMenu.h"
#include "AfxTextBuffer.h"
#include "AfxState.h"
#include "AfxHandleOwner.h"
#include "AfxModule.h"
#include "AfxWnd.h"
#include <vector>

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace {
LPCSTR BitmapItem(const CBitmap* pBmp)
{
    // A bitmap item passes the bitmap handle where the text would go.
    return reinterpret_cast<LPCSTR>(pBmp != nullptr ? pBmp->m_hObject : nullptr);
}

}

// ----- handle map and life ------------------------------------------------------

CMenu::~CMenu() { DestroyMenu(); }

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu)
{
    return AfxWrapperFromHandle(AfxGetThreadState()->m_menuMap, hMenu, &CMenu::m_hMenu, [](HMENU h) {
        CMenu* pTemp = new CMenu;
        pTemp->m_hMenu = h;
        return pTemp;
    });
}

void PASCAL CMenu::DeleteTempMap() { AfxGetThreadState()->m_menuMap.DeleteTemp(); }

BOOL CMenu::Attach(HMENU hMenu)
{
    return AfxAttachWrapper(AfxGetThreadState()->m_menuMap, hMenu, this, &CMenu::m_hMenu);
}

HMENU CMenu::Detach() { return AfxDetachWrapper(AfxGetThreadState()->m_menuMap, this, &CMenu::m_hMenu); }

BOOL CMenu::CreateMenu()
{
    if (m_hMenu != nullptr)
        return FALSE;
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
    if (m_hMenu != nullptr)
        return FALSE;
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(LPCSTR lpszResourceName)
{
    if (m_hMenu != nullptr || lpszResourceName == nullptr)
        return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEA(4) /* RT_MENU */);
    return Attach(::LoadMenuA(hInst, lpszResourceName));
}

BOOL CMenu::LoadMenu(UINT nIDResource) { return LoadMenu(MAKEINTRESOURCEA(nIDResource)); }

BOOL CMenu::LoadMenuIndirect(const void* lpMenuTemplate)
{
    if (m_hMenu != nullptr || lpMenuTemplate == nullptr)
        return FALSE;
    return Attach(::LoadMenuIndirectA(lpMenuTemplate));
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr)
        return FALSE;
    return ::DestroyMenu(Detach());
}

// ----- items -----------------------------------------------------------------------

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return m_hMenu != nullptr && ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
    return m_hMenu != nullptr && pBmp != nullptr &&
           ::AppendMenuA(m_hMenu, nFlags | MF_BITMAP, nIDNewItem, BitmapItem(pBmp));
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return m_hMenu != nullptr && ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
    return m_hMenu != nullptr && pBmp != nullptr &&
           ::InsertMenuA(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem, BitmapItem(pBmp));
}

BOOL CMenu::InsertMenuItem(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos)
{
    return m_hMenu != nullptr && lpMenuItemInfo != nullptr && ::InsertMenuItemA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return m_hMenu != nullptr && ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
    return m_hMenu != nullptr && pBmp != nullptr &&
           ::ModifyMenuA(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem, BitmapItem(pBmp));
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags)
{
    return m_hMenu != nullptr && ::RemoveMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
    return m_hMenu != nullptr && ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked, const CBitmap* pBmpChecked)
{
    return m_hMenu != nullptr &&
           ::SetMenuItemBitmaps(m_hMenu, nPosition, nFlags, static_cast<HBITMAP>(pBmpUnchecked->GetSafeHandle()),
                                static_cast<HBITMAP>(pBmpChecked->GetSafeHandle()));
}

// ----- queries and states ------------------------------------------------------------------

UINT CMenu::GetMenuItemCount() const
{
    return m_hMenu != nullptr ? static_cast<UINT>(::GetMenuItemCount(m_hMenu)) : static_cast<UINT>(-1);
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    return m_hMenu != nullptr ? ::GetMenuItemID(m_hMenu, nPos) : static_cast<UINT>(-1);
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    return m_hMenu != nullptr ? ::GetMenuState(m_hMenu, nID, nFlags) : static_cast<UINT>(-1);
}

int CMenu::GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const
{
    if (!afx_detail::HasTextRoom(lpString, nMaxCount))
        return 0;
    if (m_hMenu == nullptr)
        return afx_detail::EmptyTextBuffer(lpString, nMaxCount);
    return afx_detail::TerminateCopiedText(lpString, nMaxCount,
                                           ::GetMenuStringA(m_hMenu, nIDItem, lpString, nMaxCount, nFlags));
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    rString.Empty();
    if (m_hMenu == nullptr)
        return 0;
    // Asked without a buffer, the menu tells the length of the text.
    int nLength = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (nLength <= 0)
        return 0;
    std::vector<char> buffer(static_cast<size_t>(nLength) + 1, '\0');
    int nCopied = ::GetMenuStringA(m_hMenu, nIDItem, buffer.data(), nLength + 1, nFlags);
    rString = buffer.data();
    return nCopied;
}

BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos)
{
    return m_hMenu != nullptr && lpMenuItemInfo != nullptr &&
           ::GetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::SetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos)
{
    return m_hMenu != nullptr && lpMenuItemInfo != nullptr &&
           ::SetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    return m_hMenu != nullptr ? CMenu::FromHandle(::GetSubMenu(m_hMenu, nPos)) : nullptr;
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    return m_hMenu != nullptr ? ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck) : static_cast<UINT>(-1);
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    return m_hMenu != nullptr ? static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable))
                              : static_cast<UINT>(-1);
}

BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags)
{
    return m_hMenu != nullptr && ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}

BOOL CMenu::SetDefaultItem(UINT uItem, BOOL fByPos)
{
    return m_hMenu != nullptr && ::SetMenuDefaultItem(m_hMenu, uItem, fByPos);
}

UINT CMenu::GetDefaultItem(UINT gmdiFlags, BOOL fByPos)
{
    return m_hMenu != nullptr ? ::GetMenuDefaultItem(m_hMenu, fByPos, gmdiFlags) : static_cast<UINT>(-1);
}

BOOL CMenu::SetMenuContextHelpId(DWORD dwContextHelpId)
{
    return m_hMenu != nullptr && ::SetMenuContextHelpId(m_hMenu, dwContextHelpId);
}

DWORD CMenu::GetMenuContextHelpId() const { return m_hMenu != nullptr ? ::GetMenuContextHelpId(m_hMenu) : 0; }

// ----- tracking ------------------------------------------------------------------------------

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    HWND hWnd = pWnd != nullptr ? pWnd->m_hWnd : nullptr;
    if (m_hMenu == nullptr || hWnd == nullptr)
        return FALSE;
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, hWnd, lpRect);
}

BOOL CMenu::TrackPopupMenuEx(UINT fuFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm)
{
    HWND hWnd = pWnd != nullptr ? pWnd->m_hWnd : nullptr;
    if (m_hMenu == nullptr || hWnd == nullptr)
        return FALSE;
    return ::TrackPopupMenuEx(m_hMenu, fuFlags, x, y, hWnd, lptpm);
}

// ----- owner-drawn items ------------------------------------------------------------------------

void CMenu::DrawItem(LPDRAWITEMSTRUCT)
{
    // Menus with owner-drawn items override this; a plain menu has nothing to draw.
}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}
