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
// [end example]
