#include "QELProgress.h"
#include "ZUZIVU70Resources.h"

BEGIN_MESSAGE_MAP(QELProgressDlg, CDialog)
END_MESSAGE_MAP()

// No parent at construction: QELProgress names the owner when it creates the window.
QELProgressDlg::QELProgressDlg() : CDialog(IDD_QEL_PROGRESS, nullptr), m_bCustomStatus(FALSE) {}

void QELProgressDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_QEL_PROGRESS_BAR, m_progress);
    DDX_Text(pDX, IDC_QEL_PROGRESS_STATUS, m_strStatus);
}
