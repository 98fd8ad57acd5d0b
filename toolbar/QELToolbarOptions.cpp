// QELToolbar: text labels and image sizes of the buttons.
#include "QELToolbar.h"
#include "QELToolbarParts.h"
#include "QELDpi.h"
#include "QELMemory.h"
#include <cstring>

namespace {
// The control's string pool takes a list of strings ended by an empty one.
int AddPoolString(CToolBar& bar, const CString& strText)
{
    const int nLength = strText.GetLength();
    return qel_memory::NoThrow(-1, [&] {
        char* pszList = new char[(size_t)nLength + 2];
        memcpy(pszList, (LPCSTR)strText, (size_t)nLength);
        pszList[nLength] = '\0';
        pszList[nLength + 1] = '\0';
        int nIndex = (int)bar.DefWindowProc(TB_ADDSTRINGA, 0, (LPARAM)pszList);
        delete[] pszList;
        return nIndex;
    });
}
}  // namespace

CSize QELToolbar::Parts::ImageSizeFor(IconOptions eIconOptions) const
{
    // One image well serves every DPI: it is stretched to the size the images
    // have at the bar's DPI, so they keep their size beside the labels.
    const CSize size = eIconOptions == SmallIcons ? m_szImageSmall : m_szImageLarge;
    const int nDpi = qel_dpi::DpiOf(bar.GetSafeHwnd());
    return CSize(qel_dpi::Scale(size.cx, nDpi), qel_dpi::Scale(size.cy, nDpi));
}

void QELToolbar::Parts::RemeasureButtons()
{
    int nRows = (int)bar.SendMessage(TB_GETTEXTROWS, 0, 0);
    bar.SendMessage(WM_SETREDRAW, FALSE, 0);
    bar.SendMessage(TB_SETMAXTEXTROWS, (WPARAM)(nRows + 1), 0);
    bar.SendMessage(TB_SETMAXTEXTROWS, (WPARAM)nRows, 0);
    bar.SendMessage(WM_SETREDRAW, TRUE, 0);
}

void QELToolbar::Parts::UpdateLayoutAndCommands()
{
    bar.PositionControls();
    if (CFrameWnd* pFrame = bar.GetParentFrame())
        pFrame->RecalcLayout();
    bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
}

void QELToolbar::SetTextOptions(TextOptions eTextOptions, BOOL bUpdate)
{
    m_eTextOptions = eTextOptions;
    if (m_hWnd == nullptr)
        return;
    const bool bLabels = eTextOptions == ShowTextLabels || eTextOptions == SelectiveTextOnRight;
    const bool bSelective = eTextOptions == SelectiveTextOnRight;
    ModifyStyle(bSelective ? 0 : TBSTYLE_LIST, bSelective ? TBSTYLE_LIST : 0);
    DWORD dwExStyle = (DWORD)SendMessage(TB_GETEXTENDEDSTYLE, 0, 0);
    dwExStyle = bSelective ? (dwExStyle | TBSTYLE_EX_MIXEDBUTTONS) : (dwExStyle & ~TBSTYLE_EX_MIXEDBUTTONS);
    SendMessage(TB_SETEXTENDEDSTYLE, 0, (LPARAM)dwExStyle);

    // The parent hears of every button written back and may change the
    // table meanwhile: each entry is copied and its index checked again.
    for (INT_PTR i = 0; i < m_arrButtonInfo.GetSize(); i++) {
        CToolBarButtonInfo info = m_arrButtonInfo[i];
        int nIndex = CommandToIndex((UINT)info.tbButton.idCommand);
        if (nIndex < 0)
            continue;
        TBBUTTON button;
        _GetButton(nIndex, &button);
        if (button.fsStyle & TBSTYLE_SEP)
            continue;

        INT_PTR nString = -1;
        if (bLabels && !info.strText.IsEmpty()) {
            void* pValue = nullptr;
            if (m_pStringMap != nullptr && m_pStringMap->Lookup(info.strText, pValue) && (INT_PTR)pValue != -1) {
                nString = (INT_PTR)pValue;
            } else {
                CMapStringToPtr* pMap = CreateStringMap();
                nString = AddPoolString(*this, info.strText);
                if (nString != -1)
                    pMap->SetAt(info.strText, (void*)nString);
            }
        }

        switch (eTextOptions) {
        case ShowTextLabels:
            button.iString = nString;
            button.fsStyle = (BYTE)((button.fsStyle & ~BTNS_SHOWTEXT) | TBSTYLE_AUTOSIZE);
            break;
        case SelectiveTextOnRight:
            if (nString != -1 && HasButtonText(button.idCommand)) {
                button.iString = nString;
                button.fsStyle |= BTNS_SHOWTEXT | TBSTYLE_AUTOSIZE;
            } else {
                button.fsStyle = (BYTE)((button.fsStyle & ~BTNS_SHOWTEXT) | TBSTYLE_AUTOSIZE);
            }
            break;
        case NoTextLabels:
            button.iString = -1;
            button.fsStyle = (BYTE)((button.fsStyle & ~BTNS_SHOWTEXT) | TBSTYLE_AUTOSIZE);
            break;
        default:
            break;
        }

        if (i < m_arrButtonInfo.GetSize() && m_arrButtonInfo[i].tbButton.idCommand == info.tbButton.idCommand) {
            m_arrButtonInfo[i].tbButton = button;
            m_arrButtonInfo[i].tbButton.fsState ^= TBSTATE_ENABLED;
        }
        // The index is asked again: a label may have made the parent move buttons.
        nIndex = CommandToIndex((UINT)button.idCommand);
        if (nIndex >= 0)
            _SetButton(nIndex, &button);
    }
    SendMessage(TB_SETMAXTEXTROWS, bLabels ? 1 : 0, 0);
    if (bUpdate)
        m_pParts->UpdateLayoutAndCommands();
}

void QELToolbar::SetIconOptions(IconOptions eIconOptions, BOOL bUpdate)
{
    m_eIconOptions = eIconOptions;
    if (m_hWnd == nullptr)
        return;
    if (eIconOptions == SmallIcons || eIconOptions == LargeIcons) {
        CSize sizeImage = m_pParts->ImageSizeFor(eIconOptions);
        m_sizeImage = sizeImage;
        SetIconOptionBitmap(eIconOptions);
        SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
    }
    m_pParts->RemeasureButtons();
    if (bUpdate)
        m_pParts->UpdateLayoutAndCommands();
}

void QELToolbar::OnSysColorChange()
{
    m_clrBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    m_clrBtnHilight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_clrBtnFace = ::GetSysColor(COLOR_BTNFACE);
    // The control keeps its own copy of the colours it draws with. The base
    // toolbar is not asked: it would reload the remembered image well at the
    // bitmap's own size. The well follows the icon option instead (for a bar
    // whose icons were never chosen that is only a new measure of its buttons).
    Default();
    SetIconOptions(m_eIconOptions, TRUE);
}
