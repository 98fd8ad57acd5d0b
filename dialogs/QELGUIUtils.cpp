// QELGUIUtils: the path operations, the formatted message and the check
// message box; the library's dialogs are shown from GUIDialogs.cpp.
#include "QELGUIUtils.h"
#include "QELCheckMessageBox.h"
#include "logic/PathSplit.h"
#include "QELAnsiChars.h"
#include "QELMemory.h"
#include <cstdarg>

QELGUIUtils::QELGUIUtils() = default;
QELGUIUtils::~QELGUIUtils() = default;
QELGUIUtils& QELGUIUtils::operator=(const QELGUIUtils&) { return *this; }

void QELGUIUtils::SplitPath(const CString& strPath, CString& strDrive, CString& strFolder, CString& strName,
                            CString& strExtension)
{
    // Out of memory, every part is empty: no part is ever given cut or stale.
    path_split::PathParts parts;
    if (!qel_memory::NoThrowDone(
            [&] { parts = path_split::SplitPath(strPath, (size_t)strPath.GetLength(), qel_ansi::Chars()); })) {
        strDrive.Empty();
        strFolder.Empty();
        strName.Empty();
        strExtension.Empty();
        return;
    }
    strDrive = CString(parts.drive.c_str(), (int)parts.drive.size());
    strFolder = CString(parts.folder.c_str(), (int)parts.folder.size());
    strName = CString(parts.name.c_str(), (int)parts.name.size());
    strExtension = CString(parts.extension.c_str(), (int)parts.extension.size());
}

CString QELGUIUtils::GetExtension(const CString& strPath)
{
    CString strDrive, strFolder, strName, strExtension;
    SplitPath(strPath, strDrive, strFolder, strName, strExtension);
    return strExtension;
}

CString QELGUIUtils::GetName(const CString& strPath)
{
    CString strDrive, strFolder, strName, strExtension;
    SplitPath(strPath, strDrive, strFolder, strName, strExtension);
    return strName;
}

CString QELGUIUtils::GetFolder(const CString& strPath)
{
    CString strDrive, strFolder, strName, strExtension;
    SplitPath(strPath, strDrive, strFolder, strName, strExtension);
    return strDrive + strFolder;
}

void QELGUIUtils::Message(const char* lpszFormat, ...)
{
    // Formatted to its full length, however long: never cut, never past a buffer.
    CString strText;
    va_list args;
    va_start(args, lpszFormat);
    strText.FormatV(lpszFormat, args);
    va_end(args);
    // The caller's resource context: the box uses nothing of the library's.
    AfxMessageBox(strText, MB_OK, 0);
}

int QELGUIUtils::CheckMessageBox(CWnd* pParent, const CString& strText, int& nCheckState, UINT nType, UINT nHelpId,
                                 CString strCheckText)
{
    // The box always starts clear: the incoming state is not read.
    QELCheckMessageBox box(pParent, strCheckText);
    int nResult = box.Message(strText, nType, nHelpId);
    nCheckState = box.GetChecked();
    return nResult;
}
