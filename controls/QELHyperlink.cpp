// QELHyperlink: attachment, hover tracking, colours, clicks and the tooltip.
#include "QELHyperlink.h"
#include "LinkAccessible.h"
#include "LinkKeyboard.h"
#include "QELWindowLife.h"
#include "logic/StaticTextFormat.h"
#include <shellapi.h>

IMPLEMENT_DYNAMIC(QELHyperlink, CStatic)

BEGIN_MESSAGE_MAP(QELHyperlink, CStatic)
    ON_WM_MOUSEMOVE()
    ON_WM_SETCURSOR()
    ON_CONTROL_REFLECT(STN_CLICKED, OnClicked)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_CAPTURECHANGED()
    ON_WM_SIZE()
    ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCodeMessage)
    ON_WM_KEYDOWN()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_MESSAGE(WM_UPDATEUISTATE, OnUpdateUIState)
    ON_WM_PAINT()
    ON_MESSAGE(WM_GETOBJECT, OnGetObject)
END_MESSAGE_MAP()

namespace {
// The one tool of the tooltip: the whole control.
const UINT_PTR kToolId = 1001;
// The hand cursor of the system's help program.
const WORD kHelpHandCursor = 106;
const UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

// The help program's hand, read from its resources once per process and
// shared by every link. Loaded as a data file, none of the program's code
// runs and none of its imports are loaded (a 64-bit program cannot run the
// 32-bit file anyway). LoadImage without LR_SHARED gives a cursor of our own
// that outlives the module: a shared one (LoadCursor) would stay in the
// system's cache of shared icons for good, a new entry for every mapping of
// the file, and a link made per dialog made that cache, and each look-up in
// it, grow with the process's age. Destroyed when the library unloads.
HCURSOR HelpHandCursor()
{
    struct HandCursor
    {
        HCURSOR hCursor = nullptr;
        HandCursor()
        {
            char szPath[520] = "";
            const UINT nLength = ::GetWindowsDirectoryA(szPath, sizeof(szPath));
            if (nLength == 0 || nLength + sizeof("\\Winhlp32.exe") > sizeof(szPath))
                return;
            ::lstrcatA(szPath, "\\Winhlp32.exe");
            HMODULE hModule = ::LoadLibraryExA(szPath, nullptr, LOAD_LIBRARY_AS_DATAFILE);
            if (hModule == nullptr)
                return;
            hCursor = static_cast<HCURSOR>(
                ::LoadImageA(hModule, MAKEINTRESOURCEA(kHelpHandCursor), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
            ::FreeLibrary(hModule);
        }
        ~HandCursor()
        {
            if (hCursor != nullptr)
                ::DestroyCursor(hCursor);
        }
    };
    static const HandCursor s_hand;
    return s_hand.hCursor;
}

// True when the text holds an at sign as a character of its own (not as the
// second byte of a double-byte character).
bool HasAtSign(LPCSTR psz)
{
    for (; *psz != '\0'; psz = ::CharNextA(psz))
        if (*psz == '@')
            return true;
    return false;
}
}

QELHyperlink::QELHyperlink() = default;

QELHyperlink::~QELHyperlink() { ReleaseResources(); }

void QELHyperlink::ReleaseResources()
{
    if (m_ToolTip.m_hWnd != nullptr && ::IsWindow(m_ToolTip.m_hWnd))
        m_ToolTip.DestroyWindow();
    // A window that outlives this object must not keep a font that is gone.
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd) && m_LinkFont.GetSafeHandle() != nullptr &&
        AfxIsSameHandle(reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)),
                        static_cast<HFONT>(m_LinkFont)))
        ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_hOriginalFont), FALSE);
    m_LinkFont.DeleteObject();
    m_hLinkCursor = nullptr;
}

// ----- attachment --------------------------------------------------------------------

void QELHyperlink::PreSubclassWindow()
{
    // Attached again (a new window for the same object): start afresh.
    ReleaseResources();

    // A static reports clicks only with SS_NOTIFY.
    ::SetWindowLongA(m_hWnd, GWL_STYLE, ::GetWindowLongA(m_hWnd, GWL_STYLE) | SS_NOTIFY);

    // The window's own font, underlined. A window without a font (created
    // rather than placed on a dialog) starts from the default GUI font.
    m_hOriginalFont = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    HGDIOBJ hSource =
        m_hOriginalFont != nullptr ? static_cast<HGDIOBJ>(m_hOriginalFont) : ::GetStockObject(DEFAULT_GUI_FONT);
    LOGFONTA lf;
    if (::GetObjectA(hSource, sizeof(lf), &lf) == sizeof(lf)) {
        lf.lfUnderline = 1;
        if (m_LinkFont.CreateFontIndirect(&lf))
            ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_LinkFont.GetSafeHandle()), TRUE);
    }

    LoadHandCursor();
    // Honoured by an icon static only; a text static ignores it.
    ::SendMessageA(m_hWnd, STM_SETIMAGE, IMAGE_CURSOR, reinterpret_cast<LPARAM>(m_hLinkCursor));
    CStatic::PreSubclassWindow();
    ::SendMessageA(m_hWnd, STM_SETIMAGE, IMAGE_CURSOR, reinterpret_cast<LPARAM>(m_hLinkCursor));

    if (m_ToolTip.Create(this, TTS_ALWAYSTIP)) {
        CRect rc;
        GetClientRect(rc);
        m_ToolTip.AddTool(this, "", rc, kToolId);
        m_ToolTip.ShowWindow(SW_HIDE);
    }
}

void QELHyperlink::LoadHandCursor()
{
    m_hLinkCursor = HelpHandCursor();
    // The system's own hand, shared and never destroyed.
    if (m_hLinkCursor == nullptr)
        m_hLinkCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));  // IDC_HAND
}

BOOL QELHyperlink::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return CStatic::OnNotify(wParam, lParam, pResult);
}

BOOL QELHyperlink::PreTranslateMessage(MSG* pMsg)
{
    if (m_ToolTip.m_hWnd != nullptr && pMsg != nullptr)
        ::SendMessageA(m_ToolTip.m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
    return CStatic::PreTranslateMessage(pMsg);
}

// ----- colours and link ------------------------------------------------------------------

void QELHyperlink::SetLinkColor(COLORREF crLink) { m_crLinkColor = crLink; }
void QELHyperlink::SetHoverColor(COLORREF crHover) { m_crHoverColor = crHover; }
void QELHyperlink::SetVisitedColor(COLORREF crVisited) { m_crVisitedColor = crVisited; }

void QELHyperlink::SetLinkText(CString strText)
{
    m_strLinkText = strText;
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd))
        SetWindowText(strText);
}

CString QELHyperlink::GetLinkText() { return m_strLinkText; }

void QELHyperlink::SetLinkUrl(CString strUrl) { m_strLinkUrl = strUrl; }

CString QELHyperlink::GetLinkUrl() { return m_strLinkUrl; }

void QELHyperlink::SetFireChild(int nFlag) { m_bFireChild = nFlag != 0; }

bool QELHyperlink::GoToLinkUrl(CString strUrl)
{
    CString strTarget = strUrl;
    if (strTarget.IsEmpty() && m_hWnd != nullptr) {
        GetWindowText(strTarget);
        if (!strTarget.IsEmpty() && HasAtSign(strTarget))
            strTarget = CString("mailto:") + strTarget;
    }
    HINSTANCE hResult = ::ShellExecuteA(nullptr, "open", strTarget, nullptr, nullptr, SW_SHOWMINIMIZED);
    return reinterpret_cast<INT_PTR>(hResult) > 32;
}

// ----- tooltip -------------------------------------------------------------------------

void QELHyperlink::ActiveToolTip(int nFlag) { m_bToolTip = nFlag != 0; }

void QELHyperlink::SetTootTipText(LPCSTR lpszText)
{
    if (!m_bToolTip || m_ToolTip.m_hWnd == nullptr)
        return;
    m_ToolTip.UpdateTipText(lpszText != nullptr ? lpszText : "", this, kToolId);
}

void QELHyperlink::SetToolTipTextColor(COLORREF crText)
{
    if (m_ToolTip.m_hWnd != nullptr)
        ::SendMessageA(m_ToolTip.m_hWnd, TTM_SETTIPTEXTCOLOR, crText, 0);
}

void QELHyperlink::SetToolTipBgColor(COLORREF crBack)
{
    if (m_ToolTip.m_hWnd != nullptr)
        ::SendMessageA(m_ToolTip.m_hWnd, TTM_SETTIPBKCOLOR, crBack, 0);
}

// ----- handlers ------------------------------------------------------------------------

void QELHyperlink::OnMouseMove(UINT, CPoint point)
{
    Default();
    if (m_bHover) {
        CRect rc;
        GetClientRect(rc);
        if (!rc.PtInRect(point)) {
            m_bHover = false;
            ::ReleaseCapture();
            Repaint(true);
        }
    } else {
        m_bHover = true;
        Repaint(true);
        // Holding the capture, the control still sees the move that leaves it.
        SetCapture();
    }
}

void QELHyperlink::OnCaptureChanged(CWnd* pWnd)
{
    // Capture taken away (a menu, a dialog, another window): the mouse can no
    // longer be followed, so the link must not stay lit.
    if (m_bHover && (pWnd == nullptr || !AfxIsSameHandle(pWnd->m_hWnd, m_hWnd))) {
        m_bHover = false;
        Repaint(true);
    }
    Default();
}

void QELHyperlink::OnSize(UINT, int, int)
{
    Default();
    // The tip covers the whole control, whatever its size now.
    if (m_ToolTip.m_hWnd != nullptr) {
        CRect rc;
        GetClientRect(rc);
        m_ToolTip.SetToolRect(this, kToolId, rc);
    }
}

BOOL QELHyperlink::OnSetCursor(CWnd*, UINT, UINT)
{
    ::SetCursor(m_hLinkCursor);
    return TRUE;
}

HBRUSH QELHyperlink::CtlColor(CDC* pDC, UINT)
{
    if (m_bVisited)
        pDC->SetTextColor(m_crVisitedColor);
    else if (m_bHover)
        pDC->SetTextColor(m_crHoverColor);
    else
        pDC->SetTextColor(m_crLinkColor);
    pDC->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void QELHyperlink::OnClicked()
{
    const HWND hWnd = m_hWnd;
    if (m_bFireChild) {
        CWnd* pParent = GetParent();
        if (pParent != nullptr)
            pParent->SendMessage(QELM_HYPERLINKCLICKED, static_cast<WPARAM>(GetDlgCtrlID()), 0);
    } else {
        GoToLinkUrl(m_strLinkUrl);
    }
    // The parent may have deleted the link or destroyed its window meanwhile.
    if (!qel_life::StillOwns(this, hWnd))
        return;
    m_bVisited = true;
    Repaint(false);
}

void QELHyperlink::Repaint(bool bNow)
{
    if (link_keyboard::ShowsFocus(m_hWnd))
        link_keyboard::RedrawBehind(m_hWnd);
    else if (bNow)
        RedrawWindow(nullptr, nullptr, kRedrawNow);
    else
        InvalidateRect(nullptr, TRUE);
}

// ----- keyboard --------------------------------------------------------------------------

LRESULT QELHyperlink::OnGetDlgCodeMessage(WPARAM, LPARAM lParam)
{
    return link_keyboard::DialogCode(m_hWnd, Default(), reinterpret_cast<const MSG*>(lParam));
}

void QELHyperlink::OnKeyDown(UINT nChar, UINT, UINT nFlags)
{
    // The static control's own click notification, reflected back here, is
    // the path a click takes: a key takes it too.
    if (link_keyboard::IsActivation(nChar, nFlags))
        link_keyboard::NotifyClicked(m_hWnd);
    else
        Default();
}

void QELHyperlink::OnSetFocus(CWnd*)
{
    Default();
    link_keyboard::RedrawBehind(m_hWnd);
}

void QELHyperlink::OnKillFocus(CWnd*)
{
    Default();
    link_keyboard::RedrawBehind(m_hWnd);
}

LRESULT QELHyperlink::OnUpdateUIState(WPARAM, LPARAM)
{
    LRESULT lResult = Default();
    // The focus cues were turned on or off.
    if (AfxIsSameHandle(::GetFocus(), m_hWnd))
        link_keyboard::RedrawBehind(m_hWnd);
    return lResult;
}

void QELHyperlink::OnPaint()
{
    // The static control paints its text in our colours; the focus
    // rectangle goes round it afterwards.
    Default();
    if (!link_keyboard::ShowsFocus(m_hWnd))
        return;
    CClientDC dc(this);
    CString strText;
    GetWindowText(strText);
    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    CFont* pOldFont = hFont != nullptr ? dc.SelectObject(CFont::FromHandle(hFont)) : nullptr;
    const UINT nFormat = StaticTextFormat(GetStyle(), strText);
    dc.DrawFocusRect(link_keyboard::FocusRect(m_hWnd, dc.m_hDC, strText, nFormat));
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
}

// ----- accessibility -------------------------------------------------------------------

LRESULT QELHyperlink::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    static const link_accessible::Callbacks s_callbacks = { &QELHyperlink::AccessibleActivate,
                                                            &QELHyperlink::AccessibleVisited };
    const LRESULT lResult = link_accessible::Answer(m_hWnd, wParam, lParam, s_callbacks);
    return lResult != 0 ? lResult : Default();
}

bool QELHyperlink::AccessibleActivate(HWND hWnd)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(QELHyperlink)))
        return false;
    // The click's own path, as for Enter and Space.
    link_keyboard::NotifyClicked(hWnd);
    return true;
}

bool QELHyperlink::AccessibleVisited(HWND hWnd)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(QELHyperlink)) &&
           static_cast<QELHyperlink*>(pWnd)->m_bVisited;
}
