// The dialog utilities given bad input: parents that are null, point to no
// window, to a garbage handle or to a window destroyed before the call; null,
// empty, 1 MB and double-byte texts; bounds reversed or not numbers; units out
// of range; pictures of no window or to no file; windows destroyed under a
// progress window. Each dialog still shows
// and is answered, each call answers what it documents, nothing crashes.
#include "BadInputSupport.h"
#include "WindowQueries.h"
#include "ImmediateAnswer.h"
#include <cfloat>
#include <climits>
#include <cmath>

namespace {

// Parents a careless caller passes: none, a null handle, a garbage handle, a
// window that is gone, a live frame.
struct Parents
{
    CRecordingFrame frame;
    HWND hNull = nullptr;
    HWND hGarbage = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x1234));
    HWND hGone = nullptr;
    HWND hLive = nullptr;
    Parents()
    {
        CWnd gone;
        gone.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0);
        hGone = gone.m_hWnd;
        gone.DestroyWindow();
        hLive = frame.m_hWnd;
    }
    std::vector<std::pair<const char*, HWND*>> All()
    {
        return { { "no parent", nullptr },
                 { "null handle", &hNull },
                 { "garbage handle", &hGarbage },
                 { "destroyed window", &hGone },
                 { "live frame", &hLive } };
    }
};

std::vector<BadInput> PromptTable(Parents& parents)
{
    std::vector<BadInput> table;
    for (auto parent : parents.All()) {
        table.push_back({ std::string("prompts and about box, ") + parent.first, [parent] {
                             int nShown = 0;
                             ImmediateAnswer answer([&](HWND) { return ++nShown % 2 ? IDCANCEL : IDOK; });
                             double d = 7.5;
                             EXPECT_EQ(QELGUIUtils::Real(d, "", "", DBL_MIN, DBL_MAX, TRUE, TRUE, parent.second), 0);
                             EXPECT_EQ(d, 7.5) << "cancel leaves the value";
                             EXPECT_EQ(QELGUIUtils::Real(d, "", "", DBL_MIN, DBL_MAX, TRUE, TRUE, parent.second), 1);
                             EXPECT_EQ(d, 7.5);
                             double x = 1, y = 2, z = 3;
                             EXPECT_EQ(QELGUIUtils::Coordinates(x, y, z, "", parent.second), 0);
                             QELGUIUtils::About("", "", "", parent.second);
                             QELGUIUtils::UnitConverter(0, 9, parent.second);
                             EXPECT_EQ(nShown, 5) << "every dialog showed";
                         } });
    }
    table.push_back({ "1 MB, double-byte and empty titles, prompts and about texts", [] {
                         std::vector<std::string> captions;
                         ImmediateAnswer answer([&](HWND hDlg) {
                             captions.push_back(WindowText(hDlg));
                             return IDCANCEL;
                         });
                         const CString strBig = OddTexts::Megabyte().c_str();
                         double d = 1;
                         QELGUIUtils::Real(d, strBig, strBig);
                         QELGUIUtils::Real(d, OddTexts::DoubleByte(), OddTexts::Controls());
                         double x = 0, y = 0, z = 0;
                         QELGUIUtils::Coordinates(x, y, z, strBig);
                         QELGUIUtils::About(strBig, OddTexts::DoubleByte(), "");
                         QELGUIUtils::About("", "", "");
                         ASSERT_EQ(captions.size(), 5u);
                         EXPECT_EQ(captions[0].size(), (size_t)(1 << 20));
                         EXPECT_EQ(captions[1], OddTexts::DoubleByte());
                         EXPECT_EQ(captions[2].size(), (size_t)(1 << 20));
                         EXPECT_EQ(captions[3].substr(0, 6), "About ");
                         EXPECT_EQ(captions[4], "About ");
                     } });
    table.push_back(
        { "bounds reversed, equal, and values that are no numbers", [] {
             int nShown = 0;
             ImmediateAnswer answer([&](HWND) { return ++nShown % 2 ? IDOK : IDCANCEL; });
             for (double dValue : { 5.0, (double)NAN, (double)INFINITY, -(double)INFINITY, DBL_MAX, -DBL_MAX }) {
                 double d = dValue;
                 QELGUIUtils::Real(d, "", "", 10.0, 0.0, FALSE, FALSE);  // OK
                 double dBefore = d;
                 EXPECT_EQ(QELGUIUtils::Real(d, "", "", 3.0, 3.0, FALSE, TRUE), 0);  // cancel
                 EXPECT_TRUE(d == dBefore || (std::isnan(d) && std::isnan(dBefore)));
                 double x = dValue, y = -dValue, z = 0;
                 QELGUIUtils::Coordinates(x, y, z);  // OK
                 QELGUIUtils::Coordinates(x, y, z);  // cancel
             }
             EXPECT_EQ(nShown, 24);
         } });
    table.push_back(
        { "pictures of windows that are none, garbage or gone, and to paths that are none or unwritable", [&parents] {
             for (HWND hWnd : { parents.hNull, parents.hGarbage, parents.hGone })
                 EXPECT_FALSE(QELGUIUtils::SaveWindowPng(hWnd, "zuz-never.png"));
             EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA("zuz-never.png"));
             for (LPCSTR lpszPath : { (LPCSTR) nullptr, "", "Q:\\zuz\\no such folder\\x.png" })
                 EXPECT_FALSE(QELGUIUtils::SaveWindowPng(parents.hLive, lpszPath));
         } });
    table.push_back({ "units out of range", [] {
                         int nShown = 0;
                         ImmediateAnswer answer([&](HWND) { return ++nShown % 2 ? IDOK : IDCANCEL; });
                         for (int nUnit : { -1, 10, INT_MAX, INT_MIN })
                             QELGUIUtils::UnitConverter(nUnit, -nUnit, nullptr);
                         EXPECT_EQ(nShown, 4);
                     } });
    table.push_back({ "messages from null, empty and 1 MB formats", [] {
                         std::vector<size_t> lengths;
                         ImmediateAnswer answer([&](HWND hDlg) {
                             lengths.push_back(WindowText(::GetDlgItem(hDlg, 0xFFFF)).size());
                             return IDOK;
                         });
                         QELGUIUtils::Message(nullptr);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-zero-length"
                         QELGUIUtils::Message("");
#pragma GCC diagnostic pop
                         QELGUIUtils::Message("%s", OddTexts::Megabyte().c_str());
                         QELGUIUtils::Message(OddTexts::DoubleByte());
                         ASSERT_EQ(lengths.size(), 4u);
                         EXPECT_EQ(lengths[0], 0u);
                         EXPECT_EQ(lengths[1], 0u);
                         // Wine's message box shows no text that long; the box itself still comes and goes.
                         EXPECT_EQ(lengths[3], strlen(OddTexts::DoubleByte()));
                     } });
    return table;
}

std::vector<BadInput> CheckBoxTable(Parents& parents)
{
    std::vector<BadInput> table;
    table.push_back({ "parents that are none, without a window, or live", [&parents] {
                         ImmediateAnswer answer([](HWND) { return IDOK; });
                         CWnd noWindow;
                         CWnd* pLive = CWnd::FromHandle(parents.hLive);
                         int nCheck = 1;
                         for (CWnd* pParent : { static_cast<CWnd*>(nullptr), &noWindow, pLive }) {
                             nCheck = 1;
                             EXPECT_EQ(QELGUIUtils::CheckMessageBox(pParent, "Go on?", nCheck), IDOK);
                             EXPECT_EQ(nCheck, 0) << "the box starts clear, whatever came in";
                         }
                         EXPECT_EQ(answer.Answered(), 3);
                     } });
    table.push_back({ "empty, 1 MB and double-byte texts and check texts", [] {
                         std::vector<std::string> checkTexts;
                         ImmediateAnswer answer([&](HWND hDlg) {
                             // The check box is the box's last child.
                             HWND hCheck = ::GetWindow(::GetWindow(hDlg, GW_CHILD), GW_HWNDLAST);
                             checkTexts.push_back(WindowText(hCheck));
                             return IDCANCEL;
                         });
                         int nCheck = 0;
                         const CString strBig = OddTexts::Megabyte().c_str();
                         QELGUIUtils::CheckMessageBox(nullptr, "", nCheck, MB_OKCANCEL, 0, "");
                         QELGUIUtils::CheckMessageBox(nullptr, strBig, nCheck, MB_OKCANCEL, 0, strBig);
                         QELGUIUtils::CheckMessageBox(nullptr, OddTexts::DoubleByte(), nCheck, MB_OKCANCEL, 0,
                                                      OddTexts::DoubleByte());
                         QELCheckMessageBox box(nullptr, OddTexts::Controls());
                         box.SetChecked(-7);
                         EXPECT_EQ(box.Message(nullptr, MB_OK, 0), IDCANCEL);
                         ASSERT_EQ(checkTexts.size(), 4u);
                         EXPECT_EQ(checkTexts[0], "");
                         EXPECT_EQ(checkTexts[2], OddTexts::DoubleByte());
                     } });
    table.push_back({ "one box object asked twice", [] {
                         int nShown = 0;
                         ImmediateAnswer answer([&](HWND hDlg) {
                             ++nShown;
                             HWND hCheck = ::GetWindow(::GetWindow(hDlg, GW_CHILD), GW_HWNDLAST);
                             ::PostMessageA(hCheck, BM_CLICK, 0, 0);
                             return IDOK;
                         });
                         QELCheckMessageBox box;
                         EXPECT_EQ(box.Message("first", MB_OK, 0), IDOK);
                         EXPECT_EQ(box.Message("second", MB_OK, 0), IDOK);
                         EXPECT_EQ(nShown, 2);
                     } });
    return table;
}

// The thread's shown dialog window, into *(HWND*)lParam.
BOOL CALLBACK FindShownDialog(HWND hWnd, LPARAM lParam)
{
    if (ClassOf(hWnd) == "#32770" && ::IsWindowVisible(hWnd))
        *reinterpret_cast<HWND*>(lParam) = hWnd;
    return TRUE;
}

std::vector<BadInput> ProgressTable()
{
    return {
        { "ranges reversed, empty, and positions that are no numbers",
          [] {
              QELProgress progress("t", "", 100, 0);
              progress.StartProgress();
              for (double d : { 50.0, -1.0, 1000.0, (double)NAN, (double)INFINITY, -(double)INFINITY, DBL_MAX })
                  progress.SetCurrent(d);
              progress.SetMin(5);
              progress.SetMax(5);
              progress.SetCurrent(5);
              progress.StepIt(NAN);
              progress.SetMin(NAN);
              progress.SetCurrent(1);
              EXPECT_EQ(progress.GetMax(), 5.0);
              progress.EndProgress();
          } },
        { "1 MB, empty and double-byte titles and status lines",
          [] {
              QELProgress progress;
              progress.StartProgress();
              progress.SetTitle(OddTexts::Megabyte().c_str());
              progress.SetStatus(OddTexts::Megabyte().c_str());
              EXPECT_EQ(progress.GetTitle().GetLength(), 1 << 20);
              progress.SetStatus(OddTexts::DoubleByte());
              progress.SetTitle("");
              progress.SetStatus("");
              progress.StepIt(10);
              EXPECT_EQ(progress.GetStatus(), CString(""));
          } },
        { "calls before the start, after the end, and ends twice",
          [] {
              QELProgress progress;
              progress.SetCurrent(10);
              progress.EndProgress();
              progress.StartProgress();
              progress.StartProgress();  // a window still shown is reused
              progress.EndProgress();
              progress.EndProgress();
              progress.StepIt(5);
              EXPECT_EQ(progress.GetCurrent(), 5.0) << "a start begins at the minimum";
          } },
        { "the parent destroyed while the window shows",
          [] {
              auto* pOwner = new CRecordingFrame;
              QELProgress progress("t", "s", 0, 10, pOwner);
              progress.StartProgress();
              pOwner->DestroyWindow();
              delete pOwner;
              progress.SetCurrent(5);
              progress.SetStatus("after the parent");
              progress.EndProgress();
              progress.SetParentWnd(nullptr);
              progress.StartProgress();
              EXPECT_NE(progress.GetParentWnd(), pOwner);
              progress.EndProgress();
          } },
        { "the window destroyed behind the object's back",
          [] {
              QELProgress progress;
              progress.StartProgress();
              HWND hProgress = nullptr;
              ::EnumThreadWindows(::GetCurrentThreadId(), FindShownDialog, reinterpret_cast<LPARAM>(&hProgress));
              ASSERT_NE(hProgress, nullptr);
              ::DestroyWindow(hProgress);
              Settle();
              progress.SetCurrent(3);
              progress.SetTitle("gone");
              progress.EndProgress();
              progress.StartProgress();
              progress.SetCurrent(4);
              progress.EndProgress();
          } },
    };
}

TEST(DialogBadInput, PromptsAboutMessageAndConverter)
{
    Parents parents;
    RunTable("QELGUIUtils", WindowState::Live, PromptTable(parents));
}

TEST(DialogBadInput, CheckMessageBox)
{
    Parents parents;
    RunTable("QELCheckMessageBox", WindowState::Live, CheckBoxTable(parents));
}

TEST(DialogBadInput, ProgressWindow) { RunTable("QELProgress", WindowState::Live, ProgressTable()); }

}  // namespace
