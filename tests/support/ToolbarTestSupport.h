// What the toolbar tests share: TestableToolbar, the one test subclass of
// QELToolbar, which opens its protected layout, options and drop-downs to the
// tests and counts what goes straight to the control; a frame to dock it in, a
// frame that lets a test answer its children's notifications, an application
// registry key under a scratch name, and system colours changed for the span of
// a test. The bar's resources are the toolbar tests' (ToolbarTestIds.h).
#pragma once
#include "TestApp.h"
#include "ModalAnswerer.h"
#include "ToolbarTestIds.h"
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

class TestableToolbar : public QELToolbar
{
public:
    using QELToolbar::_GetButton;
    using QELToolbar::_SetButton;
    using QELToolbar::CalcLayout;
    using QELToolbar::CalcSize;
    using QELToolbar::Draw3DBorders;
    using QELToolbar::FindDropDownButtonInfo;
    using QELToolbar::GetButtonSize;
    using QELToolbar::GetComCtlVersion;
    using QELToolbar::GetThisMessageMap;
    using QELToolbar::IsVertDocked;
    using QELToolbar::LoadScaledImageWell;
    using QELToolbar::OnCustomDraw;
    using QELToolbar::OnToolBarBtnDropDown;
    using QELToolbar::PositionControls;
    using QELToolbar::SetIconOptionBitmap;
    using QELToolbar::ShowContextMenu;
    using QELToolbar::SizeToolBar;
    using QELToolbar::WrapToolBar;
    // The cached version, as a process with other common controls would have it.
    static void SetCachedVersion(int nVersion) { m_nComCtlVersion = nVersion; }
    // The image size the toolbar gave its base bar.
    CSize ImageSize() const { return m_sizeImage; }

    // Messages that went straight to the control, by number.
    std::map<UINT, int> direct;
    // As many records as this offered to the control next are refused, as a
    // control without memory for them would.
    int nRefuseInserts = 0;
    // Answers TB_SAVERESTORE itself when set (the platform's part, faked).
    std::function<bool(BOOL bSave, LRESULT& lResult)> onSaveRestore;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        LRESULT lResult = 0;
        if (message == TB_SAVERESTOREA && onSaveRestore && onSaveRestore((BOOL)wParam, lResult))
            return lResult;
        direct[message]++;
        if (message == TB_INSERTBUTTONA && nRefuseInserts > 0) {
            nRefuseInserts--;
            return FALSE;
        }
        return QELToolbar::DefWindowProc(message, wParam, lParam);
    }
    int Direct(UINT message) { return direct.count(message) ? direct[message] : 0; }
    // Commands whose label stays off under SelectiveTextOnRight.
    std::set<int> noText;
    BOOL HasButtonText(int nID) override { return noText.count(nID) ? FALSE : TRUE; }

    // The toolbar's records, as the layout reads them.
    std::vector<TBBUTTON> Records()
    {
        std::vector<TBBUTTON> v((size_t)GetToolBarCtrl().GetButtonCount());
        for (size_t i = 0; i < v.size(); i++)
            _GetButton((int)i, &v[i]);
        return v;
    }
    // Record i straight from the control (its own sense of TBSTATE_ENABLED).
    TBBUTTON Raw(int i)
    {
        TBBUTTON b = {};
        ::SendMessageA(m_hWnd, TB_GETBUTTON, (WPARAM)i, (LPARAM)&b);
        return b;
    }
    std::vector<int> Commands()
    {
        std::vector<int> ids;
        int n = (int)::SendMessageA(m_hWnd, TB_BUTTONCOUNT, 0, 0);
        for (int i = 0; i < n; i++)
            ids.push_back(Raw(i).idCommand);
        return ids;
    }
    std::string Label(int i)
    {
        TBBUTTON b = Raw(i);
        if (b.iString == -1)
            return "";
        char sz[128] = "";
        ::SendMessageA(m_hWnd, TB_GETSTRINGA, MAKEWPARAM(sizeof(sz), b.iString), (LPARAM)sz);
        return sz;
    }
};

// A frame made the main window, with a pane, for docking.
class CToolbarFrame : public CFrameWnd
{
public:
    ~CToolbarFrame() override
    {
        if (AfxGetApp()->m_pMainWnd == this)
            AfxGetApp()->m_pMainWnd = nullptr;
        if (m_hWnd != nullptr)
            DestroyWindow();
    }
    BOOL Make()
    {
        if (!Create(nullptr, "Toolbars", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 30, 640, 430)))
            return FALSE;
        AfxGetApp()->m_pMainWnd = this;
        return m_wndPane.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this, AFX_IDW_PANE_FIRST);
    }
    CRect RectInFrame(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        ScreenToClient(&rect);
        return rect;
    }
    CWnd m_wndPane;

protected:
    void PostNcDestroy() override {}
};

// A flat toolbar of the test resource (styles as an application makes them).
inline BOOL MakeToolbar(QELToolbar& bar, CWnd* pParent, UINT nID = AFX_IDW_TOOLBAR,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC,
                        DWORD dwCtrlStyle = TBSTYLE_FLAT)
{
    return bar.CreateEx(pParent, dwCtrlStyle, dwStyle, CRect(0, 0, 0, 0), nID) && bar.LoadToolBar(IDR_TESTBAR);
}

// A pixel of a window as painted, non-client area included (window coordinates).
inline COLORREF WindowPixel(HWND hWnd, int x, int y)
{
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC hDC = ::GetWindowDC(hWnd);
    COLORREF clr = ::GetPixel(hDC, x, y);
    ::ReleaseDC(hWnd, hDC);
    return clr;
}

inline void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}
inline void PrintTo(const CSize& s, std::ostream* os) { *os << s.cx << "x" << s.cy; }

// A frame whose test may answer, or act on, what its children send it.
class CCallbackFrame : public CToolbarFrame
{
public:
    std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)> onMessage;
    int nContextMenus = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CONTEXTMENU)
            nContextMenus++;
        LRESULT lResult = 0;
        if (onMessage && onMessage(message, wParam, lParam, lResult))
            return lResult;
        return CToolbarFrame::WindowProc(message, wParam, lParam);
    }
};

// The application's registry key and profile name, set to scratch names for
// the toolbars constructed meanwhile; the key and what is under it go at the end.
class CScratchAppKey
{
public:
    explicit CScratchAppKey(LPCSTR pszCompany = "ZUZIVU70 Toolbar Test", LPCSTR pszProfile = "State")
        : m_pszCompany(pszCompany), m_pszProfile(pszProfile)
    {
        CWinApp* pApp = AfxGetApp();
        m_pszOldKey = pApp->m_pszRegistryKey;
        m_pszOldProfile = pApp->m_pszProfileName;
        pApp->m_pszRegistryKey = pszCompany;
        pApp->m_pszProfileName = pszProfile;
        Delete();
    }
    ~CScratchAppKey()
    {
        CWinApp* pApp = AfxGetApp();
        pApp->m_pszRegistryKey = m_pszOldKey;
        pApp->m_pszProfileName = m_pszOldProfile;
        Delete();
    }
    CString Settings() const
    {
        CString s;
        s.Format("Software\\%s\\%s\\Settings", m_pszCompany, m_pszProfile);
        return s;
    }
    // The saved value's bytes; false when there is none.
    bool Read(LPCSTR pszValue, std::vector<BYTE>& bytes, DWORD* pType = nullptr) const
    {
        HKEY hKey;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, Settings(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return false;
        DWORD cb = 0, type = 0;
        bool bOk = ::RegQueryValueExA(hKey, pszValue, nullptr, &type, nullptr, &cb) == ERROR_SUCCESS;
        bytes.assign(cb, 0);
        if (bOk && cb > 0)
            bOk = ::RegQueryValueExA(hKey, pszValue, nullptr, &type, bytes.data(), &cb) == ERROR_SUCCESS;
        ::RegCloseKey(hKey);
        if (pType != nullptr)
            *pType = type;
        return bOk;
    }
    bool Write(LPCSTR pszValue, const std::vector<BYTE>& bytes, DWORD type = REG_BINARY) const
    {
        HKEY hKey;
        if (::RegCreateKeyExA(HKEY_CURRENT_USER, Settings(), 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr) !=
            ERROR_SUCCESS)
            return false;
        bool bOk = ::RegSetValueExA(hKey, pszValue, 0, type, bytes.data(), (DWORD)bytes.size()) == ERROR_SUCCESS;
        ::RegCloseKey(hKey);
        return bOk;
    }
    void Delete() const
    {
        CString strProfile, strCompany;
        strCompany.Format("Software\\%s", m_pszCompany);
        strProfile.Format("%s\\%s", (LPCSTR)strCompany, m_pszProfile);
        ::RegDeleteKeyA(HKEY_CURRENT_USER, Settings());
        ::RegDeleteKeyA(HKEY_CURRENT_USER, strProfile);
        ::RegDeleteKeyA(HKEY_CURRENT_USER, strCompany);
    }

private:
    LPCSTR m_pszCompany;
    LPCSTR m_pszProfile;
    LPCSTR m_pszOldKey;
    LPCSTR m_pszOldProfile;
};

// The four system colours of the image well set to values no bitmap uses.
class CDistinctSysColors
{
public:
    CDistinctSysColors(COLORREF clrText = RGB(0x11, 0x22, 0x33), COLORREF clrShadow = RGB(0x44, 0x55, 0x66),
                       COLORREF clrFace = RGB(0x77, 0x88, 0x99), COLORREF clrHighlight = RGB(0xAA, 0xBB, 0xCC))
    {
        for (int i = 0; i < 4; i++)
            m_old[i] = ::GetSysColor(kIndexes[i]);
        const COLORREF now[4] = { clrText, clrShadow, clrFace, clrHighlight };
        ::SetSysColors(4, kIndexes, now);
    }
    ~CDistinctSysColors() { ::SetSysColors(4, kIndexes, m_old); }

private:
    static constexpr INT kIndexes[4] = { COLOR_BTNTEXT, COLOR_BTNSHADOW, COLOR_BTNFACE, COLOR_BTNHIGHLIGHT };
    COLORREF m_old[4];
};

// A bitmap's pixel as 0x00BBGGRR.
inline COLORREF BitmapPixel(HBITMAP hbm, int x, int y)
{
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hbm);
    COLORREF clr = ::GetPixel(hDC, x, y);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return clr;
}

inline CSize BitmapSize(HBITMAP hbm)
{
    BITMAP bm = {};
    ::GetObjectA(hbm, sizeof(bm), &bm);
    return CSize(bm.bmWidth, bm.bmHeight);
}
