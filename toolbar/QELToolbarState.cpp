// QELToolbar: the saved state, the control's own saved buttons behind the
// two options, in one registry value per toolbar.
#include "QELToolbar.h"
#include "QELToolbarParts.h"
#include "logic/ToolbarState.h"
#include "QELMemory.h"
#include <vector>

using namespace toolbar_state;

namespace {
// The size of the saved value; false when there is none to read.
bool SavedValueSize(const CString& strKey, const CString& strValue, DWORD& cbValue)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, strKey, 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS)
        return false;
    DWORD dwType = 0;
    cbValue = 0;
    LONG lResult = ::RegQueryValueExA(hKey, strValue, nullptr, &dwType, nullptr, &cbValue);
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}
}  // namespace

void QELToolbar::SaveState()
{
    if (m_hWnd == nullptr || m_strRegistryKey.IsEmpty())
        return;
    TBSAVEPARAMSA params = { HKEY_CURRENT_USER, m_strRegistryKey, m_strValueName };
    SendMessage(TB_SAVERESTOREA, TRUE, (LPARAM)&params);
}

void QELToolbar::RestoreState()
{
    if (m_hWnd == nullptr || m_strRegistryKey.IsEmpty())
        return;
    // A value too short for the options was never written by us: neither
    // the options nor the control's buttons are read from it.
    DWORD cbValue = 0;
    if (!SavedValueSize(m_strRegistryKey, m_strValueName, cbValue) || cbValue < kPrefixSize)
        return;

    const TextOptions eOldText = m_eTextOptions;
    const IconOptions eOldIcon = m_eIconOptions;
    // What the bar holds now, to put back if the control gives up half way.
    std::vector<TBBUTTON> before;
    const bool bSnapshot = qel_memory::NoThrowDone([&] {
        before.resize((size_t)m_pParts->ButtonCount());
        for (size_t i = 0; i < before.size(); i++)
            DefWindowProc(TB_GETBUTTON, (WPARAM)i, (LPARAM)&before[i]);
    });
    if (!bSnapshot)
        return;

    TBSAVEPARAMSA params = { HKEY_CURRENT_USER, m_strRegistryKey, m_strValueName };
    m_pParts->bRestoreRead = false;
    SendMessage(TB_SAVERESTOREA, FALSE, (LPARAM)&params);
    if (!m_pParts->bRestoreRead) {
        // The control never told us of the value: the options stay, and a
        // bar it emptied or cut down before giving up is put back as it was.
        m_eTextOptions = eOldText;
        m_eIconOptions = eOldIcon;
        if (m_hWnd == nullptr)
            return;
        bool bSame = (size_t)m_pParts->ButtonCount() == before.size();
        for (size_t i = 0; bSame && i < before.size(); i++) {
            TBBUTTON button;
            bSame = DefWindowProc(TB_GETBUTTON, (WPARAM)i, (LPARAM)&button) &&
                    button.idCommand == before[i].idCommand && button.fsStyle == before[i].fsStyle &&
                    button.iBitmap == before[i].iBitmap;
        }
        if (!bSame) {
            while (m_pParts->ButtonCount() > 0 && DefWindowProc(TB_DELETEBUTTON, 0, 0)) {
            }
            for (TBBUTTON& button : before)
                DefWindowProc(TB_ADDBUTTONSA, 1, (LPARAM)&button);
            m_pParts->UpdateLayoutAndCommands();
        }
        return;
    }
    // The options the value delivered are applied whatever the control answers:
    // a bar saved with every button removed comes back empty, and the control
    // calls a restore that leaves no button a failure.
    if (m_hWnd == nullptr)
        return;
    if (m_eTextOptions != eOldText)
        SetTextOptions(m_eTextOptions, TRUE);
    if (m_eIconOptions != eOldIcon)
        SetIconOptions(m_eIconOptions, TRUE);
}

void QELToolbar::OnSave(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    auto* pSave = reinterpret_cast<NMTBSAVE*>(pNMHDR);
    if (pSave->iItem != -1 || pSave->cbData > MAXDWORD - kPrefixSize)
        return;
    // Without a block of ours the control saves its buttons alone.
    const DWORD cbData = pSave->cbData + (DWORD)kPrefixSize;
    // The block is the control's from here on: Windows' toolbar frees the data
    // block once it has stored the value (that is why it must come from
    // LocalAlloc), so nothing here keeps or frees it. Wine's frees only a block
    // it allocated itself and leaves this one; freeing it here would free it
    // twice on Windows (docs/platform.md).
    HLOCAL hBlock = ::LocalAlloc(LMEM_FIXED, cbData);
    if (hBlock == nullptr)
        return;
    SavedOptions options;
    options.nIconOptions = m_eIconOptions;
    options.nTextOptions = m_eTextOptions;
    WritePrefix(static_cast<uint8_t*>(hBlock), cbData, options);
    pSave->pData = static_cast<DWORD*>(hBlock);
    pSave->pCurrent = pSave->pData + kPrefixSize / sizeof(DWORD);
    pSave->cbData = cbData;
}

void QELToolbar::OnRestore(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    auto* pRestore = reinterpret_cast<NMTBRESTORE*>(pNMHDR);
    if (pRestore->iItem != -1)
        return;
    SavedOptions options;
    if (!ReadPrefix(reinterpret_cast<const uint8_t*>(pRestore->pData), (size_t)pRestore->cbData, options)) {
        pRestore->cButtons = 0;
        return;
    }
    pRestore->cButtons =
        RecordCount((size_t)pRestore->cbData, pRestore->cbBytesPerRecord > 0 ? (size_t)pRestore->cbBytesPerRecord : 0);
    pRestore->pCurrent = pRestore->pData + kPrefixSize / sizeof(DWORD);
    // The fields take the values as saved, "not set" (-1) included; a value
    // that is neither an option nor -1 reads as not set.
    m_eIconOptions = (IconOptions)SavedIconOptions(options.nIconOptions);
    m_eTextOptions = (TextOptions)SavedTextOptions(options.nTextOptions);
    m_pParts->bRestoreRead = true;
}
