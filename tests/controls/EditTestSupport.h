// What the edit tests share: a frame holding the edit under test and a second
// control to take the focus, the edit's text and selection as plain values,
// the clipboard, and a recorder that answers every message box.
#pragma once
#include "ControlTestSupport.h"
#include "RecordingParent.h"
#include "UserInput.h"
#include "WindowQueries.h"
#include <gtest/gtest.h>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

std::pair<int, int> SelectionOf(const CEdit& edit);
// Puts text on the clipboard as CF_TEXT.
bool SetClipboardText(const char* text);

// Answers (with OK) every message box of this thread while it lives, keeping
// their texts in order; a test can then say exactly which boxes appeared.
class MessageBoxRecorder
{
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<std::string> texts;

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Poll();
    UINT_PTR m_timer = 0;
    std::set<HWND> m_answered;
};

// The texts of the message boxes that appear while action runs or just after
// it, in order; each is answered with OK.
std::vector<std::string> MessageBoxesDuring(const std::function<void()>& action);
using Texts = std::vector<std::string>;

// A visible, active frame with the edit under test (id 100) and a plain edit
// (id 101) to move the focus to.
class EditTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the edit in the frame and gives it the focus.
    void CreateEdit(CEdit& edit, DWORD dwExtraStyle = 0, const CRect& rect = CRect(10, 10, 210, 34));
    // The focus goes to the other control: the edit's focus-loss handling runs.
    void LeaveEdit(CEdit& edit);
    // Characters posted through the application's loop, as a user types them.
    static void Type(CEdit& edit, const char* text) { input::TypeText(edit.m_hWnd, text); }

    CRecordingFrame* m_pFrame = nullptr;
    CEdit m_other;
};

// The same with an edit of type TEdit, made and focused before each test.
template <class TEdit>
class EditOfTypeTest : public EditTest
{
protected:
    void SetUp() override
    {
        EditTest::SetUp();
        CreateEdit(edit);
    }
    TEdit edit;
};

using Sel = std::pair<int, int>;
