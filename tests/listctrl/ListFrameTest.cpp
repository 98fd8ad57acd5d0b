// The class frame: the style rule on every way a window comes to the object,
// the forced extended styles, the header and the column count.
#include "ListTestSupport.h"

namespace {
// The list view takes its scroll bar bits away again while there is nothing to
// scroll, so a live window is checked for the rest of the forced bits.
const DWORD kForced = WS_CHILD | WS_VISIBLE | LVS_REPORT;
const DWORD kForbidden = 0x0002 | LVS_EDITLABELS | LVS_NOSCROLL;

DWORD ListViewExStyle(HWND hWnd) { return (DWORD)::SendMessageA(hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0); }
}

TEST(ListFrame, CreateForcesTheStyleRuleAndFillsTheParentWithoutARectangle)
{
    CRecordingFrame frame;
    QELListCtrl list;
    // An icon view with label editing, no scrolling and no visibility asked for.
    ASSERT_TRUE(list.Create(&frame, 7, nullptr, WS_CHILD | LVS_SMALLICON | LVS_EDITLABELS | LVS_NOSCROLL | WS_BORDER));
    DWORD dwStyle = list.GetStyle();
    EXPECT_EQ(dwStyle & kForced, kForced);
    EXPECT_EQ(dwStyle & kForbidden, 0u);
    EXPECT_TRUE(dwStyle & WS_BORDER) << "other bits are kept";
    EXPECT_EQ(ListViewExStyle(list) & 0x22, 0x22u);
    EXPECT_EQ(list.GetDlgCtrlID(), 7);
    CRect rcParent, rcList;
    frame.GetClientRect(&rcParent);
    list.GetWindowRect(&rcList);
    frame.ScreenToClient(&rcList);
    EXPECT_EQ(rcList, rcParent);
    EXPECT_FALSE(list.Create(nullptr, 8)) << "no parent, no window";
}

TEST(ListFrame, PreCreateWindowAdjustsTheRecord)
{
    QELListCtrl list;
    CWnd& probe = list;  // the framework's own way in
    CREATESTRUCTA cs = {};
    cs.lpszClass = WC_LISTVIEWA;
    cs.style = LVS_LIST | LVS_EDITLABELS | LVS_NOSCROLL | LVS_SHOWSELALWAYS;
    EXPECT_TRUE(probe.PreCreateWindow(cs));
    EXPECT_EQ(cs.style, (DWORD)(0x50300001 | LVS_SHOWSELALWAYS));
}

TEST(ListFrame, TheFrameworkCreationPathAdjustsTheStyleToo)
{
    CRecordingFrame frame;
    QELListCtrl list;
    // The base's Create goes through PreCreateWindow and OnCreate.
    ASSERT_TRUE(list.CListCtrl::Create(WS_CHILD | LVS_LIST | LVS_EDITLABELS, CRect(0, 0, 200, 100), &frame, 9));
    EXPECT_EQ(list.GetStyle() & kForced, kForced);
    EXPECT_EQ(list.GetStyle() & kForbidden, 0u);
    EXPECT_EQ(ListViewExStyle(list) & 0x22, 0x22u);
}

TEST_F(ListTest, ModifyStyleCannotBreakTheRule)
{
    EXPECT_TRUE(list.ModifyStyle(WS_VISIBLE, LVS_EDITLABELS));
    EXPECT_TRUE(list.IsWindowVisible());
    EXPECT_EQ(list.GetStyle() & LVS_EDITLABELS, 0u);
    list.ModifyStyle(LVS_REPORT | WS_VSCROLL, LVS_ICON | LVS_NOSCROLL | 0x0002);
    EXPECT_EQ(list.GetStyle() & (kForced | kForbidden), kForced);
    // Ordinary bits still come and go.
    EXPECT_TRUE(list.HasColumnHeader());
    list.ModifyStyle(0, LVS_NOCOLUMNHEADER);
    EXPECT_FALSE(list.HasColumnHeader());
    list.ModifyStyle(LVS_NOCOLUMNHEADER, 0);
    EXPECT_TRUE(list.HasColumnHeader());
}

TEST_F(ListTest, ExtendedStylesKeepTheForcedBits)
{
    DWORD dwBefore = ListViewExStyle(list);
    EXPECT_EQ(list.SetExtendedStyle(LVS_EX_GRIDLINES), dwBefore);
    EXPECT_EQ(ListViewExStyle(list), (DWORD)(LVS_EX_GRIDLINES | 0x22));
    list.SetExtendedStyle(0);
    EXPECT_EQ(ListViewExStyle(list), 0x22u);

    list.SetGridLines(TRUE);
    EXPECT_TRUE(ListViewExStyle(list) & LVS_EX_GRIDLINES);
    list.SetGridLines(FALSE);
    EXPECT_EQ(ListViewExStyle(list), 0x22u);

    // The window's own extended style changes as asked, without the list-view
    // bit values leaking into it as WS_EX_NOPARENTNOTIFY | WS_EX_TRANSPARENT.
    EXPECT_TRUE(list.ModifyStyleEx(0, WS_EX_CLIENTEDGE));
    EXPECT_TRUE(list.GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_EQ(list.GetExStyle() & (WS_EX_NOPARENTNOTIFY | WS_EX_TRANSPARENT), 0u);
    EXPECT_EQ(ListViewExStyle(list) & 0x22, 0x22u);
}

TEST(ListFrame, ASubclassedDialogControlTakesTheRuleAndDropsTemplateExtendedStyles)
{
    DialogTemplate tmpl("List", 200, 120);
    tmpl.Add("SysListView32", "", 1001, WS_CHILD | WS_VISIBLE | LVS_LIST | LVS_EDITLABELS | WS_BORDER, 5, 5, 150, 80);
    CRecordingDialog dlg(tmpl);
    QELListCtrl list;
    dlg.onInitDialog = [&](CRecordingDialog& d) {
        // Grid lines and check boxes, as a template's creator might have set them.
        d.SendDlgItemMessage(1001, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES);
        list.SubclassDlgItem(1001, &d);
    };
    ASSERT_TRUE(dlg.CreateModeless());
    ASSERT_NE(list.GetSafeHwnd(), nullptr);
    EXPECT_EQ(list.GetStyle() & (kForced | kForbidden), kForced);
    EXPECT_EQ(ListViewExStyle(list), 0x22u);
    list.SetGridLines(TRUE);
    EXPECT_EQ(ListViewExStyle(list), (DWORD)(LVS_EX_GRIDLINES | 0x22));
}

TEST_F(ListTest, HeaderAndColumnCount)
{
    const CHeaderCtrl* pHeader = list.GetHeaderCtrl();
    ASSERT_NE(pHeader, nullptr);
    EXPECT_EQ(pHeader->GetSafeHwnd(), (HWND)list.SendMessage(LVM_GETHEADER));
    EXPECT_EQ(list.GetColumnCount(), 4);
    list.CListCtrl::DeleteColumn(3);
    EXPECT_EQ(list.GetColumnCount(), 3);

    QELListCtrl unborn;
    EXPECT_EQ(unborn.GetColumnCount(), 0);
    EXPECT_EQ(unborn.GetItemCount(ITEMSTATE_ANY), 0);
    EXPECT_EQ(unborn.InsertItem(0, "x"), -1);
}

TEST_F(ListTest, ResizeToFitParentFillsTheClientArea)
{
    list.ResizeToFitParent();
    CRect rcParent, rcList;
    frame.GetClientRect(&rcParent);
    list.GetWindowRect(&rcList);
    frame.ScreenToClient(&rcList);
    EXPECT_EQ(rcList, rcParent);
}
