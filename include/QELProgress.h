// QELProgress: a small modeless window with a caption, a status line and a
// progress bar over a real-valued range, for the length of a task.
//
// The window is shown by StartProgress and gone after EndProgress; the values
// are kept in between and can be changed at any time. The library runs no
// message loop: the window paints and answers while the application's loop
// (or its own PeekMessage pumping during the task) runs.
#pragma once
#include "ZUZIVU70Defs.h"
#include "afxcmn.h"

// The window of a QELProgress, from the library's template 8001.
class QEL_API QELProgressDlg : public CDialog
{
public:
    QELProgressDlg();

    // The status line is the caller's own text rather than the percentage.
    BOOL m_bCustomStatus;
    CProgressCtrl m_progress;  // control 8001, range 0 to 100
    CString m_strStatus;       // shown in control 8000

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()
};

class QEL_API QELProgress
{
public:
    QELProgress();
    QELProgress(CString strTitle, CString strStatus, double dMin, double dMax, CWnd* pParent = nullptr);
    ~QELProgress();
    QELProgress(const QELProgress&) = delete;
    QELProgress& operator=(const QELProgress&) = delete;

    // Shows the window at the minimum, owned by the parent window (the main
    // window when none was set); a window already shown starts over.
    void StartProgress();
    void EndProgress();

    // ----- values (the window follows while it is shown) --------------------------------------
    void SetTitle(CString strTitle);
    CString GetTitle();
    // A non-empty text replaces the percentage line; an empty one brings the
    // percentage back at the next position change.
    void SetStatus(CString strStatus);
    CString GetStatus();
    // Shown from the next position change on.
    void SetMin(double dMin);
    double GetMin();
    void SetMax(double dMax);
    double GetMax();
    // The bar and the line show the position as a percentage of the range:
    // beyond it the line reads the real percentage ("120 % complete", or a
    // negative one below the minimum) while the bar stays full or empty.
    void SetCurrent(double dCurrent);
    void StepIt(double dStep);
    double GetCurrent();
    void SetParentWnd(CWnd* pParent);
    CWnd* GetParentWnd();

    // The window, while it is shown.
    QELProgressDlg m_dlg;

private:
    void ShowStatus();
    void ShowPosition();

    CString m_strTitle;
    CString m_strStatus;
    double m_dMin;
    double m_dMax;
    double m_dCurrent;
    CWnd* m_pParentWnd;
};
