// The framework's automation types: dates and spans.
#pragma once
#include "afx.h"
#include "AfxOleDateTime.h"
