#include "DocExamples.h"

// [example]
// A view's settings under HKEY_CURRENT_USER\<strKey>, in the library's fixed formats.
void SaveViewSettings(const CString& strKey, const CRect& rcWindow, COLORREF crAccent, double dZoom)
{
    QELRegistry reg;                // HKEY_CURRENT_USER
    if (!reg.SetKey(strKey, TRUE))  // opened, or created with every missing level
        return;
    reg.WriteRect("Window", &rcWindow);  // REG_BINARY, 16 bytes
    reg.WriteColor("Accent", crAccent);  // REG_BINARY, 4 bytes
    reg.WriteFloat("Zoom", dZoom);       // REG_BINARY, 8 bytes
}

BOOL LoadViewSettings(const CString& strKey, CRect* pWindow, COLORREF* pAccent, double* pZoom)
{
    QELRegistry reg;
    if (!reg.SetKey(strKey))  // not created: a first run keeps the defaults
        return FALSE;
    // Reads never fail loudly: a missing value gives the default passed in.
    *pAccent = reg.ReadColor("Accent", *pAccent);
    *pZoom = reg.ReadFloat("Zoom", *pZoom);
    return reg.ReadRect("Window", pWindow);  // 0, and *pWindow untouched, without a stored rectangle
}
// [end example]
