// CToolBar layout: where the rows wrap for a docked, floating or resized bar,
// the size that gives, and the non-client borders round the buttons.
#include "AfxToolBar.h"
#include "afxext.h"

namespace {
// A wrapping separator is drawn as a line between rows, two thirds of its
// width high.
int SeparatorRowHeight(const TBBUTTON& button) { return (button.iBitmap > 0 ? button.iBitmap : 8) * 2 / 3; }

bool IsPlainSeparator(const TBBUTTON& b) { return (b.fsStyle & TBSTYLE_SEP) && b.idCommand == 0; }
bool IsPlaceholder(const TBBUTTON& b) { return (b.fsStyle & TBSTYLE_SEP) && b.idCommand != 0; }
}

// ----- the layout over a working copy of the buttons -------------------------------

CSize CToolBar::CalcSize(TBBUTTON* pData, int nCount)
{
    int cyButton = HIWORD(DefCtrl(TB_GETBUTTONSIZE));
    if (cyButton <= 0)
        cyButton = m_sizeButton.cy;
    CPoint cur(0, 0);
    CSize sizeResult(0, 0);
    for (int i = 0; i < nCount; i++) {
        const TBBUTTON& b = pData[i];
        if (b.fsState & TBSTATE_HIDDEN)
            continue;
        int cx;
        if (b.fsStyle & TBSTYLE_SEP) {
            cx = b.iBitmap;
            if (b.fsState & TBSTATE_WRAP) {
                if (sizeResult.cy < cur.y + cyButton + SeparatorRowHeight(b))
                    sizeResult.cy = cur.y + cyButton + SeparatorRowHeight(b);
            } else if (sizeResult.cx < cur.x + cx) {
                sizeResult.cx = cur.x + cx;
            }
        } else {
            CRect rect;
            cx = DefCtrl(TB_GETITEMRECT, (WPARAM)i, (LPARAM)&rect) && rect.Width() > 0 ? rect.Width() : m_sizeButton.cx;
            if (sizeResult.cx < cur.x + cx)
                sizeResult.cx = cur.x + cx;
            if (sizeResult.cy < cur.y + cyButton)
                sizeResult.cy = cur.y + cyButton;
        }
        cur.x += cx;
        if (b.fsState & TBSTATE_WRAP) {
            cur.x = 0;
            cur.y += cyButton;
            if (b.fsStyle & TBSTYLE_SEP)
                cur.y += SeparatorRowHeight(b);
        }
    }
    return sizeResult;
}

int CToolBar::WrapToolBar(TBBUTTON* pData, int nCount, int nWidth)
{
    int nWraps = 0;
    int x = 0;
    for (int i = 0; i < nCount; i++) {
        pData[i].fsState &= ~TBSTATE_WRAP;
        if (pData[i].fsState & TBSTATE_HIDDEN)
            continue;
        int dx;
        if (pData[i].fsStyle & TBSTYLE_SEP) {
            dx = pData[i].iBitmap;
        } else {
            CRect rect;
            dx = DefCtrl(TB_GETITEMRECT, (WPARAM)i, (LPARAM)&rect) && rect.Width() > 0 ? rect.Width() : m_sizeButton.cx;
        }
        if (x + dx <= nWidth) {
            x += dx;
            continue;
        }
        // Past the width: wrap at the last visible separator of this row, else
        // before this item (never at a hidden item or an embedded control).
        int nWrap = -1;
        for (int j = i; j >= 0 && !(pData[j].fsState & TBSTATE_WRAP); j--) {
            if (IsPlainSeparator(pData[j]) && !(pData[j].fsState & TBSTATE_HIDDEN)) {
                nWrap = j;
                break;
            }
        }
        if (nWrap < 0) {
            for (int j = i - 1; j >= 0 && !(pData[j].fsState & TBSTATE_WRAP); j--) {
                if ((pData[j].fsState & TBSTATE_HIDDEN) || IsPlaceholder(pData[j]))
                    continue;
                nWrap = j;
                break;
            }
        }
        if (nWrap < 0) {
            x += dx;  // nowhere to wrap: the row overflows
            continue;
        }
        pData[nWrap].fsState |= TBSTATE_WRAP;
        nWraps++;
        i = nWrap;
        x = 0;
    }
    return nWraps + 1;
}

void CToolBar::SizeToolBar(TBBUTTON* pData, int nCount, int nLength, BOOL bVert)
{
    if (!bVert) {
        // The narrowest width that gives as many rows as nLength does.
        int nMax = nLength;
        int nTarget = WrapToolBar(pData, nCount, nMax);
        int nMin = 0;
        if (WrapToolBar(pData, nCount, nMin) != nTarget && nLength > 0) {
            while (nMin < nMax) {
                int nMid = (nMin + nMax) / 2;
                if (WrapToolBar(pData, nCount, nMid) == nTarget) {
                    nMax = nMid;
                } else {
                    if (nMin == nMid) {
                        WrapToolBar(pData, nCount, nMax);
                        break;
                    }
                    nMin = nMid;
                }
            }
        }
        CSize size = CalcSize(pData, nCount);
        WrapToolBar(pData, nCount, size.cx);
        return;
    }
    // nLength is a height: the width whose rows come closest to it.
    WrapToolBar(pData, nCount, 0);
    CSize sizeMin = CalcSize(pData, nCount);
    WrapToolBar(pData, nCount, 32767);
    CSize sizeMax = CalcSize(pData, nCount);
    while (sizeMin.cx < sizeMax.cx) {
        WrapToolBar(pData, nCount, (sizeMin.cx + sizeMax.cx) / 2);
        CSize sizeMid = CalcSize(pData, nCount);
        if (nLength < sizeMid.cy) {
            if (sizeMin == sizeMid) {
                WrapToolBar(pData, nCount, sizeMax.cx);
                return;
            }
            sizeMin = sizeMid;
        } else if (nLength > sizeMid.cy) {
            if (sizeMax == sizeMid) {
                WrapToolBar(pData, nCount, sizeMin.cx);
                return;
            }
            sizeMax = sizeMid;
        } else {
            return;
        }
    }
}

CSize CToolBar::CalcLayout(DWORD dwMode, int nLength)
{
    CSize sizeResult(0, 0);
    int nCount = m_hWnd != nullptr ? (int)DefCtrl(TB_BUTTONCOUNT) : 0;
    if (nCount > 0) {
        TBBUTTON* pData = new TBBUTTON[nCount];
        for (int i = 0; i < nCount; i++)
            _GetButton(i, &pData[i]);

        if (!(m_dwStyle & CBRS_SIZE_FIXED)) {
            BOOL bDynamic = (m_dwStyle & CBRS_SIZE_DYNAMIC) != 0;
            if (bDynamic && (dwMode & LM_MRUWIDTH)) {
                SizeToolBar(pData, nCount, (int)m_nMRUWidth);
            } else if (bDynamic && (dwMode & LM_HORZDOCK)) {
                SizeToolBar(pData, nCount, 32767);
            } else if (bDynamic && (dwMode & LM_VERTDOCK)) {
                SizeToolBar(pData, nCount, 0);
            } else if (bDynamic && nLength != -1) {
                // nLength includes the borders; the buttons get what is inside.
                CRect rect(0, 0, 0, 0);
                CalcInsideRect(rect, (dwMode & LM_HORZ) != 0);
                BOOL bVert = (dwMode & LM_LENGTHY) != 0;
                SizeToolBar(pData, nCount, nLength + (bVert ? rect.Height() : rect.Width()), bVert);
            } else if (bDynamic && (m_dwStyle & CBRS_FLOATING)) {
                SizeToolBar(pData, nCount, (int)m_nMRUWidth);
            } else {
                SizeToolBar(pData, nCount, (dwMode & LM_HORZ) ? 32767 : 0);
            }
        }
        sizeResult = CalcSize(pData, nCount);

        if (dwMode & LM_COMMIT) {
            if ((m_dwStyle & CBRS_FLOATING) && (m_dwStyle & CBRS_SIZE_DYNAMIC))
                m_nMRUWidth = (UINT)sizeResult.cx;
            for (int i = 0; i < nCount; i++)
                _SetButton(i, &pData[i]);
        }
        delete[] pData;
    }

    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, (dwMode & LM_HORZ) != 0);
    sizeResult.cx -= rect.Width();
    sizeResult.cy -= rect.Height();
    CSize size = CControlBar::CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
    if (sizeResult.cx < size.cx)
        sizeResult.cx = size.cx;
    if (sizeResult.cy < size.cy)
        sizeResult.cy = size.cy;
    return sizeResult;
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CalcLayout((bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ : 0));
}

CSize CToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (nLength == -1 && !(dwMode & (LM_MRUWIDTH | LM_COMMIT)) && (dwMode & (LM_HORZDOCK | LM_VERTDOCK)))
        return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZDOCK) != 0);
    return CalcLayout(dwMode, nLength);
}

void CToolBar::Layout()
{
    m_bDelayedButtonLayout = FALSE;
    if ((m_dwStyle & CBRS_FLOATING) && (m_dwStyle & CBRS_SIZE_DYNAMIC))
        CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
    else if (m_dwStyle & CBRS_ORIENT_HORZ)
        CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
    else
        CalcDynamicLayout(0, LM_VERTDOCK | LM_COMMIT);
}

void CToolBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    // Another side or floating means other rows and other borders.
    if ((dwOldStyle ^ dwNewStyle) & (CBRS_ORIENT_ANY | CBRS_FLOATING | CBRS_BORDER_ANY | CBRS_GRIPPER)) {
        m_bDelayedButtonLayout = TRUE;
        if (m_hWnd != nullptr) {
            SetWindowPos(nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
            Invalidate();
        }
    }
}

// ----- the window -------------------------------------------------------------------------

void CToolBar::OnWindowPosChanging(WINDOWPOS* lpWndPos)
{
    CControlBar::OnWindowPosChanging(lpWndPos);
    if (m_bDelayedButtonLayout && !(lpWndPos->flags & SWP_NOSIZE))
        Layout();
}

void CToolBar::OnPaint()
{
    if (m_bDelayedButtonLayout)
        Layout();
    Default();
}

void CToolBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    // Borders and gripper live outside the control's own area.
    CalcNonClientInside(lpncsp);
}

void CToolBar::OnNcPaint() { EraseNonClient(); }

// The whole bar counts as client area, so that a press on the gripper reaches
// OnLButtonDown and starts a drag.
UINT CToolBar::OnNcHitTest(CPoint) { return HTCLIENT; }

void CToolBar::OnSysColorChange()
{
    Default();
    // The image well's greys follow the system colours.
    if (m_hInstImageWell != nullptr && m_hRsrcImageWell != nullptr) {
        HBITMAP hbm = AfxLoadSysColorBitmap(m_hInstImageWell, m_hRsrcImageWell);
        if (hbm != nullptr && !AddReplaceBitmap(hbm))
            ::DeleteObject(hbm);
    }
}
