#include "QELUnitConverterDlg.h"
#include "ZUZIVU70Resources.h"
#include "logic/UnitFactors.h"

BEGIN_MESSAGE_MAP(QELUnitConverterDlg, CDialog)
    ON_EN_CHANGE(IDC_QEL_UNIT_VALUE, OnConvert)
    ON_CBN_SELCHANGE(IDC_QEL_UNIT_FROM, OnConvert)
    ON_CBN_SELCHANGE(IDC_QEL_UNIT_TO, OnConvert)
END_MESSAGE_MAP()

QELUnitConverterDlg::QELUnitConverterDlg(CWnd* pParent)
    : CDialog(IDD_QEL_UNITCONVERTER, pParent), m_nFromUnit(-1), m_nToUnit(-1), m_dValue(0.0), m_dResult(0.0),
      m_bWriting(FALSE)
{}

void QELUnitConverterDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_QEL_UNIT_FROM, m_nFromUnit);
    DDX_CBIndex(pDX, IDC_QEL_UNIT_TO, m_nToUnit);
    DDX_Text(pDX, IDC_QEL_UNIT_VALUE, m_dValue);
    DDX_Text(pDX, IDC_QEL_UNIT_RESULT, m_dResult);
}

BOOL QELUnitConverterDlg::OnInitDialog()
{
    // The framework fills both lists from the template, then selects the
    // caller's units (an index outside the lists selects nothing). Lists it
    // could not fill leave nothing to convert between: the framework has
    // ended the dialog, which then never shows.
    m_bWriting = TRUE;
    if (!CDialog::OnInitDialog()) {
        m_bWriting = FALSE;
        return FALSE;
    }
    m_dValue = 1.0;
    UpdateData(FALSE);
    m_bWriting = FALSE;
    OnConvert();
    return TRUE;
}

void QELUnitConverterDlg::OnOK() { EndDialog(IDOK); }

void QELUnitConverterDlg::OnConvert()
{
    if (m_bWriting)
        return;
    // A number field that holds no number is explained by the exchange, which
    // stops there: the value read last time stays.
    UpdateData(TRUE);
    m_dResult = unit_factors::ConversionFactor(m_nFromUnit, m_nToUnit) * m_dValue;
    CString strResult;
    strResult.Format("%f", m_dResult);
    SetDlgItemText(IDC_QEL_UNIT_RESULT, strResult);
}
