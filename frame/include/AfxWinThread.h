// CWinThread: the message loop and idle processing.
#pragma once
#include "AfxWnd.h"

class AFX_API CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread() = default;

    CWnd* m_pMainWnd = nullptr;
    CWnd* m_pActiveWnd = nullptr;
    DWORD m_nThreadID = 0;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();
    // Offers the message to the windows it is for, from the target up through its parents.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Takes one message from the queue and handles it; FALSE on WM_QUIT.
    virtual BOOL PumpMessage();
    // lCount counts calls since the last message; return TRUE for more idle calls.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual CWnd* GetMainWnd();
};

// Handles one message with the current thread's loop (PreTranslateMessage included).
AFX_API BOOL AFXAPI AfxPumpMessage();
AFX_API void AFXAPI AfxPostQuitMessage(int nExitCode);
