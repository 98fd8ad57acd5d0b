// The toolbar in an aged session: docked on every side, dragged by its
// gripper, floated and docked again, and customized through the platform's
// dialog with our options panel.
#include "AgedHandles.h"
#include "UserInput.h"
#include "ToolbarTestSupport.h"
#include "toolbar/QELCustomizeDialog.h"

namespace {

class AgedToolbar : public AgedTest
{
protected:
    CCallbackFrame frame;
    TestableToolbar bar;

    void SetUp() override
    {
        AgedTest::SetUp();
        ASSERT_TRUE(frame.Make());
        ASSERT_TRUE(MakeToolbar(bar, &frame));
        bar.SetWindowText("Standard");
        bar.EnableDocking(CBRS_ALIGN_ANY);
        QELToolbar::FrameEnableDocking(&frame, CBRS_ALIGN_ANY);
        frame.RecalcLayout();
        ExpectAged(frame.m_hWnd, "the frame");
        ExpectAged(bar.m_hWnd, "the toolbar");
    }
    UINT DockedOn() { return bar.m_pDockBar != nullptr ? (UINT)bar.m_pDockBar->GetDlgCtrlID() : 0; }
};

TEST_F(AgedToolbar, DocksOnEverySideFloatsAndDocksAgain)
{
    const UINT sides[] = { AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT };
    for (UINT nSide : sides) {
        frame.DockControlBar(&bar, nSide);
        frame.RecalcLayout();
        ASSERT_EQ(DockedOn(), nSide);
        ExpectAged(bar.m_pDockBar->m_hWnd, "the dock bar");
        EXPECT_EQ(bar.GetParent(), bar.m_pDockBar);
        EXPECT_EQ(bar.IsVertDocked(), nSide == AFX_IDW_DOCKBAR_LEFT || nSide == AFX_IDW_DOCKBAR_RIGHT);
        EXPECT_FALSE(frame.RectInFrame(&bar).IsRectEmpty());
    }

    // Dragged by the gripper to the top edge.
    CRect rectWindow, rectClient;
    bar.GetWindowRect(&rectWindow);
    bar.ScreenToClient(&rectWindow);
    bar.GetClientRect(&rectClient);
    CPoint to(200, 2);
    frame.ClientToScreen(&to);
    bar.ScreenToClient(&to);
    input::Drag(bar.m_hWnd, CPoint(rectClient.Width() / 2, rectWindow.top + 7), to);
    EXPECT_EQ(DockedOn(), (UINT)AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(::GetCapture(), nullptr);

    frame.FloatControlBar(&bar, CPoint(200, 200));
    ASSERT_TRUE(bar.IsFloating());
    CFrameWnd* pFloating = bar.GetParentFrame();
    ASSERT_NE(pFloating, nullptr);
    ExpectAged(pFloating->m_hWnd, "the floating frame");
    EXPECT_NE(pFloating, &frame);
    // The floating frame's owner, which GetParent answers zero-extended under Wine.
    EXPECT_EQ(pFloating->GetParentFrame(), &frame);
    EXPECT_EQ(bar.m_pDockSite, &frame);
    // The idle update reaches a floating bar through the frames the main window owns.
    bar.GetToolBarCtrl().EnableButton(ID_CMD_ONE, TRUE);
    PumpMessages();
    AfxGetApp()->OnIdle(0);
    EXPECT_FALSE(bar.GetToolBarCtrl().IsButtonEnabled(ID_CMD_ONE)) << "the frame has no handler for it";
    bar.m_pDockContext->ToggleDocking();
    EXPECT_FALSE(bar.IsFloating());
    EXPECT_EQ(DockedOn(), (UINT)AFX_IDW_DOCKBAR_TOP);
}

TEST_F(AgedToolbar, CustomizedThroughItsOptionsPanel)
{
    bar.SetToolBarInfoForCustomization(nullptr);
    bool bOurDialog = false;
    ModalAnswerer answer([&](HWND hDlg) {
        ExpectAged(hDlg, "the customize dialog");
        bOurDialog = QELToolbar::m_pCustomizeDlg != nullptr &&
                     (DWORD)(ULONG_PTR)QELToolbar::m_pCustomizeDlg->m_hWnd == (DWORD)(ULONG_PTR)hDlg;
        HWND hText = ::GetDlgItem(hDlg, QELCustomizeDialog::IDC_TEXTOPTIONS);
        ::SendMessageA(hText, CB_SETCURSEL, QELToolbar::ShowTextLabels, 0);
        ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(QELCustomizeDialog::IDC_TEXTOPTIONS, CBN_SELENDOK), (LPARAM)hText);
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
    });
    bar.Customize();
    ASSERT_TRUE(answer.Answered());
    EXPECT_TRUE(bOurDialog) << "the customize dialog was not ours";
    EXPECT_EQ(bar.GetTextOptions(), QELToolbar::ShowTextLabels);
    EXPECT_EQ(bar.Label(0), "First");
    EXPECT_EQ(QELToolbar::m_pCustomizeDlg, nullptr);
}

}  // namespace
