// CCmdTarget and CCmdUI: commands routed through message maps, and their user-interface updates.
#pragma once
#include "AfxObject.h"
#include "AfxMsgMap.h"

class CWnd;
class CMenu;

// Anything that can receive commands through a message map.
class AFX_API CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;

    // Routes a command (nCode: CN_COMMAND, CN_UPDATE_COMMAND_UI or a control
    // notification code; MAKELONG(code, WM_NOTIFY) for notifications) to this
    // target's map. With pHandlerInfo it only reports whether a handler exists.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

protected:
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // The first entry, searching this class's map and then its bases', that
    // matches; nullptr when none does.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;
    friend class CWnd;
};

// Lets an update handler enable, check or relabel whatever shows a command.
class AFX_API CCmdUI
{
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCSTR lpszText);

    // Sends this update to a target; returns TRUE when a handler took it.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    UINT m_nID = 0;
    UINT m_nIndex = 0;
    CMenu* m_pMenu = nullptr;
    CMenu* m_pSubMenu = nullptr;
    CMenu* m_pParentMenu = nullptr;
    CWnd* m_pOther = nullptr;
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;
    UINT m_nIndexMax = 0;
};
