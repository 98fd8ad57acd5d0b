// QELColorComboBox: the named colours, selection by colour, owner drawing and
// the custom colour.
#include "QELColorComboBox.h"
#include "QELDpi.h"
#include "QELWindowLife.h"
#include "afxdlgs.h"

IMPLEMENT_DYNAMIC(QELColorComboBox, CComboBox)

BEGIN_MESSAGE_MAP(QELColorComboBox, CComboBox)
    ON_CONTROL_REFLECT_EX(CBN_SELCHANGE, OnSelchange)
    ON_CONTROL_REFLECT_EX(CBN_DROPDOWN, OnDropdown)
    ON_CONTROL_REFLECT_EX(CBN_SELENDOK, OnSelendok)
    ON_CONTROL_REFLECT_EX(CBN_SELENDCANCEL, OnSelendcancel)
    ON_CONTROL_REFLECT_EX(CBN_CLOSEUP, OnCloseup)
    ON_WM_CREATE()
END_MESSAGE_MAP()

namespace {
const char kCustomName[] = "Custom...";
const COLORREF kCustomInitial = RGB(255, 255, 255);
// The swatch's inset in the item, and the text's from the swatch's right and
// the item's top, at 96 DPI.
const int kItemInset = 2;
}

const QELColorComboBox::NamedColor QELColorComboBox::m_NamedColors[NamedColorCount] = {
    { RGB(255, 255, 255), "White" },
    { RGB(230, 230, 230), "Light Gray" },
    { RGB(190, 190, 190), "Gray" },
    { RGB(128, 128, 128), "Dark Gray" },
    { RGB(0, 0, 0), "Black" },
    { RGB(255, 0, 0), "Red" },
    { RGB(191, 63, 63), "Brown" },
    { RGB(255, 127, 0), "Orange" },
    { RGB(255, 191, 0), "Gold" },
    { RGB(255, 255, 0), "Yellow" },
    { RGB(127, 255, 0), "Chartreuse" },
    { RGB(0, 255, 0), "Green" },
    { RGB(0, 127, 0), "Dark Green" },
    { RGB(63, 191, 127), "Sea Green" },
    { RGB(127, 255, 191), "Aquamarine" },
    { RGB(0, 255, 255), "Cyan" },
    { RGB(63, 191, 191), "Turquoise" },
    { RGB(191, 191, 255), "Lavender" },
    { RGB(0, 0, 255), "Blue" },
    { RGB(0, 0, 191), "Dark Blue" },
    { RGB(191, 63, 255), "Purple" },
    { RGB(255, 0, 255), "Magenta" },
    { RGB(255, 127, 255), "Violet" },
    { RGB(255, 191, 191), "Pink" },
};

QELColorComboBox::QELColorComboBox() = default;

QELColorComboBox::~QELColorComboBox() = default;

void QELColorComboBox::PreSubclassWindow()
{
    CComboBox::PreSubclassWindow();
    // A new window: nothing of an earlier window's choice is pending (a
    // window destroyed while its colour dialog was open left the box busy).
    m_bBusy = false;
    m_bCustomPending = false;
    m_nListEnd = 0;
    Initialise();
}

int QELColorComboBox::OnCreate(LPCREATESTRUCT)
{
    if (Default() == -1)
        return -1;
    // Created rather than subclassed: the list could not take entries before
    // the combo box itself existed.
    if (GetCount() <= 0)
        Initialise();
    return 0;
}

void QELColorComboBox::Initialise()
{
    for (const NamedColor& entry : m_NamedColors)
        AddColor(entry.strName, entry.crColor);
    AddColor(kCustomName, kCustomInitial);
    SetCurSel(0);
    m_nLastSel = 0;
}

int QELColorComboBox::CustomIndex()
{
    const int nLast = GetCount() - 1;
    return IsCustom(nLast) ? nLast : -1;
}

bool QELColorComboBox::IsCustom(int nIndex)
{
    if (nIndex < 0 || GetLBTextLen(nIndex) != static_cast<int>(sizeof(kCustomName) - 1))
        return false;
    CString strName;
    GetLBText(nIndex, strName);
    return strName == kCustomName;
}

void QELColorComboBox::AddColor(CString strName, COLORREF crColor)
{
    // Appended after "Custom...", a colour would take its place as the last
    // entry, and SetColor would then write unknown colours into it.
    const int nCustom = CustomIndex();
    int nIndex = nCustom >= 0 ? InsertString(nCustom, strName) : AddString(strName);
    if (nIndex >= 0)
        SetItemData(nIndex, crColor);
}

void QELColorComboBox::SetColor(COLORREF crColor)
{
    const int nCount = GetCount();
    for (int i = 0; i < nCount; ++i) {
        if (static_cast<COLORREF>(GetItemData(i)) == crColor) {
            SetCurSel(i);
            return;
        }
    }
    // No entry has it: it becomes the custom colour.
    const int nCustom = CustomIndex();
    SetCurSel(nCustom >= 0 ? nCustom : nCount - 1);
    int nSelected = GetCurSel();
    if (nSelected >= 0) {
        SetItemData(nSelected, crColor);
        // The closed field was drawn with the old colour.
        Invalidate();
    }
}

COLORREF QELColorComboBox::GetColor() { return static_cast<COLORREF>(GetItemData(GetCurSel())); }

BOOL QELColorComboBox::OnSelchange()
{
    // Our own word to the parent after a held-back custom choice.
    if (m_bBusy)
        return FALSE;
    const int nSelected = GetCurSel();
    if (!IsCustom(nSelected)) {
        m_bCustomPending = false;
        m_nLastSel = nSelected;
        return FALSE;
    }
    if (GetDroppedState()) {
        // Moving through the open list with the arrow keys: a dialog now
        // would open over the list on the way past. Held back, parent's
        // notification too, until the list closes.
        m_bCustomPending = true;
        m_nListEnd = 0;
        return TRUE;
    }
    m_bCustomPending = false;
    ChooseCustomColor(false);
    return FALSE;
}

BOOL QELColorComboBox::OnDropdown()
{
    // Whatever the application selected last, Escape returns to it.
    m_nLastSel = GetCurSel();
    m_bCustomPending = false;
    m_nListEnd = 0;
    return FALSE;
}

BOOL QELColorComboBox::OnSelendok()
{
    m_nListEnd = IDOK;
    return FALSE;
}

BOOL QELColorComboBox::OnSelendcancel()
{
    m_nListEnd = IDCANCEL;
    return FALSE;
}

BOOL QELColorComboBox::OnCloseup()
{
    if (m_bCustomPending && !m_bBusy) {
        m_bCustomPending = false;
        if (m_nListEnd == IDCANCEL || !IsCustom(GetCurSel())) {
            // Nothing was chosen: back to what the parent last heard of.
            if (m_nListEnd == IDCANCEL && m_nLastSel >= 0 && m_nLastSel < GetCount())
                SetCurSel(m_nLastSel);
        } else if (!ChooseCustomColor(true)) {
            return FALSE;
        }
    }
    m_nListEnd = 0;
    return FALSE;
}

bool QELColorComboBox::ChooseCustomColor(bool bTellParent)
{
    if (m_bBusy)
        return true;
    m_bBusy = true;
    const HWND hWnd = m_hWnd;
    const int nSelected = GetCurSel();
    CColorDialog dlg(static_cast<COLORREF>(GetItemData(nSelected)), 0, nullptr);
    const bool bChosen = dlg.DoModal() == IDOK;
    // The dialog has no owner: the application ran on while it was open.
    if (!qel_life::StillOwns(this, hWnd))
        return false;
    if (bChosen && GetCurSel() == nSelected) {
        SetItemData(nSelected, dlg.GetColor());
        Invalidate();
    }
    m_nLastSel = GetCurSel();
    CWnd* pParent = GetParent();
    if (bTellParent && pParent != nullptr) {
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CBN_SELCHANGE), reinterpret_cast<LPARAM>(hWnd));
        if (!qel_life::StillOwns(this, hWnd))
            return false;
    }
    m_bBusy = false;
    return true;
}

void QELColorComboBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct == nullptr)
        return;
    const COLORREF crWindow = ::GetSysColor(COLOR_WINDOW);
    const COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF crWindowText = ::GetSysColor(COLOR_WINDOWTEXT);

    // The item's DC stays the combo box's: borrowed for the drawing only.
    CDC dc;
    if (!dc.Attach(lpDrawItemStruct->hDC))
        return;

    CRect rcItem(lpDrawItemStruct->rcItem);
    const int nQuarter = rcItem.Width() / 4;
    COLORREF crText;
    COLORREF crBack;
    if (lpDrawItemStruct->itemState & ODS_SELECTED) {
        crText = ~crWindowText & 0x00FFFFFF;
        crBack = crHighlight;
    } else {
        crText = crWindowText;
        crBack = crWindow;
    }
    dc.FillSolidRect(rcItem, crBack);
    if (lpDrawItemStruct->itemState & ODS_FOCUS)
        dc.DrawFocusRect(rcItem);

    const int nDpi = qel_dpi::DpiOf(m_hWnd);
    const int nInset = qel_dpi::Scale(kItemInset, nDpi);
    CRect rcSwatch = rcItem;
    rcSwatch.DeflateRect(nInset, nInset);
    rcSwatch.right = nQuarter;
    const CPoint ptText(rcItem.left + nQuarter + nInset, rcItem.top + nInset);

    if (lpDrawItemStruct->itemID != static_cast<UINT>(-1)) {
        const int nItem = static_cast<int>(lpDrawItemStruct->itemID);
        CString strName;
        GetLBText(nItem, strName);
        COLORREF crSwatch;
        if (lpDrawItemStruct->itemState & ODS_DISABLED) {
            crSwatch = ::GetSysColor(COLOR_INACTIVECAPTIONTEXT);
            crText = crSwatch;
        } else {
            crSwatch = static_cast<COLORREF>(lpDrawItemStruct->itemData);
        }
        dc.SetTextColor(crText);
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(ptText.x, ptText.y, strName);
        dc.FillSolidRect(rcSwatch, crSwatch);
        // A one-pixel black frame at 96 DPI, as thick as the DPI makes a pixel.
        CBrush* pBlack = CBrush::FromHandle(static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        dc.FrameRect(rcSwatch, pBlack);
        CRect rcFrame = rcSwatch;
        for (int i = 1; i < qel_dpi::Scale(1, nDpi); ++i) {
            rcFrame.DeflateRect(1, 1);
            if (rcFrame.IsRectEmpty())
                break;
            dc.FrameRect(rcFrame, pBlack);
        }
    }
    dc.Detach();
}
