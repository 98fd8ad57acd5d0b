// Ids of the bar tests' resources and commands.
#pragma once
#define IDR_TESTBAR    300
#define IDR_BADBAR     301
#define IDR_SHORTBAR   302
#define ID_CMD_ONE     40001
#define ID_CMD_TWO     40002
#define ID_CMD_THREE   40003
#define ID_CMD_FOUR    40004
#define ID_CMD_LONGTIP 40005
#define IDR_STDBAR     303
