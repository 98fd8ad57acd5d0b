// CEdit: the edit control as a framework window.
//
// Each operation checks that the window exists and sends it one message; on a
// missing window it answers the control's own failure value (CB_ERR, LB_ERR,
// 0 or FALSE). Text getters size their buffer to the text, never cutting it.
// Owner-drawn controls receive their WM_DRAWITEM, WM_MEASUREITEM,
// WM_COMPAREITEM and WM_DELETEITEM back from the parent through OnChildNotify
// and hand them to the virtual DrawItem, MeasureItem, CompareItem, DeleteItem.
#pragma once
#include "AfxWnd.h"

class AFX_API CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ----- attributes ------------------------------------------------------------
    BOOL CanUndo() const;
    int GetLineCount() const;
    BOOL GetModify() const;
    void SetModify(BOOL bModified = TRUE);
    void GetRect(LPRECT lpRect) const;
    // Start in the low word, end in the high word.
    DWORD GetSel() const;
    void GetSel(int& nStartChar, int& nEndChar) const;
    HLOCAL GetHandle() const;
    void SetHandle(HLOCAL hBuffer);
    void SetMargins(UINT nLeft, UINT nRight);
    DWORD GetMargins() const;
    void SetLimitText(UINT nMax);
    UINT GetLimitText() const;
    CPoint PosFromChar(UINT nChar) const;
    // The character index in the low word, the line in the high word.
    int CharFromPos(CPoint pt) const;
    // The buffer starts with its size as a WORD, as the control expects.
    int GetLine(int nIndex, LPSTR lpszBuffer) const;
    // Copies at most nMaxLength characters, without a terminating zero.
    int GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const;
    int GetFirstVisibleLine() const;
    char GetPasswordChar() const;

    // ----- operations --------------------------------------------------------------
    void EmptyUndoBuffer();
    BOOL FmtLines(BOOL bAddEOL);
    void LimitText(int nChars = 0);
    int LineFromChar(int nIndex = -1) const;
    int LineIndex(int nLine = -1) const;
    int LineLength(int nLine = -1) const;
    void LineScroll(int nLines, int nChars = 0);
    void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE);
    void SetPasswordChar(char ch);
    void SetRect(LPCRECT lpRect);
    void SetRectNP(LPCRECT lpRect);
    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    BOOL SetTabStops(int nTabStops, LPINT rgTabStops);
    void SetTabStops();
    BOOL SetTabStops(const int& cxEachStop);
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);

    // ----- clipboard and undo ----------------------------------------------------------
    BOOL Undo();
    void Clear();
    void Copy();
    void Cut();
    void Paste();
};
