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
//
// From the keyboard: an arrow key that lands on "Custom..." in the closed box
// opens the dialog as a click does. In the dropped list the choice waits
// until the list closes: Enter opens the dialog, Escape closing the list
// returns to the entry selected before. Cancel in the dialog keeps the
// custom entry selected with the colour it had. Colours added with AddColor
// go in before "Custom...", which stays last.
#pragma once
#include "ZUZIVU70Defs.h"

class QEL_API QELColorComboBox : public CComboBox
{
    DECLARE_DYNAMIC(QELColorComboBox)
public:
    QELColorComboBox();
    ~QELColorComboBox() override;

    // Adds an entry at the end of the named colours, before "Custom..." (at
    // the end when there is no custom entry); its colour is set only when the
    // string was added.
    void AddColor(CString strName, COLORREF crColor);
    // Selects the first entry from the top with this colour; when none has it,
    // the custom entry (the last one) is selected and takes the colour.
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
    BOOL OnDropdown();
    BOOL OnSelendok();
    BOOL OnSelendcancel();
    BOOL OnCloseup();
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()

private:
    void Initialise();
    // Index of the custom entry: the last one, when its text is "Custom...";
    // -1 when the list ends otherwise.
    int CustomIndex();
    bool IsCustom(int nIndex);
    // The colour dialog for the selected custom entry; then the parent hears
    // of the change when bTellParent (its own notification was held back).
    // False when the box is gone afterwards: the application deleted it or
    // destroyed its window while the dialog was open or the parent was told.
    bool ChooseCustomColor(bool bTellParent);

    // "Custom..." reached in the dropped list: chosen when the list closes.
    bool m_bCustomPending = false;
    // How the dropped list ended: 0 not yet, IDOK or IDCANCEL.
    int m_nListEnd = 0;
    // The last selection the parent was told of, to return to on Escape.
    int m_nLastSel = -1;
    // Guards against a second dialog while one runs, and against our own
    // notification to the parent coming back reflected.
    bool m_bBusy = false;
};
