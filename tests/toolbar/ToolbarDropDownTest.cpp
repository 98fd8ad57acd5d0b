// QELToolbar drop-down buttons, pressed as a user presses them: the menu
// opens at the button's bottom-left corner and its command reaches the main
// window; a button without a menu of ours leaves TBN_DROPDOWN to the parent,
// whose own handler records what reaches it.
#include "ToolbarTestSupport.h"
#include "ModalAnswerer.h"
#include "RecordingParent.h"
#include "UserInput.h"
#include <functional>
#include <gtest/gtest.h>

namespace {
// The main window: its TBN_DROPDOWN handler sees only what the toolbar left
// to it; it handles the menu's commands (a command without a handler shows
// disabled in a menu).
class CDropDownFrame : public CRecordingFrame
{
public:
    std::vector<int> parentDropDowns;
    std::function<void(const NMTOOLBAR&)> onDropDown;

    int CommandsOf(UINT nID) const
    {
        int n = 0;
        for (const RecordedMessage& m : log.Of(WM_COMMAND))
            n += LOWORD(m.wParam) == nID;
        return n;
    }

protected:
    void OnToolBarDropDown(NMHDR* pNMHDR, LRESULT* pResult)
    {
        const NMTOOLBAR& nmtb = *reinterpret_cast<NMTOOLBAR*>(pNMHDR);
        parentDropDowns.push_back(nmtb.iItem);
        if (onDropDown)
            onDropDown(nmtb);
        *pResult = TBDDRET_DEFAULT;
    }
    void OnMenuCommand(UINT) {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDropDownFrame, CRecordingFrame)
    ON_NOTIFY(TBN_DROPDOWN, AFX_IDW_TOOLBAR, OnToolBarDropDown)
    ON_COMMAND_RANGE(ID_MENU_FIRST, ID_MENU_SECOND, OnMenuCommand)
END_MESSAGE_MAP()

struct CDropDownFixture : ::testing::Test
{
    CDropDownFrame frame;
    TestableToolbar bar;

    void SetUp() override
    {
        ASSERT_NE(frame.m_hWnd, nullptr);
        AfxGetApp()->m_pMainWnd = &frame;
        ASSERT_TRUE(MakeToolbar(bar, &frame));
        bar.EnableDocking(CBRS_ALIGN_ANY);
        QELToolbar::FrameEnableDocking(&frame, CBRS_ALIGN_ANY);
        frame.DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
        frame.RecalcLayout();
    }
    void TearDown() override { AfxGetApp()->m_pMainWnd = nullptr; }

    CRect ButtonRect(UINT nID)
    {
        frame.RecalcLayout();
        CRect rect;
        bar.GetToolBarCtrl().GetRect((int)nID, &rect);
        return rect;
    }
    // A click on the arrow part (bArrow) or the middle of button nID.
    void PressDropDown(UINT nID, bool bArrow)
    {
        CRect rect = ButtonRect(nID);
        input::Click(bar.m_hWnd, bArrow ? rect.right - 3 : rect.CenterPoint().x, rect.CenterPoint().y);
    }
    int Nodes(UINT nID)
    {
        int n = 0;
        for (auto* p = bar.m_pDropDownButtons; p != nullptr; p = p->pNext)
            n += p->nIDButton == nID;
        return n;
    }
};
}

TEST_F(CDropDownFixture, ArrowOpensTheMenuAtTheButtonsCornerAndItsCommandReachesTheMainWindow)
{
    ASSERT_TRUE(bar.AddDropDownButton(ID_CMD_ONE, IDR_DROPMENU, TRUE));
    EXPECT_NE(bar.GetToolBarCtrl().GetExtendedStyle() & TBSTYLE_EX_DRAWDDARROWS, 0u);
    UINT nStyle = bar.GetButtonStyle(bar.CommandToIndex(ID_CMD_ONE));
    EXPECT_EQ(nStyle & (TBSTYLE_DROPDOWN | BTNS_WHOLEDROPDOWN), (UINT)TBSTYLE_DROPDOWN);

    CRect rect = ButtonRect(ID_CMD_ONE);
    bar.ClientToScreen(&rect);
    frame.log.Clear();
    ModalAnswerer answer(ModalAnswerer::ChooseMenuItem(1), 3000, ModalAnswerer::Target::PopupMenu);
    PressDropDown(ID_CMD_ONE, true);
    ASSERT_TRUE(answer.Answered());
    EXPECT_EQ(answer.windowRect.left, rect.left);
    EXPECT_EQ(answer.windowRect.top, rect.bottom);
    EXPECT_EQ(answer.MenuIds(), (std::vector<UINT>{ ID_MENU_FIRST, 0, ID_MENU_SECOND }));
    EXPECT_TRUE(PumpUntil([&] { return frame.CommandsOf(ID_MENU_SECOND) == 1; }, 2000))
        << frame.log.Describe(WM_COMMAND);
    EXPECT_EQ(frame.CommandsOf(ID_MENU_FIRST), 0);
    EXPECT_EQ(frame.CommandsOf(ID_CMD_ONE), 0);  // the arrow is not the button
    EXPECT_TRUE(frame.parentDropDowns.empty());

    // The button part still gives its own command.
    CRect client = ButtonRect(ID_CMD_ONE);
    input::Click(bar.m_hWnd, client.left + 4, client.CenterPoint().y);
    PumpMessages(200);
    EXPECT_EQ(frame.CommandsOf(ID_CMD_ONE), 1) << frame.log.Describe(WM_COMMAND);
}

TEST_F(CDropDownFixture, SecondAddKeepsOneNodeWithTheSecondMenuAndTheWholeButtonOpensIt)
{
    ASSERT_TRUE(bar.AddDropDownButton(ID_CMD_TWO, IDR_FLATMENU, TRUE));
    ASSERT_TRUE(bar.AddDropDownButton(ID_CMD_ONE, 0, TRUE));
    ASSERT_TRUE(bar.AddDropDownButton(ID_CMD_TWO, IDR_DROPMENU, FALSE));
    EXPECT_EQ(Nodes(ID_CMD_TWO), 1);
    EXPECT_EQ(Nodes(ID_CMD_ONE), 1);
    ASSERT_NE(bar.FindDropDownButtonInfo(ID_CMD_TWO), nullptr);
    EXPECT_EQ(bar.FindDropDownButtonInfo(ID_CMD_TWO)->nIDMenu, (UINT)IDR_DROPMENU);
    EXPECT_EQ(bar.m_pDropDownButtons->nIDButton, (UINT)ID_CMD_ONE);  // new nodes go in front
    EXPECT_EQ(bar.FindDropDownButtonInfo(ID_CMD_THREE), nullptr);
    EXPECT_NE(bar.GetButtonStyle(bar.CommandToIndex(ID_CMD_TWO)) & BTNS_WHOLEDROPDOWN, 0u);

    ModalAnswerer answer(ModalAnswerer::CloseMenu(), 3000, ModalAnswerer::Target::PopupMenu);
    PressDropDown(ID_CMD_TWO, false);
    ASSERT_TRUE(answer.Answered());
    EXPECT_EQ(answer.MenuIds().size(), 3u);
    PumpMessages(100);
    EXPECT_EQ(frame.CommandsOf(ID_CMD_TWO) + frame.CommandsOf(ID_MENU_FIRST) + frame.CommandsOf(ID_MENU_SECOND), 0);
    EXPECT_TRUE(frame.parentDropDowns.empty());

    // The style adds to what the button has: an arrow asked for afterwards
    // leaves it a whole-button drop-down.
    ASSERT_TRUE(bar.SetDropDownButton(ID_CMD_TWO, TRUE));
    UINT nStyle = bar.GetButtonStyle(bar.CommandToIndex(ID_CMD_TWO));
    EXPECT_EQ(nStyle & (TBSTYLE_DROPDOWN | BTNS_WHOLEDROPDOWN), (UINT)(TBSTYLE_DROPDOWN | BTNS_WHOLEDROPDOWN));
}

TEST_F(CDropDownFixture, WithoutAMenuOfOursTheParentGetsTheNotification)
{
    struct Case
    {
        const char* name;
        UINT nID;
        std::function<BOOL(QELToolbar&)> make;
    };
    const Case cases[] = {
        { "SetDropDownButton alone", ID_CMD_THREE,
          [](QELToolbar& b) { return b.SetDropDownButton(ID_CMD_THREE, TRUE); } },
        { "menu id 0", ID_CMD_ONE, [](QELToolbar& b) { return b.AddDropDownButton(ID_CMD_ONE, 0, TRUE); } },
        { "missing menu", ID_CMD_TWO,
          [](QELToolbar& b) { return b.AddDropDownButton(ID_CMD_TWO, IDR_NOSUCHMENU, TRUE); } },
        { "menu without a popup", ID_CMD_ONE,
          [](QELToolbar& b) { return b.AddDropDownButton(ID_CMD_ONE, IDR_FLATMENU, TRUE); } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.make(bar));
        frame.parentDropDowns.clear();
        ModalAnswerer answer(ModalAnswerer::CloseMenu(), 1000, ModalAnswerer::Target::PopupMenu);
        PressDropDown(c.nID, true);
        EXPECT_FALSE(answer.Answered());  // no menu was tracked
        EXPECT_EQ(frame.parentDropDowns, (std::vector<int>{ (int)c.nID }));
    }
    // The handler itself: FALSE for a bad record or a button that is not there.
    LRESULT lResult = 77;
    EXPECT_FALSE(bar.OnToolBarBtnDropDown(nullptr, &lResult));
    NMTOOLBAR nmtb = {};
    nmtb.hdr.hwndFrom = bar.m_hWnd;
    nmtb.hdr.code = TBN_DROPDOWN;
    nmtb.iItem = ID_CMD_FOUR;
    EXPECT_FALSE(bar.OnToolBarBtnDropDown(&nmtb.hdr, &lResult));
    EXPECT_EQ(lResult, 77);
}

TEST_F(CDropDownFixture, ParentCallingBackIntoTheToolbarFromItsNotification)
{
    ASSERT_TRUE(bar.SetDropDownButton(ID_CMD_ONE, TRUE));
    // The parent gives the button a menu of ours while the control is still
    // inside its button-down, and looks at the bar.
    CRect rectSeen;
    frame.onDropDown = [&](const NMTOOLBAR& nmtb) {
        EXPECT_TRUE(bar.AddDropDownButton((UINT)nmtb.iItem, IDR_DROPMENU, TRUE));
        bar.GetItemRect(bar.CommandToIndex((UINT)nmtb.iItem), &rectSeen);
    };
    PressDropDown(ID_CMD_ONE, true);
    EXPECT_EQ(frame.parentDropDowns, (std::vector<int>{ ID_CMD_ONE }));
    EXPECT_EQ(Nodes(ID_CMD_ONE), 1);
    EXPECT_FALSE(rectSeen.IsRectEmpty());

    // From now on the menu is ours and the parent hears nothing.
    ModalAnswerer answer(ModalAnswerer::ChooseMenuItem(0), 3000, ModalAnswerer::Target::PopupMenu);
    PressDropDown(ID_CMD_ONE, true);
    ASSERT_TRUE(answer.Answered());
    EXPECT_EQ(frame.parentDropDowns.size(), 1u);
    EXPECT_TRUE(PumpUntil([&] { return frame.CommandsOf(ID_MENU_FIRST) == 1; }, 2000));
}

TEST_F(CDropDownFixture, BadInputChangesNothing)
{
    std::vector<TBBUTTON> before = bar.Records();
    DWORD dwExBefore = bar.GetToolBarCtrl().GetExtendedStyle();
    auto unchanged = [&] {
        std::vector<TBBUTTON> after = bar.Records();
        return after.size() == before.size() &&
               memcmp(after.data(), before.data(), after.size() * sizeof(TBBUTTON)) == 0 &&
               bar.GetToolBarCtrl().GetExtendedStyle() == dwExBefore;
    };
    struct Case
    {
        const char* name;
        UINT nID;
    };
    const Case cases[] = { { "id not on the bar", ID_CMD_FOUR }, { "id -1", (UINT)-1 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(bar.AddDropDownButton(c.nID, IDR_DROPMENU, TRUE));
        EXPECT_FALSE(bar.AddDropDownButton(c.nID, IDR_DROPMENU, FALSE));
        EXPECT_FALSE(bar.SetDropDownButton(c.nID, TRUE));
        EXPECT_FALSE(bar.SetDropDownButton(c.nID, FALSE));
    }
    EXPECT_EQ(bar.m_pDropDownButtons, nullptr);
    EXPECT_TRUE(unchanged());

    // A separator (id 0), or a placeholder that keeps its control's id, is on
    // the bar but no button: the answer is TRUE and it stays as it is.
    CRect rect(0, 0, 40, 20);
    ASSERT_NE(bar.InsertControl(RUNTIME_CLASS(CEdit), "", rect, ID_CMD_THREE, WS_BORDER), nullptr);
    before = bar.Records();
    for (UINT nID : { 0u, (UINT)ID_CMD_THREE }) {
        SCOPED_TRACE(nID);
        EXPECT_TRUE(bar.SetDropDownButton(nID, TRUE));
        EXPECT_TRUE(bar.SetDropDownButton(nID, FALSE));
    }
    EXPECT_TRUE(bar.AddDropDownButton(ID_CMD_THREE, IDR_DROPMENU, FALSE));
    EXPECT_TRUE(unchanged());

    // A toolbar without a window.
    QELToolbar unmade;
    EXPECT_FALSE(unmade.AddDropDownButton(ID_CMD_ONE, IDR_DROPMENU, TRUE));
    EXPECT_FALSE(unmade.SetDropDownButton(ID_CMD_ONE, FALSE));
    EXPECT_EQ(unmade.m_pDropDownButtons, nullptr);
}
