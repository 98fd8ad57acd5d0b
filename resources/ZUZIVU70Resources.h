// Resource ids carried by ZUZIVU70.dll.
#pragma once

#define IDB_QEL_BANNER        5000
#define IDD_QEL_ABOUT         5001
#define IDD_QEL_COORDINATES   5002
#define IDD_QEL_REAL          5003
#define IDD_QEL_UNITCONVERTER 6006
#define IDD_QEL_PROGRESS      8001

// Real-number prompt (5003).
#define IDC_QEL_REAL_VALUE  22000
#define IDC_QEL_REAL_PROMPT 22001

// Coordinate prompt (5002).
#define IDC_QEL_COORD_X 1006
#define IDC_QEL_COORD_Y 1007
#define IDC_QEL_COORD_Z 1008

// About box (5001).
#define IDC_QEL_ABOUT_PRODUCT 1013
#define IDC_QEL_ABOUT_NAME    1014
#define IDC_QEL_ABOUT_COMPANY 1015
#define IDC_QEL_ABOUT_WEB     1016
#define IDC_QEL_ABOUT_MAIL    1017

// Unit converter (6006).
#define IDC_QEL_UNIT_FROM   6005
#define IDC_QEL_UNIT_VALUE  6006
#define IDC_QEL_UNIT_RESULT 6007
#define IDC_QEL_UNIT_TO     6008

// Progress window (8001).
#define IDC_QEL_PROGRESS_STATUS 8000
#define IDC_QEL_PROGRESS_BAR    8001
