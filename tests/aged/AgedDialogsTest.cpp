// Every dialog of the library in an aged session, its owner given in both
// forms of the owner's handle: shown over the owner, which is held disabled
// while it runs and given back enabled, and its values read back.
#include "AgedHandles.h"
#include "ModalAnswerer.h"
#include "RecordingParent.h"
#include "WindowQueries.h"
#include "UserInput.h"
#include "resources/ZUZIVU70Resources.h"
#include <string>

namespace {

DWORD LowBits(HWND h) { return (DWORD)(ULONG_PTR)h; }

void Retype(HWND hEdit, const char* text)
{
    ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
    ::SendMessageA(hEdit, WM_CLEAR, 0, 0);
    input::TypeText(hEdit, text);
}

class AgedDialogs : public AgedTest
{
protected:
    CRecordingFrame frame;
    CWnd* pOldMain = nullptr;

    void SetUp() override
    {
        AgedTest::SetUp();
        ExpectAged(frame.m_hWnd, "the owner");
        // The dialogs without a parent of their own go to the main window.
        pOldMain = AfxGetApp()->m_pMainWnd;
        AfxGetApp()->m_pMainWnd = &frame;
    }
    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = pOldMain;
        AgedTest::TearDown();
    }

    // Where a dialog stood while it ran: "owned+held" when the frame owned it
    // and was disabled under it.
    std::string Standing(HWND hDlg)
    {
        ExpectAged(hDlg, "the dialog");
        HWND hOwner = ::GetWindow(hDlg, GW_OWNER);
        std::string s = LowBits(hOwner) == LowBits(frame.m_hWnd) ? "owned" : "not owned";
        return s + (::IsWindowEnabled(frame.m_hWnd) ? "+free" : "+held");
    }
    // The frame once the dialog is gone: enabled again.
    void ExpectOwnerBack(const char* what)
    {
        EXPECT_TRUE(::IsWindowEnabled(frame.m_hWnd)) << "the owner stayed disabled after " << what;
    }
};

TEST_F(AgedDialogs, PromptsAndConverterTakeTheirOwnerInEitherForm)
{
    for (HWND hForm : { SignExtended(frame.m_hWnd), ZeroExtended(frame.m_hWnd) }) {
        HWND hParent = hForm;
        std::string standing;
        double dValue = 1.5;
        ModalAnswerer real([&](HWND hDlg) {
            standing = Standing(hDlg);
            Retype(::GetDlgItem(hDlg, IDC_QEL_REAL_VALUE), "2.25");
            ModalAnswerer::PressButton(IDOK)(hDlg);
        });
        EXPECT_EQ(QELGUIUtils::Real(dValue, "Real", "Value", 0.0, 10.0, TRUE, TRUE, &hParent), 1);
        ASSERT_TRUE(real.Answered());
        EXPECT_EQ(standing, "owned+held");
        EXPECT_EQ(dValue, 2.25);
        ExpectOwnerBack("the real prompt");

        double dX = 1, dY = 2, dZ = 3;
        ModalAnswerer coordinates([&](HWND hDlg) {
            standing = Standing(hDlg);
            Retype(::GetDlgItem(hDlg, IDC_QEL_COORD_Y), "-4.5");
            ModalAnswerer::PressButton(IDOK)(hDlg);
        });
        EXPECT_EQ(QELGUIUtils::Coordinates(dX, dY, dZ, "Point", &hParent), 1);
        ASSERT_TRUE(coordinates.Answered());
        EXPECT_EQ(standing, "owned+held");
        EXPECT_EQ(dY, -4.5);
        ExpectOwnerBack("the coordinates prompt");

        std::string result;
        ModalAnswerer converter([&](HWND hDlg) {
            standing = Standing(hDlg);
            ::SetDlgItemTextA(hDlg, IDC_QEL_UNIT_VALUE, "2");
            result = ItemText(hDlg, IDC_QEL_UNIT_RESULT);
            ModalAnswerer::PressButton(IDOK)(hDlg);  // "Close"
        });
        QELGUIUtils::UnitConverter(3, 8, &hParent);
        ASSERT_TRUE(converter.Answered());
        EXPECT_EQ(standing, "owned+held");
        EXPECT_EQ(result, "6.561680") << "2 m in ft";
        ExpectOwnerBack("the unit converter");

        std::string webLink;
        ModalAnswerer about([&](HWND hDlg) {
            standing = Standing(hDlg);
            HWND hWeb = ::GetDlgItem(hDlg, IDC_QEL_ABOUT_WEB);
            CWnd* pWeb = CWnd::FromHandlePermanent(hWeb);
            webLink = pWeb != nullptr && pWeb->IsKindOf(RUNTIME_CLASS(QELHyperlink)) ? "link" : "no link";
            ModalAnswerer::PressButton(IDOK)(hDlg);
        });
        QELGUIUtils::About("Product", "Name", "Company", &hParent);
        ASSERT_TRUE(about.Answered());
        EXPECT_EQ(standing, "owned+held");
        EXPECT_EQ(webLink, "link");
        ExpectOwnerBack("the about box");
    }
}

TEST_F(AgedDialogs, MessagesCheckBoxAndProgress)
{
    std::string standing;
    ModalAnswerer message([&](HWND hDlg) {
        standing = Standing(hDlg);
        ModalAnswerer::PressButton(IDOK)(hDlg);
    });
    QELGUIUtils::Message("%d windows", 3);
    ASSERT_TRUE(message.Answered());
    EXPECT_EQ(standing, "owned+held");
    EXPECT_EQ(message.messageText, "3 windows");
    ExpectOwnerBack("the message");

    // The parent as the framework finds it from the other form of its handle.
    CWnd* pParent = CWnd::FromHandle(ZeroExtended(frame.m_hWnd));
    EXPECT_EQ(pParent, &frame);
    int nCheck = 0;
    ModalAnswerer box([&](HWND hDlg) {
        standing = Standing(hDlg);
        HWND hCheck = ::FindWindowExA(hDlg, nullptr, "Button", "Do not show again");
        ExpectAged(hCheck, "the check box");
        input::Click(hCheck, 3, 3);
        ModalAnswerer::PressButton(IDOK)(hDlg);
    });
    EXPECT_EQ(QELGUIUtils::CheckMessageBox(pParent, "Continue?", nCheck, MB_OK, 0, "Do not show again"), IDOK);
    ASSERT_TRUE(box.Answered());
    EXPECT_EQ(standing, "owned+held");
    EXPECT_EQ(nCheck, 1);
    ExpectOwnerBack("the check message box");

    QELProgress progress("Copying", "file", 0, 200, pParent);
    progress.StartProgress();
    HWND hProgress = ::FindWindowA("#32770", "Copying");
    ASSERT_NE(hProgress, nullptr);
    ExpectAged(hProgress, "the progress window");
    EXPECT_EQ(LowBits(::GetWindow(hProgress, GW_OWNER)), LowBits(frame.m_hWnd));
    progress.SetCurrent(50);
    EXPECT_EQ(::SendDlgItemMessageA(hProgress, IDC_QEL_PROGRESS_BAR, PBM_GETPOS, 0, 0), 25);
    progress.EndProgress();
    EXPECT_FALSE(::IsWindow(hProgress));
    ExpectOwnerBack("the progress window");
}

}  // namespace
