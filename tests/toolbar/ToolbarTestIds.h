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
