// Bitmaps of the list editing test program: strips of 16-pixel images on a
// magenta mask colour.
#pragma once
#define IDB_LISTEDIT_FOUR    7101  // four images
#define IDB_LISTEDIT_THREE   7102  // three images
#define IDB_LISTEDIT_MISSING 7199  // names no resource
