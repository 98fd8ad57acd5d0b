// The keys of an edit: Tab, Enter, Escape, Up and Down, the space bar outside
// an edit; first as messages handed to the filter, then typed into a dialog
// whose modal loop runs the filter as it runs for a user.
#include "ListTestSupport.h"
#include "DialogTemplate.h"
#include "ModalAnswerer.h"
#include <functional>

namespace {
// What the filter answers for a key-down aimed at a window.
BOOL KeyDown(QELListCtrl& list, HWND hTarget, UINT vk, UINT message = WM_KEYDOWN)
{
    MSG msg = {};
    msg.hwnd = hTarget;
    msg.message = message;
    msg.wParam = vk;
    msg.lParam = input::KeyLParam(vk, message == WM_KEYUP);
    return list.PreTranslateMessage(&msg);
}
}

class ListEditKeysTest : public ListEditTest
{
protected:
    void SetUp() override
    {
        ListEditTest::SetUp();
        list.SetEditable(TRUE);
    }
    BOOL Key(UINT vk) { return KeyDown(list, list.Editor(), vk); }
    std::pair<int, int> Cell() { return { list.EditRow(), list.EditColumn() }; }
};

TEST_F(ListEditKeysTest, TabCommitsAndWalksAlongTheRowWrappingToColumnZero)
{
    ASSERT_TRUE(list.StartEdit(2, 1));
    Type("450");
    EXPECT_TRUE(Key(VK_TAB));
    EXPECT_EQ(Text(2, 1), "450");
    EXPECT_EQ(Cell(), std::make_pair(2, 2));
    EXPECT_TRUE(Key(VK_TAB));
    EXPECT_TRUE(Key(VK_TAB));
    EXPECT_EQ(Cell(), std::make_pair(2, 0)) << "from the last column back to the first";
    EXPECT_EQ(list.EditorText(), "Paper cups 250ml");
    // Shift does not turn Tab round: the filter looks at the key alone.
    EXPECT_TRUE(Key(VK_TAB));
    EXPECT_EQ(Cell(), std::make_pair(2, 1));
    EXPECT_EQ(Sent(LISTMSG_CELLEDITED), (Pairs{ { 2, 1 } })) << "unchanged cells are not reported";

    // With column 0 not editable, Tab from the last column simply ends the edit.
    list.SetFirstColumnEditable(FALSE);
    ASSERT_TRUE(list.StartEdit(2, 3));
    EXPECT_TRUE(Key(VK_TAB));
    EXPECT_FALSE(list.IsEditing());
    EXPECT_FALSE(list.EditorVisible());
}

TEST_F(ListEditKeysTest, EnterKeepsEscapeDrops)
{
    ASSERT_TRUE(list.StartEdit(1, 2));
    Type("Sold out");
    EXPECT_TRUE(Key(VK_ESCAPE));
    EXPECT_EQ(Text(1, 2), "Low");
    EXPECT_FALSE(list.IsEditing());
    EXPECT_FALSE(list.EditorVisible());
    ASSERT_TRUE(list.StartEdit(1, 2));
    EXPECT_EQ(list.EditorText(), "Low") << "the dropped text does not come back";
    Type("Sold out");
    EXPECT_TRUE(Key(VK_RETURN));
    EXPECT_EQ(Text(1, 2), "Sold out");
    EXPECT_FALSE(list.IsEditing());
    EXPECT_EQ(Sent(LISTMSG_CELLEDITED), (Pairs{ { 1, 2 } }));
    // With no edit, Enter and Escape are not the list's.
    EXPECT_FALSE(Key(VK_RETURN));
    EXPECT_FALSE(KeyDown(list, list.m_hWnd, VK_ESCAPE));
}

TEST_F(ListEditKeysTest, UpAndDownMoveBetweenRowsButNotBeyondThem)
{
    ASSERT_TRUE(list.StartEdit(2, 3));
    Type("Recycled paper");
    EXPECT_TRUE(Key(VK_UP));
    EXPECT_EQ(Text(2, 3), "Recycled paper");
    EXPECT_EQ(Cell(), std::make_pair(1, 3));
    EXPECT_TRUE(Key(VK_UP));
    EXPECT_EQ(Cell(), std::make_pair(0, 3));
    Type("Robusta");
    // On the first row the key is the editor's: the edit stays, uncommitted.
    EXPECT_FALSE(Key(VK_UP));
    EXPECT_EQ(Cell(), std::make_pair(0, 3));
    EXPECT_TRUE(list.EditorVisible());
    EXPECT_EQ(Text(0, 3), "Arabica, medium roast");

    ASSERT_TRUE(list.StartEdit(3, 1));
    EXPECT_TRUE(Key(VK_DOWN));
    EXPECT_EQ(Cell(), std::make_pair(4, 1));
    EXPECT_EQ(list.EditorText(), "24");
    EXPECT_FALSE(Key(VK_DOWN)) << "the last row";
    EXPECT_EQ(Cell(), std::make_pair(4, 1));
    EXPECT_EQ(Selected(), std::vector<int>{ 4 });
    EXPECT_EQ(Sent(LISTMSG_CELLEDITED), (Pairs{ { 2, 3 }, { 0, 3 } }));
}

TEST_F(ListEditKeysTest, DownBringsTheRowIntoViewWithTheEditorOnIt)
{
    for (int i = kStockRows; i < 60; ++i)
        list.InsertItemEx(i, "Filter papers", "100", "In stock", "Size 4");
    const int nLastShown = list.GetTopIndex() + list.GetCountPerPage() - 1;
    ASSERT_TRUE(list.StartEdit(nLastShown, 1));
    EXPECT_TRUE(Key(VK_DOWN));
    EXPECT_EQ(list.EditRow(), nLastShown + 1);
    EXPECT_GT(list.GetTopIndex(), 0) << "the list scrolled";
    CRect rc;
    list.CListCtrl::GetSubItemRect(nLastShown + 1, 1, LVIR_LABEL, rc);
    EXPECT_EQ(list.EditorRect(), rc) << "the editor follows the row";
    CRect rcClient;
    list.GetClientRect(&rcClient);
    EXPECT_LE(rc.bottom, rcClient.bottom);
}

TEST_F(ListEditKeysTest, TheSpaceBarIsSwallowedOutsideAnEdit)
{
    list.SetCheckboxeStyle(CHECKSTYLE_MULTIPLE);
    EXPECT_TRUE(KeyDown(list, list.m_hWnd, VK_SPACE));
    EXPECT_FALSE(KeyDown(list, list.m_hWnd, 'A'));
    EXPECT_FALSE(KeyDown(list, list.m_hWnd, VK_TAB)) << "Tab outside an edit is the dialog's";
    EXPECT_FALSE(KeyDown(list, list.m_hWnd, VK_DOWN));
    // Only key-downs are looked at.
    EXPECT_FALSE(KeyDown(list, list.m_hWnd, VK_SPACE, WM_KEYUP));
    EXPECT_FALSE(KeyDown(list, list.m_hWnd, VK_SPACE, WM_CHAR));
    ASSERT_TRUE(list.StartEdit(1, 3));
    EXPECT_FALSE(Key(VK_SPACE)) << "during an edit the space is typed";
    EXPECT_FALSE(Key(VK_LEFT));
    EXPECT_FALSE(KeyDown(list, list.Editor(), VK_TAB, WM_KEYUP));
    EXPECT_EQ(Cell(), std::make_pair(1, 3));
}

TEST_F(ListEditKeysTest, FocusElsewhereLeavesTheEditorOpenUntilTheNextKey)
{
    CEdit other;
    ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 320, 200, 340), &frame, 301));
    ASSERT_TRUE(list.StartEdit(3, 3));
    Type("Arrives Monday");
    other.SetFocus();
    PumpMessages(50);
    EXPECT_TRUE(list.IsEditing());
    EXPECT_TRUE(list.EditorVisible());
    EXPECT_TRUE(KeyDown(list, list.m_hWnd, VK_RETURN));
    EXPECT_EQ(Text(3, 3), "Arrives Monday");
}

// ----- in a dialog's modal loop ---------------------------------------------------------

namespace {
const WORD IDC_STOCK = 1001;
const UINT WM_NEXT_STEP = WM_APP + 77;

// A dialog that runs one step of a script each time it gets WM_NEXT_STEP, so
// the keys of every step have gone through the modal loop before the next one
// looks at the result.
class CScriptedDialog : public CRecordingDialog
{
public:
    using CRecordingDialog::CRecordingDialog;
    TestableListCtrl list;
    std::vector<std::function<void()>> steps;
    size_t nextStep = 0;

    void Next() { PostMessage(WM_NEXT_STEP); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NEXT_STEP) {
            if (nextStep < steps.size())
                steps[nextStep++]();
            return 0;
        }
        return CRecordingDialog::WindowProc(message, wParam, lParam);
    }
};

// Keys for the window with the focus, as the user presses them.
void Press(UINT vk)
{
    input::PostKeyDown(::GetFocus(), vk);
    ::PostMessageA(::GetFocus(), WM_KEYUP, vk, input::KeyLParam(vk, true));
}

void Typed(const char* text)
{
    for (const char* p = text; *p; ++p)
        input::PostChar(::GetFocus(), *p);
}
}

TEST(ListEditDialog, KeysGoThroughTheFilterBeforeTheDialogManager)
{
    DialogTemplate tmpl("Stock", 300, 160);
    tmpl.Add("SysListView32", "", IDC_STOCK, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT, 4, 4, 292,
             120);
    tmpl.Add("BUTTON", "OK", IDOK, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 190, 135, 50, 16);
    tmpl.Add("BUTTON", "Cancel", IDCANCEL, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 245, 135, 50, 16);
    CScriptedDialog dlg(tmpl);
    TestableListCtrl& list = dlg.list;
    std::vector<std::string> trace;
    auto cell = [&] { return std::to_string(list.EditRow()) + "," + std::to_string(list.EditColumn()); };

    dlg.onInitDialog = [&](CRecordingDialog&) {
        ASSERT_TRUE(list.SubclassDlgItem(IDC_STOCK, &dlg));
        FillStock(list);
        list.SetCheckboxeStyle(CHECKSTYLE_MULTIPLE);
        list.SetEditable(TRUE);
        dlg.Next();
    };
    dlg.steps = {
        [&] {
            // Open on a quantity, type a new one and Tab to the status.
            ASSERT_TRUE(list.StartEdit(0, 1));
            Typed("15");
            Press(VK_TAB);
            dlg.Next();
        },
        [&] {
            trace.push_back("after tab " + cell() + " " + ListCellText(list, 0, 1));
            Typed("Sold out");
            Press(VK_RETURN);  // the default button must not see it
            dlg.Next();
        },
        [&] {
            trace.push_back("after enter " + cell() + " " + ListCellText(list, 0, 2));
            ASSERT_TRUE(list.StartEdit(3, 3));
            Typed("Never");
            Press(VK_ESCAPE);  // nor the dialog's cancel
            dlg.Next();
        },
        [&] {
            trace.push_back("after escape " + cell() + " " + ListCellText(list, 3, 3));
            ASSERT_TRUE(list.StartEdit(3, 1));
            Press(VK_UP);
            dlg.Next();
        },
        [&] {
            trace.push_back("after up " + cell());
            Press(VK_DOWN);
            Press(VK_DOWN);
            dlg.Next();
        },
        [&] {
            trace.push_back("after down down " + cell());
            Press(VK_DOWN);  // the last row: the editor keeps the key
            dlg.Next();
        },
        [&] {
            trace.push_back("on the last row " + cell());
            Press(VK_RETURN);
            dlg.Next();
        },
        [&] {
            // No edit now: the space bar does not reach the list view's check boxes.
            list.SetFocus();
            list.SetItemStates(2, ITEMSTATE_SELECTED | ITEMSTATE_FOCUSED);
            Press(VK_SPACE);
            dlg.Next();
        },
        [&] {
            trace.push_back(std::string("space ") +
                            (list.ExamItemStates(2, ITEMSTATE_CHECKED) ? "toggled" : "swallowed"));
            // Outside an edit Escape is the dialog's again.
            Press(VK_ESCAPE);
        },
    };
    ModalAnswerer safety([](HWND) {}, 15000);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.nextStep, dlg.steps.size());
    const std::vector<std::string> expected = {
        "after tab 0,2 15", "after enter -1,-1 Sold out", "after escape -1,-1 Arrives Friday",
        "after up 2,1",     "after down down 4,1",        "on the last row 4,1",
        "space swallowed",
    };
    EXPECT_EQ(trace, expected);
    std::vector<std::pair<int, int>> edited;
    for (const RecordedMessage& m : dlg.log.Of(LISTMSG_CELLEDITED))
        edited.push_back({ (int)m.wParam, (int)m.lParam });
    EXPECT_EQ(edited, (Pairs{ { 0, 1 }, { 0, 2 } }));
}
