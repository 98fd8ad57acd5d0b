// CToolTipCtrl: the tooltip control as a framework window.
//
// As with the standard controls, each operation checks that the window exists
// and sends it one message, answering the control's failure value when it
// does not; text getters size their buffer to the text.
#pragma once
#include "AfxWnd.h"

// A tool description with room for the text of the tool.
class CToolInfo : public TTTOOLINFOA
{
public:
    char szText[256];
};

class AFX_API CToolTipCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl() = default;
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwStyle = 0, DWORD dwStyleEx = 0);

    // ----- attributes ------------------------------------------------------------
    // A tool is a window of pWnd's parent when nIDTool is 0, else the rectangle
    // nIDTool of pWnd.
    void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    BOOL GetToolInfo(CToolInfo& ToolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    void SetToolInfo(TTTOOLINFOA* lpToolInfo);
    void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
    int GetToolCount() const;
    int GetDelayTime(DWORD dwDuration) const;
    void SetDelayTime(DWORD dwDuration, int iTime);
    void SetDelayTime(UINT nDelay);
    void GetMargin(LPRECT lprc) const;
    void SetMargin(LPRECT lprc);
    int GetMaxTipWidth() const;
    int SetMaxTipWidth(int iWidth);
    COLORREF GetTipBkColor() const;
    void SetTipBkColor(COLORREF clr);
    COLORREF GetTipTextColor() const;
    void SetTipTextColor(COLORREF clr);

    // ----- operations ----------------------------------------------------------------
    void Activate(BOOL bActivate);
    // The text comes from string resource nIDText.
    BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    // LPSTR_TEXTCALLBACK asks the parent for the text when the tip shows.
    BOOL AddTool(CWnd* pWnd, LPCSTR lpszText = LPSTR_TEXTCALLBACKA, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    BOOL HitTest(CWnd* pWnd, CPoint pt, TTTOOLINFOA* lpToolInfo) const;
    void RelayEvent(LPMSG lpMsg);
    void UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void Update();
    void Pop();
    BOOL AdjustRect(LPRECT lprc, BOOL bLarger = TRUE);
    BOOL SetTitle(UINT uIcon, LPCSTR lpstrTitle);

    // Fills the size and identity of a tool. The size is the one every
    // common-controls version accepts, so the fields of the newest versions
    // (beyond lParam) are never read or written.
    void FillInToolInfo(TTTOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) const;
};
