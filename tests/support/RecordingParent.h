// Parent windows that record every message their children send them, so a
// test can compare what the parent received with what it expected.
#pragma once
#include "TestApp.h"
#include "DialogTemplate.h"
#include <functional>
#include <string>
#include <vector>

struct RecordedMessage
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    // For WM_NOTIFY: the header's fields, copied while it was valid.
    UINT_PTR idFrom = 0;
    UINT code = 0;
    HWND hwndFrom = nullptr;
};

// The recording itself, shared by the frame and the dialog.
class MessageLog
{
public:
    void Record(UINT message, WPARAM wParam, LPARAM lParam);
    void Clear() { m_messages.clear(); }
    const std::vector<RecordedMessage>& All() const { return m_messages; }
    // Messages with this number, in arrival order.
    std::vector<RecordedMessage> Of(UINT message) const;
    int Count(UINT message) const { return (int)Of(message).size(); }
    // WM_NOTIFY messages with this code.
    std::vector<RecordedMessage> Notifications(UINT code) const;
    // A readable list of the messages (number, wParam, lParam) for failure output.
    std::string Describe(UINT message) const;

    // Called before the default handling; return true to answer with lResult.
    std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)> onMessage;

private:
    std::vector<RecordedMessage> m_messages;
};

// A framework frame with a client area; its children are the controls under test.
class CRecordingFrame : public CFrameWnd
{
public:
    CRecordingFrame();
    ~CRecordingFrame() override;
    MessageLog log;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override {}  // the test owns the object
};

// A framework dialog built from an in-memory template.
class CRecordingDialog : public CDialog
{
public:
    explicit CRecordingDialog(DialogTemplate& tmpl);
    ~CRecordingDialog() override;
    // Modeless, visible, with its controls.
    BOOL CreateModeless(CWnd* pParent = nullptr);

    MessageLog log;
    std::function<void(CRecordingDialog&)> onInitDialog;
    std::function<void(CDataExchange*)> onDataExchange;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    DialogTemplate& m_template;
};
