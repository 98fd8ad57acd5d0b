// Registration of the common-control window classes.
#include "AfxControlInit.h"

BOOL AfxInitCommonControlClasses(DWORD dwFlags)
{
    INITCOMMONCONTROLSEX init{};
    init.dwSize = sizeof(init);
    init.dwICC = dwFlags;
    return ::InitCommonControlsEx(&init);
}
