// QELToolbar layout: reads the button records, the control's sizes and the
// embedded controls once per layout, lets the layout logic decide rows and
// sizes (every pass of its width and height searches works on that one
// reading), and at a commit
// writes the wrap decisions back into the control and places the embedded
// controls.
#include "QELToolbar.h"
#include "QELToolbarParts.h"
#include "ToolbarLayout.h"
#include "QELMemory.h"
#include <cstring>
#include <vector>

using namespace bar_layout;

namespace {
// The toolbar's own child windows (the embedded controls) by control id, in
// the order GetDlgItem would find them: the first of an id wins. Read once per
// layout: every lookup of a child by id asks the window system for the whole
// list of children, which under Wine is a round trip to its server and cost
// more than all of a button's other readings together.
class ToolbarChildren
{
public:
    explicit ToolbarChildren(HWND hWnd)
    {
        if (hWnd == nullptr)
            return;
        for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
            m_children.push_back(Child{ ::GetDlgCtrlID(hChild), hChild });
    }

    HWND Find(int nID) const
    {
        for (const Child& child : m_children)
            if (child.nID == nID)
                return child.hWnd;
        return nullptr;
    }

private:
    struct Child
    {
        int nID;
        HWND hWnd;
    };
    std::vector<Child> m_children;
};

// The layout's view of button i: its record and what the control and the
// toolbar's children say about it. The control is asked through its own
// procedure (bar.DefWindowProc), past the bar's message map, which has nothing
// for these questions.
ToolbarItem ReadItem(CWnd& bar, const ToolbarChildren& children, const TBBUTTON& button, int nIndex)
{
    ToolbarItem item;
    item.bSeparator = (button.fsStyle & TBSTYLE_SEP) != 0;
    item.idCommand = button.idCommand;
    item.bHidden = (button.fsState & TBSTATE_HIDDEN) != 0;
    item.bWrap = (button.fsState & TBSTATE_WRAP) != 0;
    if (bar.m_hWnd == nullptr)
        return item;  // no control to ask: the item measures nothing
    RECT rect;
    if (bar.DefWindowProc(TB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)&rect)) {
        item.cx = rect.right - rect.left;
        item.cy = rect.bottom - rect.top;
    }
    if (item.IsPlaceholder())
        item.bReportedHidden = bar.DefWindowProc(TB_ISBUTTONHIDDEN, (WPARAM)button.idCommand, 0) != 0;
    if (item.bSeparator) {
        HWND hControl = children.Find(button.idCommand);
        if (hControl != nullptr) {
            RECT rectControl;
            ::GetWindowRect(hControl, &rectControl);
            item.bHasControl = true;
            item.cxControl = rectControl.right - rectControl.left;
            item.cyControl = rectControl.bottom - rectControl.top;
        }
    }
    return item;
}

std::vector<ToolbarItem> ReadItems(CWnd& bar, const TBBUTTON* pData, int nCount)
{
    std::vector<ToolbarItem> items;
    if (pData == nullptr || nCount <= 0)
        return items;
    items.reserve((size_t)nCount);
    const ToolbarChildren children(bar.m_hWnd);
    for (int i = 0; i < nCount; i++)
        items.push_back(ReadItem(bar, children, pData[i], i));
    return items;
}

void WriteWraps(const std::vector<ToolbarItem>& items, TBBUTTON* pData)
{
    for (size_t i = 0; i < items.size(); i++)
        pData[i].fsState = (BYTE)((pData[i].fsState & ~TBSTATE_WRAP) | (items[i].bWrap ? TBSTATE_WRAP : 0));
}

CSize ToSize(const LayoutSize& size) { return CSize(size.cx, size.cy); }
}

// ----- one item, the rows, the wraps ---------------------------------------------------

namespace {
ToolbarMetrics Metrics(HWND hWnd, bool bHideControlsWhenVertical, int nVersion)
{
    ToolbarMetrics metrics;
    metrics.cyButton = HIWORD(::SendMessageA(hWnd, TB_GETBUTTONSIZE, 0, 0));
    metrics.nComCtlVersion = nVersion;
    metrics.bHideControlsWhenVertical = bHideControlsWhenVertical;
    return metrics;
}
}

CSize QELToolbar::GetButtonSize(TBBUTTON* pData, int nIndex, DWORD dwMode)
{
    if (pData == nullptr || nIndex < 0 || m_hWnd == nullptr)
        return CSize(0, 0);
    // Out of memory an item measures nothing (no exception leaves the library).
    return qel_memory::NoThrow(CSize(0, 0), [&] {
        std::vector<ToolbarItem> items((size_t)nIndex + 1);
        items[(size_t)nIndex] = ReadItem(*this, ToolbarChildren(m_hWnd), pData[nIndex], nIndex);
        return ToSize(bar_layout::GetButtonSize(
            items, nIndex, Metrics(m_hWnd, m_bHideControlsWhenVertical != FALSE, GetComCtlVersion()), dwMode));
    });
}

CSize QELToolbar::CalcSize(TBBUTTON* pData, int nCount, DWORD dwMode)
{
    return qel_memory::NoThrow(CSize(0, 0), [&] {
        std::vector<ToolbarItem> items = ReadItems(*this, pData, nCount);
        return ToSize(bar_layout::CalcSize(
            items, Metrics(m_hWnd, m_bHideControlsWhenVertical != FALSE, GetComCtlVersion()), dwMode));
    });
}

int QELToolbar::WrapToolBar(TBBUTTON* pData, int nCount, int nWidth, DWORD dwMode)
{
    // Out of memory the wraps stay as they were.
    return qel_memory::NoThrow(1, [&] {
        std::vector<ToolbarItem> items = ReadItems(*this, pData, nCount);
        if (items.empty())
            return 1;
        int nRows = bar_layout::WrapToolBar(
            items, nWidth, Metrics(m_hWnd, m_bHideControlsWhenVertical != FALSE, GetComCtlVersion()), dwMode);
        WriteWraps(items, pData);
        return nRows;
    });
}

void QELToolbar::SizeToolBar(TBBUTTON* pData, int nCount, int nLength, BOOL bVert, DWORD dwMode)
{
    qel_memory::NoThrowDone([&] {
        std::vector<ToolbarItem> items = ReadItems(*this, pData, nCount);
        if (items.empty())
            return;
        bar_layout::SizeToolBar(items, nLength, bVert != FALSE,
                                Metrics(m_hWnd, m_bHideControlsWhenVertical != FALSE, GetComCtlVersion()), dwMode);
        WriteWraps(items, pData);
    });
}

// ----- the whole layout ---------------------------------------------------------------------

CSize QELToolbar::CalcLayout(DWORD dwMode, int nLength)
{
    // The framework asks for sizes from its own code: out of memory the bar
    // takes the base control bar's size and its records stay as they are.
    CRect rectInside(0, 0, 0, 0);
    const CSize sizeBase = CalcLayoutMargins(dwMode, rectInside);
    return qel_memory::NoThrow(sizeBase, [&]() -> CSize {
        const int nCount = m_pParts->ButtonCount();
        std::vector<TBBUTTON> data((size_t)(nCount > 0 ? nCount : 0));
        for (int i = 0; i < nCount; i++)
            _GetButton(i, &data[(size_t)i]);
        std::vector<ToolbarItem> items = ReadItems(*this, data.data(), nCount);
        const LayoutRect rcInside = { rectInside.left, rectInside.top, rectInside.right, rectInside.bottom };
        BarLayoutResult result = bar_layout::CalcLayout(
            items, { dwMode, nLength, m_dwStyle, (int)m_nMRUWidth, rcInside, { sizeBase.cx, sizeBase.cy } },
            Metrics(m_hWnd, m_bHideControlsWhenVertical != FALSE, GetComCtlVersion()));

        if (nCount > 0 && (dwMode & LM_COMMIT)) {
            // Writing the records back must not start another layout.
            BOOL bDelayed = m_bDelayedButtonLayout;
            m_bDelayedButtonLayout = FALSE;
            WriteWraps(items, data.data());
            for (size_t i = 0; i < items.size(); i++) {
                if (items[i].IsPlaceholder() && items[i].bHasControl) {
                    data[i].iBitmap = items[i].cxControl;
                    data[i].fsState =
                        (BYTE)((data[i].fsState & ~TBSTATE_HIDDEN) | (items[i].bHidden ? TBSTATE_HIDDEN : 0));
                }
            }
            m_nMRUWidth = (UINT)result.nMRUWidth;
            for (int i = 0; i < nCount; i++)
                _SetButton(i, &data[(size_t)i]);

            // Each child sits on its placeholder; a child without one is hidden.
            for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
                int nID = ::GetDlgCtrlID(hChild);
                int nIndex = -1;
                for (int i = 0; i < nCount && nIndex < 0; i++)
                    if (data[(size_t)i].idCommand == nID)
                        nIndex = i;
                if (nIndex < 0) {
                    ::ShowWindow(hChild, SW_HIDE);
                    continue;
                }
                CRect rectItem(0, 0, 0, 0);
                DefWindowProc(TB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)&rectItem);
                CRect rectChild;
                ::GetWindowRect(hChild, &rectChild);
                ::SetWindowPos(hChild, nullptr, rectItem.left,
                               ControlTop(rectItem.top, rectItem.Height(), rectChild.Height()), 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                ::ShowWindow(hChild, result.bHideControls ? SW_HIDE : SW_SHOWNOACTIVATE);
            }
            m_bDelayedButtonLayout = bDelayed;
        }
        return ToSize(result.size);
    });
}

CSize QELToolbar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CalcLayout((bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ : 0), -1);
}

CSize QELToolbar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (nLength == -1 && !(dwMode & (LM_MRUWIDTH | LM_COMMIT)) && (dwMode & (LM_HORZDOCK | LM_VERTDOCK)))
        return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZDOCK) != 0);
    return CalcLayout(dwMode, nLength);
}

// ----- the records ------------------------------------------------------------------------------

void QELToolbar::_GetButton(int nIndex, TBBUTTON* pButton) const { CToolBar::_GetButton(nIndex, pButton); }

// The framework bar keeps its records with the same turned-round enabled bit.
void QELToolbar::_SetButton(int nIndex, TBBUTTON* pButton) { CToolBar::_SetButton(nIndex, pButton); }
