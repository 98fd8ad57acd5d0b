// Ids of the toolbar tests' resources and commands.
#pragma once
#define IDR_TESTBAR  300
#define ID_CMD_ONE   40001
#define ID_CMD_TWO   40002
#define ID_CMD_THREE 40003
#define ID_CMD_FOUR  40004
// Image wells of the option tests: five 8 by 8 blocks (light grey, light grey
// one bit off, black, white, dark grey), 16 colours and true colour.
#define IDB_WELL4     301
#define IDB_WELL24    302
#define ID_CMD_FIVE   40005
#define ID_CMD_NOTEXT 40006

// Drop-down menus and embedded controls.
#define IDR_DROPMENU      310  // one popup: First item, separator, Second item
#define IDR_FLATMENU      311  // items only, no popup to show
#define IDR_NOSUCHMENU    312  // no resource of this id
#define ID_MENU_FIRST     40101
#define ID_MENU_SECOND    40102
#define IDC_TOOLBAR_EDIT  40201
#define IDC_TOOLBAR_COMBO 40202
