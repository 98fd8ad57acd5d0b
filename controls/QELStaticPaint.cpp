// QELStatic: painting. Everything is drawn in OnPaint, through a memory
// bitmap unless the label is transparent, so repeated repaints (a flash tick
// every 500 ms, every setter) do not flicker.
#include "QELStatic.h"
#include "LinkKeyboard.h"
#include "QELDpi.h"
#include "QELMemory.h"
#include "logic/GradientBands.h"
#include "logic/StaticTextFormat.h"

namespace {
// More bands than this would not look smoother and would only cost brushes.
const int kGradientBands = 100;
}

BOOL QELStatic::OnEraseBkgnd(CDC*) { return TRUE; }

void QELStatic::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(rc);
    CString strText;
    GetWindowText(strText);

    // The surface: the window itself when transparent, otherwise a bitmap of
    // the client size that is copied to the window at the end.
    CDC memDC;
    CBitmap bitmap;
    CBitmap* pOldBitmap = nullptr;
    CDC* pDC = &dc;
    if (!m_bTransparent && memDC.CreateCompatibleDC(&dc)) {
        if (bitmap.CreateCompatibleBitmap(&dc, rc.Width(), rc.Height())) {
            pOldBitmap = memDC.SelectObject(&bitmap);
            pDC = &memDC;
        }
    }

    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOldText = pDC->SetTextColor(m_crText);
    CFont* pOldFont = pDC->SelectObject(&m_font);

    if (!m_bTransparent)
        PaintBackground(pDC, rc);

    // Text flashing hides the text in the background colour every other tick.
    if (!m_bFlashPhase && m_nFlashKind == FlashTextKind)
        pDC->SetTextColor(BackgroundBrushColor());

    const UINT nFormat = StaticTextFormat(GetStyle(), strText);
    if (m_bRotated) {
        // The font's escapement turns the text; anchoring its baseline at the
        // centre turns it about the middle of the label.
        const UINT nOldAlign = pDC->SetTextAlign(TA_BASELINE);
        const CPoint ptOldOrg = pDC->SetViewportOrg(rc.Width() / 2, rc.Height() / 2);
        pDC->TextOut(0, 0, strText);
        pDC->SetViewportOrg(ptOldOrg);
        pDC->SetTextAlign(nOldAlign);
    } else {
        CRect rcText = rc;
        pDC->DrawText(strText, rcText, nFormat);
        if (m_b3DText) {
            // One pixel at 96 DPI: the copy keeps its distance as the text grows.
            const int nShift = qel_dpi::Scale(1, qel_dpi::DpiOf(m_hWnd));
            pDC->SetTextColor(m_cr3DHilite);
            if (m_type3D == Embossed)
                rcText.OffsetRect(-nShift, -nShift);
            else
                rcText.OffsetRect(nShift, nShift);
            pDC->DrawText(strText, rcText, nFormat);
        }
    }
    PaintFocus(pDC, rc, strText, nFormat);

    pDC->SetBkMode(nOldMode);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    pDC->SetTextColor(crOldText);

    if (pDC == &memDC) {
        dc.BitBlt(0, 0, rc.Width(), rc.Height(), &memDC, 0, 0, SRCCOPY);
        memDC.SelectObject(pOldBitmap);
    }
}

void QELStatic::PaintFocus(CDC* pDC, const CRect& rc, const CString& strText, UINT nFormat)
{
    if (m_nLinkKind == LinkNone || !link_keyboard::ShowsFocus(m_hWnd))
        return;
    // Rotated text has no box of its own to go round: the whole label.
    CRect rcFocus = m_bRotated ? rc : link_keyboard::FocusRect(m_hWnd, pDC->m_hDC, strText, nFormat);
    pDC->DrawFocusRect(rcFocus);
}

void QELStatic::PaintBackground(CDC* pDC, const CRect& rc)
{
    // A flashing background shows the face colour every other tick.
    if (m_bFlashing && !m_bFlashPhase && m_nFlashKind == FlashBackgroundKind) {
        pDC->FillRect(rc, &m_brFace);
        return;
    }
    if (m_fillMode == SolidFill) {
        pDC->FillRect(rc, m_brBackground.GetSafeHandle() != nullptr ? &m_brBackground : &m_brFace);
    } else {
        CRect rcFill = rc;
        DrawGradientFill(pDC, &rcFill, m_crBackground, m_crGradientEnd, kGradientBands);
    }
}

COLORREF QELStatic::BackgroundBrushColor() const
{
    LOGBRUSH lb;
    if (m_brBackground.GetSafeHandle() == nullptr || m_brBackground.GetObject(sizeof(lb), &lb) == 0)
        return 0;
    return lb.lbColor;
}

void QELStatic::DrawGradientFill(CDC* pDC, CRect* pRect, COLORREF crFrom, COLORREF crTo, int nSegments)
{
    if (pDC == nullptr || pRect == nullptr)
        return;
    // Without memory for the bands the background stays unpainted for this once.
    std::vector<GradientBand> bands;
    if (!qel_memory::NoThrowDone(
            [&] { bands = ComputeGradientBands(pRect->left, pRect->right, crFrom, crTo, nSegments); }) ||
        bands.empty())
        return;
    // Without a pen Rectangle fills one pixel short of its right and bottom
    // edges: each band is asked one pixel larger both ways, so the bands meet
    // and the bottom row is filled too.
    CGdiObject* pOldPen = pDC->SelectStockObject(NULL_PEN);
    for (const GradientBand& band : bands) {
        CBrush brush;
        if (!brush.CreateSolidBrush(band.color))
            continue;
        CBrush* pOldBrush = pDC->SelectObject(&brush);
        pDC->Rectangle(band.left, pRect->top, band.right + 1, pRect->bottom + 1);
        pDC->SelectObject(pOldBrush);
    }
    if (pOldPen != nullptr)
        pDC->SelectObject(pOldPen);
}
