// Resource and command ids of the toolbar example (toolbar.md); the resources
// themselves are in tests/docs/DocsTests.rc.
#pragma once
#define IDR_DOC_TOOLBAR 500  // toolbar and bitmap: New, Open, Search
#define IDR_DOC_RECENT  501  // the menu of the Open button's arrow
#define ID_DOC_NEW      41001
#define ID_DOC_OPEN     41002
#define ID_DOC_SEARCH   41003
#define ID_DOC_RECENT1  41011
#define ID_DOC_RECENT2  41012
