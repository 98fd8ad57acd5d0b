// CWnd::ExecuteDlgInit: a template's initialisation data (RT_DLGINIT), the
// entries of its combo and list boxes, which the dialog manager does not apply.
//
// The data is a run of records: control id (WORD), message (WORD), byte count
// (DWORD), then that many bytes (the entry's text and its terminating zero),
// packed without alignment; a zero control id ends the run.
#include "AfxWnd.h"
#include "afxwin.h"
#include <cstring>
#include <string>

namespace {
const WORD kRtDlgInit = 240;
// The messages as the resource compilers write them (their 16-bit values).
const WORD kListAddString16 = 0x0401;
const WORD kComboAddString16 = 0x0403;

template <class T>
bool Read(const BYTE*& p, const BYTE* pEnd, T& value)
{
    if ((size_t)(pEnd - p) < sizeof(T))
        return false;
    std::memcpy(&value, p, sizeof(T));
    p += sizeof(T);
    return true;
}

// The Win32 message for a record's message, 0 for one we do not send.
UINT AddStringMessage(WORD nMsg)
{
    switch (nMsg) {
    case kListAddString16:
    case LB_ADDSTRING:
        return LB_ADDSTRING;
    case kComboAddString16:
    case CB_ADDSTRING:
        return CB_ADDSTRING;
    default:
        return 0;
    }
}

// Every record is checked against the resource's size, so damaged data stops
// the run instead of reading past it.
bool ApplyDlgInit(HWND hDlg, const BYTE* pData, DWORD nSize)
{
    const BYTE* p = pData;
    const BYTE* pEnd = pData + nSize;
    bool bOk = true;
    for (;;) {
        WORD nIDC = 0;
        if (!Read(p, pEnd, nIDC))
            return false;  // the terminating zero is missing
        if (nIDC == 0)
            return bOk;
        WORD nMsg = 0;
        DWORD nLength = 0;
        if (!Read(p, pEnd, nMsg) || !Read(p, pEnd, nLength) || nLength > (DWORD)(pEnd - p))
            return false;
        UINT nSend = AddStringMessage(nMsg);
        if (nSend != 0) {
            // Up to the first zero, and terminated even when the data is not.
            const char* pszText = reinterpret_cast<const char*>(p);
            std::string strText(pszText, strnlen(pszText, nLength));
            HWND hCtrl = ::GetDlgItem(hDlg, nIDC);
            LRESULT lResult = hCtrl != nullptr ? ::SendMessageA(hCtrl, nSend, 0, (LPARAM)strText.c_str()) : -1;
            // LB_ERR and CB_ERR are -1, the ERRSPACE answers -2.
            if (lResult < 0)
                bOk = false;
        }
        p += nLength;
    }
}
}

BOOL CWnd::ExecuteDlgInit(LPCSTR lpszResourceName)
{
    if (m_hWnd == nullptr || lpszResourceName == nullptr)
        return FALSE;
    // The data belongs to the template: look in the module the template comes from.
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    HRSRC hResource = ::FindResourceA(hInst, lpszResourceName, MAKEINTRESOURCEA(kRtDlgInit));
    if (hResource == nullptr)
        return TRUE;
    HGLOBAL hData = ::LoadResource(hInst, hResource);
    const BYTE* pData = hData != nullptr ? static_cast<const BYTE*>(::LockResource(hData)) : nullptr;
    if (pData == nullptr)
        return FALSE;
    return ApplyDlgInit(m_hWnd, pData, ::SizeofResource(hInst, hResource));
}
