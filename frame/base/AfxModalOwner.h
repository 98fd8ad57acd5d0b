// The framework's modal windows running on this thread, by the owner each
// holds disabled: dialogs run by DoModal and message boxes.
//
// Wine's dialog manager enables a dialog's owner whenever the dialog ends
// (EndDialog, and so every message box), even an owner it never disabled, and
// Windows does the same for a box that ends while a box nested in it still
// runs. The owner's commands then run while a handler still waits for its
// modal window (an application's page deleted under it). These records say
// which modal windows still hold an owner, so it is given back only when the
// last of them goes.
#pragma once
#include <windows.h>

class CWnd;

class CAfxModalOwner
{
public:
    // Registers a modal window over hOwner for the lifetime of the record: a
    // dialog (pDialog) holds it while its modal loop is to go on, a message box
    // (pDialog null) until its call returns.
    CAfxModalOwner(HWND hOwner, CWnd* pDialog);
    ~CAfxModalOwner();
    CAfxModalOwner(const CAfxModalOwner&) = delete;
    CAfxModalOwner& operator=(const CAfxModalOwner&) = delete;

    // Whether a modal window other than pExcept still holds hOwner.
    static bool IsHeld(HWND hOwner, const CAfxModalOwner* pExcept);
    // After a dialog over hOwner ended: disables the owner again while another
    // modal window holds it, and gives activation to that window.
    static void KeepHeld(HWND hOwner, const CAfxModalOwner* pExcept);
    // The owner a dialog has (its parent when it is a child dialog).
    static HWND OwnerOf(HWND hDlg);
    // The owner of a message box given hWnd: its top-level window.
    static HWND BoxOwnerOf(HWND hWnd);

    HWND Owner() const { return m_hOwner; }

private:
    bool Holds() const;

    HWND m_hOwner;
    CWnd* m_pDialog;
    CAfxModalOwner* m_pOuter;  // the record made before this one on the thread
};

// ::MessageBoxA with the owner kept: disabled while another modal window holds
// it, enabled again once none does (when it was enabled before the box).
int AfxRunMessageBox(HWND hWnd, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType);
