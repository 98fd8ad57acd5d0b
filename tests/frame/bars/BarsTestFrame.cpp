#include "BarsTestFrame.h"

BEGIN_MESSAGE_MAP(CBarsFrame, CFrameWnd)
    ON_COMMAND(ID_CMD_ONE, OnCmdOne)
    ON_COMMAND(ID_CMD_TWO, OnCmdTwo)
    ON_UPDATE_COMMAND_UI(ID_CMD_ONE, OnUpdateOne)
    ON_UPDATE_COMMAND_UI(ID_CMD_TWO, OnUpdateTwo)
END_MESSAGE_MAP()

CBarsFrame::~CBarsFrame()
{
    if (AfxGetApp()->m_pMainWnd == this)
        AfxGetApp()->m_pMainWnd = nullptr;
    if (m_hWnd != nullptr)
        DestroyWindow();
}

BOOL CBarsFrame::Make(const CRect& rect)
{
    if (!Create(nullptr, "Bars", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect))
        return FALSE;
    if (!m_wndPane.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this, AFX_IDW_PANE_FIRST))
        return FALSE;
    AfxGetApp()->m_pMainWnd = this;
    RecalcLayout();
    return TRUE;
}

CRect CBarsFrame::PaneRect() { return RectInFrame(&m_wndPane); }

CRect CBarsFrame::RectInFrame(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    ScreenToClient(&rect);
    return rect;
}

BOOL CFixedBar::Make(CWnd* pParent, DWORD dwBarStyle, UINT nID, CSize size)
{
    m_size = size;
    m_dwStyle = dwBarStyle;
    return CWnd::Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent, nID);
}

CSize CFixedBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CSize(bStretch && bHorz ? 32767 : m_size.cx, bStretch && !bHorz ? 32767 : m_size.cy);
}

BOOL MakeTestToolBar(CToolBar& bar, CFrameWnd* pFrame, UINT nID, DWORD dwBarStyle)
{
    return bar.Create(pFrame, WS_CHILD | WS_VISIBLE | dwBarStyle, nID) && bar.LoadToolBar(IDR_TESTBAR);
}

void RunIdle()
{
    PumpMessages();
    AfxGetApp()->OnIdle(0);
}
