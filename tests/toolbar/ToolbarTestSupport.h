// What the toolbar tests share: a toolbar that opens its protected layout to
// the tests and counts what goes straight to the control, and a frame to
// dock it in.
#pragma once
#include "TestApp.h"
#include "ToolbarTestIds.h"
#include <map>
#include <ostream>
#include <vector>

class CTestToolbar : public QELToolbar
{
public:
    using QELToolbar::_GetButton;
    using QELToolbar::_SetButton;
    using QELToolbar::CalcLayout;
    using QELToolbar::CalcSize;
    using QELToolbar::Draw3DBorders;
    using QELToolbar::GetButtonSize;
    using QELToolbar::GetComCtlVersion;
    using QELToolbar::GetThisMessageMap;
    using QELToolbar::IsVertDocked;
    using QELToolbar::OnCustomDraw;
    using QELToolbar::PositionControls;
    using QELToolbar::SizeToolBar;
    using QELToolbar::WrapToolBar;
    // The cached version, as a process with other common controls would have it.
    static void SetCachedVersion(int nVersion) { m_nComCtlVersion = nVersion; }

    // Messages that went straight to the control, by number.
    std::map<UINT, int> direct;
    // As many records as this offered to the control next are refused, as a
    // control without memory for them would.
    int nRefuseInserts = 0;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        direct[message]++;
        if (message == TB_INSERTBUTTONA && nRefuseInserts > 0) {
            nRefuseInserts--;
            return FALSE;
        }
        return QELToolbar::DefWindowProc(message, wParam, lParam);
    }
    int Direct(UINT message) { return direct.count(message) ? direct[message] : 0; }
    // The toolbar's records, as the layout reads them.
    std::vector<TBBUTTON> Records()
    {
        std::vector<TBBUTTON> v((size_t)GetToolBarCtrl().GetButtonCount());
        for (size_t i = 0; i < v.size(); i++)
            _GetButton((int)i, &v[i]);
        return v;
    }
};

// A frame made the main window, with a pane, for docking.
class CToolbarFrame : public CFrameWnd
{
public:
    ~CToolbarFrame() override
    {
        if (AfxGetApp()->m_pMainWnd == this)
            AfxGetApp()->m_pMainWnd = nullptr;
        if (m_hWnd != nullptr)
            DestroyWindow();
    }
    BOOL Make()
    {
        if (!Create(nullptr, "Toolbars", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 30, 640, 430)))
            return FALSE;
        AfxGetApp()->m_pMainWnd = this;
        return m_wndPane.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this, AFX_IDW_PANE_FIRST);
    }
    CRect RectInFrame(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        ScreenToClient(&rect);
        return rect;
    }
    CWnd m_wndPane;

protected:
    void PostNcDestroy() override {}
};

// A flat toolbar of the test resource (styles as an application makes them).
inline BOOL MakeToolbar(QELToolbar& bar, CWnd* pParent, UINT nID = AFX_IDW_TOOLBAR,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC,
                        DWORD dwCtrlStyle = TBSTYLE_FLAT)
{
    return bar.CreateEx(pParent, dwCtrlStyle, dwStyle, CRect(0, 0, 0, 0), nID) && bar.LoadToolBar(IDR_TESTBAR);
}

// A pixel of a window as painted, non-client area included (window coordinates).
inline COLORREF WindowPixel(HWND hWnd, int x, int y)
{
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC hDC = ::GetWindowDC(hWnd);
    COLORREF clr = ::GetPixel(hDC, x, y);
    ::ReleaseDC(hWnd, hDC);
    return clr;
}

inline void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}
inline void PrintTo(const CSize& s, std::ostream* os) { *os << s.cx << "x" << s.cy; }
