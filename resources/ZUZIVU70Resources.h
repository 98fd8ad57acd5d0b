// Resource ids carried by ZUZIVU70.dll.
#pragma once

#define IDB_QEL_BANNER        5000
#define IDD_QEL_ABOUT         5001
#define IDD_QEL_COORDINATES   5002
#define IDD_QEL_REAL          5003
#define IDD_QEL_UNITCONVERTER 6006
#define IDD_QEL_PROGRESS      8001
