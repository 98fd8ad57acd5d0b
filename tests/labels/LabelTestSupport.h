// What the label, link and colour combo tests share: access to the controls'
// protected state and a reader of where a colour was painted.
#pragma once
#include "RecordingParent.h"
#include "PixelReader.h"
#include <functional>

// A label whose state a test may read.
class TestStatic : public QELStatic
{
public:
    using QELStatic::DrawGradientFill;
    using QELStatic::m_bFlashPhase;
    using QELStatic::m_bNotifyParent;
    using QELStatic::m_bTimerStarted;
    using QELStatic::m_font;
    using QELStatic::m_lf;
    using QELStatic::m_nFlashKind;
    using QELStatic::m_nLinkKind;
};

class TestHyperlink : public QELHyperlink
{
public:
    using QELHyperlink::m_bHover;
    using QELHyperlink::m_bVisited;
    using QELHyperlink::m_hLinkCursor;
    using QELHyperlink::m_LinkFont;
    using QELHyperlink::m_ToolTip;
};

// A dialog holding one owner-drawn drop-down list with id nComboId, the
// template a colour combo box subclasses.
DialogTemplate ColourComboTemplate(UINT nComboId);

// Where pixels matching a test lie in a rectangle of a window's client area.
struct PixelSpread
{
    int count = 0;
    RECT bounds = { 0, 0, 0, 0 };  // of the matching pixels; empty when none
};
PixelSpread FindPixels(HWND hWnd, const RECT& rc, const std::function<bool(COLORREF)>& match);
PixelSpread FindColor(HWND hWnd, const RECT& rc, COLORREF color);
RECT ClientRect(HWND hWnd);
