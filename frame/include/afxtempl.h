// The framework's collection templates.
#pragma once
#include "afx.h"
#include "AfxArray.h"
