#include "QELRealEdit.h"
#include "NumericEditFilter.h"
#include "QELMemory.h"
#include "logic/NumericText.h"
#include <cfloat>
#include <cmath>

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

// A bound must be a finite number: an infinite one would let a typed value be
// taken as the largest double and written back as a text of hundreds of
// digits, and nothing compares with a bound that is not a number. Such a
// range is refused and the one before stays.
void QELRealEdit::SetRange(double dMin, double dMax, int bMinInclusive, int bMaxInclusive)
{
    if (!std::isfinite(dMin) || !std::isfinite(dMax))
        return;
    SetMinValue(dMin, bMinInclusive);
    SetMaxValue(dMax, bMaxInclusive);
}

void QELRealEdit::SetMinValue(double dMin, int bMinInclusive)
{
    if (!std::isfinite(dMin))
        return;
    m_dMinValue = dMin;
    m_bMinInclusive = bMinInclusive;
}

void QELRealEdit::SetMaxValue(double dMax, int bMaxInclusive)
{
    if (!std::isfinite(dMax))
        return;
    m_dMaxValue = dMax;
    m_bMaxInclusive = bMaxInclusive;
}

void QELRealEdit::GetRange(double& dMin, double& dMax) const
{
    dMin = m_dMinValue;
    dMax = m_dMaxValue;
}

namespace {
numeric_text::RealRules Rules(double dMin, double dMax, int bMinInclusive, int bMaxInclusive, int nPrecision)
{
    return numeric_text::RealRules{ dMin, dMax, bMinInclusive != 0, bMaxInclusive != 0, nPrecision };
}
}

void QELRealEdit::SetValue(double dValue)
{
    // Without memory for the text the field keeps the text it has.
    CString strText;
    if (qel_memory::NoThrowDone(
            [&] { strText = numeric_text::FormatReal(dValue, m_nPrecision, m_bRemoveTrailingZeros != 0).c_str(); }))
        SetWindowText(strText);
}

double QELRealEdit::GetValue() const
{
    IsValid();  // for its explanation, when verbose
    CString strText;
    GetWindowText(strText);
    const numeric_text::RealRules rules =
        Rules(m_dMinValue, m_dMaxValue, m_bMinInclusive, m_bMaxInclusive, m_nPrecision);
    return qel_memory::NoThrow(0.0, [&] { return numeric_text::RealTextValue(strText, rules); });
}

int QELRealEdit::IsValid() const
{
    CString strText;
    GetWindowText(strText);
    // A text that cannot be checked for want of memory is not taken: a
    // keystroke that produced it is undone. There is nothing to explain.
    const numeric_text::RealRules rules =
        Rules(m_dMinValue, m_dMaxValue, m_bMinInclusive, m_bMaxInclusive, m_nPrecision);
    int nResult = qel_memory::NoThrow(-1, [&] { return numeric_text::CheckRealText(strText, rules); });
    if (nResult < 0)
        return numeric_text::kTextRefused;
    if (nResult != numeric_text::kTextAcceptable && m_bVerbose) {
        // Six decimals whatever the precision.
        CString strRange;
        strRange.Format("Value must lie between %f and %f.", m_dMinValue, m_dMaxValue);
        numeric_edit::ExplainProblem(nResult, strRange);
    }
    return nResult;
}

void QELRealEdit::RewriteValue()
{
    IsValid();  // for its explanation, when verbose, as GetValue gives it
    CString strText;
    GetWindowText(strText);
    // The value and its text, or, without memory for them, the text as it is.
    CString strCanonical;
    const numeric_text::RealRules rules =
        Rules(m_dMinValue, m_dMaxValue, m_bMinInclusive, m_bMaxInclusive, m_nPrecision);
    if (qel_memory::NoThrowDone([&] {
            double dValue = numeric_text::RealTextValue(strText, rules);
            strCanonical = numeric_text::FormatReal(dValue, m_nPrecision, m_bRemoveTrailingZeros != 0).c_str();
        }))
        SetWindowText(strCanonical);
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
    numeric_edit::RewriteOnFocusLoss(*this, m_nRefusing, &QELRealEdit::RewriteValue);
    QELEdit::OnKillFocus(pNewWnd);
}
