// The gallery run as a process of its own for the monkey: started beside the
// test program, its windows found by their process, and watched for a crash
// or a hang. Everything the monkey does goes through here, so nothing it sends
// can reach a window of another process.
#pragma once
#include "WindowQueries.h"
#include <windows.h>
#include <string>
#include <vector>

// What the gallery holds at one moment, for the long run's growth check.
struct GallerySample
{
    SIZE_T nPrivateKb = 0;
    long nGdi = 0;
    long nUser = 0;
};

class GalleryProcess
{
public:
    GalleryProcess() = default;
    ~GalleryProcess();
    GalleryProcess(const GalleryProcess&) = delete;
    GalleryProcess& operator=(const GalleryProcess&) = delete;

    // Starts Gallery.exe from the test program's folder, in a working folder
    // of its own, with the shell's browser turned off (a link clicked by the
    // monkey opens nothing outside the gallery); waits for its main window.
    bool Start(std::string& strError);
    // Ends the process (without its settings being saved).
    void Stop();

    HWND MainWindow() const { return m_hMain; }
    // The process has ended (a crash, or an exit the monkey must not cause).
    bool HasEnded(DWORD& dwExitCode) const;
    // The gallery answers a message within nMs (a hang otherwise).
    bool Responds(DWORD nMs) const;
    // Waits until the gallery has handled what it was sent (or nMs passed).
    void WaitIdle(DWORD nMs) const;

    // The window belongs to the gallery.
    bool Owns(HWND hWnd) const;
    // Visible top-level windows of the gallery (hidden ones too when asked),
    // and visible descendants of one.
    std::vector<HWND> TopLevelWindows(bool bHiddenToo = false) const;
    std::vector<HWND> Descendants(HWND hTop) const;

    // Posts a message to a window of the gallery only; false for any other window.
    bool Post(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) const;
    // The gallery's private bytes, its GDI objects (its main window counts
    // them when asked) and its windows; false when it did not answer in nMs.
    bool Sample(GallerySample& sample, DWORD nMs) const;
    // A toolbar button's rectangle, read through memory in the gallery's process; false when none.
    bool ToolbarButtonRect(HWND hToolbar, int nCommand, RECT& rect) const;

private:
    PROCESS_INFORMATION m_info = {};
    HWND m_hMain = nullptr;
};
