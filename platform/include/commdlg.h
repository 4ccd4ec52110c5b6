// The common dialogs of the device: the open and save file dialogs and the colour chooser, with
// the control ids their dialogs carry (so that scripts and tests can drive them) and the error
// codes CommDlgExtendedError gives. Device programs include this header themselves.
#pragma once

#include "ceapi.h"
#include "windef.h"
#include "wingdi.h"

// ---- Open and save file dialogs --------------------------------------------------------------

using LPOFNHOOKPROC = UINT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

struct OPENFILENAMEW {
    DWORD lStructSize;
    HWND hwndOwner;
    HINSTANCE hInstance;
    LPCWSTR lpstrFilter; // pairs of a type's name and its patterns ("*.txt;*.log"), ending "\0\0"
    LPWSTR lpstrCustomFilter;
    DWORD nMaxCustFilter;
    DWORD nFilterIndex;  // 1-based
    LPWSTR lpstrFile;    // in: a start path or name; out: the chosen path
    DWORD nMaxFile;
    LPWSTR lpstrFileTitle;
    DWORD nMaxFileTitle;
    LPCWSTR lpstrInitialDir;
    LPCWSTR lpstrTitle;
    DWORD Flags;
    WORD nFileOffset;
    WORD nFileExtension;
    LPCWSTR lpstrDefExt;
    LPARAM lCustData;
    LPOFNHOOKPROC lpfnHook;
    LPCWSTR lpTemplateName;
};
using LPOPENFILENAMEW = OPENFILENAMEW*;
using OPENFILENAME = OPENFILENAMEW;
using LPOPENFILENAME = LPOPENFILENAMEW;

#define OFN_READONLY 0x00000001
#define OFN_OVERWRITEPROMPT 0x00000002
#define OFN_HIDEREADONLY 0x00000004
#define OFN_NOCHANGEDIR 0x00000008
#define OFN_SHOWHELP 0x00000010
#define OFN_ENABLEHOOK 0x00000020
#define OFN_ENABLETEMPLATE 0x00000040
#define OFN_ENABLETEMPLATEHANDLE 0x00000080
#define OFN_NOVALIDATE 0x00000100
#define OFN_ALLOWMULTISELECT 0x00000200
#define OFN_EXTENSIONDIFFERENT 0x00000400
#define OFN_PATHMUSTEXIST 0x00000800
#define OFN_FILEMUSTEXIST 0x00001000
#define OFN_CREATEPROMPT 0x00002000
#define OFN_SHAREAWARE 0x00004000
#define OFN_NOREADONLYRETURN 0x00008000
#define OFN_NOTESTFILECREATE 0x00010000
#define OFN_EXPLORER 0x00080000 // accepted for compatibility: every dialog has the one look
#define OFN_PROJECT 0x00400000
#define OFN_PROPERTY 0x00800000
#define OFN_SHOW_ALL 0x01000000

// Runs the dialog modally; TRUE with the chosen path in lpstrFile, FALSE when cancelled or on an
// error (CommDlgExtendedError tells which).
WINBASEAPI BOOL GetOpenFileNameW(LPOPENFILENAMEW lpofn);
WINBASEAPI BOOL GetSaveFileNameW(LPOPENFILENAMEW lpofn);
#define GetOpenFileName GetOpenFileNameW
#define GetSaveFileName GetSaveFileNameW

// ---- Colour chooser --------------------------------------------------------------------------

using LPCCHOOKPROC = UINT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

struct CHOOSECOLORW {
    DWORD lStructSize;
    HWND hwndOwner;
    HWND hInstance;
    COLORREF rgbResult;     // in with CC_RGBINIT, out on OK
    COLORREF* lpCustColors; // 16 colours, kept between calls by the program
    DWORD Flags;
    LPARAM lCustData;
    LPCCHOOKPROC lpfnHook;
    LPCWSTR lpTemplateName;
};
using LPCHOOSECOLORW = CHOOSECOLORW*;
using CHOOSECOLOR = CHOOSECOLORW;
using LPCHOOSECOLOR = LPCHOOSECOLORW;

#define CC_RGBINIT 0x00000001
#define CC_FULLOPEN 0x00000002
#define CC_PREVENTFULLOPEN 0x00000004
#define CC_SHOWHELP 0x00000008
#define CC_ENABLEHOOK 0x00000010
#define CC_ENABLETEMPLATE 0x00000020
#define CC_ENABLETEMPLATEHANDLE 0x00000040
#define CC_SOLIDCOLOR 0x00000080
#define CC_ANYCOLOR 0x00000100

WINBASEAPI BOOL ChooseColorW(LPCHOOSECOLORW lpcc);
#define ChooseColor ChooseColorW

// ---- Errors ----------------------------------------------------------------------------------

// The error of the calling thread's last common dialog; 0 after a cancel or a success.
WINBASEAPI DWORD CommDlgExtendedError();

#define CDERR_DIALOGFAILURE 0xFFFF
#define CDERR_GENERALCODES 0x0000
#define CDERR_STRUCTSIZE 0x0001
#define CDERR_INITIALIZATION 0x0002
#define CDERR_NOTEMPLATE 0x0003
#define CDERR_NOHINSTANCE 0x0004
#define CDERR_LOADSTRFAILURE 0x0005
#define CDERR_FINDRESFAILURE 0x0006
#define CDERR_LOADRESFAILURE 0x0007
#define CDERR_LOCKRESFAILURE 0x0008
#define CDERR_MEMALLOCFAILURE 0x0009
#define CDERR_MEMLOCKFAILURE 0x000A
#define CDERR_NOHOOK 0x000B
#define CDERR_REGISTERMSGFAIL 0x000C
#define FNERR_FILENAMECODES 0x3000
#define FNERR_SUBCLASSFAILURE 0x3001
#define FNERR_INVALIDFILENAME 0x3002
#define FNERR_BUFFERTOOSMALL 0x3003 // the needed size (characters) is in lpstrFile's first WORD
#define CCERR_CHOOSECOLORCODES 0x5000

// ---- Control ids of the dialogs --------------------------------------------------------------
// The file dialog: the type combo box (lpstrFilter's names), the folder combo box (the current
// folder's path from "\" down to it, one full path per item), the name edit, the list of
// sub-folders then files (a LISTBOX; item data 1 marks a folder), OK (IDOK) and Cancel (IDCANCEL).
#define cmb1 0x0470
#define cmb2 0x0471
#define edt1 0x0480
#define lst1 0x0460

// The colour chooser: edits for red, green and blue (0-255), the "Add to Custom Colors" button,
// the "Define Custom Colors" button that shows the edits when the dialog is not fully open, the
// 48 basic colours (COLOR_BASIC0 + 0..47) and the 16 custom colours (COLOR_CUSTOM0 + 0..15) as
// buttons, and OK/Cancel (IDOK/IDCANCEL).
#define COLOR_RED 0x02c2
#define COLOR_GREEN 0x02c3
#define COLOR_BLUE 0x02c4
#define COLOR_ADD 0x02c8
#define COLOR_MIX 0x02cf
#define COLOR_BASIC0 0x0300
#define COLOR_CUSTOM0 0x0340
