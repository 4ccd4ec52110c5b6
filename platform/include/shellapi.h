// The shell calls that need no window: shortcuts, special folders and ShellExecuteEx.
// Device programs include this header themselves; windows.h does not take it in.
#pragma once

#include "ceapi.h"
#include "windef.h"

// Special folders (SHGetSpecialFolderPath).
#define CSIDL_DESKTOP 0x0000
#define CSIDL_PROGRAMS 0x0002
#define CSIDL_PERSONAL 0x0005
#define CSIDL_FAVORITES 0x0006
#define CSIDL_STARTUP 0x0007
#define CSIDL_RECENT 0x0008
#define CSIDL_STARTMENU 0x000b
#define CSIDL_MYMUSIC 0x000d
#define CSIDL_MYVIDEO 0x000e
#define CSIDL_DESKTOPDIRECTORY 0x0010
#define CSIDL_FONTS 0x0014
#define CSIDL_TEMPLATES 0x0015
#define CSIDL_APPDATA 0x001a
#define CSIDL_WINDOWS 0x0024
#define CSIDL_PROGRAM_FILES 0x0026
#define CSIDL_MYPICTURES 0x0027

// SHELLEXECUTEINFO's fMask.
#define SEE_MASK_CLASSNAME 0x00000001
#define SEE_MASK_CLASSKEY 0x00000003
#define SEE_MASK_IDLIST 0x00000004
#define SEE_MASK_INVOKEIDLIST 0x0000000c
#define SEE_MASK_ICON 0x00000010
#define SEE_MASK_HOTKEY 0x00000020
#define SEE_MASK_NOCLOSEPROCESS 0x00000040
#define SEE_MASK_CONNECTNETDRV 0x00000080
#define SEE_MASK_FLAG_DDEWAIT 0x00000100
#define SEE_MASK_DOENVSUBST 0x00000200
#define SEE_MASK_FLAG_NO_UI 0x00000400

// ShellExecuteEx's failures as hInstApp tells them (success is a value above 32).
#define SE_ERR_FNF 2
#define SE_ERR_PNF 3
#define SE_ERR_ACCESSDENIED 5
#define SE_ERR_OOM 8
#define SE_ERR_SHARE 26
#define SE_ERR_ASSOCINCOMPLETE 27
#define SE_ERR_DDETIMEOUT 28
#define SE_ERR_DDEFAIL 29
#define SE_ERR_DDEBUSY 30
#define SE_ERR_NOASSOC 31
#define SE_ERR_DLLNOTFOUND 32

struct SHELLEXECUTEINFOW {
    DWORD cbSize;
    ULONG fMask;
    HWND hwnd;
    LPCWSTR lpVerb;
    LPCWSTR lpFile;
    LPCWSTR lpParameters;
    LPCWSTR lpDirectory;
    int nShow;
    HINSTANCE hInstApp;
    LPVOID lpIDList;
    LPCWSTR lpClass;
    HKEY hkeyClass;
    DWORD dwHotKey;
    union {
        HANDLE hIcon;
        HANDLE hMonitor;
    };
    HANDLE hProcess;
};
using LPSHELLEXECUTEINFOW = SHELLEXECUTEINFOW*;
using SHELLEXECUTEINFO = SHELLEXECUTEINFOW;
using LPSHELLEXECUTEINFO = LPSHELLEXECUTEINFOW;

// Writes a shortcut whose command is szTarget (a program, quoted when its path holds spaces,
// and its arguments). FALSE when the shortcut exists already.
WINBASEAPI BOOL SHCreateShortcut(LPTSTR szShortcut, LPTSTR szTarget);
// The command of a shortcut, arguments included; cbMax counts characters.
WINBASEAPI BOOL SHGetShortcutTarget(LPTSTR szShortcut, LPTSTR szTarget, int cbMax);
// lpszPath holds MAX_PATH characters.
WINBASEAPI BOOL SHGetSpecialFolderPath(HWND hwndOwner, LPWSTR lpszPath, int nFolder, BOOL fCreate);
WINBASEAPI BOOL ShellExecuteExW(LPSHELLEXECUTEINFOW lpExecInfo);
#define ShellExecuteEx ShellExecuteExW

// ---- File information (SHGetFileInfo) ---------------------------------------------------------
// Icons come from the system image list, one small icon per file type: one for folders, one for
// each extension, one for each program (.exe) file. The image list's handle is opaque (drawing
// it is not supported yet); the icon handles are stable for the life of the device.

#define SHGFI_LARGEICON 0x00000000
#define SHGFI_SMALLICON 0x00000001
#define SHGFI_OPENICON 0x00000002
#define SHGFI_SHELLICONSIZE 0x00000004
#define SHGFI_PIDL 0x00000008
#define SHGFI_USEFILEATTRIBUTES 0x00000010
#define SHGFI_ICON 0x00000100
#define SHGFI_DISPLAYNAME 0x00000200
#define SHGFI_TYPENAME 0x00000400
#define SHGFI_ATTRIBUTES 0x00000800
#define SHGFI_SYSICONINDEX 0x00004000

// SHFILEINFO's dwAttributes with SHGFI_ATTRIBUTES.
#define SFGAO_CANCOPY 0x00000001L
#define SFGAO_CANMOVE 0x00000002L
#define SFGAO_CANRENAME 0x00000010L
#define SFGAO_CANDELETE 0x00000020L
#define SFGAO_LINK 0x00010000L
#define SFGAO_READONLY 0x00040000L
#define SFGAO_HIDDEN 0x00080000L
#define SFGAO_FOLDER 0x20000000L
#define SFGAO_FILESYSTEM 0x40000000L

struct SHFILEINFOW {
    HICON hIcon;
    int iIcon;
    DWORD dwAttributes;
    WCHAR szDisplayName[MAX_PATH];
    WCHAR szTypeName[80];
};
using SHFILEINFO = SHFILEINFOW;

// With SHGFI_SYSICONINDEX: the system image list's handle; otherwise nonzero. 0 when the file
// does not exist (unless SHGFI_USEFILEATTRIBUTES) or an argument is bad.
WINBASEAPI DWORD_PTR SHGetFileInfo(LPCWSTR pszPath, DWORD dwFileAttributes, SHFILEINFO* psfi, UINT cbFileInfo,
                                   UINT uFlags);
