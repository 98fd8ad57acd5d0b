#include "ImmediateAnswer.h"
#include "WindowQueries.h"
#include <cstring>

namespace {
thread_local ImmediateAnswer* t_pCurrent = nullptr;
}

ImmediateAnswer::ImmediateAnswer(std::function<int(HWND)> command)
    : m_command(std::move(command)), m_hHook(::SetWindowsHookExA(WH_CBT, OnCbt, nullptr, ::GetCurrentThreadId()))
{
    t_pCurrent = this;
}

ImmediateAnswer::~ImmediateAnswer()
{
    if (m_hHook != nullptr)
        ::UnhookWindowsHookEx(m_hHook);
    t_pCurrent = nullptr;
}

LRESULT CALLBACK ImmediateAnswer::OnCbt(int nCode, WPARAM wParam, LPARAM lParam)
{
    ImmediateAnswer* pSelf = t_pCurrent;
    if (nCode == HCBT_ACTIVATE && pSelf != nullptr) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        if (ClassOf(hWnd) == "#32770") {
            const int nCommand = pSelf->m_command(hWnd);
            if (nCommand != 0) {
                // Posted: the dialog's modal loop takes it once the dialog is up.
                ::PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(nCommand, BN_CLICKED),
                               reinterpret_cast<LPARAM>(::GetDlgItem(hWnd, nCommand)));
                ++pSelf->m_nAnswered;
            }
        }
    }
    return ::CallNextHookEx(pSelf != nullptr ? pSelf->m_hHook : nullptr, nCode, wParam, lParam);
}
