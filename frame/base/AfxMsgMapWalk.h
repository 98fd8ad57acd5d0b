// The walk through a class's message map and its bases' maps (internal to ZUZIFrame.dll).
#pragma once
#include "AfxMsgMap.h"

// Offers each entry of pMap, then of every base class's map in turn, to
// visit; returns the first entry visit accepts, or nullptr when none does.
// Every search of a message map goes through here, so lookup order (the
// class's own entries first, a declined entry letting the search go on) is
// the same for commands, notifications and window messages.
template <class Visit>
const AFX_MSGMAP_ENTRY* AfxWalkMessageMap(const AFX_MSGMAP* pMap, Visit visit)
{
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->pfn != nullptr; ++e) {
            if (visit(*e))
                return e;
        }
    }
    return nullptr;
}

// Whether entry e is for message nMessage, notification code nCode (compared
// as 16 bits, as control notifications carry it) and id nID.
inline bool AfxEntryMatches(const AFX_MSGMAP_ENTRY& e, UINT nMessage, UINT nCode, UINT nID)
{
    return e.nMessage == nMessage && (WORD)e.nCode == (WORD)nCode && nID >= e.nID && nID <= e.nLastID;
}
