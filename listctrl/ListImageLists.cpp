// QELListCtrl: the small image list of items and cells and the header's image
// list, either a caller's or one the control builds from a bitmap and owns.
#include "QELListCtrl.h"
#include "ListCtrlParts.h"

namespace {
// Images cut from a bitmap are this wide; the list grows by this many at a time.
const int kImageWidth = 16;
const int kImageGrow = 4;

HIMAGELIST HeaderImageList(HWND hHeader)
{
    return hHeader != nullptr ? reinterpret_cast<HIMAGELIST>(::SendMessageA(hHeader, HDM_GETIMAGELIST, 0, 0)) : nullptr;
}

HIMAGELIST SetHeaderList(HWND hHeader, HIMAGELIST hImageList)
{
    if (hHeader == nullptr)
        return nullptr;
    return reinterpret_cast<HIMAGELIST>(
        ::SendMessageA(hHeader, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(hImageList)));
}

HIMAGELIST SetSmallList(HWND hList, HIMAGELIST hImageList)
{
    return reinterpret_cast<HIMAGELIST>(
        ::SendMessageA(hList, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(hImageList)));
}
}

CImageList* QELListCtrl::SetImageList(CImageList* pImageList)
{
    return CListCtrl::SetImageList(pImageList, LVSIL_SMALL);
}

CImageList* QELListCtrl::SetImageList(UINT nBitmapID, COLORREF crMask)
{
    return _RebuildOwnedImageList(m_pParts->imgList, nBitmapID, crMask, FALSE);
}

CImageList* QELListCtrl::GetImageList() const { return CListCtrl::GetImageList(LVSIL_SMALL); }

CImageList* QELListCtrl::SetHeaderImageList(CImageList* pImageList)
{
    if (!::IsWindow(m_hWnd))
        return nullptr;
    HIMAGELIST hBefore = SetHeaderList(_GetHeaderWnd(), pImageList != nullptr ? pImageList->GetSafeHandle() : nullptr);
    return hBefore != nullptr ? CImageList::FromHandle(hBefore) : nullptr;
}

CImageList* QELListCtrl::SetHeaderImageList(UINT nBitmapID, COLORREF crMask)
{
    return _RebuildOwnedImageList(m_pParts->imgHeader, nBitmapID, crMask, TRUE);
}

CImageList* QELListCtrl::_RebuildOwnedImageList(CImageList& owned, UINT nBitmapID, COLORREF crMask, BOOL bHeader)
{
    if (!::IsWindow(m_hWnd))
        return nullptr;
    // A bitmap that cannot be found leaves no list at all in that place.
    CImageList built;
    built.Create(nBitmapID, kImageWidth, kImageGrow, crMask);
    const HIMAGELIST hNew = built.GetSafeHandle();
    const HIMAGELIST hOldOwned = owned.GetSafeHandle();
    HWND hHeader = _GetHeaderWnd();

    // The new list goes in before the old one is released, so nothing ever holds a
    // destroyed list: where the old owned list was also in use (the header showing
    // the small images, say) the new one takes its place.
    HIMAGELIST hBefore = bHeader ? SetHeaderList(hHeader, hNew) : SetSmallList(m_hWnd, hNew);
    if (hOldOwned != nullptr) {
        if (HeaderImageList(hHeader) == hOldOwned)
            SetHeaderList(hHeader, hNew);
        if (reinterpret_cast<HIMAGELIST>(::SendMessageA(m_hWnd, LVM_GETIMAGELIST, LVSIL_SMALL, 0)) == hOldOwned)
            SetSmallList(m_hWnd, hNew);
        _DetachOwnedImageList(hOldOwned);
        owned.DeleteImageList();
    }
    if (hNew != nullptr)
        owned.Attach(built.Detach());
    if (hBefore == nullptr || hBefore == hOldOwned)
        return nullptr;
    return CImageList::FromHandle(hBefore);
}
