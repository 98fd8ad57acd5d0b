// Dialog data exchange: controls to members and back, with validation.
#include "AfxDataExchange.h"
#include "AfxControls.h"
#include "AfxWinApp.h"
#include <cerrno>
#include <cfloat>
#include <climits>
#include <cstdlib>
#include <limits>
#include <type_traits>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    m_hWndLastControl = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), nIDC);
    m_bEditLastControl = FALSE;
    return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWnd = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWnd;
}

void CDataExchange::Fail()
{
    // No exception: the remaining exchanges see m_bFailed and do nothing.
    m_bFailed = TRUE;
    if (m_bSaveAndValidate && m_hWndLastControl != nullptr) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
}

namespace {
CString ControlText(HWND hWnd)
{
    CString str;
    if (hWnd == nullptr)
        return str;
    CWnd wnd(hWnd);
    wnd.GetWindowText(str);
    wnd.Detach();
    return str;
}

// The whole text (blanks around allowed) as a number of type T.
template <class T>
bool ParseWhole(const char* psz, T& value)
{
    while (*psz == ' ' || *psz == '\t')
        ++psz;
    if (*psz == '\0')
        return false;
    char* pEnd = nullptr;
    errno = 0;
    if constexpr (std::is_floating_point_v<T>) {
        double d = std::strtod(psz, &pEnd);
        if (errno == ERANGE || (std::is_same_v<T, float> && (d > FLT_MAX || d < -FLT_MAX)))
            return false;
        value = (T)d;
    } else if constexpr (std::is_signed_v<T>) {
        long long n = std::strtoll(psz, &pEnd, 10);
        if (errno == ERANGE || n < (long long)std::numeric_limits<T>::min() ||
            n > (long long)std::numeric_limits<T>::max())
            return false;
        value = (T)n;
    } else {
        if (*psz == '-')
            return false;
        unsigned long long n = std::strtoull(psz, &pEnd, 10);
        if (errno == ERANGE || n > (unsigned long long)std::numeric_limits<T>::max())
            return false;
        value = (T)n;
    }
    while (*pEnd == ' ' || *pEnd == '\t')
        ++pEnd;
    return *pEnd == '\0';
}

template <class T>
void ExchangeNumber(CDataExchange* pDX, int nIDC, T& value, LPCSTR lpszFormat, LPCSTR lpszPrompt)
{
    if (pDX->m_bFailed)
        return;
    HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        T parsed{};
        if (!ParseWhole(ControlText(hWnd), parsed)) {
            AfxMessageBox(lpszPrompt, MB_ICONEXCLAMATION);
            pDX->Fail();
            return;
        }
        value = parsed;
    } else {
        CString str;
        if constexpr (std::is_floating_point_v<T>)
            str.Format(lpszFormat, std::is_same_v<T, float> ? FLT_DIG : DBL_DIG, (double)value);
        else if constexpr (std::is_signed_v<T>)
            str.Format(lpszFormat, (long long)value);
        else
            str.Format(lpszFormat, (unsigned long long)value);
        ::SetWindowTextA(hWnd, str);
    }
}
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (pDX->m_bFailed || rControl.m_hWnd != nullptr)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (hWndCtrl == nullptr || !rControl.SubclassWindow(hWndCtrl))
        pDX->Fail();
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    if (pDX->m_bFailed)
        return;
    HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(hWnd);
    else
        ::SetWindowTextA(hWnd, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, LPSTR value, int nMaxLen)
{
    if (pDX->m_bFailed || value == nullptr || nMaxLen <= 0)
        return;
    HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        ::GetWindowTextA(hWnd, value, nMaxLen);
    else
        ::SetWindowTextA(hWnd, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeNumber(pDX, nIDC, value, "%lld", "Please enter an integer.");
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    ExchangeNumber(pDX, nIDC, value, "%lld", "Please enter an integer.");
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, short& value)
{
    ExchangeNumber(pDX, nIDC, value, "%lld", "Please enter an integer.");
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    ExchangeNumber(pDX, nIDC, value, "%llu", "Please enter a positive integer.");
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    ExchangeNumber(pDX, nIDC, value, "%llu", "Please enter a positive integer.");
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value)
{
    ExchangeNumber(pDX, nIDC, value, "%llu", "Please enter a positive integer.");
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    ExchangeNumber(pDX, nIDC, value, "%.*g", "Please enter a number.");
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, float& value)
{
    ExchangeNumber(pDX, nIDC, value, "%.*g", "Please enter a number.");
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    if (pDX->m_bFailed)
        return;
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessageA(hWnd, BM_GETCHECK, 0, 0);
    else
        ::SendMessageA(hWnd, BM_SETCHECK, (WPARAM)(value < 0 || value > 2 ? 0 : value), 0);
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    if (pDX->m_bFailed)
        return;
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (hWnd == nullptr)
        return;
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group runs from nIDC to the next control with WS_GROUP.
    int iButton = 0;
    do {
        if (::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageA(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED)
                    value = iButton;
            } else {
                ::SendMessageA(hWnd, BM_SETCHECK, iButton == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++iButton;
        }
        hWnd = ::GetWindow(hWnd, GW_HWNDNEXT);
    } while (hWnd != nullptr && !(::GetWindowLongA(hWnd, GWL_STYLE) & WS_GROUP));
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    if (pDX->m_bFailed)
        return;
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageA(hWnd, CB_GETCURSEL, 0, 0);
    else
        ::SendMessageA(hWnd, CB_SETCURSEL, (WPARAM)index, 0);
}

namespace {
void ExchangeComboString(CDataExchange* pDX, int nIDC, CString& value, UINT nFindMsg)
{
    if (pDX->m_bFailed)
        return;
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        // A drop-down list has no edit text: read the selected item.
        if ((::GetWindowLongA(hWnd, GWL_STYLE) & 0x3) == CBS_DROPDOWNLIST) {
            int nIndex = (int)::SendMessageA(hWnd, CB_GETCURSEL, 0, 0);
            value.Empty();
            if (nIndex != CB_ERR) {
                int nLen = (int)::SendMessageA(hWnd, CB_GETLBTEXTLEN, (WPARAM)nIndex, 0);
                if (nLen != CB_ERR) {
                    ::SendMessageA(hWnd, CB_GETLBTEXT, (WPARAM)nIndex, (LPARAM)value.GetBufferSetLength(nLen));
                    value.ReleaseBuffer();
                }
            }
        } else {
            value = ControlText(hWnd);
        }
    } else {
        int nIndex = (int)::SendMessageA(hWnd, nFindMsg, (WPARAM)-1, (LPARAM)(LPCSTR)value);
        if (nIndex != CB_ERR)
            ::SendMessageA(hWnd, CB_SETCURSEL, (WPARAM)nIndex, 0);
        else if ((::GetWindowLongA(hWnd, GWL_STYLE) & 0x3) != CBS_DROPDOWNLIST)
            ::SetWindowTextA(hWnd, value);
    }
}
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    ExchangeComboString(pDX, nIDC, value, CB_FINDSTRING);
}
void AFXAPI DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    ExchangeComboString(pDX, nIDC, value, CB_FINDSTRINGEXACT);
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    if (pDX->m_bFailed)
        return;
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageA(hWnd, LB_GETCURSEL, 0, 0);
    else
        ::SendMessageA(hWnd, LB_SETCURSEL, (WPARAM)index, 0);
}

void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    if (pDX->m_bFailed)
        return;
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        int nIndex = (int)::SendMessageA(hWnd, LB_GETCURSEL, 0, 0);
        value.Empty();
        if (nIndex != LB_ERR) {
            int nLen = (int)::SendMessageA(hWnd, LB_GETTEXTLEN, (WPARAM)nIndex, 0);
            ::SendMessageA(hWnd, LB_GETTEXT, (WPARAM)nIndex, (LPARAM)value.GetBufferSetLength(nLen));
            value.ReleaseBuffer();
        }
    } else {
        ::SendMessageA(hWnd, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCSTR)value);
    }
}

namespace {
void FailRange(CDataExchange* pDX, LPCSTR lpszText)
{
    AfxMessageBox(lpszText, MB_ICONEXCLAMATION);
    pDX->Fail();
}
}

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    if (pDX->m_bFailed || !pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString str;
    str.Format("Please enter an integer between %d and %d.", minVal, maxVal);
    FailRange(pDX, str);
}

void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    if (pDX->m_bFailed || !pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString str;
    str.Format("Please enter an integer between %u and %u.", minVal, maxVal);
    FailRange(pDX, str);
}

void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal)
{
    if (pDX->m_bFailed || !pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString str;
    str.Format("Please enter a number between %.*g and %.*g.", DBL_DIG, minVal, DBL_DIG, maxVal);
    FailRange(pDX, str);
}

void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bFailed)
        return;
    if (pDX->m_bSaveAndValidate) {
        if (value.GetLength() > nChars) {
            CString str;
            str.Format("Please enter no more than %d characters.", nChars);
            FailRange(pDX, str);
        }
    } else if (pDX->m_hWndLastControl != nullptr && pDX->m_bEditLastControl) {
        ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, (WPARAM)nChars, 0);
    }
}

// ----- data exchange ---------------------------------------------------------

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}
