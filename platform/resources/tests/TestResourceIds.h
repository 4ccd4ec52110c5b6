// Ids of the resources the test library carries, shared by the library and the tests.
#pragma once

#define IDD_ABOUT 100
#define IDR_MAIN_MENU 200
#define IDR_BLOB 300
#define IDR_BAD_MENU 401

#define IDM_NEW 1001
#define IDM_OPEN 1002
#define IDM_EXIT 1003
#define IDM_WRAP 1010
#define IDM_ZOOM_IN 1011
#define IDM_ZOOM_OUT 1012
#define IDM_ABOUT 1020

#define IDC_NAME 2001
#define IDS_TITLE 3001
#define IDS_FORMAT 3002
#define IDS_SECOND_TABLE 3100
#define IDS_EMPTY 3200
