// The real-number prompt of QELGUIUtils::Real (template 5003).
#pragma once
#include "QELRealEdit.h"

class QELRealNumberDlg : public CDialog
{
public:
    explicit QELRealNumberDlg(CWnd* pParent = nullptr);

    // ----- record ------------------------------------------------------------------------
    double m_dValue;
    // DBL_MIN (bit for bit) stands for no minimum, DBL_MAX for no maximum.
    double m_dMinValue;
    double m_dMaxValue;
    int m_bMinInclusive;
    int m_bMaxInclusive;
    CString m_strTitle;
    QELRealEdit m_edit;
    CString m_strPrompt;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    DECLARE_MESSAGE_MAP()
};
