#include "ShellRecorder.h"
#include <algorithm>
#include "TestApp.h"
#include <cstdio>

namespace {
const char kRecorderSwitch[] = "--shell-recorder";
const char kFileType[] = ".zuzlabeltest";
const char kProgId[] = "ZUZIVU70.LabelTestDocument";

std::string ModulePath()
{
    char sz[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, sz, MAX_PATH);
    return sz;
}

std::string TempPath(const char* pszName)
{
    char sz[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, sz);
    char szFull[MAX_PATH];
    std::snprintf(szFull, sizeof(szFull), "%s%s-%lu", sz, pszName, (unsigned long)::GetCurrentProcessId());
    return szFull;
}

bool WriteWholeFile(const std::string& path, const std::string& text)
{
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = ::WriteFile(h, text.data(), (DWORD)text.size(), &written, nullptr);
    ::CloseHandle(h);
    return ok && written == text.size();
}

// Splits a command line the way the C runtime does for simple quoted arguments.
std::vector<std::string> SplitCommandLine(const char* psz)
{
    std::vector<std::string> args;
    while (*psz != '\0') {
        while (*psz == ' ' || *psz == '\t')
            ++psz;
        if (*psz == '\0')
            break;
        std::string arg;
        bool bQuoted = false;
        for (; *psz != '\0' && (bQuoted || (*psz != ' ' && *psz != '\t')); ++psz) {
            if (*psz == '"')
                bQuoted = !bQuoted;
            else
                arg += *psz;
        }
        args.push_back(arg);
    }
    return args;
}

// Recorder mode: this program was started by the shell. Record and leave
// before any test runs.
struct RecorderMode
{
    RecorderMode()
    {
        std::vector<std::string> args = SplitCommandLine(::GetCommandLineA());
        if (args.size() < 3 || args[1] != kRecorderSwitch)
            return;
        STARTUPINFOA si = { sizeof(si) };
        ::GetStartupInfoA(&si);
        int nShow = (si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : -1;
        std::string text = (args.size() > 3 ? args[3] : std::string()) + "\n" + std::to_string(nShow) + "\n";
        // Written aside and renamed, so the waiting test never reads half a record.
        std::string tmp = args[2] + ".part";
        if (WriteWholeFile(tmp, text))
            ::MoveFileExA(tmp.c_str(), args[2].c_str(), MOVEFILE_REPLACE_EXISTING);
        ::ExitProcess(0);
    }
} g_recorderMode;
}

std::string ReadWholeFile(const std::string& path)
{
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return std::string();
    std::string text;
    char buf[512];
    DWORD read = 0;
    while (::ReadFile(h, buf, sizeof(buf), &read, nullptr) && read > 0)
        text.append(buf, read);
    ::CloseHandle(h);
    return text;
}

ShellRecorder::ShellRecorder()
{
    m_strOutput = TempPath("zuz-shell-record");
    ::DeleteFileA(m_strOutput.c_str());
    m_strDocument = TempPath("zuz-label-document") + kFileType;
    WriteWholeFile(m_strDocument, "label test document\r\n");

    const std::string command = "\"" + ModulePath() + "\" " + kRecorderSwitch + " \"" + m_strOutput + "\" \"%1\"";
    m_bReady = SetValue(kFileType, nullptr, kProgId) &&
               SetValue(std::string(kProgId) + "\\shell\\open\\command", nullptr, command) &&
               SetValue("mailto", "URL Protocol", "") && SetValue("mailto\\shell\\open\\command", nullptr, command);
}

ShellRecorder::~ShellRecorder()
{
    Restore();
    ::DeleteFileA(m_strDocument.c_str());
    ::DeleteFileA(m_strOutput.c_str());
}

bool ShellRecorder::SetValue(const std::string& subKey, const char* pszName, const std::string& value)
{
    // The first key of the path that does not exist yet: it and everything
    // below it are ours to delete afterwards.
    std::string firstNew;
    for (size_t pos = 0; pos != std::string::npos;) {
        pos = subKey.find('\\', pos + 1);
        std::string prefix = subKey.substr(0, pos);
        HKEY hProbe = nullptr;
        if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, prefix.c_str(), 0, KEY_READ, &hProbe) != ERROR_SUCCESS) {
            firstNew = prefix;
            break;
        }
        ::RegCloseKey(hProbe);
    }
    HKEY hKey = nullptr;
    if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, subKey.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &hKey,
                          nullptr) != ERROR_SUCCESS)
        return false;
    if (!firstNew.empty())
        m_createdKeys.push_back({ subKey, firstNew });
    SavedValue saved;
    saved.hRoot = HKEY_CLASSES_ROOT;
    saved.subKey = subKey;
    saved.name = pszName != nullptr ? pszName : "";
    DWORD cb = 0;
    if (::RegQueryValueExA(hKey, pszName, nullptr, &saved.dwType, nullptr, &cb) == ERROR_SUCCESS) {
        saved.data.resize(cb);
        if (::RegQueryValueExA(hKey, pszName, nullptr, &saved.dwType, cb != 0 ? saved.data.data() : nullptr, &cb) ==
            ERROR_SUCCESS) {
            saved.data.resize(cb);
            saved.bExisted = true;
        }
    }
    m_saved.push_back(saved);
    LONG result = ::RegSetValueExA(hKey, pszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                   (DWORD)value.size() + 1);
    ::RegCloseKey(hKey);
    return result == ERROR_SUCCESS;
}

void ShellRecorder::Restore()
{
    for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
        HKEY hKey = nullptr;
        if (::RegOpenKeyExA(it->hRoot, it->subKey.c_str(), 0, KEY_WRITE, &hKey) != ERROR_SUCCESS)
            continue;
        const char* pszName = it->name.empty() ? nullptr : it->name.c_str();
        if (it->bExisted)
            ::RegSetValueExA(hKey, pszName, 0, it->dwType, it->data.empty() ? nullptr : it->data.data(),
                             (DWORD)it->data.size());
        else
            ::RegDeleteValueA(hKey, pszName);
        ::RegCloseKey(hKey);
    }
    m_saved.clear();
    // Keys made by us, deepest first, up to the first one that was new.
    for (auto it = m_createdKeys.rbegin(); it != m_createdKeys.rend(); ++it) {
        std::string key = it->first;
        while (key.size() >= it->second.size() && ::RegDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str()) == ERROR_SUCCESS) {
            size_t slash = key.rfind('\\');
            if (slash == std::string::npos)
                break;
            key.resize(slash);
        }
    }
    m_createdKeys.clear();
}

bool ShellRecorder::WaitForLaunch(Launch& launch, DWORD nMaxMs)
{
    // A whole record has two lines. The file can exist a moment before it can be
    // read (the rename is still under way), so wait for what it holds.
    std::string text;
    bool bDone = PumpUntil(
        [&] {
            text = ReadWholeFile(m_strOutput);
            return std::count(text.begin(), text.end(), '\n') >= 2;
        },
        nMaxMs);
    if (!bDone)
        return false;
    ::DeleteFileA(m_strOutput.c_str());
    size_t nl = text.find('\n');
    launch.target = text.substr(0, nl);
    launch.nShow = nl != std::string::npos ? std::atoi(text.c_str() + nl + 1) : -1;
    return true;
}

bool ShellRecorder::NothingLaunched(DWORD nMs)
{
    PumpUntil([] { return false; }, nMs);
    return ::GetFileAttributesA(m_strOutput.c_str()) == INVALID_FILE_ATTRIBUTES;
}
