// The settings dialog: numeric fields that refuse what they cannot hold.
#pragma once
#include "InventoryStore.h"

class CSettingsDialog : public CDialog
{
public:
    CSettingsDialog(const InventorySettings& settings, CWnd* pParent);
    // The values the user accepted (the ones given while the dialog did not end with OK).
    const InventorySettings& GetSettings() const { return m_settings; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    InventorySettings m_settings;
    QELIntegerEdit m_lowStock;
    QELRealEdit m_vatRate;
    QELIntegerEdit m_decimals;
};
