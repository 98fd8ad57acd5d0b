// CDockBarEx: the dock bar that places flat toolbars edge to edge, and the
// frame set-up that puts one on each side.
#include "QELToolbar.h"
#include "logic/DockBarLayout.h"
#include "QELMemory.h"
#include <new>
#include <vector>

using namespace toolbar_layout;

IMPLEMENT_DYNAMIC(CDockBarEx, CDockBar)

BEGIN_MESSAGE_MAP(CDockBarEx, CDockBar)
END_MESSAGE_MAP()

CDockBarEx::CDockBarEx() : CDockBar(FALSE) {}

CDockBarEx::~CDockBarEx() = default;

CSize CDockBarEx::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
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
    INT_PTR nEntries = m_arrBars.GetSize();
    std::vector<CControlBar*> bars;
    std::vector<DockEntry> entries;
    // Out of memory, the dock bar answers its base size and moves nothing.
    if (!qel_memory::NoThrowDone([&] {
            bars.assign((size_t)nEntries, nullptr);
            entries.resize((size_t)nEntries);
        }))
        return sizeBase;
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
        entry.bFlatToolbar =
            pBar->IsKindOf(RUNTIME_CLASS(QELToolbar)) && (pBar->SendMessage(TB_GETSTYLE) & TBSTYLE_FLAT) != 0;
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
    DockLayoutResult result;
    if (!qel_memory::NoThrowDone([&] { result = CalcDockBarLayout(entries, input); }))
        return sizeBase;

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

BOOL QELToolbar::FrameEnableDocking(CFrameWnd* pFrame, DWORD dwDockStyle)
{
    if (pFrame == nullptr || pFrame->m_hWnd == nullptr)
        return FALSE;
    static const struct
    {
        UINT nID;
        DWORD dwStyle;
    } kSides[] = {
        { AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM },
        { AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP },
        { AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT },
        { AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT },
    };
    pFrame->EnableDocking(dwDockStyle);
    BOOL bAll = TRUE;
    for (const auto& side : kSides) {
        if (!(dwDockStyle & side.dwStyle & CBRS_ALIGN_ANY))
            continue;
        CControlBar* pOld = pFrame->GetControlBar(side.nID);
        if (pOld != nullptr && pOld->IsKindOf(RUNTIME_CLASS(CDockBarEx)))
            continue;
        // The new bar is made, window and all, before the old one goes: a side
        // whose CDockBarEx cannot be made keeps the framework's dock bar, so
        // bars still dock there. It stays ours to free until its window exists.
        auto* pDockBar = new (std::nothrow) CDockBarEx;
        if (pDockBar == nullptr) {
            bAll = FALSE;
            continue;
        }
        if (!pDockBar->Create(pFrame, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | side.dwStyle,
                              side.nID)) {
            delete pDockBar;
            bAll = FALSE;
            continue;
        }
        pDockBar->m_bAutoDelete = TRUE;
        if (pOld != nullptr) {
            // The framework's dock bar goes: out of the frame's list first, so
            // that its window's end does not look for the frame.
            BOOL bDeleteHere = !pOld->m_bAutoDelete;
            pFrame->RemoveControlBar(pOld);
            pOld->m_pDockSite = nullptr;
            pOld->DestroyWindow();
            if (bDeleteHere)
                delete pOld;
        }
    }
    return bAll;
}
