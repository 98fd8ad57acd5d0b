// Image lists: owned or attached HIMAGELIST handles.
#include "AfxImageList.h"
#include "AfxState.h"
#include "AfxHandleOwner.h"
#include "AfxDC.h"
#include "AfxWnd.h"
#include "AfxModule.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnonnull-compare"
#pragma GCC diagnostic ignored "-Waddress"
HIMAGELIST CImageList::GetSafeHandle() const { return this == nullptr ? nullptr : m_hImageList; }
#pragma GCC diagnostic pop

// ----- handle map and life ------------------------------------------------------

CImageList::~CImageList() { DeleteImageList(); }

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList)
{
    return AfxWrapperFromHandle(AfxGetThreadState()->m_imageListMap, hImageList, &CImageList::m_hImageList,
                                [](HIMAGELIST h) {
                                    CImageList* pTemp = new CImageList;
                                    pTemp->m_hImageList = h;
                                    return pTemp;
                                });
}

CImageList* PASCAL CImageList::FromHandlePermanent(HIMAGELIST hImageList)
{
    return hImageList != nullptr ? AfxGetThreadState()->m_imageListMap.LookupPermanent(hImageList) : nullptr;
}

void PASCAL CImageList::DeleteTempMap() { AfxGetThreadState()->m_imageListMap.DeleteTemp(); }

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    return AfxAttachWrapper(AfxGetThreadState()->m_imageListMap, hImageList, this, &CImageList::m_hImageList);
}

HIMAGELIST CImageList::Detach()
{
    return AfxDetachWrapper(AfxGetThreadState()->m_imageListMap, this, &CImageList::m_hImageList);
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr)
        return FALSE;
    return ImageList_Destroy(Detach());
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    if (m_hImageList != nullptr)
        return FALSE;
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCEA(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    if (m_hImageList != nullptr || lpszBitmapID == nullptr)
        return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszBitmapID, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    return Attach(ImageList_LoadImageA(hInst, lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP, 0));
}

BOOL CImageList::Create(CImageList& imagelist1, int nImage1, CImageList& imagelist2, int nImage2, int dx, int dy)
{
    if (m_hImageList != nullptr || imagelist1.m_hImageList == nullptr || imagelist2.m_hImageList == nullptr)
        return FALSE;
    return Attach(ImageList_Merge(imagelist1.m_hImageList, nImage1, imagelist2.m_hImageList, nImage2, dx, dy));
}

BOOL CImageList::Create(CImageList* pImageList)
{
    if (m_hImageList != nullptr || pImageList == nullptr || pImageList->m_hImageList == nullptr)
        return FALSE;
    return Attach(ImageList_Duplicate(pImageList->m_hImageList));
}

// ----- attributes -------------------------------------------------------------------

int CImageList::GetImageCount() const { return m_hImageList != nullptr ? ImageList_GetImageCount(m_hImageList) : 0; }

BOOL CImageList::SetImageCount(UINT uNewCount)
{
    return m_hImageList != nullptr && ImageList_SetImageCount(m_hImageList, uNewCount);
}

COLORREF CImageList::SetBkColor(COLORREF cr)
{
    return m_hImageList != nullptr ? ImageList_SetBkColor(m_hImageList, cr) : CLR_NONE;
}

COLORREF CImageList::GetBkColor() const
{
    return m_hImageList != nullptr ? ImageList_GetBkColor(m_hImageList) : CLR_NONE;
}

BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
{
    return m_hImageList != nullptr && pImageInfo != nullptr && ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}

// ----- operations --------------------------------------------------------------------

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    HBITMAP hImage = static_cast<HBITMAP>(pbmImage->GetSafeHandle());
    if (m_hImageList == nullptr || hImage == nullptr)
        return -1;
    return ImageList_Add(m_hImageList, hImage, static_cast<HBITMAP>(pbmMask->GetSafeHandle()));
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    HBITMAP hImage = static_cast<HBITMAP>(pbmImage->GetSafeHandle());
    if (m_hImageList == nullptr || hImage == nullptr)
        return -1;
    return ImageList_AddMasked(m_hImageList, hImage, crMask);
}

int CImageList::Add(HICON hIcon)
{
    if (m_hImageList == nullptr || hIcon == nullptr)
        return -1;
    // Replacing image -1 appends.
    return ImageList_ReplaceIcon(m_hImageList, -1, hIcon);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    HBITMAP hImage = static_cast<HBITMAP>(pbmImage->GetSafeHandle());
    if (m_hImageList == nullptr || hImage == nullptr)
        return FALSE;
    return ImageList_Replace(m_hImageList, nImage, hImage, static_cast<HBITMAP>(pbmMask->GetSafeHandle()));
}

int CImageList::Replace(int nImage, HICON hIcon)
{
    if (m_hImageList == nullptr || hIcon == nullptr)
        return -1;
    return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
}

BOOL CImageList::Remove(int nImage) { return m_hImageList != nullptr && ImageList_Remove(m_hImageList, nImage); }

HICON CImageList::ExtractIcon(int nImage)
{
    return m_hImageList != nullptr ? ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL) : nullptr;
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    HDC hDC = pDC->GetSafeHdc();
    return m_hImageList != nullptr && hDC != nullptr && ImageList_Draw(m_hImageList, nImage, hDC, pt.x, pt.y, nStyle);
}

BOOL CImageList::DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg, UINT nStyle)
{
    HDC hDC = pDC->GetSafeHdc();
    return m_hImageList != nullptr && hDC != nullptr &&
           ImageList_DrawEx(m_hImageList, nImage, hDC, pt.x, pt.y, sz.cx, sz.cy, clrBk, clrFg, nStyle);
}

BOOL CImageList::DrawIndirect(IMAGELISTDRAWPARAMS* pimldp)
{
    if (m_hImageList == nullptr || pimldp == nullptr)
        return FALSE;
    // The structure's own size field lets older controls read only what they know.
    pimldp->himl = m_hImageList;
    if (pimldp->cbSize == 0)
        pimldp->cbSize = IMAGELISTDRAWPARAMS_V3_SIZE;
    return ImageList_DrawIndirect(pimldp);
}

BOOL CImageList::SetOverlayImage(int nImage, int nOverlay)
{
    return m_hImageList != nullptr && ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay);
}

BOOL CImageList::Copy(int iDst, int iSrc, UINT uFlags)
{
    return m_hImageList != nullptr && ImageList_Copy(m_hImageList, iDst, m_hImageList, iSrc, uFlags);
}

BOOL CImageList::Copy(int iDst, CImageList* pSrc, int iSrc, UINT uFlags)
{
    return m_hImageList != nullptr && pSrc != nullptr && pSrc->m_hImageList != nullptr &&
           ImageList_Copy(m_hImageList, iDst, pSrc->m_hImageList, iSrc, uFlags);
}

// ----- dragging -------------------------------------------------------------------------

BOOL CImageList::BeginDrag(int nImage, CPoint ptHotSpot)
{
    return m_hImageList != nullptr && ImageList_BeginDrag(m_hImageList, nImage, ptHotSpot.x, ptHotSpot.y);
}

void PASCAL CImageList::EndDrag() { ImageList_EndDrag(); }

BOOL PASCAL CImageList::DragMove(CPoint pt) { return ImageList_DragMove(pt.x, pt.y); }

BOOL PASCAL CImageList::DragShowNolock(BOOL bShow) { return ImageList_DragShowNolock(bShow); }

BOOL PASCAL CImageList::DragEnter(CWnd* pWndLock, CPoint point)
{
    return ImageList_DragEnter(pWndLock != nullptr ? pWndLock->m_hWnd : nullptr, point.x, point.y);
}

BOOL PASCAL CImageList::DragLeave(CWnd* pWndLock)
{
    return ImageList_DragLeave(pWndLock != nullptr ? pWndLock->m_hWnd : nullptr);
}
