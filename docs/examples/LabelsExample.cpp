#include "DocExamples.h"

// [example]
// A banner title, a label that tells its parent when it is clicked, and a web link.
void MakeLinks(QELStatic& title, QELStatic& support, QELHyperlink& website, CWnd* pParent)
{
    title.Create("Parts catalogue", WS_CHILD | WS_VISIBLE | SS_CENTER, CRect(10, 10, 310, 40), pParent, 101);
    title.SetBkColor(RGB(0, 64, 128), RGB(0, 160, 224), QELStatic::GradientFill)
        .SetTextColor(RGB(255, 255, 255))
        .SetFontBold(TRUE)
        .SetFontSize(14);

    // With bNotifyParent the click goes to the parent as WM_NOTIFY
    // (code QELN_LINKCLICKED) and nothing is opened.
    support.Create("Ask for support", WS_CHILD | WS_VISIBLE, CRect(10, 50, 310, 70), pParent, 102);
    support.SetLink(TRUE, TRUE).SetFontUnderline(TRUE).SetTextColor(RGB(0, 0, 255));

    website.Create("Visit the catalogue online", WS_CHILD | WS_VISIBLE | SS_NOTIFY, CRect(10, 80, 310, 100), pParent,
                   103);
    website.SetLinkUrl("https://example.com/catalogue");
    website.SetTootTipText("Opens the catalogue in your browser");  // the exported spelling
    website.ActiveToolTip(TRUE);
    // Fire child: a click sends QELM_HYPERLINKCLICKED to the parent instead of opening the page.
    website.SetFireChild(TRUE);
}
// [end example]
