// Drawing objects of the framework layer: GDI objects, device contexts and menus.
#pragma once
#include "AfxGdiObject.h"
#include "AfxDC.h"
#include "AfxMenu.h"
