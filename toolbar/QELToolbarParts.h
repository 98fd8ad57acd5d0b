// The working parts of a QELToolbar: what the class needs that is nobody's
// business outside it, neither an application's nor a derived toolbar's. The
// constructor builds them inside the object (QELToolbar::m_partsSpace), so
// m_pParts is never null.
#pragma once
#include "QELToolbar.h"

struct QELToolbar::Parts
{
    explicit Parts(QELToolbar& bar) : bar(bar) {}

    QELToolbar& bar;
    // The restore in progress delivered the options (OnRestore read them).
    bool bRestoreRead = false;

    // The buttons on the control, asked of the control itself past the bar's
    // handlers: the one place that sends TB_BUTTONCOUNT; 0 without a window.
    int ButtonCount() const;
    // The image size of an icon option at the bar's DPI: the one place that
    // decides it (m_szImageSmall and m_szImageLarge are the sizes at 96 DPI).
    CSize ImageSizeFor(IconOptions eIconOptions) const;
    // After an option or the buttons changed: the control measures again and
    // the frame lays the bar out with its commands' states.
    void UpdateLayoutAndCommands();
    // The control measures its buttons again.
    void RemeasureButtons();
};
