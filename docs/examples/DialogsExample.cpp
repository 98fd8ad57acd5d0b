#include "DocExamples.h"

// [example]
// "C:\Orders\March.ord" -> "C:\Orders\March (backup).ord"
CString BackupName(const CString& strDocument)
{
    CString strDrive, strFolder, strName, strExtension;
    QELGUIUtils::SplitPath(strDocument, strDrive, strFolder, strName, strExtension);
    // The extension comes without its dot ("ord"); a name without one has none.
    CString strBackup = strDrive + strFolder + strName + " (backup)";
    return strExtension.IsEmpty() ? strBackup : strBackup + "." + strExtension;
}

// A long task with a modeless progress window over its parent.
void CopyFiles(const CStringArray& files, CWnd* pParent)
{
    QELProgress progress("Copying", "Starting", 0, (double)files.GetSize(), pParent);
    progress.StartProgress();
    for (INT_PTR i = 0; i < files.GetSize(); ++i) {
        progress.SetStatus("Copying " + QELGUIUtils::GetName(files[i]));
        ::CopyFileA(files[i], BackupName(files[i]), FALSE);
        progress.StepIt(1);
    }
    progress.EndProgress();
}

// Asks for an offset, which may be negative, starting from the one in use.
// The field starts with dOffset, which changes only after OK. DBL_MIN (the
// smallest positive double, not the lowest one) stands for "no lower bound",
// as DBL_MAX does for no upper one. The parent is given by the address of its
// window handle.
BOOL AskOffset(CWnd* pParent, double& dOffset)
{
    HWND hParent = pParent->GetSafeHwnd();
    return QELGUIUtils::Real(dOffset, "Offset", "Offset in mm:", DBL_MIN, DBL_MAX, TRUE, TRUE, &hParent) == 1;
}
// [end example]
