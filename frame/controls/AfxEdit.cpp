// CEdit: the edit control.
#include "AfxEdit.h"
#include "AfxTextBuffer.h"
#include "AfxControlSend.h"
#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CEdit, CWnd)

// ----- CEdit ----------------------------------------------------------------------

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CEdit::CanUndo() const { return SendIfLive<BOOL>(m_hWnd, FALSE, EM_CANUNDO, 0, 0); }

int CEdit::GetLineCount() const { return SendIfLive<int>(m_hWnd, 0, EM_GETLINECOUNT, 0, 0); }

BOOL CEdit::GetModify() const { return SendIfLive<BOOL>(m_hWnd, FALSE, EM_GETMODIFY, 0, 0); }

void CEdit::SetModify(BOOL bModified)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, EM_SETMODIFY, static_cast<WPARAM>(bModified), 0);
}

void CEdit::GetRect(LPRECT lpRect) const
{
    if (IsLive(m_hWnd) && lpRect != nullptr)
        ::SendMessageA(m_hWnd, EM_GETRECT, 0, reinterpret_cast<LPARAM>(lpRect));
}

DWORD CEdit::GetSel() const { return SendIfLive<DWORD>(m_hWnd, 0, EM_GETSEL, 0, 0); }

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    DWORD dwStart = 0;
    DWORD dwEnd = 0;
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    nStartChar = static_cast<int>(dwStart);
    nEndChar = static_cast<int>(dwEnd);
}

HLOCAL CEdit::GetHandle() const
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HLOCAL>(::SendMessageA(m_hWnd, EM_GETHANDLE, 0, 0));
}

void CEdit::SetHandle(HLOCAL hBuffer)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, EM_SETHANDLE, reinterpret_cast<WPARAM>(hBuffer), 0);
}

void CEdit::SetMargins(UINT nLeft, UINT nRight)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(nLeft, nRight));
}

DWORD CEdit::GetMargins() const { return SendIfLive<DWORD>(m_hWnd, 0, EM_GETMARGINS, 0, 0); }

void CEdit::SetLimitText(UINT nMax)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, EM_SETLIMITTEXT, static_cast<WPARAM>(nMax), 0);
}

UINT CEdit::GetLimitText() const { return SendIfLive<UINT>(m_hWnd, 0, EM_GETLIMITTEXT, 0, 0); }

CPoint CEdit::PosFromChar(UINT nChar) const
{
    if (!IsLive(m_hWnd))
        return CPoint(-1, -1);
    DWORD dwPos = static_cast<DWORD>(::SendMessageA(m_hWnd, EM_POSFROMCHAR, static_cast<WPARAM>(nChar), 0));
    return CPoint(static_cast<short>(LOWORD(dwPos)), static_cast<short>(HIWORD(dwPos)));
}

int CEdit::CharFromPos(CPoint pt) const
{
    return SendIfLive<int>(m_hWnd, -1, EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y));
}

int CEdit::GetLine(int nIndex, LPSTR lpszBuffer) const
{
    // The caller gives the buffer's size in its first WORD, as the message does.
    if (lpszBuffer == nullptr)
        return 0;
    WORD wSize = 0;
    std::memcpy(&wSize, lpszBuffer, sizeof(WORD));
    return GetLine(nIndex, lpszBuffer, wSize);
}

int CEdit::GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const
{
    if (!afx_detail::HasTextRoom(lpszBuffer, nMaxLength))
        return 0;
    // The control copies without a terminator: it is asked for one character
    // less than the buffer holds. A buffer of one byte holds the terminator only.
    if (!IsLive(m_hWnd) || nMaxLength < static_cast<int>(sizeof(WORD)))
        return afx_detail::EmptyTextBuffer(lpszBuffer, nMaxLength);
    int nChars = nMaxLength - 1 > 0xFFFF ? 0xFFFF : nMaxLength - 1;
    WORD wSize = static_cast<WORD>(nChars);
    std::memcpy(lpszBuffer, &wSize, sizeof(WORD));
    int nCopied = static_cast<int>(
        ::SendMessageA(m_hWnd, EM_GETLINE, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszBuffer)));
    if (nCopied <= 0) {
        lpszBuffer[0] = '\0';  // the size written into it is not text
        return 0;
    }
    return afx_detail::TerminateCopiedText(lpszBuffer, nMaxLength, nCopied);
}

int CEdit::GetFirstVisibleLine() const { return SendIfLive<int>(m_hWnd, 0, EM_GETFIRSTVISIBLELINE, 0, 0); }

char CEdit::GetPasswordChar() const { return SendIfLive<char>(m_hWnd, 0, EM_GETPASSWORDCHAR, 0, 0); }

void CEdit::EmptyUndoBuffer()
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, EM_EMPTYUNDOBUFFER, 0, 0);
}

BOOL CEdit::FmtLines(BOOL bAddEOL)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, EM_FMTLINES, static_cast<WPARAM>(bAddEOL), 0);
}

void CEdit::LimitText(int nChars)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
}

int CEdit::LineFromChar(int nIndex) const
{
    return SendIfLive<int>(m_hWnd, 0, EM_LINEFROMCHAR, static_cast<WPARAM>(nIndex), 0);
}

int CEdit::LineIndex(int nLine) const
{
    return SendIfLive<int>(m_hWnd, -1, EM_LINEINDEX, static_cast<WPARAM>(nLine), 0);
}

int CEdit::LineLength(int nLine) const
{
    return SendIfLive<int>(m_hWnd, 0, EM_LINELENGTH, static_cast<WPARAM>(nLine), 0);
}

void CEdit::LineScroll(int nLines, int nChars)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, EM_LINESCROLL, static_cast<WPARAM>(nChars), static_cast<LPARAM>(nLines));
}

void CEdit::ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, EM_REPLACESEL, static_cast<WPARAM>(bCanUndo),
                       reinterpret_cast<LPARAM>(lpszNewText != nullptr ? lpszNewText : ""));
}

void CEdit::SetPasswordChar(char ch)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, EM_SETPASSWORDCHAR, static_cast<WPARAM>(static_cast<unsigned char>(ch)), 0);
}

void CEdit::SetRect(LPCRECT lpRect)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, EM_SETRECT, 0, reinterpret_cast<LPARAM>(lpRect));
}

void CEdit::SetRectNP(LPCRECT lpRect)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(lpRect));
}

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll)
{
    // The packed form carries 16-bit positions; -1 in either word keeps its meaning.
    SetSel(static_cast<int>(static_cast<short>(LOWORD(dwSelection))),
           static_cast<int>(static_cast<short>(HIWORD(dwSelection))), bNoScroll);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
    if (!IsLive(m_hWnd))
        return;
    ::SendMessageA(m_hWnd, EM_SETSEL, static_cast<WPARAM>(nStartChar), static_cast<LPARAM>(nEndChar));
    if (!bNoScroll)
        ::SendMessageA(m_hWnd, EM_SCROLLCARET, 0, 0);
}

BOOL CEdit::SetTabStops(int nTabStops, LPINT rgTabStops)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, EM_SETTABSTOPS, static_cast<WPARAM>(nTabStops),
                            reinterpret_cast<LPARAM>(rgTabStops));
}

void CEdit::SetTabStops() { SetTabStops(0, nullptr); }

BOOL CEdit::SetTabStops(const int& cxEachStop) { return SetTabStops(1, const_cast<LPINT>(&cxEachStop)); }

BOOL CEdit::SetReadOnly(BOOL bReadOnly)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, EM_SETREADONLY, static_cast<WPARAM>(bReadOnly), 0);
}

BOOL CEdit::Undo() { return SendIfLive<BOOL>(m_hWnd, FALSE, EM_UNDO, 0, 0); }

void CEdit::Clear()
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, WM_CLEAR, 0, 0);
}

void CEdit::Copy()
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, WM_COPY, 0, 0);
}

void CEdit::Cut()
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, WM_CUT, 0, 0);
}

void CEdit::Paste()
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, WM_PASTE, 0, 0);
}
