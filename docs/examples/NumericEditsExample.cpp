#include "DocExamples.h"

// [example]
// Two order fields: whole units from 1 to 500, and a discount of 0 to 50 percent.
void MakeOrderFields(QELIntegerEdit& quantity, QELRealEdit& discount, CWnd* pParent)
{
    quantity.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, CRect(10, 10, 110, 32), pParent, 201);
    quantity.SetRange(1, 500);
    quantity.SetValue(1);
    quantity.SetTooltipText("Units, 1 to 500");

    discount.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, CRect(10, 40, 110, 62), pParent, 202);
    discount.SetPrecision(2);  // at most two decimals may be typed
    discount.SetRemoveTrailingZeros(TRUE);
    discount.SetRange(0.0, 50.0, TRUE, FALSE);  // 0 <= discount < 50
    discount.SetValue(12.5);
    // A keystroke that would make the text invalid or out of range is refused
    // with a beep. Read the fields with GetValue(), always inside the range.
}
// [end example]
