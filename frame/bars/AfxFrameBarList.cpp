// The frame's side of what every bar does: a bar enters its frame's list when it is made, leaves it
// when it goes, and asks the frame to lay out again at the next idle time. These members of
// CFrameWnd are kept with the bars that call them; they touch only the frame's list and idle flags,
// so the bars need nothing of frames/, which stands above them.
#include "AfxControlBar.h"
#include "afxext.h"

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
    if (pBar != nullptr && m_listControlBars.Find(pBar) == nullptr)
        m_listControlBars.AddTail(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
    POSITION pos = m_listControlBars.Find(pBar);
    if (pos != nullptr)
        m_listControlBars.RemoveAt(pos);
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify) { m_nIdleFlags |= idleLayout | (bNotify ? idleNotify : 0); }
