#include "QELAboutDlg.h"
#include "ZUZIVU70Resources.h"

BEGIN_MESSAGE_MAP(QELAboutDlg, CDialog)
    ON_WM_DESTROY()
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

void QELAboutDlg::OnDestroy()
{
    // Taken out of the static first, so that no control is left drawing a
    // deleted bitmap and none deletes it a second time.
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        char szClass[16] = {};
        ::GetClassNameA(hChild, szClass, sizeof(szClass));
        if (lstrcmpiA(szClass, "Static") != 0 || (::GetWindowLongA(hChild, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP)
            continue;
        HGDIOBJ hBanner = reinterpret_cast<HGDIOBJ>(::SendMessageA(hChild, STM_SETIMAGE, IMAGE_BITMAP, 0));
        if (hBanner != nullptr)
            ::DeleteObject(hBanner);
    }
    CDialog::OnDestroy();
}

BOOL QELAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_productLine.SetFontBold(TRUE);
    SetWindowText("About " + m_strProduct);
    return TRUE;
}
