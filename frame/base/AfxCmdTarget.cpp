// CCmdTarget: commands and notifications routed through message maps.
#include "AfxCmdTarget.h"
#include "AfxMsgMapWalk.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = { { 0, 0, 0, 0, nullptr } };
    static const AFX_MSGMAP map = { nullptr, &entries[0] };
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const
{
    return AfxWalkMessageMap(GetMessageMap(),
                             [&](const AFX_MSGMAP_ENTRY& e) { return AfxEntryMatches(e, nMessage, nCode, nID); });
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // Notifications arrive as MAKELONG(code, WM_NOTIFY) (or a reflected message
    // number); everything else is a WM_COMMAND with a 16-bit code.
    UINT nMsg = WM_COMMAND;
    UINT nCodeWord = (UINT)nCode;
    if ((UINT)nCode != CN_UPDATE_COMMAND_UI && HIWORD((UINT)nCode) != 0) {
        nMsg = HIWORD((UINT)nCode);
        nCodeWord = LOWORD((UINT)nCode);
    }

    if (pHandlerInfo != nullptr) {
        const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(nMsg, nCodeWord, nID);
        if (pEntry == nullptr)
            return FALSE;
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pEntry = pEntry;
        return TRUE;
    }

    // A handler may return FALSE (the _EX forms) to let routing go on, so the
    // search goes on into the base maps after a declined entry.
    AFX_NOTIFY* pNotify =
        nMsg == WM_NOTIFY || nMsg == WM_REFLECT_BASE + WM_NOTIFY ? static_cast<AFX_NOTIFY*>(pExtra) : nullptr;
    return AfxWalkMessageMap(GetMessageMap(), [&](const AFX_MSGMAP_ENTRY& e) {
               if (!AfxEntryMatches(e, nMsg, nCodeWord, nID))
                   return false;
               LRESULT lResult = 0;
               AFX_MSGCALL call = {
                   nMsg, 0,      0,
                   nID,  pExtra, pNotify != nullptr && pNotify->pResult != nullptr ? pNotify->pResult : &lResult
               };
               return e.pfn(this, call) != FALSE;
           }) != nullptr;
}
