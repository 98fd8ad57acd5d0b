// QELToolbar: the class frame (fields, class-wide values, message map, life)
// and the common-controls version it lays wrapping separators out by.
#include "QELToolbar.h"
#include "QELToolbarParts.h"
#include "ToolbarOwnedObjects.h"
#include <new>

IMPLEMENT_DYNCREATE(QELToolbar, CToolBar)

BEGIN_MESSAGE_MAP(QELToolbar, CToolBar)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_CONTEXTMENU()
    // drop-down buttons: the handler's answer decides whether the parent hears of it too
    ON_NOTIFY_REFLECT_EX(TBN_DROPDOWN, OnToolBarBtnDropDown)
    // customization and saved state
    ON_NOTIFY_REFLECT(TBN_BEGINADJUST, OnToolBarBeginAdjust)
    ON_NOTIFY_REFLECT(TBN_CUSTHELP, OnToolBarCustomHelp)
    ON_NOTIFY_REFLECT(TBN_ENDADJUST, OnToolBarEndAdjust)
    ON_NOTIFY_REFLECT(TBN_GETBUTTONINFOA, OnToolBarGetButtonInfo)
    ON_NOTIFY_REFLECT(TBN_QUERYDELETE, OnToolBarQueryDelete)
    ON_NOTIFY_REFLECT(TBN_QUERYINSERT, OnToolBarQueryInsert)
    ON_NOTIFY_REFLECT(TBN_RESET, OnToolBarReset)
    ON_NOTIFY_REFLECT(TBN_TOOLBARCHANGE, OnToolBarChange)
    ON_MESSAGE(TB_CUSTOMIZE, OnCustomize)
    ON_NOTIFY_REFLECT(TBN_INITCUSTOMIZE, OnInitCustomize)
    ON_NOTIFY_REFLECT(TBN_SAVE, OnSave)
    ON_NOTIFY_REFLECT(TBN_RESTORE, OnRestore)
END_MESSAGE_MAP()

int QELToolbar::m_nBarNumber = 0;
QELCustomizeDialog* QELToolbar::m_pCustomizeDlg = nullptr;
HHOOK QELToolbar::m_hCBTHook = nullptr;
CSize QELToolbar::m_szImageSmall(16, 16);
CSize QELToolbar::m_szImageLarge(24, 24);
QELToolbar::TextOptions QELToolbar::m_eInitialTextOptions = QELToolbar::NoTextLabels;
QELToolbar::IconOptions QELToolbar::m_eInitialIconOptions = QELToolbar::SmallIcons;
int QELToolbar::m_nComCtlVersion = -1;

QELToolbar::QELToolbar()
    : m_bHideControlsWhenVertical(TRUE), m_nButtons(0), m_eTextOptions((TextOptions)-1),
      m_eIconOptions((IconOptions)-1), m_pControls(nullptr), m_pDropDownButtons(nullptr),
      m_clrBtnHilight(::GetSysColor(COLOR_BTNHIGHLIGHT)), m_clrBtnShadow(::GetSysColor(COLOR_BTNSHADOW)),
      m_clrBtnFace(::GetSysColor(COLOR_BTNFACE)), m_partsSpace(), m_pParts(new (m_partsSpace) Parts(*this))
{
    static_assert(sizeof(Parts) <= sizeof(m_partsSpace), "the toolbar's parts outgrew their space");
    static_assert(alignof(Parts) <= 8, "the toolbar's parts need a stricter alignment than their space has");
    // The saved state lives under the application's own key; an application
    // without a registry key has nowhere to save it (the key stays empty).
    m_nBarNumber++;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pszRegistryKey != nullptr && pApp->m_pszProfileName != nullptr)
        m_strRegistryKey.Format("Software\\%s\\%s\\Settings", pApp->m_pszRegistryKey, pApp->m_pszProfileName);
    m_strValueName.Format("QELToolBar%d", m_nBarNumber);
}

QELToolbar::~QELToolbar()
{
    while (m_pDropDownButtons != nullptr) {
        CDropDownButtonInfo* pNext = m_pDropDownButtons->pNext;
        delete m_pDropDownButtons;
        m_pDropDownButtons = pNext;
    }
    if (m_pControls != nullptr) {
        POSITION pos = m_pControls->GetHeadPosition();
        // Before the toolbar's own window goes, so that no owned control
        // outlives its object for a moment.
        while (pos != nullptr) {
            auto* pControl = static_cast<CWnd*>(m_pControls->GetNext(pos));
            if (pControl->m_hWnd != nullptr)
                pControl->DestroyWindow();
            DeleteToolbarOwned(pControl);
        }
        m_pControls->RemoveAll();  // the list's node blocks are the library's too
        DeleteToolbarOwned(m_pControls);
        m_pControls = nullptr;
    }
    m_pParts->~Parts();
}

int QELToolbar::Parts::ButtonCount() const
{
    return bar.m_hWnd != nullptr ? (int)bar.DefWindowProc(TB_BUTTONCOUNT, 0, 0) : 0;
}

int QELToolbar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CToolBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    GetComCtlVersion();
    return 0;
}

int QELToolbar::GetComCtlVersion()
{
    if (m_nComCtlVersion != -1)
        return m_nComCtlVersion;
    // The module is already loaded by the toolbar control; it is not loaded
    // for this question.
    int nVersion = 0x00040000;
    HMODULE hComCtl = ::GetModuleHandleA("COMCTL32.DLL");
    // The version record DllGetVersion fills: five 32-bit fields, 20 bytes.
    struct VersionRecord
    {
        DWORD cbSize;
        DWORD dwMajorVersion;
        DWORD dwMinorVersion;
        DWORD dwBuildNumber;
        DWORD dwPlatformID;
    };
    typedef HRESULT(CALLBACK * GetVersionProc)(VersionRecord*);
    auto pfnGetVersion =
        hComCtl != nullptr
            ? reinterpret_cast<GetVersionProc>(reinterpret_cast<void*>(::GetProcAddress(hComCtl, "DllGetVersion")))
            : nullptr;
    if (pfnGetVersion != nullptr) {
        VersionRecord record = {};
        record.cbSize = sizeof(record);
        if (SUCCEEDED(pfnGetVersion(&record)))
            nVersion = (int)((LOWORD(record.dwMajorVersion) << 16) | LOWORD(record.dwMinorVersion));
    }
    m_nComCtlVersion = nVersion;
    return m_nComCtlVersion;
}

BOOL QELToolbar::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return CToolBar::OnChildNotify(message, wParam, lParam, pResult);
}

BOOL QELToolbar::HasButtonText(int) { return TRUE; }

BOOL QELToolbar::IsVertDocked()
{
    HWND hParent = m_hWnd != nullptr ? ::GetParent(m_hWnd) : nullptr;
    if (hParent == nullptr)
        return FALSE;
    int nID = ::GetDlgCtrlID(hParent);
    return nID == AFX_IDW_DOCKBAR_LEFT || nID == AFX_IDW_DOCKBAR_RIGHT;
}

void QELToolbar::PositionControls()
{
    DefWindowProc(TB_AUTOSIZE, 0, 0);
    m_bDelayedButtonLayout = TRUE;
}
