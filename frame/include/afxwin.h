// The window classes of the framework layer.
#pragma once
#include "afx.h"
#include "AfxModule.h"
#include "AfxGdi.h"
#include "AfxWnd.h"
#include "AfxWinApp.h"
#include "AfxDialog.h"
#include "AfxControls.h"
#include "AfxControlBar.h"
#include "AfxFrameWnd.h"
#include "AfxMDIFrameWnd.h"
