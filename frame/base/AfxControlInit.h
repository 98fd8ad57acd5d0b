// Registration of the common-control window classes a wrapper is about to create.
#pragma once
#include "AfxCore.h"

// Registers the classes named by dwFlags (ICC_*); cheap when they already are.
BOOL AfxInitCommonControlClasses(DWORD dwFlags);
