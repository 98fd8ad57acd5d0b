// Export macro of the library module.
#pragma once
#include "afxwin.h"

#ifdef ZUZIVU70_BUILD
#define QEL_API __declspec(dllexport)
#else
#define QEL_API __declspec(dllimport)
#endif
