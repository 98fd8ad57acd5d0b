// Answers every dialog or message box this thread shows, as soon as it is
// activated, by posting it a command: for loops that open thousands of modal
// dialogs, where ModalAnswerer's polling would cost a timer tick each.
#pragma once
#include <windows.h>
#include <functional>

class ImmediateAnswer
{
public:
    // command(hDlg) gives the command id to post to the dialog just shown
    // (IDOK, IDCANCEL ...); 0 posts nothing.
    explicit ImmediateAnswer(std::function<int(HWND)> command);
    ~ImmediateAnswer();
    ImmediateAnswer(const ImmediateAnswer&) = delete;
    ImmediateAnswer& operator=(const ImmediateAnswer&) = delete;

    int Answered() const { return m_nAnswered; }

private:
    static LRESULT CALLBACK OnCbt(int nCode, WPARAM wParam, LPARAM lParam);

    std::function<int(HWND)> m_command;
    HHOOK m_hHook;
    int m_nAnswered = 0;
};
