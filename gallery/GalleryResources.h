// Resource and command ids of the gallery.
#pragma once

#define IDR_GALLERY            100
#define ID_GALLERY_SCREENSHOTS 32001
#define ID_GALLERY_NEXT_PAGE   32002
#define ID_GALLERY_PREV_PAGE   32003
#define IDB_LISTEDIT_ICONS     7300   // 16-pixel images on magenta: box, barcode, stack, pin, note, green, red, warning
#define IDR_GALLERY_NAV        7400   // toolbar: previous, next, screenshots
#define IDB_GALLERY_PAGES      7401   // eight page images for the pages toolbar
#define ID_GALLERY_PAGE_FIRST  32010  // one command per page button, up to eight
#define ID_GALLERY_PAGE_LAST   32017
#define ID_VIEW_PAGESBAR       0xE803  // shows or hides the pages toolbar (its bar id)

// The find bar: a "Go to" drop-down button with a menu, a combo box of the
// pages and a field that finds a page by its name.
#define IDR_GALLERY_FIND      7402  // toolbar and bitmap: go to, pages combo box, find field
#define IDR_GALLERY_GOTO      7403  // the menu of the "Go to" button
#define ID_GALLERY_GOTO       32030
#define ID_GALLERY_FIRST_PAGE 32031
#define ID_GALLERY_LAST_PAGE  32032
#define ID_GALLERY_PAGE_COMBO 32033
#define ID_GALLERY_FIND_PAGE  32034
#define ID_VIEW_FINDBAR       0xE804  // the find bar's id
