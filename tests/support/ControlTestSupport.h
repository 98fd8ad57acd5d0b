// The one test subclass of each of the library's controls: what a test may read
// or call of a control beyond its public operations, in one place, so a change
// of the control's insides is met here and not in every test that looks.
#pragma once
#include "DialogTemplate.h"
#include "RecordingParent.h"
#include "ZUZIVU70.h"
#include <string>

// A dialog holding one owner-drawn drop-down list with id nComboId, the
// template a colour combo box subclasses.
DialogTemplate ColourComboTemplate(UINT nComboId);

// That dialog, modeless and recording what its children tell it, with a colour combo box
// subclassing the list, painted once, and the log cleared of what its creation sent.
struct ColourComboDialog
{
    explicit ColourComboDialog(UINT nComboId);

    DialogTemplate tmpl;
    CRecordingDialog dlg;
    QELColorComboBox combo;
};

// A label whose state a test may read, and whose gradient painting it may call.
class TestableStatic : public QELStatic
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

// A link whose hover and visited state, cursor, font and tooltip a test may read.
class TestableHyperlink : public QELHyperlink
{
public:
    using QELHyperlink::m_bHover;
    using QELHyperlink::m_bVisited;
    using QELHyperlink::m_hLinkCursor;
    using QELHyperlink::m_LinkFont;
    using QELHyperlink::m_ToolTip;
};

// An edit (QELEdit or one of the numeric edits built on it) whose tooltip, made
// on first need and kept to itself, a test may look at.
template <class TEdit>
class TestableEditOf : public TEdit
{
public:
    using TEdit::m_ToolTip;
    CToolTipCtrl& Tip() { return this->m_ToolTip; }
    // The text of the edit's one tool.
    std::string TipText()
    {
        CString str;
        this->m_ToolTip.GetText(str, this, 1);
        return std::string(str);
    }
};
using TestableEdit = TestableEditOf<QELEdit>;
using TestableRealEdit = TestableEditOf<QELRealEdit>;
