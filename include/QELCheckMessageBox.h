// QELCheckMessageBox: the application's ordinary message box with one more
// row at its bottom, an etched line and a check box ("Do not show again" by
// default). The caller reads the check box's state after the box has closed;
// remembering the answer is the caller's business.
//
//     QELCheckMessageBox box(this);
//     int nResult = box.Message("Delete the file?", MB_YESNO | MB_ICONQUESTION, 0);
//     if (box.GetChecked()) ...
#pragma once
#include "ZUZIVU70Defs.h"
#include "afxcmn.h"

// An etched line (shadow over highlight), horizontal when the window is at
// least as wide as it is high, vertical otherwise, on the dialog's face colour.
class QEL_API QELSeparator : public CWnd
{
public:
    QELSeparator();
    ~QELSeparator() override;

protected:
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnPaint();
    DECLARE_MESSAGE_MAP()
};

class QEL_API QELCheckMessageBox : public CWnd
{
public:
    explicit QELCheckMessageBox(CWnd* pParent = nullptr, CString strCheckText = "Do not show again");
    ~QELCheckMessageBox() override;

    // The check box's state: set before Message for its initial mark, read afterwards.
    void SetChecked(int nChecked);
    int GetChecked();
    // Shows the application's message box (text, MB_ type flags, help context)
    // with the check box row; the id of the button pressed, 0 when the box
    // could not be shown or this object's box is already showing.
    int Message(const char* lpszText, UINT nType, UINT nHelpId);

    // Control ids of the added row.
    enum { IDC_CHECKBOX = 666, IDC_SEPARATOR = 111 };

protected:
    int OnCreate(LPCREATESTRUCT lpcs);
    LRESULT OnSubclassedInit(WPARAM wParam, LPARAM lParam);
    void OnDoNotShowAgain();
    DECLARE_MESSAGE_MAP()

private:
    // Lets go of every window still attached after the box is gone.
    void ReleaseWindows();

    CWnd* m_pParent;
    CButton m_checkBox;
    QELSeparator m_separator;
    int m_bChecked;
    CString m_strCheckText;
};
