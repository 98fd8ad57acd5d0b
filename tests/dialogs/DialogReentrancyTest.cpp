// The library's dialogs under an application that runs on while they are
// open: its handlers running in its own module state, its owner window
// destroyed, a second prompt or message box opened over the first, the same
// check message box asked again while it shows. Every call returns, answers
// its own question only, and leaves no window disabled.
#include "DialogsTestSupport.h"
#include "ModalAnswerer.h"
#include "RecordingParent.h"
#include <gtest/gtest.h>
#include <cfloat>
#include <functional>

namespace {
const int IDC_REAL_VALUE = 22000;
const int IDC_CHECK = 666;

void ClickCheck(HWND hBox)
{
    ::SendMessageA(hBox, WM_COMMAND, MAKEWPARAM(IDC_CHECK, BN_CLICKED), (LPARAM)::GetDlgItem(hBox, IDC_CHECK));
}

// The application's main window; its timer handler does what the test asks.
class CTimerFrame : public CFrameWnd
{
public:
    std::function<void()> onTimer;

protected:
    void OnTimer(UINT_PTR nIDEvent)
    {
        KillTimer(nIDEvent);
        if (onTimer)
            onTimer();
    }
    void PostNcDestroy() override {}  // the test owns the object
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTimerFrame, CFrameWnd)
    ON_WM_TIMER()
END_MESSAGE_MAP()
}

TEST(DialogReentrancy, TheApplicationsHandlersRunInItsOwnStateWhileALibraryDialogIsOpen)
{
    CTimerFrame main;
    ASSERT_TRUE(main.Create(nullptr, "Application", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200)));
    MainWindowScope scope(&main);
    double value = 1.0, x = 0.0, y = 0.0, z = 0.0;
    int nCheck = 0;
    struct Way
    {
        const char* name;
        std::function<void()> show;
    };
    const Way ways[] = {
        { "real", [&] { QELGUIUtils::Real(value, "", "", DBL_MIN, DBL_MAX, 1, 1, nullptr); } },
        { "coordinates", [&] { QELGUIUtils::Coordinates(x, y, z, "", nullptr); } },
        { "about", [&] { QELGUIUtils::About("Product", "Name", "Company", nullptr); } },
        { "unit converter", [&] { QELGUIUtils::UnitConverter(0, 1, nullptr); } },
        { "check message box", [&] { QELGUIUtils::CheckMessageBox(nullptr, "Go on?", nCheck, MB_OK); } },
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        bool bRan = false;
        CWnd* pMainSeen = nullptr;
        HINSTANCE hTemplate = nullptr;
        std::string caption;
        main.onTimer = [&] {
            pMainSeen = AfxGetMainWnd();
            hTemplate = AfxFindResourceHandle(MAKEINTRESOURCEA(5003), RT_DIALOG);
            ModalAnswerer box(ModalAnswerer::PressButton(IDOK));
            AfxMessageBox("The application's own box.");
            caption = box.caption;
            bRan = true;
        };
        // While the library's dialog waits for its user, the application's timer fires.
        ModalAnswerer answer([&](HWND hDlg) {
            main.SetTimer(1, 10, nullptr);
            PumpUntil([&] { return bRan; }, 5000);
            ModalAnswerer::PressButton(IDOK)(hDlg);
        });
        way.show();
        EXPECT_TRUE(answer.Answered());
        EXPECT_TRUE(bRan);
        EXPECT_EQ(pMainSeen, &main);
        EXPECT_EQ(hTemplate, ::GetModuleHandleA(nullptr)) << "the application's own template 5003";
        EXPECT_EQ(caption, "ZUZIVU70 Tests");
        // The caller's state came back with the dialog's end.
        EXPECT_EQ(AfxGetModuleState(), AfxGetAppModuleState());
    }
    main.DestroyWindow();
}

TEST(DialogReentrancy, AnOwnerDestroyedWhileADialogIsOpenEndsItAsCancelled)
{
    double value = 4.0, x = 1.0, y = 2.0, z = 3.0;
    struct Way
    {
        const char* name;
        std::function<int(HWND*)> show;
    };
    const Way ways[] = {
        { "real", [&](HWND* p) { return QELGUIUtils::Real(value, "", "", DBL_MIN, DBL_MAX, 1, 1, p); } },
        { "coordinates", [&](HWND* p) { return QELGUIUtils::Coordinates(x, y, z, "", p); } },
        { "unit converter",
          [&](HWND* p) {
              QELGUIUtils::UnitConverter(0, 1, p);
              return 0;
          } },
        { "about",
          [&](HWND* p) {
              QELGUIUtils::About("Product", "Name", "Company", p);
              return 0;
          } },
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        CRecordingFrame owner;
        HWND hOwner = owner.m_hWnd;
        HWND hShown = nullptr;
        ModalAnswerer answer([&](HWND hDlg) {
            hShown = hDlg;
            // A value typed but never confirmed.
            if (HWND hField = ::GetDlgItem(hDlg, IDC_REAL_VALUE))
                Retype(hField, "9");
            owner.DestroyWindow();
        });
        const DWORD start = ::GetTickCount();
        EXPECT_EQ(way.show(&hOwner), 0);
        EXPECT_TRUE(answer.Answered());
        EXPECT_FALSE(::IsWindow(hShown));
        // The dialog's loop ended with its window, not at the answerer's time limit.
        EXPECT_LT(::GetTickCount() - start, 3000u);
    }
    EXPECT_EQ(value, 4.0);
    EXPECT_EQ(x, 1.0);
    EXPECT_EQ(y, 2.0);
    EXPECT_EQ(z, 3.0);
}

TEST(DialogReentrancy, APromptOpenedOverAnotherAnswersOnlyItself)
{
    CRecordingFrame owner;
    HWND hOwner = owner.m_hWnd;
    double outer = 1.0, inner = 2.0;
    int nInner = -1;
    BOOL bOwnerEnabledBetween = -1;
    ModalAnswerer first([&](HWND hDlg) {
        // The application asks again while the first prompt waits.
        ModalAnswerer second([&](HWND hInner) {
            Retype(::GetDlgItem(hInner, IDC_REAL_VALUE), "7");
            ModalAnswerer::PressButton(IDOK)(hInner);
        });
        nInner = QELGUIUtils::Real(inner, "Inner", "", DBL_MIN, DBL_MAX, 1, 1, &hOwner);
        bOwnerEnabledBetween = ::IsWindowEnabled(hOwner);
        Retype(::GetDlgItem(hDlg, IDC_REAL_VALUE), "3");
        ModalAnswerer::PressButton(IDOK)(hDlg);
    });
    EXPECT_EQ(QELGUIUtils::Real(outer, "Outer", "", DBL_MIN, DBL_MAX, 1, 1, &hOwner), 1);
    EXPECT_EQ(nInner, 1);
    EXPECT_EQ(inner, 7.0);
    EXPECT_EQ(outer, 3.0);
    // The first prompt still held the owner when the second ended.
    EXPECT_FALSE(bOwnerEnabledBetween);
    EXPECT_TRUE(::IsWindowEnabled(hOwner));
}

TEST(DialogReentrancy, CheckMessageBoxesOverEachOtherKeepTheirOwnMarks)
{
    CRecordingFrame owner;
    QELCheckMessageBox outer(&owner), inner(&owner, "Do not ask again");
    int nInner = -1, nNested = -1, nInnerChecked = -1;
    std::string innerText;
    ModalAnswerer first([&](HWND hOuter) {
        // Another box while the first waits.
        ModalAnswerer second([&](HWND hInner) {
            innerText = ItemText(hInner, IDC_CHECK);
            ClickCheck(hInner);
            nInnerChecked = (int)::SendDlgItemMessageA(hInner, IDC_CHECK, BM_GETCHECK, 0, 0);
            ModalAnswerer::PressButton(IDNO)(hInner);
        });
        nInner = inner.Message("Inner?", MB_YESNO, 0);
        // The same box asked again while it shows: refused at once, nothing shown.
        {
            ModalAnswerer none(ModalAnswerer::PressButton(IDCANCEL), 300);
            nNested = outer.Message("Again?", MB_YESNO, 0);
            EXPECT_EQ(none.DialogsSeen(), 0);
        }
        // The first box still works: its own mark, its own answer.
        ClickCheck(hOuter);
        ModalAnswerer::PressButton(IDYES)(hOuter);
    });
    EXPECT_EQ(outer.Message("Outer?", MB_YESNO, 0), IDYES);
    EXPECT_EQ(nNested, 0);
    EXPECT_EQ(nInner, IDNO);
    EXPECT_EQ(innerText, "Do not ask again");
    EXPECT_EQ(nInnerChecked, BST_CHECKED);
    EXPECT_EQ(inner.GetChecked(), 1);
    EXPECT_EQ(outer.GetChecked(), 1);
    EXPECT_EQ(outer.GetSafeHwnd(), nullptr);
    EXPECT_EQ(inner.GetSafeHwnd(), nullptr);
    EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
}
