// The registry settings store: typed settings of an imaginary survey
// application, written with QELRegistry and read back through it, with the
// type and size the registry itself reports for each. Any value can be
// rewritten, re-read, renamed or deleted, and the font and colour dialogs
// store what they choose.
#include "GalleryFrame.h"
#include "RegistryValueCalls.h"
#include <commdlg.h>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

using namespace registry_page;

namespace {
const UINT IDC_VALUES = 700;
const UINT IDC_KIND = 701;
const UINT IDC_NAME = 702;
const UINT IDC_VALUE = 703;
const UINT IDC_WRITE = 704;
const UINT IDC_READ = 705;
const UINT IDC_DELETE = 706;
const UINT IDC_NEW_NAME = 707;
const UINT IDC_RENAME = 708;
const UINT IDC_CHOOSE_FONT = 709;
const UINT IDC_CHOOSE_COLOR = 710;
const UINT IDC_SAMPLES = 711;

const char kPageKey[] = "Software\\ZUZIVU70\\Gallery\\Registry Page";

struct Sample
{
    Kind kind;
    const char* name;
    const char* value;
};

const Sample kSamples[] = {
    { kInt, "Autosave Minutes", "10" },
    { kBool, "Show Depth Contours", "1" },
    { kColor, "Highlight Colour", "RGB(0, 120, 215)" },
    { kDword, "Tile Cache (KB)", "65536" },
    { kFloat, "Chart Scale", "0.00025" },
    { kString, "Last Survey", "C:\\Surveys\\Harbour Approach 2024\\soundings.hsv" },
    { kDate, "Last Backup", "2024-03-15 18:45" },
    { kFont, "Chart Label Font", "Tahoma, 11 pt, bold, italic" },
    { kPoint, "Toolbox Position", "640, 120" },
    { kSize, "Preview Size", "320 x 240" },
    { kRect, "Print Margins (mm)", "20, 25, 20, 30" },
};

}

class CRegistryPage : public CGalleryPage
{
public:
    BOOL OnCreatePage() override
    {
        m_reg.SetKey(kPageKey, TRUE);
        if (m_reg.GetValueCount() <= 0)
            WriteSamples();
        for (const Sample& sample : kSamples)
            m_kinds[Lower(sample.name)] = sample.kind;

        AddLabel(m_title, "Registry settings store", Row(28), TRUE);
        NextRow(4);
        CString strIntro;
        strIntro.Format("QELRegistry keeps typed settings in fixed formats under HKEY_CURRENT_USER\\%s. Every row "
                        "was stored by the Write operation of its type and is shown as the matching Read "
                        "operation gives it back; type and size are what the registry itself reports.",
                        kPageKey);
        AddLabel(m_intro, strIntro, Row(34));
        NextRow(8);

        CRect rcList = Row(232);
        m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                      rcList, this, IDC_VALUES);
        m_list.SetFont(PageFont());
        m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
        const char* columns[] = { "Name", "Stored as", "Registry type", "Bytes", "Value read back" };
        const int widths[] = { Px(170), Px(100), Px(100), Px(50), rcList.Width() - Px(170 + 100 + 100 + 50 + 24) };
        for (int c = 0; c < 5; ++c)
            m_list.InsertColumn(c, columns[c], c == 3 ? LVCFMT_RIGHT : LVCFMT_LEFT, widths[c]);
        NextRow(8);

        AddLabel(m_kindLabel, "Type", Beside(12, 40));
        CRect rcKind = RowAt(52, 24, 120);
        rcKind.bottom += Px(220);
        m_kind.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, rcKind, this, IDC_KIND);
        m_kind.SetFont(PageFont());
        for (const KindInfo& kind : kKinds)
            m_kind.AddString(kind.name);
        AddLabel(m_nameLabel, "Name", Beside(182, 40));
        AddEdit(m_name, IDC_NAME, 222, 170);
        AddLabel(m_valueLabel, "Value", Beside(402, 40));
        AddEdit(m_value, IDC_VALUE, 442, 250);
        int x = 700;
        AddButton(m_write, "Write", IDC_WRITE, x, 64);
        AddButton(m_read, "Read", IDC_READ, x, 64);
        AddButton(m_delete, "Delete", IDC_DELETE, x, 64);
        NextRow(6);

        AddLabel(m_newNameLabel, "Rename to", Beside(12, 64));
        AddEdit(m_newName, IDC_NEW_NAME, 80, 160);
        x = 248;
        AddButton(m_rename, "Rename", IDC_RENAME, x, 70);
        x += 20;
        AddButton(m_chooseFont, "Choose font...", IDC_CHOOSE_FONT, x, 104);
        AddButton(m_chooseColor, "Choose colour...", IDC_CHOOSE_COLOR, x, 110);
        AddButton(m_samples, "Restore samples", IDC_SAMPLES, x, 112);
        NextRow(8);

        AddLabel(m_status, "", Row(34));
        NextRow(6);
        m_swatch.Create("", WS_CHILD | WS_VISIBLE | SS_SUNKEN, RowAt(12, 40, 40), this);
        AddLabel(m_preview, "", RowAt(64, 40, rcList.Width() - 52));
        NextRow(8);
        AddLabel(m_gallery, "", Row(34));
        NextRow();

        Refresh();
        SelectValue(kSamples[0].name);
        ShowStatus("Select a row to fill in its type, name and value; change them and Write, or Read to see "
                   "what the registry gives back (the default when nothing fits).");
        return TRUE;
    }

    void PrepareScreenshot() override
    {
        SelectValue("Chart Label Font");
        m_list.SetFocus();
        ShowStatus(ReadCall(m_reg, kFont, "Chart Label Font") + " The line below is drawn in the font made from the "
                                                                "stored record, beside the stored highlight colour.");
    }

protected:
    // ----- handlers ------------------------------------------------------------
    void OnWrite()
    {
        CString strName = Name();
        CString strValue;
        m_value.GetWindowText(strValue);
        Kind kind = CurrentKind();
        CString strCall;
        int nResult = WriteValue(m_reg, kind, strName, strValue, &strCall);
        if (nResult < 0) {
            ShowStatus("\"" + strValue + "\" is not a value of this type. For example: " + kKinds[kind].example);
            return;
        }
        if (nResult)
            m_kinds[Lower(strName)] = kind;
        Refresh();
        SelectValue(strName);
        CString strStatus;
        strStatus.Format("%s returned %d. Read back: %s", (LPCSTR)strCall, nResult,
                         (LPCSTR)ReadText(m_reg, kind, strName));
        ShowStatus(strStatus);
    }

    void OnRead()
    {
        CString strName = Name();
        Kind kind = CurrentKind();
        CString strStatus;
        strStatus.Format("%s", (LPCSTR)ReadCall(m_reg, kind, strName));
        m_value.SetWindowText(ReadValue(m_reg, kind, strName));
        ShowStatus(strStatus);
    }

    void OnDelete()
    {
        CString strName = Name();
        CString strStatus;
        strStatus.Format("DeleteValue(%s) returned %d.", (LPCSTR)Quoted(strName), m_reg.DeleteValue(strName));
        Refresh();
        ShowStatus(strStatus);
    }

    void OnRename()
    {
        CString strOld = Name();
        CString strNew;
        m_newName.GetWindowText(strNew);
        strNew.Trim();
        m_reg.RenameValue(strOld, strNew);
        BOOL bMoved = m_reg.ValueExists(strNew) && !m_reg.ValueExists(strOld);
        if (bMoved) {
            auto it = m_kinds.find(Lower(strOld));
            if (it != m_kinds.end())
                m_kinds[Lower(strNew)] = it->second;
        }
        Refresh();
        if (bMoved)
            SelectValue(strNew);
        CString strStatus;
        strStatus.Format("RenameValue(%s, %s): %s", (LPCSTR)Quoted(strOld), (LPCSTR)Quoted(strNew),
                         bMoved ? "the value moved with its data and type."
                                : "nothing changed (the old value is missing or the new name is taken).");
        ShowStatus(strStatus);
    }

    void OnChooseFont()
    {
        CString strName = Name();
        LOGFONTA lf = {};
        CFont current;
        if (m_reg.ReadFont(strName, &current))
            current.GetLogFont(&lf);
        else
            ::GetObjectA(PageFont()->GetSafeHandle(), sizeof(lf), &lf);
        CHOOSEFONTA cf = { sizeof(cf) };
        cf.hwndOwner = m_hWnd;
        cf.lpLogFont = &lf;
        cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
        if (!::ChooseFontA(&cf))
            return;
        CFont font;
        font.CreateFontIndirect(&lf);
        int nResult = m_reg.WriteFont(strName, &font);
        if (nResult)
            m_kinds[Lower(strName)] = kFont;
        m_kind.SetCurSel(kFont);
        Refresh();
        SelectValue(strName);
        CString strStatus;
        strStatus.Format("WriteFont(%s, &font) returned %d: %s", (LPCSTR)Quoted(strName), nResult,
                         (LPCSTR)FontText(lf));
        ShowStatus(strStatus);
    }

    void OnChooseColor()
    {
        // The dialog's custom colours are the gallery's own setting, shared by every page.
        QELRegistry settings = CGalleryFrame::Settings();
        COLORREF custom[16];
        for (int i = 0; i < 16; ++i)
            custom[i] = settings.ReadColor(CustomColorName(i), RGB(255, 255, 255));
        CString strName = Name();
        CHOOSECOLORA cc = { sizeof(cc) };
        cc.hwndOwner = m_hWnd;
        cc.rgbResult = m_reg.ReadColor(strName, RGB(0, 120, 215));
        cc.lpCustColors = custom;
        cc.Flags = CC_RGBINIT | CC_FULLOPEN;
        BOOL bChosen = ::ChooseColorA(&cc);
        for (int i = 0; i < 16; ++i)
            settings.WriteColor(CustomColorName(i), custom[i]);
        if (!bChosen)
            return;
        int nResult = m_reg.WriteColor(strName, cc.rgbResult);
        if (nResult)
            m_kinds[Lower(strName)] = kColor;
        m_kind.SetCurSel(kColor);
        Refresh();
        SelectValue(strName);
        CString strStatus;
        strStatus.Format("WriteColor(%s, %s) returned %d.", (LPCSTR)Quoted(strName), (LPCSTR)ColorText(cc.rgbResult),
                         nResult);
        ShowStatus(strStatus);
    }

    void OnSamples()
    {
        WriteSamples();
        for (const Sample& sample : kSamples)
            m_kinds[Lower(sample.name)] = sample.kind;
        Refresh();
        SelectValue(kSamples[0].name);
        ShowStatus("The samples were written again with their Write operations.");
    }

    void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult)
    {
        auto* pnm = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
        *pResult = 0;
        if (m_bFilling || !(pnm->uChanged & LVIF_STATE) || !(pnm->uNewState & LVIS_SELECTED) ||
            (pnm->uOldState & LVIS_SELECTED))
            return;
        CString strName = m_names[pnm->iItem];
        Kind kind = KindOf(strName);
        m_name.SetWindowText(strName);
        if (kind != kUnknown) {
            m_kind.SetCurSel(kind);
            m_value.SetWindowText(ReadValue(m_reg, kind, strName));
        }
        m_newName.SetWindowText(strName + " (old)");
    }

    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        if (pWnd != nullptr && pWnd->m_hWnd == m_swatch.m_hWnd && m_swatchBrush.GetSafeHandle() != nullptr)
            return (HBRUSH)m_swatchBrush.GetSafeHandle();
        return CGalleryPage::OnCtlColor(pDC, pWnd, nCtlColor);
    }

    DECLARE_MESSAGE_MAP()

private:
    // ----- values ----------------------------------------------------------------
    void WriteSamples()
    {
        for (const Sample& sample : kSamples)
            WriteValue(m_reg, sample.kind, sample.name, sample.value, nullptr);
    }

    // ----- the list --------------------------------------------------------------------
    void Refresh()
    {
        m_bFilling = TRUE;
        m_list.DeleteAllItems();
        m_names.clear();
        HKEY hKey = nullptr;
        // Value names are listed straight from the registry: the class reads
        // values by name and has no enumeration of its own.
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, kPageKey, 0, KEY_READ, &hKey) == ERROR_SUCCESS) {
            char szName[256];
            for (DWORD i = 0;; ++i) {
                DWORD nName = sizeof(szName);
                LONG lResult = ::RegEnumValueA(hKey, i, szName, &nName, nullptr, nullptr, nullptr, nullptr);
                if (lResult == ERROR_NO_MORE_ITEMS)
                    break;
                if (lResult == ERROR_SUCCESS)
                    m_names.push_back(szName);
            }
            ::RegCloseKey(hKey);
        }
        for (size_t i = 0; i < m_names.size(); ++i) {
            const CString& strName = m_names[i];
            Kind kind = KindOf(strName);
            int nItem = m_list.InsertItem((int)i, strName.IsEmpty() ? CString("(Default)") : strName);
            m_list.SetItemText(nItem, 1, kind != kUnknown ? kKinds[kind].name : "?");
            m_list.SetItemText(nItem, 2, TypeName(m_reg.GetDataType(strName)));
            CString strSize;
            strSize.Format("%d", m_reg.GetDataSize(strName));
            m_list.SetItemText(nItem, 3, strSize);
            m_list.SetItemText(nItem, 4,
                               kind != kUnknown ? ReadText(m_reg, kind, strName) : CString("(unknown format)"));
        }
        m_bFilling = FALSE;
        ShowPreview();
        ShowGallerySettings();
    }

    void SelectValue(const CString& strName)
    {
        for (size_t i = 0; i < m_names.size(); ++i) {
            if (m_names[i].CompareNoCase(strName) == 0) {
                m_list.SetItemState((int)i, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
                m_list.EnsureVisible((int)i, FALSE);
                return;
            }
        }
    }

    // The sample font and colour as they read back.
    void ShowPreview()
    {
        CFont font;
        if (m_reg.ReadFont("Chart Label Font", &font)) {
            m_preview.SetFont(&font);
            m_previewFont.DeleteObject();
            m_previewFont.Attach(font.Detach());
        }
        m_preview.SetWindowText("Harbour Approach  51\xB0 57.3' N  1\xB0 17.8' E  depth 14.2 m  "
                                "(Chart Label Font)");
        m_swatchBrush.DeleteObject();
        m_swatchBrush.CreateSolidBrush(m_reg.ReadColor("Highlight Colour", ::GetSysColor(COLOR_BTNFACE)));
        m_swatch.Invalidate();
    }

    void ShowGallerySettings()
    {
        QELRegistry settings = CGalleryFrame::Settings();
        CRect rcWindow(0, 0, 0, 0);
        CString str = "The gallery remembers its own settings the same way, under HKEY_CURRENT_USER\\" +
                      settings.GetCurrentPath() + ": ";
        if (settings.ReadRect("Window", &rcWindow))
            str.AppendFormat("window at %ld, %ld, %d x %d at %d DPI%s; ", rcWindow.left, rcWindow.top, rcWindow.Width(),
                             rcWindow.Height(), settings.ReadInt("Window DPI", 96),
                             settings.ReadBool("Maximized", FALSE) ? " (maximized)" : "");
        else
            str += "no window position yet (it is saved when the gallery closes); ";
        int nPage = settings.ReadInt("Last Page", -1);
        if (nPage >= 0)
            str.AppendFormat("last page %d; ", nPage + 1);
        int nCustom = 0;
        for (int i = 0; i < 16; ++i)
            nCustom += settings.ReadColor(CustomColorName(i), RGB(255, 255, 255)) != RGB(255, 255, 255);
        str.AppendFormat("%d custom colour%s of the colour dialog.", nCustom, nCustom == 1 ? "" : "s");
        m_gallery.SetWindowText(str);
    }

    // ----- helpers -----------------------------------------------------------------------
    static CString CustomColorName(int i)
    {
        CString str;
        str.Format("Custom Colour %d", i + 1);
        return str;
    }

    static std::string Lower(const CString& str)
    {
        CString strLower = str;
        strLower.MakeLower();
        return (LPCSTR)strLower;
    }

    // The kind a value was written as here, else a guess from its type and size.
    Kind KindOf(const CString& strName)
    {
        auto it = m_kinds.find(Lower(strName));
        if (it != m_kinds.end())
            return it->second;
        DWORD dwType = m_reg.GetDataType(strName);
        if (dwType == REG_SZ || dwType == REG_EXPAND_SZ)
            return kString;
        switch (m_reg.GetDataSize(strName)) {
        case 4:
            return kInt;
        case 8:
            return kFloat;
        case 12:
            return kDate;
        case 16:
            return kRect;
        case 60:
            return kFont;
        default:
            return kUnknown;
        }
    }

    Kind CurrentKind() const
    {
        int n = m_kind.GetCurSel();
        return n >= 0 && n < kKindCount ? Kind(n) : kString;
    }

    CString Name() const
    {
        CString str;
        m_name.GetWindowText(str);
        str.Trim();
        return str;
    }

    void ShowStatus(LPCSTR lpszText) { m_status.SetWindowText(lpszText); }

    void AddEdit(CEdit& edit, UINT nID, int x, int nWidth)
    {
        edit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                      RowAt(x, 24, nWidth), this, nID);
        edit.SetFont(PageFont());
    }

    QELRegistry m_reg;
    std::map<std::string, Kind> m_kinds;
    std::vector<CString> m_names;
    BOOL m_bFilling = FALSE;

    CListCtrl m_list;
    CComboBox m_kind;
    CEdit m_name, m_value, m_newName;
    CButton m_write, m_read, m_delete, m_rename, m_chooseFont, m_chooseColor, m_samples;
    CStatic m_title, m_intro, m_kindLabel, m_nameLabel, m_valueLabel, m_newNameLabel, m_status, m_swatch, m_preview,
        m_gallery;
    CFont m_previewFont;
    CBrush m_swatchBrush;
};

BEGIN_MESSAGE_MAP(CRegistryPage, CGalleryPage)
    ON_BN_CLICKED(IDC_WRITE, OnWrite)
    ON_BN_CLICKED(IDC_READ, OnRead)
    ON_BN_CLICKED(IDC_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_RENAME, OnRename)
    ON_BN_CLICKED(IDC_CHOOSE_FONT, OnChooseFont)
    ON_BN_CLICKED(IDC_CHOOSE_COLOR, OnChooseColor)
    ON_BN_CLICKED(IDC_SAMPLES, OnSamples)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_VALUES, OnItemChanged)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

GALLERY_PAGE(CRegistryPage, "Registry", 70)
