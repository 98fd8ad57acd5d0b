// Ids of the toolbar tests' resources and commands.
#pragma once
#define IDR_TESTBAR  300
#define ID_CMD_ONE   40001
#define ID_CMD_TWO   40002
#define ID_CMD_THREE 40003
#define ID_CMD_FOUR  40004
