#include "QELProgress.h"
#include "QELModuleContext.h"
#include "ZUZIVU70Resources.h"
#include "logic/ProgressPercent.h"

QELProgress::QELProgress() : m_strTitle("Progress"), m_dMin(0.0), m_dMax(100.0), m_dCurrent(0.0), m_pParentWnd(nullptr)
{}

QELProgress::QELProgress(CString strTitle, CString strStatus, double dMin, double dMax, CWnd* pParent)
    : m_strTitle(strTitle), m_strStatus(strStatus), m_dMin(dMin), m_dMax(dMax), m_dCurrent(dMin), m_pParentWnd(pParent)
{}

// The dialog object, the first member, goes last and takes its window with it.
QELProgress::~QELProgress() = default;

void QELProgress::StartProgress()
{
    // The application's main window, asked before the library's state is current.
    if (m_pParentWnd == nullptr)
        m_pParentWnd = AfxGetMainWnd();
    QELModuleContext context;
    // A window still there is reused: it starts over like a new one, and
    // shows again if the user closed it (Escape only hides a modeless dialog).
    if (m_dlg.m_hWnd == nullptr) {
        if (!m_dlg.Create(IDD_QEL_PROGRESS, m_pParentWnd))
            return;
    } else if (!m_dlg.IsWindowVisible()) {
        m_dlg.ShowWindow(SW_SHOWNA);
    }
    m_dlg.SetWindowText(m_strTitle);
    ShowStatus();
    SetCurrent(m_dMin);
}

void QELProgress::EndProgress()
{
    if (m_dlg.m_hWnd != nullptr)
        m_dlg.DestroyWindow();
}

void QELProgress::SetTitle(CString strTitle)
{
    m_strTitle = strTitle;
    if (m_dlg.m_hWnd != nullptr)
        m_dlg.SetWindowText(m_strTitle);
}

CString QELProgress::GetTitle() { return m_strTitle; }

void QELProgress::SetStatus(CString strStatus)
{
    m_strStatus = strStatus;
    ShowStatus();
}

CString QELProgress::GetStatus() { return m_strStatus; }

void QELProgress::SetMin(double dMin) { m_dMin = dMin; }
double QELProgress::GetMin() { return m_dMin; }
void QELProgress::SetMax(double dMax) { m_dMax = dMax; }
double QELProgress::GetMax() { return m_dMax; }

void QELProgress::SetCurrent(double dCurrent)
{
    m_dCurrent = dCurrent;
    ShowPosition();
}

void QELProgress::StepIt(double dStep)
{
    m_dCurrent += dStep;
    ShowPosition();
}

double QELProgress::GetCurrent() { return m_dCurrent; }

void QELProgress::SetParentWnd(CWnd* pParent) { m_pParentWnd = pParent; }
CWnd* QELProgress::GetParentWnd() { return m_pParentWnd; }

void QELProgress::ShowStatus()
{
    m_dlg.m_bCustomStatus = !m_strStatus.IsEmpty();
    m_dlg.m_strStatus = m_strStatus;
    if (m_dlg.m_hWnd != nullptr)
        m_dlg.UpdateData(FALSE);
}

void QELProgress::ShowPosition()
{
    // The real percentage, beyond 100 or below 0 for a position outside the
    // range, for the line; the bar keeps to its own range of 0 to 100 and stays
    // full (or empty) meanwhile.
    int nPercent = progress_percent::Percent(m_dCurrent, m_dMin, m_dMax);
    if (m_dlg.m_hWnd == nullptr)
        return;
    m_dlg.SendDlgItemMessage(IDC_QEL_PROGRESS_BAR, PBM_SETPOS, (WPARAM)nPercent, 0);
    if (!m_dlg.m_bCustomStatus) {
        m_dlg.m_strStatus.Format("%d %% complete", nPercent);
        m_dlg.UpdateData(FALSE);
    }
}
