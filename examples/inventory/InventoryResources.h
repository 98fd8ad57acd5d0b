// Resource and command ids of the inventory example.
#pragma once

#define IDR_INVENTORY 100
#define IDD_SETTINGS  200

#define IDC_LOW_STOCK 201
#define IDC_VAT_RATE  202
#define IDC_DECIMALS  203

#define ID_ITEM_ADD       32001
#define ID_ITEM_DELETE    32002
#define ID_TOOLS_SETTINGS 32003
#define ID_APP_EXIT_CMD   57665  // the framework's ID_APP_EXIT
