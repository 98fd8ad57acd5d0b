#include "QELIntegerEdit.h"
#include "NumericEditFilter.h"
#include "logic/NumericText.h"

BEGIN_MESSAGE_MAP(QELIntegerEdit, QELEdit)
    ON_NUMERIC_EDIT_FILTER()
END_MESSAGE_MAP()

QELIntegerEdit::QELIntegerEdit() : m_bVerbose(0), m_lMinValue(-2147483647L), m_lMaxValue(2147483647L), m_nRefusing(0) {}

QELIntegerEdit::~QELIntegerEdit() = default;

void QELIntegerEdit::SetVerbose(int bVerbose) { m_bVerbose = bVerbose; }
int QELIntegerEdit::GetVerbose() const { return m_bVerbose; }

void QELIntegerEdit::SetRange(long lMin, long lMax)
{
    m_lMinValue = lMin;
    m_lMaxValue = lMax;
}

void QELIntegerEdit::SetMinValue(long lMin) { m_lMinValue = lMin; }
void QELIntegerEdit::SetMaxValue(long lMax) { m_lMaxValue = lMax; }

void QELIntegerEdit::GetRange(long& lMin, long& lMax) const
{
    lMin = m_lMinValue;
    lMax = m_lMaxValue;
}

void QELIntegerEdit::SetValue(long lValue)
{
    CString strText;
    strText.Format("%ld", lValue);
    SetWindowText(strText);
}

long QELIntegerEdit::GetValue() const
{
    IsValid();  // for its explanation, when verbose
    CString strText;
    GetWindowText(strText);
    return numeric_text::IntegerTextValue(strText, m_lMinValue, m_lMaxValue);
}

int QELIntegerEdit::IsValid() const
{
    CString strText;
    GetWindowText(strText);
    int nResult = numeric_text::CheckIntegerText(strText, m_lMinValue, m_lMaxValue);
    if (nResult != numeric_text::kTextAcceptable && m_bVerbose) {
        CString strRange;
        strRange.Format("Value must lie between %ld and %ld.", m_lMinValue, m_lMaxValue);
        numeric_edit::ExplainProblem(nResult, strRange);
    }
    return nResult;
}

void QELIntegerEdit::RewriteValue() { SetValue(GetValue()); }

void QELIntegerEdit::OnChar(UINT, UINT, UINT) { numeric_edit::FilterChar(*this, m_nRefusing); }

void QELIntegerEdit::OnKeyDown(UINT, UINT, UINT) { numeric_edit::FilterKeyDown(*this, m_nRefusing); }

void QELIntegerEdit::OnSysKeyDown(UINT, UINT, UINT) { numeric_edit::FilterKeyDown(*this, m_nRefusing); }

LRESULT QELIntegerEdit::OnEditCommand(WPARAM, LPARAM) { return numeric_edit::FilterEditCommand(*this, m_nRefusing); }

void QELIntegerEdit::OnKillFocus(CWnd* pNewWnd)
{
    numeric_edit::RewriteOnFocusLoss(*this, m_nRefusing, &QELIntegerEdit::RewriteValue);
    QELEdit::OnKillFocus(pNewWnd);
}
