// The other controls of the library and its dialogs, read back through the
// platform's accessibility objects: each is named by what its user sees (its
// window text, the selected colour) and has the role of its class.
#include "AccessTestSupport.h"
#include "ControlTestSupport.h"
#include "ModalAnswerer.h"
#include "RecordingParent.h"
#include "UserInput.h"
#include <gtest/gtest.h>

namespace {
const UINT kComboId = 301;

struct ComboDialog : ColourComboDialog
{
    ComboDialog() : ColourComboDialog(kComboId) {}
    // What a screen reader says for the box: the selected colour's name, as
    // the name (a system that names the box by its own text) or the value (a
    // system that names it by its label).
    std::string Said()
    {
        AccessibleFacts facts = ReadAccessible(combo.m_hWnd);
        return facts.value.empty() ? facts.name : facts.value;
    }
};
}

TEST(ControlsAccess, ColourComboSaysTheSelectedColour)
{
    ComboDialog t;
    AccessibleFacts facts = ReadAccessible(t.combo.m_hWnd);
    ASSERT_TRUE(facts.bFound);
    EXPECT_TRUE(RoleIsOneOf(facts.role, { ROLE_SYSTEM_COMBOBOX, ROLE_SYSTEM_CLIENT })) << facts.role;
    // The entries are drawn by the box itself, but their names are kept as
    // strings: what is read out is the name, never the colour's raw bytes.
    EXPECT_EQ(t.Said(), "White");
    t.combo.SetColor(RGB(0, 0, 191));
    EXPECT_EQ(t.Said(), "Dark Blue");
    t.combo.SetColor(RGB(1, 2, 3));
    EXPECT_EQ(t.Said(), "Custom...");
    t.combo.SetColor(RGB(255, 0, 0));
    t.combo.SetFocus();
    input::PressKey(t.combo.m_hWnd, VK_DOWN);
    EXPECT_EQ(t.Said(), "Brown");
}

TEST(ControlsAccess, EditsAreTextWithTheirValue)
{
    CRecordingFrame frame;
    QELEdit edit;
    QELIntegerEdit integer;
    QELRealEdit real;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 200, 34), &frame, 100));
    ASSERT_TRUE(integer.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 40, 200, 64), &frame, 101));
    ASSERT_TRUE(real.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 70, 200, 94), &frame, 102));
    edit.SetWindowText("Harbour Street 12");
    integer.SetWindowText("42");
    real.SetWindowText("3.25");
    struct Case
    {
        CEdit* pEdit;
        const char* value;
    } cases[] = { { &edit, "Harbour Street 12" }, { &integer, "42" }, { &real, "3.25" } };
    for (const Case& c : cases) {
        AccessibleFacts facts = ReadAccessible(c.pEdit->m_hWnd);
        ASSERT_TRUE(facts.bFound);
        EXPECT_EQ(facts.role, ROLE_SYSTEM_TEXT) << c.value;
        EXPECT_EQ(facts.value, c.value);
        EXPECT_FALSE(facts.state & STATE_SYSTEM_READONLY) << c.value;
    }
    // Typed text is what is read back.
    integer.SetWindowText("");
    integer.SetFocus();
    input::TypeText(integer.m_hWnd, "12");
    EXPECT_EQ(ReadAccessible(integer.m_hWnd).value, "12");
}

TEST(ControlsAccess, ListAndToolbarHaveTheirClassRoles)
{
    CRecordingFrame frame;
    QELListCtrl list;
    ASSERT_TRUE(list.Create(&frame, 100, CRect(0, 40, 400, 300)));
    list.CListCtrl::InsertColumn(0, "Customer", LVCFMT_LEFT, 120);
    list.InsertItem(0, "Harbour Ltd");
    list.SetWindowText("Customers");
    AccessibleFacts facts = ReadAccessible(list.m_hWnd);
    ASSERT_TRUE(facts.bFound);
    EXPECT_TRUE(RoleIsOneOf(facts.role, { ROLE_SYSTEM_LIST, ROLE_SYSTEM_CLIENT })) << facts.role;
    EXPECT_EQ(facts.name, "Customers");

    QELToolbar bar;
    ASSERT_TRUE(bar.CreateEx(&frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0)));
    bar.SetWindowText("Standard");
    facts = ReadAccessible(bar.m_hWnd);
    ASSERT_TRUE(facts.bFound);
    EXPECT_TRUE(RoleIsOneOf(facts.role, { ROLE_SYSTEM_TOOLBAR, ROLE_SYSTEM_CLIENT })) << facts.role;
    EXPECT_EQ(facts.name, "Standard");
}

TEST(ControlsAccess, CheckMessageBoxControlsAreNamed)
{
    AccessibleFacts check, box, yes;
    ModalAnswerer answer([&](HWND hBox) {
        box = ReadAccessible(hBox);
        check = ReadAccessible(::GetDlgItem(hBox, QELCheckMessageBox::IDC_CHECKBOX));
        yes = ReadAccessible(::GetDlgItem(hBox, IDYES));
        ModalAnswerer::PressButton(IDNO)(hBox);
    });
    QELCheckMessageBox msg(nullptr, "Do not ask again");
    EXPECT_EQ(msg.Message("Delete the report?", MB_YESNO, 0), IDNO);
    ASSERT_TRUE(answer.Answered());
    ASSERT_TRUE(check.bFound);
    EXPECT_EQ(check.name, "Do not ask again");
    EXPECT_TRUE(RoleIsOneOf(check.role, { ROLE_SYSTEM_CHECKBUTTON, ROLE_SYSTEM_CLIENT })) << check.role;
    EXPECT_TRUE(RoleIsOneOf(yes.role, { ROLE_SYSTEM_PUSHBUTTON, ROLE_SYSTEM_CLIENT })) << yes.role;
    EXPECT_EQ(yes.name.find("Yes") != std::string::npos || yes.name.find("&Yes") != std::string::npos, true)
        << yes.name;
    EXPECT_TRUE(RoleIsOneOf(box.role, { ROLE_SYSTEM_DIALOG, ROLE_SYSTEM_CLIENT })) << box.role;
}

TEST(ControlsAccess, ProgressWindowIsNamedByItsTitleAndStatus)
{
    QELProgress progress("Copying files", "report.doc", 0.0, 10.0);
    progress.StartProgress();
    HWND hWnd = nullptr;
    PumpUntil([&] {
        hWnd = ::FindWindowA("#32770", "Copying files");
        return hWnd != nullptr;
    });
    ASSERT_NE(hWnd, nullptr);
    EXPECT_EQ(ReadAccessible(hWnd).name, "Copying files");
    bool bStatus = false, bBar = false;
    for (HWND h = ::GetWindow(hWnd, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
        char cls[32] = "";
        ::GetClassNameA(h, cls, sizeof(cls));
        AccessibleFacts facts = ReadAccessible(h);
        if (facts.name == "report.doc")
            bStatus = true;
        if (lstrcmpiA(cls, PROGRESS_CLASSA) == 0) {
            bBar = true;
            EXPECT_TRUE(RoleIsOneOf(facts.role, { ROLE_SYSTEM_PROGRESSBAR, ROLE_SYSTEM_CLIENT })) << facts.role;
        }
    }
    EXPECT_TRUE(bStatus);
    EXPECT_TRUE(bBar);
    progress.EndProgress();
}
