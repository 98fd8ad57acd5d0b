// A control object deleted while its window lives takes the window with it:
// nothing is left to call into the freed object, and nothing it started (a
// label's flash timer, a link's tooltip) runs on. Each control class, made
// with new and deleted with delete, created or subclassed.
#include "BadInputSupport.h"

namespace {

// Runs make() to get a control object with a live window in the frame, lets
// it work a little, deletes the object and checks that the window went too,
// and that the frame lives on unharmed.
template <class T>
void ExpectWindowGoesWithObject(const char* name, CRecordingFrame& frame, T* p)
{
    SCOPED_TRACE(name);
    ASSERT_NE(p->GetSafeHwnd(), nullptr);
    HWND hWnd = p->m_hWnd;
    Settle(20);
    delete p;
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    Settle(20);
    EXPECT_TRUE(::IsWindow(frame.m_hWnd));
    frame.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

TEST(ObjectDeletedFirst, EveryControlTakesItsWindow)
{
    CRecordingFrame frame;
    const CRect rc(5, 5, 205, 29);
    {
        auto* p = new QELStatic;
        ASSERT_TRUE(p->Create("flashing", WS_CHILD | WS_VISIBLE, rc, &frame, 1));
        p->FlashText(TRUE);
        ExpectWindowGoesWithObject("QELStatic", frame, p);
    }
    {
        auto* p = new QELHyperlink;
        ASSERT_TRUE(p->Create("www.example.com", WS_CHILD | WS_VISIBLE, rc, &frame, 2));
        p->ActiveToolTip(1);
        p->SetTootTipText("tip");
        ExpectWindowGoesWithObject("QELHyperlink", frame, p);
    }
    {
        auto* p = new QELColorComboBox;
        ASSERT_TRUE(p->Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                              CRect(5, 5, 205, 200), &frame, 3));
        p->SetColor(RGB(1, 2, 3));
        ExpectWindowGoesWithObject("QELColorComboBox", frame, p);
    }
    {
        auto* p = new QELEdit;
        ASSERT_TRUE(p->Create(WS_CHILD | WS_VISIBLE, rc, &frame, 4));
        p->SetTooltipText("tip");
        ExpectWindowGoesWithObject("QELEdit", frame, p);
    }
    {
        auto* p = new QELIntegerEdit;
        ASSERT_TRUE(p->Create(WS_CHILD | WS_VISIBLE, rc, &frame, 5));
        p->SetValue(42);
        p->SetFocus();
        ExpectWindowGoesWithObject("QELIntegerEdit", frame, p);
    }
    {
        auto* p = new QELRealEdit;
        ASSERT_TRUE(p->Create(WS_CHILD | WS_VISIBLE, rc, &frame, 6));
        p->SetValue(4.5);
        p->SetFocus();
        ExpectWindowGoesWithObject("QELRealEdit", frame, p);
    }
    {
        auto* p = new QELListCtrl;
        ASSERT_TRUE(p->Create(&frame, 7, CRect(5, 5, 305, 205)));
        p->CListCtrl::InsertColumn(0, "Name", LVCFMT_LEFT, 100);
        p->InsertItem(0, "row");
        ExpectWindowGoesWithObject("QELListCtrl", frame, p);
    }
}

TEST(ObjectDeletedFirst, AFlashingLabelSubclassedInADialogStopsTicking)
{
    DialogTemplate tmpl("labels", 200, 60);
    tmpl.Add("STATIC", "flashing", 100, WS_VISIBLE | SS_LEFT, 5, 5, 150, 12)
        .Add("STATIC", "other", 101, WS_VISIBLE | SS_LEFT, 5, 25, 150, 12);
    CRecordingDialog dlg(tmpl);
    ASSERT_TRUE(dlg.CreateModeless());
    HWND hLabel = ::GetDlgItem(dlg.m_hWnd, 100);
    auto* p = new QELStatic;
    ASSERT_TRUE(p->SubclassDlgItem(100, &dlg));
    p->FlashText(TRUE);
    delete p;
    // The window went with its object: no timer of its ticks on, and none of
    // its ticks reaches a procedure that would call into the freed object.
    EXPECT_FALSE(::IsWindow(hLabel));
    DWORD start = ::GetTickCount();
    int nTicks = 0;
    while (::GetTickCount() - start < 700) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            nTicks += msg.message == WM_TIMER && msg.hwnd == hLabel;
            ::DispatchMessageA(&msg);
        }
        ::Sleep(10);
    }
    EXPECT_EQ(nTicks, 0);
    EXPECT_TRUE(::IsWindow(::GetDlgItem(dlg.m_hWnd, 101)));
}

}  // namespace
