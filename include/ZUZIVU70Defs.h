// Export macro of the library module.
#pragma once
#include "afxwin.h"

#ifdef ZUZIVU70_BUILD
#define QEL_API __declspec(dllexport)
#else
#define QEL_API __declspec(dllimport)
#endif

// A variadic function whose list of pointers ends with a null pointer: the
// compiler's format check (-Wformat) names a call that leaves it out.
#if defined(__GNUC__)
#define QEL_NULL_TERMINATED __attribute__((sentinel))
#else
#define QEL_NULL_TERMINATED
#endif
