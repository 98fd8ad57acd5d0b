// The standard Windows controls as framework windows.
#include "AfxControls.h"
#include "AfxControlSend.h"
#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

namespace {
// Reads an item text of nLength characters (as the control reported it) with
// one message; empty when the length or the read fails.
template <class Read>
CString ReadItemText(int nLength, Read read)
{
    if (nLength <= 0)
        return CString();
    std::vector<char> buffer(static_cast<size_t>(nLength) + 1, '\0');
    int nCopied = read(buffer.data());
    if (nCopied <= 0)
        return CString();
    // A multibyte text may come back shorter than its reported length.
    return CString(buffer.data(), nCopied < nLength ? nCopied : nLength);
}
}

// ----- CStatic ------------------------------------------------------------------

BOOL CStatic::Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}

HICON CStatic::SetIcon(HICON hIcon)
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HICON>(::SendMessageA(m_hWnd, STM_SETICON, reinterpret_cast<WPARAM>(hIcon), 0));
}

HICON CStatic::GetIcon() const
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HICON>(::SendMessageA(m_hWnd, STM_GETICON, 0, 0));
}

HBITMAP CStatic::SetBitmap(HBITMAP hBitmap)
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HBITMAP>(
        ::SendMessageA(m_hWnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
}

HBITMAP CStatic::GetBitmap() const
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HBITMAP>(::SendMessageA(m_hWnd, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

HCURSOR CStatic::SetCursor(HCURSOR hCursor)
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HCURSOR>(
        ::SendMessageA(m_hWnd, STM_SETIMAGE, IMAGE_CURSOR, reinterpret_cast<LPARAM>(hCursor)));
}

HCURSOR CStatic::GetCursor()
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HCURSOR>(::SendMessageA(m_hWnd, STM_GETIMAGE, IMAGE_CURSOR, 0));
}

HENHMETAFILE CStatic::SetEnhMetaFile(HENHMETAFILE hMetaFile)
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HENHMETAFILE>(
        ::SendMessageA(m_hWnd, STM_SETIMAGE, IMAGE_ENHMETAFILE, reinterpret_cast<LPARAM>(hMetaFile)));
}

HENHMETAFILE CStatic::GetEnhMetaFile() const
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HENHMETAFILE>(::SendMessageA(m_hWnd, STM_GETIMAGE, IMAGE_ENHMETAFILE, 0));
}

void CStatic::DrawItem(LPDRAWITEMSTRUCT)
{
    // An SS_OWNERDRAW static of a class that does not override this stays blank.
}

BOOL CStatic::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return AfxDrawItemReflected(this, message, lParam, pResult) ||
           CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// ----- CButton ------------------------------------------------------------------

BOOL CButton::Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

UINT CButton::GetState() const { return SendIfLive<UINT>(m_hWnd, 0, BM_GETSTATE, 0, 0); }

void CButton::SetState(BOOL bHighlight)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, BM_SETSTATE, static_cast<WPARAM>(bHighlight), 0);
}

int CButton::GetCheck() const { return SendIfLive<int>(m_hWnd, BST_UNCHECKED, BM_GETCHECK, 0, 0); }

void CButton::SetCheck(int nCheck)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(nCheck), 0);
}

UINT CButton::GetButtonStyle() const
{
    if (!IsLive(m_hWnd))
        return 0;
    return static_cast<UINT>(::GetWindowLongA(m_hWnd, GWL_STYLE)) & 0xff;
}

void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, BM_SETSTYLE, static_cast<WPARAM>(nStyle), static_cast<LPARAM>(bRedraw));
}

HICON CButton::SetIcon(HICON hIcon)
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HICON>(::SendMessageA(m_hWnd, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon)));
}

HICON CButton::GetIcon() const
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HICON>(::SendMessageA(m_hWnd, BM_GETIMAGE, IMAGE_ICON, 0));
}

HBITMAP CButton::SetBitmap(HBITMAP hBitmap)
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HBITMAP>(
        ::SendMessageA(m_hWnd, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
}

HBITMAP CButton::GetBitmap() const
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HBITMAP>(::SendMessageA(m_hWnd, BM_GETIMAGE, IMAGE_BITMAP, 0));
}

HCURSOR CButton::SetCursor(HCURSOR hCursor)
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HCURSOR>(
        ::SendMessageA(m_hWnd, BM_SETIMAGE, IMAGE_CURSOR, reinterpret_cast<LPARAM>(hCursor)));
}

HCURSOR CButton::GetCursor()
{
    if (!IsLive(m_hWnd))
        return nullptr;
    return reinterpret_cast<HCURSOR>(::SendMessageA(m_hWnd, BM_GETIMAGE, IMAGE_CURSOR, 0));
}

void CButton::DrawItem(LPDRAWITEMSTRUCT)
{
    // A BS_OWNERDRAW button of a class that does not override this stays blank.
}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return AfxDrawItemReflected(this, message, lParam, pResult) ||
           CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

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
    if (!IsLive(m_hWnd) || lpszBuffer == nullptr)
        return 0;
    return static_cast<int>(
        ::SendMessageA(m_hWnd, EM_GETLINE, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszBuffer)));
}

int CEdit::GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const
{
    if (!IsLive(m_hWnd) || lpszBuffer == nullptr || nMaxLength <= 0)
        return 0;
    // The control reads the size from the buffer's first WORD, which a one-byte
    // buffer cannot hold: read through a small one instead.
    char small[sizeof(WORD)];
    LPSTR pTarget = nMaxLength < static_cast<int>(sizeof(WORD)) ? small : lpszBuffer;
    WORD wSize = static_cast<WORD>(nMaxLength > 0xFFFF ? 0xFFFF : nMaxLength);
    std::memcpy(pTarget, &wSize, sizeof(WORD));
    int nCopied = static_cast<int>(
        ::SendMessageA(m_hWnd, EM_GETLINE, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(pTarget)));
    if (pTarget == small && nCopied > 0)
        lpszBuffer[0] = small[0];
    return nCopied;
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

// ----- CComboBox ------------------------------------------------------------------

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::GetCount() const { return SendIfLive<int>(m_hWnd, CB_ERR, CB_GETCOUNT, 0, 0); }

int CComboBox::GetCurSel() const { return SendIfLive<int>(m_hWnd, CB_ERR, CB_GETCURSEL, 0, 0); }

int CComboBox::SetCurSel(int nSelect)
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_SETCURSEL, static_cast<WPARAM>(nSelect), 0);
}

LCID CComboBox::GetLocale() const { return SendIfLive<LCID>(m_hWnd, 0, CB_GETLOCALE, 0, 0); }

LCID CComboBox::SetLocale(LCID nNewLocale)
{
    return SendIfLive<LCID>(m_hWnd, 0, CB_SETLOCALE, static_cast<WPARAM>(nNewLocale), 0);
}

int CComboBox::GetTopIndex() const { return SendIfLive<int>(m_hWnd, CB_ERR, CB_GETTOPINDEX, 0, 0); }

int CComboBox::SetTopIndex(int nIndex)
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_SETTOPINDEX, static_cast<WPARAM>(nIndex), 0);
}

int CComboBox::InitStorage(int nItems, UINT nBytes)
{
    return SendIfLive<int>(m_hWnd, CB_ERRSPACE, CB_INITSTORAGE, static_cast<WPARAM>(nItems),
                           static_cast<LPARAM>(nBytes));
}

void CComboBox::SetHorizontalExtent(UINT nExtent)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, CB_SETHORIZONTALEXTENT, static_cast<WPARAM>(nExtent), 0);
}

UINT CComboBox::GetHorizontalExtent() const { return SendIfLive<UINT>(m_hWnd, 0, CB_GETHORIZONTALEXTENT, 0, 0); }

int CComboBox::SetDroppedWidth(UINT nWidth)
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(nWidth), 0);
}

int CComboBox::GetDroppedWidth() const { return SendIfLive<int>(m_hWnd, CB_ERR, CB_GETDROPPEDWIDTH, 0, 0); }

DWORD CComboBox::GetEditSel() const
{
    return SendIfLive<DWORD>(m_hWnd, static_cast<DWORD>(CB_ERR), CB_GETEDITSEL, 0, 0);
}

BOOL CComboBox::LimitText(int nMaxChars)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, CB_LIMITTEXT, static_cast<WPARAM>(nMaxChars), 0);
}

BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, CB_SETEDITSEL, 0, MAKELPARAM(nStartChar, nEndChar));
}

DWORD_PTR CComboBox::GetItemData(int nIndex) const
{
    return SendIfLive<DWORD_PTR>(m_hWnd, static_cast<DWORD_PTR>(CB_ERR), CB_GETITEMDATA, static_cast<WPARAM>(nIndex),
                                 0);
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_SETITEMDATA, static_cast<WPARAM>(nIndex),
                           static_cast<LPARAM>(dwItemData));
}

void* CComboBox::GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(GetItemData(nIndex)); }

int CComboBox::SetItemDataPtr(int nIndex, void* pData)
{
    return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData));
}

int CComboBox::GetLBText(int nIndex, LPSTR lpszText) const
{
    if (!IsLive(m_hWnd) || lpszText == nullptr)
        return CB_ERR;
    return static_cast<int>(
        ::SendMessageA(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszText)));
}

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    rString = ReadItemText(GetLBTextLen(nIndex), [&](LPSTR pBuffer) { return GetLBText(nIndex, pBuffer); });
}

int CComboBox::GetLBTextLen(int nIndex) const
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex), 0);
}

int CComboBox::SetItemHeight(int nIndex, UINT cyItemHeight)
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_SETITEMHEIGHT, static_cast<WPARAM>(nIndex),
                           static_cast<LPARAM>(cyItemHeight));
}

int CComboBox::GetItemHeight(int nIndex) const
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_GETITEMHEIGHT, static_cast<WPARAM>(nIndex), 0);
}

int CComboBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart),
                           reinterpret_cast<LPARAM>(lpszFind));
}

int CComboBox::SetExtendedUI(BOOL bExtended)
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_SETEXTENDEDUI, static_cast<WPARAM>(bExtended), 0);
}

BOOL CComboBox::GetExtendedUI() const { return SendIfLive<BOOL>(m_hWnd, FALSE, CB_GETEXTENDEDUI, 0, 0); }

void CComboBox::GetDroppedControlRect(LPRECT lprect) const
{
    if (IsLive(m_hWnd) && lprect != nullptr)
        ::SendMessageA(m_hWnd, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(lprect));
}

BOOL CComboBox::GetDroppedState() const { return SendIfLive<BOOL>(m_hWnd, FALSE, CB_GETDROPPEDSTATE, 0, 0); }

void CComboBox::ShowDropDown(BOOL bShowIt)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, CB_SHOWDROPDOWN, static_cast<WPARAM>(bShowIt), 0);
}

int CComboBox::AddString(LPCSTR lpszString)
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString));
}

int CComboBox::DeleteString(UINT nIndex)
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_DELETESTRING, static_cast<WPARAM>(nIndex), 0);
}

int CComboBox::InsertString(int nIndex, LPCSTR lpszString)
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_INSERTSTRING, static_cast<WPARAM>(nIndex),
                           reinterpret_cast<LPARAM>(lpszString));
}

void CComboBox::ResetContent()
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, CB_RESETCONTENT, 0, 0);
}

int CComboBox::FindString(int nStartAfter, LPCSTR lpszString) const
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_FINDSTRING, static_cast<WPARAM>(nStartAfter),
                           reinterpret_cast<LPARAM>(lpszString));
}

int CComboBox::SelectString(int nStartAfter, LPCSTR lpszString)
{
    return SendIfLive<int>(m_hWnd, CB_ERR, CB_SELECTSTRING, static_cast<WPARAM>(nStartAfter),
                           reinterpret_cast<LPARAM>(lpszString));
}

void CComboBox::Clear()
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, WM_CLEAR, 0, 0);
}

void CComboBox::Copy()
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, WM_COPY, 0, 0);
}

void CComboBox::Cut()
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, WM_CUT, 0, 0);
}

void CComboBox::Paste()
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, WM_PASTE, 0, 0);
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT)
{
    // Owner-drawn combo boxes override this; the base draws nothing.
}

void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT)
{
    // Leaving the structure alone keeps the height the control proposed.
}

int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }

void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = TRUE;
    switch (message) {
    case WM_DRAWITEM:
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        break;
    case WM_MEASUREITEM:
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        break;
    case WM_COMPAREITEM:
        lResult = CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        break;
    case WM_DELETEITEM:
        DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        break;
    default:
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    if (pResult != nullptr)
        *pResult = lResult;
    return TRUE;
}

// ----- CListBox ----------------------------------------------------------------------

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListBox::GetCount() const { return SendIfLive<int>(m_hWnd, LB_ERR, LB_GETCOUNT, 0, 0); }

int CListBox::GetHorizontalExtent() const { return SendIfLive<int>(m_hWnd, 0, LB_GETHORIZONTALEXTENT, 0, 0); }

void CListBox::SetHorizontalExtent(int cxExtent)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(cxExtent), 0);
}

int CListBox::GetTopIndex() const { return SendIfLive<int>(m_hWnd, LB_ERR, LB_GETTOPINDEX, 0, 0); }

int CListBox::SetTopIndex(int nIndex)
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_SETTOPINDEX, static_cast<WPARAM>(nIndex), 0);
}

LCID CListBox::GetLocale() const { return SendIfLive<LCID>(m_hWnd, 0, LB_GETLOCALE, 0, 0); }

LCID CListBox::SetLocale(LCID nNewLocale)
{
    return SendIfLive<LCID>(m_hWnd, 0, LB_SETLOCALE, static_cast<WPARAM>(nNewLocale), 0);
}

int CListBox::InitStorage(int nItems, UINT nBytes)
{
    return SendIfLive<int>(m_hWnd, LB_ERRSPACE, LB_INITSTORAGE, static_cast<WPARAM>(nItems),
                           static_cast<LPARAM>(nBytes));
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const
{
    bOutside = TRUE;
    if (!IsLive(m_hWnd))
        return static_cast<UINT>(LB_ERR);
    DWORD dwResult = static_cast<DWORD>(::SendMessageA(m_hWnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y)));
    bOutside = HIWORD(dwResult) != 0;
    return LOWORD(dwResult);
}

DWORD_PTR CListBox::GetItemData(int nIndex) const
{
    return SendIfLive<DWORD_PTR>(m_hWnd, static_cast<DWORD_PTR>(LB_ERR), LB_GETITEMDATA, static_cast<WPARAM>(nIndex),
                                 0);
}

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_SETITEMDATA, static_cast<WPARAM>(nIndex),
                           static_cast<LPARAM>(dwItemData));
}

void* CListBox::GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(GetItemData(nIndex)); }

int CListBox::SetItemDataPtr(int nIndex, void* pData)
{
    return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData));
}

int CListBox::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!IsLive(m_hWnd) || lpRect == nullptr)
        return LB_ERR;
    return static_cast<int>(
        ::SendMessageA(m_hWnd, LB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect)));
}

int CListBox::GetSel(int nIndex) const
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_GETSEL, static_cast<WPARAM>(nIndex), 0);
}

int CListBox::GetText(int nIndex, LPSTR lpszBuffer) const
{
    if (!IsLive(m_hWnd) || lpszBuffer == nullptr)
        return LB_ERR;
    return static_cast<int>(
        ::SendMessageA(m_hWnd, LB_GETTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszBuffer)));
}

void CListBox::GetText(int nIndex, CString& rString) const
{
    rString = ReadItemText(GetTextLen(nIndex), [&](LPSTR pBuffer) { return GetText(nIndex, pBuffer); });
}

int CListBox::GetTextLen(int nIndex) const
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_GETTEXTLEN, static_cast<WPARAM>(nIndex), 0);
}

void CListBox::SetColumnWidth(int cxWidth)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, LB_SETCOLUMNWIDTH, static_cast<WPARAM>(cxWidth), 0);
}

BOOL CListBox::SetTabStops(int nTabStops, LPINT rgTabStops)
{
    return SendIfLive<BOOL>(m_hWnd, FALSE, LB_SETTABSTOPS, static_cast<WPARAM>(nTabStops),
                            reinterpret_cast<LPARAM>(rgTabStops));
}

void CListBox::SetTabStops() { SetTabStops(0, nullptr); }

BOOL CListBox::SetTabStops(const int& cxEachStop) { return SetTabStops(1, const_cast<LPINT>(&cxEachStop)); }

int CListBox::SetItemHeight(int nIndex, UINT cyItemHeight)
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_SETITEMHEIGHT, static_cast<WPARAM>(nIndex), MAKELPARAM(cyItemHeight, 0));
}

int CListBox::GetItemHeight(int nIndex) const
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_GETITEMHEIGHT, static_cast<WPARAM>(nIndex), 0);
}

int CListBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart),
                           reinterpret_cast<LPARAM>(lpszFind));
}

int CListBox::GetCaretIndex() const { return SendIfLive<int>(m_hWnd, LB_ERR, LB_GETCARETINDEX, 0, 0); }

int CListBox::SetCaretIndex(int nIndex, BOOL bScroll)
{
    if (!IsLive(m_hWnd))
        return LB_ERR;
    // The message's flag asks for a partly visible item, the opposite of scrolling it fully into view.
    return static_cast<int>(
        ::SendMessageA(m_hWnd, LB_SETCARETINDEX, static_cast<WPARAM>(nIndex), MAKELPARAM(!bScroll, 0)));
}

int CListBox::GetCurSel() const { return SendIfLive<int>(m_hWnd, LB_ERR, LB_GETCURSEL, 0, 0); }

int CListBox::SetCurSel(int nSelect)
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_SETCURSEL, static_cast<WPARAM>(nSelect), 0);
}

int CListBox::SetSel(int nIndex, BOOL bSelect)
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_SETSEL, static_cast<WPARAM>(bSelect), static_cast<LPARAM>(nIndex));
}

int CListBox::GetSelCount() const { return SendIfLive<int>(m_hWnd, LB_ERR, LB_GETSELCOUNT, 0, 0); }

int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const
{
    if (!IsLive(m_hWnd) || rgIndex == nullptr || nMaxItems < 0)
        return LB_ERR;
    return static_cast<int>(
        ::SendMessageA(m_hWnd, LB_GETSELITEMS, static_cast<WPARAM>(nMaxItems), reinterpret_cast<LPARAM>(rgIndex)));
}

void CListBox::SetAnchorIndex(int nIndex)
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, LB_SETANCHORINDEX, static_cast<WPARAM>(nIndex), 0);
}

int CListBox::GetAnchorIndex() const { return SendIfLive<int>(m_hWnd, LB_ERR, LB_GETANCHORINDEX, 0, 0); }

int CListBox::AddString(LPCSTR lpszItem)
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem));
}

int CListBox::DeleteString(UINT nIndex)
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_DELETESTRING, static_cast<WPARAM>(nIndex), 0);
}

int CListBox::InsertString(int nIndex, LPCSTR lpszItem)
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_INSERTSTRING, static_cast<WPARAM>(nIndex),
                           reinterpret_cast<LPARAM>(lpszItem));
}

void CListBox::ResetContent()
{
    if (IsLive(m_hWnd))
        ::SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0);
}

int CListBox::FindString(int nStartAfter, LPCSTR lpszItem) const
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_FINDSTRING, static_cast<WPARAM>(nStartAfter),
                           reinterpret_cast<LPARAM>(lpszItem));
}

int CListBox::SelectString(int nStartAfter, LPCSTR lpszItem)
{
    return SendIfLive<int>(m_hWnd, LB_ERR, LB_SELECTSTRING, static_cast<WPARAM>(nStartAfter),
                           reinterpret_cast<LPARAM>(lpszItem));
}

int CListBox::SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem)
{
    if (!IsLive(m_hWnd))
        return LB_ERR;
    // The message takes the range in one LPARAM of two 16-bit indexes.
    return static_cast<int>(
        ::SendMessageA(m_hWnd, LB_SELITEMRANGE, static_cast<WPARAM>(bSelect), MAKELPARAM(nFirstItem, nLastItem)));
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT)
{
    // Owner-drawn list boxes override this; the base draws nothing.
}

void CListBox::MeasureItem(LPMEASUREITEMSTRUCT)
{
    // Leaving the structure alone keeps the height the control proposed.
}

int CListBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }

void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {}

int CListBox::VKeyToItem(UINT, UINT) { return -1; }

int CListBox::CharToItem(UINT, UINT) { return -1; }

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = TRUE;
    switch (message) {
    case WM_DRAWITEM:
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        break;
    case WM_MEASUREITEM:
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        break;
    case WM_COMPAREITEM:
        lResult = CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        break;
    case WM_DELETEITEM:
        DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        break;
    case WM_VKEYTOITEM:
        lResult = VKeyToItem(LOWORD(wParam), HIWORD(wParam));
        break;
    case WM_CHARTOITEM:
        lResult = CharToItem(LOWORD(wParam), HIWORD(wParam));
        break;
    default:
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    if (pResult != nullptr)
        *pResult = lResult;
    return TRUE;
}

// ----- CScrollBar ---------------------------------------------------------------------

BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("SCROLLBAR", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CScrollBar::GetScrollPos() const
{
    if (!IsLive(m_hWnd))
        return 0;
    return ::GetScrollPos(m_hWnd, SB_CTL);
}

int CScrollBar::SetScrollPos(int nPos, BOOL bRedraw)
{
    if (!IsLive(m_hWnd))
        return 0;
    return ::SetScrollPos(m_hWnd, SB_CTL, nPos, bRedraw);
}

void CScrollBar::GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const
{
    int nMin = 0;
    int nMax = 0;
    if (IsLive(m_hWnd))
        ::GetScrollRange(m_hWnd, SB_CTL, &nMin, &nMax);
    if (lpMinPos != nullptr)
        *lpMinPos = nMin;
    if (lpMaxPos != nullptr)
        *lpMaxPos = nMax;
}

void CScrollBar::SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw)
{
    if (IsLive(m_hWnd))
        ::SetScrollRange(m_hWnd, SB_CTL, nMinPos, nMaxPos, bRedraw);
}

void CScrollBar::ShowScrollBar(BOOL bShow)
{
    if (IsLive(m_hWnd))
        ::ShowScrollBar(m_hWnd, SB_CTL, bShow);
}

BOOL CScrollBar::EnableScrollBar(UINT nArrowFlags)
{
    return IsLive(m_hWnd) && ::EnableScrollBar(m_hWnd, SB_CTL, nArrowFlags);
}

BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    if (!IsLive(m_hWnd) || lpScrollInfo == nullptr)
        return FALSE;
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    ::SetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo, bRedraw);
    return TRUE;
}

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    if (!IsLive(m_hWnd) || lpScrollInfo == nullptr)
        return FALSE;
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo);
}

int CScrollBar::GetScrollLimit()
{
    int nMin = 0;
    int nMax = 0;
    GetScrollRange(&nMin, &nMax);
    SCROLLINFO info{};
    if (GetScrollInfo(&info, SIF_PAGE) && info.nPage > 1)
        nMax -= static_cast<int>(info.nPage) - 1;
    return nMax;
}
