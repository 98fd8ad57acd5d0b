// QELColorComboBox: a drop-down list of 24 named colours and a "Custom..."
// entry, each drawn as a swatch beside its name.
//
// Subclass a combo box of a dialog with it, or create it; the list is filled
// when it is attached and "White" is selected. The combo box must be owner-drawn with
// fixed-height items, keep its strings and not sort them
// (CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS). Choosing
// "Custom..." opens the system colour dialog; the colour chosen there becomes
// the custom entry's colour. The parent still receives CBN_SELCHANGE, after
// any custom choice, so it can read the new colour with GetColor.
#pragma once
#include "ZUZIVU70Defs.h"

class QEL_API QELColorComboBox : public CComboBox
{
    DECLARE_DYNAMIC(QELColorComboBox)
public:
    QELColorComboBox();
    ~QELColorComboBox() override;

    // Appends an entry; its colour is set only when the string was added.
    void AddColor(CString strName, COLORREF crColor);
    // Selects the first entry from the top with this colour; when none has it,
    // the last entry ("Custom...") is selected and takes the colour.
    void SetColor(COLORREF crColor);
    // The colour of the selected entry; CB_ERR (0xFFFFFFFF) with no selection.
    COLORREF GetColor();

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    // One entry of the class-wide table of named colours.
    struct NamedColor
    {
        COLORREF crColor;
        CString strName;
    };
    enum { NamedColorCount = 24 };
    // Built when the module loads; never changed afterwards.
    static const NamedColor m_NamedColors[NamedColorCount];

protected:
    void PreSubclassWindow() override;
    // Returns FALSE so that the parent sees the notification as well.
    BOOL OnSelchange();
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()

private:
    void Initialise();
};
