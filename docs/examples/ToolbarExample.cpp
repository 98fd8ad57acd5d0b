#include "DocExamples.h"
#include "ToolbarExampleIds.h"

// [example]
// A flat toolbar docked at the top of a frame: New, Open with an arrow that
// opens a menu of recent files, and a search field in place of a button.
BOOL MakeMainToolbar(QELToolbar& bar, CFrameWnd* pFrame)
{
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
    if (!bar.CreateEx(pFrame, TBSTYLE_FLAT, dwStyle) || !bar.LoadToolBar(IDR_DOC_TOOLBAR))
        return FALSE;
    // The arrow opens the first popup of menu IDR_DOC_RECENT below the button;
    // the command chosen goes to the main window like any menu command.
    bar.AddDropDownButton(ID_DOC_OPEN, IDR_DOC_RECENT, TRUE);
    // The Search button's place becomes an edit field 120 pixels wide, which
    // the toolbar owns; it hides while the bar is docked on the left or right.
    CRect rect(0, 0, 120, 20);
    if (bar.InsertControl(RUNTIME_CLASS(CEdit), "", rect, ID_DOC_SEARCH, WS_BORDER | ES_AUTOHSCROLL) == nullptr)
        return FALSE;
    // The library's dock bars put flat toolbars edge to edge.
    bar.EnableDocking(CBRS_ALIGN_ANY);
    QELToolbar::FrameEnableDocking(pFrame, CBRS_ALIGN_ANY);
    pFrame->DockControlBar(&bar);
    return TRUE;
}
// [end example]
