// The one header an application includes to use ZUZIVU70: the framework layer
// and every public class of the library.
#pragma once
#include "afxwin.h"
#include "afxcmn.h"
#include "afxext.h"
#include "afxdisp.h"
#include "afxtempl.h"
#include "ZUZIVU70Defs.h"
#include "QELStatic.h"
#include "QELListCtrl.h"
#include "QELRegistry.h"
#include "QELHyperlink.h"
#include "QELColorComboBox.h"
#include "QELEdit.h"
#include "QELIntegerEdit.h"
#include "QELRealEdit.h"
#include "QELToolbar.h"
