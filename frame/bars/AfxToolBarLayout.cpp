// CToolBar layout: where the rows wrap for a docked, floating or resized bar,
// the size that gives, and the non-client borders round the buttons. The
// arithmetic is the toolbar layout of logic/ToolbarLayout under its
// one-button-high rule; this reads the buttons for it and writes the wraps back.
#include "AfxToolBar.h"
#include "afxext.h"
#include "ToolbarLayout.h"
#include <algorithm>
#include <vector>

using namespace bar_layout;

namespace {
ToolbarMetrics Metrics(CToolBar& bar)
{
    ToolbarMetrics metrics;
    metrics.rows = RowRule::OneButtonHigh;
    metrics.cyButton = bar.m_hWnd != nullptr ? HIWORD(bar.DefWindowProc(TB_GETBUTTONSIZE, 0, 0)) : 0;
    if (metrics.cyButton <= 0)
        metrics.cyButton = bar.m_sizeButton.cy;
    return metrics;
}

// The layout's view of the records: a separator is as wide as its iBitmap, a
// button as its item rectangle in the control (the button width when the
// control gives none).
std::vector<ToolbarItem> ReadItems(CToolBar& bar, const TBBUTTON* pData, int nCount)
{
    std::vector<ToolbarItem> items;
    for (int i = 0; pData != nullptr && i < nCount; i++) {
        ToolbarItem item;
        item.bSeparator = (pData[i].fsStyle & TBSTYLE_SEP) != 0;
        item.idCommand = pData[i].idCommand;
        item.bHidden = (pData[i].fsState & TBSTATE_HIDDEN) != 0;
        item.bWrap = (pData[i].fsState & TBSTATE_WRAP) != 0;
        RECT rect;
        if (item.bSeparator)
            item.cx = pData[i].iBitmap;
        else if (bar.m_hWnd != nullptr && bar.DefWindowProc(TB_GETITEMRECT, (WPARAM)i, (LPARAM)&rect) &&
                 rect.right > rect.left)
            item.cx = rect.right - rect.left;
        else
            item.cx = bar.m_sizeButton.cx;
        items.push_back(item);
    }
    return items;
}

LayoutRect ToRect(const CRect& rect) { return { rect.left, rect.top, rect.right, rect.bottom }; }

void WriteWraps(const std::vector<ToolbarItem>& items, TBBUTTON* pData)
{
    for (size_t i = 0; i < items.size(); i++)
        pData[i].fsState = (BYTE)((pData[i].fsState & ~TBSTATE_WRAP) | (items[i].bWrap ? TBSTATE_WRAP : 0));
}
}

// ----- the layout over a working copy of the buttons -------------------------------

CSize CToolBar::CalcSize(TBBUTTON* pData, int nCount)
{
    LayoutSize size = bar_layout::CalcSize(ReadItems(*this, pData, nCount), Metrics(*this), 0);
    return CSize(size.cx, size.cy);
}

int CToolBar::WrapToolBar(TBBUTTON* pData, int nCount, int nWidth)
{
    std::vector<ToolbarItem> items = ReadItems(*this, pData, nCount);
    int nRows = bar_layout::WrapToolBar(items, nWidth, Metrics(*this), 0);
    WriteWraps(items, pData);
    return nRows;
}

void CToolBar::SizeToolBar(TBBUTTON* pData, int nCount, int nLength, BOOL bVert)
{
    std::vector<ToolbarItem> items = ReadItems(*this, pData, nCount);
    bar_layout::SizeToolBar(items, nLength, bVert != FALSE, Metrics(*this), 0);
    WriteWraps(items, pData);
}

CSize CToolBar::CalcLayoutMargins(DWORD dwMode, CRect& rectInside)
{
    CalcInsideRect(rectInside, (dwMode & LM_HORZ) != 0);
    return CControlBar::CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
}

CSize CToolBar::CalcLayout(DWORD dwMode, int nLength)
{
    // A working copy of the records: only a commit writes the wraps back.
    std::vector<TBBUTTON> data((size_t)std::max<LRESULT>(DefCtrl(TB_BUTTONCOUNT), 0));
    for (size_t i = 0; i < data.size(); i++)
        _GetButton((int)i, &data[i]);
    std::vector<ToolbarItem> items = ReadItems(*this, data.data(), (int)data.size());

    CRect rectInside(0, 0, 0, 0);
    const CSize sizeBase = CalcLayoutMargins(dwMode, rectInside);
    BarLayoutResult result = bar_layout::CalcLayout(
        items, { dwMode, nLength, m_dwStyle, (int)m_nMRUWidth, ToRect(rectInside), { sizeBase.cx, sizeBase.cy } },
        Metrics(*this));
    if (!data.empty() && (dwMode & LM_COMMIT)) {
        m_nMRUWidth = (UINT)result.nMRUWidth;
        WriteWraps(items, data.data());
        for (size_t i = 0; i < data.size(); i++)
            _SetButton((int)i, &data[i]);
    }
    return CSize(result.size.cx, result.size.cy);
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
