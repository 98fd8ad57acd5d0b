// What the dialog tests share: reading a dialog's controls where the answer
// runs, and a hook that refuses dialog windows to make a dialog fail.
#pragma once
#include "TestApp.h"
#include "WindowQueries.h"
#include <string>

// Replaces a field's text by typing, as a user would: every character passes the field's filter.
void Retype(HWND hEdit, const char* text);

// The rectangle of a control in dialog units, as the template placed it:
// its window rectangle in the dialog's client coordinates, compared with the
// template's units mapped through the dialog's font.
struct DialogUnits
{
    int x, y, cx, cy;
};
// Empty when the layout matches; otherwise what differs, for the failure message.
std::string CheckPlacement(HWND hDlg, int nID, DialogUnits expected, bool bCheckHeight = true);

// While it exists, every dialog window (#32770) this thread tries to create
// is refused as it is being created.
class RefuseDialogs
{
public:
    RefuseDialogs();
    ~RefuseDialogs();
    RefuseDialogs(const RefuseDialogs&) = delete;
    RefuseDialogs& operator=(const RefuseDialogs&) = delete;
    int Refused() const;

private:
    HHOOK m_hHook;
};

// Makes the thread's application object name a main window for a scope.
class MainWindowScope
{
public:
    explicit MainWindowScope(CWnd* pMain);
    ~MainWindowScope();

private:
    CWnd* m_pPrevious;
};
