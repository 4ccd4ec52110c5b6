// The Pocket PC shell's user-interface calls: the menu bar at the bottom of the screen, full-screen
// dialogs with the title bar's OK button, the input panel (SIP) preference and full-screen mode.
// Device programs include this header themselves; windows.h does not take it in.
#pragma once

#include "windows.h"

// ---- Toolbar buttons --------------------------------------------------------------------------
// The menu bar answers the toolbar messages for its buttons. Defined here until commctrl.h has
// a toolbar of its own; it will then define CE_TOOLBAR_BUTTONS_DEFINED.

#ifndef CE_TOOLBAR_BUTTONS_DEFINED
#define CE_TOOLBAR_BUTTONS_DEFINED

#define TBSTATE_CHECKED 0x01
#define TBSTATE_PRESSED 0x02
#define TBSTATE_ENABLED 0x04
#define TBSTATE_HIDDEN 0x08
#define TBSTATE_INDETERMINATE 0x10
#define TBSTATE_WRAP 0x20

#define TBSTYLE_BUTTON 0x0000
#define TBSTYLE_SEP 0x0001
#define TBSTYLE_CHECK 0x0002
#define TBSTYLE_GROUP 0x0004
#define TBSTYLE_DROPDOWN 0x0008
#define TBSTYLE_AUTOSIZE 0x0010

#define TB_ENABLEBUTTON (WM_USER + 1)
#define TB_CHECKBUTTON (WM_USER + 2)
#define TB_PRESSBUTTON (WM_USER + 3)
#define TB_HIDEBUTTON (WM_USER + 4)
#define TB_ISBUTTONENABLED (WM_USER + 9)
#define TB_SETSTATE (WM_USER + 17)
#define TB_GETSTATE (WM_USER + 18)
#define TB_GETBUTTON (WM_USER + 23)
#define TB_BUTTONCOUNT (WM_USER + 24)
#define TB_COMMANDTOINDEX (WM_USER + 25)
#define TB_GETBUTTONINFOW (WM_USER + 63)
#define TB_SETBUTTONINFOW (WM_USER + 64)
#define TB_GETBUTTONINFO TB_GETBUTTONINFOW
#define TB_SETBUTTONINFO TB_SETBUTTONINFOW

#define I_IMAGENONE (-2) // a button without an image

#define TBIF_IMAGE 0x00000001
#define TBIF_TEXT 0x00000002
#define TBIF_STATE 0x00000004
#define TBIF_STYLE 0x00000008
#define TBIF_LPARAM 0x00000010
#define TBIF_COMMAND 0x00000020
#define TBIF_SIZE 0x00000040

struct TBBUTTON {
    int iBitmap;
    int idCommand;
    BYTE fsState;
    BYTE fsStyle;
    BYTE bReserved[6]; // pads dwData to a pointer boundary on the 64-bit host
    DWORD_PTR dwData;
    INT_PTR iString;
};
using LPTBBUTTON = TBBUTTON*;

struct TBBUTTONINFOW {
    UINT cbSize;
    DWORD dwMask;
    int idCommand;
    int iImage;
    BYTE fsState;
    BYTE fsStyle;
    WORD cx;
    DWORD_PTR lParam;
    LPWSTR pszText;
    int cchText;
};
using LPTBBUTTONINFOW = TBBUTTONINFOW*;
using TBBUTTONINFO = TBBUTTONINFOW;

#endif

// ---- The menu bar -----------------------------------------------------------------------------
// SHCreateMenuBar makes a top-level window of class "menu_worker" along the bottom of the screen,
// owned by hwndParent, with one button per top-level item of the menu nToolBarId: a popup item's
// button opens its popup (TrackPopupMenuEx, owner hwndParent), another item's button sends
// WM_COMMAND(id, bar) to hwndParent. TB_GETBUTTON's dwData is the popup's HMENU for a popup
// button and the item's data word for another.

#define SHCMBF_EMPTYBAR 0x0001
#define SHCMBF_HIDDEN 0x0002
#define SHCMBF_HIDESIPBUTTON 0x0004
#define SHCMBF_COLORBK 0x0008
#define SHCMBF_HMENU 0x0010 // nToolBarId is an HMENU (menu handles fit in 32 bits)

struct SHMENUBARINFO {
    DWORD cbSize;
    HWND hwndParent;
    DWORD dwFlags;
    UINT nToolBarId; // a menu resource of hInstRes
    HINSTANCE hInstRes;
    int nBmpId;
    int cBmpImages;
    HWND hwndMB; // out: the menu bar
    COLORREF clrBk;
};
using PSHMENUBARINFO = SHMENUBARINFO*;

#define SHCMBM_SETSUBMENU (WM_USER + 400) // wParam: button id, lParam: HMENU; the previous HMENU
#define SHCMBM_GETSUBMENU (WM_USER + 401) // lParam: button id; its popup HMENU
#define SHCMBM_GETMENU (WM_USER + 402) // the menu the bar was made from

WINBASEAPI BOOL SHCreateMenuBar(SHMENUBARINFO* pmbi);
// The menu bar that hwnd owns, or null.
WINBASEAPI HWND SHFindMenuBar(HWND hwnd);

// ---- Dialogs ----------------------------------------------------------------------------------

#ifndef WS_EX_CAPTIONOKBTN
#define WS_EX_CAPTIONOKBTN 0x80000000L // the title bar shows OK, which sends IDOK
#endif

#define SHIDIM_FLAGS 0x0001

#define SHIDIF_DONEBUTTON 0x0001
#define SHIDIF_SIZEDLG 0x0002
#define SHIDIF_SIZEDLGFULLSCREEN 0x0004
#define SHIDIF_SIPDOWN 0x0008
#define SHIDIF_FULLSCREENNOMENUBAR 0x0010
#define SHIDIF_EMPTYMENU 0x0020

struct SHINITDLGINFO {
    DWORD dwMask;
    HWND hDlg;
    DWORD dwFlags;
};
using PSHINITDLGINFO = SHINITDLGINFO*;

// Sizes the dialog to the screen's work area: below the 26-pixel title bar and above the 26-pixel
// menu bar (down to the bottom with SHIDIF_FULLSCREENNOMENUBAR), pixels at 96 dpi scaled to the
// screen's dpi.
WINBASEAPI BOOL SHInitDialog(PSHINITDLGINFO pshidi);

#define SHDB_SHOW 0x0001
#define SHDB_HIDE 0x0002
WINBASEAPI BOOL SHDoneButton(HWND hwndRequester, DWORD dwState);

// ---- Input panel and full screen --------------------------------------------------------------

enum SIPSTATE {
    SIP_UP = 0,
    SIP_DOWN,
    SIP_FORCEDOWN,
    SIP_UNCHANGED,
    SIP_INPUTDIALOG,
};
WINBASEAPI BOOL SHSipPreference(HWND hwnd, SIPSTATE st);

// WM_SETTINGCHANGE's wParam when the screen's orientation or size changed.
#define SETTINGCHANGE_RESET 0x3002

#define SHFS_SHOWTASKBAR 0x0001
#define SHFS_HIDETASKBAR 0x0002
#define SHFS_SHOWSIPBUTTON 0x0004
#define SHFS_HIDESIPBUTTON 0x0008
#define SHFS_SHOWSTARTICON 0x0010
#define SHFS_HIDESTARTICON 0x0020
WINBASEAPI BOOL SHFullScreen(HWND hwndRequester, DWORD dwState);

struct SHACTIVATEINFO {
    DWORD cbSize;
    HWND hwndLastFocus;
    UINT fSipUp : 1;
    UINT fSipOnDeactivation : 1;
    UINT fActive : 1;
    UINT fReserved : 29;
};
using PSHACTIVATEINFO = SHACTIVATEINFO*;

#define SPI_SETSIPINFO 224
#define SHA_INPUTDIALOG 0x00000001

// The input panel never moves on this device, so these have nothing to resize: TRUE for a
// valid SHACTIVATEINFO, FALSE (ERROR_INVALID_PARAMETER) otherwise.
WINBASEAPI BOOL SHHandleWMSettingChange(HWND hwnd, WPARAM wParam, LPARAM lParam, PSHACTIVATEINFO psai);
WINBASEAPI BOOL SHHandleWMActivate(HWND hwnd, WPARAM wParam, LPARAM lParam, PSHACTIVATEINFO psai, DWORD dwFlags);
