// Resource and command ids of the inventory example.
#pragma once

#define IDR_INVENTORY 100
#define IDR_SORTMENU  101
#define IDD_SETTINGS  200

#define IDC_LOW_STOCK 201
#define IDC_VAT_RATE  202
#define IDC_DECIMALS  203

#define ID_ITEM_ADD       32001
#define ID_ITEM_DELETE    32002
#define ID_TOOLS_SETTINGS 32003
#define ID_APP_EXIT_CMD   57665  // the framework's ID_APP_EXIT

// The toolbar: a sort button whose arrow opens the sort menu, and a find field.
#define ID_STOCK_SORT    32010  // sorts by name; its arrow opens IDR_SORTMENU
#define ID_SORT_NAME     32011  // the sort menu: one command per column
#define ID_SORT_QUANTITY 32012
#define ID_SORT_PRICE    32013
#define ID_SORT_VALUE    32014
#define ID_STOCK_FIND    32020  // the find field in the toolbar
