// CProgressCtrl: the progress bar as a framework window.
//
// As with the standard controls, each operation checks that the window exists
// and sends it one message, answering the control's failure value when it
// does not; text getters size their buffer to the text.
#pragma once
#include "AfxWnd.h"

class AFX_API CProgressCtrl : public CWnd
{
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    CProgressCtrl() = default;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetRange(short nLower, short nUpper);
    void SetRange32(int nLower, int nUpper);
    void GetRange(int& nLower, int& nUpper) const;
    int GetPos() const;
    // Each returns the position before; the control keeps the position inside its range.
    int SetPos(int nPos);
    int OffsetPos(int nPos);
    int SetStep(int nStep);
    int StepIt();
    COLORREF SetBkColor(COLORREF clrNew);
};
