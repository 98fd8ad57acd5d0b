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
// Typed-ahead and auto-repeated characters still queued for the edit.
void DiscardQueuedChars(HWND hWnd);
// The explanation of a refusal, in the application's message box.
void ShowRefusal(LPCSTR lpszText);

// Lets the edit control process the message being handled, then runs the
// edit's IsValid over the result; on any problem beeps and restores the text
// and selection from before. TRUE when the change was refused. nRefusing
// counts the changes under test, so that the edit can tell that a focus loss
// or a character arrives while a refusal is being explained.
template<class TNumericEdit>
BOOL ApplyOrRefuse(TNumericEdit& edit, int& nRefusing, LRESULT* pResult = nullptr)
{
    EditSnapshot before = TakeSnapshot(edit);
    ++nRefusing;
    LRESULT lResult = edit.Default();
    BOOL bRefused = edit.IsValid() != 0;
    if (bRefused) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        RestoreSnapshot(edit, before);
    }
    --nRefusing;
    if (pResult != nullptr)
        *pResult = lResult;
    return bRefused;
}
}
