// Every usage example of docs/ runs here, and does what its page says it does:
// a page whose example stops compiling or starts doing something else fails
// the build or this program.
#include "ModalAnswerer.h"
#include "RecordingParent.h"
#include "UserInput.h"
#include "docs/examples/DocExamples.h"
#include "docs/examples/ToolbarExampleIds.h"
#include <gtest/gtest.h>
#include <string>

namespace {

const UINT kListId = 300;

TEST(DocExamples, ListSortsByQuantityAndRowsKeepColourAndData)
{
    CRecordingFrame frame;
    QELListCtrl list;
    ASSERT_TRUE(ShowParts(list, &frame, kListId));
    ASSERT_EQ(3, list.GetItemCount());
    // Most first, compared as numbers (as text "3" would come first).
    const char* expected[] = { "Hex bolt M8", "Hinge 60 mm", "Washer M8" };
    for (int i = 0; i < 3; ++i)
        EXPECT_STREQ(expected[i], list.GetItemText(i, 0)) << "row " << i;
    EXPECT_STREQ("240", list.GetItemText(0, 1));
    // The red row and its data moved with it (it was row 2 and still is the last).
    EXPECT_EQ(RGB(192, 0, 0), list.GetItemTextColor(2, 0));
    EXPECT_EQ(RGB(192, 0, 0), list.GetItemTextColor(2, 3));
    EXPECT_EQ(42u, list.GetItemData(2));
    EXPECT_NE(RGB(192, 0, 0), list.GetItemTextColor(0, 0));
    EXPECT_EQ(1, list.GetSortedColumn());
    EXPECT_FALSE(list.IsSortAscending());
    // The page promises LISTMSG_SORTED with the column and the direction.
    std::vector<RecordedMessage> sorted = frame.log.Of(LISTMSG_SORTED);
    ASSERT_EQ(1u, sorted.size()) << frame.log.Describe(LISTMSG_SORTED);
    EXPECT_EQ(1u, sorted[0].wParam);
    EXPECT_EQ(0, sorted[0].lParam);
    // And a click on a cell edits it.
    CRect rcCell;
    ASSERT_TRUE(list.GetSubItemRect(1, 2, LVIR_LABEL, rcCell));
    input::Click(list.m_hWnd, rcCell.left + 5, rcCell.CenterPoint().y);
    PumpMessages(100);
    ASSERT_NE(nullptr, list.GetEditControl()->GetSafeHwnd());
    EXPECT_TRUE(list.GetEditControl()->IsWindowVisible());
    list.EndEdit(FALSE);
}

TEST(DocExamples, LabelsTellTheParentInsteadOfOpening)
{
    CRecordingFrame frame;
    QELStatic title, support;
    QELHyperlink website;
    MakeLinks(title, support, website, &frame);
    ASSERT_NE(nullptr, website.GetSafeHwnd());
    EXPECT_STREQ("https://example.com/catalogue", website.GetLinkUrl());

    input::Click(support.m_hWnd, 3, 3);
    std::vector<RecordedMessage> notes = frame.log.Notifications(QELN_LINKCLICKED);
    ASSERT_EQ(1u, notes.size()) << frame.log.Describe(WM_NOTIFY);
    EXPECT_EQ(102u, notes[0].idFrom);

    input::Click(website.m_hWnd, 3, 3);
    std::vector<RecordedMessage> clicks = frame.log.Of(QELM_HYPERLINKCLICKED);
    ASSERT_EQ(1u, clicks.size()) << frame.log.Describe(QELM_HYPERLINKCLICKED);
    EXPECT_EQ(103u, clicks[0].wParam);
}

TEST(DocExamples, ColourPickerSelectsNamedOrCustomColours)
{
    CRecordingFrame frame;
    {
        QELColorComboBox colours;
        ASSERT_TRUE(MakeColourPicker(colours, &frame, 400, RGB(255, 0, 0)));
        EXPECT_EQ(RGB(255, 0, 0), colours.GetColor());
        EXPECT_STREQ("Red", [&] {
            CString str;
            colours.GetLBText(colours.GetCurSel(), str);
            return str;
        }());
        EXPECT_EQ(QELColorComboBox::NamedColorCount + 1, colours.GetCount());
        colours.DestroyWindow();
    }
    {
        QELColorComboBox colours;
        ASSERT_TRUE(MakeColourPicker(colours, &frame, 401, RGB(1, 2, 3)));
        EXPECT_EQ(RGB(1, 2, 3), colours.GetColor());
        CString str;
        colours.GetLBText(colours.GetCurSel(), str);
        EXPECT_STREQ("Custom...", str);
        colours.DestroyWindow();
    }
}

TEST(DocExamples, OrderFieldsRefuseWhatTheyCannotHold)
{
    CRecordingFrame frame;
    QELIntegerEdit quantity;
    QELRealEdit discount;
    MakeOrderFields(quantity, discount, &frame);
    CString str;
    discount.GetWindowText(str);
    EXPECT_STREQ("12.5", str);  // the precision's decimals, trailing zeros removed

    // Typed over a selection of everything: letters and a number over the range
    // are refused (and a refusal drops what was still queued, so type apart).
    quantity.SetSel(0, -1);
    for (const char* key : { "7", "x", "0" })
        input::TypeText(quantity.m_hWnd, key);
    quantity.GetWindowText(str);
    EXPECT_STREQ("70", str);
    input::TypeText(quantity.m_hWnd, "0");  // 700 > 500
    quantity.GetWindowText(str);
    EXPECT_STREQ("70", str);
    EXPECT_EQ(70, quantity.GetValue());

    discount.SetSel(0, -1);
    for (const char* key : { "5", "0" })  // the maximum is exclusive: "5" stays
        input::TypeText(discount.m_hWnd, key);
    discount.GetWindowText(str);
    EXPECT_STREQ("5", str);
    for (const char* key : { ".", "2", "5", "5" })  // two decimals at most
        input::TypeText(discount.m_hWnd, key);
    discount.GetWindowText(str);
    EXPECT_STREQ("5.25", str);
    EXPECT_DOUBLE_EQ(5.25, discount.GetValue());
}

class DocRegistryExample : public testing::Test
{
protected:
    void SetUp() override
    {
        m_strKey.Format("Software\\ZUZIVU70 Tests\\DocRegistryExample-%lu", ::GetCurrentProcessId());
    }
    void TearDown() override { ::RegDeleteKeyA(HKEY_CURRENT_USER, m_strKey); }
    CString m_strKey;
};

TEST_F(DocRegistryExample, SettingsRoundTripInTheDocumentedFormats)
{
    CRect rc(0, 0, 1, 1);
    COLORREF crAccent = RGB(9, 9, 9);
    double dZoom = 1.0;
    // Nothing stored yet: the defaults stay.
    EXPECT_FALSE(LoadViewSettings(m_strKey, &rc, &crAccent, &dZoom));
    EXPECT_EQ(CRect(0, 0, 1, 1), rc);
    EXPECT_EQ(RGB(9, 9, 9), crAccent);

    SaveViewSettings(m_strKey, CRect(10, 20, 650, 500), RGB(0, 82, 155), 1.25);
    ASSERT_TRUE(LoadViewSettings(m_strKey, &rc, &crAccent, &dZoom));
    EXPECT_EQ(CRect(10, 20, 650, 500), rc);
    EXPECT_EQ(RGB(0, 82, 155), crAccent);
    EXPECT_DOUBLE_EQ(1.25, dZoom);

    // The byte sizes the page's comments give.
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, m_strKey, 0, KEY_READ, &hKey));
    struct
    {
        const char* name;
        DWORD size;
    } values[] = { { "Window", 16 }, { "Accent", 4 }, { "Zoom", 8 } };
    for (const auto& v : values) {
        DWORD dwType = 0, nSize = 0;
        EXPECT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(hKey, v.name, nullptr, &dwType, nullptr, &nSize)) << v.name;
        EXPECT_EQ((DWORD)REG_BINARY, dwType) << v.name;
        EXPECT_EQ(v.size, nSize) << v.name;
    }
    ::RegCloseKey(hKey);
}

TEST(DocExamples, BackupNamesAndTheProgressWindow)
{
    EXPECT_STREQ("C:\\Orders\\March (backup).ord", BackupName("C:\\Orders\\March.ord"));
    EXPECT_STREQ("notes (backup)", BackupName("notes"));
    // Only the last dot starts the extension; a dot in a folder is no extension.
    EXPECT_STREQ("/tmp/a.b/c.tar (backup).gz", BackupName("/tmp/a.b/c.tar.gz"));
    EXPECT_STREQ("/tmp/a.b/c (backup)", BackupName("/tmp/a.b/c"));

    // The copies are made beside the originals, with the progress window up meanwhile.
    char szTemp[MAX_PATH];
    ASSERT_NE(0u, ::GetTempPathA(MAX_PATH, szTemp));
    CString strDir;
    strDir.Format("%szuz-docs-%lu\\", szTemp, ::GetCurrentProcessId());
    ASSERT_TRUE(::CreateDirectoryA(strDir, nullptr));
    CStringArray files;
    for (const char* name : { "one.txt", "two.dat" }) {
        CString strPath = strDir + name;
        HANDLE hFile = ::CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
        ::CloseHandle(hFile);
        files.Add(strPath);
    }
    CRecordingFrame frame;
    CopyFiles(files, &frame);
    for (const char* name : { "one (backup).txt", "two (backup).dat" })
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(strDir + name)) << name;
    // Nothing of the progress window is left.
    EXPECT_EQ(nullptr, ::FindWindowA(nullptr, "Copying"));
    for (const char* name : { "one.txt", "two.dat", "one (backup).txt", "two (backup).dat" })
        ::DeleteFileA(strDir + name);
    ::RemoveDirectoryA(strDir);
}

TEST(DocExamples, OffsetPromptStartsWithTheValueAndTakesANegativeOne)
{
    CRecordingFrame frame;
    double dOffset = 2.5;
    std::string field;
    ModalAnswerer answer([&](HWND hDlg) {
        HWND hEdit = ::FindWindowExA(hDlg, nullptr, "Edit", nullptr);
        char sz[32] = "";
        ::GetWindowTextA(hEdit, sz, sizeof(sz));
        field = sz;
        ::SetWindowTextA(hEdit, "-4.25");
        ModalAnswerer::PressButton(IDOK)(hDlg);
    });
    EXPECT_TRUE(AskOffset(&frame, dOffset));
    ASSERT_TRUE(answer.Answered());
    EXPECT_EQ("2.5", field);
    EXPECT_EQ(-4.25, dOffset) << "DBL_MIN is no lower bound";
}

TEST(DocExamples, ToolbarDocksWithItsMenuAndSearchField)
{
    CRecordingFrame frame;
    AfxGetApp()->m_pMainWnd = &frame;
    QELToolbar bar;
    ASSERT_TRUE(MakeMainToolbar(bar, &frame));
    frame.RecalcLayout();
    ASSERT_NE(nullptr, bar.m_pDockBar);
    EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, bar.m_pDockBar->GetDlgCtrlID());
    // The search field sits where the Search button was.
    CWnd* pSearch = bar.GetDlgItem(ID_DOC_SEARCH);
    ASSERT_NE(nullptr, pSearch);
    EXPECT_TRUE(pSearch->IsWindowVisible());
    EXPECT_NE(0u, bar.GetButtonStyle(bar.CommandToIndex(ID_DOC_SEARCH)) & TBSTYLE_SEP);
    // The arrow of Open opens the recent files below the button.
    CRect rect;
    bar.GetToolBarCtrl().GetRect(ID_DOC_OPEN, &rect);
    ModalAnswerer answer(ModalAnswerer::CloseMenu(), 3000, ModalAnswerer::Target::PopupMenu);
    input::Click(bar.m_hWnd, rect.right - 3, rect.CenterPoint().y);
    ASSERT_TRUE(answer.Answered());
    EXPECT_EQ((std::vector<UINT>{ ID_DOC_RECENT1, ID_DOC_RECENT2 }), answer.MenuIds());
    bar.ClientToScreen(&rect);
    EXPECT_EQ(rect.left, answer.windowRect.left);
    EXPECT_EQ(rect.bottom, answer.windowRect.top);
    // The command strings of the page's resources: the tooltip after the line
    // break, the status text before it.
    NMTTDISPINFOA tip = {};
    tip.hdr.hwndFrom = bar.m_hWnd;
    tip.hdr.idFrom = ID_DOC_NEW;
    tip.hdr.code = TTN_GETDISPINFOA;
    frame.SendMessage(WM_NOTIFY, ID_DOC_NEW, (LPARAM)&tip);
    EXPECT_STREQ("New", tip.lpszText);
    CString strStatus;
    frame.GetMessageString(ID_DOC_OPEN, strStatus);
    EXPECT_STREQ("Opens a document; the arrow lists recent files", strStatus);
    AfxGetApp()->m_pMainWnd = nullptr;
}

}
