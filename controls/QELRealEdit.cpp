#include "QELRealEdit.h"
#include "NumericEditFilter.h"
#include "logic/NumericText.h"
#include <cfloat>

BEGIN_MESSAGE_MAP(QELRealEdit, QELEdit)
    ON_NUMERIC_EDIT_FILTER()
END_MESSAGE_MAP()

QELRealEdit::QELRealEdit()
    : m_bVerbose(0), m_dMinValue(-DBL_MAX), m_dMaxValue(DBL_MAX), m_nPrecision(6), m_bRemoveTrailingZeros(1),
      m_bMinInclusive(1), m_bMaxInclusive(1), m_nRefusing(0)
{}

QELRealEdit::~QELRealEdit() = default;

void QELRealEdit::SetVerbose(int bVerbose) { m_bVerbose = bVerbose; }
int QELRealEdit::GetVerbose() const { return m_bVerbose; }
void QELRealEdit::SetPrecision(int nPrecision) { m_nPrecision = nPrecision; }
int QELRealEdit::GetPrecision() const { return m_nPrecision; }
void QELRealEdit::SetRemoveTrailingZeros(int bRemove) { m_bRemoveTrailingZeros = bRemove; }
int QELRealEdit::GetRemoveTrailingZeros() const { return m_bRemoveTrailingZeros; }

void QELRealEdit::SetRange(double dMin, double dMax, int bMinInclusive, int bMaxInclusive)
{
    SetMinValue(dMin, bMinInclusive);
    SetMaxValue(dMax, bMaxInclusive);
}

void QELRealEdit::SetMinValue(double dMin, int bMinInclusive)
{
    m_dMinValue = dMin;
    m_bMinInclusive = bMinInclusive;
}

void QELRealEdit::SetMaxValue(double dMax, int bMaxInclusive)
{
    m_dMaxValue = dMax;
    m_bMaxInclusive = bMaxInclusive;
}

void QELRealEdit::GetRange(double& dMin, double& dMax) const
{
    dMin = m_dMinValue;
    dMax = m_dMaxValue;
}

void QELRealEdit::SetValue(double dValue)
{
    std::string text = numeric_text::FormatReal(dValue, m_nPrecision, m_bRemoveTrailingZeros != 0);
    SetWindowText(text.c_str());
}

namespace {
numeric_text::RealRules Rules(double dMin, double dMax, int bMinInclusive, int bMaxInclusive, int nPrecision)
{
    return numeric_text::RealRules{ dMin, dMax, bMinInclusive != 0, bMaxInclusive != 0, nPrecision };
}
}

double QELRealEdit::GetValue() const
{
    IsValid();  // for its explanation, when verbose
    CString strText;
    GetWindowText(strText);
    return numeric_text::RealTextValue(strText,
                                       Rules(m_dMinValue, m_dMaxValue, m_bMinInclusive, m_bMaxInclusive, m_nPrecision));
}

int QELRealEdit::IsValid() const
{
    CString strText;
    GetWindowText(strText);
    int nResult = numeric_text::CheckRealText(
        strText, Rules(m_dMinValue, m_dMaxValue, m_bMinInclusive, m_bMaxInclusive, m_nPrecision));
    if (nResult != numeric_text::kTextAcceptable && m_bVerbose) {
        // Six decimals whatever the precision.
        CString strRange;
        strRange.Format("Value must lie between %f and %f.", m_dMinValue, m_dMaxValue);
        numeric_edit::ExplainProblem(nResult, strRange);
    }
    return nResult;
}

void QELRealEdit::Set(double dValue, int bApplyMin, int bApplyMax, double dMin, double dMax, int bMinInclusive,
                      int bMaxInclusive)
{
    SetValue(dValue);
    if (bApplyMin)
        SetMinValue(dMin, bMinInclusive);
    if (bApplyMax)
        SetMaxValue(dMax, bMaxInclusive);
}

void QELRealEdit::OnChar(UINT, UINT, UINT) { numeric_edit::FilterChar(*this, m_nRefusing); }

void QELRealEdit::OnKeyDown(UINT, UINT, UINT) { numeric_edit::FilterKeyDown(*this, m_nRefusing); }

void QELRealEdit::OnSysKeyDown(UINT, UINT, UINT) { numeric_edit::FilterKeyDown(*this, m_nRefusing); }

LRESULT QELRealEdit::OnEditCommand(WPARAM, LPARAM) { return numeric_edit::FilterEditCommand(*this, m_nRefusing); }

void QELRealEdit::OnKillFocus(CWnd* pNewWnd)
{
    numeric_edit::RewriteOnFocusLoss(*this, m_nRefusing);
    QELEdit::OnKillFocus(pNewWnd);
}
