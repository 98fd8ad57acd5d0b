// The framework's extensions: toolbars, dock bars and floating frames.
#pragma once
#include "afxwin.h"
#include "AfxToolBar.h"
#include "AfxDockBar.h"
