#include "Monkey.h"
#include <commctrl.h>
#include <cstdio>

namespace {
// Commands of the gallery's own that the monkey may give: pages, previous,
// next, toolbars shown and hidden. Not the screenshots (files) nor Exit.
const int kCommands[] = { 32002, 32003, 0xE800, 0xE803, 32010, 32011, 32012, 32013, 32014, 32015, 32016, 32017 };
const int kScreenshots = 32001;

std::string Describe(const char* what, HWND hWnd)
{
    char sz[160];
    std::snprintf(sz, sizeof(sz), "%s %s %p", what, ClassOf(hWnd).c_str(), (void*)hWnd);
    return sz;
}

LPARAM At(POINT pt) { return MAKELPARAM(pt.x, pt.y); }
}

bool Monkey::MayTouch(HWND hWnd, bool bKeyboard) const
{
    if (!::IsWindowVisible(hWnd) || !::IsWindowEnabled(hWnd))
        return false;
    const std::string strClass = ClassOf(hWnd);
    if (strClass == "Static") {
        // A static that reports clicks is a link: it would open something
        // outside the gallery. Keys never go to statics.
        return !bKeyboard && (::GetWindowLongA(hWnd, GWL_STYLE) & SS_NOTIFY) == 0;
    }
    // Keys to a toolbar press its hot button, the screenshots one among them
    // (files, and seconds of work): toolbars get the mouse only.
    if (bKeyboard && strClass == TOOLBARCLASSNAMEA)
        return false;
    return strClass != "tooltips_class32" && strClass != "#32768";
}

HWND Monkey::PickTarget(HWND hTop, bool bKeyboard)
{
    std::vector<HWND> windows = m_gallery.Descendants(hTop);
    windows.push_back(hTop);
    for (int nTry = 0; nTry < 8; ++nTry) {
        HWND hWnd = windows[(size_t)Pick((int)windows.size())];
        if (MayTouch(hWnd, bKeyboard))
            return hWnd;
    }
    return nullptr;
}

POINT Monkey::PickPoint(HWND hWnd)
{
    RECT rc = {};
    ::GetClientRect(hWnd, &rc);
    POINT pt = { rc.left + Pick(rc.right - rc.left + 1), rc.top + Pick(rc.bottom - rc.top + 1) };
    // The gallery's screenshots button writes files and takes long: not for the monkey.
    RECT rcButton;
    if (ClassOf(hWnd) == TOOLBARCLASSNAMEA && m_gallery.ToolbarButtonRect(hWnd, kScreenshots, rcButton) &&
        ::PtInRect(&rcButton, pt))
        pt.x = rcButton.left > 2 ? rcButton.left - 2 : rcButton.right + 2;
    return pt;
}

std::string Monkey::Click(HWND hWnd, bool bDouble)
{
    const POINT pt = PickPoint(hWnd);
    m_gallery.Post(hWnd, WM_MOUSEMOVE, 0, At(pt));
    m_gallery.Post(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, At(pt));
    m_gallery.Post(hWnd, WM_LBUTTONUP, 0, At(pt));
    if (bDouble) {
        m_gallery.Post(hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, At(pt));
        m_gallery.Post(hWnd, WM_LBUTTONUP, 0, At(pt));
    }
    return Describe(bDouble ? "double click" : "click", hWnd);
}

std::string Monkey::RightClick(HWND hWnd)
{
    // The button-up is queued with the down: a control's right-button loop
    // returns only when it finds one.
    const POINT pt = PickPoint(hWnd);
    m_gallery.Post(hWnd, WM_RBUTTONDOWN, MK_RBUTTON, At(pt));
    m_gallery.Post(hWnd, WM_RBUTTONUP, 0, At(pt));
    return Describe("right click", hWnd);
}

std::string Monkey::Drag(HWND hWnd)
{
    // A toolbar is taken by its gripper (its first pixels) half of the time.
    POINT pt = PickPoint(hWnd);
    if (ClassOf(hWnd) == TOOLBARCLASSNAMEA && Pick(2) == 0)
        pt = { 3, 6 };
    m_gallery.Post(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, At(pt));
    const int nSteps = 2 + Pick(6);
    for (int i = 0; i < nSteps; ++i) {
        pt.x += Pick(81) - 40;
        pt.y += Pick(81) - 40;
        m_gallery.Post(hWnd, WM_MOUSEMOVE, MK_LBUTTON, At(pt));
    }
    m_gallery.Post(hWnd, WM_LBUTTONUP, 0, At(pt));
    return Describe("drag", hWnd);
}

std::string Monkey::Type(HWND hWnd)
{
    static const char kChars[] = "0123456789.-+eE,abcxyzABC %#\t";
    const int nLength = 1 + Pick(12);
    for (int i = 0; i < nLength; ++i)
        m_gallery.Post(hWnd, WM_CHAR, (WPARAM)(unsigned char)kChars[Pick(sizeof(kChars) - 1)], 1);
    return Describe("typing", hWnd);
}

std::string Monkey::Key(HWND hWnd)
{
    static const UINT kKeys[] = { VK_LEFT, VK_RIGHT,  VK_UP,     VK_DOWN,  VK_HOME,   VK_END,  VK_PRIOR, VK_NEXT,
                                  VK_TAB,  VK_RETURN, VK_ESCAPE, VK_SPACE, VK_DELETE, VK_BACK, VK_F2,    VK_F4 };
    const UINT vk = kKeys[Pick(sizeof(kKeys) / sizeof(kKeys[0]))];
    m_gallery.Post(hWnd, WM_KEYDOWN, vk, 1);
    m_gallery.Post(hWnd, WM_KEYUP, vk, 0xC0000001);
    return Describe("key", hWnd);
}

std::string Monkey::HeaderClick(HWND hTop)
{
    std::vector<HWND> headers;
    for (HWND hWnd : m_gallery.Descendants(hTop))
        if (ClassOf(hWnd) == WC_HEADERA && MayTouch(hWnd, false))
            headers.push_back(hWnd);
    if (headers.empty())
        return Command();
    return Click(headers[(size_t)Pick((int)headers.size())], false);
}

std::string Monkey::Command()
{
    const int nCommand = kCommands[Pick(sizeof(kCommands) / sizeof(kCommands[0]))];
    m_gallery.Post(m_gallery.MainWindow(), WM_COMMAND, MAKEWPARAM(nCommand, 0), 0);
    char sz[48];
    std::snprintf(sz, sizeof(sz), "command %d", nCommand);
    return sz;
}

std::string Monkey::AnswerDialog(HWND hDlg)
{
    // Answers go out one after another until the dialog goes: Cancel, OK, No,
    // Yes (a box with Yes and No only takes those), Close.
    const int nAge = m_dialogAge[hDlg]++;
    static const int kAnswers[] = { IDCANCEL, IDOK, IDNO, IDYES, 0 };
    const int nAnswer = kAnswers[(nAge - m_dialogPatience[hDlg]) % 5];
    if (nAnswer != 0)
        m_gallery.Post(hDlg, WM_COMMAND, MAKEWPARAM(nAnswer, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, nAnswer));
    else
        m_gallery.Post(hDlg, WM_CLOSE, 0, 0);
    if (nAge == m_dialogPatience[hDlg])
        ++m_nDialogsAnswered;
    static const char* const kNames[] = { "cancel", "ok", "no", "yes", "close" };
    return Describe(kNames[(nAge - m_dialogPatience[hDlg]) % 5], hDlg);
}

std::string Monkey::Act()
{
    ++m_nActions;
    const std::vector<HWND> tops = m_gallery.TopLevelWindows();
    // An open menu is closed first: its loop holds the gallery until it goes.
    for (HWND hWnd : tops) {
        if (ClassOf(hWnd) == "#32768") {
            m_gallery.Post(hWnd, WM_KEYDOWN, VK_ESCAPE, 1);
            ++m_nMenusClosed;
            return Describe("escape", hWnd);
        }
    }
    // A dialog the gallery waits on is where the input goes, until it is answered.
    HWND hTop = m_gallery.MainWindow();
    for (HWND hWnd : tops) {
        if (ClassOf(hWnd) == "#32770" && ::IsWindowEnabled(hWnd)) {
            if (m_dialogPatience.count(hWnd) == 0)
                m_dialogPatience[hWnd] = 2 + Pick(10);
            if (m_dialogAge[hWnd] >= m_dialogPatience[hWnd])
                return AnswerDialog(hWnd);
            ++m_dialogAge[hWnd];
            hTop = hWnd;
        }
    }
    // A disabled main window waits on a dialog (perhaps not shown yet): a user
    // could reach nothing of it, and so neither does the monkey.
    if (hTop == m_gallery.MainWindow() && !::IsWindowEnabled(hTop))
        return kWaiting;
    // A floating toolbar's frame now and then.
    if (hTop == m_gallery.MainWindow() && Pick(6) == 0) {
        for (HWND hWnd : tops) {
            if (hWnd != hTop && ClassOf(hWnd) != "#32770" && ::IsWindowEnabled(hWnd))
                hTop = hWnd;
        }
    }

    const int nKind = Pick(100);
    if (nKind < 8 && hTop == m_gallery.MainWindow())
        return Command();
    if (nKind < 14)
        return HeaderClick(hTop);
    const bool bKeyboard = nKind >= 74;
    HWND hTarget = PickTarget(hTop, bKeyboard);
    if (hTarget == nullptr)
        return "nothing to touch";
    if (nKind < 50)
        return Click(hTarget, false);
    if (nKind < 56)
        return Click(hTarget, true);
    if (nKind < 62)
        return RightClick(hTarget);
    if (nKind < 74)
        return Drag(hTarget);
    if (nKind < 88)
        return Type(hTarget);
    return Key(hTarget);
}
