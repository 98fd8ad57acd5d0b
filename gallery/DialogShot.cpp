#include "DialogShot.h"
#include "Screenshot.h"
#include <algorithm>
#include <map>

namespace {
// Longest wait for the dialog before giving up, so a run never hangs.
const DWORD kTimeoutMs = 8000;

std::map<UINT_PTR, CDialogShot*>& Shots()
{
    static std::map<UINT_PTR, CDialogShot*> shots;
    return shots;
}

BOOL CALLBACK Collect(HWND hWnd, LPARAM lParam)
{
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}

std::vector<HWND> ThreadWindows()
{
    std::vector<HWND> windows;
    ::EnumThreadWindows(::GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool IsOpenDialog(HWND hWnd)
{
    char szClass[16] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    return lstrcmpA(szClass, "#32770") == 0 && ::IsWindowVisible(hWnd);
}
}

CDialogShot::CDialogShot(LPCSTR lpszPath, int nCloseCommand, std::function<void(HWND)> prepare)
    : m_strPath(lpszPath), m_nCloseCommand(nCloseCommand), m_prepare(std::move(prepare)), m_existing(ThreadWindows()),
      m_start(::GetTickCount())
{
    m_timer = ::SetTimer(nullptr, 0, 100, OnTimer);
    Shots()[m_timer] = this;
}

CDialogShot::~CDialogShot() { Stop(); }

void CDialogShot::Stop()
{
    if (m_timer != 0) {
        ::KillTimer(nullptr, m_timer);
        Shots().erase(m_timer);
        m_timer = 0;
    }
}

void CALLBACK CDialogShot::OnTimer(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    auto it = Shots().find(idEvent);
    if (it != Shots().end())
        it->second->Poll();
}

void CDialogShot::Poll()
{
    if (m_hSeen == nullptr) {
        for (HWND hWnd : ThreadWindows()) {
            if (std::find(m_existing.begin(), m_existing.end(), hWnd) == m_existing.end() && IsOpenDialog(hWnd)) {
                m_hSeen = hWnd;
                break;
            }
        }
    }
    // A few ticks after it showed, its painting is done.
    if (m_hSeen != nullptr && ++m_nTicksSeen >= 3) {
        HWND hDlg = m_hSeen;
        Stop();
        if (m_prepare)
            m_prepare(hDlg);
        ::RedrawWindow(hDlg, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        m_bSaved = QELGUIUtils::SaveWindowPng(hDlg, m_strPath);
        ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(m_nCloseCommand, BN_CLICKED),
                       (LPARAM)::GetDlgItem(hDlg, m_nCloseCommand));
        return;
    }
    if (::GetTickCount() - m_start > kTimeoutMs)
        Stop();
}
