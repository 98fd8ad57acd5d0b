#include "ModalAnswerer.h"
#include "WindowQueries.h"
#include "afxwin.h"
#include <algorithm>

namespace {
std::map<UINT_PTR, ModalAnswerer*>& Answerers()
{
    static std::map<UINT_PTR, ModalAnswerer*> map;
    return map;
}

// A shown window of the class.
bool IsOfClass(HWND hWnd, const char* lpszClass)
{
    return lstrcmpA(ClassOf(hWnd).c_str(), lpszClass) == 0 && ::IsWindowVisible(hWnd);
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

std::function<void(HWND)> ModalAnswerer::ChooseMenuCommand(UINT nID)
{
    return [nID](HWND hMenuWnd) {
        HMENU hMenu = (HMENU)::SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0);
        int nPos = 0;  // among the items that can be chosen
        for (int i = 0; nID != 0 && hMenu != nullptr && i < ::GetMenuItemCount(hMenu); i++) {
            if (::GetMenuItemID(hMenu, i) == nID) {
                ChooseMenuItem(nPos)(hMenuWnd);
                return;
            }
            if (!(::GetMenuState(hMenu, (UINT)i, MF_BYPOSITION) & MF_SEPARATOR))
                ++nPos;
        }
        ::EndMenu();
    };
}

std::function<void(HWND)> ModalAnswerer::CloseMenu()
{
    return [](HWND hMenuWnd) { PostKey(hMenuWnd, VK_ESCAPE); };
}

std::vector<UINT> ModalAnswerer::MenuIds() const
{
    std::vector<UINT> ids;
    for (const MenuItem& item : menuItems)
        ids.push_back(item.nID);
    return ids;
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
                char text[256] = "";
                MENUITEMINFOA mii = {};
                mii.cbSize = sizeof(mii);
                mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING;
                mii.dwTypeData = text;
                mii.cch = sizeof(text);
                ::GetMenuItemInfoA(hMenu, (UINT)i, TRUE, &mii);
                MenuItem item;
                item.bSeparator = (mii.fType & MFT_SEPARATOR) != 0;
                item.nID = item.bSeparator ? 0 : mii.wID;
                item.text = item.bSeparator ? std::string() : std::string(text);
                item.bChecked = (mii.fState & MFS_CHECKED) != 0;
                menuItems.push_back(item);
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
            if (lstrcmpiA(ClassOf(hChild).c_str(), "Button") == 0)
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

RECT PlainBox(const char* text, UINT nType)
{
    RECT rc = {};
    ModalAnswerer answer([&](HWND hBox) {
        ::GetWindowRect(hBox, &rc);
        ModalAnswerer::PressButton(IDCANCEL)(hBox);
    });
    AfxMessageBox(text, nType);
    return rc;
}
