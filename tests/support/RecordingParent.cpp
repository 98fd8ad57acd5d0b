#include "RecordingParent.h"
#include <cstdio>

void MessageLog::Record(UINT message, WPARAM wParam, LPARAM lParam)
{
    RecordedMessage m = { message, wParam, lParam };
    if (message == WM_NOTIFY && lParam != 0) {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        m.idFrom = pNMHDR->idFrom;
        m.code = pNMHDR->code;
        m.hwndFrom = pNMHDR->hwndFrom;
    }
    m_messages.push_back(m);
}

std::vector<RecordedMessage> MessageLog::Of(UINT message) const
{
    std::vector<RecordedMessage> result;
    for (const RecordedMessage& m : m_messages)
        if (m.message == message)
            result.push_back(m);
    return result;
}

std::vector<RecordedMessage> MessageLog::Notifications(UINT code) const
{
    std::vector<RecordedMessage> result;
    for (const RecordedMessage& m : m_messages)
        if (m.message == WM_NOTIFY && m.code == code)
            result.push_back(m);
    return result;
}

std::string MessageLog::Describe(UINT message) const
{
    std::string text;
    char line[96];
    for (const RecordedMessage& m : Of(message)) {
        std::snprintf(line, sizeof(line), "[0x%04x w=%lld l=%lld] ", m.message, (long long)m.wParam,
                      (long long)m.lParam);
        text += line;
    }
    return text.empty() ? "(none)" : text;
}

namespace {
LRESULT RecordThenHandle(MessageLog& log, UINT message, WPARAM wParam, LPARAM lParam,
                         const std::function<LRESULT()>& handle)
{
    log.Record(message, wParam, lParam);
    LRESULT lResult = 0;
    if (log.onMessage && log.onMessage(message, wParam, lParam, lResult))
        return lResult;
    return handle();
}
}

CRecordingFrame::CRecordingFrame()
{
    Create(nullptr, "Test frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 660, 500));
}

CRecordingFrame::~CRecordingFrame()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

LRESULT CRecordingFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return RecordThenHandle(log, message, wParam, lParam,
                            [&] { return CFrameWnd::WindowProc(message, wParam, lParam); });
}

CRecordingDialog::CRecordingDialog(DialogTemplate& tmpl) : m_template(tmpl)
{
    InitModalIndirect(m_template.Get(), nullptr);
}

CRecordingDialog::~CRecordingDialog()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

BOOL CRecordingDialog::CreateModeless(CWnd* pParent)
{
    if (!CreateIndirect(m_template.Get(), pParent))
        return FALSE;
    ShowWindow(SW_SHOW);
    UpdateWindow();
    return TRUE;
}

BOOL CRecordingDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (onInitDialog)
        onInitDialog(*this);
    return TRUE;
}

void CRecordingDialog::DoDataExchange(CDataExchange* pDX)
{
    if (onDataExchange)
        onDataExchange(pDX);
}

LRESULT CRecordingDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return RecordThenHandle(log, message, wParam, lParam, [&] { return CDialog::WindowProc(message, wParam, lParam); });
}
