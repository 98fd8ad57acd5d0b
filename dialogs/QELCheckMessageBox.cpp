#include "QELCheckMessageBox.h"
#include "QELDpi.h"

namespace {
// Control id of a message box's text.
const int kMessageTextId = 0xFFFF;
// The row's amounts at 96 DPI; the box's own DPI scales each of them, as the
// check mark and the message font grow with it.
// Height of a check box: a taller font still gets a row this high.
const int kCheckBoxHeight = 13;
// Width of the check mark and the gap before the text, beside the edges.
const int kCheckMarkWidth = 33;
// What the box keeps below its buttons, given up to the new row.
const int kBottomTrim = 7;
// The row's margin: above the check box, and around it in the height added.
const int kRowMargin = 6;
// The check box's left edge.
const int kCheckLeft = 7;
// The etched line: its height, and how far it starts left of the client area.
const int kSeparatorHeight = 3;
const int kSeparatorOverhang = 1;

// Read once per process, as the boxes of one session all share them.
struct SystemMetricsCache
{
    unsigned nRead = 0;  // a bit per value read
    int cyCaption = 0;
    int cyEdge = 0;
    int cxEdge = 0;

    int Get(unsigned nBit, int nIndex, int& nValue)
    {
        if (!(nRead & nBit)) {
            nValue = ::GetSystemMetrics(nIndex);
            nRead |= nBit;
        }
        return nValue;
    }
} g_metrics;
}

BEGIN_MESSAGE_MAP(QELCheckMessageBox, CWnd)
    ON_WM_CREATE()
    ON_MESSAGE(WM_INITDIALOG, OnSubclassedInit)
    ON_BN_CLICKED(IDC_CHECKBOX, OnDoNotShowAgain)
END_MESSAGE_MAP()

QELCheckMessageBox::QELCheckMessageBox(CWnd* pParent, CString strCheckText)
    : m_pParent(pParent), m_bChecked(0), m_strCheckText(strCheckText)
{}

QELCheckMessageBox::~QELCheckMessageBox() { ReleaseWindows(); }

void QELCheckMessageBox::SetChecked(int nChecked) { m_bChecked = nChecked; }
int QELCheckMessageBox::GetChecked() { return m_bChecked; }

int QELCheckMessageBox::Message(const char* lpszText, UINT nType, UINT nHelpId)
{
    // This object is the box while it shows: asked again meanwhile (from a
    // timer, or a handler the box's loop runs), a second box would take over
    // the object and leave the first without its check box.
    if (m_hWnd != nullptr)
        return 0;
    // The message box is the next window created on this thread: it becomes ours.
    AfxHookWindowCreate(this);
    int nResult = AfxMessageBox(lpszText, nType, nHelpId);
    // The registration ends with the box's WM_CREATE; when no box came, it
    // must not catch a later window of the caller's.
    AfxUnhookWindowCreate();
    ReleaseWindows();
    // Windows answers a box it could not show with 0, Wine with -1: one failure value.
    return nResult > 0 ? nResult : 0;
}

void QELCheckMessageBox::ReleaseWindows()
{
    // A box refused while being created never sends WM_NCDESTROY, which would
    // have let go of it; a box still alive keeps running without us.
    for (CWnd* pWnd : { static_cast<CWnd*>(&m_checkBox), static_cast<CWnd*>(&m_separator), static_cast<CWnd*>(this) }) {
        if (pWnd->m_hWnd == nullptr)
            continue;
        if (::IsWindow(pWnd->m_hWnd))
            pWnd->UnsubclassWindow();
        else
            pWnd->Detach();
    }
}

int QELCheckMessageBox::OnCreate(LPCREATESTRUCT)
{
    // Only the box itself: its own controls are created after this.
    AfxUnhookWindowCreate();
    return (int)Default();
}

LRESULT QELCheckMessageBox::OnSubclassedInit(WPARAM, LPARAM)
{
    // The box lays itself out first; the row goes below what it made.
    LRESULT lResult = Default();

    int cyCaption = g_metrics.Get(1, SM_CYCAPTION, g_metrics.cyCaption);
    int cyEdge = g_metrics.Get(2, SM_CYEDGE, g_metrics.cyEdge);
    int cxEdge = g_metrics.Get(4, SM_CXEDGE, g_metrics.cxEdge);

    HWND hText = ::GetDlgItem(m_hWnd, kMessageTextId);
    HFONT hFont = hText != nullptr ? (HFONT)::SendMessageA(hText, WM_GETFONT, 0, 0) : nullptr;

    CSize szText(0, 0);
    if (CDC* pDC = GetDC()) {
        int nSaved = pDC->SaveDC();
        if (hFont != nullptr)
            ::SelectObject(pDC->GetSafeHdc(), hFont);
        ::GetTextExtentPoint32A(pDC->GetSafeHdc(), m_strCheckText, m_strCheckText.GetLength(), &szText);
        pDC->RestoreDC(nSaved);
        ReleaseDC(pDC);
    }
    const int nDpi = qel_dpi::DpiOf(m_hWnd);
    const int nBoxHeight = qel_dpi::Scale(kCheckBoxHeight, nDpi);
    const int nMargin = qel_dpi::Scale(kRowMargin, nDpi);
    int h = szText.cy < nBoxHeight ? szText.cy : nBoxHeight;
    // Added to the trimmed height: the margin above the check box and the
    // trim itself (13 at 96 DPI), so the box grows by the check box and its margin.
    const int nRow = nMargin + qel_dpi::Scale(kBottomTrim, nDpi);

    WINDOWPLACEMENT wp = { sizeof(wp) };
    GetWindowPlacement(&wp);
    CRect rc(wp.rcNormalPosition);
    rc.bottom -= qel_dpi::Scale(kBottomTrim, nDpi);
    int nNeeded = szText.cx + 2 * cxEdge + qel_dpi::Scale(kCheckMarkWidth, nDpi);
    if (rc.Width() < nNeeded)
        rc.right = rc.left + nNeeded;
    int nTop = (rc.bottom - cyEdge - cyCaption) - rc.top;
    int nWidth = rc.Width();

    MoveWindow(rc.left - cxEdge, rc.top - cyEdge - cyCaption - (h + nRow) / 2, nWidth, rc.Height() + h + nRow, TRUE);
    CenterWindow(m_pParent);

    const int nLeft = -qel_dpi::Scale(kSeparatorOverhang, nDpi);
    m_separator.Create(nullptr, "", WS_CHILD | WS_VISIBLE | 0x0B,
                       CRect(nLeft, nTop, nWidth, nTop + qel_dpi::Scale(kSeparatorHeight, nDpi)), this, IDC_SEPARATOR);
    const int nCheckTop = nTop + nMargin;
    if (m_checkBox.Create(m_strCheckText, WS_CHILD | WS_VISIBLE | BS_CHECKBOX,
                          CRect(qel_dpi::Scale(kCheckLeft, nDpi), nCheckTop, nWidth, nCheckTop + h), this,
                          IDC_CHECKBOX)) {
        if (hFont != nullptr)
            m_checkBox.SendMessage(WM_SETFONT, (WPARAM)hFont, TRUE);
        m_checkBox.SendMessage(BM_SETCHECK, (WPARAM)m_bChecked, 0);
    }
    return lResult;
}

void QELCheckMessageBox::OnDoNotShowAgain()
{
    // A plain check box: only this handler moves its mark.
    m_bChecked = m_bChecked == 0 ? 1 : 0;
    m_checkBox.SendMessage(BM_SETCHECK, (WPARAM)m_bChecked, 0);
}
