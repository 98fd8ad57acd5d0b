// What the integer and real entry edits share: every change the user makes is
// first applied by the edit control itself, then the whole text is tested, and
// a change whose text fails is taken back exactly as if it had never happened.
#pragma once
#include "afxwin.h"

namespace numeric_edit {

// The text and selection a refused change must give back.
struct EditSnapshot
{
    CString strText;
    int nStart = 0;
    int nEnd = 0;
};

EditSnapshot TakeSnapshot(const CEdit& edit);
// Puts text and selection back and scrolls the caret into view.
void RestoreSnapshot(CEdit& edit, const EditSnapshot& snapshot);
// Whether the edit's text differs from the snapshot's.
bool TextChanged(const CEdit& edit, const EditSnapshot& snapshot);
// Typed-ahead and auto-repeated characters still queued for the edit.
void DiscardQueuedChars(HWND hWnd);
// Explains a non-zero IsValid result in the application's message box: a
// refused character, or a number outside the range (lpszRange).
void ExplainProblem(int nResult, LPCSTR lpszRange);

// Lets the edit control process the message being handled, then runs the
// edit's IsValid over the result; on any problem beeps and restores the text
// and selection from before. TRUE when the change was refused. With
// bOnlyChanges, a message that left the text as it was (a caret key, a paste
// of nothing) is not tested. nRefusing counts the changes under test, so that
// the edit can tell that a focus loss or a character arrives while a refusal
// is being explained.
template <class TNumericEdit>
BOOL ApplyOrRefuse(TNumericEdit& edit, int& nRefusing, bool bOnlyChanges, LRESULT* pResult = nullptr)
{
    EditSnapshot before = TakeSnapshot(edit);
    ++nRefusing;
    LRESULT lResult = edit.Default();
    BOOL bRefused = FALSE;
    if (!bOnlyChanges || TextChanged(edit, before)) {
        bRefused = edit.IsValid() != 0;
        if (bRefused) {
            ::MessageBeep(MB_ICONEXCLAMATION);
            RestoreSnapshot(edit, before);
        }
    }
    --nRefusing;
    if (pResult != nullptr)
        *pResult = lResult;
    return bRefused;
}

// ----- the handlers both edits share ------------------------------------------------

// Their message maps: characters, focus loss, keys, and the edit commands of
// the keyboard and the context menu (paste, cut, clear, undo). An input method
// hands a double-byte character over whole in WM_IME_CHAR, which the edit
// control inserts without a WM_CHAR: it is tested like a paste. (A double-byte
// character typed into an ANSI window comes as two WM_CHARs; the control holds
// the lead byte until the trail arrives, so the text is tested with the whole
// character in it, and a refusal takes both bytes back.)
#define ON_NUMERIC_EDIT_FILTER()           \
    ON_WM_CHAR()                           \
    ON_MESSAGE(WM_IME_CHAR, OnEditCommand) \
    ON_WM_KILLFOCUS()                      \
    ON_WM_KEYDOWN()                        \
    ON_WM_SYSKEYDOWN()                     \
    ON_MESSAGE(WM_PASTE, OnEditCommand)    \
    ON_MESSAGE(WM_CUT, OnEditCommand)      \
    ON_MESSAGE(WM_CLEAR, OnEditCommand)    \
    ON_MESSAGE(WM_UNDO, OnEditCommand)     \
    ON_MESSAGE(EM_UNDO, OnEditCommand)

template <class TNumericEdit>
void FilterChar(TNumericEdit& edit, int& nRefusing)
{
    // A character that reaches the edit while a refusal is being explained was
    // typed ahead of it: it would have been discarded with the rest.
    if (nRefusing != 0)
        return;
    if (ApplyOrRefuse(edit, nRefusing, false))
        DiscardQueuedChars(edit.m_hWnd);
}

// Keys change the text without a character message too: Delete, Shift+Delete
// (cut), Shift+Insert (paste) and Alt+Backspace (undo), which the edit control
// may carry out without sending itself the clipboard or undo message.
template <class TNumericEdit>
void FilterKeyDown(TNumericEdit& edit, int& nRefusing)
{
    ApplyOrRefuse(edit, nRefusing, true);
}

template <class TNumericEdit>
LRESULT FilterEditCommand(TNumericEdit& edit, int& nRefusing)
{
    LRESULT lResult = 0;
    ApplyOrRefuse(edit, nRefusing, true, &lResult);
    return lResult;
}

// The canonical rewrite: the value of the text, written back (RewriteValue,
// which is SetValue(GetValue()) but keeps the text as it is when the value
// cannot be worked out for want of memory). The message box
// explaining a refusal takes the focus while the refused text is still in the
// field; that text is about to be taken back, so it is not rewritten (and
// explained a second time) then.
template <class TNumericEdit>
void RewriteOnFocusLoss(TNumericEdit& edit, int nRefusing, void (TNumericEdit::*pfnRewrite)())
{
    if (nRefusing == 0)
        (edit.*pfnRewrite)();
}
}
