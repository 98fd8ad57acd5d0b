// Answers the next modal dialog or message box of this thread from a timer,
// after reading its caption and controls; or, made for Target::PopupMenu, the
// next popup menu the thread tracks (TrackPopupMenu), after reading its items
// and where it opened. If none appears within the time
// limit, it gives up and closes any new dialog, so a broken test fails
// instead of waiting forever.
#pragma once
#include <windows.h>
#include <functional>
#include <map>
#include <string>
#include <vector>

class ModalAnswerer;

// Shows the framework's plain message box (AfxMessageBox) with this text and
// type, cancels it, and gives where it stood (screen coordinates): the box the
// library's message boxes are measured against.
RECT PlainBox(const char* text, UINT nType);

class ModalAnswerer
{
public:
    enum class Target { Dialog, PopupMenu };
    // answer(hDlg) closes the dialog, usually with PressButton; a menu's
    // answer gets the menu window (ChooseMenuItem, CloseMenu).
    explicit ModalAnswerer(std::function<void(HWND)> answer, DWORD nTimeoutMs = 5000, Target target = Target::Dialog);
    ~ModalAnswerer();
    ModalAnswerer(const ModalAnswerer&) = delete;
    ModalAnswerer& operator=(const ModalAnswerer&) = delete;

    // Answer with a command of the dialog (IDOK, IDCANCEL, IDYES ...).
    static std::function<void(HWND)> PressButton(int nID);
    // Answer a popup menu as the keyboard does: Down nPos + 1 times (which
    // passes over separators, so nPos counts the items that can be chosen),
    // then Enter; or Escape.
    static std::function<void(HWND)> ChooseMenuItem(int nPos);
    static std::function<void(HWND)> CloseMenu();
    // Chooses the item with command nID as ChooseMenuItem would; closes the
    // menu with nothing chosen when nID is 0 or not in the menu.
    static std::function<void(HWND)> ChooseMenuCommand(UINT nID);

    bool Answered() const { return m_bAnswered; }
    bool TimedOut() const { return m_bTimedOut; }
    int DialogsSeen() const { return m_nSeen; }

    // Read before answering.
    std::string caption;
    std::string messageText;  // a message box's text (static id 0xFFFF)
    std::map<int, std::string> controlText;
    std::vector<std::string> buttonTexts;
    RECT windowRect = {};  // the answered window, screen coordinates
    struct MenuItem
    {
        UINT nID;          // 0 for a separator
        std::string text;  // empty for a separator
        bool bSeparator;
        bool bChecked;
    };
    std::vector<MenuItem> menuItems;  // a popup menu's items as it showed them
    std::vector<UINT> MenuIds() const;

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR idEvent, DWORD);
    void Poll();
    void Stop();

    std::function<void(HWND)> m_answer;
    std::vector<HWND> m_existing;  // top-level windows before we started
    DWORD m_start;
    DWORD m_timeout;
    Target m_target;
    UINT_PTR m_timer = 0;
    bool m_bAnswered = false;
    bool m_bTimedOut = false;
    int m_nSeen = 0;
};
