// The dialog manager's own workings, shared by its calls and by message boxes: making a dialog
// window from a template and running it modally.
#pragma once

#include <string>

#include "ceresource.h"
#include "windows.h"

namespace ce::gwes {

// The class of ordinary dialogs; message boxes use their own class with the same procedure.
inline constexpr const char16_t* dialogClassName = u"Dialog";
inline constexpr const char16_t* messageBoxClassName = u"MessageBox";

// The procedure of every dialog window: asks the dialog procedure first, then DefDlgProcW.
LRESULT dialogWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Makes a dialog window (of `className`) and its controls from a template, sends
// WM_INITDIALOG, and shows it when the template's style has WS_VISIBLE. Null when a window
// cannot be made.
HWND createDialog(HINSTANCE instance, const CeDialogTemplate& dialogTemplate, HWND owner, DLGPROC proc,
    LPARAM param, const char16_t* className);

// The template a module holds under a name, or null (with the resource error set).
const CeDialogTemplate* findDialogTemplate(HINSTANCE instance, LPCWSTR name);

// Runs a made dialog modally: disables its owner, shows the dialog (unless it has ended
// already), pumps the calling thread's queue until EndDialog, enables the owner again and
// destroys the dialog. Returns EndDialog's result.
INT_PTR runModalDialog(HWND dialog);

// Dialog units to pixels: a dialog unit is one pixel of a 96-dpi screen.
int dialogUnitsToPixels(int units);

} // namespace ce::gwes
