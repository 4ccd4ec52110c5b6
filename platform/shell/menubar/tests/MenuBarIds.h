// Ids of the menus the menu bar test library carries, shared by the library and the tests.
#pragma once

#define IDR_TWO_BUTTONS 100
#define IDR_THREE_BUTTONS 101
#define IDR_MISSING 199

#define IDM_DONE 1001
#define IDM_MENU 1002
#define IDM_EDIT 1003
#define IDM_CUT 1011
#define IDM_COPY 1012
#define IDM_ABOUT 1013
#define IDM_OPTIONS 1021
