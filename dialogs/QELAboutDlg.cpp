#include "QELAboutDlg.h"
#include "ZUZIVU70Resources.h"

BEGIN_MESSAGE_MAP(QELAboutDlg, CDialog)
END_MESSAGE_MAP()

QELAboutDlg::QELAboutDlg(CWnd* pParent) : CDialog(IDD_QEL_ABOUT, pParent) {}

void QELAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    // The links keep the template's texts and open them when clicked.
    DDX_Control(pDX, IDC_QEL_ABOUT_WEB, m_webLink);
    DDX_Control(pDX, IDC_QEL_ABOUT_PRODUCT, m_productLine);
    DDX_Control(pDX, IDC_QEL_ABOUT_MAIL, m_mailLink);
    DDX_Text(pDX, IDC_QEL_ABOUT_PRODUCT, m_strProduct);
    DDX_Text(pDX, IDC_QEL_ABOUT_NAME, m_strName);
    DDX_Text(pDX, IDC_QEL_ABOUT_COMPANY, m_strCompany);
}

BOOL QELAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_productLine.SetFontBold(TRUE);
    SetWindowText("About " + m_strProduct);
    return TRUE;
}
