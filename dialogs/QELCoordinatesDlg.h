// The coordinate prompt of QELGUIUtils::Coordinates (template 5002).
#pragma once
#include "QELRealEdit.h"

class QELCoordinatesDlg : public CDialog
{
public:
    explicit QELCoordinatesDlg(CWnd* pParent = nullptr);

    // ----- record ------------------------------------------------------------------------
    double m_dX;
    double m_dY;
    double m_dZ;
    CString m_strTitle;
    QELRealEdit m_editZ;
    QELRealEdit m_editY;
    QELRealEdit m_editX;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    DECLARE_MESSAGE_MAP()
};
