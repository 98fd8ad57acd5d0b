// A picture of the next dialog the thread opens, for the screenshot run:
// the dialog is saved once it has painted, then closed with a command.
#pragma once
#include "ZUZIVU70.h"
#include <functional>
#include <vector>

class CDialogShot
{
public:
    // prepare (optional) runs on the open dialog before the picture is taken.
    CDialogShot(LPCSTR lpszPath, int nCloseCommand, std::function<void(HWND)> prepare = nullptr);
    ~CDialogShot();
    CDialogShot(const CDialogShot&) = delete;
    CDialogShot& operator=(const CDialogShot&) = delete;

    BOOL Saved() const { return m_bSaved; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR idEvent, DWORD);
    void Poll();
    void Stop();

    CString m_strPath;
    int m_nCloseCommand;
    std::function<void(HWND)> m_prepare;
    std::vector<HWND> m_existing;
    HWND m_hSeen = nullptr;
    int m_nTicksSeen = 0;
    DWORD m_start;
    UINT_PTR m_timer = 0;
    BOOL m_bSaved = FALSE;
};
