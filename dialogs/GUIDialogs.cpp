// QELGUIUtils: the operations that show one of the library's own dialogs.
// Each makes the library's resources current for the whole call, so its
// templates win over application resources with the same ids.
#include "DialogParent.h"
#include "QELAboutDlg.h"
#include "QELCoordinatesDlg.h"
#include "QELGUIUtils.h"
#include "QELModuleContext.h"
#include "QELRealNumberDlg.h"
#include "QELUnitConverterDlg.h"

namespace {
// A dialog that could not be shown (-1) is no confirmation.
bool Confirmed(INT_PTR nResult) { return nResult != IDCANCEL && nResult != -1; }
}

int QELGUIUtils::Real(double& dValue, CString strTitle, CString strPrompt, double dMin, double dMax, int bMinInclusive,
                      int bMaxInclusive, HWND* pParent)
{
    CWnd* pParentWnd = ResolveDialogParent(pParent);
    QELModuleContext context;
    QELRealNumberDlg dlg(pParentWnd);
    dlg.m_dValue = dValue;
    dlg.m_strTitle = strTitle;
    dlg.m_strPrompt = strPrompt;
    dlg.m_dMinValue = dMin;
    dlg.m_dMaxValue = dMax;
    dlg.m_bMinInclusive = bMinInclusive;
    dlg.m_bMaxInclusive = bMaxInclusive;
    if (!Confirmed(dlg.DoModal()))
        return 0;
    dValue = dlg.m_dValue;
    return 1;
}

int QELGUIUtils::Coordinates(double& dX, double& dY, double& dZ, CString strTitle, HWND* pParent)
{
    CWnd* pParentWnd = ResolveDialogParent(pParent);
    QELModuleContext context;
    QELCoordinatesDlg dlg(pParentWnd);
    dlg.m_dX = dX;
    dlg.m_dY = dY;
    dlg.m_dZ = dZ;
    dlg.m_strTitle = strTitle;
    if (!Confirmed(dlg.DoModal()))
        return 0;
    dX = dlg.m_dX;
    dY = dlg.m_dY;
    dZ = dlg.m_dZ;
    return 1;
}

void QELGUIUtils::About(const CString& strProduct, const CString& strName, const CString& strCompany, HWND* pParent)
{
    CWnd* pParentWnd = ResolveDialogParent(pParent);
    QELModuleContext context;
    QELAboutDlg dlg(pParentWnd);
    dlg.m_strProduct = strProduct;
    dlg.m_strName = strName;
    dlg.m_strCompany = strCompany;
    dlg.DoModal();
}

void QELGUIUtils::UnitConverter(int nFromUnit, int nToUnit, HWND* pParent)
{
    CWnd* pParentWnd = ResolveDialogParent(pParent);
    QELModuleContext context;
    QELUnitConverterDlg dlg(pParentWnd);
    dlg.m_nFromUnit = nFromUnit;
    dlg.m_nToUnit = nToUnit;
    dlg.DoModal();
}
