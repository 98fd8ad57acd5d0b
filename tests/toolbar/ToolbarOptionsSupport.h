// What the tests of text and icon options, customization and saved state
// share: a toolbar that opens those protected parts, a frame that lets a test
// answer its children's notifications, an application registry key under a
// scratch name, and system colours changed for the span of a test.
#pragma once
#include "ToolbarTestSupport.h"
#include "ModalAnswerer.h"
#include <functional>
#include <set>
#include <string>

class COptionsToolbar : public CTestToolbar
{
public:
    using QELToolbar::LoadScaledImageWell;
    using QELToolbar::SetIconOptionBitmap;
    using QELToolbar::ShowContextMenu;
    // Commands whose label stays off under SelectiveTextOnRight.
    std::set<int> noText;
    BOOL HasButtonText(int nID) override { return noText.count(nID) ? FALSE : TRUE; }
    // Answers TB_SAVERESTORE itself when set (the platform's part, faked).
    std::function<bool(BOOL bSave, LRESULT& lResult)> onSaveRestore;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        LRESULT lResult = 0;
        if (message == TB_SAVERESTOREA && onSaveRestore && onSaveRestore((BOOL)wParam, lResult))
            return lResult;
        return CTestToolbar::DefWindowProc(message, wParam, lParam);
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
