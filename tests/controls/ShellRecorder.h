// Catches what the controls hand to the shell, without opening a browser or
// a mail program: a file type and the mailto protocol are registered under
// HKEY_CLASSES_ROOT to this very test program, started in recorder mode. It
// writes the target it was given and its show command to a file and exits.
// Every registry change is undone when the recorder goes away.
#pragma once
#include <windows.h>
#include <string>
#include <utility>
#include <vector>

class ShellRecorder
{
public:
    ShellRecorder();
    ~ShellRecorder();
    ShellRecorder(const ShellRecorder&) = delete;
    ShellRecorder& operator=(const ShellRecorder&) = delete;

    bool Ready() const { return m_bReady; }
    // An existing file of the registered type, to be opened by a link.
    std::string DocumentPath() const { return m_strDocument; }

    struct Launch
    {
        std::string target;  // the %1 of the command line
        int nShow = -1;      // the show command the program was started with, -1 for none
    };
    // Waits (handling messages) until the recorder has run; false when it
    // did not within nMaxMs.
    bool WaitForLaunch(Launch& launch, DWORD nMaxMs = 8000);
    // True when nothing was launched within nMs.
    bool NothingLaunched(DWORD nMs = 1500);

private:
    struct SavedValue
    {
        HKEY hRoot;
        std::string subKey;
        std::string name;  // empty: the default value
        bool bExisted = false;
        DWORD dwType = 0;
        std::vector<BYTE> data;
    };
    bool SetValue(const std::string& subKey, const char* pszName, const std::string& value);
    void Restore();

    std::vector<SavedValue> m_saved;
    // Keys made by us (the full path, and the first part of it that was new), in creation order.
    std::vector<std::pair<std::string, std::string>> m_createdKeys;
    std::string m_strDocument;
    std::string m_strOutput;
    bool m_bReady = false;
};

// The text of a file, or empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);
