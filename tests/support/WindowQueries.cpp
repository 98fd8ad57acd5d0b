#include "WindowQueries.h"

namespace {
BOOL CALLBACK CollectWindow(HWND hWnd, LPARAM lParam)
{
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}
}

std::string WindowText(HWND hWnd)
{
    int n = ::GetWindowTextLengthA(hWnd);
    std::string text((size_t)n + 1, '\0');
    n = ::GetWindowTextA(hWnd, &text[0], n + 1);
    text.resize(n > 0 ? (size_t)n : 0);
    return text;
}

std::string ItemText(HWND hDlg, int nID) { return WindowText(::GetDlgItem(hDlg, nID)); }

std::string ClassOf(HWND hWnd)
{
    char name[256] = "";
    ::GetClassNameA(hWnd, name, sizeof(name));
    return name;
}

RECT ChildRect(HWND hChild)
{
    RECT rc = {};
    ::GetWindowRect(hChild, &rc);
    ::MapWindowPoints(nullptr, ::GetParent(hChild), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

std::vector<HWND> ThreadWindows()
{
    std::vector<HWND> windows;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}
