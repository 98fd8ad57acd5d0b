// The system's common dialogs as framework dialogs.
#pragma once
#include "AfxDialog.h"
#include <commdlg.h>

// Base of the framework's wrappers of the system dialogs.
class AFX_API CCommonDialog : public CDialog
{
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);
};

// The system colour dialog. DoModal returns IDOK with the chosen colour in
// GetColor, or IDCANCEL.
class AFX_API CColorDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CColorDialog)
public:
    CHOOSECOLORA m_cc;

    // clrInit becomes the dialog's initial choice; dwFlags are CC_ flags.
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);

    INT_PTR DoModal() override;
    COLORREF GetColor() const;
    // The 16 custom colours of the dialog, kept for the whole process.
    static COLORREF* PASCAL GetSavedCustomColors();
};
