// The common controls of the framework layer, with the window classes they build on.
#pragma once
#include "afxwin.h"
#include "AfxCommonControls.h"
#include "AfxToolBarCtrl.h"
