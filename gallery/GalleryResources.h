// Resource and command ids of the gallery.
#pragma once

#define IDR_GALLERY            100
#define ID_GALLERY_SCREENSHOTS 32001
#define ID_GALLERY_NEXT_PAGE   32002
#define ID_GALLERY_PREV_PAGE   32003
#define IDB_LISTEDIT_ICONS     7300  // 16-pixel images on magenta: box, barcode, stack, pin, note, green, red, warning
