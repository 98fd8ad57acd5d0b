// The program of docs/getting-started.md, which quotes it whole.
// [example]
// First: a frame window with a menu, a report list as its client pane and a
// status line below the list. "--screenshot <file>" runs it without a user:
// it opens its about box and answers it, saves a picture of its window and
// closes; the exit code is 0 when the picture was saved.
#include "ZUZIVU70.h"
#include "FirstResources.h"
#include <cstring>

class CFirstApp : public CWinApp
{
public:
    CFirstApp() : CWinApp("First") {}
    BOOL InitInstance() override;
    int ExitInstance() override;

    CString m_strScreenshot;  // "--screenshot <file>": where the picture goes
    BOOL m_bScreenshotSaved = FALSE;
};

// The one application object: the framework's WinMain runs it.
CFirstApp theApp;

class CFirstFrame : public CFrameWnd
{
public:
    // The run without a user (posted by the application once its loop runs).
    static const UINT WM_FIRST_SCREENSHOT = WM_APP + 1;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // The framework lays out control bars and the client pane here (on every
    // WM_SIZE); the status line takes the bottom line of the pane's place.
    void RecalcLayout(BOOL bNotify = TRUE) override;
    void OnFileExit();
    void OnHelpAbout();
    LRESULT OnListSorted(WPARAM wParam, LPARAM lParam);
    LRESULT OnScreenshot(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    QELListCtrl m_list;  // the client pane: its id is AFX_IDW_PANE_FIRST
    CStatic m_status;    // the status line: there is no status bar class
};

BEGIN_MESSAGE_MAP(CFirstFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_FILE_EXIT, OnFileExit)
    ON_COMMAND(ID_HELP_ABOUT, OnHelpAbout)
    ON_MESSAGE(LISTMSG_SORTED, OnListSorted)  // sent by the list to its parent
    ON_MESSAGE(WM_FIRST_SCREENSHOT, OnScreenshot)
END_MESSAGE_MAP()

int CFirstFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_status.Create("", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE, CRect(0, 0, 0, 0), this,
                         IDC_STATUS_LINE))
        return -1;
    m_status.SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT));
    // A null rectangle: the list fills the frame until RecalcLayout places it.
    if (!m_list.Create(this, AFX_IDW_PANE_FIRST))
        return -1;
    m_list.SetColumnHeader("Planet,120;Moons,80,2;Distance (AU),110,2");
    m_list.InsertItemEx(0, "Mercury", "0", "0.39");
    m_list.InsertItemEx(1, "Earth", "1", "1.00");
    m_list.InsertItemEx(2, "Mars", "2", "1.52");
    m_list.InsertItemEx(3, "Jupiter", "95", "5.20");
    m_list.SetSortable(TRUE);    // a click on a header sorts by that column
    m_list.SortItems(1, FALSE);  // most moons first; LISTMSG_SORTED fills the status line
    return 0;
}

void CFirstFrame::RecalcLayout(BOOL bNotify)
{
    CFrameWnd::RecalcLayout(bNotify);
    CWnd* pPane = GetDlgItem(AFX_IDW_PANE_FIRST);
    if (pPane == nullptr || m_status.GetSafeHwnd() == nullptr)
        return;
    CRect rect;
    pPane->GetWindowRect(&rect);
    ScreenToClient(&rect);
    const int cyLine = ::GetSystemMetrics(SM_CYMENU);  // a line of text, at any DPI
    pPane->MoveWindow(rect.left, rect.top, rect.Width(), rect.Height() - cyLine);
    m_status.MoveWindow(rect.left, rect.bottom - cyLine, rect.Width(), cyLine);
}

void CFirstFrame::OnFileExit() { PostMessage(WM_CLOSE); }

void CFirstFrame::OnHelpAbout()
{
    HWND hOwner = m_hWnd;
    QELGUIUtils::About("First 1.0", "A first program on ZUZIVU70", "Example Company", &hOwner);
}

LRESULT CFirstFrame::OnListSorted(WPARAM wParam, LPARAM lParam)
{
    CString strText;
    strText.Format(" Sorted by %s, %s", (LPCSTR)m_list.GetHeaderText((int)wParam), lParam ? "ascending" : "descending");
    m_status.SetWindowText(strText);
    return 0;
}

// Presses OK in the dialog this thread shows (a modal loop is running it).
BOOL CALLBACK PressOk(HWND hWnd, LPARAM lParam)
{
    char szClass[16] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (std::strcmp(szClass, "#32770") != 0 || !::IsWindowVisible(hWnd))
        return TRUE;  // not a dialog: go on looking
    ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
    *reinterpret_cast<BOOL*>(lParam) = TRUE;
    return FALSE;
}

void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    BOOL bPressed = FALSE;
    ::EnumThreadWindows(::GetCurrentThreadId(), PressOk, (LPARAM)&bPressed);
    if (bPressed)
        ::KillTimer(nullptr, idEvent);
}

LRESULT CFirstFrame::OnScreenshot(WPARAM, LPARAM)
{
    // A modal dialog waits for a user; a thread timer, which the dialog's own
    // loop runs, answers it instead.
    ::SetTimer(nullptr, 0, 200, AnswerDialog);
    OnHelpAbout();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    theApp.m_bScreenshotSaved = QELGUIUtils::SaveWindowPng(m_hWnd, theApp.m_strScreenshot);
    PostMessage(WM_CLOSE);
    return 0;
}

BOOL CFirstApp::InitInstance()
{
    auto* pFrame = new CFirstFrame;
    // A frame deletes itself when its window cannot be made.
    if (!pFrame->LoadFrame(IDR_FIRST))
        return FALSE;
    m_pMainWnd = pFrame;
    pFrame->SetWindowPos(nullptr, 0, 0, 400, 260, SWP_NOMOVE | SWP_NOZORDER);
    pFrame->ShowWindow(m_nCmdShow);
    pFrame->UpdateWindow();
    if (const char* pszOption = std::strstr(m_lpCmdLine, "--screenshot ")) {
        m_strScreenshot = CString(pszOption + std::strlen("--screenshot ")).Trim();
        pFrame->PostMessage(CFirstFrame::WM_FIRST_SCREENSHOT);
    }
    return TRUE;  // the message loop runs until the main window is gone
}

int CFirstApp::ExitInstance()
{
    int nCode = CWinApp::ExitInstance();
    if (m_strScreenshot.IsEmpty())
        return nCode;
    return m_bScreenshotSaved ? 0 : 1;
}
// [end example]
