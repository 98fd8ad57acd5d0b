// The unit converter of QELGUIUtils::UnitConverter (template 6006): a number,
// its unit, and the number converted into another unit, updated as either
// list or the number changes.
#pragma once
#include "ZUZIVU70Defs.h"

class QELUnitConverterDlg : public CDialog
{
public:
    explicit QELUnitConverterDlg(CWnd* pParent = nullptr);

    // ----- record (list positions equal unit indexes; -1 is no selection) ------------------
    int m_nFromUnit;
    int m_nToUnit;
    double m_dValue;
    double m_dResult;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // "Close" ends the dialog whatever the number field holds: nothing is
    // handed back, so there is nothing to validate.
    void OnOK() override;
    // Reads the controls, converts, and shows the result with six decimals.
    void OnConvert();
    DECLARE_MESSAGE_MAP()

private:
    // While the record is written to the controls, the number field's change
    // notifications are our own doing and start no conversion.
    BOOL m_bWriting;
};
