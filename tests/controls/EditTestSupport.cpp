#include "EditTestSupport.h"
#include <cstring>
#include <map>

std::pair<int, int> SelectionOf(const CEdit& edit)
{
    int nStart = -1;
    int nEnd = -1;
    edit.GetSel(nStart, nEnd);
    return { nStart, nEnd };
}

bool SetClipboardText(const char* text)
{
    if (!::OpenClipboard(nullptr))
        return false;
    ::EmptyClipboard();
    size_t n = std::strlen(text) + 1;
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, n);
    bool bOk = false;
    if (hMem != nullptr) {
        std::memcpy(::GlobalLock(hMem), text, n);
        ::GlobalUnlock(hMem);
        bOk = ::SetClipboardData(CF_TEXT, hMem) != nullptr;
        if (!bOk)
            ::GlobalFree(hMem);
    }
    ::CloseClipboard();
    return bOk;
}

// ----- message boxes -------------------------------------------------------------

namespace {
std::map<UINT_PTR, MessageBoxRecorder*>& Recorders()
{
    static std::map<UINT_PTR, MessageBoxRecorder*> map;
    return map;
}
}

MessageBoxRecorder::MessageBoxRecorder()
{
    m_timer = ::SetTimer(nullptr, 0, 20, OnTimer);
    Recorders()[m_timer] = this;
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    ::KillTimer(nullptr, m_timer);
    Recorders().erase(m_timer);
}

void CALLBACK MessageBoxRecorder::OnTimer(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    auto it = Recorders().find(idEvent);
    if (it != Recorders().end())
        it->second->Poll();
}

void MessageBoxRecorder::Poll()
{
    for (HWND hWnd : ThreadWindows()) {
        if (ClassOf(hWnd) != "#32770" || !::IsWindowVisible(hWnd) || m_answered.count(hWnd) != 0)
            continue;
        m_answered.insert(hWnd);
        char text[512] = "";
        ::GetDlgItemTextA(hWnd, 0xFFFF, text, sizeof(text));
        texts.push_back(text);
        ::PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(hWnd, IDOK));
    }
}

std::vector<std::string> MessageBoxesDuring(const std::function<void()>& action)
{
    MessageBoxRecorder boxes;
    action();
    PumpMessages(200);
    return boxes.texts;
}

// ----- the frame -------------------------------------------------------------------

void EditTest::SetUp()
{
    m_pFrame = new CRecordingFrame;
    ASSERT_NE(m_pFrame->m_hWnd, nullptr);
    m_pFrame->SetForegroundWindow();
    m_pFrame->SetActiveWindow();
    ASSERT_TRUE(m_other.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 100, 210, 124), m_pFrame, 101));
    PumpMessages(50);
}

void EditTest::TearDown()
{
    if (m_other.m_hWnd != nullptr)
        m_other.DestroyWindow();
    delete m_pFrame;
    m_pFrame = nullptr;
    PumpMessages(50);
}

void EditTest::CreateEdit(CEdit& edit, DWORD dwExtraStyle, const CRect& rect)
{
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | dwExtraStyle, rect, m_pFrame, 100));
    edit.SetFocus();
    ASSERT_EQ(::GetFocus(), edit.m_hWnd);
}

void EditTest::LeaveEdit(CEdit& edit)
{
    ASSERT_EQ(::GetFocus(), edit.m_hWnd) << "the edit must have the focus to lose it";
    m_other.SetFocus();
    PumpMessages(50);
}
