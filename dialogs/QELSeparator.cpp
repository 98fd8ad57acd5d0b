#include "QELCheckMessageBox.h"

BEGIN_MESSAGE_MAP(QELSeparator, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

QELSeparator::QELSeparator() = default;
QELSeparator::~QELSeparator() = default;

void QELSeparator::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    int w = rc.Width();
    int h = rc.Height();
    CPen penShadow(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    CPen penHighlight(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    // Shadow first, highlight one pixel below (or right of) it: an etched
    // groove, two pixels shorter than the window at each end.
    CPen* pOldPen = dc.SelectObject(&penShadow);
    if (h <= w) {
        int y = rc.top + (h - 1) / 2;
        dc.MoveTo(rc.left + 2, y);
        dc.LineTo(rc.left + 2 + w - 4, y);
        dc.SelectObject(&penHighlight);
        dc.MoveTo(rc.left + 2, y + 1);
        dc.LineTo(rc.left + 2 + w - 4, y + 1);
    } else {
        int x = rc.left + (w - 1) / 2;
        dc.MoveTo(x, rc.top + 2);
        dc.LineTo(x, rc.top + 2 + h - 4);
        dc.SelectObject(&penHighlight);
        dc.MoveTo(x + 1, rc.top + 2);
        dc.LineTo(x + 1, rc.top + 2 + h - 4);
    }
    dc.SelectObject(pOldPen);
}
