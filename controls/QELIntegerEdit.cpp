#include "QELIntegerEdit.h"
#include "NumericEditFilter.h"
#include "logic/NumericText.h"

using numeric_edit::ApplyOrRefuse;

BEGIN_MESSAGE_MAP(QELIntegerEdit, QELEdit)
    ON_WM_CHAR()
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
    ON_MESSAGE(WM_PASTE, OnEditCommand)
    ON_MESSAGE(WM_CUT, OnEditCommand)
    ON_MESSAGE(WM_CLEAR, OnEditCommand)
    ON_MESSAGE(WM_UNDO, OnEditCommand)
    ON_MESSAGE(EM_UNDO, OnEditCommand)
END_MESSAGE_MAP()

QELIntegerEdit::QELIntegerEdit()
    : m_bVerbose(0), m_lMinValue(-2147483647L), m_lMaxValue(2147483647L), m_nRefusing(0)
{
}

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
    IsValid();
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
        if (nResult == numeric_text::kTextRefused) {
            numeric_edit::ShowRefusal("Invalid key pressed.");
        } else {
            CString strMessage;
            strMessage.Format("Value must lie between %ld and %ld.", m_lMinValue, m_lMaxValue);
            numeric_edit::ShowRefusal(strMessage);
        }
    }
    return nResult;
}

void QELIntegerEdit::OnChar(UINT, UINT, UINT)
{
    // A character that reaches us while a refusal is being explained was typed
    // ahead of it: it would have been discarded with the rest.
    if (m_nRefusing != 0)
        return;
    if (ApplyOrRefuse(*this, m_nRefusing))
        numeric_edit::DiscardQueuedChars(m_hWnd);
}

void QELIntegerEdit::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_DELETE)
        ApplyOrRefuse(*this, m_nRefusing);
    else
        Default();
}

LRESULT QELIntegerEdit::OnEditCommand(WPARAM, LPARAM)
{
    LRESULT lResult = 0;
    ApplyOrRefuse(*this, m_nRefusing, &lResult);
    return lResult;
}

void QELIntegerEdit::OnKillFocus(CWnd* pNewWnd)
{
    // The message box explaining a refusal takes the focus while the refused
    // text is still in the field; that text is about to be taken back, so it
    // must not be rewritten (and explained a second time) now.
    if (m_nRefusing == 0)
        SetValue(GetValue());
    QELEdit::OnKillFocus(pNewWnd);
}
