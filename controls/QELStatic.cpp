// QELStatic: setters, attachment, flashing and clicks. Painting is in
// QELStaticPaint.cpp.
#include "QELStatic.h"
#include "QELAnsiChars.h"
#include "LinkAccessible.h"
#include "LinkKeyboard.h"
#include "QELWindowLife.h"
#include <shellapi.h>
#include <climits>
#include <cstring>

IMPLEMENT_DYNAMIC(QELStatic, CStatic)

BEGIN_MESSAGE_MAP(QELStatic, CStatic)
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETCURSOR()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCodeMessage)
    ON_WM_KEYDOWN()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_MESSAGE(WM_UPDATEUISTATE, OnUpdateUIState)
    ON_MESSAGE(WM_GETOBJECT, OnGetObject)
END_MESSAGE_MAP()

namespace {
const UINT_PTR kFlashTimer = 1;
const UINT kFlashIntervalMs = 500;

// Copies at most nMax bytes of pszFace into the face name of lf, cut so that
// it fits with its terminator and never inside a character of the ANSI code
// page (two bytes in the double-byte ones, up to four in UTF-8). A character
// already cut short where the given bytes end goes too.
void CopyFaceName(LOGFONTA& lf, const char* pszFace, size_t nMax)
{
    char szFace[LF_FACESIZE] = "";
    const mbcs_chars::Encoding& chars = qel_ansi::Chars();
    const size_t nWhole = mbcs_chars::WholeLength(chars, pszFace, strnlen(pszFace, nMax));
    const size_t n = mbcs_chars::CutLength(chars, pszFace, nWhole, LF_FACESIZE - 1);
    std::memcpy(szFace, pszFace, n);
    szFace[n] = '\0';
    std::memcpy(lf.lfFaceName, szFace, sizeof(szFace));
}
}

QELStatic::QELStatic() : m_crText(::GetSysColor(COLOR_WINDOWTEXT))
{
    m_brFace.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    // Font setters may come before the label is attached: give them a real
    // font to change rather than zeroed fields.
    std::memset(&m_lf, 0, sizeof(m_lf));
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(m_lf), &m_lf);
}

QELStatic::~QELStatic()
{
    // A window that outlives its object would go on ticking into a plain static.
    if (m_bFlashing && ::IsWindow(m_hWnd))
        ::KillTimer(m_hWnd, kFlashTimer);
    m_font.DeleteObject();
    m_brFace.DeleteObject();
    m_brBackground.DeleteObject();
}

// ----- attachment --------------------------------------------------------------------

void QELStatic::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    HFONT hFont = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    if (hFont == nullptr)
        hFont = static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
    LOGFONTA lf;
    if (::GetObjectA(hFont, sizeof(lf), &lf) == sizeof(lf))
        m_lf = lf;
    ReconstructFont();
}

BOOL QELStatic::PreCreateWindow(CREATESTRUCT& cs) { return CStatic::PreCreateWindow(cs); }

// ----- repaint and font ----------------------------------------------------------------

void QELStatic::UpdateSurface()
{
    if (m_hWnd == nullptr || !::IsWindow(m_hWnd))
        return;
    CRect rc;
    GetWindowRect(rc);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    // The parent repaints what lies behind the label, which shows through a
    // transparent one.
    CWnd* pParent = GetParent();
    if (pParent == nullptr)
        return;
    pParent->ScreenToClient(rc);
    pParent->InvalidateRect(rc, TRUE);
    pParent->UpdateWindow();
}

void QELStatic::ReconstructFont()
{
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&m_lf);
}

QELStatic& QELStatic::FontChanged()
{
    ReconstructFont();
    UpdateSurface();
    return *this;
}

// ----- setters -------------------------------------------------------------------------

QELStatic& QELStatic::SetBkColor(COLORREF crBackground, COLORREF crGradientEnd, BackFillMode mode)
{
    m_crBackground = crBackground;
    m_crGradientEnd = crGradientEnd;
    m_fillMode = mode;
    m_brBackground.DeleteObject();
    if (mode == SolidFill)
        m_brBackground.CreateSolidBrush(crBackground);
    UpdateSurface();
    return *this;
}

QELStatic& QELStatic::SetTextColor(COLORREF crText)
{
    m_crText = crText;
    UpdateSurface();
    return *this;
}

QELStatic& QELStatic::SetText(const CString& strText)
{
    if (m_hWnd == nullptr || !::IsWindow(m_hWnd))
        return *this;
    SetWindowText(strText);
    UpdateSurface();
    return *this;
}

QELStatic& QELStatic::SetFontBold(BOOL bBold)
{
    m_lf.lfWeight = bBold ? FW_BOLD : FW_NORMAL;
    return FontChanged();
}

QELStatic& QELStatic::SetFontName(const CString& strFace, BYTE nCharSet)
{
    m_lf.lfCharSet = nCharSet;
    CopyFaceName(m_lf, strFace, static_cast<size_t>(strFace.GetLength()));
    return FontChanged();
}

QELStatic& QELStatic::SetFontUnderline(BOOL bUnderline)
{
    m_lf.lfUnderline = static_cast<BYTE>(bUnderline);
    return FontChanged();
}

QELStatic& QELStatic::SetFontItalic(BOOL bItalic)
{
    m_lf.lfItalic = static_cast<BYTE>(bItalic);
    return FontChanged();
}

QELStatic& QELStatic::SetFontSize(int nPoints)
{
    // Tenths of a point must stay an int.
    const int nLimit = INT_MAX / 10;
    if (nPoints > nLimit)
        nPoints = nLimit;
    else if (nPoints < -nLimit)
        nPoints = -nLimit;
    // The framework's point font does the conversion for the screen; only
    // the size is taken from it.
    CFont font;
    if (font.CreatePointFont(nPoints * 10, m_lf.lfFaceName)) {
        LOGFONTA lf;
        if (font.GetLogFont(&lf) != 0) {
            m_lf.lfHeight = lf.lfHeight;
            m_lf.lfWidth = lf.lfWidth;
        }
        font.DeleteObject();
    }
    return FontChanged();
}

QELStatic& QELStatic::SetSunken(BOOL bSunken)
{
    if (bSunken)
        ModifyStyleEx(0, WS_EX_STATICEDGE, SWP_FRAMECHANGED);
    else
        ModifyStyleEx(WS_EX_STATICEDGE, 0, SWP_FRAMECHANGED);
    return *this;
}

QELStatic& QELStatic::SetBorder(BOOL bBorder)
{
    if (bBorder)
        ModifyStyle(0, WS_BORDER, SWP_FRAMECHANGED);
    else
        ModifyStyle(WS_BORDER, 0, SWP_FRAMECHANGED);
    return *this;
}

QELStatic& QELStatic::SetTransparent(BOOL bTransparent)
{
    m_bTransparent = bTransparent;
    // Kept on either way: the label is painted after its siblings and the
    // parent, whichever way it paints itself.
    ModifyStyleEx(0, WS_EX_TRANSPARENT);
    UpdateSurface();
    return *this;
}

QELStatic& QELStatic::FlashText(BOOL bFlash)
{
    StopFlashTimer();
    if (bFlash)
        StartFlashing(FlashTextKind);
    else
        m_nFlashKind = FlashNone;
    return *this;
}

QELStatic& QELStatic::FlashBackground(BOOL bFlash)
{
    StopFlashTimer();
    if (bFlash)
        StartFlashing(FlashBackgroundKind);
    return *this;
}

void QELStatic::StopFlashTimer()
{
    if (m_bTimerStarted && m_hWnd != nullptr)
        KillTimer(kFlashTimer);
    m_bFlashing = FALSE;
}

void QELStatic::StartFlashing(int nKind)
{
    m_bFlashPhase = FALSE;
    m_nFlashKind = nKind;
    // A timer without a window would be a thread timer nobody stops.
    if (m_hWnd == nullptr || !::IsWindow(m_hWnd))
        return;
    m_bTimerStarted = TRUE;
    m_bFlashing = SetTimer(kFlashTimer, kFlashIntervalMs) != 0;
}

QELStatic& QELStatic::SetLink(BOOL bLink, BOOL bNotifyParent)
{
    return SetLinkKind(bLink ? LinkOpen : LinkNone, bNotifyParent);
}

QELStatic& QELStatic::SetMailLink(BOOL bMail, BOOL bNotifyParent)
{
    return SetLinkKind(bMail ? LinkMail : LinkNone, bNotifyParent);
}

QELStatic& QELStatic::SetLinkKind(int nKind, BOOL bNotifyParent)
{
    m_nLinkKind = nKind;
    m_bNotifyParent = bNotifyParent;
    // Without SS_NOTIFY a static lets clicks through to its parent.
    if (m_nLinkKind != LinkNone)
        ModifyStyle(0, SS_NOTIFY);
    else
        ModifyStyle(SS_NOTIFY, 0);
    return *this;
}

QELStatic& QELStatic::SetHyperLink(const CString& strTarget)
{
    m_strLinkTarget = strTarget;
    return *this;
}

QELStatic& QELStatic::SetLinkCursor(HICON hCursor)
{
    m_hLinkCursor = hCursor;
    return *this;
}

QELStatic& QELStatic::SetFont3D(BOOL b3D, Type3D type)
{
    m_type3D = type;
    m_b3DText = b3D;
    UpdateSurface();
    return *this;
}

QELStatic& QELStatic::SetRotationAngle(UINT nDegrees, BOOL bRotate)
{
    // Tenths of a degree.
    m_lf.lfEscapement = m_lf.lfOrientation = static_cast<LONG>(nDegrees * 10u);
    m_bRotated = bRotate;
    return FontChanged();
}

QELStatic& QELStatic::SetText3DHiliteColor(COLORREF crHilite)
{
    m_cr3DHilite = crHilite;
    UpdateSurface();
    return *this;
}

QELStatic& QELStatic::SetFont(LOGFONT lf)
{
    // The caller's face name may fill the whole field without a terminator.
    CopyFaceName(lf, lf.lfFaceName, LF_FACESIZE);
    m_lf = lf;
    return FontChanged();
}

// ----- handlers ------------------------------------------------------------------------

void QELStatic::OnTimer(UINT_PTR)
{
    m_bFlashPhase = !m_bFlashPhase;
    UpdateSurface();
    Default();
}

void QELStatic::OnLButtonDown(UINT, CPoint)
{
    // The parent may delete the label or destroy its window from the
    // notification: then the click has nobody left to finish it.
    const HWND hWnd = m_hWnd;
    OpenLink();
    if (qel_life::StillOwns(this, hWnd))
        Default();
}

void QELStatic::OpenLink()
{
    if (m_bNotifyParent) {
        NMHDR nmhdr;
        nmhdr.hwndFrom = m_hWnd;
        nmhdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
        nmhdr.code = QELN_LINKCLICKED;
        CWnd* pParent = GetParent();
        if (pParent != nullptr)
            pParent->SendMessage(WM_NOTIFY, nmhdr.idFrom, reinterpret_cast<LPARAM>(&nmhdr));
    } else if (m_nLinkKind == LinkOpen) {
        CString strText;
        GetWindowText(strText);
        const CString& strFile = m_strLinkTarget.IsEmpty() ? strText : m_strLinkTarget;
        ::ShellExecuteA(nullptr, "open", strFile, nullptr, nullptr, SW_SHOWNORMAL);
    } else if (m_nLinkKind == LinkMail) {
        CString strText;
        GetWindowText(strText);
        CString strMail = "mailto:";
        strMail += strText;
        // The default verb: whatever the system's mail handler offers.
        ::ShellExecuteA(nullptr, nullptr, strMail, nullptr, nullptr, SW_SHOWNORMAL);
    }
}

// ----- keyboard (links) ------------------------------------------------------------------

LRESULT QELStatic::OnGetDlgCodeMessage(WPARAM, LPARAM lParam)
{
    const LRESULT lDefault = Default();
    if (m_nLinkKind == LinkNone)
        return lDefault;
    return link_keyboard::DialogCode(m_hWnd, lDefault, reinterpret_cast<const MSG*>(lParam));
}

void QELStatic::OnKeyDown(UINT nChar, UINT, UINT nFlags)
{
    if (m_nLinkKind == LinkNone || !link_keyboard::IsActivation(nChar, nFlags)) {
        Default();
        return;
    }
    // As a click: the label's own action, then what the static control
    // itself tells its parent about a click.
    OpenLink();
    link_keyboard::NotifyClicked(m_hWnd);
}

// Only a link shows the focus: a plain label is not repainted for it.
void QELStatic::OnSetFocus(CWnd*)
{
    Default();
    if (m_nLinkKind != LinkNone)
        UpdateSurface();
}

void QELStatic::OnKillFocus(CWnd*)
{
    Default();
    if (m_nLinkKind != LinkNone)
        UpdateSurface();
}

LRESULT QELStatic::OnUpdateUIState(WPARAM, LPARAM)
{
    LRESULT lResult = Default();
    if (m_nLinkKind != LinkNone && AfxIsSameHandle(::GetFocus(), m_hWnd))
        UpdateSurface();
    return lResult;
}

BOOL QELStatic::OnSetCursor(CWnd*, UINT, UINT)
{
    if (m_hLinkCursor != nullptr) {
        ::SetCursor(m_hLinkCursor);
        return TRUE;
    }
    return static_cast<BOOL>(Default());
}

void QELStatic::OnSysColorChange()
{
    m_brFace.DeleteObject();
    m_brFace.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    UpdateSurface();
}

// ----- accessibility -------------------------------------------------------------------

LRESULT QELStatic::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    if (m_nLinkKind == LinkNone)
        return Default();
    static const link_accessible::Callbacks s_callbacks = { &QELStatic::AccessibleActivate,
                                                            &QELStatic::AccessibleVisited };
    const LRESULT lResult = link_accessible::Answer(m_hWnd, wParam, lParam, s_callbacks);
    return lResult != 0 ? lResult : Default();
}

bool QELStatic::AccessibleActivate(HWND hWnd)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(QELStatic)))
        return false;
    QELStatic* pLabel = static_cast<QELStatic*>(pWnd);
    if (pLabel->m_nLinkKind == LinkNone)
        return false;
    pLabel->OpenLink();
    link_keyboard::NotifyClicked(hWnd);
    return true;
}

// A label link keeps no visited state.
bool QELStatic::AccessibleVisited(HWND) { return false; }
