// The standard Windows controls as framework windows.
#pragma once
#include "AfxStatic.h"
#include "AfxButton.h"
#include "AfxEdit.h"
#include "AfxComboBox.h"
#include "AfxListBox.h"
#include "AfxScrollBar.h"
