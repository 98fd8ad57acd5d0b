// The version the library reports at run time. It is compiled from the same
// header the version resources are made from, so an application that finds a
// newer or older DLL than it was built with can tell.
#include "ZUZIVU70Version.h"

#define QEL_STRINGIZE2(x) #x
#define QEL_STRINGIZE(x)  QEL_STRINGIZE2(x)

extern "C" DWORD WINAPI QELGetVersion() { return ZUZIVU70_VERSION; }

extern "C" LPCSTR WINAPI QELGetVersionString()
{
    return QEL_STRINGIZE(ZUZIVU70_VERSION_MAJOR) "." QEL_STRINGIZE(ZUZIVU70_VERSION_MINOR) "." QEL_STRINGIZE(
        ZUZIVU70_VERSION_PATCH) "." QEL_STRINGIZE(ZUZIVU70_VERSION_BUILD);
}
