#include "GalleryProcess.h"
#include "ProcessObjects.h"
#include <commctrl.h>
#include <psapi.h>

namespace {
std::string ProgramFolder()
{
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string strPath = szPath;
    const size_t nSlash = strPath.find_last_of("\\/");
    return nSlash == std::string::npos ? std::string(".") : strPath.substr(0, nSlash);
}

struct WindowSearch
{
    DWORD dwProcess;
    std::vector<HWND> found;
    bool bHiddenToo = false;
};

BOOL CALLBACK CollectTopLevel(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<WindowSearch*>(lParam);
    DWORD dwProcess = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcess);
    if (dwProcess == pSearch->dwProcess && (pSearch->bHiddenToo || ::IsWindowVisible(hWnd)))
        pSearch->found.push_back(hWnd);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<WindowSearch*>(lParam);
    if (::IsWindowVisible(hWnd))
        pSearch->found.push_back(hWnd);
    return TRUE;
}
}

GalleryProcess::~GalleryProcess() { Stop(); }

bool GalleryProcess::Start(std::string& strError)
{
    const std::string strFolder = ProgramFolder();
    const std::string strWork = strFolder + "\\monkey-work";
    ::CreateDirectoryA(strWork.c_str(), nullptr);
    // Links the monkey clicks must open nothing outside the gallery.
    ::SetEnvironmentVariableA("WINEDLLOVERRIDES", "winebrowser.exe=d;winemenubuilder.exe=d");
    std::string strCommand = "\"" + strFolder + "\\Gallery.exe\"";
    STARTUPINFOA startup = { sizeof(startup) };
    if (!::CreateProcessA(nullptr, &strCommand[0], nullptr, nullptr, FALSE, 0, nullptr, strWork.c_str(), &startup,
                          &m_info)) {
        strError = "cannot start " + strCommand + ", error " + std::to_string(::GetLastError());
        return false;
    }
    ::WaitForInputIdle(m_info.hProcess, 20000);
    for (int nTry = 0; nTry < 200 && m_hMain == nullptr; ++nTry) {
        for (HWND hWnd : TopLevelWindows()) {
            if (ClassOf(hWnd) != "#32770" && ::GetMenu(hWnd) != nullptr)
                m_hMain = hWnd;
        }
        if (m_hMain == nullptr)
            ::Sleep(100);
    }
    if (m_hMain == nullptr)
        strError = "the gallery showed no main window";
    return m_hMain != nullptr;
}

void GalleryProcess::Stop()
{
    if (m_info.hProcess == nullptr)
        return;
    // A crashed gallery may still be telling the debugger where it stopped.
    ::WaitForSingleObject(m_info.hProcess, 15000 * (::GetEnvironmentVariableA("ZUZ_MONKEY_KEEP", nullptr, 0) != 0));
    ::TerminateProcess(m_info.hProcess, 0);
    ::WaitForSingleObject(m_info.hProcess, 10000);
    ::CloseHandle(m_info.hThread);
    ::CloseHandle(m_info.hProcess);
    m_info = PROCESS_INFORMATION();
    m_hMain = nullptr;
}

bool GalleryProcess::HasEnded(DWORD& dwExitCode) const
{
    if (::WaitForSingleObject(m_info.hProcess, 0) != WAIT_OBJECT_0)
        return false;
    ::GetExitCodeProcess(m_info.hProcess, &dwExitCode);
    return true;
}

bool GalleryProcess::Responds(DWORD nMs) const
{
    DWORD_PTR result = 0;
    // Only a real wait counts: the platform's guess that a window hangs does not.
    return ::SendMessageTimeoutA(m_hMain, WM_NULL, 0, 0, SMTO_NORMAL, nMs, &result) != 0;
}

bool GalleryProcess::Sample(GallerySample& sample, DWORD nMs) const
{
    static const UINT nCountGdiObjects = ::RegisterWindowMessageA("ZUZIVU70 gallery GDI objects");
    DWORD_PTR nGdi = 0;
    if (::SendMessageTimeoutA(m_hMain, nCountGdiObjects, 0, 0, SMTO_NORMAL, nMs, &nGdi) == 0)
        return false;
    // The commit charge: Windows documents it as the process's private
    // bytes (PrivateUsage is the same figure, and Wine answers 0 for it).
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    if (!::GetProcessMemoryInfo(m_info.hProcess, &memory, sizeof(memory)))
        return false;
    sample.nPrivateKb = memory.PagefileUsage / 1024;
    sample.nGdi = (long)nGdi;
    sample.nUser = CountWindowsOf(m_info.dwProcessId);
    return true;
}

void GalleryProcess::WaitIdle(DWORD nMs) const { ::WaitForInputIdle(m_info.hProcess, nMs); }

bool GalleryProcess::Owns(HWND hWnd) const
{
    DWORD dwProcess = 0;
    return hWnd != nullptr && ::GetWindowThreadProcessId(hWnd, &dwProcess) != 0 && dwProcess == m_info.dwProcessId;
}

std::vector<HWND> GalleryProcess::TopLevelWindows(bool bHiddenToo) const
{
    WindowSearch search{ m_info.dwProcessId, {}, bHiddenToo };
    ::EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> GalleryProcess::Descendants(HWND hTop) const
{
    WindowSearch search{ m_info.dwProcessId, {} };
    if (Owns(hTop))
        ::EnumChildWindows(hTop, CollectChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool GalleryProcess::Post(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return Owns(hWnd) && ::PostMessageA(hWnd, message, wParam, lParam) != 0;
}

bool GalleryProcess::ToolbarButtonRect(HWND hToolbar, int nCommand, RECT& rect) const
{
    if (!Owns(hToolbar))
        return false;
    const int nIndex = (int)::SendMessageA(hToolbar, TB_COMMANDTOINDEX, (WPARAM)nCommand, 0);
    if (nIndex < 0)
        return false;
    // The toolbar writes the rectangle where it runs: into memory of its own process.
    void* pRemote = ::VirtualAllocEx(m_info.hProcess, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
    if (pRemote == nullptr)
        return false;
    bool bRead = ::SendMessageA(hToolbar, TB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)pRemote) != 0 &&
                 ::ReadProcessMemory(m_info.hProcess, pRemote, &rect, sizeof(rect), nullptr) != 0;
    ::VirtualFreeEx(m_info.hProcess, pRemote, 0, MEM_RELEASE);
    return bRead;
}
