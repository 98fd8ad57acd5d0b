// Keeps a disabled owner disabled across the end of a dialog or message box.
// Wine's dialog manager enables a dialog's owner whenever the dialog ends
// (EndDialog, and so every message box), even an owner it never disabled: one
// a modal dialog still running over it had disabled. Windows leaves such an
// owner alone. The guard gives Windows' behaviour: an owner disabled when the
// guard is made is disabled again when it goes, and the modal window still
// open over it is made active, not the owner behind it.
#pragma once
#include <windows.h>

class CAfxOwnerGuard
{
public:
    explicit CAfxOwnerGuard(HWND hOwner);
    ~CAfxOwnerGuard();
    CAfxOwnerGuard(const CAfxOwnerGuard&) = delete;
    CAfxOwnerGuard& operator=(const CAfxOwnerGuard&) = delete;

    // The owner a dialog has (its parent when it is a child dialog).
    static HWND OwnerOf(HWND hDlg);
    // The owner of a message box given hWnd.
    static HWND BoxOwnerOf(HWND hWnd);

private:
    HWND m_hOwner = nullptr;  // only an owner that was disabled
};
