// Resource and command ids of the first program.
#pragma once
#define IDR_FIRST       100  // the frame's menu, and its title in the string table
#define IDC_STATUS_LINE 101  // the status line below the list
#define ID_FILE_EXIT    40001
#define ID_HELP_ABOUT   40002
