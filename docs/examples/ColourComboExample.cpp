#include "DocExamples.h"

// [example]
// A colour field: 24 named colours and "Custom...", which opens the colour dialog.
BOOL MakeColourPicker(QELColorComboBox& colours, CWnd* pParent, UINT nID, COLORREF crCurrent)
{
    // Owner-drawn with strings: the control draws each swatch and name itself.
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    if (!colours.Create(dwStyle, CRect(10, 10, 190, 300), pParent, nID))
        return FALSE;
    // A colour in the list selects it; any other becomes the "Custom..." entry's colour.
    colours.SetColor(crCurrent);
    // Later, when the parent gets CBN_SELCHANGE from nID: colours.GetColor().
    return TRUE;
}
// [end example]
