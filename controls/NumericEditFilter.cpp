#include "NumericEditFilter.h"

namespace numeric_edit {

EditSnapshot TakeSnapshot(const CEdit& edit)
{
    EditSnapshot snapshot;
    edit.GetWindowText(snapshot.strText);
    edit.GetSel(snapshot.nStart, snapshot.nEnd);
    return snapshot;
}

void RestoreSnapshot(CEdit& edit, const EditSnapshot& snapshot)
{
    edit.SetWindowText(snapshot.strText);
    // The selection as it was, and the caret scrolled into view.
    edit.SetSel(snapshot.nStart, snapshot.nEnd, FALSE);
}

bool TextChanged(const CEdit& edit, const EditSnapshot& snapshot)
{
    CString strNow;
    edit.GetWindowText(strNow);
    return strNow != snapshot.strText;
}

void DiscardQueuedChars(HWND hWnd)
{
    MSG msg;
    while (::PeekMessageA(&msg, hWnd, WM_CHAR, WM_CHAR, PM_REMOVE)) {
    }
}

void ExplainProblem(int nResult, LPCSTR lpszRange)
{
    AfxMessageBox(nResult == 2 ? "Invalid key pressed." : lpszRange, MB_ICONEXCLAMATION | MB_OK, 0);
}
}
