// CStatic: the static control.
#include "AfxStatic.h"
#include "AfxControlSend.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)

// ----- CStatic ------------------------------------------------------------------

BOOL CStatic::Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}

HICON CStatic::SetIcon(HICON hIcon)
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HICON>(::SendMessageA(m_hWnd, STM_SETICON, reinterpret_cast<WPARAM>(hIcon), 0));
}

HICON CStatic::GetIcon() const
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HICON>(::SendMessageA(m_hWnd, STM_GETICON, 0, 0));
}

HBITMAP CStatic::SetBitmap(HBITMAP hBitmap)
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HBITMAP>(
        ::SendMessageA(m_hWnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
}

HBITMAP CStatic::GetBitmap() const
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HBITMAP>(::SendMessageA(m_hWnd, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

HCURSOR CStatic::SetCursor(HCURSOR hCursor)
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HCURSOR>(
        ::SendMessageA(m_hWnd, STM_SETIMAGE, IMAGE_CURSOR, reinterpret_cast<LPARAM>(hCursor)));
}

HCURSOR CStatic::GetCursor()
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HCURSOR>(::SendMessageA(m_hWnd, STM_GETIMAGE, IMAGE_CURSOR, 0));
}

HENHMETAFILE CStatic::SetEnhMetaFile(HENHMETAFILE hMetaFile)
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HENHMETAFILE>(
        ::SendMessageA(m_hWnd, STM_SETIMAGE, IMAGE_ENHMETAFILE, reinterpret_cast<LPARAM>(hMetaFile)));
}

HENHMETAFILE CStatic::GetEnhMetaFile() const
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HENHMETAFILE>(::SendMessageA(m_hWnd, STM_GETIMAGE, IMAGE_ENHMETAFILE, 0));
}

void CStatic::DrawItem(LPDRAWITEMSTRUCT)
{
    // An SS_OWNERDRAW static of a class that does not override this stays blank.
}

BOOL CStatic::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return AfxDrawItemReflected(this, message, lParam, pResult) ||
           CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
