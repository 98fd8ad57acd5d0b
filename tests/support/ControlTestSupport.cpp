#include "ControlTestSupport.h"

DialogTemplate ColourComboTemplate(UINT nComboId)
{
    DialogTemplate t("Colours", 200, 140);
    t.Add("COMBOBOX", "", nComboId,
          WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 10, 10, 120,
          120);
    return t;
}

ColourComboDialog::ColourComboDialog(UINT nComboId) : tmpl(ColourComboTemplate(nComboId)), dlg(tmpl)
{
    dlg.CreateModeless();
    combo.SubclassDlgItem(nComboId, &dlg);
    combo.UpdateWindow();
    dlg.log.Clear();
}
