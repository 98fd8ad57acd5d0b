#include "ModalAnswerer.h"
#include <algorithm>

namespace {
std::map<UINT_PTR, ModalAnswerer*>& Answerers()
{
    static std::map<UINT_PTR, ModalAnswerer*> map;
    return map;
}

BOOL CALLBACK CollectWindow(HWND h, LPARAM l)
{
    reinterpret_cast<std::vector<HWND>*>(l)->push_back(h);
    return TRUE;
}

std::vector<HWND> ThreadWindows()
{
    std::vector<HWND> windows;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::string WindowText(HWND hWnd)
{
    int n = ::GetWindowTextLengthA(hWnd);
    std::string text(n + 1, '\0');
    n = ::GetWindowTextA(hWnd, &text[0], n + 1);
    text.resize(n > 0 ? n : 0);
    return text;
}

bool IsOfClass(HWND hWnd, const char* lpszClass)
{
    char cls[32] = "";
    ::GetClassNameA(hWnd, cls, sizeof(cls));
    return lstrcmpA(cls, lpszClass) == 0 && ::IsWindowVisible(hWnd);
}

void PostKey(HWND hWnd, UINT vk)
{
    ::PostMessageA(hWnd, WM_KEYDOWN, vk, 1);
    ::PostMessageA(hWnd, WM_KEYUP, vk, (LPARAM)0xC0000001);
}
}

ModalAnswerer::ModalAnswerer(std::function<void(HWND)> answer, DWORD nTimeoutMs, Target target)
    : m_answer(std::move(answer)), m_existing(ThreadWindows()), m_start(::GetTickCount()), m_timeout(nTimeoutMs),
      m_target(target)
{
    m_timer = ::SetTimer(nullptr, 0, 30, OnTimer);
    Answerers()[m_timer] = this;
}

ModalAnswerer::~ModalAnswerer() { Stop(); }

void ModalAnswerer::Stop()
{
    if (m_timer != 0) {
        ::KillTimer(nullptr, m_timer);
        Answerers().erase(m_timer);
        m_timer = 0;
    }
}

std::function<void(HWND)> ModalAnswerer::PressButton(int nID)
{
    return [nID](HWND hDlg) {
        ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, nID));
    };
}

std::function<void(HWND)> ModalAnswerer::ChooseMenuItem(int nPos)
{
    return [nPos](HWND hMenuWnd) {
        for (int i = 0; i <= nPos; i++)
            PostKey(hMenuWnd, VK_DOWN);
        // Enter chooses through the character the key makes.
        ::PostMessageA(hMenuWnd, WM_CHAR, '\r', 1);
    };
}

std::function<void(HWND)> ModalAnswerer::CloseMenu()
{
    return [](HWND hMenuWnd) { PostKey(hMenuWnd, VK_ESCAPE); };
}

void CALLBACK ModalAnswerer::OnTimer(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    auto it = Answerers().find(idEvent);
    if (it != Answerers().end())
        it->second->Poll();
}

void ModalAnswerer::Poll()
{
    for (HWND hWnd : ThreadWindows()) {
        if (m_target == Target::PopupMenu) {
            // The platform may keep one menu window and show it again, so a
            // menu counts when it is showing, whenever it was made.
            if (!IsOfClass(hWnd, "#32768"))
                continue;
            ++m_nSeen;
            ::GetWindowRect(hWnd, &windowRect);
            HMENU hMenu = (HMENU)::SendMessageA(hWnd, MN_GETHMENU, 0, 0);
            for (int i = 0; hMenu != nullptr && i < ::GetMenuItemCount(hMenu); i++) {
                char text[128] = "";
                ::GetMenuStringA(hMenu, (UINT)i, text, sizeof(text), MF_BYPOSITION);
                menuIds.push_back(::GetMenuItemID(hMenu, i));
                menuTexts.push_back(text);
            }
            Stop();
            m_bAnswered = true;
            m_answer(hWnd);
            return;
        }
        if (std::find(m_existing.begin(), m_existing.end(), hWnd) != m_existing.end() || !IsOfClass(hWnd, "#32770"))
            continue;
        ++m_nSeen;
        ::GetWindowRect(hWnd, &windowRect);
        caption = WindowText(hWnd);
        for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
            int id = ::GetDlgCtrlID(hChild);
            std::string text = WindowText(hChild);
            controlText[id] = text;
            if (id == 0xFFFF)
                messageText = text;
            char cls[32] = "";
            ::GetClassNameA(hChild, cls, sizeof(cls));
            if (lstrcmpiA(cls, "Button") == 0)
                buttonTexts.push_back(text);
        }
        Stop();
        m_bAnswered = true;
        m_answer(hWnd);
        return;
    }
    if (::GetTickCount() - m_start > m_timeout) {
        Stop();
        m_bTimedOut = true;
    }
}

// ----- MenuAnswerer -------------------------------------------------------------------

namespace {
std::map<UINT_PTR, MenuAnswerer*>& MenuAnswerers()
{
    static std::map<UINT_PTR, MenuAnswerer*> map;
    return map;
}

// The popup menu window the thread is tracking, if any.
HWND TrackedMenuWindow()
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (::GetGUIThreadInfo(::GetCurrentThreadId(), &info) && (info.flags & GUI_INMENUMODE)) {
        for (HWND hWnd : ThreadWindows()) {
            char cls[16] = "";
            ::GetClassNameA(hWnd, cls, sizeof(cls));
            if (lstrcmpA(cls, "#32768") == 0 && ::IsWindowVisible(hWnd))
                return hWnd;
        }
    }
    return nullptr;
}
}  // namespace

MenuAnswerer::MenuAnswerer(UINT nPick, DWORD nTimeoutMs)
    : m_nPick(nPick), m_start(::GetTickCount()), m_timeout(nTimeoutMs)
{
    m_timer = ::SetTimer(nullptr, 0, 30, OnTimer);
    MenuAnswerers()[m_timer] = this;
}

MenuAnswerer::~MenuAnswerer() { Stop(); }

void MenuAnswerer::Stop()
{
    if (m_timer != 0) {
        ::KillTimer(nullptr, m_timer);
        MenuAnswerers().erase(m_timer);
        m_timer = 0;
    }
}

void CALLBACK MenuAnswerer::OnTimer(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    auto it = MenuAnswerers().find(idEvent);
    if (it != MenuAnswerers().end())
        it->second->Poll();
}

void MenuAnswerer::Poll()
{
    HWND hMenuWnd = TrackedMenuWindow();
    HMENU hMenu = hMenuWnd != nullptr ? (HMENU)::SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0) : nullptr;
    if (hMenu == nullptr) {
        if (::GetTickCount() - m_start > m_timeout) {
            Stop();
            m_bTimedOut = true;
            ::EndMenu();
        }
        return;
    }
    Stop();
    int nDowns = -1;
    const int nCount = ::GetMenuItemCount(hMenu);
    int nSelectable = 0;
    for (int i = 0; i < nCount; i++) {
        char szText[256] = "";
        MENUITEMINFOA mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING;
        mii.dwTypeData = szText;
        mii.cch = sizeof(szText);
        ::GetMenuItemInfoA(hMenu, (UINT)i, TRUE, &mii);
        Item item;
        item.bSeparator = (mii.fType & MFT_SEPARATOR) != 0;
        item.nID = item.bSeparator ? 0 : mii.wID;
        item.text = item.bSeparator ? std::string() : std::string(szText);
        item.bChecked = (mii.fState & MFS_CHECKED) != 0;
        items.push_back(item);
        if (!item.bSeparator) {
            ++nSelectable;
            if (m_nPick != 0 && item.nID == m_nPick && nDowns < 0)
                nDowns = nSelectable;
        }
    }
    m_bAnswered = true;
    if (nDowns < 0) {
        ::EndMenu();
        return;
    }
    for (int i = 0; i < nDowns; i++) {
        ::PostMessageA(hMenuWnd, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageA(hMenuWnd, WM_KEYUP, VK_DOWN, 0xC0000000);
    }
    ::PostMessageA(hMenuWnd, WM_KEYDOWN, VK_RETURN, 0);
    ::PostMessageA(hMenuWnd, WM_KEYUP, VK_RETURN, 0xC0000000);
}
