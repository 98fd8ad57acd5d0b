// CToolBar: creation, buttons, labels and the image well.
#include "AfxToolBar.h"
#include "afxext.h"
#include <cstring>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_PAINT()
    ON_MESSAGE(TB_SETBUTTONSIZE, OnSetButtonSize)
    ON_MESSAGE(TB_SETBITMAPSIZE, OnSetBitmapSize)
END_MESSAGE_MAP()

CToolBar::CToolBar() : m_sizeImage(16, 15), m_sizeButton(23, 22)
{
    m_cxLeftBorder = 4;
    m_cxRightBorder = 4;
    m_cyTopBorder = 2;
    m_cyBottomBorder = 2;
}

CToolBar::~CToolBar()
{
    // The window goes first: the control must not outlive its image well.
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) {
        m_bAutoDelete = FALSE;
        DestroyWindow();
    }
    if (m_hbmImageWell != nullptr)
        ::DeleteObject(m_hbmImageWell);
    delete m_pStringMap;
}

LRESULT CToolBar::DefCtrl(UINT message, WPARAM wParam, LPARAM lParam) const
{
    if (m_hWnd == nullptr)
        return 0;
    return const_cast<CToolBar*>(this)->DefWindowProc(message, wParam, lParam);
}

CToolBarCtrl& CToolBar::GetToolBarCtrl() const
{
    // The bar is the toolbar control: the wrapper adds no data, only messages.
    return *reinterpret_cast<CToolBarCtrl*>(const_cast<CToolBar*>(this));
}

// ----- creation ------------------------------------------------------------------

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder),
                    nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    if (pParentWnd == nullptr || pParentWnd->m_hWnd == nullptr || m_hWnd != nullptr)
        return FALSE;
    SetBorders(&rcBorders);
    m_dwStyle = dwStyle & CBRS_ALL;

    // The bar sizes and places the control itself.
    DWORD dwWndStyle =
        (dwStyle & ~CBRS_ALL) | dwCtrlStyle | WS_CHILD | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
    if (m_dwStyle & CBRS_TOOLTIPS)
        dwWndStyle |= TBSTYLE_TOOLTIPS;
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_BAR_CLASSES };
    ::InitCommonControlsEx(&icc);
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    DefWindowProc(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SetSizes(m_sizeButton, m_sizeImage);
    return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    // A button must hold its image with the control's edges round it.
    if (sizeImage.cx <= 0 || sizeImage.cy <= 0 || sizeButton.cx < sizeImage.cx + 7 || sizeButton.cy < sizeImage.cy + 6)
        return;
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
    if (m_hWnd != nullptr) {
        DefWindowProc(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
        DefWindowProc(TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeButton.cx, sizeButton.cy));
        m_bDelayedButtonLayout = TRUE;
        Invalidate();
    }
}

void CToolBar::SetHeight(int cyHeight)
{
    // The height is made by the borders round the buttons.
    int nHeight = cyHeight;
    if (m_dwStyle & CBRS_BORDER_TOP)
        cyHeight -= 2;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        cyHeight -= 2;
    m_cyBottomBorder = (cyHeight - m_sizeButton.cy) / 2;
    m_cyTopBorder = cyHeight - m_sizeButton.cy - m_cyBottomBorder;
    if (m_cyTopBorder < 0)
        m_cyTopBorder = 0;
    if (m_cyBottomBorder < 0)
        m_cyBottomBorder = 0;
    (void)nHeight;
    if (m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

LRESULT CToolBar::OnSetButtonSize(WPARAM, LPARAM lParam)
{
    LRESULT lResult = Default();
    if (lResult) {
        m_sizeButton = CSize(LOWORD(lParam), HIWORD(lParam));
        m_bDelayedButtonLayout = TRUE;
    }
    return lResult;
}

LRESULT CToolBar::OnSetBitmapSize(WPARAM, LPARAM lParam)
{
    LRESULT lResult = Default();
    if (lResult) {
        m_sizeImage = CSize(LOWORD(lParam), HIWORD(lParam));
        m_bDelayedButtonLayout = TRUE;
    }
    return lResult;
}

// ----- resources -----------------------------------------------------------------

BOOL AFXAPI AfxParseToolBarResource(const void* pResource, DWORD cbResource, CSize& sizeImage, CUIntArray& arrIDs)
{
    arrIDs.RemoveAll();
    if (pResource == nullptr || cbResource < sizeof(CToolBarData))
        return FALSE;
    auto* pData = static_cast<const CToolBarData*>(pResource);
    if (pData->wVersion == 1 && pData->wWidth != 0 && pData->wHeight != 0 &&
        cbResource >= sizeof(CToolBarData) + pData->wItemCount * sizeof(WORD)) {
        const WORD* pItems = reinterpret_cast<const WORD*>(pData + 1);
        for (int i = 0; i < pData->wItemCount; i++)
            arrIDs.Add(pItems[i]);
        sizeImage = CSize(pData->wWidth, pData->wHeight);
        return TRUE;
    }
    // GNU windres writes its TOOLBAR statement as 32-bit fields without the
    // version: width, height, count, then one 32-bit id per item.
    auto* pWords = static_cast<const DWORD*>(pResource);
    if (cbResource < 3 * sizeof(DWORD))
        return FALSE;
    DWORD cx = pWords[0], cy = pWords[1], nCount = pWords[2];
    if (cx == 0 || cy == 0 || cx > 0xFFFF || cy > 0xFFFF || nCount > 0xFFFF ||
        cbResource != (3 + nCount) * sizeof(DWORD))
        return FALSE;
    for (DWORD i = 0; i < nCount; i++) {
        if (pWords[3 + i] > 0xFFFF)
            return FALSE;
        arrIDs.Add(pWords[3 + i]);
    }
    sizeImage = CSize((int)cx, (int)cy);
    return TRUE;
}

BOOL CToolBar::LoadToolBar(LPCSTR lpszResourceName)
{
    if (lpszResourceName == nullptr || m_hWnd == nullptr)
        return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_TOOLBAR);
    HRSRC hRsrc = ::FindResourceA(hInst, lpszResourceName, RT_TOOLBAR);
    if (hRsrc == nullptr)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    const void* pData = hGlobal != nullptr ? ::LockResource(hGlobal) : nullptr;
    CSize sizeImage;
    CUIntArray arrIDs;
    if (!AfxParseToolBarResource(pData, ::SizeofResource(hInst, hRsrc), sizeImage, arrIDs))
        return FALSE;
    if (!SetButtons(arrIDs.GetData(), (int)arrIDs.GetSize()))
        return FALSE;
    SetSizes(CSize(sizeImage.cx + 7, sizeImage.cy + 7), sizeImage);
    return LoadBitmap(lpszResourceName);
}

BOOL CToolBar::LoadBitmap(LPCSTR lpszResourceName)
{
    if (lpszResourceName == nullptr || m_hWnd == nullptr)
        return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    HRSRC hRsrc = ::FindResourceA(hInst, lpszResourceName, MAKEINTRESOURCEA(2));
    if (hRsrc == nullptr)
        return FALSE;
    HBITMAP hbmImageWell = AfxLoadSysColorBitmap(hInst, hRsrc);
    if (hbmImageWell == nullptr)
        return FALSE;
    if (!AddReplaceBitmap(hbmImageWell)) {
        ::DeleteObject(hbmImageWell);
        return FALSE;
    }
    m_hInstImageWell = hInst;
    m_hRsrcImageWell = hRsrc;
    return TRUE;
}

BOOL CToolBar::SetBitmap(HBITMAP hbmImageWell)
{
    if (hbmImageWell == nullptr || m_hWnd == nullptr)
        return FALSE;
    if (!AddReplaceBitmap(hbmImageWell))
        return FALSE;
    m_hInstImageWell = nullptr;
    m_hRsrcImageWell = nullptr;
    return TRUE;
}

BOOL CToolBar::AddReplaceBitmap(HBITMAP hbmImageWell)
{
    BITMAP bm = {};
    if (!::GetObjectA(hbmImageWell, sizeof(bm), &bm) || m_sizeImage.cx <= 0)
        return FALSE;
    int nCount = bm.bmWidth / m_sizeImage.cx;
    BOOL bResult;
    if (m_hbmImageWell != nullptr) {
        TBREPLACEBITMAP rb = { nullptr, (UINT_PTR)m_hbmImageWell, nullptr, (UINT_PTR)hbmImageWell, nCount };
        bResult = DefWindowProc(TB_REPLACEBITMAP, 0, (LPARAM)&rb) != 0;
    } else {
        TBADDBITMAP ab = { nullptr, (UINT_PTR)hbmImageWell };
        bResult = DefWindowProc(TB_ADDBITMAP, (WPARAM)nCount, (LPARAM)&ab) != -1;
    }
    if (!bResult)
        return FALSE;
    if (m_hbmImageWell != nullptr && !AfxIsSameHandle(m_hbmImageWell, hbmImageWell))
        ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = hbmImageWell;
    Invalidate();
    return TRUE;
}

// ----- buttons ---------------------------------------------------------------------

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    if (m_hWnd == nullptr || nIDCount < 0)
        return FALSE;
    for (int nCount = (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0); nCount > 0; nCount--)
        DefWindowProc(TB_DELETEBUTTON, 0, 0);

    TBBUTTON button;
    memset(&button, 0, sizeof(button));
    button.iString = -1;
    int iImage = 0;
    BOOL bResult = TRUE;
    for (int i = 0; i < nIDCount && bResult; i++) {
        button.fsState = TBSTATE_ENABLED;
        button.idCommand = lpIDArray != nullptr ? (int)lpIDArray[i] : 0;
        if (button.idCommand == 0) {
            button.fsStyle = TBSTYLE_SEP;
            button.iBitmap = 8;  // the separator's width
        } else {
            button.fsStyle = TBSTYLE_BUTTON;
            button.iBitmap = iImage++;
        }
        bResult = DefWindowProc(TB_ADDBUTTONSA, 1, (LPARAM)&button) != 0;
    }
    m_nCount = (int)DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    m_bDelayedButtonLayout = TRUE;
    return bResult;
}

void CToolBar::_GetButton(int nIndex, TBBUTTON* pButton) const
{
    if (pButton == nullptr)
        return;
    if (!DefCtrl(TB_GETBUTTON, (WPARAM)nIndex, (LPARAM)pButton)) {
        memset(pButton, 0, sizeof(TBBUTTON));
        pButton->iString = -1;
        pButton->fsState = TBSTATE_ENABLED;  // a missing button reads as a plain, enabled one
    }
    pButton->fsState ^= TBSTATE_ENABLED;
}

void CToolBar::_SetButton(int nIndex, TBBUTTON* pButton)
{
    if (pButton == nullptr)
        return;
    TBBUTTON button;
    if (!DefCtrl(TB_GETBUTTON, (WPARAM)nIndex, (LPARAM)&button))
        return;
    pButton->fsState ^= TBSTATE_ENABLED;
    memset(button.bReserved, 0, sizeof(button.bReserved));
    memset(pButton->bReserved, 0, sizeof(pButton->bReserved));
    if (memcmp(pButton, &button, sizeof(TBBUTTON)) == 0)
        return;

    // Deleting and inserting redraws everything; hide the work.
    DWORD dwStyle = GetStyle();
    ModifyStyle(WS_VISIBLE, 0);
    DefWindowProc(TB_DELETEBUTTON, (WPARAM)nIndex, 0);
    // Changing the text rows makes the control measure its buttons again.
    // Some versions of the control then forget the button size we set and
    // fall back to the smallest that holds the image: it is set again.
    LRESULT dwButtonSize = DefWindowProc(TB_GETBUTTONSIZE, 0, 0);
    int nRows = (int)::SendMessageA(m_hWnd, TB_GETTEXTROWS, 0, 0);
    ::SendMessageA(m_hWnd, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(m_hWnd, TB_SETMAXTEXTROWS, (WPARAM)(nRows + 1), 0);
    ::SendMessageA(m_hWnd, TB_SETMAXTEXTROWS, (WPARAM)nRows, 0);
    if (DefWindowProc(TB_GETBUTTONSIZE, 0, 0) != dwButtonSize)
        DefWindowProc(TB_SETBUTTONSIZE, 0, dwButtonSize);
    ::SendMessageA(m_hWnd, WM_SETREDRAW, TRUE, 0);
    if (!DefWindowProc(TB_INSERTBUTTONA, (WPARAM)nIndex, (LPARAM)pButton)) {
        // The control refused the new record: the button it replaced comes
        // back rather than being lost.
        DefWindowProc(TB_INSERTBUTTONA, (WPARAM)nIndex, (LPARAM)&button);
        ModifyStyle(0, dwStyle & WS_VISIBLE);
        return;
    }
    ModifyStyle(0, dwStyle & WS_VISIBLE);

    if (((pButton->fsStyle ^ button.fsStyle) & TBSTYLE_SEP) ||
        ((pButton->fsStyle & TBSTYLE_SEP) && pButton->iBitmap != button.iBitmap)) {
        Invalidate();
    } else {
        CRect rect;
        if (DefWindowProc(TB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)&rect))
            InvalidateRect(&rect);
    }
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    if (m_hWnd == nullptr)
        return -1;
    return (int)DefCtrl(TB_COMMANDTOINDEX, nIDFind, 0);
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button;
    _GetButton(nIndex, &button);
    return (UINT)button.idCommand;
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (lpRect == nullptr)
        return;
    if (m_bDelayedButtonLayout && m_hWnd != nullptr)
        const_cast<CToolBar*>(this)->Layout();
    if (!DefCtrl(TB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect))
        ::SetRectEmpty(lpRect);
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    TBBUTTON button;
    _GetButton(nIndex, &button);
    return MAKELONG(button.fsStyle, button.fsState);
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    TBBUTTON button;
    _GetButton(nIndex, &button);
    if (button.fsStyle != (BYTE)LOWORD(nStyle) || button.fsState != (BYTE)HIWORD(nStyle)) {
        button.fsStyle = (BYTE)LOWORD(nStyle);
        button.fsState = (BYTE)HIWORD(nStyle);
        _SetButton(nIndex, &button);
        m_bDelayedButtonLayout = TRUE;
    }
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
    TBBUTTON button;
    _GetButton(nIndex, &button);
    nID = (UINT)button.idCommand;
    nStyle = MAKELONG(button.fsStyle, button.fsState);
    iImage = button.iBitmap;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
    TBBUTTON button;
    _GetButton(nIndex, &button);
    TBBUTTON save = button;
    button.idCommand = (int)nID;
    button.iBitmap = iImage;
    button.fsStyle = (BYTE)LOWORD(nStyle);
    button.fsState = (BYTE)HIWORD(nStyle);
    if (memcmp(&save, &button, sizeof(save)) != 0) {
        _SetButton(nIndex, &button);
        m_bDelayedButtonLayout = TRUE;
    }
}

BOOL CToolBar::SetButtonText(int nIndex, LPCSTR lpszText)
{
    if (lpszText == nullptr || m_hWnd == nullptr || nIndex < 0 || nIndex >= (int)DefCtrl(TB_BUTTONCOUNT))
        return FALSE;
    // Each distinct text is added to the control's string pool once.
    void* pValue = nullptr;
    INT_PTR nString = -1;
    if (m_pStringMap != nullptr && m_pStringMap->Lookup(lpszText, pValue))
        nString = (INT_PTR)pValue;
    if (nString == -1) {
        CreateStringMap();
        // The pool takes a list ended by two NULs.
        size_t nLen = strlen(lpszText);
        char* pszList = new char[nLen + 2];
        memcpy(pszList, lpszText, nLen);
        pszList[nLen] = '\0';
        pszList[nLen + 1] = '\0';
        nString = (INT_PTR)DefWindowProc(TB_ADDSTRINGA, 0, (LPARAM)pszList);
        delete[] pszList;
        if (nString == -1)
            return FALSE;
        m_pStringMap->SetAt(lpszText, (void*)nString);
    }
    TBBUTTON button;
    _GetButton(nIndex, &button);
    button.iString = nString;
    _SetButton(nIndex, &button);
    m_bDelayedButtonLayout = TRUE;
    return TRUE;
}

CMapStringToPtr* CToolBar::CreateStringMap()
{
    if (m_pStringMap == nullptr)
        m_pStringMap = new CMapStringToPtr(10);
    return m_pStringMap;
}

CString CToolBar::GetButtonText(int nIndex) const
{
    CString strText;
    GetButtonText(nIndex, strText);
    return strText;
}

void CToolBar::GetButtonText(int nIndex, CString& rString) const
{
    rString.Empty();
    TBBUTTON button;
    _GetButton(nIndex, &button);
    if (button.iString == -1 || m_pStringMap == nullptr)
        return;
    POSITION pos = m_pStringMap->GetStartPosition();
    while (pos != nullptr) {
        CString strKey;
        void* pValue = nullptr;
        m_pStringMap->GetNextAssoc(pos, strKey, pValue);
        if ((INT_PTR)pValue == button.iString) {
            rString = strKey;
            return;
        }
    }
}

// ----- hit testing --------------------------------------------------------------------

INT_PTR CToolBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    if (m_hWnd == nullptr)
        return -1;
    int nHit = (int)DefCtrl(TB_HITTEST, 0, (LPARAM)&point);
    if (nHit < 0 || nHit >= (int)DefCtrl(TB_BUTTONCOUNT))
        return -1;
    TBBUTTON button;
    _GetButton(nHit, &button);
    if (button.fsStyle & TBSTYLE_SEP)
        return -1;
    if (pTI != nullptr) {
        pTI->hwnd = m_hWnd;
        pTI->uId = (UINT_PTR)button.idCommand;
        DefCtrl(TB_GETITEMRECT, (WPARAM)nHit, (LPARAM)&pTI->rect);
        pTI->lpszText = LPSTR_TEXTCALLBACKA;
    }
    return button.idCommand;
}
