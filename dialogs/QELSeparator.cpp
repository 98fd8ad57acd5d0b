#include "QELCheckMessageBox.h"
#include "QELDpi.h"

BEGIN_MESSAGE_MAP(QELSeparator, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
END_MESSAGE_MAP()

QELSeparator::QELSeparator() = default;
QELSeparator::~QELSeparator() = default;

BOOL QELSeparator::OnEraseBkgnd(CDC* pDC)
{
    // The line stands in a dialog: its background is the dialog's face, not
    // the window colour of the framework's default class, against which the
    // highlight half of the groove would vanish.
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void QELSeparator::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    int w = rc.Width();
    int h = rc.Height();
    // One-pixel lines and a two-pixel inset at 96 DPI; a line as many pixels
    // thick as the DPI makes of one, so the groove keeps its weight beside
    // the text.
    const int nDpi = qel_dpi::DpiOf(m_hWnd);
    const int t = qel_dpi::Scale(1, nDpi);
    const int nInset = qel_dpi::Scale(2, nDpi);
    CPen penShadow(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    CPen penHighlight(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    // Shadow first, highlight just below (or right of) it: an etched groove,
    // inset at each end, centred across the window.
    CPen* pOldPen = dc.SelectObject(&penShadow);
    if (h <= w) {
        int y = rc.top + (h - t) / 2;
        int x1 = rc.left + nInset + w - 2 * nInset;
        for (int i = 0; i < t; ++i) {
            dc.MoveTo(rc.left + nInset, y + i);
            dc.LineTo(x1, y + i);
        }
        dc.SelectObject(&penHighlight);
        for (int i = 0; i < t; ++i) {
            dc.MoveTo(rc.left + nInset, y + t + i);
            dc.LineTo(x1, y + t + i);
        }
    } else {
        int x = rc.left + (w - t) / 2;
        int y1 = rc.top + nInset + h - 2 * nInset;
        for (int i = 0; i < t; ++i) {
            dc.MoveTo(x + i, rc.top + nInset);
            dc.LineTo(x + i, y1);
        }
        dc.SelectObject(&penHighlight);
        for (int i = 0; i < t; ++i) {
            dc.MoveTo(x + t + i, rc.top + nInset);
            dc.LineTo(x + t + i, y1);
        }
    }
    dc.SelectObject(pOldPen);
}
