// CDockBar layout: reads the docked bars, lets the dock-row arithmetic
// (logic/DockBarLayout) place them, and carries out its moves in one batch.
#include "AfxDockBar.h"
#include "afxext.h"
#include "DockBarLayout.h"
#include <new>
#include <vector>

using namespace bar_layout;

LRESULT CDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    auto* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (lpLayout == nullptr)
        return 0;
    // A layout without a batch only asks for sizes: nothing moves then.
    m_bLayoutQuery = lpLayout->hDWP == nullptr;
    m_rectLayout = lpLayout->rect;
    LRESULT lResult = CControlBar::OnSizeParent(wParam, lParam);
    m_bLayoutQuery = FALSE;
    m_rectLayout.SetRectEmpty();
    return lResult;
}

int CDockBar::GetBarOverlap(CControlBar*) const { return 2; }

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize sizeBase = CControlBar::CalcFixedLayout(bStretch, bHorz);
    CSize sizeMax;
    if (!m_rectLayout.IsRectEmpty()) {
        sizeMax = m_rectLayout.Size();
    } else {
        CRect rectFrame(0, 0, 0, 0);
        if (CWnd* pParent = GetParent())
            pParent->GetClientRect(&rectFrame);
        sizeMax = rectFrame.Size();
    }

    // The layout's view of every entry, in order; nBar is the entry's index.
    // Out of memory the dock bar answers its base size and moves nothing.
    INT_PTR nEntries = m_arrBars.GetSize();
    std::vector<CControlBar*> bars;
    std::vector<DockEntry> entries;
    DockLayoutResult result;
    try {
        bars.assign((size_t)nEntries, nullptr);
        entries.resize((size_t)nEntries);
        for (INT_PTR p = 0; p < nEntries; p++) {
            DockEntry& entry = entries[(size_t)p];
            void* pEntry = m_arrBars[p];
            if (pEntry == nullptr)
                continue;
            if (IsPlaceholder(pEntry)) {
                entry.kind = DockEntryKind::Placeholder;
                continue;
            }
            CControlBar* pBar = GetDockedControlBar((int)p);
            bars[(size_t)p] = pBar;
            entry.kind = DockEntryKind::Bar;
            entry.nBar = (int)p;
            entry.bVisible = pBar->IsVisible() != FALSE;
            entry.nOverlap = GetBarOverlap(pBar);
            entry.dwStyle = pBar->m_dwStyle;
            if (entry.bVisible) {
                CSize size = pBar->CalcDynamicLayout(-1, DockedBarMode(pBar->m_dwStyle));
                entry.size = { size.cx, size.cy };
            }
            CRect rect;
            pBar->GetWindowRect(&rect);
            ScreenToClient(&rect);
            entry.rcCurrent = { rect.left, rect.top, rect.right, rect.bottom };
        }

        DockLayoutInput input;
        input.bStretch = bStretch != FALSE;
        input.bHorz = bHorz != FALSE;
        input.bFloating = m_bFloating != FALSE;
        input.bLayoutQuery = m_bLayoutQuery != FALSE;
        input.szMax = { sizeMax.cx, sizeMax.cy };
        input.szBase = { sizeBase.cx, sizeBase.cy };
        CRect rectInside(0, 0, 0, 0);
        CalcInsideRect(rectInside, bHorz);
        input.rcInside = { rectInside.left, rectInside.top, rectInside.right, rectInside.bottom };
        result = CalcDockBarLayout(entries, input);
    } catch (const std::bad_alloc&) {
        return sizeBase;
    }

    // Bars that no longer fit start new rows.
    for (int nPos : result.insertions)
        m_arrBars.InsertAt(nPos, (void*)nullptr);

    // Every bar moves in one batch.
    AFX_SIZEPARENTPARAMS layout = {};
    layout.hDWP = m_bLayoutQuery ? nullptr : ::BeginDeferWindowPos((int)nEntries);
    for (const DockAction& action : result.actions) {
        if (action.nBar < 0 || action.nBar >= (int)bars.size() || bars[(size_t)action.nBar] == nullptr)
            continue;
        CControlBar* pBar = bars[(size_t)action.nBar];
        CRect rect(action.rect.left, action.rect.top, action.rect.right, action.rect.bottom);
        switch (action.kind) {
        case DockActionKind::RecordPosition:
            if (pBar->m_pDockContext != nullptr)
                pBar->m_pDockContext->m_rectMRUDockPos = rect;
            break;
        case DockActionKind::Move:
            AfxRepositionWindow(&layout, pBar->m_hWnd, &rect);
            break;
        case DockActionKind::DelayShow:
            pBar->RecalcDelayShow(&layout);
            break;
        }
    }
    if (!m_bLayoutQuery && layout.hDWP != nullptr)
        ::EndDeferWindowPos(layout.hDWP);
    return CSize(result.size.cx, result.size.cy);
}

void CDockBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    // Borders and gripper live outside the control's own area.
    CalcNonClientInside(lpncsp);
}

void CDockBar::OnNcPaint() { EraseNonClient(); }

// The borders are non-client; the client area is the background behind the
// bars, which WM_ERASEBKGND has painted.
void CDockBar::DoPaint(CDC*) {}
