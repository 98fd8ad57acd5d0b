#include "SettingsDialog.h"
#include "InventoryResources.h"

CSettingsDialog::CSettingsDialog(const InventorySettings& settings, CWnd* pParent)
    : CDialog(IDD_SETTINGS, pParent), m_settings(settings)
{}

BOOL CSettingsDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_lowStock.SubclassDlgItem(IDC_LOW_STOCK, this);
    m_lowStock.SetRange(0, 100000);
    m_lowStock.SetValue(m_settings.nLowStock);
    m_lowStock.SetTooltipText("Rows with fewer units than this are shown in red");

    m_vatRate.SubclassDlgItem(IDC_VAT_RATE, this);
    m_vatRate.SetPrecision(2);
    m_vatRate.SetRemoveTrailingZeros(TRUE);
    m_vatRate.SetRange(0.0, 100.0);
    m_vatRate.SetValue(m_settings.dVatRate);

    m_decimals.SubclassDlgItem(IDC_DECIMALS, this);
    m_decimals.SetRange(0, 4);
    m_decimals.SetValue(m_settings.nDecimals);
    return TRUE;
}

void CSettingsDialog::OnOK()
{
    // The fields refuse bad keystrokes, but an empty field or a lone sign is
    // still acceptable text; such a field is read as its nearest value.
    m_settings.nLowStock = (int)m_lowStock.GetValue();
    m_settings.dVatRate = m_vatRate.GetValue();
    m_settings.nDecimals = (int)m_decimals.GetValue();
    CDialog::OnOK();
}
