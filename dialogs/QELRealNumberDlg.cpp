#include "QELRealNumberDlg.h"
#include "ZUZIVU70Resources.h"
#include <cfloat>
#include <cstring>

namespace {
// The sentinels are recognised by their bits, so any other value, however
// close, is a real bound.
bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof(double)) == 0; }
}

BEGIN_MESSAGE_MAP(QELRealNumberDlg, CDialog)
END_MESSAGE_MAP()

QELRealNumberDlg::QELRealNumberDlg(CWnd* pParent)
    : CDialog(IDD_QEL_REAL, pParent), m_dValue(0.0), m_dMinValue(DBL_MIN), m_dMaxValue(DBL_MAX), m_bMinInclusive(1),
      m_bMaxInclusive(1)
{}

void QELRealNumberDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_QEL_REAL_VALUE, m_edit);
    DDX_Text(pDX, IDC_QEL_REAL_PROMPT, m_strPrompt);
}

BOOL QELRealNumberDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_edit.SetValue(m_dValue);
    // Without a bound of its own the field keeps its default: every double.
    if (!SameBits(m_dMinValue, DBL_MIN))
        m_edit.SetMinValue(m_dMinValue, m_bMinInclusive);
    if (!SameBits(m_dMaxValue, DBL_MAX))
        m_edit.SetMaxValue(m_dMaxValue, m_bMaxInclusive);
    if (!m_strTitle.IsEmpty())
        SetWindowText(m_strTitle);
    if (m_strPrompt.IsEmpty())
        m_strPrompt = "Real Number";
    SetDlgItemText(IDC_QEL_REAL_PROMPT, m_strPrompt);
    return TRUE;
}

void QELRealNumberDlg::OnOK()
{
    // The field's keystroke filter is the only range guard.
    m_dValue = m_edit.GetValue();
    CDialog::OnOK();
}
