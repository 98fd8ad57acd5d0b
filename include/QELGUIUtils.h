// QELGUIUtils: small standard interactions in one call each — asking for a
// real number or a 3D coordinate, an about box, a formatted message, a unit
// converter, a message box with a "Do not show again" check box — and the
// splitting of file paths.
//
// The dialogs come from the library's own templates, which are found even when
// the application has resources with the same ids. A parent given as HWND*
// may be null: the framework then chooses the owner (the main window).
#pragma once
#include "ZUZIVU70Defs.h"
#include <cfloat>

class CMDIFrameWnd;
class CToolBar;

class QEL_API QELGUIUtils
{
public:
    // Only static operations: objects hold nothing.
    QELGUIUtils();
    ~QELGUIUtils();
    QELGUIUtils& operator=(const QELGUIUtils&);

    // ----- file paths (text only; '\' and '/' both separate) ----------------------------
    // Drive ("C:"), folder (to its last separator), name and extension (after
    // the name's last '.', without the dot). Parts longer than 255 characters are cut.
    static void SplitPath(const CString& strPath, CString& strDrive, CString& strFolder, CString& strName,
                          CString& strExtension);
    static CString GetExtension(const CString& strPath);
    static CString GetName(const CString& strPath);
    // Drive and folder, trailing separator kept.
    static CString GetFolder(const CString& strPath);

    // ----- toolbars -----------------------------------------------------------------------
    // Docks pBar in pFrame on the same row as pReference, right after it, as
    // if it had been dragged there (the dock bar of pReference's side). A
    // reference that is not docked in pFrame (floating, never docked, or
    // another frame's) has no row to join: pBar then docks where
    // DockControlBar(pBar) puts it. Nothing happens for a null
    // frame or bar, bars without windows, or pBar == pReference.
    static void DockToolbar(CMDIFrameWnd* pFrame, CToolBar* pBar, CToolBar* pReference);

    // ----- pictures -------------------------------------------------------------------------
    // Saves what the window shows on the screen now, frame and children, with the
    // visible windows it owns (floating toolbars) over it, as a PNG file (a
    // path in the program's terms: "shot.png", "C:\\shots\\main.png").
    // Under Wine's headless driver too, where nothing is shown: the picture of a
    // run without a user. FALSE for a window that does not exist or has no size,
    // a path that cannot be written, or no PNG encoder.
    static BOOL SaveWindowPng(HWND hWnd, LPCSTR lpszPath);

    // ----- prompts --------------------------------------------------------------------------
    // Asks for one number. DBL_MIN as minimum and DBL_MAX as maximum stand for
    // no bound. 1 with the number in dValue after OK; 0 after Cancel or when
    // the dialog could not be shown, dValue untouched.
    static int Real(double& dValue, CString strTitle = "", CString strPrompt = "", double dMin = DBL_MIN,
                    double dMax = DBL_MAX, int bMinInclusive = TRUE, int bMaxInclusive = TRUE, HWND* pParent = nullptr);
    // Asks for x, y and z: 1 after OK with the three numbers; 0 after Cancel or
    // when the dialog could not be shown, the values untouched.
    static int Coordinates(double& dX, double& dY, double& dZ, CString strTitle = "", HWND* pParent = nullptr);
    // The about box: the product line in bold (and in the caption), the name and company lines.
    static void About(const CString& strProduct, const CString& strName, const CString& strCompany,
                      HWND* pParent = nullptr);
    // Formats as printf does (the text is never cut) and shows it in the
    // application's message box with an OK button. Strings go in as LPCSTR
    // (a CString as (LPCSTR)str); the compiler's format check names a mistake.
    static void Message(const char* lpszFormat, ...) AFX_PRINTF_FORMAT(1, 2);
    // A length converter over ten units (0 Microns ... 4 Kilometers, 5
    // Microinches ... 9 Miles); the indexes preselect the two lists.
    static void UnitConverter(int nFromUnit, int nToUnit, HWND* pParent = nullptr);
    // The application's message box with a check box below (QELCheckMessageBox):
    // the button pressed, and nCheckState 1 exactly when the check box was left marked.
    static int CheckMessageBox(CWnd* pParent, const CString& strText, int& nCheckState, UINT nType = MB_OK,
                               UINT nHelpId = 0, CString strCheckText = "Do not show again");
};
