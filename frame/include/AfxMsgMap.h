// Message maps: the framework's macro names, with type-safe entries.
//
// Each entry carries a small thunk, a captureless lambda written by the macro
// inside the class's own GetThisMessageMap, that casts the target to the class
// and calls the handler with decoded arguments. There are no signature codes
// and no member-pointer casts, so a handler with the wrong signature fails to
// compile instead of misbehaving at run time.
#pragma once
#include "AfxObject.h"

class CCmdTarget;

// What one dispatch hands to a thunk.
struct AFX_MSGCALL
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT nID;          // command or control id (commands and notifications)
    void* pExtra;      // CCmdUI* for update handlers, AFX_NOTIFY* for notifications
    LRESULT* pResult;  // the message's result
};

// Returns TRUE when the message counts as handled.
typedef BOOL (*AFX_MSGTHUNK)(CCmdTarget* pTarget, AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;  // window message; WM_COMMAND/WM_NOTIFY (+WM_REFLECT_BASE when reflected)
    UINT nCode;     // control notification code, or CN_UPDATE_COMMAND_UI
    UINT nID;       // first control or command id
    UINT nLastID;   // last id of a range
    AFX_MSGTHUNK pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP*(PASCAL* pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// pExtra of a notification dispatch.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    const AFX_MSGMAP_ENTRY* pEntry;
};

#define CN_COMMAND           0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

#define DECLARE_MESSAGE_MAP()                            \
protected:                                               \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap()                            \
    {                                                                                 \
        typedef theClass ThisClass;                                                   \
        typedef baseClass TheBaseClass;                                               \
        (void)sizeof(ThisClass);                                                      \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                           \
    {                                                                                               \
        0, 0, 0, 0, nullptr                                                                         \
    }                                                                                               \
    }                                                                                               \
    ;                                                                                               \
    static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, &_messageEntries[0] }; \
    return &messageMap;                                                                             \
    }

// The body of a thunk: `p` is the target as ThisClass, `c` the call.
#define AFX_THUNK(...)                                    \
    [](CCmdTarget* pTarget_, AFX_MSGCALL& c) -> BOOL {    \
        ThisClass* p = static_cast<ThisClass*>(pTarget_); \
        (void)p;                                          \
        (void)c;                                          \
        __VA_ARGS__                                       \
    }

#define AFX_MSG_ENTRY(msg, body) { (UINT)(msg), 0, 0, 0, AFX_THUNK(body) },

// ----- commands and control notifications -------------------------------
#define ON_COMMAND(id, memberFxn)                                                               \
    {                                                                                           \
        WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AFX_THUNK(p->memberFxn(); return TRUE;) \
    }                                                                                           \
    ,
#define ON_COMMAND_EX(id, memberFxn)                                                           \
    {                                                                                          \
        WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AFX_THUNK(return p->memberFxn(c.nID);) \
    }                                                                                          \
    ,
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                          \
    {                                                                                                    \
        WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), AFX_THUNK(p->memberFxn(c.nID); return TRUE;) \
    }                                                                                                    \
    ,
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                       \
    {                                                                             \
        WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(id),                 \
            AFX_THUNK(p->memberFxn(static_cast<CCmdUI*>(c.pExtra)); return TRUE;) \
    }                                                                             \
    ,
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                         \
    {                                                                             \
        WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(idLast),             \
            AFX_THUNK(p->memberFxn(static_cast<CCmdUI*>(c.pExtra)); return TRUE;) \
    }                                                                             \
    ,
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                                 \
    {                                                                                                          \
        WM_COMMAND, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), AFX_THUNK(p->memberFxn(); return TRUE;) \
    }                                                                                                          \
    ,
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)               \
    {                                                                      \
        WM_COMMAND, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), \
            AFX_THUNK(p->memberFxn(c.nID); return TRUE;)                   \
    }                                                                      \
    ,
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                                  \
    {                                                                                                          \
        WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id),                                          \
            AFX_THUNK(AFX_NOTIFY* n = static_cast<AFX_NOTIFY*>(c.pExtra); p->memberFxn(n->pNMHDR, n->pResult); \
                      return TRUE;)                                                                            \
    }                                                                                                          \
    ,
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                                           \
    {                                                                                                                 \
        WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast),                                             \
            AFX_THUNK(AFX_NOTIFY* n = static_cast<AFX_NOTIFY*>(c.pExtra); p->memberFxn(c.nID, n->pNMHDR, n->pResult); \
                      return TRUE;)                                                                                   \
    }                                                                                                                 \
    ,
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)                          \
    {                                                                     \
        WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id),     \
            AFX_THUNK(AFX_NOTIFY* n = static_cast<AFX_NOTIFY*>(c.pExtra); \
                      return p->memberFxn(c.nID, n->pNMHDR, n->pResult);) \
    }                                                                     \
    ,
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn)            \
    {                                                                     \
        WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), \
            AFX_THUNK(AFX_NOTIFY* n = static_cast<AFX_NOTIFY*>(c.pExtra); \
                      return p->memberFxn(c.nID, n->pNMHDR, n->pResult);) \
    }                                                                     \
    ,

// ----- notifications reflected back to the control that sent them ------
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                              \
    {                                                                                                          \
        WM_REFLECT_BASE + WM_NOTIFY, (UINT)(WORD)(wNotifyCode), 0, 0,                                          \
            AFX_THUNK(AFX_NOTIFY* n = static_cast<AFX_NOTIFY*>(c.pExtra); p->memberFxn(n->pNMHDR, n->pResult); \
                      return TRUE;)                                                                            \
    }                                                                                                          \
    ,
// The handler returns TRUE when the parent must not see the notification too.
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                                                   \
    {                                                                                                                  \
        WM_REFLECT_BASE + WM_NOTIFY, (UINT)(WORD)(wNotifyCode), 0, 0,                                                  \
            AFX_THUNK(AFX_NOTIFY* n = static_cast<AFX_NOTIFY*>(c.pExtra); return p->memberFxn(n->pNMHDR, n->pResult);) \
    }                                                                                                                  \
    ,
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                             \
    {                                                                                                          \
        WM_REFLECT_BASE + WM_COMMAND, (UINT)(WORD)(wNotifyCode), 0, 0, AFX_THUNK(p->memberFxn(); return TRUE;) \
    }                                                                                                          \
    ,
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                                    \
    {                                                                                                    \
        WM_REFLECT_BASE + WM_COMMAND, (UINT)(WORD)(wNotifyCode), 0, 0, AFX_THUNK(return p->memberFxn();) \
    }                                                                                                    \
    ,
#define ON_WM_CTLCOLOR_REFLECT()                                                                            \
    {                                                                                                       \
        WM_REFLECT_BASE + WM_CTLCOLOR_ALL, 0, 0, 0,                                                         \
            AFX_THUNK(HBRUSH hbr = p->CtlColor(CDC::FromHandle((HDC)c.wParam), AfxCtlColorType(c.message)); \
                      *c.pResult = (LRESULT)hbr; return hbr != nullptr;)                                    \
    }                                                                                                       \
    ,

// ----- user-defined messages --------------------------------------------
#define ON_MESSAGE(message, memberFxn) \
    AFX_MSG_ENTRY(message, *c.pResult = p->memberFxn(c.wParam, c.lParam); return TRUE;)
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                         \
    {                                                                              \
        0xC000, 0, 0, 0,                                                           \
            AFX_THUNK(if (c.message != (nMessageVariable)) return FALSE;           \
                      *c.pResult = p->memberFxn(c.wParam, c.lParam); return TRUE;) \
    }                                                                              \
    ,

// All WM_CTLCOLOR* messages dispatch as this one, with the type passed along.
#define WM_CTLCOLOR_ALL 0x0019
inline UINT AfxCtlColorType(UINT message) { return message - WM_CTLCOLORMSGBOX; }

#define AFX_POINT(lp) CPoint((int)(short)LOWORD(lp), (int)(short)HIWORD(lp))

// ----- window messages ---------------------------------------------------
#define ON_WM_CREATE()                                                                                            \
    AFX_MSG_ENTRY(WM_CREATE, *c.pResult = p->OnCreate(reinterpret_cast<LPCREATESTRUCT>(c.lParam)) == -1 ? -1 : 0; \
                  return TRUE;)
#define ON_WM_DESTROY()   AFX_MSG_ENTRY(WM_DESTROY, p->OnDestroy(); return TRUE;)
#define ON_WM_NCDESTROY() AFX_MSG_ENTRY(WM_NCDESTROY, p->OnNcDestroy(); return TRUE;)
#define ON_WM_CLOSE()     AFX_MSG_ENTRY(WM_CLOSE, p->OnClose(); return TRUE;)
#define ON_WM_PAINT()     AFX_MSG_ENTRY(WM_PAINT, p->OnPaint(); return TRUE;)
#define ON_WM_NCPAINT()   AFX_MSG_ENTRY(WM_NCPAINT, p->OnNcPaint(); return TRUE;)
#define ON_WM_ERASEBKGND() \
    AFX_MSG_ENTRY(WM_ERASEBKGND, *c.pResult = p->OnEraseBkgnd(CDC::FromHandle((HDC)c.wParam)); return TRUE;)
#define ON_WM_TIMER() AFX_MSG_ENTRY(WM_TIMER, p->OnTimer((UINT_PTR)c.wParam); return TRUE;)
#define ON_WM_SIZE()                                                                                              \
    AFX_MSG_ENTRY(WM_SIZE, p->OnSize((UINT)c.wParam, (int)(short)LOWORD(c.lParam), (int)(short)HIWORD(c.lParam)); \
                  return TRUE;)
#define ON_WM_SIZING()                                                                                           \
    AFX_MSG_ENTRY(WM_SIZING, p->OnSizing((UINT)c.wParam, reinterpret_cast<LPRECT>(c.lParam)); *c.pResult = TRUE; \
                  return TRUE;)
#define ON_WM_MOVE() \
    AFX_MSG_ENTRY(WM_MOVE, p->OnMove((int)(short)LOWORD(c.lParam), (int)(short)HIWORD(c.lParam)); return TRUE;)
#define ON_WM_SHOWWINDOW() AFX_MSG_ENTRY(WM_SHOWWINDOW, p->OnShowWindow((BOOL)c.wParam, (UINT)c.lParam); return TRUE;)
#define ON_WM_ENABLE()     AFX_MSG_ENTRY(WM_ENABLE, p->OnEnable((BOOL)c.wParam); return TRUE;)
#define ON_WM_ACTIVATE()                                                                                     \
    AFX_MSG_ENTRY(WM_ACTIVATE,                                                                               \
                  p->OnActivate(LOWORD(c.wParam), CWnd::FromHandle((HWND)c.lParam), (BOOL)HIWORD(c.wParam)); \
                  return TRUE;)
#define ON_WM_GETMINMAXINFO() \
    AFX_MSG_ENTRY(WM_GETMINMAXINFO, p->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(c.lParam)); return TRUE;)
#define ON_WM_WINDOWPOSCHANGING() \
    AFX_MSG_ENTRY(WM_WINDOWPOSCHANGING, p->OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(c.lParam)); return TRUE;)
#define ON_WM_WINDOWPOSCHANGED() \
    AFX_MSG_ENTRY(WM_WINDOWPOSCHANGED, p->OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(c.lParam)); return TRUE;)
#define ON_WM_NCCALCSIZE()                                                                                        \
    AFX_MSG_ENTRY(WM_NCCALCSIZE, p->OnNcCalcSize((BOOL)c.wParam, reinterpret_cast<NCCALCSIZE_PARAMS*>(c.lParam)); \
                  return TRUE;)
#define ON_WM_NCHITTEST() \
    AFX_MSG_ENTRY(WM_NCHITTEST, *c.pResult = (LRESULT)p->OnNcHitTest(AFX_POINT(c.lParam)); return TRUE;)
#define ON_WM_SETFOCUS()  AFX_MSG_ENTRY(WM_SETFOCUS, p->OnSetFocus(CWnd::FromHandle((HWND)c.wParam)); return TRUE;)
#define ON_WM_KILLFOCUS() AFX_MSG_ENTRY(WM_KILLFOCUS, p->OnKillFocus(CWnd::FromHandle((HWND)c.wParam)); return TRUE;)
#define ON_WM_SETCURSOR()                                                                                            \
    AFX_MSG_ENTRY(WM_SETCURSOR,                                                                                      \
                  *c.pResult = p->OnSetCursor(CWnd::FromHandle((HWND)c.wParam), LOWORD(c.lParam), HIWORD(c.lParam)); \
                  return TRUE;)
#define ON_WM_CAPTURECHANGED() \
    AFX_MSG_ENTRY(WM_CAPTURECHANGED, p->OnCaptureChanged(CWnd::FromHandle((HWND)c.lParam)); return TRUE;)
#define ON_WM_MOUSEACTIVATE()                                                                            \
    AFX_MSG_ENTRY(WM_MOUSEACTIVATE, *c.pResult = p->OnMouseActivate(CWnd::FromHandle((HWND)c.wParam),    \
                                                                    LOWORD(c.lParam), HIWORD(c.lParam)); \
                  return TRUE;)
#define ON_WM_CANCELMODE()     AFX_MSG_ENTRY(WM_CANCELMODE, p->OnCancelMode(); return TRUE;)
#define ON_WM_GETDLGCODE()     AFX_MSG_ENTRY(WM_GETDLGCODE, *c.pResult = (LRESULT)p->OnGetDlgCode(); return TRUE;)
#define ON_WM_SYSCOLORCHANGE() AFX_MSG_ENTRY(WM_SYSCOLORCHANGE, p->OnSysColorChange(); return TRUE;)
#define ON_WM_SETTINGCHANGE()                                                                               \
    AFX_MSG_ENTRY(WM_SETTINGCHANGE, p->OnSettingChange((UINT)c.wParam, reinterpret_cast<LPCSTR>(c.lParam)); \
                  return TRUE;)
#define ON_WM_SYSCOMMAND() AFX_MSG_ENTRY(WM_SYSCOMMAND, p->OnSysCommand((UINT)c.wParam, c.lParam); return TRUE;)
#define ON_WM_CONTEXTMENU() \
    AFX_MSG_ENTRY(WM_CONTEXTMENU, p->OnContextMenu(CWnd::FromHandle((HWND)c.wParam), AFX_POINT(c.lParam)); return TRUE;)
#define ON_WM_INITMENUPOPUP()                                                                                       \
    AFX_MSG_ENTRY(WM_INITMENUPOPUP,                                                                                 \
                  p->OnInitMenuPopup(CMenu::FromHandle((HMENU)c.wParam), LOWORD(c.lParam), (BOOL)HIWORD(c.lParam)); \
                  return TRUE;)
#define ON_WM_CTLCOLOR()                                                                                             \
    AFX_MSG_ENTRY(WM_CTLCOLOR_ALL,                                                                                   \
                  *c.pResult = (LRESULT)p->OnCtlColor(CDC::FromHandle((HDC)c.wParam),                                \
                                                      CWnd::FromHandle((HWND)c.lParam), AfxCtlColorType(c.message)); \
                  return TRUE;)
#define ON_WM_DRAWITEM()                                                                                   \
    AFX_MSG_ENTRY(WM_DRAWITEM, p->OnDrawItem((int)c.wParam, reinterpret_cast<LPDRAWITEMSTRUCT>(c.lParam)); \
                  *c.pResult = TRUE; return TRUE;)
#define ON_WM_MEASUREITEM()                                                                                         \
    AFX_MSG_ENTRY(WM_MEASUREITEM, p->OnMeasureItem((int)c.wParam, reinterpret_cast<LPMEASUREITEMSTRUCT>(c.lParam)); \
                  *c.pResult = TRUE; return TRUE;)
#define ON_WM_HSCROLL()                                                                                      \
    AFX_MSG_ENTRY(WM_HSCROLL, p->OnHScroll(LOWORD(c.wParam), (short)HIWORD(c.wParam),                        \
                                           reinterpret_cast<CScrollBar*>(CWnd::FromHandle((HWND)c.lParam))); \
                  return TRUE;)
#define ON_WM_VSCROLL()                                                                                      \
    AFX_MSG_ENTRY(WM_VSCROLL, p->OnVScroll(LOWORD(c.wParam), (short)HIWORD(c.wParam),                        \
                                           reinterpret_cast<CScrollBar*>(CWnd::FromHandle((HWND)c.lParam))); \
                  return TRUE;)

#define AFX_KEY_ENTRY(msg, fn) \
    AFX_MSG_ENTRY(msg, p->fn((UINT)c.wParam, LOWORD(c.lParam), HIWORD(c.lParam)); return TRUE;)
#define ON_WM_CHAR()       AFX_KEY_ENTRY(WM_CHAR, OnChar)
#define ON_WM_KEYDOWN()    AFX_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP()      AFX_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_SYSKEYDOWN() AFX_KEY_ENTRY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSCHAR()    AFX_KEY_ENTRY(WM_SYSCHAR, OnSysChar)

#define AFX_MOUSE_ENTRY(msg, fn) AFX_MSG_ENTRY(msg, p->fn((UINT)c.wParam, AFX_POINT(c.lParam)); return TRUE;)
#define ON_WM_MOUSEMOVE()        AFX_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN()      AFX_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP()        AFX_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK()    AFX_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN()      AFX_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP()        AFX_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK()    AFX_MOUSE_ENTRY(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN()      AFX_MOUSE_ENTRY(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP()        AFX_MOUSE_ENTRY(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK()    AFX_MOUSE_ENTRY(WM_MBUTTONDBLCLK, OnMButtonDblClk)
#define ON_WM_MOUSEWHEEL()                                                                                      \
    AFX_MSG_ENTRY(WM_MOUSEWHEEL,                                                                                \
                  *c.pResult = p->OnMouseWheel(LOWORD(c.wParam), (short)HIWORD(c.wParam), AFX_POINT(c.lParam)); \
                  return TRUE;)
#define ON_WM_NCMOUSEMOVE()     AFX_MOUSE_ENTRY(WM_NCMOUSEMOVE, OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN()   AFX_MOUSE_ENTRY(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP()     AFX_MOUSE_ENTRY(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN()   AFX_MOUSE_ENTRY(WM_NCRBUTTONDOWN, OnNcRButtonDown)

// ----- common control notification shorthands ---------------------------
#define ON_BN_CLICKED(id, memberFxn)       ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn)        ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn)        ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn)      ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn)     ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn)    ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn)     ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn)     ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn)   ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn)    ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn)       ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn)      ON_CONTROL(STN_CLICKED, id, memberFxn)
