// What the bar tests share: a main frame with a pane and command handlers
// whose answers the tests choose, a plain bar of a fixed size, idle time.
#pragma once
#include "TestApp.h"
#include "BarsTestIds.h"

class CBarsFrame : public CFrameWnd
{
public:
    CBarsFrame() = default;
    ~CBarsFrame() override;
    // A visible frame at rect (screen) with a pane, made the application's
    // main window (idle processing updates the main window's bars).
    BOOL Make(const CRect& rect = CRect(60, 40, 660, 440));
    // The pane and a window's rectangle in the frame's client coordinates.
    CRect PaneRect();
    CRect RectInFrame(CWnd* pWnd);

    CWnd m_wndPane;
    BOOL m_bOneEnabled = TRUE;
    int m_nTwoCheck = 0;
    int m_nOneCommands = 0;

protected:
    void OnCmdOne() { ++m_nOneCommands; }
    void OnCmdTwo() {}
    void OnUpdateOne(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bOneEnabled); }
    void OnUpdateTwo(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_nTwoCheck); }
    void PostNcDestroy() override {}  // the test owns the object
    DECLARE_MESSAGE_MAP()
};

// A bar of a fixed size that answers the frame's layout like any bar.
class CFixedBar : public CControlBar
{
public:
    BOOL Make(CWnd* pParent, DWORD dwBarStyle, UINT nID, CSize size);
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize m_size;
};

// A toolbar of the test resource, created in pFrame with the given bar styles.
BOOL MakeTestToolBar(CToolBar& bar, CFrameWnd* pFrame, UINT nID, DWORD dwBarStyle = CBRS_TOP | CBRS_GRIPPER);

// One pass of the application's idle processing, as its loop runs it when
// the queue is empty.
void RunIdle();

// Rectangles, sizes and points read as numbers in failure messages.
#include <ostream>
inline void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}
inline void PrintTo(const CSize& s, std::ostream* os) { *os << s.cx << "x" << s.cy; }
inline void PrintTo(const CPoint& p, std::ostream* os) { *os << "(" << p.x << "," << p.y << ")"; }
