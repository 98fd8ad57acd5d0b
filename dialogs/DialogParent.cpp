#include "DialogParent.h"

CWnd* ResolveDialogParent(HWND* pParent)
{
    if (pParent != nullptr && *pParent != nullptr && ::IsWindow(*pParent))
        return CWnd::FromHandle(*pParent);
    return CWnd::GetSafeOwner(nullptr);
}
