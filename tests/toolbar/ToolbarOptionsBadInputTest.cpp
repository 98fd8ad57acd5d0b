// Bad input for every operation of the options, customization and saved
// state, in each state of the toolbar's window (never created, live,
// destroyed); allocations of the library failing one by one; a customization
// asked for while one runs.
#include "ToolbarTestSupport.h"
#include "AllocationFailure.h"
#include "toolbar/QELCustomizeDialog.h"
#include <gtest/gtest.h>

namespace {
enum class BarState { NeverCreated, Live, Destroyed };
const char* Name(BarState s)
{
    return s == BarState::NeverCreated ? "never created" : s == BarState::Live ? "live" : "destroyed";
}

QELToolbar::CToolBarButtonInfo Odd(int nID, LPCSTR pszText)
{
    QELToolbar::CToolBarButtonInfo info = {};
    info.tbButton.idCommand = nID;
    info.tbButton.iBitmap = -1;
    info.tbButton.iString = -1;
    info.strText = pszText;
    info.bDefault = TRUE;
    return info;
}
}  // namespace

TEST(ToolbarOptionsBadInput, EveryOperationInEveryWindowState)
{
    CScratchAppKey key;
    for (BarState state : { BarState::NeverCreated, BarState::Live, BarState::Destroyed }) {
        SCOPED_TRACE(Name(state));
        CToolbarFrame frame;
        ASSERT_TRUE(frame.Make());
        TestableToolbar bar;
        if (state != BarState::NeverCreated) {
            ASSERT_TRUE(MakeToolbar(bar, &frame));
            if (state == BarState::Destroyed)
                bar.DestroyWindow();
        }
        const bool bLive = state == BarState::Live;

        // Entries with ids no button has, an id of -1, an empty label, a long one.
        CArray<QELToolbar::CToolBarButtonInfo, QELToolbar::CToolBarButtonInfo&> odd;
        QELToolbar::CToolBarButtonInfo entries[] = { Odd(-1, "minus one"), Odd(0x7FFFFFFF, "huge"),
                                                     Odd(ID_CMD_FOUR, ""),
                                                     Odd(ID_CMD_FIVE, std::string(5000, 'w').c_str()) };
        for (auto& e : entries)
            odd.Add(e);
        bar.SetToolBarInfoForCustomization(&odd);
        EXPECT_EQ(bar.m_nButtons, bLive ? 4 : 0);
        EXPECT_EQ(bar.m_arrButtonInfo.GetSize(), bLive ? 8 : 4);
        EXPECT_TRUE(bar.MarkDefaultState());

        for (int e : { -1, 0, 1, 2, 3, 99, INT_MIN }) {
            bar.SetTextOptions((QELToolbar::TextOptions)e, TRUE);
            EXPECT_EQ((int)bar.GetTextOptions(), e);
            bar.SetIconOptions((QELToolbar::IconOptions)e, TRUE);
            EXPECT_EQ((int)bar.GetIconOptions(), e);
        }
        if (bLive) {
            bar.SetTextOptions(QELToolbar::ShowTextLabels, TRUE);
            EXPECT_EQ(bar.Commands(), (std::vector<int>{ ID_CMD_ONE, ID_CMD_TWO, 0, ID_CMD_THREE }));
            EXPECT_EQ(bar.Label(0), "First");
        }

        EXPECT_FALSE(bar.LoadBitmap((LPCSTR) nullptr));
        EXPECT_FALSE(bar.LoadBitmap(0u));
        EXPECT_FALSE(bar.LoadBitmap(0x10000u));
        EXPECT_FALSE(bar.LoadBitmap(0xFFFFFFFFu));
        EXPECT_FALSE(bar.LoadBitmap("NO SUCH BITMAP"));
        EXPECT_TRUE(bar.LoadBitmap(IDB_WELL4)) << "remembering needs no window";
        EXPECT_TRUE(bar.SetIconOptionBitmap(QELToolbar::LargeIcons));
        EXPECT_TRUE(bar.SetIconOptionBitmap((QELToolbar::IconOptions)-1));
        EXPECT_EQ(TestableToolbar::LoadScaledImageWell(nullptr, nullptr, 16, 16), nullptr);
        EXPECT_EQ(TestableToolbar::LoadScaledImageWell(bar.m_hRsrcImageWell, bar.m_hInstImageWell, INT_MIN, 16),
                  nullptr);

        {
            // A point off every screen still gets the menu (closed unanswered) on a live bar.
            ModalAnswerer menu(ModalAnswerer::ChooseMenuCommand(0), bLive ? 5000 : 50,
                               ModalAnswerer::Target::PopupMenu);
            EXPECT_EQ(bar.ShowContextMenu(CPoint(-1, -1)) != FALSE, bLive);
            EXPECT_EQ(menu.Answered(), bLive);
        }
        bar.SaveState();
        bar.RestoreState();
        if (!bLive) {
            bar.Customize();  // no window: no dialog, returns at once
            std::vector<BYTE> bytes;
            EXPECT_FALSE(key.Read(bar.m_strValueName, bytes)) << "nothing saved without a window";
        }
        EXPECT_EQ(QELToolbar::m_pCustomizeDlg, nullptr);
        EXPECT_EQ(QELToolbar::m_hCBTHook, nullptr);
    }
}

TEST(ToolbarOptionsBadInput, ACustomizationAskedForWhileOneRunsIsRefused)
{
    CScratchAppKey key;
    CToolbarFrame frame;
    ASSERT_TRUE(frame.Make());
    TestableToolbar bar;
    ASSERT_TRUE(MakeToolbar(bar, &frame));
    bar.SetToolBarInfoForCustomization(nullptr);
    int nDialogs = 0;
    QELCustomizeDialog* pDuring = nullptr;
    LRESULT lNested = -1;
    ModalAnswerer answer([&](HWND hDlg) {
        pDuring = QELToolbar::m_pCustomizeDlg;
        nDialogs++;
        ModalAnswerer second(
            [&](HWND hOther) {
                nDialogs++;
                ::PostMessageA(hOther, WM_COMMAND, IDCANCEL, 0);
            },
            300);
        lNested = bar.SendMessage(TB_CUSTOMIZE, 0, 0);
        EXPECT_EQ(QELToolbar::m_pCustomizeDlg, pDuring) << "the running one keeps its dialog";
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
    });
    bar.Customize();
    ASSERT_TRUE(answer.Answered());
    EXPECT_NE(pDuring, nullptr);
    EXPECT_EQ(lNested, 0);
    EXPECT_EQ(nDialogs, 1);
    EXPECT_EQ(QELToolbar::m_pCustomizeDlg, nullptr);
    EXPECT_EQ(QELToolbar::m_hCBTHook, nullptr);
}

TEST(ToolbarOptionsBadInput, EachAllocationFailingLeavesAWorkingBarAndNoBlock)
{
    CScratchAppKey key;
    // A plain top-level window, not a frame: the frame's layout pass would run
    // the bar's layout, whose working arrays are outside this test.
    CWnd owner;
    ASSERT_TRUE(
        owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 100), nullptr, 0));
    const long nBefore = QELLiveAllocationCount();
    long nAllocations = WithEachAllocationFailing(
        [&] {
            TestableToolbar bar;
            if (!MakeToolbar(bar, &owner))
                return;
            bar.LoadBitmap(IDB_WELL4);
            bar.SetToolBarInfoForCustomization(nullptr);
            bar.SetTextOptions(QELToolbar::ShowTextLabels, TRUE);
            bar.SetIconOptions(QELToolbar::LargeIcons, TRUE);
            ModalAnswerer answer(ModalAnswerer::PressButton(IDCANCEL));
            bar.Customize();
            EXPECT_TRUE(answer.Answered());
            bar.RestoreState();
            // Whatever failed, the bar still has its buttons and says what it shows.
            EXPECT_EQ(bar.Commands(), (std::vector<int>{ ID_CMD_ONE, ID_CMD_TWO, 0, ID_CMD_THREE }));
            EXPECT_EQ(QELToolbar::m_pCustomizeDlg, nullptr);
            EXPECT_EQ(QELToolbar::m_hCBTHook, nullptr);
        },
        [&](bool) { EXPECT_EQ(QELLiveAllocationCount(), nBefore); }, 200);
    EXPECT_GT(nAllocations, 0);
    owner.DestroyWindow();
}
