// CSpinButtonCtrl: the up-down control as a framework window.
//
// As with the standard controls, each operation checks that the window exists
// and sends it one message, answering the control's failure value when it
// does not; text getters size their buffer to the text.
#pragma once
#include "AfxWnd.h"

class AFX_API CSpinButtonCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    CSpinButtonCtrl() = default;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    BOOL SetAccel(int nAccel, UDACCEL* pAccel);
    UINT GetAccel(int nAccel, UDACCEL* pAccel) const;
    int SetBase(int nBase);
    UINT GetBase() const;
    // Both return the buddy as a temporary object.
    CWnd* SetBuddy(CWnd* pWndBuddy);
    CWnd* GetBuddy() const;
    // The position in the low word; the high word is non-zero when the buddy's text is no number.
    int GetPos() const;
    int SetPos(int nPos);
    int GetPos32(LPBOOL lpbError = nullptr) const;
    int SetPos32(int nPos);
    void SetRange(short nLower, short nUpper);
    void SetRange32(int nLower, int nUpper);
    DWORD GetRange() const;
    void GetRange(int& lower, int& upper) const;
    void GetRange32(int& lower, int& upper) const;
};
