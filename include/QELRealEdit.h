// An edit control that accepts only a signed decimal number without exponent,
// with at most a given number of digits after the decimal point, inside a
// range whose ends can each be inclusive or exclusive. Changes are filtered as
// in QELIntegerEdit; on focus loss the text is rewritten with the precision's
// decimals, trailing zeros removed on request.
#pragma once
#include "QELEdit.h"

class QEL_API QELRealEdit : public QELEdit
{
public:
    QELRealEdit();
    ~QELRealEdit() override;

    // ----- attributes ------------------------------------------------------------
    // While non-zero, each refusal is explained in a message box.
    void SetVerbose(int bVerbose);
    int GetVerbose() const;
    // Decimals written by SetValue and the most characters allowed after the
    // point while typing. Below zero: whole numbers only. The text is not reformatted.
    void SetPrecision(int nPrecision);
    int GetPrecision() const;
    // SetValue drops zeros ending the fraction, and a point left bare.
    void SetRemoveTrailingZeros(int bRemove);
    int GetRemoveTrailingZeros() const;
    // Stored as given (a minimum above the maximum leaves no number in range);
    // the current text is not tested again. A bound that is infinite or not a
    // number is refused, and the range stays as it was.
    void SetRange(double dMin, double dMax, int bMinInclusive = TRUE, int bMaxInclusive = TRUE);
    void SetMinValue(double dMin, int bMinInclusive = TRUE);
    void SetMaxValue(double dMax, int bMaxInclusive = TRUE);
    void GetRange(double& dMin, double& dMax) const;

    // ----- value -------------------------------------------------------------------
    // Shows the value with the precision's decimals ("%0.*lf"), unchecked.
    // Without memory for the text the field keeps the text it has.
    void SetValue(double dValue);
    // The value of the text, always one the field can show inside the range: a
    // text that is not an acceptable number is read as far as it goes (as "%lf"
    // reads), saturated to the finite doubles and moved into the range, to the
    // nearest number the precision can show past an exclusive bound; no number
    // at all counts as 0, moved likewise. Runs IsValid first, which explains a
    // problem when verbose is on. 0 when there is no memory to work it out.
    double GetValue() const;
    // 0 when the text is acceptable (empty, a lone sign or point, or a number in
    // range), 1 for a number outside the range, 2 for a character or form that
    // is not allowed (also a text that cannot be checked for want of memory).
    int IsValid() const;
    // SetValue with the current precision; then, when asked, the minimum and the
    // maximum with their inclusive flags.
    void Set(double dValue, int bApplyMin, int bApplyMax, double dMin, double dMax, int bMinInclusive,
             int bMaxInclusive);

protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKillFocus(CWnd* pNewWnd);
    // Delete, Shift+Delete, Shift+Insert and Alt+Backspace change the text
    // without a character message.
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // WM_PASTE, WM_CUT, WM_CLEAR, WM_UNDO and EM_UNDO: the edit commands of the
    // keyboard and of the edit's context menu.
    LRESULT OnEditCommand(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // The focus-loss rewrite: SetValue(GetValue()), except that a value that
    // cannot be worked out (for want of memory) leaves the text as it is.
    void RewriteValue();
    int m_bVerbose;
    double m_dMinValue;
    double m_dMaxValue;
    int m_nPrecision;
    int m_bRemoveTrailingZeros;
    int m_bMinInclusive;
    int m_bMaxInclusive;
    // Changes under test; while non-zero, a refusal may be on screen.
    int m_nRefusing;
};
