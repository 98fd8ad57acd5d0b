#include "DialogsTestSupport.h"
#include "UserInput.h"
#include <sstream>

namespace {
int g_nRefused = 0;

LRESULT CALLBACK RefuseDialogProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND) {
        if (ClassOf(reinterpret_cast<HWND>(wParam)) == "#32770") {
            ++g_nRefused;
            return 1;
        }
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}
}

std::string CheckPlacement(HWND hDlg, int nID, DialogUnits expected, bool bCheckHeight)
{
    HWND hCtrl = ::GetDlgItem(hDlg, nID);
    if (hCtrl == nullptr)
        return "no control " + std::to_string(nID);
    // The dialog manager maps the position and the size each on its own.
    RECT rcPlace = { expected.x, expected.y, expected.cx, expected.cy };
    ::MapDialogRect(hDlg, &rcPlace);
    RECT rcExpected = { rcPlace.left, rcPlace.top, rcPlace.left + rcPlace.right, rcPlace.top + rcPlace.bottom };
    RECT rc = ChildRect(hCtrl);
    bool bSame = rc.left == rcExpected.left && rc.top == rcExpected.top && rc.right == rcExpected.right &&
                 (!bCheckHeight || rc.bottom == rcExpected.bottom);
    if (bSame)
        return "";
    std::ostringstream out;
    out << "control " << nID << ": expected (" << rcExpected.left << ", " << rcExpected.top << ", " << rcExpected.right
        << ", " << rcExpected.bottom << "), got (" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom
        << ")";
    return out.str();
}

RefuseDialogs::RefuseDialogs() : m_hHook(::SetWindowsHookExA(WH_CBT, RefuseDialogProc, nullptr, ::GetCurrentThreadId()))
{
    g_nRefused = 0;
}

RefuseDialogs::~RefuseDialogs() { ::UnhookWindowsHookEx(m_hHook); }

int RefuseDialogs::Refused() const { return g_nRefused; }

MainWindowScope::MainWindowScope(CWnd* pMain) : m_pPrevious(AfxGetApp()->m_pMainWnd)
{
    AfxGetApp()->m_pMainWnd = pMain;
}

MainWindowScope::~MainWindowScope() { AfxGetApp()->m_pMainWnd = m_pPrevious; }

void Retype(HWND hEdit, const char* text)
{
    ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
    ::SendMessageA(hEdit, WM_CLEAR, 0, 0);
    input::TypeText(hEdit, text);
}
