// The user-interface calls of the device: keyboard events (the power key), the system
// parameters that describe the device, menus, and windows with their messages, timers and
// painting.
#pragma once

#include "winbase.h"

// ---- Keyboard ---------------------------------------------------------------------------------

#define KEYEVENTF_KEYUP 0x0002
#define VK_LBUTTON 0x01
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_INSERT 0x2D
#define VK_DELETE 0x2E
#define VK_F1 0x70
#define VK_F2 0x71
#define VK_APPS 0x5D
#define VK_OFF 0xDF  // the power key

// A key goes to the window with the focus (or the active window) as WM_KEYDOWN/WM_KEYUP; the
// power key asks for the power to go off.
WINBASEAPI void keybd_event(BYTE bVk, BYTE bScan, DWORD dwFlags, DWORD dwExtraInfo);
// 0x8000 set while the key is down.
WINBASEAPI SHORT GetKeyState(int nVirtKey);
WINBASEAPI SHORT GetAsyncKeyState(int vKey);

// ---- System parameters ----------------------------------------------------------------------

#define SPI_GETPLATFORMTYPE 257
#define SPI_GETOEMINFO 258

WINBASEAPI BOOL SystemParametersInfoW(UINT uiAction, UINT uiParam, PVOID pvParam, UINT fWinIni);
#define SystemParametersInfo SystemParametersInfoW

// Measures of the screen and of the system's parts, in pixels (0 for an unknown index).
#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SM_CXVSCROLL 2
#define SM_CYHSCROLL 3
#define SM_CYCAPTION 4
#define SM_CXBORDER 5
#define SM_CYBORDER 6
#define SM_CXDLGFRAME 7
#define SM_CYDLGFRAME 8
#define SM_CXICON 11
#define SM_CYICON 12
#define SM_CYMENU 15
#define SM_CXDOUBLECLK 36
#define SM_CYDOUBLECLK 37
#define SM_CXEDGE 45
#define SM_CYEDGE 46
#define SM_CXSMICON 49
#define SM_CYSMICON 50
WINBASEAPI int GetSystemMetrics(int nIndex);

// ---- Menus ------------------------------------------------------------------------------------
// Menus as data: handles to trees of items, built by calls or loaded from a module's RT_MENU
// resource (ceresource.h). A bad handle fails with ERROR_INVALID_MENU_HANDLE.

DECLARE_HANDLE(HMENU);

#define MF_INSERT 0x00000000
#define MF_CHANGE 0x00000080
#define MF_APPEND 0x00000100
#define MF_DELETE 0x00000200
#define MF_REMOVE 0x00001000
#define MF_BYCOMMAND 0x00000000
#define MF_BYPOSITION 0x00000400
#define MF_SEPARATOR 0x00000800
#define MF_ENABLED 0x00000000
#define MF_GRAYED 0x00000001
#define MF_DISABLED 0x00000002
#define MF_UNCHECKED 0x00000000
#define MF_CHECKED 0x00000008
#define MF_STRING 0x00000000
#define MF_BITMAP 0x00000004
#define MF_OWNERDRAW 0x00000100
#define MF_POPUP 0x00000010
#define MF_MENUBARBREAK 0x00000020
#define MF_MENUBREAK 0x00000040
#define MF_HILITE 0x00000080
#define MF_UNHILITE 0x00000000
#define MF_DEFAULT 0x00001000
#define MF_RIGHTJUSTIFY 0x00004000

#define MFT_STRING MF_STRING
#define MFT_SEPARATOR MF_SEPARATOR
#define MFT_MENUBARBREAK MF_MENUBARBREAK
#define MFT_MENUBREAK MF_MENUBREAK
#define MFT_RADIOCHECK 0x00000200
#define MFT_RIGHTJUSTIFY MF_RIGHTJUSTIFY
#define MFS_GRAYED 0x00000003
#define MFS_DISABLED MFS_GRAYED
#define MFS_CHECKED MF_CHECKED
#define MFS_HILITE MF_HILITE
#define MFS_ENABLED MF_ENABLED
#define MFS_UNCHECKED MF_UNCHECKED
#define MFS_DEFAULT MF_DEFAULT

#define MIIM_STATE 0x00000001
#define MIIM_ID 0x00000002
#define MIIM_SUBMENU 0x00000004
#define MIIM_CHECKMARKS 0x00000008
#define MIIM_TYPE 0x00000010
#define MIIM_DATA 0x00000020

struct MENUITEMINFOW {
    UINT cbSize;
    UINT fMask;
    UINT fType;
    UINT fState;
    UINT wID;
    HMENU hSubMenu;
    HANDLE hbmpChecked;   // check-mark bitmaps are not drawn by menus as data; kept as given
    HANDLE hbmpUnchecked;
    ULONG_PTR dwItemData;
    LPWSTR dwTypeData;
    UINT cch;
};
using LPMENUITEMINFOW = MENUITEMINFOW*;
using LPCMENUITEMINFOW = const MENUITEMINFOW*;
using MENUITEMINFO = MENUITEMINFOW;

WINBASEAPI HMENU CreateMenu();
WINBASEAPI HMENU CreatePopupMenu();
WINBASEAPI BOOL DestroyMenu(HMENU hMenu);
// For MF_POPUP, uIDNewItem is the popup's HMENU, which the menu then owns.
WINBASEAPI BOOL AppendMenuW(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCWSTR lpNewItem);
#define AppendMenu AppendMenuW
WINBASEAPI BOOL InsertMenuW(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCWSTR lpNewItem);
#define InsertMenu InsertMenuW
// DeleteMenu destroys a removed popup; RemoveMenu leaves it to the caller.
WINBASEAPI BOOL DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags);
WINBASEAPI BOOL RemoveMenu(HMENU hMenu, UINT uPosition, UINT uFlags);
WINBASEAPI HMENU GetSubMenu(HMENU hMenu, int nPos);
// The item's previous MF_GRAYED/MF_DISABLED (or MF_CHECKED) state, 0xFFFFFFFF when it is not there.
WINBASEAPI DWORD EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable);
WINBASEAPI DWORD CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck);
// Checks one item of a group (ids or positions first..last of the menu that holds it) as a radio
// item and unchecks the others.
WINBASEAPI BOOL CheckMenuRadioItem(HMENU hMenu, UINT idFirst, UINT idLast, UINT idCheck, UINT uFlags);
WINBASEAPI int GetMenuItemCount(HMENU hMenu);
WINBASEAPI UINT GetMenuItemID(HMENU hMenu, int nPos);
WINBASEAPI int GetMenuStringW(HMENU hMenu, UINT uIDItem, LPWSTR lpString, int nMaxCount, UINT uFlag);
#define GetMenuString GetMenuStringW
WINBASEAPI BOOL GetMenuItemInfoW(HMENU hMenu, UINT uItem, BOOL fByPosition, LPMENUITEMINFOW lpmii);
#define GetMenuItemInfo GetMenuItemInfoW
WINBASEAPI HMENU LoadMenuW(HINSTANCE hInstance, LPCWSTR lpMenuName);
#define LoadMenu LoadMenuW

// Pop-up menus: a window of class "MNU" owned by hWnd shows the menu while the call pumps the
// caller's queue, until an item is chosen or the pop-up is cancelled (WM_CANCELMODE to hWnd, a
// tap outside, VK_ESCAPE, hWnd destroyed). hWnd gets WM_INITMENUPOPUP(menu, position) before a
// menu opens unless TPM_NONOTIFY is given.
#define WM_INITMENUPOPUP 0x0117
#define TPM_LEFTBUTTON 0x0000
#define TPM_LEFTALIGN 0x0000
#define TPM_CENTERALIGN 0x0004
#define TPM_RIGHTALIGN 0x0008
#define TPM_TOPALIGN 0x0000
#define TPM_VCENTERALIGN 0x0010
#define TPM_BOTTOMALIGN 0x0020
#define TPM_HORIZONTAL 0x0000
#define TPM_VERTICAL 0x0040
#define TPM_NONOTIFY 0x0080
#define TPM_RETURNCMD 0x0100

struct TPMPARAMS {
    UINT cbSize;
    RECT rcExclude; // screen area the pop-up keeps clear of
};
using LPTPMPARAMS = TPMPARAMS*;

// With TPM_RETURNCMD: the chosen item's id, 0 when cancelled. Without: TRUE after posting
// WM_COMMAND(id, 0) to hWnd, FALSE when cancelled. lptpm may be null.
WINBASEAPI BOOL TrackPopupMenuEx(HMENU hMenu, UINT uFlags, int x, int y, HWND hWnd, LPTPMPARAMS lptpm);
// Ends the calling thread's open pop-up menu, as a tap outside it would (DefWindowProcW calls
// it for WM_CANCELMODE).
WINBASEAPI BOOL EndMenu();
WINBASEAPI BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int nReserved, HWND hWnd,
                               const RECT* prcRect);

// ---- Windows and messages ---------------------------------------------------------------------
// Windows belong to the thread that creates them; each thread has a message queue. Headless:
// a window has no frame, so its client area is its whole rectangle.

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);
using WNDENUMPROC = BOOL (*)(HWND, LPARAM);

#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_MOVE 0x0003
#define WM_SIZE 0x0005
#define WM_ACTIVATE 0x0006
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_ENABLE 0x000A
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_ERASEBKGND 0x0014
#define WM_SYSCOLORCHANGE 0x0015
#define WM_SHOWWINDOW 0x0018
#define WM_WININICHANGE 0x001A
#define WM_SETTINGCHANGE WM_WININICHANGE
#define WM_CANCELMODE 0x001F
#define WM_NEXTDLGCTL 0x0028
#define WM_DRAWITEM 0x002B
#define WM_MEASUREITEM 0x002C
#define WM_SETFONT 0x0030
#define WM_GETFONT 0x0031
#define WM_WINDOWPOSCHANGED 0x0047
#define WM_NOTIFY 0x004E
#define WM_HELP 0x0053
#define WM_GETICON 0x007F
#define WM_NCDESTROY 0x0082
#define WM_GETDLGCODE 0x0087
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_TIMER 0x0113
#define WM_HSCROLL 0x0114
#define WM_VSCROLL 0x0115
#define WM_CTLCOLOREDIT 0x0133
#define WM_CTLCOLORLISTBOX 0x0134
#define WM_CTLCOLORBTN 0x0135
#define WM_CTLCOLORDLG 0x0136
#define WM_CTLCOLORSCROLLBAR 0x0137
#define WM_CTLCOLORSTATIC 0x0138
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_LBUTTONDBLCLK 0x0203
#define WM_CAPTURECHANGED 0x0215
#define WM_CUT 0x0300
#define WM_COPY 0x0301
#define WM_PASTE 0x0302
#define WM_CLEAR 0x0303
#define WM_HIBERNATE 0x03FF
#define WM_USER 0x0400
#define WM_NOTIFYFORMAT 0x0055
#define WM_APP 0x8000

#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CLIPSIBLINGS 0x04000000L
#define WS_CLIPCHILDREN 0x02000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_DLGFRAME 0x00400000L
#define WS_VSCROLL 0x00200000L
#define WS_HSCROLL 0x00100000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define WS_EX_DLGMODALFRAME 0x00000001L
#define WS_EX_TOPMOST 0x00000008L
#define WS_EX_WINDOWEDGE 0x00000100L
#define WS_EX_CLIENTEDGE 0x00000200L
#define WS_EX_CONTROLPARENT 0x00010000L
#define WS_EX_NOACTIVATE 0x08000000L

#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define CS_DBLCLKS 0x0008
#define CS_PARENTDC 0x0080
#define CS_NOCLOSE 0x0200
#define CS_GLOBALCLASS 0x4000

#define CW_USEDEFAULT (static_cast<int>(0x80000000))
#define HWND_TOP (reinterpret_cast<HWND>(0))
#define HWND_BOTTOM (reinterpret_cast<HWND>(1))
#define HWND_TOPMOST (reinterpret_cast<HWND>(-1))
#define HWND_NOTOPMOST (reinterpret_cast<HWND>(-2))
#define HWND_BROADCAST (reinterpret_cast<HWND>(0xffff))

// Window values. On the 64-bit host pointer-sized values (the window procedure, dialog slots)
// need the *LongPtr calls; the dialog slots are laid out pointer-sized, so DWL_* equal DWLP_*.
#define GWL_WNDPROC (-4)
#define GWL_ID (-12)
#define GWL_STYLE (-16)
#define GWL_EXSTYLE (-20)
#define GWL_USERDATA (-21)
#define GWLP_WNDPROC GWL_WNDPROC
#define GWLP_ID GWL_ID
#define GWLP_USERDATA GWL_USERDATA
#define DWLP_MSGRESULT 0
#define DWLP_DLGPROC (DWLP_MSGRESULT + static_cast<int>(sizeof(LRESULT)))
#define DWLP_USER (DWLP_DLGPROC + static_cast<int>(sizeof(void*)))
#define DWL_MSGRESULT DWLP_MSGRESULT
#define DWL_DLGPROC DWLP_DLGPROC
#define DWL_USER DWLP_USER
#define DLGWINDOWEXTRA (DWLP_USER + static_cast<int>(sizeof(LONG_PTR)))

#define GW_HWNDFIRST 0
#define GW_HWNDLAST 1
#define GW_HWNDNEXT 2
#define GW_HWNDPREV 3
#define GW_OWNER 4
#define GW_CHILD 5

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOWNOACTIVATE 4
#define SW_SHOW 5
#define SW_MINIMIZE 6
#define SW_SHOWNA 8
#define SW_RESTORE 9

#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_NOREDRAW 0x0008
#define SWP_NOACTIVATE 0x0010
#define SWP_FRAMECHANGED 0x0020
#define SWP_SHOWWINDOW 0x0040
#define SWP_HIDEWINDOW 0x0080
#define SWP_NOOWNERZORDER 0x0200

#define MAKEWPARAM(l, h) (static_cast<WPARAM>(static_cast<DWORD>(MAKELONG(l, h))))
#define MAKELPARAM(l, h) (static_cast<LPARAM>(MAKELONG(l, h)))
#define MAKELRESULT(l, h) (static_cast<LRESULT>(MAKELONG(l, h)))

// Modifier state in the wParam of mouse messages.
#define MK_LBUTTON 0x0001

// Scroll bars and the codes of WM_HSCROLL/WM_VSCROLL.
#define SB_HORZ 0
#define SB_VERT 1
#define SB_CTL 2
#define SB_LINEUP 0
#define SB_LINELEFT 0
#define SB_LINEDOWN 1
#define SB_LINERIGHT 1
#define SB_PAGEUP 2
#define SB_PAGELEFT 2
#define SB_PAGEDOWN 3
#define SB_PAGERIGHT 3
#define SB_THUMBPOSITION 4
#define SB_THUMBTRACK 5
#define SB_TOP 6
#define SB_LEFT 6
#define SB_BOTTOM 7
#define SB_RIGHT 7
#define SB_ENDSCROLL 8

#define SIZE_RESTORED 0
#define WA_INACTIVE 0
#define WA_ACTIVE 1
#define WA_CLICKACTIVE 2

#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001
#define PM_NOYIELD 0x0002

#define SMTO_NORMAL 0x0000
#define SMTO_BLOCK 0x0001
#define SMTO_ABORTIFHUNG 0x0002

#define QS_KEY 0x0001
#define QS_MOUSEMOVE 0x0002
#define QS_MOUSEBUTTON 0x0004
#define QS_MOUSE (QS_MOUSEMOVE | QS_MOUSEBUTTON)
#define QS_INPUT (QS_MOUSE | QS_KEY)
#define QS_POSTMESSAGE 0x0008
#define QS_TIMER 0x0010
#define QS_PAINT 0x0020
#define QS_SENDMESSAGE 0x0040
#define QS_ALLINPUT (QS_INPUT | QS_POSTMESSAGE | QS_TIMER | QS_PAINT | QS_SENDMESSAGE)

struct WNDCLASSW {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCWSTR lpszMenuName;
    LPCWSTR lpszClassName;
};
using WNDCLASS = WNDCLASSW;
using LPWNDCLASSW = WNDCLASSW*;

struct CREATESTRUCTW {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCWSTR lpszName;
    LPCWSTR lpszClass;
    DWORD dwExStyle;
};
using LPCREATESTRUCTW = CREATESTRUCTW*;
using CREATESTRUCT = CREATESTRUCTW;

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};
using LPMSG = MSG*;
using PMSG = MSG*;

struct WINDOWPOS {
    HWND hwnd;
    HWND hwndInsertAfter;
    int x;
    int y;
    int cx;
    int cy;
    UINT flags;
};
using LPWINDOWPOS = WINDOWPOS*;

// The common header of WM_NOTIFY's lParam.
struct NMHDR {
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
};
using LPNMHDR = NMHDR*;

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};
using LPPAINTSTRUCT = PAINTSTRUCT*;

WINBASEAPI ATOM RegisterClassW(const WNDCLASSW* lpWndClass);
#define RegisterClass RegisterClassW
WINBASEAPI BOOL UnregisterClassW(LPCWSTR lpClassName, HINSTANCE hInstance);
// The class's data as registered (lpszClassName is the name asked for); FALSE with
// ERROR_CLASS_DOES_NOT_EXIST for a class this process does not know.
WINBASEAPI BOOL GetClassInfoW(HINSTANCE hInstance, LPCWSTR lpClassName, LPWNDCLASSW lpWndClass);
#define UnregisterClass UnregisterClassW
WINBASEAPI int GetClassNameW(HWND hWnd, LPWSTR lpClassName, int nMaxCount);
#define GetClassName GetClassNameW

WINBASEAPI HWND CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle, int x,
                                int y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance,
                                LPVOID lpParam);
#define CreateWindowEx CreateWindowExW
#define CreateWindowW(c, n, s, x, y, w, h, p, m, i, l) CreateWindowExW(0, c, n, s, x, y, w, h, p, m, i, l)
#define CreateWindow CreateWindowW
WINBASEAPI BOOL DestroyWindow(HWND hWnd);
WINBASEAPI LRESULT DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
#define DefWindowProc DefWindowProcW
WINBASEAPI LRESULT CallWindowProcW(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
#define CallWindowProc CallWindowProcW

WINBASEAPI LONG GetWindowLongW(HWND hWnd, int nIndex);
#define GetWindowLong GetWindowLongW
WINBASEAPI LONG SetWindowLongW(HWND hWnd, int nIndex, LONG dwNewLong);
#define SetWindowLong SetWindowLongW
WINBASEAPI LONG_PTR GetWindowLongPtrW(HWND hWnd, int nIndex);
#define GetWindowLongPtr GetWindowLongPtrW
WINBASEAPI LONG_PTR SetWindowLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong);
#define SetWindowLongPtr SetWindowLongPtrW

WINBASEAPI HWND FindWindowW(LPCWSTR lpClassName, LPCWSTR lpWindowName);
#define FindWindow FindWindowW
WINBASEAPI BOOL EnumWindows(WNDENUMPROC lpEnumFunc, LPARAM lParam);
WINBASEAPI BOOL IsWindow(HWND hWnd);
WINBASEAPI BOOL IsWindowVisible(HWND hWnd);
WINBASEAPI BOOL IsWindowEnabled(HWND hWnd);
WINBASEAPI BOOL IsChild(HWND hWndParent, HWND hWnd);
WINBASEAPI BOOL EnableWindow(HWND hWnd, BOOL bEnable);
WINBASEAPI HWND GetParent(HWND hWnd);
WINBASEAPI HWND GetWindow(HWND hWnd, UINT uCmd);
WINBASEAPI int GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount);
#define GetWindowText GetWindowTextW
WINBASEAPI int GetWindowTextLengthW(HWND hWnd);
#define GetWindowTextLength GetWindowTextLengthW
WINBASEAPI BOOL SetWindowTextW(HWND hWnd, LPCWSTR lpString);
#define SetWindowText SetWindowTextW
WINBASEAPI DWORD GetWindowThreadProcessId(HWND hWnd, LPDWORD lpdwProcessId);
WINBASEAPI HWND GetDlgItem(HWND hDlg, int nIDDlgItem);
WINBASEAPI int GetDlgCtrlID(HWND hWnd);

WINBASEAPI BOOL ShowWindow(HWND hWnd, int nCmdShow);
WINBASEAPI BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint);
WINBASEAPI BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags);
WINBASEAPI BOOL GetWindowRect(HWND hWnd, LPRECT lpRect);
WINBASEAPI BOOL GetClientRect(HWND hWnd, LPRECT lpRect);
WINBASEAPI BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint);
WINBASEAPI BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint);
WINBASEAPI BOOL SetForegroundWindow(HWND hWnd);
WINBASEAPI HWND GetForegroundWindow();
WINBASEAPI HWND SetActiveWindow(HWND hWnd);
WINBASEAPI HWND GetActiveWindow();
WINBASEAPI HWND SetFocus(HWND hWnd);
WINBASEAPI HWND GetFocus();

WINBASEAPI BOOL PostMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
#define PostMessage PostMessageW
WINBASEAPI BOOL PostThreadMessageW(DWORD idThread, UINT Msg, WPARAM wParam, LPARAM lParam);
#define PostThreadMessage PostThreadMessageW
WINBASEAPI LRESULT SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
#define SendMessage SendMessageW
// 0 with ERROR_TIMEOUT when the window did not answer in time (or its thread hangs and
// SMTO_ABORTIFHUNG is given); the answer goes to *lpdwResult.
WINBASEAPI LRESULT SendMessageTimeoutW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam, UINT fuFlags, UINT uTimeout,
                                       PDWORD_PTR lpdwResult);
#define SendMessageTimeout SendMessageTimeoutW
WINBASEAPI BOOL SendNotifyMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
#define SendNotifyMessage SendNotifyMessageW
WINBASEAPI BOOL GetMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax);
#define GetMessage GetMessageW
WINBASEAPI BOOL PeekMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg);
#define PeekMessage PeekMessageW
WINBASEAPI BOOL TranslateMessage(const MSG* lpMsg);
WINBASEAPI LRESULT DispatchMessageW(const MSG* lpMsg);
#define DispatchMessage DispatchMessageW
WINBASEAPI void PostQuitMessage(int nExitCode);
WINBASEAPI DWORD GetQueueStatus(UINT flags);
// Waits for the handles or for input of the kinds in dwWakeMask: WAIT_OBJECT_0 + nCount means input.
WINBASEAPI DWORD MsgWaitForMultipleObjectsEx(DWORD nCount, const HANDLE* pHandles, DWORD dwMilliseconds,
                                             DWORD dwWakeMask, DWORD dwFlags);
WINBASEAPI DWORD MsgWaitForMultipleObjects(DWORD nCount, const HANDLE* pHandles, BOOL fWaitAll,
                                           DWORD dwMilliseconds, DWORD dwWakeMask);

// Timers run on the device clock; in virtual time they fire as the clock moves.
WINBASEAPI UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc);
WINBASEAPI BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent);

// Painting. The update region is kept as one rectangle (the union of what was invalidated);
// BeginPaint's device context draws into the window's client area, clipped to it.
WINBASEAPI BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase);
WINBASEAPI BOOL ValidateRect(HWND hWnd, const RECT* lpRect);
WINBASEAPI BOOL GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase);
WINBASEAPI BOOL UpdateWindow(HWND hWnd);
WINBASEAPI HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT lpPaint);
WINBASEAPI BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint);

// Windows at a point and the stylus capture.
WINBASEAPI HWND WindowFromPoint(POINT Point);
// The child of hWndParent (not grandchildren) whose rectangle holds the point in hWndParent's
// client coordinates; hWndParent itself when none does, null when the point is outside it.
WINBASEAPI HWND ChildWindowFromPoint(HWND hWndParent, POINT Point);
WINBASEAPI HWND SetCapture(HWND hWnd);
WINBASEAPI BOOL ReleaseCapture();
WINBASEAPI HWND GetCapture();

// ---- Dialogs ----------------------------------------------------------------------------------
// Templates are CeDialogTemplate tables (ceresource.h), found as RT_DIALOG in a module. Dialog
// windows have DLGWINDOWEXTRA bytes: the dialog procedure, its answer (DWL_MSGRESULT) and a
// user slot.

using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);
struct CeDialogTemplate;

#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7

#define DS_ABSALIGN 0x01L
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define DS_SETFOREGROUND 0x200L
#define DS_CONTROL 0x400L
#define DS_CENTER 0x800L

#define DM_GETDEFID (WM_USER + 0)
#define DM_SETDEFID (WM_USER + 1)
#define DC_HASDEFID 0x534B

#define DLGC_WANTARROWS 0x0001
#define DLGC_WANTTAB 0x0002
#define DLGC_WANTALLKEYS 0x0004
#define DLGC_WANTMESSAGE 0x0004
#define DLGC_HASSETSEL 0x0008
#define DLGC_DEFPUSHBUTTON 0x0010
#define DLGC_UNDEFPUSHBUTTON 0x0020
#define DLGC_RADIOBUTTON 0x0040
#define DLGC_WANTCHARS 0x0080
#define DLGC_STATIC 0x0100
#define DLGC_BUTTON 0x2000


WINBASEAPI INT_PTR DialogBoxParamW(HINSTANCE hInstance, LPCWSTR lpTemplateName, HWND hWndParent,
                                   DLGPROC lpDialogFunc, LPARAM dwInitParam);
#define DialogBoxParam DialogBoxParamW
#define DialogBoxW(i, t, p, f) DialogBoxParamW(i, t, p, f, 0)
#define DialogBox DialogBoxW
WINBASEAPI INT_PTR DialogBoxIndirectParamW(HINSTANCE hInstance, const CeDialogTemplate* hDialogTemplate,
                                           HWND hWndParent, DLGPROC lpDialogFunc, LPARAM dwInitParam);
#define DialogBoxIndirectParam DialogBoxIndirectParamW
WINBASEAPI HWND CreateDialogParamW(HINSTANCE hInstance, LPCWSTR lpTemplateName, HWND hWndParent,
                                   DLGPROC lpDialogFunc, LPARAM dwInitParam);
#define CreateDialogParam CreateDialogParamW
#define CreateDialogW(i, t, p, f) CreateDialogParamW(i, t, p, f, 0)
#define CreateDialog CreateDialogW
WINBASEAPI HWND CreateDialogIndirectParamW(HINSTANCE hInstance, const CeDialogTemplate* lpTemplate,
                                           HWND hWndParent, DLGPROC lpDialogFunc, LPARAM dwInitParam);
#define CreateDialogIndirectParam CreateDialogIndirectParamW
WINBASEAPI BOOL EndDialog(HWND hDlg, INT_PTR nResult);
WINBASEAPI LRESULT DefDlgProcW(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam);
#define DefDlgProc DefDlgProcW
WINBASEAPI BOOL IsDialogMessageW(HWND hDlg, LPMSG lpMsg);
#define IsDialogMessage IsDialogMessageW
WINBASEAPI BOOL MapDialogRect(HWND hDlg, LPRECT lpRect);
WINBASEAPI LONG GetDialogBaseUnits();
WINBASEAPI HWND GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious);
WINBASEAPI HWND GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious);

WINBASEAPI BOOL SetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPCWSTR lpString);
#define SetDlgItemText SetDlgItemTextW
WINBASEAPI UINT GetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPWSTR lpString, int cchMax);
#define GetDlgItemText GetDlgItemTextW
WINBASEAPI BOOL SetDlgItemInt(HWND hDlg, int nIDDlgItem, UINT uValue, BOOL bSigned);
WINBASEAPI UINT GetDlgItemInt(HWND hDlg, int nIDDlgItem, BOOL* lpTranslated, BOOL bSigned);
WINBASEAPI BOOL CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck);
WINBASEAPI UINT IsDlgButtonChecked(HWND hDlg, int nIDButton);
WINBASEAPI BOOL CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
WINBASEAPI LRESULT SendDlgItemMessageW(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam);
#define SendDlgItemMessage SendDlgItemMessageW

// ---- Message boxes, sounds and cursors --------------------------------------------------------

#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_ABORTRETRYIGNORE 0x00000002L
#define MB_YESNOCANCEL 0x00000003L
#define MB_YESNO 0x00000004L
#define MB_RETRYCANCEL 0x00000005L
#define MB_ICONHAND 0x00000010L
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONASTERISK 0x00000040L
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_DEFBUTTON1 0x00000000L
#define MB_DEFBUTTON2 0x00000100L
#define MB_DEFBUTTON3 0x00000200L
#define MB_APPLMODAL 0x00000000L
#define MB_SYSTEMMODAL 0x00001000L
#define MB_TASKMODAL 0x00002000L
#define MB_SETFOREGROUND 0x00010000L
#define MB_TOPMOST 0x00040000L
#define MB_TYPEMASK 0x0000000FL
#define MB_ICONMASK 0x000000F0L

// A message box is a dialog window of its own class ("MessageBox"), titled lpCaption ("Error"
// when null), whose text is a STATIC control (id 0xFFFF) and whose answers are buttons with the
// IDOK..IDNO ids; it pumps the caller's queue until one is pressed.
WINBASEAPI int MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType);
#define MessageBox MessageBoxW
WINBASEAPI BOOL MessageBeep(UINT uType);

#define IDC_ARROW (MAKEINTRESOURCEW(32512))
#define IDC_WAIT (MAKEINTRESOURCEW(32514))
// The system cursors only: any other name gives null with ERROR_RESOURCE_NAME_NOT_FOUND.
WINBASEAPI HCURSOR LoadCursorW(HINSTANCE hInstance, LPCWSTR lpCursorName);
#define LoadCursor LoadCursorW
// The device has one cursor (the wait cursor or none); the previous one is returned.
WINBASEAPI HCURSOR SetCursor(HCURSOR hCursor);
WINBASEAPI HCURSOR GetCursor();

// Window device contexts, system colours and the window system's drawing helpers.
#include "winuserdraw.h"
// The control classes' styles, messages and notifications.
#include "winuserctl.h"
