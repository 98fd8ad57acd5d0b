// Reads a window's accessible object as an accessibility client does
// (AccessibleObjectFromWindow, OBJID_CLIENT) and turns its answers into
// plain values for comparison.
#pragma once
#include <windows.h>
#include <oleacc.h>
#include <initializer_list>
#include <string>

struct AccessibleFacts
{
    bool bFound = false;    // an object was given for the window
    bool bHasName = false;  // get_accName answered S_OK with a name
    std::string name;
    long role = -1;  // -1: no VT_I4 role
    long state = 0;
    std::string value;
    std::string action;  // the default action, empty when none
};

AccessibleFacts ReadAccessible(HWND hWnd);
// The object of the window, as a client keeps it (the caller releases it).
IAccessible* AccessibleOf(HWND hWnd);
HRESULT DoDefaultAction(IAccessible* pAcc);

// True when role is one of roles. The platform's own objects differ: where
// a system has no object for a class it answers with a plain client area.
bool RoleIsOneOf(long role, std::initializer_list<long> roles);
