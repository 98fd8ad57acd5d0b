// The usage examples quoted by the pages of docs/. Each page shows the part of
// its .cpp between the "[example]" and "[end example]" lines; DocsTests
// compiles and runs every one, and the DocsQuoted test checks that each page
// quotes its file as it is.
#pragma once
#include "ZUZIVU70.h"

// list.md
BOOL ShowParts(QELListCtrl& list, CWnd* pParent, UINT nID);
// labels-and-links.md
void MakeLinks(QELStatic& title, QELStatic& support, QELHyperlink& website, CWnd* pParent);
// colour-combo-box.md
BOOL MakeColourPicker(QELColorComboBox& colours, CWnd* pParent, UINT nID, COLORREF crCurrent);
// numeric-edits.md
void MakeOrderFields(QELIntegerEdit& quantity, QELRealEdit& discount, CWnd* pParent);
// registry.md
void SaveViewSettings(const CString& strKey, const CRect& rcWindow, COLORREF crAccent, double dZoom);
BOOL LoadViewSettings(const CString& strKey, CRect* pWindow, COLORREF* pAccent, double* pZoom);
// dialogs.md
CString BackupName(const CString& strDocument);
void CopyFiles(const CStringArray& files, CWnd* pParent);
BOOL AskOffset(CWnd* pParent, double& dOffset);
// toolbar.md
BOOL MakeMainToolbar(QELToolbar& bar, CFrameWnd* pFrame);
