// The Windows common controls as framework windows, and image lists.
#pragma once
#include "AfxGdi.h"
#include "AfxControls.h"
#include "AfxCollections.h"
#include "AfxImageList.h"
#include "AfxHeaderCtrl.h"
#include "AfxListCtrl.h"
#include "AfxToolTipCtrl.h"
#include "AfxProgressCtrl.h"
#include "AfxSpinButtonCtrl.h"
