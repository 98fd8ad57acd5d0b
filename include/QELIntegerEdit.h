// An edit control that accepts only a signed decimal integer within a range.
// Each keystroke (and each paste, cut, delete or undo) is applied by the edit
// control and the whole text then tested; a change whose text is not
// acceptable is taken back with a beep, and characters still queued for the
// control are thrown away. On focus loss the text is rewritten as the value it
// stands for, inside the range.
#pragma once
#include "QELEdit.h"

class QEL_API QELIntegerEdit : public QELEdit
{
public:
    QELIntegerEdit();
    ~QELIntegerEdit() override;

    // ----- attributes ------------------------------------------------------------
    // While non-zero, each refusal is explained in a message box.
    void SetVerbose(int bVerbose);
    int GetVerbose() const;
    // Both bounds inclusive; stored as given (a minimum above the maximum leaves
    // no number in range). The current text is not tested again.
    void SetRange(long lMin, long lMax);
    void SetMinValue(long lMin);
    void SetMaxValue(long lMax);
    void GetRange(long& lMin, long& lMax) const;

    // ----- value -------------------------------------------------------------------
    // Shows the value as "%d" would write it, unchecked.
    void SetValue(long lValue);
    // The value of the text, always inside the range: a text that is not an
    // acceptable number is read as far as it goes, saturated to 32 bits and
    // clamped; no number at all counts as 0, clamped. Runs IsValid first, which
    // explains a problem when verbose is on.
    long GetValue() const;
    // 0 when the text is acceptable (empty, a lone sign, or a number in range),
    // 1 for a number outside the range, 2 for a character that is not allowed.
    int IsValid() const;

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
    long m_lMinValue;
    long m_lMaxValue;
    // Changes under test; while non-zero, a refusal may be on screen.
    int m_nRefusing;
};
