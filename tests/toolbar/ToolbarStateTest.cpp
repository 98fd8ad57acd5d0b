// The saved state: exact bytes in the registry, restore across toolbars made
// in either order, damaged values of every short length, options as saved
// with the buttons the control restored (none at all included), a restore
// the platform gives up on, a control that frees the saved block itself (as
// Windows' does), an application without a key, and a parent that calls back
// into the toolbar from its notifications.
#include "ToolbarTestSupport.h"
#include <gtest/gtest.h>

namespace {
struct CStateFixture : ::testing::Test
{
    CScratchAppKey key;
    CCallbackFrame frame;
    void SetUp() override { ASSERT_TRUE(frame.Make()); }

    // A toolbar of the test resource with its table, numbered nNumber.
    void Make(TestableToolbar& bar, UINT nID = AFX_IDW_TOOLBAR)
    {
        ASSERT_TRUE(MakeToolbar(bar, &frame, nID));
        bar.SetToolBarInfoForCustomization(nullptr);
    }
    std::vector<BYTE> Prefix(int nIcon, int nText)
    {
        std::vector<BYTE> v(8, 0);
        memcpy(&v[0], &nIcon, 4);
        memcpy(&v[4], &nText, 4);
        return v;
    }
};
}  // namespace

TEST_F(CStateFixture, SavedValueIsThePrefixThenTheControlsRecords)
{
    TestableToolbar bar;
    Make(bar);
    bar.SetIconOptions(QELToolbar::LargeIcons, TRUE);
    bar.SetTextOptions(QELToolbar::ShowTextLabels, TRUE);
    bar.SaveState();
    std::vector<BYTE> bytes;
    DWORD type = 0;
    ASSERT_TRUE(key.Read(bar.m_strValueName, bytes, &type)) << (LPCSTR)key.Settings();
    EXPECT_EQ(type, (DWORD)REG_BINARY);
    ASSERT_GE(bytes.size(), 8u);
    EXPECT_EQ(std::vector<BYTE>(bytes.begin(), bytes.begin() + 8), (std::vector<BYTE>{ 1, 0, 0, 0, 0, 0, 0, 0 }));
    EXPECT_GT(bytes.size(), 8u) << "the control's records follow";
    EXPECT_EQ(bar.m_strRegistryKey, key.Settings());

    bar.SetIconOptions(QELToolbar::SmallIcons, FALSE);
    bar.SetTextOptions(QELToolbar::NoTextLabels, FALSE);
    bar.SaveState();
    ASSERT_TRUE(key.Read(bar.m_strValueName, bytes));
    EXPECT_EQ(std::vector<BYTE>(bytes.begin(), bytes.begin() + 8), (std::vector<BYTE>{ 0, 0, 0, 0, 2, 0, 0, 0 }));
}

TEST_F(CStateFixture, ToolbarsMadeInTheOtherOrderReadEachOthersState)
{
    const int nFirst = QELToolbar::m_nBarNumber;
    {
        TestableToolbar a, b;  // numbered nFirst + 1, nFirst + 2
        Make(a);
        Make(b, AFX_IDW_TOOLBAR + 1);
        a.SetIconOptions(QELToolbar::LargeIcons, TRUE);
        a.SetTextOptions(QELToolbar::SelectiveTextOnRight, TRUE);
        ::SendMessageA(a.m_hWnd, TB_DELETEBUTTON, 1, 0);  // Second goes
        b.SetTextOptions(QELToolbar::ShowTextLabels, TRUE);
        a.SaveState();
        b.SaveState();
    }
    // A later run constructs B first.
    QELToolbar::m_nBarNumber = nFirst;
    TestableToolbar b2, a2;
    Make(b2);
    Make(a2, AFX_IDW_TOOLBAR + 1);
    b2.RestoreState();
    a2.RestoreState();
    // b2 holds a's state: large icons, selective text, no Second.
    EXPECT_EQ(b2.GetIconOptions(), QELToolbar::LargeIcons);
    EXPECT_EQ(b2.GetTextOptions(), QELToolbar::SelectiveTextOnRight);
    EXPECT_TRUE(b2.GetStyle() & TBSTYLE_LIST) << "the text option was applied";
    EXPECT_EQ(b2.m_sizeImage, CSize(24, 24)) << "the icon option was applied";
    EXPECT_EQ(b2.Commands(), (std::vector<int>{ ID_CMD_ONE, 0, ID_CMD_THREE }));
    EXPECT_EQ(b2.Label(0), "First");
    // a2 holds b's: labels below, small icons, every button.
    EXPECT_EQ(a2.GetTextOptions(), QELToolbar::ShowTextLabels);
    EXPECT_EQ(a2.GetIconOptions(), QELToolbar::SmallIcons);
    EXPECT_EQ(a2.Commands(), (std::vector<int>{ ID_CMD_ONE, ID_CMD_TWO, 0, ID_CMD_THREE }));
    EXPECT_EQ(a2.Label(1), "Second");

    // Options equal to the present ones are not applied again.
    a2.direct.clear();
    a2.RestoreState();
    EXPECT_EQ(a2.Direct(TB_SETEXTENDEDSTYLE), 0);
    EXPECT_EQ(a2.Direct(TB_SETBITMAPSIZE), 0);
}

TEST_F(CStateFixture, DamagedValuesOfEveryShortLengthLeaveTheBarAlone)
{
    TestableToolbar bar;
    Make(bar);
    const std::vector<int> ids = bar.Commands();
    const std::vector<BYTE> good = Prefix(QELToolbar::LargeIcons, QELToolbar::ShowTextLabels);
    for (size_t n = 0; n < 8; n++) {
        SCOPED_TRACE(testing::Message() << n << " bytes");
        ASSERT_TRUE(key.Write(bar.m_strValueName, std::vector<BYTE>(good.begin(), good.begin() + n)));
        bar.direct.clear();
        bar.RestoreState();
        EXPECT_EQ(bar.GetIconOptions(), QELToolbar::SmallIcons);
        EXPECT_EQ(bar.GetTextOptions(), QELToolbar::NoTextLabels);
        EXPECT_EQ(bar.Commands(), ids);
        EXPECT_EQ(bar.Direct(TB_SAVERESTOREA), 0) << "the control's restore is not tried";
    }
}

TEST_F(CStateFixture, OptionsComeBackAsSavedWithTheButtonsTheControlRestored)
{
    TestableToolbar bar;
    Make(bar);
    const std::vector<int> ids = bar.Commands();
    // Saved with every button removed: the control restores an empty bar and
    // calls that a failure, and the bar still takes the options it saved.
    bar.SetIconOptions(QELToolbar::LargeIcons, TRUE);
    bar.SetTextOptions(QELToolbar::ShowTextLabels, TRUE);
    while (::SendMessageA(bar.m_hWnd, TB_DELETEBUTTON, 0, 0)) {
    }
    bar.SaveState();
    ASSERT_TRUE(bar.LoadToolBar(IDR_TESTBAR));
    bar.SetIconOptions(QELToolbar::SmallIcons, TRUE);
    bar.SetTextOptions(QELToolbar::NoTextLabels, TRUE);
    ASSERT_EQ(bar.Commands(), ids);
    bar.RestoreState();
    EXPECT_EQ(bar.Commands(), std::vector<int>{});
    EXPECT_EQ(bar.GetIconOptions(), QELToolbar::LargeIcons);
    EXPECT_EQ(bar.GetTextOptions(), QELToolbar::ShowTextLabels);
    EXPECT_EQ(bar.m_sizeImage, CSize(24, 24)) << "the icon option was applied";

    // "Not set" (-1) round-trips; a value that is neither an option nor -1 reads as not set.
    TestableToolbar fresh;
    ASSERT_TRUE(MakeToolbar(fresh, &frame, AFX_IDW_TOOLBAR + 1));
    fresh.SaveState();
    std::vector<BYTE> bytes;
    ASSERT_TRUE(key.Read(fresh.m_strValueName, bytes));
    ASSERT_GT(bytes.size(), 8u);
    EXPECT_EQ(std::vector<BYTE>(bytes.begin(), bytes.begin() + 8), Prefix(-1, -1));
    fresh.SetToolBarInfoForCustomization(nullptr);  // small icons, no labels
    fresh.RestoreState();
    EXPECT_EQ((int)fresh.GetIconOptions(), -1);
    EXPECT_EQ((int)fresh.GetTextOptions(), -1);
    EXPECT_EQ(fresh.Commands(), ids);

    std::vector<BYTE> wild = Prefix(7, -3);
    for (size_t i = 8; i < bytes.size(); ++i)  // the control's own records after the prefix
        wild.push_back(bytes[i]);
    ASSERT_TRUE(key.Write(fresh.m_strValueName, wild));
    fresh.SetIconOptions(QELToolbar::LargeIcons, TRUE);
    fresh.SetTextOptions(QELToolbar::ShowTextLabels, TRUE);
    fresh.RestoreState();
    EXPECT_EQ((int)fresh.GetIconOptions(), -1);
    EXPECT_EQ((int)fresh.GetTextOptions(), -1);
    EXPECT_FALSE(fresh.GetStyle() & TBSTYLE_LIST);
    EXPECT_EQ(fresh.Commands(), ids);
}

TEST_F(CStateFixture, ARestoreThePlatformGivesUpOnKeepsWhatItDeliveredOnly)
{
    TestableToolbar bar;
    Make(bar);
    bar.SetIconOptions(QELToolbar::LargeIcons, TRUE);
    bar.SaveState();
    const std::vector<int> ids = bar.Commands();
    // The platform reads the value, perhaps tells us of it, takes a button
    // away and then gives up.
    for (bool bDelivered : { true, false }) {
        SCOPED_TRACE(bDelivered ? "options delivered" : "nothing delivered");
        ASSERT_TRUE(bar.LoadToolBar(IDR_TESTBAR));
        bar.SetIconOptions(QELToolbar::SmallIcons, TRUE);
        bar.SetTextOptions(QELToolbar::ShowTextLabels, TRUE);
        bar.onSaveRestore = [&](BOOL bSave, LRESULT& lResult) {
            if (bSave)
                return false;
            std::vector<DWORD> block = { 1, 2, ID_CMD_ONE };  // large icons, no labels, one button
            NMTBRESTORE nm = {};
            nm.hdr.hwndFrom = bar.m_hWnd;
            nm.hdr.idFrom = (UINT_PTR)bar.GetDlgCtrlID();
            nm.hdr.code = TBN_RESTORE;
            nm.pData = block.data();
            nm.pCurrent = block.data();
            nm.cbData = 12;
            nm.iItem = -1;
            nm.cbBytesPerRecord = 4;
            if (bDelivered) {
                ::SendMessageA(::GetParent(bar.m_hWnd), WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm);
                EXPECT_EQ(nm.cButtons, 1);
                EXPECT_EQ(nm.pCurrent, block.data() + 2);
            }
            ::SendMessageA(bar.m_hWnd, TB_DELETEBUTTON, 1, 0);
            lResult = FALSE;
            return true;
        };
        bar.RestoreState();
        bar.onSaveRestore = nullptr;
        if (bDelivered) {
            // What the value gave is applied; the bar is what the control left.
            EXPECT_EQ(bar.GetIconOptions(), QELToolbar::LargeIcons);
            EXPECT_EQ(bar.GetTextOptions(), QELToolbar::NoTextLabels);
            EXPECT_EQ(bar.m_sizeImage, CSize(24, 24));
            EXPECT_EQ(bar.Commands(), (std::vector<int>{ ID_CMD_ONE, 0, ID_CMD_THREE }));
        } else {
            // Nothing came from the value: options and bar are as they were.
            EXPECT_EQ(bar.GetIconOptions(), QELToolbar::SmallIcons);
            EXPECT_EQ(bar.GetTextOptions(), QELToolbar::ShowTextLabels);
            EXPECT_EQ(bar.m_sizeImage, CSize(16, 16));
            EXPECT_EQ(bar.Commands(), ids);
        }
    }
}

TEST_F(CStateFixture, TheSavedBlockIsLeftToTheControlThatFreesIt)
{
    TestableToolbar bar;
    Make(bar);
    bar.SetIconOptions(QELToolbar::LargeIcons, TRUE);
    // Windows' toolbar: the first save notification without a block, the
    // parent's block filled with one record per button, and freed by the
    // control once stored (here after SaveState returns, so a second free
    // by the toolbar shows).
    void* pBlock = nullptr;
    DWORD cbBlock = 0;
    bar.onSaveRestore = [&](BOOL bSave, LRESULT& lResult) {
        if (!bSave)
            return false;
        const int nButtons = (int)::SendMessageA(bar.m_hWnd, TB_BUTTONCOUNT, 0, 0);
        NMTBSAVE nm = {};
        nm.hdr.hwndFrom = bar.m_hWnd;
        nm.hdr.idFrom = (UINT_PTR)bar.GetDlgCtrlID();
        nm.hdr.code = TBN_SAVE;
        nm.cbData = 4 * (UINT)nButtons;
        nm.iItem = -1;
        nm.cButtons = nButtons;
        ::SendMessageA(::GetParent(bar.m_hWnd), WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm);
        pBlock = nm.pData;
        cbBlock = nm.cbData;
        for (int i = 0; i < nButtons && nm.pCurrent != nullptr; i++) {
            TBBUTTON button = {};
            ::SendMessageA(bar.m_hWnd, TB_GETBUTTON, (WPARAM)i, (LPARAM)&button);
            *nm.pCurrent++ = (DWORD)button.idCommand;
        }
        lResult = TRUE;
        return true;
    };
    bar.SaveState();
    bar.onSaveRestore = nullptr;
    ASSERT_NE(pBlock, nullptr) << "the toolbar gave the control a block with its options";
    ASSERT_TRUE(::HeapValidate(::GetProcessHeap(), 0, pBlock)) << "the toolbar freed the block the control frees";
    EXPECT_EQ(cbBlock, 8 + 4 * (DWORD)bar.Commands().size());
    EXPECT_EQ(std::vector<BYTE>((BYTE*)pBlock, (BYTE*)pBlock + 8),
              Prefix(QELToolbar::LargeIcons, QELToolbar::NoTextLabels));
    EXPECT_EQ(::LocalFree(pBlock), nullptr);
}

TEST(ToolbarState, AnApplicationWithoutAKeyNameSavesNothing)
{
    CWinApp* pApp = AfxGetApp();
    LPCSTR pszOld = pApp->m_pszRegistryKey;
    pApp->m_pszRegistryKey = nullptr;
    CToolbarFrame frame;
    ASSERT_TRUE(frame.Make());
    TestableToolbar bar;
    pApp->m_pszRegistryKey = pszOld;
    ASSERT_TRUE(MakeToolbar(bar, &frame));
    bar.SetToolBarInfoForCustomization(nullptr);
    EXPECT_TRUE(bar.m_strRegistryKey.IsEmpty());
    bar.SaveState();
    bar.RestoreState();
    ModalAnswerer answer(ModalAnswerer::PressButton(IDCANCEL));
    bar.Customize();  // saves after the dialog
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(bar.Direct(TB_SAVERESTOREA), 0);
    HKEY hKey;
    EXPECT_NE(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\(null)", 0, KEY_READ, &hKey), ERROR_SUCCESS);
}

TEST_F(CStateFixture, AParentCallingBackFromItsNotificationsLeavesAWholeBar)
{
    TestableToolbar bar;
    Make(bar);
    bar.SetTextOptions(QELToolbar::ShowTextLabels, TRUE);
    bar.SaveState();
    // Each button the control deletes is announced to the parent, which
    // rebuilds the table, applies options and saves, from inside our work.
    int nDepth = 0, nCalls = 0;
    frame.onMessage = [&](UINT message, WPARAM, LPARAM lParam, LRESULT&) {
        if (message != WM_NOTIFY || reinterpret_cast<NMHDR*>(lParam)->code != (UINT)TBN_DELETINGBUTTON || nDepth > 0)
            return false;
        nDepth++;
        nCalls++;
        bar.SetToolBarInfoForCustomization(nullptr);
        bar.SetTextOptions(QELToolbar::SelectiveTextOnRight, FALSE);
        bar.SaveState();
        nDepth--;
        return false;
    };
    bar.SetTextOptions(QELToolbar::NoTextLabels, TRUE);
    bar.RestoreState();
    NMHDR hdr = { bar.m_hWnd, (UINT_PTR)bar.GetDlgCtrlID(), (UINT)TBN_RESET };
    ::SendMessageA(frame.m_hWnd, WM_NOTIFY, hdr.idFrom, (LPARAM)&hdr);
    frame.onMessage = nullptr;
    EXPECT_GT(nCalls, 0) << "the parent was called back";
    // Whatever order the calls ran in, table and bar agree.
    ASSERT_EQ(bar.m_arrButtonInfo.GetSize(), bar.m_nButtons);
    for (int i = 0; i < bar.m_nButtons; i++)
        EXPECT_GE(bar.CommandToIndex((UINT)bar.m_arrButtonInfo[i].tbButton.idCommand), 0) << i;
    bar.SetTextOptions(QELToolbar::ShowTextLabels, TRUE);
    EXPECT_EQ(bar.Label(0), "First");
}
