#include "QELCoordinatesDlg.h"
#include "ZUZIVU70Resources.h"

BEGIN_MESSAGE_MAP(QELCoordinatesDlg, CDialog)
END_MESSAGE_MAP()

QELCoordinatesDlg::QELCoordinatesDlg(CWnd* pParent)
    : CDialog(IDD_QEL_COORDINATES, pParent), m_dX(0.0), m_dY(0.0), m_dZ(0.0)
{}

void QELCoordinatesDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_QEL_COORD_X, m_editX);
    DDX_Control(pDX, IDC_QEL_COORD_Y, m_editY);
    DDX_Control(pDX, IDC_QEL_COORD_Z, m_editZ);
}

BOOL QELCoordinatesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_editX.SetValue(m_dX);
    m_editY.SetValue(m_dY);
    m_editZ.SetValue(m_dZ);
    if (!m_strTitle.IsEmpty())
        SetWindowText(m_strTitle);
    return TRUE;
}

void QELCoordinatesDlg::OnOK()
{
    m_dX = m_editX.GetValue();
    m_dY = m_editY.GetValue();
    m_dZ = m_editZ.GetValue();
    CDialog::OnOK();
}
