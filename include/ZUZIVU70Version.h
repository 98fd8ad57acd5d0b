// The library's version: what an application was built against (the macros)
// and what it runs with (QELGetVersion, answered by the DLL actually loaded).
// The numbers here are the only place the version is written: the build reads
// them for both DLLs' version resources and for the CMake package.
#pragma once

#define ZUZIVU70_VERSION_MAJOR 7
#define ZUZIVU70_VERSION_MINOR 0
#define ZUZIVU70_VERSION_PATCH 0
#define ZUZIVU70_VERSION_BUILD 0

// One byte each, so versions compare as numbers: QELGetVersion() >= ZUZIVU70_MAKE_VERSION(7, 0, 0, 0).
#define ZUZIVU70_MAKE_VERSION(major, minor, patch, build) \
    ((unsigned long)((((major)&0xFF) << 24) | (((minor)&0xFF) << 16) | (((patch)&0xFF) << 8) | ((build)&0xFF)))
#define ZUZIVU70_VERSION                                                                          \
    ZUZIVU70_MAKE_VERSION(ZUZIVU70_VERSION_MAJOR, ZUZIVU70_VERSION_MINOR, ZUZIVU70_VERSION_PATCH, \
                          ZUZIVU70_VERSION_BUILD)

#ifndef RC_INVOKED
#include "ZUZIVU70Defs.h"

extern "C" {
// The loaded library's version, packed as ZUZIVU70_MAKE_VERSION packs it.
QEL_API DWORD WINAPI QELGetVersion();
// The same version as text, "major.minor.patch.build"; the string is the library's and lives as long as it.
QEL_API LPCSTR WINAPI QELGetVersionString();
}
#endif
