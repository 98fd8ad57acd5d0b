// Dialog utilities: the prompts, the about box, a formatted message, the unit
// converter, the message box with "Do not show again", path splitting, and a
// long task that drives a progress window. What each returns shows beside it.
#include "DialogShot.h"
#include "Screenshot.h"
#include "GalleryPage.h"

namespace {
const UINT IDC_REAL = 400;
const UINT IDC_COORDINATES = 401;
const UINT IDC_ABOUT = 402;
const UINT IDC_MESSAGE = 403;
const UINT IDC_CONVERTER = 404;
const UINT IDC_CHECKBOX = 405;
const UINT IDC_TASK = 406;
const UINT IDC_PATH = 407;

const char* ButtonName(int nResult)
{
    switch (nResult) {
    case IDOK:
        return "OK";
    case IDCANCEL:
        return "Cancel";
    case IDYES:
        return "Yes";
    case IDNO:
        return "No";
    default:
        return "no answer";
    }
}
}

class CDialogsPage : public CGalleryPage
{
public:
    BOOL OnCreatePage() override
    {
        AddLabel(m_title, "Dialog utilities", Row(28), TRUE);
        NextRow(4);
        AddLabel(m_intro,
                 "Small standard interactions in one call each. The dialogs come from the library's own "
                 "templates; the values they hand back show beside each button.",
                 Row(20));
        NextRow(10);

        AddAction(m_real, "Cut length...", IDC_REAL, m_realResult);
        AddAction(m_coordinates, "Drill position...", IDC_COORDINATES, m_coordinatesResult);
        AddAction(m_about, "About...", IDC_ABOUT, m_aboutResult);
        AddAction(m_message, "Message...", IDC_MESSAGE, m_messageResult);
        AddAction(m_converter, "Unit converter...", IDC_CONVERTER, m_converterResult);
        AddAction(m_checkBox, "Confirm delete...", IDC_CHECKBOX, m_checkResult);
        AddAction(m_task, "Run long task", IDC_TASK, m_taskResult);
        NextRow(6);

        AddLabel(m_pathHeading, "Path splitting (text only, nothing is looked up)", Row(18));
        NextRow(2);
        m_path.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "C:\\Projects\\Gallery\\report.final.docx",
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, RowAt(12, 22, 420), this, IDC_PATH);
        m_path.SetFont(PageFont());
        NextRow(4);
        AddLabel(m_pathParts, "", Row(40, 700));
        NextRow();

        m_strReal = "2.5 m";
        m_strCoordinates = "(10, 20, 0)";
        ShowResults();
        ShowPathParts();
        return TRUE;
    }

    int SaveExtraScreenshots(LPCSTR lpszPathPrefix) override
    {
        CString strPrefix(lpszPathPrefix);
        int nSaved = 0;
        auto shoot = [&](LPCSTR lpszWhat, int nClose, std::function<void(HWND)> prepare, void (CDialogsPage::*pfn)()) {
            CDialogShot shot(strPrefix + "-" + lpszWhat + ".png", nClose, std::move(prepare));
            (this->*pfn)();
            nSaved += shot.Saved() ? 1 : 0;
        };
        shoot("real", IDOK, nullptr, &CDialogsPage::OnReal);
        shoot("coordinates", IDOK, nullptr, &CDialogsPage::OnCoordinates);
        shoot("about", IDOK, nullptr, &CDialogsPage::OnAbout);
        shoot("message", IDOK, nullptr, &CDialogsPage::OnMessage);
        shoot("unit-converter", IDOK, nullptr, &CDialogsPage::OnConverter);
        shoot(
            "check-message-box", IDYES,
            [](HWND hBox) {
                // Marked, as a user who wants no more questions leaves it.
                HWND hCheck = ::GetDlgItem(hBox, QELCheckMessageBox::IDC_CHECKBOX);
                ::SendMessageA(hBox, WM_COMMAND, MAKEWPARAM(QELCheckMessageBox::IDC_CHECKBOX, BN_CLICKED),
                               (LPARAM)hCheck);
            },
            &CDialogsPage::OnCheckBox);
        nSaved += SaveProgressShot(strPrefix + "-progress.png") ? 1 : 0;
        return nSaved;
    }

protected:
    void OnReal()
    {
        HWND hOwner = Owner();
        if (QELGUIUtils::Real(m_dLength, "Cut length", "Length in metres:", 0.0, 12.0, FALSE, TRUE, &hOwner))
            m_strReal.Format("%g m", m_dLength);
        else
            m_strReal.Format("%g m (cancelled, unchanged)", m_dLength);
        ShowResults();
    }

    void OnCoordinates()
    {
        HWND hOwner = Owner();
        int nOk = QELGUIUtils::Coordinates(m_dX, m_dY, m_dZ, "Drill position", &hOwner);
        m_strCoordinates.Format("(%g, %g, %g)%s", m_dX, m_dY, m_dZ, nOk ? "" : " (cancelled, unchanged)");
        ShowResults();
    }

    void OnAbout()
    {
        HWND hOwner = Owner();
        QELGUIUtils::About("ZUZIVU70 Gallery 7.0", "Jane Doe", "Example Engineering Ltd", &hOwner);
        m_nAboutShown++;
        ShowResults();
    }

    void OnMessage()
    {
        SYSTEMTIME st;
        ::GetLocalTime(&st);
        QELGUIUtils::Message("%d drawings were exported to %s at %02d:%02d.", 14, "D:\\Exports\\Plant-B", st.wHour,
                             st.wMinute);
        m_nMessages++;
        ShowResults();
    }

    void OnConverter()
    {
        HWND hOwner = Owner();
        // Metres to feet to begin with.
        QELGUIUtils::UnitConverter(3, 8, &hOwner);
        m_nConversions++;
        ShowResults();
    }

    void OnCheckBox()
    {
        int nDontAsk = 0;
        int nResult = QELGUIUtils::CheckMessageBox(GetParentOwner(), "Delete the 3 selected drawings?", nDontAsk,
                                                   MB_YESNO | MB_ICONQUESTION, 0, "Do not ask again");
        m_strCheck.Format("%s, \"Do not ask again\" %s", ButtonName(nResult), nDontAsk ? "marked" : "clear");
        ShowResults();
    }

    void OnTask()
    {
        if (m_bBusy)
            return;
        m_bBusy = TRUE;
        m_task.EnableWindow(FALSE);
        const int nFiles = 240;
        QELProgress progress("Exporting drawings", "", 0, nFiles, GetParentOwner());
        progress.StartProgress();
        for (int i = 1; i <= nFiles && ::IsWindow(m_hWnd); ++i) {
            // The last quarter is a step of its own, named in the status line.
            if (i == nFiles * 3 / 4)
                progress.SetStatus("Compressing the archive...");
            ::Sleep(8);
            progress.StepIt(1);
            Pump();
        }
        progress.EndProgress();
        if (::IsWindow(m_hWnd)) {
            m_strTask.Format("%d drawings exported", nFiles);
            m_task.EnableWindow(TRUE);
            ShowResults();
        }
        m_bBusy = FALSE;
    }

    void OnPathChange() { ShowPathParts(); }

    DECLARE_MESSAGE_MAP()

private:
    HWND Owner() { return GetParentOwner()->GetSafeHwnd(); }

    void AddAction(CButton& button, LPCSTR lpszText, UINT nID, CStatic& result)
    {
        int x = 12;
        AddButton(button, lpszText, nID, x, 150);
        AddLabel(result, "", Beside(x + 8, 520, 20));
        NextRow(6);
    }

    void ShowResults()
    {
        m_realResult.SetWindowText("Length: " + m_strReal);
        m_coordinatesResult.SetWindowText("Position: " + m_strCoordinates);
        CString str;
        str.Format("Shown %d time(s)", m_nAboutShown);
        m_aboutResult.SetWindowText(str);
        str.Format("Shown %d time(s)", m_nMessages);
        m_messageResult.SetWindowText(str);
        str.Format("Opened %d time(s); metres to feet to begin with", m_nConversions);
        m_converterResult.SetWindowText(str);
        m_checkResult.SetWindowText(m_strCheck);
        m_taskResult.SetWindowText(m_strTask);
    }

    void ShowPathParts()
    {
        CString strPath;
        m_path.GetWindowText(strPath);
        CString strDrive, strFolder, strName, strExtension;
        QELGUIUtils::SplitPath(strPath, strDrive, strFolder, strName, strExtension);
        CString str;
        str.Format("Drive \"%s\"   Folder \"%s\"   Name \"%s\"   Extension \"%s\"\r\nGetFolder \"%s\"",
                   (LPCSTR)strDrive, (LPCSTR)strFolder, (LPCSTR)strName, (LPCSTR)strExtension,
                   (LPCSTR)QELGUIUtils::GetFolder(strPath));
        m_pathParts.SetWindowText(str);
    }

    // The progress window half-way through a task, as the screenshot run shows it.
    BOOL SaveProgressShot(LPCSTR lpszPath)
    {
        QELProgress progress("Exporting drawings", "", 0, 240, GetParentOwner());
        progress.StartProgress();
        progress.SetCurrent(150);
        for (int i = 0; i < 10; ++i) {
            Pump();
            ::Sleep(20);
        }
        progress.m_dlg.RedrawWindow(nullptr, nullptr,
                                    RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        BOOL bSaved = QELGUIUtils::SaveWindowPng(progress.m_dlg.m_hWnd, lpszPath);
        progress.EndProgress();
        return bSaved;
    }

    static void Pump()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!AfxPumpMessage())
                break;
        }
    }

    CStatic m_title, m_intro, m_pathHeading, m_pathParts;
    CButton m_real, m_coordinates, m_about, m_message, m_converter, m_checkBox, m_task;
    CStatic m_realResult, m_coordinatesResult, m_aboutResult, m_messageResult, m_converterResult, m_checkResult,
        m_taskResult;
    CEdit m_path;

    double m_dLength = 2.5;
    double m_dX = 10, m_dY = 20, m_dZ = 0;
    CString m_strReal, m_strCoordinates;
    CString m_strCheck = "Not asked yet";
    CString m_strTask = "Not run yet";
    int m_nAboutShown = 0;
    int m_nMessages = 0;
    int m_nConversions = 0;
    BOOL m_bBusy = FALSE;
};

BEGIN_MESSAGE_MAP(CDialogsPage, CGalleryPage)
    ON_BN_CLICKED(IDC_REAL, OnReal)
    ON_BN_CLICKED(IDC_COORDINATES, OnCoordinates)
    ON_BN_CLICKED(IDC_ABOUT, OnAbout)
    ON_BN_CLICKED(IDC_MESSAGE, OnMessage)
    ON_BN_CLICKED(IDC_CONVERTER, OnConverter)
    ON_BN_CLICKED(IDC_CHECKBOX, OnCheckBox)
    ON_BN_CLICKED(IDC_TASK, OnTask)
    ON_EN_CHANGE(IDC_PATH, OnPathChange)
END_MESSAGE_MAP()

GALLERY_PAGE(CDialogsPage, "Dialogs", 80)
