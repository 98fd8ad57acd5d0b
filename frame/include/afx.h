// The framework's core: objects, strings, collections and geometry.
#pragma once
#include "AfxCore.h"
#include "AfxObject.h"
#include "AfxString.h"
#include "AfxCollections.h"
#include "AfxGeometry.h"
