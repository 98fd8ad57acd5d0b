// Dialogs: the framework's modal loop with PreTranslateMessage, data exchange,
// command routing through frames.
#include "RecordingParent.h"
#include "WindowQueries.h"
#include "ModalAnswerer.h"
#include "UserInput.h"
#include <gtest/gtest.h>
#include <string>

namespace {
const int IDC_TEXT = 1001;
const int IDC_NUMBER = 1002;
const int IDC_REAL = 1003;
const int IDC_CHOICE = 1004;
const int IDC_FLAG = 1005;

DialogTemplate MakeTemplate()
{
    DialogTemplate t("Exchange", 200, 120);
    t.Add("EDIT", "", IDC_TEXT, WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 5, 5, 100, 12)
        .Add("EDIT", "", IDC_NUMBER, WS_VISIBLE | WS_BORDER | WS_TABSTOP, 5, 20, 100, 12)
        .Add("EDIT", "", IDC_REAL, WS_VISIBLE | WS_BORDER | WS_TABSTOP, 5, 35, 100, 12)
        .Add("COMBOBOX", "", IDC_CHOICE, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 5, 50, 100, 60)
        .Add("BUTTON", "Flag", IDC_FLAG, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 5, 65, 100, 12)
        .Add("BUTTON", "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 5, 90, 50, 14)
        .Add("BUTTON", "Cancel", IDCANCEL, WS_VISIBLE | WS_TABSTOP, 60, 90, 50, 14);
    return t;
}

struct ExchangeData
{
    CString text = "hello";
    int number = -42;
    double real = 2.5;
    int choice = 1;
    int flag = 1;
};

void Exchange(CDataExchange* pDX, ExchangeData& d)
{
    DDX_Text(pDX, IDC_TEXT, d.text);
    DDX_Text(pDX, IDC_NUMBER, d.number);
    DDV_MinMaxInt(pDX, d.number, -100, 100);
    DDX_Text(pDX, IDC_REAL, d.real);
    DDX_CBIndex(pDX, IDC_CHOICE, d.choice);
    DDX_Check(pDX, IDC_FLAG, d.flag);
}

TEST(DataExchange, MembersToControlsAndBack)
{
    DialogTemplate tmpl = MakeTemplate();
    CRecordingDialog dlg(tmpl);
    ExchangeData data;
    dlg.onInitDialog = [](CRecordingDialog& d) {
        for (const char* s : { "red", "green", "blue" })
            d.SendDlgItemMessage(IDC_CHOICE, CB_ADDSTRING, 0, (LPARAM)s);
    };
    dlg.onDataExchange = [&](CDataExchange* pDX) { Exchange(pDX, data); };
    ASSERT_TRUE(dlg.CreateModeless());
    ASSERT_TRUE(dlg.UpdateData(FALSE));  // the combo is filled after the first exchange
    EXPECT_EQ(ItemText(dlg.m_hWnd, IDC_TEXT), "hello");
    EXPECT_EQ(ItemText(dlg.m_hWnd, IDC_NUMBER), "-42");
    EXPECT_EQ(ItemText(dlg.m_hWnd, IDC_REAL), "2.5");
    EXPECT_EQ(dlg.SendDlgItemMessage(IDC_CHOICE, CB_GETCURSEL), 1);
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_FLAG), 1u);

    dlg.SetDlgItemText(IDC_TEXT, "changed");
    dlg.SetDlgItemText(IDC_NUMBER, " 17 ");
    dlg.SetDlgItemText(IDC_REAL, "-1e-3");
    dlg.SendDlgItemMessage(IDC_CHOICE, CB_SETCURSEL, 2);
    dlg.CheckDlgButton(IDC_FLAG, 0);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_STREQ(data.text, "changed");
    EXPECT_EQ(data.number, 17);
    EXPECT_DOUBLE_EQ(data.real, -0.001);
    EXPECT_EQ(data.choice, 2);
    EXPECT_EQ(data.flag, 0);
}

TEST(DataExchange, InvalidInputFailsWithAMessageAndKeepsTheMembers)
{
    DialogTemplate tmpl = MakeTemplate();
    CRecordingDialog dlg(tmpl);
    ExchangeData data;
    dlg.onDataExchange = [&](CDataExchange* pDX) { Exchange(pDX, data); };
    ASSERT_TRUE(dlg.CreateModeless());

    dlg.SetDlgItemText(IDC_TEXT, "kept?");
    dlg.SetDlgItemText(IDC_NUMBER, "12abc");
    {
        ModalAnswerer answer(ModalAnswerer::PressButton(IDOK));
        EXPECT_FALSE(dlg.UpdateData(TRUE));
        EXPECT_TRUE(answer.Answered());
        EXPECT_EQ(answer.messageText, "Please enter an integer.");
    }
    // Exchanges before the failure happened; those after it did not.
    EXPECT_STREQ(data.text, "kept?");
    EXPECT_EQ(data.number, -42);
    EXPECT_DOUBLE_EQ(data.real, 2.5);
    EXPECT_EQ(::GetFocus(), dlg.GetDlgItem(IDC_NUMBER)->m_hWnd);

    // Out of the validated range.
    dlg.SetDlgItemText(IDC_NUMBER, "101");
    ModalAnswerer answer(ModalAnswerer::PressButton(IDOK));
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(answer.messageText, "Please enter an integer between -100 and 100.");
}

// An edit that drops the letter 'x' before the dialog manager sees it.
class CFilteringEdit : public CEdit
{
public:
    std::string* pTrace = nullptr;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_CHAR) {
            *pTrace += "edit;";
            if (pMsg->wParam == 'x')
                return TRUE;
        }
        return CEdit::PreTranslateMessage(pMsg);
    }
};

class CTracingDialog : public CRecordingDialog
{
public:
    using CRecordingDialog::CRecordingDialog;
    std::string trace;
    CFilteringEdit edit;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_CHAR)
            trace += "dialog;";
        return CRecordingDialog::PreTranslateMessage(pMsg);
    }
};

TEST(ModalDialog, PreTranslateMessageRunsFromTheControlUpInsideTheModalLoop)
{
    DialogTemplate tmpl = MakeTemplate();
    CTracingDialog dlg(tmpl);
    dlg.edit.pTrace = &dlg.trace;
    std::string finalText;
    dlg.onInitDialog = [&](CRecordingDialog&) {
        dlg.edit.SubclassDlgItem(IDC_TEXT, &dlg);
        dlg.edit.SetWindowText("");
        dlg.edit.SetFocus();
        // Typed while the modal loop runs: posted, so they go through PreTranslateMessage.
        for (char c : std::string("axb"))
            input::PostChar(dlg.edit.m_hWnd, c);
        // Enter presses the default button through the dialog manager.
        input::PostKeyDown(dlg.edit.m_hWnd, VK_RETURN);
    };
    dlg.onDataExchange = [&](CDataExchange* pDX) {
        if (pDX->m_bSaveAndValidate)
            finalText = ItemText(dlg.m_hWnd, IDC_TEXT);
    };
    ModalAnswerer safety([](HWND) {}, 8000);  // bounded: nothing should appear
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(finalText, "ab");
    // The control's filter ran before the dialog's, for every character;
    // the swallowed one never reached the dialog.
    EXPECT_EQ(dlg.trace, "edit;dialog;edit;edit;dialog;");
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(ModalDialog, EndingInInitDialogAndCancelling)
{
    DialogTemplate tmpl = MakeTemplate();
    {
        CRecordingDialog dlg(tmpl);
        dlg.onInitDialog = [](CRecordingDialog& d) { d.EndDialog(1234); };
        EXPECT_EQ(dlg.DoModal(), 1234);
    }
    {
        CRecordingDialog dlg(tmpl);
        dlg.onInitDialog = [](CRecordingDialog& d) { input::PostKeyDown(d.GetDlgItem(IDC_TEXT)->m_hWnd, VK_ESCAPE); };
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    }
    {
        // A template that cannot be found.
        CDialog missing(777u);
        EXPECT_EQ(missing.DoModal(), -1);
    }
}

// ----- owners of nested modal windows ---------------------------------------

// A dialog, a message box or a modeless dialog that ends while an outer modal
// dialog still runs over the same owner must leave that owner disabled: the
// owner's commands would otherwise run while the handler that opened the outer
// dialog still waits for it (a page of an application deleted under it).
TEST(ModalDialog, TheOwnerStaysDisabledUntilTheOutermostModalWindowEnds)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, "STATIC", "Owner", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
    // Message boxes of the application are owned by its main window.
    CWinApp* pApp = AfxGetApp();
    CWnd* pOldMain = pApp->m_pMainWnd;
    pApp->m_pMainWnd = &owner;

    DialogTemplate tmpl = MakeTemplate();
    std::string trace;
    auto state = [&](const char* when) {
        trace += when;
        trace += ::IsWindowEnabled(owner.m_hWnd) ? "=on;" : "=off;";
        // Each stage is judged on its own: one that gave the owner away does
        // not hide the next.
        if (std::string(when) != "outer ended")
            ::EnableWindow(owner.m_hWnd, FALSE);
    };
    auto cancel = [](CRecordingDialog& d) { input::PostKeyDown(d.GetDlgItem(IDC_TEXT)->m_hWnd, VK_ESCAPE); };
    CRecordingDialog outer(tmpl);
    outer.m_pParentWnd = &owner;
    outer.onInitDialog = [&](CRecordingDialog& d) {
        state("outer");
        {
            CRecordingDialog inner(tmpl);
            inner.m_pParentWnd = &owner;
            inner.onInitDialog = cancel;
            EXPECT_EQ(inner.DoModal(), IDCANCEL);
        }
        state("inner");
        {
            ModalAnswerer answer(ModalAnswerer::PressButton(IDOK));
            EXPECT_EQ(AfxMessageBox("Nested", MB_OK), IDOK);
            EXPECT_TRUE(answer.Answered());
        }
        state("app box");
        {
            ModalAnswerer answer(ModalAnswerer::PressButton(IDNO));
            EXPECT_EQ(owner.MessageBox("Nested", "Owner", MB_YESNO), IDNO);
        }
        state("window box");
        {
            CRecordingDialog modeless(tmpl);
            ASSERT_TRUE(modeless.CreateModeless(&owner));
            modeless.EndDialog(IDCANCEL);
            EXPECT_FALSE(modeless.IsWindowVisible());
        }
        state("modeless");
        cancel(d);
    };
    EXPECT_EQ(outer.DoModal(), IDCANCEL);
    state("outer ended");
    // Nothing of the owner's was given to an open modal window for good.
    EXPECT_EQ(trace, "outer=off;inner=off;app box=off;window box=off;modeless=off;outer ended=on;");

    // With no modal window over it, a box gives its owner back enabled.
    {
        ModalAnswerer answer(ModalAnswerer::PressButton(IDOK));
        AfxMessageBox("Alone", MB_OK);
    }
    EXPECT_TRUE(owner.IsWindowEnabled());
    pApp->m_pMainWnd = pOldMain;
    owner.DestroyWindow();
}

// A box opened while another runs, the outer one answered first: the owner
// stays disabled until the outer box's call returns, and is enabled then, not
// left disabled for good by the inner box.
std::string g_nestedTrace;
HWND g_hNestedOwner = nullptr;

void NoteOwner(const char* when)
{
    g_nestedTrace += when;
    g_nestedTrace += ::IsWindowEnabled(g_hNestedOwner) ? "=on;" : "=off;";
}

void CALLBACK OpenInnerBox(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    ::KillTimer(nullptr, idEvent);
    // The outer box is active: its answer waits in the queue while the inner box runs.
    HWND hOuter = ::GetActiveWindow();
    ::PostMessageA(hOuter, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(hOuter, IDOK));
    ModalAnswerer answer(ModalAnswerer::PressButton(IDOK));
    AfxMessageBox("Inner", MB_OK);
    NoteOwner("inner");
}

TEST(ModalDialog, ABoxAnsweredBeforeTheBoxInsideItGivesTheOwnerBackWhenItReturns)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, "STATIC", "Owner", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
    CWinApp* pApp = AfxGetApp();
    CWnd* pOldMain = pApp->m_pMainWnd;
    pApp->m_pMainWnd = &owner;
    g_hNestedOwner = owner.m_hWnd;
    g_nestedTrace.clear();

    ::SetTimer(nullptr, 0, 50, OpenInnerBox);
    ModalAnswerer safety([](HWND) {}, 8000);  // bounded: closes the outer box if it was never answered
    AfxMessageBox("Outer", MB_OK);
    NoteOwner("outer");
    EXPECT_EQ(g_nestedTrace, "inner=off;outer=on;");
    pApp->m_pMainWnd = pOldMain;
    owner.DestroyWindow();
}

// ----- command routing --------------------------------------------------------

const UINT ID_PANE_COMMAND = 40001;
const UINT ID_FRAME_COMMAND = 40002;
const UINT ID_DISABLED_COMMAND = 40003;

class CPane : public CWnd
{
public:
    std::string* pTrace = nullptr;

protected:
    void OnPaneCommand() { *pTrace += "pane;"; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPane, CWnd)
    ON_COMMAND(ID_PANE_COMMAND, OnPaneCommand)
END_MESSAGE_MAP()

class CRoutingFrame : public CRecordingFrame
{
public:
    std::string trace;

protected:
    void OnPaneCommandInFrame() { trace += "frame-pane;"; }
    void OnFrameCommand() { trace += "frame;"; }
    void OnDisabled() { trace += "disabled-ran;"; }
    void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRoutingFrame, CRecordingFrame)
    ON_COMMAND(ID_PANE_COMMAND, OnPaneCommandInFrame)
    ON_COMMAND(ID_FRAME_COMMAND, OnFrameCommand)
    ON_COMMAND(ID_DISABLED_COMMAND, OnDisabled)
    ON_UPDATE_COMMAND_UI(ID_DISABLED_COMMAND, OnUpdateDisabled)
END_MESSAGE_MAP()

TEST(FrameWindow, CommandsGoToThePaneThenTheFrameAndDisabledOnesNowhere)
{
    CRoutingFrame frame;
    CPane pane;
    pane.pTrace = &frame.trace;
    ASSERT_TRUE(pane.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &frame, AFX_IDW_PANE_FIRST));
    frame.RecalcLayout();
    CRect rcFrame, rcPane;
    frame.GetClientRect(&rcFrame);
    pane.GetWindowRect(&rcPane);
    EXPECT_EQ(rcPane.Width(), rcFrame.Width());
    EXPECT_EQ(rcPane.Height(), rcFrame.Height());

    frame.SendMessage(WM_COMMAND, ID_PANE_COMMAND);
    frame.SendMessage(WM_COMMAND, ID_FRAME_COMMAND);
    frame.SendMessage(WM_COMMAND, ID_DISABLED_COMMAND);
    frame.SendMessage(WM_COMMAND, 40099);  // nobody handles it
    EXPECT_EQ(frame.trace, "pane;frame;");

    // A menu shows the same states: no handler or a disabling update handler grey the item.
    CMenu popup;
    popup.CreatePopupMenu();
    popup.AppendMenu(MF_STRING, ID_FRAME_COMMAND, "Frame");
    popup.AppendMenu(MF_STRING, ID_DISABLED_COMMAND, "Disabled");
    popup.AppendMenu(MF_STRING, 40099, "Nobody");
    frame.SendMessage(WM_INITMENUPOPUP, (WPARAM)popup.GetSafeHmenu(), 0);
    EXPECT_FALSE(popup.GetMenuState(0, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_TRUE(popup.GetMenuState(1, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_TRUE(popup.GetMenuState(2, MF_BYPOSITION) & MF_GRAYED);
}
}
