// The customize dialog of the platform's toolbar control with our options
// panel, answered from the test; every customization notification's answer;
// reset to the default set; the context menu of the frame's toolbars.
#include "ToolbarTestSupport.h"
#include "toolbar/QELCustomizeDialog.h"
#include <gtest/gtest.h>

namespace {
struct CCustomizeFixture : ::testing::Test
{
    CCallbackFrame frame;
    TestableToolbar bar;
    void SetUp() override
    {
        ASSERT_TRUE(frame.Make());
        ASSERT_TRUE(MakeToolbar(bar, &frame));
        bar.SetWindowText("Standard");
        frame.RecalcLayout();
    }
    // A notification from the control as its parent receives it.
    LRESULT Notify(NMHDR& hdr, UINT code)
    {
        hdr.hwndFrom = bar.m_hWnd;
        hdr.idFrom = (UINT_PTR)bar.GetDlgCtrlID();
        hdr.code = code;
        return ::SendMessageA(::GetParent(bar.m_hWnd), WM_NOTIFY, hdr.idFrom, (LPARAM)&hdr);
    }
    CString Text(HWND hWnd)
    {
        char sz[256] = "";
        ::GetWindowTextA(hWnd, sz, sizeof(sz));
        return sz;
    }
    CRect RectInClient(HWND hDlg, HWND hChild)
    {
        CRect r;
        ::GetWindowRect(hChild, &r);
        ::MapWindowPoints(nullptr, hDlg, (LPPOINT)&r, 2);
        return r;
    }
    CRect Units(HWND hDlg, int l, int t, int r, int b)
    {
        CRect rect(l, t, r, b);
        ::MapDialogRect(hDlg, &rect);
        return rect;
    }
    void Choose(HWND hDlg, int nID, int nItem)
    {
        HWND hCombo = ::GetDlgItem(hDlg, nID);
        ::SendMessageA(hCombo, CB_SETCURSEL, (WPARAM)nItem, 0);
        ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nID, CBN_SELENDOK), (LPARAM)hCombo);
    }
};

QELToolbar::CToolBarButtonInfo Entry(int nID, int iBitmap, LPCSTR pszText, BOOL bDefault)
{
    QELToolbar::CToolBarButtonInfo info = {};
    info.tbButton.idCommand = nID;
    info.tbButton.iBitmap = iBitmap;
    info.tbButton.fsState = TBSTATE_ENABLED;
    info.tbButton.iString = -1;
    info.strText = pszText;
    info.bDefault = bDefault;
    return info;
}
}  // namespace

TEST_F(CCustomizeFixture, TheDialogGetsThePanelTitleAndOptionsAndTextChangesAtOnce)
{
    bar.SetToolBarInfoForCustomization(nullptr);
    struct Seen
    {
        CString caption;
        bool bHelpVisible = true;
        CString textLabel, iconLabel;
        int nTextSel = -2, nIconSel = -2, nTextItems = 0, nIconItems = 0;
        CString textItems[3], iconItems[2];
        CRect rcTextLabel, rcTextBox, rcIconLabel, rcIconBox;
        CRect rcExpectTextLabel, rcExpectTextBox, rcExpectIconLabel, rcExpectIconBox;
        int nGrowth = 0, nExpectedGrowth = 0;
        QELToolbar::TextOptions eTextWhileOpen = (QELToolbar::TextOptions)-1;
        QELToolbar::IconOptions eIconWhileOpen = (QELToolbar::IconOptions)-1;
        bool bHookIn = false, bDialogObject = false, bSubclassed = false;
        std::string labelWhileOpen;
        std::string className;
        bool bBaseIsWnd = false, bDynamic = true;
    } seen;
    CRect rcPlainDialog;
    ModalAnswerer answer([&](HWND hDlg) {
        seen.caption = Text(hDlg);
        HWND hHelp = ::GetDlgItem(hDlg, 205);
        seen.bHelpVisible = hHelp != nullptr && ::IsWindowVisible(hHelp);
        HWND hText = ::GetDlgItem(hDlg, QELCustomizeDialog::IDC_TEXTOPTIONS);
        HWND hIcon = ::GetDlgItem(hDlg, QELCustomizeDialog::IDC_ICONOPTIONS);
        seen.nTextSel = (int)::SendMessageA(hText, CB_GETCURSEL, 0, 0);
        seen.nIconSel = (int)::SendMessageA(hIcon, CB_GETCURSEL, 0, 0);
        seen.nTextItems = (int)::SendMessageA(hText, CB_GETCOUNT, 0, 0);
        seen.nIconItems = (int)::SendMessageA(hIcon, CB_GETCOUNT, 0, 0);
        for (int i = 0; i < 3; i++) {
            char sz[64] = "";
            ::SendMessageA(hText, CB_GETLBTEXT, (WPARAM)i, (LPARAM)sz);
            seen.textItems[i] = sz;
        }
        for (int i = 0; i < 2; i++) {
            char sz[64] = "";
            ::SendMessageA(hIcon, CB_GETLBTEXT, (WPARAM)i, (LPARAM)sz);
            seen.iconItems[i] = sz;
        }
        // The two labels come before their boxes among the dialog's children.
        HWND hTextLabel = ::GetWindow(hText, GW_HWNDPREV);
        HWND hIconLabel = ::GetWindow(hIcon, GW_HWNDPREV);
        seen.textLabel = Text(hTextLabel);
        seen.iconLabel = Text(hIconLabel);
        seen.rcTextLabel = RectInClient(hDlg, hTextLabel);
        seen.rcTextBox = RectInClient(hDlg, hText);
        seen.rcIconLabel = RectInClient(hDlg, hIconLabel);
        seen.rcIconBox = RectInClient(hDlg, hIcon);
        // The panel starts at the bottom of the client area before it grew.
        CRect rcClient;
        ::GetClientRect(hDlg, &rcClient);
        seen.nExpectedGrowth = Units(hDlg, 0, 0, 0, 34).bottom + 3;
        const int nBottom = rcClient.bottom - seen.nExpectedGrowth;
        auto place = [&](int x, int y, int cx, int cy) {
            CRect u = Units(hDlg, x, y, cx, cy);
            return CRect(CPoint(u.left, nBottom + u.top), CSize(u.right, u.bottom));
        };
        seen.rcExpectTextLabel = place(4, 2, 49, 8);
        seen.rcExpectTextBox = place(52, 0, 123, 50);
        seen.rcExpectIconLabel = place(4, 20, 49, 8);
        seen.rcExpectIconBox = place(52, 18, 123, 50);
        seen.bHookIn = QELToolbar::m_hCBTHook != nullptr;
        seen.bDialogObject = QELToolbar::m_pCustomizeDlg != nullptr;
        seen.bSubclassed = seen.bDialogObject && QELToolbar::m_pCustomizeDlg->m_hWnd == hDlg;
        if (seen.bDialogObject) {
            CRuntimeClass* pClass = QELToolbar::m_pCustomizeDlg->GetRuntimeClass();
            seen.className = pClass->m_lpszClassName;
            seen.bBaseIsWnd = pClass->m_pBaseClass == RUNTIME_CLASS(CWnd);
            seen.bDynamic = pClass->m_pfnCreateObject != nullptr;
        }

        Choose(hDlg, QELCustomizeDialog::IDC_TEXTOPTIONS, QELToolbar::ShowTextLabels);
        Choose(hDlg, QELCustomizeDialog::IDC_ICONOPTIONS, QELToolbar::LargeIcons);
        seen.eTextWhileOpen = bar.GetTextOptions();
        seen.eIconWhileOpen = bar.GetIconOptions();
        seen.labelWhileOpen = bar.Label(0);
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
    });
    bar.Customize();

    ASSERT_TRUE(answer.Answered());
    EXPECT_TRUE(seen.caption.Right(11) == " - Standard") << (LPCSTR)seen.caption;
    EXPECT_GT(seen.caption.GetLength(), 11);
    EXPECT_FALSE(seen.bHelpVisible) << "TBNRF_HIDEHELP hides the Help button";
    EXPECT_EQ(seen.textLabel, CString("Te&xt options:"));
    EXPECT_EQ(seen.iconLabel, CString("Ico&n options:"));
    EXPECT_EQ(seen.nTextItems, 3);
    EXPECT_EQ(seen.nIconItems, 2);
    EXPECT_EQ(seen.textItems[0], CString("Show Text Labels"));
    EXPECT_EQ(seen.textItems[1], CString("Selective Text on Right"));
    EXPECT_EQ(seen.textItems[2], CString("No Text Labels"));
    EXPECT_EQ(seen.iconItems[0], CString("Small Icons"));
    EXPECT_EQ(seen.iconItems[1], CString("Large Icons"));
    EXPECT_EQ(seen.nTextSel, QELToolbar::NoTextLabels);
    EXPECT_EQ(seen.nIconSel, QELToolbar::SmallIcons);
    EXPECT_EQ(seen.rcTextLabel, seen.rcExpectTextLabel);
    EXPECT_EQ(seen.rcIconLabel, seen.rcExpectIconLabel);
    // A drop-down list keeps the height of its field; place and width are ours.
    EXPECT_EQ(seen.rcTextBox.TopLeft(), seen.rcExpectTextBox.TopLeft());
    EXPECT_EQ(seen.rcTextBox.Width(), seen.rcExpectTextBox.Width());
    EXPECT_EQ(seen.rcIconBox.TopLeft(), seen.rcExpectIconBox.TopLeft());
    EXPECT_EQ(seen.rcIconBox.Width(), seen.rcExpectIconBox.Width());
    EXPECT_TRUE(seen.bHookIn && seen.bDialogObject && seen.bSubclassed);
    EXPECT_EQ(seen.className, "QELCustomizeDialog");
    EXPECT_TRUE(seen.bBaseIsWnd);
    EXPECT_FALSE(seen.bDynamic);
    // The text option took effect at once, the icon option only at the close.
    EXPECT_EQ(seen.eTextWhileOpen, QELToolbar::ShowTextLabels);
    EXPECT_EQ(seen.labelWhileOpen, "First");
    EXPECT_EQ(seen.eIconWhileOpen, QELToolbar::SmallIcons);
    EXPECT_EQ(bar.GetIconOptions(), QELToolbar::LargeIcons);
    EXPECT_EQ(bar.m_sizeImage, CSize(24, 24));
    EXPECT_EQ(QELToolbar::m_pCustomizeDlg, nullptr);
    EXPECT_EQ(QELToolbar::m_hCBTHook, nullptr);

    // Without window text the title stays the control's own.
    bar.SetWindowText("");
    CString plainCaption;
    ModalAnswerer again([&](HWND hDlg) {
        plainCaption = Text(hDlg);
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
    });
    bar.Customize();
    ASSERT_TRUE(again.Answered());
    EXPECT_EQ(plainCaption, seen.caption.Left(seen.caption.GetLength() - 11));
}

TEST_F(CCustomizeFixture, ResetPutsBackTheDefaultSetWithoutLabelsAndSmallIconsAtTheClose)
{
    CArray<QELToolbar::CToolBarButtonInfo, QELToolbar::CToolBarButtonInfo&> extra;
    QELToolbar::CToolBarButtonInfo entry = Entry(ID_CMD_FOUR, 0, "Fourth", FALSE);
    extra.Add(entry);
    bar.SetToolBarInfoForCustomization(&extra);
    bar.SetTextOptions(QELToolbar::ShowTextLabels, TRUE);
    bar.SetIconOptions(QELToolbar::LargeIcons, TRUE);
    // The user's arrangement: Second gone, Fourth added in front.
    ASSERT_TRUE(::SendMessageA(bar.m_hWnd, TB_DELETEBUTTON, 1, 0));
    TBBUTTON four = extra[0].tbButton;
    ASSERT_TRUE(::SendMessageA(bar.m_hWnd, TB_INSERTBUTTONA, 0, (LPARAM)&four));

    std::vector<int> idsAfterReset;
    int nTextSel = -2, nIconSel = -2;
    QELToolbar::TextOptions eText = (QELToolbar::TextOptions)-1;
    QELToolbar::IconOptions eIcon = (QELToolbar::IconOptions)-1;
    ModalAnswerer answer([&](HWND hDlg) {
        ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(202, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, 202));
        idsAfterReset = bar.Commands();
        nTextSel = (int)::SendDlgItemMessageA(hDlg, QELCustomizeDialog::IDC_TEXTOPTIONS, CB_GETCURSEL, 0, 0);
        nIconSel = (int)::SendDlgItemMessageA(hDlg, QELCustomizeDialog::IDC_ICONOPTIONS, CB_GETCURSEL, 0, 0);
        eText = bar.GetTextOptions();
        eIcon = bar.GetIconOptions();
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
    });
    bar.Customize();
    ASSERT_TRUE(answer.Answered());
    EXPECT_EQ(idsAfterReset, (std::vector<int>{ ID_CMD_ONE, ID_CMD_TWO, 0, ID_CMD_THREE }));
    EXPECT_EQ(nTextSel, QELToolbar::NoTextLabels);
    EXPECT_EQ(nIconSel, QELToolbar::SmallIcons);
    EXPECT_EQ(eText, QELToolbar::NoTextLabels);
    EXPECT_EQ(eIcon, QELToolbar::LargeIcons) << "the icon option waits for the close";
    EXPECT_EQ(bar.GetIconOptions(), QELToolbar::SmallIcons);
    EXPECT_EQ(bar.Raw(0).iString, -1);

    // MarkDefaultState: the present arrangement becomes the default set.
    ASSERT_TRUE(::SendMessageA(bar.m_hWnd, TB_DELETEBUTTON, 0, 0));
    ASSERT_TRUE(::SendMessageA(bar.m_hWnd, TB_ADDBUTTONSA, 1, (LPARAM)&four));
    EXPECT_TRUE(bar.MarkDefaultState());
    const BOOL expected[] = { FALSE, TRUE, TRUE, TRUE, TRUE };
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(bar.m_arrButtonInfo[i].bDefault, expected[i]) << i;
    NMHDR hdr = {};
    EXPECT_EQ(Notify(hdr, TBN_RESET), TRUE);
    EXPECT_EQ(bar.Commands(), (std::vector<int>{ ID_CMD_TWO, 0, ID_CMD_THREE, ID_CMD_FOUR }));
}

TEST_F(CCustomizeFixture, EveryNotificationGetsItsAnswer)
{
    CArray<QELToolbar::CToolBarButtonInfo, QELToolbar::CToolBarButtonInfo&> extra;
    QELToolbar::CToolBarButtonInfo entry = Entry(ID_CMD_FOUR, 0, "Fourth", FALSE);
    extra.Add(entry);
    bar.SetToolBarInfoForCustomization(&extra);
    NMHDR hdr = {};
    EXPECT_EQ(Notify(hdr, TBN_INITCUSTOMIZE), TBNRF_HIDEHELP);
    EXPECT_EQ(Notify(hdr, TBN_BEGINADJUST), 0);
    EXPECT_EQ(Notify(hdr, TBN_ENDADJUST), 0);
    EXPECT_EQ(Notify(hdr, TBN_CUSTHELP), 0);

    NMTOOLBARA nm = {};
    nm.iItem = 2;
    EXPECT_EQ(Notify(nm.hdr, TBN_QUERYINSERT), TRUE);
    // A hidden button may not be removed; a visible one and a plain separator may.
    nm.tbButton = bar.Raw(0);
    EXPECT_EQ(Notify(nm.hdr, TBN_QUERYDELETE), TRUE);
    ::SendMessageA(bar.m_hWnd, TB_HIDEBUTTON, ID_CMD_TWO, TRUE);
    nm.tbButton = bar.Raw(1);
    EXPECT_EQ(Notify(nm.hdr, TBN_QUERYDELETE), FALSE);
    nm.tbButton = bar.Raw(2);
    nm.tbButton.fsState |= TBSTATE_HIDDEN;
    EXPECT_EQ(Notify(nm.hdr, TBN_QUERYDELETE), TRUE);

    // The table by index: whole text, cut text, no buffer, and past either end.
    char sz[64];
    struct Case
    {
        int iItem;
        int cchText;
        bool bBuffer;
        LRESULT expected;
        const char* text;
        int idCommand;
    } cases[] = {
        { 0, 64, true, TRUE, "First", ID_CMD_ONE },
        { 2, 64, true, TRUE, "", 0 },
        { 4, 64, true, TRUE, "Fourth", ID_CMD_FOUR },
        { 1, 4, true, TRUE, "Sec", ID_CMD_TWO },
        { 1, 1, true, TRUE, "", ID_CMD_TWO },
        { 3, 0, true, TRUE, "x", ID_CMD_THREE },
        { 3, 64, false, TRUE, nullptr, ID_CMD_THREE },
        { 5, 64, true, FALSE, "x", -7 },
        { -1, 64, true, FALSE, "x", -7 },
        { INT_MAX, 64, true, FALSE, "x", -7 },
        { INT_MIN, 64, true, FALSE, "x", -7 },
    };
    for (const Case& c : cases) {
        memset(sz, 0, sizeof(sz));
        sz[0] = 'x';
        NMTOOLBARA info = {};
        info.iItem = c.iItem;
        info.tbButton.idCommand = -7;
        info.cchText = c.cchText;
        info.pszText = c.bBuffer ? sz : nullptr;
        EXPECT_EQ(Notify(info.hdr, TBN_GETBUTTONINFOA), c.expected) << c.iItem;
        EXPECT_EQ(info.tbButton.idCommand, c.idCommand) << c.iItem;
        if (c.text != nullptr) {
            EXPECT_STREQ(sz, c.text) << c.iItem << " cut to " << c.cchText;
        }
        if (c.expected && c.iItem >= 0) {
            EXPECT_EQ(0, memcmp(&info.tbButton, &bar.m_arrButtonInfo[c.iItem].tbButton, sizeof(TBBUTTON)));
        }
    }

    // A label cut to the buffer is cut before a character, never between its bytes: 表表 in
    // Shift-JIS (ToolbarTestsJapanese); bytes of code page 1252 elsewhere.
    bar.m_arrButtonInfo[1].strText = "\x95\x5C\x95\x5C";
    NMTOOLBARA cut = {};
    cut.iItem = 1;
    cut.cchText = 4;
    cut.pszText = sz;
    EXPECT_EQ(Notify(cut.hdr, TBN_GETBUTTONINFOA), TRUE);
    EXPECT_STREQ(sz, GetACP() == 932 ? "\x95\x5C" : "\x95\x5C\x95");

    // A change of buttons gives the new ones the present labels.
    bar.SetTextOptions(QELToolbar::ShowTextLabels, TRUE);
    TBBUTTON four = extra[0].tbButton;
    ASSERT_TRUE(::SendMessageA(bar.m_hWnd, TB_ADDBUTTONSA, 1, (LPARAM)&four));
    EXPECT_EQ(bar.Label(4), "");
    Notify(hdr, TBN_TOOLBARCHANGE);
    EXPECT_EQ(bar.Label(4), "Fourth");
}

TEST_F(CCustomizeFixture, ContextMenuListsTheFramesToolbarsAndShowsTheOneChosen)
{
    TestableToolbar other;
    ASSERT_TRUE(MakeToolbar(other, &frame, AFX_IDW_TOOLBAR + 1));
    other.SetWindowText("Extra");
    frame.ShowControlBar(&other, FALSE, FALSE);
    frame.RecalcLayout();
    CRect rcButton;
    ::SendMessageA(bar.m_hWnd, TB_GETITEMRECT, 0, (LPARAM)&rcButton);
    CPoint pt = rcButton.CenterPoint();
    bar.ClientToScreen(&pt);

    // Before the table exists the message goes on to the frame.
    bar.SendMessage(WM_CONTEXTMENU, (WPARAM)bar.m_hWnd, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(frame.nContextMenus, 1);

    bar.SetToolBarInfoForCustomization(nullptr);
    {
        ModalAnswerer menu(ModalAnswerer::ChooseMenuCommand(0), 5000, ModalAnswerer::Target::PopupMenu);
        bar.SendMessage(WM_CONTEXTMENU, (WPARAM)bar.m_hWnd, MAKELPARAM(pt.x, pt.y));
        ASSERT_TRUE(menu.Answered());
        ASSERT_EQ(menu.menuItems.size(), 4u);
        EXPECT_EQ(menu.menuItems[0].text, "Standard");
        EXPECT_EQ(menu.menuItems[0].nID, (UINT)AFX_IDW_TOOLBAR);
        EXPECT_TRUE(menu.menuItems[0].bChecked);
        EXPECT_EQ(menu.menuItems[1].text, "Extra");
        EXPECT_EQ(menu.menuItems[1].nID, (UINT)AFX_IDW_TOOLBAR + 1);
        EXPECT_FALSE(menu.menuItems[1].bChecked);
        EXPECT_TRUE(menu.menuItems[2].bSeparator);
        EXPECT_EQ(menu.menuItems[3].text, "&Customize...");
        EXPECT_EQ(menu.menuItems[3].nID, 255u);
    }
    EXPECT_EQ(frame.nContextMenus, 1);
    {
        ModalAnswerer menu(ModalAnswerer::ChooseMenuCommand(AFX_IDW_TOOLBAR + 1), 5000,
                           ModalAnswerer::Target::PopupMenu);
        bar.SendMessage(WM_CONTEXTMENU, (WPARAM)bar.m_hWnd, MAKELPARAM(pt.x, pt.y));
        ASSERT_TRUE(menu.Answered());
    }
    EXPECT_TRUE(other.GetStyle() & WS_VISIBLE) << "picking the hidden bar shows it";
    {
        ModalAnswerer menu(ModalAnswerer::ChooseMenuCommand(255), 5000, ModalAnswerer::Target::PopupMenu);
        ModalAnswerer dialog(ModalAnswerer::PressButton(IDCANCEL));
        bar.SendMessage(WM_CONTEXTMENU, (WPARAM)bar.m_hWnd, MAKELPARAM(pt.x, pt.y));
        ASSERT_TRUE(menu.Answered());
        EXPECT_TRUE(dialog.Answered()) << "Customize... opens the dialog";
    }

    // An embedded control under the point has a menu of its own, not ours.
    CWnd edit;
    ASSERT_TRUE(edit.CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, rcButton, &bar, 1234));
    {
        ModalAnswerer menu(ModalAnswerer::ChooseMenuCommand(0), 300, ModalAnswerer::Target::PopupMenu);
        bar.SendMessage(WM_CONTEXTMENU, (WPARAM)edit.m_hWnd, MAKELPARAM(pt.x, pt.y));
        PumpMessages(400);
        EXPECT_FALSE(menu.Answered());
    }
    EXPECT_EQ(frame.nContextMenus, 1);
}
